// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lines written as digit strings, one CellState code per cell: "0112000".

#include "PuzzleGrid.h"

#include <QString>
#include <QtTest>

#include <string>
#include <vector>

inline std::vector<int> cellsOf(const char* digits)
{
    std::vector<int> line;
    for (const char* c = digits; *c; ++c)
        line.push_back(*c - '0');
    return line;
}

inline QString digitsOf(const std::vector<int>& line)
{
    QString text;
    for (int code : line)
        text += QChar('0' + code);
    return text;
}

// A board from rows of digits, top row first.
inline PuzzleGrid boardOf(const std::vector<const char*>& rows)
{
    PuzzleGrid board;
    board.resize(static_cast<int>(std::string(rows.front()).size()), static_cast<int>(rows.size()));
    for (int y = 0; y < board.height; ++y)
        board.setRow(y, cellsOf(rows[y]));
    return board;
}

inline QStringList rowsOf(const PuzzleGrid& board)
{
    QStringList rows;
    for (int y = 0; y < board.height; ++y)
        rows << digitsOf(board.row(y));
    return rows;
}

Q_DECLARE_METATYPE(std::vector<int>)
