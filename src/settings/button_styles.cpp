#include "settings/button_styles.h"

std::optional<ButtonStyleColours> buttonStyleColours(int index, quint32 editorBackground, quint32 editorText)
{
    switch (index) {
    case 0: return ButtonStyleColours{0xECECEC, 0x000000, 0xFFFFFF, 0xC06000, 0xFF8800, 0xC06000};
    case 1: return ButtonStyleColours{0xFFFF00, 0x000000, 0xFFFFFF, 0xFFA8FF, 0xC080FF, 0xFFA8FF};
    case 2: return ButtonStyleColours{0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000};
    case 3: return ButtonStyleColours{0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    case 4:
        return ButtonStyleColours{editorBackground, editorText, editorText, editorBackground, editorBackground,
                                  editorBackground};
    case 5: return ButtonStyleColours{0x0000FF, 0xFFFFFF, 0xFFFFFF, 0x0080FF, 0x0080FF, 0x0080FF};
    case 6: return ButtonStyleColours{0xFFFFFF, 0x000000, 0xFFFFFF, 0x0060C0, 0x0060C0, 0x0060C0};
    default: return std::nullopt;
    }
}
