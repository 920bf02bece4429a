// SPDX-License-Identifier: GPL-3.0-or-later
#include "NonFormat.h"

#include "CellState.h"
#include "ClueText.h"
#include "Entities.h"
#include "PuzzleChecks.h"
#include "TextLines.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A line of four or more '=' divides the puzzles of a pack.
bool isDivider(std::string_view line)
{
    return line.size() >= 4 && line.find_first_not_of('=') == std::string_view::npos;
}

// A value as the file writes it: between the first quote and the last (so an unescaped
// quote inside survives), or bare; entities decoded either way.
std::string textValue(std::string_view value)
{
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
        const std::size_t closing = value.rfind('"');
        if (closing != std::string_view::npos)
            value = value.substr(0, closing);
    }
    return decodeHtmlEntities(value);
}

bool continuesBareGoal(std::string_view line)
{
    return !line.empty() && !isLetter(line.front()) && line.front() != '#' && !isDivider(line);
}

enum class Section { None, Rows, Columns };

class NonReader {
public:
    PuzzleFileReading read(const std::string& text);

private:
    // Each returns "" or the reason to refuse, for the current line.
    std::string takeKey(std::string_view line);
    std::string takeSize(std::string_view value, bool wide);
    std::string takeClue(std::string_view line);
    std::string startGoal(std::string_view value);
    // A cell shown decided at the start: "given COLUMN,ROW", counted from 1.
    std::string takeGiven(std::string_view value);
    // Adds a goal line's cells; false once the goal is complete.
    bool addGoalCells(std::string_view cells);
    std::string finishGoal();

    TextLines* lines = nullptr;
    PuzzleFileReading reading;
    SourceLines where;
    CountText width, height;
    Section section = Section::None;
    int remaining = 0;
    // The section whose last line was read, until the next key: a clue line then is one too many.
    Section justEnded = Section::None;
    bool rowsSeen = false, columnsSeen = false, goalSeen = false, anythingSeen = false;
    enum class Goal { None, Quoted, Bare } goal = Goal::None;
    int goalLine = 0;
    std::string goalCells;
};

PuzzleFileReading NonReader::read(const std::string& text)
{
    TextLines fileLines(text);
    lines = &fileLines;
    reading.read = true;
    while (fileLines.next()) {
        const std::string_view line = trimmed(fileLines.line());
        if (goal == Goal::Quoted) {
            const std::size_t closing = line.find('"');
            if (addGoalCells(line.substr(0, closing)) && closing == std::string_view::npos)
                continue;
            if (const std::string problem = finishGoal(); !problem.empty())
                return refusal(problem);
            continue;
        }
        if (goal == Goal::Bare) {
            // A bare goal goes on over the lines that follow until it has every cell.
            if (continuesBareGoal(line)) {
                if (addGoalCells(line))
                    continue;
                if (const std::string problem = finishGoal(); !problem.empty())
                    return refusal(problem);
                continue;
            }
            if (const std::string problem = finishGoal(); !problem.empty())
                return refusal(problem);
        }
        if (!line.empty() && line.front() == '#')
            continue;
        if (section != Section::None) {
            // A key or a divider cuts the section short; the checks then count the lines.
            if (line.empty() || !(isLetter(line.front()) || isDivider(line))) {
                if (const std::string problem = takeClue(line); !problem.empty())
                    return refusal(atLine(fileLines.number(), problem));
                continue;
            }
            section = Section::None;
        }
        if (line.empty())
            continue;
        if (isDivider(line)) {
            if (anythingSeen)
                break;
            continue;
        }
        anythingSeen = true;
        if (const std::string problem = takeKey(line); !problem.empty())
            return refusal(atLine(fileLines.number(), problem));
    }
    if (goal != Goal::None)
        if (const std::string problem = finishGoal(); !problem.empty())
            return refusal(problem);
    if (width.digits.empty() || height.digits.empty())
        return refusal(std::string("the file does not say how ") + (width.digits.empty() ? "wide" : "high")
            + " the puzzle is (a \"" + (width.digits.empty() ? "width" : "height") + "\" line)");
    where.width = width.value;
    where.height = height.value;
    checkPuzzle(reading, where);
    return reading;
}

