#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <cstdlib>

class BoardModelTest : public QObject {
    Q_OBJECT

private slots:
    void resizingKeepsOriginAndFlag();
    void randomPictureIsDrawnColumnByColumn();
    void flipsDrawColumnBeforeRow();
    void marksBecomeCellsOrBlanks();
    void linesReadAndWriteTheRightCells();
    void setterIgnoresLineOfWrongLength();
    void cluesAreStoredFarEndFirst();
    void satisfiedSignsFollowTheRuns();
    void satisfiedSignsForRowsReadRightToLeft();
    void allSatisfiedIgnoresEmptyLines();
    void widestClueIsAtLeastFour();
    void loadedCluesAreAppendedInStoredOrder();
};

void BoardModelTest::resizingKeepsOriginAndFlag()
{
    PuzzleGrid board = boardOf({"12", "34"});
    board.changed = true;
    board.originX = 150;
    board.originY = 130;
    board.resize(3, 2);
    QCOMPARE(rowsOf(board), QStringList({"000", "000"}));
    QVERIFY(board.changed);
    QCOMPARE(board.originX, 150);
    QCOMPARE(board.originY, 130);

    PuzzleGrid copy;
    copy.originX = 7;
    copy.copyFrom(boardOf({"12", "34", "21"}));
    QCOMPARE(copy.width, 2);
    QCOMPARE(copy.height, 3);
    QCOMPARE(rowsOf(copy), QStringList({"12", "34", "21"}));
    QCOMPARE(copy.originX, 7);
    QVERIFY(!copy.changed);
}

void BoardModelTest::randomPictureIsDrawnColumnByColumn()
{
    // The order of draws decides which puzzle a seed gives: x outer, y inner.
    std::srand(99);
    QString expected;
    for (int i = 0; i < 12; ++i)
        expected += QChar('0' + std::rand() % 2 + 1);

    std::srand(99);
    PuzzleGrid board;
    board.randomize(4, 3);
    QString drawn;
    for (int x = 0; x < 4; ++x)
        drawn += digitsOf(board.column(x));
    QCOMPARE(drawn, expected);
    QVERIFY(!drawn.contains('0'));
}

void BoardModelTest::flipsDrawColumnBeforeRow()
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        PuzzleGrid board = boardOf({"1212", "2121", "1122"});
        PuzzleGrid expected;
        expected.copyFrom(board);
        std::srand(seed);
        for (int i = 0; i < 5; ++i) {
            const int x = std::rand() % 4;
            const int y = std::rand() % 3;
            expected.cells[x][y] = 3 - expected.cells[x][y];
        }
        std::srand(seed);
        board.flipRandomCells(5);
        QCOMPARE(rowsOf(board), rowsOf(expected));
        QVERIFY(!board.changed);
    }
}

void BoardModelTest::marksBecomeCellsOrBlanks()
{
    PuzzleGrid accepted = boardOf({"01234", "43210"});
    accepted.acceptMarks();
    QCOMPARE(rowsOf(accepted), QStringList({"01212", "21210"}));
    QVERIFY(accepted.changed);

    PuzzleGrid discarded = boardOf({"01234", "43210"});
    discarded.discardMarks();
    QCOMPARE(rowsOf(discarded), QStringList({"01200", "00210"}));
    QVERIFY(discarded.changed);
}

void BoardModelTest::linesReadAndWriteTheRightCells()
{
    PuzzleGrid board = boardOf({"120", "301", "442"});
    QCOMPARE(digitsOf(board.column(0)), QString("134"));
    QCOMPARE(digitsOf(board.column(2)), QString("012"));
    QCOMPARE(digitsOf(board.row(1)), QString("301"));
    board.setColumn(1, cellsOf("222"));
    board.setRow(0, cellsOf("444"));
    QCOMPARE(rowsOf(board), QStringList({"444", "321", "422"}));
}

void BoardModelTest::setterIgnoresLineOfWrongLength()
{
    PuzzleGrid board = boardOf({"120", "301"});
    board.setRow(0, cellsOf("11"));
    board.setRow(1, cellsOf("1111"));
    board.setColumn(0, cellsOf("1"));
    board.setColumn(1, cellsOf("111"));
    QCOMPARE(rowsOf(board), QStringList({"120", "301"}));

    PuzzleGrid empty;
    empty.resize(0, 0);
    empty.setRow(0, {});
    empty.setColumn(0, {});
    QCOMPARE(empty.cells.size(), size_t(0));
}

