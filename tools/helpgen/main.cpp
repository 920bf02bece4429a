// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the help's pictures into the folder named on the command line: a small solved
// board for "How to Play", one before-and-after line per technique for "Methods", and
// lines.txt, the technique examples as text. The regenerate script beside this file runs it
// on Help/images; a test recomputes lines.txt with the line solver, so the pictures cannot
// silently drift from the code.

#include "HelpPictures.h"
#include "LineExamples.h"
#include "TechniqueNames.h"

#include "CellState.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Reading order is the reverse of the stored order, without the signs.
std::vector<std::vector<int>> readingOrder(const std::vector<std::vector<int>>& stored)
{
    std::vector<std::vector<int>> lists;
    for (const std::vector<int>& list : stored) {
        lists.emplace_back();
        for (auto run = list.rbegin(); run != list.rend(); ++run)
            lists.back().push_back(std::abs(*run));
    }
    return lists;
}

// A heart: small enough to check every clue by eye, with a line of two runs and lines of
// different lengths.
QImage solvedBoard(const QImage& tiles)
{
    const char* const rows[] = {".#.#.", "#####", "#####", ".###.", "..#.."};
    PuzzleGrid board;
    board.resize(5, 5);
    for (int y = 0; y < board.height; ++y) {
        const std::vector<int> cells = LineExamples::cells(rows[y]);
        std::vector<int> solved;
        for (int code : cells)
            solved.push_back(code == Filled ? Filled : Crossed);
        board.setRow(y, solved);
    }
    ClueSet clues;
    clues.computeFrom(board);
    return boardPicture(tiles, readingOrder(clues.columnClues), readingOrder(clues.rowClues), board.cells);
}

bool save(const QImage& picture, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    // Quality 0 asks for the strongest PNG compression; it only costs time.
    if (picture.save(path, "PNG", 0))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // Only images are drawn; no window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CELL_STRIP_PNG OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QImage tiles(QString::fromLocal8Bit(argv[1]));
    if (tiles.width() != 120 || tiles.height() != 24) {
        std::fprintf(stderr, "%s is not the game's 120 x 24 cell strip\n", argv[1]);
        return 1;
    }
    if (!clueFontAvailable()) {
        std::fprintf(stderr, "the Comfortaa font is not installed (Debian package fonts-comfortaa)\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }

    if (!save(solvedBoard(tiles), folder, "example.png"))
        return 1;

    QByteArray lines = "# One worked example per line technique, computed by the game's line solver.\n"
                       "# Regenerate with tools/helpgen/regenerate; the help test checks them.\n"
                       "# technique [clue in reading order] line before -> line after\n"
                       "# cells from the left: . blank, # filled, x crossed\n";
    for (LineExample example : LineExamples::table()) {
        LineExamples::solve(example);
        const std::string description = LineExamples::describe(example);
        // An example that shows nothing, or a line no puzzle could hold, would teach nothing.
        if (example.after == example.before || !LineExamples::consistent(example.clue, example.after)) {
            std::fprintf(stderr, "not a useful example: %s\n", description.c_str());
            return 1;
        }
        lines += QByteArray::fromStdString(description) + '\n';
        const QImage picture
            = linePicture(tiles, example.clue, LineExamples::cells(example.before), LineExamples::cells(example.after));
        if (!save(picture, folder, QString(techniqueName(example.technique)).toLower() + ".png"))
            return 1;
    }

    QFile text(folder.filePath("lines.txt"));
    if (!text.open(QIODevice::WriteOnly) || text.write(lines) != lines.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(text.fileName()));
        return 1;
    }
    return 0;
}
