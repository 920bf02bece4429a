// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle codes: what they look like, what is refused, and that a code makes its puzzle again,
// in the session as in the generator, whatever else drew random numbers.
#include "GeneratedPuzzle.h"
#include "LineNotation.h"
#include "DifficultyBands.h"
#include "PuzzleCode.h"
#include "PuzzleSizes.h"
#include "Session.h"

#include <QtTest>

#include <chrono>
#include <cstdlib>
#include <tuple>

using namespace std::chrono_literals;

class PuzzleCodeTest : public QObject {
    Q_OBJECT

private slots:
    void codesReadBackAndRefuseWhatIsNotOne()
    {
        for (int size = 0; size < puzzleSizeCount; ++size) {
            for (const std::uint32_t seed : {0u, 1u, 31u, 32u, 1234567u, 0x80000000u, 0xFFFFFFFFu}) {
                const PuzzleCode code {puzzleSizes[size].columns, puzzleSizes[size].rows, seed};
                const std::string text = code.text();
                // The size, a dash, then at most 8 letters or digits.
                const std::string digits = text.substr(text.find('-') + 1);
                QVERIFY(text.rfind(std::string(puzzleSizes[size].label) + "-", 0) == 0);
                QVERIFY(digits.size() >= 2 && digits.size() <= 8);
                QVERIFY(std::all_of(digits.begin(), digits.end(), [](char c) { return std::isalnum(c); }));
                const auto read = PuzzleCode::read(text);
                QVERIFY(read && read->columns == code.columns && read->rows == code.rows && read->seed == seed);
            }
        }
        // Typed by hand: any case, spaces around it, O for 0 and I or L for 1.
        QCOMPARE(PuzzleCode({15, 10, 33825}).text(), std::string("15x10-1111D"));
        for (const char* typed : {"15x10-1111d", "  15X10-IlL1D \n", "15x10-lili D"})
            QCOMPARE(PuzzleCode::read(typed).has_value(), std::string(typed) != "15x10-lili D");
        // Refused: not a code, not one of the game's sizes, a letter no code has, a wrong check
        // digit, a digit swapped or missing, the right digits for another size, too long.
        for (const char* bad : {"", "15x10", "15x10-", "15x10-1", "15x11-1111D", "16x10-1111D", "15x10-111UD",
                 "15x10-1111J", "15x10-1112D", "15x10-1121D", "15x10-111D", "10x10-1111D", "5x5-123456789",
                 "5x5-ZZZZZZZZ", "15x10-1111D!", "x10-1111D", "15x10x1-1111D"})
            QVERIFY2(!PuzzleCode::read(bad), bad);

        // A size is exactly digits, an x and digits: no sign, space, overflow or other letter
        // makes a code of a real size out of something else.
        const std::string valid = PuzzleCode({5, 5, 33825}).text();
        const std::string rest = valid.substr(valid.find('-'));
        QVERIFY(PuzzleCode::read("5X5" + rest));
        for (const std::string size :
            {"4294967301x5", "5x 5", " 5x5 ", "+5x+5", "5xXxX5", "05x5", "5x05", "5x5x", "5x-5", "5xx5", "0x5", "5x5 "})
            QVERIFY2(!PuzzleCode::read(size + rest), (size + rest).c_str());
        QVERIFY(!PuzzleCode::read("4294967301x5-103EPQ41"));
        // Each refusal says why.
        using Problem = PuzzleCode::Problem;
        for (const auto& [typed, problem] :
            {std::pair("  ", Problem::Empty), {"15x10", Problem::NoSize}, {"15-10-1111D", Problem::NoSize},
                {"16x10-1111D", Problem::UnknownSize}, {"15x10-111UD", Problem::BadCharacter},
                {"15x10-1", Problem::WrongLength}, {"5x5-ZZZZZZZZ", Problem::WrongLength},
                {"15x10-1121D", Problem::WrongCheck}, {"15x10-1111D", Problem::None}}) {
            PuzzleCode::Problem why = Problem::None;
            QCOMPARE(PuzzleCode::read(typed, why).has_value(), problem == Problem::None);
            QVERIFY2(why == problem, typed);
        }

        // Today's puzzle is everyone's, and changes with the day and the size.
        const PuzzleCode today = PuzzleCode::ofDay("2026-12-08", 15, 10);
        QCOMPARE(today.text(), PuzzleCode::ofDay("2026-12-08", 15, 10).text());
        QVERIFY(PuzzleCode::ofDay("2026-12-09", 15, 10).seed != today.seed);
        QVERIFY(PuzzleCode::ofDay("2026-12-08", 15, 15).seed != today.seed);
        QVERIFY(today.columns == 15 && today.rows == 10 && PuzzleCode::read(today.text()));
    }

