// Closing the window, leaving with nobody there to answer, and the game in progress kept in
// "auto.sav" until the next start.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Prompt.h"
#include "ResumableGame.h"
#include "SavedGame.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>

void MainWindow::StartUp()
{
    show();
    const DurableFile::Reading offered = savedGame.read();
    if (offered.status != DurableFile::Reading::Status::Read) {
        MenuNewGame();
        return;
    }
    // Offered once: declined, it goes, unless another copy of the game saved over it while
    // the question was open.
    if (!Prompt::ask(this, "Load game in progress from previous session?")) {
        savedGame.discard(offered.bytes);
        MenuNewGame();
        return;
    }
    QString why;
    if (!LoadGame(&why)) {
        Prompt::tell(this, "Your saved game could not be loaded from " + savedGame.path() + ": " + why + ".");
        MenuNewGame();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Only a game the player has started is worth keeping; Closing stops input and the
    // clock text while the question is open. A paused game is saved with the paused time.
    if (!filesSealed && gameStarted()) {
        const GameState before = state;
        state = Closing;
        const Prompt::Answer answer = Prompt::askOrCancel(this, "Save your game?");
        // Left under the question (the session ended): what that kept stands.
        if (!filesSealed && !keepOrLetGo(answer)) {
            state = before;
            event->ignore();
            return;
        }
    }
    // Said once here rather than at every win, though the scores could not be kept either:
    // they stayed in memory and were tried again with each write since.
    if (!filesSealed && !SaveSettings())
        Prompt::tell(this,
            "Your settings and scores could not be saved to " + settingsStore.path() + ": " + settingsStore.failure()
                + ".");
    sealFiles();
    // Help windows have no parent, so that modal questions leave them usable; they must not
    // keep the game running once its window is gone.
    CloseHelpWindows();
    event->accept();
}

bool MainWindow::keepOrLetGo(Prompt::Answer answer)
{
    switch (answer) {
    case Prompt::Answer::Cancel: return false;
    case Prompt::Answer::No: savedGame.release(); return true;
    case Prompt::Answer::Yes: break;
    }
    QString why;
    if (SaveGame(&why))
        return true;
    Prompt::tell(this,
        "Your game could not be saved to " + savedGame.path() + ": " + why
            + ".\nThe game stays open, so that nothing is lost.");
    return false;
}

void MainWindow::SaveWithoutAsking()
{
    if (filesSealed)
        return;
    // Nobody may be there to read a box: the terminal, if any, is told.
    QString why;
    if (gameStarted() && !SaveGame(&why))
        qWarning().noquote() << "Tessarin: your game could not be saved to" << savedGame.path() + ":" << why;
    if (!SaveSettings())
        qWarning().noquote() << "Tessarin: your settings and scores could not be saved to" << settingsStore.path() + ":"
                             << settingsStore.failure();
}

void MainWindow::Leave()
{
    SaveWithoutAsking();
    sealFiles();
    CloseHelpWindows();
    // Every box still open returns, and nothing it answers can touch the files any more.
    QApplication::quit();
}

void MainWindow::sealFiles()
{
    filesSealed = true;
    settingsStore.seal();
    savedGame.seal();
}

bool MainWindow::gameStarted() const
{
    return (gameInPlay() || state == Closing) && clock.isValid();
}

bool MainWindow::SaveGame(QString* why)
{
    SavedGame game;
    game.mode = mode;
    game.columns = columns;
    game.rows = rows;
    game.time = timeText.toInt();
    game.faults = faults;
    game.columnClues = clues.columnClues;
    game.rowClues = clues.rowClues;
    for (int x = 0; x < board.width; ++x) {
        for (int y = 0; y < board.height; ++y) {
            int code = board.cells[x][y];
            // A hint's cells wait as marks for the player to read its box; the hint is paid
            // for, so they are kept as cells.
            if (hintShown && (code == MarkedFilled || code == MarkedCrossed))
                code -= MarkedFilled - Filled;
            if (code != Blank)
                game.cells.push_back({x, y, code});
        }
    }
    return savedGame.write(game.encode(), why);
}

bool MainWindow::LoadGame(QString* why)
{
    const DurableFile::Reading file = savedGame.read();
    if (file.status != DurableFile::Reading::Status::Read) {
        if (why)
            *why = file.status == DurableFile::Reading::Status::Missing ? "it is no longer there" : file.error;
        return false;
    }
    ResumableGame resumed;
    if (!ResumableGame::read(file.bytes, solver, resumed)) {
        if (why)
            *why = "it is damaged, and was removed";
        savedGame.discard(file.bytes);
        return false;
    }
    savedGame.adopt(file.bytes);

    const SavedGame& game = resumed.saved;
    ++gameNumber;
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
