#include "WindowDriver.h"

#include "FileBytes.h"

#include "GeneratedPuzzle.h"
#include "LineNotation.h"
#include "ResumableGame.h"
#include "SavedGame.h"
#include "StorageFolder.h"

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

// What a loaded game must satisfy for the rest of the program to work on it.
void verifyConsistent(const SavedGame& game)
{
    QVERIFY(game.mode >= Beginner && game.mode <= Expert);
    QVERIFY(sizeIndexFromLabel(QString("%1x%2").arg(game.columns).arg(game.rows)) >= 0);
    QCOMPARE(int(game.columnClues.size()), game.columns);
    QCOMPARE(int(game.rowClues.size()), game.rows);
    QVERIFY(game.time >= 0 && game.faults >= 0);
    QVERIFY(int(game.cells.size()) <= game.columns * game.rows);
    for (const SavedGame::Cell& cell : game.cells) {
        QVERIFY(cell.x >= 0 && cell.x < game.columns && cell.y >= 0 && cell.y < game.rows);
        QVERIFY(cell.code >= 1 && cell.code <= 4);
    }
}

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }
    void savedBytesAreExact();
    void roundTripResumesTheSameGame();
    void damagedFilesAreRefusedOrConsistent();
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
    void countsStopAtTheLargestInt();

private:
    std::unique_ptr<ScratchGameFolder> folder;
};

void SavedGameTest::savedBytesAreExact()
{
    WindowDriver w;
    w.play(5, 5, Beginner, 4);
    w->timeText = "12";
    w->faults = 0;
    w->board.resize(5, 5);
    w.setCell(0, 0, Filled);
    w.setCell(4, 2, Filled);
    QVERIFY(w->SaveGame());

    QByteArray expected = bigEndian({Beginner, 5, 5, 12, 0});
    for (const auto* lists : {&w->clues.columnClues, &w->clues.rowClues}) {
        for (const auto& clue : *lists) {
            expected += bigEndian({int(clue.size())});
            for (int value : clue)
                expected += bigEndian({value});
        }
    }
    expected += bigEndian({0, 0, 1, 4, 2, 1});
    QCOMPARE(bytesOf("auto.sav").toHex(' '), expected.toHex(' '));
}

void SavedGameTest::roundTripResumesTheSameGame()
{
    QStringList cells;
    PuzzleGrid solution;
    Difficulty difficulty;
    QString difficultyText;
    {
        WindowDriver w;
        w.play(15, 10, Expert, 9);
        w.drag(Qt::LeftButton, {{0, 0}, {1, 0}});
        w.setCell(3, 4, MarkedFilled);
        w.setCell(5, 6, MarkedCrossed);
        w.setCell(7, 8, Crossed);
        w->faults = 4;
        w->timeText = "75";
        cells = rowsOf(w->board);
        solution.copyFrom(w->solution);
        difficulty = w->difficulty;
        difficultyText = w->difficultyText;
        QVERIFY(w->SaveGame());
    }
    WindowDriver w;
    QVERIFY(w->LoadGame());
    QCOMPARE(w->state, Playing);
    QCOMPARE(w->mode, int(Expert));
    QCOMPARE(w->modeText, QString("Expert"));
    QCOMPARE(w->columns, 15);
    QCOMPARE(w->rows, 10);
    QCOMPARE(w->faults, 4);
    QCOMPARE(rowsOf(w->board), cells);
    QCOMPARE(rowsOf(w->solution), rowsOf(solution));
    // Not in the file, graded again from the clues.
    QVERIFY(difficulty.hardestTechnique > 0);
    QVERIFY(w->difficulty == difficulty);
    QCOMPARE(w->difficultyText, difficultyText);
    QVERIFY(!w->marking);
    QVERIFY(w->clock.isValid());
    w.tick();
    QCOMPARE(w->timeText, QString("75"));
    QCOMPARE(w->boardX, 20 * w->clues.widestRowClue() + 30);
}

