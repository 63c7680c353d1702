#pragma once

#include "points/feature_gate.h"
#include "points/points_ledger.h"
#include "points/task_board.h"

#include <QObject>
#include <QUrl>

#include <functional>

struct AppContext;
struct SessionState;
class MainWindow;

// The task page on the settings page: the points label, the title, the task list and its refresh
// button; and the one place the windows ask whether a gated option may be used.
class PointsPageController : public QObject {
    Q_OBJECT
public:
    static inline const QUrl kTitleHelpPage = QUrl(QStringLiteral("https://penmoor.example.org/titles.html"));

    PointsPageController(AppContext &context, SessionState &state, MainWindow &window);

    void loadPointsTotal();
    void refreshTaskBoard();

    // Runs the gate of an option: shows its refusal and says false when the total is too low.
    bool passesGate(std::optional<GatedFeature> feature);

    std::function<void(const QUrl &)> openUrl;

private:
    AppContext &context_;
    SessionState &state_;
    MainWindow &window_;
    PointsLedger ledger_;
    TaskBoard board_;
};
