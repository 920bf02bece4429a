// SPDX-License-Identifier: GPL-3.0-or-later
// tessarin-puzzle: generate puzzles exactly as the game does, trace the solver, and carry
// pictures to and from designs' codes.
#include "Analysis.h"
#include "DesignCodes.h"
#include "GalleryListing.h"
#include "PuzzleInput.h"
#include "PuzzleText.h"

#include "ClueFit.h"
#include "ClueSet.h"
#include "DesignCode.h"
#include "Difficulty.h"
#include "DifficultyBands.h"
#include "PuzzleCode.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"
#include "PuzzleMaker.h"
#include "PuzzleSizes.h"
#include "TechniqueNames.h"
#include "TechniqueTable.h"

#include <QFile>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage:\n"
                 "  tessarin-puzzle generate COLUMNSxROWS [SEED] [--difficulty D]\n"
                 "  tessarin-puzzle generate CODE\n"
                 "      make the puzzle the game makes from SEED (default: the time) or from a\n"
                 "      puzzle code such as 15x10-7QK2M4C or 30x30-H-7QK2M4C, print its code,\n"
                 "      difficulty, picture and clues; D is easy, medium, hard or very-hard (a\n"
                 "      size up to 20x15 tries seed after seed from SEED until one falls in it);\n"
                 "      the sizes are those of the game: 5x5, 10x5, 10x10, 15x10, 15x15, 20x15,\n"
                 "      20x20, 25x25, 30x30 and 40x40\n"
                 "  tessarin-puzzle generate DESIGN-CODE\n"
                 "      print the design a code such as 10x10-D-... carries (as encode prints it):\n"
                 "      its code, its verdict as the designer judges it from the cells given\n"
                 "      (logic, guess, several or unknown, with the hardest technique and the\n"
                 "      work logic does), its picture and clues, and the cells it gives\n"
                 "  tessarin-puzzle encode FILE\n"
                 "      print the design's code of a puzzle file's picture (FILE as solve reads\n"
                 "      it): the file's goal, or else the one picture that fits its clues; the\n"
                 "      designer draws 5 to 60 cells a side, and the file's texts stay out\n"
                 "  tessarin-puzzle solve [FILE]\n"
                 "      read a puzzle from FILE (.non, .nin, webpbn .xml, .g, .mk, or the\n"
                 "      \"columns:\" and \"rows:\" lines that generate prints) or standard input,\n"
                 "      solve it by logic and print every deduction (the steps the game's Show\n"
                 "      Solution replays)\n"
                 "  tessarin-puzzle analyse [--seconds S] [--show] FILE...\n"
                 "      print for each file, separated by tabs: the file, its size, the verdict\n"
                 "      (logic, guess, several, none, unknown, or invalid), the hardest technique\n"
                 "      logic needs (or why the file is invalid) and the milliseconds taken;\n"
                 "      a search for the pictures takes at most S seconds (default 10) a file;\n"
                 "      --show prints the picture, or the two pictures, found\n"
                 "  tessarin-puzzle gallery [--check] [FILE]\n"
                 "      list the gallery's pictures (default Pictures/gallery.tsv), a line each,\n"
                 "      separated by tabs: id, album, size, hardest technique, givens, title;\n"
                 "      --check judges each again from its clues and givens and prints its id,\n"
                 "      size and verdict (logic when logic finishes it), failing unless all are\n"
                 "      logic\n";
    return 2;
}

// The sizes the generator makes, as "5x5, 10x5, ... and 20x15".
std::string sizeList()
{
    std::string list;
    for (int index = 0; index < puzzleSizeCount; ++index)
        list += std::string(index == 0 ? "" : index + 1 == puzzleSizeCount ? " and " : ", ") + puzzleSizes[index].label;
    return list;
}

int refuse(const std::string& why)
{
    std::cerr << "tessarin-puzzle: " << why << '\n';
    return 2;
}

