#include "points/points_tool_command.h"

#include "core/app_paths.h"
#include "core/system_clock.h"
#include "points/points_ledger.h"
#include "points/task_board.h"
#include "platform/program_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Where the program itself looks (the tool lives beside it), without creating anything.
QString defaultProgramDirectory()
{
    return programDirectoryFor(QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

int runPoints(const QStringList &args, QTextStream &out, QTextStream &err)
{
    AppPaths paths;
    paths.programDir = defaultProgramDirectory();
    paths.workingDir = QDir::currentPath();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        const bool known = option == QLatin1String("--program-dir") || option == QLatin1String("--working-dir");
        if (!known || i + 1 >= args.size()) {
            err << "usage: penmoor-tool " << kPointsToolCommand.usage << '\n';
            return 2;
        }
        const QString dir = args.at(++i);
        if (!QFileInfo(dir).isDir()) {
            err << "penmoor-tool points: not a folder: " << dir << '\n';
            return 1;
        }
        (option == QLatin1String("--program-dir") ? paths.programDir : paths.workingDir) = QDir(dir).absolutePath();
    }

    const qint32 total = PointsLedger(paths).loadPointsTotal();
    const SystemClock clock;
    const TaskBoardView view = TaskBoard(paths, clock).previewTaskBoard(total);
    out << PointsLedger::pointsLabelText(total) << '\n';
    // A negative total leaves the title label as it was when the page was built.
    out << view.title.value_or(TaskBoard::kInitialTitle) << '\n';
    for (const QString &row : view.rows)
        out << row << '\n';
    return 0;
}

}  // namespace

// constinit: tool_main copies it into its own table during static initialisation.
constinit const ToolCommand kPointsToolCommand{
    "points",
    "points [--program-dir D] [--working-dir W]  show the points, title and task rows",
    runPoints,
};
