// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellState.h"
#include "DesignPuzzle.h"
#include "DesignRows.h"
#include "DesignVerdict.h"
#include "PuzzleLogic.h"
#include "TechniqueTable.h"

#include <QtTest>

using Rows = std::vector<std::string>;
using Finding = DesignVerdict::Finding;

namespace {

// Pictures whose clues need a given technique, or a guess.
const Rows needsArrangements = {".#.#..", "#.....", "#...##", "#.##.#", ".##..#", "#.#.#."};
const Rows needsWhatIf = {"#.#.#..", ".##.##.", ".#..#..", "..##...", "..#.#.#", "....###", "......#"};
const Rows needsSearch = {"#.#..##...", "##..#...#.", ".#...##.#.", "....#.....", "#.###.....", ".#........",
    "....##..##", "##...#...#", "..#...##..", "#.##...#.."};
// Two cells on a diagonal: the other diagonal has the same clues.
const Rows swappable = {".....", ".#...", "..#..", ".....", "#####"};

DesignVerdict judged(const Design& design)
{
    DesignVerdict verdict;
    verdict.start(design);
    while (!verdict.advance(std::chrono::steady_clock::now() + std::chrono::seconds(30))) { }
    return verdict;
}

std::vector<std::string> shadedRows(const DesignVerdict& verdict, int columns)
{
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < verdict.shaded().size(); ++i) {
        if (i % std::size_t(columns) == 0)
            rows.emplace_back();
        rows.back() += verdict.shaded()[i] ? 'o' : '.';
    }
    return rows;
}

// What the techniques leave open of a design, from its givens.
Rows openAfterLogic(const Design& design)
{
    PuzzleGrid board = design.startBoard();
    ClueSet clues = design.clues();
    PuzzleLogic logic;
    logic.solve(board, clues);
    Rows rows(std::size_t(design.rows), std::string(std::size_t(design.columns), '.'));
    for (int x = 0; x < design.columns; ++x)
        for (int y = 0; y < design.rows; ++y)
            if (board.cells[x][y] == Blank)
                rows[y][x] = 'o';
    return rows;
}

void take(Design& design, const DesignVerdict::Suggestion& suggestion)
{
    if (suggestion.kind == DesignVerdict::Suggestion::Kind::Toggle)
        design.set(suggestion.x, suggestion.y, !design.filled(suggestion.x, suggestion.y));
    else
        design.setGiven(suggestion.x, suggestion.y, true);
}

} // namespace

