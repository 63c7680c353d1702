// Opening and saving whole documents: a 1,000,000-character manuscript as a GBK .txt and as a
// .qmf, and a 50 MB text file for the worst case the open command meets.
#include "core/session_state.h"
#include "documents/document_file.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QByteArray kKey = QByteArray(SessionState::kKeyPrefix) + "password";

// Chinese prose with punctuation, some Latin letters and digits, a line break every paragraph.
QString manuscript(qsizetype characters)
{
    const QString paragraph = QStringLiteral(
        "　　夜色渐深，长街上只剩几盏灯笼在风里摇晃。他把信折好，塞进怀里，转身走进了雨中。"
        "第12回的伏笔，到这里才算收住；Chapter one ends here.\n");
    QString text;
    text.reserve(characters + paragraph.size());
    while (text.size() < characters)
        text += paragraph;
    text.truncate(characters);
    return text;
}

struct Documents {
    QTemporaryDir dir;
    QString text = manuscript(1000000);
    QString txtPath = dir.filePath(QStringLiteral("稿.txt"));
    QString qmfPath = dir.filePath(QStringLiteral("稿.qmf"));
    QString hugePath = dir.filePath(QStringLiteral("巨.txt"));
    qint64 hugeBytes = 0;

    Documents()
    {
        writeDocumentFile(txtPath, text, DocumentFormat::newDocument(), kKey);
        writeDocumentFile(qmfPath, text, DocumentFormat::encryptedDocument(), kKey);
        const QString huge = manuscript(25 * 1000 * 1000);  // about 50 MB in GBK
        writeDocumentFile(hugePath, huge, DocumentFormat::newDocument(), kKey);
        hugeBytes = QFileInfo(hugePath).size();
    }
};

Documents &documents()
{
    static Documents instance;
    return instance;
}

void openGbkText(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlainDocumentFile(d.txtPath));
    state.SetBytesProcessed(state.iterations() * QFileInfo(d.txtPath).size());
}

void saveGbkText(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDocumentFile(d.txtPath, d.text, DocumentFormat::newDocument(), kKey));
    state.SetBytesProcessed(state.iterations() * QFileInfo(d.txtPath).size());
}

void openEncrypted(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(readEncryptedDocumentFile(d.qmfPath, kKey));
    state.SetBytesProcessed(state.iterations() * QFileInfo(d.qmfPath).size());
}

void saveEncrypted(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDocumentFile(d.qmfPath, d.text, DocumentFormat::encryptedDocument(), kKey));
    state.SetBytesProcessed(state.iterations() * QFileInfo(d.qmfPath).size());
}

void compareUnchangedText(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(documentFileMatches(d.txtPath, d.text, DocumentFormat::newDocument(), kKey));
    state.SetBytesProcessed(state.iterations() * QFileInfo(d.txtPath).size());
}

void openFiftyMegabytes(benchmark::State &state)
{
    Documents &d = documents();
    for (auto _ : state)
        benchmark::DoNotOptimize(readPlainDocumentFile(d.hugePath));
    state.SetBytesProcessed(state.iterations() * d.hugeBytes);
}

}  // namespace

BENCHMARK(openGbkText)->Unit(benchmark::kMillisecond);
BENCHMARK(saveGbkText)->Unit(benchmark::kMillisecond);
BENCHMARK(openEncrypted)->Unit(benchmark::kMillisecond);
BENCHMARK(saveEncrypted)->Unit(benchmark::kMillisecond);
BENCHMARK(compareUnchangedText)->Unit(benchmark::kMillisecond);
BENCHMARK(openFiftyMegabytes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
