#include "LineNotation.h"

#include "CellState.h"
#include "DragPath.h"
#include "Game.h"
#include "LogicSolver.h"

#include <QtTest>

#include <utility>

namespace {

using Button = Game::Button;
using Reason = CellChange::Reason;

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
    for (const CellChange& change : changes)
        text << QString("%1,%2 %3>%4 %5")
                    .arg(change.x)
                    .arg(change.y)
                    .arg(change.before)
                    .arg(change.after)
                    .arg(names[int(change.reason)]);
    return text.join("; ");
}

} // namespace

Q_DECLARE_METATYPE(Game::Button)

class GameRulesTest : public QObject {
    Q_OBJECT

private slots:
    void aDragAlongARowFollowsTheModeRules_data();
    void aDragAlongARowFollowsTheModeRules();
    void theDragPathKeepsToItsLine();
    void aOneJumpDragFillsEveryCellOnTheWay();
    void aPressOffTheBoardStartsAtTheFirstCellReached();
    void theLeftButtonWinsWhileBothAreHeld();
    void beginnerCountsOneFaultPerDrag();
    void changesReportWhatHappenedAndWhy();
    void undoAndRedoTakeWholeDrags();
    void undoNeverLowersTheFaults();
    void hintsAreStepsOfTheirOwn();
    void marksStepsReturnToTheirMarksMode();
    void aDragInProgressIsAStepOfItsOwn();
    void beginPlayForgetsTheHistory();
};

// One row, pressed on its first cell and dragged cell by cell to its last.
void GameRulesTest::aDragAlongARowFollowsTheModeRules_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("marking");
    QTest::addColumn<Button>("button");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("faults");
    const Button left = Button::Left, right = Button::Right;
    QTest::newRow("normal fills only blanks") << int(Normal) << false << left << "12121"
                                              << "01020"
                                              << "11121" << 0;
    QTest::newRow("normal crosses only blanks") << int(Normal) << false << right << "12121"
                                                << "02010"
                                                << "22212" << 0;
    QTest::newRow("normal marks fills") << int(Normal) << true << left << "12121"
                                        << "00000"
                                        << "33333" << 0;
    QTest::newRow("normal marks crosses") << int(Normal) << true << right << "12121"
                                          << "00000"
                                          << "44444" << 0;
    QTest::newRow("normal erases from a cross") << int(Normal) << false << left << "12121"
                                                << "21340"
                                                << "00000" << 0;
    QTest::newRow("normal erases from a mark") << int(Normal) << false << right << "12121"
                                               << "30124"
                                               << "00000" << 0;
    QTest::newRow("expert fills") << int(Expert) << false << left << "12121"
                                  << "00200"
                                  << "11211" << 0;
    QTest::newRow("expert has no crosses") << int(Expert) << false << right << "12121"
                                           << "00000"
                                           << "00000" << 0;
    QTest::newRow("expert has no marked crosses") << int(Expert) << true << right << "12121"
                                                  << "00000"
                                                  << "00000" << 0;
    QTest::newRow("expert erases with the right button") << int(Expert) << false << right << "12121"
                                                         << "10204"
                                                         << "00000" << 0;
    QTest::newRow("beginner fills right cells") << int(Beginner) << false << left << "11111"
                                                << "00000"
                                                << "11111" << 0;
    QTest::newRow("beginner crosses right cells") << int(Beginner) << false << right << "22222"
                                                  << "00000"
                                                  << "22222" << 0;
    QTest::newRow("beginner stops at a wrong fill") << int(Beginner) << false << left << "11211"
                                                    << "00000"
                                                    << "11200" << 1;
    QTest::newRow("beginner stops at a wrong cross") << int(Beginner) << false << right << "22122"
                                                     << "00000"
                                                     << "22100" << 1;
    QTest::newRow("beginner corrects the first cell") << int(Beginner) << false << left << "21111"
                                                      << "00000"
                                                      << "20000" << 1;
    QTest::newRow("beginner never erases") << int(Beginner) << false << left << "12111"
                                           << "12000"
                                           << "12000" << 0;
}

