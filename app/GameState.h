#pragma once

#include "GameMode.h"

#include <QString>

// What the main window is doing; the tick and the input handlers act by it.
enum GameState {
    Idle = 0, // built, no game yet
    Creating = 1, // the generator is making a puzzle
    Playing = 2, // the player is solving
    WinScreen = 4, // the congratulations dialog is open
    Closing = 5, // the window is closing and asks whether to save
    Celebrating = 6, // solved: the board dissolves
    Paused = 7, // the clock stands and the board is hidden until the player resumes
};

// "Beginner", "Normal" or "Expert"; empty for any other number.
QString modeName(int mode);
// The mode with that name, or 0.
int modeFromName(const QString& name);

// The board sizes, columns x rows, in menu order, with their labels ("5x5" ... "20x15").
struct PuzzleSize {
    int columns;
    int rows;
    const char* label;
};
constexpr PuzzleSize puzzleSizes[]
    = {{5, 5, "5x5"}, {10, 5, "10x5"}, {10, 10, "10x10"}, {15, 10, "15x10"}, {15, 15, "15x15"}, {20, 15, "20x15"}};
// The index in puzzleSizes of the size with that label, or -1.
int sizeIndexFromLabel(const QString& label);
// The index in puzzleSizes of a board of that size, which must be one of them.
int sizeIndexOf(int columns, int rows);
