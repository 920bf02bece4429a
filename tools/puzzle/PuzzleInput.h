// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// A puzzle for the tool from a file of any format the game reads, or in the tool's own clue
// text ("columns:" and "rows:" lines, as generate prints them), or from standard input for
// the path "-". False, with why, when it cannot be read.
bool readPuzzleInput(const std::string& path, PuzzleFile& puzzle, std::string& error);