void GameRulesTest::aDragAlongARowFollowsTheModeRules()
{
    QFETCH(int, mode);
    QFETCH(bool, marking);
    QFETCH(Button, button);
    QFETCH(QString, solution);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, faults);
    const QByteArray solutionRow = solution.toLatin1(), boardRow = before.toLatin1();
    Game game = gameOf(mode, {solutionRow.constData()}, {boardRow.constData()});
    if (marking)
        game.startMarking();
    drag(game, button, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    QCOMPARE(digitsOf(game.board().row(0)), after);
    QCOMPARE(game.faults(), faults);
    QCOMPARE(game.board().changed, after != before);
}

void GameRulesTest::theDragPathKeepsToItsLine()
{
    DragPath path;
    path.start(0, 2, 5, 5);
    QCOMPARE(cellsOf(path.follow(0, 2)), QString());
    // Four across and one down: the row it left along.
    QCOMPARE(cellsOf(path.follow(4, 3)), QString("1,2 2,2 3,2 4,2"));
    QCOMPARE(cellsOf(path.follow(2, 0)), QString("3,2 2,2"));
    // Off the board the projection stops at the edge.
    QCOMPARE(cellsOf(path.follow(9, 4)), QString("3,2 4,2"));
    QCOMPARE(cellsOf(path.follow(-3, 1)), QString("3,2 2,2 1,2 0,2"));

    path.start(1, 1, 5, 5);
    QCOMPARE(cellsOf(path.follow(2, 4)), QString("1,2 1,3 1,4"));
    QCOMPARE(cellsOf(path.follow(4, 0)), QString("1,3 1,2 1,1 1,0"));

    // A first move off the board towards the near edge passes nothing, yet fixes the line.
    path.start(0, 0, 5, 5);
    QCOMPARE(cellsOf(path.follow(-1, 0)), QString());
    QCOMPARE(cellsOf(path.follow(7, 3)), QString("1,0 2,0 3,0 4,0"));

    // An exact diagonal counts as across.
    path.start(2, 2, 5, 5);
    QCOMPARE(cellsOf(path.follow(3, 3)), QString("3,2"));
}

void GameRulesTest::aOneJumpDragFillsEveryCellOnTheWay()
{
    Game game = gameOf(Normal, {"1111111111", "1111111111"});
    game.press(Button::Left, 0, 0);
    QCOMPARE(game.moveTo(9, 1).size(), size_t(9));
    game.release(Button::Left);
    QCOMPARE(rowsOf(game.board()), QStringList({"1111111111", "0000000000"}));

    // A column drag does not turn into a row one later on.
    Game tall = gameOf(Normal, {"111", "111", "111"});
    drag(tall, Button::Right, {{1, 0}, {1, 1}, {2, 2}, {0, 2}});
    QCOMPARE(rowsOf(tall.board()), QStringList({"020", "020", "020"}));
}

void GameRulesTest::aPressOffTheBoardStartsAtTheFirstCellReached()
{
    Game game = gameOf(Normal, {"11111"}, {"00100"});
    game.press(Button::Left, -1, 0);
    QVERIFY(game.moveTo(-1, 3).empty());
    // The first cell reached is filled, so the drag erases.
    game.moveTo(2, 0);
    game.moveTo(4, 0);
    game.release(Button::Left);
    QCOMPARE(digitsOf(game.board().row(0)), QString("00000"));

    // A release ends the drag wherever it happens: the next press starts afresh.
    game.press(Button::Left, 1, 0);
    game.release(Button::Left);
    QCOMPARE(digitsOf(game.board().row(0)), QString("01000"));
    QVERIFY2(game.moveTo(2, 0).empty(), "no button is held");
}

