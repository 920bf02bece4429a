// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardLook.h"
#include "Session.h"
#include "ViewState.h"
#include "ViewTransform.h"

#include <QCoreApplication>
#include <QFont>
#include <QPixmap>
#include <QSize>

#include <array>

class BoardScene;
class ClueSet;
class PuzzleGrid;
class QPainter;

// Draws one frame of the game. The same routine paints the window's surface and, in tests,
// a QImage, so what a test checks is what the player sees. Owns the drawing resources the
// puzzle model does not carry: the cell tile strip, the clue font and the look (colours).
class FramePainter {
    Q_DECLARE_TR_FUNCTIONS(FramePainter)

public:
    // Loads the tile strip "Images//cell.png" from the game's asset folder; without it, cells
    // are drawn from a plain strip of the same layout.
    FramePainter();

    // The session as the scene shows it, in two layers: what stands still between moves (the
    // background, and the board, "Creating puzzle..." or "Paused" over it) and what moves
    // over that (the fault mark, the hint's shade, the particles). windowSize is the window's
    // size; the painter's origin must be its top-left.
    void paintStill(QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const;
    void paintMoving(QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const;

    // A number is dimmed when its entry is 0 or negative (its line matches) or its run is
    // settled.
    // Play, the dissolve, the replay and the solution after it draw the board.
    // A solved picture stays on the board, in its colours.
    static bool showsBoard(const Session& session);
    static bool dimmed(const ClueSet& clues, bool isRow, int line, int k, int entry);

    // The parts of a frame, each drawn in board coordinates (after the view transform), with
    // the cell area's top-left corner at origin; the hovered column's and row's clues are lit.
    void paintClues(
        QPainter& painter, const ClueSet& clues, QPoint origin, const ClueHover& hover, qreal opacity) const;
    void paintCells(QPainter& painter, const PuzzleGrid& board, QPoint origin, qreal opacity) const;

    const QPixmap& cellTexture() const { return cellTexture_; }
    const QFont& clueFont() const { return clueFont_; }
    // The board panel's colours must be chosen from the same look (BoardLook::plateFill).
    void setLook(const BoardLook& look) { look_ = look; }

private:
    void paintCursor(QPainter& painter, const Session& session, const BoardScene& scene) const;
    static QColor hoverColour(const Session& session);
    // From window pixels to the scene's board pixels.
    static void toBoard(QPainter& painter, const ViewTransform& transform);
    // The plate, the clues and the info box, and the cells or only their outline.
    void paintBoard(QPainter& painter, const Session& session, const BoardScene& scene, bool withCells) const;
    // The texture tiled over a window area, with its top-left corner at the window point origin.
    static void paintBackground(QPainter& painter, const QRect& area, QPoint origin, const QPixmap& texture);
    void paintPinnedClues(QPainter& painter, const Session& session, const BoardScene& scene) const;
    void paintOutline(QPainter& painter, const PuzzleGrid& board, QPoint origin) const;
    // The outline and the lines between cells.
    void paintGrid(QPainter& painter, const PuzzleGrid& board, QPoint origin) const;
    // The tile of a cell's code (none for a blank cell).
    void paintTile(QPainter& painter, int code, QPoint origin, int x, int y) const;
    void paintBlockSeparators(QPainter& painter, const PuzzleGrid& board, QPoint origin, qreal opacity) const;
    // Whether the board shows the solved picture's colours.
    static bool revealed(const Session& session);
    void paintPicture(QPainter& painter, const Session& session, QPoint origin) const;
    void paintInfo(QPainter& painter, const Session& session, const QFont& font) const;
    void paintMarksFrame(QPainter& painter, const Session& session, QPoint origin) const;
    void paintFaultMark(QPainter& painter, const ViewState& view, const QPixmap& mark) const;
    void paintHintOverlay(QPainter& painter, QSize windowSize, const Session& session, const BoardScene& scene) const;
    void paintMessage(QPainter& painter, QSize windowSize, const BoardScene& scene, const QString& text) const;
    // How far a clue number may reach from its start, in board pixels, and how much a number
    // that would reach further is condensed across.
    struct ClueRoom {
        qreal reach;
        qreal squeeze;
    };
    ClueRoom roomFor(qreal reach) const;
    void paintClueNumber(QPainter& painter, QPoint start, int value, const ClueRoom& room) const;
    // Where a number drawn from a point ends, in board pixels right of that point.
    qreal clueInkRight(int value) const;

    QPixmap cellTexture_;
    QFont clueFont_;
    // clueInkRight of the numbers a board can show, measured once.
    std::array<qreal, 21> clueInkRights_;
    ClueRoom columnRoom_;
    ClueRoom rowRoom_;
    BoardLook look_ = BoardLook::standard();
};
