#include "ParticleSystem.h"

#include <QPainter>

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
    p.gradient.setRadius(size);
    p.gradient.setColorAt(1, Qt::transparent);
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
    bool anyLive = false;
    for (Particle& p : pool_) {
        if (p.life <= 0)
            continue;
        anyLive = true;
        // The position moves with the velocity of the previous step.
        p.x += p.vx;
        p.y += p.vy;
        p.vx += p.ax;
        p.vy += p.ay;
        p.life -= p.decay;
    }
    return anyLive;
}

bool ParticleSystem::anyAlive() const
{
    for (const Particle& p : pool_)
        if (p.life > 0)
            return true;
    return false;
}

void ParticleSystem::clearAll()
{
    for (Particle& p : pool_)
        p.life = 0;
}

void ParticleSystem::drawAll(QPainter& painter) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const Particle& p : pool_) {
        if (p.life <= 0)
            continue;
        // A disc fading from the dot's colour at its centre to nothing at its rim.
        p.gradient.setCenter(p.x, p.y);
        p.gradient.setFocalPoint(p.x, p.y);
        p.gradient.setColorAt(0, QColor(p.colour.red(), p.colour.green(), p.colour.blue(), int(255 * p.life)));
        painter.setBrush(p.gradient);
        painter.drawEllipse(QRectF(p.x - p.size, p.y - p.size, 2 * p.size, 2 * p.size));
    }
    painter.restore();
}
