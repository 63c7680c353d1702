#pragma once

#include "core/app_paths.h"
#include "settings/profile_store.h"

#include <QByteArray>
#include <QString>

// Typed access to setting.ini. Section 运行情况 goes to the file in the working directory, every
// other section to the file in the program directory. Nothing is cached.
class Settings {
public:
    static inline const QString kFileName = QStringLiteral("setting.ini");

    explicit Settings(AppPaths paths);

    ProfileStore programFile() const;
    ProfileStore fileFor(const QString &section) const;

    QByteArray read(const QString &section, const QString &key) const;
    QString readText(const QString &section, const QString &key) const;
    // True exactly when the value is "真".
    bool readFlag(const QString &section, const QString &key) const;
    // The value converted like C's atoi; 0 when absent or not a number.
    int readNumber(const QString &section, const QString &key) const;

    bool write(const QString &section, const QString &key, const QByteArray &value) const;
    bool writeText(const QString &section, const QString &key, const QString &value) const;
    bool writeFlag(const QString &section, const QString &key, bool value) const;
    bool writeNumber(const QString &section, const QString &key, qint64 value) const;

private:
    AppPaths paths_;
};

// C's atoi: leading white space, an optional sign, the leading decimal digits; 0 without digits.
// Out-of-range values saturate at the 32-bit limits.
int atoiValue(QByteArrayView text);
