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

// Plays on until the reserve holds a puzzle of that size.
bool playUntilReserved(WindowDriver& w, int columns, int rows)
{
    for (int tick = 0; tick < 5000 && !w->reserve.readyFor(columns, rows); ++tick)
        w.tick();
    return w->reserve.readyFor(columns, rows);
}

// The clue lists without their signs, which follow the player's board.
QStringList unsignedClues(const ClueSet& clues)
{
    QStringList text;
    for (const auto* lists : {&clues.columnClues, &clues.rowClues})
        for (std::vector<int> list : *lists) {
            for (int& value : list)
                value = std::abs(value);
            text << digitsOf(list);
        }
    return text;
}

QStringList puzzleOf(WindowDriver& w)
{
    return rowsOf(w->solution) << unsignedClues(w->clues);
}

// A new game ready to play: a blank board of the size asked, the clues of its solution, its
// grade, and none of the last game's texts.
void verifyFreshGame(WindowDriver& w, int columns, int rows)
{
    QCOMPARE(w->state, Playing);
    QCOMPARE(QSize(w->board.width, w->board.height), QSize(columns, rows));
    QVERIFY(!rowsOf(w->board).join("").contains(QRegularExpression("[1-4]")));
    QCOMPARE(w->timeText + w->faultsText, QString("00"));
    ClueSet fromSolution;
    fromSolution.computeFrom(w->solution);
    QCOMPARE(unsignedClues(w->clues), unsignedClues(fromSolution));
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
    void newGameStartsOnTheNextTick();
    void reserveIsOnlyForTheCheckedSize();
    void reserveWorksOnlyWhilePlaying();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void NextPuzzleTest::newGameStartsOnTheNextTick()
{
    WindowDriver w;
    w->ui->action10x10->setChecked(true);
    w.play(10, 10, Normal, 3);
    verifyFreshGame(w, 10, 10);

    // The game in progress stays as it was while the next one is made.
    w.setCell(0, 0, Filled);
    w->board.changed = true;
    w.tick();
    const QStringList playing = puzzleOf(w) << rowsOf(w->board);
    QVERIFY(playUntilReserved(w, 10, 10));
    QCOMPARE(puzzleOf(w) << rowsOf(w->board), playing);

    w->timeText = "57";
    w->faultsText = "3";
    w->MenuNewGame();
    QVERIFY(w->state == Creating && w->puzzleReady && !w->reserve.readyFor(10, 10));
    w.tick();
    verifyFreshGame(w, 10, 10);
    QVERIFY(rowsOf(w->solution) != playing.mid(0, 10));

    // The win screen shows the grade, and its New Game takes the reserve too.
    QVERIFY(playUntilReserved(w, 10, 10));
    w->particlesOn = false;
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    const Difficulty won = w->difficulty;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<class WinScreen*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shown = dialog->ui->difficultyLabel->text();
        dialog->accept();
    });
    for (int tick = 0; tick < 10 * 10 + 3 && w->state != Creating; ++tick)
        w.tick();
    QCOMPARE(shown,
        QString("Difficulty: %1 (%2 deductions in %3 sweeps)")
            .arg(w->techniqueNames[won.hardestTechnique])
            .arg(won.deductions)
            .arg(won.sweeps));
    QVERIFY(w->state == Creating && w->puzzleReady);
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
    QVERIFY(!w->puzzleReady && w->reserve.readyFor(10, 10));
    for (int tick = 0; tick < 1000 && w->state == Creating; ++tick)
        w.tick();
    verifyFreshGame(w, 5, 10);

    // Checking another size drops it at the next tick of play.
    w->ui->action15x10->setChecked(true);
    w.tick();
    QVERIFY(!w->reserve.readyFor(10, 10));
    QVERIFY(playUntilReserved(w, 15, 10));
}

void NextPuzzleTest::reserveWorksOnlyWhilePlaying()
{
    WindowDriver w;
    w.tick(20);
    QCOMPARE(w->reserve.busyTime().count(), 0);

    // Creating: the generator has the tick to itself.
    std::srand(5);
    w->StartNewGame(20, 15, Normal);
    for (w.tick(); w->state == Creating; w.tick())
        QCOMPARE(w->reserve.busyTime().count(), 0);

    // A dialog open over the game: nothing until it closes.
    w->reserve.drop();
    const auto beforeDialog = w->reserve.busyTime();
    auto inDialog = beforeDialog;
    QDialog dialog(&*w);
    dialog.setWindowModality(Qt::WindowModal);
    QTimer::singleShot(0, [&] {
        w.tick(20);
        inDialog = w->reserve.busyTime();
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(inDialog, beforeDialog);
    for (int tick = 0; tick < 500 && w->reserve.busyTime() == beforeDialog; ++tick)
        w.tick();
    QVERIFY(w->reserve.busyTime() != beforeDialog);

    // Celebrating: nothing.
    w->reserve.drop();
    w->particlesOn = false;
    w->board.copyFrom(w->solution);
    w->board.changed = true;
    const auto beforeWin = w->reserve.busyTime();
    w.tick(20);
    QCOMPARE(w->state, Celebrating);
    QCOMPARE(w->reserve.busyTime(), beforeWin);
}

QTEST_MAIN(NextPuzzleTest)
#include "test_next_puzzle.moc"
