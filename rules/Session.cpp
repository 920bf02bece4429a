// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "CellState.h"
#include "PuzzleSizes.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

const Session::Events& Session::begin(int columns, int rows, int mode, int band)
{
    prepare(columns, rows, mode);
    // A puzzle made ahead in the last game's spare time starts at the next advance.
    puzzleReady_ = reserve_.take(columns, rows, band, maker_);
    // The seed is all the puzzle takes from the game's randomness.
    if (!puzzleReady_)
        maker_.start(columns, rows, band, static_cast<std::uint32_t>(std::rand()), madeOfPictures(columns, rows), true);
    code_ = PuzzleCode {columns, rows, maker_.seed(), band};
    setPhase(Phase::Creating);
    return events_;
}

const Session::Events& Session::begin(const PuzzleCode& code, int mode, bool searching)
{
    prepare(code.columns, code.rows, mode);
    puzzleReady_ = false;
    maker_.start(code.columns, code.rows, code.band, code.seed, madeOfPictures(code.columns, code.rows), searching);
    code_ = code;
    setPhase(Phase::Creating);
    return events_;
}

const Session::Events& Session::begin(const Puzzle& puzzle, int mode)
{
    prepare(puzzle.columns(), puzzle.rows(), playableMode(puzzle, mode));
    puzzleReady_ = false;
    code_ = codeOf(puzzle);
    puzzle_ = puzzle;
    made_.board = puzzle.startBoard();
    game_.setUp(modeToPlay_, made_.board, puzzle.oneSolution(), puzzle.clues, 0);
    game_.setGivens(puzzle.givens);
    playedMs_ = 0;
    clockStarted_ = false;
    beginPlay();
    // Clues that ask for no cell at all are met from the start.
    settle();
    return events_;
}

int Session::playableMode(const Puzzle& puzzle, int mode)
{
    return mode == Beginner && !puzzle.hasOneSolution() ? Normal : mode;
}

std::optional<PuzzleCode> Session::codeOf(const Puzzle& puzzle)
{
    if (puzzle.origin.kind != PuzzleOrigin::Kind::Generated || puzzle.origin.code.columns == 0)
        return std::nullopt;
    return puzzle.origin.code;
}

void Session::prepare(int columns, int rows, int mode)
{
    events_.clear();
    ++gameNumber_;
    columns_ = columns;
    rows_ = rows;
    modeToPlay_ = mode;
    recorded_.clear();
}

const Session::Events& Session::resume(int mode, const PuzzleGrid& board, const ClueSet& clues,
    const PuzzleGrid& solution, int seconds, int faults, const std::optional<PuzzleCode>& code)
{
    events_.clear();
    ++gameNumber_;
    columns_ = board.width;
    rows_ = board.height;
    code_ = code;
    game_.setUp(mode, board, solution, clues, faults);
    puzzle_ = generatedPuzzle();
    resumePlayAt(seconds);
    return events_;
}

const Session::Events& Session::resume(const Puzzle& puzzle, int mode, const PuzzleGrid& board, int seconds, int faults)
{
    events_.clear();
    ++gameNumber_;
    columns_ = board.width;
    rows_ = board.height;
    code_ = codeOf(puzzle);
    puzzle_ = puzzle;
    game_.setUp(playableMode(puzzle, mode), board, puzzle.oneSolution(), puzzle.clues, faults);
    game_.setGivens(puzzle.givens);
    resumePlayAt(seconds);
    return events_;
}

void Session::resumePlayAt(int seconds)
{
    playedMs_ = std::int64_t(seconds) * 1000;
    clockStarted_ = true;
    beginPlay();
    // A board kept the moment it was solved wins as it comes back.
    settle();
}

void Session::record(const Input& input)
{
    if (phase_ == Phase::Playing)
        recorded_.push_back(input);
}

const Session::Events& Session::advance(std::chrono::milliseconds elapsed)
{
    events_.clear();
    switch (phase_) {
    case Phase::Creating: createStep(); break;
    case Phase::Playing:
        if (clockStarted_)
            playedMs_ += elapsed.count();
        applyInput();
        // The hint, marks and undo change the board between advances.
        if (phase_ == Phase::Playing && game_.changedSinceTest())
            settle();
        break;
    case Phase::Celebrating: dissolveStep(); break;
    case Phase::Replaying: replayAfter(elapsed); break;
    default: break;
    }
    return events_;
}

