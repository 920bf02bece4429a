#pragma once

#include "BoardPanel.h"
#include "CellState.h"
#include "ClueSet.h"
#include "Difficulty.h"
#include "FramePainter.h"
#include "Game.h"
#include "GameState.h"
#include "LogicSolver.h"
#include "ParticleSystem.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"
#include "Prompt.h"
#include "PuzzleReserve.h"
#include "RecordedInput.h"
#include "SavedGameFile.h"
#include "ScoreBook.h"
#include "SettingsStore.h"
#include "StorageFolder.h"

#include <QElapsedTimer>
#include <QFont>
#include <QMainWindow>
#include <QPixmap>
#include <QTimeLine>
#include <QVector>

#include <memory>
#include <vector>

class QActionGroup;
class SoundBank;
class QTimer;
namespace Ui {
class MainWindow;
}

// The game's one window, and at the same time the board view. It owns everything that lives
// longer than one command: the game in play (player's board, hidden solution, clues and
// the rules they are played by), the generator, the pictures, the game state and clock, and
// the view transform. The 10 ms tick is the only loop: event handlers record the pointer and
// keys and run commands, the tick creates puzzles, applies the recorded input, keeps the
// clock and runs the win sequence.
//
// The game fields are public: the window's commands, its painting and the tests all work on
// the same named state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the whole game, hidden and Idle. Assets are read from the game's asset folder.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and starts the first game.
    void StartUp();

    void StartNewGame(int columns, int rows, int mode);
    void BeginPlay();
    void BeginWin();
    void WinStep();
    // Applies, in order, everything the pointer and keys did since the last call.
    void ApplyInput();
    // The fault's sound and mark at board point (x, y); the game itself counts the fault.
    void ShowFault(int x, int y);
    void FinishGame();
    void FitView(int windowWidth, int windowHeight);
    void LoadSettings();
    // False when "tessarin.ini" could not be written; settingsStore says why.
    bool SaveSettings();
    // Writes the game in progress to "auto.sav"; false, with why, when it could not be written.
    bool SaveGame(QString* why = nullptr);
    // Resumes the game in "auto.sav"; false, changing nothing, with why, when there is none or
    // it is damaged (and then removed).
    bool LoadGame(QString* why = nullptr);
    // Keeps the game in progress and the settings without a box: the session is ending, or
    // the game was told to stop, and nobody may be there to answer.
    void SaveWithoutAsking();
    // The same, then nothing more is written and the game quits, whatever box is open.
    void Leave();
    // Stops the clock and hides the board; only while Playing.
    void PauseGame();
    // Back to Playing with the clock going on from the paused time; only while Paused.
    void ResumeGame();

    // Draws the current frame with the painter's origin at the window's top-left corner.
    void paintFrame(QPainter& painter) const;
    QWidget* drawingSurface() const { return surface; }

    Ui::MainWindow* ui;
    // Where this run keeps its files, chosen once, and the files themselves.
    StorageFolder storage;
    SettingsStore settingsStore;
    SavedGameFile savedGame;
    // Set once the window has closed or left: the files are final.
    bool filesSealed = false;
    QActionGroup* sizeGroup;
    QActionGroup* modeGroup;
    QActionGroup* backgroundGroup;

    // The game in play, and its state under the names the commands, the painting and the
    // tests use.
    Game play;
    int& mode = play.mode;
    PuzzleGrid& board = play.board;
    PuzzleGrid& solution = play.solution;
    ClueSet& clues = play.clues;
    bool& marking = play.marking;
    int& faults = play.faults;

    GameState state = Idle;
    // Counts the games begun, so that a box's answer reaches only the game that asked.
    int gameNumber = 0;
    // The record of this size and mode as the last win left it, kept from the moment the
    // board was solved for the win screen.
    ScoreBook::Record winRecord;
    int backgroundIndex = 0;
    bool hintShown = false;
    bool particlesOn = true;
    bool musicOn = true;
    bool soundOn = true;
    bool newPlayer = true;
    bool highContrast = false;

    int boardX = 0;
    int boardY = 0;
    int columns = 0;
    int rows = 0;
    QElapsedTimer clock;
    // Whole seconds played before the clock was last started (a resumed saved game, a pause),
    // and the part of a second a pause carried beyond them.
    int timeOffset = 0;
    int carriedMilliseconds = 0;
    int faultX = 0;
    int faultY = 0;
    bool hintIsRow = false;
    int hintLine = 0;
    QFont infoFont;
    QString modeText;
    QString timeText;
    QString faultsText;
    // "Difficulty: " and the hardest technique's name, for the info box.
    QString difficultyText;
    QColor panelLineColor;
    QColor panelFillColor;
    QVector<QString> techniqueNames;
    int pointerX = 0;
    int pointerY = 0;
    // The buttons held, as the handlers saw them: mouse buttons, and Space and X.
    bool leftDown = false;
    bool rightDown = false;
    bool spaceDown = false;
    bool xDown = false;
    // What the handlers recorded for the next tick, in order.
    std::vector<RecordedInput> recordedInput;
    // The cell the keys act on; it follows the pointer over the cells.
    int cursorColumn = 0;
    int cursorRow = 0;
    // Whether the keys were used last, so that the highlight shows the cursor rather than the
    // cell under the pointer.
    bool cursorLeads = true;
    float scale = 1.0f;
    int offsetX = 0;
    int offsetY = 0;
    int clearCountdown = 0;
    bool needsRepaint = true;

    PuzzleGenerator generator;
    // The next puzzle of the size checked in the Size menu, made in the spare time of play.
    PuzzleReserve reserve;
    // Set when the puzzle to play came whole from the reserve: the next tick only starts it.
    bool puzzleReady = false;
    Difficulty difficulty;
    LogicSolver solver;
    BoardPanel boardPanel;
    QPixmap backgroundPixmap;
    QPixmap mistakePixmap;
    QTimeLine faultTimeLine;
    QTimer* tickTimer;
    ParticleSystem particles;
    // Built after the settings are loaded; without an audio device it stays silent.
    std::unique_ptr<SoundBank> sounds;

