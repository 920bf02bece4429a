// SPDX-License-Identifier: GPL-3.0-or-later
// The generator, the puzzles its seeds give, and the reserve that makes the next one ahead.
#include "GeneratedPuzzle.h"
#include "LineNotation.h"

#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "PuzzleReserve.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <tuple>

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

class PuzzleGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void scoreMeasuresDistanceFromTargetDensities()
    {
        // 5 x 5, 12 filled cells, 16 clue numbers: |16/25 - 0.33| + |12/25 - 0.5| = 0.33.
        ClueSet clues;
        clues.columnClues = {{3}, {3}, {2}, {2}, {2}};
        clues.rowClues = {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1, 1}};
        QVERIFY(PuzzleGenerator::scorePuzzle(clues) == 0.33f);
        // 20 x 15, 60 numbers, 140 filled cells: 0.13 + 0.0333... Worked out in float it lands
        // one step higher, at 0.16333334f, which would change tie-breaks.
        clues.columnClues.assign(20, {7});
        clues.rowClues.assign(15, {3, 1});
        std::fill_n(clues.rowClues.begin(), 10, std::vector<int> {1, 2, 1});
        QVERIFY(PuzzleGenerator::scorePuzzle(clues) == 0.16333333f);
    }

    void seedsGiveTheSamePuzzles()
    {
        // Rows of '#' and '.' joined by '/', as the puzzle tool prints them.
        const std::tuple<unsigned, int, int, const char*> pinned[] = {
            {1, 5, 5, "...#./.###./.###./..##./..###"},
            {5, 10, 5, ".##.###.../.####..#../#####.#.../####.###../..##......"},
            // Two pictures tested and rejected before this one.
            {4, 15, 10,
                "..####.#..#..##/#.####.##.###../..##.#########./.####.########./..####.########/...#......#####/"
                ".....##...###.#/....#####....../.....##......../.#........##..."},
            {42, 10, 10,
                "........##/.........#/..##..#..#/...#.#####/##.###..##/#######.##/###......#/###....###/....######/"
                ".....#####"},
            {2026, 20, 15,
                "...#..#..#...#..#.##/##.#....##...#..#.##/..##.##.....###.#.../..##.###....##..##.#/"
                "...#.#######.###.###/...###.#####.###..##/.#.....#..#..##...#./.#######..##..###.#./"
                "######.####.##.##.#./.#.###..####...##.#./##.###.#####..#.###./###.##########...##./"
                "##..#.#...#...##...#/....#.#.......##...#/............#......#"},
        };
        for (const auto& [seed, columns, rows, picture] : pinned) {
            const GeneratedPuzzle puzzle(seed, columns, rows);
            QCOMPARE(rowsOf(puzzle.solution).join('/').replace('1', '#').replace('2', '.'), QString(picture));
        }
        // The generator draws what rand() drew after srand(seed), from a state of its own.
        for (const std::uint32_t seed : {0u, 1u, 42u, 0x80000007u, 0xFFFFFFFFu}) {
            std::srand(seed);
            PuzzleRandom random(seed);
            for (int draw = 0; draw < 2000; ++draw)
                QCOMPARE(random.next(), std::rand());
        }
    }

    void acceptedPuzzleIsTheTestedPictureAndSolvesAlone()
    {
        // Only a picture kept by a climbing step is tested; most are rejected. The accepted one
        // is the solution, with its clues and a blank board to play on; logic alone solves it.
        int rejections = 0;
        for (unsigned seed = 1; seed <= 10; ++seed) {
            PuzzleGrid board, solution;
            ClueSet clues;
            PuzzleGenerator generator;
            generator.startGeneration(board, clues, 20, 15, seed);
            for (bool accepted = false; !accepted;) {
                const bool testing = generator.nextStepTests();
                const QStringList picture = rowsOf(board);
                accepted = generator.generationStep(board, solution, clues);
                QVERIFY(testing || !accepted);
                rejections += testing && !accepted;
                if (accepted)
                    QCOMPARE(rowsOf(solution), picture);
            }
            ClueSet expected;
            expected.computeFrom(solution);
            QCOMPARE(rowsOf(board).join(""), QString(20 * 15, '0'));
            // Solving also gives the lists the signs of a solved board, as the accepted ones have.
            QVERIFY(LogicSolver().solve(board, expected) && rowsOf(board) == rowsOf(solution));
            QVERIFY(clues.columnClues == expected.columnClues && clues.rowClues == expected.rowClues);
        }
        QVERIFY(rejections >= 10);
    }

    void reserveHandsOverTheGeneratorsPuzzleOfTheSizeAimedAtAndIdlesForNothing()
    {
        // The reserve draws its puzzle's seed from rand().
        std::srand(3);
        const unsigned drawn = static_cast<unsigned>(std::rand());
        const GeneratedPuzzle expected(drawn, 15, 10);
        std::srand(3);
        PuzzleReserve reserve;
        reserve.aimAt(15, 10);
        QVERIFY(fill(reserve, 15, 10));
        PuzzleMaker maker;
        maker.start(10, 5, -1, 7, false, false);
        QVERIFY(!reserve.take(10, 5, -1, maker));
        QVERIFY(!reserve.take(15, 10, 0, maker));
        QCOMPARE(maker.columns(), 10);

        // Aiming at the same size keeps the puzzle, the one the generator makes from the same
        // seed; taking it empties the reserve, and the next one is new.
        reserve.aimAt(15, 10);
        QVERIFY(reserve.take(15, 10, -1, maker));
        QCOMPARE(maker.seed(), drawn);
        QCOMPARE(rowsOf(maker.solution()), rowsOf(expected.solution));
        QVERIFY(maker.clues().rowClues == expected.clues.rowClues
            && maker.clues().columnClues == expected.clues.columnClues);
        QVERIFY(!reserve.take(15, 10, -1, maker));
        QVERIFY(fill(reserve, 15, 10));
        QVERIFY(reserve.take(15, 10, -1, maker) && rowsOf(maker.solution()) != rowsOf(expected.solution));

        // Another size drops the puzzle, and coming back does not bring it back.
        QVERIFY(fill(reserve, 15, 10));
        reserve.aimAt(5, 5);
        reserve.aimAt(15, 10);
        QVERIFY(!reserve.readyFor(15, 10));

        // Not aimed yet, a budget too short for a step, or a puzzle ready: no step, so no
        // random number drawn and no time spent.
        PuzzleReserve idle;
        std::srand(21);
        idle.work(PuzzleReserve::tickBudget);
        QVERIFY(nothingDrawnSince(21));
        idle.aimAt(20, 15);
        std::srand(22);
        idle.work(PuzzleReserve::stepAllowance);
        QVERIFY(nothingDrawnSince(22) && idle.busyTime().count() == 0);
        QVERIFY(fill(idle, 20, 15));
        const auto busy = idle.busyTime();
        std::srand(23);
        for (int tick = 0; tick < 100; ++tick)
            idle.work(PuzzleReserve::tickBudget);
        QVERIFY(nothingDrawnSince(23) && idle.busyTime() == busy);
    }
};

QTEST_APPLESS_MAIN(PuzzleGeneratorTest)
#include "test_puzzle_generator.moc"
