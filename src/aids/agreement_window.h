#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class Settings;

// The window "许可协议": the terms of use, read-only, with an accept and a refuse button.
// Creating it records in setting.ini that the writer has seen the terms, whether they then accept
// or refuse, so the start-up shows it only once.
class AgreementWindow : public QDialog {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("许可协议");
    static inline const QString kAccept = QStringLiteral("我接受");
    static inline const QString kRefuse = QStringLiteral("拒绝");
    static constexpr int kWidth = 588;
    static constexpr int kHeight = 377;
    // What exec() returns after "拒绝"; "我接受" gives Accepted, closing the frame Rejected.
    static constexpr int kRefusedResult = 2;

    explicit AgreementWindow(const Settings &settings, QWidget *parent = nullptr);

    QPlainTextEdit *textEdit;     // 编辑框2
    QPushButton *acceptButton;    // 保存设置
    QPushButton *refuseButton;    // 保存设置1

Q_SIGNALS:
    // The writer refused the terms: the program is to end. The window closes as well, so that a
    // modal caller gets control back whatever the receiver does.
    void refused();

private:
    void refuse();
};
