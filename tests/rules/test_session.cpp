// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneratedPuzzle.h"
#include "LineNotation.h"
#include "Session.h"

#include "CellState.h"
#include "LogicSolver.h"
#include "TechniqueNames.h"
#include "TechniqueTable.h"

#include <QtTest>

#include <chrono>
#include <limits>

using namespace std::chrono_literals;
using Phase = Session::Phase;
using Kind = Session::Event::Kind;

namespace {

int count(const Session::Events& events, Kind kind)
{
    return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const auto& e) { return e.kind == kind; }));
}

// Makes the puzzle of that seed and advances until it can be played.
void start(Session& session, int columns, int rows, int mode, unsigned seed)
{
    session.begin(PuzzleCode {columns, rows, seed}, mode);
    for (int advances = 0; session.phase() == Phase::Creating && advances < 1000; ++advances)
        session.advance(10ms);
    QCOMPARE(session.phase(), Phase::Playing);
}

Session::Input press(QPoint cell)
{
    return {Session::Input::Kind::Press, Game::Button::Left, cell.x(), cell.y(), 7, 9};
}

// A click on a cell, as the window records it, applied by the next advance.
const Session::Events& click(Session& session, QPoint cell)
{
    session.record(press(cell));
    session.record({Session::Input::Kind::Release, Game::Button::Left, cell.x(), cell.y(), 7, 9});
    return session.advance(0ms);
}

// The cells whose solution is that code, column by column.
std::vector<QPoint> solutionCells(const Session& session, int code)
{
    std::vector<QPoint> cells;
    for (int x = 0; x < session.columns(); ++x)
        for (int y = 0; y < session.rows(); ++y)
            if (session.game().solution().cells[x][y] == code)
                cells.push_back({x, y});
    return cells;
}

// Solves by clicking every filled cell, and lets the board dissolve.
void win(Session& session)
{
    for (QPoint cell : solutionCells(session, Filled))
        click(session, cell);
    while (session.phase() == Phase::Celebrating)
        session.advance(10ms);
    QCOMPARE(session.phase(), Phase::Finished);
}

