// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Puzzle.h"

#include <QString>

// A puzzle file the player opens: read as the game's own files are (a regular file only, never
// waiting on a pipe or a device, no larger than any puzzle file), then by the reader of its
// format, then judged.
struct PuzzleFileOpening {
    bool opened = false;
    Puzzle puzzle;
    // When not opened: why, for the player, as a clause without a full stop (the reader's
    // reason names the file's line).
    QString error;
};

PuzzleFileOpening openPuzzleFile(const QString& path);
