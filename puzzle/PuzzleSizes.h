// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <string>

// The board sizes, columns x rows, in the order of the Size menu, with their labels ("5x5"
// ... "20x15"), which are also the texts of the menu, the size boxes and the score keys.
struct PuzzleSize {
    int columns;
    int rows;
    const char* label;
};
constexpr PuzzleSize puzzleSizes[]
    = {{5, 5, "5x5"}, {10, 5, "10x5"}, {10, 10, "10x10"}, {15, 10, "15x10"}, {15, 15, "15x15"}, {20, 15, "20x15"}};
constexpr int puzzleSizeCount = static_cast<int>(std::size(puzzleSizes));

// The index in puzzleSizes of a board of that size, or of the size with that label; -1 for
// none.
int sizeIndexOf(int columns, int rows);
int sizeIndexOf(const std::string& label);

// A size as written in labels and codes, "15x10" (or "15X10"): decimal digits without sign
// or leading zero, an x, and digits again, nothing else; false for any other text.
bool readSize(const std::string& text, int& columns, int& rows);