std::string NonReader::takeKey(std::string_view line)
{
    if (!isLetter(line.front())) {
        if (justEnded != Section::None)
            return justEnded == Section::Rows
                ? "more row clues than the " + height.shown() + " rows the puzzle's height gives"
                : "more column clues than the " + width.shown() + " columns the puzzle's width gives";
        return "a clue line outside the rows and columns";
    }
    justEnded = Section::None;
    std::size_t keyEnd = 0;
    while (keyEnd < line.size() && line[keyEnd] != ' ' && line[keyEnd] != '\t')
        ++keyEnd;
    const std::string key = lowerCase(line.substr(0, keyEnd));
    const std::string_view value = trimmed(line.substr(keyEnd));
    PuzzleFile& puzzle = reading.puzzle;
    if (key == "width" || key == "height")
        return takeSize(value, key == "width");
    if (key == "rows" || key == "columns") {
        const bool rows = key == "rows";
        const CountText& length = rows ? height : width;
        if (length.digits.empty())
            return std::string("the ") + key + " come before the puzzle's " + (rows ? "height" : "width");
        bool& seen = rows ? rowsSeen : columnsSeen;
        if (seen)
            return "a second section of " + key;
        seen = true;
        section = rows ? Section::Rows : Section::Columns;
        remaining = length.value;
        return "";
    }
    if (key == "goal")
        return startGoal(value);
    if (key == "title")
        puzzle.title = textValue(value);
    else if (key == "by")
        puzzle.author = textValue(value);
    else if (key == "copyright")
        puzzle.copyright = textValue(value);
    else if (key == "license" || key == "licence")
        puzzle.licence = textValue(value);
    else if (key == "color" || key == "colour")
        return colourRefusal;
    else if (key == "given")
        return takeGiven(value);
    // Anything else (catalogue, maxrule, keys of later writers) says nothing about the board.
    return "";
}

std::string NonReader::takeGiven(std::string_view value)
{
    std::string_view rest = value;
    CountText column;
    CountText row;
    const bool read = readCount(rest, column) && !rest.empty() && rest.front() == ',' && (rest.remove_prefix(1), true)
        && readCount(rest, row) && rest.empty();
    if (!read || (!column.tooLarge && column.value < 1) || (!row.tooLarge && row.value < 1))
        return "a given cell should be its column and row counted from 1, as \"given 3,2\", not \"" + excerpt(value)
            + "\"";
    // A number too large for any board is kept as one past the largest, for the checks to
    // refuse as off the board.
    const auto index = [](const CountText& count) { return (count.tooLarge ? largestPuzzleSide + 1 : count.value) - 1; };
    reading.puzzle.givens.emplace_back(index(column), index(row));
    return "";
}

std::string NonReader::takeSize(std::string_view value, bool wide)
{
    CountText& size = wide ? width : height;
    const char* const name = wide ? "width" : "height";
    if (!size.digits.empty())
        return std::string("a second ") + name;
    std::string_view rest = value;
    CountText read;
    if (!readCount(rest, read) || !rest.empty())
        return std::string("the ") + name + " should be a number, not \"" + excerpt(value) + "\"";
    if (const std::string problem = sideProblem(read, wide); !problem.empty())
        return problem;
    size = read;
    return "";
}

std::string NonReader::takeClue(std::string_view line)
{
    std::vector<int> stored;
    if (std::string problem = readClueLine(line, stored); !problem.empty())
        return problem;
    const bool rows = section == Section::Rows;
    (rows ? reading.puzzle.clues.rowClues : reading.puzzle.clues.columnClues).push_back(std::move(stored));
    (rows ? where.rows : where.columns).push_back(lines->number());
    if (--remaining == 0) {
        justEnded = section;
        section = Section::None;
    }
    return "";
}

std::string NonReader::startGoal(std::string_view value)
{
    if (width.digits.empty() || height.digits.empty())
        return "the goal comes before the puzzle's width and height";
    if (goalSeen)
        return "a second goal";
    goalSeen = true;
    goalLine = lines->number();
    goalCells.reserve(static_cast<std::size_t>(width.value) * static_cast<std::size_t>(height.value) + 1);
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
        const std::size_t closing = value.find('"');
        goal = Goal::Quoted;
        if (addGoalCells(value.substr(0, closing)) && closing == std::string_view::npos)
            return "";
        return finishGoal();
    }
    goal = Goal::Bare;
    if (addGoalCells(value))
        return "";
    return finishGoal();
}

