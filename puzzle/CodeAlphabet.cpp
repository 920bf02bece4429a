// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeAlphabet.h"

#include <cctype>

int CodeAlphabet::digitOf(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == 'O')
        return 0;
    if (upper == 'I' || upper == 'L')
        return 1;
    for (int d = 0; d < base; ++d)
        if (digits[d] == upper)
            return d;
    return -1;
}

std::uint32_t CodeAlphabet::hashOf(const std::string& text)
{
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}
