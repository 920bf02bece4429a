// The Game menu's commands that change what is played.
#include "MainWindow.h"

#include "About.h"
#include "HelpBrowser.h"
#include "HighScores.h"
#include "ProcessMemory.h"
#include "Prompt.h"
#include "ui_MainWindow.h"

#include <QActionGroup>

int MainWindow::checkedSizeIndex() const
{
    const QAction* entry = sizeGroup->checkedAction();
    return entry ? std::max(0, sizeIndexFromLabel(entry->text())) : 0;
}

int MainWindow::checkedMode() const
{
    const QAction* entry = modeGroup->checkedAction();
    return entry ? std::max(int(Beginner), modeFromName(entry->text())) : int(Beginner);
}

void MainWindow::MenuNewGame()
{
    ResumeGame();
    const PuzzleSize& size = puzzleSizes[checkedSizeIndex()];
    const int newMode = checkedMode();
    // The help window is not modal: the game goes on below it.
    if (newPlayer
        && Prompt::ask(
            this, "It looks like this is your first time playing.\nWould you like to read about how to play?"))
        OpenHelp("Help//howtoplay.html");
    StartNewGame(size.columns, size.rows, newMode);
}

void MainWindow::StartNewGame(int newColumns, int newRows, int newMode)
{
    // The player expects a new game to take a moment.
    handBackFreedMemory();
    // The player chose another game: a resumed game's file is done with.
    savedGame.release();
    ++gameNumber;
    columns = newColumns;
    rows = newRows;
    mode = newMode;
    modeText = modeName(mode);
    ui->actionHint->setEnabled(false);
    ui->actionMarks->setEnabled(false);
    ui->actionPause->setEnabled(false);
    ui->actionPause->setChecked(false);
    sizeGroup->setEnabled(true);
    modeGroup->setEnabled(true);
    // A puzzle made ahead in the last game's spare time starts at the next tick.
    puzzleReady = reserve.take(columns, rows, solution, clues);
    if (!puzzleReady)
        generator.startGeneration(board, clues, columns, rows);
    offsetX = 0;
    offsetY = 0;
    scale = 1.0f;
    state = Creating;
    refreshUndoEntries();
    needsRepaint = true;
}

void MainWindow::MenuMarking()
{
    if (!gameInPlay() || mode == Beginner)
        return;
    ResumeGame();
    applyInputNow();
    if (!marking) {
        play.startMarking();
    } else {
        const int askedIn = gameNumber;
        const bool keep = Prompt::ask(this, "Keep marks?");
        // The answer belongs to the game that asked.
        if (gameNumber != askedIn)
            return;
        play.stopMarking(keep);
    }
    showMarkingMode();
    needsRepaint = true;
}

void MainWindow::showMarkingMode()
{
    // The hint needs a board without marks.
    ui->actionHint->setEnabled(!marking);
    ui->actionMarks->setChecked(marking);
    clues.highlightRed = marking ? 0 : 200;
    clues.highlightGreen = 0;
    clues.highlightBlue = marking ? 230 : 0;
}

void MainWindow::MenuUndo()
{
    takeHistoryStep(true);
}

void MainWindow::MenuRedo()
{
    takeHistoryStep(false);
}

// Nothing is taken back or made again while a puzzle is made, while the solved board
// dissolves, or on the win screen.
void MainWindow::takeHistoryStep(bool back)
{
    ResumeGame();
    applyInputNow();
    if (state != Playing)
        return;
    if (!(back ? play.undo() : play.redo()).empty())
        needsRepaint = true;
    showMarkingMode();
    refreshUndoEntries();
}

void MainWindow::refreshUndoEntries()
{
    ui->actionUndo->setEnabled(gameInPlay() && play.canUndo());
    ui->actionRedo->setEnabled(gameInPlay() && play.canRedo());
}

void MainWindow::MenuHighScore()
{
    HighScores dialog(settingsStore, this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.SetSelection(checkedSizeIndex(), checkedMode() - Beginner);
    // Both boxes may already stand on the chosen entries, which updates nothing by itself.
    dialog.UpdateHighScore();
    dialog.exec();
}

void MainWindow::MenuHelp()
{
    OpenHelp("Help//howtoplay.html");
}

void MainWindow::MenuAbout()
{
    // Modal to this window only, so help windows stay usable.
    About dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}
