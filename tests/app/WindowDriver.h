#pragma once

// Drives a real MainWindow from a test: ticks by hand instead of by timer, pointer and keys
// through real events, and questions answered by a script instead of message boxes.

#include "MainWindow.h"
#include "Prompt.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <memory>

// A fresh working folder holding the game's pictures and help, so that what a test writes
// ("tessarin.ini", "auto.sav") never reaches another test or the real game folder.
class ScratchGameFolder {
public:
    ScratchGameFolder()
        : gameFolder_(QDir::currentPath())
    {
        QDir::setCurrent(folder_.path());
        for (const char* assets : {"Images", "Help"})
            copyFolder(gameFolder_ + "/" + assets, assets);
    }
    ~ScratchGameFolder() { QDir::setCurrent(gameFolder_); }

private:
    static void copyFolder(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (entry.isDir())
                copyFolder(entry.filePath(), to + "/" + entry.fileName());
            else
                QFile::copy(entry.filePath(), to + "/" + entry.fileName());
        }
    }

    QString gameFolder_;
    QTemporaryDir folder_;
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
        window->tickTimer->stop();
        window->resize(800, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~WindowDriver() { Prompt::setResponder({}); }

    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            window->Tick();
    }

    // Starts a puzzle from a fixed seed and ticks until it can be played; returns the ticks
    // taken. The puzzle comes from the generator, never from a reserve made earlier.
    int play(int columns, int rows, int mode, unsigned seed = 1)
    {
        window->reserve.drop();
        std::srand(seed);
        window->newPlayer = false;
        window->StartNewGame(columns, rows, mode);
        int ticks = 0;
        while (window->state == Creating && ticks < 1000) {
            tick();
            ++ticks;
        }
        return ticks;
    }

    // The centre of cell (x, y) in the drawing surface's coordinates.
    QPoint cellPoint(int x, int y) const
    {
        const double boardX = window->boardX + 24 * x + 12;
        const double boardY = window->boardY + 24 * y + 12;
        const QPoint inWindow(
            window->offsetX + qRound(boardX * window->scale), window->offsetY + qRound(boardY * window->scale));
        return window->drawingSurface()->mapFrom(window.get(), inWindow);
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
    // Solves the board at once; the next tick begins the win.
    void solve()
    {
        window->board.copyFrom(window->solution);
        window->board.changed = true;
        tick();
        QCOMPARE(window->state, Celebrating);
    }

    int cell(int x, int y) const { return window->board.cells[x][y]; }
    void setCell(int x, int y, int code) { window->board.cells[x][y] = code; }

    // Some cell of the solution with the given code.
    QPoint solutionCell(int code, int skip = 0) const
    {
        for (int x = 0; x < window->columns; ++x)
            for (int y = 0; y < window->rows; ++y)
                if (window->solution.cells[x][y] == code && skip-- == 0)
                    return {x, y};
        return {-1, -1};
    }

private:
    std::unique_ptr<MainWindow> window;
};
