// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the game for comparing two builds by eye or by tool: every size, background and
// look, each with entered cells, marks, lit clues, the hint's shade, the fault mark half grown
// and a burst of particles, from the same puzzles (the same seed). The scene lives through the
// changes before the picture is taken, as the window's does.
//
// usage: frame_shots FOLDER   (run from the game folder, e.g. build/game; writes FOLDER/*.png)
#include "BoardScene.h"
#include "CellState.h"
#include "PuzzleSizes.h"
#include "Session.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;

namespace {

const QSize window(800, 600);
constexpr int menuBarHeight = 21;

void click(Session& session, BoardScene& scene, int column, int row, Game::Button button)
{
    const QPoint at = scene.layout().cellCentre(column, row);
    session.record({Session::Input::Kind::Press, button, column, row, at.x(), at.y()});
    session.record({Session::Input::Kind::Release, button, column, row, at.x(), at.y()});
    for (const Session::Event& event : session.advance(0ms))
        scene.answer(event);
}

void frame(BoardScene& scene, Session& session, QImage& image)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::black);
    scene.paint(painter, window, session);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame_shots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    QImage image(window, QImage::Format_RGB32);
    int written = 0;
    for (int size = 0; size < puzzleSizeCount; ++size) {
        for (int background = 0; background < 4; ++background) {
            for (const bool highContrast : {false, true}) {
                std::srand(1000 + size);
                Session session;
                session.begin(puzzleSizes[size].columns, puzzleSizes[size].rows, Normal);
                while (session.phase() != Session::Phase::Playing)
                    session.advance(10ms);
                BoardScene scene;
                scene.setBackground(background);
                scene.setHighContrast(highContrast);
                scene.showBoard(session, window, menuBarHeight);
                frame(scene, session, image);
                // The first row as solved, a wrong cell, a cross; then marks.
                const PuzzleGrid& solution = session.game().solution();
                for (int x = 0; x < session.columns(); ++x)
                    click(session, scene, x, 0,
                        solution.cells[x][0] == Filled ? Game::Button::Left : Game::Button::Right);
                click(session, scene, 1, 1, Game::Button::Left);
                frame(scene, session, image);
                session.startMarking();
                click(session, scene, 2, 2, Game::Button::Left);
                click(session, scene, 3, 2, Game::Button::Right);
                session.advance(1500ms);
                scene.view().cursorLeads = false;
                scene.setHover(1, 2);
                frame(scene, session, image);
                for (int step = 0; step < 10; ++step)
                    scene.animate();
                frame(scene, session, image);
                image.save(folder.filePath(QStringLiteral("%1-%2-%3-play.png")
                                               .arg(puzzleSizes[size].label)
                                               .arg(background)
                                               .arg(highContrast ? "contrast" : "standard")));
                scene.showHint(true, 1);
                scene.answer({Session::Event::Kind::Fault, 0, 0, 0, true, 60, 60});
                scene.view().faultMark.setCurrentTime(750);
                frame(scene, session, image);
                image.save(folder.filePath(QStringLiteral("%1-%2-%3-hint.png")
                                               .arg(puzzleSizes[size].label)
                                               .arg(background)
                                               .arg(highContrast ? "contrast" : "standard")));
                written += 2;
            }
        }
    }
    std::printf("%d pictures in %s\n", written, argv[1]);
    return 0;
}
