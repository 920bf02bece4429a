// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

class PuzzleGrid;

// The clue lists of a puzzle, one per column and one per row.
//
// A list is stored with the run at the far end of the line first: for a row, entry 0 is the
// rightmost run; for a column, the bottommost. An empty line has the list [0]. A negative
// entry is the same run length, flagged because the line currently matches its clue;
// updateSatisfied rewrites those signs. 0 is never negated and always counts as satisfied.
//
// Example: a column that is, top to bottom, # # . # . has the list [1, 2].
class ClueSet {
public:
    // A board origin, hovered line and highlight colour, kept for programs built against this
    // header. The game writes and reads none of them: its view keeps the origin, the hover
    // and the colours of its own (BoardLayout, ViewState, BoardLook).
    int originX = 0;
    int originY = 0;
    std::vector<std::vector<int>> columnClues;
    std::vector<std::vector<int>> rowClues;
    int hoverColumn = -1;
    int hoverRow = -1;
    int highlightRed = 230;
    int highlightGreen = 0;
    int highlightBlue = 0;
    // Per line, the numbers whose runs the player has certainly finished (bit k for entry
    // k, see SettledRuns), as of the last updateSettled.
    std::vector<std::uint64_t> columnSettled;
    std::vector<std::uint64_t> rowSettled;

    // Rebuilds every list from a board in which only Filled counts as filled.
    void computeFrom(const PuzzleGrid& board);
    // Empty lists for the given numbers of columns and rows, to be filled by the appends.
    void resizeEmpty(int columns, int rows);
    /* 0 <= x < number of column lists */
    void appendColumnClue(int x, int value);
    /* 0 <= y < number of row lists */
    void appendRowClue(int y, int value);
    std::vector<int> columnClue(int x) const;
    std::vector<int> rowClue(int y) const;
    // The most entries in any column (row) list, but at least 4: the clue slots the layout reserves.
    int widestColumnClue() const;
    int widestRowClue() const;
    // Flags, by sign, the lines whose runs (Filled and MarkedFilled count as filled) match their list.
    void updateSatisfied(const PuzzleGrid& board);
    // The same for one line. /* 0 <= x < width, 0 <= y < height, a list for each */
    void updateColumnSatisfied(const PuzzleGrid& board, int x);
    void updateRowSatisfied(const PuzzleGrid& board, int y);
    // Whether a line's runs are those of a clue list (signs ignored), by the same rule.
    static bool lineMatches(const std::vector<int>& line, const std::vector<int>& clue);
    // True when no entry is positive: every line matches or is empty.
    bool allSatisfied() const;
    // Recomputes the settled numbers of every line from the board.
    void updateSettled(const PuzzleGrid& board);
    // Whether entry k of a column's (row's) list was settled; false for anything not computed.
    bool numberSettled(bool isRow, int line, int k) const;
};
