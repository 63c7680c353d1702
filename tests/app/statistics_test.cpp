#include "app/app_harness.h"
#include "core/atomic_file.h"
#include "core/day_stamp.h"
#include "core/gbk_codec.h"
#include "documents/writing_mode.h"
#include "points/points_ledger.h"
#include "settings/settings_page.h"
#include "statistics/statistics_controller.h"
#include "statistics/writing_clock.h"

#include <QDir>
#include <QProcess>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.start();
        ctx.prompter().clear();
    }
    MainWindow &w() { return run.window(); }
    QString backupFile(const QString &name) { return ctx.programFile(QStringLiteral("备份/") + name); }
    StatisticsController &statistics() { return run.app->statisticsController(); }

    TestContext ctx;
    AppHarness run{ctx};
};

}  // namespace

TEST_F(StatisticsTest, EveryChangeUpdatesTheCountsAndTheWordCountWindow)
{
    EXPECT_EQ(w().statusFields[0]->text(), QStringLiteral("当前字数"));
    w().titleField->setText(QStringLiteral("中"));
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    EXPECT_EQ(w().statusFields[0]->text(), QStringLiteral("当前字数：  1"));
    w().editor->moveCursor(QTextCursor::End);
    typeText(w().editor, QStringLiteral("，文abc"));
    EXPECT_EQ(w().statusFields[0]->text(), QStringLiteral("当前字数：  4"));
    EXPECT_EQ(run.app->wordCountWindow().counts->toPlainText(),
              QStringLiteral("字数统计\n汉字数量：3\n英文数量：3\n符号数量：2\n数字数量：0\n段落数：2\n当前字数：  4"));
}

TEST_F(StatisticsTest, ANegativeTotalShowsTheGateTextInsteadOfTheCounts)
{
    run.app->state().pointsTotal = -1;
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    EXPECT_EQ(run.app->wordCountWindow().counts->toPlainText(), QStringLiteral("您需要积分达到0点才能有资格使用详细的文字统计"));
    run.app->state().pointsTotal = 0;
    typeText(w().editor, QStringLiteral("字"));
    EXPECT_TRUE(run.app->wordCountWindow().counts->toPlainText().startsWith(QStringLiteral("字数统计\n")));
}

TEST_F(StatisticsTest, TheBackupFollowsEveryChangeButNeverTakesTheFarewell)
{
    w().titleField->setText(QStringLiteral("第一章"));
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    w().editor->moveCursor(QTextCursor::End);
    typeText(w().editor, QStringLiteral("风"));
    statistics().handler().backup().flush();
    EXPECT_EQ(readWholeFile(backupFile(QStringLiteral("第一章.txt"))), GbkCodec::encode(u"第一章\r\n风"));

    ctx.prompter().script(PromptAnswer::Ok);
    ctx.prompter().script(PromptAnswer::Ok);
    run.app->writingMode().clearEditing();
    statistics().handler().backup().flush();
    EXPECT_EQ(readWholeFile(backupFile(QStringLiteral("第一章.txt"))), GbkCodec::encode(u"第一章\r\n风"));
    EXPECT_FALSE(QFile::exists(backupFile(QStringLiteral(".txt"))));
}

TEST_F(StatisticsTest, TheBackupSwitchOffTouchesNothing)
{
    w().settingsPage->autoBackup->setChecked(false);
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    typeText(w().editor, QStringLiteral("字"));
    statistics().handler().backup().flush();
    EXPECT_FALSE(QDir(ctx.programFile(QStringLiteral("备份"))).exists());
}

TEST_F(StatisticsTest, DailyMarksComeFromNewTextsOnly)
{
    Settings &settings = run.app->settings();
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    w().editor->moveCursor(QTextCursor::End);
    typeText(w().editor, QString(1001, QChar(u'字')));
    EXPECT_EQ(settings.read(QStringLiteral("软件设置"), QStringLiteral("1000字")), dayStamp(QDate(2026, 12, 11)));

    settings.writeText(QStringLiteral("软件设置"), QStringLiteral("1000字"), QString());
    run.app->state().documentOpened = true;
    typeText(w().editor, QStringLiteral("字"));
    EXPECT_EQ(settings.read(QStringLiteral("软件设置"), QStringLiteral("1000字")), QByteArray());
}

