// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPixmap>

// The strip of cell tiles the board is drawn with: one tile per cell code, side by side.
namespace CellStrip {

// The picture in a file's bytes, or, when there is none or it is too small to hold every
// tile, a plain strip drawn here: without one the player could not see a single entered cell.
QPixmap load(const QByteArray& file);

} // namespace CellStrip
