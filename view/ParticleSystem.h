// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

#include <array>
#include <vector>

class QPainter;

// One glowing dot. Position and size are in board pixels, velocity in board pixels per step
// and acceleration in board pixels per step squared.
struct Particle {
    float x = 0;
    float y = 0;
    float vx = 0;
    float vy = 0;
    float ax = 0;
    float ay = 0;
    // Radius of the drawn disc.
    float size = 0;
    // 1 at birth, falling by decay each step: the dot is live while it is above 0 and it is
    // also the dot's opacity. A fresh slot is 0, so not live.
    float life = 0;
    float decay = 0;
    // Only red, green and blue are drawn; life supplies the alpha.
    QColor colour {Qt::transparent};
};

// Bursts of dots from a fixed ring of slots: nothing is allocated while playing, and when
// the ring is full the oldest dot gives way, live or not.
class ParticleSystem {
public:
    static constexpr int capacity = 500;
    static constexpr int burstSize = 5;

    // Fills the slot at the cursor with a live dot and moves the cursor on. (Not named
    // "emit": Qt defines that word away as a macro.)
    void emitParticle(
        float x, float y, float vx, float vy, float ax, float ay, float size, float decay, const QColor& colour);
    // Five dots from board point (x, y), each taking four std::rand() draws, that spread at
    // up to a quarter board pixel per step and fade out over 50 steps.
    void spawnBurst(int x, int y, const QColor& colour);
    // One step of every live dot; true when any dot was live before the step. Costs nothing
    // when none is.
    bool update();
    bool anyAlive() const { return alive_ > 0; }
    void clearAll();
    // Where the live dots are drawn, in board pixels; empty when none is live.
    QRectF bounds() const;
    // Every live dot in slot order, in the painter's current (board) coordinates.
    void drawAll(QPainter& painter) const;

    /* 0 <= slot < capacity */
    const Particle& particle(int slot) const { return pool_[slot]; }
    // The slot the next emission overwrites.
    int cursor() const { return cursor_; }

private:
    // A dot of that colour and radius, in device pixels, at full life, drawn once at each
    // quarter-pixel offset of its centre: a frame then only copies pictures.
    struct Sprites {
        QRgb colour;
        qreal radius;
        // How far the picture reaches left of and above the whole pixel of the centre.
        int margin;
        // [4 * y quarter + x quarter]
        std::array<QImage, 16> offsets;
    };
    const Sprites& sprites(const QColor& colour, qreal radius) const;

    std::array<Particle, capacity> pool_;
    int cursor_ = 0;
    int alive_ = 0;
    // A drawing cache, not part of the dots' state: the two colours at the current scale.
    mutable std::vector<Sprites> sprites_;
};