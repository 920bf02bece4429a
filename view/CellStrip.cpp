// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellStrip.h"

#include "CellState.h"
#include "SceneGeometry.h"

#include <QPainter>

using SceneGeometry::cellPitch;

namespace {

constexpr int tiles = MarkedCrossed + 1;

void drawFill(QPainter& painter, int tile, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(tile * cellPitch + 2, 2, cellPitch - 4, cellPitch - 4), 3, 3);
}

void drawCross(QPainter& painter, int tile, const QColor& colour)
{
    painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    const qreal left = tile * cellPitch + 6, right = (tile + 1) * cellPitch - 6;
    painter.drawLine(QPointF(left, 6), QPointF(right, cellPitch - 6));
    painter.drawLine(QPointF(left, cellPitch - 6), QPointF(right, 6));
}

// The same four looks as the picture: dark for cells, blue and lighter for marks.
QPixmap drawnStrip()
{
    QPixmap strip(tiles * cellPitch, cellPitch);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor cell(40, 44, 64), mark(40, 90, 220);
    drawFill(painter, Filled, cell);
    drawCross(painter, Crossed, cell);
    drawFill(painter, MarkedFilled, QColor(mark.red(), mark.green(), mark.blue(), 150));
    drawCross(painter, MarkedCrossed, mark);
    return strip;
}

} // namespace

namespace CellStrip {

QPixmap load(const QByteArray& file)
{
    QPixmap strip;
    strip.loadFromData(file);
    if (strip.width() >= tiles * cellPitch && strip.height() >= cellPitch)
        return strip;
    return drawnStrip();
}

} // namespace CellStrip
