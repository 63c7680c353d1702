#pragma once

#include <QString>

// Where the program keeps its files. programDir holds setting.ini (all sections but the points
// total), 自定义.txt and the backup folder; the points total lives in the setting.ini of the
// working directory, read at the time of each access.
struct AppPaths {
    QString programDir;
    QString workingDir;    // empty: the process's current directory at the time of access
    QString exchangeFile;  // the shared hand-over file of the transfer window

    QString programFile(const QString &name) const;
    QString workingFile(const QString &name) const;
};
