// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDriver.h"

#include "FileBytes.h"

#include "GameFiles.h"
#include "GeneratedPuzzle.h"
#include "PuzzleFile.h"
#include "PuzzleSizes.h"
#include "ResumableGame.h"
#include "ScoreBook.h"
#include "Session.h"
#include "SettingsStore.h"

#include <QFileInfo>
#include <QMenu>
#include <QtTest>

#include <algorithm>

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

// A Normal game 75 seconds and 2 faults in, with some cells of the solution entered, some as
// marks.
SavedGame generatedGame(unsigned seed, int columns, int rows)
{
    const GeneratedPuzzle puzzle(seed, columns, rows);
    SavedGame game {Normal, columns, rows, 75, 2, puzzle.clues.columnClues, puzzle.clues.rowClues, {}, {}};
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if ((x * 7 + y * 3) % 5 == 0)
                game.cells.push_back({x, y, puzzle.solution.cells[x][y] + ((x + y) % 4 == 0 ? 2 : 0)});
    return game;
}

// Starts the game up again, taking the saved game, and checks that it plays under its code.
void resumeExpectingCode(WindowDriver& again, const std::string& code)
{
    again.answer = true;
    again->StartUp();
    QCOMPARE(again.session().phase(), Session::Phase::Playing);
    QVERIFY(again.session().code());
    QCOMPARE(again.session().code()->text(), code);
}

} // namespace

class SavedGameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScratchGameFolder> folder;

