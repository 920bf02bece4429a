// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineNotation.h"

#include "CellState.h"
#include "DragPath.h"
#include "Game.h"
#include "PuzzleLogic.h"

#include <QtTest>

#include <tuple>
#include <utility>

namespace {

using Button = Game::Button;

// A game whose solution and board are given as rows of digits, top row first; the board
// starts blank when not given.
Game gameOf(int mode, const std::vector<const char*>& solutionRows, const std::vector<const char*>& boardRows = {})
{
    const PuzzleGrid solution = boardOf(solutionRows);
    PuzzleGrid board = boardOf(boardRows.empty() ? solutionRows : boardRows);
    if (boardRows.empty())
        board.resize(solution.width, solution.height);
    ClueSet clues;
    clues.computeFrom(solution);
    Game game;
    game.setUp(mode, board, solution, clues, 0);
    return game;
}

// Press on the first cell, one move to each further cell, release.
void drag(Game& game, Button button, std::initializer_list<std::pair<int, int>> cells)
{
    game.press(button, cells.begin()->first, cells.begin()->second);
    for (auto it = cells.begin() + 1; it != cells.end(); ++it)
        game.moveTo(it->first, it->second);
    game.release(button);
}

QString cellsOf(const std::vector<DragPath::Cell>& cells)
{
    QStringList text;
    for (const DragPath::Cell& cell : cells)
        text << QString("%1,%2").arg(cell.x).arg(cell.y);
    return text.join(' ');
}

QString reasonsOf(const Game::Changes& changes)
{
    const char* const names[] = {"Entered", "Erased", "Fault", "Mended", "Settled", "Restored"};
    QStringList text;
    for (const CellChange& c : changes)
        text << QString("%1,%2 %3>%4 %5").arg(c.x).arg(c.y).arg(c.before).arg(c.after).arg(names[int(c.reason)]);
    return text.join("; ");
}

} // namespace