void SavedGameTest::damagedFilesAreRefusedOrConsistent()
{
    const QByteArray valid = generatedGame(5, 10, 10).encode();
    SavedGame game;
    QVERIFY(SavedGame::decode(valid, game));
    verifyConsistent(game);

    int loaded = 0;
    int refused = 0;
    auto feed = [&](const QByteArray& bytes) {
        SavedGame read;
        if (SavedGame::decode(bytes, read)) {
            ++loaded;
            verifyConsistent(read);
        } else {
            ++refused;
        }
    };
    // Cut at every length: inside the header or the clues it is refused; within the cells,
    // only whole cells are kept.
    const int cellsStart = valid.size() - int(game.cells.size()) * 12;
    for (int length = 0; length < valid.size(); ++length) {
        SavedGame read;
        const bool ok = SavedGame::decode(valid.left(length), read);
        QCOMPARE(ok, length >= cellsStart);
        if (ok)
            QCOMPARE(int(read.cells.size()), (length - cellsStart) / 12);
    }
    std::srand(77);
    for (int i = 0; i < 4000; ++i) {
        QByteArray mutated = valid;
        for (int flips = 1 + i % 4; flips > 0; --flips)
            mutated[std::rand() % mutated.size()] = static_cast<char>(std::rand());
        feed(mutated);
    }
    // Small plausible numbers in random places get past the cheap checks more often.
    std::vector<QByteArray> plausible;
    for (int i = 0; i < 4000; ++i) {
        QByteArray mutated = valid;
        const int at = 4 * (std::rand() % (mutated.size() / 4));
        mutated.replace(at, 4, bigEndian({std::rand() % 23 - 2}));
        SavedGame read;
        if (SavedGame::decode(mutated, read))
            plausible.push_back(mutated);
        feed(mutated);
    }
    for (int i = 0; i < 2000; ++i) {
        QByteArray noise(std::rand() % 600, Qt::Uninitialized);
        for (char& byte : noise)
            byte = static_cast<char>(std::rand());
        // Half of them with a believable header, so the clue reader is exercised too.
        if (i % 2 && noise.size() >= 20)
            noise.replace(0, 20, bigEndian({1 + i % 3, 10, 5, i, 0}));
        feed(noise);
    }
    QVERIFY(loaded > 1000);
    QVERIFY(refused > 1000);

    // The window resumes each readable one, or refuses it when its clues have no solution
    // and then changes nothing.
    WindowDriver loader;
    for (size_t i = 0; i < plausible.size(); i += 5) {
        writeBytes("auto.sav", plausible[i]);
        const GameState stateBefore = loader->state;
        const QStringList boardBefore = rowsOf(loader->board);
        if (loader->LoadGame()) {
            QCOMPARE(loader->state, Playing);
            QCOMPARE(loader->board.width, loader->columns);
            QCOMPARE(loader->solution.height, loader->rows);
        } else {
            QCOMPARE(loader->state, stateBefore);
            QCOMPARE(rowsOf(loader->board), boardBefore);
        }
    }

    // A decoded game that the solver cannot complete is refused by the window as well.
    SavedGame ambiguous = generatedGame(5, 5, 5);
    ambiguous.columnClues.assign(5, {1});
    ambiguous.rowClues.assign(5, {1});
    writeBytes("auto.sav", ambiguous.encode());
    WindowDriver w;
    QVERIFY(!w->LoadGame());
    QCOMPARE(w->state, Idle);
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

    // Through the window: refused, and the game in progress stays as it was.
    WindowDriver w;
    w.play(5, 5, Normal, 4);
    w.drag(Qt::LeftButton, {{0, 0}});
    const QStringList before = rowsOf(w->board);
    const int faultsBefore = w->faults;
    for (const SavedGame* bad : {&contradictory, &marked}) {
        writeBytes("auto.sav", bad->encode());
        QVERIFY(!w->LoadGame());
        QCOMPARE(rowsOf(w->board), before);
        QCOMPARE(w->faults, faultsBefore);
        QCOMPARE(w->mode, int(Normal));
    }
}

