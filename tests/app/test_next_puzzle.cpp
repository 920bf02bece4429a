// The reserve puzzle as the window uses it, and the difficulty it shows.
#include "WindowDriver.h"

#include "ClueSet.h"
#include "Difficulty.h"
#include "LineNotation.h"
#include "WinScreen.h"
#include "ui_MainWindow.h"
#include "ui_WinScreen.h"

#include <QApplication>
#include <QDialog>
#include <QtTest>

namespace {

// Plays on until the reserve holds a puzzle of that size; false if it never comes.
bool playUntilReserved(WindowDriver& w, int columns, int rows)
{
    for (int tick = 0; tick < 5000 && !w->reserve.readyFor(columns, rows); ++tick)
        w.tick();
    return w->reserve.readyFor(columns, rows);
}

// Plays on until the reserve has done some work; false if it never does.
bool reserveWorks(WindowDriver& w)
{
    const auto before = w->reserve.busyTime();
    for (int tick = 0; tick < 500 && w->reserve.busyTime() == before; ++tick)
        w.tick();
    return w->reserve.busyTime() != before;
}

QStringList absoluteLists(const std::vector<std::vector<int>>& lists)
{
    QStringList text;
    for (std::vector<int> list : lists) {
        for (int& value : list)
            value = std::abs(value);
        text << digitsOf(list);
    }
    return text;
}

// Everything of the game in progress that the reserve must leave alone.
QStringList gameInProgress(WindowDriver& w)
{
    return QStringList() << rowsOf(w->board) << rowsOf(w->solution) << absoluteLists(w->clues.columnClues)
                         << absoluteLists(w->clues.rowClues) << QString::number(w->columns) << QString::number(w->rows);
}

// A puzzle ready to play: blank board of the size asked, clues from its solution, graded.
void verifyFreshGame(WindowDriver& w, int columns, int rows)
{
    QCOMPARE(w->state, Playing);
    QCOMPARE(w->columns, columns);
    QCOMPARE(w->rows, rows);
    QCOMPARE(w->board.width, columns);
    QCOMPARE(w->board.height, rows);
    QCOMPARE(w->timeText, QString("0"));
    QCOMPARE(w->faultsText, QString("0"));
    QVERIFY(!rowsOf(w->board).join("").contains(QRegularExpression("[1-4]")));
    ClueSet fromSolution;
    fromSolution.computeFrom(w->solution);
    QCOMPARE(absoluteLists(w->clues.columnClues), absoluteLists(fromSolution.columnClues));
    QCOMPARE(absoluteLists(w->clues.rowClues), absoluteLists(fromSolution.rowClues));
    const Difficulty difficulty = gradePuzzle(w->clues);
    QVERIFY(w->difficulty == difficulty);
    QCOMPARE(w->difficultyText, "Difficulty: " + w->techniqueNames[difficulty.hardestTechnique]);
}

} // namespace

class NextPuzzleTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void everyNewGameStartsOnTheNextTick();
    void reserveIsOnlyForTheCheckedSize();
    void reserveWorksOnlyWhilePlaying();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void NextPuzzleTest::everyNewGameStartsOnTheNextTick()
{
    WindowDriver w;
    w->ui->action10x10->setChecked(true);
    w.play(10, 10, Normal, 3);
    verifyFreshGame(w, 10, 10);
    w.setCell(0, 0, Filled);
    w.setCell(1, 0, Crossed);
    w->board.changed = true;
    w.tick();

    // The menu entry: the game in progress stays as it was while the next one is made.
    const QStringList playing = gameInProgress(w);
    QVERIFY(playUntilReserved(w, 10, 10));
    QCOMPARE(gameInProgress(w), playing);
    // The board comes at the first tick, so nothing of the last game's texts may stay.
    w->timeText = "57";
    w->faultsText = "3";
    w->MenuNewGame();
    QCOMPARE(w->state, Creating);
    QVERIFY(w->puzzleReady && !w->reserve.readyFor(10, 10));
    w.tick();
    verifyFreshGame(w, 10, 10);
    QVERIFY(rowsOf(w->solution) != playing.mid(10, 10));

    // F2, after its question.
    QVERIFY(playUntilReserved(w, 10, 10));
    w.answer = true;
    w.key(Qt::Key_F2);
    QCOMPARE(w.asked.last(), QString("New game?"));
    QCOMPARE(w->state, Creating);
    w.tick();
    verifyFreshGame(w, 10, 10);

    // The win screen's New Game, for the same size.
    QVERIFY(playUntilReserved(w, 10, 10));
    w->particlesOn = false;
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    w.tick();
    QCOMPARE(w->state, Celebrating);
    QString shownDifficulty;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<class WinScreen*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownDifficulty = dialog->ui->difficultyLabel->text();
        dialog->SetSelection(2, 1); // 10x10, Normal
        dialog->accept();
    });
    for (int tick = 0; tick < 10 * 10 + 2 && w->state != Creating; ++tick)
        w.tick();
    const Difficulty won = w->difficulty;
    QCOMPARE(shownDifficulty,
        QString("Difficulty: %1 (%2 deductions in %3 sweeps)")
            .arg(w->techniqueNames[won.hardestTechnique])
            .arg(won.deductions)
            .arg(won.sweeps));
    QCOMPARE(w->state, Creating);
    w.tick();
    verifyFreshGame(w, 10, 10);
}

void NextPuzzleTest::reserveIsOnlyForTheCheckedSize()
{
    WindowDriver w;
    w->ui->action10x10->setChecked(true);
    w.play(10, 10, Normal, 4);
    QVERIFY(playUntilReserved(w, 10, 10));

    // Another size (as the win screen may choose) is made as before; the reserve waits.
    w->StartNewGame(5, 10, Normal);
    QVERIFY(!w->puzzleReady);
    QVERIFY(w->reserve.readyFor(10, 10));
    for (int tick = 0; tick < 1000 && w->state == Creating; ++tick)
        w.tick();
    verifyFreshGame(w, 5, 10);

    // Checking another size drops it at the next tick of play, and makes that size instead.
    w->ui->action15x10->setChecked(true);
    w.tick();
    QVERIFY(!w->reserve.readyFor(10, 10));
    QVERIFY(playUntilReserved(w, 15, 10));
    w->ui->action10x10->setChecked(true);
    w.tick();
    QVERIFY(!w->reserve.readyFor(15, 10));
}

void NextPuzzleTest::reserveWorksOnlyWhilePlaying()
{
    WindowDriver w;
    w.tick(20);
    QCOMPARE(w->state, Idle);
    QCOMPARE(w->reserve.busyTime().count(), 0);

    // Creating: the player waits for the generator, which gets the tick alone.
    std::srand(5);
    w->StartNewGame(20, 15, Normal);
    while (w->state == Creating) {
        w.tick();
        if (w->state == Creating)
            QCOMPARE(w->reserve.busyTime().count(), 0);
    }

    // A dialog open over the game: nothing, and afterwards the work goes on.
    w->reserve.drop();
    const auto beforeDialog = w->reserve.busyTime();
    auto busyInDialog = beforeDialog;
    QDialog dialog(&*w);
    dialog.setWindowModality(Qt::WindowModal);
    QTimer::singleShot(0, [&] {
        w.tick(20);
        busyInDialog = w->reserve.busyTime();
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(busyInDialog, beforeDialog);
    QVERIFY(reserveWorks(w));

    // Celebrating and the win screen: nothing.
    w->reserve.drop();
    w->particlesOn = false;
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    const auto beforeWin = w->reserve.busyTime();
    w.tick();
    QCOMPARE(w->state, Celebrating);
    w.tick(20);
    QCOMPARE(w->reserve.busyTime(), beforeWin);
}

QTEST_MAIN(NextPuzzleTest)
#include "test_next_puzzle.moc"
