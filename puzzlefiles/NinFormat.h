// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// The ".nin" format: a first line "W H", then H row clues and W column clues, one line each,
// numbers separated by spaces, 0 (or nothing) for an empty line. Lines after the last clue
// are ignored.
PuzzleFileReading readNin(const std::string& text);
