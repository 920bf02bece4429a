// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardInput.h"

#include "BoardScene.h"
#include "FramePainter.h"
#include "GameWords.h"
#include "SceneGeometry.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

BoardInput::BoardInput(Session& session, BoardScene& scene, Answer answer, std::function<void()> wake)
    : session_(session)
    , scene_(scene)
    , answer_(std::move(answer))
    , wake_(std::move(wake))
{
}

// Events pass on to the window, which answers the command keys.
bool BoardInput::eventFilter(QObject* watched, QEvent* event)
{
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    const auto key = [event] { return static_cast<QKeyEvent*>(event); };
    if (event->isPointerEvent() || event->isInputEvent() || event->type() == QEvent::Leave)
        wake_();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // The cells were hidden, so the click aimed at none.
        if (session_.phase() == Session::Phase::Paused) {
            answer_(session_.resumePlay());
            move(mouse()->position());
        } else {
            press(mouse()->position(), mouse()->button());
        }
        return true;
    case QEvent::MouseButtonRelease: release(mouse()->button()); return true;
    case QEvent::MouseMove: move(mouse()->position()); return true;
    case QEvent::Leave: leave(); break;
    case QEvent::ToolTip: return showDifficulty(static_cast<QHelpEvent*>(event));
    // A release in another window never reaches this one.
    case QEvent::ActivationChange:
        if (!static_cast<QWidget*>(watched)->isActiveWindow())
            releaseAll();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // The replay's keys are the window's.
        if (session_.phase() == Session::Phase::Replaying)
            return false;
        return this->key(key()->key(), event->type() == QEvent::KeyPress, key()->isAutoRepeat());
    default: break;
    }
    return false;
}

// The info box names the difficulty in plain words; the technique behind it is told on
// demand.
bool BoardInput::showDifficulty(const QHelpEvent* event) const
{
    const ClueSet& clues = session_.clues();
    const QRect box
        = scene_.layout().infoInWindow(SceneGeometry::infoBox(clues.widestRowClue(), clues.widestColumnClue()));
    const int hardest = session_.difficulty().hardestTechnique;
    if (!FramePainter::showsBoard(session_) || hardest <= 0 || !box.contains(event->pos())) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), GameWords::hardestTechnique(hardest));
    return true;
}

void BoardInput::press(QPointF position, Qt::MouseButton button)
{
    track(position);
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    const bool left = button == Qt::LeftButton;
    (left ? leftDown_ : rightDown_) = true;
    record(Session::Input::Kind::Press, left ? Game::Button::Left : Game::Button::Right, pointer_);
}

void BoardInput::release(Qt::MouseButton button)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    const bool left = button == Qt::LeftButton;
    (left ? leftDown_ : rightDown_) = false;
    record(Session::Input::Kind::Release, left ? Game::Button::Left : Game::Button::Right, pointer_);
}

void BoardInput::move(QPointF position)
{
    track(position);
    if (anyDown())
        record(Session::Input::Kind::Move, Game::Button::Left, pointer_);
}

// Clears the hovered line as moving off the cells does, since no further move arrives to do
// it. The keys' cursor stays lit: the keys act on it wherever the pointer is.
void BoardInput::leave()
{
    pointerInWindow_.reset();
    if (!scene_.view().cursorLeads)
        scene_.setHover(-1, -1);
}

void BoardInput::viewMoved()
{
    if (pointerInWindow_ && !scene_.view().cursorLeads)
        move(*pointerInWindow_);
}

bool BoardInput::key(int key, bool pressed, bool autoRepeat)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (pressed)
            moveCursor(key == Qt::Key_Left ? -1
                    : key == Qt::Key_Right ? 1
                                           : 0,
                key == Qt::Key_Up         ? -1
                    : key == Qt::Key_Down ? 1
                                          : 0);
        return true;
    case Qt::Key_Space:
    case Qt::Key_X:
        if (!autoRepeat)
            keyButton(key == Qt::Key_Space ? Game::Button::Left : Game::Button::Right,
                key == Qt::Key_Space ? spaceDown_ : xDown_, pressed);
        return true;
    default: return false;
    }
}

void BoardInput::releaseAll()
{
    if (leftDown_ || spaceDown_)
        record(Session::Input::Kind::Release, Game::Button::Left, pointer_);
    if (rightDown_ || xDown_)
        record(Session::Input::Kind::Release, Game::Button::Right, pointer_);
    forgetAll();
}

void BoardInput::forgetAll()
{
    leftDown_ = rightDown_ = spaceDown_ = xDown_ = false;
}

void BoardInput::track(QPointF position)
{
    pointerInWindow_ = position;
    const BoardLayout& layout = scene_.layout();
    pointer_ = layout.toBoard(position.toPoint());
    if (session_.phase() != Session::Phase::Playing)
        return;
    ViewState& view = scene_.view();
    view.cursorLeads = false;
    if (!layout.onCells(pointer_)) {
        scene_.setHover(-1, -1);
        return;
    }
    const QPoint cell = layout.cellAt(pointer_);
    view.cursorColumn = cell.x();
    view.cursorRow = cell.y();
    scene_.setHover(cell.x(), cell.y());
}

bool BoardInput::anyDown() const
{
    return leftDown_ || rightDown_ || spaceDown_ || xDown_;
}

void BoardInput::record(Session::Input::Kind kind, Game::Button button, QPoint boardPoint)
{
    const QPoint cell = scene_.layout().cellAt(boardPoint);
    session_.record({kind, button, cell.x(), cell.y(), boardPoint.x(), boardPoint.y()});
}

// Outside play the key is only held, so that its release later changes nothing.
void BoardInput::keyButton(Game::Button button, bool& down, bool pressed)
{
    down = pressed;
    if (session_.phase() != Session::Phase::Playing)
        return;
    scene_.view().keysUsed = true;
    scene_.showCursor();
    record(pressed ? Session::Input::Kind::Press : Session::Input::Kind::Release, button, cursorPoint());
}

void BoardInput::moveCursor(int columns, int rows)
{
    if (session_.phase() != Session::Phase::Playing)
        return;
    ViewState& view = scene_.view();
    view.cursorColumn = std::clamp(view.cursorColumn + columns, 0, session_.columns() - 1);
    view.cursorRow = std::clamp(view.cursorRow + rows, 0, session_.rows() - 1);
    view.keysUsed = true;
    scene_.showCursor();
    scene_.bringCursorIntoView();
    if (anyDown())
        record(Session::Input::Kind::Move, Game::Button::Left, cursorPoint());
}

QPoint BoardInput::cursorPoint() const
{
    return scene_.layout().cellCentre(scene_.view().cursorColumn, scene_.view().cursorRow);
}
