// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame of a 20x15 game costs the processor, drawn as the window draws it (only the
// part of the window that changed, over the last frame): a whole frame, as when the window is
// uncovered, the whole frame redrawn for a new window size, the frame after one cell changed
// (also on boards of 50x50, 100x100 and 200x200 from files, fitted to the window and zoomed
// in, where a step of the wheel redraws the window), and frames with 500 live particles.
// Raster frames
// are painted into an 800 x 600 image; where an OpenGL context can be had (a real or virtual X
// display), the same frames are painted into a framebuffer object and finished, as a surface
// would show them. Prints the median and worst processor time per frame (all threads) and,
// where the kernel allows counting them, the painting thread's instructions per frame.
//
// usage: frame_bench [FRAMES]   (default 300; run from the game folder, e.g. build/game, so
//                                 the pictures are found; QT_QPA_PLATFORM=offscreen for raster
//                                 only)
#include "BoardScene.h"
#include "CellState.h"
#include "NonFormat.h"
#include "PuzzleFileReader.h"
#include "PuzzleFromFile.h"
#include "Session.h"

#include <QApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLPaintDevice>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const QSize window(800, 600);
constexpr int menuBarHeight = 21;

// Processor time of every thread of the program: a software OpenGL renderer draws in threads
// of its own.
double processMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// Instructions the painting thread retires, where the kernel lets an unprivileged program count them.
class InstructionCounter {
public:
    InstructionCounter()
    {
        perf_event_attr attr {};
        attr.type = PERF_TYPE_HARDWARE;
        attr.size = sizeof(attr);
        attr.config = PERF_COUNT_HW_INSTRUCTIONS;
        attr.exclude_kernel = 1;
        attr.exclude_hv = 1;
        fd_ = static_cast<int>(syscall(SYS_perf_event_open, &attr, 0, -1, -1, 0));
    }
    ~InstructionCounter()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    bool available() const { return fd_ >= 0; }
    long long now() const
    {
        long long count = 0;
        return fd_ >= 0 && read(fd_, &count, sizeof(count)) == sizeof(count) ? count : 0;
    }

private:
    int fd_ = -1;
};

// A 20x15 Normal game half entered, as a player leaves it some minutes in; or a puzzle of
// side x side cells from a file, half entered the same way, shown as it opens.
struct PlayedGame {
    Session session;
    BoardScene scene;

    explicit PlayedGame(int side = 0)
    {
        if (side > 0) {
            Puzzle puzzle;
            PuzzleGrid picture;
            picture.resize(side, side);
            for (int x = 0; x < side; ++x)
                for (int y = 0; y < side; ++y)
                    picture.cells[size_t(x)][size_t(y)] = (x * x + 3 * y + x * y / 7) % 5 < 2 ? Filled : Crossed;
            puzzle.clues.computeFrom(picture);
            puzzle.solutions = {picture};
            puzzle.verdict = PuzzleVerdict::Kind::Logic;
            puzzle.origin.kind = PuzzleOrigin::Kind::File;
            puzzle.title = "Bench";
            PuzzleGrid board = picture;
            halfBlank(board);
            session.resume(puzzle, Normal, board, 754, 3);
            show();
            return;
        }
        std::srand(2026);
        session.begin(20, 15, Normal);
        while (session.phase() == Session::Phase::Creating)
            session.advance(10ms);
        PuzzleGrid board = session.game().solution();
        halfBlank(board);
        const Game& game = session.game();
        session.resume(Normal, board, game.clues(), game.solution(), 754, 3);
        show();
    }

    static void halfBlank(PuzzleGrid& board)
    {
        for (int x = 0; x < board.width; ++x)
            for (int y = 0; y < board.height; ++y)
                if ((x * 7 + y * 3) % 5 < 3)
                    board.cells[size_t(x)][size_t(y)] = Blank;
    }

    void show()
    {
        scene.setBackground(0);
        scene.showBoard(session, window, menuBarHeight);
        scene.setHover(6, 4);
    }

