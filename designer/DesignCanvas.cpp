// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignCanvas.h"

#include "BoardLook.h"
#include "CellState.h"
#include "SceneGeometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using SceneGeometry::cellPitch;

namespace {

// High Contrast's numbers on its light plate read on any desktop's window colour.
const BoardLook& look()
{
    return BoardLook::highContrast();
}

const QColor plate(246, 244, 238);
const QColor shade(255, 170, 0, 110);
const QColor suggestionRing(220, 30, 30);
const QColor givenMark(40, 120, 220);
const QColor cursorFrame(30, 90, 200);

} // namespace

DesignCanvas::DesignCanvas(DesignHistory& history, QWidget* parent)
    : QWidget(parent)
    , history_(history)
{
    painter_.setLook(look());
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 240);
}

void DesignCanvas::showVerdict(const std::vector<unsigned char>& shaded, const DesignVerdict::Suggestion& suggestion)
{
    shaded_ = shaded;
    suggestion_ = suggestion;
    update();
}

void DesignCanvas::restart()
{
    rowSlots_ = 0;
    columnSlots_ = 0;
    cursorX_ = cursorY_ = 0;
    stroke_.end();
    strokeKey_ = 0;
    strokeButton_ = Qt::NoButton;
    shaded_.clear();
    suggestion_ = {};
    update();
}

const ClueSet& DesignCanvas::clues() const
{
    if (cluesRevision_ != history_.revision()) {
        clues_ = history_.design().clues();
        cluesRevision_ = history_.revision();
    }
    return clues_;
}

DesignCanvas::Fit DesignCanvas::fit() const
{
    const Design& design = history_.design();
    const ClueSet& clues = this->clues();
    rowSlots_ = std::max(rowSlots_, clues.widestRowClue());
    columnSlots_ = std::max(columnSlots_, clues.widestColumnClue());
    const qreal width = SceneGeometry::sceneExtent(rowSlots_, design.columns);
    const qreal height = SceneGeometry::sceneExtent(columnSlots_, design.rows);
    const qreal scale = std::min(this->width() / width, this->height() / height);
    return {rowSlots_, columnSlots_, scale,
        QPointF((this->width() - width * scale) / 2, (this->height() - height * scale) / 2)};
}

QPoint DesignCanvas::origin(const Fit& fit) const
{
    return {SceneGeometry::boardOrigin(fit.rowSlots), SceneGeometry::boardOrigin(fit.columnSlots)};
}

QPoint DesignCanvas::cellAt(QPointF point) const
{
    const Fit fitted = fit();
    const QPointF board = (point - fitted.offset) / fitted.scale - QPointF(origin(fitted));
    return {int(std::floor(board.x() / cellPitch)), int(std::floor(board.y() / cellPitch))};
}

QRect DesignCanvas::cellRect(int x, int y) const
{
    const Fit fitted = fit();
    const QPointF corner = fitted.offset + (QPointF(origin(fitted)) + QPointF(x * cellPitch, y * cellPitch)) * fitted.scale;
    return QRectF(corner, QSizeF(cellPitch, cellPitch) * fitted.scale).toAlignedRect();
}

void DesignCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const Design& design = history_.design();
    const Fit fitted = fit();
    painter.translate(fitted.offset);
    painter.scale(fitted.scale, fitted.scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPoint at = origin(fitted);
    painter.fillRect(QRect(0, 0, SceneGeometry::sceneExtent(fitted.rowSlots, design.columns),
                         SceneGeometry::sceneExtent(fitted.columnSlots, design.rows)),
        plate);
    painter_.paintClues(painter, clues(), at, ClueHover {}, 1.0);
    PuzzleGrid board;
    board.resize(design.columns, design.rows);
    for (int x = 0; x < design.columns; ++x)
        for (int y = 0; y < design.rows; ++y)
            board.cells[std::size_t(x)][std::size_t(y)] = design.filled(x, y) ? Filled : Blank;
    painter.setPen(look().gridLine);
    painter_.paintCells(painter, board, at, 1.0);
    paintShading(painter, at);
    paintGivens(painter, at);
    paintSuggestion(painter, at);
    if (keysUsed_ && hasFocus())
        paintCursor(painter, at);
}

