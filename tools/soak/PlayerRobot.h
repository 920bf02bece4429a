// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

class MainWindow;
class Watchdog;

// A restless player: every few milliseconds it does one thing a player can do to the real
// window through real Qt events (clicks, drags, keys, menu entries), answers whatever box is
// open, and now and then plays the right cell so that puzzles of every size and mode get won.
// At a fixed interval it rests and has the watchdog take the resident size.
class PlayerRobot : public QObject {
    Q_OBJECT

public:
    struct Counts {
        int clicks = 0;
        int drags = 0;
        int hints = 0;
        int undos = 0;
        int pauses = 0;
        int newGames = 0;
        int wins = 0;
        int boxes = 0;
        int toggles = 0;
        int replaySteps = 0;
    };

    PlayerRobot(MainWindow& window, Watchdog& watchdog, quint32 seed);

    void start(int stepMs, int sampleSeconds);
    // Closes the window as soon as nothing is open over it, and ends the application.
    void finish();
    const Counts& counts() const { return counts_; }

private:
    void answerOpenBox();
    void act();
    void rest();
    void pause();
    void comeBackFromPause();
    void clickCell(Qt::MouseButton button, int x, int y);
    void dragAlongLine();
    void playRightCell();
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void toggleSomething();
    void startNextGame();
    // Steps, jumps, plays and at times leaves the solution's replay, by its keys.
    void watchReplay();
    QPoint cellPoint(int x, int y) const;
    int chance(int outOf) { return int(random_.bounded(outOf)); }

    MainWindow& window_;
    Watchdog& watchdog_;
    QRandomGenerator random_;
    // Two timers, because a timer does not fire again while its own slot runs: an act that
    // opens a box waits inside the box's event loop until the other timer answers it.
    QTimer actTimer_;
    QTimer answerTimer_;
    QTimer sampleTimer_;
    // Where a rest has got to; None while playing.
    enum class Rest { None, Closing, Starting, Settling } rest_ = Rest::None;
    bool finishing_ = false;
    QElapsedTimer settling_;
    Counts counts_;
    int nextSize_ = 0;
};
