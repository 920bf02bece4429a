// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaskTechniques.h"

#include "LineSolver.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// A line seen from one of its walls, like LineSolver's LineScan but on masks: index 0 is the
// cell next to that wall and run 0 the clue entry nearest it, so each scan below is written
// once and runs from both ends. The searches return the first index at or after i holding a
// cell of the kind asked for, or length() when there is none.
template <bool FromStart>
class MaskScan {
public:
    MaskScan(LineMasks& line, const std::vector<int>& clues)
        : line_(line)
        , length_(line.length)
        , clues_(clues.data())
        , runs_(static_cast<int>(clues.size()))
    {
    }

    int length() const { return length_; }
    bool hasRun(int k) const { return k < runs_; }
    /* hasRun(k) */
    int entry(int k) const { return FromStart ? clues_[runs_ - 1 - k] : clues_[k]; }
    /* hasRun(k) */
    int runLength(int k) const { return std::abs(entry(k)); }
    // The index in the line of the cell at scan index i.
    int cell(int i) const { return FromStart ? i : length_ - 1 - i; }

    /* 0 <= i < length */
    bool isCrossed(int i) const { return (line_.crossed >> cell(i)) & 1; }
    /* 0 <= i <= length, for the four searches */
    int nextCrossed(int i) const { return next(line_.crossed, i); }
    int nextNotCrossed(int i) const { return next(line_.cells() & ~line_.crossed, i); }
    int nextNotBlank(int i) const { return next(line_.filled | line_.crossed, i); }
    int nextNotFilled(int i) const { return next(line_.cells() & ~line_.filled, i); }
    /* 0 <= from <= to <= length, for both */
    bool anyFilled(int from, int to) const { return (line_.filled & lineRange(from, to)) != 0; }
    bool allFilled(int from, int to) const { return (~line_.filled & lineRange(from, to)) == 0; }
    // Writes the cells of scan indexes from..to-1; nothing when from >= to.
    /* from >= 0 and to <= length, or from >= to */
    bool cross(int from, int to) { return line_.cross(lineFrom(from, to), lineTo(from, to)); }
    bool fill(int from, int to) { return line_.fill(lineFrom(from, to), lineTo(from, to)); }

private:
    std::uint64_t lineRange(int from, int to) const { return LineMasks::range(lineFrom(from, to), lineTo(from, to)); }
    // The line range of the scan range from..to-1, empty when that one is.
    int lineFrom(int from, int to) const { return FromStart ? from : length_ - to; }
    int lineTo(int from, int to) const { return FromStart ? to : length_ - from; }

    // Shifts the cells before i out, leaving scan index i at the lowest bit (from the start)
    // or at the highest (from the end).
    /* length >= 1 */
    int next(std::uint64_t kind, int i) const
    {
        if (FromStart) {
            const std::uint64_t ahead = kind >> i;
            return ahead ? i + LineMasks::lowest(ahead) : length_;
        }
        const std::uint64_t ahead = kind << (64 - length_) << i;
        return ahead ? i + LineMasks::leadingZeros(ahead) : length_;
    }

    LineMasks& line_;
    int length_;
    const int* clues_;
    int runs_;
};

template <typename Scan>
bool fromBothEnds(LineMasks& line, const std::vector<int>& clues, Scan scan)
{
    // Nothing to scan, and the searches need a cell.
    if (line.length == 0)
        return false;
    const bool forward = scan(MaskScan<true>(line, clues));
    const bool backward = scan(MaskScan<false>(line, clues));
    return forward || backward;
}

// The scans below go from space to space (a space starts at the line end, after a crossed
// cell or after the gap of a completed run). In each they find the blanks before the first
// block, the block and the cell that ends it, and take the decision LineSolver's walk takes
// at that cell. A walk that stops at a blank because a count exceeds the run stops there
// before writing anything, so stopping at the stretch's end instead gives the same line.
// Crossed cells that follow a wall are passed in one step: the walk only stops at such a
// cell when the run is 0 cells long, and the first of them already stops it then.

// Mercury and Punctuate both judge the first block after the wall: from space, passes the
// spaces of blanks too short for the run (the walk goes through them) to that block. False
// where the walk stops first: more blanks than the run, a space of blanks exactly the run's
// length, or a block that reaches the line end.
template <typename Line>
bool firstBlock(Line line, int& space, int length, int& blockStart, int& blockEnd)
{
    for (;;) {
        blockStart = line.nextNotBlank(space);
        const int blanks = blockStart - space;
        if (blanks > length || blockStart == line.length())
            return false;
        if (!line.isCrossed(blockStart))
            break;
        if (blanks == length)
            return false;
        space = line.nextNotCrossed(blockStart);
    }
    blockEnd = line.nextNotFilled(blockStart);
    return blockEnd != line.length();
}

