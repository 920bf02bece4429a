// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Session.h"
#include "Viewport.h"

#include <QImage>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <vector>

class BoardScene;
class FramePainter;

// The part of the frame that stands still between moves: the background, the board's plate,
// the clues, the cells and the time and faults beside them. It is kept as an image of the
// window and redrawn only where what it shows has changed, so a move costs the cells it
// changed and an idle second costs the clock's box. What moves (particles, the fault mark,
// the hint's shade) is drawn over it in every frame.
//
// It learns what changed by comparing the session and the scene with what it drew last, not
// from events: nothing the session does can leave a stale picture behind.
class StillLayer {
public:
    // Marks as stale what differs from the picture, in window pixels. It stays due for the
    // screen (takeUnshown) even if a paint refreshes it first.
    void noteChanges(const Session& session, const BoardScene& scene, QSize window);
    // Redraws the stale part of the picture, at the paint device's pixel ratio; notes the
    // changes first.
    void refresh(const Session& session, const BoardScene& scene, QSize window, qreal pixelRatio);
    const QImage& image() const { return image_; }
    // What changed since the screen was last told, and forgets it.
    QRegion takeUnshown();

private:
    // What the picture shows.
    struct Shown {
        QSize window;
        int sceneStyle = -1;
        Viewport::Placement placement;
        Session::Phase phase = Session::Phase::Idle;
        int game = -1;
        int columns = 0;
        int rows = 0;
        std::vector<std::int8_t> cells;
        // Whether each clue number is dimmed, columns' lists first.
        std::vector<bool> dimmed;
        int hoverColumn = -1;
        int hoverRow = -1;
        bool marking = false;
        int seconds = -1;
        int faults = -1;
        // A solved picture turns into its colours over every cell at once.
        double revealShown = 0;
    };
    bool sameFrame(const Session& session, const BoardScene& scene, QSize window) const;
    // Moves the picture as the view moved, and returns what is left to draw.
    QRegion scroll(const Viewport& viewport, QSize window);
    // The pixels of kept come from by pixels up and left of it: a scanline at a time, 32 bits
    // a pixel.
    static void shiftPixels(QImage& image, const QRect& kept, QPoint by);
    // True when any cell changed.
    bool noteCells(const Session& session, const BoardScene& scene, QRegion& changed) const;
    // Each line whose numbers' dimming differs from now, each number's, columns' lists first.
    void noteClues(
        const Session& session, const BoardScene& scene, const std::vector<bool>& now, QRegion& changed) const;
    void noteHover(const Session& session, const BoardScene& scene, QRegion& changed) const;
    void remember(const Session& session, const BoardScene& scene, QSize window);
    // The cells and the clues' dimming, which change only with a move.
    void rememberBoard(const Session& session, std::vector<bool> dimmed);

    Shown shown_;
    QImage image_;
    QRegion stale_;
    QRegion unshown_;
};
