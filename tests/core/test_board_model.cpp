// SPDX-License-Identifier: GPL-3.0-or-later
// The board, its clue lists, their satisfied signs and the numbers a player has settled.
#include "LineNotation.h"

#include "CellState.h"
#include "ClueFit.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"
#include "SettledRuns.h"

#include <QtTest>

#include <algorithm>
#include <random>

namespace {

// A clue as a player reads it ("2 1": the run nearest index 0 first), in stored order.
std::vector<int> storedClue(const QString& reading)
{
    std::vector<int> clue;
    for (const QString& number : reading.split(' '))
        clue.insert(clue.begin(), number.toInt());
    return clue;
}

} // namespace

class BoardModelTest : public QObject {
    Q_OBJECT

private slots:
    void marksBecomeCellsOrBlanks()
    {
        PuzzleGrid accepted = boardOf({"01234", "43210"});
        PuzzleGrid discarded = accepted;
        accepted.acceptMarks();
        discarded.discardMarks();
        QCOMPARE(rowsOf(accepted), QStringList({"01212", "21210"}));
        QCOMPARE(rowsOf(discarded), QStringList({"01200", "00210"}));
        QVERIFY(accepted.changed && discarded.changed);
    }

    void cluesAreStoredFarEndFirst()
    {
        // Column 0, top to bottom # # . # . m: the bottom run first. Row 3, # # . # .: the
        // rightmost run first. Marks and crosses are not filled; an empty line is [0].
        ClueSet clues;
        clues.computeFrom(boardOf({"11111", "10000", "20000", "11212", "20000", "33433"}));
        QCOMPARE(clues.columnClues, std::vector<std::vector<int>>({{1, 2}, {1, 1}, {1}, {1, 1}, {1}}));
        QCOMPARE(clues.rowClues, std::vector<std::vector<int>>({{5}, {1}, {0}, {1, 2}, {0}, {0}}));
        // The layout reserves room for at least four numbers, more for longer lists.
        QCOMPARE(QPoint(clues.widestColumnClue(), clues.widestRowClue()), QPoint(4, 4));
        clues.computeFrom(boardOf({"10", "00", "10", "00", "10", "00", "10", "00", "11"}));
        QCOMPARE(QPoint(clues.widestColumnClue(), clues.widestRowClue()), QPoint(5, 4));
    }

    void cluesThatNoPictureFitsAreToldByCounting()
    {
        // Every board's own clues fit, signs or not; a run of 5 does not fit 2 cells, nor 1 2 2
        // (which needs 7) a line of 6; the columns and rows must fill as many cells.
        ClueSet clues;
        clues.computeFrom(boardOf({"11111", "10000", "20000", "11212", "20000", "33433"}));
        QVERIFY(ClueFit::of(clues).kind == ClueFit::Kind::Fits);
        clues.updateSatisfied(boardOf({"11111", "10000", "20000", "11212", "20000", "33433"}));
        QVERIFY(ClueFit::of(clues).kind == ClueFit::Kind::Fits);
        clues.columnClues = {{5}, {0}};
        clues.rowClues = {{1}, {1}};
        ClueFit fit = ClueFit::of(clues);
        QVERIFY(fit.kind == ClueFit::Kind::LineTooShort && !fit.isRow && fit.line == 0);
        QCOMPARE(fit.cellsNeeded, 5LL);
        QCOMPARE(fit.lineLength, 2);
        clues.columnClues = std::vector<std::vector<int>>(6, {0});
        clues.rowClues = {{1}, {2, -2, 1}};
        fit = ClueFit::of(clues);
        QVERIFY(fit.kind == ClueFit::Kind::LineTooShort && fit.isRow && fit.line == 1 && fit.cellsNeeded == 7);
        clues.columnClues = {{1}, {1}};
        clues.rowClues = {{2}, {0}};
        QVERIFY(ClueFit::of(clues).kind == ClueFit::Kind::Fits);
        clues.rowClues = {{2}, {1}};
        fit = ClueFit::of(clues);
        QVERIFY(fit.kind == ClueFit::Kind::TotalsDiffer && fit.columnCells == 2 && fit.rowCells == 3);
    }

    void satisfiedSignsFollowTheRuns()
    {
        // A marked fill counts as filled, a marked cross does not; runs compare far end first;
        // then a run too long, one too many, one missing.
        const std::vector<const char*> lines = {"11010", "11030", "11040", "11010", "11011", "10101", "22222"};
        const std::vector<std::vector<int>> clues = {{1, 2}, {1, 2}, {1, 2}, {-2, -1}, {1, 2}, {1, 1}, {1}};
        const std::vector<std::vector<int>> signs = {{-1, -2}, {-1, -2}, {1, 2}, {2, 1}, {1, 2}, {1, 1}, {1}};
        // Each line once as a row, once as a column (read top to bottom).
        const PuzzleGrid rows = boardOf(lines);
        PuzzleGrid columns;
        columns.resize(7, 5);
        for (int x = 0; x < 7; ++x)
            columns.setColumn(x, cellsOf(lines[x]));
        ClueSet set;
        set.rowClues = clues;
        set.columnClues.assign(5, {0});
        set.updateSatisfied(rows);
        QCOMPARE(set.rowClues, signs);
        set.columnClues = clues;
        set.rowClues.assign(5, {0});
        set.updateSatisfied(columns);
        QCOMPARE(set.columnClues, signs);

        // All satisfied once every run is in place; an empty board has nothing to satisfy.
        set.computeFrom(boardOf({"000", "000"}));
        QVERIFY(set.allSatisfied());
        set.computeFrom(boardOf({"100", "001"}));
        QVERIFY(!set.allSatisfied());
        set.updateSatisfied(boardOf({"100", "001"}));
        QVERIFY(set.allSatisfied());
        // Every list counts, the last column's and the last row's too.
        set.columnClues = {{-1}, {0}, {1}};
        QVERIFY(!set.allSatisfied());
        set.columnClues = {{-1}, {0}, {-1}};
        set.rowClues = {{-1}, {2}};
        QVERIFY(!set.allSatisfied());
    }

