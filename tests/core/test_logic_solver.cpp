#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <cstdlib>

namespace {

const int sizes[][2] = {{5, 5}, {10, 5}, {10, 10}, {15, 10}, {15, 15}, {20, 15}};

ClueSet cluesOf(const PuzzleGrid& picture)
{
    ClueSet clues;
    clues.computeFrom(picture);
    return clues;
}

PuzzleGrid blankBoard(int columns, int rows)
{
    PuzzleGrid board;
    board.resize(columns, rows);
    return board;
}

// Every line of the board as digits, columns first, for reporting.
QString describe(const PuzzleGrid& board)
{
    return rowsOf(board).join('/');
}

} // namespace

class LogicSolverTest : public QObject {
    Q_OBJECT

private slots:
    void fullBoardTakesOneProductiveSweep();
    void ambiguousPictureIsNotSolved();
    void emptyPictureIsCrossedOut();
    void hintPrefersColumnsOverBetterRowTechniques();
    void hintPrefersLowerTechniqueOnALine();
    void hintPrefersLowerIndex();
    void hintOnSolvedBoardFindsNothing();
    void solveAgreesWithEveryRandomPicture();
    void hintsAgreeWithSolutionAndFinishThePuzzle();
};

void LogicSolverTest::fullBoardTakesOneProductiveSweep()
{
    PuzzleGrid picture = boardOf({"11111", "11111", "11111", "11111", "11111"});
    ClueSet clues = cluesOf(picture);
    PuzzleGrid board = blankBoard(5, 5);
    LogicSolver solver;
    QStringList trace;
    solver.setObserver([&](const LogicSolver::Deduction& d) {
        trace << QString("%1 %2%3").arg(d.technique).arg(d.isRow ? 'r' : 'c').arg(d.lineIndex);
    });
    QVERIFY(solver.solve(board, clues));
    QCOMPARE(rowsOf(board), rowsOf(picture));
    QCOMPARE(trace, QStringList({"1 c0", "1 c1", "1 c2", "1 c3", "1 c4"}));
    QVERIFY(clues.allSatisfied());
}

void LogicSolverTest::ambiguousPictureIsNotSolved()
{
    ClueSet clues = cluesOf(boardOf({"12", "21"}));
    PuzzleGrid board = blankBoard(2, 2);
    int deductions = 0;
    LogicSolver solver;
    solver.setObserver([&](const LogicSolver::Deduction&) { ++deductions; });
    QVERIFY(!solver.solve(board, clues));
    QCOMPARE(rowsOf(board), QStringList({"00", "00"}));
    QCOMPARE(deductions, 0);
}

void LogicSolverTest::emptyPictureIsCrossedOut()
{
    ClueSet clues = cluesOf(boardOf({"222", "222"}));
    PuzzleGrid board = blankBoard(3, 2);
    LogicSolver solver;
    QVERIFY(solver.solve(board, clues));
    QCOMPARE(rowsOf(board), QStringList({"222", "222"}));
}

void LogicSolverTest::hintPrefersColumnsOverBetterRowTechniques()
{
    // Row 0 admits Boxes, but column 0 (empty) admits Complete and columns come first.
    ClueSet clues = cluesOf(boardOf({"21111", "22222", "22222", "22222", "22222"}));
    PuzzleGrid board = blankBoard(5, 5);
    bool isRow = true;
    int lineIndex = -1;
    LogicSolver solver;
    QCOMPARE(solver.findHint(board, clues, isRow, lineIndex), int(LineSolver::Complete));
    QVERIFY(!isRow);
    QCOMPARE(lineIndex, 0);
    QCOMPARE(rowsOf(board), QStringList({"40000", "40000", "40000", "40000", "40000"}));
}

void LogicSolverTest::hintPrefersLowerTechniqueOnALine()
{
    // The column's run is in place: Complete and Gap would both cross cells; Complete wins.
    PuzzleGrid board;
    board.resize(1, 7);
    board.setColumn(0, cellsOf("0211200"));
    ClueSet clues = cluesOf(board);
    bool isRow = true;
    int lineIndex = -1;
    LogicSolver solver;
    QCOMPARE(solver.findHint(board, clues, isRow, lineIndex), int(LineSolver::Complete));
    QVERIFY(!isRow);
    QCOMPARE(lineIndex, 0);
    QCOMPARE(digitsOf(board.column(0)), QString("4211244"));
}

