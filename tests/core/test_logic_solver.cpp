// SPDX-License-Identifier: GPL-3.0-or-later
// LogicSolver against its definition written out plainly, its hints against the solutions,
// and the grades that rest on it.
#include "GeneratedPuzzle.h"
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "Difficulty.h"
#include "LineSolver.h"
#include "LogicSolver.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <tuple>

namespace {

QString deduction(int technique, bool isRow, int index, const std::vector<int>& before, const std::vector<int>& after)
{
    return QString::asprintf("%d %c%d ", technique, isRow ? 'r' : 'c', index) + digitsOf(before) + '>'
        + digitsOf(after);
}

// solve() as defined: each sweep refreshes every sign, then runs the techniques 1..highest in
// order on every column, then every row; it stops after a sweep that wrote nothing. The
// record counts each technique that wrote on a line and each sweep that wrote.
bool referenceSolve(PuzzleGrid& board, ClueSet& clues, int highest, LogicSolver::Record& record, QStringList& trace)
{
    LineSolver techniques;
    record = LogicSolver::Record();
    for (bool progress = true; progress;) {
        clues.updateSatisfied(board);
        progress = false;
        for (int i = 0; i < board.width + board.height; ++i) {
            const bool isRow = i >= board.width;
            const int index = isRow ? i - board.width : i;
            std::vector<int> line = isRow ? board.row(index) : board.column(index);
            for (int technique = LineSolver::Boxes; technique <= highest; ++technique) {
                const std::vector<int> before = line;
                if (techniques.apply(
                        technique, line, (isRow ? clues.rowClues : clues.columnClues)[index], Filled, Crossed)) {
                    progress = true;
                    trace << deduction(technique, isRow, index, before, line);
                    ++record.deductions;
                    record.highestTechnique = std::max(record.highestTechnique, technique);
                }
            }
            isRow ? board.setRow(index, line) : board.setColumn(index, line);
        }
        record.sweeps += progress;
    }
    return clues.allSatisfied();
}

// A board from rows of digits joined by '/'.
PuzzleGrid boardFrom(const char* rows)
{
    const QList<QByteArray> texts = QByteArray(rows).split('/');
    std::vector<const char*> pointers;
    for (const QByteArray& text : texts)
        pointers.push_back(text.constData());
    return boardOf(pointers);
}

} // namespace

