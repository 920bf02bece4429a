// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// A game in progress as kept in "auto.sav", in one of two forms of big-endian 32-bit
// integers. A generated puzzle of the six sizes is kept as it always was, with no header, so
// that older copies of the game read it: mode, columns, rows, time shown, faults; each
// column's clue list (count, then entries in stored order, signs as they stood), then each
// row's; then x, y, code for every non-blank cell, column by column, to the end of the file.
// Any other puzzle is kept in the second form, which older copies refuse as they refuse any
// damaged file: the magic number "TSAV", the form's version (1), mode, columns, rows, time,
// faults, the origin's kind, then its place, code, title, author, copyright and licence, each
// a byte count and that many bytes of UTF-8; the clue lists as above; the number of cells,
// then x, y, code for each. The solution is not kept: the clues determine it, or the origin
// names where it is.
struct SavedGame {
    struct Cell {
        int x;
        int y;
        int code;
    };

    int mode = 0;
    int columns = 0;
    int rows = 0;
    int time = 0;
    int faults = 0;
    std::vector<std::vector<int>> columnClues;
    std::vector<std::vector<int>> rowClues;
    std::vector<Cell> cells;
    // Where the puzzle came from (PuzzleOrigin's kind) and its texts; kept by the second form
    // only, so a generated puzzle of the six sizes comes back with none of them.
    struct Origin {
        int kind = 0;
        QByteArray place, code, title, author, copyright, licence;
    } origin;

    static constexpr quint32 magic = 0x54534156; // "TSAV"
    static constexpr qint32 version = 1;
    // No text of a puzzle's comes near this; a longer one is damage.
    static constexpr int longestText = 1 << 16;

    // Whether this game is kept in the form older copies read.
    bool inFirstForm() const;
    QByteArray encode() const;

    // Reads bytes written by encode(), in either form. Refuses (returns false, leaving game
    // untouched) a file that is cut short before its cells, names an unknown mode, a size
    // other than the six in the first form or beyond the largest puzzle in the second, or an
    // unknown version or origin, holds negative time or faults, a text too long, a clue list
    // that cannot fit its line, or a cell off the board or with an unknown code, or more cells
    // than the board has. In the first form a last cell cut short is dropped; the second
    // counts its cells, and refuses a file with fewer or more.
    static bool decode(const QByteArray& bytes, SavedGame& game);
};
