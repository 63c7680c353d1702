#include "aids/link_addresses.h"
#include "app/start_menu.h"
#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "platform/file_attributes.h"
#include "platform/termination_signals.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"
#include "app/app_harness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString &text)
{
    return GbkCodec::encode(text);
}

QString iniPath(TestContext &ctx)
{
    return ctx.programFile(QStringLiteral("setting.ini"));
}

QByteArray iniBytes(TestContext &ctx)
{
    return readWholeFile(iniPath(ctx)).value_or(QByteArray("<missing>"));
}

}  // namespace

TEST(StartUp, FirstRunCreatesTheSettingsWithTheDesignedDefaults)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();

    EXPECT_EQ(run.window().size(), QSize(1119, 838));
    const QByteArray ini = iniBytes(ctx);
    EXPECT_FALSE(ini.contains("\n") && !ini.contains("\r\n"));
    EXPECT_EQ(ini.count("\n"), ini.count("\r\n"));
    Settings settings(ctx.context().paths);
    struct Expected {
        QString section;
        QString key;
        QString value;
    } expected[] = {
        {QStringLiteral("文本设置"), QStringLiteral("背景颜色"), QStringLiteral("0")},
        {QStringLiteral("文本设置"), QStringLiteral("文本颜色"), QStringLiteral("0")},
        {QStringLiteral("软件设置"), QStringLiteral("自动保存"), QStringLiteral("真")},
        {QStringLiteral("软件设置"), QStringLiteral("显示统计"), QStringLiteral("假")},
        {QStringLiteral("软件设置"), QStringLiteral("总在最前"), QStringLiteral("假")},
        {QStringLiteral("软件设置"), QStringLiteral("积分系统00"), QStringLiteral("真")},
        {QStringLiteral("软件设置"), QStringLiteral("按钮类型"), QStringLiteral("0")},
        {QStringLiteral("软件设置"), QStringLiteral("小提示类型"), QStringLiteral("0")},
        {QStringLiteral("软件设置"), QStringLiteral("顶图类型"), QStringLiteral("0")},
        {QStringLiteral("软件设置"), QStringLiteral("高度"), QStringLiteral("838")},
        {QStringLiteral("软件设置"), QStringLiteral("宽度"), QStringLiteral("1119")},
        {QStringLiteral("软件设置"), QStringLiteral("最后一次登录"), QStringLiteral("20261211")},
    };
    for (const Expected &e : expected) {
        EXPECT_EQ(settings.readText(e.section, e.key), e.value) << e.key.toStdString();
        // Stored as GBK bytes, key and value alike.
        EXPECT_TRUE(ini.contains(gbk(e.key + QLatin1Char('=') + e.value + QStringLiteral("\r\n")))) << e.key.toStdString();
    }
    EXPECT_TRUE(ctx.prompter().records().empty());
}

