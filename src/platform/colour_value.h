#pragma once

#include <QColor>

// Colours are stored as 0x00BBGGRR values.
QColor colourFromValue(quint32 value);
quint32 valueFromColour(const QColor &colour);
