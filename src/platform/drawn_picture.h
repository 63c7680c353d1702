#pragma once

#include <QPixmap>

#include <functional>

class QPainter;

// A small square picture drawn by code on a transparent ground, antialiased: the program's few
// icons are drawn rather than shipped.
QPixmap drawnPicture(int side, const std::function<void(QPainter &)> &draw);
