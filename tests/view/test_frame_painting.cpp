// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"
#include "BoardLook.h"
#include "BoardScene.h"
#include "CellState.h"
#include "CellStrip.h"
#include "PuzzleCode.h"
#include "SceneGeometry.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

const QSize window(800, 600);

QImage render(const std::function<void(QPainter&)>& paint, QSize size = window)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}

bool near(QColor actual, QColor expected, int tolerance = 2)
{
    return qAbs(actual.red() - expected.red()) <= tolerance && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance && qAbs(actual.alpha() - expected.alpha()) <= tolerance;
}

// The bounding box of the pixels of an area that pass a test.
QRect inkIn(const QImage& image, QRect area, const std::function<bool(QColor)>& isInk)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixelColor(x, y)))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The alpha of one pixel of the live dots on a clear 100 x 100 image, drawn magnified.
int alphaAt(const ParticleSystem& particles, QPoint pixel, qreal scale = 1)
{
    const auto draw = [&](QPainter& p) {
        p.scale(scale, scale);
        particles.drawAll(p);
    };
    return render(draw, QSize(100, 100)).pixelColor(pixel).alpha();
}

// The board's plate as a frame draws it, at scale 1.
QImage drawn(const BoardPanel& panel)
{
    return render([&](QPainter& p) { panel.draw(p, 1.0); }, panel.size());
}

