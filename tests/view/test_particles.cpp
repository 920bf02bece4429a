#include "ClueSet.h"
#include "ParticleSystem.h"

#include <QPainter>
#include <QtTest>

#include <cstdlib>
#include <functional>

namespace {

QImage render(QSize size, const std::function<void(QPainter&)>& paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}

int alphaAt(const ParticleSystem& particles, QPoint pixel, qreal scale = 1)
{
    return render(QSize(100, 100),
        [&](QPainter& p) {
            p.scale(scale, scale);
            particles.drawAll(p);
        })
        .pixelColor(pixel)
        .alpha();
}

} // namespace

class ParticlesTest : public QObject {
    Q_OBJECT

private slots:
    void ringOverwritesTheOldestSlotsUntilCleared()
    {
        ParticleSystem particles;
        QVERIFY(!particles.anyAlive());
        for (int burst = 0; burst < 101; ++burst)
            particles.spawnBurst(burst, 50, Qt::white);
        QCOMPARE(particles.cursor(), 5);
        // Slot and the burst that last wrote it.
        const std::pair<int, int> writers[] = {{0, 100}, {4, 100}, {5, 1}, {9, 1}, {499, 99}};
        for (auto [slot, burst] : writers)
            QCOMPARE(particles.particle(slot).x, float(burst));

        QVERIFY(particles.anyAlive() && alphaAt(particles, QPoint(50, 50)) > 0);
        particles.clearAll();
        QVERIFY(!particles.anyAlive() && !particles.update());
        QCOMPARE(particles.particle(7).x, 1.0f); // not moved by the step after clearing
        QCOMPARE(alphaAt(particles, QPoint(50, 50)), 0);
    }

    void burstTakesFourDrawsPerDotInOrder()
    {
        ParticleSystem particles;
        std::srand(2024);
        particles.spawnBurst(40, 60, QColor(0, 0, 0));
        const int nextDraw = std::rand();

        // Each value lies within its spread (a quarter board pixel per step for the speed), and
        // reads back to the fraction of RAND_MAX it came from: draws go to ay, ax, vy, vx in turn,
        // five dots, and the burst takes no more. Each dot lives 50 steps.
        std::srand(2024);
        for (int slot = 0; slot < 5; ++slot) {
            const Particle& p = particles.particle(slot);
            const float spreads[][2] = {{p.ay, 0.01f}, {p.ax, 0.01f}, {p.vy, 0.5f}, {p.vx, 0.5f}};
            for (auto [value, width] : spreads) {
                QVERIFY(qAbs(value) <= width / 2);
                QVERIFY(qAbs(value / width + 0.5 - std::rand() / double(RAND_MAX)) < 1e-6);
            }
            QCOMPARE(QPointF(p.x, p.y), QPointF(40, 60));
            QVERIFY(p.size == 2.0f && p.decay == 0.02f && p.life == 1.0f && p.colour == QColor(0, 0, 0));
        }
        QCOMPARE(std::rand(), nextDraw);
    }

    void dotMovesWithThePreviousVelocityAndFades()
    {
        ParticleSystem particles;
        particles.emitParticle(10, 20, 1, -2, 0.5f, 0.25f, 2, 0.25f, Qt::white);
        QVERIFY(particles.update());
        const Particle& p = particles.particle(0);
        QCOMPARE(QPointF(p.x, p.y), QPointF(11, 18));
        QVERIFY(particles.update());
        QCOMPARE(QPointF(p.x, p.y), QPointF(12.5, 16.25));
        // Its fourth step takes its life to exactly 0: dead, and it moves no more.
        QVERIFY(particles.update() && particles.update());
        QVERIFY(!particles.anyAlive() && !particles.update());
        QCOMPARE(QPointF(p.x, p.y), QPointF(12.5 + 2 + 2.5, 16.25 - 1.5 - 1.25));

        // Drawn once per frame and stepped after it, a dot fades evenly from opaque. In 32-bit
        // floats the life left after 50 steps is a sliver above 0, so a last, invisible frame is
        // drawn. The dot's own alpha is ignored; its pixel centre is the disc's centre.
        particles.emitParticle(10.5f, 10.5f, 0, 0, 0, 0, 2, 0.02f, QColor(255, 255, 255, 40));
        for (int frame = 0; frame <= 50; ++frame) {
            QVERIFY(particles.anyAlive());
            const int alpha = alphaAt(particles, QPoint(10, 10));
            QVERIFY2(qAbs(alpha - 255 * (50 - frame) / 50) <= 1, qPrintable(QString::number(alpha)));
            QVERIFY(particles.update());
        }
        QVERIFY(!particles.anyAlive());
    }

    void dotIsASoftDiscOfItsSize()
    {
        // Radius 2 at (5, 5), magnified ten times: opaque at the centre, half way at radius 1 on
        // either side, fading to nothing at the rim with no outline, nothing beyond.
        ParticleSystem particles;
        particles.emitParticle(5, 5, 0, 0, 0, 0, 2, 0.02f, Qt::red);
        const auto alpha = [&](int x) { return alphaAt(particles, QPoint(x, 50), 10); };
        QVERIFY(alpha(50) > 240);
        QVERIFY(qAbs(alpha(60) - 121) <= 8 && qAbs(alpha(39) - 121) <= 8);
        QVERIFY(alpha(69) < 20 && alpha(30) < 20);
        QCOMPARE(alpha(71) + alpha(28), 0);
    }
};

QTEST_MAIN(ParticlesTest)
#include "test_particles.moc"
