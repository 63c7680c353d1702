#include "settings/theme.h"

#include "app/main_window.h"
#include "platform/colour_value.h"
#include "settings/button_styles.h"
#include "settings/colour_picker.h"
#include "settings/settings_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString cssColour(quint32 value)
{
    return colourFromValue(value).name();
}

}  // namespace

Theme::Theme(MainWindow &window)
    : window_(window)
{
}

void Theme::setWindowBackground(quint32 colour)
{
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, colourFromValue(colour));
    window_.setPalette(palette);
}

void Theme::setEditorColours(quint32 background, quint32 text)
{
    editorBackground_ = background;
    editorText_ = text;
    QPalette palette = window_.editor->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colourFromValue(background));
        palette.setColor(group, QPalette::Text, colourFromValue(text));
    }
    window_.editor->setPalette(palette);
}

void Theme::setFrameTextColour(quint32 colour)
{
    frameText_ = colour;
    for (QLabel *label : {window_.hintLabel, window_.minimiseLabel, window_.closeLabel, window_.titleBar}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourFromValue(colour));
        label->setPalette(palette);
    }
}

void Theme::applyBackgroundColour()
{
    const quint32 colour = window_.settingsPage->colour->colour();
    setWindowBackground(colour);
    setEditorColours(colour, editorText_);
    settingsBackground_ = colour;
    SettingsPage *page = window_.settingsPage;
    page->setStyleSheet(QStringLiteral("QTabWidget > QWidget, QTabBar::tab { background: %1; color: %2; }"
                                       "QGroupBox#关于 { background: %1; color: %2; }"
                                       "QPushButton#保存设置 { background: %1; color: %2; border: 1px solid gray; }")
                            .arg(cssColour(settingsBackground_), cssColour(settingsText_)));
    page->tabs->setStyleSheet(QStringLiteral("QTabWidget > QWidget > QWidget { background: %1; color: %2; }")
                                  .arg(cssColour(settingsBackground_), cssColour(settingsText_)));
    applyButtonStyle();
}

void Theme::applyTextColour()
{
    const int item = window_.settingsPage->textColour->currentIndex();
    if (item != 0 && item != 1)
        return;
    const quint32 text = item == 0 ? 0xFFFFFF : 0x000000;
    setEditorColours(editorBackground_, text);
    setFrameTextColour(text);
    settingsText_ = text;
    applyBackgroundColour();
}

void Theme::applyTopPicture()
{
    const int item = window_.settingsPage->topPicture->currentIndex();
    if (item < 0 || item > 6)
        return;
    window_.topBand->setVisible(item != 0);
}

void Theme::applyButtonStyle()
{
    const auto style = buttonStyleColours(window_.settingsPage->buttonStyle->currentIndex(), editorBackground_, editorText_);
    if (!style)
        return;
    window_.titleField->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid #808080; }")
                                          .arg(cssColour(style->titleBackground), cssColour(style->titleText)));
    window_.startButton->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %4; border: none; }"
                       "QPushButton:hover { background: %2; }"
                       "QPushButton:focus { background: %3; }")
            .arg(cssColour(style->buttonNormal), cssColour(style->buttonHover), cssColour(style->buttonFocused),
                 cssColour(style->buttonText)));
}

void Theme::showDiaryColours(quint32 background, quint32 text)
{
    setWindowBackground(background);
    setEditorColours(background, text);
}

void Theme::setEditorAndHintTextColour(quint32 text)
{
    setEditorColours(editorBackground_, text);
    QPalette palette = window_.hintLabel->palette();
    palette.setColor(QPalette::WindowText, colourFromValue(text));
    window_.hintLabel->setPalette(palette);
}
