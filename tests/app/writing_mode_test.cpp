#include "app/app_harness.h"
#include "app/start_menu.h"
#include "core/day_stamp.h"
#include "documents/writing_mode.h"
#include "platform/colour_value.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kTemporaryTitle = QStringLiteral("临时文本： 产生于2026年12月11日9时5分7秒    by：Penmoor");

class WritingModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.start();
        ctx.prompter().clear();
    }

    MainWindow &w() { return run.window(); }
    StartMenu &menu() { return *run.window().startMenu; }

    // The four controls that make up writing mode, checked together.
    void expectWriting(bool writing)
    {
        EXPECT_EQ(w().titleField->isEnabled(), !writing);
        EXPECT_EQ(w().editor->isEnabled(), writing);
        EXPECT_EQ(w().startButton->text(), writing ? QStringLiteral("立刻保存") : QStringLiteral("开始书写"));
        EXPECT_EQ(menu().newDiary->isEnabled(), !writing);
        EXPECT_EQ(menu().openFile->isEnabled(), !writing);
    }

    void clearBothConfirmed()
    {
        ctx.prompter().script(PromptAnswer::Ok);
        ctx.prompter().script(PromptAnswer::Ok);
        menu().clearEditing->trigger();
    }

    TestContext ctx;
    AppHarness run{ctx};
};

}  // namespace

TEST_F(WritingModeTest, StartsIdleWithTheLockedWelcomeText)
{
    expectWriting(false);
    EXPECT_TRUE(w().editor->toPlainText().contains(QStringLiteral("将文件拖入本软件中可以快速打开\n") + QString(30, QLatin1Char(' '))));
    EXPECT_TRUE(w().editor->toPlainText().endsWith(QStringLiteral("Penmoor，你的原创写作助手\n")));
    EXPECT_EQ(w().startButton->toolTip(), QStringLiteral("点击这个按钮可以开始书写和停止书写。"));
}

TEST_F(WritingModeTest, StartButtonWithAnEmptyTitleWritesATemporaryTitleLine)
{
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    expectWriting(true);
    EXPECT_EQ(w().titleField->text(), kTemporaryTitle);
    EXPECT_EQ(w().editor->toPlainText(), kTemporaryTitle + QLatin1Char('\n'));
    EXPECT_EQ(w().editor->textCursor().position(), w().editor->toPlainText().size());
    EXPECT_TRUE(w().editor->hasFocus());
}

TEST_F(WritingModeTest, EnterInTheTitleFieldStartsWritingUnderTheTypedTitle)
{
    w().titleField->setFocus();
    typeText(w().titleField, QStringLiteral("第三章 夜雨"));
    QTest::keyClick(w().titleField, Qt::Key_Return, Qt::ShiftModifier);
    expectWriting(true);
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("第三章 夜雨\n"));
    EXPECT_TRUE(w().editor->hasFocus());
    typeText(w().editor, QStringLiteral("雨声"));
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("第三章 夜雨\n雨声"));
}

TEST_F(WritingModeTest, StoppingWritingRunsTheSaveFlowAndResetsTheHint)
{
    int saves = 0;
    run.app->writingMode().saveDocument = [&] { ++saves; };
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    w().hintLabel->setText(QStringLiteral("日记时间："));
    QTest::mouseClick(w().startButton, Qt::LeftButton);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(w().hintLabel->text(), QStringLiteral("标题/题目："));
}

TEST_F(WritingModeTest, NewTemporaryTextOverwritesATypedTitleButNotWhileWriting)
{
    w().titleField->setText(QStringLiteral("我打的标题"));
    w().hintLabel->setText(QStringLiteral("日记时间："));
    menu().newTemporaryText->trigger();
    expectWriting(true);
    EXPECT_EQ(w().titleField->text(), kTemporaryTitle);
    EXPECT_EQ(w().hintLabel->text(), QStringLiteral("标题/题目："));
    EXPECT_EQ(w().editor->toPlainText(), kTemporaryTitle + QLatin1Char('\n'));

    menu().newTemporaryText->trigger();
    ASSERT_EQ(ctx.prompter().records().size(), 1u);
    EXPECT_EQ(ctx.prompter().last().caption, QStringLiteral("Penmoor"));
    EXPECT_EQ(ctx.prompter().last().text, QStringLiteral("当前正在编辑文档呢，您可以保存或清空当前编辑来创建临时文本"));
    EXPECT_EQ(w().editor->toPlainText(), kTemporaryTitle + QLatin1Char('\n'));
}

TEST_F(WritingModeTest, NewDiaryNeedsAnEmptyTitle)
{
    w().titleField->setText(QStringLiteral("草稿"));
    menu().newDiary->trigger();
    EXPECT_EQ(ctx.prompter().texts(), QStringList{QStringLiteral("请清空章节名称直接点击写日记")});
    expectWriting(false);
    EXPECT_TRUE(w().settingsPage->colour->isEnabled());
}

