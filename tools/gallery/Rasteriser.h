// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// A drawing as a board of cells: a cell is filled where the drawing covers at least half of
// it, coloured with the drawing's own colour nearest to what covers it.
struct CellPicture {
    int columns = 0;
    int rows = 0;
    std::vector<std::uint32_t> palette;
    // Row by row, an index into the palette, or -1 for an empty cell.
    std::vector<int> colours;

    bool filled(int x, int y) const { return colours[std::size_t(y * columns + x)] >= 0; }
    // The share of the cells that are filled, and the runs of filled cells per line.
    double fill() const;
    double runsPerLine() const;
};

// Renders an SVG drawing once, large, cropped to what it covers.
class Rasteriser {
public:
    bool load(const QByteArray& svg);
    // The board whose longer side has that many cells, the other in proportion.
    QSize sizeFor(int longSide) const;
    CellPicture cells(QSize board) const;

private:
    QImage image_;
    QRect covered_;
    std::vector<std::uint32_t> colours_;
};
