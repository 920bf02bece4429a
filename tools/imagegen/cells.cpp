// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int Tile = 24;

// Column and row 0 of a tile lie under the grid line the tile is drawn over;
// leaving them and the far edge clear keeps the grid visible between cells.
const QRectF Body(1.5, 1.5, 21, 21);

// Definite cells are ink-dark, which reads on every plate tint; tentative
// ones are pencil-blue, the colour the clues take while marking.
const QColor Ink(34, 40, 58);
const QColor Pencil(28, 86, 214);

void paintFilled(QPainter& painter)
{
    QLinearGradient body(0, Body.top(), 0, Body.bottom());
    body.setColorAt(0.0, QColor(74, 84, 110));
    body.setColorAt(1.0, Ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(Body, 3, 3);
    // A glint along the top edge makes it read as a raised tile, not a hole.
    painter.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    painter.drawLine(QPointF(4.5, 2.5), QPointF(19.5, 2.5));
}

void paintCross(QPainter& painter, const QColor& colour, qreal width, qreal inset)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(inset, inset), QPointF(Tile - inset, Tile - inset));
    painter.drawLine(QPointF(Tile - inset, inset), QPointF(inset, Tile - inset));
}

void paintMarkedFilled(QPainter& painter)
{
    // Pencil shading: a light wash with diagonal strokes inside an outline,
    // clearly a sketch of the solid tile rather than the tile itself.
    QPainterPath body;
    body.addRoundedRect(Body.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QColor wash = Pencil;
    wash.setAlpha(60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wash);
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    QColor stroke = Pencil;
    stroke.setAlpha(170);
    painter.setPen(QPen(stroke, 1.2));
    for (int d = -Tile; d < Tile; d += 4)
        painter.drawLine(QPointF(d, Tile), QPointF(d + Tile, 0));
    painter.restore();
    painter.setPen(QPen(Pencil, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}

}  // namespace

QImage cellStrip()
{
    QImage strip(5 * Tile, Tile, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);

    // Tile 0 stays empty: a blank cell draws nothing.
    painter.translate(Tile, 0);
    paintFilled(painter);
    painter.translate(Tile, 0);
    paintCross(painter, Ink, 2.6, 6.5);
    painter.translate(Tile, 0);
    paintMarkedFilled(painter);
    painter.translate(Tile, 0);
    paintCross(painter, Pencil, 2.0, 7.0);
    painter.end();
    return strip.convertToFormat(QImage::Format_ARGB32);
}

QImage mistakeMark()
{
    constexpr int Size = 28;
    QImage mark(Size, Size, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(Size / 2.0, Size / 2.0);
    QRadialGradient glow(centre, Size / 2.0);
    glow.setColorAt(0.0, QColor(255, 60, 40, 170));
    glow.setColorAt(0.55, QColor(230, 20, 10, 90));
    glow.setColorAt(1.0, QColor(200, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, Size / 2.0, Size / 2.0);

    // A white rim under the red cross keeps it visible on the reddish plate
    // and on red-brown wood alike.
    QPainterPath cross;
    const qreal a = 8.0;
    const qreal b = Size - 8.0;
    cross.moveTo(a, a);
    cross.lineTo(b, b);
    cross.moveTo(b, a);
    cross.lineTo(a, b);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 235), 6.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(QColor(214, 16, 16), 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.end();
    return mark.convertToFormat(QImage::Format_ARGB32);
}
