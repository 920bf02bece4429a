// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettledRuns.h"

#include "CellState.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The closed runs seen from one end of a line, in the order met, up to the first open cell.
struct EndScan {
    // Lengths of the runs identified, nearest the end first.
    std::vector<int> runs;
    // Index of the first open cell met (of an unclosed run's first cell), or one step past
    // the far end when the scan met none.
    int stop = 0;
};

// Walks from index start in direction step (+1 or -1) over decided cells.
EndScan scanFrom(const std::vector<int>& line, int start, int step)
{
    const int length = static_cast<int>(line.size());
    const auto inside = [&](int i) { return i >= 0 && i < length; };
    EndScan scan;
    int i = start;
    while (inside(i)) {
        if (line[i] == Crossed) {
            i += step;
            continue;
        }
        if (line[i] != Filled)
            break;
        int past = i;
        while (inside(past) && line[past] == Filled)
            past += step;
        // A run that ends on an open cell may grow: not identified, and the scan ends at it.
        if (inside(past) && line[past] != Crossed)
            break;
        scan.runs.push_back(std::abs(past - i));
        i = past;
    }
    scan.stop = i;
    return scan;
}

} // namespace

namespace SettledRuns {

std::uint64_t numbers(const std::vector<int>& line, const std::vector<int>& clue)
{
    const int count = static_cast<int>(clue.size());
    const bool emptyLine = count == 1 && clue[0] == 0;
    if (count == 0 || count > 64 || emptyLine)
        return 0;
    const int length = static_cast<int>(line.size());

    // Stored order puts the far-end run first: the k-th run from the start is entry
    // count - 1 - k, the k-th from the end entry k.
    const EndScan fromStart = scanFrom(line, 0, 1);
    const int first = static_cast<int>(fromStart.runs.size());
    const bool nothingOpen = fromStart.stop >= length;
    // With nothing open the line's runs are all known: either they are the clue's or the
    // line is wrong.
    if (first > count || (nothingOpen && first != count))
        return 0;
    std::uint64_t settled = 0;
    for (int k = 0; k < first; ++k) {
        if (fromStart.runs[k] != std::abs(clue[count - 1 - k]))
            return 0;
        settled |= std::uint64_t(1) << (count - 1 - k);
    }
    if (nothingOpen)
        return settled;

    // Some cell is open, so this scan stops before reaching the runs found from the start.
    const EndScan fromEnd = scanFrom(line, length - 1, -1);
    const int last = static_cast<int>(fromEnd.runs.size());
    if (first + last > count)
        return 0;
    for (int k = 0; k < last; ++k) {
        if (fromEnd.runs[k] != std::abs(clue[k]))
            return 0;
        settled |= std::uint64_t(1) << k;
    }
    // Every number is placed, so the open stretch between the two scans must stay empty.
    if (first + last == count) {
        const auto open = line.begin() + fromStart.stop;
        const auto openEnd = line.begin() + fromEnd.stop + 1;
        if (std::find(open, openEnd, int(Filled)) != openEnd)
            return 0;
    }
    return settled;
}

} // namespace SettledRuns
