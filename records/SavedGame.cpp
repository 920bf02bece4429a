// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGame.h"

#include "GameMode.h"
#include "PuzzleSizes.h"

#include <QDataStream>
#include <QIODevice>

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

} // namespace

QByteArray SavedGame::encode() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(mode) << qint32(columns) << qint32(rows) << qint32(time) << qint32(faults);
    for (const auto* lists : {&columnClues, &rowClues}) {
        for (const auto& clue : *lists) {
            out << qint32(clue.size());
            for (int value : clue)
                out << qint32(value);
        }
    }
    for (const Cell& cell : cells)
        out << qint32(cell.x) << qint32(cell.y) << qint32(cell.code);
    return bytes;
}

bool SavedGame::decode(const QByteArray& bytes, SavedGame& game)
{
    QDataStream in(bytes);
    SavedGame read;
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
    if (read.mode < Beginner || read.mode > Expert || sizeIndexOf(read.columns, read.rows) < 0 || read.time < 0
        || read.faults < 0)
        return false;
    if (!readClues(in, read.columns, read.rows, read.columnClues)
        || !readClues(in, read.rows, read.columns, read.rowClues))
        return false;
    while (!in.atEnd()) {
        qint32 x = 0, y = 0, code = 0;
        in >> x >> y >> code;
        if (in.status() != QDataStream::Ok)
            break; // a last cell cut short
        if (x < 0 || x >= read.columns || y < 0 || y >= read.rows || code < 1 || code > 4
            || static_cast<int>(read.cells.size()) == read.columns * read.rows)
            return false;
        read.cells.push_back({x, y, code});
    }
    game = std::move(read);
    return true;
}