void SavedGameTest::closingAsksOnlyForAStartedGame()
{
    {
        WindowDriver w;
        w.answer = true;
        w->newPlayer = false;
        w->MenuNewGame();
        QCOMPARE(w->state, Creating);
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
        QCOMPARE(w->state, Closing);
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
    QCOMPARE(w->state, Playing);

    // Escape, or the box's title bar, keeps playing too.
    QVERIFY(QDir().rmdir("auto.sav"));
    w.asked.clear();
    w.cancel = true;
    w->close();
    QCOMPARE(w.asked, QStringList({"Save your game?"}));
    QVERIFY(w->isVisible());
    QCOMPARE(w->state, Playing);
    QVERIFY(!QFile::exists("auto.sav"));
}

void SavedGameTest::unwritableSettingsAreToldOnceAtClose()
{
    QVERIFY(QDir().mkdir("tessarin.ini"));
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
    w->newPlayer = false;
    w->StartUp();
    QCOMPARE(w.asked.first(), QString("Load game in progress from previous session?"));
    QCOMPARE(w->state, resumed ? Playing : Creating);
    QCOMPARE(w->faults, resumed ? 2 : w->faults);
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
    for (int ending = 0; ending < 3; ++ending) {
        writeBytes("auto.sav", bytes);
        WindowDriver w;
        QVERIFY(w->LoadGame());
        w->particlesOn = false;
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
        w->newPlayer = false;
        w.whileAsked = [&](const QString&) { writeBytes("auto.sav", second); };
        w->StartUp();
        QCOMPARE(w->state, Creating);
        QCOMPARE(bytesOf("auto.sav"), second);
    }
    // Gone by the time the player says Yes: said so, and a new game starts.
    WindowDriver w;
    w->newPlayer = false;
    w.answer = true;
    w.whileAsked = [&](const QString& text) {
        if (text.startsWith("Load"))
            QVERIFY(QFile::remove("auto.sav"));
    };
    w->StartUp();
    QCOMPARE(w.asked.last(),
        "Your saved game could not be loaded from " + QDir::current().filePath("auto.sav")
            + ": it is no longer there.");
    QCOMPARE(w->state, Creating);
}

void SavedGameTest::leavingKeepsTheGameWithoutAsking()
{
    WindowDriver w;
    w.play(5, 5, Beginner, 13);
    w.drag(Qt::LeftButton, {{4, 4}});
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
    PuzzleGrid board;
    board.resize(5, 5);
    for (const SavedGame::Cell& cell : resumed.saved.cells)
        board.cells[cell.x][cell.y] = cell.code;
    QCOMPARE(rowsOf(board), rowsOf(w->board));
    QCOMPARE(resumed.saved.faults, w->faults);

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
        w->newPlayer = false;
        w->StartUp();
        QCOMPARE(w.asked, QStringList());
        QCOMPARE(w->state, Creating);
    }
    QVERIFY(QFile::remove("auto.sav"));
    // Settings are not written through a link to a device, and the link stays.
    QVERIFY(QFile::link("/dev/null", "tessarin.ini"));
    WindowDriver w;
    w->close();
    QCOMPARE(w.asked.size(), 1);
    QVERIFY(w.asked[0].endsWith("tessarin.ini: it is not a regular file."));
    QCOMPARE(QFileInfo("tessarin.ini").symLinkTarget(), "/dev/null");
}

void SavedGameTest::countsStopAtTheLargestInt()
{
    const int largest = std::numeric_limits<int>::max();
    SavedGame game = generatedGame(3, 10, 5);
    game.faults = largest;
    game.time = largest - 2;
    writeBytes("auto.sav", game.encode());
    WindowDriver w;
    QVERIFY(w->LoadGame());
    // A wrong cell, for the hint to mend at a fault's cost.
    const QPoint filled = w.solutionCell(Filled);
    w.setCell(filled.x(), filled.y(), Crossed);
    w->MenuHint();
    w->carriedMilliseconds = 5000;
    w.tick();
    QCOMPARE(w->timeText, QString::number(largest));
    QVERIFY(w->SaveGame());
    SavedGame saved;
    QVERIFY(SavedGame::decode(bytesOf("auto.sav"), saved));
    QCOMPARE(saved.faults, largest);
    QCOMPARE(saved.time, largest);
}

QTEST_MAIN(SavedGameTest)
#include "test_saved_game.moc"
