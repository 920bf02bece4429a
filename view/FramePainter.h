#pragma once

#include "Frame.h"

#include <QFont>
#include <QPixmap>
#include <QSize>

class QPainter;

// Draws one frame of the game. The same routine paints the window's surface and, in tests,
// a QImage, so what a test checks is what the player sees. Owns the drawing resources the
// puzzle model does not carry: the cell tile strip and the clue font.
class FramePainter {
public:
    // Loads the tile strip "Images//cell.png" from the game's asset folder; without it, cells
    // are drawn from a plain strip of the same layout.
    FramePainter();

    // windowSize is the window's size; the painter's origin must be the window's top-left.
    void paint(QPainter& painter, QSize windowSize, const Frame& frame) const;

    // The parts of a frame, each drawn in board coordinates (after the view transform).
    void paintClues(QPainter& painter, const ClueSet& clues, qreal opacity) const;
    void paintCells(QPainter& painter, const PuzzleGrid& board, qreal opacity) const;

    const QPixmap& cellTexture() const { return cellTexture_; }
    const QFont& clueFont() const { return clueFont_; }

private:
    void paintBoard(QPainter& painter, QSize windowSize, const Frame& frame) const;
    void paintInfo(QPainter& painter, const Frame& frame) const;
    void paintFaultMark(QPainter& painter, const Frame& frame) const;
    void paintHintOverlay(QPainter& painter, QSize windowSize, const Frame& frame) const;
    void paintCreating(QPainter& painter, QSize windowSize, const Frame& frame) const;

    QPixmap cellTexture_;
    QFont clueFont_;
};
