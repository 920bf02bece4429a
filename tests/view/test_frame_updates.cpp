// SPDX-License-Identifier: GPL-3.0-or-later
// The window repaints only the part of its frame the scene says changed, over the last frame.
// Whatever the player does, that must leave the same picture as a frame drawn whole.
#include "BoardScene.h"
#include "CellState.h"

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

    ShownGame()
    {
        std::srand(7);
        session.begin(10, 10, Normal);
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
        QImage image(window, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::black);
        fresh.paint(painter, window, session);
        return image;
    }

    // The first pixel where the screen differs from the whole frame, or "" when none does.
    QString firstDifference() const
    {
        const QImage expected = whole();
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
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
};

QTEST_MAIN(FrameUpdatesTest)
#include "test_frame_updates.moc"
