// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellState.h"
#include "Puzzle.h"
#include "PuzzleFile.h"
#include "PuzzleFromFile.h"

#include <QtTest>

namespace {

ClueSet cluesOf(std::vector<std::vector<int>> columns, std::vector<std::vector<int>> rows)
{
    ClueSet clues;
    clues.columnClues = std::move(columns);
    clues.rowClues = std::move(rows);
    return clues;
}

PuzzleFile fileOf(ClueSet clues, std::string title = {})
{
    PuzzleFile file;
    file.clues = std::move(clues);
    file.title = std::move(title);
    return file;
}

} // namespace

class PuzzleTest : public QObject {
    Q_OBJECT

private slots:
    void aFingerprintTellsCluesApartAndStaysTheSame()
    {
        const ClueSet clues = cluesOf({{1, 1}, {2}}, {{1}, {1, 2}});
        // Kept in the scores of files' puzzles: it must not change from one version to the next.
        QCOMPARE(QString::fromStdString(clueFingerprint(clues)), QString("79727ab6288f0fad"));
        QCOMPARE(clueFingerprint(cluesOf({{1, 1}, {2}}, {{1}, {1, 2}})), clueFingerprint(clues));
        for (const ClueSet& other : {
                 cluesOf({{1}, {1, 2}}, {{1, 1}, {2}}), // columns and rows swapped
                 cluesOf({{1}, {1, 2}}, {{1}, {1, 2}}), // a run moved to the next line
                 cluesOf({{1, 1, 2}}, {{1}, {1, 2}}), // two lines run together
                 cluesOf({{1, 1}, {2}}, {{1}, {2, 1}}), // runs in another order
                 cluesOf({{1, 1}, {2}, {0}}, {{1}, {1, 2}}), // an empty line more
             })
            QVERIFY(clueFingerprint(other) != clueFingerprint(clues));
    }

    void aFilesPuzzleIsJudgedAndNamed()
    {
        // An L: one picture, which logic finds.
        PuzzleFile single = fileOf(cluesOf({{2}, {1}}, {{1}, {2}}), "Corner");
        single.author = "A. Setter";
        single.licence = "CC-BY-SA-4.0";
        const Puzzle one = puzzleFromFile(single, "/home/player/puzzles/corner.non", fileSearchTime);
        QCOMPARE(one.verdict, PuzzleVerdict::Kind::Logic);
        QVERIFY(one.hasOneSolution());
        QCOMPARE(one.oneSolution().cells, std::vector<std::vector<int>>({{Filled, Filled}, {Crossed, Filled}}));
        QCOMPARE(one.origin.kind, PuzzleOrigin::Kind::File);
        QCOMPARE(one.origin.place, std::string("/home/player/puzzles/corner.non"));
        QCOMPARE(one.title + '|' + one.author + '|' + one.licence, std::string("Corner|A. Setter|CC-BY-SA-4.0"));
        QVERIFY(one.difficulty.hardestTechnique > 0);

        // Two diagonals fit: no one solution to play Beginner against, even with the file's.
        PuzzleFile twice = fileOf(cluesOf({{1}, {1}}, {{1}, {1}}));
        twice.goal.resize(2, 2);
        const Puzzle two = puzzleFromFile(twice, "diagonal.non", fileSearchTime);
        QCOMPARE(two.verdict, PuzzleVerdict::Kind::Several);
        QVERIFY(!two.hasOneSolution());
        QCOMPARE(two.oneSolution().width, 0);
        // Untitled, it is called by its file's name.
        QCOMPARE(two.title, std::string("diagonal.non"));
        QCOMPARE(two.columns() * 10 + two.rows(), 22);

        // One cell given from the file's goal settles the diagonal: logic finishes it from there.
        PuzzleFile given = twice;
        given.goal.cells = {{Filled, Crossed}, {Crossed, Filled}};
        given.givens = {{1, 0}};
        const Puzzle pinned = puzzleFromFile(given, "pinned.non", fileSearchTime);
        QCOMPARE(pinned.verdict, PuzzleVerdict::Kind::Logic);
        QCOMPARE(pinned.oneSolution().cells, given.goal.cells);
        QCOMPARE(pinned.givens, given.givens);
        QCOMPARE(pinned.startBoard().cells, std::vector<std::vector<int>>({{Blank, Blank}, {Crossed, Blank}}));
        QVERIFY(pinned.difficulty.hardestTechnique > 0);
    }
};

QTEST_APPLESS_MAIN(PuzzleTest)
#include "test_puzzle.moc"
