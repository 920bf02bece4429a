// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"

#include <string>
#include <vector>

// A design drawn as text, a string a row, '#' filled and anything else empty.
inline Design designOf(const std::vector<std::string>& rows)
{
    Design design = Design::blank(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < design.rows; ++y)
        for (int x = 0; x < design.columns; ++x)
            design.set(x, y, rows[std::size_t(y)][std::size_t(x)] == '#');
    return design;
}

inline std::vector<std::string> rowsOf(const Design& design)
{
    std::vector<std::string> rows;
    for (int y = 0; y < design.rows; ++y) {
        std::string row;
        for (int x = 0; x < design.columns; ++x)
            row += design.filled(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
