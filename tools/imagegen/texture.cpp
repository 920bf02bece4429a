// SPDX-License-Identifier: GPL-3.0-or-later
#include "texture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

Rgb mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb operator*(Rgb c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

float clamp01(float x)
{
    return std::clamp(x, 0.0f, 1.0f);
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

QImage shade(int size, const std::function<Rgb(float x, float y)>& shader)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const float fx = float(x);
            const float fy = float(y);
            const Rgb c = (shader(fx + 0.25f, fy + 0.25f) + shader(fx + 0.75f, fy + 0.25f)
                           + shader(fx + 0.25f, fy + 0.75f) + shader(fx + 0.75f, fy + 0.75f)) * 0.25f;
            auto channel = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 255.0f))); };
            line[x] = qRgb(channel(c.r), channel(c.g), channel(c.b));
        }
    }
    return image;
}

void paintWrapped(QPainter& painter, int size, const QRectF& bounds, const std::function<void()>& paint)
{
    const QRectF tile(0, 0, size, size);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPointF shift(dx * size, dy * size);
            if (!bounds.translated(shift).intersects(tile))
                continue;
            painter.save();
            painter.translate(shift);
            paint();
            painter.restore();
        }
    }
}
