// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardPanel.h"

#include "SceneGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

using SceneGeometry::clueStep;
using SceneGeometry::margin;

// The shadow fades in over the outer margin: clear up to 10 pixels from the image edge,
// darkest where the plate begins.
const QColor shadow(0, 0, 0, 180);
constexpr int shadowRadius = 19;

void fillShadowCorner(QPainter& painter, QPointF centre, const QRect& square)
{
    QRadialGradient gradient(centre, shadowRadius, centre);
    gradient.setColorAt(0, shadow);
    gradient.setColorAt(1, Qt::transparent);
    painter.fillRect(square, gradient);
}

void fillShadowEdge(QPainter& painter, QPointF clear, QPointF dark, const QRect& strip)
{
    QLinearGradient gradient(clear, dark);
    gradient.setColorAt(0, Qt::transparent);
    gradient.setColorAt(1, shadow);
    painter.fillRect(strip, gradient);
}

} // namespace

void BoardPanel::rebuild(
    int columns, int rows, int rowClueSlots, int columnClueSlots, const QColor& fill, const QColor& line)
{
    this->columns = columns;
    this->rows = rows;
    this->rowClueSlots = rowClueSlots;
    this->columnClueSlots = columnClueSlots;

    const int w = SceneGeometry::sceneExtent(rowClueSlots, columns);
    const int h = SceneGeometry::sceneExtent(columnClueSlots, rows);
    image = QImage(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    // Each shape replaces what lies beneath, alpha included: the plate must keep its own
    // translucency over the shadow so the background shows through it in the game.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);

    fillShadowCorner(painter, QPointF(margin, margin), QRect(0, 0, margin, margin));
    fillShadowCorner(painter, QPointF(w - margin, margin), QRect(w - margin, 0, margin, margin));
    fillShadowCorner(painter, QPointF(margin, h - margin), QRect(0, h - margin, margin, margin));
    fillShadowCorner(painter, QPointF(w - margin, h - margin), QRect(w - margin, h - margin, margin, margin));

    fillShadowEdge(painter, QPointF(margin, 10), QPointF(margin, margin), QRect(margin, 0, w - 2 * margin, margin));
    fillShadowEdge(painter, QPointF(margin, h - 10), QPointF(margin, h - margin),
        QRect(margin, h - margin, w - 2 * margin, margin));
    fillShadowEdge(painter, QPointF(10, margin), QPointF(margin, margin), QRect(0, margin, margin, h - 2 * margin));
    fillShadowEdge(painter, QPointF(w - 10, margin), QPointF(w - margin, margin),
        QRect(w - margin, margin, margin, h - 2 * margin));

    // The plate, with an outline one device pixel wide.
    painter.setPen(QPen(line, 0));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRect(19, 19, w - 38, h - 38), 10, 10);

    // The information box in the plate's corner: a disc for the rounded corner, and two
    // rectangles that square off the rest.
    painter.setBrush(line);
    painter.drawRoundedRect(QRect(19, 19, 20, 20), 10, 10);
    painter.fillRect(QRect(30, 20, clueStep * rowClueSlots, clueStep * columnClueSlots + 10), line);
    painter.fillRect(QRect(20, 30, 10, clueStep * columnClueSlots), line);
}

void BoardPanel::draw(QPainter& painter, qreal opacity) const
{
    painter.save();
    painter.setOpacity(opacity);
    painter.drawImage(QPoint(0, 0), image);
    painter.restore();
}
