// SPDX-License-Identifier: GPL-3.0-or-later
// The tick, and the window's answer to what the session reports: the scene, sounds, menus,
// the win and its screen.
#include "MainWindow.h"

#include "GameMode.h"
#include "PuzzleSizes.h"
#include "SoundBank.h"
#include "WinScreen.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {
// The tick's period, and the part of it the reserve leaves free so that late timer events
// and the next frame are never held up.
constexpr std::chrono::milliseconds tickPeriod {10};
constexpr std::chrono::milliseconds tickSlack {2};
} // namespace

void MainWindow::Tick()
{
    QElapsedTimer tickTime;
    tickTime.start();
    const std::chrono::milliseconds elapsed {sinceLastTick_.isValid() ? sinceLastTick_.restart() : 0};
    if (!sinceLastTick_.isValid())
        sinceLastTick_.start();
    sounds_->keepMusicGoing(menus_->musicOn());
    // The dissolve's last bursts fade before the win screen opens, after this tick.
    if (session_.phase() == Session::Phase::Finished && !winScreenDue_ && !scene_.particlesAlive()) {
        winScreenDue_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::FinishGame, Qt::QueuedConnection);
    }
    // While "Save your game?" is open, play and the clock stand still.
    if (!asking_)
        answer(session_.advance(elapsed));
    if (session_.phase() != Session::Phase::Creating)
        scene_.animate();
    scrollBars_->follow(scene_.layout().viewport());
    const QRegion due = scene_.takeFrame(session_, size());
    if (!due.isEmpty())
        drawingSurface()->repaint(due.translated(-drawingSurface()->mapTo(this, QPoint(0, 0))));
    // After the frame, so the reserve never delays what the player sees; in a dialog the
    // player may be choosing something else entirely.
    if (!QApplication::activeModalWidget()) {
        const PuzzleSize& size = puzzleSizes[menus_->sizeIndex()];
        const auto left = tickPeriod - tickSlack - std::chrono::nanoseconds(tickTime.nsecsElapsed());
        session_.workReserve(size.columns, size.rows,
            std::min<std::chrono::nanoseconds>(PuzzleReserve::tickBudget, left), menus_->band());
    }
    paceTick();
}

void MainWindow::paceTick()
{
    // Stopped, the tick is run by hand (tests).
    if (!tickTimer_->isActive())
        return;
    using std::chrono::milliseconds;
    const Session::Phase phase = session_.phase();
    // None: nothing is due until the player does something, which wakes the tick.
    milliseconds next = restless()                                                ? milliseconds(tickPeriod)
        : phase == Session::Phase::Playing && session_.clockStarted() && !asking_ ? session_.toNextSecond()
        : phase == Session::Phase::Replaying && session_.replayPlaying()          ? session_.toNextReplayStep()
        : menus_->musicOn()                                                       ? milliseconds(1000)
                                                                                  : milliseconds::zero();
    // Once the last effect has played, the audio device rests.
    if (const milliseconds quiet = sounds_->untilQuiet(); quiet > milliseconds::zero())
        next = next == milliseconds::zero() ? quiet : std::min(next, quiet);
    if (next == milliseconds::zero()) {
        tickTimer_->stop();
        asleep_ = true;
    } else if (tickTimer_->intervalAsDuration() != next) {
        tickTimer_->start(next);
    }
}

// Music goes on within a second of a track's end, which a tick a second allows; without music
// the tick may sleep for good.
bool MainWindow::restless() const
{
    switch (session_.phase()) {
    case Session::Phase::Creating:
    case Session::Phase::Celebrating: return true;
    case Session::Phase::Finished: return !winScreenDue_;
    case Session::Phase::Playing: {
        if (scene_.particlesAlive() || scene_.view().faultMark.state() == QTimeLine::Running)
            return true;
        // The reserve works only outside boxes; a box's answer wakes the tick.
        const PuzzleSize& size = puzzleSizes[menus_->sizeIndex()];
        return !session_.reserve().readyFor(size.columns, size.rows, menus_->band())
            && !QApplication::activeModalWidget();
    }
    default: return scene_.particlesAlive();
    }
}

void MainWindow::wakeTick()
{
    if (!tickTimer_)
        return;
    if (asleep_ || (tickTimer_->isActive() && tickTimer_->intervalAsDuration() != tickPeriod)) {
        asleep_ = false;
        tickTimer_->start(tickPeriod);
    }
}

void MainWindow::answer(const Session::Events& events)
{
    // However many cells change at once, each sound plays once.
    bool entered = false;
    bool erased = false;
    for (const Session::Event& event : events) {
        scene_.answer(event);
        switch (event.kind) {
        case Session::Event::Kind::Entered: entered = true; break;
        case Session::Event::Kind::Erased: erased = true; break;
        case Session::Event::Kind::Fault:
        case Session::Event::Kind::Mended: sounds_->play(SoundBank::Effect::Mistake, menus_->soundOn()); break;
        case Session::Event::Kind::Won: recordWin(); break;
        case Session::Event::Kind::PhaseChanged:
            if (session_.phase() != Session::Phase::Finished)
                winScreenDue_ = false;
            followReplay();
            scene_.showPhase(session_, boardRoom(), menuBar()->height());
            break;
        case Session::Event::Kind::Replayed: followReplay(); break;
        default: break;
        }
    }
    if (entered)
        sounds_->play(SoundBank::Effect::Draw, menus_->soundOn());
    if (erased)
        sounds_->play(SoundBank::Effect::Erase, menus_->soundOn());
    if (!events.empty()) {
        menus_->follow(session_);
        keeper_.keepSoon();
    }
    wakeTick();
}

void MainWindow::followCommand()
{
    menus_->follow(session_);
    keeper_.keepSoon();
}

// Kept at once: the dissolve takes seconds, and the player may close the window or start
// another game meanwhile.
void MainWindow::recordWin()
{
    keeper_.keepWin();
    sounds_->play(SoundBank::Effect::Win, menus_->soundOn());
    settings_.newPlayer = false;
    // A button still held after the win enters nothing in the next game.
    input_.forgetAll();
    scene_.clearParticles();
}

// The congratulations, with the win as it was recorded, and the choice of the next game.
void MainWindow::FinishGame()
{
    WinScreen dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.ShowWin(session_, keeper_.lastWin(), menus_->sizeIndex());
    const int chosen = dialog.exec();
    if (chosen == WinScreen::ShowSolution) {
        MenuShowSolution();
        return;
    }
    if (chosen == WinScreen::Pictures) {
        MenuPictures();
        return;
    }
    if (chosen != QDialog::Accepted) {
        close();
        return;
    }
    const PuzzleSize& next = puzzleSizes[dialog.SelectedSize()];
    menus_->choose(dialog.SelectedSize(), dialog.SelectedMode() + Beginner);
    StartNewGame(next.columns, next.rows, dialog.SelectedMode() + Beginner);
}
