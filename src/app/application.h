#pragma once

#include "core/session_state.h"
#include "settings/settings.h"

#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

struct AppContext;
class DocumentFlows;
class GlobalHotkeys;
class AgreementOpener;
class MainWindow;
class PointsPageController;
class QSystemTrayIcon;
class StatusTips;
class TipPicker;
class StatisticsController;
class EditorKeys;
class ThemeChoices;
class WritingClock;
class SettingsController;
class Theme;
class WordCountWindow;
class WritingMode;

// The whole program around one main window: builds the windows and controllers, wires them in
// one place, and runs the start-up and shut-down sequences.
class Application : public QObject {
    Q_OBJECT
public:
    // commandLinePath: the file named on the command line, if any.
    Application(AppContext &context, GlobalHotkeys &hotkeys, std::optional<QString> commandLinePath = std::nullopt);
    ~Application() override;

    MainWindow &window() { return *window_; }
    WordCountWindow &wordCountWindow() { return *wordCount_; }
    WritingMode &writingMode() { return *writing_; }
    DocumentFlows &documentFlows() { return *documents_; }
    SettingsController &settingsController() { return *settingsController_; }
    StatisticsController &statisticsController() { return *statistics_; }
    PointsPageController &pointsPage() { return *points_; }
    SessionState &state() { return state_; }
    Settings &settings() { return settings_; }

    void startUp();
    void requestExit();
    void onHotkey(int id);
    void openCommandLineFile();
    void layoutMainWindow();
    // The one-second timer's work: the writing time, and the hour's daily mark.
    void tickWritingTimer();

    // Shows the user agreement and waits until it closes; true when the writer refused it. Tests
    // replace the modal window with one they answer themselves.
    std::function<bool()> showAgreementModal;
    // Hands a web or mail address to the desktop.
    std::function<void(const QUrl &)> openUrl;

    // The shut-down has run (the program is ending).
    bool hasFinished() const { return finished_; }

Q_SIGNALS:
    // The shut-down has run: the process ends with this exit code.
    void finished(int exitCode);

private:
    void shutDown();
    void putTrayIcon();
    QString settingsFilePath() const;

    AppContext &context_;
    GlobalHotkeys &hotkeys_;
    std::optional<QString> commandLinePath_;
    SessionState state_;
    Settings settings_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<WordCountWindow> wordCount_;
    std::unique_ptr<Theme> theme_;
    std::unique_ptr<SettingsController> settingsController_;
    std::unique_ptr<WritingMode> writing_;
    std::unique_ptr<DocumentFlows> documents_;
    std::unique_ptr<PointsPageController> points_;
    std::unique_ptr<ThemeChoices> themeChoices_;
    std::unique_ptr<StatisticsController> statistics_;
    std::unique_ptr<TipPicker> tipPicker_;
    std::unique_ptr<StatusTips> tips_;
    std::unique_ptr<WritingClock> writingClock_;
    std::unique_ptr<EditorKeys> editorKeys_;
    QSystemTrayIcon *trayIcon_ = nullptr;
    AgreementOpener *agreement_ = nullptr;
    bool finished_ = false;
};
