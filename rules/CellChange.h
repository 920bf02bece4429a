// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One cell the game changed, and why, so that the window can answer with the right sound,
// burst or fault mark, and the history can take it back.
struct CellChange {
    enum class Reason {
        Entered, // a move filled, crossed or marked a blank cell
        Erased, // a move cleared a cell
        Fault, // Beginner: a wrong move, put right at once; one fault
        Mended, // the hint put a wrong cell right, or cleared it in Expert; one fault
        Settled, // the hint's marks, or the player's, became cells or were removed
        Restored, // undo or redo
        Restarted, // the puzzle began again from a blank board
    };
    int x;
    int y;
    int before;
    int after;
    Reason reason;
};
