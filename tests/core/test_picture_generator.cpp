// SPDX-License-Identifier: GPL-3.0-or-later
// The large sizes' generator: each puzzle it accepts is finished by logic, graded exactly as
// the game grades any puzzle, and in the band asked for; a seed and a band fix it, however
// the work is sliced.
#include "CellState.h"
#include "DifficultyBands.h"
#include "PictureGenerator.h"
#include "PuzzleVerdict.h"
#include "TechniqueTable.h"

#include <QtTest>

namespace {

PictureGenerator made(int columns, int rows, std::uint32_t seed, int band)
{
    PictureGenerator generator;
    generator.start(columns, rows, seed, band);
    while (!generator.generateFor(std::chrono::seconds(1))) { }
    return generator;
}

bool uniformLine(const PuzzleGrid& picture)
{
    for (int x = 0; x < picture.width; ++x)
        if (std::count(picture.cells[x].begin(), picture.cells[x].end(), picture.cells[x][0]) == picture.height)
            return true;
    for (int y = 0; y < picture.height; ++y) {
        int filled = 0;
        for (int x = 0; x < picture.width; ++x)
            filled += picture.cells[x][y] == Filled;
        if (filled == 0 || filled == picture.width)
            return true;
    }
    return false;
}

} // namespace

class TestPictureGenerator : public QObject {
    Q_OBJECT

private slots:
    void everyPuzzleIsLogicsAndInItsBand_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("band");
        for (int band = 0; band < difficultyBandCount; ++band) {
            const QByteArray name = difficultyBands()[band].key;
            QTest::newRow(name + " 20x20") << 20 << 20 << band;
            QTest::newRow(name + " 30x20") << 30 << 20 << band;
            QTest::newRow(name + " 40x40") << 40 << 40 << band;
        }
    }
    void everyPuzzleIsLogicsAndInItsBand()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, band);
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const PictureGenerator generator = made(columns, rows, seed, band);
            const PuzzleGrid& picture = generator.solution();
            QCOMPARE(picture.width, columns);
            QCOMPARE(picture.height, rows);
            ClueSet clues;
            clues.computeFrom(picture);
            QCOMPARE(generator.clues().columnClues, clues.columnClues);
            QCOMPARE(generator.clues().rowClues, clues.rowClues);
            QVERIFY(!uniformLine(picture));
            // The grade is the one any puzzle of these clues gets, and its band the one asked.
            QCOMPARE(generator.difficulty(), gradeWithEveryTechnique(clues));
            QCOMPARE(bandOf(generator.difficulty(), columns, rows), band);
            const PuzzleVerdict verdict = judgePuzzle(clues, std::chrono::seconds(5));
            QCOMPARE(verdict.kind, PuzzleVerdict::Kind::Logic);
            QVERIFY(verdict.solutions.front().cells == picture.cells);
        }
    }

    void theBandsDivideEveryGradeAndOnlyWhatIfIsVeryHard()
    {
        const int veryHard = difficultyBandCount - 1;
        for (int technique = 0; technique <= whatIfTechnique; ++technique)
            for (int sweeps : {1, 10, 100}) {
                const int band = bandOf({technique, 50, sweeps}, 20, 20);
                QVERIFY(band >= 0 && band < difficultyBandCount);
                QCOMPARE(band == veryHard, technique == whatIfTechnique);
                // More sweeps never make a puzzle easier.
                QVERIFY(bandOf({technique, 50, sweeps * 10}, 20, 20) >= band);
            }
        QCOMPARE(bandOf({arrangementsTechnique, 50, 1}, 30, 30), findBand("Hard"));
        QCOMPARE(bandOfLetter('v'), veryHard);
        QCOMPARE(findBand("VeryHard"), veryHard);
        QCOMPARE(findBand("Very Hard"), -1);
    }

    // Very Hard's pictures are mirrored: the halves' clues alike make What If's work.
    void aSeedAndABandFixThePuzzleHoweverItIsSliced()
    {
        const PictureGenerator whole = made(25, 25, 7, 3);
        PictureGenerator sliced;
        sliced.start(25, 25, 7, 3);
        int calls = 0;
        while (!sliced.generateFor(std::chrono::nanoseconds(1)))
            ++calls;
        QVERIFY(calls > whole.candidates());
        QVERIFY(sliced.solution().cells == whole.solution().cells);
        QCOMPARE(sliced.difficulty(), whole.difficulty());
        for (int x = 0; x < 25; ++x)
            QVERIFY(whole.solution().cells[x] == whole.solution().cells[24 - x]);
        QVERIFY(made(25, 25, 8, 3).solution().cells != whole.solution().cells);
        QVERIFY(made(25, 25, 7, 2).solution().cells != whole.solution().cells);
    }
};

QTEST_MAIN(TestPictureGenerator)
#include "test_picture_generator.moc"
