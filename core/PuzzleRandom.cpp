// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleRandom.h"

void PuzzleRandom::reseed(std::uint32_t seed)
{
    // The library seeds its table with the minimal standard generator (16807 x mod 2^31 - 1,
    // by Schrage's method on signed 32-bit words), then discards ten rounds of the table.
    std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1 : seed);
    state_[0] = static_cast<std::uint32_t>(word);
    for (int i = 1; i < degree; ++i) {
        const std::int32_t hi = word / 127773;
        const std::int32_t lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0)
            word += 2147483647;
        state_[i] = static_cast<std::uint32_t>(word);
    }
    front_ = separation;
    rear_ = 0;
    for (int i = 0; i < 10 * degree; ++i)
        next();
}

int PuzzleRandom::next()
{
    state_[front_] += state_[rear_];
    const int result = static_cast<int>(state_[front_] >> 1);
    front_ = (front_ + 1) % degree;
    rear_ = (rear_ + 1) % degree;
    return result;
}
