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

QString programDirectoryFor(const QString &executableDir, const QString &userDataDir)
{
    return isDirectoryWritable(executableDir) ? executableDir : userDataDir;
}

QString resolveProgramDirectory(const QString &executableDir, const QString &userDataDir)
{
    const QString dir = programDirectoryFor(executableDir, userDataDir);
    QDir().mkpath(dir);
    return dir;
}
