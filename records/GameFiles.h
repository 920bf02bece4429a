// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignShelf.h"
#include "ResumableGame.h"
#include "SavedGameFile.h"
#include "SettingsStore.h"
#include "StorageFolder.h"

class Session;

// Where this run keeps its files, chosen once, and the files: the settings and scores in
// "tessarin.ini" and the game in progress in "auto.sav". Once sealed, at the game's end,
// nothing more is written or removed.
class GameFiles {
public:
    GameFiles();

    SettingsStore& settings() { return settings_; }
    const SettingsStore& settings() const { return settings_; }
    SavedGameFile& savedGame() { return savedGame_; }
    DesignShelf& designs() { return designs_; }
    const DesignShelf& designs() const { return designs_; }
    const StorageFolder& storage() const { return storage_; }

    // Keeps the session's game in "auto.sav", with a waiting hint's cells as cells (the hint
    // is paid for); over another copy's game only when replacing. Why, when not written.
    SavedGameFile::Writing saveGame(const Session& session, QString* why, bool replace = false);
    // The game in "auto.sav", which from now on is the game in play's file. False, with why,
    // when it is gone or cannot be read, or is damaged (and then removed).
    bool loadGame(ResumableGame& game, QString* why);

    void seal();
    bool sealed() const { return sealed_; }

private:
    StorageFolder storage_;
    SettingsStore settings_;
    SavedGameFile savedGame_;
    DesignShelf designs_;
    bool sealed_ = false;
};
