#include "aids/agreement_window.h"

#include "aids/agreement_text.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"

#include <QPlainTextEdit>
#include <QPushButton>

AgreementWindow::AgreementWindow(const Settings &settings, QWidget *parent)
    : QDialog(parent)
{
    // Written before anything is shown: a writer who refuses, or whose program is killed while
    // the window is up, has still seen the terms and is not asked again.
    settings.writeFlag(SettingSection::software, SettingKey::agreementShown, true);

    setWindowTitle(kCaption);
    setFixedSize(kWidth, kHeight);

    textEdit = new QPlainTextEdit(this);
    textEdit->setObjectName(QStringLiteral("编辑框2"));
    textEdit->setGeometry(2, 2, 584, 311);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textEdit->setReadOnly(true);
    // Read-only, yet the writer may still select and copy a passage with mouse or keyboard.
    textEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The edit box breaks lines at LF; the CR of each CR LF would show as a stray character.
    textEdit->setPlainText(AgreementText::text().replace(QLatin1String("\r\n"), QLatin1String("\n")));

    acceptButton = new QPushButton(kAccept, this);
    acceptButton->setObjectName(QStringLiteral("保存设置"));
    acceptButton->setGeometry(134, 328, 120, 34);
    refuseButton = new QPushButton(kRefuse, this);
    refuseButton->setObjectName(QStringLiteral("保存设置1"));
    refuseButton->setGeometry(334, 328, 120, 34);

    connect(acceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(refuseButton, &QPushButton::clicked, this, &AgreementWindow::refuse);
}

void AgreementWindow::refuse()
{
    Q_EMIT refused();
    done(kRefusedResult);
}
