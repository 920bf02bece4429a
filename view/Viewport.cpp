// SPDX-License-Identifier: GPL-3.0-or-later
#include "Viewport.h"

#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>

bool Viewport::Placement::operator==(const Placement& other) const
{
    const auto same = [](const ViewTransform& a, const ViewTransform& b) {
        return a.scale == b.scale && a.offsetX == b.offsetX && a.offsetY == b.offsetY;
    };
    return same(cells, other.cells) && same(columnClues, other.columnClues) && same(rowClues, other.rowClues)
        && room == other.room;
}

void Viewport::setScene(QSize scene, QPoint cellsOrigin)
{
    scene_ = scene;
    cellsOrigin_ = cellsOrigin;
    place();
}

void Viewport::setRoom(QRect room, int barThickness)
{
    fullRoom_ = room;
    barThickness_ = barThickness;
    place();
}

void Viewport::showDefault()
{
    fitScene();
    if (!scene_.isEmpty() && fitScale_ * SceneGeometry::cellPitch < readableCell) {
        fitted_ = false;
        zoomScale_ = float(readableCell) / SceneGeometry::cellPitch;
        scrolled_ = {};
        place();
    }
}

void Viewport::fitScene()
{
    fitted_ = true;
    place();
}

void Viewport::zoom(int steps, QPoint around)
{
    if (scene_.isEmpty() || steps == 0)
        return;
    const float largest = std::max(fitScale_, float(largestCell) / SceneGeometry::cellPitch);
    const float next = std::min(largest, scale() * std::pow(zoomStep, float(steps)));
    if (next <= fitScale_ * 1.001f) {
        fitScene();
        return;
    }
    const ViewTransform before = placement_.cells;
    const double boardX = (around.x() - before.offsetX) / double(before.scale);
    const double boardY = (around.y() - before.offsetY) / double(before.scale);
    fitted_ = false;
    zoomScale_ = next;
    // The room may have gained or lost its scroll bars with the new size.
    place();
    const QRect room = placement_.room;
    scrollTo(QPoint(int(std::lround(boardX * next)) - (around.x() - room.left()),
        int(std::lround(boardY * next)) - (around.y() - room.top())));
}

void Viewport::scrollBy(QPoint windowPixels)
{
    scrollTo(scrolled_ + windowPixels);
}

void Viewport::scrollTo(QPoint scrolled)
{
    scrolled_ = scrolled;
    place();
}

void Viewport::bringIntoView(const QRectF& boardRect)
{
    if (fitted_)
        return;
    const Placement& p = placement_;
    const double s = p.cells.scale;
    // Where the pinned clues end, as they stand once pinned: before that they stand further
    // out, beyond the cells.
    const double clearLeft = p.room.left() + (cellsOrigin_.x() + 1 - pinnedEdge) * s;
    const double clearTop = p.room.top() + (cellsOrigin_.y() + 1 - pinnedEdge) * s;
    const auto shift = [](double low, double high, double clearLow, double clearHigh) {
        double by = std::max(0.0, high - clearHigh);
        // A rectangle too large for the view shows from its start.
        if (low - by < clearLow)
            by = low - clearLow;
        return int(by > 0 ? std::ceil(by) : std::floor(by));
    };
    const double left = p.cells.offsetX + boardRect.left() * s;
    const double top = p.cells.offsetY + boardRect.top() * s;
    scrollBy(QPoint(shift(left, left + boardRect.width() * s, clearLeft, p.room.right() + 1),
        shift(top, top + boardRect.height() * s, clearTop, p.room.bottom() + 1)));
}

