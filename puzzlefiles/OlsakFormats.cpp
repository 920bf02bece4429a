// SPDX-License-Identifier: GPL-3.0-or-later
#include "OlsakFormats.h"

#include "ClueText.h"
#include "PuzzleChecks.h"
#include "TextLines.h"

namespace {

// One section's clue lines as they come, with the blank lines held back until a clue follows
// them, so that blanks at the end of a section add no lines.
class SectionLines {
public:
    std::vector<std::vector<int>> lists;
    std::vector<int> lineNumbers;

    // "" or the reason to refuse the line.
    std::string add(std::string_view line, int number, const char* what)
    {
        // Never more held than could still become lines of the largest board.
        const bool room = lists.size() + blanksHeld.size() < static_cast<std::size_t>(largestPuzzleSide);
        if (isBlank(line)) {
            if (room)
                blanksHeld.push_back(number);
            tooMany = tooMany || !room;
            return "";
        }
        std::vector<int> stored;
        if (std::string problem = readClueLine(line, stored); !problem.empty())
            return problem;
        if (tooMany || !room)
            return std::string("more than ") + std::to_string(largestPuzzleSide) + " " + what
                + "; the game takes at most " + std::to_string(largestPuzzleSide) + " a side";
        for (int blank : blanksHeld) {
            lists.push_back({0});
            lineNumbers.push_back(blank);
        }
        blanksHeld.clear();
        lists.push_back(std::move(stored));
        lineNumbers.push_back(number);
        return "";
    }

private:
    std::vector<int> blanksHeld;
    bool tooMany = false;
};

PuzzleFileReading readingOf(SectionLines& rows, SectionLines& columns)
{
    PuzzleFileReading reading;
    reading.read = true;
    reading.puzzle.clues.rowClues = std::move(rows.lists);
    reading.puzzle.clues.columnClues = std::move(columns.lists);
    SourceLines where;
    where.rows = std::move(rows.lineNumbers);
    where.columns = std::move(columns.lineNumbers);
    checkPuzzle(reading, where);
    return reading;
}

bool isComment(std::string_view line)
{
    return !line.empty() && line.front() == '#';
}

enum class Direction { Unnamed, Rows, Columns };

Direction namedIn(std::string_view sectionLine)
{
    const std::string name = lowerCase(trimmed(sectionLine.substr(1)));
    if (name.rfind("row", 0) == 0)
        return Direction::Rows;
    if (name.rfind("col", 0) == 0)
        return Direction::Columns;
    return Direction::Unnamed;
}

} // namespace

PuzzleFileReading readG(const std::string& text)
{
    SectionLines sections[2];
    Direction names[2] = {Direction::Unnamed, Direction::Unnamed};
    int sectionCount = 0;
    TextLines lines(text);
    while (lines.next()) {
        const std::string_view line = trimmed(lines.line());
        if (isComment(line))
            continue;
        if (!line.empty() && line.front() == ':') {
            if (sectionCount == 2)
                return refusal(atLine(lines.number(), "a third section; the file should hold only rows and columns"));
            names[sectionCount++] = namedIn(line);
            continue;
        }
        // Whatever comes before the first section is a heading of some kind.
        if (sectionCount == 0)
            continue;
        const Direction direction = names[sectionCount - 1];
        const bool rows = direction == Direction::Rows || (direction == Direction::Unnamed && sectionCount == 1);
        if (const std::string problem = sections[sectionCount - 1].add(line, lines.number(), rows ? "rows" : "columns");
            !problem.empty())
            return refusal(atLine(lines.number(), problem));
    }
    if (sectionCount < 2)
        return refusal(sectionCount == 0 ? "no section of clues (a line starting with ':')"
                                         : "only one section of clues; the file should hold rows and columns");
    if (names[0] != Direction::Unnamed && names[0] == names[1])
        return refusal(names[0] == Direction::Rows ? "both sections are rows" : "both sections are columns");
    const bool firstIsRows = names[0] == Direction::Rows || names[1] == Direction::Columns
        || (names[0] == Direction::Unnamed && names[1] == Direction::Unnamed);
    return firstIsRows ? readingOf(sections[0], sections[1]) : readingOf(sections[1], sections[0]);
}

PuzzleFileReading readMk(const std::string& text)
{
    TextLines lines(text);
    int sizeLine = 0;
    CountText first, second;
    while (sizeLine == 0 && lines.next()) {
        const std::string_view line = trimmed(lines.line());
        if (line.empty() || isComment(line))
            continue;
        sizeLine = lines.number();
        std::string_view rest = line;
        const bool read = readCount(rest, first) && !rest.empty() && (rest = trimmed(rest), readCount(rest, second))
            && rest.empty();
        if (!read)
            return refusal(atLine(sizeLine, "the first line should give the puzzle's size, as \"15 20\""));
    }
    if (sizeLine == 0)
        return refusal("the file holds no puzzle");
    // Either number may be the width, so both must be a side the game takes.
    for (const CountText* side : {&first, &second})
        if (const std::string problem = sideProblem(*side, side == &second); !problem.empty())
            return refusal(atLine(sizeLine, problem));

    SectionLines sections[2];
    int section = 0;
    while (lines.next()) {
        const std::string_view line = trimmed(lines.line());
        if (line == "#") {
            // A further divider ends the clues: whatever follows is not part of this puzzle.
            if (++section == 2)
                break;
            continue;
        }
        if (isComment(line))
            continue;
        if (const std::string problem = sections[section].add(line, lines.number(), section == 0 ? "rows" : "columns");
            !problem.empty())
            return refusal(atLine(lines.number(), problem));
    }
    if (section == 0)
        return refusal("no line \"#\" between the row clues and the column clues");
    // The rows come first; the size line only has to agree with the sections, read as rows
    // and columns or as columns and rows.
    const int rows = static_cast<int>(sections[0].lists.size());
    const int columns = static_cast<int>(sections[1].lists.size());
    const bool agrees
        = (rows == first.value && columns == second.value) || (rows == second.value && columns == first.value);
    if (!agrees)
        return refusal(atLine(sizeLine,
            "the size line gives " + first.shown() + " and " + second.shown() + ", but the file has "
                + std::to_string(rows) + " clue lines before the \"#\" and " + std::to_string(columns) + " after it"));
    return readingOf(sections[0], sections[1]);
}
