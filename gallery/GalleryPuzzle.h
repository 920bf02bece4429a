// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryPicture.h"
#include "Puzzle.h"

#include <string>

// A picture as the game plays it: its clues, its one solution, logic's verdict and the
// technique it needs, its givens, its origin (the gallery, by its id) and its title in the
// player's language, with the credit of the drawing it was made from.
Puzzle galleryPuzzle(const GalleryPicture& picture, const std::string& language);
