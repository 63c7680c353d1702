#include "app/app_harness.h"
#include "app/start_menu.h"
#include "documents/time_stamp.h"
#include "settings/settings_page.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kStamp = QStringLiteral("2026年12月11日 9：5：7");

class EditorKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.start();
        ctx.prompter().clear();
        w().titleField->setText(QStringLiteral("章"));
        QTest::mouseClick(w().startButton, Qt::LeftButton);
        w().editor->moveCursor(QTextCursor::End);
        typeText(w().editor, QStringLiteral("风雨"));
    }
    MainWindow &w() { return run.window(); }

    TestContext ctx;
    AppHarness run{ctx};
};

}  // namespace

TEST(TimeStamp, HasNoLeadingZerosAndFullWidthColons)
{
    EXPECT_EQ(timeStampText(QDateTime(QDate(2015, 10, 4), QTime(9, 5, 30))), QStringLiteral("2015年10月4日 9：5：30"));
}

TEST_F(EditorKeysTest, F5PutsTheTimeInBeforeTheSelectionAndTheCaretAfterIt)
{
    QTest::keyClick(w().editor, Qt::Key_F5);
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("章\n风雨") + kStamp);
    EXPECT_EQ(w().editor->textCursor().position(), w().editor->toPlainText().size());

    QTextCursor select = w().editor->textCursor();
    select.setPosition(2);
    select.setPosition(4, QTextCursor::KeepAnchor);  // 风雨
    w().editor->setTextCursor(select);
    QTest::keyClick(w().editor, Qt::Key_F5);
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("章\n") + kStamp + QStringLiteral("风雨") + kStamp);
    EXPECT_EQ(w().editor->textCursor().position(), 2 + kStamp.size());
}

TEST_F(EditorKeysTest, TheMenuItemNeedsWritingMode)
{
    w().startMenu->insertTime->trigger();
    EXPECT_TRUE(w().editor->toPlainText().endsWith(kStamp));
    ctx.prompter().script(PromptAnswer::Ok);
    ctx.prompter().script(PromptAnswer::Ok);
    QTest::keyClick(w().editor, Qt::Key_F12);
    EXPECT_FALSE(w().editor->isEnabled());
    ctx.prompter().clear();
    w().startMenu->insertTime->trigger();
    EXPECT_EQ(ctx.prompter().texts(), QStringList{QStringLiteral("这是一键添加当前时间按钮。请开始书写之后使用本按钮")});
    EXPECT_EQ(w().editor->toPlainText(), QStringLiteral("感谢您的使用"));
}

TEST_F(EditorKeysTest, CtrlASelectsAllF1ShowsSupportAndF2TogglesTheLargeFont)
{
    QTest::keyClick(w().editor, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(w().editor->textCursor().hasSelection());
    QTest::keyClick(w().editor, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w().editor->textCursor().selectedText(), QStringLiteral("章") + QChar::ParagraphSeparator + QStringLiteral("风雨"));

    QTest::keyClick(w().editor, Qt::Key_F1);
    EXPECT_TRUE(w().settingsPage->isVisible());
    EXPECT_EQ(w().settingsPage->tabs->currentIndex(), int(SettingsPage::SupportTab));

    QTest::keyClick(w().editor, Qt::Key_F2);
    EXPECT_EQ(w().editor->font().pointSize(), 25);
    EXPECT_TRUE(w().settingsPage->largeFont->isChecked());
    EXPECT_TRUE(w().startMenu->largeFont->isChecked());
    EXPECT_TRUE(run.app->settings().readFlag(QStringLiteral("软件设置"), QStringLiteral("新手2")));
    QTest::keyClick(w().editor, Qt::Key_F2);
    EXPECT_EQ(w().editor->font().pointSize(), 16);
    EXPECT_FALSE(w().startMenu->largeFont->isChecked());
}
