// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"
#include "noise.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int Size = 512;
constexpr int LeafCount = 300;

struct Leaf {
    QPointF base;
    float angle;   // degrees
    float length;
    float width;   // half the width at the widest point
    QColor colour;
};

// A leaf pointing along +x from its stalk at the origin.
QPainterPath outline(const Leaf& leaf)
{
    const qreal l = leaf.length;
    const qreal w = leaf.width;
    QPainterPath path(QPointF(0, 0));
    path.cubicTo(l * 0.22, -w * 1.25, l * 0.68, -w * 0.95, l, 0);
    path.cubicTo(l * 0.68, w * 0.95, l * 0.22, w * 1.25, 0, 0);
    return path;
}

void paintShadow(QPainter& painter, const QPainterPath& path)
{
    // No blur in QPainter: a few widening translucent outlines stand in for one.
    const QPainterPath cast = path.translated(3.0, 4.5);
    painter.setBrush(Qt::NoBrush);
    for (int spread : {9, 5}) {
        painter.setPen(QPen(QColor(0, 14, 0, 16), spread, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(cast);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 14, 0, 60));
    painter.drawPath(cast);
}

void paintLeaf(QPainter& painter, const Leaf& leaf, const QPainterPath& path)
{
    const qreal l = leaf.length;
    const qreal w = leaf.width;

    // The stalk, just showing from under the blade.
    painter.setPen(QPen(leaf.colour.darker(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-l * 0.14, 0), QPointF(l * 0.05, 0));

    // Lit on one side of the midrib and shaded on the other, as a leaf folds
    // slightly along it.
    QLinearGradient fold(0, -w, 0, w);
    fold.setColorAt(0.0, leaf.colour.lighter(112));
    fold.setColorAt(0.49, leaf.colour.lighter(104));
    fold.setColorAt(0.51, leaf.colour.darker(112));
    fold.setColorAt(1.0, leaf.colour.darker(135));
    painter.setBrush(fold);
    painter.setPen(QPen(leaf.colour.darker(170), 0.8));
    painter.drawPath(path);

    QColor vein = leaf.colour.lighter(135);
    vein.setAlpha(150);
    painter.setPen(QPen(vein, 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(l * 0.02, 0), QPointF(l * 0.9, 0));
    vein.setAlpha(70);
    painter.setPen(QPen(vein, 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 5; ++i) {
        const qreal t = l * (0.1 + 0.14 * i);
        const qreal reach = w * 0.8 * std::sin(M_PI * (t / l));
        painter.drawLine(QPointF(t, 0), QPointF(t + reach * 0.9, -reach));
        painter.drawLine(QPointF(t, 0), QPointF(t + reach * 0.9, reach));
    }
}

Leaf makeLeaf(int index, noise::Random& random)
{
    Leaf leaf;
    leaf.base = QPointF(random.uniform(0, Size), random.uniform(0, Size));
    leaf.angle = random.uniform(0, 360);
    leaf.length = random.uniform(70, 115);
    leaf.width = leaf.length * random.uniform(0.2f, 0.27f);
    // Leaves near the top of the pile catch more light than those beneath.
    const float height = float(index) / LeafCount;
    const float hue = random.uniform(0.23f, 0.32f) + (random.below(12) == 0 ? -0.08f : 0.0f);
    leaf.colour = QColor::fromHsvF(hue, random.uniform(0.5f, 0.75f), 0.28f + 0.42f * height + random.uniform(0.0f, 0.08f));
    return leaf;
}

}  // namespace

QImage leavesTexture()
{
    // Deep shade between the leaves, never quite black.
    QImage image = shade(Size, [](float x, float y) {
        const float n = noise::fbm(x / Size, y / Size, 4, 4, 3, 0x1EAF);
        return mix(Rgb{12, 34, 14}, Rgb{30, 64, 26}, clamp01(0.5f + 0.6f * n));
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    noise::Random random(0x1EAF);
    for (int i = 0; i < LeafCount; ++i) {
        const Leaf leaf = makeLeaf(i, random);
        const QPainterPath path = outline(leaf);
        QTransform place;
        place.translate(leaf.base.x(), leaf.base.y());
        place.rotate(leaf.angle);
        const QRectF bounds = place.mapRect(path.boundingRect()).adjusted(-20, -20, 20, 20);
        paintWrapped(painter, Size, bounds, [&] {
            painter.save();
            painter.setTransform(place, true);
            paintShadow(painter, path);
            paintLeaf(painter, leaf, path);
            painter.restore();
        });
    }
    return image;
}
