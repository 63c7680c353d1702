#pragma once

#include <QObject>

#include <functional>
#include <optional>

class MainWindow;
class Settings;
class Theme;
class WordCountWindow;

// The settings page's behaviour: confirm, cancel, show and hide, restoring every control from
// setting.ini, and the options that act at once (status bar, transparency, backup, large font).
class SettingsController : public QObject {
    Q_OBJECT
public:
    SettingsController(Settings &settings, MainWindow &window, Theme &theme, WordCountWindow &wordCount,
                       class Prompter &prompter);

    void confirmSettings();
    void cancelSettings();
    void toggleSettingsPage();
    // Shows the page, on the given tab when one is given.
    void showSettingsPage(std::optional<int> tab = std::nullopt);

    // Start-up: the colour picker, status bar, transparency, check boxes, version label and combo
    // boxes from setting.ini (in that order).
    void restoreFromSettings();

    void onStatusBarBoxClicked();
    void onTransparencyBoxClicked();
    void onBackupBoxClicked();
    void toggleLargeFont();       // the menu item "大字号模式"
    void toggleLargeFontByKey();  // F2 in the editor: the use is recorded when the mode goes on
    void setWindowOpacity(int alpha);
    void applyEditorFontSize(int points);

    // Owners of later pieces plug in here.
    std::function<void()> showNextTip;
    std::function<void()> refreshTaskBoard;
    std::function<void()> layoutMainWindow;

private:
    // The check box, the menu item and the editor's font, always changed together.
    void showLargeFont(bool on);

    Settings &settings_;
    MainWindow &window_;
    Theme &theme_;
    WordCountWindow &wordCount_;
    Prompter &prompter_;
};