void BoardModelTest::cluesAreStoredFarEndFirst()
{
    // Column 0 filled at rows 0, 1 and 3: the bottom run comes first.
    ClueSet clues;
    clues.computeFrom(boardOf({"11111", "10000", "20000", "11212", "20000"}));
    QCOMPARE(clues.columnClue(0), std::vector<int>({1, 2}));
    QCOMPARE(clues.columnClue(2), std::vector<int>({1}));
    QCOMPARE(clues.rowClue(0), std::vector<int>({5}));
    QCOMPARE(clues.rowClue(2), std::vector<int>({0}));
    // Row 3 is # # . # . read left to right: the rightmost run first.
    QCOMPARE(clues.rowClue(3), std::vector<int>({1, 2}));

    // Marks and crosses do not count as filled.
    clues.computeFrom(boardOf({"1111111111", "3333333333", "1111141111"}));
    QCOMPARE(clues.rowClue(0), std::vector<int>({10}));
    QCOMPARE(clues.rowClue(1), std::vector<int>({0}));
    QCOMPARE(clues.rowClue(2), std::vector<int>({4, 5}));
    QCOMPARE(clues.columnClues.size(), size_t(10));
}

void BoardModelTest::satisfiedSignsFollowTheRuns()
{
    struct Case {
        const char* column;
        std::vector<int> clue;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"11010", {1, 2}, {-1, -2}}, {"11030", {1, 2}, {-1, -2}}, // a marked fill counts as filled
        {"11040", {1, 2}, {1, 2}}, // a marked cross does not
        {"11010", {-2, -1}, {2, 1}}, // compared far end first
        {"11011", {1, 2}, {1, 2}}, // run too long
        {"10101", {1, 1}, {1, 1}}, // one run too many
        {"00000", {0}, {0}}, // [0] is never negated
        {"00100", {0}, {0}}, {"22222", {1}, {1}}, // a run missing
    };
    for (const Case& c : cases) {
        PuzzleGrid board;
        board.resize(1, 5);
        board.setColumn(0, cellsOf(c.column));
        ClueSet clues;
        clues.resizeEmpty(1, 5);
        clues.columnClues[0] = c.clue;
        for (int y = 0; y < 5; ++y)
            clues.appendRowClue(y, 1);
        clues.updateSatisfied(board);
        QVERIFY2(clues.columnClue(0) == c.expected, c.column);
    }
}

void BoardModelTest::satisfiedSignsForRowsReadRightToLeft()
{
    PuzzleGrid board = boardOf({"1101", "1011"});
    ClueSet clues;
    clues.resizeEmpty(4, 2);
    for (int x = 0; x < 4; ++x)
        clues.appendColumnClue(x, 2);
    clues.rowClues[0] = {1, 2};
    clues.rowClues[1] = {1, 2};
    clues.updateSatisfied(board);
    QCOMPARE(clues.rowClue(0), std::vector<int>({-1, -2}));
    QCOMPARE(clues.rowClue(1), std::vector<int>({1, 2}));
    QCOMPARE(clues.columnClue(0), std::vector<int>({-2}));
    QCOMPARE(clues.columnClue(2), std::vector<int>({2}));
}

void BoardModelTest::allSatisfiedIgnoresEmptyLines()
{
    PuzzleGrid blank;
    blank.resize(3, 3);
    ClueSet clues;
    clues.computeFrom(blank);
    clues.updateSatisfied(blank);
    QVERIFY(clues.allSatisfied());

    PuzzleGrid picture = boardOf({"100", "000", "001"});
    clues.computeFrom(picture);
    QVERIFY(!clues.allSatisfied());
    clues.updateSatisfied(picture);
    QVERIFY(clues.allSatisfied());
    PuzzleGrid wrong = boardOf({"100", "000", "010"});
    clues.updateSatisfied(wrong);
    QVERIFY(!clues.allSatisfied());
}

void BoardModelTest::widestClueIsAtLeastFour()
{
    ClueSet clues;
    QCOMPARE(clues.widestColumnClue(), 4);
    QCOMPARE(clues.widestRowClue(), 4);
    clues.computeFrom(boardOf({"10101", "01010", "10101", "01010", "10101"}));
    QCOMPARE(clues.widestColumnClue(), 4);
    QCOMPARE(clues.widestRowClue(), 4);

    // Nine rows leave room for five runs in a column.
    clues.computeFrom(boardOf({"10", "00", "10", "00", "10", "00", "10", "00", "11"}));
    QCOMPARE(clues.widestColumnClue(), 5);
    QCOMPARE(clues.widestRowClue(), 4);
}

void BoardModelTest::loadedCluesAreAppendedInStoredOrder()
{
    ClueSet clues;
    clues.computeFrom(boardOf({"111", "111"}));
    clues.resizeEmpty(2, 1);
    QCOMPARE(clues.columnClues.size(), size_t(2));
    QCOMPARE(clues.rowClues.size(), size_t(1));
    QVERIFY(clues.columnClue(0).empty());
    clues.appendColumnClue(1, 3);
    clues.appendColumnClue(1, -1);
    clues.appendRowClue(0, 0);
    QCOMPARE(clues.columnClue(1), std::vector<int>({3, -1}));
    QCOMPARE(clues.rowClue(0), std::vector<int>({0}));
}

QTEST_APPLESS_MAIN(BoardModelTest)
#include "test_board_model.moc"