void Session::workReserve(int columns, int rows, std::chrono::nanoseconds budget, int band)
{
    if (phase_ != Phase::Playing)
        return;
    reserve_.aimAt(columns, rows, band, madeOfPictures(columns, rows));
    reserve_.work(budget);
}

int Session::seconds() const
{
    return static_cast<int>(std::min<std::int64_t>(playedMs_ / 1000, std::numeric_limits<int>::max()));
}

const PuzzleGrid& Session::board() const
{
    return showsCopy() ? shown_ : game_.board();
}

const ClueSet& Session::clues() const
{
    return showsCopy() ? shownClues_ : game_.clues();
}

bool Session::showsCopy() const
{
    return phase_ == Phase::Celebrating || phase_ == Phase::Finished || phase_ == Phase::Replaying;
}

void Session::setPhase(Phase phase)
{
    phase_ = phase;
    events_.push_back({Event::Kind::PhaseChanged});
}

void Session::createStep()
{
    if (puzzleReady_) {
        puzzleReady_ = false;
        acceptPuzzle();
    } else if (maker_.makeFor(PuzzleGenerator::tickBudget)) {
        acceptPuzzle();
    }
}

void Session::acceptPuzzle()
{
    made_.board.resize(columns_, rows_);
    // A search for a band names the puzzle by the seed that made it.
    code_ = PuzzleCode {columns_, rows_, maker_.seed(), maker_.band()};
    game_.setUp(modeToPlay_, made_.board, maker_.solution(), maker_.clues(), 0);
    puzzle_ = generatedPuzzle();
    puzzle_.difficulty = maker_.difficulty();
    playedMs_ = 0;
    clockStarted_ = false;
    beginPlay();
}

PuzzleGrid Session::nearestSolution() const
{
    const PuzzleGrid& board = game_.board();
    const auto agreeing = [&board](const PuzzleGrid& solution) {
        int same = 0;
        for (int x = 0; x < board.width; ++x)
            for (int y = 0; y < board.height; ++y)
                same += board.cells[x][y] == solution.cells[x][y];
        return same;
    };
    return *std::max_element(puzzle_.solutions.begin(), puzzle_.solutions.end(),
        [&](const PuzzleGrid& a, const PuzzleGrid& b) { return agreeing(a) < agreeing(b); });
}

Puzzle Session::generatedPuzzle() const
{
    Puzzle puzzle;
    puzzle.clues.columnClues = game_.clues().columnClues;
    puzzle.clues.rowClues = game_.clues().rowClues;
    puzzle.solutions = {game_.solution()};
    // The generator keeps only what logic finishes.
    puzzle.verdict = PuzzleVerdict::Kind::Logic;
    puzzle.origin.kind = PuzzleOrigin::Kind::Generated;
    if (code_)
        puzzle.origin.code = *code_;
    return puzzle;
}

void Session::beginPlay()
{
    game_.retestClues();
    // A generated puzzle taken up again is graded afresh, so that "auto.sav" need not keep
    // the grade; one just made comes with it. The large sizes need every technique.
    if (puzzle_.origin.kind == PuzzleOrigin::Kind::Generated && puzzle_.difficulty.hardestTechnique == 0)
        puzzle_.difficulty
            = madeOfPictures(columns_, rows_) ? gradeWithEveryTechnique(game_.clues()) : gradePuzzle(game_.clues());
    recorded_.clear();
    setPhase(Phase::Playing);
}

void Session::applyInput()
{
    for (const Input& input : recorded_) {
        switch (input.kind) {
        case Input::Kind::Press: answer(game_.press(input.button, input.column, input.row), input); break;
        case Input::Kind::Move: answer(game_.moveTo(input.column, input.row), input); break;
        case Input::Kind::Release: game_.release(input.button); break;
        }
        // What comes after the winning move is not played on the dissolving board.
        if (game_.changedSinceTest() && settle())
            break;
    }
    recorded_.clear();
}

