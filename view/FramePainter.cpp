#include "FramePainter.h"

#include "AssetFolder.h"
#include "CellStrip.h"
#include "BoardPanel.h"
#include "ClueSet.h"
#include "ParticleSystem.h"
#include "PuzzleGrid.h"
#include "SceneGeometry.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cstdlib>

namespace {

using SceneGeometry::cellPitch;
using SceneGeometry::clueStep;

// Matched lines and finished runs fade back so the eye goes to what is still open. A
// number is dimmed when its entry is 0 or negative (its line matches) or its run is settled.
bool dimmed(const ClueSet& clues, bool isRow, int line, int k, int entry)
{
    return entry <= 0 || clues.numberSettled(isRow, line, k);
}

QColor clueColour(bool dim, bool hovered, const ClueSet& clues, qreal opacity)
{
    const float factor = dim ? float(0.3 * opacity) : float(opacity);
    const int alpha = static_cast<int>(255 * factor);
    if (hovered)
        return QColor(clues.highlightRed, clues.highlightGreen, clues.highlightBlue, alpha);
    return QColor(255, 255, 255, alpha);
}

QPen linePen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

FramePainter::FramePainter()
    : cellTexture_(CellStrip::load(AssetFolder::file("Images//cell.png")))
    , clueFont_(QStringLiteral("Comfortaa"))
{
    clueFont_.setPixelSize(20);
    clueFont_.setWeight(QFont::Bold);
}

void FramePainter::paint(QPainter& painter, QSize windowSize, const Frame& frame) const
{
    painter.save();
    // The scene is scaled to the window: filtering keeps the tiles' thin strokes and the
    // growing fault mark from breaking into uneven steps.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (frame.background && !frame.background->isNull())
        painter.drawTiledPixmap(QRect(QPoint(0, 0), windowSize), *frame.background, QPoint(0, 0));

    painter.translate(frame.offsetX, frame.offsetY);
    painter.scale(frame.scale, frame.scale);
    switch (frame.content) {
    case Frame::Content::Board: paintBoard(painter, windowSize, frame); break;
    case Frame::Content::Creating: paintCreating(painter, windowSize, frame); break;
    case Frame::Content::BackgroundOnly: break;
    }
    painter.restore();
}

void FramePainter::paintBoard(QPainter& painter, QSize windowSize, const Frame& frame) const
{
    if (frame.panel && !frame.panel->image.isNull())
        frame.panel->draw(painter, 1.0);
    if (frame.clues)
        paintClues(painter, *frame.clues, 1.0);
    if (frame.board)
        paintCells(painter, *frame.board, 1.0);
    if (frame.clues)
        paintInfo(painter, frame);
    if (frame.faultShown && frame.mistake)
        paintFaultMark(painter, frame);
    if (frame.hintShown && frame.clues)
        paintHintOverlay(painter, windowSize, frame);
    if (frame.particles)
        frame.particles->drawAll(painter);
}

void FramePainter::paintClues(QPainter& painter, const ClueSet& clues, qreal opacity) const
{
    painter.setFont(clueFont_);
    // Entry 0 is the run at the far end of the line, so it sits nearest the cells and each
    // later entry steps away from the board. Numbers start at their slot's left edge.
    for (int x = 0; x < int(clues.columnClues.size()); ++x) {
        const std::vector<int>& list = clues.columnClues[x];
        for (int k = 0; k < int(list.size()); ++k) {
            painter.setPen(clueColour(dimmed(clues, false, x, k, list[k]), x == clues.hoverColumn, clues, opacity));
            painter.drawText(QPoint(clues.originX + cellPitch * x + 5, clues.originY - 5 - clueStep * k),
                QString::number(std::abs(list[k])));
        }
    }
    for (int y = 0; y < int(clues.rowClues.size()); ++y) {
        const std::vector<int>& list = clues.rowClues[y];
        for (int k = 0; k < int(list.size()); ++k) {
            painter.setPen(clueColour(dimmed(clues, true, y, k, list[k]), y == clues.hoverRow, clues, opacity));
            painter.drawText(QPoint(clues.originX - clueStep - clueStep * k, clues.originY + cellPitch * y + 20),
                QString::number(std::abs(list[k])));
        }
    }
}

void FramePainter::paintCells(QPainter& painter, const PuzzleGrid& board, qreal opacity) const
{
    painter.save();
    painter.setOpacity(opacity);
    painter.setBrush(Qt::NoBrush);

    const int left = board.originX;
    const int top = board.originY;
    const int right = left + cellPitch * board.width;
    const int bottom = top + cellPitch * board.height;

    // Inner lines stop a pixel short of the outline so the two do not double up where they
    // meet.
    painter.setPen(linePen(QColor(255, 255, 255, 77), 1.5));
    painter.drawRect(QRect(left, top, right - left, bottom - top));
    for (int i = 1; i < board.width; ++i)
        painter.drawLine(QPoint(left + cellPitch * i, top + 1), QPoint(left + cellPitch * i, bottom - 1));
    for (int j = 1; j < board.height; ++j)
        painter.drawLine(QPoint(left + 1, top + cellPitch * j), QPoint(right - 1, top + cellPitch * j));

    // Tiles go over the grid: their transparent edges decide how much of it shows.
    for (int x = 0; x < board.width; ++x) {
        for (int y = 0; y < board.height; ++y) {
            const int code = board.cells[x][y];
            if (code >= 1 && code <= 4)
                painter.drawPixmap(QPoint(left + cellPitch * x, top + cellPitch * y), cellTexture_,
                    QRect(cellPitch * code, 0, cellPitch, cellPitch));
        }
    }

    // Blocks of five make counting along a long line easy; the outline already bounds the
    // last block, so the border gets no separator.
    painter.setPen(linePen(QColor(178, 0, 0, static_cast<int>(180 * opacity)), 2.0));
    for (int j = 5; j < board.height; j += 5)
        painter.drawRect(QRect(left, top + cellPitch * j - 1, right - left - 1, 2));
    for (int i = 5; i < board.width; i += 5)
        painter.drawRect(QRect(left + cellPitch * i - 1, top, 2, bottom - top - 1));
    painter.restore();
}

void FramePainter::paintInfo(QPainter& painter, const Frame& frame) const
{
    const ClueSet& clues = *frame.clues;
    painter.setPen(Qt::white);
    if (frame.infoFont)
        painter.setFont(*frame.infoFont);
    const QRect box(20, 20, clueStep * clues.widestRowClue() + 10, clueStep * clues.widestColumnClue() + 10);
    const QString text = frame.modeText + QStringLiteral("\nTime: ") + frame.timeText + QStringLiteral("\nFaults: ")
        + frame.faultsText;
    if (frame.difficultyText.isEmpty()) {
        painter.drawText(box, Qt::AlignCenter, text);
        return;
    }

    // The difficulty is a fourth line, often wider than a box of four clue slots: it alone
    // shrinks to the box's width rather than run into the column clues beside it.
    QFont lineFont = painter.font();
    const qreal room = box.width() - 4;
    const qreal width = QFontMetricsF(lineFont, painter.device()).horizontalAdvance(frame.difficultyText);
    if (width > room)
        lineFont.setPointSizeF(lineFont.pointSizeF() * room / width);
    const qreal textHeight = painter.boundingRect(QRectF(box), Qt::AlignCenter, text).height();
    const qreal lineHeight = QFontMetricsF(lineFont, painter.device()).height();
    const qreal top = box.top() + (box.height() - textHeight - lineHeight) / 2;
    painter.drawText(QRectF(box.left(), top, box.width(), textHeight), Qt::AlignCenter, text);
    painter.setFont(lineFont);
    painter.drawText(
        QRectF(box.left(), top + textHeight, box.width(), lineHeight), Qt::AlignCenter, frame.difficultyText);
}

void FramePainter::paintFaultMark(QPainter& painter, const Frame& frame) const
{
    // The mark grows from its top-left corner to twice its size while it fades out.
    const qreal t = frame.faultProgress;
    const qreal k = 1 + t;
    painter.save();
    painter.setOpacity(1 - t);
    painter.scale(k, k);
    painter.drawPixmap(QPoint(static_cast<int>(frame.faultX / k), static_cast<int>(frame.faultY / k)), *frame.mistake);
    painter.restore();
}

void FramePainter::paintHintOverlay(QPainter& painter, QSize windowSize, const Frame& frame) const
{
    const ClueSet& clues = *frame.clues;
    const int i = frame.hintLine;
    int left, right, top, bottom; // the band kept clear, half-open
    if (frame.hintIsRow) {
        left = frame.boardX - clueStep * clues.widestRowClue();
        right = frame.boardX + cellPitch * frame.columns;
        top = frame.boardY + cellPitch * i;
        bottom = top + cellPitch - 1;
    } else {
        left = frame.boardX + cellPitch * i;
        right = left + cellPitch - 1;
        top = frame.boardY - clueStep * clues.widestColumnClue();
        bottom = frame.boardY + cellPitch * frame.rows;
    }

    // Four rectangles around the band, in board pixels, each reaching a pixel past the
    // window's edge. They only touch, so the shade is an even 50% everywhere.
    const float s = frame.scale;
    const float ox = float(frame.offsetX);
    const float oy = float(frame.offsetY);
    const float w = float(windowSize.width());
    const float h = float(windowSize.height());
    const int windowTop = static_cast<int>(-oy / s - 1);
    const int windowHeight = static_cast<int>(h / s + 2);

    painter.save();
    painter.setPen(QColor(0, 0, 0, 0));
    painter.setBrush(QColor(0, 0, 0, 128));
    painter.drawRect(
        QRect(static_cast<int>(-ox / s - 1), windowTop, static_cast<int>(ox / s + left + 1), windowHeight));
    painter.drawRect(QRect(right, windowTop, static_cast<int>(w / s - right + 1), windowHeight));
    painter.drawRect(QRect(left, windowTop, right - left, static_cast<int>(oy / s + top + 1)));
    painter.drawRect(QRect(left, bottom, right - left, static_cast<int>(h / s - bottom + 1)));
    painter.restore();
}

void FramePainter::paintCreating(QPainter& painter, QSize windowSize, const Frame& frame) const
{
    const float s = frame.scale;
    // The whole window, in board pixels.
    const QRect window(static_cast<int>(-frame.offsetX / s), static_cast<int>(-frame.offsetY / s),
        static_cast<int>(windowSize.width() / s), static_cast<int>(windowSize.height() / s));
    painter.setPen(Qt::white);
    if (frame.infoFont)
        painter.setFont(*frame.infoFont);
    painter.drawText(window, Qt::AlignCenter, QStringLiteral("Creating puzzle..."));
}
