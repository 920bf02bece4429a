// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <functional>

class QPainter;

// Colour arithmetic in floating point, 0..255 per channel, so that shading
// can overshoot freely and is clamped only once when the pixel is stored.
struct Rgb {
    float r, g, b;
};

Rgb mix(Rgb a, Rgb b, float t);
Rgb operator*(Rgb c, float k);
Rgb operator+(Rgb a, Rgb b);

float clamp01(float x);
float smoothstep(float edge0, float edge1, float x);

// A size x size opaque image; each pixel averages shader(x, y) at four points
// inside it, which keeps hard edges in the pattern from turning into stairs.
QImage shade(int size, const std::function<Rgb(float x, float y)>& shader);

// Runs paint once for every whole-tile shift of the painter that brings
// `bounds` into the size x size tile, so a shape hanging over one edge comes
// back in at the opposite edge and the texture stays seamless.
void paintWrapped(QPainter& painter, int size, const QRectF& bounds, const std::function<void()>& paint);
