// Playing from the keyboard, undo and redo, and input latched until the tick, through the
// real window.
#include "WindowDriver.h"

#include "CellState.h"
#include "LineNotation.h"
#include "ui_MainWindow.h"

#include <QKeyEvent>
#include <QtTest>

namespace {

// What a held key sends while it repeats.
void sendAutoRepeat(QWidget* window, Qt::Key key)
{
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window, &release);
    QApplication::sendEvent(window, &press);
}

bool canUndo(WindowDriver& w)
{
    return w->ui->actionUndo->isEnabled();
}

bool canRedo(WindowDriver& w)
{
    return w->ui->actionRedo->isEnabled();
}

} // namespace

class PlayInputTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void keysPlayAtTheCursor();
    void aHeldKeyDragsAlongTheLine();
    void theCursorFollowsThePointerAndStartsEachGameTopLeft();
    void undoAndRedoByMenuAndKeys();
    void undoReturnsToMarksMode();
    void undoIsRefusedOutsidePlay();
    void aResumedGameHasNothingToUndo();
    void inputAfterTheWinningMoveIsDropped();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void PlayInputTest::keysPlayAtTheCursor()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(0, 0));
    w.key(Qt::Key_Space);
    w.tick();
    QCOMPARE(w.cell(0, 0), int(Filled));
    QVERIFY(w->clock.isValid());
    w.key(Qt::Key_Right);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(1, 0));
    QVERIFY(w->needsRepaint);
    w.key(Qt::Key_Space);
    w.key(Qt::Key_Down);
    w.key(Qt::Key_X);
    w.tick();
    QCOMPARE(rowsOf(w->board).mid(0, 2), QStringList({"11000", "02000"}));
    // X on a cell that is not blank erases it, as the right button does.
    w.key(Qt::Key_Up);
    w.key(Qt::Key_X);
    w.tick();
    QCOMPARE(digitsOf(w->board.row(0)), QString("10000"));

    // The cursor stays on the board.
    for (int i = 0; i < 6; ++i)
        w.key(Qt::Key_Left);
    w.key(Qt::Key_Up);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(0, 0));
}

void PlayInputTest::aHeldKeyDragsAlongTheLine()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.key(Qt::Key_Down);
    QTest::keyPress(w.operator->(), Qt::Key_Space);
    w.key(Qt::Key_Right);
    // A held key repeats; the drag goes on until its real release.
    sendAutoRepeat(w.operator->(), Qt::Key_Space);
    w.key(Qt::Key_Right);
    w.tick();
    // Locked to row 1: moving down leaves the line alone.
    w.key(Qt::Key_Down);
    w.key(Qt::Key_Right);
    QTest::keyRelease(w.operator->(), Qt::Key_Space);
    w.key(Qt::Key_Right);
    w.tick();
    QCOMPARE(rowsOf(w->board).mid(0, 3), QStringList({"00000", "11110", "00000"}));
    // The whole drag is one step.
    w->MenuUndo();
    QCOMPARE(digitsOf(w->board.row(1)), QString("00000"));
}

void PlayInputTest::theCursorFollowsThePointerAndStartsEachGameTopLeft()
{
    WindowDriver w;
    w.play(10, 10, Normal);
    w.moveTo(6, 3);
    w.key(Qt::Key_Space);
    w.key(Qt::Key_Down);
    w.key(Qt::Key_Space);
    w.tick();
    QCOMPARE(w.cell(6, 3), int(Filled));
    QCOMPARE(w.cell(6, 4), int(Filled));

    // Off the cells the clues go dark, but the keys still act on the cursor, and show it.
    QTest::mouseMove(w->drawingSurface(), QPoint(2, 2));
    QCOMPARE(w->clues.hoverColumn, -1);
    w.key(Qt::Key_X);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(6, 4));
    w.tick();
    QCOMPARE(w.cell(6, 4), int(Blank));

    w.play(5, 5, Normal);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(0, 0));
    w.key(Qt::Key_Space);
    w.tick();
    QCOMPARE(w.cell(0, 0), int(Filled));
}

