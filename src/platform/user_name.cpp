#include "user_name.h"

#include "core/gbk_codec.h"

#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
constexpr qsizetype kNameBufferBytes = 50;
}

QByteArray fitUserName(QByteArrayView name)
{
    return name.size() < kNameBufferBytes ? name.toByteArray() : QByteArray();
}

QByteArray currentUserName()
{
#ifdef Q_OS_WIN
    wchar_t buffer[256];
    DWORD size = DWORD(std::size(buffer));
    if (!GetUserNameW(buffer, &size) || size == 0)
        return {};
    // size counts the terminator.
    const QString name = QString::fromWCharArray(buffer, int(size) - 1);
#else
    const passwd *entry = getpwuid(geteuid());
    if (entry == nullptr || entry->pw_name == nullptr)
        return {};
    const QString name = QString::fromLocal8Bit(entry->pw_name);
#endif
    return fitUserName(GbkCodec::encode(name));
}
