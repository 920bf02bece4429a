// SPDX-License-Identifier: GPL-3.0-or-later
// Starting with the game kept from before, closing the window, and leaving with nobody there
// to answer.
#include "MainWindow.h"

#include "HelpBrowser.h"
#include "Language.h"

#include <QApplication>
#include <QCloseEvent>

void MainWindow::StartUp(const QString& puzzleFile)
{
    show();
    // Said once, before anything is played on the defaults.
    const StorageFolder& storage = keeper_.files().storage();
    if (!storage.made())
        Prompt::tell(this,
            tr("Tessarin cannot keep your settings, scores and games: the folder %1 cannot be made.")
                .arg(storage.folder()));
    const QString unreadable = keeper_.files().settings().unreadable();
    if (!unreadable.isEmpty())
        Prompt::tell(this,
            tr("Your settings and scores in %1 could not be read: %2.\nThe game plays on its defaults and leaves the "
               "file as it is.")
                .arg(keeper_.files().settings().path(), unreadable));
    // The saved game stays as it is for the next start: this copy asks before it replaces it.
    if (!puzzleFile.isEmpty() && OpenPuzzleFile(puzzleFile))
        return;
    ResumableGame game;
    if (!keeper_.offerSavedGame(game)) {
        MenuNewGame();
        return;
    }
    const SavedGame& saved = game.saved;
    if (!saved.inFirstForm()) {
        answer(session_.resume(keptPicture(game.puzzle), saved.mode, game.board, saved.time, saved.faults));
        return;
    }
    answer(session_.resume(saved.mode, game.board, game.clues, game.solution, saved.time, saved.faults,
        PuzzleCode::keptFor(settings_.savedPuzzle.toStdString(), game.clues)));
}

// A picture of the gallery comes back as the gallery has it, its givens and colours with it,
// while the gallery still holds it with the same clues; anything else as it was kept.
Puzzle MainWindow::keptPicture(const Puzzle& kept) const
{
    if (kept.origin.kind != PuzzleOrigin::Kind::Gallery)
        return kept;
    for (const GalleryPicture& picture : pictures()) {
        if (picture.id != kept.origin.place)
            continue;
        Puzzle puzzle = puzzleOf(picture);
        if (puzzle.clues.columnClues == kept.clues.columnClues && puzzle.clues.rowClues == kept.clues.rowClues)
            return puzzle;
    }
    return kept;
}

// Only a game the player has begun is worth keeping; play stands still while the question is
// open. A paused game is kept with the paused time.
void MainWindow::closeEvent(QCloseEvent* event)
{
    // A design not kept is asked about first; its Cancel keeps the game open too.
    if (designer_ && designer_->isVisible() && !designer_->close()) {
        event->ignore();
        return;
    }
    asking_ = true;
    const bool closes = keeper_.keepAtClose();
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
    if (designer_)
        designer_->KeepWithoutAsking();
    keeper_.keepWithoutAsking();
}

void MainWindow::Leave()
{
    SaveWithoutAsking();
    keeper_.seal();
    CloseHelpWindows();
    // Every box still open returns at once, and so does any box opened after it; nothing
    // they answer can touch the files any more. A box that refuses to close (the hint's has
    // no button that cancels) cannot hold the game up, as it could a quit.
    QCoreApplication::exit(0);
}

bool MainWindow::gameStarted() const
{
    return session_.inPlay() && session_.clockStarted();
}
