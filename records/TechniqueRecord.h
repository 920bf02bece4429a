// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TechniqueTable.h"

#include <array>

class SettingsStore;

// What the player has learnt, technique by technique, in "tessarin.ini" group "techniques"
// (which older copies of the game ignore): the hints each technique gave, as "BoxesHints",
// and the puzzles won that each technique was the hardest one for, as "BoxesWins", under
// the technique's key ("WhatIfHints"). Counts
// are decimal text; anything else reads as 0.
namespace TechniqueRecord {

struct Counts {
    int hints = 0;
    int wins = 0;
};
// By technique number less one, as the technique table lists them.
using Table = std::array<Counts, techniqueCount>;

Table lookup(const SettingsStore& store);
// Each is written at once; a number that names no technique counts nothing. False when the
// file could not be written (the store keeps the count and says why).
bool countHint(SettingsStore& store, int technique);
bool countWin(SettingsStore& store, int hardestTechnique);

} // namespace TechniqueRecord