TEST_F(StatisticsTest, TheRecoveryButtonCreatesAndOpensTheBackupFolder)
{
    QList<QUrl> opened;
    statistics().openUrl = [&](const QUrl &url) { opened << url; };
    run.app->settingsController().showSettingsPage(SettingsPage::AppCentreTab);
    QTest::mouseClick(w().settingsPage->recoveryButton, Qt::LeftButton);
    EXPECT_TRUE(QDir(ctx.programFile(QStringLiteral("备份"))).exists());
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first().toLocalFile(), ctx.programFile(QStringLiteral("备份")));
}

TEST_F(StatisticsTest, ClickingTheStatusBarShowsTheWordCountWindowBesideTheMainWindow)
{
    EXPECT_FALSE(run.app->wordCountWindow().isVisible());
    QTest::mousePress(w().statusFields[1], Qt::LeftButton);
    EXPECT_TRUE(run.app->wordCountWindow().isVisible());
    const QRect main = w().geometry();
    w().move(main.topLeft() + QPoint(30, 20));
    EXPECT_EQ(run.app->wordCountWindow().x(), w().x() + w().width());
    EXPECT_EQ(run.app->wordCountWindow().frameGeometry().bottom(), w().geometry().bottom());
}

TEST_F(StatisticsTest, TheToolPrintsWhatTheWindowShowsForTheSameText)
{
    const QString text = QStringLiteral("第一章 归来\n　　他说：“走吧，Tom！”时间是 9:30。\n\n全角ＡＢＣ１２３\t结束😀");
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    w().editor->setPlainText(text);
    const QString window = run.app->wordCountWindow().counts->toPlainText();

    const QString file = ctx.programFile(QStringLiteral("same.txt"));
    QString withCrLf = text;
    withCrLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    ASSERT_TRUE(writeFileAtomically(file, GbkCodec::encode(withCrLf)).ok);
    QProcess tool;
    tool.start(QStringLiteral(PENMOOR_TOOL), {QStringLiteral("stats"), file});
    ASSERT_TRUE(tool.waitForFinished(10000));
    ASSERT_EQ(tool.exitCode(), 0);
    const QString printed = QString::fromUtf8(tool.readAllStandardOutput());
    EXPECT_EQ(printed, window + QLatin1Char('\n'));
    EXPECT_TRUE(window.startsWith(QStringLiteral("字数统计\n汉字数量：")));
}

TEST_F(StatisticsTest, TheWritingTimeCountsTicksInWritingModeOnly)
{
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    for (int i = 0; i < 59; ++i)
        run.app->tickWritingTimer();
    EXPECT_EQ(w().statusFields[1]->text(), QStringLiteral("你已经连续书写：00:00:59"));
    run.app->tickWritingTimer();
    EXPECT_EQ(w().statusFields[1]->text(), QStringLiteral("你已经连续书写：00:01:00"));

    // Outside writing mode the time stands still and the panel keeps its text.
    ctx.prompter().script(PromptAnswer::Ok);
    ctx.prompter().script(PromptAnswer::Ok);
    run.app->writingMode().clearEditing();
    for (int i = 0; i < 100; ++i)
        run.app->tickWritingTimer();
    EXPECT_EQ(w().statusFields[1]->text(), QStringLiteral("你已经连续书写：00:01:00"));

    // Back to writing: the count goes on from where it stood, and an hour marks the day.
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    for (int i = 0; i < 3540 - 1; ++i)
        run.app->tickWritingTimer();
    EXPECT_EQ(run.app->settings().read(QStringLiteral("软件设置"), QStringLiteral("60min")), QByteArray());
    run.app->tickWritingTimer();
    EXPECT_EQ(w().statusFields[1]->text(), QStringLiteral("你已经连续书写：01:00:00"));
    EXPECT_EQ(run.app->settings().read(QStringLiteral("软件设置"), QStringLiteral("60min")), QByteArray("20261211"));
}

TEST(WritingClock, ShowsTheLastTwoDigitsOfEachNumber)
{
    EXPECT_EQ(WritingClock::twoDigits(5), QStringLiteral("05"));
    EXPECT_EQ(WritingClock::twoDigits(12), QStringLiteral("12"));
    EXPECT_EQ(WritingClock::twoDigits(123), QStringLiteral("23"));
    EXPECT_EQ(WritingClock::twoDigits(0), QStringLiteral("00"));
}