bool NonReader::addGoalCells(std::string_view cells)
{
    const std::size_t wanted = static_cast<std::size_t>(width.value) * static_cast<std::size_t>(height.value);
    for (char cell : cells) {
        if (cell == ' ' || cell == '\t')
            continue;
        // One beyond the board is enough to tell the goal is too long.
        if (goalCells.size() > wanted)
            return false;
        goalCells += cell;
    }
    return goal == Goal::Quoted || goalCells.size() < wanted;
}

std::string NonReader::finishGoal()
{
    goal = Goal::None;
    const std::size_t wanted = static_cast<std::size_t>(width.value) * static_cast<std::size_t>(height.value);
    if (goalCells.size() != wanted)
        return atLine(goalLine,
            "the goal has " + std::string(goalCells.size() > wanted ? "more than " : "")
                + std::to_string(std::min(goalCells.size(), wanted)) + " cells, but a " + width.shown() + "x"
                + height.shown() + " puzzle has " + std::to_string(wanted));
    PuzzleGrid& grid = reading.puzzle.goal;
    grid.resize(width.value, height.value);
    for (std::size_t i = 0; i < wanted; ++i)
        grid.cells[i % static_cast<std::size_t>(width.value)][i / static_cast<std::size_t>(width.value)]
            = goalCells[i] == '0' ? Crossed : Filled;
    return "";
}

// A licence code such as "CC-BY-3.0" may stand bare; anything else is quoted.
bool isLicenceCode(const std::string& licence)
{
    if (licence.empty())
        return false;
    for (char c : licence)
        if (!(isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '+'))
            return false;
    return true;
}

std::string quoted(const std::string& text)
{
    std::string written = "\"";
    for (char c : text) {
        switch (c) {
        case '&': written += "&amp;"; break;
        case '"': written += "&quot;"; break;
        case '\n': written += "&#10;"; break;
        case '\r': written += "&#13;"; break;
        default: written += c;
        }
    }
    return written + "\"";
}

void writeLists(std::string& text, const char* key, const std::vector<std::vector<int>>& lists)
{
    text += std::string("\n") + key + "\n";
    for (const auto& list : lists) {
        std::string line;
        for (auto number = list.rbegin(); number != list.rend(); ++number)
            if (*number != 0)
                line += (line.empty() ? "" : ",") + std::to_string(std::abs(*number));
        text += (line.empty() ? "0" : line) + "\n";
    }
}

} // namespace

PuzzleFileReading readNon(const std::string& text)
{
    return NonReader().read(text);
}

std::string writeNon(const PuzzleFile& puzzle)
{
    std::string text;
    const std::pair<const char*, const std::string*> texts[]
        = {{"title", &puzzle.title}, {"by", &puzzle.author}, {"copyright", &puzzle.copyright}};
    for (const auto& [key, value] : texts)
        if (!value->empty())
            text += std::string(key) + " " + quoted(*value) + "\n";
    if (!puzzle.licence.empty())
        text += "license " + (isLicenceCode(puzzle.licence) ? puzzle.licence : quoted(puzzle.licence)) + "\n";
    text += "width " + std::to_string(puzzle.clues.columnClues.size()) + "\n";
    text += "height " + std::to_string(puzzle.clues.rowClues.size()) + "\n";
    writeLists(text, "rows", puzzle.clues.rowClues);
    writeLists(text, "columns", puzzle.clues.columnClues);
    const PuzzleGrid& goal = puzzle.goal;
    if (goal.width > 0 && goal.height > 0) {
        text += "\ngoal \"";
        for (int y = 0; y < goal.height; ++y)
            for (int x = 0; x < goal.width; ++x)
                text += goal.cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] == Filled ? '1' : '0';
        text += "\"\n";
        for (const auto& [x, y] : puzzle.givens)
            text += "given " + std::to_string(x + 1) + "," + std::to_string(y + 1) + "\n";
    }
    return text;
}
