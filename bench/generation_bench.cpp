// SPDX-License-Identifier: GPL-3.0-or-later
// How long puzzle creation takes, size by size: steps to acceptance, solver tests per
// puzzle, the cost of one hill-climb step and one test step (each must fit well inside the
// game's 10 ms tick), the cost of one solve of an accepted 20x15 puzzle, the player's wait
// from New Game to a playable board when each tick runs steps for its work budget, and the
// same wait when the next puzzle is made ahead in the spare time of play; then every size at
// every difficulty it makes.
//
// usage: generation_bench [SEEDS]   (default 200 seeds per size)
#include "ClueSet.h"
#include "Difficulty.h"
#include "DifficultyBands.h"
#include "LogicSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "PuzzleMaker.h"
#include "PuzzleReserve.h"
#include "PuzzleSizes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The processor time this thread has used: unlike the clock on the wall, it does not grow
// while other programs have the processor.
double threadMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

template <typename T>
T percentile(std::vector<T> values, double fraction)
{
    if (values.empty())
        return T();
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(fraction * (values.size() - 1) + 0.5));
    return values[index];
}

template <typename T>
T maximum(const std::vector<T>& values)
{
    return values.empty() ? T() : *std::max_element(values.begin(), values.end());
}

// The boards of one generator, started afresh for each seed.
struct Generation {
    PuzzleGrid board;
    PuzzleGrid solution;
    ClueSet clues;
    PuzzleGenerator generator;

    void start(int seed, const int size[2])
    {
        generator.startGeneration(board, clues, size[0], size[1], static_cast<std::uint32_t>(seed));
    }
};

struct Puzzle {
    PuzzleGrid solution;
    ClueSet clues;
};

// Each puzzle once per round, one after the other, as the game meets them: a puzzle solved
// again and again in a row would find the branch predictor and the caches trained on it.
// The figure is the mean over a round, the median of the rounds.
double distinctSolveMicroseconds(const std::vector<Puzzle>& puzzles)
{
    LogicSolver solver;
    PuzzleGrid board;
    std::vector<ClueSet> clues(puzzles.size());
    std::vector<double> rounds;
    for (int round = 0; round < 9; ++round) {
        for (size_t i = 0; i < puzzles.size(); ++i)
            clues[i] = puzzles[i].clues;
        double total = 0;
        for (size_t i = 0; i < puzzles.size(); ++i) {
            board.resize(puzzles[i].solution.width, puzzles[i].solution.height);
            const auto start = Clock::now();
            const bool solved = solver.solve(board, clues[i]);
            total += microsecondsSince(start);
            if (!solved) {
                std::fprintf(stderr, "an accepted puzzle failed to solve\n");
                std::exit(1);
            }
        }
        rounds.push_back(total / double(puzzles.size()));
    }
    return percentile(rounds, 0.5);
}

// Ticks come every 10 ms and each spends up to the tick budget on whole steps, so the wait
// is 10 ms for every tick before the last plus the last tick's work (the first tick comes
// within 10 ms of the command, not counted here).
template <typename Sizes>
void reportWaits(const Sizes& sizes, int seeds)
{
    std::printf("\nwait from New Game to play, %lld ms of steps per 10 ms tick\n",
        static_cast<long long>(PuzzleGenerator::tickBudget.count()));
    std::printf("%-6s | %-19s | %-26s\n", "size", "ticks med/p99/max", "milliseconds med/p99/max");
    for (const auto& size : sizes) {
        std::vector<int> ticks;
        std::vector<double> waits;
        Generation g;
        for (int seed = 1; seed <= seeds; ++seed) {
            g.start(seed, size);
            int tickCount = 0;
            double lastTick = 0.0;
            for (bool accepted = false; !accepted; ++tickCount) {
                const auto start = Clock::now();
                accepted = g.generator.generateFor(g.board, g.solution, g.clues, PuzzleGenerator::tickBudget);
                lastTick = microsecondsSince(start) / 1000.0;
            }
            ticks.push_back(tickCount);
            waits.push_back((tickCount - 1) * 10.0 + lastTick);
        }
        std::printf("%2dx%-3d | %5d %5d %7d | %8.1f %8.1f %8.1f\n", size[0], size[1], percentile(ticks, 0.5),
            percentile(ticks, 0.99), maximum(ticks), percentile(waits, 0.5), percentile(waits, 0.99), maximum(waits));
    }
}

