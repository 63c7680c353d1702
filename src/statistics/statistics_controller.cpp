#include "statistics/statistics_controller.h"

#include "app/main_window.h"
#include "core/app_context.h"
#include "core/session_state.h"
#include "documents/editor_text.h"
#include "documents/writing_mode.h"
#include "settings/settings_page.h"
#include "statistics/word_count_window.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

StatisticsController::StatisticsController(AppContext &context, SessionState &state, MainWindow &window,
                                           WordCountWindow &wordCount, WritingMode &writing)
    : openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
    , state_(state)
    , window_(window)
    , wordCount_(wordCount)
    , writing_(writing)
    , handler_(context.paths, context.clock)
{
    connect(window_.editor, &QPlainTextEdit::textChanged, this, &StatisticsController::updateStatistics);
    connect(window_.settingsPage->recoveryButton, &QPushButton::clicked, this, &StatisticsController::openBackupFolder);
}

void StatisticsController::updateStatistics()
{
    TextChange change;
    change.editorText = editorText(*window_.editor);
    change.title = window_.titleField->text();
    change.pointsTotal = state_.pointsTotal;
    change.autoBackup = window_.settingsPage->autoBackup->isChecked();
    change.farewellText = writing_.showingFarewell();
    change.documentOpened = state_.documentOpened;
    const TextChangeOutcome outcome = handler_.handle(change);
    window_.statusFields[0]->setText(outcome.statusText);
    QString windowText = outcome.windowText;
    windowText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    wordCount_.counts->setPlainText(windowText);
}

void StatisticsController::openBackupFolder()
{
    BackupCopy &backup = handler_.backup();
    backup.ensureBackupFolder();
    openUrl(QUrl::fromLocalFile(backup.backupFolderPath()));
}