// Mercury: a first block pins the run's start; the space before that point is crossed.
template <typename Line>
bool mercuryScan(Line line)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    bool wrote = false;
    for (int space = 0, blockStart, blockEnd; firstBlock(line, space, length, blockStart, blockEnd);) {
        const int blanks = blockStart - space;
        // As in the walk, a run shorter than the block crosses part of the block too.
        wrote |= line.cross(space, blockEnd - length);
        if (blockEnd - blockStart != length || !line.hasRun(++run))
            break;
        const int passedLength = length;
        length = line.runLength(run);
        if (line.isCrossed(blockEnd) && blanks == passedLength)
            break;
        space = blockEnd + 1;
    }
    return wrote;
}

// Glue: a filled cell within the first run's length of the wall is glued to it.
template <typename Line>
bool glueScan(Line line)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    for (int space = 0; space < line.length();) {
        const int first = line.nextNotBlank(space);
        // Blanks alone as long as the run: it may lie anywhere in them. A zero run also ends
        // the scan here: the walk would go on to the next wall without writing.
        if (first - space >= length || first == line.length())
            return false;
        if (line.isCrossed(first)) {
            space = line.nextNotCrossed(first);
            continue;
        }
        // The walk judges the space at its length-th cell, unless a wall or the line end
        // comes first.
        const int end = space + length;
        const int wall = line.nextCrossed(first);
        if (wall < end) {
            if (wall == line.length())
                return false;
            space = line.nextNotCrossed(wall);
            continue;
        }
        // Not yet the whole run: it holds the first filled cell and reaches at least to end.
        if (!line.allFilled(space, end))
            return line.fill(first + 1, end);
        // The run lies complete against the wall; the next cell is its gap.
        if (!line.hasRun(++run))
            return false;
        length = line.runLength(run);
        space = end + 1;
    }
    return false;
}

// Punctuate: a first block exactly as long as the first run gets a cross on each side.
template <typename Line>
bool punctuateScan(Line line)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    bool wrote = false;
    for (int space = 0, blockStart, blockEnd; firstBlock(line, space, length, blockStart, blockEnd);) {
        const int blanks = blockStart - space;
        const int filled = blockEnd - blockStart;
        if (!line.isCrossed(blockEnd)) {
            // A blank after the first block ends the scan, after closing a block of the
            // run's length; the cell before the block is a blank or the wall.
            if (filled == length) {
                wrote |= line.cross(blockEnd, blockEnd + 1);
                if (blockStart > 0)
                    wrote |= line.cross(blockStart - 1, blockStart);
            }
            break;
        }
        const int passedLength = length;
        const bool moreRuns = line.hasRun(++run);
        if (moreRuns)
            length = line.runLength(run);
        if (filled != passedLength)
            break;
        // The wall already closes the block's far side; close the near side too, even when
        // this was the last run.
        if (blanks > 0)
            wrote |= line.cross(blockStart - 1, blockStart);
        if (!moreRuns || blanks == passedLength)
            break;
        space = blockEnd + 1;
    }
    return wrote;
}

// Gap: a walled space of blanks too short for the first run is crossed.
template <typename Line>
bool gapScan(Line line)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    bool wrote = false;
    for (int space = 0;;) {
        const int blockStart = line.nextNotBlank(space);
        const int blanks = blockStart - space;
        if (blanks > length || blockStart == line.length())
            break;
        if (line.isCrossed(blockStart)) {
            if (blanks == length)
                break;
            // The walk also rewrites the closing wall, which changes nothing.
            wrote |= line.cross(space, blockStart);
            space = line.nextNotCrossed(blockStart);
            continue;
        }
        const int blockEnd = line.nextNotFilled(blockStart);
        // A blank after a filled cell makes the space ambiguous.
        if (blockEnd == line.length() || !line.isCrossed(blockEnd))
            break;
        // The space is taken as the first run; it must be complete to go on.
        const int passedLength = length;
        if (!line.hasRun(++run))
            break;
        length = line.runLength(run);
        if (blockEnd - blockStart != passedLength)
            break;
        space = blockEnd + 1;
    }
    return wrote;
}

// Fill: the first walled space holding filled cells, exactly the first run's length, is filled.
template <typename Line>
bool fillScan(Line line)
{
    int run = 0;
    if (!line.hasRun(run))
        return false;
    int length = line.runLength(run);
    bool wrote = false;
    for (int space = 0;;) {
        const int wall = line.nextCrossed(space);
        // The walk stops at the cell that makes the space longer than the run, before any wall.
        if (wall - space > length || wall == line.length())
            break;
        if (!line.anyFilled(space, wall)) {
            // A space of blanks might hold the run; two walls side by side do not matter.
            if (wall > space)
                break;
        } else {
            if (wall - space == length && !line.allFilled(space, wall))
                wrote |= line.fill(space, wall);
            if (!line.hasRun(++run))
                break;
            length = line.runLength(run);
        }
        space = line.nextNotCrossed(wall);
    }
    return wrote;
}

