// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The rules a game is played by; also the texts of the Mode menu and of the score groups.
enum GameMode { Beginner = 1, Normal = 2, Expert = 3 };

// "Beginner", "Normal" and "Expert", in the order of the Mode menu; also the score groups'
// names after "best".
constexpr const char* modeNames[] = {"Beginner", "Normal", "Expert"};
// The name of a mode; empty for any other number.
const char* modeName(int mode);
// The mode with that name, or 0.
int modeFromName(const std::string& name);
