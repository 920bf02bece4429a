// solve() is compared step by step with a plain reference elsewhere; here it is checked
// against the pictures themselves, and so is the hint step.
#include "GeneratedPuzzle.h"
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <cstdlib>

namespace {

// A board from rows of digits joined by '/'.
PuzzleGrid boardFrom(const QString& rows)
{
    std::vector<QByteArray> texts;
    for (const QString& row : rows.split('/'))
        texts.push_back(row.toLatin1());
    std::vector<const char*> pointers;
    for (const QByteArray& text : texts)
        pointers.push_back(text.constData());
    return boardOf(pointers);
}

ClueSet cluesOf(const QString& picture)
{
    ClueSet clues;
    clues.computeFrom(boardFrom(picture));
    return clues;
}

} // namespace

class LogicSolverTest : public QObject {
    Q_OBJECT

private slots:
    void solveExamples_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QString>("after");
        QTest::newRow("full board") << "11111/11111/11111/11111/11111" << true << "11111/11111/11111/11111/11111";
        QTest::newRow("empty board") << "222/222" << true << "222/222";
        // Every line [1]: either diagonal fits, and no technique can place a cell.
        QTest::newRow("diagonal") << "12/21" << false << "00/00";
    }

    void solveExamples()
    {
        QFETCH(QString, picture);
        QFETCH(bool, solved);
        QFETCH(QString, after);
        ClueSet clues = cluesOf(picture);
        PuzzleGrid board = boardFrom(picture);
        board.resize(board.width, board.height);
        QCOMPARE(LogicSolver().solve(board, clues), solved);
        QCOMPARE(rowsOf(board).join('/'), after);
    }

    // Random pictures of every size and density: every cell solve decides is the picture's,
    // and a solved board is the picture itself.
    void solveAgreesWithTheRandomPicture()
    {
        std::srand(7);
        LogicSolver solver;
        int solved = 0;
        int pictures = 0;
        for (const auto& size : {std::pair(5, 5), {10, 5}, {10, 10}, {15, 10}, {15, 15}, {20, 15}}) {
            for (int i = 0; i < 200; ++i, ++pictures) {
                PuzzleGrid picture;
                picture.resize(size.first, size.second);
                for (auto& column : picture.cells)
                    for (int& cell : column)
                        cell = std::rand() % 100 < 30 + i % 50 ? Filled : Crossed;
                ClueSet clues;
                clues.computeFrom(picture);
                PuzzleGrid board;
                board.resize(size.first, size.second);
                const bool result = solver.solve(board, clues);
                for (int x = 0; x < board.width; ++x)
                    for (int y = 0; y < board.height; ++y)
                        if (board.cells[x][y] != Blank && board.cells[x][y] != picture.cells[x][y])
                            QFAIL(qPrintable("contradicts " + rowsOf(picture).join('/')));
                if (result) {
                    ++solved;
                    QCOMPARE(rowsOf(board), rowsOf(picture));
                }
            }
        }
        // Both outcomes must occur for the property to mean anything.
        QVERIFY(solved > pictures / 10 && solved < pictures);
    }

    void hintTakesTheFirstLineAndTechnique_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("technique");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* picture, const char* before, int technique, const char* line,
                             const char* after) {
            QTest::newRow(name) << QString(picture) << QString(before) << technique << QString(line) << QString(after);
        };
        using T = LineSolver;

        // Row 0 admits Boxes, but column 0 (empty) admits Complete and columns come first.
        row("columns first", "21111/22222/22222/22222/22222", "00000/00000/00000/00000/00000", T::Complete, "c0",
            "40000/40000/40000/40000/40000");
        // The run is in place: Complete and Gap would both cross cells; Complete wins.
        row("lower technique", "2/2/1/1/2/2/2", "0/2/1/1/2/0/0", T::Complete, "c0", "4/2/1/1/2/4/4");
        // Columns 2 and 4 both admit Boxes; so do the rows.
        row("lower column", "12111/12111/12111", "12000/12000/12000", T::Boxes, "c2", "12300/12300/12300");
        // No column admits anything (a lone cell may lie anywhere); row 0 admits Complete and
        // row 1 Boxes: the lower index wins over the lower technique.
        row("lower row", "222/111/222", "000/000/000", T::Complete, "r0", "444/000/000");
        // Nothing found: the line index is left alone.
        row("solved", "1211/2122/1112", "1211/2122/1112", T::None, "r42", "1211/2122/1112");
    }

    void hintTakesTheFirstLineAndTechnique()
    {
        QFETCH(QString, picture);
        QFETCH(QString, before);
        QFETCH(int, technique);
        QFETCH(QString, line);
        QFETCH(QString, after);
        ClueSet clues = cluesOf(picture);
        PuzzleGrid board = boardFrom(before);
        bool isRow = false;
        int lineIndex = 42;
        QCOMPARE(LogicSolver().findHint(board, clues, isRow, lineIndex), technique);
        QCOMPARE(QString("%1%2").arg(isRow ? 'r' : 'c').arg(lineIndex), line);
        QCOMPARE(rowsOf(board).join('/'), after);
    }

    void hintsAgreeWithSolutionAndFinishThePuzzle()
    {
        // Generated puzzles, partially entered correctly: every hint mark agrees with the
        // solution, and pressing for hints again and again finishes the puzzle.
        const int sizes[][2] = {{5, 5}, {10, 5}, {10, 10}, {15, 10}, {15, 15}, {20, 15}};
        LogicSolver hinter;
        int hintsChecked = 0;
        for (const auto& size : sizes) {
            for (unsigned seed = 1; seed <= 12; ++seed) {
                GeneratedPuzzle puzzle(seed, size[0], size[1]);
                const PuzzleGrid& solution = puzzle.solution;
                ClueSet& clues = puzzle.clues;
                PuzzleGrid board;
                board.resize(size[0], size[1]);
                for (int revealPercent = 0; revealPercent < 100; revealPercent += 5) {
                    for (int x = 0; x < board.width; ++x)
                        for (int y = 0; y < board.height; ++y)
                            board.cells[x][y] = std::rand() % 100 < revealPercent ? solution.cells[x][y] : int(Blank);
                    bool isRow = false;
                    int lineIndex = 0;
                    while (hinter.findHint(board, clues, isRow, lineIndex) != 0) {
                        PuzzleGrid marks = board;
                        marks.discardMarks();
                        board.acceptMarks();
                        for (int x = 0; x < board.width; ++x)
                            for (int y = 0; y < board.height; ++y)
                                if (board.cells[x][y] != marks.cells[x][y] && board.cells[x][y] != solution.cells[x][y])
                                    QFAIL(qPrintable("a hint marks wrongly on " + rowsOf(marks).join('/')));
                        ++hintsChecked;
                    }
                    QCOMPARE(rowsOf(board), rowsOf(solution));
                }
            }
        }
        QVERIFY(hintsChecked > 1000);
    }
};

QTEST_APPLESS_MAIN(LogicSolverTest)
#include "test_logic_solver.moc"
