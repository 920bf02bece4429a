// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureGenerator.h"

#include "CellState.h"
#include "DifficultyBands.h"

#include <algorithm>

namespace {

constexpr int noiseRange = 1000;
// A line all one colour is mended by flipping a cell of it; a flip can empty a crossing
// line, so the mending is repeated, a few times at most.
constexpr int mendingRounds = 4;

} // namespace

void PictureGenerator::start(int columns, int rows, std::uint32_t seed, int band)
{
    columns_ = columns;
    rows_ = rows;
    band_ = band;
    // Made for no band, it is drawn as Medium's are and kept whatever the lines finish.
    const DifficultyBand& aim = difficultyBands()[band >= 0 ? band : findBand("Medium")];
    smoothing_ = std::max(1, std::max(columns, rows) / aim.smoothingDivisor);
    mirrored_ = aim.mirrored;
    needsWhatIf_ = aim.needsWhatIf;
    random_.reseed(seed);
    candidates_ = 0;
    stage_ = Stage::Draw;
    everythingBegun_ = false;
    solution_.resize(columns, rows);
}

bool PictureGenerator::generateFor(std::chrono::nanoseconds budget)
{
    const auto start = std::chrono::steady_clock::now();
    do {
        if (step())
            return true;
    } while (std::chrono::steady_clock::now() - start < budget);
    return false;
}

bool PictureGenerator::step()
{
    switch (stage_) {
    case Stage::Draw:
        drawPicture();
        ++candidates_;
        testLines();
        return false;
    case Stage::Seven: {
        seven_.setTechniqueLimit(LineSolver::Fill);
        if (!solvesFromBlank(seven_)) {
            stage_ = Stage::Everything;
            return false;
        }
        const LogicSolver::Record& run = seven_.lastRecord();
        difficulty_ = {run.highestTechnique, run.deductions, run.sweeps};
        // The fewest techniques that finish it are no more than those the run used: a band
        // above even that is out of reach.
        limit_ = LineSolver::Boxes;
        stage_ = band_ >= 0 && bandOf(difficulty_, columns_, rows_) < band_ ? Stage::Draw : Stage::Limits;
        return false;
    }
    case Stage::Limits: {
        // Fewer techniques than limit_ have failed, so the hardest is at least limit_: a band
        // below the one that grade would fall in is out of reach.
        Difficulty fewest = difficulty_;
        fewest.hardestTechnique = limit_;
        if (limit_ >= difficulty_.hardestTechnique || (band_ >= 0 && bandOf(fewest, columns_, rows_) > band_))
            return judge();
        seven_.setTechniqueLimit(limit_);
        const bool solved = solvesFromBlank(seven_);
        seven_.setTechniqueLimit(LineSolver::Fill);
        if (solved) {
            difficulty_.hardestTechnique = limit_;
            return judge();
        }
        ++limit_;
        return false;
    }
    case Stage::Everything: {
        if (!everythingBegun_) {
            board_.resize(columns_, rows_);
            working_ = clues_;
            everything_.beginSolve(working_);
            everythingBegun_ = true;
        }
        const std::optional<bool> solved = everything_.solveStep(board_, working_);
        if (!solved)
            return false;
        everythingBegun_ = false;
        const LogicSolver::Record& run = everything_.lastRecord();
        difficulty_ = {run.highestTechnique, run.deductions, run.sweeps};
        // Where the lines stalled, logic may stall too: no puzzle then.
        if (!*solved) {
            stage_ = Stage::Draw;
            return false;
        }
        return judge();
    }
    }
    return false;
}

