// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPictures.h"

#include "CellState.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The board's own measures, so that the pictures look like the board.
constexpr int cellPitch = 24;
constexpr int clueStep = 20;

constexpr int margin = 6;
constexpr int clueGap = 6; // between the last number and the cells
constexpr int arrowGap = 20; // between the two lines of a line picture

QFont clueFont()
{
    QFont font(QStringLiteral("Comfortaa"));
    font.setPixelSize(17);
    font.setWeight(QFont::Bold);
    return font;
}

int longest(const std::vector<std::vector<int>>& clues)
{
    size_t most = 0;
    for (const std::vector<int>& clue : clues)
        most = std::max(most, clue.size());
    return static_cast<int>(most);
}

void drawNumber(QPainter& painter, const QRect& slot, int number)
{
    painter.drawText(slot, Qt::AlignCenter, QString::number(number));
}

// A plate with the grid and the red mark after every fifth cell, as on the board, then the
// tiles on top. cells is indexed [x][y].
void drawCells(QPainter& painter, const QImage& tiles, const std::vector<std::vector<int>>& cells, QPoint corner)
{
    const int columns = static_cast<int>(cells.size());
    const int rows = static_cast<int>(cells.front().size());
    const QRect plate(corner, QSize(cellPitch * columns, cellPitch * rows));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(221, 227, 236));
    painter.drawRect(plate);
    painter.setBrush(Qt::NoBrush);

    painter.setPen(QPen(QColor(255, 255, 255), 1.5));
    for (int x = 1; x < columns; ++x)
        painter.drawLine(QPointF(plate.left() + cellPitch * x, plate.top() + 1),
            QPointF(plate.left() + cellPitch * x, plate.top() + plate.height() - 1));
    for (int y = 1; y < rows; ++y)
        painter.drawLine(QPointF(plate.left() + 1, plate.top() + cellPitch * y),
            QPointF(plate.left() + plate.width() - 1, plate.top() + cellPitch * y));

    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if (const int code = cells[x][y]; code != Blank)
                painter.drawImage(plate.topLeft() + QPoint(cellPitch * x, cellPitch * y), tiles,
                    QRect(cellPitch * code, 0, cellPitch, cellPitch));

    painter.setPen(QPen(QColor(178, 0, 0, 180), 2.0));
    for (int x = 5; x < columns; x += 5)
        painter.drawLine(QPointF(plate.left() + cellPitch * x, plate.top()),
            QPointF(plate.left() + cellPitch * x, plate.top() + plate.height()));
    for (int y = 5; y < rows; y += 5)
        painter.drawLine(QPointF(plate.left(), plate.top() + cellPitch * y),
            QPointF(plate.left() + plate.width(), plate.top() + cellPitch * y));
    painter.setPen(QPen(QColor(150, 158, 172), 1.0));
    painter.drawRect(QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5));
}

// Row clues end just left of the cells, so the last number sits next to the line.
void drawRowClue(QPainter& painter, const std::vector<int>& clue, int right, int top)
{
    int left = right - clueStep * static_cast<int>(clue.size());
    for (int run : clue) {
        drawNumber(painter, QRect(left, top, clueStep, cellPitch), run);
        left += clueStep;
    }
}

void drawColumnClue(QPainter& painter, const std::vector<int>& clue, int left, int bottom)
{
    int top = bottom - clueStep * static_cast<int>(clue.size());
    for (int run : clue) {
        drawNumber(painter, QRect(left, top, cellPitch, clueStep), run);
        top += clueStep;
    }
}

void drawArrow(QPainter& painter, int centreX, int top)
{
    QPainterPath arrow;
    arrow.moveTo(centreX - 7, top + 5);
    arrow.lineTo(centreX + 7, top + 5);
    arrow.lineTo(centreX, top + arrowGap - 5);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 128, 145));
    painter.drawPath(arrow);
}

