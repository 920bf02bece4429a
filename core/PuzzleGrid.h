// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class PuzzleRandom;

// A board of CellState codes, one vector per column: cells[x][y], x = 0 leftmost, y = 0 top.
// Used for the player's board, the hidden solution and the generator's candidates; every
// operation reuses the existing storage where it can, so a board allocated once for the
// largest size never allocates again.
class PuzzleGrid {
public:
    // Set whenever the player's board is edited outside the solver; the tick clears it
    // after re-checking the clues.
    bool changed = false;
    // A board-pixel position of the top-left cell, kept for programs built against this
    // header; the game writes and reads it nowhere (its layout keeps the board's one origin).
    int originX = 0;
    int originY = 0;
    int width = 0;
    int height = 0;
    std::vector<std::vector<int>> cells;

    // Every cell becomes Blank; changed and origin are kept.
    void resize(int width, int height);
    // Every cell becomes Filled or Crossed at random, column by column, top to bottom.
    void randomize(int width, int height, PuzzleRandom& random);
    // Takes size and cells of other; changed and origin are kept.
    void copyFrom(const PuzzleGrid& other);
    // Toggles count random cells between Filled and Crossed (x drawn before y); a cell drawn
    // twice flips back. Needs width, height > 0.
    void flipRandomCells(int count, PuzzleRandom& random);
    // Whether every cell is Blank.
    bool isBlank() const;
    // Marks become real cells.
    void acceptMarks();
    // Marks become blank.
    void discardMarks();

    /* 0 <= x < width */
    std::vector<int> column(int x) const;
    /* 0 <= y < height */
    std::vector<int> row(int y) const;
    // Both setters ignore a line of the wrong length.
    void setColumn(int x, const std::vector<int>& line);
    void setRow(int y, const std::vector<int>& line);

private:
    void replaceMarks(int filledCode, int crossedCode);
};
