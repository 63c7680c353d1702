// The editor's text-changed handling on manuscripts of realistic size: the single-pass counts
// against the regular-expression reference, the whole handling as a keystroke pays for it, and the
// backup write that runs beside it.
#include "core/system_clock.h"
#include "documents/backup_copy.h"
#include "statistics/text_change_handler.h"
#include "statistics/text_statistics.h"
#include "statistics/word_count_text.h"
#include "bench_manuscript.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

void CountFigures(benchmark::State &state)
{
    const QString text = manuscript(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextStatistics::countFigures(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CountFigures)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void ReferenceFigures(benchmark::State &state)
{
    const QByteArray text = TextStatistics::systemText(manuscript(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextStatistics::referenceFigures(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReferenceFigures)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// One keystroke: a character appended to the manuscript, then the whole handling with the backup
// switched on and the daily marks due (setting.ini read, and written on the first run).
void TextChangeHandling(benchmark::State &state)
{
    QTemporaryDir folder;
    SystemClock clock;
    TextChangeHandler handler(AppPaths{folder.path(), folder.path(), {}}, clock);
    TextChange change;
    change.editorText = manuscript(state.range(0));
    change.title = QStringLiteral("第一章 雨夜");
    change.autoBackup = true;
    for (auto _ : state) {
        state.PauseTiming();
        change.editorText += u'字';
        state.ResumeTiming();
        benchmark::DoNotOptimize(handler.handle(change));
    }
    if (!handler.backup().flush().ok())
        state.SkipWithError("backup failed");
}
BENCHMARK(TextChangeHandling)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the background writer does per write: encode to GBK with CR LF and replace the file
// durably. Off the keystroke path; writes that fall behind are coalesced to the latest text.
void BackupWrite(benchmark::State &state)
{
    QTemporaryDir folder;
    const BackupCopy copy(folder.path());
    const QString text = manuscript(state.range(0));
    for (auto _ : state) {
        if (!copy.write(QStringLiteral("第一章 雨夜"), BackupCopy::systemBytes(text)).ok())
            state.SkipWithError("backup failed");
    }
}
BENCHMARK(BackupWrite)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void WindowText(benchmark::State &state)
{
    const TextFigures figures = TextStatistics::countFigures(manuscript(100'000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(WordCountText::windowText(figures, 10));
        benchmark::DoNotOptimize(WordCountText::statusText(figures.current()));
    }
}
BENCHMARK(WindowText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