void LogicSolverTest::hintPrefersLowerIndex()
{
    // Columns 0 and 1 are decided; columns 2 and 4 both admit Boxes; rows too.
    ClueSet clues = cluesOf(boardOf({"12111", "12111", "12111"}));
    PuzzleGrid board = boardOf({"12000", "12000", "12000"});
    bool isRow = true;
    int lineIndex = -1;
    LogicSolver solver;
    QCOMPARE(solver.findHint(board, clues, isRow, lineIndex), int(LineSolver::Boxes));
    QVERIFY(!isRow);
    QCOMPARE(lineIndex, 2);
    QCOMPARE(rowsOf(board), QStringList({"12300", "12300", "12300"}));

    // No column of a blank 3 x 3 with one full middle row admits anything (a lone cell may
    // lie anywhere); row 0 admits Complete and row 1 Boxes: the lower index wins.
    ClueSet middleRow = cluesOf(boardOf({"222", "111", "222"}));
    PuzzleGrid blank = blankBoard(3, 3);
    QCOMPARE(solver.findHint(blank, middleRow, isRow, lineIndex), int(LineSolver::Complete));
    QVERIFY(isRow);
    QCOMPARE(lineIndex, 0);
    QCOMPARE(rowsOf(blank), QStringList({"444", "000", "000"}));
}

void LogicSolverTest::hintOnSolvedBoardFindsNothing()
{
    PuzzleGrid picture = boardOf({"1211", "2122", "1112"});
    ClueSet clues = cluesOf(picture);
    bool isRow = false;
    int lineIndex = 42;
    LogicSolver solver;
    QCOMPARE(solver.findHint(picture, clues, isRow, lineIndex), 0);
    QVERIFY(isRow);
    QCOMPARE(lineIndex, 42);
    QCOMPARE(rowsOf(picture), QStringList({"1211", "2122", "1112"}));
}

void LogicSolverTest::solveAgreesWithEveryRandomPicture()
{
    std::srand(7);
    LogicSolver solver;
    int solved = 0;
    int pictures = 0;
    for (const auto& size : sizes) {
        for (int i = 0; i < 300; ++i, ++pictures) {
            PuzzleGrid picture;
            picture.resize(size[0], size[1]);
            const int fillPercent = 30 + i % 50;
            for (auto& column : picture.cells)
                for (int& cell : column)
                    cell = std::rand() % 100 < fillPercent ? Filled : Crossed;
            ClueSet clues = cluesOf(picture);
            PuzzleGrid board = blankBoard(size[0], size[1]);
            solver.setObserver([&](const LogicSolver::Deduction& d) {
                for (size_t c = 0; c < d.after.size(); ++c) {
                    const int truth = d.isRow ? picture.cells[c][d.lineIndex] : picture.cells[d.lineIndex][c];
                    if (d.after[c] != d.before[c] && d.after[c] != truth)
                        QFAIL(
                            qPrintable(QString("technique %1 contradicts %2").arg(d.technique).arg(describe(picture))));
                }
            });
            if (!solver.solve(board, clues))
                continue;
            ++solved;
            QCOMPARE(rowsOf(board), rowsOf(picture));
            ClueSet found = cluesOf(board);
            ClueSet expected = cluesOf(picture);
            QCOMPARE(found.columnClues, expected.columnClues);
            QCOMPARE(found.rowClues, expected.rowClues);
        }
    }
    // Both outcomes must occur for the property to mean anything.
    QVERIFY(solved > pictures / 10);
    QVERIFY(solved < pictures);
}

void LogicSolverTest::hintsAgreeWithSolutionAndFinishThePuzzle()
{
    // Generated puzzles, partially entered correctly: every hint mark agrees with the
    // solution, and pressing for hints again and again finishes the puzzle.
    LogicSolver hinter;
    int hintsChecked = 0;
    for (const auto& size : sizes) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            std::srand(seed);
            PuzzleGrid board, solution;
            ClueSet clues;
            PuzzleGenerator generator;
            generator.startGeneration(board, clues, size[0], size[1]);
            while (!generator.generationStep(board, solution, clues)) { }
            for (int attempt = 0; attempt < 20; ++attempt) {
                const int revealPercent = attempt * 5;
                for (int x = 0; x < board.width; ++x)
                    for (int y = 0; y < board.height; ++y)
                        board.cells[x][y] = std::rand() % 100 < revealPercent ? solution.cells[x][y] : int(Blank);
                int hints = 0;
                bool isRow = false;
                int lineIndex = 0;
                while (hinter.findHint(board, clues, isRow, lineIndex) != 0) {
                    for (int x = 0; x < board.width; ++x) {
                        for (int y = 0; y < board.height; ++y) {
                            const int cell = board.cells[x][y];
                            if ((cell == MarkedFilled && solution.cells[x][y] != Filled)
                                || (cell == MarkedCrossed && solution.cells[x][y] != Crossed))
                                QFAIL(qPrintable(QString("hint %1 marks (%2, %3) wrongly on %4 (solution %5)")
                                                     .arg(hints)
                                                     .arg(x)
                                                     .arg(y)
                                                     .arg(describe(board), describe(solution))));
                        }
                    }
                    board.acceptMarks();
                    ++hints;
                    ++hintsChecked;
                }
                QCOMPARE(rowsOf(board), rowsOf(solution));
            }
        }
    }
    QVERIFY(hintsChecked > 1000);
}

QTEST_APPLESS_MAIN(LogicSolverTest)
#include "test_logic_solver.moc"
