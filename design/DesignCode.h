// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"

#include <optional>
#include <string>

// A design's code, which a friend types in to play it: "10x10-D-" (the size and a D, which
// no generated puzzle's code has there), the picture and a check digit, in the digits of
// every code the game gives. The picture is its cells row by row, five to a digit, the first
// cell in the digit's highest bit, the last digit padded with empty cells; where cells are
// given, a dash and each given cell's number (row times columns plus column) in as many digits
// as the largest number needs follow it. The check digit ends the code. A 30x30 picture takes
// 180 digits, 189 characters in all. The texts stay out of it.
namespace DesignCode {

// Why a text is not a design's code.
enum class Problem {
    None,
    NotADesign, // not a size, a dash and a D: no design's code at all
    SizeOutOfRange, // a side under 5 or over 60 cells
    BadCharacter, // a character no code has
    WrongLength, // too few or too many digits for the size
    WrongCheck, // the check digit does not fit: a digit mistyped, or two swapped
    BadGiven, // a given cell off the picture, or given twice
};

std::string of(const Design& design);
// Spaces around it are ignored, and line breaks anywhere, as a chat may wrap a long code.
std::optional<Design> read(const std::string& text, Problem& why);
// Whether the text starts as a design's code does (a size, "-D-"), so that a mistyped one is
// told as one.
bool looksLikeOne(const std::string& text);

} // namespace DesignCode
