#include "GeneratedPuzzle.h"
#include "Session.h"

#include "CellState.h"

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

// Makes the puzzle srand(seed) gives and advances until it can be played.
void start(Session& session, int columns, int rows, int mode, unsigned seed)
{
    std::srand(seed);
    session.reserve().drop();
    session.begin(columns, rows, mode);
    for (int advances = 0; session.phase() == Phase::Creating && advances < 1000; ++advances)
        session.advance(10ms);
    QCOMPARE(session.phase(), Phase::Playing);
}

// A click on a cell, as the window records it, applied by the next advance.
const Session::Events& click(Session& session, int column, int row, Game::Button button = Game::Button::Left)
{
    session.record({Session::Input::Kind::Press, button, column, row, 7, 9});
    session.record({Session::Input::Kind::Release, button, column, row, 7, 9});
    return session.advance(0ms);
}

// Fills every filled cell of the solution but the last `left`.
void fillSolution(Session& session, int left = 0)
{
    std::vector<QPoint> filled;
    for (int x = 0; x < session.columns(); ++x)
        for (int y = 0; y < session.rows(); ++y)
            if (session.game().solution().cells[x][y] == Filled)
                filled.push_back({x, y});
    for (size_t i = 0; i + left < filled.size(); ++i)
        click(session, filled[i].x(), filled[i].y());
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void aPuzzleIsMadeThenPlayed()
    {
        Session session;
        QCOMPARE(session.phase(), Phase::Idle);
        std::srand(5);
        const Session::Events& began = session.begin(10, 5, Normal);
        QCOMPARE(count(began, Kind::PhaseChanged), 1);
        QCOMPARE(session.phase(), Phase::Creating);
        // Nothing is played, paused or hinted while the puzzle is made.
        session.record({Session::Input::Kind::Press, Game::Button::Left, 0, 0, 0, 0});
        QVERIFY(session.pause().empty());
        QVERIFY(session.undo().empty());
        while (session.phase() == Phase::Creating)
            session.advance(10ms);
        // The puzzle a seed gives, whatever the session does around it.
        const GeneratedPuzzle expected(5, 10, 5);
        QVERIFY(session.game().solution().cells == expected.solution.cells);
        QCOMPARE(session.game().board().width, 10);
        for (const auto& column : session.game().board().cells)
            QVERIFY(std::all_of(column.begin(), column.end(), [](int cell) { return cell == Blank; }));
        QVERIFY(session.difficulty().hardestTechnique > 0);
        QCOMPARE(session.gameNumber(), 1);
        QVERIFY(!session.clockStarted());
    }

    void theClockGoesOnlyWhilePlayingFromTheFirstCell()
    {
        Session session;
        start(session, 5, 5, Normal, 3);
        session.advance(2000ms);
        QCOMPARE(session.seconds(), 0);
        // The first entered cell starts it, and answers at the input's point.
        const Session::Events& entered = click(session, 1, 0);
        QCOMPARE(count(entered, Kind::Entered), 1);
        QVERIFY(entered.front().underPoint);
        QCOMPARE(entered.front().pointX, 7);
        QVERIFY(session.clockStarted());
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
        QCOMPARE(resumed.phase(), Phase::Playing);
        resumed.advance(5000ms);
        QCOMPARE(resumed.seconds(), std::numeric_limits<int>::max());
        QCOMPARE(resumed.game().faults(), 4);
    }

    void theWinCountsThenTheBoardDissolves()
    {
        Session session;
        start(session, 5, 5, Beginner, 7);
        fillSolution(session, 1);
        QCOMPARE(session.phase(), Phase::Playing);
        // The winning move is applied by the pause, which then does not pause.
        std::vector<QPoint> last;
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 5; ++y)
                if (session.game().solution().cells[x][y] == Filled && session.game().board().cells[x][y] == Blank)
                    last.push_back({x, y});
        QCOMPARE(int(last.size()), 1);
        session.record({Session::Input::Kind::Press, Game::Button::Left, last[0].x(), last[0].y(), 0, 0});
        const Session::Events& won = session.pause();
        QCOMPARE(count(won, Kind::Won), 1);
        QCOMPARE(session.phase(), Phase::Celebrating);

        // One random cell an advance, then all the rest at once.
        int dissolved = 0;
        int advances = 0;
        while (session.phase() == Phase::Celebrating) {
            // Ignored: the game is over.
            session.record({Session::Input::Kind::Press, Game::Button::Left, 0, 0, 0, 0});
            dissolved += count(session.advance(10ms), Kind::Dissolved);
            ++advances;
        }
        QCOMPARE(advances, 5 * 5 + 1);
        QCOMPARE(dissolved, 5 * 5 + 5 * 5);
        QCOMPARE(session.phase(), Phase::Finished);
        for (const auto& column : session.game().board().cells)
            QVERIFY(std::all_of(column.begin(), column.end(), [](int cell) { return cell == Blank; }));
    }

    void aReadyReserveStartsTheNextGameAtOnce()
    {
        Session session;
        start(session, 5, 5, Normal, 11);
        for (int i = 0; i < 100000 && !session.reserve().readyFor(15, 10); ++i)
            session.workReserve(15, 10, 2ms);
        QVERIFY(session.reserve().readyFor(15, 10));
        session.begin(15, 10, Expert);
        session.advance(10ms);
        QCOMPARE(session.phase(), Phase::Playing);
        QCOMPARE(session.columns(), 15);
        // Outside play the reserve is left alone.
        session.pause();
        session.workReserve(5, 5, 2ms);
        QVERIFY(!session.reserve().readyFor(5, 5));
    }

    void aHintIsAcceptedOnlyByTheGameThatAsked()
    {
        Session session;
        start(session, 5, 5, Normal, 13);
        // A wrong cell is mended first, at a fault's cost.
        const QPoint wrong = [&] {
            for (int x = 0; x < 5; ++x)
                for (int y = 0; y < 5; ++y)
                    if (session.game().solution().cells[x][y] == Crossed)
                        return QPoint(x, y);
            return QPoint();
        }();
        click(session, wrong.x(), wrong.y());
        Game::Hint hint;
        QCOMPARE(count(session.hint(hint), Kind::Mended), 1);
        QCOMPARE(hint.kind, Game::Hint::Kind::Mended);
        QCOMPARE(session.game().faults(), 1);

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
        QVERIFY(count(session.undo(), Kind::Restored) > 0);
        QVERIFY(session.game().board().cells == before);

        // Under another game the answer does nothing.
        session.hint(hint);
        start(session, 10, 5, Normal, 13);
        session.acceptHint(asked);
        session.stopMarking(true, asked);
        for (const auto& column : session.game().board().cells)
            QVERIFY(std::all_of(column.begin(), column.end(), [](int cell) { return cell == Blank; }));
        QCOMPARE(session.game().faults(), 0);
    }
};

QTEST_APPLESS_MAIN(SessionTest)
#include "test_session.moc"
