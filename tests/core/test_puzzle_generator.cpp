// Whether accepted clues lead to their picture is checked by finishing puzzles with hints.
#include "LineNotation.h"

#include "ClueSet.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

struct Generation {
    PuzzleGrid board;
    PuzzleGrid solution;
    ClueSet clues;
    PuzzleGenerator generator;

    Generation(unsigned seed, int columns, int rows)
    {
        std::srand(seed);
        generator.startGeneration(board, clues, columns, rows);
    }
};

float scoreOf(const PuzzleGrid& picture)
{
    ClueSet clues;
    clues.computeFrom(picture);
    return PuzzleGenerator::scorePuzzle(clues);
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

    void staleClimbIsTestedThenAcceptedOrStartedAfresh()
    {
        // The picture is tested after eleven climbing steps in a row that kept it, and becomes
        // the solution; a rejected one gives way to a new random picture, scored, climbed anew.
        int rejections = 0;
        for (unsigned seed = 1; seed <= 10; ++seed) {
            Generation g(seed, 20, 15);
            int staleSteps = 0;
            for (bool accepted = false; !accepted;) {
                const bool testing = g.generator.nextStepTests();
                const QStringList picture = rowsOf(g.board);
                accepted = g.generator.generationStep(g.board, g.solution, g.clues);
                if (!testing) {
                    staleSteps = rowsOf(g.board) == picture ? staleSteps + 1 : 0;
                    QVERIFY(!accepted && staleSteps <= 11);
                    continue;
                }
                QCOMPARE(staleSteps, 11);
                QCOMPARE(rowsOf(g.solution), picture);
                staleSteps = 0;
                rejections += !accepted;
                QVERIFY(accepted
                    || (rowsOf(g.board) != picture && !rowsOf(g.board).join("").contains('0')
                        && g.generator.currentScore == scoreOf(g.board)));
            }
        }
        QVERIFY(rejections >= 10);
    }

    void bestCandidateIsChosenAndTiesKeepTheEarlier()
    {
        // Replays the draws of one climbing step to predict the chosen candidate.
        int ties = 0;
        int improvements = 0;
        int staleSteps = 0;
        for (unsigned seed = 1; seed <= 400; ++seed) {
            // The step's draws follow the start's: predict from here, then start again and step.
            Generation g(seed, 10, 10);
            const float scoreBefore = std::vector<float> {1.0f, 0.3f, 0.2f, 0.1f}[seed % 4];
            std::array<PuzzleGrid, 10> candidates;
            std::array<float, 10> scores;
            int expected = -1;
            for (int i = 0; i < 10; ++i) {
                candidates[i].copyFrom(g.board);
                candidates[i].flipRandomCells(5);
                scores[i] = scoreOf(candidates[i]);
                if (scores[i] < 1.0f && scores[i] < scoreBefore && (expected < 0 || scores[i] < scores[expected]))
                    expected = i;
            }
            for (int i = expected + 1; expected >= 0 && i < 10; ++i)
                ties += scores[i] == scores[expected] && rowsOf(candidates[i]) != rowsOf(candidates[expected]);

            Generation replay(seed, 10, 10);
            replay.generator.currentScore = scoreBefore;
            replay.generator.generationStep(replay.board, replay.solution, replay.clues);
            if (expected < 0) {
                ++staleSteps;
                QCOMPARE(replay.generator.staleRounds, 1);
                QCOMPARE(rowsOf(replay.board), rowsOf(g.board));
            } else {
                ++improvements;
                QCOMPARE(replay.generator.staleRounds, 0);
                QCOMPARE(rowsOf(replay.board), rowsOf(candidates[expected]));
                QVERIFY(replay.generator.currentScore == scores[expected]);
            }
        }
        QVERIFY(ties >= 5 && improvements >= 50 && staleSteps >= 50);
    }

    void seedsGiveTheSamePuzzles_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("picture");
        // Rows of '#' and '.' joined by '/', as the puzzle tool prints them.
        const auto row = [](unsigned seed, int columns, int rows, const char* picture) {
            QTest::addRow("%dx%d seed %u", columns, rows, seed) << seed << columns << rows << QString(picture);
        };
        row(1, 5, 5, "...#./.###./.###./..##./..###");
        row(5, 10, 5, ".##.###.../.####..#../#####.#.../####.###../..##......");
        row(42, 10, 10,
            "........##/.........#/..##..#..#/...#.#####/##.###..##/#######.##/###......#/###....###/....######/"
            ".....#####");
        row(2026, 20, 15,
            "...#..#..#...#..#.##/##.#....##...#..#.##/..##.##.....###.#.../..##.###....##..##.#/...#.#######.###.###/"
            "...###.#####.###..##/.#.....#..#..##...#./.#######..##..###.#./######.####.##.##.#./.#.###..####...##.#./"
            "##.###.#####..#.###./###.##########...##./##..#.#...#...##...#/....#.#.......##...#/............#......#");
    }

    void seedsGiveTheSamePuzzles()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QString, picture);
        Generation g(seed, columns, rows);
        while (!g.generator.generationStep(g.board, g.solution, g.clues)) { }
        QCOMPARE(rowsOf(g.solution).join('/').replace('1', '#').replace('2', '.'), picture);
    }
};

QTEST_APPLESS_MAIN(PuzzleGeneratorTest)
#include "test_puzzle_generator.moc"
