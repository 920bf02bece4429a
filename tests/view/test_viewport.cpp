// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows of a board too large for it: fitted, zoomed, scrolled with the clues
// pinned in sight, and pointing, hinting and moving the cursor all through the same placement.
#include "BoardLayout.h"
#include "SceneGeometry.h"
#include "Viewport.h"

#include <QtTest>

#include <algorithm>

namespace {

// A 1024x700 window below its menu bar, with 16-pixel scroll bars.
constexpr int menuBarHeight = 21;
const QRect room(0, menuBarHeight, 1024, 700 - menuBarHeight);
constexpr int bar = 16;

BoardLayout shown(int columns, int rows, int clueSlots, QRect into = room)
{
    BoardLayout layout;
    layout.viewport().setRoom(into, bar);
    layout.layOut(columns, rows, clueSlots, clueSlots);
    return layout;
}

// A 100x100 board: at readable cells, 1330 pixels a side, far larger than the room.
BoardLayout large()
{
    return shown(100, 100, 10);
}

QSize sceneOf(int columns, int rows, int clueSlots)
{
    return {SceneGeometry::sceneExtent(clueSlots, columns), SceneGeometry::sceneExtent(clueSlots, rows)};
}

bool same(const ViewTransform& a, const ViewTransform& b)
{
    return a.scale == b.scale && a.offsetX == b.offsetX && a.offsetY == b.offsetY;
}

// The window pixels a cell's ink covers, without the margin toWindow adds for filtering.
QRect inkInWindow(const BoardLayout& layout, QPoint cell)
{
    const QRectF area = SceneGeometry::cellArea(layout.origin(), cell.x(), cell.y());
    return QRect(layout.transform().toWindow(area.topLeft().toPoint()),
        layout.transform().toWindow(area.bottomRight().toPoint()) - QPoint(1, 1));
}

} // namespace

class TestViewport : public QObject {
    Q_OBJECT

private slots:
    void opensWholeUnlessCellsWouldBeTooSmall()
    {
        const BoardLayout small = shown(15, 10, 6);
        const Viewport& whole = small.viewport();
        QVERIFY(whole.fitted());
        QVERIFY(same(whole.cells(), ViewTransform::fit(sceneOf(15, 10, 6), 1024, 700, menuBarHeight)));
        QCOMPARE(whole.placement().room, room);
        QVERIFY(!whole.horizontalBar() && !whole.verticalBar());
        QVERIFY(!whole.cluesPinned());
        QCOMPARE(whole.cellsView(), room);

        // Fitting at exactly readable cells still opens whole; a pixel less room and it zooms.
        QVERIFY(shown(50, 50, 10, QRect(0, menuBarHeight, 1024, 730)).viewport().fitted());
        QVERIFY(!shown(50, 50, 10, QRect(0, menuBarHeight, 1024, 729)).viewport().fitted());

        BoardLayout layout = large();
        const Viewport& zoomed = layout.viewport();
        QVERIFY(!zoomed.fitted());
        QCOMPARE(zoomed.scale() * SceneGeometry::cellPitch, float(Viewport::readableCell));
        QCOMPARE(zoomed.scrolled(), QPoint(0, 0));
        QVERIFY(zoomed.scrollLimit().width() > 0 && zoomed.scrollLimit().height() > 0);
        QVERIFY(zoomed.horizontalBar() && zoomed.verticalBar());
        QCOMPARE(zoomed.cells().toWindow(QPoint(0, 0)), room.topLeft());

        // The next game opens at the corner where its clues begin, not where the last one was left.
        layout.viewport().scrollBy(QPoint(300, 300));
        layout.layOut(100, 100, 10, 10);
        QCOMPARE(layout.viewport().scrolled(), QPoint(0, 0));
    }

