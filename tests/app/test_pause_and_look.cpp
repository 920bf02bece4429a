#include "WindowDriver.h"

#include "Backgrounds.h"
#include "BoardLook.h"
#include "CellState.h"
#include "LineNotation.h"
#include "SavedGame.h"
#include "ui_MainWindow.h"

#include <QtTest>

namespace {

// Ticks the window as its timer would, for the given real time.
void playFor(WindowDriver& w, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QTest::qWait(20);
        w.tick();
    }
}

} // namespace

class PauseAndLookTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void pauseHoldsTheClockAndHidesTheBoard();
    void pausesKeepEveryMillisecondOfPlay();
    void commandsResumeAndClosingSavesThePausedTime();
    void nothingPlaysWhilePausedAndUndoResumesFirst();
    void aKeyDragEndsAtThePauseAndTheCursorComesBack();
    void highContrastRebuildsThePanelOnlyWhenSwitched();
    void leavingTheWindowOrANewGameClearsTheHover();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void PauseAndLookTest::pauseHoldsTheClockAndHidesTheBoard()
{
    WindowDriver w;
    w.play(10, 10, Normal);
    w.drag(Qt::LeftButton, {{0, 0}});
    w->timeOffset = 30;
    w.key(Qt::Key_P);
    QVERIFY(w->state == Paused && w->ui->actionPause->isChecked());
    QCOMPARE(w->timeText, QString("30"));

    // Only the background and the word in the middle: where the cells were, the window shows
    // what it shows with no game at all.
    const QImage paused = w->drawingSurface()->grab().toImage();
    w->state = Idle;
    const QImage bare = w->drawingSurface()->grab().toImage();
    w->state = Paused;
    QVERIFY(paused.copy(380, 270, 40, 20) != bare.copy(380, 270, 40, 20));
    for (const QPoint cell : {w.cellPoint(0, 0), w.cellPoint(9, 9)})
        QCOMPARE(paused.pixel(cell), bare.pixel(cell));

    // Two seconds with a button held over a blank cell: no time, no cell, no hover.
    w.moveTo(5, 5);
    w->leftDown = true;
    playFor(w, 2100);
    QCOMPARE(w->timeText, QString("30"));
    QCOMPARE(w.cell(5, 5), int(Blank));
    QCOMPARE(w->clues.hoverColumn, -1);
    w->leftDown = false;

    // A click only resumes, even held on; the clock goes on from the paused time.
    w.press(Qt::LeftButton, 5, 5);
    QVERIFY(w->state == Playing && !w->ui->actionPause->isChecked());
    w.tick(5);
    w.release(Qt::LeftButton, 5, 5);
    QCOMPARE(w.cell(5, 5), int(Blank));
    QVERIFY(w->timeText == "30" || w->timeText == "31");

    // The entry toggles too; neither it nor P does anything while a puzzle is created.
    w->ui->actionPause->trigger();
    QCOMPARE(w->state, Paused);
    w->ui->actionPause->trigger();
    QCOMPARE(w->state, Playing);
    w->StartNewGame(5, 5, Normal);
    w.key(Qt::Key_P);
    QVERIFY(w->state == Creating && !w->ui->actionPause->isEnabled() && !w->ui->actionPause->isChecked());
}

void PauseAndLookTest::pausesKeepEveryMillisecondOfPlay()
{
    // Five stretches of 600 ms with pauses between show the three seconds played: the part of
    // a second is not dropped at each pause, and the pauses do not count.
    WindowDriver w;
    w.play(10, 10, Normal);
    QElapsedTimer stretch;
    stretch.start();
    w.drag(Qt::LeftButton, {{0, 0}});
    qint64 played = 0;
    for (int i = 0; i < 5; ++i) {
        playFor(w, 600);
        w.key(Qt::Key_P);
        played += stretch.elapsed();
        if (i < 4) {
            playFor(w, 400);
            stretch.restart();
            w.key(Qt::Key_P);
        }
    }
    // The test's stretches enclose the game's, each a few milliseconds longer.
    const QStringList possible = {QString::number((played - 50) / 1000), QString::number(played / 1000)};
    QVERIFY2(possible.contains(w->timeText), qPrintable(w->timeText + " after " + QString::number(played) + " ms"));
}

