// SPDX-License-Identifier: GPL-3.0-or-later
#include "Analysis.h"

#include "PuzzleInput.h"
#include "PuzzleText.h"

#include "PuzzleVerdict.h"
#include "TechniqueNames.h"

#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: tessarin-puzzle analyse [--seconds S] [--show] FILE...\n";
    return 2;
}

// A reason stays within its column.
std::string oneField(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

bool readSeconds(const char* text, double& seconds)
{
    char* end = nullptr;
    seconds = std::strtod(text, &end);
    return end != text && *end == '\0' && seconds >= 0 && seconds <= 86400;
}

} // namespace

int analyse(int argc, char** argv)
{
    double seconds = 10;
    bool show = false;
    std::vector<std::string> paths;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--seconds" && i + 1 < argc) {
            if (!readSeconds(argv[++i], seconds)) {
                std::cerr << "tessarin-puzzle: \"" << argv[i] << "\" is not a number of seconds\n";
                return 2;
            }
        } else if (argument == "--show") {
            show = true;
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
            return usage();
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.empty())
        return usage();

    const auto searchTime = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
    int status = 0;
    for (const std::string& path : paths) {
        const auto started = std::chrono::steady_clock::now();
        PuzzleFile puzzle;
        std::string error;
        const bool read = readPuzzleInput(path, puzzle, error);
        PuzzleVerdict verdict;
        if (read)
            verdict = judgePuzzle(puzzle.clues, givenCells(puzzle), searchTime);
        const double taken
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        std::cout << oneField(path) << '\t';
        if (!read) {
            status = 1;
            std::cout << "-\tinvalid\t" << oneField(error);
        } else {
            std::cout << puzzle.clues.columnClues.size() << 'x' << puzzle.clues.rowClues.size() << '\t'
                      << verdictWord(verdict.kind) << '\t'
                      << (verdict.hardestTechnique ? techniqueName(verdict.hardestTechnique) : "-");
        }
        std::cout << '\t' << std::fixed << std::setprecision(1) << taken << '\n';
        if (!show)
            continue;
        for (const PuzzleGrid& solution : verdict.solutions)
            std::cout << PuzzleText::board(solution) << '\n';
    }
    return status;
}
