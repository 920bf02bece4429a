// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The code of one cell. A solution holds only Filled and Crossed; the marks are
// tentative cells entered in marking mode or written by the hint search.
enum CellState { Blank = 0, Filled = 1, Crossed = 2, MarkedFilled = 3, MarkedCrossed = 4 };
