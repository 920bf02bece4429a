#include "Backgrounds.h"
#include "BoardPanel.h"
#include "CellStrip.h"
#include "ClueSet.h"
#include "FramePainter.h"
#include "PuzzleGrid.h"
#include "SceneGeometry.h"
#include "ViewTransform.h"

#include <QPainter>
#include <QtTest>

#include <functional>
#include <tuple>

namespace {

const QSize window(800, 600);

// A laid-out game on the Wood panel: an empty board whose first row and column have rs and
// cs clue entries, every other line [0].
struct Scene {
    PuzzleGrid board;
    ClueSet clues;
    BoardPanel panel;
    QFont infoFont {QStringLiteral("Comfortaa"), 14, QFont::Bold};
    Frame frame;

    Scene(int columns, int rows, int rs, int cs)
    {
        board.resize(columns, rows);
        clues.columnClues.assign(columns, {0});
        clues.rowClues.assign(rows, {0});
        clues.columnClues[0].assign(cs, 1);
        clues.rowClues[0].assign(rs, 1);
        panel.rebuild(columns, rows, rs, cs, Backgrounds::style(0).panelFill, Backgrounds::style(0).panelLine);
        board.originX = clues.originX = panel.originX = frame.boardX = SceneGeometry::boardOrigin(rs);
        board.originY = clues.originY = panel.originY = frame.boardY = SceneGeometry::boardOrigin(cs);
        frame.content = Frame::Content::Board;
        frame.panel = &panel;
        frame.clues = &clues;
        frame.board = &board;
        frame.columns = columns;
        frame.rows = rows;
        frame.infoFont = &infoFont;
        frame.modeText = frame.timeText = frame.faultsText = QStringLiteral("0");
    }

    // As the opening window shows it: 800 x 600 under a 21-pixel menu bar.
    void fitIntoWindow()
    {
        const ViewTransform view = ViewTransform::fit(panel.image.size(), window.width(), window.height(), 21);
        frame.scale = view.scale;
        frame.offsetX = view.offsetX;
        frame.offsetY = view.offsetY;
    }
};

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

} // namespace

class FramePaintingTest : public QObject {
    Q_OBJECT

private slots:
    void sceneFitsBelowTheMenuBar()
    {
        // The 20 x 15 scene with six row and five column clue slots, in the opening window, in a
        // narrow one, and with nothing laid out yet.
        const QSize scene(SceneGeometry::sceneExtent(6, 20), SceneGeometry::sceneExtent(5, 15));
        QCOMPARE(scene, QSize(660, 520));
        const std::tuple<QSize, int, float, QPoint> fits[]
            = {{scene, 800, 579.0f / 520, {32, 21}}, {scene, 400, 400.0f / 660, {0, 152}}, {QSize(), 800, 1, {0, 0}}};
        for (const auto& [size, width, scale, offset] : fits) {
            const ViewTransform view = ViewTransform::fit(size, width, 600, 21);
            QCOMPARE(view.scale, scale);
            QCOMPARE(QPoint(view.offsetX, view.offsetY), offset);
        }

        // Toward zero: a point half a board pixel left of the scene is still column 0.
        const ViewTransform doubled {2.0f, 10, 20};
        QCOMPARE(doubled.toBoard(9, 23), QPoint(0, 1));
        QCOMPARE(doubled.toBoard(51, 20), QPoint(20, 0));
    }

    void panelIsTintedForTheBackground()
    {
        for (int index = 0; index < Backgrounds::count; ++index) {
            const BackgroundStyle& style = Backgrounds::style(index);
            QVERIFY(!QImage(style.textureFile).isNull());
            // The information box is the plate's hue, darker.
            QVERIFY(style.panelLine.lightness() < style.panelFill.lightness());
            BoardPanel panel;
            panel.rebuild(5, 5, 4, 4, style.panelFill, style.panelLine);
            const QImage& image = panel.image;
            QCOMPARE(image.size(), QSize(260, 260));

            QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
            const QColor shadow = image.pixelColor(15, 100);
            QVERIFY(shadow.rgb() == qRgb(0, 0, 0) && shadow.alpha() > 0 && shadow.alpha() < 180);
            // The information box (20, 20, 90, 90) ends where the plate's fill begins.
            for (QPoint p : {QPoint(60, 60), QPoint(109, 109)})
                QVERIFY(near(image.pixelColor(p), style.panelLine, 1));
            for (QPoint p : {QPoint(150, 50), QPoint(110, 60), QPoint(60, 110)})
                QVERIFY(near(image.pixelColor(p), style.panelFill, 1));
        }
    }

