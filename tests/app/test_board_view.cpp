// SPDX-License-Identifier: GPL-3.0-or-later
// Zoom and scrolling in the window: what opens zoomed, and how the keys, the wheel, the
// middle button and the scroll bars move the view, with the clues and the cursor in sight.
#include "SceneGeometry.h"
#include "WindowDriver.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <string>

namespace {

// A striped puzzle of that size, its cells in view at once only if they are smaller than
// the game lets a board open with in an 800 x 600 window.
QString writeStripes(const QTemporaryDir& folder, int columns, int rows)
{
    std::string text
        = "title \"Stripes\"\nwidth " + std::to_string(columns) + "\nheight " + std::to_string(rows) + "\nrows\n";
    for (int y = 0; y < rows; ++y)
        text += y % 2 == 0 ? std::to_string(columns) + "\n" : "0\n";
    text += "columns\n";
    std::string column;
    for (int y = 0; y < rows; y += 2)
        column += column.empty() ? "1" : ",1";
    for (int x = 0; x < columns; ++x)
        text += column + "\n";
    const QString path = folder.filePath("stripes.non");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        return {};
    return path;
}

struct BigBoard {
    QTemporaryDir folder;
    WindowDriver w;

    BigBoard(int columns = 80, int rows = 60)
    {
        w.play(5, 5, Normal);
        const QString path = writeStripes(folder, columns, rows);
        if (!path.isEmpty() && w->OpenPuzzleFile(path))
            w.tick();
    }
    const Viewport& viewport() { return w->scene().layout().viewport(); }
    // A window point over the cells, below the column clues however they stand.
    QPoint inCells() { return QPoint(viewport().cellsView().center().x(), viewport().cellsView().bottom() - 20); }
    QPoint onSurface(QPoint windowPoint) { return w->drawingSurface()->mapFrom(w.operator->(), windowPoint); }
    void turnWheel(QPoint angle, Qt::KeyboardModifiers modifiers = {})
    {
        // Qt hands a wheel event it did not get from the system only to its receiver: the
        // window's, as the surface passes it on.
        const QPointF at = inCells();
        QWheelEvent turn(at, w->mapToGlobal(at), {}, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w.operator->(), &turn);
        w.tick();
    }
    // The cell the keys' cursor is on, in the window, lies where the cells show.
    bool cursorInView()
    {
        const ViewState& view = w->scene().view();
        const BoardLayout& layout = w->scene().layout();
        const QPoint corner = layout.cellCorner(view.cursorColumn, view.cursorRow);
        const QRect cell(layout.transform().toWindow(corner),
            layout.transform().toWindow(corner + QPoint(SceneGeometry::cellPitch - 1, SceneGeometry::cellPitch - 1)));
        return viewport().cellsView().contains(cell);
    }
};

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT

private slots:
    void theSixSizesOpenFittedAndABoardTooLargeForThatOpensZoomed()
    {
        WindowDriver w;
        w.play(20, 15, Normal);
        const Viewport& fitted = w->scene().layout().viewport();
        QVERIFY(fitted.fitted() && !fitted.cluesPinned());
        QVERIFY(!w->scrollBars()->down()->isVisible() && !w->scrollBars()->across()->isVisible());

        BigBoard big;
        QVERIFY(!big.viewport().fitted());
        QVERIFY(big.w->scrollBars()->down()->isVisible() && big.w->scrollBars()->across()->isVisible());
        // The bars stand at the window's edges, the surface fills the rest.
        QApplication::processEvents();
        const QRect surface(
            big.w->drawingSurface()->mapTo(big.w.operator->(), QPoint(0, 0)), big.w->drawingSurface()->size());
        QCOMPARE(surface.right() + 1, big.viewport().placement().room.right() + 1);
    }

    void theZoomKeysZoomAboutTheViewAndFitBringsTheWholeBoardBack()
    {
        BigBoard big;
        const float opened = big.viewport().scale();
        big.w.form().actionZoomIn->trigger();
        QVERIFY(big.viewport().scale() > opened);
        big.w.form().actionZoomOut->trigger();
        big.w.form().actionZoomOut->trigger();
        QVERIFY(big.viewport().scale() < opened);
        big.w.form().actionFitBoard->trigger();
        big.w.tick();
        QVERIFY(big.viewport().fitted() && !big.viewport().horizontalBar());
        QVERIFY(!big.w->scrollBars()->down()->isVisible());
        // Hidden bars leave their room to the surface.
        QApplication::processEvents();
        QCOMPARE(big.w->drawingSurface()->width(), big.w->width());
    }

    void theWheelScrollsAndZoomsAndTheLitCluesFollowThePointer()
    {
        BigBoard big;
        QTest::mouseMove(big.w->drawingSurface(), big.onSurface(big.inCells()) + QPoint(1, 1));
        QTest::mouseMove(big.w->drawingSurface(), big.onSurface(big.inCells()));
        const int litRow = big.w->scene().view().hover.row;
        QVERIFY(litRow >= 0);
        big.turnWheel(QPoint(0, -120));
        QVERIFY(big.viewport().scrolled().y() > 0);
        QVERIFY(big.viewport().columnCluesPinned());
        // The pointer stood still while the board moved under it: another row is lit.
        QVERIFY(big.w->scene().view().hover.row > litRow);
        big.turnWheel(QPoint(0, -120), Qt::ShiftModifier);
        QVERIFY(big.viewport().scrolled().x() > 0 && big.viewport().rowCluesPinned());
        QCOMPARE(big.w->scrollBars()->across()->value(), big.viewport().scrolled().x());
        const float scale = big.viewport().scale();
        big.turnWheel(QPoint(0, 120), Qt::ControlModifier);
        QVERIFY(big.viewport().scale() > scale);
    }

    void theMiddleButtonDragsTheBoardAndTheBarsScrollIt()
    {
        BigBoard big;
        const QPoint from = big.onSurface(big.inCells());
        QTest::mousePress(big.w->drawingSurface(), Qt::MiddleButton, {}, from);
        QTest::mouseMove(big.w->drawingSurface(), from - QPoint(30, 40));
        QTest::mouseRelease(big.w->drawingSurface(), Qt::MiddleButton, {}, from - QPoint(30, 40));
        QCOMPARE(big.viewport().scrolled(), QPoint(30, 40));
        // Nothing was entered on the cells passed over.
        QCOMPARE(big.w.session().game().board().cells[0][0], Blank);
        big.w->scrollBars()->down()->setValue(100);
        QCOMPARE(big.viewport().scrolled().y(), 100);
    }

    void theKeysCursorScrollsIntoViewClearOfThePinnedClues()
    {
        BigBoard big;
        for (int step = 0; step < 79; ++step)
            big.w.key(Qt::Key_Right);
        for (int step = 0; step < 59; ++step)
            big.w.key(Qt::Key_Down);
        QVERIFY(big.cursorInView());
        QVERIFY(big.viewport().cluesPinned());
        for (int step = 0; step < 30; ++step)
            big.w.key(Qt::Key_Up);
        QVERIFY(big.cursorInView());
    }
};

QTEST_MAIN(TestBoardView)
#include "test_board_view.moc"
