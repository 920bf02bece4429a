// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLayout.h"

#include "SceneGeometry.h"

using SceneGeometry::cellPitch;

void BoardLayout::layOut(int columns, int rows, int rowClueSlots, int columnClueSlots)
{
    columns_ = columns;
    rows_ = rows;
    origin_ = {SceneGeometry::boardOrigin(rowClueSlots), SceneGeometry::boardOrigin(columnClueSlots)};
}

void BoardLayout::fit(QSize sceneSize, int windowWidth, int windowHeight, int menuBarHeight)
{
    transform_ = ViewTransform::fit(sceneSize, windowWidth, windowHeight, menuBarHeight);
}

bool BoardLayout::onCells(QPoint boardPoint) const
{
    const QPoint cell = cellAt(boardPoint);
    return cell.x() >= 0 && cell.x() < columns_ && cell.y() >= 0 && cell.y() < rows_;
}

QPoint BoardLayout::cellAt(QPoint boardPoint) const
{
    // Rounded down, so that the clue area left of and above the cells is off the board.
    const auto cellIndex = [](int offset) { return offset >= 0 ? offset / cellPitch : (offset + 1) / cellPitch - 1; };
    return {cellIndex(boardPoint.x() - origin_.x()), cellIndex(boardPoint.y() - origin_.y())};
}

QPoint BoardLayout::cellCorner(int column, int row) const
{
    return origin_ + QPoint(cellPitch * column, cellPitch * row);
}

QPoint BoardLayout::cellCentre(int column, int row) const
{
    return cellCorner(column, row) + QPoint(cellPitch / 2, cellPitch / 2);
}
