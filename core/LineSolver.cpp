// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSolver.h"

#include "CellState.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A line seen from one of its walls: index 0 is the first cell from that wall, and run 0 is
// the clue entry nearest it. Writing a scan once against this view and running it with both
// directions is what makes the backward scan an exact mirror of the forward one.
template <bool FromStart>
class LineScan {
public:
    LineScan(std::vector<int>& line, const std::vector<int>& clues)
        : wall_(FromStart ? line.data() : line.data() + line.size() - 1)
        , length_(static_cast<int>(line.size()))
        , clues_(clues.data())
        , runs_(static_cast<int>(clues.size()))
    {
    }

    int length() const { return length_; }
    int& operator[](int i) const { return FromStart ? wall_[i] : wall_[-i]; }
    bool hasRun(int k) const { return k < runs_; }
    /* hasRun(k) */
    int runLength(int k) const { return std::abs(FromStart ? clues_[runs_ - 1 - k] : clues_[k]); }

private:
    int* wall_; // the cell next to the wall the scan starts from
    int length_;
    const int* clues_;
    int runs_;
};

// Stored clue order puts the run nearest index 0 last, so a scan from index 0 starts there.
template <typename Scan>
bool fromBothEnds(std::vector<int>& line, const std::vector<int>& clues, int code, Scan scan)
{
    const bool forward = scan(LineScan<true>(line, clues), code);
    const bool backward = scan(LineScan<false>(line, clues), code);
    return forward || backward;
}

// Mercury: the first block seen from the wall belongs to the first run (b <= c blanks
// before it cannot hold the run and its gap), so the run starts no earlier than c cells
// before the block's end; everything between the wall and that point is empty.
//   clue [3], 0 0 1 1 0 0 0 0: the block ends at 3, the run starts at 1 or later -> cell 0 crossed.
template <typename Line>
bool mercuryScan(Line line, int cross)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    int blanks = 0;
    int filled = 0;
    bool wrote = false;
    // The block of `filled` cells ends at i - 1 after `blanks` blanks: cross the space from
    // its start up to the run's earliest possible start.
    auto crossUnreachable = [&](int i) {
        for (int p = i - filled - blanks; p <= i - length - 1; ++p) {
            if (line[p] != Crossed) {
                line[p] = cross;
                wrote = true;
            }
        }
    };
    for (int i = 0; i < line.length(); ++i) {
        const int code = line[i];
        if (code == Filled) {
            ++filled;
        } else if (code == Blank) {
            if (filled == 0) {
                ++blanks;
            } else {
                crossUnreachable(i);
                if (filled != length || !line.hasRun(++run))
                    break;
                length = line.runLength(run);
                blanks = 0;
                filled = 0;
            }
        } else if (code == Crossed) {
            const int passedLength = length;
            if (filled > 0) {
                crossUnreachable(i);
                if (filled != length || !line.hasRun(++run))
                    break;
                length = line.runLength(run);
            }
            // A space of exactly the run's length could hold it: nothing more is certain.
            if (blanks == passedLength)
                break;
            filled = 0;
            blanks = 0;
        }
        if (blanks > length)
            break;
    }
    return wrote;
}

// Glue: a filled cell within the first run's length of the wall is part of that run, so the
// run covers every cell from it up to the run's length counted from the wall.
//   clue [3], 0 1 0 0 0 0: the run holds cell 1 and starts at 0 or 1 -> cell 2 filled.
template <typename Line>
bool glueScan(Line line, int fill)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    int space = 0;
    int filled = 0;
    int first = -1;
    for (int i = 0; i < line.length(); ++i) {
        const int code = line[i];
        if (code == Crossed) {
            space = 0;
            filled = 0;
            first = -1;
            if (length == 0)
                break;
            continue;
        }
        ++space;
        if (code == Filled) {
            if (first < 0)
                first = i;
            ++filled;
        } else if (first < 0) {
            // Blanks alone as long as the run: it may lie anywhere in them.
            if (space >= length)
                break;
            continue;
        }
        if (space != length)
            continue;
        if (filled != length) {
            bool wrote = false;
            for (int p = first + 1; p <= i; ++p) {
                if (line[p] != Filled) {
                    line[p] = fill;
                    wrote = true;
                }
            }
            return wrote;
        }
        // The run lies complete against the wall; the next cell is its gap.
        if (!line.hasRun(++run))
            break;
        length = line.runLength(run);
        ++i;
        space = 0;
        filled = 0;
        first = -1;
    }
    return false;
}

