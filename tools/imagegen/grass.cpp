// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"
#include "noise.h"
#include "texture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

// Smaller than the other tiles: fine blades compress poorly, and the even
// lawn hides its repeats well.
constexpr int Size = 384;
constexpr int BladeCount = 5100;

// A lawn seen from above: thin blades that all lean roughly the same way,
// as if the grass had been brushed by the wind, layered from the dark
// undergrowth up to the sunlit tips.
void paintBlade(QPainter& painter, int index, noise::Random& random)
{
    const QPointF base(random.uniform(0, Size), random.uniform(0, Size));
    // The lean drifts slowly across the lawn, so the blades form soft swirls.
    const float drift = noise::fbm(float(base.x()) / Size, float(base.y()) / Size, 2, 2, 2, 0x1EA);
    const qreal lean = qDegreesToRadians(-90.0 + random.uniform(-32, 32) + 14.0 * drift);
    const qreal length = random.uniform(16, 36);
    const qreal halfWidth = random.uniform(0.9f, 1.8f);
    const qreal bend = random.uniform(-0.35f, 0.35f) * length;

    const QPointF along(std::cos(lean), std::sin(lean));
    const QPointF across(-along.y(), along.x());
    const QPointF tip = base + along * length + across * bend;
    const QPointF middle = base + along * (length * 0.55) + across * (bend * 0.2);

    QPainterPath blade(base - across * halfWidth);
    blade.quadTo(middle - across * halfWidth * 0.8, tip);
    blade.quadTo(middle + across * halfWidth * 0.8, base + across * halfWidth);
    blade.closeSubpath();

    const float height = float(index) / BladeCount;
    const QColor colour = QColor::fromHsvF(random.uniform(0.21f, 0.29f), random.uniform(0.55f, 0.8f),
                                           0.2f + 0.5f * height + random.uniform(0.0f, 0.08f));
    QLinearGradient light(base, tip);
    light.setColorAt(0.0, colour.darker(160));
    light.setColorAt(1.0, colour.lighter(125));

    paintWrapped(painter, Size, blade.boundingRect().adjusted(-2, -2, 2, 2), [&] {
        painter.setBrush(light);
        painter.drawPath(blade);
    });
}

}  // namespace

QImage grassTexture()
{
    // Shaded soil and thatch at the roots.
    QImage image = shade(Size, [](float x, float y) {
        const float n = noise::fbm(x / Size, y / Size, 6, 6, 3, 0x6A55);
        return mix(Rgb{22, 34, 10}, Rgb{48, 70, 22}, clamp01(0.5f + 0.7f * n));
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    noise::Random random(0x6A55);
    for (int i = 0; i < BladeCount; ++i)
        paintBlade(painter, i, random);
    return image;
}
