#include "statistics/stats_tool_command.h"

#include "core/atomic_file.h"
#include "documents/document_codec.h"
#include "statistics/text_statistics.h"
#include "statistics/word_count_text.h"

#include <QFile>

#include <cstdio>
#include <optional>

namespace {

std::optional<QByteArray> readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    return input.readAll();
}

}  // namespace

int runStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() > 1 || (args.size() == 1 && args.front().startsWith(u'-') && args.front().size() > 1)) {
        err << "usage: penmoor-tool " << kStatsToolCommand.usage << '\n';
        return 2;
    }
    const bool fromFile = args.size() == 1 && args.front() != QLatin1String("-");
    const std::optional<QByteArray> bytes = fromFile ? readWholeFile(args.front()) : readStandardInput();
    if (!bytes) {
        err << "penmoor-tool stats: cannot read " << (fromFile ? args.front() : QStringLiteral("standard input"))
            << '\n';
        return 1;
    }
    // The same text the editor would hold after opening the file, counted the way its
    // text-changed handler counts it; a terminal has no points gate.
    const DecodedDocument document = DocumentCodec::decodePlain(*bytes);
    const TextFigures figures = TextStatistics::countFigures(document.text, LineBreaks::EditorCrLf);
    const QString text = WordCountText::windowText(figures, 0);
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        out << line << '\n';
    return 0;
}