void PauseAndLookTest::commandsResumeAndClosingSavesThePausedTime()
{
    WindowDriver w;
    w.play(10, 5, Normal);
    w.key(Qt::Key_P);
    w->ui->actionMarks->trigger();
    QVERIFY(w->state == Playing && w->marking);
    w.key(Qt::Key_P);
    w.key(Qt::Key_H); // ignored while marking
    QCOMPARE(w->state, Paused);
    w.key(Qt::Key_M);
    QVERIFY(w->state == Playing && !w->marking);
    w.key(Qt::Key_P);
    w.key(Qt::Key_H);
    QVERIFY(w->state == Playing && w->faults == 1);

    // Closing while paused saves the time of the pause, not the time since.
    w->timeOffset = 74;
    playFor(w, 1100);
    w.key(Qt::Key_P);
    QCOMPARE(w->timeText, QString("75"));
    playFor(w, 1100);
    w.answer = true;
    w->close();
    QCOMPARE(w.asked.last(), QString("Save your game?"));
    QFile file("auto.sav");
    SavedGame saved;
    QVERIFY(file.open(QIODevice::ReadOnly) && SavedGame::decode(file.readAll(), saved));
    QCOMPARE(saved.time, 75);
}

void PauseAndLookTest::nothingPlaysWhilePausedAndUndoResumesFirst()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    // A click in the same tick as P still counts: the pause comes after it.
    w.press(Qt::LeftButton, 0, 0);
    w.release(Qt::LeftButton, 0, 0);
    w.key(Qt::Key_P);
    QCOMPARE(w->state, Paused);
    QCOMPARE(w.cell(0, 0), int(Filled));

    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Space, Qt::Key_X})
        w.key(key);
    w.tick(3);
    QCOMPARE(rowsOf(w->board), QStringList({"10000", "00000", "00000", "00000", "00000"}));
    QCOMPARE(QPoint(w->cursorColumn, w->cursorRow), QPoint(0, 0));
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(-1, -1));

    // Undo and redo stay on offer and go on first.
    QVERIFY(w->ui->actionUndo->isEnabled());
    w->ui->actionUndo->trigger();
    QVERIFY(w->state == Playing && w.cell(0, 0) == Blank);
    w.key(Qt::Key_P);
    w->ui->actionRedo->trigger();
    QVERIFY(w->state == Playing && w.cell(0, 0) == Filled);
}

void PauseAndLookTest::aKeyDragEndsAtThePauseAndTheCursorComesBack()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    QTest::keyPress(w.operator->(), Qt::Key_Space);
    w.key(Qt::Key_Right);
    w.tick();
    w.key(Qt::Key_P);
    // Space is still down after play goes on, but the drag ended at the pause.
    w.key(Qt::Key_P);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(1, 0));
    w.key(Qt::Key_Right);
    w.tick();
    QTest::keyRelease(w.operator->(), Qt::Key_Space);
    w.tick();
    QCOMPARE(digitsOf(w->board.row(0)), QString("11000"));
    w->MenuUndo();
    QCOMPARE(digitsOf(w->board.row(0)), QString("00000"));

    // The pointer leaving the window takes no light from the cursor the keys act on.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w.operator->(), &leave);
    QCOMPARE(QPoint(w->clues.hoverColumn, w->clues.hoverRow), QPoint(2, 0));
}

void PauseAndLookTest::highContrastRebuildsThePanelOnlyWhenSwitched()
{
    WindowDriver w;
    w.play(5, 5, Normal);
    const qint64 standardPanel = w->boardPanel.image.cacheKey();
    w->drawingSurface()->repaint();
    QCOMPARE(w->boardPanel.image.cacheKey(), standardPanel);

    const QList<QAction*> settings = w->ui->menuSettings->actions();
    QCOMPARE(settings.indexOf(w->ui->actionHighContrast), settings.indexOf(w->ui->actionMusic) + 1);
    w->ui->actionHighContrast->trigger();
    QVERIFY(w->highContrast && w->needsRepaint && w->boardPanel.image.cacheKey() != standardPanel);
    // A new background keeps the look.
    w->ui->actionGrass->trigger();
    QCOMPARE(w->boardPanel.image.pixelColor(150, 50), BoardLook::highContrast().plateFill(Backgrounds::style(2)));
    w->ui->actionHighContrast->trigger();
    QCOMPARE(w->boardPanel.image.pixelColor(150, 50), Backgrounds::style(2).panelFill);
}

void PauseAndLookTest::leavingTheWindowOrANewGameClearsTheHover()
{
    WindowDriver w;
    w.play(10, 10, Normal);
    w.moveTo(3, 4);
    w.tick();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w.operator->(), &leave);
    QVERIFY(w->clues.hoverColumn == -1 && w->clues.hoverRow == -1 && w->needsRepaint);

    // The pointer rests on a cell while the next puzzle is made: no line of it is hovered.
    w.moveTo(2, 7);
    QCOMPARE(w->clues.hoverRow, 7);
    w.play(10, 10, Normal, 5);
    QVERIFY(w->clues.hoverColumn == -1 && w->clues.hoverRow == -1);
}

QTEST_MAIN(PauseAndLookTest)
#include "test_pause_and_look.moc"
