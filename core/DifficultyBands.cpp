// SPDX-License-Identifier: GPL-3.0-or-later
#include "DifficultyBands.h"

#include "TechniqueTable.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

// Marks the names for the translators' tool, which reads this file; the core itself shows
// only English.
#define QT_TRANSLATE_NOOP(context, text) text

namespace {

constexpr double unlimited = std::numeric_limits<double>::infinity();

// Glue is the last technique that looks only at a line's ends and the runs nearest them;
// Arrangements weighs every placement of every run; What If tries a cell both ways.
const DifficultyBand table[difficultyBandCount] = {
    {QT_TRANSLATE_NOOP("GameWords", "Easy"), "Easy", 'E', 4, 0.6, 6, false, false},
    {QT_TRANSLATE_NOOP("GameWords", "Medium"), "Medium", 'M', 7, 1.0, 10, false, false},
    {QT_TRANSLATE_NOOP("GameWords", "Hard"), "Hard", 'H', arrangementsTechnique, unlimited, 20, false, false},
    {QT_TRANSLATE_NOOP("GameWords", "Very Hard"), "VeryHard", 'V', whatIfTechnique, unlimited, 1000, true, true},
};

} // namespace

const DifficultyBand* difficultyBands()
{
    return table;
}

int bandOf(const Difficulty& difficulty, int columns, int rows)
{
    const double sweepsPerSide = double(difficulty.sweeps) / std::max({columns, rows, 1});
    for (int band = 0; band < difficultyBandCount - 1; ++band)
        if (difficulty.hardestTechnique <= table[band].hardestTechnique
            && sweepsPerSide <= table[band].mostSweepsPerSide)
            return band;
    return difficultyBandCount - 1;
}

int findBand(const char* key)
{
    for (int band = 0; band < difficultyBandCount; ++band)
        if (std::strcmp(table[band].key, key) == 0)
            return band;
    return -1;
}

int bandOfLetter(char letter)
{
    for (int band = 0; band < difficultyBandCount; ++band)
        if (std::toupper(static_cast<unsigned char>(letter)) == table[band].letter)
            return band;
    return -1;
}
