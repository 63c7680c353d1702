#pragma once

#include <QtGlobal>

#include <functional>

class MainWindow;

// Puts the chosen colours on the window: background targets (window, editor, the settings tabs,
// the confirm button), text targets (editor text, the frame labels, the settings tabs, the confirm
// button) and the button-and-title style of the title field and the start button.
class Theme {
public:
    explicit Theme(MainWindow &window);

    void applyBackgroundColour();  // the colour picker's colour, then the button style
    void applyTextColour();        // item 0 white, item 1 black
    void applyTopPicture();
    void applyButtonStyle();

    // The diary's own look: only the window and the editor change.
    void showDiaryColours(quint32 background, quint32 text);
    // Text colour of the editor and the hint label (the end of a diary restores both).
    void setEditorAndHintTextColour(quint32 text);

    // The points gate of a 文本颜色 item: true when it may be used (the gate shows its refusal).
    std::function<bool(int item)> textColourGate;

    quint32 editorBackground() const { return editorBackground_; }
    quint32 editorText() const { return editorText_; }
    quint32 titleLabelText() const { return frameText_; }

private:
    void setWindowBackground(quint32 colour);
    void setEditorColours(quint32 background, quint32 text);
    void setFrameTextColour(quint32 colour);

    MainWindow &window_;
    quint32 editorBackground_ = 0;
    quint32 editorText_ = 0xFFFFFF;
    quint32 frameText_ = 0xFFFFFF;
    quint32 settingsText_ = 0xFFFFFF;
};
