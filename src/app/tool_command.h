#pragma once

#include <QStringList>
#include <QTextStream>

// One sub-command of penmoor-tool. args are the words after the sub-command's name. Exit codes:
// 0 success, 1 a failure of the work itself (reported on err), 2 a usage error.
struct ToolCommand {
    const char *name;
    const char *usage;  // one line for --help
    int (*run)(const QStringList &args, QTextStream &out, QTextStream &err);
};
