#include "settings/settings_controller.h"

#include "app/main_window.h"
#include "app/start_menu.h"
#include "core/prompter.h"
#include "settings/colour_picker.h"
#include "settings/setting_keys.h"
#include "settings/settings.h"
#include "settings/settings_page.h"
#include "settings/theme.h"
#include "statistics/word_count_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>

namespace {
constexpr int kNormalFontSize = 16;
constexpr int kLargeFontSize = 25;
const QString kCaption = QStringLiteral("Penmoor");
}  // namespace

SettingsController::SettingsController(Settings &settings, MainWindow &window, Theme &theme,
                                       WordCountWindow &wordCount, Prompter &prompter)
    : settings_(settings)
    , window_(window)
    , theme_(theme)
    , wordCount_(wordCount)
    , prompter_(prompter)
{
    SettingsPage *page = window_.settingsPage;
    connect(page->confirmButton, &QPushButton::clicked, this, &SettingsController::confirmSettings);
    connect(page, &SettingsPage::cancelPressed, this, &SettingsController::cancelSettings);
    connect(page->hideStatusBar, &QCheckBox::clicked, this, &SettingsController::onStatusBarBoxClicked);
    connect(page->transparent, &QCheckBox::clicked, this, &SettingsController::onTransparencyBoxClicked);
    connect(page->autoBackup, &QCheckBox::clicked, this, &SettingsController::onBackupBoxClicked);
    connect(page->colour, &ColourPicker::colourChanged, this, [this] { theme_.applyBackgroundColour(); });
    connect(page->textColour, &QComboBox::activated, this, [this] { theme_.applyTextColour(); });
    connect(window_.startMenu->largeFont, &QAction::triggered, this, &SettingsController::toggleLargeFont);
    connect(window_.startMenu->settings, &QAction::triggered, this, &SettingsController::toggleSettingsPage);
    connect(window_.startMenu->appCentre, &QAction::triggered, this,
            [this] { showSettingsPage(SettingsPage::AppCentreTab); });
}

void SettingsController::confirmSettings()
{
    SettingsPage *page = window_.settingsPage;
    if (showNextTip)
        showNextTip();
    theme_.applyTopPicture();
    theme_.applyTextColour();
    page->hide();

    settings_.writeNumber(SettingSection::text, SettingKey::backgroundColour, page->colour->colour());
    settings_.writeFlag(SettingSection::software, SettingKey::autoBackup, page->autoBackup->isChecked());
    settings_.writeFlag(SettingSection::software, SettingKey::showStatistics, page->showStatistics->isChecked());
    settings_.writeFlag(SettingSection::software, SettingKey::alwaysOnTop, page->alwaysOnTop->isChecked());
    settings_.writeFlag(SettingSection::software, SettingKey::pointsSystem, page->pointsSystem->isChecked());
    settings_.writeNumber(SettingSection::software, SettingKey::buttonStyle, page->buttonStyle->currentIndex());
    settings_.writeNumber(SettingSection::software, SettingKey::tipKind, page->tipKind->currentIndex());
    settings_.writeNumber(SettingSection::software, SettingKey::topPicture, page->topPicture->currentIndex());
    settings_.writeNumber(SettingSection::text, SettingKey::textColour, page->textColour->currentIndex());

    theme_.applyButtonStyle();

    if (page->largeFont->isChecked())
        settings_.writeFlag(SettingSection::software, SettingKey::largeFontUsed, true);
    showLargeFont(page->largeFont->isChecked());

    const bool onTop = page->alwaysOnTop->isChecked();
    if (bool(window_.windowFlags() & Qt::WindowStaysOnTopHint) != onTop) {
        const bool visible = window_.isVisible();
        window_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (visible)
            window_.show();
    }
    wordCount_.setAlwaysOnTop(onTop);

    wordCount_.setVisible(page->showStatistics->isChecked());
    page->tabs->setTabVisible(SettingsPage::PointsTab, page->pointsSystem->isChecked());
}

void SettingsController::cancelSettings()
{
    window_.settingsPage->hide();
}

void SettingsController::toggleSettingsPage()
{
    SettingsPage *page = window_.settingsPage;
    page->tabs->setCurrentIndex(SettingsPage::FunctionTab);
    if (page->isVisible()) {
        page->hide();
        return;
    }
    showSettingsPage();
    if (refreshTaskBoard)
        refreshTaskBoard();
}

