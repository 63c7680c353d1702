#include "aids/agreement_opener.h"
#include "aids/agreement_text.h"
#include "aids/agreement_window.h"
#include "core/gbk_codec.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "support/test_context.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <typename T>
T *control(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class AgreementWindowTest : public ::testing::Test {
protected:
    Settings settings() { return Settings(test_.context().paths); }

    // The raw setting.ini, so the check does not go through the code under test's own reader.
    QByteArray settingFile() const
    {
        QFile file(test_.programFile(QStringLiteral("setting.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool fileRecordsTheAgreement() const
    {
        const QByteArray file = settingFile();
        return file.contains(GbkCodec::encode(u"[软件设置]"))
            && file.contains(GbkCodec::encode(u"新手1=真"));
    }

    TestContext test_;
};

// Clicks a button of the window that the modal loop is about to show, from inside that loop.
void clickOnceShown(const char *name)
{
    QTimer::singleShot(0, [name] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<AgreementWindow *>(widget);
            if (window && window->isVisible()) {
                QPushButton *button = window->findChild<QPushButton *>(QString::fromUtf8(name));
                ASSERT_NE(button, nullptr) << name;
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no agreement window is shown";
    });
}

}  // namespace

TEST_F(AgreementWindowTest, ShowsTheTextAndTwoButtonsAtTheirSizes)
{
    AgreementWindow window(settings());
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("许可协议"));
    EXPECT_EQ(window.size(), QSize(588, 377));

    auto *edit = control<QPlainTextEdit>(window, "编辑框2");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->size(), QSize(584, 311));
    EXPECT_LE(edit->y(), 2);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->toPlainText(), AgreementText::text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(edit->toPlainText().contains(QStringLiteral("以下是许可协议内容")));

    auto *accept = control<QPushButton>(window, "保存设置");
    auto *refuse = control<QPushButton>(window, "保存设置1");
    ASSERT_NE(accept, nullptr);
    ASSERT_NE(refuse, nullptr);
    EXPECT_EQ(accept->text(), QStringLiteral("我接受"));
    EXPECT_EQ(refuse->text(), QStringLiteral("拒绝"));
    EXPECT_LT(accept->geometry().right(), refuse->geometry().left()) << "我接受 stands left of 拒绝";
    EXPECT_GE(accept->y(), edit->geometry().bottom());
    EXPECT_TRUE(window.rect().contains(refuse->geometry()));
}

TEST_F(AgreementWindowTest, TheTextCanBeSelectedButNotChanged)
{
    AgreementWindow window(settings());
    window.show();
    auto *edit = control<QPlainTextEdit>(window, "编辑框2");
    ASSERT_NE(edit, nullptr);
    const QString before = edit->toPlainText();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->toPlainText(), before);

    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_TRUE(edit->textCursor().hasSelection());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->textCursor().selectedText().size(), before.size());
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->toPlainText(), before);
}

TEST_F(AgreementWindowTest, CreatingItRecordsTheAgreementBeforeItIsShown)
{
    ASSERT_FALSE(fileRecordsTheAgreement());
    AgreementWindow window(settings());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(fileRecordsTheAgreement());
    EXPECT_TRUE(settings().readFlag(SettingSection::software, SettingKey::agreementShown));
}

TEST_F(AgreementWindowTest, AcceptingClosesTheWindowWithoutRefusing)
{
    AgreementWindow window(settings());
    QSignalSpy refused(&window, &AgreementWindow::refused);
    window.show();
    QTest::mouseClick(window.acceptButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(refused.count(), 0);
    EXPECT_TRUE(fileRecordsTheAgreement());
}

TEST_F(AgreementWindowTest, ClosingTheFrameIsLikeAccepting)
{
    AgreementWindow window(settings());
    QSignalSpy refused(&window, &AgreementWindow::refused);
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_NE(window.result(), AgreementWindow::kRefusedResult);
    EXPECT_EQ(refused.count(), 0);
}

TEST_F(AgreementWindowTest, RefusingReportsItOnceAndTheAgreementStaysRecorded)
{
    AgreementWindow window(settings());
    QSignalSpy refused(&window, &AgreementWindow::refused);
    window.show();
    QTest::mouseClick(window.refuseButton, Qt::LeftButton);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), AgreementWindow::kRefusedResult);
    EXPECT_TRUE(fileRecordsTheAgreement());
}

TEST_F(AgreementWindowTest, StartUpWaitsForTheModalWindowAndLearnsOfARefusal)
{
    struct Case {
        const char *name;
        const char *button;
        bool refused;
    } cases[] = {
        {"accepted", "保存设置", false},
        {"refused", "保存设置1", true},
    };
    for (const Case &c : cases) {
        TestContext test;
        QWidget owner;
        AgreementOpener opener(Settings(test.context().paths), &owner);
        QSignalSpy refusedSpy(&opener, &AgreementOpener::refused);
        clickOnceShown(c.button);
        EXPECT_EQ(opener.showModal(), c.refused) << c.name;
        EXPECT_EQ(refusedSpy.count(), c.refused ? 1 : 0) << c.name;
        EXPECT_EQ(opener.openWindow(), nullptr) << c.name;
        EXPECT_TRUE(owner.findChildren<AgreementWindow *>().isEmpty()) << c.name;
        EXPECT_TRUE(Settings(test.context().paths).readFlag(SettingSection::software, SettingKey::agreementShown))
            << c.name;
    }
}

TEST_F(AgreementWindowTest, OpeningFromTheSettingsPageTwiceBringsBackTheSameWindow)
{
    QWidget owner;
    AgreementOpener opener(settings(), &owner);
    AgreementWindow *first = opener.showNonModal();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_TRUE(fileRecordsTheAgreement());

    first->showMinimized();
    AgreementWindow *second = opener.showNonModal();
    EXPECT_EQ(second, first);
    EXPECT_FALSE(second->isMinimized());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(owner.findChildren<AgreementWindow *>().size(), 1);
}

TEST_F(AgreementWindowTest, ANonModalWindowGoesAwayWhenClosedAndTheNextRequestOpensAFreshOne)
{
    QWidget owner;
    AgreementOpener opener(settings(), &owner);
    QSignalSpy refused(&opener, &AgreementOpener::refused);
    QPointer<AgreementWindow> first = opener.showNonModal();
    ASSERT_NE(first, nullptr);
    QTest::mouseClick(first->acceptButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(opener.openWindow(), nullptr);

    AgreementWindow *second = opener.showNonModal();
    ASSERT_NE(second, nullptr);
    QTest::mouseClick(second->refuseButton, Qt::LeftButton);
    EXPECT_EQ(refused.count(), 1);
}
