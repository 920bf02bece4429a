// SPDX-License-Identifier: GPL-3.0-or-later
// How long the designer's verdict keeps the player waiting on 30x30 pictures, advanced in
// 5 ms slices as the game's 10 ms tick leaves room for. First a picture logic finishes (one the
// large sizes' generator accepts) with single cells changed, as a stroke of one cell changes
// it, each changed back before the next: the time until the verdict is known and until the
// suggestion is too, and what the changed pictures were judged. Then noise pictures half
// filled, which logic seldom finishes: the time to the first answer (the lines' standstill), to
// the verdict and to the suggestion. Both give the longest single slice, which must stay near
// 5 ms, or a tick overruns. Run it on an otherwise idle machine: the times are the clock's.
//
// usage: design_bench [CELLS [PICTURES]]   (default 200 cells and 10 noise pictures)
#include "CellState.h"
#include "Design.h"
#include "DesignVerdict.h"
#include "PictureGenerator.h"
#include "PuzzleGrid.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <map>
#include <numeric>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Finding = DesignVerdict::Finding;

constexpr int side = 30;
constexpr auto slice = std::chrono::milliseconds(5);

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(fraction * double(values.size() - 1) + 0.5))];
}

const char* findingName(Finding finding)
{
    switch (finding) {
    case Finding::Working: return "Working";
    case Finding::Empty: return "Empty";
    case Finding::Logic: return "Logic";
    case Finding::Searching: return "Searching";
    case Finding::Guess: return "Guess";
    case Finding::Several: return "Several";
    case Finding::Unknown: return "Unknown";
    }
    return "?";
}

// One verdict, from start() until everything is known, in milliseconds from the start.
struct Timing {
    double firstAnswer = 0; // the finding is no longer Working
    double judged = 0;
    double done = 0;
    double longestSlice = 0;
    Finding finding = Finding::Working;
};

Timing timeVerdict(DesignVerdict& verdict, const Design& design)
{
    Timing timing;
    const Clock::time_point started = Clock::now();
    verdict.start(design);
    bool answered = false;
    bool judged = false;
    for (;;) {
        const Clock::time_point sliceStarted = Clock::now();
        const bool done = verdict.advance(sliceStarted + slice);
        const Clock::time_point now = Clock::now();
        timing.longestSlice = std::max(timing.longestSlice, millisecondsBetween(sliceStarted, now));
        if (!answered && verdict.finding() != Finding::Working) {
            answered = true;
            timing.firstAnswer = millisecondsBetween(started, now);
        }
        if (!judged && verdict.judged()) {
            judged = true;
            timing.judged = millisecondsBetween(started, now);
        }
        if (done) {
            timing.done = millisecondsBetween(started, now);
            break;
        }
    }
    timing.finding = verdict.finding();
    return timing;
}

// A picture the large sizes' generator accepts, for any band, that the verdict calls Logic.
Design logicPicture(DesignVerdict& verdict)
{
    for (std::uint32_t seed = 1;; ++seed) {
        PictureGenerator generator;
        generator.start(side, side, seed, -1);
        while (!generator.generateFor(std::chrono::milliseconds(50))) { }
        const Design design = Design::of(generator.solution());
        if (timeVerdict(verdict, design).finding == Finding::Logic)
            return design;
    }
}

void printSpread(const char* what, const std::vector<double>& values)
{
    std::cout << "  " << std::left << std::setw(15) << what << std::right << std::fixed << std::setprecision(2)
              << " median " << std::setw(9) << percentile(values, 0.5) << " ms   p90 " << std::setw(9)
              << percentile(values, 0.9) << " ms   max " << std::setw(9) << percentile(values, 1.0) << " ms"
              << std::endl;
}

// The timings of many verdicts.
struct Tally {
    std::vector<double> answers, judged, done;
    double longestSlice = 0;
    std::map<Finding, int> findings;

    void add(const Timing& timing)
    {
        answers.push_back(timing.firstAnswer);
        judged.push_back(timing.judged);
        done.push_back(timing.done);
        longestSlice = std::max(longestSlice, timing.longestSlice);
        ++findings[timing.finding];
    }

    void print() const
    {
        printSpread("to an answer", answers);
        printSpread("to the verdict", judged);
        printSpread("to the end", done);
        std::cout << "  judged";
        for (const Finding finding : {Finding::Logic, Finding::Guess, Finding::Several, Finding::Unknown})
            std::cout << ' ' << findingName(finding) << ' ' << (findings.count(finding) ? findings.at(finding) : 0);
        std::cout << std::endl;
        std::cout << "  longest slice " << std::fixed << std::setprecision(2) << longestSlice << " ms" << std::endl;
    }
};

void changedCells(int cells, std::mt19937& random)
{
    DesignVerdict verdict;
    Design design = logicPicture(verdict);
    std::vector<int> order(std::size_t(side) * side);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    order.resize(std::min(order.size(), std::size_t(cells)));
    std::cout << side << 'x' << side << " picture logic finishes, " << order.size() << " cells changed one at a time"
              << std::endl;
    Tally tally;
    for (const int at : order) {
        const int x = at % side;
        const int y = at / side;
        design.set(x, y, !design.filled(x, y));
        tally.add(timeVerdict(verdict, design));
        design.set(x, y, !design.filled(x, y));
    }
    tally.print();
}

void noisePictures(int pictures, std::mt19937& random)
{
    std::cout << side << 'x' << side << " noise pictures half filled" << std::endl;
    DesignVerdict verdict;
    Tally tally;
    for (int picture = 0; picture < pictures; ++picture) {
        Design design = Design::blank(side, side);
        for (unsigned char& cell : design.cells)
            cell = static_cast<unsigned char>(random() % 2);
        const Timing timing = timeVerdict(verdict, design);
        tally.add(timing);
        // A search can take its ten seconds: each picture as it is judged.
        std::cout << "  picture " << std::setw(3) << picture + 1 << ' ' << std::left << std::setw(8)
                  << findingName(timing.finding) << std::right << std::fixed << std::setprecision(2) << " answer "
                  << std::setw(8) << timing.firstAnswer << " ms   verdict " << std::setw(9) << timing.judged
                  << " ms   end " << std::setw(9) << timing.done << " ms   longest slice " << std::setw(6)
                  << timing.longestSlice << " ms" << std::endl;
    }
    tally.print();
}

} // namespace

int main(int argc, char** argv)
{
    const int cells = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int pictures = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    std::mt19937 random(2026);
    changedCells(cells, random);
    noisePictures(pictures, random);
    return 0;
}