private slots:
    void init() { folder = std::make_unique<ScratchGameFolder>(); }
    void cleanup() { folder.reset(); }

    void savedBytesAreExactAndReadBack()
    {
        // Written from a session and read back as the game the window resumes.
        const GeneratedPuzzle puzzle(4, 5, 5);
        PuzzleGrid board;
        board.resize(5, 5);
        board.cells[0][0] = Filled;
        board.cells[4][2] = MarkedCrossed;
        Session session;
        session.resume(Normal, board, puzzle.clues, puzzle.solution, 12, 3);
        GameFiles files;
        QVERIFY(files.saveGame(session, nullptr) == SavedGameFile::Writing::Written);
        // The clues with their signs as play left them.
        QByteArray expected = bigEndian({Normal, 5, 5, 12, 3});
        for (const auto* lists : {&session.game().clues().columnClues, &session.game().clues().rowClues})
            for (const auto& clue : *lists) {
                expected += bigEndian({int(clue.size())});
                for (int value : clue)
                    expected += bigEndian({value});
            }
        expected += bigEndian({0, 0, Filled, 4, 2, MarkedCrossed});
        QCOMPARE(bytesOf("auto.sav").toHex(' '), expected.toHex(' '));

        ResumableGame game;
        QVERIFY(files.loadGame(game, nullptr));
        QVERIFY(game.board.cells == board.cells && game.solution.cells == puzzle.solution.cells);
        QVERIFY(game.saved.mode == Normal && game.saved.time == 12 && game.saved.faults == 3);
    }

    void anyOtherPuzzleIsKeptInTheSecondFormWithItsOriginAndDamageIsRefused()
    {
        // A file's puzzle of a size the generator does not make, with texts beyond ASCII.
        PuzzleGrid picture;
        picture.resize(25, 20);
        for (int x = 0; x < 25; ++x)
            for (int y = 0; y < 20; ++y)
                picture.cells[x][y] = (x * x + 3 * y) % 7 < 3 ? Filled : Crossed;
        ClueSet clues;
        clues.computeFrom(picture);
        SavedGame game {Expert, 25, 20, 4321, 5, clues.columnClues, clues.rowClues,
            {{24, 19, Filled}, {0, 3, MarkedCrossed}},
            {int(PuzzleOrigin::Kind::File), "/home/player/Été/cat.non", {}, "Le chat \xe2\x80\x94 \xe7\x8c\xab",
                "A. Setter", "(c) 2026", "CC-BY-SA-4.0"}};
        QVERIFY(!game.inFirstForm());
        const QByteArray bytes = game.encode();
        QVERIFY(bytes.startsWith(QByteArray("TSAV") + bigEndian({SavedGame::version})));
        SavedGame read;
        QVERIFY(SavedGame::decode(bytes, read));
        QVERIFY(read.mode == Expert && read.columns == 25 && read.rows == 20 && read.time == 4321 && read.faults == 5);
        QVERIFY(read.columnClues == game.columnClues && read.rowClues == game.rowClues);
        QCOMPARE(read.cells.size(), size_t(2));
        QVERIFY(read.cells[1].x == 0 && read.cells[1].y == 3 && read.cells[1].code == MarkedCrossed);
        for (auto text : {&SavedGame::Origin::place, &SavedGame::Origin::code, &SavedGame::Origin::title,
                 &SavedGame::Origin::author, &SavedGame::Origin::copyright, &SavedGame::Origin::licence})
            QCOMPARE(read.origin.*text, game.origin.*text);
        QCOMPARE(read.origin.kind, int(PuzzleOrigin::Kind::File));

        // A puzzle of one of the six sizes from anywhere but the generator is kept with its
        // origin too; a generated one of another size would not be read back in the first form.
        SavedGame small = generatedGame(11, 5, 5);
        QVERIFY(small.inFirstForm());
        small.origin.kind = int(PuzzleOrigin::Kind::File);
        QVERIFY(
            !small.inFirstForm() && SavedGame::decode(small.encode(), read) && read.origin.kind == small.origin.kind);
        game.origin.kind = int(PuzzleOrigin::Kind::Generated);
        QVERIFY(!game.inFirstForm());

        // Cut anywhere, grown at the end, or changed where it says what follows: refused, and
        // the target left as it was.
        const auto refused = [](const QByteArray& damaged) {
            SavedGame target;
            target.time = -9;
            return !SavedGame::decode(damaged, target) && target.time == -9 && target.origin.place.isEmpty();
        };
        for (int length = 0; length < bytes.size(); ++length)
            QVERIFY2(refused(bytes.left(length)), qPrintable(QString::number(length)));
        QVERIFY(refused(bytes + '\0'));
        const auto changed = [&](int offset, int value) {
            QByteArray damaged = bytes;
            damaged.replace(offset, 4, bigEndian({value}));
            return damaged;
        };
        QVERIFY(refused(changed(4, SavedGame::version + 1)));
        QVERIFY(refused(changed(12, 0)) && refused(changed(12, largestPuzzleSide + 1)));
        QVERIFY(refused(changed(28, int(PuzzleOrigin::Kind::Gallery) + 1)));
        QVERIFY(refused(changed(32, SavedGame::longestText + 1)) && refused(changed(32, -1)));
    }

    void aFilesPuzzleIsPlayedKeptAndResumedAsItCame()
    {
        const QString lantern = QStringLiteral(TESSARIN_PUZZLE_FILES "/lantern.non");
        const QString damaged = QStringLiteral(TESSARIN_PUZZLE_FILES "/malformed.xml");
        const std::string title = "The \"Lantern\" & its light";
        QPoint filled(0, 0);
        {
            WindowDriver w;
            w.answer = true;
            w.play(5, 5, Beginner);
            const int games = w.session().gameNumber();
            // A file that cannot be read gets one box with its path and the reader's reason,
            // and the game goes on.
            QVERIFY(!w->OpenPuzzleFile(damaged));
            QVERIFY2(w.asked.size() == 1, qPrintable(w.asked.join(" | ")));
            QVERIFY2(w.asked[0].contains(damaged) && w.asked[0].contains("line "), qPrintable(w.asked[0]));
            QVERIFY(w.session().gameNumber() == games && w.session().columns() == 5);

            QVERIFY(w->OpenPuzzleFile(lantern));
            QCOMPARE(w.session().phase(), Session::Phase::Playing);
            QVERIFY(w.session().columns() == 6 && w.session().rows() == 5 && !w.session().code());
            QCOMPARE(w.session().puzzle().title, title);
            // Its one solution is known: Beginner stays.
            QCOMPARE(w.session().mode(), int(Beginner));
            const PuzzleGrid& solution = w.session().game().solution();
            while (solution.cells[size_t(filled.x())][size_t(filled.y())] != Filled)
                filled.ry()++;
            w.drag(Qt::LeftButton, {filled});
            // Open Recent offers it, and greys out a file gone since.
            QMenu& recent = *w.form().menuRecent;
            QVERIFY(w->OpenPuzzleFile(QStringLiteral(TESSARIN_PUZZLE_FILES "/lantern.nin")));
            QVERIFY(QFile::copy(lantern, "gone.non") && w->OpenPuzzleFile("gone.non") && QFile::remove("gone.non"));
            QVERIFY(w->OpenPuzzleFile(lantern));
            w.drag(Qt::LeftButton, {filled});
            QMetaObject::invokeMethod(&recent, "aboutToShow");
            const QList<QAction*> entries = recent.actions();
            QCOMPARE(entries.size(), 3);
            QVERIFY(entries[0]->text() == "lantern.non" && entries[0]->isEnabled());
            QVERIFY(entries[1]->text() == "gone.non" && !entries[1]->isEnabled());
            QCOMPARE(entries[2]->text(), QString("lantern.nin"));
            w.asked.clear();
            w->close();
            QCOMPARE(w.asked, QStringList({"Save your game?"}));
        }
        const QByteArray kept = bytesOf("auto.sav");
        QVERIFY(kept.startsWith("TSAV"));
        {
            WindowDriver w;
            w.answer = true;
            w->StartUp();
            QCOMPARE(w.asked, QStringList({"Load game in progress from previous session?"}));
            const Puzzle& puzzle = w.session().puzzle();
            QCOMPARE(puzzle.title, title);
            QCOMPARE(puzzle.author, std::string("Zo\xc3\xab \xc3\x85ngstr\xc3\xb6m"));
            QCOMPARE(QString::fromStdString(puzzle.origin.place), QFileInfo(lantern).absoluteFilePath());
            QVERIFY(w.session().columns() == 6 && w.session().mode() == Beginner
                && w.cell(filled.x(), filled.y()) == Filled);
            QVERIFY(w.session().clockStarted() && w.session().difficulty().hardestTechnique > 0);
            // Won, it is kept under its clues' fingerprint, never under its size's key.
            w.solve();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            const std::vector<ScoreBook::FileRecord> won = ScoreBook::fileRecords(w->files().settings());
            QCOMPARE(won.size(), size_t(1));
            QCOMPARE(won[0].title.toStdString() + ' ' + won[0].size.toStdString(), title + " 6x5");
            QCOMPARE(won[0].fingerprint.toStdString(), clueFingerprint(w.session().puzzle().clues));
            QVERIFY(!bytesOf("tessarin.ini").contains("6x5Wins") && !QFile::exists("auto.sav"));
            writeBytes("auto.sav", kept);
        }
        // Given a file at the start, the game plays it and leaves the saved game for later.
        {
            WindowDriver w;
            w->StartUp(lantern);
            QVERIFY(w.asked.isEmpty());
            QVERIFY(w.session().phase() == Session::Phase::Playing && w.session().columns() == 6
                && w.cell(filled.x(), filled.y()) == Blank);
            w.drag(Qt::LeftButton, {filled});
            w.answer = false;
            w->close();
        }
        QCOMPARE(bytesOf("auto.sav"), kept);
    }

    void contradictoryOrUnwinnableGamesAreRefused()
    {
        LogicSolver solver;
        // A refusal must leave the target as it was.
        const auto readable = [&](const SavedGame& game) {
            ResumableGame resumed;
            resumed.saved.faults = -7;
            return ResumableGame::read(game.encode(), solver, resumed) || resumed.saved.faults != -7;
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

        // Beginner never lets a wrong cell be taken back, and has no marks; Normal lets the
        // player erase them.
        SavedGame beginner = sound;
        beginner.mode = Beginner;
        const auto isMark = [](const SavedGame::Cell& cell) { return cell.code > Crossed; };
        beginner.cells.erase(
            std::remove_if(beginner.cells.begin(), beginner.cells.end(), isMark), beginner.cells.end());
        QVERIFY(beginner.cells.size() >= 2 && readable(beginner));
        SavedGame wrongCell = beginner, marked = beginner;
        wrongCell.cells[1].code = Filled + Crossed - wrongCell.cells[1].code;
        marked.cells[0].code += 2;
        QVERIFY(!readable(wrongCell) && !readable(marked));
        wrongCell.mode = Normal;
        QVERIFY(readable(wrongCell));
    }

    void closingAsksOnlyForAStartedGame()
    {
        // Not while a puzzle is being made, nor before the first move. After it, No leaves
        // without keeping the game and Yes keeps it.
        for (int moment = 0; moment < 4; ++moment) {
            WindowDriver w;
            w.answer = moment == 3;
            if (moment == 0)
                w->MenuNewGame();
            else
                w.play(5, 5, Normal);
            if (moment >= 2)
                w.drag(Qt::LeftButton, {{2, 2}});
            w->close();
            QCOMPARE(w.asked, moment >= 2 ? QStringList({"Save your game?"}) : QStringList());
            QVERIFY(!w->isVisible());
            QCOMPARE(QFile::exists("auto.sav"), moment == 3);
        }
    }

    void failedWritesAtCloseAreTold()
    {
        // Neither the game nor the settings can be written: the settings' folder is gone.
        QVERIFY(QDir().mkdir("auto.sav") && QFile::remove("tessarin.ini")
            && QFile::link("gone/tessarin.ini", "tessarin.ini"));
        WindowDriver w;
        w.answer = true;
        w.play(5, 5, Normal);
        w.drag(Qt::LeftButton, {{2, 2}});
        w->close();
        QCOMPARE(w.asked,
            QStringList({"Save your game?",
                "Your game could not be saved to " + QDir::current().filePath("auto.sav")
                    + ": it is not a regular file.\nThe game stays open, so that nothing is lost."}));
        QVERIFY(w->isVisible() && w.session().phase() == Session::Phase::Playing);

        // Escape, or the box's title bar, keeps playing too.
        QVERIFY(QDir().rmdir("auto.sav"));
        w.asked.clear();
        w.cancel = true;
        w->close();
        QCOMPARE(w.asked, QStringList({"Save your game?"}));
        QVERIFY(w->isVisible() && w.session().phase() == Session::Phase::Playing && !QFile::exists("auto.sav"));

        // Settings that could not be written all along are told once, as the window closes.
        w.asked.clear();
        w.cancel = false;
        w->close();
        QCOMPARE(w.asked,
            QStringList({"Save your game?",
                "Your settings and scores could not be saved to " + QDir::current().filePath("tessarin.ini")
                    + ": No such file or directory."}));
        QVERIFY(!w->isVisible() && QFile::exists("auto.sav"));
    }

    void startUpOffersTheSavedGame()
    {
        // Declined, or accepted when the file was damaged, or removed or saved over by another
        // copy of the game while the question was open. A declined game goes, unless another
        // copy saved over it meanwhile. (Accepted as it is: aResumedGameKeepsItsFileUntilItEnds.)
        const QByteArray bytes = generatedGame(3, 10, 5).encode(), other = generatedGame(4, 10, 10).encode();
        for (const QString meanwhile : {"declined", "damaged", "removed", "saved"}) {
            writeBytes("auto.sav", meanwhile == "damaged" ? bytes.left(30) : bytes);
            WindowDriver w;
            w.answer = meanwhile == "damaged" || meanwhile == "removed";
            w.whileAsked = [&](const QString& text) {
                if (meanwhile == "removed" && text.startsWith("Load"))
                    QVERIFY(QFile::remove("auto.sav"));
                else if (meanwhile == "saved")
                    writeBytes("auto.sav", other);
            };
            w->StartUp();
            QCOMPARE(w.asked.first(), QString("Load game in progress from previous session?"));
            QCOMPARE(w.session().phase(), Session::Phase::Creating);
            if (w.answer)
                QCOMPARE(w.asked.last(),
                    "Your saved game could not be loaded from " + QDir::current().filePath("auto.sav") + ": "
                        + (meanwhile == "damaged" ? "it is damaged, and was removed." : "it is no longer there."));
            QCOMPARE(bytesOf("auto.sav"), meanwhile == "saved" ? other : "(no file)");
        }
    }

    void aResumedGameKeepsItsFileUntilItEnds()
    {
        // Given up for a new game, left unsaved at the player's word, and won.
        SavedGame blank = generatedGame(3, 10, 5);
        const QByteArray bytes = blank.encode();
        blank.cells.clear();
        for (int ending = 0; ending < 3; ++ending) {
            writeBytes("auto.sav", ending == 2 ? blank.encode() : bytes);
            WindowDriver w;
            w.answer = true;
            w->StartUp();
            QVERIFY(w.session().phase() == Session::Phase::Playing && w.session().game().faults() == 2);
            // Kept while it is played, so that a crash loses nothing.
            QCOMPARE(bytesOf("auto.sav"), ending == 2 ? blank.encode() : bytes);
            w.answer = false;
            if (ending == 0)
                w->MenuNewGame();
            else if (ending == 1)
                w->close();
            else
                w.solve();
            // A win is written the moment after the tick that saw it.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            QVERIFY2(!QFile::exists("auto.sav"), qPrintable(QString::number(ending)));
        }
    }

    void theGameIsKeptSoonAfterEachChange()
    {
        // A lost display, a crash or a power cut loses at most the last few seconds: a change
        // is kept off the tick, once the keep's timer has run, with the settings it changed.
        WindowDriver w;
        w.play(5, 5, Normal);
        w.drag(Qt::LeftButton, {{2, 2}});
        w->menus().sizeEntry(sizeIndexOf(10, 5))->trigger();
        QVERIFY(!QFile::exists("auto.sav"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists("auto.sav"), 4 * GameKeeper::keepDelay.count());
        SavedGame saved;
        QVERIFY(SavedGame::decode(bytesOf("auto.sav"), saved));
        QVERIFY(saved.columns == 5 && saved.cells.size() == 1 && saved.cells[0].code == Filled);
        QCOMPARE(SettingsStore("tessarin.ini").read().value("lastGame", "lastSize"), QString("10x5"));
        QVERIFY(SettingsStore("tessarin.ini").read().value("lastGame", "savedPuzzle").startsWith("5x5-"));
        // "Save your game?" still decides: No drops what was kept.
        w->close();
        QCOMPARE(w.asked, QStringList({"Save your game?"}));
        QVERIFY(!QFile::exists("auto.sav"));
    }

    void aGamePlayedInAnotherCopyIsNotOfferedHere()
    {
        // Another copy resumed the saved game and plays it: a second copy started meanwhile
        // neither offers it nor removes it, and keeps its own game there only when told to.
        const QByteArray bytes = generatedGame(3, 10, 5).encode();
        writeBytes("auto.sav", bytes);
        GameFiles other;
        ResumableGame resumed;
        QVERIFY(other.loadGame(resumed, nullptr));
        WindowDriver w;
        w->StartUp();
        QVERIFY(w.asked.isEmpty());
        QCOMPARE(w.session().phase(), Session::Phase::Creating);
        QCOMPARE(bytesOf("auto.sav"), bytes);
        w.play(5, 5, Normal);
        w.drag(Qt::LeftButton, {{2, 2}});
        w.answer = true;
        w->close();
        QCOMPARE(w.asked,
            QStringList({"Save your game?",
                "Another copy of Tessarin keeps a game in " + QDir::current().filePath("auto.sav")
                    + ".\nReplace it with this one?"}));
        SavedGame saved;
        QVERIFY(SavedGame::decode(bytesOf("auto.sav"), saved) && saved.columns == 5);

        // A copy that found nothing to offer claims nothing: the next keeps its game freely.
        QVERIFY(QFile::remove("auto.sav"));
        other.seal();
        WindowDriver first;
        first->StartUp();
        GameFiles second;
        QVERIFY(!second.savedGame().claimedElsewhere());
    }

    void settingsThatCannotBeReadWholeAreKeptAndToldOnce()
    {
        // Far larger than the game writes, perhaps grown by hand: never replaced, named once.
        const QByteArray large = "[bestNormal]\n5x5Wins=77\n" + QByteArray(2 << 20, '#');
        writeBytes("tessarin.ini", large);
        WindowDriver w;
        w->StartUp();
        // On the defaults, the first-time question follows.
        QCOMPARE(w.asked.size(), 2);
        QCOMPARE(w.asked.first(),
            "Your settings and scores in " + QDir::current().filePath("tessarin.ini")
                + " could not be read: it is too large to be the game's.\nThe game plays on its defaults and "
                  "leaves the file as it is.");
        w.asked.clear();
        w.play(5, 5, Normal);
        w.solve();
        w->close();
        QVERIFY(w.asked.isEmpty());
        QCOMPARE(bytesOf("tessarin.ini"), large);
    }

    void leavingKeepsTheGameWithoutAsking()
    {
        WindowDriver w;
        w.play(5, 5, Beginner);
        w.drag(Qt::LeftButton, {{2, 2}});
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
        const std::string code = w.session().code()->text();
        w->Leave();
        w->MenuNewGame();
        w->close();
        QCOMPARE(w.asked.size(), 1);
        QVERIFY(QFile::exists("auto.sav"));

        // Resumed, the game shows its code again.
        WindowDriver again;
        resumeExpectingCode(again, code);
    }

    // A large size's puzzle is kept in the second form, which older copies refuse rather than
    // misread, and comes back with its code and the board as it was.
    void aLargeGeneratedGameComesBackWithItsCode()
    {
        std::string code;
        PuzzleGrid board;
        {
            WindowDriver w;
            w.play(30, 30, Normal);
            QVERIFY(w.session().code());
            code = w.session().code()->text();
            w.drag(Qt::LeftButton, {{3, 4}});
            board = w.session().game().board();
            w->SaveWithoutAsking();
            w->Leave();
        }
        QVERIFY(bytesOf("auto.sav").startsWith("TSAV"));
        WindowDriver again;
        resumeExpectingCode(again, code);
        QVERIFY(again.session().game().board().cells == board.cells);
        QVERIFY(again.session().difficulty().hardestTechnique > 0);
    }
};

QTEST_MAIN(SavedGameTest)
#include "test_saved_game.moc"