void Session::answer(const Game::Changes& changes, const Input& input)
{
    for (const CellChange& change : changes) {
        Event event {Event::Kind::Entered, change.x, change.y, change.after};
        event.underPoint = change.x == input.column && change.y == input.row;
        event.pointX = input.pointX;
        event.pointY = input.pointY;
        switch (change.reason) {
        case CellChange::Reason::Erased: event.kind = Event::Kind::Erased; break;
        case CellChange::Reason::Fault: event.kind = Event::Kind::Fault; break;
        default: break;
        }
        events_.push_back(event);
        // Erasing alone never starts the clock.
        if (change.reason != CellChange::Reason::Erased)
            startClock();
    }
}

void Session::startClock()
{
    clockStarted_ = true;
}

void Session::retestShownClues()
{
    shown_.changed = false;
    shownClues_.updateSatisfied(shown_);
    shownClues_.updateSettled(shown_);
}

bool Session::settle()
{
    game_.retestClues();
    // A hint's cells stand as marks while its box is open, and marks count in the clues: the
    // board wins once they are cells, not under the box.
    if (game_.hintWaiting() || !game_.clues().allSatisfied())
        return false;
    // A button still held after the win enters nothing in the next game.
    game_.releaseAll();
    recorded_.clear();
    // One cell a tick, as the generated sizes have always dissolved (3 s at most); a larger
    // board takes 2 s, a share of its cells a tick.
    const int cells = columns_ * rows_;
    dissolveCountdown_ = revealsPicture() ? revealTicks : cells <= 300 ? cells : 200;
    dissolvePerStep_ = (cells + dissolveCountdown_ - 1) / dissolveCountdown_;
    // The solved picture stays the game's; a copy of it dissolves.
    shown_.copyFrom(game_.board());
    shownClues_ = game_.clues();
    events_.push_back({Event::Kind::Won});
    setPhase(Phase::Celebrating);
    return true;
}

// The solved board dissolves: random cells a step, then the rest at once.
void Session::dissolveStep()
{
    // A picture turns into its colours, and stays.
    if (revealsPicture()) {
        if (--dissolveCountdown_ <= 0)
            setPhase(Phase::Finished);
        return;
    }
    if (dissolveCountdown_ > 0) {
        for (int i = 0; i < dissolvePerStep_; ++i) {
            const int column = std::rand() % columns_;
            const int row = std::rand() % rows_;
            dissolve(column, row);
        }
    } else {
        for (int column = 0; column < columns_; ++column)
            for (int row = 0; row < rows_; ++row)
                dissolve(column, row);
        setPhase(Phase::Finished);
    }
    --dissolveCountdown_;
}

double Session::revealShown() const
{
    if (!revealsPicture())
        return 0;
    switch (phase_) {
    case Phase::Celebrating: return 1.0 - double(std::max(dissolveCountdown_, 0)) / revealTicks;
    case Phase::Finished:
    case Phase::Solved: return 1;
    default: return 0;
    }
}

void Session::dissolve(int column, int row)
{
    events_.push_back({Event::Kind::Dissolved, column, row, shown_.cells[column][row]});
    shown_.cells[column][row] = Blank;
    shown_.changed = true;
}

bool Session::readyForCommand()
{
    events_.clear();
    if (phase_ == Phase::Paused)
        setPhase(Phase::Playing);
    if (phase_ != Phase::Playing)
        return false;
    applyInput();
    // A command acts on the board as it stands: one the last hint or command solved has won,
    // and takes no more.
    if (phase_ == Phase::Playing && game_.changedSinceTest())
        settle();
    return phase_ == Phase::Playing;
}

const Session::Events& Session::pause()
{
    events_.clear();
    if (phase_ != Phase::Playing)
        return events_;
    applyInput();
    if (phase_ == Phase::Playing && !(game_.changedSinceTest() && settle()))
        setPhase(Phase::Paused);
    return events_;
}

const Session::Events& Session::resumePlay()
{
    events_.clear();
    if (phase_ == Phase::Paused)
        setPhase(Phase::Playing);
    return events_;
}

