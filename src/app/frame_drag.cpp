#include "app/frame_drag.h"

QRect FrameDrag::geometryAt(QPoint pointer, int minimumSide) const
{
    const QPoint delta = pointer - pressAt;
    if (edges == None)
        return start.translated(delta);
    QRect r = start;
    if (edges & Left)
        r.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimumSide));
    if (edges & Right)
        r.setRight(qMax(start.right() + delta.x(), start.left() + minimumSide - 1));
    if (edges & Top)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimumSide));
    if (edges & Bottom)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimumSide - 1));
    return r;
}
