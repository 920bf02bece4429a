// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arrangements.h"

#include "CellState.h"

#include <algorithm>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr unsigned char undecided = 0;
constexpr unsigned char filled = 1;
constexpr unsigned char crossed = 2;

// Lines of up to this many cells take the same reasoning with every position of the line
// a bit of one word, so that a run's step along the line is a shift: positions 0..length
// need length + 1 bits.
constexpr int longestWordLine = 62;

using Bits = std::uint64_t;

Bits lowBits(int count)
{
    return count <= 0 ? 0 : (Bits(1) << count) - 1;
}

// Bit s set when [s, s + length) holds none of the marked positions.
Bits clearStretches(Bits marked, int length)
{
    // No run that long fits a line held in a word (and a shift that far means nothing).
    if (length >= 64)
        return 0;
    Bits any = marked;
    int width = 1;
    for (; 2 * width <= length; width *= 2)
        any |= any >> width;
    if (width < length)
        any |= any >> (length - width);
    return ~any;
}

// Every position covered by a stretch of the length starting at one of the starts.
Bits covered(Bits starts, int length)
{
    Bits any = starts;
    int width = 1;
    for (; 2 * width <= length; width *= 2)
        any |= any << width;
    if (width < length)
        any |= any << (length - width);
    return any;
}

// The line's cells as words, with what every run's step along them needs.
class WordLine {
public:
    WordLine(Bits filled, Bits crossed, int length)
        : filled_(filled)
        , crossed_(crossed)
        , length_(length)
    {
        // steps_[k]: the positions from which 2^k steps up pass no filled cell; as many
        // doublings as reach across the line.
        steps_[0] = lowBits(length) & ~filled_;
        for (stepCount_ = 1; (1 << stepCount_) <= length; ++stepCount_)
            steps_[stepCount_] = steps_[stepCount_ - 1] & (steps_[stepCount_ - 1] >> (1 << (stepCount_ - 1)));
    }

    Bits filledCells() const { return filled_; }
    Bits crossedCells() const { return crossed_; }
    Bits notFilled() const { return steps_[0]; }
    int length() const { return length_; }

    // The positions reached from these by stepping up (down) over cells that are not filled.
    Bits reachUp(Bits from) const
    {
        for (int k = 0; k < stepCount_; ++k)
            from |= (from & steps_[k]) << (1 << k);
        return from;
    }
    Bits reachDown(Bits from) const
    {
        for (int k = 0; k < stepCount_; ++k)
            from |= (from >> (1 << k)) & steps_[k];
        return from;
    }

private:
    Bits filled_;
    Bits crossed_;
    Bits steps_[7];
    int stepCount_ = 0;
    int length_;
};

// The cells every placement shares, on a line held in words; run(j) is run j in line order.
// No more runs than fit a line of longestWordLine cells get this far.
template <typename RunAt>
Arrangements::Result forcedInWords(const WordLine& line, int runCount, RunAt run, Bits& nowFilled, Bits& nowCrossed)
{
    constexpr int mostRuns = (longestWordLine + 1) / 2;
    const int length = line.length();
    if (runCount > (length + 1) / 2)
        return Arrangements::Result::Contradiction;
    const Bits notFilled = line.notFilled();
    const Bits filledCells = line.filledCells();
    Bits prefix[mostRuns + 1]; // bit t: cells [0, t) can hold runs 0..j-1
    Bits suffix[mostRuns + 1]; // bit t: cells [t, length) can hold runs j..
    Bits clear[mostRuns]; // bit s: no cross under run j placed at s
    Bits later[mostRuns]; // bit s: run j at s leaves room for the runs after it

    prefix[0] = lowBits((filledCells ? __builtin_ctzll(filledCells) : length) + 1);
    for (int j = 0; j < runCount; ++j) {
        const int length_j = run(j);
        clear[j] = clearStretches(line.crossedCells(), length_j) & lowBits(length - length_j + 1);
        const Bits starts = (j == 0 ? prefix[0] : (prefix[j] & notFilled) << 1) & clear[j];
        prefix[j + 1] = line.reachUp(starts << length_j);
    }
    if ((prefix[runCount] >> length & 1) == 0)
        return Arrangements::Result::Contradiction;

    const int lastFilled = filledCells ? 63 - __builtin_clzll(filledCells) : -1;
    suffix[runCount] = lowBits(length + 1) & ~lowBits(lastFilled + 1);
    for (int j = runCount - 1; j >= 0; --j) {
        const Bits ends = j + 1 == runCount ? suffix[runCount] : (suffix[j + 1] >> 1) & notFilled;
        later[j] = (ends >> run(j)) & clear[j];
        suffix[j] = line.reachDown(later[j]);
    }

    Bits canBeEmpty = 0;
    for (int j = 0; j <= runCount; ++j)
        canBeEmpty |= prefix[j] & (suffix[j] >> 1);
    canBeEmpty &= notFilled;
    Bits canBeFilled = 0;
    for (int j = 0; j < runCount; ++j) {
        const Bits starts = (j == 0 ? prefix[0] : (prefix[j] & notFilled) << 1) & later[j];
        canBeFilled |= covered(starts, run(j));
    }
    const Bits undecidedCells = lowBits(length) & ~(filledCells | line.crossedCells());
    nowFilled = undecidedCells & canBeFilled & ~canBeEmpty;
    nowCrossed = undecidedCells & ~canBeFilled;
    return (nowFilled | nowCrossed) == 0 ? Arrangements::Result::Unchanged : Arrangements::Result::Changed;
}

} // namespace

