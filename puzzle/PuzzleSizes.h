// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iterator>
#include <string>

// The board sizes the game makes, columns x rows, in the order of the Size menu, with their
// labels ("5x5" ... "40x40"), which are also the texts of the menu, the size boxes and the
// score keys. The first six are made by the hill climb, as they always have been; the large
// ones by pictures of shapes. hardestBand is the hardest difficulty band (an index into
// difficultyBands()) the size makes within about a second, as generation_bench measures it:
// a Hard puzzle takes the hill climb a few milliseconds at 5x5 and 50 at 10x10, but is not
// found in 2000 seeds at 10x5 and takes the better part of a second or more, and at times
// more than 2000 seeds, at 15x10, 15x15 and 20x15; the hill climb never makes a Very Hard one.
struct PuzzleSize {
    int columns;
    int rows;
    const char* label;
    bool pictures;
    int hardestBand;
};
constexpr PuzzleSize puzzleSizes[] = {{5, 5, "5x5", false, 2}, {10, 5, "10x5", false, 1}, {10, 10, "10x10", false, 2},
    {15, 10, "15x10", false, 1}, {15, 15, "15x15", false, 1}, {20, 15, "20x15", false, 1}, {20, 20, "20x20", true, 3},
    {25, 25, "25x25", true, 3}, {30, 30, "30x30", true, 3}, {40, 40, "40x40", true, 3}};
constexpr int puzzleSizeCount = static_cast<int>(std::size(puzzleSizes));

// The index in puzzleSizes of a board of that size, or of the size with that label; -1 for
// none.
int sizeIndexOf(int columns, int rows);
int sizeIndexOf(const std::string& label);
// Whether the game makes boards of that size by the hill climb (the six sizes it has always
// made), or by pictures of shapes.
bool madeByClimb(int columns, int rows);
bool madeOfPictures(int columns, int rows);

// Whether the size of puzzleSizes[sizeIndex] makes puzzles of a band, and why not.
enum class BandReach {
    Made,
    BeyondTheSevenTechniques, // the band needs more than the hill climb's seven techniques
    TooRare, // the band is found too seldom at the size
};
BandReach bandOutOfReach(int sizeIndex, int band);

// A size as written in labels and codes, "15x10" (or "15X10"): decimal digits without sign
// or leading zero, an x, and digits again, nothing else; false for any other text.
bool readSize(const std::string& text, int& columns, int& rows);
