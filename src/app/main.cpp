#include "app/application.h"
#include "app/main_window.h"
#include "core/app_context.h"
#include "core/system_clock.h"
#include "core/system_random.h"
#include "documents/password_window.h"
#include "platform/no_global_hotkeys.h"
#include "platform/program_directory.h"
#include "platform/qt_prompter.h"
#include "platform/termination_signals.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(kApplicationName);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    // The system's own dialogs (files, colours, buttons) speak Chinese like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    SystemClock clock;
    SystemRandom random;
    QtPrompter prompter;
    AppContext context{
        AppPaths{resolveProgramDirectory(QCoreApplication::applicationDirPath(),
                                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
                 QString(), QDir::temp().filePath(QStringLiteral("p穿越.txt"))},
        clock, prompter, random};

    // The only argument is one file path.
    const QStringList args = QCoreApplication::arguments();
    std::optional<QString> path;
    if (args.size() > 1)
        path = args.at(1);

    NoGlobalHotkeys hotkeys;
    Application app(context, hotkeys, path);
    prompter.setParent(&app.window());
    prompter.setPasswordDialog([&app](const PasswordRequest &request) { return PasswordWindow::ask(request, &app.window()); });

    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::received, &app, [&app] { app.requestExit(); });
    QObject::connect(&app, &Application::finished, &qtApp, [](int code) { QApplication::exit(code); });

    // The start-up runs as soon as the window exists, before it is shown: the first-run check
    // must see the settings file as the last run left it.
    app.startUp();
    // The writer may have refused the agreement: the shut-down has then already run.
    if (app.hasFinished())
        return 0;
    app.window().show();
    return QApplication::exec();
}