const char* problemText(PuzzleCode::Problem problem)
{
    switch (problem) {
    case PuzzleCode::Problem::Empty: return "it is empty";
    case PuzzleCode::Problem::NoSize: return "it does not start with a size such as 15x10 and a dash";
    case PuzzleCode::Problem::UnknownSize: return "its size is none the game makes";
    case PuzzleCode::Problem::BadCharacter:
        return "after the dash it has a character no code has (I, L, O and U are read as 1 and 0; no other letters)";
    case PuzzleCode::Problem::WrongLength: return "after the dash it has too few or too many letters and digits";
    case PuzzleCode::Problem::WrongCheck:
        return "its check digit (the last letter or digit) does not fit the others: one is mistyped, or two are "
               "swapped";
    case PuzzleCode::Problem::UnknownDifficulty:
        return "between its two dashes it has something other than a difficulty's letter (E, M, H or V)";
    case PuzzleCode::Problem::None: break;
    }
    return "";
}

// A seed as srand() takes it: decimal, 0 to 4294967295, nothing else.
bool readSeed(const std::string& text, std::uint32_t& seed)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long long value = std::stoull(text);
    seed = static_cast<std::uint32_t>(value);
    return value <= 0xFFFFFFFFull;
}

// "easy", "medium", "hard" or "very-hard", in any case, as a band; -1 for none of them.
int readBand(std::string text)
{
    std::string key;
    for (const char c : text)
        if (c != '-' && c != ' ')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int band = 0; band < difficultyBandCount; ++band) {
        std::string name = difficultyBands()[band].key;
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name == key)
            return band;
    }
    return -1;
}

int generate(int argc, char** argv)
{
    std::vector<std::string> words(argv + 2, argv + argc);
    int band = -1;
    for (auto word = words.begin(); word != words.end(); ++word) {
        if (*word != "--difficulty")
            continue;
        if (word + 1 == words.end() || (band = readBand(*(word + 1))) < 0)
            return refuse("--difficulty takes easy, medium, hard or very-hard");
        words.erase(word, word + 2);
        break;
    }
    if (words.empty() || words.size() > 2)
        return usage();
    const std::string& what = words[0];
    const char* const codeTakesNothing = "a code names its puzzle; it takes no seed and no difficulty";
    if (DesignCode::looksLikeOne(what)) {
        if (words.size() == 2 || band >= 0)
            return refuse(codeTakesNothing);
        return showDesign(what);
    }
    int columns = 0;
    int rows = 0;
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    // A code names its puzzle; a size and a seed for a band search from that seed.
    bool searching = true;
    // A size has no dash; anything with one is meant as a code.
    if (what.find('-') != std::string::npos) {
        PuzzleCode::Problem problem;
        const std::optional<PuzzleCode> code = PuzzleCode::read(what, problem);
        if (!code)
            return refuse("\"" + what + "\" is not a puzzle code: " + problemText(problem));
        if (words.size() == 2 || band >= 0)
            return refuse(codeTakesNothing);
        columns = code->columns;
        rows = code->rows;
        seed = code->seed;
        band = code->band;
        searching = false;
    } else {
        if (!readSize(what, columns, rows))
            return refuse("\"" + what + "\" is neither a size such as 15x10 nor a puzzle code");
        // Larger boards would take the generator minutes, or forever.
        if (sizeIndexOf(columns, rows) < 0)
            return refuse("the generator makes the sizes " + sizeList() + "; " + what + " is not one of them");
        if (words.size() == 2 && !readSeed(words[1], seed))
            return refuse("\"" + words[1] + "\" is not a seed: a whole number from 0 to 4294967295");
    }

    const bool pictures = puzzleSizes[sizeIndexOf(columns, rows)].pictures;
    if (!PuzzleMaker::canMake(band, pictures))
        return refuse(std::string("no ") + difficultyBands()[band].name + " puzzle is made at " + what
            + ": the sizes up to 20x15 keep only what the seven line techniques finish");
    PuzzleMaker maker;
    maker.start(columns, rows, band, seed, pictures, searching);
    // A band the size hardly ever reaches could take long: past a second, say how it goes.
    const auto start = std::chrono::steady_clock::now();
    auto nextWord = start + std::chrono::seconds(1);
    while (!maker.makeFor(std::chrono::milliseconds(50)))
        if (std::chrono::steady_clock::now() >= nextWord) {
            std::cerr << "still making the puzzle: " << maker.candidates() << " tried\n";
            nextWord += std::chrono::seconds(1);
        }
    const PuzzleCode made {columns, rows, maker.seed(), maker.band()};
    if (made.band != band)
        std::cerr << "no " << difficultyBands()[band].name << " puzzle in " << PuzzleMaker::mostSeeds
                  << " seeds; this one is " << difficultyBands()[made.band].name << '\n';
    const Difficulty& difficulty = maker.difficulty();
    std::cout << "size " << columns << 'x' << rows << " seed " << made.seed << " tried " << maker.candidates() << '\n';
    std::cout << "code " << made.text() << '\n';
    std::cout << "difficulty " << (made.band >= 0 ? difficultyBands()[made.band].name : "any") << ", "
              << (difficulty.hardestTechnique ? techniqueName(difficulty.hardestTechnique) : "none") << ", "
              << difficulty.deductions << " deductions in " << difficulty.sweeps << " sweeps\n";
    std::cout << PuzzleText::board(maker.solution()) << PuzzleText::clueLines(maker.clues());
    return 0;
}

