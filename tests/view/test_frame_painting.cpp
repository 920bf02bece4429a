#include "Backgrounds.h"
#include "BoardPanel.h"
#include "ClueSet.h"
#include "FramePainter.h"
#include "PuzzleGrid.h"
#include "SceneGeometry.h"
#include "ViewTransform.h"

#include <QPainter>
#include <QtTest>

#include <functional>

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

// A clue number whose text starts at a baseline point: the colour of its most opaque pixel,
// and the digit its ink looks like (compared with each digit drawn alone).
QRect slotAt(QPoint baseline)
{
    return QRect(baseline - QPoint(2, 19), QSize(20, 22));
}

QColor strongestInk(const QImage& image, QPoint baseline)
{
    QColor strongest(0, 0, 0, 0);
    const QRect slot = slotAt(baseline);
    for (int y = slot.top(); y <= slot.bottom(); ++y)
        for (int x = slot.left(); x <= slot.right(); ++x)
            if (image.pixelColor(x, y).alpha() > strongest.alpha())
                strongest = image.pixelColor(x, y);
    return strongest;
}

QString digitAt(const QImage& image, QPoint baseline, const QFont& font)
{
    const double strongest = strongestInk(image, baseline).alpha();
    const QImage slot = image.copy(slotAt(baseline));
    QString best;
    double bestScore = 40; // more differing ink than that is no digit
    for (int d = 0; d <= 9 && strongest > 0; ++d) {
        const QImage alone = render(
            [&](QPainter& p) {
                p.setFont(font);
                p.setPen(Qt::white);
                p.drawText(2, 19, QString::number(d));
            },
            slot.size());
        double score = 0;
        for (int y = 0; y < slot.height(); ++y)
            for (int x = 0; x < slot.width(); ++x)
                score += qAbs(qAlpha(alone.pixel(x, y)) / 255.0 - qAlpha(slot.pixel(x, y)) / strongest);
        if (score < bestScore)
            std::tie(best, bestScore) = std::make_pair(QString::number(d), score);
    }
    return best;
}

} // namespace

class FramePaintingTest : public QObject {
    Q_OBJECT

private slots:
    void sceneFitsBelowTheMenuBar();
    void panelIsTintedForTheBackground_data();
    void panelIsTintedForTheBackground();
    void cluesRiseFromTheBoardAndDimWhenMatched();
    void cellsShowTheirTilesAndBlocksOfFive();
    void panelAndInfoTextSitInTheScene();
    void faultMarkGrowsAndFades();
    void hintDarkensAllButOneLine();
    void creatingShowsOnlyTheTextOverTheBackground();

private:
    QImage render(const Frame& frame) const
    {
        return ::render([&](QPainter& p) { painter_.paint(p, window, frame); });
    }

    FramePainter painter_;
};

void FramePaintingTest::sceneFitsBelowTheMenuBar()
{
    QCOMPARE(SceneGeometry::boardOrigin(4), 110);
    QCOMPARE(SceneGeometry::sceneExtent(4, 5), 260);
    QCOMPARE(QPoint(SceneGeometry::boardOrigin(6), SceneGeometry::boardOrigin(5)), QPoint(150, 130));
    const QSize scene(SceneGeometry::sceneExtent(6, 20), SceneGeometry::sceneExtent(5, 15));
    QCOMPARE(scene, QSize(660, 520));

    const ViewTransform wide = ViewTransform::fit(scene, 800, 600, 21);
    QCOMPARE(wide.scale, 579.0f / 520);
    QCOMPARE(QPoint(wide.offsetX, wide.offsetY), QPoint(32, 21));
    const ViewTransform narrow = ViewTransform::fit(scene, 400, 600, 21);
    QCOMPARE(narrow.scale, 400.0f / 660);
    QCOMPARE(QPoint(narrow.offsetX, narrow.offsetY), QPoint(0, 152));
    const ViewTransform none = ViewTransform::fit(QSize(), 800, 600, 21);
    QCOMPARE(none.scale, 1.0f);
    QCOMPARE(QPoint(none.offsetX, none.offsetY), QPoint(0, 0));

    // Toward zero: a point half a board pixel left of the scene is still column 0.
    const ViewTransform doubled {2.0f, 10, 20};
    QCOMPARE(doubled.toBoard(9, 23), QPoint(0, 1));
    QCOMPARE(doubled.toBoard(51, 20), QPoint(20, 0));
}

void FramePaintingTest::panelIsTintedForTheBackground_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("line");
    QTest::newRow("Wood") << 0 << QColor(179, 254, 254, 180) << QColor(141, 216, 216, 180);
    QTest::newRow("Leaves") << 1 << QColor(206, 133, 126, 230) << QColor(178, 106, 97, 230);
}

