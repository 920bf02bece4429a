// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the help's pictures into the folder named on the command line: a small solved
// board for "How to Play", one before-and-after line per line technique and a board stuck
// before a supposition for "Methods", and lines.txt, the line examples as text. The
// regenerate script beside this file runs it on Help/images; a test recomputes lines.txt
// with the line techniques, and the board is checked here against the game's own What If,
// so the pictures cannot silently drift from the code.

#include "HelpPictures.h"
#include "LineExamples.h"
#include "TechniqueNames.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LinePropagator.h"
#include "PuzzleGrid.h"
#include "TechniqueTable.h"
#include "WhatIf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

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

// A solved board from its rows, written as the line examples are, '.' standing for an empty
// cell.
PuzzleGrid pictureFromRows(const std::vector<std::string>& rows)
{
    PuzzleGrid board;
    board.resize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < board.height; ++y) {
        std::vector<int> solved;
        for (int code : LineExamples::cells(rows[size_t(y)]))
            solved.push_back(code == Filled ? Filled : Crossed);
        board.setRow(y, solved);
    }
    return board;
}

// A heart: small enough to check every clue by eye, with a line of two runs and lines of
// different lengths.
QImage solvedBoard(const QImage& tiles)
{
    const PuzzleGrid board = pictureFromRows({".#.#.", "#####", "#####", ".###.", "..#.."});
    ClueSet clues;
    clues.computeFrom(board);
    return boardPicture(tiles, readingOrder(clues.columnClues), readingOrder(clues.rowClues), board.cells);
}

bool undecidedLeft(const std::vector<unsigned char>& cells)
{
    return std::find(cells.begin(), cells.end(), 0) != cells.end();
}

// What If's worked example: the board as far as the lines take it from blank, with the cell
// supposed filled drawn as a marked fill and the column that supposition breaks framed. The
// text walks through it, so the game's own lines and What If must see it just so: every line
// stuck short of the end, that cell the first the hint tries, column 4 (index 3) the line it
// names, and the lines finishing once the cell is empty. Returns a null image otherwise.
QImage whatIfBoard(const QImage& tiles)
{
    const PuzzleGrid solution = pictureFromRows({".##.#", "..#..", "#.##.", "##.#.", "##.#."});
    constexpr int supposedX = 0;
    constexpr int supposedY = 0;
    constexpr int brokenColumn = 3;
    ClueSet clues;
    clues.computeFrom(solution);
    LinePropagator lines;
    lines.setClues(clues);
    const int width = solution.width;
    std::vector<unsigned char> stuck(size_t(width) * size_t(solution.height), 0);
    if (!lines.propagate(stuck) || !undecidedLeft(stuck))
        return QImage();
    std::vector<unsigned char> decided = stuck;
    WhatIf::Finding finding;
    if (WhatIf().findOne(lines, decided, finding, true) != WhatIf::Outcome::Decided)
        return QImage();
    if (finding.x != supposedX || finding.y != supposedY || finding.broken != Filled || finding.brokenLine.isRow
        || finding.brokenLine.index != brokenColumn)
        return QImage();
    if (!lines.propagate(decided) || undecidedLeft(decided))
        return QImage();

    std::vector<std::vector<int>> shown(size_t(width), std::vector<int>(size_t(solution.height)));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < solution.height; ++y)
            shown[size_t(x)][size_t(y)] = stuck[size_t(x + y * width)];
    shown[size_t(supposedX)][size_t(supposedY)] = MarkedFilled;
    return framedBoardPicture(
        tiles, readingOrder(clues.columnClues), readingOrder(clues.rowClues), shown, false, brokenColumn);
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
    const QImage supposition = whatIfBoard(tiles);
    if (supposition.isNull()) {
        std::fprintf(stderr, "the What If example no longer shows what the help says of it\n");
        return 1;
    }
    // Named by its key, as the line pictures are by their names: "What If" has a space.
    if (!save(supposition, folder, QString(findTechnique(whatIfTechnique)->key).toLower() + ".png"))
        return 1;

    QByteArray lines = "# One worked example per line technique, computed by the game's own line techniques.\n"
                       "# Regenerate with tools/helpgen/regenerate; the help test checks them.\n"
                       "# technique [clue in reading order] line before -> line after\n"
                       "# cells from the left: . blank, # filled, x crossed\n";
    for (LineExample example : LineExamples::table()) {
        LineExamples::solve(example);
        const std::string description = LineExamples::describe(example);
        // An example that shows nothing, or a line no puzzle could hold, would teach nothing;
        // nor would one of Arrangements that one of the seven already solves.
        if (example.after == example.before || !LineExamples::consistent(example.clue, example.after)
            || (example.technique == arrangementsTechnique && !LineExamples::sevenFindNothing(example))) {
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