int solve(int argc, char** argv)
{
    if (argc > 3)
        return usage();
    const std::string path = argc == 3 ? argv[2] : "-";
    PuzzleFile puzzle;
    std::string error;
    if (!readPuzzleInput(path, puzzle, error)) {
        std::cerr << "tessarin-puzzle: cannot read " << (path == "-" ? "the clues" : path) << ": " << error << '\n';
        return 1;
    }
    ClueSet& clues = puzzle.clues;
    if (const ClueFit fit = ClueFit::of(clues); fit.kind != ClueFit::Kind::Fits) {
        std::cout << "no picture fits these clues: ";
        if (fit.kind == ClueFit::Kind::LineTooShort)
            std::cout << lineName(
                fit.isRow, fit.line, (fit.isRow ? clues.rowClues : clues.columnClues)[size_t(fit.line)])
                      << " needs " << fit.cellsNeeded << " cells, but the line has " << fit.lineLength << '\n';
        else
            std::cout << "the columns fill " << fit.columnCells << " cells, the rows " << fit.rowCells << '\n';
        return 1;
    }
    PuzzleGrid board;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    PuzzleLogic solver;
    solver.setObserver([](const PuzzleLogic::Step& step) {
        if (step.technique == whatIfTechnique) {
            const PuzzleLogic::Assumption& a = step.assumption;
            std::cout << techniqueName(step.technique) << ": "
                      << whatIfText(a.x, a.y, a.broken, a.brokenIsRow, a.brokenLine, step.clue) << '\n';
            return;
        }
        // Named as the game's replay names its steps.
        const std::string name = deductionName(step.technique, step.isRow, step.lineIndex, step.clue);
        std::printf("%-36s %s  ->  %s\n", name.c_str(), PuzzleText::cells(step.before).c_str(),
            PuzzleText::cells(step.after).c_str());
    });
    const bool solved = solver.solve(board, clues);
    const Difficulty difficulty = gradeWithEveryTechnique(clues);
    std::cout << (solved ? "solved" : "not solvable by logic") << "; difficulty "
              << (difficulty.hardestTechnique ? techniqueName(difficulty.hardestTechnique) : "none") << ", "
              << difficulty.deductions << " deductions in " << difficulty.sweeps << " sweeps\n";
    std::cout << PuzzleText::board(board);
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
    if (command == "encode")
        return argc == 3 ? encodeDesign(argv[2]) : usage();
    if (command == "analyse")
        return analyse(argc, argv);
    if (command == "gallery")
        return galleryListing(argc, argv);
    return usage();
}
