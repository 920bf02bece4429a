// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLayout.h"

#include "SceneGeometry.h"

using SceneGeometry::cellPitch;

void BoardLayout::layOut(int columns, int rows, int rowClueSlots, int columnClueSlots)
{
    columns_ = columns;
    rows_ = rows;
    origin_ = {SceneGeometry::boardOrigin(rowClueSlots), SceneGeometry::boardOrigin(columnClueSlots)};
    viewport_.setScene(
        QSize(SceneGeometry::sceneExtent(rowClueSlots, columns), SceneGeometry::sceneExtent(columnClueSlots, rows)),
        origin_);
    viewport_.showDefault();
}

void BoardLayout::clear()
{
    viewport_.setScene({}, {});
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

QRect BoardLayout::cellInWindow(int column, int row) const
{
    return transform().toWindow(SceneGeometry::cellArea(origin_, column, row));
}

QRect BoardLayout::columnCluesInWindow(int column) const
{
    return viewport_.placement().columnClues.toWindow(SceneGeometry::columnCluesArea(origin_, column));
}

QRect BoardLayout::rowCluesInWindow(int row) const
{
    return viewport_.placement().rowClues.toWindow(SceneGeometry::rowCluesArea(origin_, row));
}

QRegion BoardLayout::lineInWindow(bool isRow, int line, int rowClueSlots, int columnClueSlots) const
{
    const QRect band = SceneGeometry::lineBand(origin_, isRow, line, rowClueSlots, columnClueSlots, columns_, rows_);
    if (!viewport_.cluesPinned())
        return transform().toWindow(QRectF(band));
    // The clues and the cells part where the cells begin; each shows where nothing covers it.
    QRect clues = band;
    QRect cells = band;
    if (isRow) {
        clues.setRight(origin_.x() - 1);
        cells.setLeft(origin_.x());
    } else {
        clues.setBottom(origin_.y() - 1);
        cells.setTop(origin_.y());
    }
    const Viewport::Placement& placement = viewport_.placement();
    const bool pinned = isRow ? viewport_.rowCluesPinned() : viewport_.columnCluesPinned();
    QRegion cluesShown = (isRow ? placement.rowClues : placement.columnClues).toWindow(QRectF(clues));
    if (!pinned)
        cluesShown &= viewport_.cellsView();
    else if (isRow)
        cluesShown = (cluesShown & viewport_.rowCluesBand()) - viewport_.columnCluesBand();
    else
        cluesShown = (cluesShown & viewport_.columnCluesBand()) - viewport_.cornerBand();
    return cluesShown + (transform().toWindow(QRectF(cells)) & viewport_.cellsView());
}
