// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRobot.h"

#include "CellState.h"
#include "GameMode.h"
#include "HelpBrowser.h"
#include "MainWindow.h"
#include "PuzzleSizes.h"
#include "Watchdog.h"
#include "WinScreen.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

PlayerRobot::PlayerRobot(MainWindow& window, Watchdog& watchdog, quint32 seed)
    : window_(window)
    , watchdog_(watchdog)
    , random_(seed)
{
    connect(&actTimer_, &QTimer::timeout, this, &PlayerRobot::act);
    connect(&answerTimer_, &QTimer::timeout, this, &PlayerRobot::answerOpenBox);
    connect(&sampleTimer_, &QTimer::timeout, this, [this] {
        if (rest_ == Rest::None)
            rest_ = Rest::Closing;
    });
}

void PlayerRobot::start(int stepMs, int sampleSeconds)
{
    actTimer_.start(stepMs);
    answerTimer_.start(stepMs);
    sampleTimer_.start(sampleSeconds * 1000);
}

void PlayerRobot::finish()
{
    finishing_ = true;
}

void PlayerRobot::answerOpenBox()
{
    watchdog_.setPlaying(window_.session().phase() == Session::Phase::Playing && window_.session().clockStarted());
    QWidget* modal = QApplication::activeModalWidget();
    // Left open for a moment, as a player reads it; the game ticks on behind it. A player
    // about to rest or leave closes it at once.
    if (!modal || (rest_ == Rest::None && !finishing_ && chance(4) != 0))
        return;
    ++counts_.boxes;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        buttons[chance(buttons.size())]->click();
    } else if (modal->objectName() == "WinScreen") {
        ++counts_.wins;
        // Quit would end the run; a new game of any size and mode keeps it going.
        for (const char* name : {"sizeComboBox", "modeComboBox"})
            if (auto* combo = modal->findChild<QComboBox*>(name))
                combo->setCurrentIndex(chance(combo->count()));
        // Now and then the solution is watched before the next game.
        if (chance(3) == 0) {
            static_cast<QDialog*>(modal)->done(WinScreen::ShowSolution);
            return;
        }
        static_cast<QDialog*>(modal)->accept();
        ++counts_.newGames;
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

void PlayerRobot::act()
{
    if (QApplication::activeModalWidget())
        return;
    // Closed only from here, with no box open: a window closed under a box's own event loop
    // leaves that box as the last window, and hiding it does not end the application.
    if (finishing_) {
        // A player who cancels "Save your game?" keeps the window, and the next step closes it
        // again: quitting now would ask once more, and a second Cancel would leave the run with
        // nothing left to end it.
        window_.close();
        if (window_.isVisible())
            return;
        actTimer_.stop();
        sampleTimer_.stop();
        QApplication::quit();
        return;
    }
    if (rest_ != Rest::None) {
        rest();
        return;
    }
    if (window_.session().phase() == Session::Phase::Paused)
        comeBackFromPause();
    if (window_.session().phase() == Session::Phase::Replaying) {
        watchReplay();
        return;
    }
    if (window_.session().phase() == Session::Phase::Solved)
        startNextGame();
    if (window_.session().phase() != Session::Phase::Playing)
        return;
    const int roll = chance(100);
    if (roll < 30)
        clickCell(chance(4) ? Qt::LeftButton : Qt::RightButton, chance(window_.session().columns()),
            chance(window_.session().rows()));
    else if (roll < 40)
        dragAlongLine();
    else if (roll < 68)
        playRightCell();
    else if (roll < 76) {
        ++counts_.hints;
        key(Qt::Key_H);
    } else if (roll < 83) {
        ++counts_.undos;
        // Undo, or one of the two ways to redo.
        const int which = chance(3);
        if (which == 0)
            key(Qt::Key_Z, Qt::ControlModifier);
        else if (which == 1)
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            key(Qt::Key_Y, Qt::ControlModifier);
    } else if (roll < 86)
        key(Qt::Key_M);
    else if (roll < 87)
        pause();
    else if (roll < 89)
        startNextGame();
    else
        toggleSomething();
}

// The memory a game holds at a random moment says more about what happens to be open than
// about growth: every box and help window maps an X image of its own, and each board size
// holds a different amount. So a sample is taken at rest: nothing open but the window, the
// wood background, no music, a fresh 10x10 Normal game, and a second of ticks behind it.
void PlayerRobot::rest()
{
    switch (rest_) {
    case Rest::Closing:
        CloseHelpWindows();
        if (window_.session().phase() == Session::Phase::Paused)
            key(Qt::Key_P);
        // A win, a dissolve or a puzzle in the making ends first; a replay or a solved board is
        // left by the new game.
        if (window_.session().phase() != Session::Phase::Playing
            && window_.session().phase() != Session::Phase::Replaying
            && window_.session().phase() != Session::Phase::Solved)
            return;
        // Each background is a picture of its own size, and a playing track holds its decoder.
        window_.form()->actionWood->trigger();
        if (window_.form()->actionMusic->isChecked())
            window_.form()->actionMusic->trigger();
        window_.menus().sizeEntry(sizeIndexOf(10, 10))->trigger();
        window_.menus().modeEntry(Normal)->trigger();
        window_.form()->actionNew_Game->trigger();
        rest_ = Rest::Starting;
        return;
    case Rest::Starting:
        if (window_.session().phase() == Session::Phase::Playing) {
            settling_.start();
            rest_ = Rest::Settling;
        }
        return;
    case Rest::Settling:
        if (settling_.elapsed() >= 1000) {
            watchdog_.sample();
            rest_ = Rest::None;
        }
        return;
    case Rest::None: return;
    }
}

void PlayerRobot::watchReplay()
{
    ++counts_.replaySteps;
    const Qt::Key keys[]
        = {Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_P, Qt::Key_Up};
    if (chance(40) == 0)
        key(Qt::Key_Escape);
    else
        key(keys[chance(int(std::size(keys)))]);
}

void PlayerRobot::pause()
{
    ++counts_.pauses;
    key(Qt::Key_P);
}

// The keys that play are tried on the hidden board, where they must do nothing, before the
// player goes on by P, the menu entry or a click, which only resumes.
void PlayerRobot::comeBackFromPause()
{
    const Qt::Key idleKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_X};
    switch (chance(4)) {
    case 0: key(Qt::Key_P); break;
    case 1: window_.form()->actionPause->trigger(); break;
    case 2: QTest::mouseClick(window_.drawingSurface(), Qt::LeftButton, {}, cellPoint(0, 0)); break;
    default: key(idleKeys[chance(int(std::size(idleKeys)))]); break;
    }
}

