// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class SettingsStore;

// The switches and choices kept in "tessarin.ini" between runs, groups "settings" and
// "lastGame". A missing key keeps its default. A background, size or mode the game does not
// know also keeps the default, so exactly one of each is always chosen; but a switch that is
// present is on only for the exact text "true" ("True", "1" or anything else reads as off),
// and newPlayer reads as Qt reads a boolean (empty, "0" and "false" are off).
struct GameSettings {
    int background = 0; // 0 Wood, 1 Leaves, 2 Grass, 3 Water
    bool particlesOn = true;
    bool soundOn = true;
    bool musicOn = true;
    bool newPlayer = true;
    bool highContrast = false;
    QString lastSize = "5x5"; // one of the size labels
    QString lastMode = "Beginner"; // "Beginner", "Normal" or "Expert"
    QString lastDifficulty = "Any"; // "Any", or a difficulty band's key ("Easy" ... "VeryHard")
    // How frames are drawn, read at start: "opengl", "raster", or "auto" for OpenGL unless the
    // only renderer at hand draws on the processor, where Qt's own raster engine is faster.
    QString drawing = "auto";
    // The code of the game kept in "auto.sav", with its clues' fingerprint; empty for none.
    QString savedPuzzle;
    // The puzzle files opened last, as RecentFiles keeps them.
    QString recentFiles;

    bool operator==(const GameSettings& other) const;

    static GameSettings load(const SettingsStore& store);
    // Writes every key; switches as the texts "true" and "false". False when the file could
    // not be written (the store says why), and then scores cannot be kept either.
    bool save(SettingsStore& store) const;
};
