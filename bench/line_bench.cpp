// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one line: Arrangements against the seven techniques on the same lines, the
// lines the solver meets while it solves accepted 20x15 puzzles (the rows have 20 cells,
// the columns 15), each line as it was before and after a technique wrote on it.
//
// usage: line_bench [PUZZLES]   (default 200)
#include "Arrangements.h"
#include "CellState.h"
#include "ClueSet.h"
#include "LineMasks.h"
#include "LineSolver.h"
#include "LogicSolver.h"
#include "MaskTechniques.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Line {
    std::vector<int> cells;
    std::vector<int> clue; // stored, as the techniques take it
    std::vector<unsigned char> bytes; // as Arrangements takes it
    std::vector<int> runs;
};

std::vector<Line> linesMet(int puzzles)
{
    std::vector<Line> lines;
    LogicSolver solver;
    solver.setObserver([&](const LogicSolver::Deduction& d) {
        for (const std::vector<int>* cells : {&d.before, &d.after}) {
            Line line;
            line.cells = *cells;
            line.clue = d.clue;
            for (int code : *cells)
                line.bytes.push_back(static_cast<unsigned char>(code));
            for (auto it = d.clue.rbegin(); it != d.clue.rend(); ++it)
                if (*it != 0)
                    line.runs.push_back(std::abs(*it));
            lines.push_back(line);
        }
    });
    for (int seed = 1; seed <= puzzles; ++seed) {
        PuzzleGrid board, solution;
        ClueSet clues;
        PuzzleGenerator generator;
        generator.startGeneration(board, clues, 20, 15, static_cast<std::uint32_t>(seed));
        while (!generator.generationStep(board, solution, clues)) { }
        board.resize(20, 15);
        solver.solve(board, clues);
    }
    return lines;
}

template <typename Solve>
double nanosecondsPerLine(const std::vector<Line>& lines, Solve solve)
{
    // The best of a few rounds over every line: the least disturbed by the rest of the machine.
    double best = 1e30;
    for (int round = 0; round < 15; ++round) {
        long wrote = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const Line& line : lines)
            wrote += solve(line);
        const double taken = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
        if (wrote < 0)
            std::printf("(never)\n");
        best = std::min(best, taken / double(lines.size()));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const int puzzles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::vector<Line> all = linesMet(puzzles);
    std::vector<Line> rows;
    for (const Line& line : all)
        if (line.cells.size() == 20)
            rows.push_back(line);

    Arrangements arrangements;
    std::vector<unsigned char> bytes;
    auto arrangementsSolve = [&](const Line& line) {
        bytes = line.bytes;
        return int(arrangements.solve(bytes.data(), int(bytes.size()), line.runs.data(), int(line.runs.size())));
    };
    auto sevenOnMasks = [](const Line& line) {
        LineMasks masks = LineMasks::of(line.cells);
        return int(MaskTechniques::applyAll(masks, line.clue));
    };
    LineSolver cellByCell;
    std::vector<int> cells;
    auto sevenCellByCell = [&](const Line& line) {
        cells = line.cells;
        int wrote = 0;
        for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
            wrote += cellByCell.apply(technique, cells, line.clue, Filled, Crossed);
        return wrote;
    };

    std::printf(
        "%zu lines from %d puzzles (%zu of them rows of 20 cells); ns per line\n\n", all.size(), puzzles, rows.size());
    std::printf("%-32s %10s %10s\n", "", "all lines", "20 cells");
    std::printf("%-32s %10.1f %10.1f\n", "Arrangements", nanosecondsPerLine(all, arrangementsSolve),
        nanosecondsPerLine(rows, arrangementsSolve));
    std::printf("%-32s %10.1f %10.1f\n", "the seven, on masks", nanosecondsPerLine(all, sevenOnMasks),
        nanosecondsPerLine(rows, sevenOnMasks));
    std::printf("%-32s %10.1f %10.1f\n", "the seven, cell by cell", nanosecondsPerLine(all, sevenCellByCell),
        nanosecondsPerLine(rows, sevenCellByCell));
    return 0;
}