TEST(WritingModeDiary, ADiaryCarriesItsWeekdayAndItsOwnLookUntilCleared)
{
    struct Case {
        QDateTime now;
        QString title;
    } cases[] = {
        {fixedDateTime(2026, 12, 13), QStringLiteral("2026年12月13日星期1     by：Penmoor日记")},
        {fixedDateTime(2026, 12, 12), QStringLiteral("2026年12月12日星期7     by：Penmoor日记")},
    };
    for (const Case &c : cases) {
        TestContext ctx(c.now);
        AppHarness run(ctx);
        run.start();
        MainWindow &w = run.window();
        w.settingsPage->colour->setColour(0x336699);
        QTest::mouseClick(w.settingsPage->confirmButton, Qt::LeftButton);
        ctx.prompter().clear();

        w.startMenu->newDiary->trigger();
        EXPECT_EQ(w.titleField->text(), c.title);
        EXPECT_EQ(w.editor->toPlainText(), c.title + QLatin1Char('\n'));
        EXPECT_EQ(w.hintLabel->text(), QStringLiteral("日记时间："));
        EXPECT_FALSE(w.settingsPage->colour->isEnabled());
        EXPECT_EQ(w.palette().color(QPalette::Window), colourFromValue(0x0080FF));
        EXPECT_EQ(w.editor->palette().color(QPalette::Base), colourFromValue(0x0080FF));
        EXPECT_EQ(w.editor->palette().color(QPalette::Text), QColor(Qt::white));
        EXPECT_FALSE(w.tipTimer->isActive());
        EXPECT_EQ(w.statusFields[2]->text(), QStringLiteral("日记模式"));
        ASSERT_EQ(ctx.prompter().texts().size(), 1);
        EXPECT_EQ(ctx.prompter().texts().first(),
                  QStringLiteral("您已经进入了专属的写日记模式，在写日记模式中，您拥有以下功能：\r\n①靓丽的背景颜色（不能更换）\r\n"
                                 "②标题提示等各个地方优化\r\n③关闭可能会打扰到你的小提示和推荐"));

        ctx.prompter().script(PromptAnswer::Ok);
        ctx.prompter().script(PromptAnswer::Ok);
        w.startMenu->clearEditing->trigger();
        EXPECT_TRUE(w.settingsPage->colour->isEnabled());
        EXPECT_EQ(w.settingsPage->colour->colour(), 0x336699u);
        EXPECT_EQ(w.palette().color(QPalette::Window), colourFromValue(0x336699));
        EXPECT_EQ(w.editor->palette().color(QPalette::Base), colourFromValue(0x336699));
        EXPECT_TRUE(w.tipTimer->isActive());
        EXPECT_EQ(w.tipTimer->interval(), 7500);
        EXPECT_EQ(run.app->settings().read(QStringLiteral("日记"), QStringLiteral("最后一次日记")),
                  dayStamp(c.now.date()));
        EXPECT_EQ(w.hintLabel->text(), QStringLiteral("日记时间："));
        EXPECT_EQ(w.editor->toPlainText(), QStringLiteral("感谢您的使用"));
        EXPECT_FALSE(w.editor->isEnabled());
        EXPECT_TRUE(w.titleField->text().isEmpty());
        EXPECT_TRUE(w.titleField->isEnabled());
    }
}

TEST_F(WritingModeTest, ClearingAsksTwiceAndEitherCancelKeepsEverything)
{
    menu().clearEditing->trigger();
    EXPECT_EQ(ctx.prompter().texts(), QStringList{QStringLiteral("还没有开始书写")});

    QTest::mouseClick(w().startButton, Qt::LeftButton);
    w().editor->moveCursor(QTextCursor::End);
    typeText(w().editor, QStringLiteral("正文"));
    const QString text = w().editor->toPlainText();
    for (int cancelAt : {1, 2}) {
        ctx.prompter().clear();
        ctx.prompter().script(cancelAt == 1 ? PromptAnswer::Cancel : PromptAnswer::Ok);
        if (cancelAt == 2)
            ctx.prompter().script(PromptAnswer::Cancel);
        menu().clearEditing->trigger();
        EXPECT_EQ(ctx.prompter().records().size(), size_t(cancelAt));
        EXPECT_EQ(ctx.prompter().records().front().text,
                  QStringLiteral("警告！该操作将会删除所有内容！清空当前软件编辑，但是不影响原文件"));
        EXPECT_EQ(ctx.prompter().records().front().buttons, PromptButtons::OkCancel);
        if (cancelAt == 2) {
            EXPECT_EQ(ctx.prompter().last().text, QStringLiteral("警告！您真的接受初始化软件的一切后果么？"));
        }
        EXPECT_EQ(w().editor->toPlainText(), text);
        expectWriting(true);
    }

    run.app->state().openedFilePath = QStringLiteral("/somewhere/a.txt");
    run.app->state().documentOpened = true;
    run.app->state().documentPassword = "pw";
    clearBothConfirmed();
    expectWriting(false);
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("感谢您的使用"));
    EXPECT_TRUE(w().titleField->text().isEmpty());
    EXPECT_TRUE(run.app->state().openedFilePath.isEmpty());
    EXPECT_FALSE(run.app->state().documentOpened);
    EXPECT_TRUE(run.app->state().documentPassword.isEmpty());
}
