// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Watches the game from a thread of its own, so that it still reports when the game's thread
// is stuck: a game that is being played must repaint at least every hangLimitMs (its clock
// alone changes every second). It also keeps the resident sizes the player asks it to take.
class Watchdog {
public:
    struct Sample {
        int second;
        long residentKb;
        // The resident size once the heap's freed pages are handed back: what the game holds.
        long heldKb;
    };

    explicit Watchdog(int hangLimitMs);
    ~Watchdog();

    // Called from the game's thread.
    void painted();
    void setPlaying(bool playing);
    // Takes both sizes. Only between moves: handing pages back takes milliseconds.
    void sample();

    // The samples so far, and the longest time a playing game went without a repaint.
    std::vector<Sample> samples() const;
    int longestPaintGapMs() const;

private:
    void run();
    static long nowMs();

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
