// SPDX-License-Identifier: GPL-3.0-or-later
// tessarin-puzzle: generate puzzles exactly as the game does, and trace the solver.
#include "PuzzleText.h"

#include "ClueSet.h"
#include "Difficulty.h"
#include "LogicSolver.h"
#include "PuzzleCode.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "PuzzleSizes.h"
#include "TechniqueNames.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage:\n"
                 "  tessarin-puzzle generate COLUMNSxROWS [SEED]\n"
                 "  tessarin-puzzle generate CODE\n"
                 "      make the puzzle the game makes from SEED (default: the time) or from a\n"
                 "      puzzle code such as 15x10-7QK2M4C, print its picture and clues, and its\n"
                 "      code where the game has that size\n"
                 "  tessarin-puzzle solve [FILE]\n"
                 "      read clues (the \"columns:\" and \"rows:\" lines that generate prints)\n"
                 "      from FILE or standard input, solve them by logic, print every deduction\n"
                 "      (the steps the game's Show Solution replays)\n";
    return 2;
}

bool parseSize(const std::string& text, int& columns, int& rows)
{
    char x = 0;
    char rest = 0;
    return std::sscanf(text.c_str(), "%d%c%d%c", &columns, &x, &rows, &rest) == 3 && x == 'x' && columns > 0 && rows > 0
        && columns <= 99 && rows <= 99;
}

void printBoard(const PuzzleGrid& board)
{
    for (int y = 0; y < board.height; ++y)
        std::cout << PuzzleText::cells(board.row(y)) << '\n';
}

int generate(int argc, char** argv)
{
    int columns = 0;
    int rows = 0;
    std::uint32_t seed = 0;
    if (argc == 3 && PuzzleCode::read(argv[2])) {
        const PuzzleCode code = *PuzzleCode::read(argv[2]);
        columns = code.columns;
        rows = code.rows;
        seed = code.seed;
    } else if ((argc == 3 || argc == 4) && parseSize(argv[2], columns, rows)) {
        seed = argc == 4 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10))
                         : static_cast<std::uint32_t>(std::time(nullptr));
    } else {
        return usage();
    }

    PuzzleGrid board;
    PuzzleGrid solution;
    ClueSet clues;
    PuzzleGenerator generator;
    generator.startGeneration(board, clues, columns, rows, seed);
    long steps = 0;
    long tests = 0;
    for (;;) {
        ++steps;
        tests += generator.nextStepTests();
        if (generator.generationStep(board, solution, clues))
            break;
    }
    std::cout << "size " << columns << 'x' << rows << " seed " << seed << " steps " << steps << " tests " << tests
              << '\n';
    if (sizeIndexOf(columns, rows) >= 0)
        std::cout << "code " << PuzzleCode {columns, rows, seed}.text() << '\n';
    printBoard(solution);
    std::cout << PuzzleText::clueLine("columns", clues.columnClues) << '\n'
              << PuzzleText::clueLine("rows", clues.rowClues) << '\n';
    return 0;
}

int solve(int argc, char** argv)
{
    if (argc > 3)
        return usage();
    ClueSet clues;
    std::string error;
    bool read = false;
    if (argc == 3) {
        std::ifstream file(argv[2]);
        if (!file) {
            std::cerr << "cannot open " << argv[2] << '\n';
            return 1;
        }
        read = PuzzleText::readClues(file, clues, error);
    } else {
        read = PuzzleText::readClues(std::cin, clues, error);
    }
    if (!read) {
        std::cerr << error << '\n';
        return 1;
    }

    PuzzleGrid board;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    LogicSolver solver;
    solver.setObserver([](const LogicSolver::Deduction& d) {
        // Named as the game's replay names its steps.
        const std::string name = deductionName(d.technique, d.isRow, d.lineIndex, d.clue);
        std::printf("%-36s %s  ->  %s\n", name.c_str(), PuzzleText::cells(d.before).c_str(),
            PuzzleText::cells(d.after).c_str());
    });
    const bool solved = solver.solve(board, clues);
    const Difficulty difficulty = gradePuzzle(clues);
    std::cout << (solved ? "solved" : "not solvable by logic") << "; difficulty "
              << (difficulty.hardestTechnique ? techniqueName(difficulty.hardestTechnique) : "none") << ", "
              << difficulty.deductions << " deductions in " << difficulty.sweeps << " sweeps\n";
    printBoard(board);
    return solved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "generate")
        return generate(argc, argv);
    if (command == "solve")
        return solve(argc, argv);
    return usage();
}
