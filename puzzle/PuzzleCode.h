// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class ClueSet;

// A puzzle's short name, which makes it again on any copy of this version of the game: its
// size and its generator's seed, as "15x10-7QK2M4C" (the seed in base 32, most significant
// digit first, then one check digit). The digits are 0-9 and the letters but I, L, O and U, so
// that no two read alike; read back, case does not matter, O is taken for 0 and I or L for 1.
// A puzzle made for a difficulty band has the band's letter after the size: "30x30-H-7QK2M4C".
struct PuzzleCode {
    int columns = 0;
    int rows = 0;
    std::uint32_t seed = 0;
    // An index into difficultyBands(), or -1 for a puzzle made for none.
    int band = -1;

    // Why a text is not a code.
    enum class Problem {
        None,
        Empty,
        NoSize, // not a size ("15x10"), then a dash: digits, an x and digits, nothing else
        UnknownSize, // a size the game does not make
        BadCharacter, // after the dash, a character no code has
        WrongLength, // after the dash, too few or too many digits for a seed and a check digit
        WrongCheck, // the check digit does not fit: a digit mistyped, or two swapped
        UnknownDifficulty, // between two dashes, something other than a band's letter
    };
    std::string text() const;
    // The code a text names; none for anything that is not a code of one of the game's sizes
    // (the caller says so), including one whose check digit does not match.
    static std::optional<PuzzleCode> read(const std::string& text);
    // The same, and why not when none.
    static std::optional<PuzzleCode> read(const std::string& text, Problem& why);
    // The puzzle of a day, the same for every player: from the date ("2026-12-08"), the size
    // and the band (-1 for none).
    static PuzzleCode ofDay(const std::string& isoDate, int columns, int rows, int band = -1);

    // The code kept beside a saved game, "15x10-7QK2M4C 5d1f09a2": the code and a fingerprint
    // of the clues it makes, so that it is taken back only for the very game it was kept with.
    std::string keptWith(const ClueSet& clues) const;
    static std::optional<PuzzleCode> keptFor(const std::string& kept, const ClueSet& clues);
};