public slots:
    void MenuExitGame();
    void MenuHighScore();
    void MenuHint();
    void MenuMarking();
    void MenuUndo();
    void MenuRedo();
    void MenuNewGame();
    void MenuHelp();
    void MenuAbout();
    void MenuParticles();
    void MenuMusic();
    void MenuSound();
    void MenuPause();
    void MenuHighContrast();
    void Tick();
    void UpdateBackground(QAction* action);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createActionGroups();
    void connectActions();
    // The board panel's colours for the chosen background and look.
    void choosePanelColours();
    // The same, with the panel rebuilt in them.
    void restylePanel();
    // Playing or Paused: a game the player can act on.
    bool gameInPlay() const { return state == Playing || state == Paused; }
    // A game in play (or asking whether to save) that the player has begun.
    bool gameStarted() const;
    // Saves or lets go of the game as the answer to "Save your game?" says; false when the
    // window must stay open (cancelled, or the save failed and the player was told).
    bool keepOrLetGo(Prompt::Answer answer);
    void sealFiles();
    void createPuzzleStep();
    void playStep();
    // Works on the reserve in what is left of a tick of play that began at tickTime.
    void fillReserve(const QElapsedTimer& tickTime);
    void acceptPuzzle();
    // Whether the pointer is over the cell area.
    bool pointerOnCells() const;
    // The cell under a board point, which may lie off the board.
    QPoint cellAt(int boardX, int boardY) const;
    QPoint cellCentre(int x, int y) const;
    void trackPointer(QPointF windowPosition);
    bool anyButtonDown() const;
    // Records for the next tick; only a game in play takes input.
    void record(RecordedInput::Kind kind, Game::Button button, QPoint boardPoint);
    // Records the release of every held button and forgets them.
    void releaseAllButtons();
    // Commands first apply what was recorded before them, so nothing overtakes a click.
    void applyInputNow();
    // Sound, bursts and fault marks for what the game changed; pointer is where the input
    // happened, in board pixels.
    void answerChanges(const Game::Changes& changes, QPoint pointer, bool& entered, bool& erased);
    // Re-tests the clues after a change and starts the win when all match; true if it did.
    bool settleBoard();
    void clearCell(int x, int y);
    // The Hint entry, the Marks check mark and the clue highlight as marks mode has them.
    void showMarkingMode();
    // Undo (back) or redo, and the window's answer.
    void takeHistoryStep(bool back);
    void refreshUndoEntries();
    void keyButton(QKeyEvent* event, Game::Button button, bool& down, bool pressed);
    void moveCursor(int columns, int rows);
    // Lights the cursor's column and row clues, as the hovered cell's are.
    void showCursor();
    QAction* sizeAction(int index) const;
    // The chosen size (index into puzzleSizes) and mode; an edited settings file can leave
    // a menu group unchecked, and then the first entry stands in.
    int checkedSizeIndex() const;
    int checkedMode() const;
    QAction* modeAction(int mode) const;

    FramePainter framePainter;
    QWidget* surface;
};