void GameRulesTest::theLeftButtonWinsWhileBothAreHeld()
{
    Game game = gameOf(Normal, {"11111"});
    game.press(Button::Right, 0, 0);
    game.press(Button::Left, 0, 0);
    game.moveTo(1, 0);
    game.release(Button::Left);
    game.moveTo(2, 0);
    game.release(Button::Right);
    QCOMPARE(digitsOf(game.board().row(0)), QString("21200"));
}

void GameRulesTest::beginnerCountsOneFaultPerDrag()
{
    // Every cell is crossed in the solution: each fill is a fault.
    Game game = gameOf(Beginner, {"22222", "22222"});
    drag(game, Button::Left, {{0, 0}, {1, 0}, {2, 0}, {2, 1}});
    QCOMPARE(rowsOf(game.board()), QStringList({"20000", "00000"}));
    QCOMPARE(game.faults(), 1);
    // Faults are counted per press, not per game.
    drag(game, Button::Left, {{1, 1}, {2, 1}});
    QCOMPARE(rowsOf(game.board()), QStringList({"20000", "02000"}));
    QCOMPARE(game.faults(), 2);
    // A press and release with no move counts too.
    game.press(Button::Left, 4, 1);
    game.release(Button::Left);
    QCOMPARE(game.faults(), 3);
}

void GameRulesTest::changesReportWhatHappenedAndWhy()
{
    Game beginner = gameOf(Beginner, {"11211"});
    beginner.press(Button::Left, 0, 0);
    QCOMPARE(reasonsOf(beginner.moveTo(4, 0)), QString("1,0 0>1 Entered; 2,0 0>2 Fault"));

    Game normal = gameOf(Normal, {"11211"}, {"30100"});
    normal.press(Button::Right, 0, 0);
    QCOMPARE(reasonsOf(normal.moveTo(3, 0)), QString("2,0 1>0 Erased"));
    normal.release(Button::Right);
    QCOMPARE(reasonsOf(normal.undo()), QString("2,0 0>1 Restored; 0,0 0>3 Restored"));
}

void GameRulesTest::undoAndRedoTakeWholeDrags()
{
    Game game = gameOf(Normal, {"12121", "12121"}, {"00040", "12000"});
    QVERIFY(!game.canUndo() && !game.canRedo());
    drag(game, Button::Left, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}});
    drag(game, Button::Right, {{0, 1}, {2, 1}});
    QCOMPARE(rowsOf(game.board()), QStringList({"11141", "00000"}));
    QVERIFY(game.canUndo() && !game.canRedo());

    game.undo();
    QCOMPARE(rowsOf(game.board()), QStringList({"11141", "12000"}));
    game.undo();
    QCOMPARE(rowsOf(game.board()), QStringList({"00040", "12000"}));
    QVERIFY(!game.canUndo() && game.canRedo());
    QVERIFY(game.undo().empty());

    game.redo();
    QCOMPARE(rowsOf(game.board()), QStringList({"11141", "12000"}));
    // A new move drops what was left to redo.
    drag(game, Button::Right, {{4, 1}});
    QVERIFY(!game.canRedo());
    QVERIFY(game.redo().empty());
    game.undo();
    game.undo();
    QCOMPARE(rowsOf(game.board()), QStringList({"00040", "12000"}));

    // A press that changed nothing is no step: the redo steps stay.
    game.press(Button::Left, -1, 0);
    game.release(Button::Left);
    QVERIFY(game.canRedo());
    QVERIFY(!game.canUndo());
}

void GameRulesTest::undoNeverLowersTheFaults()
{
    Game game = gameOf(Beginner, {"21111"});
    drag(game, Button::Left, {{0, 0}, {1, 0}});
    QCOMPARE(digitsOf(game.board().row(0)), QString("20000"));
    game.undo();
    QCOMPARE(digitsOf(game.board().row(0)), QString("00000"));
    QCOMPARE(game.faults(), 1);
    game.redo();
    QCOMPARE(digitsOf(game.board().row(0)), QString("20000"));
    QCOMPARE(game.faults(), 1);
}