// Play simulated tick by tick, as the game runs it. A New Game takes the reserve when it
// holds a puzzle of the size (the next tick starts it) and otherwise creates one as above.
// Then the player plays for 20 to 120 s at random, and every tick of play gives the reserve
// its budget, until the next New Game. The New Game at start-up, with no play before it, is
// left out of the figures.
template <typename Sizes>
void reportReadyWaits(const Sizes& sizes, int games)
{
    std::printf("\nwait with a ready puzzle: New Game after 20 to 120 s of play, the reserve given %lld ms of each "
                "10 ms tick of play;\nreserved: the New Games that found a puzzle of their size ready\n",
        static_cast<long long>(PuzzleReserve::tickBudget.count()));
    std::vector<std::string> costs;
    std::mt19937 playTime(2024);
    std::uniform_int_distribution<int> playTicks(2000, 12000);
    for (const auto& size : sizes) {
        std::srand(static_cast<unsigned>(size[0] * 100 + size[1]));
        PuzzleReserve reserve;
        reserve.aimAt(size[0], size[1]);
        PuzzleMaker maker;
        int reserved = 0;
        std::vector<int> ticks;
        std::vector<double> waits;
        std::vector<int> workTicks;
        std::vector<double> workPerGame;
        std::vector<double> grading;
        std::vector<double> tickWork;
        std::vector<double> tickCpu;
        for (int game = 0; game <= games; ++game) {
            // New Game, then ticks until the puzzle can be played.
            int tickCount = 0;
            double lastTick = 0.0;
            const auto handOver = Clock::now();
            if (reserve.take(size[0], size[1], -1, maker)) {
                tickCount = 1;
                lastTick = microsecondsSince(handOver) / 1000.0;
                reserved += game > 0;
            } else {
                maker.start(size[0], size[1], -1, static_cast<std::uint32_t>(std::rand()), false, false);
                for (bool accepted = false; !accepted; ++tickCount) {
                    const auto start = Clock::now();
                    accepted = maker.makeFor(PuzzleGenerator::tickBudget);
                    lastTick = microsecondsSince(start) / 1000.0;
                }
            }
            const auto gradeStart = Clock::now();
            gradePuzzle(maker.clues());
            grading.push_back(microsecondsSince(gradeStart));
            if (game > 0) {
                ticks.push_back(tickCount);
                waits.push_back((tickCount - 1) * 10.0 + lastTick);
            }
            if (game == games)
                break;

            // Play: the reserve works until its puzzle is ready; from then on a tick costs it
            // nothing (measured below).
            const auto busyBefore = reserve.busyTime();
            int working = 0;
            for (int tick = playTicks(playTime); tick > 0 && !reserve.readyFor(size[0], size[1]); --tick) {
                const auto start = Clock::now();
                const double startCpu = threadMilliseconds();
                reserve.work(PuzzleReserve::tickBudget);
                tickWork.push_back(microsecondsSince(start) / 1000.0);
                tickCpu.push_back(threadMilliseconds() - startCpu);
                ++working;
            }
            workTicks.push_back(working);
            workPerGame.push_back(std::chrono::duration<double, std::milli>(reserve.busyTime() - busyBefore).count());
        }
        if (costs.empty())
            std::printf(
                "%-6s | %-8s | %-17s | %-24s\n", "size", "reserved", "ticks med/p99/max", "milliseconds med/p99/max");
        std::printf("%2dx%-3d | %7.1f%% | %5d %5d %5d | %7.2f %7.2f %8.2f\n", size[0], size[1],
            100.0 * reserved / games, percentile(ticks, 0.5), percentile(ticks, 0.99), maximum(ticks),
            percentile(waits, 0.5), percentile(waits, 0.99), maximum(waits));
        char line[200];
        std::snprintf(line, sizeof line,
            "%2dx%-3d | %5d %5d | %6.1f %6.1f | %5.2f %6.2f %7.2f | %5.2f %5.2f %5.2f | %5.0f\n", size[0], size[1],
            percentile(workTicks, 0.5), maximum(workTicks), percentile(workPerGame, 0.5), maximum(workPerGame),
            percentile(tickWork, 0.5), percentile(tickWork, 0.99), maximum(tickWork), percentile(tickCpu, 0.5),
            percentile(tickCpu, 0.99), maximum(tickCpu), percentile(grading, 0.5));
        costs.push_back(line);
    }
    std::printf("\nwhat the reserve costs while playing: ticks that worked on it and their milliseconds per game "
                "(med/max),\nwhat it took in one such tick on the clock and in processor time (med/p99/max), and "
                "the median cost of grading a puzzle as a game starts\n");
    std::printf("%-6s | %-11s | %-13s | %-21s | %-17s | %s\n", "size", "ticks", "ms per game", "tick ms, clock",
        "tick ms, cpu", "grading us");
    for (const std::string& line : costs)
        std::printf("%s", line.c_str());

    // A tick of play once the puzzle is ready.
    PuzzleReserve reserve;
    reserve.aimAt(20, 15);
    while (!reserve.readyFor(20, 15))
        reserve.work(PuzzleReserve::tickBudget);
    const int calls = 1000000;
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        reserve.work(PuzzleReserve::tickBudget);
    std::printf(
        "a tick of play with the puzzle ready costs the reserve %.1f ns\n", microsecondsSince(start) * 1000.0 / calls);
}

