// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <vector>

// Pictures for the help pages, drawn with the game's own tiles and board measures so that
// they look like the board. tiles is the game's 120 x 24 strip, one tile per cell code
// (blank, filled, crossed, marked filled, marked crossed).

// A line before and after a technique, one above the other, each with the clue in reading
// order to its left. The cells the technique found are drawn as marks, the way a hint shows
// them on the board. before and after hold codes 0..2 and have the same length.
QImage linePicture(
    const QImage& tiles, const std::vector<int>& clue, const std::vector<int>& before, const std::vector<int>& after);

// A whole board with its column clues above and its row clues to the left, in reading order.
// columnClues and rowClues are in reading order; cells is indexed [x][y].
QImage boardPicture(const QImage& tiles, const std::vector<std::vector<int>>& columnClues,
    const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& cells);

// The same with a frame around one line and its clue, the line the text tells of; cells may
// hold the mark codes, drawn as a hint shows them.
QImage framedBoardPicture(const QImage& tiles, const std::vector<std::vector<int>>& columnClues,
    const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& cells, bool framedIsRow,
    int framedLine);

// Whether the clue font is installed; without it the numbers would be drawn in whatever
// font the system substitutes.
bool clueFontAvailable();