void PlayInputTest::undoAndRedoByMenuAndKeys()
{
    WindowDriver w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.operator->()));
    w.play(5, 5, Normal);
    QVERIFY(!canUndo(w) && !canRedo(w));
    w.drag(Qt::LeftButton, {{0, 2}, {4, 2}});
    w.drag(Qt::RightButton, {{0, 3}});
    QVERIFY(canUndo(w) && !canRedo(w));
    const qint64 started = w->clock.msecsSinceReference();

    const auto ctrl = [&](Qt::Key key, Qt::KeyboardModifiers more = {}) {
        QTest::keyClick(w.operator->(), key, Qt::ControlModifier | more);
    };
    ctrl(Qt::Key_Z);
    QCOMPARE(rowsOf(w->board).mid(2, 2), QStringList({"11111", "00000"}));
    QVERIFY(canUndo(w) && canRedo(w));
    w->ui->actionUndo->trigger();
    QCOMPARE(rowsOf(w->board).mid(2, 2), QStringList({"00000", "00000"}));
    QVERIFY(!canUndo(w) && canRedo(w));
    ctrl(Qt::Key_Y);
    QCOMPARE(rowsOf(w->board).mid(2, 2), QStringList({"11111", "00000"}));
    ctrl(Qt::Key_Z, Qt::ShiftModifier);
    QCOMPARE(rowsOf(w->board).mid(2, 2), QStringList({"11111", "20000"}));
    QVERIFY(canUndo(w) && !canRedo(w));
    // The clock does not go back.
    QCOMPARE(w->clock.msecsSinceReference(), started);

    // A new move drops what was left to redo; the ticks keep the entries in step.
    ctrl(Qt::Key_Z);
    w.drag(Qt::LeftButton, {{0, 0}});
    QVERIFY(!canRedo(w));
    // An undo right after a click, before any tick, takes back that click.
    w.press(Qt::LeftButton, 4, 4);
    w.release(Qt::LeftButton, 4, 4);
    ctrl(Qt::Key_Z);
    QCOMPARE(w.cell(4, 4), int(Blank));
    QCOMPARE(w.cell(0, 0), int(Filled));
}

void PlayInputTest::undoReturnsToMarksMode()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.key(Qt::Key_M);
    w.drag(Qt::LeftButton, {{0, 0}, {1, 0}});
    w.answer = true;
    w.key(Qt::Key_M);
    QCOMPARE(digitsOf(w->board.row(0)), QString("11000"));
    w->MenuUndo();
    QCOMPARE(digitsOf(w->board.row(0)), QString("33000"));
    QVERIFY(w->marking);
    QVERIFY(w->ui->actionMarks->isChecked());
    QVERIFY(!w->ui->actionHint->isEnabled());
    QCOMPARE(w->clues.highlightBlue, 230);
    w->MenuRedo();
    QVERIFY(!w->marking);
    QVERIFY(!w->ui->actionMarks->isChecked());
    QVERIFY(w->ui->actionHint->isEnabled());
    QCOMPARE(w->clues.highlightRed, 200);
    QCOMPARE(w.asked, QStringList({"Keep marks?"}));
}

void PlayInputTest::undoIsRefusedOutsidePlay()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.drag(Qt::LeftButton, {{0, 0}});
    w->StartNewGame(5, 5, Normal);
    QVERIFY(!canUndo(w));
    w->MenuUndo();
    QCOMPARE(w->state, Creating);
    w.tick(50);
    QCOMPARE(w->state, Playing);
    QVERIFY2(!canUndo(w), "a new game starts with nothing to undo");

    // Solved: the dissolve and the win screen take nothing back.
    w->particlesOn = false;
    w.drag(Qt::LeftButton, {{0, 0}});
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    w.tick();
    QCOMPARE(w->state, Celebrating);
    QVERIFY(!canUndo(w));
    w->MenuUndo();
    QCOMPARE(w->board.cells, w->solution.cells);
}

void PlayInputTest::aResumedGameHasNothingToUndo()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    w.drag(Qt::LeftButton, {{0, 0}, {2, 0}});
    w->MenuUndo();
    QVERIFY(w->SaveGame());
    QVERIFY(w->LoadGame());
    w.tick();
    QVERIFY(!canUndo(w) && !canRedo(w));
    QCOMPARE(digitsOf(w->board.row(0)), QString("00000"));
}

void PlayInputTest::inputAfterTheWinningMoveIsDropped()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    const QPoint last = w.solutionCell(Filled);
    const QPoint crossed = w.solutionCell(Crossed);
    w->board.copyFrom(w->solution);
    w.setCell(last.x(), last.y(), Blank);
    w.press(Qt::LeftButton, last.x(), last.y());
    w.release(Qt::LeftButton, last.x(), last.y());
    w.press(Qt::LeftButton, crossed.x(), crossed.y());
    w.release(Qt::LeftButton, crossed.x(), crossed.y());
    w.tick();
    QCOMPARE(w->state, Celebrating);
    QCOMPARE(w.cell(crossed.x(), crossed.y()), int(Crossed));
}

QTEST_MAIN(PlayInputTest)
#include "test_play_input.moc"
