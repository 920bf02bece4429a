#include "Backgrounds.h"
#include "BoardPanel.h"
#include "CellStrip.h"
#include "CellState.h"
#include "ClueSet.h"
#include "FramePainter.h"
#include "PuzzleGrid.h"
#include "BoardScene.h"
#include "SceneGeometry.h"
#include "ViewTransform.h"

#include <QPainter>
#include <QtTest>

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

// A session in play on an empty board whose first row and column have rs and cs clue entries,
// every other line [0], shown on the Wood panel at scale 1 with the scene's corner at (50, 40)
// of an image just large enough.
struct Scene {
    Session session;
    BoardScene scene;
    QSize window;

    Scene(int columns, int rows, int rs, int cs)
    {
        PuzzleGrid board;
        board.resize(columns, rows);
        ClueSet clues;
        clues.columnClues.assign(columns, {0});
        clues.rowClues.assign(rows, {0});
        clues.columnClues[0].assign(cs, 1);
        clues.rowClues[0].assign(rs, 1);
        session.resume(Beginner, board, clues, board, 0, 0);
        scene.setBackground(0);
        window = QSize(SceneGeometry::sceneExtent(rs, columns) + 100, SceneGeometry::sceneExtent(cs, rows) + 40);
        scene.showBoard(session, window, 40);
    }

