// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParticleSystem.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// One std::rand() draw spread evenly over [-width / 2, width / 2]. Scaled by RAND_MAX rather
// than a fixed 32767: this C library's generator reaches 2^31 - 1, and a 15-bit divisor would
// fling dots thousands of board pixels per step.
float spread(double width)
{
    return static_cast<float>(std::rand() / double(RAND_MAX) * width - width / 2);
}

} // namespace

void ParticleSystem::emitParticle(
    float x, float y, float vx, float vy, float ax, float ay, float size, float decay, const QColor& colour)
{
    Particle& p = pool_[cursor_];
    if (p.life <= 0)
        ++alive_;
    p.x = x;
    p.y = y;
    p.vx = vx;
    p.vy = vy;
    p.ax = ax;
    p.ay = ay;
    p.size = size;
    p.decay = decay;
    p.colour = colour;
    p.life = 1;
    cursor_ = (cursor_ + 1) % capacity;
}

void ParticleSystem::spawnBurst(int x, int y, const QColor& colour)
{
    for (int i = 0; i < burstSize; ++i) {
        // Separate statements fix the order of the draws, so a seed replays the same burst.
        const float ay = spread(0.01);
        const float ax = spread(0.01);
        const float vy = spread(0.5);
        const float vx = spread(0.5);
        emitParticle(float(x), float(y), vx, vy, ax, ay, 2.0f, 0.02f, colour);
    }
}

bool ParticleSystem::update()
{
    if (alive_ == 0)
        return false;
    for (Particle& p : pool_) {
        if (p.life <= 0)
            continue;
        // The position moves with the velocity of the previous step.
        p.x += p.vx;
        p.y += p.vy;
        p.vx += p.ax;
        p.vy += p.ay;
        p.life -= p.decay;
        if (p.life <= 0)
            --alive_;
    }
    return true;
}

void ParticleSystem::clearAll()
{
    for (Particle& p : pool_)
        p.life = 0;
    alive_ = 0;
}

QRectF ParticleSystem::bounds() const
{
    QRectF all;
    if (alive_ == 0)
        return all;
    for (const Particle& p : pool_)
        if (p.life > 0)
            all |= QRectF(p.x - p.size, p.y - p.size, 2 * p.size, 2 * p.size);
    return all;
}

const ParticleSystem::Sprites& ParticleSystem::sprites(const QColor& colour, qreal radius) const
{
    for (const Sprites& made : sprites_)
        if (made.colour == colour.rgb() && made.radius == radius)
            return made;
    if (sprites_.size() >= 4)
        sprites_.clear();
    Sprites made {colour.rgb(), radius, static_cast<int>(std::ceil(radius)) + 1, {}};
    const int side = 2 * made.margin + 2;
    for (int i = 0; i < 16; ++i) {
        QImage& image = made.offsets[i];
        image = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        // A disc fading from the dot's colour at its centre to nothing at its rim.
        const QPointF centre(made.margin + (i % 4) / 4.0, made.margin + (i / 4) / 4.0);
        QRadialGradient gradient(centre, radius, centre);
        gradient.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 255));
        gradient.setColorAt(1, Qt::transparent);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawEllipse(centre, radius, radius);
    }
    sprites_.push_back(std::move(made));
    return sprites_.back();
}

void ParticleSystem::drawAll(QPainter& painter) const
{
    if (alive_ == 0)
        return;
    // Sprites are drawn unscaled, in device pixels: the dots' centres are found through the
    // painter's board transform, which must only scale and move.
    const qreal pixelRatio = painter.device()->devicePixelRatioF();
    const QTransform toDevice = painter.worldTransform() * QTransform::fromScale(pixelRatio, pixelRatio);
    painter.save();
    painter.resetTransform();
    painter.scale(1 / pixelRatio, 1 / pixelRatio);
    for (const Particle& p : pool_) {
        if (p.life <= 0)
            continue;
        const Sprites& dot = sprites(p.colour, p.size * toDevice.m11());
        const QPointF centre = toDevice.map(QPointF(p.x, p.y));
        const int quarterX = static_cast<int>(std::lround(centre.x() * 4));
        const int quarterY = static_cast<int>(std::lround(centre.y() * 4));
        const int pixelX = quarterX >> 2;
        const int pixelY = quarterY >> 2;
        // The dot's life is its opacity.
        painter.setOpacity(p.life);
        painter.drawImage(QPoint(pixelX - dot.margin, pixelY - dot.margin),
            dot.offsets[4 * (quarterY - 4 * pixelY) + (quarterX - 4 * pixelX)]);
    }
    painter.restore();
}
