#include "app/main_window_layout.h"

#include <algorithm>

QSize MainWindowLayout::clampedSize(QSize size)
{
    return {size.width() <= kMinimumSide ? kMinimumSide : size.width(),
            size.height() <= kMinimumSide ? kMinimumSide : size.height()};
}

MainWindowLayout MainWindowLayout::compute(QSize size, bool statusBarHidden, int statusBarTop, QSize wavPanelSize,
                                           QSize settingsPageSize)
{
    const int w = size.width();
    const int h = size.height();
    MainWindowLayout l;
    l.editor = QRect(0, 64, w, statusBarHidden ? h - 65 : h - 85);
    l.titleLabelWidth = w - 88;
    l.wavPanel = QRect(QPoint(w - wavPanelSize.width(), statusBarTop - wavPanelSize.height()), wavPanelSize);
    l.tipFieldWidth = w - 360;
    l.settingsPage = QRect(QPoint(w / 2 - settingsPageSize.width() / 2, h / 2 - settingsPageSize.height() / 2),
                           settingsPageSize);
    l.topBandWidth = w;
    l.closeLeft = w - 25;
    l.minimiseLeft = w - 49;
    // Handles keep their designed thickness and the coordinates the layout does not move.
    l.topHandle = QRect(8, -8, w, 5);
    l.leftHandle = QRect(0, 24, 5, h);
    l.bottomLeftHandle = QRect(0, h - 8, 8, 8);
    l.bottomHandle = QRect(16, h - 5, w, 5);
    l.bottomRightHandle = QRect(w - 8, h - 8, 8, 8);
    l.topRightHandle = QRect(w - 8, 0, 8, 8);
    l.rightHandle = QRect(w - 5, 0, 8, h);
    l.titleField = QRect(104, 36, w - 255, 24);
    l.startButtonLeft = l.titleField.left() + l.titleField.width() + 3;
    l.recordButtonLeft = l.startButtonLeft + 88 + 3;
    return l;
}