    QImage render() const
    {
        return ::render([&](QPainter& p) { scene.paint(p, window, session); }, window);
    }
};

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
        ClueHover hover;
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
        const auto painted
            = [&] { return ::render([&](QPainter& p) { painter_.paintClues(p, clues, QPoint(110, 110), hover, 1.0); }); };
        const QColor white(255, 255, 255), faded(255, 255, 255, 76), red(200, 0, 0);
        std::vector<Number> numbers = {{{115, 105}, "2", red}, {{115, 85}, "1", red}, {{139, 105}, "3", faded},
            {{163, 105}, "0", faded}, {{90, 130}, "1", white}, {{70, 130}, "2", white}, {{90, 154}, "4", faded}};
        hover.column = 0;
        QCOMPARE(painted(), expected(numbers));

        // While marking, the hovered row takes the pencil blue, still faded when matched.
        hover = {-1, 1, QColor(0, 0, 230)};
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
        board.cells[0][0] = 3;
        board.cells[1][0] = 4;
        board.cells[2][0] = 7;
        const QImage image = ::render([&](QPainter& p) { painter_.paintCells(p, board, QPoint(30, 30), 1.0); });
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
        const QImage image = scene.render();
        // Mode, time, faults and the difficulty, centred in the information box (20, 20, 130,
        // 110). In a box of four slots (20, 20, 90, 90) the difficulty line keeps to the box's
        // width.
        QVERIFY(scene.session.difficulty().hardestTechnique > 0);
        const auto white = [](QColor c) { return c.lightness() > 245; };
        const QRect ink = inkIn(image, QRect(70, 60, 130, 110), white);
        QVERIFY(qAbs(ink.center().x() - (50 + 85)) <= 2 && qAbs(ink.center().y() - (40 + 75)) <= 4);
        QVERIFY(ink.height() > 70);
        const QRect narrow = inkIn(Scene(20, 15, 4, 4).render(), QRect(50, 60, 115, 90), white);
        QVERIFY(narrow.left() > 70 && narrow.right() < 159 && narrow.height() > 60);
        QVERIFY(qAbs(narrow.center().y() - (40 + 65)) <= 4);

        // The fault mark's corner stays put while it grows and fades out.
        const QImage plain = scene.render();
        Session::Event fault {Session::Event::Kind::Fault};
        fault.underPoint = true;
        fault.pointX = 560;
        fault.pointY = 160;
        scene.scene.answer(fault);
        QTimeLine& mark = scene.scene.view().faultMark;
        mark.setEasingCurve(QEasingCurve::Linear);
        QRect grown[2];
        for (int i = 0; i < 2; ++i) {
            mark.setCurrentTime(i == 0 ? 375 : 750);
            const QImage marked = scene.render();
            QRect changed;
            for (int y = 180; y < 300; ++y)
                for (int x = 590; x < 710; ++x)
                    if (marked.pixel(x, y) != plain.pixel(x, y))
                        changed |= QRect(x, y, 1, 1);
            grown[i] = changed;
        }
        for (const QRect& mark : grown)
            QVERIFY((mark.topLeft() - QPoint(50 + 550, 40 + 150)).manhattanLength() <= 1);
        QVERIFY(grown[1].width() > grown[0].width() + 2);
    }

    void hintDarkensAllButOneLine()
    {
        Scene scene(20, 15, 6, 5); // cells from (150, 130)
        // Row 2 unscaled, and column 3 fitted into an 800 x 600 window, where the seams
        // between the shading rectangles fall between window pixels. Bands in board pixels: the
        // line and its clues, 23 pixels across.
        for (const QRectF band : {QRectF(30, 178, 600, 23), QRectF(222, 30, 23, 460)}) {
            const bool isRow = band.width() > band.height();
            if (!isRow) {
                scene.window = window;
                scene.scene.fit(window, 21);
            }
            scene.scene.hideHint();
            const QImage plain = scene.render();
            scene.scene.showHint(isRow, isRow ? 2 : 3);
            const QImage hinted = scene.render();

            // A pixel is kept when its centre lies in the band, otherwise shaded once by 50%
            // black: never twice, never missed.
            const ViewTransform& view = scene.scene.layout().transform();
            const QPointF offset(view.offsetX, view.offsetY);
            for (int i = 0; i < scene.window.width() * scene.window.height(); ++i) {
                const QPoint p(i % scene.window.width(), i / scene.window.width());
                const QPointF centre = (QPointF(p) + QPointF(0.5, 0.5) - offset) / view.scale;
                const QRgb before = plain.pixel(p);
                const bool isKept = hinted.pixel(p) == before;
                QVERIFY2(isKept == band.contains(centre), qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
                QVERIFY(isKept
                    || near(hinted.pixelColor(p), QColor(qRed(before) / 2, qGreen(before) / 2, qBlue(before) / 2)));
            }
        }
        // The dissolve's bursts show over the shade.
        Session::Event burst {Session::Event::Kind::Dissolved, 0, 0, Filled, true, 60, 60};
        const QPoint at = scene.scene.layout().transform().toWindow({60, 60});
        const QColor shaded = scene.render().pixelColor(at);
        scene.scene.answer(burst);
        QVERIFY(scene.render().pixelColor(at).lightness() < shaded.lightness() - 10);
    }

    void infoTextFitsItsBoxAtEverySize()
    {
        // The smallest box (90 x 90) with the longest texts, in windows from the smallest the
        // game allows to very large: inside, and shrunk no more than needed.
        Scene scene(20, 15, 4, 4);
        scene.session.resume(Beginner, scene.session.game().board(), scene.session.game().clues(),
            scene.session.game().solution(), 100000, 999);
        for (QSize size : {QSize(400, 400), QSize(800, 600), QSize(3000, 700), QSize(450, 1400)}) {
            scene.window = size;
            scene.scene.fit(size, 21);
            const ViewTransform& view = scene.scene.layout().transform();
            const QRectF inside(
                view.offsetX + 21 * view.scale, view.offsetY + 21 * view.scale, 88 * view.scale, 88 * view.scale);
            // Up to where the clues begin.
            const QRect corner(view.offsetX, view.offsetY, int(109 * view.scale), int(109 * view.scale));
            const QRect ink = inkIn(scene.render(), corner, [](QColor c) { return c.lightness() > 200; });
            QVERIFY(inside.contains(QRectF(ink)) && ink.width() > 70 * view.scale);
        }
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
        const QImage wood = scene.scene.background().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QRect ink = inkIn(image, image.rect(), [](QColor c) { return c.lightness() > 240; });
        int stray = 0;
        for (int y = 0; y < window.height(); y += 7)
            for (int x = 0; x < window.width(); x += 7) {
                const QColor painted = image.pixelColor(x, y);
                const QColor texture = wood.pixelColor(x % wood.width(), y % wood.height());
                stray += painted.lightness() < texture.lightness() - 2;
            }
        QCOMPARE(stray, 0);
        QVERIFY(ink.width() > 100);
        QVERIFY(qAbs(ink.center().x() - 400) <= 3 && qAbs(ink.center().y() - 300) <= 4);
    }

private:
    FramePainter painter_;
};

QTEST_MAIN(FramePaintingTest)
#include "test_frame_painting.moc"