void SettingsController::showSettingsPage(std::optional<int> tab)
{
    SettingsPage *page = window_.settingsPage;
    if (tab)
        page->tabs->setCurrentIndex(*tab);
    page->show();
    page->raise();
}

void SettingsController::restoreFromSettings()
{
    SettingsPage *page = window_.settingsPage;
    {
        // Restoring is not a user's colour choice: the theme is applied once, later.
        const QSignalBlocker blocker(page->colour);
        page->colour->setColour(quint32(settings_.readNumber(SettingSection::text, SettingKey::backgroundColour)));
    }

    const bool statusHidden = settings_.readText(SettingSection::software, SettingKey::statusBar) == SettingValue::hidden;
    window_.statusBar->setVisible(!statusHidden);
    page->hideStatusBar->setChecked(statusHidden);

    const bool transparent = settings_.readFlag(SettingSection::software, SettingKey::transparency);
    setWindowOpacity(transparent ? 220 : 255);
    page->transparent->setChecked(transparent);

    page->autoBackup->setChecked(settings_.readFlag(SettingSection::software, SettingKey::autoBackup));
    page->alwaysOnTop->setChecked(settings_.readFlag(SettingSection::software, SettingKey::alwaysOnTop));
    page->pointsSystem->setChecked(settings_.readFlag(SettingSection::software, SettingKey::pointsSystem));
    page->showStatistics->setChecked(settings_.readFlag(SettingSection::software, SettingKey::showStatistics));
    window_.startMenu->wordCount->setChecked(page->showStatistics->isChecked());

    theme_.applyBackgroundColour();
    page->versionLabel->setText(window_.titleBar->text());

    // An index outside a combo box's items leaves it without a current item.
    const auto restoreItem = [](QComboBox *box, int item) {
        box->setCurrentIndex(item >= 0 && item < box->count() ? item : -1);
    };
    restoreItem(page->tipKind, settings_.readNumber(SettingSection::software, SettingKey::tipKind));
    restoreItem(page->buttonStyle, settings_.readNumber(SettingSection::software, SettingKey::buttonStyle));
    restoreItem(page->topPicture, settings_.readNumber(SettingSection::software, SettingKey::topPicture));
    restoreItem(page->textColour, settings_.readNumber(SettingSection::text, SettingKey::textColour));
}

void SettingsController::onStatusBarBoxClicked()
{
    const bool hidden = window_.settingsPage->hideStatusBar->isChecked();
    window_.statusBar->setVisible(!hidden);
    settings_.writeText(SettingSection::software, SettingKey::statusBar, hidden ? SettingValue::hidden : SettingValue::shown);
    if (layoutMainWindow)
        layoutMainWindow();
}

void SettingsController::onTransparencyBoxClicked()
{
    if (window_.settingsPage->transparent->isChecked()) {
        setWindowOpacity(220);
        settings_.writeFlag(SettingSection::software, SettingKey::transferDone, true);
        settings_.writeFlag(SettingSection::software, SettingKey::transparency, true);
    } else {
        setWindowOpacity(255);
        settings_.writeFlag(SettingSection::software, SettingKey::transparency, false);
    }
    if (layoutMainWindow)
        layoutMainWindow();
}

void SettingsController::onBackupBoxClicked()
{
    prompter_.inform(kCaption, window_.settingsPage->autoBackup->isChecked()
                                   ? QStringLiteral("使用自动备份保存后文本会逐字自动保存到软件所在目录。")
                                   : QStringLiteral("关闭成功"));
}

void SettingsController::showLargeFont(bool on)
{
    window_.settingsPage->largeFont->setChecked(on);
    window_.startMenu->largeFont->setChecked(on);
    applyEditorFontSize(on ? kLargeFontSize : kNormalFontSize);
}

void SettingsController::toggleLargeFont()
{
    // The menu records the use when the mode goes off.
    const bool on = !window_.settingsPage->largeFont->isChecked();
    if (!on)
        settings_.writeFlag(SettingSection::software, SettingKey::largeFontUsed, true);
    showLargeFont(on);
}

void SettingsController::toggleLargeFontByKey()
{
    const bool on = !window_.settingsPage->largeFont->isChecked();
    if (on)
        settings_.writeFlag(SettingSection::software, SettingKey::largeFontUsed, true);
    showLargeFont(on);
}

void SettingsController::setWindowOpacity(int alpha)
{
    window_.setWindowOpacity(alpha / 255.0);
}

void SettingsController::applyEditorFontSize(int points)
{
    QFont font = window_.editor->font();
    font.setPointSize(points);
    window_.editor->setFont(font);
}