TEST(StartUp, EveryWayOfClosingLeavesTheSettingsReadOnlyAndTheNextStartRestoresThem)
{
    enum class Close { ExitItem, CloseLabel, Sigterm };
    for (Close how : {Close::ExitItem, Close::CloseLabel, Close::Sigterm}) {
        TestContext ctx;
        {
            AppHarness run(ctx);
            run.start();
            run.window().resize(900, 700);
            SettingsPage *page = run.window().settingsPage;
            page->autoBackup->setChecked(false);
            page->alwaysOnTop->setChecked(true);
            page->showStatistics->setChecked(true);
            page->pointsSystem->setChecked(false);
            page->largeFont->setChecked(true);
            page->tipKind->setCurrentIndex(1);
            page->textColour->setCurrentIndex(1);
            page->topPicture->setCurrentIndex(2);
            page->buttonStyle->setCurrentIndex(3);
            page->colour->setColour(0x123456);
            clickBox(page->hideStatusBar);
            QTest::mouseClick(page->confirmButton, Qt::LeftButton);

            TerminationSignals signals;
            QObject::connect(&signals, &TerminationSignals::received, run.app.get(), &Application::requestExit);
            switch (how) {
            case Close::ExitItem: run.window().startMenu->exit->trigger(); break;
            case Close::CloseLabel: QTest::mousePress(run.find(QStringLiteral("关闭按钮")), Qt::LeftButton); break;
            case Close::Sigterm:
                std::raise(SIGTERM);
                QTRY_VERIFY_WITH_TIMEOUT(run.exitCode.has_value(), 5000);
                break;
            }
            ASSERT_EQ(run.exitCode, 0);
            EXPECT_TRUE(isMarkedReadOnly(iniPath(ctx)));
        }
        AppHarness next(ctx);
        next.start();
        EXPECT_FALSE(isMarkedReadOnly(iniPath(ctx)));
        EXPECT_EQ(next.window().size(), QSize(900, 700));
        SettingsPage *page = next.window().settingsPage;
        EXPECT_FALSE(page->autoBackup->isChecked());
        EXPECT_TRUE(page->alwaysOnTop->isChecked());
        EXPECT_TRUE(page->showStatistics->isChecked());
        EXPECT_FALSE(page->pointsSystem->isChecked());
        EXPECT_FALSE(page->largeFont->isChecked());
        EXPECT_FALSE(next.window().startMenu->largeFont->isChecked());
        EXPECT_TRUE(page->hideStatusBar->isChecked());
        EXPECT_FALSE(next.window().statusBar->isVisible());
        EXPECT_EQ(page->tipKind->currentIndex(), 1);
        EXPECT_EQ(page->textColour->currentIndex(), 1);
        EXPECT_EQ(page->topPicture->currentIndex(), 2);
        EXPECT_EQ(page->buttonStyle->currentIndex(), 3);
        EXPECT_EQ(page->colour->colour(), 0x123456u);
        EXPECT_TRUE(next.window().windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(next.app->wordCountWindow().isVisible());
        EXPECT_FALSE(page->tabs->isTabVisible(SettingsPage::PointsTab));
    }
}

TEST(StartUp, BadSettingsFilesStartWithDefaultsAndStayUsable)
{
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage += char((i * 131 + 7) % 256);
    const QByteArray softwareSection = gbk(QStringLiteral("[软件设置]"));
    struct Case {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"binary garbage", garbage},
        {"no sections", gbk(QStringLiteral("高度=600\r\n宽度=700\r\n"))},
        {"LF line ends", softwareSection + "\n" + gbk(QStringLiteral("高度=600\n宽度=700\n"))},
        {"1 MB line", softwareSection + "\r\n" + gbk(QStringLiteral("状态栏=")) + QByteArray(1 << 20, 'x') + "\r\n"},
        {"duplicate keys", softwareSection + "\r\n" + gbk(QStringLiteral("高度=600\r\n高度=300\r\n宽度=700\r\n"))},
        {"sizes below the minimum", softwareSection + "\r\n" + gbk(QStringLiteral("高度=-5\r\n宽度=abc\r\n"))},
    };
    for (const Case &c : cases) {
        TestContext ctx;
        ASSERT_TRUE(writeFileAtomically(iniPath(ctx), c.bytes).ok);
        AppHarness run(ctx);
        run.start();
        EXPECT_GE(run.window().width(), 400) << c.name;
        EXPECT_GE(run.window().height(), 400) << c.name;
        if (QByteArray(c.name) == "LF line ends" || QByteArray(c.name) == "duplicate keys") {
            EXPECT_EQ(run.window().size(), QSize(700, 600)) << c.name;
        }
        // A value written is read back.
        clickBox(run.window().settingsPage->hideStatusBar);
        EXPECT_EQ(run.app->settings().readText(QStringLiteral("软件设置"), QStringLiteral("状态栏")),
                  QStringLiteral("隐藏")) << c.name;
        run.app->requestExit();
        EXPECT_EQ(run.exitCode, 0) << c.name;
    }
}

TEST(StartUp, AnUnwritableProgramFolderLosesTheSettingsButNothingElse)
{
    TestContext ctx;
    // A regular file where the folder should be: nothing can be created inside it.
    const QString blocker = ctx.programFile(QStringLiteral("blocked"));
    ASSERT_TRUE(writeFileAtomically(blocker, "x").ok);
    ctx.context().paths.programDir = blocker;
    AppHarness run(ctx);
    run.start();
    EXPECT_EQ(run.window().size(), QSize(1119, 838));
    QTest::mouseClick(run.window().startButton, Qt::LeftButton);
    EXPECT_TRUE(run.window().editor->isEnabled());
    // Closing while writing a new document offers the save dialog; the writer cancels it.
    ctx.prompter().script(ScriptedPrompter::Cancelled{});
    run.app->requestExit();
    EXPECT_TRUE(ctx.prompter().scriptDone());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(readWholeFile(blocker), QByteArray("x"));
}

