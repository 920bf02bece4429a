// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// webpbn's XML export: a <puzzleset> of one or more <puzzle>s, of which the first is read:
// its <title>, <author> and <copyright>, the <line>s of <count>s in <clues type="columns">
// and <clues type="rows">, and the picture of <solution type="goal"><image> (rows between
// '|', 'X' or '#' filled, '.' empty). A puzzle in colours (a <color> beyond the background's
// and the runs' own, or a <count color="...">) is refused.
PuzzleFileReading readWebpbnXml(const std::string& text);
