// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturePixels.h"

#include <QPainter>

#include <algorithm>

QImage picturePixels(int columns, int rows, int side, const std::function<QColor(int x, int y)>& colourAt)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Whole pixels a cell keep the picture crisp; the frame takes one on each side.
    const int cell = std::max(1, (side - 2) / std::max({columns, rows, 1}));
    const QRect plate(
        QPoint((side - cell * columns) / 2, (side - cell * rows) / 2), QSize(cell * columns, cell * rows));
    painter.fillRect(plate, QColor(235, 235, 235));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const QColor colour = colourAt(x, y);
            if (colour.isValid())
                painter.fillRect(plate.x() + x * cell, plate.y() + y * cell, cell, cell, colour);
        }
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(plate.adjusted(0, 0, -1, -1));
    return image;
}
