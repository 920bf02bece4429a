// SPDX-License-Identifier: GPL-3.0-or-later
// The techniques past the seven, the verdicts and the hints on any board: verdicts against
// every picture of small boards, each technique on a puzzle that needs it, and the seven's
// solve and hints kept exactly as LogicSolver gives them.
#include "GeneratedPuzzle.h"
#include "LineNotation.h"

#include "CellState.h"
#include "ClueSet.h"
#include "LinePropagator.h"
#include "LogicSolver.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"
#include "PuzzleVerdict.h"
#include "TechniqueTable.h"

#include <QtTest>

#include <random>

namespace {

// Clues as the puzzle tool writes them: lists in reading order, separated by commas.
std::vector<std::vector<int>> listsOf(const char* text)
{
    std::vector<std::vector<int>> lists;
    for (const QString& list : QString(text).split(',')) {
        std::vector<int> stored;
        for (const QString& run : list.split(' ', Qt::SkipEmptyParts))
            stored.insert(stored.begin(), run.toInt());
        lists.push_back(stored);
    }
    return lists;
}

struct Example {
    ClueSet clues;
    PuzzleGrid solution;
};

// A puzzle from its picture, rows of '#' and '.'.
Example exampleOf(const std::vector<const char*>& rows)
{
    std::vector<std::string> digits;
    for (const char* row : rows)
        digits.push_back(QString(row).replace('#', '1').replace('.', '2').toStdString());
    std::vector<const char*> pointers;
    for (const std::string& row : digits)
        pointers.push_back(row.c_str());
    Example example;
    example.solution = boardOf(pointers);
    example.clues.computeFrom(example.solution);
    return example;
}

// The seven stall on these; lines alone finish the first, What If the second; the third has
// one picture that only a search finds.
const std::vector<const char*> needsArrangements = {".#.#..", "#.....", "#...##", "#.##.#", ".##..#", "#.#.#."};
const std::vector<const char*> needsWhatIf
    = {"#.#.#..", ".##.##.", ".#..#..", "..##...", "..#.#.#", "....###", "......#"};
const std::vector<const char*> needsSearch = {"#.#..##...", "##..#...#.", ".#...##.#.", "....#.....", "#.###.....",
    ".#........", "....##..##", "##...#...#", "..#...##..", "#.##...#.."};

bool sameCells(const PuzzleGrid& a, const PuzzleGrid& b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (int x = 0; x < a.width; ++x)
        for (int y = 0; y < a.height; ++y)
            if ((a.cells[x][y] == Filled) != (b.cells[x][y] == Filled))
                return false;
    return true;
}

bool fits(const ClueSet& clues, const PuzzleGrid& picture)
{
    ClueSet given;
    given.computeFrom(picture);
    auto same = [](const std::vector<std::vector<int>>& lists, const std::vector<std::vector<int>>& wanted) {
        for (size_t line = 0; line < lists.size(); ++line) {
            if (lists[line].size() != wanted[line].size())
                return false;
            for (size_t i = 0; i < lists[line].size(); ++i)
                if (lists[line][i] != std::abs(wanted[line][i]))
                    return false;
        }
        return true;
    };
    return same(given.columnClues, clues.columnClues) && same(given.rowClues, clues.rowClues);
}

// One deduction as the traces are compared: "4 c3 0120>1121".
QString deductionText(
    int technique, bool isRow, int index, const std::vector<int>& before, const std::vector<int>& after)
{
    return QString("%1 %2%3 %4>%5")
        .arg(technique)
        .arg(isRow ? 'r' : 'c')
        .arg(index)
        .arg(digitsOf(before), digitsOf(after));
}

// Every deduction of a solve as text, and the board the trace's last step leaves.
QStringList traceOf(PuzzleLogic& logic, PuzzleGrid& board, ClueSet& clues, bool& solved)
{
    QStringList trace;
    logic.setObserver([&](const PuzzleLogic::Step& step) {
        trace << deductionText(step.technique, step.isRow, step.lineIndex, step.before, step.after);
    });
    solved = logic.solve(board, clues);
    return trace;
}

PuzzleGrid blankOf(const ClueSet& clues)
{
    PuzzleGrid board;
    board.resize(int(clues.columnClues.size()), int(clues.rowClues.size()));
    return board;
}

} // namespace

