// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPoint>
#include <QTimeLine>

// The clues of the hovered (or the keys' cursor) column and row are lit in a colour that
// tells whether marks mode is on; -1 for none.
struct ClueHover {
    int column = -1;
    int row = -1;
    QColor colour {200, 0, 0};
};

// What the view shows beyond the game itself: the lit clues, the keys' cursor, the hint's
// line and the fault mark while it grows and fades.
struct ViewState {
    ViewState()
    {
        faultMark.setDuration(1500);
        faultMark.setFrameRange(0, 1);
    }

    ClueHover hover;
    // The cell the keys act on; it follows the pointer over the cells.
    int cursorColumn = 0;
    int cursorRow = 0;
    // Whether the keys were used last, so that the clues light the cursor's lines rather than
    // those under the pointer.
    bool cursorLeads = true;
    // Whether the keys have moved or used the cursor since the game started: only then is its
    // cell outlined, so a player of the pointer never sees it.
    bool keysUsed = false;
    // The hint darkens everything but one line while its box is open.
    bool hintShown = false;
    bool hintIsRow = false;
    int hintLine = 0;
    // Top-left corner of the latest fault mark, in board pixels.
    QPoint faultCorner;
    QTimeLine faultMark;
};