    // Cells of 24 window pixels, the board's own size, scrolled into the middle of the board.
    void zoomToFullSize()
    {
        const Viewport& viewport = scene.layout().viewport();
        while (viewport.scale() < 1.0f)
            scene.zoom(1, viewport.cellsView().center());
        scene.scrollTo(QPoint(viewport.scrollLimit().width() / 2, viewport.scrollLimit().height() / 2));
    }
    // The cell at the middle of the cells' view, or the nearest one.
    QPoint cellInMiddle() const
    {
        const BoardLayout& layout = scene.layout();
        const QPoint cell = layout.cellAt(layout.toBoard(layout.viewport().cellsView().center()));
        return {std::clamp(cell.x(), 0, session.columns() - 1), std::clamp(cell.y(), 0, session.rows() - 1)};
    }

    // Enters or erases a blank or filled cell by a click, as the window records it.
    void toggleCell(int x, int y)
    {
        const QPoint at = scene.layout().cellCentre(x, y);
        session.record({Session::Input::Kind::Press, Game::Button::Left, x, y, at.x(), at.y()});
        session.record({Session::Input::Kind::Release, Game::Button::Left, x, y, at.x(), at.y()});
        for (const Session::Event& event : session.advance(0ms))
            scene.answer(event);
    }
};

struct Figures {
    double medianMs;
    double worstMs;
    long long instructions; // per frame, median; 0 when not counted
};

Figures measure(int frames, const std::function<void()>& before, const std::function<void()>& frame)
{
    InstructionCounter counter;
    std::vector<double> times;
    std::vector<long long> counts;
    for (int i = 0; i < frames; ++i) {
        before();
        const long long startCount = counter.now();
        const double start = processMilliseconds();
        frame();
        times.push_back(processMilliseconds() - start);
        counts.push_back(counter.now() - startCount);
    }
    std::sort(times.begin(), times.end());
    std::sort(counts.begin(), counts.end());
    return {times[times.size() / 2], times.back(), counter.available() ? counts[counts.size() / 2] : 0};
}

void print(const char* path, const char* what, const Figures& figures)
{
    std::printf("%-8s %-34s median %7.3f ms   worst %7.3f ms", path, what, figures.medianMs, figures.worstMs);
    if (figures.instructions > 0)
        std::printf("   %8.2f M instructions", figures.instructions / 1e6);
    std::printf("\n");
}

