#include "LineNotation.h"

#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "PuzzleReserve.h"

#include <QtTest>

#include <chrono>
#include <cstdlib>

namespace {

using std::chrono::milliseconds;

// Works the reserve with whole tick budgets until a puzzle of that size is ready; false if it
// takes unreasonably long.
bool fill(PuzzleReserve& reserve, int columns, int rows)
{
    for (int tick = 0; tick < 100000 && !reserve.readyFor(columns, rows); ++tick)
        reserve.work(PuzzleReserve::tickBudget);
    return reserve.readyFor(columns, rows);
}

// Whether the next value of rand() is the first one after srand(seed): nothing was drawn
// since the seed was set.
bool nothingDrawnSince(unsigned seed)
{
    const int next = std::rand();
    std::srand(seed);
    return next == std::rand();
}

QStringList absoluteClues(const std::vector<std::vector<int>>& lists)
{
    QStringList text;
    for (std::vector<int> list : lists) {
        for (int& value : list)
            value = std::abs(value);
        text << digitsOf(list);
    }
    return text;
}

} // namespace

class PuzzleReserveTest : public QObject {
    Q_OBJECT

private slots:
    void makesThePuzzleTheGeneratorMakes()
    {
        // Same seed, same steps, same acceptance: the generator's own puzzle.
        for (const unsigned seed : {3u, 8u}) {
            std::srand(seed);
            PuzzleGrid board, expected;
            ClueSet expectedClues;
            PuzzleGenerator generator;
            generator.startGeneration(board, expectedClues, 15, 10);
            while (!generator.generationStep(board, expected, expectedClues)) { }

            std::srand(seed);
            PuzzleReserve reserve;
            reserve.aimAt(15, 10);
            QVERIFY(fill(reserve, 15, 10));
            PuzzleGrid solution;
            ClueSet clues;
            QVERIFY(reserve.take(15, 10, solution, clues));
            QCOMPARE(rowsOf(solution), rowsOf(expected));
            QCOMPARE(absoluteClues(clues.columnClues), absoluteClues(expectedClues.columnClues));
            QCOMPARE(absoluteClues(clues.rowClues), absoluteClues(expectedClues.rowClues));

            // The clues are the solution's, and a solve from a blank board finds it again.
            ClueSet fromSolution;
            fromSolution.computeFrom(solution);
            QCOMPARE(absoluteClues(clues.rowClues), absoluteClues(fromSolution.rowClues));
            PuzzleGrid blank;
            blank.resize(15, 10);
            LogicSolver solver;
            QVERIFY(solver.solve(blank, clues));
            QCOMPARE(rowsOf(blank), rowsOf(solution));
        }
    }

    void handsOverOnlyTheSizeAsked()
    {
        std::srand(5);
        PuzzleReserve reserve;
        reserve.aimAt(10, 10);
        QVERIFY(fill(reserve, 10, 10));
        QVERIFY(!reserve.readyFor(10, 5) && !reserve.readyFor(5, 10));

        // Another size changes nothing, on either side.
        PuzzleGrid solution;
        solution.resize(10, 5);
        ClueSet clues;
        clues.columnClues = {{7}};
        QVERIFY(!reserve.take(10, 5, solution, clues));
        QCOMPARE(solution.width, 10);
        QCOMPARE(solution.height, 5);
        QCOMPARE(clues.columnClues, std::vector<std::vector<int>>({{7}}));
        QVERIFY(reserve.readyFor(10, 10));

        // Aiming again at the same size keeps the puzzle; taking it empties the reserve.
        reserve.aimAt(10, 10);
        QVERIFY(reserve.take(10, 10, solution, clues));
        QCOMPARE(solution.width, 10);
        QCOMPARE(solution.height, 10);
        QVERIFY(!reserve.readyFor(10, 10));
        QVERIFY(!reserve.take(10, 10, solution, clues));

        // The next puzzle is a new one.
        const QStringList first = rowsOf(solution);
        QVERIFY(fill(reserve, 10, 10));
        QVERIFY(reserve.take(10, 10, solution, clues));
        QVERIFY(rowsOf(solution) != first);
    }

    void anotherSizeDropsThePuzzle()
    {
        std::srand(6);
        PuzzleReserve reserve;
        reserve.aimAt(5, 5);
        QVERIFY(fill(reserve, 5, 5));
        reserve.aimAt(10, 5);
        QVERIFY(!reserve.readyFor(5, 5) && !reserve.readyFor(10, 5));
        // Not kept aside either: coming back to the first size starts over.
        reserve.aimAt(5, 5);
        QVERIFY(!reserve.readyFor(5, 5));
        QVERIFY(fill(reserve, 5, 5));
        reserve.drop();
        QVERIFY(!reserve.readyFor(5, 5));
    }

    void idleReserveCostsNothing()
    {
        // Not aimed yet, a budget too short for a step, and a puzzle ready: no step is taken,
        // so no random number is drawn and no time is spent.
        PuzzleReserve reserve;
        std::srand(21);
        reserve.work(milliseconds(5));
        QVERIFY(nothingDrawnSince(21));
        QCOMPARE(reserve.busyTime().count(), 0);

        reserve.aimAt(20, 15);
        std::srand(22);
        reserve.work(PuzzleReserve::stepAllowance);
        QVERIFY(nothingDrawnSince(22));
        QCOMPARE(reserve.busyTime().count(), 0);

        QVERIFY(fill(reserve, 20, 15));
        const auto busy = reserve.busyTime();
        QVERIFY(busy.count() > 0);
        std::srand(23);
        for (int tick = 0; tick < 100; ++tick)
            reserve.work(PuzzleReserve::tickBudget);
        QVERIFY(nothingDrawnSince(23));
        QCOMPARE(reserve.busyTime(), busy);
    }
};

QTEST_APPLESS_MAIN(PuzzleReserveTest)
#include "test_puzzle_reserve.moc"
