// Closing the window, and the game in progress kept in "auto.sav" until the next start.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "ResumableGame.h"
#include "SavedGame.h"
#include "StorageFolder.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QSaveFile>

namespace {
const char* const savedGameFile = "auto.sav";
// Far larger than any game this program writes; a bigger file is not read at all.
const qint64 savedGameLimit = 1 << 20;
} // namespace

void MainWindow::StartUp()
{
    show();
    const QString saved = StorageFolder::path(savedGameFile);
    if (!QFile::exists(saved)) {
        MenuNewGame();
        return;
    }
    if (!Prompt::ask(this, "Load game in progress from previous session?") || !LoadGame())
        MenuNewGame();
    // Offered once, whatever the answer.
    QFile::remove(saved);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool settingsSaved = SaveSettings();
    // Only a game the player has started is worth keeping; Closing stops input and the
    // clock text while the question is open. A paused game is saved with the paused time.
    if (gameInPlay() && clock.isValid()) {
        state = Closing;
        if (Prompt::ask(this, "Save your game?") && !SaveGame())
            Prompt::tell(this, "Your game could not be saved to " + StorageFolder::path(savedGameFile) + ".");
    }
    // Said once here rather than at every win, though the scores were lost as well.
    if (!settingsSaved)
        Prompt::tell(this,
            "Your settings and scores could not be saved to " + StorageFolder::settingsPath() + ".");
    // Help windows have no parent, so that modal questions leave them usable; they must not
    // keep the game running once its window is gone.
    CloseHelpWindows();
    event->accept();
}

bool MainWindow::SaveGame()
{
    SavedGame game;
    game.mode = mode;
    game.columns = columns;
    game.rows = rows;
    game.time = timeText.toInt();
    game.faults = faults;
    game.columnClues = clues.columnClues;
    game.rowClues = clues.rowClues;
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y)
            if (board.cells[x][y] != Blank)
                game.cells.push_back({x, y, board.cells[x][y]});
    // Written beside the old file and swapped in only when complete, so a failed save
    // never destroys a good one.
    QSaveFile file(StorageFolder::path(savedGameFile));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(game.encode());
    return file.commit();
}

bool MainWindow::LoadGame()
{
    QFile file(StorageFolder::path(savedGameFile));
    if (!file.open(QIODevice::ReadOnly) || file.size() > savedGameLimit)
        return false;
    ResumableGame resumed;
    if (!ResumableGame::read(file.readAll(), solver, resumed))
        return false;

    const SavedGame& game = resumed.saved;
    mode = game.mode;
    columns = game.columns;
    rows = game.rows;
    timeOffset = game.time;
    faults = game.faults;
    clues.columnClues = std::move(resumed.clues.columnClues);
    clues.rowClues = std::move(resumed.clues.rowClues);
    solution.copyFrom(resumed.solution);
    board.resize(columns, rows);
    for (const SavedGame::Cell& cell : game.cells)
        board.cells[cell.x][cell.y] = cell.code;
    board.changed = true;
    modeText = modeName(mode);
    ui->actionHint->setEnabled(false);
    ui->actionMarks->setEnabled(false);
    BeginPlay();
    clock.start();
    return true;
}
