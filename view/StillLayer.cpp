// SPDX-License-Identifier: GPL-3.0-or-later
#include "StillLayer.h"

#include "BoardScene.h"
#include "FramePainter.h"
#include "SceneGeometry.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

using namespace SceneGeometry;

namespace {

// Whether each clue number is dimmed, columns' lists first.
std::vector<bool> dimmedNumbers(const ClueSet& clues)
{
    std::vector<bool> dimmed;
    for (int x = 0; x < int(clues.columnClues.size()); ++x)
        for (int k = 0; k < int(clues.columnClues[x].size()); ++k)
            dimmed.push_back(FramePainter::dimmed(clues, false, x, k, clues.columnClues[x][k]));
    for (int y = 0; y < int(clues.rowClues.size()); ++y)
        for (int k = 0; k < int(clues.rowClues[y].size()); ++k)
            dimmed.push_back(FramePainter::dimmed(clues, true, y, k, clues.rowClues[y][k]));
    return dimmed;
}

} // namespace

void StillLayer::noteChanges(const Session& session, const BoardScene& scene, QSize window)
{
    QRegion changed;
    if (!sameFrame(session, scene, window)) {
        changed = QRect(QPoint(0, 0), window);
        rememberBoard(session, dimmedNumbers(session.clues()));
    } else if (FramePainter::showsBoard(session)) {
        if (scene.layout().viewport().placement() != shown_.placement)
            changed += scroll(scene.layout().viewport(), window);
        if (noteCells(session, scene, changed)) {
            // A clue's dimming follows the cells of its own line only, so it can change only then.
            std::vector<bool> dimmed = dimmedNumbers(session.clues());
            noteClues(session, scene, dimmed, changed);
            rememberBoard(session, std::move(dimmed));
        }
        noteHover(session, scene, changed);
        if (session.revealShown() != shown_.revealShown) {
            const BoardLayout& layout = scene.layout();
            changed += layout.cellInWindow(0, 0).united(layout.cellInWindow(session.columns() - 1, session.rows() - 1));
        }
        if (session.seconds() != shown_.seconds || session.game().faults() != shown_.faults) {
            const ClueSet& clues = session.clues();
            const QRectF box = infoBox(clues.widestRowClue(), clues.widestColumnClue());
            changed += scene.layout().infoInWindow(box.adjusted(-inkReach, -inkReach, inkReach, inkReach));
        }
    }
    remember(session, scene, window);
    stale_ += changed;
    unshown_ += changed;
}

// Anything that moves or restyles the whole picture.
bool StillLayer::sameFrame(const Session& session, const BoardScene& scene, QSize window) const
{
    // A board's view moves as scroll() says; a message stands in the middle of the window.
    const bool sameView
        = scene.layout().viewport().placement() == shown_.placement || FramePainter::showsBoard(session);
    return window == shown_.window && scene.styleRevision() == shown_.sceneStyle && sameView
        && session.phase() == shown_.phase && session.gameNumber() == shown_.game && session.columns() == shown_.columns
        && session.rows() == shown_.rows;
}

// The picture moves with the view: the cells, the row clues up and down and the column clues
// sideways, each with the background under it. What is already drawn is moved, and only what
// comes into view is drawn. A new zoom, a new room or clues that have just been pinned or let
// go draw the whole window.
QRegion StillLayer::scroll(const Viewport& viewport, QSize window)
{
    const QRect whole(QPoint(0, 0), window);
    const Viewport::Placement& was = shown_.placement;
    const Viewport::Placement& now = viewport.placement();
    const bool pinsStand = now.cells.scale == was.cells.scale && now.room == was.room
        && now.columnClues.offsetY == was.columnClues.offsetY && now.rowClues.offsetX == was.rowClues.offsetX;
    if (!pinsStand || !stale_.isEmpty() || image_.size() != window || image_.devicePixelRatio() != 1.0)
        return whole;
    const QPoint by(now.cells.offsetX - was.cells.offsetX, now.cells.offsetY - was.cells.offsetY);
    const QRect room = now.room;
    const QRect cells = viewport.cellsView();
    QRegion uncovered;
    const auto shift = [&](const QRect& area, QPoint areaBy) {
        if (area.isEmpty())
            return;
        const QRect kept = area & area.translated(areaBy);
        shiftPixels(image_, kept, areaBy);
        uncovered += QRegion(area) - kept;
    };
    shift(cells, by);
    if (viewport.rowCluesPinned())
        shift(QRect(QPoint(room.left(), cells.top()), QPoint(cells.left() - 1, room.bottom())), QPoint(0, by.y()));
    if (viewport.columnCluesPinned())
        shift(QRect(QPoint(cells.left(), room.top()), QPoint(room.right(), cells.top() - 1)), QPoint(by.x(), 0));
    stale_ += uncovered;
    // The screen shows the moved picture only once it is told.
    unshown_ += room;
    return uncovered;
}

