// Pause: the clock stands and the board is hidden, so a player who steps away neither loses
// time nor leaves the puzzle on show.
#include "MainWindow.h"

#include "ui_MainWindow.h"

#include <algorithm>
#include <limits>

void MainWindow::MenuPause()
{
    if (state == Paused)
        ResumeGame();
    else
        PauseGame();
    // The entry checks itself when chosen; it must show the state even when nothing changed.
    ui->actionPause->setChecked(state == Paused);
}

void MainWindow::PauseGame()
{
    if (state != Playing)
        return;
    // What the player did before the pause counts, and a drag ends there: buttons and keys
    // held now enter nothing when play goes on. That input, or a command just before, may
    // have solved the puzzle, which then wins instead.
    releaseAllButtons();
    ApplyInput();
    if (state != Playing || (board.changed && settleBoard()))
        return;
    state = Paused;
    // The time so far is carried as a resumed saved game carries it, with the part of a second
    // kept too, so that pausing often costs the player nothing and gains nothing.
    if (clock.isValid()) {
        const qint64 played = clock.elapsed() + carriedMilliseconds;
        timeOffset = static_cast<int>(std::min<qint64>(timeOffset + played / 1000, std::numeric_limits<int>::max()));
        carriedMilliseconds = static_cast<int>(played % 1000);
        timeText = QString::number(timeOffset);
    }
    clues.hoverColumn = clues.hoverRow = -1;
    ui->actionPause->setChecked(true);
    needsRepaint = true;
}

void MainWindow::ResumeGame()
{
    if (state != Paused)
        return;
    state = Playing;
    if (clock.isValid())
        clock.start();
    ui->actionPause->setChecked(false);
    // A keyboard player finds the cursor where it was; the pointer lights its line when it moves.
    if (cursorLeads)
        showCursor();
    needsRepaint = true;
}
