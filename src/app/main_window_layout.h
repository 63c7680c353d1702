#pragma once

#include <QRect>

// Where the frame's controls go for a window of a given size. Divisions truncate toward zero.
struct MainWindowLayout {
    static constexpr int kMinimumSide = 400;

    QRect editor;
    int titleLabelWidth = 0;
    int tipFieldWidth = 0;
    QRect settingsPage;
    int topBandWidth = 0;
    int closeLeft = 0;
    int minimiseLeft = 0;
    QRect titleField;
    int startButtonLeft = 0;
    int recordButtonLeft = 0;
    QRect wavPanel;
    QRect topHandle, leftHandle, bottomLeftHandle, bottomHandle, bottomRightHandle, topRightHandle, rightHandle;

    // Size raised to the minimum on each side (a side of 400 or less becomes 400).
    static QSize clampedSize(QSize size);

    // statusBarTop: the status bar's top edge; the WAV panel sits right on it.
    static MainWindowLayout compute(QSize size, bool statusBarHidden, int statusBarTop, QSize wavPanelSize,
                                    QSize settingsPageSize);
};
