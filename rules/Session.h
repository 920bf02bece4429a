// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Difficulty.h"
#include "Game.h"
#include "LogicSolver.h"
#include "Puzzle.h"
#include "PuzzleCode.h"
#include "PuzzleGenerator.h"
#include "PuzzleLogic.h"
#include "PuzzleMaker.h"
#include "PuzzleReserve.h"
#include "SolutionReplay.h"

#include <chrono>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

// One play session, from one puzzle to the next: a puzzle is made (or taken from the reserve
// made in the spare time of play), played, perhaps paused, solved, dissolved and finished.
// It keeps the game clock, which goes on only by the time it is told has passed.
//
// The window records what the pointer and the keys did, hands it over in order, runs its
// commands here and tells how much time passed; each operation returns what happened as
// events, which the window answers with sound, particles, the fault mark and boxes. Input
// recorded before a command is applied before it. What a phase does not allow is refused
// and changes nothing. No windows, no clock reads, no files.
class Session {
public:
    enum class Phase {
        Idle, // no puzzle yet
        Creating, // a puzzle is being made
        Playing,
        Paused, // the clock stands and the board is hidden
        Celebrating, // solved: the board dissolves, a cell a tick (a share of a large one)
        Finished, // dissolved: the win waits to be shown
        Replaying, // the solver's steps are replayed on the won puzzle
        Solved, // the win was shown; the picture the player made stands on the board
    };

    // One thing the pointer or the keys did: the cell it was over (perhaps off the board) and
    // where it was in the view's own units, which the session only hands back in events.
    struct Input {
        enum class Kind { Press, Move, Release };
        Kind kind;
        Game::Button button;
        int column;
        int row;
        int pointX;
        int pointY;
    };

    struct Event {
        enum class Kind {
            Entered, // a cell was filled, crossed or marked (code: what it became)
            Erased, // a cell was cleared
            Fault, // Beginner put a wrong move right, and counted it
            Mended, // the hint put a wrong cell right, or cleared it, and counted it
            Restored, // undo or redo changed a cell (code: what it became)
            Dissolved, // the solved board cleared a cell (code: what it was)
            Won, // solved: the time and faults are final
            Replayed, // the replay moved to another step (code: its position)
            PhaseChanged,
        };
        Kind kind;
        int column = 0;
        int row = 0;
        int code = 0;
        // For what input did: the input's point, and whether the cell is the one under it (a
        // fast drag also changes the cells it jumped over).
        bool underPoint = false;
        int pointX = 0;
        int pointY = 0;
    };
    using Events = std::vector<Event>;

    // Begins making a puzzle of that size for that mode, whatever the phase; the next advance
    // starts one the reserve holds ready.
    const Events& begin(int columns, int rows, int mode, int band = -1);
    // Begins making the puzzle a code names, for that mode; searching, a size of the hill
    // climb tries the seeds from the code's on until one falls in its band.
    const Events& begin(const PuzzleCode& code, int mode, bool searching = false);
    // Plays a puzzle made elsewhere (a file's, ...) at once, from a blank board. Beginner
    // needs its one solution: a puzzle without one is played in Normal.
    const Events& begin(const Puzzle& puzzle, int mode);
    // Plays on a game kept from before: its board, clues, solution, time and faults, and its
    // code when it was kept too.
    const Events& resume(int mode, const PuzzleGrid& board, const ClueSet& clues, const PuzzleGrid& solution,
        int seconds, int faults, const std::optional<PuzzleCode>& code = std::nullopt);
    // Plays on a game of any puzzle kept from before: its board, time and faults.
    const Events& resume(const Puzzle& puzzle, int mode, const PuzzleGrid& board, int seconds, int faults);

    // Queued for the next advance or command; only play takes input.
    void record(const Input& input);
    // One tick: elapsed time passes (on the clock only while playing), and creating, playing
    // or dissolving takes its next step.
    const Events& advance(std::chrono::milliseconds elapsed);
    // Works on the next puzzle of that size in the spare time of play, within budget.
    void workReserve(int columns, int rows, std::chrono::nanoseconds budget, int band = -1);

    // Play stops, the clock with it; the input recorded before counts, and may win instead.
    const Events& pause();
    const Events& resumePlay();

    // The commands go on from a pause first. A hint found by a technique stands as marks until
    // acceptHint() with the number of the game that asked; another game ignores it.
    const Events& hint(Game::Hint& found);
    const Events& acceptHint(int askedInGame);
    // When the hint found nothing on a board not yet solved: one cell of the solution, for a
    // fault (nothing when the solution is unknown).
    const Events& revealCell(int askedInGame);
    const Events& startMarking();
    const Events& stopMarking(bool keepMarks, int askedInGame);
    // The puzzle again from a blank board, on the same clock and faults.
    const Events& restart();
    const Events& undo();
    const Events& redo();

