#include "file_attributes.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr QFileDevice::Permissions kWriteBits =
    QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
}

bool setFileAttributes(const QString &path, FileAttributes attributes)
{
    QFile file(path);
    if (!file.exists())
        return false;
    QFileDevice::Permissions permissions = file.permissions();
    if (attributes == FileAttributes::ReadOnlyHiddenSystem)
        permissions &= ~kWriteBits;
    else
        permissions |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    return file.setPermissions(permissions);
}

bool isMarkedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}
