// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryPicture.h"

#include <string>
#include <vector>

// The gallery as a text file, one picture a line, its fields separated by tabs:
//
//   id  album  COLUMNSxROWS  technique  palette  cells  givens  title-en  title-de  title-fr  title-es
//
// palette: the colours as six hex digits each, separated by commas; cells: row after row, a
// character a cell, '.' for an empty one and '0'-'9', 'a'-'z' for the palette's first 36
// colours; givens: "x,y" pairs separated by spaces, or "-" for none. Lines starting with '#'
// are comments. The game reads the file it ships, so anything wrong in it is a fault of the
// tool that wrote it: reading stops at the first bad line and says which.
struct GalleryReading {
    std::vector<GalleryPicture> pictures;
    // Empty when every line was read; otherwise "line N: why", in English.
    std::string error;
};

GalleryReading readGallery(const std::string& text);
std::string writeGallery(const std::vector<GalleryPicture>& pictures);
// The most colours a picture may have.
constexpr int galleryColours = 36;
