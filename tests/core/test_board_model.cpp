// The board's line access is exercised by the solver's comparison with its reference, and
// the order of its random draws by the generator's seed tests.
#include "LineNotation.h"

#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <QtTest>

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
        // Column 0, top to bottom # # . # .: the bottom run first. Row 3, # # . # .: the
        // rightmost run first. Marks and crosses are not filled; an empty line is [0].
        ClueSet clues;
        clues.computeFrom(boardOf({"11111", "10000", "20000", "11212", "20000", "33433"}));
        QCOMPARE(clues.columnClues, std::vector<std::vector<int>>({{1, 2}, {1, 1}, {1}, {1, 1}, {1}}));
        QCOMPARE(clues.rowClues, std::vector<std::vector<int>>({{5}, {1}, {0}, {1, 2}, {0}, {0}}));
    }

    void satisfiedSignsFollowTheRuns()
    {
        struct Case {
            const char* line;
            std::vector<int> clue;
            std::vector<int> expected;
        };
        const Case cases[] = {
            {"11010", {1, 2}, {-1, -2}}, {"11030", {1, 2}, {-1, -2}}, // a marked fill counts as filled
            {"11040", {1, 2}, {1, 2}}, // a marked cross does not
            {"11010", {-2, -1}, {2, 1}}, // compared far end first
            {"11011", {1, 2}, {1, 2}}, // run too long
            {"10101", {1, 1}, {1, 1}}, // one run too many
            {"22222", {1}, {1}}, // a run missing
        };
        // Each line once as a column, once as a row (read right to left, far end first).
        for (const Case& c : cases) {
            for (bool isRow : {false, true}) {
                PuzzleGrid board = isRow ? boardOf({c.line}) : boardOf({"0", "0", "0", "0", "0"});
                if (!isRow)
                    board.setColumn(0, cellsOf(c.line));
                ClueSet clues;
                clues.columnClues.assign(size_t(board.width), {0});
                clues.rowClues.assign(size_t(board.height), {0});
                (isRow ? clues.rowClues : clues.columnClues)[0] = c.clue;
                clues.updateSatisfied(board);
                QVERIFY2((isRow ? clues.rowClues : clues.columnClues)[0] == c.expected, c.line);
            }
        }
    }

    void allSatisfiedWaitsForEveryRun()
    {
        ClueSet clues;
        clues.computeFrom(boardOf({"000", "000"}));
        QVERIFY(clues.allSatisfied());
        clues.computeFrom(boardOf({"100", "000", "001"}));
        QVERIFY(!clues.allSatisfied());
        clues.updateSatisfied(boardOf({"100", "000", "001"}));
        QVERIFY(clues.allSatisfied());
        clues.updateSatisfied(boardOf({"100", "000", "010"}));
        QVERIFY(!clues.allSatisfied());
    }

    void widestClueIsAtLeastFour()
    {
        ClueSet clues;
        QCOMPARE(QPoint(clues.widestColumnClue(), clues.widestRowClue()), QPoint(4, 4));
        // Nine rows leave room for five runs in a column.
        clues.computeFrom(boardOf({"10", "00", "10", "00", "10", "00", "10", "00", "11"}));
        QCOMPARE(QPoint(clues.widestColumnClue(), clues.widestRowClue()), QPoint(5, 4));
    }
};

QTEST_APPLESS_MAIN(BoardModelTest)
#include "test_board_model.moc"
