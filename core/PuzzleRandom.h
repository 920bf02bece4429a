// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// The generator's own random numbers: the sequence the C library's rand() gives after
// srand(seed) (GNU libc's additive feedback generator, x[i] = x[i-3] + x[i-31]), drawn from a
// state of its own. A puzzle then depends on its seed alone, whatever else the game draws,
// and a seed still makes the puzzle it made when the generator drew from rand().
class PuzzleRandom {
public:
    static constexpr int max = 2147483647;

    explicit PuzzleRandom(std::uint32_t seed = 1) { reseed(seed); }
    void reseed(std::uint32_t seed);
    // 0 .. max, like rand().
    int next();
    // next() % bound, as the generator has always taken it. bound > 0.
    int below(int bound) { return next() % bound; }

private:
    static constexpr int degree = 31;
    static constexpr int separation = 3;
    std::array<std::uint32_t, degree> state_ {};
    int front_ = separation;
    int rear_ = 0;
};
