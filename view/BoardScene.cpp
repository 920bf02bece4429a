// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardScene.h"

#include "AssetFolder.h"
#include "Backgrounds.h"
#include "BoardLook.h"
#include "CellState.h"
#include "SceneGeometry.h"

#include <QPainter>

BoardScene::BoardScene()
    : infoFont_(QStringLiteral("Comfortaa"), 14, QFont::Bold)
{
    mistake_.loadFromData(AssetFolder::read("Images//mistake.png"));
}

bool BoardScene::setBackground(int index)
{
    backgroundIndex_ = index;
    background_ = QPixmap();
    const bool loaded = background_.loadFromData(AssetFolder::read(Backgrounds::style(index).textureFile));
    restylePanel();
    return loaded;
}

void BoardScene::setHighContrast(bool on)
{
    highContrast_ = on;
    painter_.setLook(BoardLook::forSetting(on));
    restylePanel();
}

// Same size as before, so the view transform stands.
void BoardScene::restylePanel()
{
    rebuildPanel(panel_.columns, panel_.rows, panel_.rowClueSlots, panel_.columnClueSlots);
}

void BoardScene::rebuildPanel(int columns, int rows, int rowClueSlots, int columnClueSlots)
{
    const BackgroundStyle& style = Backgrounds::style(backgroundIndex_);
    const BoardLook& look = BoardLook::forSetting(highContrast_);
    panel_.rebuild(columns, rows, rowClueSlots, columnClueSlots, look.plateFill(style), look.plateLine(style));
    ++styleRevision_;
}

void BoardScene::showPhase(const Session& session, QSize window, int menuBarHeight)
{
    switch (session.phase()) {
    case Session::Phase::Playing:
        if (shownGame_ != session.gameNumber())
            showBoard(session, window, menuBarHeight);
        // A keyboard player finds the cursor where it was; the pointer lights its line when
        // it moves.
        else if (view_.cursorLeads)
            showCursor();
        break;
    // The replay lights its own line; a pause darkens the clues.
    case Session::Phase::Paused:
    case Session::Phase::Replaying:
    case Session::Phase::Solved: setHover(-1, -1); break;
    case Session::Phase::Creating: showCreating(window, menuBarHeight); break;
    default: break;
    }
}

void BoardScene::showBoard(const Session& session, QSize window, int menuBarHeight)
{
    shownGame_ = session.gameNumber();
    const ClueSet& clues = session.clues();
    setRoom(window, menuBarHeight);
    layout_.layOut(session.columns(), session.rows(), clues.widestRowClue(), clues.widestColumnClue());
    rebuildPanel(session.columns(), session.rows(), clues.widestRowClue(), clues.widestColumnClue());
    view_.cursorColumn = view_.cursorRow = 0;
    // A keyboard player finds the cursor lit at once; a line the pointer hovered in the last
    // game stays dark until the pointer moves.
    if (view_.cursorLeads)
        showCursor();
    else
        setHover(-1, -1);
}

void BoardScene::showCreating(QSize window, int menuBarHeight)
{
    setRoom(window, menuBarHeight);
    layout_.clear();
}

void BoardScene::setRoom(QSize window, int menuBarHeight)
{
    layout_.viewport().setRoom(QRect(0, menuBarHeight, window.width(), window.height() - menuBarHeight), barThickness_);
}

void BoardScene::bringCursorIntoView()
{
    layout_.viewport().bringIntoView(SceneGeometry::cellArea(layout_.origin(), view_.cursorColumn, view_.cursorRow));
}

// A line's start, where its clues' numbers meet its cells, and as much of it as fits.
void BoardScene::bringLineIntoView(bool isRow, int line)
{
    const QPoint corner = layout_.cellCorner(isRow ? 0 : line, isRow ? line : 0);
    const QSize extent = isRow ? QSize(SceneGeometry::cellPitch * panel_.columns, SceneGeometry::cellPitch)
                               : QSize(SceneGeometry::cellPitch, SceneGeometry::cellPitch * panel_.rows);
    layout_.viewport().bringIntoView(QRectF(QRect(corner, extent)));
}