void DesignCanvas::paintShading(QPainter& painter, QPoint origin) const
{
    const Design& design = history_.design();
    if (shaded_.size() != design.cells.size())
        return;
    for (int y = 0; y < design.rows; ++y)
        for (int x = 0; x < design.columns; ++x)
            if (shaded_[std::size_t(y * design.columns + x)])
                painter.fillRect(QRect(origin + QPoint(x * cellPitch, y * cellPitch), QSize(cellPitch, cellPitch)), shade);
}

// A given cell carries a dot: filled, it is light on the ink; empty, it is the ink's colour.
void DesignCanvas::paintGivens(QPainter& painter, QPoint origin) const
{
    const Design& design = history_.design();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const auto& [x, y] : design.givens) {
        painter.setBrush(design.filled(x, y) ? QColor(Qt::white) : givenMark);
        painter.drawEllipse(QPointF(origin) + QPointF((x + 0.5) * cellPitch, (y + 0.5) * cellPitch), 4.5, 4.5);
    }
    painter.restore();
}

void DesignCanvas::paintSuggestion(QPainter& painter, QPoint origin) const
{
    if (suggestion_.kind == DesignVerdict::Suggestion::Kind::None)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(suggestionRing, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(origin) + QPointF((suggestion_.x + 0.5) * cellPitch, (suggestion_.y + 0.5) * cellPitch),
        cellPitch * 0.62, cellPitch * 0.62);
    painter.restore();
}

void DesignCanvas::paintCursor(QPainter& painter, QPoint origin) const
{
    painter.save();
    painter.setPen(QPen(cursorFrame, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin + QPoint(cursorX_ * cellPitch, cursorY_ * cellPitch), QSizeF(cellPitch, cellPitch))
                         .adjusted(1.5, 1.5, -1.5, -1.5));
    painter.restore();
}

void DesignCanvas::startStroke(int x, int y, bool fill, bool rectangle)
{
    history_.commit();
    stroke_.start(history_.design(), x, y, fill, rectangle);
    followStroke(x, y);
}

void DesignCanvas::followStroke(int x, int y)
{
    if (!stroke_.active())
        return;
    stroke_.follow(history_.edit(), x, y);
    update();
    emit drawn();
}

void DesignCanvas::endStroke()
{
    if (!stroke_.active())
        return;
    stroke_.end();
    strokeKey_ = 0;
    strokeButton_ = Qt::NoButton;
    history_.commit();
    emit drawn();
}

void DesignCanvas::mousePressEvent(QMouseEvent* event)
{
    const Design& design = history_.design();
    const QPoint cell = cellAt(event->position());
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (!button || stroke_.active() || cell.x() < 0 || cell.y() < 0 || cell.x() >= design.columns
        || cell.y() >= design.rows)
        return;
    keysUsed_ = false;
    cursorX_ = cell.x();
    cursorY_ = cell.y();
    strokeButton_ = event->button();
    startStroke(cell.x(), cell.y(), event->button() == Qt::LeftButton, event->modifiers() & Qt::ShiftModifier);
}

void DesignCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (strokeButton_ == Qt::NoButton)
        return;
    const QPoint cell = cellAt(event->position());
    followStroke(cell.x(), cell.y());
}

void DesignCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == strokeButton_)
        endStroke();
}

void DesignCanvas::keyPressEvent(QKeyEvent* event)
{
    const Design& design = history_.design();
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    case Qt::Key_Space:
    case Qt::Key_X:
        if (!event->isAutoRepeat() && !stroke_.active()) {
            keysUsed_ = true;
            strokeKey_ = event->key();
            startStroke(cursorX_, cursorY_, event->key() == Qt::Key_Space, event->modifiers() & Qt::ShiftModifier);
        }
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    keysUsed_ = true;
    cursorX_ = std::clamp(cursorX_ + dx, 0, design.columns - 1);
    cursorY_ = std::clamp(cursorY_ + dy, 0, design.rows - 1);
    if (strokeKey_)
        followStroke(cursorX_, cursorY_);
    update();
}

void DesignCanvas::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && event->key() == strokeKey_)
        endStroke();
    else
        QWidget::keyReleaseEvent(event);
}

// A release in another window never reaches this one.
void DesignCanvas::focusOutEvent(QFocusEvent* event)
{
    endStroke();
    QWidget::focusOutEvent(event);
}
