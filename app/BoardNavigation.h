// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class BoardScene;

// Moving the view over the board, beside what BoardInput does to its cells: the wheel
// scrolls (sideways with Shift, or as the wheel tilts), Ctrl with the wheel zooms about the
// pointer, and the middle button drags the board. It watches the window's own events, before
// BoardInput does.
class BoardNavigation : public QObject {
public:
    // moved is called whenever the view moved or zoomed.
    BoardNavigation(BoardScene& scene, std::function<void()> moved);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // A turn of the wheel at a window point: angle in eighths of a degree, as Qt gives it,
    // and pixels where the device scrolls by pixels (touchpads), which then count instead.
    void wheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers modifiers, QPoint at);
    void startDrag(QPoint at);
    void drag(QPoint to);
    void endDrag();

private:
    BoardScene& scene_;
    std::function<void()> moved_;
    std::optional<QPoint> dragFrom_;
    // The part of a zoom step the wheel has turned: fine-grained wheels send less than a
    // notch at a time.
    int zoomAngle_ = 0;
};
