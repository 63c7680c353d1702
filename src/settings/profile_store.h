#pragma once

#include <QByteArray>
#include <QString>

// One INI file read and written byte for byte (sections, keys and values are GBK bytes), with
// the rules of the classic Windows profile functions: section and key names match ignoring ASCII
// case, blanks around names and values are trimmed, one pair of surrounding quotes is removed from
// a value on reading, a value reads at most 10,239 bytes, the first of duplicate sections or keys
// wins, a new key goes to the end of its section and a new section to the end of the file, and
// every other line is kept as it was. Nothing is cached: each call goes to the file, and each
// write replaces the file atomically.
class ProfileStore {
public:
    static constexpr qsizetype kMaxValueBytes = 10239;

    explicit ProfileStore(QString path);

    const QString &path() const { return path_; }
    bool exists() const;

    // The value, or the empty text when the file, the section or the key is absent.
    QByteArray read(const QByteArray &section, const QByteArray &key) const;

    // False when the file is marked read-only, cannot be written, or the value holds a byte that
    // an INI line cannot carry (zero, CR, LF); the file is then left untouched.
    bool write(const QByteArray &section, const QByteArray &key, const QByteArray &value) const;

private:
    QString path_;
};
