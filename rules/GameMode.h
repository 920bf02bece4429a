// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules a game is played by; also the texts of the Mode menu and of the score groups.
enum GameMode { Beginner = 1, Normal = 2, Expert = 3 };
