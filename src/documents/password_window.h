#pragma once

#include "core/prompter.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The modal window "qmf密码输入" that asks for a .qmf document's password, for opening and for
// saving alike. It only collects the text; the caller turns it into the document key.
class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("qmf密码输入");
    static inline const QString kHeading = QStringLiteral("请输入Qmf文件密码");
    static inline const QString kExplanation =
        QStringLiteral("请输入文件密码，适用于打开和保存文件。\r\n打开文件时密码错误会产生乱码");
    static inline const QString kConfirm = QStringLiteral("确认");
    static inline const QString kWarning = QStringLiteral(
        "qmf不支持找回密码，设置密码请谨慎。推荐不设置密码\r\n使用qmf文件之前请保证阅读了qmf文件的许可协议");

    explicit PasswordWindow(const PasswordRequest &request, QWidget *parent = nullptr);

    // Shows the window modally; the confirmed password, or nothing when it was closed otherwise.
    static std::optional<QString> ask(const PasswordRequest &request, QWidget *parent);

    // Set once "确认" or Enter confirmed the edit box's text.
    const std::optional<QString> &confirmedPassword() const { return confirmed_; }

    QLabel *heading;        // 透明标签2
    QLabel *explanation;    // 透明标签1
    QLineEdit *passwordEdit;  // 编辑框1
    QPushButton *confirmButton;  // 信息2
    QLabel *warning;        // 透明标签3

private:
    void confirm();

    std::optional<QString> confirmed_;
};
