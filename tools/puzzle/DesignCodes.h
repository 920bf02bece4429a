// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// tessarin-puzzle encode FILE: prints the design's code of a puzzle file's picture (its goal,
// or else the one picture that fits its clues), which the designer reads as the player's own.
// Returns 0, or 1 with why on standard error when the file is unreadable, of a size the
// designer does not draw, or has no one picture to give.
int encodeDesign(const std::string& path);

// tessarin-puzzle generate with a design's code: prints the design as generate prints a
// puzzle (its code, its verdict as the designer judges it, its picture and clues, and the
// cells given). Returns 0, or 1 with why on standard error when the code is mistyped.
int showDesign(const std::string& code);