QPoint PlayerRobot::cellPoint(int x, int y) const
{
    return window_.drawingSurface()->mapFrom(&window_, window_.scene().layout().cellCentreInWindow(x, y));
}

void PlayerRobot::clickCell(Qt::MouseButton button, int x, int y)
{
    ++counts_.clicks;
    QWidget* surface = window_.drawingSurface();
    QTest::mouseMove(surface, cellPoint(x, y));
    QTest::mouseClick(surface, button, {}, cellPoint(x, y));
}

void PlayerRobot::dragAlongLine()
{
    ++counts_.drags;
    QWidget* surface = window_.drawingSurface();
    const bool alongRow = chance(2);
    int x = chance(window_.session().columns()), y = chance(window_.session().rows());
    const Qt::MouseButton button = chance(3) ? Qt::LeftButton : Qt::RightButton;
    QTest::mouseMove(surface, cellPoint(x, y));
    QTest::mousePress(surface, button, {}, cellPoint(x, y));
    for (int moves = 1 + chance(5); moves > 0; --moves) {
        (alongRow ? x : y) = chance(alongRow ? window_.session().columns() : window_.session().rows());
        QTest::mouseMove(surface, cellPoint(x, y));
    }
    QTest::mouseRelease(surface, button, {}, cellPoint(x, y));
}

// Fills a missing cell of the picture or clears a wrong one, as a player who has worked it out.
void PlayerRobot::playRightCell()
{
    const int start = chance(window_.session().columns() * window_.session().rows());
    for (int i = 0; i < window_.session().columns() * window_.session().rows(); ++i) {
        const int cell = (start + i) % (window_.session().columns() * window_.session().rows());
        const int x = cell % window_.session().columns(), y = cell / window_.session().columns();
        const int code = window_.session().game().board().cells[x][y];
        const bool shouldFill = window_.session().game().solution().cells[x][y] == Filled;
        const bool looksFilled = code == Filled || code == MarkedFilled;
        if (shouldFill != looksFilled) {
            clickCell(Qt::LeftButton, x, y);
            return;
        }
    }
}

void PlayerRobot::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(&window_, Qt::Key(key), modifiers);
}

void PlayerRobot::toggleSomething()
{
    ++counts_.toggles;
    Ui::MainWindow& ui = *window_.form();
    QAction* const entries[] = {ui.actionWood, ui.actionLeaves, ui.actionGrass, ui.actionWater, ui.actionParticles,
        ui.actionSound, ui.actionMusic, ui.actionHow_To_Play, ui.actionHighScore, ui.actionAbout};
    const int pick = chance(int(std::size(entries)) + 2);
    if (pick == int(std::size(entries)))
        key(Qt::Key_F1);
    else if (pick > int(std::size(entries)))
        CloseHelpWindows();
    else
        entries[pick]->trigger();
}

// Every size and mode in turn, through the menus and F2.
void PlayerRobot::startNextGame()
{
    ++counts_.newGames;
    window_.menus().sizeEntry(nextSize_ % puzzleSizeCount)->trigger();
    window_.menus().modeEntry(Beginner + (nextSize_ / puzzleSizeCount) % 3)->trigger();
    ++nextSize_;
    key(Qt::Key_F2);
}