    void cluesRiseFromTheBoardAndDimWhenMatched()
    {
        // Numbers start at their slot's left edge: column lists rise from the board and row
        // lists run left from it, the far-end run nearest the cells. Matched lines and [0] fade;
        // the hovered line takes the highlight colour.
        ClueSet clues;
        clues.originX = clues.originY = 110;
        clues.columnClues = {{2, 1}, {-3}, {0}};
        clues.rowClues = {{1, 2}, {-4}};
        struct Number {
            QPoint baseline;
            const char* text;
            QColor colour;
        };
        const auto expected = [&](const std::vector<Number>& numbers) {
            return ::render([&](QPainter& p) {
                p.setFont(painter_.clueFont());
                for (const Number& n : numbers) {
                    p.setPen(n.colour);
                    p.drawText(n.baseline, n.text);
                }
            });
        };
        const auto painted = [&] { return ::render([&](QPainter& p) { painter_.paintClues(p, clues, 1.0); }); };
        const QColor white(255, 255, 255), faded(255, 255, 255, 76), red(200, 0, 0);
        std::vector<Number> numbers = {{{115, 105}, "2", red}, {{115, 85}, "1", red}, {{139, 105}, "3", faded},
            {{163, 105}, "0", faded}, {{90, 130}, "1", white}, {{70, 130}, "2", white}, {{90, 154}, "4", faded}};
        clues.hoverColumn = 0;
        clues.highlightRed = 200;
        QCOMPARE(painted(), expected(numbers));

        // While marking, the hovered row takes the pencil blue, still faded when matched.
        clues.hoverColumn = -1;
        clues.hoverRow = 1;
        clues.highlightRed = 0;
        clues.highlightBlue = 230;
        numbers[0].colour = numbers[1].colour = white;
        numbers[6].colour = QColor(0, 0, 230, 76);
        QCOMPARE(painted(), expected(numbers));

        // A settled number fades on its own in a line that does not match: the top "1" of
        // column 0 (entry 1) and the right "1" of row 0 (entry 0); their neighbours stay.
        clues.columnSettled = {0b10, 0, 0};
        clues.rowSettled = {0b01, 0};
        numbers[1].colour = numbers[4].colour = faded;
        QCOMPARE(painted(), expected(numbers));
    }

    void cellsShowTheirTilesAndBlocksOfFive()
    {
        PuzzleGrid board;
        board.resize(15, 10);
        board.originX = board.originY = 30;
        board.cells[0][0] = 3;
        board.cells[1][0] = 4;
        board.cells[2][0] = 7;
        const QImage image = ::render([&](QPainter& p) { painter_.paintCells(p, board, 1.0); });
        QImage strip = painter_.cellTexture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QRect inside(3, 3, 18, 18); // clear of the grid lines
        QVERIFY(strip.copy(inside.translated(72, 0)) != strip.copy(inside.translated(96, 0)));
        QCOMPARE(image.copy(inside.translated(30, 30)), strip.copy(inside.translated(72, 0)));
        QCOMPARE(image.copy(inside.translated(54, 30)), strip.copy(inside.translated(96, 0)));
        QCOMPARE(inkIn(image, inside.translated(78, 30), [](QColor c) { return c.alpha() > 0; }), QRect());

        // Red bands (over the grid line) after row 5 and columns 5 and 10, none on the border or
        // a line early.
        QVERIFY(near(image.pixelColor(42, 30 + 24 * 5 - 2), QColor(178, 0, 0, 180)));
        const auto red = [&](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c.red() > 170 && c.green() < 40 && c.alpha() >= 180;
        };
        for (int x = 42; x < 390; x += 24)
            QVERIFY(red(x, 30 + 24 * 5) && !red(x, 30 + 24 * 4) && !red(x, 30 + 24 * 10));
        for (int y = 42; y < 270; y += 24)
            QVERIFY(red(150, y) && red(270, y) && !red(126, y) && !red(174, y) && !red(390, y));
    }

