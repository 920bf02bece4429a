// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and waits until the screen shows the plate of a board at a point: then
// prints the program's process id and the milliseconds since it was started, and leaves it
// running. Made for the game under Xvfb, where its window stands at the screen's corner.
// The plate is told from the background (wood, leaves, grass, water) and from black by its
// pale green-blue: light, and greener than it is red.
//
// usage: first_board_probe X Y PROGRAM [ARGUMENTS...]   (gives up after 20 s)
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <signal.h>
#include <unistd.h>

namespace {

bool showsPlate(QColor c)
{
    return c.lightness() > 150 && c.green() > c.red() + 10;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: first_board_probe X Y PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    QScreen* screen = QGuiApplication::primaryScreen();

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t game = fork();
    if (game == 0) {
        // Whoever reads the probe's output waits for every writer to close it: the game must
        // not hold it while it runs on.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execv(argv[3], argv + 3);
        _exit(127);
    }
    while (Clock::now() - start < std::chrono::seconds(20)) {
        const QColor seen = screen->grabWindow(0, x, y, 1, 1).toImage().pixelColor(0, 0);
        if (showsPlate(seen)) {
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
            std::printf("%d %lld\n", int(game), static_cast<long long>(waited.count()));
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(game, SIGTERM);
    std::fprintf(stderr, "no board at (%d, %d) after 20 s\n", x, y);
    return 1;
}
