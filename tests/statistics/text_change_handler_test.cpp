#include "core/atomic_file.h"
#include "core/day_stamp.h"
#include "core/gbk_codec.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "statistics/text_change_handler.h"
#include "statistics/word_count_text.h"
#include "support/test_context.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

TextChange change(const QString &text, bool autoBackup = true)
{
    TextChange c;
    c.editorText = text;
    c.title = QStringLiteral("第一章");
    c.autoBackup = autoBackup;
    return c;
}

}  // namespace

TEST(TextChangeHandler, ShowsTheCountsAndBacksUpEachChange)
{
    TestContext test;
    TextChangeHandler handler(test.context().paths, test.clock());
    const QString path = handler.backup().backupFilePath(QStringLiteral("第一章"));

    const TextChangeOutcome first = handler.handle(change(QStringLiteral("第一章\n")));
    handler.backup().flush();
    EXPECT_EQ(first.statusText, QStringLiteral("当前字数：  3"));
    EXPECT_TRUE(first.windowText.startsWith(QStringLiteral("字数统计\r\n汉字数量：3\r\n")));
    EXPECT_EQ(readWholeFile(path), GbkCodec::encode(QStringLiteral("第一章\r\n")));

    // One typed character rewrites the file with the whole text.
    const TextChangeOutcome second = handler.handle(change(QStringLiteral("第一章\n雨")));
    EXPECT_TRUE(second.backupScheduled);
    handler.backup().flush();
    EXPECT_EQ(readWholeFile(path), GbkCodec::encode(QStringLiteral("第一章\r\n雨")));
    EXPECT_EQ(second.statusText, QStringLiteral("当前字数：  4"));
}

TEST(TextChangeHandler, TheGateHidesTheDetailsBelowZeroPoints)
{
    TestContext test;
    TextChangeHandler handler(test.context().paths, test.clock());
    TextChange c = change(QStringLiteral("abc"), false);
    c.pointsTotal = -1;
    const TextChangeOutcome gated = handler.handle(c);
    EXPECT_EQ(gated.windowText, QStringLiteral("您需要积分达到0点才能有资格使用详细的文字统计"));
    EXPECT_EQ(gated.statusText, QStringLiteral("当前字数：  1"));
    c.pointsTotal = 0;
    EXPECT_EQ(handler.handle(c).windowText, WordCountText::windowText(TextStatistics::countFigures(c.editorText), 0));
}

TEST(TextChangeHandler, TheFarewellTextNeverReachesTheBackup)
{
    TestContext test;
    TextChangeHandler handler(test.context().paths, test.clock());
    handler.handle(change(QStringLiteral("写完的稿子")));
    TextChange farewell = change(QStringLiteral("感谢您的使用"));
    farewell.farewellText = true;
    EXPECT_FALSE(handler.handle(farewell).backupScheduled);
    handler.backup().flush();
    EXPECT_EQ(readWholeFile(handler.backup().backupFilePath(QStringLiteral("第一章"))),
              GbkCodec::encode(QStringLiteral("写完的稿子")));
}

TEST(TextChangeHandler, WithTheSwitchOffNoFileIsTouched)
{
    TestContext test;
    TextChangeHandler handler(test.context().paths, test.clock());
    const TextChangeOutcome outcome = handler.handle(change(QStringLiteral("短文"), false));
    handler.backup().flush();
    EXPECT_FALSE(outcome.backupScheduled);
    EXPECT_TRUE(QDir(test.programDir()).isEmpty());
}

TEST(TextChangeHandler, MarksTheDayUnlessTheDocumentWasOpened)
{
    TestContext test;
    TextChangeHandler handler(test.context().paths, test.clock());
    const Settings settings(test.context().paths);
    TextChange c = change(QString(1001, QChar(u'字')), false);
    c.documentOpened = true;
    EXPECT_EQ(handler.handle(c).marks.written, 0);
    EXPECT_FALSE(QFileInfo::exists(test.programFile(Settings::kFileName)));
    c.documentOpened = false;
    EXPECT_EQ(handler.handle(c).marks.written, 1);
    EXPECT_EQ(settings.read(SettingSection::software, SettingKey::words1000), dayStamp(QDate(2026, 12, 11)));
}