class PuzzleLogicTest : public QObject {
    Q_OBJECT

private slots:
    // On boards of up to 16 cells every picture can be tried: the verdict must say how many
    // fit (none, one or several), keep the ones it names, and call a picture logic's only
    // where the techniques then find it.
    void verdictsCountEveryPicture()
    {
        std::mt19937 random(7);
        int seen[5] = {};
        for (int round = 0; round < 400; ++round) {
            const int width = 1 + int(random() % 4);
            const int height = 1 + int(random() % 4);
            PuzzleGrid picture;
            picture.resize(width, height);
            for (auto& column : picture.cells)
                for (int& cell : column)
                    cell = random() % 2 ? Filled : Crossed;
            ClueSet clues;
            clues.computeFrom(picture);
            // Some clues no longer fit their picture, and perhaps none.
            if (random() % 3 == 0) {
                auto& list = random() % 2 ? clues.columnClues[random() % width] : clues.rowClues[random() % height];
                int& run = list[random() % list.size()];
                run = std::max(1, run + (random() % 2 ? 1 : -1));
            }
            std::vector<PuzzleGrid> fitting;
            PuzzleGrid candidate;
            candidate.resize(width, height);
            for (unsigned bits = 0; bits < 1u << (width * height); ++bits) {
                for (int i = 0; i < width * height; ++i)
                    candidate.cells[i % width][i / width] = bits >> i & 1 ? Filled : Crossed;
                if (fits(clues, candidate))
                    fitting.push_back(candidate);
            }

            const PuzzleVerdict verdict = judgePuzzle(clues, std::chrono::seconds(5));
            ++seen[int(verdict.kind)];
            const QString what = QString("%1x%2 round %3").arg(width).arg(height).arg(round);
            switch (fitting.size()) {
            case 0:
                QVERIFY2(verdict.kind == PuzzleVerdict::Kind::None, qPrintable(what));
                QVERIFY(verdict.solutions.empty());
                break;
            case 1:
                QVERIFY2(verdict.kind == PuzzleVerdict::Kind::Logic || verdict.kind == PuzzleVerdict::Kind::Guess,
                    qPrintable(what));
                QCOMPARE(verdict.solutions.size(), size_t(1));
                QVERIFY(sameCells(verdict.solutions[0], fitting[0]));
                break;
            default:
                QVERIFY2(verdict.kind == PuzzleVerdict::Kind::Several, qPrintable(what));
                QCOMPARE(verdict.solutions.size(), size_t(2));
                QVERIFY(!sameCells(verdict.solutions[0], verdict.solutions[1]));
                QVERIFY(fits(clues, verdict.solutions[0]) && fits(clues, verdict.solutions[1]));
            }
            PuzzleGrid board = blankOf(clues);
            ClueSet working = clues;
            PuzzleLogic logic;
            const bool solved = logic.solve(board, working);
            QCOMPARE(solved, verdict.kind == PuzzleVerdict::Kind::Logic);
            if (solved)
                QVERIFY(sameCells(board, fitting[0]));
        }
        QVERIFY(seen[int(PuzzleVerdict::Kind::None)] > 20 && seen[int(PuzzleVerdict::Kind::Several)] > 20);
        QVERIFY(seen[int(PuzzleVerdict::Kind::Logic)] > 100);
    }

    void eachTechniqueIsNamedWhereItIsNeeded_data()
    {
        QTest::addColumn<int>("example");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("hardest");
        QTest::newRow("Arrangements") << 0 << int(PuzzleVerdict::Kind::Logic) << arrangementsTechnique;
        QTest::newRow("What If") << 1 << int(PuzzleVerdict::Kind::Logic) << whatIfTechnique;
        QTest::newRow("search") << 2 << int(PuzzleVerdict::Kind::Guess) << 0;
    }
    void eachTechniqueIsNamedWhereItIsNeeded()
    {
        QFETCH(int, example);
        QFETCH(int, kind);
        QFETCH(int, hardest);
        const Example puzzle = exampleOf(
            std::vector<std::vector<const char*>> {needsArrangements, needsWhatIf, needsSearch}[size_t(example)]);
        const PuzzleVerdict verdict = judgePuzzle(puzzle.clues, std::chrono::seconds(10));
        QCOMPARE(int(verdict.kind), kind);
        QCOMPARE(verdict.hardestTechnique, hardest);
        QVERIFY(sameCells(verdict.solutions.at(0), puzzle.solution));

        // The trace steps past the seven only where they stall, and only as far as needed.
        PuzzleGrid board = blankOf(puzzle.clues);
        ClueSet clues = puzzle.clues;
        PuzzleLogic logic;
        bool solved = false;
        const QStringList trace = traceOf(logic, board, clues, solved);
        QCOMPARE(solved, hardest != 0);
        QCOMPARE(logic.lastRecord().deductions, int(trace.size()));
        if (hardest) {
            QCOMPARE(logic.lastRecord().highestTechnique, hardest);
            QVERIFY(!trace.filter(QRegularExpression(QString("^%1 ").arg(hardest))).isEmpty());
            QVERIFY(trace.filter(QRegularExpression(QString("^%1 ").arg(hardest + 1))).isEmpty());
        }
        for (int x = 0; x < board.width; ++x)
            for (int y = 0; y < board.height; ++y)
                QVERIFY(board.cells[x][y] == Blank || board.cells[x][y] == puzzle.solution.cells[x][y]);
        if (solved)
            QVERIFY(sameCells(board, puzzle.solution));
    }

