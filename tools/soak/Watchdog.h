#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Watches the game from a thread of its own, so that it still reports when the game's thread
// is stuck: a game that is being played must repaint at least every hangLimitMs (its clock
// alone changes every second), and the resident size is sampled at a fixed interval.
class Watchdog {
public:
    struct Sample {
        int second;
        long residentKb;
    };

    Watchdog(int sampleSeconds, int hangLimitMs);
    ~Watchdog();

    // Called from the game's thread.
    void painted();
    void setPlaying(bool playing);

    // The samples so far, and the longest time a playing game went without a repaint.
    std::vector<Sample> samples() const;
    int longestPaintGapMs() const;

    static long residentKb();

private:
    void run();
    static long nowMs();

    const int sampleSeconds_;
    const int hangLimitMs_;
    const long startMs_;
    std::atomic<long> lastPaintMs_;
    std::atomic<bool> playing_ {false};
    std::atomic<int> longestGapMs_ {0};
    mutable std::mutex mutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    std::vector<Sample> samples_;
    std::thread thread_;
};
