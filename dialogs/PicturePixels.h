// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

#include <functional>

// A picture's cells as squares of whole pixels, centred in a square image side pixels wide,
// on a light plate in a thin frame. colourAt gives a cell's colour; an invalid one leaves the
// plate showing.
QImage picturePixels(int columns, int rows, int side, const std::function<QColor(int x, int y)>& colourAt);