class LogicSolverTest : public QObject {
    Q_OBJECT

private slots:
    void solveIsTheReferenceAndAgreesWithThePicture()
    {
        // Random pictures with their clues, random signs or lists no picture fits, solved from
        // blank or partly decided boards (marks and wrong cells included) with all seven
        // techniques or fewer: the reference's result, board, signs, record and deductions. On
        // its own clues the picture is never contradicted, and a solved board is the picture.
        LogicSolver solver;
        LogicSolver traced;
        QStringList trace;
        traced.setObserver([&trace](const LogicSolver::Deduction& d) {
            trace << deduction(d.technique, d.isRow, d.lineIndex, d.before, d.after);
        });
        std::mt19937 random(5);
        const auto below = [&random](int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); };
        // Width, height and number of boards; 0 x 0 is a random size for each board, up to the
        // longest line the masks hold and beyond.
        const int sizes[][3] = {{5, 5, 300}, {10, 10, 300}, {15, 10, 300}, {20, 15, 300}, {0, 0, 1500}};
        for (const auto [width, height, boards] : sizes) {
            int solved = 0;
            for (int i = 0; i < boards; ++i) {
                PuzzleGrid picture;
                picture.resize(width > 0 ? width : 1 + below(i % 10 == 0 ? 40 : 32),
                    height > 0 ? height : 1 + below(i % 10 == 5 ? 40 : 32));
                const int fillPercent = below(101);
                for (auto& column : picture.cells)
                    for (int& cell : column)
                        cell = below(100) < fillPercent ? Filled : Crossed;
                ClueSet clues;
                clues.computeFrom(picture);
                const int clueKind = below(6);
                for (auto* lists : {&clues.columnClues, &clues.rowClues}) {
                    const int length = lists == &clues.columnClues ? picture.height : picture.width;
                    for (std::vector<int>& list : *lists) {
                        if (clueKind == 2 || (clueKind == 1 && below(4) == 0)) {
                            list.assign(static_cast<size_t>(1 + below(length / 2 + 2)), 0);
                            for (int& value : list)
                                value = below(5) == 0 ? below(length + 2) : 1 + below(4);
                        }
                        for (int& value : list)
                            value *= clueKind == 3 && below(3) == 0 ? -1 : 1;
                    }
                }
                PuzzleGrid start = picture;
                const int startKind = below(6);
                const int decidedPercent = startKind < 2 ? 0 : below(80);
                for (auto& column : start.cells) {
                    for (int& cell : column) {
                        if (below(100) >= decidedPercent)
                            cell = Blank;
                        else if (startKind == 2 || (startKind == 3 && below(20) == 0))
                            cell = Filled + below(2);
                        else if (startKind == 4 && below(30) == 0)
                            cell = MarkedFilled + below(2);
                    }
                }
                const int highest = below(3) ? int(LineSolver::Fill) : 1 + below(LineSolver::Fill);
                solver.setTechniqueLimit(highest);
                traced.setTechniqueLimit(highest);
                // The result, the board, every clue list with its signs, and the record.
                const auto outcome = [&](LogicSolver* by, QStringList& deductions) {
                    PuzzleGrid board = start;
                    ClueSet signs = clues;
                    deductions.clear();
                    LogicSolver::Record record;
                    const bool result
                        = by ? by->solve(board, signs) : referenceSolve(board, signs, highest, record, deductions);
                    record = by ? by->lastRecord() : record;
                    return std::make_tuple(result, rowsOf(board), signs.columnClues, signs.rowClues,
                        record.highestTechnique, record.deductions, record.sweeps);
                };
                QStringList expectedTrace, untraced;
                const auto expected = outcome(nullptr, expectedTrace);
                const QString context = QString::asprintf("%d x %d board %d from ", picture.width, picture.height, i)
                    + rowsOf(start).join('/');
                QVERIFY2(outcome(&solver, untraced) == expected, qPrintable(context));
                QVERIFY2(outcome(&traced, trace) == expected && trace == expectedTrace, qPrintable(context));
                solved += std::get<0>(expected);
                if (clueKind == 1 || clueKind == 2 || (startKind > 1 && startKind < 5))
                    continue;
                const QString board = std::get<1>(expected).join('/');
                const QString truth = rowsOf(picture).join('/');
                for (int c = 0; c < board.size(); ++c)
                    QVERIFY2(board[c] == truth[c] || board[c] == '0', qPrintable(context));
                // Solved, the board is the picture, bar blanks left where fewer techniques ran.
                QVERIFY2(!std::get<0>(expected) || QString(board).replace('0', '2') == truth, qPrintable(context));
            }
            // Both outcomes must occur for the comparison to mean much.
            QVERIFY(solved > boards / 20 && solved < boards - boards / 20);
        }
    }

    void hintTakesTheFirstLineThenTechniqueAndFinishesThePuzzle()
    {
        // Picture, board, and the hint: technique, line, board after.
        const char* const cases[][3] = {
            // Row 0 admits Boxes, but column 0 (empty) admits Complete and columns come first.
            {"21111/22222/22222/22222/22222", "00000/00000/00000/00000/00000", "2 c0 40000/40000/40000/40000/40000"},
            // The run is in place: Complete and Gap would both cross cells; Complete wins.
            {"2/2/1/1/2/2/2", "0/2/1/1/2/0/0", "2 c0 4/2/1/1/2/4/4"},
            // Columns 2 and 4 both admit Boxes; so do the rows.
            {"12111/12111/12111", "12000/12000/12000", "1 c2 12300/12300/12300"},
            // No column admits anything (a lone cell may lie anywhere); row 0 admits Complete and
            // row 1 Boxes: the lower index wins over the lower technique.
            {"222/111/222", "000/000/000", "2 r0 444/000/000"},
            // Nothing found: the line index is left alone.
            {"1211/2122/1112", "1211/2122/1112", "0 r42 1211/2122/1112"},
        };
        for (const auto& [picture, before, hint] : cases) {
            ClueSet clues;
            clues.computeFrom(boardFrom(picture));
            PuzzleGrid board = boardFrom(before);
            bool isRow = false;
            int lineIndex = 42;
            const int technique = LogicSolver().findHint(board, clues, isRow, lineIndex);
            const QString found = QString::asprintf("%d %c%d ", technique, isRow ? 'r' : 'c', lineIndex);
            QCOMPARE(found + rowsOf(board).join('/'), QString(hint));
        }

        // Generated puzzles, partly entered correctly: every hint mark agrees with the solution,
        // and asking for hints again and again finishes the puzzle.
        LogicSolver hinter;
        int hintsChecked = 0;
        for (const auto& size : {std::pair(5, 5), {10, 5}, {10, 10}, {15, 10}, {20, 15}}) {
            for (unsigned seed = 1; seed <= 12; ++seed) {
                GeneratedPuzzle puzzle(seed, size.first, size.second);
                const PuzzleGrid& solution = puzzle.solution;
                PuzzleGrid board;
                board.resize(size.first, size.second);
                for (int revealPercent = 0; revealPercent < 100; revealPercent += 5) {
                    for (int x = 0; x < board.width; ++x)
                        for (int y = 0; y < board.height; ++y)
                            board.cells[x][y] = std::rand() % 100 < revealPercent ? solution.cells[x][y] : int(Blank);
                    bool isRow = false;
                    int lineIndex = 0;
                    while (hinter.findHint(board, puzzle.clues, isRow, lineIndex) != LineSolver::None) {
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

    void gradeIsTheFewestTechniquesThatSolve()
    {
        // The reference solves with the techniques up to the grade, not with one fewer; the work
        // is that of the run with all seven. Every grade should turn up, or nothing is searched.
        QSet<int> grades;
        LogicSolver::Record all, limited;
        const auto solves = [](ClueSet clues, int highest, LogicSolver::Record& record) {
            PuzzleGrid board;
            board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
            QStringList trace;
            return referenceSolve(board, clues, highest, record, trace);
        };
        for (const auto& size : {std::pair(5, 5), {10, 10}, {15, 15}, {20, 15}}) {
            for (unsigned seed = 1; seed <= 15; ++seed) {
                const ClueSet clues = GeneratedPuzzle(seed, size.first, size.second).clues;
                const Difficulty grade = gradePuzzle(clues);
                const int hardest = grade.hardestTechnique;
                QVERIFY(solves(clues, LineSolver::Fill, all));
                QCOMPARE(QPoint(grade.deductions, grade.sweeps), QPoint(all.deductions, all.sweeps));
                QVERIFY(hardest >= LineSolver::Boxes && solves(clues, hardest, limited));
                QVERIFY(hardest == LineSolver::Boxes || !solves(clues, hardest - 1, limited));
                grades << hardest;
            }
        }
        QVERIFY(grades.size() >= 4);

        const std::pair<const char*, Difficulty> pinned[] = {
            // A line is done when its runs match, crossed or not: Boxes fills the top row, and
            // the Complete that crosses the other two is not needed.
            {"111/222/222", {LineSolver::Boxes, 3, 1}},
            // Nothing places the lone cell until Complete crosses the empty column beside it.
            {"12/22", {LineSolver::Complete, 3, 1}},
            // Either diagonal fits: nothing is deduced and nothing solves it.
            {"12/21", {LineSolver::None, 0, 0}},
        };
        for (const auto& [picture, expected] : pinned) {
            ClueSet clues;
            clues.computeFrom(boardFrom(picture));
            const Difficulty grade = gradePuzzle(clues);
            QCOMPARE(QVector<int>({grade.hardestTechnique, grade.deductions, grade.sweeps}),
                QVector<int>({expected.hardestTechnique, expected.deductions, expected.sweeps}));
        }
    }
};

QTEST_APPLESS_MAIN(LogicSolverTest)
#include "test_logic_solver.moc"