void Viewport::place()
{
    Placement& p = placement_;
    if (scene_.isEmpty()) {
        p = Placement {};
        p.room = fullRoom_;
        scrolled_ = {};
        limit_ = {};
        fitScale_ = 1.0f;
        return;
    }
    ViewTransform fit = ViewTransform::fit(scene_, fullRoom_.width(), fullRoom_.bottom() + 1, fullRoom_.top());
    fit.offsetX += fullRoom_.left();
    fitScale_ = fit.scale;
    if (fitted_) {
        p.cells = fit;
        p.room = fullRoom_;
        scrolled_ = {};
        limit_ = {};
    } else {
        const float s = zoomScale_;
        const int width = int(std::ceil(scene_.width() * s));
        const int height = int(std::ceil(scene_.height() * s));
        // A bar along one edge may make the scene overflow the other way too.
        bool across = width > fullRoom_.width();
        bool down = height > fullRoom_.height();
        across = across || (down && width > fullRoom_.width() - barThickness_);
        down = down || (across && height > fullRoom_.height() - barThickness_);
        p.room = fullRoom_.adjusted(0, 0, down ? -barThickness_ : 0, across ? -barThickness_ : 0);
        limit_ = QSize(std::max(0, width - p.room.width()), std::max(0, height - p.room.height()));
        scrolled_ = QPoint(std::clamp(scrolled_.x(), 0, limit_.width()), std::clamp(scrolled_.y(), 0, limit_.height()));
        p.cells.scale = s;
        // Along an axis it fits in, the scene stands centred.
        p.cells.offsetX
            = limit_.width() > 0 ? p.room.left() - scrolled_.x() : p.room.left() + (p.room.width() - width) / 2;
        p.cells.offsetY
            = limit_.height() > 0 ? p.room.top() - scrolled_.y() : p.room.top() + (p.room.height() - height) / 2;
    }
    const int edge = int(std::lround(pinnedEdge * p.cells.scale));
    p.columnClues = p.cells;
    p.columnClues.offsetY = std::max(p.cells.offsetY, p.room.top() - edge);
    p.rowClues = p.cells;
    p.rowClues.offsetX = std::max(p.cells.offsetX, p.room.left() - edge);
    p.corner = {p.cells.scale, p.rowClues.offsetX, p.columnClues.offsetY};
}

QRect Viewport::band(const ViewTransform& transform, const QRectF& boardRect) const
{
    const double s = transform.scale;
    const int left = int(std::floor(transform.offsetX + boardRect.left() * s));
    const int top = int(std::floor(transform.offsetY + boardRect.top() * s));
    const int right = int(std::ceil(transform.offsetX + boardRect.right() * s));
    const int bottom = int(std::ceil(transform.offsetY + boardRect.bottom() * s));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & placement_.room;
}

// Each band reaches a board pixel into the cells, over the grid's outline, which it draws.
QRect Viewport::columnCluesBand() const
{
    if (!columnCluesPinned())
        return {};
    return band(placement_.columnClues, QRectF(0, 0, scene_.width(), cellsOrigin_.y() + 1));
}

QRect Viewport::rowCluesBand() const
{
    if (!rowCluesPinned())
        return {};
    return band(placement_.rowClues, QRectF(0, 0, cellsOrigin_.x() + 1, scene_.height()));
}

QRect Viewport::cornerBand() const
{
    if (!columnCluesPinned() || !rowCluesPinned())
        return {};
    return band(placement_.corner, QRectF(0, 0, cellsOrigin_.x() + 1, cellsOrigin_.y() + 1));
}

QRect Viewport::cellsView() const
{
    QRect view = placement_.room;
    if (columnCluesPinned())
        view.setTop(columnCluesBand().bottom() + 1);
    if (rowCluesPinned())
        view.setLeft(rowCluesBand().right() + 1);
    return view;
}

const ViewTransform& Viewport::transformAt(QPoint windowPoint) const
{
    if (cornerBand().contains(windowPoint))
        return placement_.corner;
    if (columnCluesBand().contains(windowPoint))
        return placement_.columnClues;
    if (rowCluesBand().contains(windowPoint))
        return placement_.rowClues;
    return placement_.cells;
}