Arrangements::Result Arrangements::solveInWords(unsigned char* cells, int length, const int* runs, int runCount)
{
    Bits filledCells = 0;
    Bits crossedCells = 0;
    for (int i = 0; i < length; ++i) {
        filledCells |= Bits(cells[i] == filled) << i;
        crossedCells |= Bits(cells[i] == crossed) << i;
    }
    Bits nowFilled = 0;
    Bits nowCrossed = 0;
    const Result result = forcedInWords(
        WordLine(filledCells, crossedCells, length), runCount, [runs](int j) { return runs[j]; }, nowFilled,
        nowCrossed);
    for (Bits bits = nowFilled; bits; bits &= bits - 1)
        cells[__builtin_ctzll(bits)] = filled;
    for (Bits bits = nowCrossed; bits; bits &= bits - 1)
        cells[__builtin_ctzll(bits)] = crossed;
    return result;
}

bool Arrangements::reachable(const unsigned char* cells, int length, const int* runs, int runCount)
{
    const size_t width = size_t(length) + 1;
    filledBefore_.resize(width);
    crossedBefore_.resize(width);
    filledBefore_[0] = 0;
    crossedBefore_[0] = 0;
    for (int i = 0; i < length; ++i) {
        filledBefore_[size_t(i) + 1] = filledBefore_[size_t(i)] + (cells[i] == filled);
        crossedBefore_[size_t(i) + 1] = crossedBefore_[size_t(i)] + (cells[i] == crossed);
    }
    const int* filledBefore = filledBefore_.data();
    const int* crossedBefore = crossedBefore_.data();
    prefix_.resize(width * size_t(runCount + 1));
    suffix_.resize(width * size_t(runCount + 1));
    unsigned char* prefix = prefix_.data();
    unsigned char* suffix = suffix_.data();

    // Runs 0..j-1 in [0, t): either cell t-1 is empty and they fit in [0, t-1), or run j-1
    // ends at t, with no cross under it, and the runs before it fit with a gap before it.
    for (int t = 0; t <= length; ++t)
        prefix[t] = filledBefore[t] == 0;
    for (int j = 1; j <= runCount; ++j) {
        const int run = runs[j - 1];
        const unsigned char* before = prefix + size_t(j - 1) * width;
        unsigned char* row = prefix + size_t(j) * width;
        row[0] = 0;
        for (int t = 1; t <= length; ++t) {
            bool fits = cells[t - 1] != filled && row[t - 1];
            const int start = t - run;
            if (!fits && start >= 0 && crossedBefore[t] == crossedBefore[start])
                fits = j == 1 ? before[start] != 0 : start >= 1 && cells[start - 1] != filled && before[start - 1];
            row[t] = fits;
        }
    }
    if (!prefix[size_t(runCount) * width + size_t(length)])
        return false;

    // The mirror image: runs j.. in [t, length).
    unsigned char* last = suffix + size_t(runCount) * width;
    for (int t = 0; t <= length; ++t)
        last[t] = filledBefore[length] == filledBefore[t];
    for (int j = runCount - 1; j >= 0; --j) {
        const int run = runs[j];
        const unsigned char* after = suffix + size_t(j + 1) * width;
        unsigned char* row = suffix + size_t(j) * width;
        row[length] = 0;
        for (int t = length - 1; t >= 0; --t) {
            bool fits = cells[t] != filled && row[t + 1];
            const int end = t + run;
            if (!fits && end <= length && crossedBefore[end] == crossedBefore[t])
                fits = j + 1 == runCount ? after[end] != 0 : end < length && cells[end] != filled && after[end + 1];
            row[t] = fits;
        }
    }
    return true;
}