// The kinds of frame, each painted by paintFrame as the surface would paint it: the whole
// window, or only what changed.
void measureAll(const char* path, int frames, const std::function<void(PlayedGame&, bool whole)>& paintFrame)
{
    {
        PlayedGame game;
        paintFrame(game, false); // the first frame loads glyphs and textures: not a steady frame
        print(path, "whole frame, nothing moving",
            measure(
                frames, [] {}, [&] { paintFrame(game, true); }));
        int turn = 0;
        const auto resize = [&] { game.scene.setRoom(window, menuBarHeight + ++turn % 2); };
        print(path, "whole frame, new window size", measure(frames, resize, [&] { paintFrame(game, true); }));
    }
    {
        PlayedGame game;
        game.scene.setParticlesOn(false);
        paintFrame(game, false);
        int turn = 0;
        const auto change = [&] {
            game.toggleCell(turn % 20, 14);
            ++turn;
        };
        print(path, "frame after one cell changed", measure(frames, change, [&] { paintFrame(game, false); }));
    }
    // Boards from files, fitted to the window and zoomed in to cells of 24 pixels, where a
    // step of the wheel redraws the whole window.
    for (const int side : {50, 100, 200}) {
        for (const bool fitted : {true, false}) {
            PlayedGame game(side);
            game.scene.setParticlesOn(false);
            if (fitted)
                game.scene.fitBoard();
            else
                game.zoomToFullSize();
            paintFrame(game, false);
            int turn = 0;
            // Cells in view that a click changes: on the bottom row fitted, on the middle
            // of the view zoomed in.
            const QPoint start = fitted ? QPoint(0, side - 1) : game.cellInMiddle();
            std::vector<int> columns;
            for (int x = start.x(); x < start.x() + 16 && x < side; ++x)
                if (game.session.board().cells[size_t(x)][size_t(start.y())] != Crossed)
                    columns.push_back(x);
            const auto change = [&] {
                game.toggleCell(columns[size_t(turn) % columns.size()], start.y());
                ++turn;
            };
            char what[64];
            std::snprintf(what, sizeof what, "%dx%d %s, one cell changed", side, side, fitted ? "fitted" : "zoomed");
            print(path, what, measure(frames, change, [&] { paintFrame(game, false); }));
            if (fitted)
                continue;
            const auto scroll = [&] { game.scene.scrollBy(QPoint(0, ++turn % 2 ? 72 : -48)); };
            std::snprintf(what, sizeof what, "%dx%d zoomed, a step of the wheel", side, side);
            print(path, what, measure(frames, scroll, [&] { paintFrame(game, false); }));
        }
    }
    {
        PlayedGame game;
        // 100 bursts of five, each kept at full life so that all 500 stay live.
        const auto burst = [&] {
            for (int i = 0; i < 100; ++i)
                game.scene.answer(
                    {Session::Event::Kind::Entered, i % 20, i / 20, i % 2 ? Filled : Crossed, false, 0, 0});
        };
        burst();
        paintFrame(game, false);
        int step = 0;
        const auto animate = [&] {
            if (++step % 40 == 0)
                burst();
            game.scene.animate();
        };
        print(path, "frame with 500 live particles", measure(frames, animate, [&] { paintFrame(game, false); }));
    }
    {
        // A 100x100 puzzle file opened, to its first frame: read, judged (line logic finishes
        // it), played, laid out with its plate built, and the whole window drawn.
        PuzzleFile file;
        PuzzleGrid picture;
        picture.resize(100, 100);
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 100; ++y)
                picture.cells[size_t(x)][size_t(y)] = x <= y || (x > 60 && y < 30) ? Filled : Crossed;
        file.clues.computeFrom(picture);
        file.title = "Steps";
        const std::string text = writeNon(file);
        PlayedGame game;
        const auto open = [&] {
            const PuzzleFileReading reading = readPuzzleFile("steps.non", text);
            game.session.begin(puzzleFromFile(reading.puzzle, "steps.non", fileSearchTime), Normal);
            game.scene.showBoard(game.session, window, menuBarHeight);
            paintFrame(game, false);
        };
        print(path, "100x100 file opened, first frame",
            measure(
                std::max(1, frames / 30), [] {}, open));
    }
    {
        // The tick after New Game, with the next puzzle made in the spare time of play: the
        // puzzle taken, the board laid out and its plate built, the whole window drawn.
        PlayedGame game;
        const auto makeNext = [&] {
            while (!game.session.reserve().readyFor(20, 15))
                game.session.workReserve(20, 15, 1s);
            game.session.begin(20, 15, Normal);
        };
        const auto nextTick = [&] {
            for (const Session::Event& event : game.session.advance(10ms))
                if (event.kind == Session::Event::Kind::PhaseChanged)
                    game.scene.showPhase(game.session, window, menuBarHeight);
            paintFrame(game, false);
        };
        print(path, "New Game's tick, puzzle ready", measure(std::max(1, frames / 10), makeNext, nextTick));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;

    QImage image(window, QImage::Format_ARGB32_Premultiplied);
    measureAll("raster", frames, [&](PlayedGame& game, bool whole) {
        const QRegion changed = game.scene.takeFrame(game.session, window);
        QPainter painter(&image);
        painter.setClipRegion(whole ? QRegion(image.rect()) : changed);
        painter.fillRect(image.rect(), Qt::black);
        game.scene.paint(painter, window, game.session);
    });

    if (QGuiApplication::platformName() == "offscreen" || QGuiApplication::platformName() == "minimal") {
        std::printf("opengl   no context on the %s platform\n", qPrintable(QGuiApplication::platformName()));
        return 0;
    }
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::printf("opengl   no context could be made\n");
        return 0;
    }
    QOpenGLFunctions* gl = context.functions();
    std::printf("opengl   renderer: %s\n", reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER)));
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    format.setSamples(0);
    QOpenGLFramebufferObject target(window, format);
    target.bind();
    QOpenGLPaintDevice device(window);
    // An OpenGL surface draws the whole window each frame.
    measureAll("opengl", frames, [&](PlayedGame& game, bool) {
        game.scene.takeFrame(game.session, window);
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        {
            QPainter painter(&device);
            game.scene.paint(painter, window, game.session);
        }
        // The frame is not drawn until the renderer has finished it.
        gl->glFinish();
    });
    return 0;
}