void BoardScene::answer(const Session::Event& event)
{
    // The cells a fast drag jumped over answer at their centres.
    const QPoint at
        = event.underPoint ? QPoint(event.pointX, event.pointY) : layout_.cellCentre(event.column, event.row);
    const auto showFault = [this](QPoint corner) {
        view_.faultCorner = corner;
        view_.faultMark.stop();
        view_.faultMark.start();
    };
    switch (event.kind) {
    case Session::Event::Kind::Entered:
        if (particlesOn_)
            particles_.spawnBurst(
                at.x(), at.y(), event.code == Filled || event.code == MarkedFilled ? Qt::white : Qt::black);
        break;
    // The mark's top-left corner stands above and left of the pointer.
    case Session::Event::Kind::Fault: showFault(at - QPoint(10, 10)); break;
    case Session::Event::Kind::Mended: showFault(layout_.cellCorner(event.column, event.row)); break;
    case Session::Event::Kind::Dissolved:
        // The dissolving picture bursts in the colours opposite to those of input.
        if (particlesOn_ && (event.code == Filled || event.code == Crossed))
            particles_.spawnBurst(at.x(), at.y(), event.code == Filled ? Qt::black : Qt::white);
        break;
    default: break;
    }
}

void BoardScene::animate()
{
    if (particlesOn_)
        particles_.update();
}

void BoardScene::setHover(int column, int row)
{
    view_.hover.column = column;
    view_.hover.row = row;
}

void BoardScene::showCursor()
{
    view_.cursorLeads = true;
    setHover(view_.cursorColumn, view_.cursorRow);
}

void BoardScene::showHint(bool isRow, int line)
{
    view_.hintIsRow = isRow;
    view_.hintLine = line;
    view_.hintShown = true;
    bringLineIntoView(isRow, line);
}

QRect BoardScene::hintBand(const Session& session) const
{
    const ClueSet& clues = session.clues();
    return layout_.lineInWindow(view_.hintIsRow, view_.hintLine, clues.widestRowClue(), clues.widestColumnClue())
        .boundingRect();
}

QRect BoardScene::cellsArea(const Session& session) const
{
    const QPoint origin = layout_.origin();
    const QRect cells(
        origin, QSize(SceneGeometry::cellPitch * session.columns(), SceneGeometry::cellPitch * session.rows()));
    const QRect shown = layout_.transform().toWindow(QRectF(cells));
    return layout_.viewport().cluesPinned() ? shown & layout_.viewport().cellsView() : shown;
}

void BoardScene::hideHint()
{
    view_.hintShown = false;
}

QRegion BoardScene::takeFrame(const Session& session, QSize windowSize)
{
    still_.noteChanges(session, *this, windowSize);
    QRegion due = still_.takeUnshown();
    // The hint's shade covers the whole window.
    if (view_.hintShown != hintShown_
        || (view_.hintShown && (view_.hintIsRow != hintShownIsRow_ || view_.hintLine != hintShownLine_)))
        due = QRect(QPoint(0, 0), windowSize);
    hintShown_ = view_.hintShown;
    hintShownIsRow_ = view_.hintIsRow;
    hintShownLine_ = view_.hintLine;

    // What moved is drawn anew where it is and cleared where it was.
    const ViewTransform& transform = layout_.transform();
    const QRect particles = particlesAlive() ? transform.toWindow(particles_.bounds()) : QRect();
    due += particlesShown_ | particles;
    particlesShown_ = particles;
    QRect faultMark;
    if (view_.faultMark.state() == QTimeLine::Running && !mistake_.isNull())
        // It grows from its corner to twice its size.
        faultMark = transform.toWindow(QRectF(view_.faultCorner, QSizeF(mistake_.size() * 2)));
    due += faultMarkShown_ | faultMark;
    faultMarkShown_ = faultMark;

    const QRect cursor = cursorShown(session) ? layout_.cellInWindow(view_.cursorColumn, view_.cursorRow) : QRect();
    if (cursor != cursorShown_ || session.game().marking() != cursorMarking_) {
        due += cursorShown_;
        due += cursor;
    }
    cursorShown_ = cursor;
    cursorMarking_ = session.game().marking();
    return due;
}

void BoardScene::paint(QPainter& painter, QSize windowSize, const Session& session)
{
    still_.refresh(session, *this, windowSize, painter.device()->devicePixelRatioF());
    painter.drawImage(QPoint(0, 0), still_.image());
    painter_.paintMoving(painter, windowSize, session, *this);
}