class TestDesignVerdict : public QObject {
    Q_OBJECT

private slots:
    // The technique named is the one the game's own solve needs at the hardest.
    void logicNamesTheHardestTechnique_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("hardest");
        QTest::newRow("Arrangements") << needsArrangements << arrangementsTechnique;
        QTest::newRow("What If") << needsWhatIf << whatIfTechnique;
        QTest::newRow("a frame") << Rows {"#####", "#...#", "#.#.#", "#...#", "#####"} << 5;
    }
    void logicNamesTheHardestTechnique()
    {
        QFETCH(Rows, rows);
        QFETCH(int, hardest);
        const Design design = designOf(rows);
        const DesignVerdict verdict = judged(design);
        QCOMPARE(verdict.finding(), Finding::Logic);
        QCOMPARE(verdict.hardestTechnique(), hardest);
        PuzzleGrid board = design.startBoard();
        ClueSet clues = design.clues();
        PuzzleLogic logic;
        QVERIFY(logic.solve(board, clues));
        QCOMPARE(logic.lastRecord().highestTechnique, hardest);
        QCOMPARE(std::count(verdict.shaded().begin(), verdict.shaded().end(), 1), 0);
        QCOMPARE(verdict.suggestion().kind, DesignVerdict::Suggestion::Kind::None);
    }

    // The shaded cells are exactly those the other picture changes, and the suggestion,
    // taken, leads to a picture logic finishes.
    void twoPicturesShowWhatCanBeSwapped()
    {
        Design design = designOf(swappable);
        DesignVerdict verdict = judged(design);
        QCOMPARE(verdict.finding(), Finding::Several);
        QCOMPARE(shadedRows(verdict, 5), (Rows {".....", ".oo..", ".oo..", ".....", "....."}));
        // The other picture fits the same clues.
        Design other = Design::blank(5, 5);
        for (std::size_t i = 0; i < other.cells.size(); ++i)
            other.cells[i] = verdict.otherPicture()[i] == 1;
        QVERIFY(!other.samePicture(design));
        QCOMPARE(other.clues().rowClues, design.clues().rowClues);
        QCOMPARE(other.clues().columnClues, design.clues().columnClues);

        QVERIFY(verdict.suggestion().kind != DesignVerdict::Suggestion::Kind::None);
        QVERIFY(verdict.shaded()[std::size_t(verdict.suggestion().y * 5 + verdict.suggestion().x)]);
        for (int taken = 0; verdict.finding() != Finding::Logic; ++taken) {
            QVERIFY(taken < 5);
            take(design, verdict.suggestion());
            verdict = judged(design);
        }
    }

    // One picture fits, but logic stalls: the shading is what logic leaves open.
    void aPictureThatNeedsAGuessShowsWhereLogicStalls()
    {
        Design design = designOf(needsSearch);
        DesignVerdict verdict = judged(design);
        QCOMPARE(verdict.finding(), Finding::Guess);
        QCOMPARE(shadedRows(verdict, design.columns), openAfterLogic(design));
        const DesignVerdict::Suggestion suggestion = verdict.suggestion();
        QVERIFY(suggestion.kind != DesignVerdict::Suggestion::Kind::None);
        QVERIFY(verdict.shaded()[std::size_t(suggestion.y * design.columns + suggestion.x)]);
        for (int taken = 0; verdict.finding() != Finding::Logic; ++taken) {
            QVERIFY(taken < 10);
            take(design, verdict.suggestion());
            verdict = judged(design);
        }
    }

    // A cell given at the start is one logic need not find.
    void givensCountFromTheStart()
    {
        Design design = designOf(swappable);
        design.setGiven(1, 1, true);
        QCOMPARE(judged(design).finding(), Finding::Logic);
        QCOMPARE(judged(Design::blank(8, 6)).finding(), Finding::Empty);
    }

    // Cut into the thinnest slices, the verdict is the one worked out at once, and the first
    // answer, the cells the lines leave open, comes before it.
    void slicesChangeNothing()
    {
        for (const Rows& rows : {needsWhatIf, needsSearch, swappable}) {
            const Design design = designOf(rows);
            const DesignVerdict whole = judged(design);
            DesignVerdict sliced;
            sliced.start(design);
            QCOMPARE(sliced.finding(), Finding::Working);
            bool searched = false;
            int slices = 0;
            while (!sliced.advance(std::chrono::steady_clock::now())) {
                searched = searched || sliced.finding() == Finding::Searching;
                ++slices;
            }
            QVERIFY(slices > 0);
            QVERIFY(searched);
            QCOMPARE(sliced.finding(), whole.finding());
            QCOMPARE(sliced.shaded(), whole.shaded());
            QCOMPARE(int(sliced.suggestion().kind), int(whole.suggestion().kind));
            QCOMPARE(sliced.suggestion().x, whole.suggestion().x);
            QCOMPARE(sliced.suggestion().y, whole.suggestion().y);
        }
    }

    // Played, a design is a picture of the gallery with its verdict, and its givens only
    // where it has one solution.
    void aDesignIsPlayedAsItWasJudged()
    {
        Design design = designOf(swappable);
        design.title = "Diagonal";
        design.author = "Ada";
        Puzzle puzzle = designPuzzle(design, std::chrono::seconds(10));
        QCOMPARE(puzzle.verdict, PuzzleVerdict::Kind::Several);
        QCOMPARE(puzzle.solutions.size(), std::size_t(2));
        QVERIFY(puzzle.givens.empty());
        QCOMPARE(puzzle.origin.kind, PuzzleOrigin::Kind::Gallery);
        QCOMPARE(puzzle.origin.place, designId(design));
        QCOMPARE(puzzle.title, std::string("Diagonal"));
        QCOMPARE(puzzle.licence, std::string(Design::defaultLicence));

        design.setGiven(2, 1, true);
        puzzle = designPuzzle(design, std::chrono::seconds(10));
        QCOMPARE(puzzle.verdict, PuzzleVerdict::Kind::Logic);
        QVERIFY(puzzle.hasOneSolution());
        QCOMPARE(puzzle.givens, design.givens);
        QCOMPARE(puzzle.startBoard().cells[2][1], int(Crossed));
        QVERIFY(puzzle.difficulty.hardestTechnique > 0 && puzzle.difficulty.deductions > 0);
        QCOMPARE(puzzle.colours[6], int(designInk));
        QCOMPARE(puzzle.colours[7], -1);
        // Another picture, another id; the same one drawn again, the same.
        QVERIFY(designId(design) != designId(designOf(swappable)));
        QCOMPARE(designPicture(design, 1).id, designId(design));
        QCOMPARE(designPuzzle(designOf(needsSearch), std::chrono::seconds(10)).verdict, PuzzleVerdict::Kind::Guess);
    }
};

QTEST_APPLESS_MAIN(TestDesignVerdict)
#include "test_design_verdict.moc"
