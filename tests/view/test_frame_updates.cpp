// SPDX-License-Identifier: GPL-3.0-or-later
// The window repaints only the part of its frame the scene says changed, over the last frame.
// Whatever the player does, that must leave the same picture as a frame drawn whole.
#include "BoardScene.h"
#include "CellState.h"
#include "Puzzle.h"

#include <QPainter>
#include <QtTest>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QSize window(800, 600);
constexpr int menuBarHeight = 21;

// A 10x10 Normal game as the window keeps it: a scene that has lived through every change,
// and an image that only ever received the parts the scene reported.
struct ShownGame {
    Session session;
    BoardScene scene;
    QImage screen {window, QImage::Format_RGB32};
    int background = 0;
    bool highContrast = false;

    // A generated 10x10 game, or a side x side puzzle of stripes and squares from a file, which
    // opens zoomed in and scrolls.
    explicit ShownGame(int side = 0)
    {
        std::srand(7);
        if (side > 0) {
            PuzzleGrid picture;
            picture.resize(side, side);
            for (int x = 0; x < side; ++x)
                for (int y = 0; y < side; ++y)
                    picture.cells[std::size_t(x)][std::size_t(y)]
                        = (x / 3 + y) % 4 == 0 || x % 7 == 1 ? Filled : Crossed;
            Puzzle puzzle;
            puzzle.clues.computeFrom(picture);
            puzzle.solutions = {picture};
            puzzle.verdict = PuzzleVerdict::Kind::Logic;
            puzzle.origin.kind = PuzzleOrigin::Kind::File;
            PuzzleGrid board;
            board.resize(side, side);
            session.resume(puzzle, Normal, board, 0, 0);
        } else {
            session.begin(10, 10, Normal);
        }
        while (session.phase() != Session::Phase::Playing)
            session.advance(10ms);
        scene.setParticlesOn(false);
        scene.setBackground(background);
        scene.showBoard(session, window, menuBarHeight);
        screen.fill(Qt::black);
        frame();
    }

    void frame()
    {
        const QRegion changed = scene.takeFrame(session, window);
        QPainter painter(&screen);
        painter.setClipRegion(changed);
        painter.fillRect(screen.rect(), Qt::black);
        scene.paint(painter, window, session);
    }

    void click(int column, int row, Game::Button button = Game::Button::Left)
    {
        const QPoint at = scene.layout().cellCentre(column, row);
        session.record({Session::Input::Kind::Press, button, column, row, at.x(), at.y()});
        session.record({Session::Input::Kind::Release, button, column, row, at.x(), at.y()});
        for (const Session::Event& event : session.advance(0ms))
            scene.answer(event);
    }

    // The same view, drawn whole by a scene that has drawn nothing before.
    QImage whole() const
    {
        BoardScene fresh;
        fresh.setParticlesOn(false);
        fresh.setBackground(background);
        fresh.setHighContrast(highContrast);
        fresh.showBoard(session, window, menuBarHeight);
        fresh.view().cursorLeads = scene.view().cursorLeads;
        fresh.view().keysUsed = scene.view().keysUsed;
        fresh.view().cursorColumn = scene.view().cursorColumn;
        fresh.view().cursorRow = scene.view().cursorRow;
        fresh.setHover(scene.view().hover.column, scene.view().hover.row);
        if (scene.view().hintShown)
            fresh.showHint(scene.view().hintIsRow, scene.view().hintLine);
        // After the hint, which scrolls its line into view.
        fresh.scrollTo(scene.layout().viewport().scrolled());
        QImage image(window, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::black);
        fresh.paint(painter, window, session);
        return image;
    }

    // What the window shows of it: the room, less the scroll bars.
    QRect shown() const { return scene.layout().viewport().placement().room; }

    // The first pixel the window shows where the screen differs from the whole frame, or ""
    // when none does.
    QString firstDifference() const
    {
        const QImage expected = whole();
        const QRect area = shown();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (screen.pixel(x, y) != expected.pixel(x, y))
                    return QStringLiteral("%1, %2").arg(x).arg(y);
        return {};
    }
};

} // namespace

