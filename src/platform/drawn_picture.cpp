#include "platform/drawn_picture.h"

#include <QPainter>

QPixmap drawnPicture(int side, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}
