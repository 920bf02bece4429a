// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// The scene is laid out in integer board pixels, then scaled and centred into the window.
//
//   (0,0) +--------------------------------------------+
//         |  margin                                    |
//         |   +------+-------------------------+       |
//         |   | info | column clues (cs slots) |       |
//         |   +------+-------------------------+       |
//         |   | row  | cells, 24 x 24 each     |       |
//         |   | clues| starting at             |       |
//         |   | (rs) | (20 rs + 30, 20 cs + 30)|       |
//         |   +------+-------------------------+       |
//         +--------------------------------------------+
namespace SceneGeometry {

constexpr int cellPitch = 24;
constexpr int clueStep = 20;
constexpr int margin = 30;

// Where the cell area starts along an axis with the given number of clue slots before it.
constexpr int boardOrigin(int clueSlots)
{
    return clueSlots * clueStep + margin;
}

// The size of the whole scene (the board panel image) in board pixels.
constexpr int sceneExtent(int clueSlots, int cells)
{
    return clueSlots * clueStep + cells * cellPitch + 2 * margin;
}

// Where things are drawn, in board pixels, for the cell area starting at origin; a little
// larger than their ink, since they are scaled and filtered and the grid's lines straddle the
// cells' edges.
constexpr qreal inkReach = 2;

inline QRectF cellArea(QPoint origin, int column, int row)
{
    return QRectF(origin.x() + cellPitch * column - inkReach, origin.y() + cellPitch * row - inkReach,
        cellPitch + 2 * inkReach, cellPitch + 2 * inkReach);
}

// A column's clue numbers stand above its cells, a row's left of them, out to the plate's edge.
inline QRectF columnCluesArea(QPoint origin, int column)
{
    return QRectF(origin.x() + cellPitch * column - inkReach, 0, cellPitch + 2 * inkReach, origin.y());
}

inline QRectF rowCluesArea(QPoint origin, int row)
{
    return QRectF(0, origin.y() + cellPitch * row - inkReach, origin.x(), cellPitch + 2 * inkReach);
}

// A line's cells and its clue numbers out to the plate's edge: what the hint leaves unshaded.
inline QRect lineBand(QPoint origin, bool isRow, int line, int rowClueSlots, int columnClueSlots, int columns, int rows)
{
    if (isRow) {
        const int top = origin.y() + cellPitch * line;
        return QRect(QPoint(origin.x() - clueStep * rowClueSlots, top),
            QPoint(origin.x() + cellPitch * columns, top + cellPitch - 1));
    }
    const int left = origin.x() + cellPitch * line;
    return QRect(QPoint(left, origin.y() - clueStep * columnClueSlots),
        QPoint(left + cellPitch - 1, origin.y() + cellPitch * rows));
}

// The frame drawn around the cells while marks mode is on, with its ink.
constexpr int marksFrameGap = 4;
inline QRectF marksFrame(QPoint origin, int columns, int rows)
{
    const qreal reach = marksFrameGap + inkReach;
    return QRectF(
        origin.x() - reach, origin.y() - reach, cellPitch * columns + 2 * reach, cellPitch * rows + 2 * reach);
}

// The box of the mode, time and faults, in the corner the clues leave free.
inline QRect infoBox(int rowClueSlots, int columnClueSlots)
{
    return QRect(20, 20, clueStep * rowClueSlots + 10, clueStep * columnClueSlots + 10);
}

} // namespace SceneGeometry
