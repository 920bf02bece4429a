// SPDX-License-Identifier: GPL-3.0-or-later
#include "Watchdog.h"

#include "ProcessMemory.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(int hangLimitMs)
    : hangLimitMs_(hangLimitMs)
    , startMs_(nowMs())
    , lastPaintMs_(nowMs())
    , thread_([this] { run(); })
{
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    thread_.join();
}

void Watchdog::painted()
{
    const long now = nowMs();
    const long gap = now - lastPaintMs_.exchange(now);
    if (playing_ && gap > longestGapMs_)
        longestGapMs_ = int(gap);
}

void Watchdog::setPlaying(bool playing)
{
    // A game that was not playing owed no repaint; its gap starts now.
    if (playing && !playing_)
        lastPaintMs_ = nowMs();
    playing_ = playing;
}

void Watchdog::sample()
{
    const int second = int((nowMs() - startMs_) / 1000);
    const long resident = residentKb();
    handBackFreedMemory();
    const Sample taken {second, resident, residentKb()};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        samples_.push_back(taken);
    }
    std::printf("%6d s  %8ld kB resident, %8ld kB held\n", taken.second, taken.residentKb, taken.heldKb);
    std::fflush(stdout);
}

std::vector<Watchdog::Sample> Watchdog::samples() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_;
}

int Watchdog::longestPaintGapMs() const
{
    return longestGapMs_;
}

long Watchdog::nowMs()
{
    using namespace std::chrono;
    return long(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Watchdog::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        const long now = nowMs();
        const long gap = now - lastPaintMs_;
        if (playing_ && gap > hangLimitMs_) {
            // The game's thread is stuck; nothing it owns can be trusted, so leave at once.
            std::printf("HANG: no repaint for %ld ms while playing, at %ld s\n", gap, (now - startMs_) / 1000);
            std::fflush(stdout);
            std::_Exit(3);
        }
        stop_.wait_for(lock, std::chrono::milliseconds(100));
    }
}