void FramePaintingTest::panelIsTintedForTheBackground()
{
    QFETCH(int, index);
    QFETCH(QColor, fill);
    QFETCH(QColor, line);
    const BackgroundStyle& style = Backgrounds::style(index);
    QVERIFY(!QImage(style.textureFile).isNull());
    BoardPanel panel;
    panel.rebuild(5, 5, 4, 4, style.panelFill, style.panelLine);
    const QImage& image = panel.image;
    QCOMPARE(image.size(), QSize(260, 260));

    QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
    const QColor shadow = image.pixelColor(15, 100);
    QVERIFY(shadow.rgb() == qRgb(0, 0, 0) && shadow.alpha() > 0 && shadow.alpha() < 180);
    // The information box (20, 20, 90, 90) ends where the plate's fill begins.
    for (QPoint p : {QPoint(60, 60), QPoint(109, 109)})
        QVERIFY(near(image.pixelColor(p), line, 1));
    for (QPoint p : {QPoint(150, 50), QPoint(110, 60), QPoint(60, 110)})
        QVERIFY(near(image.pixelColor(p), fill, 1));
}

void FramePaintingTest::cluesRiseFromTheBoardAndDimWhenMatched()
{
    ClueSet clues;
    clues.originX = clues.originY = 110;
    clues.columnClues = {{2, 1}, {-3}, {0}};
    clues.rowClues = {{1, 2}, {-4}};
    clues.hoverColumn = 0;
    clues.highlightRed = 200;
    QImage image = ::render([&](QPainter& p) { painter_.paintClues(p, clues, 1.0); });
    const QFont& font = painter_.clueFont();

    const QPoint baselines[]
        = {{115, 105}, {115, 85}, {115, 65}, {139, 105}, {163, 105}, {90, 130}, {70, 130}, {90, 154}};
    QStringList digits;
    for (QPoint baseline : baselines)
        digits << digitAt(image, baseline, font);
    QCOMPARE(digits, QStringList({"2", "1", "", "3", "0", "1", "2", "4"}));

    QVERIFY(near(strongestInk(image, {115, 85}), QColor(200, 0, 0, 255)));
    QVERIFY(near(strongestInk(image, {139, 105}), QColor(255, 255, 255, 76), 0));
    QVERIFY(near(strongestInk(image, {163, 105}), QColor(255, 255, 255, 76), 0));
    QVERIFY(near(strongestInk(image, {70, 130}), QColor(255, 255, 255, 255), 0));

    // While marking, the hovered row takes the pencil blue, still dimmed when matched.
    clues.hoverColumn = -1;
    clues.hoverRow = 1;
    clues.highlightRed = 0;
    clues.highlightBlue = 230;
    image = ::render([&](QPainter& p) { painter_.paintClues(p, clues, 1.0); });
    QVERIFY(near(strongestInk(image, {90, 154}), QColor(0, 0, 230, 76), 4));
    QVERIFY(near(strongestInk(image, {115, 105}), QColor(255, 255, 255, 255), 0));
}

void FramePaintingTest::cellsShowTheirTilesAndBlocksOfFive()
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

void FramePaintingTest::panelAndInfoTextSitInTheScene()
{
    Scene scene(20, 15, 6, 5);
    scene.frame.offsetX = 50;
    scene.frame.offsetY = 40;
    const QImage image = render(scene.frame);
    QVERIFY(near(image.pixelColor(50 + 300, 40 + 60), QColor(179, 254, 254, 180), 1));
    QCOMPARE(image.pixelColor(50 + 5, 40 + 5).alpha(), 0);

    // Three white lines centred in the information box (20, 20, 130, 110).
    const QRect ink = inkIn(image, QRect(70, 60, 130, 110), [](QColor c) { return c.lightness() > 245; });
    QVERIFY(qAbs(ink.center().x() - (50 + 85)) <= 2 && qAbs(ink.center().y() - (40 + 75)) <= 4);
    QVERIFY(ink.height() > 55);
}

void FramePaintingTest::faultMarkGrowsAndFades()
{
    Scene scene(5, 5, 4, 4);
    QPixmap mistake(20, 20);
    mistake.fill(Qt::red);
    scene.frame.mistake = &mistake;
    scene.frame.faultX = 300;
    scene.frame.faultY = 150;
    QCOMPARE(render(scene.frame).pixelColor(310, 160).alpha(), 0);

    // Its corner stays put while it grows from 1x to 2x and fades out.
    scene.frame.faultShown = true;
    for (qreal t : {0.5, 0.25}) {
        scene.frame.faultProgress = t;
        const QImage image = render(scene.frame);
        const int extent = int(20 * (1 + t));
        for (QPoint inside : {QPoint(300, 150), QPoint(299 + extent, 149 + extent)})
            QVERIFY(near(image.pixelColor(inside), QColor(255, 0, 0, int(255 * (1 - t))), 1));
        for (QPoint outside : {QPoint(299, 150), QPoint(300 + extent, 165), QPoint(315, 150 + extent)})
            QCOMPARE(image.pixelColor(outside).alpha(), 0);
    }
}

void FramePaintingTest::hintDarkensAllButOneLine()
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
            QVERIFY(
                isKept || near(hinted.pixelColor(p), QColor(qRed(before) / 2, qGreen(before) / 2, qBlue(before) / 2)));
        }
    }
}

void FramePaintingTest::creatingShowsOnlyTheTextOverTheBackground()
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

QTEST_MAIN(FramePaintingTest)
#include "test_frame_painting.moc"
