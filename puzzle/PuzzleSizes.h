// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <string>

// The board sizes the game makes, columns x rows, in the order of the Size menu, with their
// labels ("5x5" ... "40x40"), which are also the texts of the menu, the size boxes and the
// score keys. The first six are made by the hill climb, as they always have been; the large
// ones by pictures of shapes.
struct PuzzleSize {
    int columns;
    int rows;
    const char* label;
    bool pictures;
};
constexpr PuzzleSize puzzleSizes[] = {{5, 5, "5x5", false}, {10, 5, "10x5", false}, {10, 10, "10x10", false},
    {15, 10, "15x10", false}, {15, 15, "15x15", false}, {20, 15, "20x15", false}, {20, 20, "20x20", true},
    {25, 25, "25x25", true}, {30, 30, "30x30", true}, {40, 40, "40x40", true}};
constexpr int puzzleSizeCount = static_cast<int>(std::size(puzzleSizes));

// The index in puzzleSizes of a board of that size, or of the size with that label; -1 for
// none.
int sizeIndexOf(int columns, int rows);
int sizeIndexOf(const std::string& label);
// Whether the game makes boards of that size by the hill climb (the six sizes it has always
// made), or by pictures of shapes.
bool madeByClimb(int columns, int rows);
bool madeOfPictures(int columns, int rows);

// A size as written in labels and codes, "15x10" (or "15X10"): decimal digits without sign
// or leading zero, an x, and digits again, nothing else; false for any other text.
bool readSize(const std::string& text, int& columns, int& rows);
