#include "app/app_harness.h"
#include "documents/password_window.h"
#include "platform/colour_value.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const PasswordRequest kRequest{QStringLiteral("旧密码"), 0x0080FF, 0x123456};

template <typename T>
T *control(PasswordWindow &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString lineBreaksShown(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TEST(PasswordWindow, ShowsItsFiveControlsInTheMainWindowsColours)
{
    PasswordWindow window(kRequest);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("qmf密码输入"));
    EXPECT_TRUE(window.isModal());
    struct Label {
        const char *name;
        QString text;
    } labels[] = {
        {"透明标签2", QStringLiteral("请输入Qmf文件密码")},
        {"透明标签1", QStringLiteral("请输入文件密码，适用于打开和保存文件。\n打开文件时密码错误会产生乱码")},
        {"透明标签3", QStringLiteral("qmf不支持找回密码，设置密码请谨慎。推荐不设置密码\n"
                                 "使用qmf文件之前请保证阅读了qmf文件的许可协议")},
    };
    for (const Label &l : labels) {
        QLabel *label = control<QLabel>(window, l.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), l.text) << l.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colourFromValue(0x123456)) << l.name;
    }
    EXPECT_EQ(lineBreaksShown(PasswordWindow::kExplanation), labels[1].text);
    EXPECT_EQ(control<QPushButton>(window, "信息2")->text(), QStringLiteral("确认"));
    EXPECT_EQ(window.palette().color(QPalette::Window), colourFromValue(0x0080FF));
    QLineEdit *edit = control<QLineEdit>(window, "编辑框1");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("旧密码"));
    EXPECT_EQ(window.focusWidget(), edit);
}

TEST(PasswordWindow, ConfirmsWithEnterOrTheButtonAndKeepsNothingWhenClosed)
{
    enum class Leave { Enter, Button, Escape, Close };
    struct Case {
        const char *name;
        Leave leave;
        std::optional<QString> confirmed;
    } cases[] = {
        {"Enter", Leave::Enter, QStringLiteral("新密码")},
        {"button", Leave::Button, QStringLiteral("新密码")},
        {"Escape", Leave::Escape, std::nullopt},
        {"closed", Leave::Close, std::nullopt},
    };
    for (const Case &c : cases) {
        PasswordWindow window(kRequest);
        window.show();
        QLineEdit *edit = control<QLineEdit>(window, "编辑框1");
        ASSERT_NE(edit, nullptr);
        edit->clear();
        typeText(edit, QStringLiteral("新密码"));
        switch (c.leave) {
        case Leave::Enter: QTest::keyClick(edit, Qt::Key_Return); break;
        case Leave::Button: QTest::mouseClick(control<QPushButton>(window, "信息2"), Qt::LeftButton); break;
        case Leave::Escape: QTest::keyClick(edit, Qt::Key_Escape); break;
        case Leave::Close: window.close(); break;
        }
        EXPECT_FALSE(window.isVisible()) << c.name;
        EXPECT_EQ(window.confirmedPassword(), c.confirmed) << c.name;
        EXPECT_EQ(window.result(), c.confirmed ? QDialog::Accepted : QDialog::Rejected) << c.name;
    }
}

TEST(PasswordWindow, AskWaitsForTheWindowAndReturnsWhatWasConfirmed)
{
    struct Case {
        const char *name;
        bool confirm;
        std::optional<QString> expected;
    } cases[] = {
        {"confirmed as prefilled", true, QStringLiteral("旧密码")},
        {"closed", false, std::nullopt},
    };
    for (const Case &c : cases) {
        // The modal loop runs until the window closes; answer it from inside that loop.
        QTimer::singleShot(0, [confirm = c.confirm] {
            auto *window = qobject_cast<PasswordWindow *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            if (confirm)
                QTest::keyClick(window->passwordEdit, Qt::Key_Enter);
            else
                window->reject();
        });
        EXPECT_EQ(PasswordWindow::ask(kRequest, nullptr), c.expected) << c.name;
    }
}
