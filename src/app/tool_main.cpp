// penmoor-tool: the program's formats for batch work in a terminal.
#include "app/tool_command.h"
#include "platform/program_directory.h"
#include "documents/cipher_tool_command.h"
#include "points/points_tool_command.h"
#include "statistics/stats_tool_command.h"

#include <QCoreApplication>

#include <cstdio>
#include <span>

namespace {

// Sub-commands, in the order --help lists them.
const ToolCommand kCommands[] = {
    {"--version", "--version              print the version", nullptr},
    {"--help", "--help                 print this help", nullptr},
    kEncryptToolCommand,
    kDecryptToolCommand,
    kPointsToolCommand,
    kStatsToolCommand,
};

void printHelp(QTextStream &out)
{
    out << "usage: penmoor-tool COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const ToolCommand &command : kCommands)
        out << "  " << command.usage << '\n';
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(kApplicationName);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        printHelp(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        out << "penmoor-tool " << PENMOOR_VERSION << '\n';
        return 0;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printHelp(out);
        return 0;
    }
    for (const ToolCommand &command : kCommands) {
        if (command.run && name == QLatin1String(command.name))
            return command.run(args, out, err);
    }
    err << "penmoor-tool: unknown command '" << name << "'\n";
    printHelp(err);
    return 2;
}
