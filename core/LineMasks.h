// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// One line of Blank, Filled and Crossed cells as two bit masks (bit i is cell i), for the
// solver's fast path: a scan can then jump from wall to wall or from block to block with one
// bit search instead of reading every cell. Lines holding marks or longer than maxLength
// cells cannot be represented and stay with the per-cell code.
struct LineMasks {
    // Lines of the game have at most 20 cells. With at most 32, every shift the scans make
    // stays below 64 bits, so none needs a special case.
    static constexpr int maxLength = 32;

    std::uint64_t filled = 0;
    std::uint64_t crossed = 0;
    int length = 0;

    // Whether a line of codes fits: at most maxLength cells, every one Blank, Filled or Crossed.
    static bool canHold(const std::vector<int>& line);
    /* canHold(line) */
    static LineMasks of(const std::vector<int>& line);
    void writeTo(std::vector<int>& line) const;

    std::uint64_t cells() const { return lowBits(length); }
    std::uint64_t blanks() const { return cells() & ~(filled | crossed); }

    // Give the cells from..to-1 the code, as the per-cell techniques do cell by cell; return
    // whether any of them had another code. An empty range (from >= to) writes nothing.
    /* 0 <= from, to <= length */
    bool cross(int from, int to) { return from < to && write(crossed, filled, range(from, to)); }
    bool fill(int from, int to) { return from < to && write(filled, crossed, range(from, to)); }

    // Whether the runs of filled cells are those of the clue list (signs ignored), by the
    // same rule as ClueSet's satisfied test.
    bool matches(const std::vector<int>& clue) const;

    /* 0 <= count <= maxLength */
    static std::uint64_t lowBits(int count) { return (std::uint64_t(1) << count) - 1; }
    /* from <= to, both in 0..maxLength */
    static std::uint64_t range(int from, int to) { return lowBits(to) & ~lowBits(from); }
    /* bits != 0 */
    static int lowest(std::uint64_t bits) { return __builtin_ctzll(bits); }
    /* bits != 0 */
    static int leadingZeros(std::uint64_t bits) { return __builtin_clzll(bits); }

private:
    static bool write(std::uint64_t& code, std::uint64_t& other, std::uint64_t written)
    {
        const bool changed = (written & ~code) != 0;
        code |= written;
        other &= ~written;
        return changed;
    }
};
