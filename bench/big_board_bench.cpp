// SPDX-License-Identifier: GPL-3.0-or-later
// How long the verdict takes on large boards: smooth pictures (random noise blurred and cut
// at its middle, as drawn pictures tend to be) of 50x50 to 200x200, mended until the lines
// alone finish them (a cell they cannot decide is flipped in the picture, and the clues made
// again; the largest are enlarged from a mended picture a quarter their side), then judged
// from their clues as tessarin-puzzle analyse judges a file. Beside the verdict: what opening
// such a file in the game costs its logic (the verdict and the grade with every technique),
// and the slowest of the first 20 hints from the blank board.
//
// usage: big_board_bench [PICTURES [SIDE...]]   (default 5 pictures of 50, 100 and 200 a side)
#include "CellState.h"
#include "ClueSet.h"
#include "Difficulty.h"
#include "LinePropagator.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"
#include "PuzzleVerdict.h"
#include "TechniqueNames.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

PuzzleGrid smoothPicture(int side, std::mt19937& random)
{
    std::vector<double> field(size_t(side) * size_t(side));
    for (double& value : field)
        value = std::uniform_real_distribution<double>(0, 1)(random);
    for (int pass = 0; pass < 4; ++pass) {
        std::vector<double> blurred(field.size());
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                double sum = 0;
                int count = 0;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (x + dx >= 0 && x + dx < side && y + dy >= 0 && y + dy < side) {
                            sum += field[size_t(x + dx + (y + dy) * side)];
                            ++count;
                        }
                blurred[size_t(x + y * side)] = sum / count;
            }
        field.swap(blurred);
    }
    std::vector<double> sorted = field;
    std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
    const double middle = sorted[sorted.size() / 2];
    PuzzleGrid picture;
    picture.resize(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture.cells[size_t(x)][size_t(y)] = field[size_t(x + y * side)] > middle ? Filled : Crossed;
    return picture;
}

// Flips undecided cells of the picture until the lines finish its clues; false when that
// takes too many rounds.
bool mendUntilLinesFinish(PuzzleGrid& picture, ClueSet& clues, std::mt19937& random)
{
    LinePropagator lines;
    std::vector<unsigned char> cells;
    for (int round = 0; round < 200; ++round) {
        clues.computeFrom(picture);
        lines.setClues(clues);
        cells.assign(size_t(picture.width) * size_t(picture.height), 0);
        lines.propagate(cells);
        std::vector<int> undecided;
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i] == 0)
                undecided.push_back(int(i));
        if (undecided.empty())
            return true;
        // A few cells a round: a large board may have hundreds the lines cannot decide.
        for (size_t flip = 0; flip <= undecided.size() / 50; ++flip) {
            const int at = undecided[random() % undecided.size()];
            int& cell = picture.cells[size_t(at % picture.width)][size_t(at / picture.width)];
            cell = cell == Filled ? Crossed : Filled;
        }
    }
    return false;
}

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The slowest of the first hints the game would give on the blank board, each taken as the
// player takes it.
double slowestHint(const ClueSet& given, int hints)
{
    ClueSet clues = given;
    PuzzleGrid board;
    board.resize(int(clues.columnClues.size()), int(clues.rowClues.size()));
    PuzzleLogic logic;
    double slowest = 0;
    for (int i = 0; i < hints; ++i) {
        bool isRow = false;
        int line = 0;
        PuzzleLogic::Assumption assumption;
        const auto start = std::chrono::steady_clock::now();
        const int technique = logic.findHint(board, clues, isRow, line, assumption);
        slowest = std::max(slowest, millisecondsSince(start));
        if (!technique)
            break;
        for (auto& column : board.cells)
            for (int& cell : column)
                cell = cell == MarkedFilled ? Filled : cell == MarkedCrossed ? Crossed : cell;
    }
    return slowest;
}

} // namespace

int main(int argc, char** argv)
{
    const int pictures = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::mt19937 random(2026);
    std::printf("%-8s %9s %12s %12s %10s %12s %12s\n", "size", "tried", "median ms", "slowest ms", "hardest",
        "opened ms", "hint ms");
    std::vector<int> sides;
    for (int i = 2; i < argc; ++i)
        sides.push_back(std::max(5, std::atoi(argv[i])));
    if (sides.empty())
        sides = {50, 100, 200};
    for (int side : sides) {
        std::vector<double> times, openings, hints;
        int tried = 0;
        int hardest = 0;
        while (int(times.size()) < pictures) {
            ++tried;
            // Boards above 100 a side are a mended picture of a quarter the side, enlarged:
            // mending one that large directly takes minutes.
            const int scale = side > 100 && side % 4 == 0 ? 4 : 1;
            PuzzleGrid small = smoothPicture(side / scale, random);
            ClueSet clues;
            if (!mendUntilLinesFinish(small, clues, random))
                continue;
            PuzzleGrid picture;
            picture.resize(side, side);
            for (int x = 0; x < side; ++x)
                for (int y = 0; y < side; ++y)
                    picture.cells[size_t(x)][size_t(y)] = small.cells[size_t(x / scale)][size_t(y / scale)];
            if (scale > 1 && !mendUntilLinesFinish(picture, clues, random))
                continue;
            clues.computeFrom(picture);
            const auto start = std::chrono::steady_clock::now();
            const PuzzleVerdict verdict = judgePuzzle(clues, std::chrono::seconds(10));
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (verdict.kind != PuzzleVerdict::Kind::Logic) {
                std::fprintf(stderr, "a picture the lines finish was not judged logic\n");
                return 1;
            }
            hardest = std::max(hardest, verdict.hardestTechnique);
            const auto opening = std::chrono::steady_clock::now();
            judgePuzzle(clues, std::chrono::seconds(10));
            gradeWithEveryTechnique(clues);
            openings.push_back(millisecondsSince(opening));
            hints.push_back(slowestHint(clues, 20));
        }
        std::sort(openings.begin(), openings.end());
        std::sort(hints.begin(), hints.end());
        std::sort(times.begin(), times.end());
        std::printf("%3dx%-4d %9d %12.1f %12.1f %10s %12.1f %12.2f\n", side, side, tried, times[times.size() / 2],
            times.back(), techniqueName(hardest), openings[openings.size() / 2], hints[hints.size() / 2]);
    }
    return 0;
}