    // A puzzle of the generated sizes is solved, traced and hinted exactly as LogicSolver
    // does, from blank and from every point of its solve.
    void theSevenStayAsTheyWere()
    {
        const int sizes[][2] = {{5, 5}, {10, 5}, {10, 10}, {15, 10}, {15, 15}, {20, 15}};
        for (unsigned seed = 1; seed <= 12; ++seed) {
            const GeneratedPuzzle puzzle(seed * 7919, sizes[seed % 6][0], sizes[seed % 6][1]);
            QStringList expected;
            LogicSolver seven;
            seven.setObserver([&](const LogicSolver::Deduction& d) {
                expected << deductionText(d.technique, d.isRow, d.lineIndex, d.before, d.after);
            });
            PuzzleGrid sevenBoard = blankOf(puzzle.clues);
            ClueSet sevenClues = puzzle.clues;
            QVERIFY(seven.solve(sevenBoard, sevenClues));
            PuzzleGrid board = blankOf(puzzle.clues);
            ClueSet clues = puzzle.clues;
            PuzzleLogic logic;
            bool solved = false;
            QCOMPARE(traceOf(logic, board, clues, solved), expected);
            QVERIFY(solved);
            QCOMPARE(logic.lastRecord().deductions, seven.lastRecord().deductions);
            QCOMPARE(logic.lastRecord().sweeps, seven.lastRecord().sweeps);
            QCOMPARE(logic.lastRecord().highestTechnique, seven.lastRecord().highestTechnique);

            PuzzleGrid hinted = blankOf(puzzle.clues);
            for (;;) {
                PuzzleGrid mine = hinted, theirs = hinted;
                ClueSet myClues = puzzle.clues, theirClues = puzzle.clues;
                bool myRow = false, theirRow = false;
                int myLine = -1, theirLine = -1;
                PuzzleLogic::Assumption assumption;
                const int found = logic.findHint(mine, myClues, myRow, myLine, assumption);
                QCOMPARE(found, LogicSolver().findHint(theirs, theirClues, theirRow, theirLine));
                QCOMPARE(rowsOf(mine), rowsOf(theirs));
                if (!found)
                    break;
                QCOMPARE(std::make_pair(myRow, myLine), std::make_pair(theirRow, theirLine));
                mine.acceptMarks();
                hinted = mine;
            }
            QVERIFY(sameCells(hinted, puzzle.solution));
        }
    }

    // Where the seven stall, the hint comes from Arrangements on one line, then from What
    // If on one cell, telling the value that broke a line; every mark is the solution's.
    void hintsGoOnWhereTheSevenStall()
    {
        for (const auto* rows : {&needsArrangements, &needsWhatIf}) {
            const Example puzzle = exampleOf(*rows);
            PuzzleGrid board = blankOf(puzzle.clues);
            ClueSet clues = puzzle.clues;
            PuzzleLogic logic;
            QSet<int> given;
            for (int hints = 0;; ++hints) {
                QVERIFY(hints < 200);
                bool isRow = false;
                int line = -1;
                PuzzleLogic::Assumption assumption;
                const PuzzleGrid before = board;
                const int technique = logic.findHint(board, clues, isRow, line, assumption);
                if (!technique)
                    break;
                given << technique;
                int marks = 0;
                for (int x = 0; x < board.width; ++x)
                    for (int y = 0; y < board.height; ++y) {
                        const int code = board.cells[x][y];
                        if (code == before.cells[x][y])
                            continue;
                        ++marks;
                        QCOMPARE(code == MarkedFilled ? int(Filled) : int(Crossed), puzzle.solution.cells[x][y]);
                        if (technique <= arrangementsTechnique)
                            QVERIFY((isRow ? y : x) == line);
                    }
                QVERIFY(marks > 0);
                if (technique == whatIfTechnique && assumption.broken) {
                    QCOMPARE(assumption.broken, Filled + Crossed - puzzle.solution.cells[assumption.x][assumption.y]);
                    QVERIFY(assumption.brokenLine >= 0
                        && assumption.brokenLine < (assumption.brokenIsRow ? board.height : board.width));
                }
                board.acceptMarks();
            }
            QVERIFY(sameCells(board, puzzle.solution));
            QVERIFY(given.contains(rows == &needsWhatIf ? whatIfTechnique : arrangementsTechnique));
        }
    }