    void aCodeMakesItsPuzzleWhateverElseWasDrawn()
    {
        // The seeds whose pictures test_puzzle_generator pins, so these codes make those
        // pictures on every copy of this version.
        for (const auto& [text, seed] : {std::pair("5x5-1A", 1u), {"10x5-51", 5u}}) {
            const PuzzleCode code = *PuzzleCode::read(text);
            QCOMPARE(code.seed, seed);
            // In the session, with the particles and the dissolve drawing from rand() meanwhile.
            Session session;
            session.begin(code, Normal);
            while (session.phase() == Session::Phase::Creating) {
                for (int i = 0; i < 7; ++i)
                    std::rand();
                session.advance(10ms);
            }
            QCOMPARE(
                rowsOf(session.game().solution()), rowsOf(GeneratedPuzzle(seed, code.columns, code.rows).solution));
            QCOMPARE(session.code()->text(), std::string(text));
        }
    }

    void everyNewPuzzleHasTheCodeThatMakesItAgain()
    {
        Session session;
        for (int game = 0; game < 3; ++game) {
            // The first from a generation of its own, the others from the reserve.
            session.begin(10, 10, Expert);
            while (session.phase() == Session::Phase::Creating)
                session.advance(10ms);
            for (int tick = 0; tick < 5000 && !session.reserve().readyFor(10, 10); ++tick)
                session.workReserve(10, 10, 2ms);
            QVERIFY(session.code() && session.code()->columns == 10 && session.code()->rows == 10);
            const PuzzleCode code = *PuzzleCode::read(session.code()->text());
            QCOMPARE(rowsOf(GeneratedPuzzle(code.seed, 10, 10).solution), rowsOf(session.game().solution()));
        }
        // A code kept beside a saved game comes back only with the clues it makes.
        const Game& game = session.game();
        const std::string kept = session.code()->keptWith(game.clues());
        QCOMPARE(PuzzleCode::keptFor(kept, game.clues())->text(), session.code()->text());
        ClueSet other = game.clues();
        other.rowClues[0] = {10};
        for (const std::string& stale : {kept, kept.substr(0, kept.find(' ')), std::string("x y")})
            QVERIFY(!PuzzleCode::keptFor(stale, other));
        session.resume(Expert, game.board(), game.clues(), game.solution(), 10, 0);
        QVERIFY(!session.code());
    }

    // A band's letter is part of the code: read back with it, refused without it or with
    // another, and the puzzle the code makes is the one first made for that band, by search
    // or by the reserve.
    void aCodeKeepsItsDifficulty()
    {
        const int hard = findBand("Hard");
        const PuzzleCode code {30, 30, 33825, hard};
        QCOMPARE(code.text(), std::string("30x30-H-1111") + code.text().back());
        QCOMPARE(PuzzleCode::read(code.text())->band, hard);
        QCOMPARE(PuzzleCode::read(PuzzleCode {30, 30, 33825}.text())->band, -1);
        PuzzleCode::Problem why = PuzzleCode::Problem::None;
        const std::string digits = code.text().substr(std::string("30x30-H-").size());
        QVERIFY(!PuzzleCode::read("30x30-" + digits, why) && why == PuzzleCode::Problem::WrongCheck);
        QVERIFY(!PuzzleCode::read("30x30-M-" + digits, why) && why == PuzzleCode::Problem::WrongCheck);
        QVERIFY(!PuzzleCode::read("30x30-X-" + digits, why) && why == PuzzleCode::Problem::UnknownDifficulty);
        QVERIFY(!PuzzleCode::read("30x30-HH-" + digits, why) && why == PuzzleCode::Problem::UnknownDifficulty);
        QCOMPARE(PuzzleCode::read("30x30-h-" + digits)->band, hard);
        QVERIFY(PuzzleCode::ofDay("2026-12-08", 30, 30, hard).seed != PuzzleCode::ofDay("2026-12-08", 30, 30).seed);
        QCOMPARE(PuzzleCode::ofDay("2026-12-08", 30, 30, hard).band, hard);

        const auto play = [](Session& session) {
            while (session.phase() == Session::Phase::Creating)
                session.advance(10ms);
            return rowsOf(session.game().solution());
        };
        for (const auto& [columns, rows, band] :
            {std::tuple(10, 10, hard), {30, 30, hard}, {25, 25, findBand("VeryHard")}, {20, 20, findBand("Easy")}}) {
            Session session;
            session.begin(columns, rows, Normal, band);
            const auto made = play(session);
            QCOMPARE(session.code()->band, band);
            QCOMPARE(bandOf(session.difficulty(), columns, rows), band);
            // The reserve makes the next one of the same aim.
            for (int tick = 0; tick < 20000 && !session.reserve().readyFor(columns, rows, band); ++tick)
                session.workReserve(columns, rows, 2ms, band);
            QVERIFY(!session.reserve().readyFor(columns, rows, -1));
            session.begin(columns, rows, Normal, band);
            const auto reserved = play(session);
            QVERIFY(reserved != made);
            const std::string text = session.code()->text();
            Session again;
            again.begin(*PuzzleCode::read(text), Expert);
            QCOMPARE(play(again), reserved);
            QCOMPARE(again.code()->text(), text);
            QCOMPARE(again.difficulty(), session.difficulty());
        }
    }
};

QTEST_MAIN(PuzzleCodeTest)
#include "test_puzzle_code.moc"
