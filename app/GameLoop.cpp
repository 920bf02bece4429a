// The tick and what it drives: puzzle creation, play, the win sequence.
#include "MainWindow.h"

#include "SceneGeometry.h"
#include "ScoreBook.h"
#include "SoundBank.h"
#include "WinScreen.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>

namespace {
// The tick's period, and the part of it the reserve leaves free so that late timer events
// and the next frame are never held up.
constexpr std::chrono::milliseconds tickPeriod {10};
constexpr std::chrono::milliseconds tickSlack {2};
} // namespace

void MainWindow::Tick()
{
    QElapsedTimer tickTime;
    tickTime.start();
    sounds->keepMusicGoing(musicOn);
    switch (state) {
    case Creating: createPuzzleStep(); break;
    case Playing: playStep(); break;
    case Celebrating: WinStep(); break;
    default: break;
    }
    if (faultTimeLine.state() == QTimeLine::Running)
        needsRepaint = true;
    refreshUndoEntries();
    if (needsRepaint) {
        surface->repaint();
        needsRepaint = false;
    }
    fillReserve(tickTime);
}

// After the frame, so the reserve never delays what the player sees.
void MainWindow::fillReserve(const QElapsedTimer& tickTime)
{
    // While creating, the player waits for the generator; in a dialog the player may be
    // choosing something else entirely.
    if (state != Playing || QApplication::activeModalWidget())
        return;
    const PuzzleSize& size = puzzleSizes[checkedSizeIndex()];
    reserve.aimAt(size.columns, size.rows);
    const std::chrono::nanoseconds left = tickPeriod - tickSlack - std::chrono::nanoseconds(tickTime.nsecsElapsed());
    reserve.work(std::min<std::chrono::nanoseconds>(PuzzleReserve::tickBudget, left));
}

void MainWindow::createPuzzleStep()
{
    if (puzzleReady) {
        puzzleReady = false;
        acceptPuzzle();
    } else if (generator.generateFor(board, solution, clues, PuzzleGenerator::tickBudget)) {
        acceptPuzzle();
    }
}

void MainWindow::acceptPuzzle()
{
    board.resize(columns, rows);
    clock.invalidate();
    timeOffset = 0;
    faults = 0;
    // The new board is drawn at once; the texts of the game before must not come with it.
    timeText = faultsText = QStringLiteral("0");
    BeginPlay();
}

void MainWindow::BeginPlay()
{
    const int rowSlots = clues.widestRowClue();
    const int columnSlots = clues.widestColumnClue();
    boardPanel.rebuild(columns, rows, rowSlots, columnSlots, panelFillColor, panelLineColor);
    boardX = SceneGeometry::boardOrigin(rowSlots);
    boardY = SceneGeometry::boardOrigin(columnSlots);
    board.originX = clues.originX = boardPanel.originX = boardX;
    board.originY = clues.originY = boardPanel.originY = boardY;
    clues.updateSatisfied(board);
    clues.updateSettled(board);
    // Graded afresh for a resumed game too, so "auto.sav" need not keep it.
    difficulty = gradePuzzle(clues);
    difficultyText
        = difficulty.hardestTechnique > 0 ? "Difficulty: " + techniqueNames[difficulty.hardestTechnique] : QString();
    FitView(width(), height());
    ui->actionMarks->setEnabled(mode != Beginner);
    ui->actionPause->setEnabled(true);
    ui->actionPause->setChecked(false);
    carriedMilliseconds = 0;
    play.beginPlay();
    showMarkingMode();
    recordedInput.clear();
    state = Playing;
    cursorColumn = cursorRow = 0;
    // A keyboard player finds the cursor lit at once; a line the pointer hovered in the last
    // game stays dark until the pointer moves.
    if (cursorLeads)
        showCursor();
    else
        clues.hoverColumn = clues.hoverRow = -1;
    refreshUndoEntries();
    needsRepaint = true;
}