// Punctuate: a first block exactly as long as the first run is that run, so the cells on
// both sides of it are empty.
//   clue [2], 2 0 1 1 0 0: the block 2..3 is the run -> cells 1 and 4 crossed.
template <typename Line>
bool punctuateScan(Line line, int cross)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    int blanks = 0;
    int filled = 0;
    bool wrote = false;
    auto crossCell = [&](int p) {
        line[p] = cross;
        wrote = true;
    };
    for (int i = 0; i < line.length(); ++i) {
        const int code = line[i];
        if (code == Filled) {
            ++filled;
        } else if (code == Blank) {
            if (filled == 0) {
                ++blanks;
            } else {
                if (filled == length) {
                    crossCell(i);
                    if (i - filled > 0 && line[i - filled - 1] != Crossed)
                        crossCell(i - filled - 1);
                }
                break;
            }
        } else if (code == Crossed) {
            const int passedLength = length;
            if (filled > 0) {
                const bool moreRuns = line.hasRun(++run);
                if (moreRuns)
                    length = line.runLength(run);
                if (filled != passedLength)
                    break;
                // The wall already closes the block's far side; close the near side too,
                // even when this was the last run.
                if (blanks > 0 && i - passedLength > 0 && line[i - passedLength - 1] != Crossed)
                    crossCell(i - passedLength - 1);
                if (!moreRuns)
                    break;
            }
            if (blanks == passedLength)
                break;
            filled = 0;
            blanks = 0;
        }
        if (blanks > length)
            break;
    }
    return wrote;
}

// Gap: a space of blanks closed by walls on both sides and shorter than the first run can
// hold no run at all (later runs cannot come before the first), so it is crossed.
//   clue [2], 0 2 0 0 0 0: the one-cell space at 0 is too short -> crossed.
template <typename Line>
bool gapScan(Line line, int cross)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    int blanks = 0;
    int filled = 0;
    bool wrote = false;
    for (int i = 0; i < line.length(); ++i) {
        const int code = line[i];
        if (code == Filled) {
            ++filled;
        } else if (code == Blank) {
            ++blanks;
            if (filled > 0)
                break;
        } else if (code == Crossed) {
            if (filled == 0) {
                if (blanks == length)
                    break;
                if (blanks > 0 && blanks < length) {
                    // The closing wall is rewritten too, with the code being written.
                    for (int p = i - blanks; p <= i; ++p)
                        line[p] = cross;
                    wrote = true;
                }
            } else {
                // The space is taken as the first run; it must be complete to go on.
                const int passedLength = length;
                if (!line.hasRun(++run))
                    break;
                length = line.runLength(run);
                if (filled != passedLength)
                    break;
            }
            filled = 0;
            blanks = 0;
        }
        if (blanks > length)
            break;
    }
    return wrote;
}

// Fill: the first walled space that holds filled cells holds the first run; when it is
// exactly the run's length, the run fills it.
//   clue [3], 2 0 1 0 2 0: the space 1..3 holds a filled cell and has three cells -> 1..3 filled.
template <typename Line>
bool fillScan(Line line, int fill)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    int space = 0;
    int filled = 0;
    bool wrote = false;
    for (int i = 0; i < line.length(); ++i) {
        const int code = line[i];
        if (code == Crossed) {
            if (filled == 0) {
                // A space of blanks might hold the run; two walls side by side do not matter.
                if (space > 0)
                    break;
            } else {
                if (filled != length && space == length) {
                    for (int p = i - space; p < i; ++p) {
                        if (line[p] != Filled) {
                            line[p] = fill;
                            wrote = true;
                        }
                    }
                }
                if (!line.hasRun(++run))
                    break;
                length = line.runLength(run);
            }
            space = 0;
            filled = 0;
            continue;
        }
        if (code == Filled) {
            ++filled;
            ++space;
        } else if (code == Blank) {
            ++space;
        }
        if (space > length)
            break;
    }
    return wrote;
}

} // namespace

