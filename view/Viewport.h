// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ViewTransform.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

// Which part of the scene the window shows, and how large: the whole scene fitted to the room
// (as a board of the six generated sizes always opens), or a zoom at which it may be larger
// than the room and scrolls. Scrolled, the clue numbers stay in sight: the column clues stand
// at the room's top and the row clues at its left, each moving with the cells along the other
// axis, and the cells pass under them.
class Viewport {
public:
    // Cells smaller than this are hard to hit and their numbers hard to read: a board that
    // fits only with smaller ones opens zoomed to this size instead.
    static constexpr int readableCell = 12;
    // No zoom gives cells larger than this, unless fitting the board already does.
    static constexpr int largestCell = 64;
    static constexpr float zoomStep = 1.25f;
    // Pinned, the clues stand with this board line at the room's edge: the shadow's outer
    // edge, so that the plate keeps its rim and shadow above and left of them.
    static constexpr int pinnedEdge = 10;

    // Where each part of the scene stands in the window. The clues' transforms differ from the
    // cells' only along the axis they are pinned on.
    struct Placement {
        ViewTransform cells;
        ViewTransform columnClues;
        ViewTransform rowClues;
        // The corner of the mode, time and faults, pinned along both axes.
        ViewTransform corner;
        // The window pixels the scene may use, less the scroll bars.
        QRect room;
        bool operator==(const Placement& other) const;
        bool operator!=(const Placement& other) const { return !(*this == other); }
    };

    // A scene of that many board pixels whose cells start at cellsOrigin, the clues above and
    // left of it; an empty scene is shown at the identity.
    void setScene(QSize scene, QPoint cellsOrigin);
    // The window pixels the view may use; scroll bars of that thickness take from its right
    // and bottom edges while the scene overflows it.
    void setRoom(QRect room, int barThickness);

    // Fitted, unless that gives cells smaller than readableCell: then cells of that size,
    // scrolled to the top-left corner, where the clues begin.
    void showDefault();
    void fitScene();
    // Zooms in (steps > 0) or out by zoomStep a step, keeping the board point under the window
    // point where it is; zooming out as far as the fit fits the scene again.
    void zoom(int steps, QPoint around);
    void scrollBy(QPoint windowPixels);
    void scrollTo(QPoint scrolled);
    // Scrolls as little as needed for a rectangle of board pixels to show clear of the
    // pinned clues; as much of it as fits when it is larger than the view.
    void bringIntoView(const QRectF& boardRect);

    bool fitted() const { return fitted_; }
    float scale() const { return placement_.cells.scale; }
    // How far the scene is scrolled, and the furthest it can be, in window pixels; 0 along
    // an axis it fits in.
    QPoint scrolled() const { return scrolled_; }
    QSize scrollLimit() const { return limit_; }
    bool horizontalBar() const { return limit_.width() > 0; }
    bool verticalBar() const { return limit_.height() > 0; }
    const Placement& placement() const { return placement_; }
    const ViewTransform& cells() const { return placement_.cells; }

    bool columnCluesPinned() const { return placement_.columnClues.offsetY != placement_.cells.offsetY; }
    bool rowCluesPinned() const { return placement_.rowClues.offsetX != placement_.cells.offsetX; }
    bool cluesPinned() const { return columnCluesPinned() || rowCluesPinned(); }
    // The window pixels the pinned column clues, the pinned row clues and the pinned corner
    // cover, each empty while not pinned; the column clues' band spans the room's width and
    // is drawn over the row clues' band, the corner over both.
    QRect columnCluesBand() const;
    QRect rowCluesBand() const;
    QRect cornerBand() const;
    // Where the cells show, clear of the pinned clues.
    QRect cellsView() const;
    // The transform that shows the window point: a pinned band's over the cells'.
    const ViewTransform& transformAt(QPoint windowPoint) const;

private:
    void place();
    // The window pixels a rectangle of board pixels covers under a transform, within the room.
    QRect band(const ViewTransform& transform, const QRectF& boardRect) const;

    QSize scene_;
    QPoint cellsOrigin_;
    QRect fullRoom_;
    int barThickness_ = 0;
    bool fitted_ = true;
    // The zoom when not fitted, and the fitted scale the room allows.
    float zoomScale_ = 1.0f;
    float fitScale_ = 1.0f;
    QPoint scrolled_;
    QSize limit_;
    Placement placement_;
};