// A line as a board one cell high.
std::vector<std::vector<int>> asRow(const std::vector<int>& line)
{
    std::vector<std::vector<int>> cells;
    for (int code : line)
        cells.push_back({code});
    return cells;
}

void preparePainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(clueFont());
}

const QColor clueColour(40, 44, 60);
// The blue of the marks, so that the frame reads as part of what the hint shows.
const QColor frameColour(31, 95, 191);

// The top-left corner of a board's cells, past the widest clues.
QPoint boardCorner(const std::vector<std::vector<int>>& columnClues, const std::vector<std::vector<int>>& rowClues)
{
    return QPoint(margin + clueStep * longest(rowClues) + clueGap, margin + clueStep * longest(columnClues) + clueGap);
}

} // namespace

QImage linePicture(
    const QImage& tiles, const std::vector<int>& clue, const std::vector<int>& before, const std::vector<int>& after)
{
    const int n = static_cast<int>(before.size());
    const int cellsLeft = margin + clueStep * static_cast<int>(clue.size()) + clueGap;
    const int afterTop = margin + cellPitch + arrowGap;
    QImage image(cellsLeft + cellPitch * n + margin, afterTop + cellPitch + margin, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    preparePainter(painter);

    // New cells take the mark codes, which sit two above the plain ones in the strip.
    std::vector<int> shown = after;
    for (int i = 0; i < n; ++i)
        if (after[i] != before[i])
            shown[i] = after[i] == Filled ? MarkedFilled : MarkedCrossed;

    painter.setPen(clueColour);
    drawRowClue(painter, clue, cellsLeft - clueGap, margin);
    drawCells(painter, tiles, asRow(before), QPoint(cellsLeft, margin));
    drawArrow(painter, cellsLeft + cellPitch * n / 2, margin + cellPitch);
    painter.setPen(clueColour);
    drawRowClue(painter, clue, cellsLeft - clueGap, afterTop);
    drawCells(painter, tiles, asRow(shown), QPoint(cellsLeft, afterTop));
    return image;
}

QImage boardPicture(const QImage& tiles, const std::vector<std::vector<int>>& columnClues,
    const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& cells)
{
    const int columns = static_cast<int>(cells.size());
    const int rows = static_cast<int>(cells.front().size());
    const QPoint corner = boardCorner(columnClues, rowClues);
    QImage image(
        corner.x() + cellPitch * columns + margin, corner.y() + cellPitch * rows + margin, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    preparePainter(painter);

    painter.setPen(clueColour);
    for (int x = 0; x < columns; ++x)
        drawColumnClue(painter, columnClues[x], corner.x() + cellPitch * x, corner.y() - clueGap);
    for (int y = 0; y < rows; ++y)
        drawRowClue(painter, rowClues[y], corner.x() - clueGap, corner.y() + cellPitch * y);
    drawCells(painter, tiles, cells, corner);
    return image;
}

QImage framedBoardPicture(const QImage& tiles, const std::vector<std::vector<int>>& columnClues,
    const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& cells, bool framedIsRow,
    int framedLine)
{
    QImage image = boardPicture(tiles, columnClues, rowClues, cells);
    const int columns = static_cast<int>(cells.size());
    const int rows = static_cast<int>(cells.front().size());
    const QPoint corner = boardCorner(columnClues, rowClues);
    // Along the line's own grid lines, where the board already has a border, so that the
    // cells beside it keep their look; the clue is taken in, since the text names the line by it.
    const qreal outside = margin / 2.0;
    const QRectF frame = framedIsRow
        ? QRectF(outside, corner.y() + cellPitch * framedLine, corner.x() + cellPitch * columns - outside, cellPitch)
        : QRectF(corner.x() + cellPitch * framedLine, outside, cellPitch, corner.y() + cellPitch * rows - outside);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(frameColour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 3.0, 3.0);
    return image;
}

bool clueFontAvailable()
{
    return QFontInfo(clueFont()).family() == QStringLiteral("Comfortaa");
}
