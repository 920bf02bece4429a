// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the real game window for a long time, as a restless player would, and reports
// crashes, hangs and the memory curve. Run it in a copy of the game folder under an X server:
//   tessarin-soak [--seconds N] [--sample-seconds N] [--warmup-seconds N] [--max-growth-kb N] [--seed N]
// Exit status: 0 fine, 1 memory grew more than allowed after warm-up, 2 bad arguments,
// 3 a hang; a crash ends it by its signal after saying so.
#include "MainWindow.h"
#include "PlayerRobot.h"
#include "Watchdog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

struct Options {
    int seconds = 3600;
    int sampleSeconds = 30;
    int warmupSeconds = 600;
    long maxGrowthKb = -1; // not judged unless asked for
    quint32 seed = 1;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const long value = std::atol(argv[i + 1]);
        if (!std::strcmp(argv[i], "--seconds"))
            options.seconds = int(value);
        else if (!std::strcmp(argv[i], "--sample-seconds"))
            options.sampleSeconds = int(value);
        else if (!std::strcmp(argv[i], "--warmup-seconds"))
            options.warmupSeconds = int(value);
        else if (!std::strcmp(argv[i], "--max-growth-kb"))
            options.maxGrowthKb = value;
        else if (!std::strcmp(argv[i], "--seed"))
            options.seed = quint32(value);
        else
            return false;
    }
    return argc % 2 == 1 && options.seconds > 0 && options.sampleSeconds > 0;
}

void reportCrash(int signal)
{
    // Only async-signal-safe calls here; then die of the same signal so the caller sees it.
    const char message[] = "CRASH: the game died of a signal\n";
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, message, sizeof message - 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Counts the repaints of the drawing surface for the watchdog.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(Watchdog& watchdog)
        : watchdog_(watchdog)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            watchdog_.painted();
        return false;
    }

private:
    Watchdog& watchdog_;
};

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
            "usage: tessarin-soak [--seconds N] [--sample-seconds N] [--warmup-seconds N] "
            "[--max-growth-kb N] [--seed N]\n");
        return 2;
    }
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, reportCrash);

    QApplication application(argc, argv);
    Watchdog watchdog(5000);
    int result = 0;
    PlayerRobot::Counts counts;
    {
        MainWindow window;
        PaintCounter paintCounter(watchdog);
        window.drawingSurface()->installEventFilter(&paintCounter);
        PlayerRobot robot(window, watchdog, options.seed);
        robot.start(15, options.sampleSeconds);
        QTimer::singleShot(options.seconds * 1000, &robot, &PlayerRobot::finish);
        window.StartUp();
        application.exec();
        counts = robot.counts();
    }

    const auto samples = watchdog.samples();
    std::printf("played %d s: %d clicks, %d drags, %d hints, %d undos or redos, %d pauses, %d new games, %d wins, "
                "%d boxes answered, %d menu entries, %d replay keys; longest repaint gap while playing %d ms\n",
        options.seconds, counts.clicks, counts.drags, counts.hints, counts.undos, counts.pauses, counts.newGames,
        counts.wins, counts.boxes, counts.toggles, counts.replaySteps, watchdog.longestPaintGapMs());
    // Growth is judged on what the game holds at rest, between the first and the last few
    // samples after warm-up; the median of a few stands for where memory stays, as the
    // game's own data still differs a little from one rest to the next.
    std::vector<long> settled;
    for (const auto& sample : samples)
        if (sample.second >= options.warmupSeconds)
            settled.push_back(sample.heldKb);
    const std::size_t few = std::min<std::size_t>(10, settled.size() / 2);
    if (few > 0) {
        const auto median = [](std::vector<long> values) {
            std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
            return values[values.size() / 2];
        };
        const long before = median({settled.begin(), settled.begin() + few});
        const long after = median({settled.end() - few, settled.end()});
        std::printf("held after warm-up (median of %zu samples): %ld kB at first, %ld kB at last: %+ld kB\n", few,
            before, after, after - before);
        if (options.maxGrowthKb >= 0 && after - before > options.maxGrowthKb) {
            std::printf("MEMORY: grew %ld kB after warm-up, more than %ld kB\n", after - before, options.maxGrowthKb);
            result = 1;
        }
    }
    return result;
}
