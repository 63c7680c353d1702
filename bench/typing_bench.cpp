// Typing into the real editor holding a long manuscript: each keystroke pays for the whole
// text-changed handling (reading the editor, counts, word-count window, backup hand-over, marks).
#include "app/application.h"
#include "app/main_window.h"
#include "bench_manuscript.h"
#include "core/app_context.h"
#include "core/prompter.h"
#include "core/system_clock.h"
#include "core/system_random.h"
#include "platform/no_global_hotkeys.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Answers every dialog at once; the benchmark never meets one.
class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(const QString &, const QString &, PromptButtons) override { return PromptAnswer::Cancel; }
    std::optional<QString> chooseOpenFile(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> chooseSaveFile(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> askPassword(const PasswordRequest &) override { return std::nullopt; }
    std::optional<quint32> chooseColour(quint32) override { return std::nullopt; }
};

void TypeIntoEditor(benchmark::State &state)
{
    QTemporaryDir folder;
    SystemClock clock;
    SystemRandom random;
    SilentPrompter prompter;
    AppContext context{AppPaths{folder.path(), folder.path(), folder.filePath(QStringLiteral("exchange.txt"))},
                       clock, prompter, random};
    NoGlobalHotkeys hotkeys;
    Application app(context, hotkeys);
    app.startUp();
    app.window().show();
    app.window().startButton->click();
    QPlainTextEdit *editor = app.window().editor;
    editor->setPlainText(manuscript(state.range(0)));
    editor->moveCursor(QTextCursor::End);

    for (auto _ : state) {
        editor->textCursor().insertText(QStringLiteral("字"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TypeIntoEditor)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
