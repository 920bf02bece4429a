#include "Backgrounds.h"
#include "BoardLook.h"
#include "BoardPanel.h"
#include "ClueSet.h"
#include "FramePainter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

// WCAG 2 relative luminance of a rendered pixel.
double luminance(QColor c)
{
    const auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

// A 20 x 15 game's clues on a real background: two-digit numbers side by side and beside
// one-digit ones; row 5 and column 5 are matched, so dimmed. The cells start at (110, 110).
struct Scene {
    ClueSet clues;
    BoardPanel panel;
    QPixmap background;
    FramePainter painter;

    Scene(const BoardLook& look, int backgroundIndex)
    {
        for (int x = 0; x < 20; ++x)
            clues.columnClues.push_back({10 + x % 6, x % 3 + 1});
        for (int y = 0; y < 15; ++y)
            clues.rowClues.push_back({10 + y % 11, 10 + (y + 3) % 11, y % 9 + 1});
        for (auto* list : {&clues.columnClues[5], &clues.rowClues[5]})
            for (int& value : *list)
                value = -value;
        const BackgroundStyle& style = Backgrounds::style(backgroundIndex);
        background = QPixmap(style.textureFile);
        panel.rebuild(20, 15, 4, 4, look.plateFill(style), look.plateLine(style));
        painter.setLook(look);
    }

    // [0] with the clues, [1] without, scaled.
    std::array<QImage, 2> render(float scale)
    {
        std::array<QImage, 2> images;
        for (int i = 0; i < 2; ++i) {
            images[i] = QImage(panel.image.size() * scale, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&images[i]);
            p.drawTiledPixmap(images[i].rect(), background);
            p.scale(scale, scale);
            panel.draw(p, 1.0);
            if (i == 0)
                painter.paintClues(p, clues, QPoint(110, 110), ClueHover(), 1.0);
        }
        return images;
    }
};

const char* const backgroundNames[] = {"Wood", "Leaves", "Grass", "Water"};

// A device that draws nothing and notes the transform of each text drawn on it, as a GL
// surface's engine sees it when choosing a glyph cache.
class TextTransforms : public QPaintDevice, public QPaintEngine {
public:
    TextTransforms()
        : QPaintEngine(AllFeatures)
    {
    }
    QList<QTransform> seen;

    QPaintEngine* paintEngine() const override { return const_cast<TextTransforms*>(this); }
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 1000;
        }
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override
    {
        // Where a text goes does not matter to its glyphs, only how it is scaled or turned.
        const QTransform& t = painter()->transform();
        const QTransform shape(t.m11(), t.m12(), t.m21(), t.m22(), 0, 0);
        if (!seen.contains(shape))
            seen.append(shape);
    }
    Type type() const override { return User; }
};

} // namespace

class BoardLookTest : public QObject {
    Q_OBJECT

private slots:
    void twoDigitNumbersKeepClearOfTheNextSlot()
    {
        // In both looks and at several scales, no glyph pixel (a pixel whose centre lies in the
        // last two board pixels before a slot) before each next column, row slot or the grid.
        for (bool highContrast : {false, true}) {
            for (float scale : {1.0f, 579.0f / 520, 2.0f}) {
                Scene scene(BoardLook::forSetting(highContrast), 0);
                const auto [clued, bare] = scene.render(scale);
                const auto gapClear = [&](int from, int top, int bottom) {
                    for (int x = int(from * scale); x < (from + 2) * scale; ++x) {
                        const float centre = (x + 0.5f) / scale;
                        for (int y = int(top * scale); centre >= from && centre < from + 2 && y < bottom * scale; ++y)
                            if (clued.pixel(x, y) != bare.pixel(x, y))
                                return false;
                    }
                    return true;
                };
                for (int x = 1; x <= 20; ++x)
                    QVERIFY2(gapClear(110 + 24 * x - 2, 20, 110), qPrintable(QString::number(x)));
                for (int k = 0; k < 3; ++k)
                    QVERIFY2(gapClear(110 - 20 * k - 2, 110, 110 + 24 * 15), qPrintable(QString::number(k)));
                QVERIFY(clued != bare);
            }
        }
    }

    void condensedNumbersShareOneWidthPerRoom()
    {
        // Every glyph cache the GL engine keeps for a font serves one transform, and it keeps
        // four: the clues of a board must need no more, or every frame uploads its glyphs anew.
        // Here: plain numbers, and one width each for the two-digit column and row numbers.
        Scene scene(BoardLook::standard(), 0);
        TextTransforms device;
        QPainter painter(&device);
        scene.painter.paintClues(painter, scene.clues, QPoint(110, 110), ClueHover(), 1.0);
        QCOMPARE(device.seen.size(), 3);
    }

    void highContrastNumbersReadOnEveryBackground()
    {
        // A number's contrast is that of its most inked pixel against the plate beneath that
        // pixel: at least 7:1 with High Contrast, 3:1 for dimmed numbers. The game's own look is
        // measured for comparison.
        for (int index = 0; index < 4; ++index) {
            QString figures = backgroundNames[index];
            for (bool highContrast : {false, true}) {
                Scene scene(BoardLook::forSetting(highContrast), index);
                const auto [clued, bare] = scene.render(1.0f);
                double open = 100, dimmed = 100;
                const auto measure = [&](const QRect& slot, bool isDimmed) {
                    double text = 0, plate = 0;
                    for (int y = slot.top(); y <= slot.bottom(); ++y)
                        for (int x = slot.left(); x <= slot.right(); ++x) {
                            const double l = luminance(clued.pixelColor(x, y)),
                                         under = luminance(bare.pixelColor(x, y));
                            if (std::abs(l - under) > std::abs(text - plate))
                                std::tie(text, plate) = std::make_pair(l, under);
                        }
                    double& worst = isDimmed ? dimmed : open;
                    worst = std::min(worst, (std::max(text, plate) + 0.05) / (std::min(text, plate) + 0.05));
                };
                for (int x = 0; x < 20; ++x)
                    for (int k = 0; k < 2; ++k)
                        measure(QRect(110 + 24 * x, 110 - 20 * k - 23, 24, 21), x == 5);
                for (int y = 0; y < 15; ++y)
                    for (int k = 0; k < 3; ++k)
                        measure(QRect(110 - 20 * (k + 1), 110 + 24 * y + 2, 20, 21), y == 5);
                figures += QStringLiteral(", %1 %2:1 (dimmed %3:1)")
                               .arg(highContrast ? "high contrast" : "standard")
                               .arg(open, 0, 'f', 1)
                               .arg(dimmed, 0, 'f', 1);
                if (highContrast) {
                    QVERIFY2(open >= 7 && dimmed >= 3 && dimmed < open / 2, qPrintable(figures));
                    QCOMPARE(scene.panel.image.pixelColor(300, 60).alpha(), 255);
                }
            }
            qInfo().noquote() << figures;
        }
    }
};

QTEST_MAIN(BoardLookTest)
#include "test_board_look.moc"
