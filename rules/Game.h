// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellChange.h"
#include "ClueSet.h"
#include "DragPath.h"
#include "GameMode.h"
#include "MoveHistory.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"

#include <vector>

class PuzzleLogic;

// One game in progress and the rules it is played by: what presses, drags, the hint, marks
// mode, undo and redo do to the player's board in each mode. It knows nothing of windows,
// clocks or sound; every operation reports the cells it changed and why (the list is reused
// by the next operation), and the window answers with sound, particles and the fault mark,
// and starts the clock.
//
// Cells are given by column and row. A pointer off the board is fine: a drag keeps to its
// line and goes as far as the board's edge.
class Game {
public:
    enum class Button { Left, Right };
    using Changes = std::vector<CellChange>;

    // What a hint did.
    struct Hint {
        enum class Kind {
            Nothing, // no technique finds anything more
            Mended, // a wrong cell (x, y) was put right, or cleared in Expert
            AllCorrect, // Expert without a wrong cell: only reassurance
            Technique, // the deduced cells (of one line, or What If's) stand on the board as marks
        };
        Kind kind = Kind::Nothing;
        int technique = 0;
        bool isRow = false;
        int line = 0;
        int x = 0;
        int y = 0;
        // What What If assumed, and the line that broke.
        PuzzleLogic::Assumption assumption;
        // Nothing was found because the search stopped at its time, not because nothing is
        // there.
        bool outOfTime = false;
    };

    int mode() const { return mode_; }
    const PuzzleGrid& board() const { return board_; }
    // Empty (width 0) when nobody knows the one solution: nothing is then judged wrong.
    const PuzzleGrid& solution() const { return solution_; }
    bool knowsSolution() const { return solution_.width > 0; }
    // The solution wrong cells are judged against from now on: of a puzzle with several, the
    // one the player is nearest.
    void judgeAgainst(const PuzzleGrid& solution);
    // Their satisfied and settled marks follow the board as the session last re-tested it.
    const ClueSet& clues() const { return clues_; }
    bool marking() const { return marking_; }
    // Only ever goes up, and stops at the largest int: undo takes back cells, never faults.
    int faults() const { return faults_; }

    // A puzzle to play from this board on, with faults already counted; play begins too.
    void setUp(int mode, const PuzzleGrid& board, const PuzzleGrid& solution, const ClueSet& clues, int faults);
    // Cells decided from the start: they stand as the solution has them, whatever the board
    // said, and nothing the player does changes them, a restart neither. setUp forgets them.
    void setGivens(const std::vector<std::pair<int, int>>& cells);
    bool given(int x, int y) const
    {
        return !givens_.empty() && givens_[std::size_t(x) * std::size_t(board_.height) + std::size_t(y)];
    }
    // Whether the board changed since its clues were last tested against it.
    bool changedSinceTest() const { return board_.changed; }
    // The clues' satisfied and settled marks follow the board as it stands.
    void retestClues();

    // Play begins on the board as it stands, new or resumed: no drag, marks mode off, nothing
    // to undo.
    void beginPlay();

    // A button goes down with the pointer over cell (x, y). The first cell a drag reaches
    // decides the whole drag: from a blank cell it enters, from any other it erases. The left
    // button wins while both are held.
    const Changes& press(Button button, int x, int y);
    // The pointer is over cell (x, y); with a button held the drag follows it along its line.
    const Changes& moveTo(int x, int y);
    // When no button is held any more the drag ends, and what it changed is one undo step.
    void release(Button button);
    void releaseAll();
    // Whether anything can be taken back, counting the drag in progress.
    bool canUndo() const;
    bool canRedo() const;

    // Normal and Expert first mend the first wrong cell, column by column, each top to
    // bottom; Expert otherwise only reassures. Beginner and Normal otherwise write one
    // deduction on the board as marks, to be made real by acceptHint(). A mended cell or a
    // deduction costs one fault. The deduction rests on the filled and crossed cells alone:
    // the player's marks are guesses, and a deduced cell may stand where one was.
    Hint hint(PuzzleLogic& logic);
    // When logic cannot go on: the first undecided cell, column by column, takes its value in
    // the solution, for a fault, as one undo step. Nothing changes when the solution is
    // unknown or every cell is decided.
    const Changes& revealCell();
    // The deduced cells, and only they, become cells, as one undo step; the player's other
    // marks stay marks.
    const Changes& acceptHint();
    // A hint's cells stand on the board as marks, waiting for acceptHint().
    bool hintWaiting() const { return hintPending_; }
    // The board as a save keeps it: while a hint waits to be accepted, its deduced cells are
    // cells (the hint is paid for); the player's marks stay marks.
    PuzzleGrid boardToKeep() const;

    void startMarking();
    // Marks mode ends; the marks become cells or are removed, as one undo step.
    const Changes& stopMarking(bool keepMarks);

    // The same attempt from a blank board: every cell is cleared, marks mode ends, nothing is
    // left to undo or redo; the faults stand.
    const Changes& restart();

    // Takes back the last step: its cells are restored exactly and the marks mode it began in
    // returns. A drag in progress is a step of its own and ends.
    const Changes& undo();
    // Makes the last undone step again, with the marks mode it ended in.
    const Changes& redo();

private:
    struct Drag {
        bool reachedBoard = false;
        bool erases = false;
        // Once over, the rest of the press changes nothing: after a Beginner fault, or when a
        // command cut the drag short.
        bool over = true;
        DragPath path;
        MoveHistory::Step step;
    };

    bool onBoard(int x, int y) const;
    void countFault();
    Hint mendFirstWrongCell();
    // A cell the hint's search marked on the reasoned board stands on the player's as a mark.
    void takeDeduced(int x, int y);
    void follow(int x, int y);
    void applyMove(int x, int y);
    void change(int x, int y, int code, CellChange::Reason reason);
    // Keeps what the drag changed so far as a step; the rest of the press does nothing.
    void endDrag();
    // The cells that differ from the snapshot, as changes for the given reason.
    void collectChangesSinceSnapshot(CellChange::Reason reason);

    int mode_ = Beginner;
    PuzzleGrid board_;
    PuzzleGrid solution_;
    ClueSet clues_;
    bool marking_ = false;
    int faults_ = 0;
    bool leftHeld_ = false;
    bool rightHeld_ = false;
    Drag drag_;
    MoveHistory history_;
    Changes changes_;
    std::vector<std::vector<int>> snapshot_;
    bool hintPending_ = false;
    // Column by column, whether each cell is given; empty when none is.
    std::vector<bool> givens_;
    // The board the hint reasons on, and the cells it deduced, as they will be once accepted.
    PuzzleGrid reasoned_;
    std::vector<CellChange> deduced_;
};