// Every size at every band it makes, and at none: what a puzzle costs when made for it (the
// candidates tried: the large sizes' pictures, the six sizes' seeds), the longest single step
// (what one tick can be held up by), and the reserve's time to have the next one ready at
// its 2 ms of each 10 ms tick of play, which is the player's wait at New Game after a
// shorter game than that.
void reportBands(int seeds)
{
    std::printf("\nevery size and difficulty, %d seeds each: candidates per puzzle, processor time per puzzle and the "
                "longest step (ms),\nand the play the reserve needs to have the next one ready (s, med/max)\n",
        seeds);
    std::printf("%-6s %-9s | %-15s | %-24s | %-13s | %s\n", "size", "band", "cand. med/max", "cpu ms med/p99/max",
        "step ms max", "reserve s med/max");
    for (int index = 0; index < puzzleSizeCount; ++index) {
        const PuzzleSize& size = puzzleSizes[index];
        for (int band = -1; band < difficultyBandCount; ++band) {
            if (band >= 0 && bandOutOfReach(index, band) != BandReach::Made)
                continue;
            std::vector<int> candidates;
            std::vector<double> cpu;
            std::vector<double> steps;
            std::vector<double> reserveSeconds;
            PuzzleMaker maker;
            for (int seed = 1; seed <= seeds; ++seed) {
                const double start = threadMilliseconds();
                // Seeds far apart: a search from each of 1, 2, 3... would mostly end at the same
                // seeds.
                maker.start(
                    size.columns, size.rows, band, static_cast<std::uint32_t>(seed) * 2654435761u, size.pictures, true);
                double longest = 0;
                for (bool made = false; !made;) {
                    const double stepStart = threadMilliseconds();
                    // One step at a time: a nanosecond's budget ends after the first.
                    made = maker.makeFor(std::chrono::nanoseconds(1));
                    longest = std::max(longest, threadMilliseconds() - stepStart);
                }
                cpu.push_back(threadMilliseconds() - start);
                candidates.push_back(maker.candidates());
                steps.push_back(longest);
            }
            // The reserve as play gives it time: ticks of 10 ms, 2 ms of work in each.
            std::srand(static_cast<unsigned>(index * 10 + band + 1));
            PuzzleReserve reserve;
            for (int game = 0; game < std::min(seeds, 50); ++game) {
                reserve.aimAt(size.columns, size.rows, band, size.pictures);
                int ticks = 0;
                for (; !reserve.readyFor(size.columns, size.rows, band); ++ticks)
                    reserve.work(PuzzleReserve::tickBudget);
                reserveSeconds.push_back(ticks * 0.01);
                reserve.take(size.columns, size.rows, band, maker);
            }
            std::printf("%-6s %-9s | %6d %7d | %7.2f %7.2f %8.2f | %12.2f | %6.2f %7.2f\n", size.label,
                band >= 0 ? difficultyBands()[band].key : "Any", percentile(candidates, 0.5), maximum(candidates),
                percentile(cpu, 0.5), percentile(cpu, 0.99), maximum(cpu), maximum(steps),
                percentile(reserveSeconds, 0.5), maximum(reserveSeconds));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int sizes[][2] = {{5, 5}, {10, 5}, {10, 10}, {15, 10}, {15, 15}, {20, 15}};

    std::printf("%d seeds per size; times in microseconds\n\n", seeds);
    std::printf("%-6s | %-20s | %-17s | %-18s | %-18s\n", "size", "steps med/p90/max", "tests med/p90/max",
        "climb step med/max", "test step med/max");
    std::vector<Puzzle> largest;
    for (const auto& size : sizes) {
        std::vector<int> steps;
        std::vector<int> tests;
        std::vector<double> climbTimes;
        std::vector<double> testTimes;
        Generation g;
        for (int seed = 1; seed <= seeds; ++seed) {
            g.start(seed, size);
            int stepCount = 0;
            int testCount = 0;
            for (bool accepted = false; !accepted;) {
                const bool testing = g.generator.nextStepTests();
                const auto start = Clock::now();
                accepted = g.generator.generationStep(g.board, g.solution, g.clues);
                (testing ? testTimes : climbTimes).push_back(microsecondsSince(start));
                ++stepCount;
                testCount += testing;
            }
            steps.push_back(stepCount);
            tests.push_back(testCount);
            if (size[0] == 20)
                largest.push_back({g.solution, g.clues});
        }
        std::printf("%2dx%-3d | %5d %6d %7d | %4d %5d %6d | %8.1f %9.1f | %8.1f %9.1f\n", size[0], size[1],
            percentile(steps, 0.5), percentile(steps, 0.9), maximum(steps), percentile(tests, 0.5),
            percentile(tests, 0.9), maximum(tests), percentile(climbTimes, 0.5), maximum(climbTimes),
            percentile(testTimes, 0.5), maximum(testTimes));
    }
    std::printf("\nsolve of an accepted 20x15 puzzle from a blank board: %.1f us, the mean over %zu distinct puzzles\n",
        distinctSolveMicroseconds(largest), largest.size());
    reportWaits(sizes, seeds);
    reportReadyWaits(sizes, seeds);
    reportBands(seeds);
    return 0;
}
