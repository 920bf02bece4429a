// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"
#include "GalleryPicture.h"
#include "Puzzle.h"

#include <chrono>
#include <optional>
#include <string>

// The gallery's album of the player's designs and of those opened from their codes; its
// English name is its key, as for every album.
constexpr const char* designAlbum = "My designs";
// The colour a design is revealed in once solved.
constexpr std::uint32_t designInk = 0x2b4c7e;

// The id a design is kept under, from its picture and givens: "design-" and eight hex digits.
// A design entered twice is one picture, with one record.
std::string designId(const Design& design);
// A design as the gallery shows it, with the hardest technique logic needs (0 where logic does
// not finish it); its title stands for every language.
GalleryPicture designPicture(const Design& design, int technique);
// A design as the game plays it, judged from its givens as the designer judges it (searching
// at most that long), as a picture of the gallery by its id, with its texts.
Puzzle designPuzzle(const Design& design, std::chrono::milliseconds searchTime);
// A puzzle opened to be drawn on: its picture (the one solution, or the first of those
// found), givens and texts; none when no picture of it is known or the designer does not
// draw at its size.
std::optional<Design> designFromPuzzle(const Puzzle& puzzle);