// The last index of a run of `length` cells placed as early as it can go from index `from`
// on, counting filled and blank cells alike as LineSolver's Boxes does, or line.length()
// when it does not fit. Boxes' counter reads 0 only on a crossed cell, so that is where a
// zero run is placed.
template <typename Line>
int placeRun(const Line& line, int from, int length)
{
    if (length == 0)
        return line.nextCrossed(from);
    for (int start = from; start + length <= line.length();) {
        const int wall = line.nextCrossed(start);
        if (wall >= start + length)
            return start + length - 1;
        start = line.nextNotCrossed(wall);
    }
    return line.length();
}

} // namespace

namespace MaskTechniques {

// Boxes: the first-fit placement is the forward scan's, the last-fit placement the backward
// scan's; cells both give to the same run are filled.
bool boxes(LineMasks& line, const std::vector<int>& clues)
{
    if (line.length == 0)
        return false;
    const int runs = static_cast<int>(clues.size());
    // Where the runs placed by the first fit end, in the order placed. Each placement ends at
    // least two cells after the previous one, so at most half the line's cells (rounded up)
    // are needed.
    std::array<int, (LineMasks::maxLength + 1) / 2> firstFitEnd {};
    int placed = 0;
    const MaskScan<true> firstFit(line, clues);
    for (int from = 0; from < line.length && firstFit.hasRun(placed); ++placed) {
        const int end = placeRun(firstFit, from, firstFit.runLength(placed));
        if (end == line.length)
            break;
        firstFitEnd[placed] = end;
        from = end + 2;
    }

    bool wrote = false;
    const MaskScan<false> lastFit(line, clues);
    for (int run = 0, from = 0; from < line.length && lastFit.hasRun(run); ++run) {
        const int length = lastFit.runLength(run);
        const int end = placeRun(lastFit, from, length);
        if (end == line.length)
            break;
        // Run `run` from the far end is run `runs - 1 - run` from index 0. A negative entry
        // (a satisfied line) claims nothing.
        const int order = runs - 1 - run;
        if (lastFit.entry(run) > 0 && order < placed) {
            const int lastStart = lastFit.cell(end);
            const int firstEnd = firstFitEnd[order];
            wrote |= line.fill(std::max(lastStart, firstEnd - length + 1), std::min(lastStart + length, firstEnd + 1));
        }
        from = end + 2;
    }
    return wrote;
}

bool complete(LineMasks& line, const std::vector<int>& clues)
{
    for (int value : clues)
        if (value > 0)
            return false;
    const std::uint64_t blanks = line.blanks();
    line.crossed |= blanks;
    return blanks != 0;
}

bool mercury(LineMasks& line, const std::vector<int>& clues)
{
    return fromBothEnds(line, clues, [](auto scan) { return mercuryScan(scan); });
}

bool glue(LineMasks& line, const std::vector<int>& clues)
{
    return fromBothEnds(line, clues, [](auto scan) { return glueScan(scan); });
}

bool punctuate(LineMasks& line, const std::vector<int>& clues)
{
    return fromBothEnds(line, clues, [](auto scan) { return punctuateScan(scan); });
}

bool gap(LineMasks& line, const std::vector<int>& clues)
{
    return fromBothEnds(line, clues, [](auto scan) { return gapScan(scan); });
}

bool fill(LineMasks& line, const std::vector<int>& clues)
{
    return fromBothEnds(line, clues, [](auto scan) { return fillScan(scan); });
}

bool apply(int technique, LineMasks& line, const std::vector<int>& clues)
{
    switch (technique) {
    case LineSolver::Boxes: return boxes(line, clues);
    case LineSolver::Complete: return complete(line, clues);
    case LineSolver::Mercury: return mercury(line, clues);
    case LineSolver::Glue: return glue(line, clues);
    case LineSolver::Punctuate: return punctuate(line, clues);
    case LineSolver::Gap: return gap(line, clues);
    case LineSolver::Fill: return fill(line, clues);
    default: return false;
    }
}

// Flattened into one function: the solver runs the seven hundreds of times per puzzle, and
// separate calls cost it about a tenth of its time.
__attribute__((flatten)) unsigned applyAll(LineMasks& line, const std::vector<int>& clues)
{
    // One statement each keeps them in order.
    unsigned wrote = unsigned(boxes(line, clues)) << LineSolver::Boxes;
    wrote |= unsigned(complete(line, clues)) << LineSolver::Complete;
    wrote |= unsigned(mercury(line, clues)) << LineSolver::Mercury;
    wrote |= unsigned(glue(line, clues)) << LineSolver::Glue;
    wrote |= unsigned(punctuate(line, clues)) << LineSolver::Punctuate;
    wrote |= unsigned(gap(line, clues)) << LineSolver::Gap;
    wrote |= unsigned(fill(line, clues)) << LineSolver::Fill;
    return wrote;
}

} // namespace MaskTechniques
