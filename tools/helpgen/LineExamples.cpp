// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineExamples.h"

#include "TechniqueNames.h"

#include "Arrangements.h"
#include "CellState.h"
#include "ClueSet.h"
#include "LineSolver.h"
#include "TechniqueTable.h"

namespace LineExamples {

std::vector<LineExample> table()
{
    // Short lines, each small enough to follow by eye, where the technique shows its whole
    // reasoning and nothing else.
    return {
        {LineSolver::Boxes, {4, 3}, "..........", {}},
        {LineSolver::Complete, {2, 1}, ".##....#..", {}},
        {LineSolver::Mercury, {4}, "...###....", {}},
        {LineSolver::Glue, {3, 3}, ".#......#.", {}},
        {LineSolver::Punctuate, {2, 3}, ".##.......", {}},
        {LineSolver::Gap, {3}, "..x.....x.", {}},
        {LineSolver::Fill, {3, 2}, "x.#.x.....", {}},
        // Both blocks lie far enough from the ends that each of the seven, looking from a
        // wall, still sees room for the runs in the blanks before them.
        {arrangementsTechnique, {1, 3}, "..#..#....", {}},
    };
}

std::vector<int> cells(const std::string& text)
{
    std::vector<int> line;
    for (char c : text)
        line.push_back(c == '#' ? Filled : c == 'x' ? Crossed : Blank);
    return line;
}

std::string text(const std::vector<int>& cells)
{
    std::string line;
    for (int code : cells)
        line += code == Filled ? '#' : code == Crossed ? 'x' : '.';
    return line;
}

namespace {

    // Stored order puts the run at the far end first; a line that already matches its clue
    // carries it negated, which is what Complete looks for.
    std::vector<int> storedClue(const LineExample& example, const std::vector<int>& line)
    {
        std::vector<int> stored(example.clue.rbegin(), example.clue.rend());
        if (ClueSet::lineMatches(line, stored))
            for (int& run : stored)
                run = -run;
        return stored;
    }

} // namespace

void solve(LineExample& example)
{
    std::vector<int> line = cells(example.before);
    const std::vector<int> stored = storedClue(example, line);
    // The seven's own solver knows only their numbers.
    if (example.technique == arrangementsTechnique)
        Arrangements().apply(line, stored, Filled, Crossed);
    else
        LineSolver().apply(example.technique, line, stored, Filled, Crossed);
    example.after = text(line);
}

bool sevenFindNothing(const LineExample& example)
{
    const std::vector<int> before = cells(example.before);
    const std::vector<int> stored = storedClue(example, before);
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique) {
        std::vector<int> line = before;
        if (LineSolver().apply(technique, line, stored, Filled, Crossed))
            return false;
    }
    return true;
}

bool consistent(const std::vector<int>& clue, const std::string& line)
{
    const std::vector<int> decided = cells(line);
    const std::vector<int> stored(clue.rbegin(), clue.rend());
    const size_t n = decided.size();
    for (unsigned long picture = 0; picture < (1ul << n); ++picture) {
        std::vector<int> candidate(n);
        bool agrees = true;
        for (size_t i = 0; i < n && agrees; ++i) {
            candidate[i] = picture >> i & 1 ? Filled : Crossed;
            agrees = decided[i] == Blank || decided[i] == candidate[i];
        }
        if (agrees && ClueSet::lineMatches(candidate, stored))
            return true;
    }
    return false;
}

std::string describe(const LineExample& example)
{
    std::string clue;
    for (int run : example.clue)
        clue += (clue.empty() ? "" : " ") + std::to_string(run);
    return std::string(techniqueName(example.technique)) + " [" + clue + "] " + example.before + " -> " + example.after;
}

} // namespace LineExamples
