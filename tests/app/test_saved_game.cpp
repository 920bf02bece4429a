#include "WindowDriver.h"

#include "FileBytes.h"

#include "GeneratedPuzzle.h"
#include "LineNotation.h"
#include "ResumableGame.h"
#include "SavedGame.h"
#include "GameFiles.h"
#include "Session.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <limits>

#include <sys/stat.h>

namespace {

// Big-endian 32-bit integers written by hand, independent of QDataStream.
QByteArray bigEndian(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(static_cast<char>((static_cast<unsigned>(value) >> shift) & 0xff));
    return bytes;
}

SavedGame generatedGame(unsigned seed, int columns, int rows)
{
    const GeneratedPuzzle puzzle(seed, columns, rows);
    const PuzzleGrid& solution = puzzle.solution;
    const ClueSet& clues = puzzle.clues;
    SavedGame game;
    game.mode = Normal;
    game.columns = columns;
    game.rows = rows;
    game.time = 75;
    game.faults = 2;
    game.columnClues = clues.columnClues;
    game.rowClues = clues.rowClues;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if ((x * 7 + y * 3) % 5 == 0)
                game.cells.push_back({x, y, solution.cells[x][y] + ((x + y) % 4 == 0 ? 2 : 0)});
    return game;
}

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void savedBytesAreExact();
    void contradictoryOrUnwinnableGamesAreRefused();
    void closingAsksOnlyForAStartedGame();
    void failedSaveKeepsTheGameOpen();
    void unwritableSettingsAreToldOnceAtClose();
    void startUpOffersTheSavedGame_data();
    void startUpOffersTheSavedGame();
    void aResumedGameKeepsItsFileUntilItEnds();
    void anotherCopysSaveOutlivesTheQuestion();
    void leavingKeepsTheGameWithoutAsking();
    void hostileFilesNeitherHangNorHarm();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void SavedGameTest::savedBytesAreExact()
{
    // Written from a session and read back into another, which plays on the same game.
    const GeneratedPuzzle puzzle(4, 5, 5);
    PuzzleGrid board;
    board.resize(5, 5);
    board.cells[0][0] = Filled;
    board.cells[4][2] = MarkedCrossed;
    Session session;
    session.resume(Normal, board, puzzle.clues, puzzle.solution, 12, 3);
    GameFiles files;
    QVERIFY(files.saveGame(session, false, nullptr));

    QByteArray expected = bigEndian({Normal, 5, 5, 12, 3});
    // The clues with their signs as play left them.
    for (const auto* lists : {&session.game().clues().columnClues, &session.game().clues().rowClues}) {
        for (const auto& clue : *lists) {
            expected += bigEndian({int(clue.size())});
            for (int value : clue)
                expected += bigEndian({value});
        }
    }
    expected += bigEndian({0, 0, Filled, 4, 2, MarkedCrossed});
    QCOMPARE(bytesOf("auto.sav").toHex(' '), expected.toHex(' '));

    ResumableGame game;
    QVERIFY(files.loadGame(game, nullptr));
    Session resumed;
    resumed.resume(game.saved.mode, game.board, game.clues, game.solution, game.saved.time, game.saved.faults);
    QVERIFY(resumed.game().board().cells == board.cells);
    QVERIFY(resumed.game().solution().cells == puzzle.solution.cells);
    QCOMPARE(resumed.seconds(), 12);
    QCOMPARE(resumed.game().faults(), 3);
    QVERIFY(resumed.difficulty() == session.difficulty());
}

void SavedGameTest::contradictoryOrUnwinnableGamesAreRefused()
{
    LogicSolver solver;
    // A refusal must leave the target as it was.
    auto readable = [&](const SavedGame& game) {
        ResumableGame resumed;
        resumed.saved.faults = -7;
        const bool ok = ResumableGame::read(game.encode(), solver, resumed);
        return ok || resumed.saved.faults != -7;
    };
    const SavedGame sound = generatedGame(11, 5, 5);
    QVERIFY(readable(sound));

    // Every column says full and one row says empty: solve completes the board, but the board
    // it completes shows a clue that can never be met.
    SavedGame contradictory = sound;
    contradictory.columnClues.assign(5, {5});
    contradictory.rowClues.assign(5, {5});
    contradictory.rowClues[2] = {0};
    ClueSet clues;
    clues.columnClues = contradictory.columnClues;
    clues.rowClues = contradictory.rowClues;
    PuzzleGrid board;
    board.resize(5, 5);
    QVERIFY(solver.solve(board, clues));
    QVERIFY(!readable(contradictory));

    // Beginner never lets a wrong cell be taken back, and has no marks.
    ResumableGame resumed;
    QVERIFY(ResumableGame::read(sound.encode(), solver, resumed));
    const PuzzleGrid& solution = resumed.solution;
    SavedGame beginner = sound;
    beginner.mode = Beginner;
    beginner.cells.clear();
    for (int x = 0; x < 5; ++x)
        beginner.cells.push_back({x, 1, solution.cells[x][1]});
    QVERIFY(readable(beginner));
    SavedGame wrongCell = beginner;
    wrongCell.cells[3].code = Filled + Crossed - wrongCell.cells[3].code;
    QVERIFY(!readable(wrongCell));
    SavedGame marked = beginner;
    marked.cells[0].code += 2;
    QVERIFY(!readable(marked));
    // The same cells are fine in Normal, where the player can erase them.
    wrongCell.mode = Normal;
    QVERIFY(readable(wrongCell));
}

void SavedGameTest::closingAsksOnlyForAStartedGame()
{
    {
        WindowDriver w;
        w.answer = true;
        w->MenuNewGame();
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
        w->close();
        QCOMPARE(w.asked, QStringList());
    }
    {
        WindowDriver w;
        w.answer = true;
        w.play(5, 5, Normal);
        w->close();
        QCOMPARE(w.asked, QStringList());
    }
    QVERIFY(!QFile::exists("auto.sav"));
    {
        WindowDriver w;
        w.play(5, 5, Normal);
        w.drag(Qt::LeftButton, {{2, 2}});
        w->close();
        QCOMPARE(w.asked, QStringList({"Save your game?"}));
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
    }
    QVERIFY(!QFile::exists("auto.sav"));
    {
        WindowDriver w;
        w.answer = true;
        w.play(5, 5, Normal);
        w.drag(Qt::LeftButton, {{2, 2}});
        w->close();
    }
    QVERIFY(QFile::exists("auto.sav"));
    // The settings are saved on every close.
    QVERIFY(QFile::exists("tessarin.ini"));
}

void SavedGameTest::failedSaveKeepsTheGameOpen()
{
    QVERIFY(QDir().mkdir("auto.sav"));
    WindowDriver w;
    w.answer = true;
    w.play(5, 5, Normal);
    w.drag(Qt::LeftButton, {{2, 2}});
    w->close();
    QCOMPARE(w.asked,
        QStringList({"Save your game?",
            "Your game could not be saved to " + QDir::current().filePath("auto.sav")
                + ": it is not a regular file.\nThe game stays open, so that nothing is lost."}));
    QVERIFY(w->isVisible());
    QCOMPARE(w.session().phase(), Session::Phase::Playing);

    // Escape, or the box's title bar, keeps playing too.
    QVERIFY(QDir().rmdir("auto.sav"));
    w.asked.clear();
    w.cancel = true;
    w->close();
    QCOMPARE(w.asked, QStringList({"Save your game?"}));
    QVERIFY(w->isVisible());
    QCOMPARE(w.session().phase(), Session::Phase::Playing);
    QVERIFY(!QFile::exists("auto.sav"));
}

void SavedGameTest::unwritableSettingsAreToldOnceAtClose()
{
    QVERIFY(QFile::remove("tessarin.ini") && QDir().mkdir("tessarin.ini"));
    WindowDriver w;
    w.play(5, 5, Normal);
    w.drag(Qt::LeftButton, {{1, 1}});
    w.answer = true;
    w->close();
    QCOMPARE(w.asked,
        QStringList({"Save your game?",
            "Your settings and scores could not be saved to " + QDir::current().filePath("tessarin.ini")
                + ": it is not a regular file."}));
    QVERIFY(QFile::exists("auto.sav"));
}

void SavedGameTest::startUpOffersTheSavedGame_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<bool>("resumed");
    QTest::newRow("yes") << true << false << true;
    QTest::newRow("no") << false << false << false;
    QTest::newRow("yes to a damaged file") << true << true << false;
}

