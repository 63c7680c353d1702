#pragma once

#include "core/app_paths.h"
#include "core/clock.h"
#include "core/session_state.h"
#include "points/points_ledger.h"
#include "settings/settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the task page shows after a refresh. The window only copies it into its controls.
struct TaskBoardView {
    QStringList rows;                    // the task list, top row first
    std::optional<QString> title;        // none: the title label keeps its text (negative total)
    std::optional<quint32> titleColour;  // 0x00BBGGRR; none: the label keeps its colour
    QStringList pointsLabels;            // "当前积分： N" after each payment, in payment order
    qint32 pointsTotal = 0;              // the total after the refresh
    bool allWritten = true;              // false when a store of the total or an award mark failed
};

// The title a total has earned: the last row of the title table whose threshold it reaches.
struct EarnedTitle {
    QString text;
    std::optional<quint32> colour;  // 0x00BBGGRR; none for the first rows, which keep the colour
};

// The nine daily tasks and three newbie tasks: which are done, paying each due reward once, and
// the title the total has reached. Completion and award marks live in the program directory's
// setting.ini, the total in the working directory's (through PointsLedger).
class TaskBoard {
public:
    // Texts the task page's labels carry before the first refresh.
    static inline const QString kInitialPointsLabel = QStringLiteral("积分");
    static inline const QString kInitialTitle = QStringLiteral("称号：至尊等级 写作帝王 Lv.MAX");

    TaskBoard(AppPaths paths, const Clock &clock, QByteArray keyText = QByteArray(SessionState::kKeyPrefix));

    // Rebuilds the list and pays every task that is done and not yet paid, adding to pointsTotal.
    // The total is stored first, then again after each payment, before that task's award mark is
    // written, so a crash between tasks never pays one twice or loses a stored payment.
    TaskBoardView refreshTaskBoard(qint32 &pointsTotal) const;

    // The rows and title the board shows now for this total, paying nothing and writing nothing.
    TaskBoardView previewTaskBoard(qint32 pointsTotal) const;

    // None for a negative total, which leaves the title label as it is.
    static std::optional<EarnedTitle> titleFor(qint32 pointsTotal);

private:
    TaskBoardView run(qint32 &pointsTotal, bool pay) const;
    QByteArray today() const;
    bool bonusDay() const;

    Settings settings_;
    PointsLedger ledger_;
    const Clock &clock_;
};
