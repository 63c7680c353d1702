#pragma once

#include <QtGlobal>

#include <optional>

// Colours (0x00BBGGRR) of the title field and the start button for one button-and-title style.
struct ButtonStyleColours {
    quint32 titleBackground;
    quint32 titleText;
    quint32 buttonText;
    quint32 buttonNormal;
    quint32 buttonHover;
    quint32 buttonFocused;
};

// The style of combo item index, or nothing for an index outside the seven styles. Style 4 takes
// the editor's own colours, so it needs them.
std::optional<ButtonStyleColours> buttonStyleColours(int index, quint32 editorBackground, quint32 editorText);
