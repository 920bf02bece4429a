// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Viewport.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

// Where the board stands: the cell area's top-left corner in board pixels (after the clue
// slots) and its size in cells, and, through the viewport, where each part of it stands in
// the window. Painting and hit-testing both ask here, so the two always agree.
class BoardLayout {
public:
    // A board of columns x rows with that many clue slots left of it and above it.
    void layOut(int columns, int rows, int rowClueSlots, int columnClueSlots);
    // No board: "Creating puzzle..." fills the window at the identity.
    void clear();

    QPoint origin() const { return origin_; }
    Viewport& viewport() { return viewport_; }
    const Viewport& viewport() const { return viewport_; }
    // The cells' transform, which the particles, the fault mark and the cursor share.
    const ViewTransform& transform() const { return viewport_.cells(); }
    // The board point under a window point, through a pinned band of clues where it shows.
    QPoint toBoard(QPoint windowPoint) const
    {
        return viewport_.transformAt(windowPoint).toBoard(windowPoint.x(), windowPoint.y());
    }
    bool onCells(QPoint boardPoint) const;
    // The cell under a board point, which may lie off the board.
    QPoint cellAt(QPoint boardPoint) const;
    QPoint cellCorner(int column, int row) const;
    QPoint cellCentre(int column, int row) const;
    // Where a cell's centre is in the window.
    QPoint cellCentreInWindow(int column, int row) const { return transform().toWindow(cellCentre(column, row)); }

    // The window pixels each part of the board is drawn in (SceneGeometry's areas), with the
    // clues where they are pinned.
    QRect cellInWindow(int column, int row) const;
    QRect columnCluesInWindow(int column) const;
    QRect rowCluesInWindow(int row) const;
    QRect infoInWindow(const QRectF& box) const { return viewport_.placement().corner.toWindow(box); }
    // A line's clue numbers and cells as they show in the window (SceneGeometry::lineBand),
    // less what a pinned band of clues covers.
    QRegion lineInWindow(bool isRow, int line, int rowClueSlots, int columnClueSlots) const;

private:
    QPoint origin_;
    int columns_ = 0;
    int rows_ = 0;
    Viewport viewport_;
};
