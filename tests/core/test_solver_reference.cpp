// LogicSolver::solve against its definition written out plainly: whatever it skips, it must
// return the same result and leave the same board, the same clue signs, the same deductions
// and the same record of its work as running every technique on every line in every sweep.
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LineSolver.h"
#include "LogicSolver.h"
#include "PuzzleGrid.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

QString deduction(int technique, bool isRow, int index, const std::vector<int>& before, const std::vector<int>& after)
{
    return QString("%1 %2%3 %4>%5")
        .arg(technique)
        .arg(isRow ? 'r' : 'c')
        .arg(index)
        .arg(digitsOf(before), digitsOf(after));
}

// Every sweep: refresh all signs, then run the seven techniques in order on every column,
// then on every row; stop after a sweep that wrote nothing. The record counts what it did:
// each technique that wrote on a line, and each sweep that wrote.
bool referenceSolve(PuzzleGrid& board, ClueSet& clues, QStringList& trace, LogicSolver::Record& record)
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
            const std::vector<int>& clue = isRow ? clues.rowClues[index] : clues.columnClues[index];
            for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique) {
                const std::vector<int> before = line;
                if (techniques.apply(technique, line, clue, Filled, Crossed)) {
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

struct RandomPuzzles {
    std::mt19937 random;

    int below(int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }

    PuzzleGrid picture(int width, int height)
    {
        PuzzleGrid picture;
        picture.resize(width, height);
        const int fillPercent = below(101);
        for (auto& column : picture.cells)
            for (int& cell : column)
                cell = below(100) < fillPercent ? Filled : Crossed;
        return picture;
    }

    // The picture's clues, or clues no picture fits: some or all lists random, some with
    // random signs.
    ClueSet clues(const PuzzleGrid& picture)
    {
        ClueSet clues;
        clues.computeFrom(picture);
        const int kind = below(6);
        for (auto* lists : {&clues.columnClues, &clues.rowClues}) {
            const int length = lists == &clues.columnClues ? picture.height : picture.width;
            for (std::vector<int>& list : *lists) {
                if (kind == 2 || (kind == 1 && below(4) == 0))
                    list = randomList(length);
                else if (kind == 3)
                    for (int& value : list)
                        value = below(3) == 0 ? -value : value;
            }
        }
        return clues;
    }

    // Blank, or partly decided: from the picture, at random, or with marks here and there.
    PuzzleGrid start(const PuzzleGrid& picture)
    {
        PuzzleGrid board;
        board.resize(picture.width, picture.height);
        const int kind = below(6);
        if (kind < 2)
            return board;
        const int decidedPercent = below(80);
        for (int x = 0; x < board.width; ++x) {
            for (int y = 0; y < board.height; ++y) {
                if (below(100) >= decidedPercent)
                    continue;
                int& cell = board.cells[x][y];
                cell = kind == 2 ? Filled + below(2) : picture.cells[x][y];
                if (kind == 3 && below(20) == 0)
                    cell = Filled + below(2);
                if (kind == 4 && below(30) == 0)
                    cell = MarkedFilled + below(2);
            }
        }
        return board;
    }

    std::vector<int> randomList(int length)
    {
        std::vector<int> list(static_cast<size_t>(1 + below(length / 2 + 2)));
        for (int& value : list)
            value = below(5) == 0 ? below(length + 2) : 1 + below(4);
        return list;
    }
};

} // namespace

class SolverReferenceTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsEveryLineEverySweep()
    {
        // A solver that reports its deductions runs the techniques one by one; check that way
        // too.
        LogicSolver solver;
        LogicSolver traced;
        QStringList trace;
        traced.setObserver([&trace](const LogicSolver::Deduction& d) {
            trace << deduction(d.technique, d.isRow, d.lineIndex, d.before, d.after);
        });
        // Width, height and number of boards; 0 x 0 is a random size for each board, up to the
        // longest line the masks hold and beyond.
        const int sizes[][3]
            = {{5, 5, 400}, {10, 5, 400}, {10, 10, 400}, {15, 10, 400}, {15, 15, 400}, {20, 15, 400}, {0, 0, 1500}};
        for (const auto [width, height, boards] : sizes) {
            RandomPuzzles random {std::mt19937(static_cast<unsigned>(width * 100 + height))};
            int solved = 0;
            for (int i = 0; i < boards; ++i) {
                const int columns = width > 0 ? width : 1 + random.below(i % 10 == 0 ? 40 : 32);
                const int rows = height > 0 ? height : 1 + random.below(i % 10 == 5 ? 40 : 32);
                const PuzzleGrid picture = random.picture(columns, rows);
                const ClueSet clues = random.clues(picture);
                const PuzzleGrid start = random.start(picture);
                // The result, the board, every clue list with its signs, and the record.
                const auto outcome = [&](LogicSolver* by, QStringList& deductions) {
                    PuzzleGrid board = start;
                    ClueSet signs = clues;
                    deductions.clear();
                    LogicSolver::Record record;
                    const bool result = by ? by->solve(board, signs) : referenceSolve(board, signs, deductions, record);
                    if (by)
                        record = by->lastRecord();
                    return std::make_tuple(result, rowsOf(board), signs.columnClues, signs.rowClues,
                        record.highestTechnique, record.deductions, record.sweeps);
                };
                QStringList expectedTrace, untraced;
                const auto expected = outcome(nullptr, expectedTrace);
                const QString context
                    = QString("%1 x %2 board %3 from %4").arg(columns).arg(rows).arg(i).arg(rowsOf(start).join('/'));
                QVERIFY2(outcome(&solver, untraced) == expected, qPrintable(context));
                QVERIFY2(outcome(&traced, trace) == expected, qPrintable(context));
                QVERIFY2(trace == expectedTrace, qPrintable(context));
                solved += std::get<0>(expected);
            }
            // Both outcomes must occur for the comparison to mean much.
            QVERIFY(solved > boards / 20 && solved < boards - boards / 20);
        }
    }
};

QTEST_APPLESS_MAIN(SolverReferenceTest)
#include "test_solver_reference.moc"
