#include "ClueSet.h"
#include "FramePainter.h"
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
    void clearAllEmptiesThePool();
    void ringOverwritesTheOldestSlots();
    void burstTakesFourDrawsPerDotInOrder();
    void positionMovesWithThePreviousVelocity();
    void dotFadesOutOverFiftyOneFrames();
    void dotIsASoftDiscOfItsSize();
    void frameDrawsDotsOverTheHintOverlay();
};

void ParticlesTest::clearAllEmptiesThePool()
{
    ParticleSystem particles;
    QVERIFY(!particles.anyAlive());
    particles.spawnBurst(20, 20, Qt::white);
    particles.spawnBurst(50, 50, Qt::white);
    QVERIFY(particles.anyAlive());
    particles.clearAll();
    QVERIFY(!particles.anyAlive());
    QVERIFY(!particles.update());
    QCOMPARE(particles.particle(7).x, 50.0f); // not moved by the step after clearing
    QCOMPARE(alphaAt(particles, QPoint(20, 20)) + alphaAt(particles, QPoint(50, 50)), 0);
}

void ParticlesTest::ringOverwritesTheOldestSlots()
{
    ParticleSystem particles;
    for (int burst = 0; burst < 101; ++burst)
        particles.spawnBurst(burst, 0, Qt::white);
    QCOMPARE(particles.cursor(), 5);
    // Slot and the burst that last wrote it.
    const std::pair<int, int> writers[] = {{0, 100}, {4, 100}, {5, 1}, {9, 1}, {499, 99}};
    for (auto [slot, burst] : writers)
        QCOMPARE(particles.particle(slot).x, float(burst));
}

void ParticlesTest::burstTakesFourDrawsPerDotInOrder()
{
    ParticleSystem particles;
    std::srand(2024);
    particles.spawnBurst(40, 60, QColor(0, 0, 0));
    const int nextDraw = std::rand();

    // Each value lies within its spread (a quarter board pixel per step for the speed), and
    // reads back to the fraction of RAND_MAX it came from: draws go to ay, ax, vy, vx in turn,
    // five dots, and the burst takes no more.
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

void ParticlesTest::positionMovesWithThePreviousVelocity()
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
}

void ParticlesTest::dotFadesOutOverFiftyOneFrames()
{
    // Drawn once per frame and stepped after it. In 32-bit floats the life left after 50
    // steps is a sliver above 0, so a last, invisible frame is drawn.
    const int alphas[] = {255, 249, 244, 239, 234, 229, 224, 219, 214, 209, 204, 198, 193, 188, 183, 178, 173, 168, 163,
        158, 153, 147, 142, 137, 132, 127, 122, 117, 112, 107, 102, 96, 91, 86, 81, 76, 71, 66, 61, 56, 51, 45, 40, 35,
        30, 25, 20, 15, 10, 5, 0};
    ParticleSystem particles;
    // The dot's own alpha is ignored; its pixel centre is the disc's centre.
    particles.emitParticle(10.5f, 10.5f, 0, 0, 0, 0, 2, 0.02f, QColor(255, 255, 255, 40));
    for (int frame = 0; frame <= 50; ++frame) {
        QVERIFY(particles.anyAlive());
        QVERIFY(qAbs(particles.particle(0).life - (1 - 0.02 * frame)) < 1e-5);
        QCOMPARE(alphaAt(particles, QPoint(10, 10)), alphas[frame]);
        QVERIFY(particles.update());
    }
    QVERIFY(!particles.anyAlive());
}

void ParticlesTest::dotIsASoftDiscOfItsSize()
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

void ParticlesTest::frameDrawsDotsOverTheHintOverlay()
{
    ClueSet clues;
    Frame frame;
    frame.content = Frame::Content::Board;
    frame.clues = &clues;
    frame.hintShown = true; // on row 0 at board y 110 to 132, away from the dot
    frame.boardX = frame.boardY = 110;
    frame.scale = 2;
    frame.offsetX = 10;
    frame.offsetY = 20;
    ParticleSystem particles;
    particles.emitParticle(300.25f, 150.25f, 0, 0, 0, 0, 2, 0.02f, Qt::red);

    const FramePainter painter;
    const auto pixel = [&](const Frame& f) {
        return render(QSize(800, 600), [&](QPainter& p) { painter.paint(p, QSize(800, 600), f); }).pixelColor(610, 320);
    };
    QCOMPARE(pixel(frame), QColor(0, 0, 0, 128));
    frame.particles = &particles;
    QCOMPARE(pixel(frame), QColor(Qt::red));
    frame.content = Frame::Content::Creating;
    QCOMPARE(pixel(frame).alpha(), 0);
}

QTEST_MAIN(ParticlesTest)
#include "test_particles.moc"
