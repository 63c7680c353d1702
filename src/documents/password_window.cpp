#include "documents/password_window.h"

#include "platform/colour_value.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The texts keep the CR LF they are written with; a label breaks the line at LF alone.
QString shownText(const QString &text)
{
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry, quint32 colour)
{
    auto *label = new QLabel(shownText(text), parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourFromValue(colour));
    label->setPalette(palette);
    return label;
}

}  // namespace

PasswordWindow::PasswordWindow(const PasswordRequest &request, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(kCaption);
    setModal(true);
    setFixedSize(400, 210);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromValue(request.backgroundColour));
    setPalette(palette);
    setAutoFillBackground(true);

    heading = makeLabel(this, QStringLiteral("透明标签2"), kHeading, QRect(16, 10, 368, 24), request.labelColour);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    explanation = makeLabel(this, QStringLiteral("透明标签1"), kExplanation, QRect(16, 40, 368, 44), request.labelColour);

    passwordEdit = new QLineEdit(request.password, this);
    passwordEdit->setObjectName(QStringLiteral("编辑框1"));
    passwordEdit->setGeometry(16, 92, 280, 28);

    confirmButton = new QPushButton(kConfirm, this);
    confirmButton->setObjectName(QStringLiteral("信息2"));
    confirmButton->setGeometry(306, 92, 78, 28);
    // Enter is handled by the edit box itself; a default button would confirm a second time.
    confirmButton->setAutoDefault(false);

    warning = makeLabel(this, QStringLiteral("透明标签3"), kWarning, QRect(16, 134, 368, 60), request.labelColour);
    warning->setWordWrap(true);

    connect(confirmButton, &QPushButton::clicked, this, &PasswordWindow::confirm);
    connect(passwordEdit, &QLineEdit::returnPressed, this, &PasswordWindow::confirm);

    passwordEdit->selectAll();
    passwordEdit->setFocus();
}

void PasswordWindow::confirm()
{
    confirmed_ = passwordEdit->text();
    accept();
}

std::optional<QString> PasswordWindow::ask(const PasswordRequest &request, QWidget *parent)
{
    PasswordWindow window(request, parent);
    window.exec();
    return window.confirmedPassword();
}
