// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// Reads a puzzle file the player chose: the format by the name's extension, in any case
// (".non" and ".nonpack", ".nin", ".xml", ".g", ".mk"), and for any other name by what the
// text holds. Texts larger than largestPuzzleFileBytes, and anything that is not UTF-8 text,
// are refused before any format is tried; what a format reads passes the same checks
// whichever it is (see checkPuzzle).
PuzzleFileReading readPuzzleFile(const std::string& fileName, const std::string& bytes);
