// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <vector>

namespace {

constexpr int Cells = 5;

// A small solved puzzle: a heart, which reads as a picture even at 16 pixels.
constexpr const char* Picture[Cells] = {
    ".#.#.",
    "#####",
    "#####",
    ".###.",
    "..#..",
};

bool filled(int column, int row)
{
    return column >= 0 && row >= 0 && column < Cells && row < Cells && Picture[row][column] == '#';
}

// The clue of one row or column: its run lengths, first run first.
std::vector<int> clue(int line, bool isRow)
{
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i <= Cells; ++i) {
        if (isRow ? filled(i, line) : filled(line, i)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

const QColor Paper(248, 244, 230);
const QColor GridLine(196, 186, 164);
const QColor Ink(34, 40, 58);
const QColor Plate(30, 104, 124);

// Cells of `pitch` pixels including a one-pixel line, so that every edge falls
// on a whole pixel and the grid stays sharp when small. When `merge` is set
// the lines between neighbouring filled cells are inked over, so that at icon
// sizes the picture shows as one shape instead of a dotted pattern.
void paintBoard(QPainter& painter, int left, int top, int pitch, bool merge)
{
    const int span = Cells * pitch;
    painter.fillRect(left, top, span + 1, span + 1, Plate.darker(130));
    painter.fillRect(left + 1, top + 1, span - 1, span - 1, GridLine);
    // Lit from above like the cells in the game; the shading also gives the
    // 16-pixel icon enough colours to be stored with an 8-bit palette.
    QLinearGradient ink(0, top, 0, top + span);
    ink.setColorAt(0.0, QColor(84, 96, 126));
    ink.setColorAt(1.0, Ink);
    QLinearGradient paper(0, top, 0, top + span);
    paper.setColorAt(0.0, Qt::white);
    paper.setColorAt(1.0, Paper);
    for (int row = 0; row < Cells; ++row) {
        for (int column = 0; column < Cells; ++column) {
            const bool on = filled(column, row);
            const int right = merge && on && filled(column + 1, row) ? 1 : 0;
            const int below = merge && on && filled(column, row + 1) ? 1 : 0;
            painter.fillRect(left + 1 + column * pitch, top + 1 + row * pitch, pitch - 1 + right, pitch - 1 + below,
                             on ? QBrush(ink) : QBrush(paper));
        }
    }
}

void paintPlate(QPainter& painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shading(0, 0, 0, size);
    shading.setColorAt(0.0, Plate.lighter(130));
    shading.setColorAt(1.0, Plate.darker(115));
    painter.setPen(QPen(Plate.darker(140), 1.0));
    painter.setBrush(shading);
    const qreal radius = size * 0.18;
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), radius, radius);
    painter.restore();
}

// White clue numbers above the columns and left of the rows, as in the game.
void paintClues(QPainter& painter, int left, int top, int pitch)
{
    QFont font("Comfortaa");
    font.setPixelSize(pitch - 2);
    font.setWeight(QFont::Bold);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    // Numbers sit in slots as in the game, nearest the board the last run.
    const int slot = pitch * 3 / 4;
    const int gap = pitch / 5;
    for (int line = 0; line < Cells; ++line) {
        const std::vector<int> rowClue = clue(line, true);
        const std::vector<int> columnClue = clue(line, false);
        for (int k = 0; k < int(rowClue.size()); ++k) {
            const int right = left - gap - slot * (int(rowClue.size()) - 1 - k);
            painter.drawText(QRect(right - slot, top + line * pitch, slot, pitch + 1), Qt::AlignCenter,
                             QString::number(rowClue[k]));
        }
        for (int k = 0; k < int(columnClue.size()); ++k) {
            const int bottom = top - gap - slot * (int(columnClue.size()) - 1 - k);
            painter.drawText(QRect(left + line * pitch, bottom - slot, pitch + 1, slot), Qt::AlignCenter,
                             QString::number(columnClue[k]));
        }
    }
    painter.restore();
}

}  // namespace

bool emblemFontAvailable()
{
    return QFontInfo(QFont("Comfortaa")).family() == "Comfortaa";
}

QImage emblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);

    // Below 24 pixels there is no room for a plate: the board's dark border
    // stands in for it. From 64 up the clues fit as real numbers.
    const bool tiny = size < 24;
    const bool withClues = size >= 64;
    if (!tiny)
        paintPlate(painter, size);
    const int margin = tiny ? 0 : size / 12;
    const int clueSpace = withClues ? size / 5 : 0;
    const int room = size - 2 * margin - clueSpace;
    const int pitch = (room - 1) / Cells;
    const int start = margin + clueSpace + (room - Cells * pitch - 1) / 2;
    paintBoard(painter, start, start, pitch, !withClues);
    if (withClues)
        paintClues(painter, start, start, pitch);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
