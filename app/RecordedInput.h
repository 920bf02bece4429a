#pragma once

#include "Game.h"

// One thing the pointer or the keys did, kept by an event handler until the next tick
// applies it. Positions are board pixels, taken when it happened.
struct RecordedInput {
    enum class Kind { Press, Move, Release };
    Kind kind;
    // Which button went down or up; a move ignores it.
    Game::Button button;
    int x;
    int y;
};
