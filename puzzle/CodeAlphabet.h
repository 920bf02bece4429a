// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The digits of every code the game gives, base 32: 0-9 and the letters but I, L, O and U, so
// that no two read alike. Read back, case does not matter, O is taken for 0 and I or L for 1.
namespace CodeAlphabet {

constexpr char digits[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int base = 32;

// The digit a character stands for, or -1.
int digitOf(char c);
// FNV-1a, 32 bits: the same number from the same text on every machine, which the codes of
// days and the ids of clues and designs are made from.
std::uint32_t hashOf(const std::string& text);

} // namespace CodeAlphabet