bool blank(const Session& session)
{
    const std::vector<int> column(size_t(session.rows()), Blank);
    return session.board().cells == std::vector<std::vector<int>>(size_t(session.columns()), column);
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void aPuzzleIsMadeOrTakenFromTheReserve()
    {
        Session session;
        QCOMPARE(count(session.begin(PuzzleCode {10, 5, 5}, Normal), Kind::PhaseChanged), 1);
        QCOMPARE(session.phase(), Phase::Creating);
        // Nothing is played, paused or undone while the puzzle is made.
        session.record(press({0, 0}));
        QVERIFY(session.pause().empty());
        QVERIFY(session.undo().empty());
        while (session.phase() == Phase::Creating)
            session.advance(10ms);
        // That it is the seed's puzzle is test_puzzle_code's.
        QCOMPARE(session.game().board().width, 10);
        QVERIFY(blank(session));
        QVERIFY(session.difficulty().hardestTechnique > 0);
        QCOMPARE(session.gameNumber(), 1);
        QVERIFY(!session.clockStarted());

        // A puzzle made in the spare time of play starts at the next advance.
        for (int i = 0; i < 100000 && !session.reserve().readyFor(15, 10); ++i)
            session.workReserve(15, 10, 2ms);
        session.begin(15, 10, Expert);
        session.advance(10ms);
        QCOMPARE(session.phase(), Phase::Playing);
        QCOMPARE(session.columns(), 15);
        // Outside play the reserve is left alone.
        session.pause();
        session.workReserve(5, 5, 2ms);
        QVERIFY(!session.reserve().readyFor(5, 5));
    }

    void aPuzzleFromElsewhereIsPlayedAtOnceAndAnyPictureThatFitsWins()
    {
        // Two diagonals fit the clues of a 2x2 board with one cell in every line.
        Puzzle diagonals;
        diagonals.clues.columnClues = diagonals.clues.rowClues = {{1}, {1}};
        diagonals.verdict = PuzzleVerdict::Kind::Several;
        diagonals.difficulty.hardestTechnique = 9;
        diagonals.origin.kind = PuzzleOrigin::Kind::File;
        diagonals.title = "Diagonals";
        Session session;
        start(session, 5, 5, Normal, 3);
        const int games = session.gameNumber();

        // Without its one solution Beginner could judge no move: it is played in Normal.
        session.begin(diagonals, Beginner);
        QCOMPARE(session.phase(), Phase::Playing);
        QCOMPARE(session.gameNumber(), games + 1);
        QCOMPARE(session.mode(), int(Normal));
        QCOMPARE(session.columns() * 10 + session.rows(), 22);
        QVERIFY(blank(session) && !session.code() && !session.clockStarted());
        QCOMPARE(session.difficulty().hardestTechnique, 9);
        QCOMPARE(session.puzzle().title, std::string("Diagonals"));
        // Either diagonal wins.
        click(session, {1, 0});
        QCOMPARE(count(click(session, {0, 1}), Kind::Won), 1);

        // With its one solution known, Beginner is played as asked and judges against it.
        Puzzle corner;
        corner.clues.columnClues = {{2}, {1}};
        corner.clues.rowClues = {{1}, {2}};
        corner.verdict = PuzzleVerdict::Kind::Logic;
        PuzzleGrid solution;
        solution.resize(2, 2);
        solution.cells = {{Filled, Filled}, {Crossed, Filled}};
        corner.solutions = {solution};
        session.begin(corner, Beginner);
        QCOMPARE(session.mode(), int(Beginner));
        QCOMPARE(count(click(session, {1, 0}), Kind::Fault), 1);

        // A board met from the start wins at once, and however large it dissolves in 2 s.
        Puzzle empty;
        empty.clues.columnClues = empty.clues.rowClues = std::vector<std::vector<int>>(60, {0});
        empty.verdict = PuzzleVerdict::Kind::Logic;
        QCOMPARE(count(session.begin(empty, Normal), Kind::Won), 1);
        int advances = 0, dissolved = 0;
        for (; session.phase() == Phase::Celebrating && advances < 1000; ++advances)
            dissolved += count(session.advance(10ms), Kind::Dissolved);
        QCOMPARE(advances, 201);
        QVERIFY(dissolved >= 60 * 60);
    }

    void hintsFinishWhatLogicCanAndRevealACellWhereItCannot()
    {
        // Pictures, rows of 1 (filled) and 2 (empty): What If finishes the first; the second
        // has one picture, which only a search finds.
        const auto puzzleOf = [](const std::vector<const char*>& rows, PuzzleVerdict::Kind verdict) {
            Puzzle puzzle;
            puzzle.solutions = {boardOf(rows)};
            puzzle.clues.computeFrom(puzzle.solutions.front());
            puzzle.verdict = verdict;
            return puzzle;
        };
        const Puzzle whatIf = puzzleOf(
            {"1212122", "2112112", "2122122", "2211222", "2212121", "2222111", "2222221"}, PuzzleVerdict::Kind::Logic);
        Session session;
        session.begin(whatIf, Beginner);
        bool assumed = false;
        Game::Hint hint;
        int hints = 0;
        const auto marks = [](const PuzzleGrid& board) {
            int marked = 0;
            for (const auto& column : board.cells)
                marked += int(std::count(column.begin(), column.end(), MarkedFilled))
                    + int(std::count(column.begin(), column.end(), MarkedCrossed));
            return marked;
        };
        for (; hints < 100 && session.phase() == Phase::Playing; ++hints) {
            PuzzleGrid before = session.game().board();
            session.hint(hint);
            QCOMPARE(hint.kind, Game::Hint::Kind::Technique);
            if (hint.technique == whatIfTechnique) {
                // Its cells may stand anywhere: all that the search deduced, the assumed cell
                // among them when a value broke.
                const PuzzleLogic::Assumption& a = hint.assumption;
                const int shown = session.game().board().cells[size_t(a.x)][size_t(a.y)];
                QVERIFY(!a.broken || shown == MarkedFilled || shown == MarkedCrossed);
                ClueSet clues = whatIf.clues;
                PuzzleLogic logic;
                bool isRow = false;
                int line = 0;
                PuzzleLogic::Assumption again;
                QCOMPARE(logic.findHint(before, clues, isRow, line, again), whatIfTechnique);
                QCOMPARE(marks(session.game().board()), marks(before));
                assumed = true;
            }
            session.acceptHint(session.gameNumber());
            session.advance(10ms);
        }
        QVERIFY(assumed);
        QCOMPARE(session.phase(), Phase::Celebrating);
        // Every hint wrote the solution's cells: Beginner counted only the hints.
        QCOMPARE(session.game().faults(), hints);
        // Its replay takes What If's steps too, to the whole picture and back.
        while (session.phase() == Phase::Celebrating)
            session.advance(10ms);
        session.showSolution();
        const SolutionReplay& replay = session.replay();
        int whatIfSteps = 0;
        for (int step = 1; step <= replay.count(); ++step) {
            session.replayTo(step);
            if (replay.current()->technique != whatIfTechnique)
                continue;
            // The whole board, column by column, as the step left it.
            std::vector<int> shown;
            for (const auto& column : session.board().cells)
                shown.insert(shown.end(), column.begin(), column.end());
            QVERIFY(shown == replay.current()->after && shown != replay.current()->before);
            ++whatIfSteps;
        }
        QVERIFY(whatIfSteps > 0);
        QVERIFY(session.clues().allSatisfied());
        session.replayTo(0);
        QVERIFY(blank(session));

        const Puzzle guess = puzzleOf({"1212211222", "1122122212", "2122211212", "2222122222", "1211122222",
                                          "2122222222", "2222112211", "1122212221", "2212221122", "1211222122"},
            PuzzleVerdict::Kind::Guess);
        session.begin(guess, Normal);
        int reveals = 0;
        for (int turns = 0; turns < 200 && session.phase() == Phase::Playing; ++turns) {
            session.hint(hint);
            if (hint.kind == Game::Hint::Kind::Technique) {
                session.acceptHint(session.gameNumber());
            } else {
                QCOMPARE(hint.kind, Game::Hint::Kind::Nothing);
                const Session::Events& shown = session.revealCell(session.gameNumber());
                QCOMPARE(count(shown, Kind::Mended), 1);
                ++reveals;
            }
            session.advance(10ms);
        }
        QVERIFY(reveals > 0);
        QCOMPARE(session.phase(), Phase::Celebrating);

        // Of two pictures the hint works towards the one the board is nearer: either diagonal
        // begun is finished, never mended; and no cell is revealed before a solution is chosen.
        Puzzle diagonals;
        diagonals.clues.columnClues = diagonals.clues.rowClues = {{1}, {1}};
        diagonals.verdict = PuzzleVerdict::Kind::Several;
        diagonals.solutions = {boardOf({"12", "21"}), boardOf({"21", "12"})};
        for (const QPoint cell : {QPoint(0, 0), QPoint(1, 0)}) {
            session.begin(diagonals, Normal);
            QVERIFY(session.revealCell(session.gameNumber()).empty());
            click(session, cell);
            for (int hints = 0; hints < 4 && session.phase() == Phase::Playing; ++hints) {
                QVERIFY(session.hint(hint).empty()); // nothing mended
                QCOMPARE(hint.kind, Game::Hint::Kind::Technique);
                session.acceptHint(session.gameNumber());
                session.advance(10ms);
            }
            QCOMPARE(session.phase(), Phase::Celebrating);
            QCOMPARE(session.game().board().cells[size_t(cell.x())][size_t(cell.y())], int(Filled));
        }
    }

    // Two diagonals fit one cell in each of a 2x2 corner's lines; its top-left cell given,
    // logic finishes the one. A given cell stands through presses, drags, a restart and a
    // board that came back without it, and the solution's replay starts from it.
    void givenCellsStandAndTheReplayStartsFromThem()
    {
        Puzzle corner;
        corner.clues.columnClues = corner.clues.rowClues = {{1}, {1}, {0}};
        PuzzleGrid picture;
        picture.resize(3, 3);
        for (auto& column : picture.cells)
            column.assign(3, Crossed);
        picture.cells[0][0] = picture.cells[1][1] = Filled;
        corner.solutions = {picture};
        corner.verdict = PuzzleVerdict::Kind::Logic;
        corner.origin.kind = PuzzleOrigin::Kind::Gallery;
        corner.givens = {{0, 0}};
        Session session;
        session.begin(corner, Normal);
        QCOMPARE(session.board().cells[0][0], int(Filled));
        click(session, {0, 0});
        QCOMPARE(session.board().cells[0][0], int(Filled));
        // A drag that erases passes over it.
        click(session, {1, 0});
        session.record(press({1, 0}));
        session.record({Session::Input::Kind::Move, Game::Button::Left, 0, 0, 7, 9});
        session.record({Session::Input::Kind::Release, Game::Button::Left, 0, 0, 7, 9});
        session.advance(0ms);
        QCOMPARE(session.board().cells[1][0], int(Blank));
        QCOMPARE(session.board().cells[0][0], int(Filled));
        click(session, {2, 2});
        session.restart();
        QCOMPARE(session.board().cells[0][0], int(Filled));
        QCOMPARE(session.board().cells[2][2], int(Blank));
        PuzzleGrid without;
        without.resize(3, 3);
        session.resume(corner, Normal, without, 30, 1);
        QCOMPARE(session.board().cells[0][0], int(Filled));
        click(session, {0, 0});
        QCOMPARE(session.board().cells[0][0], int(Filled));

        click(session, {1, 1});
        QCOMPARE(session.phase(), Phase::Celebrating);
        while (session.phase() == Phase::Celebrating)
            session.advance(10ms);
        session.showSolution();
        QVERIFY(session.replay().count() > 0);
        QCOMPARE(session.board().cells[0][0], int(Filled));
        QCOMPARE(session.board().cells[1][1], int(Blank));
        session.replayTo(session.replay().count());
        QVERIFY(session.board().cells == picture.cells);
    }

    void theClockGoesOnlyWhilePlayingFromTheFirstCell()
    {
        Session session;
        start(session, 5, 5, Normal, 3);
        session.advance(2000ms);
        QCOMPARE(session.seconds(), 0);
        // The first entered cell starts it, and answers at the input's point.
        const Session::Events& entered = click(session, {1, 0});
        QCOMPARE(count(entered, Kind::Entered), 1);
        QVERIFY(entered.front().underPoint && entered.front().pointX == 7);
        session.advance(1500ms);
        QCOMPARE(session.seconds(), 1);
        session.pause();
        QCOMPARE(session.phase(), Phase::Paused);
        session.advance(5000ms);
        QCOMPARE(session.seconds(), 1);
        // A command goes on from the pause.
        QCOMPARE(count(session.undo(), Kind::Restored), 1);
        QCOMPARE(session.phase(), Phase::Playing);
        session.advance(600ms);
        QCOMPARE(session.seconds(), 2);

        // A resumed game's clock runs at once, and stops at the largest int.
        Session resumed;
        const GeneratedPuzzle puzzle(3, 5, 5);
        PuzzleGrid board;
        board.resize(5, 5);
        resumed.resume(Expert, board, puzzle.clues, puzzle.solution, std::numeric_limits<int>::max() - 1, 4);
        resumed.advance(5000ms);
        QCOMPARE(resumed.seconds(), std::numeric_limits<int>::max());
        QCOMPARE(resumed.game().faults(), 4);
    }

    void aRestartClearsTheBoardAndItsHistoryButNotTheClockOrFaults()
    {
        Session session;
        start(session, 10, 10, Normal, 42);
        const std::vector<QPoint> filled = solutionCells(session, Filled);
        const std::vector<QPoint> crossed = solutionCells(session, Crossed);
        click(session, filled[0]);
        click(session, filled[1]);
        click(session, crossed[0]); // wrong
        Game::Hint hint;
        session.hint(hint); // mends the wrong cell: a fault
        click(session, crossed[1]); // wrong again
        session.startMarking();
        click(session, filled[2]);
        click(session, filled[3]);
        session.undo();
        session.advance(3000ms);
        QCOMPARE(session.game().faults(), 1);
        QVERIFY(session.game().canUndo() && session.game().canRedo() && session.game().marking());
        int entered = 0;
        for (const std::vector<int>& column : session.game().board().cells)
            entered += int(std::count_if(column.begin(), column.end(), [](int cell) { return cell != Blank; }));
        QVERIFY(entered >= 3);
        session.pause();

        // From the pause, as any command: the board blank, its clues open again, marks mode
        // off, nothing to undo or redo; the time and the faults go on.
        const Session::Events& events = session.restart();
        QCOMPARE(session.phase(), Phase::Playing);
        QCOMPARE(count(events, Kind::Erased), entered);
        QVERIFY(blank(session));
        QVERIFY(!session.game().marking() && !session.game().canUndo() && !session.game().canRedo());
        session.advance(0ms);
        for (const auto& line : session.game().clues().rowClues)
            QVERIFY(line.front() >= 0);
        QCOMPARE(session.game().faults(), 1);
        QCOMPARE(session.seconds(), 3);
        session.advance(1000ms);
        QCOMPARE(session.seconds(), 4);
        QVERIFY(session.restart().empty());
    }

    void theWinIsReportedOnceThenTheBoardDissolves()
    {
        Session session;
        start(session, 5, 5, Beginner, 7);
        const std::vector<QPoint> filled = solutionCells(session, Filled);
        const std::vector<QPoint> crossed = solutionCells(session, Crossed);
        QCOMPARE(count(click(session, crossed[0]), Kind::Fault), 1);
        session.advance(3000ms);
        // Every click recorded before a command counts, in order: the pause applies them up to
        // the winning move and then does not pause; the input after that move, another fault,
        // is dropped.
        for (QPoint cell : filled) {
            session.record(press(cell));
            session.record({Session::Input::Kind::Release, Game::Button::Left, cell.x(), cell.y(), 7, 9});
        }
        session.record(press(crossed[1]));
        const Session::Events& won = session.pause();
        QCOMPARE(count(won, Kind::Won), 1);
        QCOMPARE(session.phase(), Phase::Celebrating);

        // One random cell an advance, then all the rest at once, while time and faults stand.
        int dissolved = 0, advances = 0;
        while (session.phase() == Phase::Celebrating) {
            session.record(press(crossed[1]));
            const Session::Events& events = session.advance(1000ms);
            QCOMPARE(count(events, Kind::Won) + count(events, Kind::Fault), 0);
            dissolved += count(events, Kind::Dissolved);
            ++advances;
        }
        QCOMPARE(advances, 5 * 5 + 1);
        QCOMPARE(dissolved, 5 * 5 + 5 * 5);
        QCOMPARE(session.phase(), Phase::Finished);
        QVERIFY(blank(session));
        QCOMPARE(session.seconds(), 3);
        QCOMPARE(session.game().faults(), 1);
    }

    void theSolutionIsReplayedAsTheSolverFoundItWithoutTouchingTheScore()
    {
        Session session;
        start(session, 10, 10, Normal, 7);
        QCOMPARE(session.showSolution().size(), size_t(0));
        session.advance(5000ms);
        win(session);
        const int seconds = session.seconds();
        // What dissolves is a copy: the game keeps the picture the player made.
        const auto wonBoard = session.game().board().cells;
        QVERIFY(blank(session));
        for (QPoint cell : solutionCells(session, Filled))
            QCOMPARE(wonBoard[size_t(cell.x())][size_t(cell.y())], int(Filled));

        // The solver, run on its own, names the steps.
        std::vector<std::string> expected;
        LogicSolver solver;
        solver.setObserver([&](const LogicSolver::Deduction& d) {
            expected.push_back(deductionName(d.technique, d.isRow, d.lineIndex, d.clue));
        });
        PuzzleGrid board;
        board.resize(10, 10);
        ClueSet clues = session.game().clues();
        QVERIFY(solver.solve(board, clues));

        QCOMPARE(count(session.showSolution(), Kind::PhaseChanged), 1);
        QCOMPARE(session.phase(), Phase::Replaying);
        const SolutionReplay& replay = session.replay();
        QCOMPARE(replay.count(), int(expected.size()));
        QCOMPARE(replay.count(), session.difficulty().deductions);
        QVERIFY(blank(session));
        std::vector<PuzzleGrid> seen {session.board()};
        for (int step = 1; step <= replay.count(); ++step) {
            const Session::Events& events = session.replayTo(step);
            QCOMPARE(count(events, Kind::Won), 0);
            const SolutionReplay::Step& named = *replay.current();
            QCOMPARE(deductionName(named.technique, named.isRow, named.line, named.clue), expected[size_t(step - 1)]);
            seen.push_back(session.board());
        }
        QVERIFY(session.board().cells == session.game().solution().cells);
        QVERIFY(session.clues().allSatisfied());
        QCOMPARE(session.phase(), Phase::Replaying);

        // Jumps land where the steps one by one did.
        for (int to : {3, 1, replay.count() - 2, 0, 5}) {
            session.replayTo(to);
            QVERIFY(session.board().cells == seen[size_t(to)].cells);
        }

        // Played, it steps at its pace and stops at the end.
        session.playReplay(true);
        QCOMPARE(session.replayPace(), 800ms);
        session.advance(session.replayPace() - 1ms);
        QCOMPARE(replay.position(), 5);
        QCOMPARE(count(session.advance(1ms), Kind::Replayed), 1);
        QCOMPARE(replay.position(), 6);
        // Eight times faster or slower at most, a step's wait shortened with its pace.
        session.advance(500ms);
        session.changeReplaySpeed(+10);
        QCOMPARE(session.replayPace(), 100ms);
        QCOMPARE(session.toNextReplayStep(), 0ms);
        session.advance(0ms);
        QCOMPARE(replay.position(), 7);
        session.changeReplaySpeed(-10);
        QCOMPARE(session.replayPace(), 6400ms);
        session.advance(6399ms);
        QCOMPARE(replay.position(), 7);
        session.advance(1ms);
        QCOMPARE(replay.position(), 8);
        session.changeReplaySpeed(Session::usualReplaySpeed);
        QCOMPARE(session.replayPace(), 800ms);
        while (session.replayPlaying())
            session.advance(session.replayPace());
        QVERIFY(replay.atEnd());

        // Left halfway, the player's own solved picture shows, as it stood at the win.
        session.replayTo(2);
        session.leaveReplay();
        QCOMPARE(session.phase(), Phase::Solved);
        QVERIFY(session.board().cells == wonBoard);
        QVERIFY(session.clues().allSatisfied());
        QCOMPARE(session.seconds(), seconds);
        QCOMPARE(session.game().faults(), 0);
        QVERIFY(session.canShowSolution());
        session.showSolution();
        QVERIFY(blank(session));
    }

    void aHintIsAcceptedOnlyByTheGameThatAsked()
    {
        Session session;
        start(session, 5, 5, Normal, 13);
        // A wrong cell is mended first (at a fault's cost, as test_game_rules checks).
        click(session, solutionCells(session, Crossed).front());
        Game::Hint hint;
        QCOMPARE(count(session.hint(hint), Kind::Mended), 1);

        // A technique's cells stand as marks until accepted.
        const auto before = session.game().board().cells;
        session.hint(hint);
        QCOMPARE(hint.kind, Game::Hint::Kind::Technique);
        const int asked = session.gameNumber();
        const auto marked = session.game().board().cells;
        session.acceptHint(asked + 1);
        QVERIFY(session.game().board().cells == marked);
        session.acceptHint(asked);
        QVERIFY(session.game().board().cells != marked && session.game().board().cells != before);

        // Under another game the answer does nothing.
        session.hint(hint);
        start(session, 10, 5, Normal, 13);
        session.acceptHint(asked);
        session.stopMarking(true, asked);
        QVERIFY(blank(session));
        QCOMPARE(session.game().faults(), 0);

        // The hint that completes the board wins once accepted, never while its cells wait as
        // marks under its box (ticks run meanwhile); a hint asked for at once, before any tick,
        // finds the board won and opens no box.
        bool wonUnderTheBox = false;
        for (int hints = 0; hints < 100; ++hints) {
            session.hint(hint);
            if (hint.kind != Game::Hint::Kind::Technique)
                break;
            wonUnderTheBox |= count(session.advance(10ms), Kind::Won) > 0;
            session.acceptHint(session.gameNumber());
        }
        QVERIFY(!wonUnderTheBox);
        QCOMPARE(hint.kind, Game::Hint::Kind::Nothing);
        QCOMPARE(session.phase(), Phase::Celebrating);
    }
};

QTEST_APPLESS_MAIN(SessionTest)
#include "test_session.moc"
