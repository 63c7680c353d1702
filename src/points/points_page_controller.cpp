#include "points/points_page_controller.h"

#include "app/main_window.h"
#include "core/app_context.h"
#include "core/prompter.h"
#include "core/session_state.h"
#include "platform/colour_value.h"
#include "points/feature_gate.h"
#include "settings/settings_page.h"

#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

PointsPageController::PointsPageController(AppContext &context, SessionState &state, MainWindow &window)
    : openUrl([](const QUrl &url) { QDesktopServices::openUrl(url); })
    , context_(context)
    , state_(state)
    , window_(window)
    , ledger_(context.paths)
    , board_(context.paths, context.clock)
{
    SettingsPage *page = window_.settingsPage;
    connect(page->refreshTasksButton, &QPushButton::clicked, this, &PointsPageController::refreshTaskBoard);
    connect(page->titleHelpButton, &QPushButton::clicked, this, [this] { openUrl(kTitleHelpPage); });
}

void PointsPageController::loadPointsTotal()
{
    state_.pointsTotal = ledger_.loadPointsTotal();
    window_.settingsPage->pointsLabel->setText(PointsLedger::pointsLabelText(state_.pointsTotal));
}

void PointsPageController::refreshTaskBoard()
{
    SettingsPage *page = window_.settingsPage;
    page->taskList->clear();
    const TaskBoardView view = board_.refreshTaskBoard(state_.pointsTotal);
    page->taskList->addItems(view.rows);
    if (!view.pointsLabels.isEmpty())
        page->pointsLabel->setText(view.pointsLabels.last());
    if (view.title)
        page->titleLabel->setText(*view.title);
    if (view.titleColour) {
        QPalette palette = page->titleLabel->palette();
        palette.setColor(QPalette::WindowText, colourFromValue(*view.titleColour));
        page->titleLabel->setPalette(palette);
    }
}

bool PointsPageController::passesGate(std::optional<GatedFeature> feature)
{
    if (!feature)
        return true;
    const GateCheck check = checkGate(*feature, state_.pointsTotal);
    if (check.allowed)
        return true;
    if (check.messageBox)
        context_.prompter.inform(kGateCaption, check.refusal);
    return false;
}