    void scrollingStaysOnTheSceneBesideTheBars()
    {
        BoardLayout layout = large();
        Viewport& viewport = layout.viewport();
        const QRect view = room.adjusted(0, 0, -bar, -bar);
        QCOMPARE(viewport.placement().room, view);

        viewport.scrollTo(QPoint(-40, -40));
        QCOMPARE(viewport.scrolled(), QPoint(0, 0));
        QCOMPARE(viewport.cells().toWindow(QPoint(0, 0)), view.topLeft());
        viewport.scrollBy(QPoint(100000, 100000));
        QCOMPARE(viewport.scrolled(), QPoint(viewport.scrollLimit().width(), viewport.scrollLimit().height()));
        // At the end the scene's far corner meets the bars instead of hiding under them.
        const QSize scene = sceneOf(100, 100, 10);
        QCOMPARE(viewport.cells().toWindow(QPoint(scene.width(), scene.height())), view.bottomRight() + QPoint(1, 1));

        const auto zoomedScene = [](QSize size) {
            Viewport zoomed;
            zoomed.setRoom(room, bar);
            zoomed.setScene(size, QPoint(230, 230));
            zoomed.showDefault();
            return zoomed;
        };
        // At readable cells these are 1020x1500 and 1500x670: each fits one way until the bar
        // the other way takes its pixels.
        for (const QSize size : {QSize(2040, 3000), QSize(3000, 1340)}) {
            const Viewport both = zoomedScene(size);
            QVERIFY(!both.fitted());
            QVERIFY(both.horizontalBar() && both.verticalBar());
            QCOMPARE(both.placement().room, view);
        }
        // 1500x600 still fits beside the bar: no second bar, and it stands centred, unscrollable.
        Viewport wide = zoomedScene(QSize(3000, 1200));
        QVERIFY(wide.horizontalBar() && !wide.verticalBar());
        QCOMPARE(wide.placement().room, room.adjusted(0, 0, 0, -bar));
        const int above = wide.cells().offsetY - room.top();
        const int below = wide.placement().room.bottom() + 1 - wide.cells().toWindow(QPoint(0, 1200)).y();
        QVERIFY2(qAbs(above - below) <= 1, qPrintable(QStringLiteral("%1 above, %2 below").arg(above).arg(below)));
        wide.scrollBy(QPoint(0, 50));
        QCOMPARE(wide.scrolled().y(), 0);
    }

    void zoomKeepsThePointUnderThePointer()
    {
        BoardLayout layout = large();
        Viewport& viewport = layout.viewport();
        viewport.scrollTo(QPoint(150, 300));
        // Far enough from the room's corner that the zoom scrolls and never meets a limit.
        const QPoint pointer(500, 400);
        for (const int steps : {1, 1, -1}) {
            const QPoint before = viewport.cells().toBoard(pointer.x(), pointer.y());
            const float scale = viewport.scale();
            viewport.zoom(steps, pointer);
            QVERIFY((viewport.scale() > scale) == (steps > 0));
            const QPoint after = viewport.cells().toBoard(pointer.x(), pointer.y());
            QVERIFY(qAbs(after.x() - before.x()) <= 1);
            QVERIFY(qAbs(after.y() - before.y()) <= 1);
        }

        const ViewTransform fit = ViewTransform::fit(sceneOf(100, 100, 10), 1024, 700, menuBarHeight);
        for (int step = 0; step < 10 && !viewport.fitted(); ++step) {
            viewport.zoom(-1, pointer);
            QVERIFY(viewport.scale() >= fit.scale);
        }
        QVERIFY(viewport.fitted());
        QVERIFY(same(viewport.cells(), fit));
        QCOMPARE(viewport.scrolled(), QPoint(0, 0));
        QVERIFY(!viewport.horizontalBar() && !viewport.verticalBar());
        QCOMPARE(viewport.placement().room, room);

        const float largest = float(Viewport::largestCell) / SceneGeometry::cellPitch;
        viewport.zoom(40, pointer);
        QCOMPARE(viewport.scale(), largest);
        viewport.zoom(1, pointer);
        QCOMPARE(viewport.scale(), largest);
        // A board whose fit already gives larger cells stays fitted rather than shrinking.
        BoardLayout tiny = shown(5, 5, 3);
        const float fitted = tiny.viewport().scale();
        QVERIFY(fitted * SceneGeometry::cellPitch > Viewport::largestCell);
        tiny.viewport().zoom(1, pointer);
        QVERIFY(tiny.viewport().fitted());
        QCOMPARE(tiny.viewport().scale(), fitted);
    }

