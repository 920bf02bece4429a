// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardNavigation.h"

#include "BoardScene.h"
#include "SceneGeometry.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace {
// One notch of a wheel, in Qt's eighths of a degree.
constexpr int notch = 120;
} // namespace

BoardNavigation::BoardNavigation(BoardScene& scene, std::function<void()> moved)
    : scene_(scene)
    , moved_(std::move(moved))
{
}

// Moves pass on, so that the cells under the pointer light their clues as the board slides.
bool BoardNavigation::eventFilter(QObject* watched, QEvent* event)
{
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* turn = static_cast<QWheelEvent*>(event);
        wheel(turn->angleDelta(), turn->pixelDelta(), turn->modifiers(), turn->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress:
        if (mouse()->button() != Qt::MiddleButton)
            return false;
        startDrag(mouse()->position().toPoint());
        static_cast<QWidget*>(watched)->setCursor(Qt::ClosedHandCursor);
        return true;
    case QEvent::MouseMove:
        if (dragFrom_)
            drag(mouse()->position().toPoint());
        return false;
    case QEvent::MouseButtonRelease:
        if (mouse()->button() != Qt::MiddleButton)
            return false;
        endDrag();
        static_cast<QWidget*>(watched)->unsetCursor();
        return true;
    default: return false;
    }
}

void BoardNavigation::wheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if (modifiers & Qt::ControlModifier) {
        zoomAngle_ += angle.y() != 0 ? angle.y() : angle.x();
        const int steps = zoomAngle_ / notch;
        zoomAngle_ -= steps * notch;
        if (steps != 0) {
            scene_.zoom(steps, at);
            moved_();
        }
        return;
    }
    // A notch scrolls as many cells as the desktop's wheel moves lines of text.
    const float cell = SceneGeometry::cellPitch * scene_.layout().viewport().scale();
    QPoint by = !pixels.isNull() ? -pixels : -angle * cell * QApplication::wheelScrollLines() / notch;
    if ((modifiers & Qt::ShiftModifier) && by.x() == 0)
        by = QPoint(by.y(), 0);
    if (by.isNull())
        return;
    scene_.scrollBy(by);
    moved_();
}

void BoardNavigation::startDrag(QPoint at)
{
    dragFrom_ = at;
}

// The board follows the pointer, as a sheet of paper pushed by hand.
void BoardNavigation::drag(QPoint to)
{
    if (!dragFrom_)
        return;
    scene_.scrollBy(*dragFrom_ - to);
    dragFrom_ = to;
    moved_();
}

void BoardNavigation::endDrag()
{
    dragFrom_.reset();
}
