#pragma once

#include <QPoint>
#include <QRect>

// Moving and sizing the borderless window by hand, for window systems that refuse to run their
// own move and size loops. Pure arithmetic over the window's geometry at the press.
struct FrameDrag {
    enum Edge { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8 };

    QRect start;     // the window's geometry when the button went down
    QPoint pressAt;  // global position of the press
    int edges = None;  // None: the drag moves the window

    // The geometry for the pointer now at `pointer`. A side never shrinks below minimumSide.
    QRect geometryAt(QPoint pointer, int minimumSide) const;
};
