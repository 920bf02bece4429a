// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The seven line techniques. Each looks at one line (a row or a column) and its clue list
// in stored order (far-end run first, see ClueSet), writes what it can deduce with the
// given codes, and returns whether it wrote a cell. The solver passes Filled/Crossed; the
// hint search passes the mark codes so its deductions show as tentative cells.
//
// Each technique only reasons about the first unresolved run seen from a wall, so it is
// sound on any line consistent with its clue but far from complete: it gives up as soon as
// the situation from its end of the line becomes ambiguous. Except for Complete, every
// technique scans twice, from index 0 and then, as an exact mirror, from the far end; the
// second scan sees what the first wrote.
//
// While scanning, only 0, 1 and 2 are recognised (blank, filled, crossed) whatever codes are
// being written; marks are neither blank nor filled and never end a space.
class LineSolver {
public:
    enum Technique { None = 0, Boxes = 1, Complete, Mercury, Glue, Punctuate, Gap, Fill };

    // The first-fit and the last-fit placement of a run overlap: the overlap is filled.
    bool boxes(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // Every run is accounted for (or the line is empty): the blanks are crossed.
    bool complete(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // A block near the wall pins the start of the first run: cells too far from it are crossed.
    bool mercury(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // A filled cell within the first run's length of the wall is glued to it: the cells from it
    // to the run's furthest possible start are filled.
    bool glue(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // A first block exactly as long as the first run is closed by a cross on each side.
    bool punctuate(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // A space between walls too short for the first run is crossed.
    bool gap(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);
    // A walled space that holds filled cells and is exactly the first run's length is filled.
    bool fill(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);

    /* technique in 1..7; any other number writes nothing */
    bool apply(int technique, std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode);

private:
    // Where each run ends in the first-fit placement; kept between calls so the solver's hot
    // loop does not allocate.
    std::vector<int> firstFitEnd_;
};
