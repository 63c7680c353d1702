#pragma once

#include "statistics/text_change_handler.h"

#include <QObject>
#include <QUrl>

#include <functional>

struct AppContext;
struct SessionState;
class MainWindow;
class WordCountWindow;
class WritingMode;

// The editor's text-changed handler: reads the controls, lets the counting logic do its work
// (counts, word-count window text, backup copy, daily marks) and writes the results back. Also the
// recovery button that opens the backup folder.
class StatisticsController : public QObject {
    Q_OBJECT
public:
    StatisticsController(AppContext &context, SessionState &state, MainWindow &window, WordCountWindow &wordCount,
                         WritingMode &writing);

    void updateStatistics();
    void openBackupFolder();
    TextChangeHandler &handler() { return handler_; }

    // Hands a folder or web address to the desktop; tests record it instead.
    std::function<void(const QUrl &)> openUrl;

private:
    SessionState &state_;
    MainWindow &window_;
    WordCountWindow &wordCount_;
    WritingMode &writing_;
    TextChangeHandler handler_;
};