class GameRulesTest : public QObject {
    Q_OBJECT

private slots:
    void aDragAlongARowFollowsTheModeRules()
    {
        // One row, pressed on its first cell and dragged cell by cell to its last: the mode,
        // marks mode, the button, the solution, the row before and after, the faults.
        const Button left = Button::Left, right = Button::Right;
        const std::tuple<const char*, int, bool, Button, const char*, const char*, const char*, int> drags[] = {
            {"normal fills only blanks", Normal, false, left, "12121", "01020", "11121", 0},
            {"normal crosses only blanks", Normal, false, right, "12121", "02010", "22212", 0},
            {"normal marks fills", Normal, true, left, "12121", "00000", "33333", 0},
            {"normal marks crosses", Normal, true, right, "12121", "00000", "44444", 0},
            {"normal erases from a cross", Normal, false, left, "12121", "21340", "00000", 0},
            {"expert fills wrong cells too", Expert, false, left, "12121", "00200", "11211", 0},
            {"expert has no crosses", Expert, false, right, "12121", "00000", "00000", 0},
            {"expert erases with the right button", Expert, false, right, "12121", "10204", "00000", 0},
            {"beginner stops at a wrong fill", Beginner, false, left, "11211", "00000", "11200", 1},
            {"beginner stops at a wrong cross", Beginner, false, right, "22122", "00000", "22100", 1},
            {"beginner never erases", Beginner, false, left, "12111", "12000", "12000", 0},
        };
        for (const auto& [name, mode, marking, button, solution, before, after, faults] : drags) {
            Game game = gameOf(mode, {solution}, {before});
            if (marking)
                game.startMarking();
            drag(game, button, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
            const QString row = digitsOf(game.board().row(0));
            QVERIFY2(row == after && game.faults() == faults && game.board().changed == (row != before),
                qPrintable(name + (": " + row)));
        }
    }

    void aDragKeepsToItsLineAndLeavesNoGap()
    {
        DragPath path;
        path.start(0, 2, 5, 5);
        QCOMPARE(cellsOf(path.follow(0, 2)), QString());
        // Four across and one down: the row it left along. Off the board it stops at the edge.
        QCOMPARE(cellsOf(path.follow(4, 3)), QString("1,2 2,2 3,2 4,2"));
        QCOMPARE(cellsOf(path.follow(2, 0)), QString("3,2 2,2"));
        QCOMPARE(cellsOf(path.follow(-3, 1)), QString("1,2 0,2"));
        path.start(1, 1, 5, 5);
        QCOMPARE(cellsOf(path.follow(2, 4)), QString("1,2 1,3 1,4"));
        QCOMPARE(cellsOf(path.follow(4, 0)), QString("1,3 1,2 1,1 1,0"));
        // An exact diagonal counts as across.
        path.start(2, 2, 5, 5);
        QCOMPARE(cellsOf(path.follow(3, 3)), QString("3,2"));

        // A fast drag fills every cell it jumped over.
        Game game = gameOf(Normal, {"1111111111", "1111111111"});
        drag(game, Button::Left, {{0, 0}, {9, 1}});
        QCOMPARE(rowsOf(game.board()), QStringList({"1111111111", "0000000000"}));

        // Begun off the board, the first cell reached decides; the left button wins.
        game = gameOf(Normal, {"11111"}, {"00100"});
        game.press(Button::Left, -1, 0);
        QVERIFY(game.moveTo(-1, 3).empty());
        // The first cell reached is filled, so the drag erases.
        game.moveTo(2, 0);
        game.moveTo(4, 0);
        game.release(Button::Left);
        QCOMPARE(digitsOf(game.board().row(0)), QString("00000"));
        QVERIFY2(game.moveTo(2, 0).empty(), "no button is held");

        game.press(Button::Right, 0, 0);
        game.press(Button::Left, 0, 0);
        game.moveTo(1, 0);
        game.release(Button::Left);
        game.moveTo(2, 0);
        game.release(Button::Right);
        QCOMPARE(digitsOf(game.board().row(0)), QString("21200"));
    }

    void undoAndRedoTakeWholeStepsButNeverFaults()
    {
        Game game = gameOf(Normal, {"12121", "12121"}, {"00040", "12000"});
        drag(game, Button::Left, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
        game.press(Button::Right, 0, 1);
        QCOMPARE(reasonsOf(game.moveTo(2, 1)), QString("1,1 2>0 Erased"));
        game.release(Button::Right);
        QCOMPARE(rowsOf(game.board()), QStringList({"11141", "00000"}));
        QCOMPARE(reasonsOf(game.undo()), QString("1,1 0>2 Restored; 0,1 0>1 Restored"));
        game.undo();
        QCOMPARE(rowsOf(game.board()), QStringList({"00040", "12000"}));
        QVERIFY(!game.canUndo() && game.canRedo() && game.undo().empty());
        game.redo();
        QCOMPARE(rowsOf(game.board()), QStringList({"11141", "12000"}));
        // A press that changed nothing is no step and leaves the redo steps; a new move drops them.
        game.press(Button::Left, -1, 0);
        game.release(Button::Left);
        QVERIFY(game.canRedo());
        drag(game, Button::Right, {{4, 1}});
        QVERIFY(!game.canRedo() && game.redo().empty());

        Game beginner = gameOf(Beginner, {"11211"});
        beginner.press(Button::Left, 0, 0);
        QCOMPARE(reasonsOf(beginner.moveTo(4, 0)), QString("1,0 0>1 Entered; 2,0 0>2 Fault"));
        beginner.release(Button::Left);
        beginner.undo();
        QCOMPARE(digitsOf(beginner.board().row(0)), QString("00000"));
        beginner.redo();
        QCOMPARE(digitsOf(beginner.board().row(0)), QString("11200"));
        QCOMPARE(beginner.faults(), 1);

        // Undo returns to the marks mode of the step.
        for (bool keep : {true, false}) {
            game = gameOf(Normal, {"12121"});
            game.startMarking();
            drag(game, Button::Left, {{0, 0}});
            drag(game, Button::Right, {{1, 0}});
            game.stopMarking(keep);
            QCOMPARE(digitsOf(game.board().row(0)), QString(keep ? "12000" : "00000"));
            game.undo();
            QCOMPARE(digitsOf(game.board().row(0)), QString("34000"));
            QVERIFY(game.marking());
            game.redo();
            QCOMPARE(digitsOf(game.board().row(0)), QString(keep ? "12000" : "00000"));
            QVERIFY(!game.marking());
        }

        // Marks erased while marking leave nothing to keep; taking the erasing back returns to
        // marks mode, so no mark stands outside it.
        game = gameOf(Normal, {"12121"});
        game.startMarking();
        drag(game, Button::Left, {{0, 0}, {1, 0}});
        drag(game, Button::Left, {{0, 0}, {1, 0}});
        game.stopMarking(true);
        game.undo();
        QCOMPARE(digitsOf(game.board().row(0)), QString("33000"));
        QVERIFY(game.marking());
    }

    void hintsAreStepsOfTheirOwn()
    {
        PuzzleLogic solver;
        // Normal puts a wrong cell right: one step, one fault that stays.
        Game normal = gameOf(Normal, {"11", "22"}, {"21", "00"});
        const Game::Hint mended = normal.hint(solver);
        QCOMPARE(int(mended.kind), int(Game::Hint::Kind::Mended));
        QCOMPARE(QPoint(mended.x, mended.y), QPoint(0, 0));
        QCOMPARE(rowsOf(normal.board()), QStringList({"11", "00"}));
        normal.undo();
        QCOMPARE(rowsOf(normal.board()), QStringList({"21", "00"}));
        QCOMPARE(normal.faults(), 1);

        // Expert clears a wrong cell, and only reassures on a right board.
        Game expert = gameOf(Expert, {"11", "22"}, {"21", "00"});
        QCOMPARE(int(expert.hint(solver).kind), int(Game::Hint::Kind::Mended));
        QCOMPARE(rowsOf(expert.board()), QStringList({"01", "00"}));
        QCOMPARE(int(expert.hint(solver).kind), int(Game::Hint::Kind::AllCorrect));
        QCOMPARE(expert.faults(), 1);

        // A deduction stands as marks until accepted, then is one step.
        Game beginner = gameOf(Beginner, {"12", "12", "12"});
        drag(beginner, Button::Right, {{1, 0}});
        const Game::Hint deduced = beginner.hint(solver);
        QCOMPARE(int(deduced.kind), int(Game::Hint::Kind::Technique));
        QVERIFY(!deduced.isRow && deduced.line == 0);
        QCOMPARE(digitsOf(beginner.board().column(0)), QString("333"));
        QCOMPARE(beginner.faults(), 1);
        QCOMPARE(beginner.acceptHint().size(), size_t(3));
        QCOMPARE(rowsOf(beginner.board()), QStringList({"12", "10", "10"}));
        beginner.undo();
        QCOMPARE(rowsOf(beginner.board()), QStringList({"02", "00", "00"}));
    }

    void aHintRestsOnCellsNeverOnMarks()
    {
        // A tentative cross where the solution fills, and a tentative fill elsewhere: the hint
        // reasons from the real cells only and may overrule a mark; accepting makes real only
        // what it found, and a save meanwhile keeps just that.
        PuzzleLogic solver;
        Game game = gameOf(Normal, {"12", "12", "12"}, {"40", "00", "03"});
        const Game::Hint deduced = game.hint(solver);
        QCOMPARE(int(deduced.kind), int(Game::Hint::Kind::Technique));
        QVERIFY(!deduced.isRow && deduced.line == 0);
        QCOMPARE(rowsOf(game.board()), QStringList({"30", "30", "33"}));
        QCOMPARE(rowsOf(game.boardToKeep()), QStringList({"10", "10", "13"}));
        QCOMPARE(reasonsOf(game.acceptHint()), QString("0,0 4>1 Settled; 0,1 0>1 Settled; 0,2 0>1 Settled"));
        QCOMPARE(rowsOf(game.board()), QStringList({"10", "10", "13"}));
        QCOMPARE(rowsOf(game.boardToKeep()), rowsOf(game.board()));
        game.undo();
        QCOMPARE(rowsOf(game.board()), QStringList({"40", "00", "03"}));
    }

    void aCommandCutsADragInProgressShort()
    {
        Game game = gameOf(Normal, {"12121"});
        game.press(Button::Left, 0, 0);
        game.moveTo(1, 0);
        QVERIFY(game.canUndo());
        game.undo();
        QCOMPARE(digitsOf(game.board().row(0)), QString("00000"));
        QVERIFY(game.moveTo(3, 0).empty());
        game.release(Button::Left);
        QVERIFY(game.canRedo());

        game.press(Button::Left, 2, 0);
        game.startMarking();
        QVERIFY(game.moveTo(3, 0).empty());
        game.release(Button::Left);
        QCOMPARE(digitsOf(game.board().row(0)), QString("00100"));

        // Play begun afresh forgets the history, the marks mode and the held button.
        game.press(Button::Left, 4, 0);
        game.beginPlay();
        QVERIFY(!game.canUndo() && !game.canRedo() && !game.marking());
        QVERIFY(game.moveTo(0, 0).empty());
    }
};

QTEST_APPLESS_MAIN(GameRulesTest)
#include "test_game_rules.moc"
