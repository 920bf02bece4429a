// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameFiles.h"
#include "Prompt.h"
#include "ScoreBook.h"

#include <QCoreApplication>

#include <functional>

class QWidget;
class Session;

// The game kept between runs, and the files it is kept in: "auto.sav" offered at the start,
// "Save your game?" at the close, the game kept without a box when the game must stop, and
// the settings written after each. Once the game has left, the files are final.
class GameKeeper {
    Q_DECLARE_TR_FUNCTIONS(GameKeeper)

public:
    // Boxes open over the window; saveSettings writes "tessarin.ini", false when it could not.
    GameKeeper(QWidget& window, const Session& session, std::function<bool()> saveSettings);

    GameFiles& files() { return files_; }

    // The saved game, if there is one and the player wants it; false to start a new game
    // (the player was told if it could not be loaded).
    bool offerSavedGame(ResumableGame& game);
    // Asks whether to keep a started game, then writes the settings; false when the window
    // must stay open (cancelled, or the save failed and the player was told).
    bool keepAtClose(bool gameStarted);
    // Keeps a started game and the settings; nobody may be there to read a box, so the
    // terminal, if any, is told of a failure.
    void keepWithoutAsking(bool gameStarted);
    // The session's win, kept in the scores the moment the board is solved, as the record it
    // leaves; a resumed game's file is done with.
    ScoreBook::Record keepWin();
    // A hint a technique gave, counted with the puzzles won per hardest technique.
    void keepHint(int technique);
    void seal() { files_.seal(); }

private:
    bool saveGame(QString* why);

    QWidget& window_;
    const Session& session_;
    std::function<bool()> saveSettings_;
    GameFiles files_;
};