    // After the win has been shown: the board goes blank and the solver's steps are replayed
    // on it, one at a time, forward and back, or on their own at a steady pace. No score
    // changes. Leaving shows the solution.
    const Events& showSolution();
    const Events& replayTo(int position);
    const Events& playReplay(bool on);
    const Events& leaveReplay();
    bool canShowSolution() const { return phase_ == Phase::Solved; }
    const SolutionReplay& replay() const { return replay_; }
    bool replayPlaying() const { return replayPlaying_; }
    // How long until a playing replay takes its next step.
    std::chrono::milliseconds toNextReplayStep() const { return replayPace() - replayWaited_; }
    // The replay's speeds, slowest first, each as the time between steps, and the usual one.
    static constexpr std::chrono::milliseconds replayPaces[] = {std::chrono::milliseconds(6400),
        std::chrono::milliseconds(3200), std::chrono::milliseconds(1600), std::chrono::milliseconds(800),
        std::chrono::milliseconds(400), std::chrono::milliseconds(200), std::chrono::milliseconds(100)};
    static constexpr int usualReplaySpeed = 3;
    static constexpr int replaySpeedCount = static_cast<int>(std::size(replayPaces));
    // The speed, an index into replayPaces, kept from one replay to the next; by steps up
    // (faster) or down, no further than the fastest or slowest.
    int replaySpeed() const { return replaySpeed_; }
    void changeReplaySpeed(int steps);
    std::chrono::milliseconds replayPace() const { return replayPaces[replaySpeed_]; }

    Phase phase() const { return phase_; }
    bool inPlay() const { return phase_ == Phase::Playing || phase_ == Phase::Paused; }
    const Game& game() const { return game_; }
    // The puzzle in play, or the last one played while the next is made.
    const Puzzle& puzzle() const { return puzzle_; }
    // The mode of the game in play, or of the one being made.
    int mode() const { return phase_ == Phase::Creating ? modeToPlay_ : game_.mode(); }
    // The board and clues on show: the game's while it is played and once solved (the picture
    // stays), a copy of it while it dissolves and waits, and the replay's while it replays.
    const PuzzleGrid& board() const;
    const ClueSet& clues() const;
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // Counts the games begun, so that an answer reaches only the game that asked.
    int gameNumber() const { return gameNumber_; }
    const Difficulty& difficulty() const { return puzzle_.difficulty; }
    // Whether the puzzle is a picture, revealed in its colours once solved rather than
    // dissolved.
    bool revealsPicture() const
    {
        return puzzle_.colours.size() == std::size_t(columns_) * std::size_t(rows_) && columns_ > 0;
    }
    // How far a solved picture has turned into its colours: 0 before the win, rising to 1
    // over revealTicks, 1 from then on.
    double revealShown() const;
    // The code of the puzzle made or being made; none for a game resumed without one.
    const std::optional<PuzzleCode>& code() const { return code_; }
    // The clock starts with the first cell entered (or a fault, or a hint), not with play.
    bool clockStarted() const { return clockStarted_; }
    // Whole seconds played; stops at the largest int.
    int seconds() const;
    // How long until the clock, running, shows its next second.
    std::chrono::milliseconds toNextSecond() const { return std::chrono::milliseconds(1000 - playedMs_ % 1000); }
    // The last puzzle taken from, or dropped by, the reserve.
    PuzzleReserve& reserve() { return reserve_; }
    const PuzzleReserve& reserve() const { return reserve_; }

    // The ticks a solved picture takes to turn into its colours; the game is finished then.
    static constexpr int revealTicks = 120;

private:
    void setPhase(Phase phase);
    // Beginner needs the puzzle's one solution; without one it is played in Normal.
    static int playableMode(const Puzzle& puzzle, int mode);
    // The code of a generated puzzle; none for any other.
    static std::optional<PuzzleCode> codeOf(const Puzzle& puzzle);
    // Forgets the last game's input and points the session at a new puzzle.
    void prepare(int columns, int rows, int mode);
    void createStep();
    // The generated puzzle the game plays, as a puzzle of its own.
    Puzzle generatedPuzzle() const;
    // Of the puzzle's known solutions, the one most of whose cells the board already shows.
    PuzzleGrid nearestSolution() const;
    void acceptPuzzle();
    void beginPlay();
    // Play goes on from a kept board at a kept time.
    void resumePlayAt(int seconds);
    void applyInput();
    void answer(const Game::Changes& changes, const Input& input);
    void startClock();
    bool showsCopy() const;
    void retestShownClues();
    // Re-tests the clues after a change and wins when all match; true if it did.
    bool settle();
    void dissolveStep();
    void dissolve(int column, int row);
    // Commands act on play, going on from a pause first, after the input recorded before.
    bool readyForCommand();
    const Events& restored(const Game::Changes& changes);
    void replayAfter(std::chrono::milliseconds elapsed);

    Game game_;
    // The puzzle being made, and the mode it is to be played in.
    struct {
        PuzzleGrid board;
    } made_;
    int modeToPlay_ = Beginner;
    Puzzle puzzle_;
    PuzzleGrid shown_;
    ClueSet shownClues_;
    PuzzleMaker maker_;
    PuzzleReserve reserve_;
    PuzzleLogic logic_;
    std::optional<PuzzleCode> code_;
    Phase phase_ = Phase::Idle;
    int columns_ = 0;
    int rows_ = 0;
    int gameNumber_ = 0;
    bool puzzleReady_ = false;
    std::vector<Input> recorded_;
    bool clockStarted_ = false;
    std::int64_t playedMs_ = 0;
    int dissolveCountdown_ = 0;
    int dissolvePerStep_ = 1;
    SolutionReplay replay_;
    bool replayPlaying_ = false;
    int replaySpeed_ = usualReplaySpeed;
    std::chrono::milliseconds replayWaited_ {0};
    Events events_;
};
