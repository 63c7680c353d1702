#pragma once

#include <QString>

// The name the program's per-user data folder is made from.
inline const QString kApplicationName = QStringLiteral("Penmoor");

// The folder that holds setting.ini, 自定义.txt and the backups: the executable's own folder
// when the program may write there (portable use), else the per-user application data folder.
// Only looks; creates nothing.
QString programDirectoryFor(const QString &executableDir, const QString &userDataDir);

// The same folder, with the per-user folder created when it is the one chosen.
QString resolveProgramDirectory(const QString &executableDir, const QString &userDataDir);

// Whether a new file can be created in dir (probes with a temporary file).
bool isDirectoryWritable(const QString &dir);