void PictureGenerator::drawPicture()
{
    // A mirrored picture draws its left half, the middle column included.
    const int drawn = mirrored_ ? (columns_ + 1) / 2 : columns_;
    const std::size_t cells = std::size_t(drawn) * std::size_t(rows_);
    noise_.resize(cells);
    for (int& value : noise_)
        value = random_.below(noiseRange);

    const int stride = drawn + 1;
    sums_.assign(std::size_t(stride) * std::size_t(rows_ + 1), 0);
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < drawn; ++x)
            sums_[std::size_t((y + 1) * stride + x + 1)] = noise_[std::size_t(y * drawn + x)]
                + sums_[std::size_t(y * stride + x + 1)] + sums_[std::size_t((y + 1) * stride + x)]
                - sums_[std::size_t(y * stride + x)];
    // Each cell takes the mean of the square around it, cut off at the board's edges; scaled
    // so that the means compare without fractions.
    const int reach = smoothing_;
    smooth_.resize(cells);
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < drawn; ++x) {
            const int left = std::max(0, x - reach);
            const int right = std::min(drawn, x + reach + 1);
            const int top = std::max(0, y - reach);
            const int bottom = std::min(rows_, y + reach + 1);
            const long sum = sums_[std::size_t(bottom * stride + right)] - sums_[std::size_t(top * stride + right)]
                - sums_[std::size_t(bottom * stride + left)] + sums_[std::size_t(top * stride + left)];
            smooth_[std::size_t(y * drawn + x)] = sum * 4096 / ((right - left) * (bottom - top));
        }

    sorted_ = smooth_;
    const std::size_t empty = cells / 2;
    std::nth_element(sorted_.begin(), sorted_.begin() + long(std::min(empty, cells - 1)), sorted_.end());
    const long threshold = sorted_[std::min(empty, cells - 1)];
    for (int y = 0; y < rows_; ++y)
        for (int x = 0; x < drawn; ++x) {
            const int code = smooth_[std::size_t(y * drawn + x)] >= threshold ? Filled : Crossed;
            solution_.cells[std::size_t(x)][std::size_t(y)] = code;
            if (mirrored_)
                solution_.cells[std::size_t(columns_ - 1 - x)][std::size_t(y)] = code;
        }
    breakUniformLines();
}

void PictureGenerator::breakUniformLines()
{
    const auto uniform = [&](int x0, int y0, int dx, int dy, int length) {
        const int first = solution_.cells[std::size_t(x0)][std::size_t(y0)];
        for (int i = 1; i < length; ++i)
            if (solution_.cells[std::size_t(x0 + dx * i)][std::size_t(y0 + dy * i)] != first)
                return false;
        return true;
    };
    for (int round = 0; round < mendingRounds; ++round) {
        bool mended = false;
        for (int y = 0; y < rows_; ++y)
            if (uniform(0, y, 1, 0, columns_)) {
                flip(random_.below(columns_), y);
                mended = true;
            }
        for (int x = 0; x < columns_; ++x)
            if (uniform(x, 0, 0, 1, rows_)) {
                flip(x, random_.below(rows_));
                mended = true;
            }
        if (!mended)
            return;
    }
}

void PictureGenerator::flip(int x, int y)
{
    int& cell = solution_.cells[std::size_t(x)][std::size_t(y)];
    cell = cell == Filled ? Crossed : Filled;
    if (mirrored_ && columns_ - 1 - x != x)
        solution_.cells[std::size_t(columns_ - 1 - x)][std::size_t(y)] = cell;
}

void PictureGenerator::testLines()
{
    clues_.computeFrom(solution_);
    lines_.setClues(clues_);
    cells_.assign(std::size_t(columns_) * std::size_t(rows_), 0);
    if (!lines_.propagate(cells_))
        return;
    const bool finished = std::find(cells_.begin(), cells_.end(), 0) == cells_.end();
    // Where What If is wanted, every technique takes over from where the lines stall; the
    // seven cannot finish what the lines do not, as they read no more.
    if (finished != needsWhatIf_)
        stage_ = finished ? Stage::Seven : Stage::Everything;
}

bool PictureGenerator::solvesFromBlank(LogicSolver& solver)
{
    board_.resize(columns_, rows_);
    working_ = clues_;
    return solver.solve(board_, working_);
}

bool PictureGenerator::judge()
{
    stage_ = Stage::Draw;
    return band_ < 0 || bandOf(difficulty_, columns_, rows_) == band_;
}
