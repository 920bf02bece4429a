// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QScrollBar;
class QWidget;
class Viewport;

// The board's scroll bars beside the drawing surface, right of it and below it, shown while
// the board overflows the window that way: they follow the viewport and scroll it when moved.
class ScrollBars : public QObject {
public:
    // The bars are children of parent, for its layout to place; scrollTo is called with the
    // position the player chose.
    ScrollBars(QWidget* parent, std::function<void(QPoint)> scrollTo);

    // Their thickness, which the viewport takes from its room while they show.
    int thickness() const;
    // Cheap when nothing changed: it runs every tick.
    void follow(const Viewport& viewport);
    QScrollBar* across() const { return across_; }
    QScrollBar* down() const { return down_; }

private:
    void chosen();

    std::function<void(QPoint)> scrollTo_;
    QScrollBar* across_;
    QScrollBar* down_;
};