    void aMissingCellStripIsDrawnPlainly()
    {
        const auto argb = [](const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); };
        const QImage picture = argb(CellStrip::load("Images/cell.png"));
        QCOMPARE(picture, argb(QPixmap("Images/cell.png")));

        QTemporaryDir folder;
        QVERIFY(QImage(24, 24, QImage::Format_ARGB32).save(folder.filePath("small.png")));
        for (const QString& path : {folder.filePath("missing.png"), folder.filePath("small.png")}) {
            const QImage strip = argb(CellStrip::load(path));
            QCOMPARE(strip.size(), picture.size());
            const auto tile = [&](int code) { return strip.copy(24 * code, 0, 24, 24); };
            const auto opaque = [](QColor c) { return c.alpha() > 100; };
            QCOMPARE(inkIn(tile(0), tile(0).rect(), opaque), QRect());
            // Every code has a look of its own, visible in the middle of its tile.
            for (int code = 1; code <= 4; ++code) {
                QVERIFY2(opaque(tile(code).pixelColor(12, 12)), qPrintable(QString::number(code)));
                for (int other = 1; other < code; ++other)
                    QVERIFY(tile(code) != tile(other));
            }
            // A fill covers its tile, a cross only its diagonals.
            QVERIFY(opaque(tile(1).pixelColor(12, 5)));
            QVERIFY(!opaque(tile(2).pixelColor(12, 5)));
        }
    }

    void panelInfoTextAndFaultMarkSitInTheScene()
    {
        Scene scene(20, 15, 6, 5);
        scene.frame.offsetX = 50;
        scene.frame.offsetY = 40;
        QPixmap mistake(20, 20);
        mistake.fill(Qt::red);
        scene.frame.mistake = &mistake;
        scene.frame.faultX = 690; // right of the panel
        scene.frame.faultY = 150;
        const QImage image = render(scene.frame);
        QVERIFY(near(image.pixelColor(50 + 300, 40 + 60), Backgrounds::style(0).panelFill, 1));
        QCOMPARE(image.pixelColor(50 + 5, 40 + 5).alpha(), 0);
        // Three white lines centred in the information box (20, 20, 130, 110).
        const QRect ink = inkIn(image, QRect(70, 60, 130, 110), [](QColor c) { return c.lightness() > 245; });
        QVERIFY(qAbs(ink.center().x() - (50 + 85)) <= 2 && qAbs(ink.center().y() - (40 + 75)) <= 4);
        QVERIFY(ink.height() > 55);
        QCOMPARE(image.pixelColor(50 + 700, 40 + 160).alpha(), 0);

        // The difficulty is a fourth line, the block still centred. In a box of four slots
        // (20, 20, 90, 90) the longest name shrinks to the box's width (text is cut at its edges
        // otherwise); the lines above keep their size.
        const auto white = [](QColor c) { return c.lightness() > 245; };
        Scene narrow(20, 15, 4, 4);
        narrow.frame.offsetX = 50;
        narrow.frame.offsetY = 40;
        const QRect threeLines = inkIn(render(narrow.frame), QRect(50, 60, 115, 90), white);
        narrow.frame.difficultyText = QStringLiteral("Difficulty: Punctuate");
        const QImage withDifficulty = render(narrow.frame);
        const QRect fourLines = inkIn(withDifficulty, QRect(50, 60, 115, 90), white);
        QVERIFY(fourLines.left() > 70 && fourLines.right() < 159);
        QVERIFY(fourLines.height() > threeLines.height() + 5 && qAbs(fourLines.center().y() - (40 + 65)) <= 4);
        QCOMPARE(inkIn(withDifficulty, QRect(50, fourLines.top(), 115, threeLines.height()), white).width(),
            threeLines.width());

        // The fault mark's corner stays put while it grows from 1x to 2x and fades out.
        scene.frame.faultShown = true;
        for (qreal t : {0.5, 0.25}) {
            scene.frame.faultProgress = t;
            const QImage image = render(scene.frame);
            const int extent = int(20 * (1 + t));
            for (QPoint inside : {QPoint(740, 190), QPoint(739 + extent, 189 + extent)})
                QVERIFY(near(image.pixelColor(inside), QColor(255, 0, 0, int(255 * (1 - t))), 1));
            for (QPoint outside : {QPoint(739, 190), QPoint(740 + extent, 205), QPoint(755, 190 + extent)})
                QCOMPARE(image.pixelColor(outside).alpha(), 0);
        }
    }

    void hintDarkensAllButOneLine()
    {
        Scene scene(20, 15, 6, 5); // cells from (150, 130)
        QPixmap background(64, 64);
        background.fill(QColor(90, 160, 220));
        scene.frame.background = &background;
        // Row 2 unscaled, and column 3 fitted into the window, where the seams between the
        // shading rectangles fall between window pixels. Bands in board pixels: the line and
        // its clues, 23 pixels across.
        for (const QRectF band : {QRectF(30, 178, 600, 23), QRectF(222, 30, 23, 460)}) {
            scene.frame.hintIsRow = band.width() > band.height();
            scene.frame.hintLine = scene.frame.hintIsRow ? 2 : 3;
            if (!scene.frame.hintIsRow)
                scene.fitIntoWindow();
            scene.frame.hintShown = false;
            const QImage plain = render(scene.frame);
            scene.frame.hintShown = true;
            const QImage hinted = render(scene.frame);

            // A pixel is kept when its centre lies in the band, otherwise shaded once by 50%
            // black: never twice, never missed.
            const QPointF offset(scene.frame.offsetX, scene.frame.offsetY);
            for (int i = 0; i < window.width() * window.height(); ++i) {
                const QPoint p(i % window.width(), i / window.width());
                const QPointF centre = (QPointF(p) + QPointF(0.5, 0.5) - offset) / scene.frame.scale;
                const QRgb before = plain.pixel(p);
                const bool isKept = hinted.pixel(p) == before;
                QVERIFY2(isKept == band.contains(centre), qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
                QVERIFY(isKept
                    || near(hinted.pixelColor(p), QColor(qRed(before) / 2, qGreen(before) / 2, qBlue(before) / 2)));
            }
        }
    }

    void creatingShowsOnlyTheTextOverTheBackground()
    {
        Scene scene(20, 15, 6, 5);
        scene.board.cells[4][4] = 1;
        scene.fitIntoWindow();
        QPixmap background(10, 10);
        background.fill(QColor(40, 60, 120));
        QPainter(&background).fillRect(0, 0, 5, 10, QColor(120, 40, 60));
        scene.frame.background = &background;

        // Tiled from the window's corner, not from the scene's.
        scene.frame.content = Frame::Content::BackgroundOnly;
        QImage image = render(scene.frame);
        for (int x = 0; x < window.width(); ++x)
            QCOMPARE(image.pixelColor(x, 300), x % 10 < 5 ? QColor(120, 40, 60) : QColor(40, 60, 120));

        // Every pixel lies between the background and white: no panel, clues or cells.
        background.fill(QColor(40, 60, 120));
        scene.frame.content = Frame::Content::Creating;
        image = render(scene.frame);
        int stray = 0;
        const QRect ink = inkIn(image, image.rect(), [&](QColor c) {
            const double whiteness = (c.blue() - 120) / 135.0;
            stray += qAbs(c.red() - (40 + 215 * whiteness)) >= 4 || qAbs(c.green() - (60 + 195 * whiteness)) >= 4;
            return whiteness > 0.5;
        });
        QCOMPARE(stray, 0);
        QVERIFY(ink.width() > 100);
        QVERIFY(qAbs(ink.center().x() - 400) <= 3 && qAbs(ink.center().y() - 300) <= 4);
    }

private:
    QImage render(const Frame& frame) const
    {
        return ::render([&](QPainter& p) { painter_.paint(p, window, frame); });
    }

    FramePainter painter_;
};

QTEST_MAIN(FramePaintingTest)
#include "test_frame_painting.moc"
