// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The numbers and clue lines of the plain-text formats.

// The reason every format gives for a puzzle in colours.
extern const char* const colourRefusal;

// A count as a file writes it. Numbers far beyond any puzzle are never converted (so never
// overflow): they are only known to be too large, and their digits are kept for the reason.
struct CountText {
    int value = 0; // when !tooLarge
    bool tooLarge = false; // more than largestPuzzleSide
    std::string_view digits;
    std::string shown() const;
};

// Reads the decimal digits at the start of text and moves past them; false when there are none.
bool readCount(std::string_view& text, CountText& count);

// Reads one line of clue numbers ("3,1", "3 1", "3, 1"; "0" or nothing for an empty line) in
// the order the file gives them (left to right, top to bottom) into stored order (far end
// first); zeros among other numbers stand for no run and are dropped. Returns "" when read,
// otherwise the reason, colourRefusal for numbers followed by colour letters ("3a").
std::string readClueLine(std::string_view line, std::vector<int>& stored);

// The numbers of a stored list as the player reads them ("3 12"), shortened when long.
std::string clueReading(const std::vector<int>& stored);
