#pragma once

#include "BoardPanel.h"
#include "CellState.h"
#include "ClueSet.h"
#include "FramePainter.h"
#include "GameState.h"
#include "LogicSolver.h"
#include "ParticleSystem.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <QElapsedTimer>
#include <QFont>
#include <QMainWindow>
#include <QPixmap>
#include <QTimeLine>
#include <QVector>

#include <memory>

class QActionGroup;
class SoundBank;
class QTimer;
namespace Ui {
class MainWindow;
}

// The game's one window, and at the same time the board view. It owns everything that lives
// longer than one command: the puzzle (player's board, hidden solution, clues, generator),
// the pictures, the game state, clock and fault count, and the view transform. The 10 ms
// tick is the only loop: event handlers record the pointer and run commands, the tick
// creates puzzles, applies input, keeps the clock and runs the win sequence.
//
// The game fields are public: the window's commands, its painting and the tests all work on
// the same named state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Builds the whole game, hidden and Idle. Assets are read from the working folder.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window and starts the first game.
    void StartUp();

    void StartNewGame(int columns, int rows, int mode);
    void BeginPlay();
    void BeginWin();
    void WinStep();
    void ApplyInput();
    void ShowFault(int x, int y);
    void FinishGame();
    void FitView(int windowWidth, int windowHeight);
    void LoadSettings();
    void SaveSettings();
    // Writes the game in progress to "auto.sav"; false when it could not be written.
    bool SaveGame();
    // Resumes the game in "auto.sav"; false, changing nothing, when there is none or it is
    // damaged.
    bool LoadGame();
    // Stops the clock and hides the board; only while Playing.
    void PauseGame();
    // Back to Playing with the clock going on from the paused time; only while Paused.
    void ResumeGame();

    // Draws the current frame with the painter's origin at the window's top-left corner.
    void paintFrame(QPainter& painter) const;
    QWidget* drawingSurface() const { return surface; }

    static constexpr int noDrag = 5;

    Ui::MainWindow* ui;
    QActionGroup* sizeGroup;
    QActionGroup* modeGroup;
    QActionGroup* backgroundGroup;

    int mode = Beginner;
    GameState state = Idle;
    int dragState = noDrag;
    int backgroundIndex = 0;
    bool marking = false;
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
    int faults = 0;
    int faultX = 0;
    int faultY = 0;
    bool hintIsRow = false;
    int hintLine = 0;
    QFont infoFont;
    QString modeText;
    QString timeText;
    QString faultsText;
    QColor panelLineColor;
    QColor panelFillColor;
    QVector<QString> techniqueNames;
    int pointerX = 0;
    int pointerY = 0;
    bool leftDown = false;
    bool rightDown = false;
    float scale = 1.0f;
    int offsetX = 0;
    int offsetY = 0;
    int clearCountdown = 0;
    bool needsRepaint = true;

    PuzzleGrid board;
    PuzzleGrid solution;
    ClueSet clues;
    PuzzleGenerator generator;
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
    void createPuzzleStep();
    void playStep();
    void acceptPuzzle();
    // Whether the pointer is over the cell area.
    bool pointerOnCells() const;
    void clearCell(int x, int y);
    void enterCell(int x, int y, int code);
    void eraseCell(int x, int y, int code);
    void faultCell(int x, int y);
    // The hint's first step in Normal and Expert: mends the first wrong cell, if any.
    bool mendFirstWrongCell();
    QAction* sizeAction(int index) const;
    // The chosen size (index into puzzleSizes) and mode; an edited settings file can leave
    // a menu group unchecked, and then the first entry stands in.
    int checkedSizeIndex() const;
    int checkedMode() const;
    QAction* modeAction(int mode) const;

    FramePainter framePainter;
    QWidget* surface;
};