const Session::Events& Session::hint(Game::Hint& found)
{
    found = {};
    // The hint needs a board without marks.
    if (!readyForCommand() || game_.marking())
        return events_;
    // Of several pictures, the hint works towards the one the player is nearest.
    if (puzzle_.verdict == PuzzleVerdict::Kind::Several && !puzzle_.solutions.empty())
        game_.judgeAgainst(nearestSolution());
    found = game_.hint(logic_);
    if (found.kind == Game::Hint::Kind::Mended)
        events_.push_back({Event::Kind::Mended, found.x, found.y, game_.board().cells[found.x][found.y]});
    startClock();
    return events_;
}

const Session::Events& Session::acceptHint(int askedInGame)
{
    events_.clear();
    if (askedInGame == gameNumber_)
        game_.acceptHint();
    return events_;
}

const Session::Events& Session::revealCell(int askedInGame)
{
    events_.clear();
    if (askedInGame != gameNumber_ || !readyForCommand() || game_.marking())
        return events_;
    for (const CellChange& change : game_.revealCell()) {
        events_.push_back({Event::Kind::Mended, change.x, change.y, change.after});
        startClock();
    }
    return events_;
}

const Session::Events& Session::startMarking()
{
    if (readyForCommand() && game_.mode() != Beginner && !game_.marking())
        game_.startMarking();
    return events_;
}

const Session::Events& Session::stopMarking(bool keepMarks, int askedInGame)
{
    events_.clear();
    if (askedInGame == gameNumber_ && readyForCommand() && game_.marking())
        game_.stopMarking(keepMarks);
    return events_;
}

const Session::Events& Session::restart()
{
    if (!readyForCommand())
        return events_;
    for (const CellChange& change : game_.restart())
        events_.push_back({Event::Kind::Erased, change.x, change.y, change.after});
    return events_;
}

const Session::Events& Session::undo()
{
    return readyForCommand() ? restored(game_.undo()) : events_;
}

const Session::Events& Session::redo()
{
    return readyForCommand() ? restored(game_.redo()) : events_;
}

const Session::Events& Session::restored(const Game::Changes& changes)
{
    for (const CellChange& change : changes)
        events_.push_back({Event::Kind::Restored, change.x, change.y, change.after});
    return events_;
}

const Session::Events& Session::showSolution()
{
    events_.clear();
    if (phase_ != Phase::Finished && phase_ != Phase::Solved)
        return events_;
    shownClues_ = game_.clues();
    replay_.record(shownClues_, shown_, puzzle_.startBoard());
    replayPlaying_ = false;
    replayWaited_ = {};
    setPhase(Phase::Replaying);
    retestShownClues();
    events_.push_back({Event::Kind::Replayed, 0, 0, 0});
    return events_;
}

const Session::Events& Session::replayTo(int position)
{
    events_.clear();
    if (phase_ != Phase::Replaying)
        return events_;
    replay_.moveTo(position, shown_);
    replayWaited_ = {};
    // Played to the end, it stops there; played again from the end, it starts over.
    if (replay_.atEnd())
        replayPlaying_ = false;
    retestShownClues();
    events_.push_back({Event::Kind::Replayed, 0, 0, replay_.position()});
    return events_;
}

const Session::Events& Session::playReplay(bool on)
{
    events_.clear();
    if (phase_ != Phase::Replaying || on == replayPlaying_)
        return events_;
    replayPlaying_ = on;
    replayWaited_ = {};
    if (on && replay_.atEnd())
        return replayTo(0);
    return events_;
}

void Session::changeReplaySpeed(int steps)
{
    replaySpeed_ = std::clamp(replaySpeed_ + steps, 0, replaySpeedCount - 1);
    // A step already waited longer than the new pace comes at the next advance.
    replayWaited_ = std::min(replayWaited_, replayPace());
}

const Session::Events& Session::leaveReplay()
{
    events_.clear();
    if (phase_ != Phase::Replaying)
        return events_;
    replayPlaying_ = false;
    setPhase(Phase::Solved);
    return events_;
}

void Session::replayAfter(std::chrono::milliseconds elapsed)
{
    if (!replayPlaying_)
        return;
    replayWaited_ += elapsed;
    if (replayWaited_ < replayPace())
        return;
    replayTo(replay_.position() + 1);
}
