#include "settings/colour_picker.h"

#include "core/prompter.h"
#include "platform/colour_value.h"

#include <QPainter>
#include <QStyleOptionButton>

ColourPicker::ColourPicker(Prompter &prompter, QWidget *parent)
    : QPushButton(parent)
    , prompter_(prompter)
{
    connect(this, &QPushButton::clicked, this, &ColourPicker::choose);
}

void ColourPicker::setColour(quint32 colour)
{
    colour &= 0xFFFFFF;
    const bool changed = colour != colour_;
    colour_ = colour;
    update();
    if (changed)
        Q_EMIT colourChanged(colour_);
}

void ColourPicker::choose()
{
    if (const auto chosen = prompter_.chooseColour(colour_))
        setColour(*chosen);
}

void ColourPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    painter.setPen(isEnabled() ? QColor(0x80, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
    painter.setBrush(isEnabled() ? colourFromValue(colour_) : QColor(0xE0, 0xE0, 0xE0));
    painter.drawRect(frame);
}
