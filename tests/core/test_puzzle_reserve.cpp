#include "LineNotation.h"

#include "ClueSet.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "PuzzleReserve.h"

#include <QtTest>

#include <cstdlib>

namespace {

// Works the reserve with whole tick budgets until a puzzle of that size is ready.
bool fill(PuzzleReserve& reserve, int columns, int rows)
{
    for (int tick = 0; tick < 100000 && !reserve.readyFor(columns, rows); ++tick)
        reserve.work(PuzzleReserve::tickBudget);
    return reserve.readyFor(columns, rows);
}

// Whether rand() is where srand(seed) left it: nothing was drawn since.
bool nothingDrawnSince(unsigned seed)
{
    const int next = std::rand();
    std::srand(seed);
    return next == std::rand();
}

} // namespace

class PuzzleReserveTest : public QObject {
    Q_OBJECT

private slots:
    void makesThePuzzleTheGeneratorMakes()
    {
        std::srand(3);
        PuzzleGrid board, expected;
        ClueSet expectedClues;
        PuzzleGenerator generator;
        generator.startGeneration(board, expectedClues, 15, 10);
        while (!generator.generationStep(board, expected, expectedClues)) { }

        std::srand(3);
        PuzzleReserve reserve;
        reserve.aimAt(15, 10);
        QVERIFY(fill(reserve, 15, 10));
        PuzzleGrid solution;
        ClueSet clues;
        QVERIFY(reserve.take(15, 10, solution, clues));
        QCOMPARE(rowsOf(solution), rowsOf(expected));
        QCOMPARE(clues.rowClues, expectedClues.rowClues);
        QCOMPARE(clues.columnClues, expectedClues.columnClues);
    }

    void handsOverOnlyTheSizeAimedAt()
    {
        std::srand(5);
        PuzzleReserve reserve;
        reserve.aimAt(10, 10);
        QVERIFY(fill(reserve, 10, 10));
        PuzzleGrid solution;
        solution.resize(10, 5);
        ClueSet clues;
        clues.columnClues = {{7}};
        QVERIFY(!reserve.take(10, 5, solution, clues));
        QCOMPARE(solution.height, 5);
        QCOMPARE(clues.columnClues, std::vector<std::vector<int>>({{7}}));

        // Aiming at the same size keeps the puzzle; taking it empties the reserve, and the
        // next one is new.
        reserve.aimAt(10, 10);
        QVERIFY(reserve.take(10, 10, solution, clues));
        QCOMPARE(solution.height, 10);
        QVERIFY(!reserve.take(10, 10, solution, clues));
        const QStringList first = rowsOf(solution);
        QVERIFY(fill(reserve, 10, 10));
        QVERIFY(reserve.take(10, 10, solution, clues) && rowsOf(solution) != first);

        // Another size drops the puzzle, and coming back does not bring it back.
        QVERIFY(fill(reserve, 10, 10));
        reserve.aimAt(5, 5);
        reserve.aimAt(10, 10);
        QVERIFY(!reserve.readyFor(10, 10));
    }

    void idleReserveCostsNothing()
    {
        // Not aimed yet, a budget too short for a step, or a puzzle ready: no step, so no
        // random number drawn and no time spent.
        PuzzleReserve reserve;
        std::srand(21);
        reserve.work(PuzzleReserve::tickBudget);
        QVERIFY(nothingDrawnSince(21));
        reserve.aimAt(20, 15);
        std::srand(22);
        reserve.work(PuzzleReserve::stepAllowance);
        QVERIFY(nothingDrawnSince(22));
        QCOMPARE(reserve.busyTime().count(), 0);

        QVERIFY(fill(reserve, 20, 15));
        const auto busy = reserve.busyTime();
        std::srand(23);
        for (int tick = 0; tick < 100; ++tick)
            reserve.work(PuzzleReserve::tickBudget);
        QVERIFY(nothingDrawnSince(23));
        QCOMPARE(reserve.busyTime(), busy);
    }
};

QTEST_APPLESS_MAIN(PuzzleReserveTest)
#include "test_puzzle_reserve.moc"
