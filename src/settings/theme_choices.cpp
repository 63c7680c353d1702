#include "settings/theme_choices.h"

#include "app/main_window.h"
#include "core/prompter.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"
#include "settings/theme.h"

#include <QComboBox>

namespace {

struct Recommendation {
    quint32 background;
    std::optional<int> textColourItem;  // set with it, without applying it
};

std::optional<Recommendation> topPictureRecommendation(int item)
{
    switch (item) {
    case 1: case 2: case 3: return Recommendation{0x000000, 0};
    case 4: return Recommendation{0xFFFFFF, 1};
    case 5: return Recommendation{0xC06000, 0};
    case 6: return Recommendation{0x808000, 0};
    default: return std::nullopt;
    }
}

std::optional<Recommendation> buttonStyleRecommendation(int item)
{
    switch (item) {
    case 1: return Recommendation{0xFFFF00, std::nullopt};
    case 5: return Recommendation{0x0000FF, std::nullopt};
    case 6: return Recommendation{0x00D8D8, std::nullopt};
    default: return std::nullopt;
    }
}

}  // namespace

ThemeChoices::ThemeChoices(MainWindow &window, Theme &theme, Prompter &prompter)
    : window_(window)
    , theme_(theme)
    , prompter_(prompter)
{
    SettingsPage *page = window_.settingsPage;
    connect(page->topPicture, &QComboBox::activated, this, &ThemeChoices::chooseTopPicture);
    connect(page->buttonStyle, &QComboBox::activated, this, &ThemeChoices::chooseButtonStyle);
}

bool ThemeChoices::offerRecommendation()
{
    return prompter_.ask(QStringLiteral("Penmoor"), QStringLiteral("是否使用推荐背景颜色？"), PromptButtons::YesNo)
        == PromptAnswer::Yes;
}

void ThemeChoices::chooseTopPicture(int item)
{
    const auto recommendation = topPictureRecommendation(item);
    if (!recommendation)
        return;
    SettingsPage *page = window_.settingsPage;
    if (topPictureGate && !topPictureGate(item)) {
        page->topPicture->setCurrentIndex(0);
        return;
    }
    if (!offerRecommendation())
        return;
    {
        const QSignalBlocker blocker(page->colour);
        page->colour->setColour(recommendation->background);
    }
    page->textColour->setCurrentIndex(*recommendation->textColourItem);
    theme_.applyBackgroundColour();
}

void ThemeChoices::chooseButtonStyle(int item)
{
    if (item < 1 || item > 6)
        return;
    SettingsPage *page = window_.settingsPage;
    if (buttonStyleGate && !buttonStyleGate(item)) {
        page->buttonStyle->setCurrentIndex(0);
        return;
    }
    const auto recommendation = buttonStyleRecommendation(item);
    if (!recommendation || !offerRecommendation())
        return;
    {
        const QSignalBlocker blocker(page->colour);
        page->colour->setColour(recommendation->background);
    }
    theme_.applyBackgroundColour();
}