void MainWindow::playStep()
{
    if (particlesOn && particles.update())
        needsRepaint = true;
    // Whole seconds; formatted as an integer so that a time of a million seconds or more
    // still reads back as a number. The clock stops at the largest count "auto.sav" holds.
    const qint64 seconds = clock.isValid() ? (clock.elapsed() + carriedMilliseconds) / 1000 + timeOffset : 0;
    const QString time = QString::number(std::min<qint64>(seconds, std::numeric_limits<int>::max()));
    const QString faultCount = QString::number(faults);
    if (time != timeText || faultCount != faultsText) {
        timeText = time;
        faultsText = faultCount;
        needsRepaint = true;
    }
    ApplyInput();
    // The hint, marks and undo change the board between ticks.
    if (state == Playing && board.changed)
        settleBoard();
}

bool MainWindow::settleBoard()
{
    board.changed = false;
    clues.updateSatisfied(board);
    clues.updateSettled(board);
    if (!clues.allSatisfied())
        return false;
    BeginWin();
    return true;
}

void MainWindow::BeginWin()
{
    state = Celebrating;
    // Nothing may act on a game that is over.
    for (QAction* command : {ui->actionHint, ui->actionMarks, ui->actionPause})
        command->setEnabled(false);
    sizeGroup->setEnabled(false);
    modeGroup->setEnabled(false);
    // Kept at once: the dissolve takes seconds, and the player may close the window or start
    // another game meanwhile. A resumed game's file is done with.
    winRecord = ScoreBook::recordWin(
        settingsStore, puzzleSizes[sizeIndexOf(columns, rows)].label, mode, timeText, faultsText);
    savedGame.release();
    sounds->play(SoundBank::Effect::Win, soundOn);
    newPlayer = false;
    // A button still held after the win enters nothing in the next game.
    leftDown = rightDown = spaceDown = xDown = false;
    play.releaseAll();
    clearCountdown = columns * rows;
    particles.clearAll();
}

// The solved board dissolves: one random cell per tick, then the rest at once, then the
// window waits for the last bursts to fade.
void MainWindow::WinStep()
{
    if (clearCountdown > 0) {
        const int x = std::rand() % columns;
        const int y = std::rand() % rows;
        clearCell(x, y);
    } else if (clearCountdown == 0) {
        for (int x = 0; x < columns; ++x)
            for (int y = 0; y < rows; ++y)
                clearCell(x, y);
    } else if (!particlesOn || !particles.anyAlive()) {
        // Particles switched off during the dissolve are frozen, not dying: waiting for
        // them would never end.
        FinishGame();
    }
    if (particlesOn)
        particles.update();
    needsRepaint = true;
    --clearCountdown;
}

void MainWindow::clearCell(int x, int y)
{
    // The dissolving picture bursts in the colours opposite to those of input.
    const int code = board.cells[x][y];
    if (particlesOn && (code == Filled || code == Crossed))
        particles.spawnBurst(boardX + 12 + 24 * x, boardY + 12 + 24 * y, code == Filled ? Qt::black : Qt::white);
    board.cells[x][y] = Blank;
    board.changed = true;
}

// Shows the congratulations, with the win as it was recorded, and the choice of the next game.
void MainWindow::FinishGame()
{
    // The dialog's nested event loop keeps ticking; in this state the ticks do nothing.
    state = WinScreen;
    // "class": the game state of the same name hides the dialog type here.
    class WinScreen dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.SetSelection(sizeIndexOf(columns, rows), mode - Beginner);
    dialog.SetScores(timeText, faultsText, winRecord.bestTime, winRecord.bestFaults, winRecord.wins);
    dialog.SetDifficulty(techniqueNames.value(difficulty.hardestTechnique), difficulty.deductions, difficulty.sweeps);
    if (dialog.exec() == QDialog::Accepted) {
        const PuzzleSize& next = puzzleSizes[dialog.SelectedSize()];
        const int nextMode = dialog.SelectedMode() + Beginner;
        sizeAction(dialog.SelectedSize())->setChecked(true);
        modeAction(nextMode)->setChecked(true);
        StartNewGame(next.columns, next.rows, nextMode);
    } else {
        close();
    }
}