void StillLayer::shiftPixels(QImage& image, const QRect& kept, QPoint by)
{
    if (kept.isEmpty() || by.isNull())
        return;
    const auto moveRow = [&](int y) {
        std::memmove(image.scanLine(y) + kept.left() * 4, image.constScanLine(y - by.y()) + (kept.left() - by.x()) * 4,
            std::size_t(kept.width()) * 4);
    };
    // Rows are moved away from the rows they are copied from, so none is overwritten first.
    if (by.y() > 0)
        for (int y = kept.bottom(); y >= kept.top(); --y)
            moveRow(y);
    else
        for (int y = kept.top(); y <= kept.bottom(); ++y)
            moveRow(y);
}

bool StillLayer::noteCells(const Session& session, const BoardScene& scene, QRegion& changed) const
{
    const PuzzleGrid& board = session.board();
    bool any = false;
    for (int x = 0; x < board.width; ++x) {
        for (int y = 0; y < board.height; ++y) {
            if (board.cells[x][y] != shown_.cells[x * board.height + y]) {
                changed += scene.layout().cellInWindow(x, y);
                any = true;
            }
        }
    }
    return any;
}

void StillLayer::noteClues(
    const Session& session, const BoardScene& scene, const std::vector<bool>& now, QRegion& changed) const
{
    const ClueSet& clues = session.clues();
    const BoardLayout& layout = scene.layout();
    std::size_t first = 0;
    const auto noteLine = [&](const QRect& area, std::size_t count) {
        if (!std::equal(now.begin() + first, now.begin() + first + count, shown_.dimmed.begin() + first))
            changed += area;
        first += count;
    };
    for (int x = 0; x < int(clues.columnClues.size()); ++x)
        noteLine(layout.columnCluesInWindow(x), clues.columnClues[x].size());
    for (int y = 0; y < int(clues.rowClues.size()); ++y)
        noteLine(layout.rowCluesInWindow(y), clues.rowClues[y].size());
}

// The lit clues move with the pointer, and their colour, with the frame around the cells,
// says whether marks mode is on.
void StillLayer::noteHover(const Session& session, const BoardScene& scene, QRegion& changed) const
{
    const ClueHover& hover = scene.view().hover;
    const bool recoloured = session.game().marking() != shown_.marking;
    const BoardLayout& layout = scene.layout();
    const auto noteLine = [&](int was, int now, auto rectOf) {
        if (was == now && !recoloured)
            return;
        for (int line : {was, now})
            if (line >= 0)
                changed += rectOf(line);
    };
    noteLine(shown_.hoverColumn, hover.column, [&](int x) { return layout.columnCluesInWindow(x); });
    noteLine(shown_.hoverRow, hover.row, [&](int y) { return layout.rowCluesInWindow(y); });
    if (recoloured)
        changed += layout.transform().toWindow(marksFrame(layout.origin(), session.columns(), session.rows()));
}

void StillLayer::remember(const Session& session, const BoardScene& scene, QSize window)
{
    shown_.window = window;
    shown_.sceneStyle = scene.styleRevision();
    shown_.placement = scene.layout().viewport().placement();
    shown_.phase = session.phase();
    shown_.game = session.gameNumber();
    shown_.columns = session.columns();
    shown_.rows = session.rows();
    shown_.hoverColumn = scene.view().hover.column;
    shown_.hoverRow = scene.view().hover.row;
    shown_.marking = session.game().marking();
    shown_.seconds = session.seconds();
    shown_.faults = session.game().faults();
    shown_.revealShown = session.revealShown();
}

void StillLayer::rememberBoard(const Session& session, std::vector<bool> dimmed)
{
    const PuzzleGrid& board = session.board();
    shown_.cells.resize(std::size_t(board.width) * board.height);
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y)
            shown_.cells[x * board.height + y] = static_cast<std::int8_t>(board.cells[x][y]);
    shown_.dimmed = std::move(dimmed);
}

void StillLayer::refresh(const Session& session, const BoardScene& scene, QSize window, qreal pixelRatio)
{
    noteChanges(session, scene, window);
    const QSize pixels = window * pixelRatio;
    if (image_.size() != pixels || image_.devicePixelRatio() != pixelRatio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(pixelRatio);
        stale_ = QRect(QPoint(0, 0), window);
    }
    if (stale_.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setClipRegion(stale_);
    // Where no background could be read the window is black.
    painter.fillRect(QRect(QPoint(0, 0), window), Qt::black);
    scene.painter().paintStill(painter, window, session, scene);
    stale_ = QRegion();
}

QRegion StillLayer::takeUnshown()
{
    QRegion unshown;
    unshown.swap(unshown_);
    return unshown;
}