    void scrolledCluesStayInSight()
    {
        BoardLayout layout = large();
        Viewport& viewport = layout.viewport();
        const Viewport::Placement& at = viewport.placement();
        const QRect view = at.room;
        // Until the clues would leave the room they move with the cells.
        for (const QPoint scrolled : {QPoint(0, 0), QPoint(3, 3)}) {
            viewport.scrollTo(scrolled);
            QVERIFY(!viewport.columnCluesPinned() && !viewport.rowCluesPinned());
            QVERIFY(viewport.columnCluesBand().isEmpty() && viewport.rowCluesBand().isEmpty());
            QCOMPARE(viewport.cellsView(), view);
        }

        // Scrolled down past them, the column clues stand with the plate's shadow at the room's top.
        viewport.scrollTo(QPoint(0, 300));
        QVERIFY(viewport.columnCluesPinned() && !viewport.rowCluesPinned());
        QVERIFY(qAbs(at.columnClues.toWindow(QPoint(0, Viewport::pinnedEdge)).y() - view.top()) <= 1);
        QCOMPARE(viewport.columnCluesBand().top(), view.top());
        QVERIFY(viewport.columnCluesBand().bottom() >= at.columnClues.toWindow(layout.origin()).y());
        QCOMPARE(viewport.cellsView().top(), viewport.columnCluesBand().bottom() + 1);
        QVERIFY(viewport.rowCluesBand().isEmpty() && viewport.cornerBand().isEmpty());

        viewport.scrollTo(QPoint(200, 0));
        QVERIFY(viewport.rowCluesPinned() && !viewport.columnCluesPinned());
        QVERIFY(qAbs(at.rowClues.toWindow(QPoint(Viewport::pinnedEdge, 0)).x() - view.left()) <= 1);
        QCOMPARE(viewport.rowCluesBand().left(), view.left());
        QVERIFY(viewport.rowCluesBand().right() >= at.rowClues.toWindow(layout.origin()).x());
        QCOMPARE(viewport.cellsView().left(), viewport.rowCluesBand().right() + 1);
        QVERIFY(viewport.cornerBand().isEmpty());

        // Pinned both ways, each band's numbers still stand over their own lines' cells.
        viewport.scrollTo(QPoint(200, 300));
        QCOMPARE(at.columnClues.offsetX, at.cells.offsetX);
        QCOMPARE(at.columnClues.scale, at.cells.scale);
        QCOMPARE(at.rowClues.offsetY, at.cells.offsetY);
        QCOMPARE(at.rowClues.scale, at.cells.scale);
        QCOMPARE(viewport.cornerBand(), viewport.columnCluesBand() & viewport.rowCluesBand());
        QCOMPARE(viewport.cornerBand().topLeft(), view.topLeft());
        QCOMPARE(viewport.cellsView(),
            QRect(QPoint(viewport.rowCluesBand().right() + 1, viewport.columnCluesBand().bottom() + 1),
                view.bottomRight()));
    }

    void pointingHitsWhatShows()
    {
        BoardLayout layout = large();
        Viewport& viewport = layout.viewport();
        viewport.scrollTo(QPoint(200, 300));
        // Column 40 runs from under the pinned column clues into the view: where the clues
        // cover a cell, the pointer is on the column's clues, not on the cell.
        int underClues = 0;
        int inView = 0;
        for (int row = 20; row <= 40; ++row) {
            const QPoint centre = layout.cellCentreInWindow(40, row);
            const QPoint board = layout.toBoard(centre);
            if (viewport.columnCluesBand().contains(centre)) {
                ++underClues;
                QVERIFY(layout.onCells(layout.transform().toBoard(centre.x(), centre.y())));
                QVERIFY(!layout.onCells(board));
                QCOMPARE(layout.cellAt(board).x(), 40);
            } else if (viewport.cellsView().contains(centre)) {
                ++inView;
                QCOMPARE(layout.cellAt(board), QPoint(40, row));
            }
        }
        QVERIFY(underClues > 0 && inView > 0);

        const QPoint rowClue(viewport.rowCluesBand().center().x(), layout.cellCentreInWindow(0, 30).y());
        QVERIFY(layout.onCells(layout.transform().toBoard(rowClue.x(), rowClue.y())));
        QVERIFY(!layout.onCells(layout.toBoard(rowClue)));
        QCOMPARE(layout.cellAt(layout.toBoard(rowClue)).y(), 30);

        // Over both bands the corner shows the mode, time and faults.
        QVERIFY(SceneGeometry::infoBox(10, 10).contains(layout.toBoard(viewport.cornerBand().center())));
    }

