#pragma once

#include <QString>

// The switches and choices kept in "tessarin.ini" between runs, groups "settings" and
// "lastGame". Values the file cannot supply (missing, or nothing the game knows) take the
// key's default, so exactly one background, size and mode is always chosen.
struct GameSettings {
    int background = 0; // 0 Wood, 1 Leaves, 2 Grass, 3 Water
    bool particlesOn = true;
    bool soundOn = true;
    bool musicOn = true;
    bool newPlayer = true;
    bool highContrast = false;
    QString lastSize = "5x5";     // one of the six size labels
    QString lastMode = "Beginner"; // "Beginner", "Normal" or "Expert"

    static GameSettings load();
    // Writes every key; switches as the texts "true" and "false".
    void save() const;
};