class FrameUpdatesTest : public QObject {
    Q_OBJECT

private slots:
    void framesDrawnFromChangesMatchWholeFrames()
    {
        ShownGame game;
        const PuzzleGrid& solution = game.session.game().solution();
        const auto check = [&](const char* step) {
            game.frame();
            const QString at = game.firstDifference();
            QVERIFY2(at.isEmpty(), qPrintable(QStringLiteral("%1: differs at %2").arg(step, at)));
        };
        // Row 0 and column 0 solved (their clues dim), a wrong cell, a cross; the clock runs.
        for (int x = 0; x < 10; ++x)
            game.click(x, 0, solution.cells[x][0] == Filled ? Game::Button::Left : Game::Button::Right);
        for (int y = 1; y < 10; ++y)
            if (solution.cells[0][y] == Filled)
                game.click(0, y);
        check("cells entered");
        game.session.advance(2500ms);
        check("clock");
        // The lit clues follow the pointer and turn blue in marks mode.
        game.scene.view().cursorLeads = false;
        game.scene.setHover(3, 4);
        check("hover");
        game.scene.setHover(7, 2);
        game.frame();
        game.session.startMarking();
        game.click(5, 5);
        check("marks mode");
        game.session.stopMarking(false, game.session.gameNumber());
        game.session.undo();
        check("marks dropped, undo");
        // Once the keys are used, their cursor is outlined where it is, in the colour of the mode.
        game.scene.view().keysUsed = true;
        for (const QPoint cell : {QPoint(4, 4), QPoint(5, 4), QPoint(6, 6)}) {
            game.scene.view().cursorColumn = cell.x();
            game.scene.view().cursorRow = cell.y();
            game.scene.showCursor();
            check("cursor moved");
            // Its top edge, in the colour of the lit clues: blue, as marks mode is on again.
            const BoardLayout& layout = game.scene.layout();
            const QColor edge = game.screen.pixelColor(
                layout.transform().toWindow(layout.cellCorner(cell.x(), cell.y()) + QPoint(12, 1)));
            QVERIFY2(game.session.game().marking() && edge == QColor(0, 0, 230), qPrintable(edge.name()));
        }
        game.session.stopMarking(false, game.session.gameNumber());
        check("cursor in play");
        game.scene.view().cursorLeads = false;
        check("cursor left to the pointer");
        game.scene.showHint(true, 3);
        check("hint shown");
        game.scene.hideHint();
        check("hint hidden");

        // What moves leaves nothing behind once it has gone, faded or switched off.
        game.scene.setParticlesOn(true);
        game.click(9, 9);
        for (int step = 0; step < 20; ++step) {
            game.scene.animate();
            game.frame();
        }
        game.scene.setParticlesOn(false);
        check("particles switched off");
        game.scene.answer({Session::Event::Kind::Fault, 2, 2, 0, true, 200, 200});
        game.frame();
        game.scene.view().faultMark.stop();
        check("fault mark gone");

        // A new look, a new background, a new window size: all drawn anew.
        game.highContrast = true;
        game.scene.setHighContrast(true);
        check("high contrast");
        game.background = 2;
        game.scene.setBackground(2);
        check("background");
        game.session.pause();
        check("paused");
        game.session.resumePlay();
        check("resumed");
    }

    // Scrolled, the picture is moved and only what comes into view is drawn: it must be the
    // picture drawn whole, wherever the clues stand pinned.
    void scrolledFramesMatchWholeFrames()
    {
        ShownGame game(90);
        QVERIFY(!game.scene.layout().viewport().fitted());
        const auto check = [&](const QString& step) {
            game.frame();
            const QString at = game.firstDifference();
            QVERIFY2(at.isEmpty(), qPrintable(QStringLiteral("%1: differs at %2").arg(step, at)));
        };
        game.scene.view().cursorLeads = false;
        game.scene.setHover(4, 30);
        check("opened");
        // Down past the point where the column clues pin, then on; right, where the row clues
        // pin; both ways at once, and back.
        for (const QPoint by : {QPoint(0, 3), QPoint(0, 30), QPoint(0, 30), QPoint(0, 72), QPoint(25, 0), QPoint(40, 0),
                 QPoint(-13, 17), QPoint(7, -50), QPoint(0, 1000), QPoint(-1000, 0)}) {
            game.scene.scrollBy(by);
            check(QStringLiteral("scrolled by %1, %2").arg(by.x()).arg(by.y()));
        }
        game.scene.scrollTo(QPoint(200, 400));
        game.frame();
        game.click(20, 40);
        game.scene.setHover(22, 41);
        check("a cell entered and the hover moved while scrolled");
        game.scene.showHint(true, 45);
        game.scene.scrollBy(QPoint(0, 24));
        check("hint shown while scrolled");
    }
};

QTEST_MAIN(FrameUpdatesTest)
#include "test_frame_updates.moc"
