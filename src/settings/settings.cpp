#include "settings.h"

#include "core/gbk_codec.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <limits>

Settings::Settings(AppPaths paths)
    : paths_(std::move(paths))
{
}

ProfileStore Settings::programFile() const
{
    return ProfileStore(paths_.programFile(kFileName));
}

ProfileStore Settings::fileFor(const QString &section) const
{
    if (section == SettingSection::running)
        return ProfileStore(paths_.workingFile(kFileName));
    return programFile();
}

QByteArray Settings::read(const QString &section, const QString &key) const
{
    return fileFor(section).read(GbkCodec::encode(section), GbkCodec::encode(key));
}

QString Settings::readText(const QString &section, const QString &key) const
{
    return GbkCodec::decode(read(section, key));
}

bool Settings::readFlag(const QString &section, const QString &key) const
{
    return read(section, key) == GbkCodec::encode(SettingValue::yes);
}

int Settings::readNumber(const QString &section, const QString &key) const
{
    return atoiValue(read(section, key));
}

bool Settings::write(const QString &section, const QString &key, const QByteArray &value) const
{
    return fileFor(section).write(GbkCodec::encode(section), GbkCodec::encode(key), value);
}

bool Settings::writeText(const QString &section, const QString &key, const QString &value) const
{
    return write(section, key, GbkCodec::encode(value));
}

bool Settings::writeFlag(const QString &section, const QString &key, bool value) const
{
    return writeText(section, key, value ? SettingValue::yes : SettingValue::no);
}

bool Settings::writeNumber(const QString &section, const QString &key, qint64 value) const
{
    return write(section, key, QByteArray::number(value));
}

int atoiValue(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == ' ' || (text.at(i) >= '\t' && text.at(i) <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == '+' || text.at(i) == '-'))
        negative = text.at(i++) == '-';
    qint64 magnitude = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size() && text.at(i) >= '0' && text.at(i) <= '9'; ++i) {
        magnitude = magnitude * 10 + (text.at(i) - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