    void bringIntoViewShowsTheCellClearOfTheClues()
    {
        struct Case {
            const char* where;
            QPoint scrolled;
            QPoint cell;
        };
        const Case cases[] = {
            {"under the column clues", {200, 300}, {40, 20}},
            {"under the row clues", {200, 300}, {10, 30}},
            {"beyond both bars", {0, 0}, {99, 99}},
        };
        for (const Case& test : cases) {
            BoardLayout layout = large();
            Viewport& viewport = layout.viewport();
            viewport.scrollTo(test.scrolled);
            QVERIFY2(!viewport.cellsView().contains(inkInWindow(layout, test.cell)), test.where);
            viewport.bringIntoView(SceneGeometry::cellArea(layout.origin(), test.cell.x(), test.cell.y()));
            const QRect ink = inkInWindow(layout, test.cell);
            const QRect view = viewport.cellsView();
            QVERIFY2(view.contains(ink), test.where);
            // Scrolled as little as that takes: the cell stops at an edge of the view.
            const int gap = std::min({ink.top() - view.top(), ink.left() - view.left(), view.right() - ink.right(),
                view.bottom() - ink.bottom()});
            QVERIFY2(gap <= 1, test.where);
        }

        BoardLayout layout = large();
        layout.viewport().scrollTo(QPoint(200, 300));
        layout.viewport().bringIntoView(SceneGeometry::cellArea(layout.origin(), 40, 30));
        QCOMPARE(layout.viewport().scrolled(), QPoint(200, 300));
    }

    void hintedLineShowsOnlyItsOwnCluesAndCells()
    {
        BoardLayout layout = large();
        Viewport& viewport = layout.viewport();
        const auto line = [&](bool isRow, int index) { return layout.lineInWindow(isRow, index, 10, 10); };

        // Only the column clues pinned: a row's clues scroll with its cells and show in the view,
        // except where the column clues cover them.
        viewport.scrollTo(QPoint(0, 300));
        QVERIFY(line(true, 30).contains(layout.rowCluesInWindow(30).center()));
        QVERIFY(line(true, 30).contains(layout.cellCentreInWindow(40, 30)));
        QVERIFY(!line(true, 20).intersects(viewport.columnCluesBand()));

        viewport.scrollTo(QPoint(200, 300));
        const int rowBandX = viewport.rowCluesBand().center().x();
        const QRegion row = line(true, 30);
        QVERIFY(row.contains(QPoint(rowBandX, layout.cellCentreInWindow(0, 30).y())));
        QVERIFY(row.contains(layout.cellCentreInWindow(40, 30)));
        QVERIFY(!row.contains(QPoint(rowBandX, layout.cellCentreInWindow(0, 35).y())));
        QVERIFY(!row.contains(layout.cellCentreInWindow(40, 35)));
        QVERIFY(!line(true, 20).intersects(viewport.columnCluesBand()));

        const int columnBandY = viewport.columnCluesBand().center().y();
        const QRegion column = line(false, 40);
        QVERIFY(column.contains(QPoint(layout.cellCentreInWindow(40, 0).x(), columnBandY)));
        QVERIFY(column.contains(layout.cellCentreInWindow(40, 30)));
        QVERIFY(!column.contains(QPoint(layout.cellCentreInWindow(45, 0).x(), columnBandY)));
        QVERIFY(!column.contains(layout.cellCentreInWindow(45, 30)));
        QVERIFY(!line(false, 10).intersects(viewport.rowCluesBand()));
    }
};

QTEST_APPLESS_MAIN(TestViewport)
#include "test_viewport.moc"
