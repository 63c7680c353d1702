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
#include <QPixmap>
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
    // The settings page takes the background and text colours; its own frame keeps it apart
    // from the editor behind it.
    window_.settingsPage->setStyleSheet(
        QStringLiteral("QGroupBox#关于 { background: %1; color: %2; border: 1px solid #909090; padding-top: 28px; }"
                       "QGroupBox#关于::title { subcontrol-position: top left; left: 8px; top: 4px; }"
                       "QGroupBox#关于 QLabel, QGroupBox#关于 QCheckBox, QGroupBox#关于 QGroupBox { color: %2; background: transparent; }"
                       "QGroupBox#关于 QGroupBox { border: 1px solid #909090; margin-top: 8px; padding-top: 8px; }"
                       "QGroupBox#关于 QGroupBox::title { subcontrol-position: top left; left: 8px; top: -8px; }"
                       "QTabWidget::pane { background: %1; border: 1px solid #909090; }"
                       "QTabWidget > QWidget > QWidget { background: %1; }"
                       "QTabBar::tab { background: %1; color: %2; padding: 4px 12px; border: 1px solid #909090; }"
                       "QTabBar::tab:selected { border-bottom: 2px solid %2; }"
                       "QGroupBox#关于 QCheckBox::indicator { width: 11px; height: 11px; border: 1px solid %2; background: %1; }"
                       "QGroupBox#关于 QCheckBox::indicator:checked { background: %2; }"
                       "QPushButton#超级链接框1 { color: %2; background: transparent; border: none; text-decoration: underline; }"
                       "QPushButton#保存设置 { background: %1; color: %2; border: 1px solid #909090; }"
                       "QPushButton#保存设置:focus { background: %1; color: %2; border: 1px solid %2; }")
            .arg(cssColour(colour), cssColour(settingsText_)));
    applyButtonStyle();
}

void Theme::applyTextColour()
{
    QComboBox *box = window_.settingsPage->textColour;
    const auto apply = [this](quint32 text) {
        setEditorColours(editorBackground_, text);
        setFrameTextColour(text);
        settingsText_ = text;
        applyBackgroundColour();
    };
    if (box->currentIndex() == 0) {
        if (textColourGate && !textColourGate(0))
            box->setCurrentIndex(0);
        else
            apply(0xFFFFFF);
    }
    if (box->currentIndex() == 1) {
        if (textColourGate && !textColourGate(1))
            box->setCurrentIndex(0);
        else
            apply(0x000000);
    }
}

void Theme::applyTopPicture()
{
    const int item = window_.settingsPage->topPicture->currentIndex();
    if (item < 0 || item > 6)
        return;
    // One picture for each of items 1 to 6, in the combo box's order.
    static const char *const pictures[] = {"sky_light", "wine_memory", "blue_storm",
                                           "three_yellow", "bright_moon", "dream_forest"};
    if (item == 0) {
        window_.topBand->hide();
        return;
    }
    window_.topBand->setPixmap(QPixmap(QStringLiteral(":/pictures/%1.jpg").arg(QLatin1String(pictures[item - 1]))));
    window_.topBand->show();
    window_.topBand->lower();
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
