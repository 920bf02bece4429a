// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The strip of cell tiles the board is drawn with: one tile per cell code, side by side.
namespace CellStrip {

// The picture at path, or, when it is missing or too small to hold every tile, a plain strip
// drawn here: without one the player could not see a single entered cell.
QPixmap load(const QString& path);

} // namespace CellStrip
