// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleCode.h"

#include "ClueSet.h"
#include "CodeAlphabet.h"
#include "DifficultyBands.h"
#include "PuzzleSizes.h"
#include "TechniqueNames.h"

#include <cstdio>

namespace {

using CodeAlphabet::base;
using CodeAlphabet::digitOf;
using CodeAlphabet::digits;
using CodeAlphabet::hashOf;

// Catches one wrong digit and most swaps of two: each digit weighs by its place, and the size
// counts too, so a code typed with another size is refused rather than giving a stranger.
int checkDigit(const std::string& seedDigits, int columns, int rows, int band)
{
    // A band weighs in too, so that a code read without its letter is refused; codes made for
    // no band keep the check digit they have always had.
    int sum = 3 * columns + 5 * rows + (band >= 0 ? 7 * (band + 1) : 0);
    for (std::size_t i = 0; i < seedDigits.size(); ++i)
        sum += static_cast<int>(i + 2) * digitOf(seedDigits[i]);
    return sum % base;
}

std::string fingerprint(const ClueSet& clues)
{
    std::string lists;
    for (const auto* direction : {&clues.columnClues, &clues.rowClues}) {
        for (const std::vector<int>& clue : *direction)
            lists += clueText(clue) + ',';
        lists += '|';
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hashOf(lists)));
    return hex;
}

} // namespace

std::string PuzzleCode::text() const
{
    std::string seedDigits;
    std::uint32_t rest = seed;
    do {
        seedDigits.insert(seedDigits.begin(), digits[rest % base]);
        rest /= base;
    } while (rest > 0);
    const std::string bandPart = band >= 0 ? std::string(1, difficultyBands()[band].letter) + "-" : std::string();
    return std::to_string(columns) + "x" + std::to_string(rows) + "-" + bandPart + seedDigits
        + digits[checkDigit(seedDigits, columns, rows, band)];
}

std::optional<PuzzleCode> PuzzleCode::read(const std::string& text)
{
    Problem ignored;
    return read(text, ignored);
}

std::optional<PuzzleCode> PuzzleCode::read(const std::string& text, Problem& why)
{
    const auto refuse = [&why](Problem problem) {
        why = problem;
        return std::nullopt;
    };
    // Spaces around it come with copying; inside, nothing but the code's own characters.
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return refuse(Problem::Empty);
    const std::string code = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    const std::size_t dash = code.find('-');
    int columns = 0;
    int rows = 0;
    if (dash == std::string::npos || !readSize(code.substr(0, dash), columns, rows))
        return refuse(Problem::NoSize);
    if (sizeIndexOf(columns, rows) < 0)
        return refuse(Problem::UnknownSize);
    std::string seedDigits = code.substr(dash + 1);
    int band = -1;
    if (const std::size_t second = seedDigits.find('-'); second != std::string::npos) {
        band = second == 1 ? bandOfLetter(seedDigits[0]) : -1;
        if (band < 0)
            return refuse(Problem::UnknownDifficulty);
        seedDigits.erase(0, second + 1);
    }
    for (const char c : seedDigits)
        if (digitOf(c) < 0)
            return refuse(Problem::BadCharacter);
    // At most seven digits hold 32 bits, and the check digit follows.
    if (seedDigits.size() < 2 || seedDigits.size() > 8)
        return refuse(Problem::WrongLength);
    const char check = seedDigits.back();
    seedDigits.pop_back();
    std::uint64_t seed = 0;
    for (const char c : seedDigits)
        seed = seed * base + static_cast<std::uint64_t>(digitOf(c));
    if (seed > 0xFFFFFFFFu)
        return refuse(Problem::WrongLength);
    if (digitOf(check) != checkDigit(seedDigits, columns, rows, band))
        return refuse(Problem::WrongCheck);
    why = Problem::None;
    return PuzzleCode {columns, rows, static_cast<std::uint32_t>(seed), band};
}

PuzzleCode PuzzleCode::ofDay(const std::string& isoDate, int columns, int rows, int band)
{
    const std::string bandPart = band >= 0 ? std::string(" ") + difficultyBands()[band].key : std::string();
    return {columns, rows,
        hashOf("tessarin " + isoDate + " " + std::to_string(columns) + "x" + std::to_string(rows) + bandPart), band};
}

std::string PuzzleCode::keptWith(const ClueSet& clues) const
{
    return text() + ' ' + fingerprint(clues);
}

std::optional<PuzzleCode> PuzzleCode::keptFor(const std::string& kept, const ClueSet& clues)
{
    const std::size_t space = kept.find(' ');
    if (space == std::string::npos || kept.substr(space + 1) != fingerprint(clues))
        return std::nullopt;
    std::optional<PuzzleCode> code = read(kept.substr(0, space));
    if (code && (code->columns != int(clues.columnClues.size()) || code->rows != int(clues.rowClues.size())))
        return std::nullopt;
    return code;
}
