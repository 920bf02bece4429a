// SPDX-License-Identifier: GPL-3.0-or-later
// Starting with the game kept from before, closing the window, and leaving with nobody there
// to answer.
#include "MainWindow.h"

#include "HelpBrowser.h"

#include <QApplication>
#include <QCloseEvent>

void MainWindow::StartUp()
{
    show();
    ResumableGame game;
    if (!keeper_.offerSavedGame(game)) {
        MenuNewGame();
        return;
    }
    const SavedGame& saved = game.saved;
    answer(session_.resume(saved.mode, game.board, game.clues, game.solution, saved.time, saved.faults,
        PuzzleCode::keptFor(settings_.savedPuzzle.toStdString(), game.clues)));
}

// Only a game the player has begun is worth keeping; play stands still while the question is
// open. A paused game is kept with the paused time.
void MainWindow::closeEvent(QCloseEvent* event)
{
    asking_ = true;
    const bool closes = keeper_.keepAtClose(gameStarted());
    asking_ = false;
    if (!closes) {
        event->ignore();
        return;
    }
    // Help windows have no parent, so that modal questions leave them usable; they must not
    // keep the game running once its window is gone.
    CloseHelpWindows();
    event->accept();
}

void MainWindow::SaveWithoutAsking()
{
    keeper_.keepWithoutAsking(gameStarted());
}

void MainWindow::Leave()
{
    SaveWithoutAsking();
    keeper_.seal();
    CloseHelpWindows();
    // Every box still open returns, and nothing it answers can touch the files any more.
    QApplication::quit();
}

bool MainWindow::gameStarted() const
{
    return session_.inPlay() && session_.clockStarted();
}
