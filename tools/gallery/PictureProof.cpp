// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureProof.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleLogic.h"

namespace {

int decided(const PuzzleGrid& board)
{
    int count = 0;
    for (const std::vector<int>& column : board.cells)
        for (const int cell : column)
            count += cell != Blank;
    return count;
}

} // namespace

PuzzleGrid givenBoard(const PuzzleGrid& picture, const std::vector<std::pair<int, int>>& givens)
{
    PuzzleGrid board;
    board.resize(picture.width, picture.height);
    for (const auto& [x, y] : givens)
        board.cells[std::size_t(x)][std::size_t(y)] = picture.cells[std::size_t(x)][std::size_t(y)];
    return board;
}

PictureProof provePicture(const PuzzleGrid& picture, int mostGivens)
{
    ClueSet clues;
    clues.computeFrom(picture);
    PictureProof proof;
    PuzzleLogic logic;
    for (;;) {
        PuzzleGrid board = givenBoard(picture, proof.givens);
        ClueSet working = clues;
        if (logic.solve(board, working)) {
            proof.finished = true;
            proof.technique = logic.lastRecord().highestTechnique;
            return proof;
        }
        if (int(proof.givens.size()) >= mostGivens)
            return proof;
        // Of the open cells, a sample spread over the board, the one that decides the most.
        std::vector<std::pair<int, int>> open;
        for (int x = 0; x < board.width; ++x)
            for (int y = 0; y < board.height; ++y)
                if (board.cells[std::size_t(x)][std::size_t(y)] == Blank)
                    open.emplace_back(x, y);
        if (open.empty())
            return proof;
        const std::size_t step = std::max<std::size_t>(1, open.size() / 40);
        std::pair<int, int> best = open.front();
        int bestDecided = -1;
        LogicSolver lines;
        for (std::size_t i = 0; i < open.size(); i += step) {
            const auto [x, y] = open[i];
            PuzzleGrid trial = board;
            trial.cells[std::size_t(x)][std::size_t(y)] = picture.cells[std::size_t(x)][std::size_t(y)];
            ClueSet trialClues = clues;
            lines.solve(trial, trialClues);
            if (const int count = decided(trial); count > bestDecided) {
                bestDecided = count;
                best = open[i];
            }
        }
        proof.givens.push_back(best);
    }
}
