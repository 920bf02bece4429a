// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <vector>

// What every fuzz target asks of what a reader accepted; a broken requirement aborts, which
// is how libFuzzer learns of a finding.
inline void require(bool condition, const char* broken)
{
    if (condition)
        return;
    std::fprintf(stderr, "reader fault: %s\n", broken);
    std::abort();
}

// Whether a clue list (perhaps signed) can lie in a line of that length: [0], or runs of at
// least one cell with a cell between each two.
inline bool fitsLine(const std::vector<int>& clue, int length)
{
    if (clue.size() == 1 && clue.front() == 0)
        return true;
    long long needed = -1;
    for (int value : clue) {
        if (value == 0)
            return false;
        needed += std::abs(static_cast<long long>(value)) + 1;
    }
    return !clue.empty() && needed <= length;
}
