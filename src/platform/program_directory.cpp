#include "program_directory.h"

#include <QDir>
#include <QTemporaryFile>

bool isDirectoryWritable(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".penmoor-probe-XXXXXX")));
    return probe.open();
}

QString resolveProgramDirectory(const QString &executableDir, const QString &userDataDir)
{
    if (isDirectoryWritable(executableDir))
        return executableDir;
    QDir().mkpath(userDataDir);
    return userDataDir;
}
