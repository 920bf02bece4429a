// SPDX-License-Identifier: GPL-3.0-or-later
#include "NinFormat.h"

#include "ClueText.h"
#include "PuzzleChecks.h"
#include "TextLines.h"

namespace {

// "W H" and nothing more.
bool readSize(std::string_view line, CountText& width, CountText& height)
{
    std::string_view rest = trimmed(line);
    if (!readCount(rest, width))
        return false;
    const std::string_view afterWidth = rest;
    rest = trimmed(rest);
    return rest.size() < afterWidth.size() && readCount(rest, height) && rest.empty();
}

} // namespace

PuzzleFileReading readNin(const std::string& text)
{
    // The size must be the first line: the format's files carry no comments or notes, and a
    // text that starts with anything else is more likely some other format than a damaged one.
    TextLines lines(text);
    CountText width, height;
    if (!lines.next() || !readSize(lines.line(), width, height))
        return refusal(atLine(1, "the first line should give the width and height, as \"20 15\""));
    for (const std::string& problem : {sideProblem(width, true), sideProblem(height, false)})
        if (!problem.empty())
            return refusal(atLine(1, problem));

    PuzzleFileReading reading;
    reading.read = true;
    ClueSet& clues = reading.puzzle.clues;
    SourceLines where;
    where.width = width.value;
    where.height = height.value;
    // Stopping after the last clue leaves whatever follows it unread: one published file
    // holds its puzzle several times over.
    while (static_cast<int>(clues.rowClues.size() + clues.columnClues.size()) < width.value + height.value
        && lines.next()) {
        std::vector<int> stored;
        if (const std::string problem = readClueLine(lines.line(), stored); !problem.empty())
            return refusal(atLine(lines.number(), problem));
        const bool isRow = static_cast<int>(clues.rowClues.size()) < height.value;
        (isRow ? clues.rowClues : clues.columnClues).push_back(std::move(stored));
        (isRow ? where.rows : where.columns).push_back(lines.number());
    }
    checkPuzzle(reading, where);
    return reading;
}
