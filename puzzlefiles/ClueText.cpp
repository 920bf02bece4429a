// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClueText.h"

#include "PuzzleFile.h"
#include "TextLines.h"

#include <algorithm>
#include <cstdlib>

const char* const colourRefusal = "colour puzzles are not supported yet";

namespace {

// A line of n cells holds at most (n + 1) / 2 runs; a list longer than that for the largest
// line is refused before it is stored, so no line can make a list grow without bound.
constexpr std::size_t mostNumbers = (largestPuzzleSide + 1) / 2;
// So many numbers make a reason long enough.
constexpr std::size_t mostNumbersShown = 16;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t';
}

} // namespace

std::string CountText::shown() const
{
    return tooLarge ? excerpt(digits) : std::to_string(value);
}

bool readCount(std::string_view& text, CountText& count)
{
    std::size_t end = 0;
    long long value = 0;
    count.tooLarge = false;
    while (end < text.size() && isDigit(text[end])) {
        if (!count.tooLarge) {
            value = value * 10 + (text[end] - '0');
            count.tooLarge = value > largestPuzzleSide;
        }
        ++end;
    }
    if (end == 0)
        return false;
    count.value = count.tooLarge ? 0 : static_cast<int>(value);
    count.digits = text.substr(0, end);
    text.remove_prefix(end);
    return true;
}

std::string readClueLine(std::string_view line, std::vector<int>& stored)
{
    stored.clear();
    std::string_view rest = trimmed(line);
    while (!rest.empty()) {
        if (isSeparator(rest.front())) {
            rest.remove_prefix(1);
            continue;
        }
        CountText count;
        if (!readCount(rest, count))
            return "cannot read the clue \"" + excerpt(trimmed(line)) + "\"";
        if (!rest.empty() && isLetter(rest.front()))
            return colourRefusal;
        if (!rest.empty() && !isSeparator(rest.front()))
            return "cannot read the clue \"" + excerpt(trimmed(line)) + "\"";
        if (count.tooLarge)
            return "the clue number " + count.shown() + " is longer than any line the game takes ("
                + std::to_string(largestPuzzleSide) + " cells)";
        if (count.value == 0)
            continue;
        if (stored.size() == mostNumbers)
            return "the clue has more numbers than a line of " + std::to_string(largestPuzzleSide) + " cells can hold";
        stored.push_back(count.value);
    }
    std::reverse(stored.begin(), stored.end());
    if (stored.empty())
        stored.push_back(0);
    return "";
}

std::string clueReading(const std::vector<int>& stored)
{
    std::string text;
    std::size_t shown = 0;
    for (auto number = stored.rbegin(); number != stored.rend(); ++number) {
        if (shown == mostNumbersShown) {
            text += " ...";
            break;
        }
        text += (shown++ ? " " : "") + std::to_string(std::abs(*number));
    }
    return text;
}
