// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ViewTransform.h"

#include <QPoint>
#include <QSize>

// Where the board stands: the cell area's top-left corner in board pixels (after the clue
// slots) and its size in cells, and how board pixels map into the window. Painting and
// hit-testing both ask here, so the two always agree.
class BoardLayout {
public:
    // A board of columns x rows with that many clue slots left of it and above it.
    void layOut(int columns, int rows, int rowClueSlots, int columnClueSlots);
    // The largest scale at which a scene of sceneSize board pixels fits the window below its
    // menu bar, centred; an empty scene gets the identity.
    void fit(QSize sceneSize, int windowWidth, int windowHeight, int menuBarHeight);

    QPoint origin() const { return origin_; }
    const ViewTransform& transform() const { return transform_; }
    QPoint toBoard(QPoint windowPoint) const { return transform_.toBoard(windowPoint.x(), windowPoint.y()); }
    bool onCells(QPoint boardPoint) const;
    // The cell under a board point, which may lie off the board.
    QPoint cellAt(QPoint boardPoint) const;
    QPoint cellCorner(int column, int row) const;
    QPoint cellCentre(int column, int row) const;
    // Where a cell's centre is in the window.
    QPoint cellCentreInWindow(int column, int row) const { return transform_.toWindow(cellCentre(column, row)); }

private:
    QPoint origin_;
    int columns_ = 0;
    int rows_ = 0;
    ViewTransform transform_;
};