TEST(StartUp, ASettingsFileThatCannotBeReadOrWrittenGivesTheDefaults)
{
    TestContext ctx;
    // A folder where the file should be: it exists, yet no read or write of it succeeds.
    ASSERT_TRUE(QDir(ctx.programDir()).mkdir(QStringLiteral("setting.ini")));
    AppHarness run(ctx);
    run.start();
    EXPECT_EQ(run.window().size(), QSize(400, 400));
    EXPECT_FALSE(run.window().settingsPage->autoBackup->isChecked());
    clickBox(run.window().settingsPage->hideStatusBar);
    EXPECT_FALSE(run.window().statusBar->isVisible());
    QTest::mouseClick(run.window().startButton, Qt::LeftButton);
    EXPECT_TRUE(run.window().editor->isEnabled());
    ctx.prompter().script(ScriptedPrompter::Cancelled{});
    run.app->requestExit();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QFileInfo(iniPath(ctx)).isDir());
}

TEST(StartUp, AFileNamedOnTheCommandLineOpensInWritingMode)
{
    TestContext ctx;
    const QString chapter = ctx.programFile(QStringLiteral("第一章.初稿.txt"));
    ASSERT_TRUE(writeFileAtomically(chapter, gbk(QStringLiteral("风起。\r\n云涌。"))).ok);
    struct Case {
        QString path;
        QString title;  // empty: a generated temporary title
        QString text;
    } cases[] = {
        {chapter, QStringLiteral("第一章"), QStringLiteral("风起。\n云涌。")},
        {ctx.programFile(QStringLiteral("missing.txt")), QStringLiteral("missing"), QString()},
        {ctx.programFile(QStringLiteral("notes")), QString(), QString()},
    };
    for (const Case &c : cases) {
        AppHarness run(ctx, c.path);
        run.start();
        const QString title = run.window().titleField->text();
        if (c.title.isEmpty())
            EXPECT_TRUE(title.startsWith(QStringLiteral("临时文本： 产生于2026年12月11日9时5分7秒"))) << title.toStdString();
        else
            EXPECT_EQ(title, c.title);
        EXPECT_FALSE(run.window().titleField->isEnabled());
        EXPECT_EQ(run.window().editor->toPlainText(), c.text);
        EXPECT_TRUE(run.app->state().documentOpened);
        EXPECT_EQ(run.app->state().openedFilePath, c.path);
    }
}

TEST(StartUp, TheAgreementComesOnceOnTheFirstStartBeforeTheCommandLineFile)
{
    TestContext ctx;
    const QString chapter = ctx.programFile(QStringLiteral("章.txt"));
    ASSERT_TRUE(writeFileAtomically(chapter, gbk(QStringLiteral("正文"))).ok);
    {
        AppHarness run(ctx, chapter);
        run.start();
        EXPECT_EQ(run.agreementsShown, 1);
        EXPECT_FALSE(run.agreementEditorText.contains(QStringLiteral("正文")));
        EXPECT_EQ(run.window().editor->toPlainText(), QStringLiteral("正文"));
        EXPECT_TRUE(run.app->settings().readFlag(QStringLiteral("软件设置"), QStringLiteral("新手1")));
    }
    AppHarness again(ctx);
    again.start();
    EXPECT_EQ(again.agreementsShown, 0);
}

TEST(StartUp, RefusingTheAgreementEndsTheProgramThroughTheShutDown)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.refuseAgreement = true;
    run.app->startUp();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.app->hasFinished());
    EXPECT_TRUE(isMarkedReadOnly(iniPath(ctx)));
    EXPECT_TRUE(run.app->settings().readFlag(QStringLiteral("软件设置"), QStringLiteral("新手1")));
    EXPECT_TRUE(run.hotkeys.keys.isEmpty());
}