Arrangements::Result Arrangements::solve(unsigned char* cells, int length, const int* runs, int runCount)
{
    if (length <= longestWordLine)
        return solveInWords(cells, length, runs, runCount);
    if (!reachable(cells, length, runs, runCount))
        return Result::Contradiction;
    const size_t width = size_t(length) + 1;
    const int* crossedBefore = crossedBefore_.data();
    const unsigned char* prefix = prefix_.data();
    const unsigned char* suffix = suffix_.data();

    // A run j may lie on [start, start + run) when nothing crosses it, the runs before it fit
    // before it with a gap, and the runs after it fit after it with a gap.
    coverStarts_.assign(width, 0);
    for (int j = 0; j < runCount; ++j) {
        const int run = runs[j];
        const unsigned char* before = prefix + size_t(j) * width;
        const unsigned char* after = suffix + size_t(j + 1) * width;
        for (int start = 0; start + run <= length; ++start) {
            const int end = start + run;
            if (crossedBefore[end] != crossedBefore[start])
                continue;
            const bool fitsBefore
                = j == 0 ? before[start] != 0 : start >= 1 && cells[start - 1] != filled && before[start - 1];
            if (!fitsBefore)
                continue;
            const bool fitsAfter
                = j + 1 == runCount ? after[end] != 0 : end < length && cells[end] != filled && after[end + 1];
            if (!fitsAfter)
                continue;
            ++coverStarts_[size_t(start)];
            --coverStarts_[size_t(end)];
        }
    }

    bool changed = false;
    int covering = 0;
    for (int i = 0; i < length; ++i) {
        covering += coverStarts_[size_t(i)];
        if (cells[i] != undecided)
            continue;
        // Empty when some runs 0..j-1 fit before it and the rest after it.
        bool canBeEmpty = false;
        for (int j = 0; j <= runCount && !canBeEmpty; ++j)
            canBeEmpty = prefix[size_t(j) * width + size_t(i)] && suffix[size_t(j) * width + size_t(i) + 1];
        if (covering > 0 && canBeEmpty)
            continue;
        cells[i] = covering > 0 ? filled : crossed;
        changed = true;
    }
    return changed ? Result::Changed : Result::Unchanged;
}

bool Arrangements::apply(
    std::vector<int>& line, const std::vector<int>& storedClue, int fillCode, int crossCode, bool* contradiction)
{
    const int length = int(line.size());
    codes_.resize(line.size());
    for (int i = 0; i < length; ++i)
        codes_[size_t(i)] = line[size_t(i)] == Filled ? filled : line[size_t(i)] == Crossed ? crossed : undecided;
    runs_.clear();
    for (auto it = storedClue.rbegin(); it != storedClue.rend(); ++it)
        if (*it != 0)
            runs_.push_back(std::abs(*it));
    const Result result = solve(codes_.data(), length, runs_.data(), int(runs_.size()));
    if (contradiction)
        *contradiction = result == Result::Contradiction;
    if (result != Result::Changed)
        return false;
    bool wrote = false;
    for (int i = 0; i < length; ++i) {
        int& cell = line[size_t(i)];
        if (cell != Blank || codes_[size_t(i)] == undecided)
            continue;
        cell = codes_[size_t(i)] == filled ? fillCode : crossCode;
        wrote = true;
    }
    return wrote;
}