    void numbersSettleOnlyWhenTheirRunIsCertain()
    {
        // Line, clue and its settled numbers in reading order: 'x' settled, '.' not.
        const char* const cases[][3] = {
            // Closed by the edge or crosses, nothing open before it, from either end.
            {"1211120000", "1 3 2", "xx."},
            {"1200000211", "1 3 2", "x.x"},
            {"1211", "1 2", "xx"},
            // Open: the run may still grow, something may come before it, or either number fits.
            {"1100000000", "2 3", ".."},
            {"0211200000", "2 3", ".."},
            {"0002112000", "2 2", ".."},
            // Marks are guesses: neither a tentative cross nor a tentative fill decides.
            {"1140000000", "2 3", ".."},
            {"4112000000", "2 3", ".."},
            {"3211200000", "2 3", ".."},
            {"1123400000", "2 3", "x."},
            // The identified runs contradict the clue: nothing settles.
            {"1112000000", "2 3", ".."},
            {"1120000211", "2", "."},
            {"1212120000", "1 1", ".."},
            {"1200100021", "1 1", ".."},
            {"1200000021", "1 1", "xx"},
            {"2200", "0", "."},
        };
        for (const auto& [line, reading, expected] : cases) {
            std::vector<int> clue = storedClue(reading);
            for (int sign : {1, -1}) { // signs change nothing here
                for (int& value : clue)
                    value *= sign;
                const std::uint64_t settled = SettledRuns::numbers(cellsOf(line), clue);
                QString text;
                for (int k = int(clue.size()) - 1; k >= 0; --k)
                    text += (settled >> k) & 1 ? 'x' : '.';
                QVERIFY2(text == expected, qPrintable(QString("%1 %2: %3").arg(line, reading, text)));
            }
        }

        // Rows are read left to right, columns top to bottom; a later board replaces the
        // settling of an earlier one; lines without a list settle nothing.
        ClueSet clues;
        clues.rowClues = {storedClue("1 1"), storedClue("2")};
        clues.columnClues = {{1}, {0}, {0}, {0}, {0}};
        clues.updateSettled(boardOf({"12000", "20000"}));
        QVERIFY(clues.numberSettled(true, 0, 1) && !clues.numberSettled(true, 0, 0));
        QVERIFY(clues.numberSettled(false, 0, 0) && !clues.numberSettled(true, 1, 0));
        QVERIFY(!clues.numberSettled(true, 2, 0) && !clues.numberSettled(false, -1, 0));
        clues.updateSettled(boardOf({"02000", "20000"}));
        QVERIFY(!clues.numberSettled(true, 0, 1) && !clues.numberSettled(false, 0, 0));
    }

    void settledNumbersAreRunsOfThePicture()
    {
        // Lines a player could have entered on the way to a picture: some cells shown, some
        // blank, some marked. Every settled number is a run of the picture standing on the
        // line in full, closed by crosses or the edge; a line showing every cell settles all.
        std::mt19937 random(11);
        int settledNumbers = 0;
        for (int trial = 0; trial < 20000; ++trial) {
            const int length = 1 + int(random() % 20);
            const unsigned density = random() % 100;
            const unsigned shown = random() % 101;
            std::vector<int> picture;
            std::vector<int> line;
            std::vector<std::pair<int, int>> runs; // first cell and length, from index 0 on
            for (int i = 0; i < length; ++i) {
                picture.push_back(random() % 100 < density ? Filled : Crossed);
                const int hidden = random() % 8 ? int(Blank) : MarkedFilled + int(random() % 2);
                line.push_back(random() % 100 < shown ? picture.back() : hidden);
                if (picture[i] == Filled && (i == 0 || picture[i - 1] != Filled))
                    runs.emplace_back(i, 0);
                if (picture[i] == Filled)
                    ++runs.back().second;
            }
            std::vector<int> clue; // stored order: entry k is the k-th run from the far end
            for (auto run = runs.rbegin(); run != runs.rend(); ++run)
                clue.push_back(run->second);
            const std::uint64_t settled = SettledRuns::numbers(line, clue.empty() ? std::vector<int> {0} : clue);
            if (line == picture)
                QCOMPARE(settled, (std::uint64_t(1) << runs.size()) - 1);
            for (size_t k = 0; k < runs.size(); ++k) {
                if (!((settled >> k) & 1))
                    continue;
                settledNumbers += line != picture;
                const int start = runs[runs.size() - 1 - k].first;
                const int end = start + clue[k];
                QVERIFY2(std::count(line.begin() + start, line.begin() + end, int(Filled)) == end - start
                        && (start == 0 || line[start - 1] == Crossed) && (end == length || line[end] == Crossed),
                    qPrintable(digitsOf(line)));
            }
        }
        QVERIFY(settledNumbers > 3000);
    }
};

QTEST_APPLESS_MAIN(BoardModelTest)
#include "test_board_model.moc"