void GameRulesTest::hintsAreStepsOfTheirOwn()
{
    LogicSolver solver;
    // Normal mends a wrong cell: one step, one fault that stays.
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
    QVERIFY(!deduced.isRow);
    QCOMPARE(deduced.line, 0);
    QCOMPARE(digitsOf(beginner.board().column(0)), QString("333"));
    QCOMPARE(beginner.faults(), 1);
    QCOMPARE(beginner.acceptHint().size(), size_t(3));
    QCOMPARE(rowsOf(beginner.board()), QStringList({"12", "10", "10"}));
    beginner.undo();
    QCOMPARE(rowsOf(beginner.board()), QStringList({"02", "00", "00"}));
    beginner.undo();
    QCOMPARE(rowsOf(beginner.board()), QStringList({"00", "00", "00"}));
    beginner.redo();
    beginner.redo();
    QCOMPARE(rowsOf(beginner.board()), QStringList({"12", "10", "10"}));
    QCOMPARE(beginner.faults(), 1);
}

void GameRulesTest::marksStepsReturnToTheirMarksMode()
{
    for (bool keep : {true, false}) {
        Game game = gameOf(Normal, {"12121"});
        game.startMarking();
        drag(game, Button::Left, {{0, 0}});
        drag(game, Button::Right, {{1, 0}});
        game.stopMarking(keep);
        QCOMPARE(digitsOf(game.board().row(0)), QString(keep ? "12000" : "00000"));
        QVERIFY(!game.marking());
        game.undo();
        QCOMPARE(digitsOf(game.board().row(0)), QString("34000"));
        QVERIFY(game.marking());
        game.redo();
        QCOMPARE(digitsOf(game.board().row(0)), QString(keep ? "12000" : "00000"));
        QVERIFY(!game.marking());
    }

    // Marks erased while marking leave nothing to keep; taking the erasing back returns to
    // marks mode, so no mark stands outside it.
    Game game = gameOf(Normal, {"12121"});
    game.startMarking();
    drag(game, Button::Left, {{0, 0}, {1, 0}});
    drag(game, Button::Left, {{0, 0}, {1, 0}});
    game.stopMarking(true);
    QVERIFY(!game.marking());
    game.undo();
    QCOMPARE(digitsOf(game.board().row(0)), QString("33000"));
    QVERIFY(game.marking());
}

void GameRulesTest::aDragInProgressIsAStepOfItsOwn()
{
    Game game = gameOf(Normal, {"12121"});
    game.press(Button::Left, 0, 0);
    game.moveTo(1, 0);
    QVERIFY(game.canUndo());
    game.undo();
    QCOMPARE(digitsOf(game.board().row(0)), QString("00000"));
    // The rest of that press does nothing; the next one works again.
    QVERIFY(game.moveTo(3, 0).empty());
    game.release(Button::Left);
    QVERIFY(game.canRedo());
    drag(game, Button::Left, {{4, 0}});
    QCOMPARE(digitsOf(game.board().row(0)), QString("00001"));

    // Switching marks mode on cuts a drag short too.
    game.press(Button::Left, 2, 0);
    game.startMarking();
    QVERIFY(game.moveTo(3, 0).empty());
    game.release(Button::Left);
    QCOMPARE(digitsOf(game.board().row(0)), QString("00101"));
}

void GameRulesTest::beginPlayForgetsTheHistory()
{
    Game game = gameOf(Normal, {"12121"});
    drag(game, Button::Left, {{0, 0}, {1, 0}});
    game.undo();
    drag(game, Button::Left, {{3, 0}});
    game.startMarking();
    game.press(Button::Left, 4, 0);
    game.beginPlay();
    QVERIFY(!game.canUndo() && !game.canRedo());
    QVERIFY(!game.marking());
    QVERIFY2(game.moveTo(0, 0).empty(), "the held button belonged to the game before");
}

QTEST_APPLESS_MAIN(GameRulesTest)
#include "test_game_rules.moc"
