// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGame.h"

#include "GameMode.h"
#include "Puzzle.h"
#include "PuzzleFile.h"
#include "PuzzleSizes.h"

#include <QDataStream>
#include <QIODevice>

#include <array>
#include <cstdlib>

namespace {

// A list of runs, far end first, that some line of this length could show: [0] alone, or
// positive runs with a gap between each two. Saved signs are ignored.
bool fitsLine(const std::vector<int>& clue, int length)
{
    if (clue.size() == 1 && clue.front() == 0)
        return true;
    long long needed = -1;
    for (int value : clue) {
        if (value == 0 || value < -length || value > length)
            return false;
        needed += std::abs(value) + 1;
    }
    return !clue.empty() && needed <= length;
}

bool readClues(QDataStream& in, int lines, int length, std::vector<std::vector<int>>& clues)
{
    clues.assign(static_cast<size_t>(lines), {});
    for (auto& clue : clues) {
        qint32 count = 0;
        in >> count;
        // A line of n cells has at most (n + 1) / 2 runs; anything more is damage, and
        // must not size a buffer.
        if (in.status() != QDataStream::Ok || count < 1 || count > (length + 1) / 2)
            return false;
        clue.resize(static_cast<size_t>(count));
        for (int& value : clue) {
            qint32 read = 0;
            in >> read;
            value = read;
        }
        if (in.status() != QDataStream::Ok || !fitsLine(clue, length))
            return false;
    }
    return true;
}

// The origin's texts in the order they are kept.
template <typename Origin>
auto textsOf(Origin& origin)
{
    return std::array {&origin.place, &origin.code, &origin.title, &origin.author, &origin.copyright, &origin.licence};
}

// A byte count no larger than the longest text, then that many bytes.
bool readText(QDataStream& in, QByteArray& text)
{
    qint32 length = -1;
    in >> length;
    if (in.status() != QDataStream::Ok || length < 0 || length > SavedGame::longestText)
        return false;
    text.resize(length);
    return in.readRawData(text.data(), length) == length;
}

bool readCell(QDataStream& in, SavedGame::Cell& cell)
{
    qint32 x = 0, y = 0, code = 0;
    in >> x >> y >> code;
    cell = {x, y, code};
    return in.status() == QDataStream::Ok;
}

bool cellFits(const SavedGame& game, const SavedGame::Cell& cell)
{
    return cell.x >= 0 && cell.x < game.columns && cell.y >= 0 && cell.y < game.rows && cell.code >= 1 && cell.code <= 4
        && static_cast<int>(game.cells.size()) < game.columns * game.rows;
}

// The second form's cells: as many as it counts, every one whole.
bool readCountedCells(QDataStream& in, SavedGame& game)
{
    qint32 count = -1;
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0 || count > game.columns * game.rows)
        return false;
    for (qint32 i = 0; i < count; ++i) {
        SavedGame::Cell cell;
        if (!readCell(in, cell) || !cellFits(game, cell))
            return false;
        game.cells.push_back(cell);
    }
    return in.atEnd();
}

// The first form's cells, to the end of the file; a last one cut short is dropped.
bool readCellsToTheEnd(QDataStream& in, SavedGame& game)
{
    while (!in.atEnd()) {
        SavedGame::Cell cell;
        if (!readCell(in, cell))
            break;
        if (!cellFits(game, cell))
            return false;
        game.cells.push_back(cell);
    }
    return true;
}

} // namespace

bool SavedGame::inFirstForm() const
{
    return origin.kind == int(PuzzleOrigin::Kind::Generated) && madeByClimb(columns, rows);
}

QByteArray SavedGame::encode() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const bool first = inFirstForm();
    if (!first)
        out << magic << version;
    out << qint32(mode) << qint32(columns) << qint32(rows) << qint32(time) << qint32(faults);
    if (!first) {
        out << qint32(origin.kind);
        for (const QByteArray* text : textsOf(origin)) {
            out << qint32(text->size());
            out.writeRawData(text->constData(), int(text->size()));
        }
    }
    for (const auto* lists : {&columnClues, &rowClues}) {
        for (const auto& clue : *lists) {
            out << qint32(clue.size());
            for (int value : clue)
                out << qint32(value);
        }
    }
    if (!first)
        out << qint32(cells.size());
    for (const Cell& cell : cells)
        out << qint32(cell.x) << qint32(cell.y) << qint32(cell.code);
    return bytes;
}

bool SavedGame::decode(const QByteArray& bytes, SavedGame& game)
{
    QDataStream in(bytes);
    SavedGame read;
    // An old file starts with its mode, which is never the magic number.
    const bool first = !bytes.startsWith("TSAV");
    if (!first) {
        quint32 mark = 0;
        qint32 form = 0;
        in >> mark >> form;
        if (in.status() != QDataStream::Ok || form != version)
            return false;
    }
    qint32 header[5] = {};
    for (qint32& value : header)
        in >> value;
    if (in.status() != QDataStream::Ok)
        return false;
    read.mode = header[0];
    read.columns = header[1];
    read.rows = header[2];
    read.time = header[3];
    read.faults = header[4];
    const bool sizeFits = first
        ? madeByClimb(read.columns, read.rows)
        : read.columns >= 1 && read.columns <= largestPuzzleSide && read.rows >= 1 && read.rows <= largestPuzzleSide;
    if (read.mode < Beginner || read.mode > Expert || !sizeFits || read.time < 0 || read.faults < 0)
        return false;
    if (!first) {
        qint32 kind = -1;
        in >> kind;
        if (in.status() != QDataStream::Ok || kind < int(PuzzleOrigin::Kind::Generated)
            || kind > int(PuzzleOrigin::Kind::Gallery))
            return false;
        read.origin.kind = kind;
        for (QByteArray* text : textsOf(read.origin))
            if (!readText(in, *text))
                return false;
    }
    if (!readClues(in, read.columns, read.rows, read.columnClues)
        || !readClues(in, read.rows, read.columns, read.rowClues))
        return false;
    if (!(first ? readCellsToTheEnd(in, read) : readCountedCells(in, read)))
        return false;
    game = std::move(read);
    return true;
}
