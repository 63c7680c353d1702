#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "statistics/text_statistics.h"
#include "statistics/word_count_text.h"
#include "support/test_context.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
};

ToolRun runStats(const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(PENMOOR_TOOL), QStringList{QStringLiteral("stats")} + args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

// What the word-count window shows for the editor's text, one line per line as a terminal shows it.
QString windowLines(const QString &editorText)
{
    QString text = WordCountText::windowText(TextStatistics::countFigures(editorText), 0);
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'\n';
}

}  // namespace

TEST(StatsToolCommand, PrintsTheWindowsSevenLines)
{
    TestContext test;
    const QString file = QDir(test.workingDir()).filePath(QStringLiteral("稿.txt"));
    ASSERT_TRUE(writeFileAtomically(file, GbkCodec::encode(QStringLiteral("中，文 abc 12\r\nDE"))).ok);
    const ToolRun run = runStats({file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("字数统计\n汉字数量：3\n英文数量：5\n符号数量：3\n数字数量：2\n段落数：2\n当前字数：  6\n"));
}

TEST(StatsToolCommand, AgreesWithTheWindowHoweverTheFileIsEncoded)
{
    const QString editorText = QString::fromUtf8(
        "第一章  雨夜\n\n　　夜里十一点，雨还没停。“又坏了。”Zhang Wei 说：8:30 开会😂\n（未完）\n");
    struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"GBK with CR LF", TextStatistics::systemText(editorText)},
        {"UTF-8 with LF", editorText.toUtf8()},
        {"UTF-8 with a byte-order mark and CR LF",
         QByteArray("\xEF\xBB\xBF") + QString(editorText).replace(u'\n', QStringLiteral("\r\n")).toUtf8()},
        {"text after a zero byte is not read", TextStatistics::systemText(editorText) + QByteArray("\0tail 123", 9)},
    };
    TestContext test;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = QDir(test.workingDir()).filePath(QStringLiteral("in.txt"));
        ASSERT_TRUE(writeFileAtomically(file, c.bytes).ok);
        const ToolRun fromFile = runStats({file});
        EXPECT_EQ(fromFile.exitCode, 0);
        EXPECT_EQ(fromFile.out, windowLines(editorText));
        const ToolRun fromInput = runStats({}, c.bytes);
        EXPECT_EQ(fromInput.exitCode, 0);
        EXPECT_EQ(fromInput.out, windowLines(editorText));
    }
}

TEST(StatsToolCommand, ReportsAMissingFileAndBadUsage)
{
    TestContext test;
    EXPECT_EQ(runStats({QDir(test.workingDir()).filePath(QStringLiteral("none.txt"))}).exitCode, 1);
    EXPECT_EQ(runStats({QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);
}
