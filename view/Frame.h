#pragma once

#include <QString>

class BoardPanel;
class ClueSet;
class ParticleSystem;
class PuzzleGrid;
class QFont;
class QPixmap;

// Everything one frame shows, borrowed from the main window for the length of one paint.
struct Frame {
    // What the scene holds: the game board, the "Creating puzzle..." or "Paused" text, or
    // nothing over the background.
    enum class Content { BackgroundOnly, Creating, Paused, Board };
    Content content = Content::BackgroundOnly;

    // Window position of board point (0, 0) and window pixels per board pixel.
    float scale = 1.0f;
    int offsetX = 0;
    int offsetY = 0;

    const QPixmap* background = nullptr;
    const BoardPanel* panel = nullptr;
    const ClueSet* clues = nullptr;
    const PuzzleGrid* board = nullptr;
    // Origin of the cell area in board pixels, and the puzzle size.
    int boardX = 0;
    int boardY = 0;
    int columns = 0;
    int rows = 0;

    // The information box: mode, time, faults and, when known, the puzzle's difficulty.
    const QFont* infoFont = nullptr;
    QString modeText;
    QString timeText;
    QString faultsText;
    QString difficultyText;

    // The fault mark while its animation runs: progress 0 to 1 (eased), top-left corner in
    // board pixels.
    bool faultShown = false;
    qreal faultProgress = 0.0;
    int faultX = 0;
    int faultY = 0;
    const QPixmap* mistake = nullptr;

    // The hint darkens everything but one line and its clues.
    bool hintShown = false;
    bool hintIsRow = false;
    int hintLine = 0;

    // Drawn over everything else on the board; left null while particles are switched off.
    const ParticleSystem* particles = nullptr;
};
