// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameFiles.h"
#include "Prompt.h"
#include "ScoreBook.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class QWidget;
class Session;

// The game kept between runs, and the files it is kept in: "auto.sav" offered at the start,
// kept a few seconds after each change while it is played (so that a lost display, a crash or
// a power cut loses at most those seconds), "Save your game?" at the close, the game kept
// without a box when the game must stop, and the settings with each. Once the game has left,
// the files are final.
class GameKeeper {
    Q_DECLARE_TR_FUNCTIONS(GameKeeper)

public:
    // How long after a change the game in play is kept.
    static constexpr std::chrono::milliseconds keepDelay {3000};

    // Boxes open over the window. gameStarted tells whether the game in play is worth keeping;
    // saveSettings writes "tessarin.ini" (always, or only when a setting changed), false when
    // it could not.
    GameKeeper(QWidget& window, const Session& session, std::function<bool()> gameStarted,
        std::function<bool(bool always)> saveSettings);

    GameFiles& files() { return files_; }
    const GameFiles& files() const { return files_; }

    // The saved game, if there is one, no other copy of the game is playing it, and the player
    // wants it; false to start a new game (the player was told if it could not be loaded).
    bool offerSavedGame(ResumableGame& game);
    // Something changed: the game and the settings are kept a few seconds from now, off the
    // tick. Later changes until then are kept with it.
    void keepSoon();
    // Asks whether to keep a started game, then writes the settings; false when the window
    // must stay open (cancelled, or the save failed and the player was told).
    bool keepAtClose();
    // Keeps a started game and the settings; nobody may be there to read a box, so the
    // terminal, if any, is told of a failure.
    void keepWithoutAsking();
    // The session's win, as it stands the moment the board is solved, is kept in the scores
    // the moment after (never inside the tick, which it would stall); a resumed game's file is
    // done with.
    void keepWin();
    // The record the last win left, kept first if it is still waiting.
    const ScoreBook::Record& lastWin();
    // A hint a technique gave, counted with the puzzles won per hardest technique, the moment
    // after.
    void keepHint(int technique);
    void seal();

private:
    SavedGameFile::Writing saveGame(QString* why, bool replace = false);
    // The game in play and any changed setting, without a box; the terminal hears of a
    // failure once, until a keep succeeds again.
    void keepNow();
    // Writes the win and the hints waiting since the last command or tick.
    void keepWaiting();
    void keepWaitingSoon();

    QWidget& window_;
    const Session& session_;
    std::function<bool()> gameStarted_;
    std::function<bool(bool always)> saveSettings_;
    GameFiles files_;
    QTimer keepTimer_;
    bool keepFailed_ = false;
    struct Win {
        // The generated size's label, or the gallery picture's id; both empty for a puzzle
        // kept by its fingerprint.
        QString sizeLabel;
        QString picture;
        ScoreBook::FileRecord file;
        int mode;
        QString seconds;
        QString faults;
        int technique;
    };
    std::optional<Win> winWaiting_;
    std::vector<int> hintsWaiting_;
    bool keepPosted_ = false;
    ScoreBook::Record lastWin_;
};