void SavedGameTest::startUpOffersTheSavedGame()
{
    QFETCH(bool, answer);
    QFETCH(bool, damaged);
    QFETCH(bool, resumed);
    const QByteArray bytes = generatedGame(3, 10, 5).encode();
    writeBytes("auto.sav", damaged ? bytes.left(30) : bytes);

    WindowDriver w;
    w.answer = answer;
    w->StartUp();
    QCOMPARE(w.asked.first(), QString("Load game in progress from previous session?"));
    QCOMPARE(w.session().phase(), resumed ? Session::Phase::Playing : Session::Phase::Creating);
    QCOMPARE(w.session().game().faults(), resumed ? 2 : 0);
    if (damaged)
        QCOMPARE(w.asked.last(),
            "Your saved game could not be loaded from " + QDir::current().filePath("auto.sav")
                + ": it is damaged, and was removed.");
    // A resumed game keeps its file while it is played, so that a crash loses nothing.
    QCOMPARE(QFile::exists("auto.sav"), resumed);
}

void SavedGameTest::aResumedGameKeepsItsFileUntilItEnds()
{
    const QByteArray bytes = generatedGame(3, 10, 5).encode();
    // Given up for a new game, left unsaved at the player's word, and won.
    SavedGame blank = generatedGame(3, 10, 5);
    blank.cells.clear();
    for (int ending = 0; ending < 3; ++ending) {
        writeBytes("auto.sav", ending == 2 ? blank.encode() : bytes);
        WindowDriver w;
        w.answer = true;
        w->StartUp();
        QCOMPARE(w.session().phase(), Session::Phase::Playing);
        w.answer = false;
        w.asked.clear();
        if (ending == 0) {
            w->MenuNewGame();
        } else if (ending == 1) {
            w->close();
            QCOMPARE(w.asked, QStringList({"Save your game?"}));
        } else {
            w.solve();
        }
        QVERIFY2(!QFile::exists("auto.sav"), qPrintable(QString::number(ending)));
    }
}

