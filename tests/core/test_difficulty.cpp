#include "GeneratedPuzzle.h"
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "Difficulty.h"
#include "LineSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <cstdlib>

namespace {

// Sweeps with the techniques 1..highest only, cell by cell, until nothing changes; whether
// every line then matches. Written out apart from LogicSolver on purpose.
bool solvesWith(int highest, const ClueSet& puzzle)
{
    ClueSet clues = puzzle;
    PuzzleGrid board;
    board.resize(int(clues.columnClues.size()), int(clues.rowClues.size()));
    LineSolver techniques;
    for (bool progress = true; progress;) {
        clues.updateSatisfied(board);
        progress = false;
        for (int x = 0; x < board.width; ++x) {
            std::vector<int> line = board.column(x);
            for (int t = LineSolver::Boxes; t <= highest; ++t)
                progress |= techniques.apply(t, line, clues.columnClues[x], Filled, Crossed);
            board.setColumn(x, line);
        }
        for (int y = 0; y < board.height; ++y) {
            std::vector<int> line = board.row(y);
            for (int t = LineSolver::Boxes; t <= highest; ++t)
                progress |= techniques.apply(t, line, clues.rowClues[y], Filled, Crossed);
            board.setRow(y, line);
        }
    }
    return clues.allSatisfied();
}


} // namespace

class DifficultyTest : public QObject {
    Q_OBJECT

private slots:
    void gradeNamesTheFewestTechniquesThatSolve()
    {
        // Every grade on the way should turn up, or the search is not really searching.
        QSet<int> grades;
        for (const auto& size : {std::pair(5, 5), {10, 10}, {15, 15}, {20, 15}}) {
            for (unsigned seed = 1; seed <= 15; ++seed) {
                const ClueSet clues = GeneratedPuzzle(seed, size.first, size.second).clues;
                const Difficulty difficulty = gradePuzzle(clues);
                const int hardest = difficulty.hardestTechnique;
                QVERIFY(hardest >= LineSolver::Boxes && hardest <= LineSolver::Fill);
                QVERIFY(solvesWith(hardest, clues));
                QVERIFY(hardest == LineSolver::Boxes || !solvesWith(hardest - 1, clues));
                QVERIFY(difficulty.deductions > 0 && difficulty.sweeps > 0);
                grades << hardest;

                // Signs say only which lines matched on some board: the grade is the same.
                ClueSet flagged = clues;
                for (auto& list : flagged.rowClues)
                    for (int& value : list)
                        value = -std::abs(value);
                QVERIFY(gradePuzzle(flagged) == difficulty);
            }
        }
        QVERIFY(grades.size() >= 4);
    }

    void pinnedPuzzlesKeepTheirGrade()
    {
        struct Pinned {
            std::vector<const char*> picture;
            int hardest, deductions, sweeps;
        };
        const Pinned pinned[] = {
            // A line is done when its runs match, crossed or not: Boxes fills the top row, and
            // the Complete that crosses the other two is not needed.
            {{"111", "222", "222"}, LineSolver::Boxes, 3, 1},
            // Nothing places the lone cell until Complete crosses the empty column beside it.
            {{"12", "22"}, LineSolver::Complete, 3, 1},
            // The 5x5 puzzle of seed 1 (tessarin-puzzle generate 5x5 1): its run uses Gap, but
            // Boxes and Complete alone finish it.
            {{"22212", "21112", "21112", "22112", "22111"}, LineSolver::Complete, 14, 3},
            // Either diagonal fits: nothing is deduced and nothing solves it.
            {{"12", "21"}, LineSolver::None, 0, 0},
        };
        for (const Pinned& puzzle : pinned) {
            ClueSet clues;
            clues.computeFrom(boardOf(puzzle.picture));
            const Difficulty grade = gradePuzzle(clues);
            QCOMPARE(QVector<int>({grade.hardestTechnique, grade.deductions, grade.sweeps}),
                QVector<int>({puzzle.hardest, puzzle.deductions, puzzle.sweeps}));
        }
    }
};

QTEST_APPLESS_MAIN(DifficultyTest)
#include "test_difficulty.moc"