    // Lines of 1 to 6 cells with one run each have 6! pictures: the search keeps the first
    // two it meets, and within no time it can only say it does not know.
    void theSearchStopsAtTheSecondPictureOrItsTime()
    {
        ClueSet clues;
        clues.columnClues = listsOf("1, 1, 1, 1, 1, 1");
        clues.rowClues = clues.columnClues;
        const PuzzleVerdict several = judgePuzzle(clues, std::chrono::seconds(5));
        QCOMPARE(int(several.kind), int(PuzzleVerdict::Kind::Several));
        QCOMPARE(several.solutions.size(), size_t(2));

        const Example hard = exampleOf(needsSearch);
        const PuzzleVerdict unknown = judgePuzzle(hard.clues, std::chrono::milliseconds(0));
        QVERIFY(unknown.kind == PuzzleVerdict::Kind::Unknown || unknown.kind == PuzzleVerdict::Kind::Guess);
        QVERIFY(unknown.kind == PuzzleVerdict::Kind::Guess || unknown.solutions.empty());

        // What If keeps to the time too (on a large stuck board it could take minutes); the
        // lines alone are never cut short.
        QCOMPARE(int(judgePuzzle(exampleOf(needsWhatIf).clues, std::chrono::milliseconds(0)).kind),
            int(PuzzleVerdict::Kind::Unknown));
        QCOMPARE(int(judgePuzzle(exampleOf(needsArrangements).clues, std::chrono::milliseconds(0)).kind),
            int(PuzzleVerdict::Kind::Logic));
    }

    // One filled cell in each line, on the anti-diagonal: side! pictures, and no cell What If
    // can decide. A small board's hint says so at once; a large one's would try every cell
    // both ways for seconds, and stops at its time instead, saying that it did.
    void aHintOnABoardThatNeedsAGuessSaysWhetherItLookedEverywhere()
    {
        for (const int side : {12, 110}) {
            PuzzleGrid picture;
            picture.resize(side, side);
            for (int x = 0; x < side; ++x)
                for (int y = 0; y < side; ++y)
                    picture.cells[x][y] = x + y == side - 1 ? Filled : Crossed;
            ClueSet clues;
            clues.computeFrom(picture);
            PuzzleGrid board = blankOf(clues);
            PuzzleLogic logic;
            bool isRow = false;
            int line = -1;
            PuzzleLogic::Assumption assumption;
            QCOMPARE(logic.findHint(board, clues, isRow, line, assumption), int(LineSolver::None));
            QCOMPARE(logic.hintOutOfTime(), side > 12);
        }
    }

    // Counting shows some clues fit no picture before any search.
    void cluesNoPictureFitsAreToldWhy()
    {
        ClueSet tooLong;
        tooLong.columnClues = listsOf("4, 0, 0");
        tooLong.rowClues = listsOf("1, 1, 1");
        const PuzzleVerdict line = judgePuzzle(tooLong, std::chrono::seconds(1));
        QCOMPARE(int(line.kind), int(PuzzleVerdict::Kind::None));
        QCOMPARE(int(line.fit.kind), int(ClueFit::Kind::LineTooShort));
        ClueSet totals;
        totals.columnClues = listsOf("1, 1");
        totals.rowClues = listsOf("2, 1");
        QCOMPARE(int(judgePuzzle(totals, std::chrono::seconds(1)).fit.kind), int(ClueFit::Kind::TotalsDiffer));
        QCOMPARE(QString(verdictWord(PuzzleVerdict::Kind::Several)), QString("several"));
    }
};

QTEST_GUILESS_MAIN(PuzzleLogicTest)
#include "test_puzzle_logic.moc"