void SavedGameTest::anotherCopysSaveOutlivesTheQuestion()
{
    const QByteArray first = generatedGame(3, 10, 5).encode();
    const QByteArray second = generatedGame(4, 10, 10).encode();
    writeBytes("auto.sav", first);
    {
        WindowDriver w;
        w.whileAsked = [&](const QString&) { writeBytes("auto.sav", second); };
        w->StartUp();
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
        QCOMPARE(bytesOf("auto.sav"), second);
    }
    // Gone by the time the player says Yes: said so, and a new game starts.
    WindowDriver w;
    w.answer = true;
    w.whileAsked = [&](const QString& text) {
        if (text.startsWith("Load"))
            QVERIFY(QFile::remove("auto.sav"));
    };
    w->StartUp();
    QCOMPARE(w.asked.last(),
        "Your saved game could not be loaded from " + QDir::current().filePath("auto.sav")
            + ": it is no longer there.");
    QCOMPARE(w.session().phase(), Session::Phase::Creating);
}

void SavedGameTest::leavingKeepsTheGameWithoutAsking()
{
    WindowDriver w;
    w.play(5, 5, Beginner);
    w.drag(Qt::LeftButton, {w.solutionCell(Filled)});
    // A Beginner hint's cells wait under its box as marks, which a Beginner game cannot
    // hold: they are kept as the cells they will be.
    QByteArray savedUnderTheBox;
    w.whileAsked = [&](const QString&) {
        w->SaveWithoutAsking();
        savedUnderTheBox = bytesOf("auto.sav");
    };
    w->MenuHint();
    w.whileAsked = nullptr;
    QCOMPARE(w.asked.size(), 1);
    LogicSolver solver;
    ResumableGame resumed;
    QVERIFY(ResumableGame::read(savedUnderTheBox, solver, resumed));
    QVERIFY(resumed.board.cells == w.session().game().board().cells);
    QCOMPARE(resumed.saved.faults, w.session().game().faults());

    // Once left, the files are final: a new game neither removes the save nor asks at close.
    w->Leave();
    w->MenuNewGame();
    w->close();
    QCOMPARE(w.asked.size(), 1);
    QVERIFY(QFile::exists("auto.sav"));
}

void SavedGameTest::hostileFilesNeitherHangNorHarm()
{
    // A pipe or a device as "auto.sav" is not offered, and never opened.
    for (const char* device : {"", "/dev/zero"}) {
        QFile::remove("auto.sav");
        QVERIFY(*device ? QFile::link(device, "auto.sav") : ::mkfifo("auto.sav", 0644) == 0);
        WindowDriver w;
        w->StartUp();
        QCOMPARE(w.asked, QStringList());
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
    }
    QVERIFY(QFile::remove("auto.sav"));
    // Settings are not written through a link to a device, and the link stays.
    QVERIFY(QFile::remove("tessarin.ini") && QFile::link("/dev/null", "tessarin.ini"));
    WindowDriver w;
    w->close();
    QCOMPARE(w.asked.size(), 1);
    QVERIFY(w.asked[0].endsWith("tessarin.ini: it is not a regular file."));
    QCOMPARE(QFileInfo("tessarin.ini").symLinkTarget(), "/dev/null");
}

QTEST_MAIN(SavedGameTest)
#include "test_saved_game.moc"