// Boxes: place every run as early as it can go (first fit) and as late as it can go (last
// fit), ignoring filled cells; no solution puts a run earlier or later, so cells that both
// placements give to the same run are filled.
//   clue [7], 10 blanks: first fit 0..6, last fit 3..9 -> 3..6 filled.
// Runs of a satisfied line (negative entries) are placed but claim nothing.
bool LineSolver::boxes(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int)
{
    const int length = static_cast<int>(line.size());
    const int runs = static_cast<int>(clues.size());
    if (length == 0)
        return false;
    // The window a run takes in the first fit ends here (-1: not placed). First-fit windows
    // never overlap, so a cell belongs to a run exactly when it lies in that run's window.
    firstFitEnd_.assign(static_cast<size_t>(runs), -1);

    // Counts the cells that may still hold the current run: a cross empties the window, a
    // mark neither extends nor breaks it.
    // Written without branches: the codes of a line are too irregular to predict.
    auto count = [&line](int i, int counter) {
        const int code = line[i];
        const int extended = counter + (code == Blank || code == Filled);
        return code == Crossed ? 0 : extended;
    };

    int entry = runs - 1;
    int run = entry >= 0 ? std::abs(clues[entry]) : 0;
    int counter = 0;
    for (int i = 0; i < length && entry >= 0;) {
        counter = count(i, counter);
        if (counter != run) {
            ++i;
            continue;
        }
        if (clues[entry] > 0)
            firstFitEnd_[entry] = i;
        if (--entry >= 0)
            run = std::abs(clues[entry]);
        counter = 0;
        i += 2;
    }

    bool wrote = false;
    entry = 0;
    run = runs > 0 ? std::abs(clues[0]) : 0;
    counter = 0;
    for (int i = length - 1; i >= 0 && entry < runs;) {
        counter = count(i, counter);
        if (counter != run) {
            --i;
            continue;
        }
        const int firstEnd = firstFitEnd_[entry];
        if (clues[entry] > 0 && firstEnd >= 0) {
            const int last = std::min(i + run - 1, firstEnd);
            for (int p = std::max(i, firstEnd - run + 1); p <= last; ++p) {
                if (line[p] != Filled) {
                    line[p] = fillCode;
                    wrote = true;
                }
            }
        }
        if (++entry < runs)
            run = std::abs(clues[entry]);
        counter = 0;
        i -= 2;
    }
    return wrote;
}

bool LineSolver::complete(std::vector<int>& line, const std::vector<int>& clues, int, int crossCode)
{
    for (int value : clues)
        if (value > 0)
            return false;
    bool wrote = false;
    for (int& cell : line) {
        if (cell == Blank) {
            cell = crossCode;
            wrote = true;
        }
    }
    return wrote;
}

bool LineSolver::mercury(std::vector<int>& line, const std::vector<int>& clues, int, int crossCode)
{
    return fromBothEnds(line, clues, crossCode, [](auto scan, int code) { return mercuryScan(scan, code); });
}

bool LineSolver::glue(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int)
{
    return fromBothEnds(line, clues, fillCode, [](auto scan, int code) { return glueScan(scan, code); });
}

bool LineSolver::punctuate(std::vector<int>& line, const std::vector<int>& clues, int, int crossCode)
{
    return fromBothEnds(line, clues, crossCode, [](auto scan, int code) { return punctuateScan(scan, code); });
}

bool LineSolver::gap(std::vector<int>& line, const std::vector<int>& clues, int, int crossCode)
{
    return fromBothEnds(line, clues, crossCode, [](auto scan, int code) { return gapScan(scan, code); });
}

bool LineSolver::fill(std::vector<int>& line, const std::vector<int>& clues, int fillCode, int)
{
    return fromBothEnds(line, clues, fillCode, [](auto scan, int code) { return fillScan(scan, code); });
}

bool LineSolver::apply(
    int technique, std::vector<int>& line, const std::vector<int>& clues, int fillCode, int crossCode)
{
    switch (technique) {
    case Boxes: return boxes(line, clues, fillCode, crossCode);
    case Complete: return complete(line, clues, fillCode, crossCode);
    case Mercury: return mercury(line, clues, fillCode, crossCode);
    case Glue: return glue(line, clues, fillCode, crossCode);
    case Punctuate: return punctuate(line, clues, fillCode, crossCode);
    case Gap: return gap(line, clues, fillCode, crossCode);
    case Fill: return fill(line, clues, fillCode, crossCode);
    default: return false;
    }
}
