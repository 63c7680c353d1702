#include "app_paths.h"

#include <QDir>

QString AppPaths::programFile(const QString &name) const
{
    return QDir(programDir).filePath(name);
}

QString AppPaths::workingFile(const QString &name) const
{
    return QDir(workingDir.isEmpty() ? QDir::currentPath() : workingDir).filePath(name);
}
