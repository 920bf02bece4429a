// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignEdits.h"
#include "DesignHistory.h"
#include "DesignVerdict.h"
#include "FramePainter.h"

#include <QWidget>

#include <vector>

// The picture being drawn, with its clues as the player will see them, the cells the verdict
// shades, the cell it suggests, the given cells and the keys' cursor. The left button fills,
// the right one clears, a drag keeps to a row or column as in play and, with Shift held from
// the press, draws a rectangle; the arrows move the cursor, Space fills and X clears there,
// held while the cursor moves as a drag. Each stroke is one step of the history.
class DesignCanvas : public QWidget {
    Q_OBJECT

public:
    explicit DesignCanvas(DesignHistory& history, QWidget* parent = nullptr);

    // What the verdict has to show: cells to shade (row by row) and a cell to mark.
    void showVerdict(const std::vector<unsigned char>& shaded, const DesignVerdict::Suggestion& suggestion);
    // A new design: its clue room is measured afresh and the cursor goes home.
    void restart();
    // The cell under a point of the widget, which may lie off the picture.
    QPoint cellAt(QPointF point) const;
    // Where a cell is drawn in the widget.
    QRect cellRect(int x, int y) const;
    QPoint cursor() const { return {cursorX_, cursorY_}; }
    QSize sizeHint() const override { return {560, 560}; }

signals:
    // The picture changed (during a stroke too).
    void drawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The scale and the offset that fit the board into the widget, and the clue slots.
    struct Fit {
        int rowSlots;
        int columnSlots;
        qreal scale;
        QPointF offset;
    };
    Fit fit() const;
    // The clues of the picture as it is now, worked out once a change.
    const ClueSet& clues() const;
    QPoint origin(const Fit& fit) const;
    void startStroke(int x, int y, bool fill, bool rectangle);
    void followStroke(int x, int y);
    void endStroke();
    void paintShading(QPainter& painter, QPoint origin) const;
    void paintGivens(QPainter& painter, QPoint origin) const;
    void paintSuggestion(QPainter& painter, QPoint origin) const;
    void paintCursor(QPainter& painter, QPoint origin) const;

    DesignHistory& history_;
    FramePainter painter_;
    DesignStroke stroke_;
    std::vector<unsigned char> shaded_;
    DesignVerdict::Suggestion suggestion_;
    // Clue slots only grow while a design is drawn, so that the board does not jump about.
    mutable ClueSet clues_;
    mutable unsigned cluesRevision_ = ~0u;
    mutable int rowSlots_ = 0;
    mutable int columnSlots_ = 0;
    int cursorX_ = 0;
    int cursorY_ = 0;
    bool keysUsed_ = false;
    // The key or button that holds the stroke: it alone ends it.
    int strokeKey_ = 0;
    Qt::MouseButton strokeButton_ = Qt::NoButton;
};
