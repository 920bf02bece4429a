// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Session.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class BoardScene;

// The pointer and the keys over the board, recorded for the session, which applies them at
// its next step in order. The hovered cell, or the keys' cursor, lights its clues. Space is
// the left button and X the right, on the cursor's cell; with either held the cursor drags.
// It watches the window's own events; a click on the paused board only resumes play, and
// what that changes goes to the window's answer.
class QHelpEvent;

class BoardInput : public QObject {
public:
    using Answer = std::function<void(const Session::Events&)>;
    // wake is called for every pointer and key event, before it is handled.
    BoardInput(Session& session, BoardScene& scene, Answer answer, std::function<void()> wake);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Window coordinates; buttons other than the left and the right only move the pointer.
    void press(QPointF position, Qt::MouseButton button);
    void release(Qt::MouseButton button);
    void move(QPointF position);
    // The pointer left the window.
    void leave();
    // The board moved under a pointer that stood still: the cell under it lights its clues,
    // and a drag goes on to it. A keyboard player's cursor keeps the lead.
    void viewMoved();
    // Arrows, Space and X; false for any other key. A held key's repeats count once.
    bool key(int key, bool pressed, bool autoRepeat);
    // Every held button and key counts as released: a drag ends here.
    void releaseAll();
    // What is held now enters nothing in the next game.
    void forgetAll();

private:
    void track(QPointF position);
    bool showDifficulty(const QHelpEvent* event) const;
    bool anyDown() const;
    void record(Session::Input::Kind kind, Game::Button button, QPoint boardPoint);
    void keyButton(Game::Button button, bool& down, bool pressed);
    void moveCursor(int columns, int rows);
    QPoint cursorPoint() const;

    Session& session_;
    BoardScene& scene_;
    Answer answer_;
    std::function<void()> wake_;
    // The pointer in board pixels and in the window, and the buttons held as the handlers saw
    // them.
    QPoint pointer_;
    std::optional<QPointF> pointerInWindow_;
    bool leftDown_ = false;
    bool rightDown_ = false;
    bool spaceDown_ = false;
    bool xDown_ = false;
};
