// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleGrid.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The languages a picture's title is given in, English first: the order of
// GalleryPicture::titles.
constexpr std::array<const char*, 4> galleryLanguages {"en", "de", "fr", "es"};

// One picture of the gallery: a puzzle made from a drawing, proved finished by logic from its
// givens, with the colours it is revealed in.
struct GalleryPicture {
    // Unique and stable: the drawing's name and the size, "red-apple-15x15". Progress is kept
    // under it.
    std::string id;
    // The album's English name, which is also its key.
    std::string album;
    int columns = 0;
    int rows = 0;
    // The hardest technique logic needs to finish it from its givens.
    int technique = 0;
    // The colours of the reveal, 0xRRGGBB.
    std::vector<std::uint32_t> palette;
    // Row by row, each cell's colour: an index into the palette, or -1 where the cell is
    // empty.
    std::vector<int> colours;
    // Cells shown decided at the start, (column, row): they make logic finish the picture.
    std::vector<std::pair<int, int>> givens;
    // In galleryLanguages' order, UTF-8; a missing translation is empty.
    std::array<std::string, galleryLanguages.size()> titles;

    bool filled(int x, int y) const { return colours[std::size_t(y) * std::size_t(columns) + std::size_t(x)] >= 0; }
    // The picture as a solution: Filled and Crossed.
    PuzzleGrid solution() const;
    // The title in a language of galleryLanguages, or the English one where it has none.
    const std::string& title(const std::string& language) const;
};
