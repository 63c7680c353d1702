#pragma once

#include <QString>

// The folder that holds setting.ini, 自定义.txt and the backups: the executable's own folder
// when the program may write there (portable use), else the per-user application data folder.
QString resolveProgramDirectory(const QString &executableDir, const QString &userDataDir);

// Whether a new file can be created in dir (probes with a temporary file).
bool isDirectoryWritable(const QString &dir);