TEST(StartUp, LinkButtonsHandTheirAddressesToTheDesktop)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    run.app->settingsController().showSettingsPage(SettingsPage::SupportTab);
    auto *help = run.find<QPushButton>(QStringLiteral("使用帮助按钮"));
    QTest::mouseClick(help, Qt::LeftButton);
    auto *mail = run.find<QPushButton>(QStringLiteral("超级链接框1"));
    QTest::mouseClick(mail, Qt::LeftButton);
    ASSERT_EQ(run.openedUrls.size(), 2);
    EXPECT_EQ(run.openedUrls.at(0), LinkAddresses::addressOf(u"使用帮助按钮"));
    EXPECT_TRUE(run.openedUrls.at(0).isValid());
    EXPECT_EQ(run.openedUrls.at(1).scheme(), QStringLiteral("mailto"));
}

TEST(StartUp, RegistersBothHotkeysAndAnswersThem)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    ASSERT_EQ(run.hotkeys.keys, (QList<int>{Qt::Key_F8, Qt::Key_F12}));
    SettingsPage *page = run.window().settingsPage;
    page->tabs->setCurrentIndex(SettingsPage::SupportTab);
    run.hotkeys.press(run.app->state().settingsHotkeyId);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->tabs->currentIndex(), int(SettingsPage::SupportTab));
    run.hotkeys.press(run.app->state().clearHotkeyId);
    EXPECT_EQ(ctx.prompter().texts(), QStringList{QStringLiteral("还没有开始书写")});
}

TEST(Layout, PlacesTheFrameForEverySizeAndStoresIt)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    MainWindow &w = run.window();
    EXPECT_EQ(w.titleField->width(), 864);
    EXPECT_EQ(w.startButton->x(), 971);
    EXPECT_EQ(w.recordButton->x(), 1062);
    EXPECT_EQ(w.closeLabel->x(), 1094);
    EXPECT_EQ(w.minimiseLabel->x(), 1070);
    EXPECT_EQ(w.titleBar->width(), 1031);
    EXPECT_EQ(w.settingsPage->pos(), QPoint(263, 235));

    w.resize(1500, 900);
    EXPECT_EQ(w.closeLabel->x(), 1475);
    EXPECT_EQ(w.minimiseLabel->x(), 1451);
    EXPECT_EQ(w.handle(QStringLiteral("右上调节器"))->x(), 1492);
    EXPECT_EQ(w.settingsPage->pos(), QPoint(1500 / 2 - 592 / 2, 900 / 2 - 368 / 2));
    EXPECT_LT(w.handle(QStringLiteral("上调节器"))->geometry().bottom(), 0);

    const int shownHeight = w.editor->height();
    clickBox(w.settingsPage->hideStatusBar);
    EXPECT_EQ(w.editor->height(), shownHeight + 20);

    w.resize(300, 300);
    EXPECT_EQ(w.size(), QSize(400, 400));
    EXPECT_EQ(run.app->settings().readNumber(QStringLiteral("软件设置"), QStringLiteral("高度")), 400);
    EXPECT_EQ(run.app->settings().readNumber(QStringLiteral("软件设置"), QStringLiteral("宽度")), 400);
}

TEST(StartUp, TheConfirmShowsATipOfTheChosenKindAndTheDiaryKeepsItsOwn)
{
    TestContext ctx;
    AppHarness run(ctx);
    run.start();
    QLabel *tip = run.window().statusFields[2];
    EXPECT_EQ(tip->text(),
              QStringLiteral("小提示：1、中国位于亚洲东部、太平洋西岸，它的版图被形象地比作一只头朝东尾朝西的金鸡，地势西高东低。"));
    SettingsPage *page = run.window().settingsPage;
    page->tipKind->setCurrentIndex(2);
    QTest::mouseClick(page->confirmButton, Qt::LeftButton);
    EXPECT_TRUE(tip->text().startsWith(QStringLiteral("本软件由")));
    EXPECT_TRUE(tip->text().endsWith(QStringLiteral("与Corvane共同打造")));

    run.window().startMenu->newDiary->trigger();
    EXPECT_EQ(tip->text(), QStringLiteral("日记模式"));
    EXPECT_FALSE(run.window().tipTimer->isActive());
}
