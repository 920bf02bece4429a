// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a real MainWindow from a test: ticks by hand instead of by timer, pointer and keys
// through real events, and questions answered by a script instead of message boxes.

#include "CellState.h"
#include "MainWindow.h"
#include "Prompt.h"
#include "ScratchFolder.h"
#include "ui_MainWindow.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>

// A scratch game folder that reaches the game's pictures and help, kept by a player who has
// played before: no offer to read the help at the first game.
class ScratchGameFolder : public ScratchFolder {
public:
    ScratchGameFolder()
        : ScratchFolder({"Images", "Help", "Pictures"})
    {
        QFile settings("tessarin.ini");
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("[settings]\nnewPlayer=false\n") > 0);
    }
};

class WindowDriver {
public:
    // Questions asked, in order, and the answer given to every one of them; whileAsked, if
    // set, runs while a box is open, before it is answered.
    QStringList asked;
    bool answer = false;
    bool cancel = false;
    std::function<void(const QString& text)> whileAsked;

    WindowDriver()
    {
        Prompt::setResponder([this](const QString& text) {
            asked << text;
            if (whileAsked)
                whileAsked(text);
            return cancel ? Prompt::Answer::Cancel : answer ? Prompt::Answer::Yes : Prompt::Answer::No;
        });
        window = std::make_unique<MainWindow>();
        window->tickTimer()->stop();
        window->resize(800, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~WindowDriver()
    {
        Prompt::setResponder({});
        Prompt::setTextResponder({});
    }
    // What the next text box is given; none cancels it.
    void typeNext(std::optional<QString> text)
    {
        Prompt::setTextResponder([this, text](const QString& question) {
            asked << question;
            return text;
        });
    }

    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }
    const Session& session() const { return window->session(); }
    Ui::MainWindow& form() const { return *window->form(); }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            window->Tick();
    }

    // Starts a puzzle and ticks until it can be played.
    void play(int columns, int rows, int mode)
    {
        window->StartNewGame(columns, rows, mode);
        for (int ticks = 0; session().phase() == Session::Phase::Creating && ticks < 1000; ++ticks)
            tick();
        QCOMPARE(session().phase(), Session::Phase::Playing);
    }

    // The centre of cell (x, y) in the drawing surface's coordinates.
    QPoint cellPoint(int x, int y) const
    {
        return window->drawingSurface()->mapFrom(window.get(), window->scene().layout().cellCentreInWindow(x, y));
    }

    // Qt drops a move to where the pointer already is (say, where the last test left it), so
    // every move passes a neighbouring pixel first.
    void moveTo(int x, int y)
    {
        QTest::mouseMove(window->drawingSurface(), cellPoint(x, y) + QPoint(1, 1));
        QTest::mouseMove(window->drawingSurface(), cellPoint(x, y));
    }
    void press(Qt::MouseButton button, int x, int y)
    {
        moveTo(x, y);
        QTest::mousePress(window->drawingSurface(), button, {}, cellPoint(x, y));
    }
    void release(Qt::MouseButton button, int x, int y)
    {
        QTest::mouseRelease(window->drawingSurface(), button, {}, cellPoint(x, y));
    }
    // Press on the first cell, one tick on each cell along the way, release on the last.
    void drag(Qt::MouseButton button, const QList<QPoint>& cells)
    {
        press(button, cells.front().x(), cells.front().y());
        for (const QPoint& cell : cells) {
            moveTo(cell.x(), cell.y());
            tick();
        }
        release(button, cells.back().x(), cells.back().y());
        tick();
    }
    void key(Qt::Key key) { QTest::keyClick(window.get(), key); }
    // Clicks every filled cell of the solution still blank; the last click wins.
    void solve()
    {
        for (int x = 0; x < session().columns(); ++x)
            for (int y = 0; y < session().rows(); ++y)
                if (session().game().solution().cells[x][y] == Filled && cell(x, y) == Blank)
                    drag(Qt::LeftButton, {{x, y}});
        QCOMPARE(session().phase(), Session::Phase::Celebrating);
    }
    // Ticks through the dissolve until its last bursts have faded and the win screen is due,
    // to open once events are processed.
    void dissolve()
    {
        const auto dissolving
            = [&] { return session().phase() != Session::Phase::Finished || window->scene().particlesAlive(); };
        for (int ticks = 0; ticks < 2000 && dissolving(); ++ticks)
            tick();
        QVERIFY(!dissolving());
        tick();
    }

    int cell(int x, int y) const { return session().game().board().cells[x][y]; }

private:
    std::unique_ptr<MainWindow> window;
};