// WCAG 2 relative luminance of a rendered pixel.
double luminance(QColor c)
{
    const auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

// A session in play on an empty board whose first row and column have rs and cs clue entries,
// every other line [0], shown on the Wood panel at scale 1 with the scene's corner at (50, 40)
// of an image just large enough, with the time, faults and mode given.
struct Scene {
    Session session;
    BoardScene scene;
    QSize window;

    Scene(int columns, int rows, int rs, int cs, int seconds = 0, int faults = 0, int mode = Beginner)
    {
        PuzzleGrid board;
        board.resize(columns, rows);
        ClueSet clues;
        clues.columnClues.assign(columns, {0});
        clues.rowClues.assign(rows, {0});
        clues.columnClues[0].assign(cs, 1);
        clues.rowClues[0].assign(rs, 1);
        session.resume(mode, board, clues, board, seconds, faults);
        scene.setBackground(0);
        window = QSize(SceneGeometry::sceneExtent(rs, columns) + 100, SceneGeometry::sceneExtent(cs, rows) + 40);
        scene.showBoard(session, window, 40);
    }

    QImage render()
    {
        return ::render([&](QPainter& p) { scene.paint(p, window, session); }, window);
    }
};

// A 20 x 15 game's clues on a background's plate: two-digit numbers side by side and beside
// one-digit ones; row 5 and column 5 are matched, so dimmed. The cells start at (110, 110).
struct ClueBoard {
    ClueSet clues;
    BoardPanel panel;
    FramePainter painter;

    ClueBoard(const BoardLook& look, int backgroundIndex)
    {
        for (int x = 0; x < 20; ++x)
            clues.columnClues.push_back({10 + x % 6, x % 3 + 1});
        for (int y = 0; y < 15; ++y)
            clues.rowClues.push_back({10 + y % 11, 10 + (y + 3) % 11, y % 9 + 1});
        clues.columnClues[5] = {-15, -3};
        clues.rowClues[5] = {-15, -18, -6};
        const BackgroundStyle& style = Backgrounds::style(backgroundIndex);
        panel.rebuild(20, 15, 4, 4, look.plateFill(style), look.plateLine(style));
        painter.setLook(look);
    }

    // The plate, scaled, with the clues or without.
    QImage render(float scale, bool withClues) const
    {
        const auto draw = [&](QPainter& p) {
            p.scale(scale, scale);
            panel.draw(p, 1.0);
            if (withClues)
                painter.paintClues(p, clues, QPoint(110, 110), ClueHover(), 1.0);
        };
        return ::render(draw, panel.size() * scale);
    }
};

// An image that draws nothing and notes the transform of each text drawn on it, as a GL
// surface's engine sees it when choosing a glyph cache.
class TextTransforms : public QImage, public QPaintEngine {
public:
    TextTransforms()
        : QImage(1, 1, QImage::Format_ARGB32)
        , QPaintEngine(AllFeatures)
    {
    }
    QSet<QTransform> seen;

    QPaintEngine* paintEngine() const override { return const_cast<TextTransforms*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawTextItem(const QPointF&, const QTextItem&) override
    {
        // Where a text goes does not matter to its glyphs, only how it is scaled or turned.
        const QTransform& t = painter()->transform();
        seen.insert(QTransform(t.m11(), t.m12(), t.m21(), t.m22(), 0, 0));
    }
    Type type() const override { return User; }
};

} // namespace

class FramePaintingTest : public QObject {
    Q_OBJECT

private slots:
    void sceneFitsBelowTheMenuBarOnItsTintedPanel()
    {
        // The 20 x 15 scene with six row and five column clue slots, in the opening window, in a
        // narrow one, and with nothing laid out yet.
        const std::tuple<QSize, int, float, QPoint> fits[] = {{QSize(660, 520), 800, 579.0f / 520, {32, 21}},
            {QSize(660, 520), 400, 400.0f / 660, {0, 152}}, {QSize(), 800, 1, {0, 0}}};
        for (const auto& [size, width, scale, offset] : fits) {
            const ViewTransform view = ViewTransform::fit(size, width, 600, 21);
            QCOMPARE(view.scale, scale);
            QCOMPARE(QPoint(view.offsetX, view.offsetY), offset);
        }
        // Toward zero: a point half a board pixel left of the scene is still column 0.
        const ViewTransform doubled {2.0f, 10, 20};
        QCOMPARE(doubled.toBoard(9, 23), QPoint(0, 1));
        QCOMPARE(doubled.toBoard(51, 20), QPoint(20, 0));

        // The panel of a 5 x 5 board: clear at the corner, a translucent black shadow at the edge;
        // the information box (20, 20, 90, 90), in the line colour, ends where the plate's fill
        // begins.
        const BackgroundStyle& style = Backgrounds::style(1);
        BoardPanel panel;
        panel.rebuild(5, 5, 4, 4, style.panelFill, style.panelLine);
        const QImage image = drawn(panel);
        QCOMPARE(image.size(), QSize(260, 260));
        QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
        const QColor shadow = image.pixelColor(15, 100);
        QVERIFY(shadow.rgb() == qRgb(0, 0, 0) && shadow.alpha() > 0 && shadow.alpha() < 180);
        for (QPoint p : {QPoint(60, 60), QPoint(109, 109)})
            QVERIFY(near(image.pixelColor(p), style.panelLine, 1));
        for (QPoint p : {QPoint(150, 50), QPoint(110, 60), QPoint(60, 110)})
            QVERIFY(near(image.pixelColor(p), style.panelFill, 1));
    }

    void thePlateKeptInPartsDrawsAsTheWholeOneAtAnyScale()
    {
        const BackgroundStyle& style = Backgrounds::style(2);
        for (const auto& [columns, rows, rs, cs] : {std::tuple {20, 15, 4, 4}, std::tuple {60, 50, 12, 9},
                 std::tuple {1, 200, 1, 1}, std::tuple {120, 100, 1, 1}}) {
            BoardPanel panel;
            panel.rebuild(columns, rows, rs, cs, style.panelFill, style.panelLine);
            const QImage whole = BoardPanel::render(panel.size(), rs, cs, style.panelFill, style.panelLine);
            // Only a large plate is kept in parts, and then in far fewer pixels.
            const qint64 pixels = qint64(whole.width()) * whole.height();
            const qint64 kept = qint64(panel.image.width()) * panel.image.height();
            QVERIFY(pixels > BoardPanel::wholePlatePixels ? kept < pixels / 2 : kept == pixels);
            for (const qreal scale : {0.5, 0.77, 1.0, 1.37}) {
                const auto at = [&](const std::function<void(QPainter&)>& draw) {
                    return ::render(
                        [&](QPainter& p) {
                            p.setRenderHint(QPainter::SmoothPixmapTransform);
                            // Whole pixels, as the view places the scene.
                            p.translate(3, 1);
                            p.scale(scale, scale);
                            draw(p);
                        },
                        panel.size() * scale + QSize(4, 2));
                };
                const QImage parts = at([&](QPainter& p) { panel.draw(p, 1.0); });
                const QImage expected = at([&](QPainter& p) { p.drawImage(QPoint(0, 0), whole); });
                // Premultiplied, as drawn: unpremultiplying a faint pixel magnifies its rounding,
                // and filtering rounds a stretch a little differently from the whole plate.
                int worst = 0;
                for (int y = 0; y < parts.height(); ++y)
                    for (int x = 0; x < parts.width(); ++x) {
                        const QRgb a = parts.pixel(x, y), b = expected.pixel(x, y);
                        worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                    }
                QVERIFY2(worst <= 3,
                    qPrintable(QStringLiteral("%1x%2 at %3: off by %4").arg(columns).arg(rows).arg(scale).arg(worst)));
            }
        }
    }

    void cluesRiseFromTheBoardAndDimWhenMatched()
    {
        // Numbers start at their slot's left edge: column lists rise from the board and row
        // lists run left from it, the far-end run nearest the cells. Matched lines and [0] fade;
        // the hovered line takes the highlight colour.
        ClueSet clues;
        clues.columnClues = {{2, 1}, {-3}, {0}};
        clues.rowClues = {{1, 2}, {-4}};
        ClueHover hover {0, -1, QColor(200, 0, 0)};
        const QColor white(255, 255, 255), faded(255, 255, 255, 76), red(200, 0, 0);
        const QPoint baselines[] = {{115, 105}, {115, 85}, {139, 105}, {163, 105}, {90, 130}, {70, 130}, {90, 154}};
        QColor colours[] = {red, red, faded, faded, white, white, faded};
        const auto matches = [&] {
            const QImage expected = ::render([&](QPainter& p) {
                p.setFont(painter_.clueFont());
                for (int i = 0; i < 7; ++i) {
                    p.setPen(colours[i]);
                    p.drawText(baselines[i], QString(QChar("2130124"[i])));
                }
            });
            return expected == ::render([&](QPainter& p) { painter_.paintClues(p, clues, {110, 110}, hover, 1.0); });
        };
        QVERIFY(matches());

        // While marking, the hovered row takes the pencil blue, still faded when matched.
        hover = {-1, 1, QColor(0, 0, 230)};
        colours[0] = colours[1] = white;
        colours[6] = QColor(0, 0, 230, 76);
        QVERIFY(matches());

        // A settled number fades on its own in a line that does not match: the top "1" of
        // column 0 (entry 1) and the right "1" of row 0 (entry 0); their neighbours stay.
        clues.columnSettled = {0b10, 0, 0};
        clues.rowSettled = {0b01, 0};
        colours[1] = colours[4] = faded;
        QVERIFY(matches());

        // In the window the hovered column's numbers are red in play and blue while marking.
        Scene scene(5, 5, 3, 3, 0, 0, Normal);
        scene.scene.setHover(0, -1);
        const QPoint cell = scene.scene.layout().cellCentreInWindow(0, 0);
        const auto inkIs = [&](const std::function<bool(QColor)>& hue) {
            return !inkIn(scene.render(), QRect(cell.x() - 10, cell.y() - 72, 20, 58), hue).isEmpty();
        };
        const auto reddish = [](QColor c) { return c.red() > c.blue() + 100; };
        const auto bluish = [](QColor c) { return c.blue() > c.red() + 100; };
        QVERIFY(inkIs(reddish) && !inkIs(bluish));
        scene.session.startMarking();
        QVERIFY(inkIs(bluish) && !inkIs(reddish));
    }

    void numbersKeepClearShareOneWidthPerRoomAndReadInHighContrast()
    {
        // At several scales, no glyph pixel (a pixel whose centre lies in the last two board
        // pixels before a slot) before each next column, row slot or the grid.
        const ClueBoard board(BoardLook::standard(), 0);
        for (float scale : {1.0f, 579.0f / 520, 2.0f}) {
            const QImage clued = board.render(scale, true), bare = board.render(scale, false);
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
        }

        // Every glyph cache the GL engine keeps for a font serves one transform, and it keeps
        // four: the clues of a board must need no more, or every frame uploads its glyphs anew.
        // Here: plain numbers, and one width each for the two-digit column and row numbers.
        TextTransforms device;
        QPainter painter(&device);
        board.painter.paintClues(painter, board.clues, QPoint(110, 110), ClueHover(), 1.0);
        QCOMPARE(device.seen.size(), 3);

        // In high contrast, a line's numbers contrast as their most inked pixel against the plate
        // beneath it: at least 7:1, and 3:1 for the dimmed numbers of column and row 5, which must
        // still look fainter.
        for (int index = 0; index < Backgrounds::count; ++index) {
            const ClueBoard board(BoardLook::highContrast(), index);
            const QImage clued = board.render(1, true), bare = board.render(1, false);
            double open = 100, dimmed = 100;
            // Columns 0 to 19, then rows 0 to 14.
            for (int line = 0; line < 35; ++line) {
                const QRect slot
                    = line < 20 ? QRect(110 + 24 * line, 47, 24, 61) : QRect(50, 112 + 24 * (line - 20), 60, 21);
                double text = 0, plate = 0;
                for (int y = slot.top(); y <= slot.bottom(); ++y)
                    for (int x = slot.left(); x <= slot.right(); ++x) {
                        const double l = luminance(clued.pixelColor(x, y)), under = luminance(bare.pixelColor(x, y));
                        if (std::abs(l - under) > std::abs(text - plate))
                            std::tie(text, plate) = std::make_pair(l, under);
                    }
                double& worst = line % 20 == 5 ? dimmed : open;
                worst = std::min(worst, (std::max(text, plate) + 0.05) / (std::min(text, plate) + 0.05));
            }
            QVERIFY2(open >= 7 && dimmed >= 3 && dimmed < open / 2,
                qPrintable(QStringLiteral("background %1: %2:1, dimmed %3:1").arg(index).arg(open).arg(dimmed)));
            // The texture loads, and the plate is opaque so that none of it shows behind the numbers.
            QVERIFY(!QImage(Backgrounds::style(index).textureFile).isNull());
            QCOMPARE(drawn(board.panel).pixelColor(300, 60).alpha(), 255);
        }
    }

    void cellsShowTheirTilesAndBlocksOfFiveWhateverTheStrip()
    {
        PuzzleGrid board;
        board.resize(15, 10);
        board.cells[0][0] = 3;
        board.cells[1][0] = 4;
        board.cells[2][0] = 7;
        const QImage image = ::render([&](QPainter& p) { painter_.paintCells(p, board, QPoint(30, 30), 1.0); });
        const QImage strip = painter_.cellTexture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Inside a tile, clear of the grid lines.
        const auto inside = [](const QImage& image, int x, int y) { return image.copy(x + 3, y + 3, 18, 18); };
        QVERIFY(inside(strip, 72, 0) != inside(strip, 96, 0));
        QCOMPARE(inside(image, 30, 30), inside(strip, 72, 0));
        QCOMPARE(inside(image, 54, 30), inside(strip, 96, 0));
        QCOMPARE(inkIn(image, QRect(81, 33, 18, 18), [](QColor c) { return c.alpha() > 0; }), QRect());

        // Red bands, two pixels either side of the grid line, after row 5 and columns 5 and 10;
        // none on the border or a line early.
        const auto red = [&](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c.red() > 170 && c.green() < 40 && c.alpha() >= 180;
        };
        for (int x = 42; x < 390; x += 24)
            QVERIFY(red(x, 30 + 24 * 5 - 2) && red(x, 30 + 24 * 5) && !red(x, 30 + 24 * 4) && !red(x, 30 + 24 * 10));
        for (int y = 42; y < 270; y += 24)
            QVERIFY(red(150, y) && red(270, y) && !red(126, y) && !red(174, y) && !red(390, y));

        // A missing or short strip is replaced by one drawn plainly.
        const auto argb = [](const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); };
        QFile cells("Images/cell.png");
        QVERIFY(cells.open(QIODevice::ReadOnly));
        const QImage picture = argb(CellStrip::load(cells.readAll()));
        QCOMPARE(picture, argb(QPixmap("Images/cell.png")));
        QByteArray small;
        QBuffer smallFile(&small);
        QVERIFY(smallFile.open(QIODevice::WriteOnly) && QImage(24, 24, QImage::Format_ARGB32).save(&smallFile, "PNG"));
        for (const QByteArray& file : {QByteArray(), small}) {
            const QImage strip = argb(CellStrip::load(file));
            QCOMPARE(strip.size(), picture.size());
            const auto tile = [&](int code) { return strip.copy(24 * code, 0, 24, 24); };
            const auto opaque = [&](int code, int x, int y) { return tile(code).pixelColor(x, y).alpha() > 100; };
            // Blank is clear; every code has a look of its own, visible in the middle of its
            // tile; a fill covers its tile, a cross only its diagonals.
            QCOMPARE(inkIn(tile(0), tile(0).rect(), [](QColor c) { return c.alpha() > 100; }), QRect());
            for (int code = 1; code <= 4; ++code) {
                QVERIFY2(opaque(code, 12, 12), qPrintable(QString::number(code)));
                for (int other = 1; other < code; ++other)
                    QVERIFY(tile(code) != tile(other));
            }
            QVERIFY(opaque(1, 12, 5) && !opaque(2, 12, 5));
        }
    }

    void infoTextIsCentredInItsBoxAndFitsAtEverySize()
    {
        // Mode, time, faults and the difficulty, centred in the information box (20, 20, 130,
        // 110) of a scene at (50, 40), less the gap it keeps from the clues right and below.
        Scene scene(20, 15, 6, 5);
        QVERIFY(scene.session.difficulty().hardestTechnique > 0);
        const auto white = [](QColor c) { return c.lightness() > 245; };
        const QRect ink = inkIn(scene.render(), QRect(70, 60, 130, 110), white);
        QVERIFY(qAbs(ink.center().x() - (50 + 82)) <= 2 && qAbs(ink.center().y() - (40 + 72)) <= 4);
        QVERIFY(ink.height() > 70);
        // In a box of four slots (20, 20, 90, 90) the difficulty line shrinks to the box's width
        // on its own, rather than make the lines above it smaller.
        const QRect narrow = inkIn(Scene(20, 15, 4, 4).render(), QRect(50, 60, 115, 90), white);
        QVERIFY(narrow.left() > 70 && narrow.right() < 159 && narrow.height() > 60);
        QVERIFY(qAbs(narrow.center().y() - (40 + 65)) <= 4);

        // That box with the longest texts, in windows from the smallest the game allows to very
        // large: inside, and shrunk no more than needed.
        Scene small(20, 15, 4, 4, 100000, 999);
        for (QSize size : {QSize(400, 400), QSize(800, 600), QSize(3000, 700), QSize(450, 1400)}) {
            small.window = size;
            small.scene.setRoom(size, 21);
            const ViewTransform& view = small.scene.layout().transform();
            const QTransform toWindow(view.scale, 0, 0, view.scale, view.offsetX, view.offsetY);
            // Up to where the clues begin.
            const QRect corner = toWindow.mapRect(QRect(0, 0, 109, 109));
            const QRect ink = inkIn(small.render(), corner, [](QColor c) { return c.lightness() > 200; });
            QVERIFY(toWindow.mapRect(QRectF(21, 21, 88, 88)).contains(QRectF(ink)) && ink.width() > 70 * view.scale);
        }
    }

    void theInfoBoxKeepsClearOfTheCluesAndItsSmallPrintReadable()
    {
        // A 10x10 game with the longest code, a long time and many faults, in 800 x 600.
        Scene scene(10, 10, 4, 4);
        PuzzleGrid board;
        board.resize(10, 10);
        scene.session.resume(
            Normal, board, scene.session.game().clues(), board, 5999, 12, PuzzleCode {10, 10, 0xFFFFFFFFu});
        scene.window = QSize(800, 600);
        scene.scene.setRoom(scene.window, 21);
        const QImage image = scene.render();
        const ViewTransform& view = scene.scene.layout().transform();
        const QTransform toWindow(view.scale, 0, 0, view.scale, view.offsetX, view.offsetY);
        // Left of the first column's clues and above the first row's, with room to spare.
        const auto white = [](QColor c) { return c.lightness() > 245; };
        const QRect ink = inkIn(image, toWindow.mapRect(QRect(0, 0, 110, 110)), white);
        const QPointF clear = toWindow.map(QPointF(110 - 4, 110 - 4));
        QVERIFY2(ink.right() < clear.x() && ink.bottom() < clear.y(),
            qPrintable(QString("%1 %2 %3 %4").arg(ink.right()).arg(ink.bottom()).arg(clear.x()).arg(clear.y())));
        // The code's line, the lowest, stands at least 10 pixels tall, its digits a full height.
        int top = ink.bottom();
        while (top > ink.top() && !inkIn(image, QRect(ink.left(), top - 1, ink.width(), 1), white).isEmpty())
            --top;
        QVERIFY2(ink.bottom() - top + 1 >= 10, qPrintable(QString::number(ink.bottom() - top + 1)));
    }

    void marksModeShowsAroundTheCells()
    {
        // A frame in the marks' colour around the cells, all the time marks mode is on (its
        // repaint is test_frame_updates' to check).
        Scene scene(10, 10, 4, 4, 0, 0, Normal);
        scene.window = QSize(800, 600);
        scene.scene.setRoom(scene.window, 21);
        const auto blue = [](QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; };
        const ViewTransform& view = scene.scene.layout().transform();
        const QRect around = view.toWindow(SceneGeometry::marksFrame(scene.scene.layout().origin(), 10, 10));
        const QRect cells = view.toWindow(QRectF(110, 110, 240, 240)).adjusted(3, 3, -3, -3);
        const auto frameInk = [&](const QImage& image) {
            QRegion ink(inkIn(image, around, blue));
            return ink.subtracted(cells).boundingRect();
        };
        QCOMPARE(frameInk(scene.render()), QRect());
        scene.session.startMarking();
        const QImage marking = scene.render();
        // On every side of the cells, outside them.
        const QRect frame = frameInk(marking);
        QVERIFY(frame.contains(cells.adjusted(-6, -6, 6, 6)) && around.contains(frame));
    }

    void faultMarkAndHintDrawOverTheBoard()
    {
        // The mark's corner stands 10 pixels above and left of the pointer, and stays put while
        // the mark grows and fades out.
        Scene scene(20, 15, 6, 5);
        const QImage plain = scene.render();
        scene.scene.answer({Session::Event::Kind::Fault, 0, 0, 0, true, 560, 160});
        QTimeLine& mark = scene.scene.view().faultMark;
        mark.setEasingCurve(QEasingCurve::Linear);
        QRect grown[2];
        for (int i = 0; i < 2; ++i) {
            mark.setCurrentTime(375 * (i + 1));
            const QImage marked = scene.render();
            for (int y = 180; y < 300; ++y)
                for (int x = 590; x < 710; ++x)
                    if (marked.pixel(x, y) != plain.pixel(x, y))
                        grown[i] |= QRect(x, y, 1, 1);
            QVERIFY((grown[i].topLeft() - QPoint(50 + 550, 40 + 150)).manhattanLength() <= 1);
        }
        QVERIFY(grown[1].width() > grown[0].width() + 2);

        // The hint darkens all but its line and clues: row 2 unscaled, column 3 fitted into an
        // 800 x 600 window where the shading's seams fall between window pixels. Bands in board
        // pixels, with the cells from (150, 130), 23 pixels across.
        for (const QRectF band : {QRectF(30, 178, 600, 23), QRectF(222, 30, 23, 460)}) {
            const bool isRow = band.width() > band.height();
            scene.window = isRow ? scene.window : window;
            scene.scene.setRoom(scene.window, isRow ? 40 : 21);
            scene.scene.hideHint();
            const QImage plain = scene.render();
            scene.scene.showHint(isRow, isRow ? 2 : 3);
            const QImage hinted = scene.render();
            // A pixel is kept when its centre lies in the band, otherwise shaded once by 50%
            // black: never twice, never missed.
            const ViewTransform& view = scene.scene.layout().transform();
            for (int i = 0; i < scene.window.width() * scene.window.height(); ++i) {
                const QPoint p(i % scene.window.width(), i / scene.window.width());
                const QPointF centre = QPointF(p.x() + 0.5 - view.offsetX, p.y() + 0.5 - view.offsetY) / view.scale;
                const QRgb before = plain.pixel(p);
                const bool isKept = hinted.pixel(p) == before;
                QVERIFY2(isKept == band.contains(centre), qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
                QVERIFY(isKept
                    || near(hinted.pixelColor(p), QColor(qRed(before) / 2, qGreen(before) / 2, qBlue(before) / 2)));
            }
        }
        // The dissolve's bursts show over the shade, dark for a filled cell and white for a
        // crossed one.
        const QPoint at = scene.scene.layout().transform().toWindow({60, 60});
        const QColor shaded = scene.render().pixelColor(at);
        scene.scene.answer({Session::Event::Kind::Dissolved, 0, 0, Filled, true, 60, 60});
        QVERIFY(scene.render().pixelColor(at).lightness() < shaded.lightness() - 10);
        scene.scene.answer({Session::Event::Kind::Dissolved, 0, 0, Crossed, true, 60, 60});
        QVERIFY(scene.render().pixelColor(at).lightness() > 240);
    }

    void creatingShowsOnlyTheTextOverTheBackground()
    {
        // Over the Wood texture, tiled from the window's corner, every pixel is the texture's
        // or lighter: no panel, clues or cells, only white text in the middle.
        Scene scene(5, 5, 3, 3);
        scene.window = window;
        scene.session.begin(5, 5, Beginner);
        scene.scene.showCreating(window, 21);
        const QImage image = scene.render();
        const QPixmap& texture = scene.scene.background();
        const QImage wood = ::render([&](QPainter& p) { p.drawTiledPixmap(QRect({}, window), texture); });
        for (int i = 0; i < 800 * 600; i += 7) {
            const QPoint p(i % 800, i / 800);
            QVERIFY(image.pixelColor(p).lightness() >= wood.pixelColor(p).lightness() - 2);
        }
        const QRect ink = inkIn(image, image.rect(), [](QColor c) { return c.lightness() > 240; });
        QVERIFY(ink.width() > 100 && qAbs(ink.center().x() - 400) <= 3 && qAbs(ink.center().y() - 300) <= 4);
    }

    void dotsBurstFromARingMoveFadeAndDrawAsSoftDiscs()
    {
        // 101 bursts of five overwrite the ring's oldest slots (slot, and the burst that last
        // wrote it). A burst's dots start at its point, part at up to a quarter board pixel per
        // step and live 50 steps.
        ParticleSystem particles;
        for (int burst = 0; burst < 101; ++burst)
            particles.spawnBurst(burst, 50, Qt::white);
        for (auto [slot, burst] : std::initializer_list<std::pair<int, int>> {{0, 100}, {4, 100}, {5, 1}, {499, 99}})
            QCOMPARE(particles.particle(slot).x, float(burst));
        for (int slot = 0; slot < 5; ++slot) {
            const Particle& p = particles.particle(slot);
            QVERIFY(p.y == 50 && p.size == 2 && p.life == 1 && p.decay == 0.02f && p.colour == Qt::white);
            QVERIFY(qAbs(p.vx) <= 0.25f && qAbs(p.vy) <= 0.25f && qAbs(p.ax) <= 0.005f && qAbs(p.ay) <= 0.005f);
        }
        QVERIFY(particles.particle(0).vx != particles.particle(1).vx);
        particles.clearAll();
        QVERIFY(!particles.anyAlive() && !particles.update());

        // A dot moves with the previous step's velocity; its fourth step takes its life to
        // exactly 0: dead, and it moves no more.
        ParticleSystem dots;
        dots.emitParticle(10, 20, 1, -2, 0.5f, 0.25f, 2, 0.25f, Qt::white);
        const Particle& p = dots.particle(0);
        QVERIFY(dots.update() && dots.update());
        QCOMPARE(QPointF(p.x, p.y), QPointF(12.5, 16.25));
        QVERIFY(dots.update() && dots.update() && !dots.anyAlive() && !dots.update());
        QCOMPARE(QPointF(p.x, p.y), QPointF(12.5 + 2 + 2.5, 16.25 - 1.5 - 1.25));

        // Drawn once per frame and stepped after it, a dot fades evenly from opaque. In 32-bit
        // floats the life left after 50 steps is a sliver above 0, so a last, invisible frame is
        // drawn. The dot's own alpha is ignored; its pixel centre is the disc's centre.
        dots.emitParticle(10.5f, 10.5f, 0, 0, 0, 0, 2, 0.02f, QColor(255, 255, 255, 40));
        for (int frame = 0; frame <= 50; ++frame) {
            const int alpha = alphaAt(dots, QPoint(10, 10));
            QVERIFY2(qAbs(alpha - 255 * (50 - frame) / 50) <= 1, qPrintable(QString::number(alpha)));
            QVERIFY(dots.anyAlive() && dots.update());
        }
        QVERIFY(!dots.anyAlive());

        // Radius 2 at (5, 5), magnified ten times: opaque at the centre, half way at radius 1 on
        // either side, fading to nothing at the rim with no outline, nothing beyond.
        dots.emitParticle(5, 5, 0, 0, 0, 0, 2, 0.02f, Qt::red);
        const auto alpha = [&](int x) { return alphaAt(dots, QPoint(x, 50), 10); };
        QVERIFY(qAbs(alpha(60) - 121) <= 8 && qAbs(alpha(39) - 121) <= 8);
        QVERIFY(alpha(69) < 20 && alpha(30) < 20 && alpha(71) + alpha(28) == 0);
    }

private:
    FramePainter painter_;
};

QTEST_MAIN(FramePaintingTest)
#include "test_frame_painting.moc"
