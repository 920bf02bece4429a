// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryPicture.h"

#include "CellState.h"

PuzzleGrid GalleryPicture::solution() const
{
    PuzzleGrid grid;
    grid.resize(columns, rows);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            grid.cells[std::size_t(x)][std::size_t(y)] = filled(x, y) ? Filled : Crossed;
    return grid;
}

const std::string& GalleryPicture::title(const std::string& language) const
{
    for (std::size_t i = 1; i < galleryLanguages.size(); ++i)
        if (language == galleryLanguages[i] && !titles[i].empty())
            return titles[i];
    return titles[0];
}
