// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebpbnXml.h"

#include "CellState.h"
#include "ClueText.h"
#include "PuzzleChecks.h"
#include "TextLines.h"
#include "XmlTokens.h"

#include <algorithm>

namespace {

using Kind = XmlTokens::Kind;

const char* const notAPuzzle = "this is not a puzzle file the game can read: ";
// A puzzle in black and white still names its two colours; only further ones make it a
// colour puzzle.
const char* const backgroundColour = "white";

class WebpbnReader {
public:
    explicit WebpbnReader(const std::string& text)
        : tokens(text)
    {
    }
    PuzzleFileReading read();

private:
    // Each returns false once the reading has failed, with the reason in problem.
    bool next();
    // The next token inside an element, where the text cannot end.
    bool nextInside();
    bool refuse(int line, const std::string& reason);
    bool skipElement();
    bool collectText(std::string& text, int& line);
    bool readPuzzle();
    bool readColour();
    bool readClues();
    bool readLine(std::vector<int>& stored);
    bool readSolution();
    bool takeImage(const std::string& image, int line);

    XmlTokens tokens;
    XmlTokens::Token token;
    std::string problem;
    PuzzleFileReading reading;
    SourceLines where;
    std::string runColour = "black";
    char filledMark = 'X';
    char emptyMark = '.';
    bool columnsSeen = false, rowsSeen = false, goalSeen = false;
    std::string image;
    int imageLine = 0;
};

bool WebpbnReader::next()
{
    if (tokens.next(token) == Kind::Failed)
        return refuse(0, tokens.error());
    return true;
}

bool WebpbnReader::nextInside()
{
    if (!next())
        return false;
    // The tokens never end while an element is open; should they, no loop may wait on them.
    if (token.kind == Kind::Finished)
        return refuse(0, "the file ends inside an element");
    return true;
}

bool WebpbnReader::refuse(int line, const std::string& reason)
{
    if (problem.empty())
        problem = atLine(line, reason);
    return false;
}

bool WebpbnReader::skipElement()
{
    std::string ignored;
    int line = 0;
    return collectText(ignored, line);
}

// The text of the element just started, with that of any inside it.
bool WebpbnReader::collectText(std::string& text, int& line)
{
    text.clear();
    line = 0;
    for (int depth = 1; depth > 0;) {
        if (!nextInside())
            return false;
        if (token.kind == Kind::Start)
            ++depth;
        else if (token.kind == Kind::End)
            --depth;
        else if (token.kind == Kind::Text) {
            if (line == 0)
                line = token.line;
            text += token.text;
        }
    }
    return true;
}

PuzzleFileReading WebpbnReader::read()
{
    if (!next())
        return refusal(problem);
    if (token.kind != Kind::Start || token.name != "puzzleset")
        return refusal(std::string(notAPuzzle) + "its XML holds <" + excerpt(token.name) + ">, not a <puzzleset>");
    while (next()) {
        if (token.kind == Kind::End || token.kind == Kind::Finished)
            return refusal("the puzzle set holds no puzzle");
        if (token.kind != Kind::Start)
            continue;
        if (token.name == "puzzle") {
            if (!readPuzzle())
                return refusal(problem);
            checkPuzzle(reading, where);
            return reading;
        }
        if (!skipElement())
            break;
    }
    return refusal(problem);
}

bool WebpbnReader::readPuzzle()
{
    const int puzzleLine = token.line;
    if (const std::string* type = token.attribute("type"); type && *type != "grid")
        return refuse(
            puzzleLine, std::string(notAPuzzle) + "its puzzle is a \"" + excerpt(*type) + "\", not a grid of squares");
    if (const std::string* colour = token.attribute("defaultcolor"))
        runColour = lowerCase(*colour);
    PuzzleFile& puzzle = reading.puzzle;
    while (nextInside()) {
        if (token.kind == Kind::End)
            break;
        if (token.kind != Kind::Start)
            continue;
        int line = 0;
        if (token.name == "title" || token.name == "author" || token.name == "copyright") {
            std::string& field = token.name == "title" ? puzzle.title
                : token.name == "author"               ? puzzle.author
                                                       : puzzle.copyright;
            if (!collectText(field, line))
                return false;
            field = std::string(trimmed(field));
        } else if (token.name == "color") {
            if (!readColour())
                return false;
        } else if (token.name == "clues") {
            if (!readClues())
                return false;
        } else if (token.name == "solution") {
            const std::string* type = token.attribute("type");
            if ((type && *type != "goal") || goalSeen) {
                if (!skipElement())
                    return false;
            } else if (!readSolution()) {
                return false;
            }
        } else if (!skipElement()) {
            return false;
        }
    }
    if (!problem.empty())
        return false;
    if (!columnsSeen || !rowsSeen)
        return refuse(puzzleLine,
            std::string("the puzzle has no ") + (columnsSeen ? "row" : "column") + " clues (<clues type=\""
                + (columnsSeen ? "rows" : "columns") + "\">)");
    reading.read = true;
    return image.empty() || takeImage(image, imageLine);
}

bool WebpbnReader::readColour()
{
    const int line = token.line;
    const std::string* name = token.attribute("name");
    const std::string colour = name ? lowerCase(*name) : "";
    if (colour != backgroundColour && colour != runColour)
        return refuse(line, colourRefusal);
    if (const std::string* mark = token.attribute("char"); mark && mark->size() == 1)
        (colour == runColour ? filledMark : emptyMark) = mark->front();
    return skipElement();
}

bool WebpbnReader::readClues()
{
    const int line = token.line;
    const std::string* type = token.attribute("type");
    if (!type || (*type != "columns" && *type != "rows"))
        return refuse(line, "clues of type \"" + excerpt(type ? *type : "") + "\"; the game reads rows and columns");
    const bool rows = *type == "rows";
    bool& seen = rows ? rowsSeen : columnsSeen;
    if (seen)
        return refuse(line, std::string("a second set of ") + (rows ? "row" : "column") + " clues");
    seen = true;
    auto& lists = rows ? reading.puzzle.clues.rowClues : reading.puzzle.clues.columnClues;
    auto& lines = rows ? where.rows : where.columns;
    while (nextInside()) {
        if (token.kind == Kind::End)
            return true;
        if (token.kind == Kind::Text && !isBlank(token.text))
            return refuse(token.line, "text among the clue lines");
        if (token.kind != Kind::Start)
            continue;
        if (token.name != "line")
            return refuse(token.line, "<" + excerpt(token.name) + "> among the clue lines");
        if (lists.size() == static_cast<std::size_t>(largestPuzzleSide))
            return refuse(token.line,
                std::string("more than ") + std::to_string(largestPuzzleSide) + " " + (rows ? "rows" : "columns")
                    + "; the game takes at most " + std::to_string(largestPuzzleSide) + " a side");
        lines.push_back(token.line);
        std::vector<int> stored;
        if (!readLine(stored))
            return false;
        lists.push_back(std::move(stored));
    }
    return false;
}

bool WebpbnReader::readLine(std::vector<int>& stored)
{
    stored.clear();
    while (nextInside()) {
        if (token.kind == Kind::End) {
            std::reverse(stored.begin(), stored.end());
            if (stored.empty())
                stored.push_back(0);
            return true;
        }
        if (token.kind == Kind::Text && !isBlank(token.text))
            return refuse(token.line, "text in a clue line outside its <count>s");
        if (token.kind != Kind::Start)
            continue;
        const int line = token.line;
        if (token.name != "count")
            return refuse(line, "<" + excerpt(token.name) + "> in a clue line");
        if (const std::string* colour = token.attribute("color"); colour && lowerCase(*colour) != runColour)
            return refuse(line, colourRefusal);
        std::string text;
        int textLine = 0;
        if (!collectText(text, textLine))
            return false;
        std::string_view digits = trimmed(text);
        CountText count;
        if (!readCount(digits, count) || !digits.empty())
            return refuse(line, "the count \"" + excerpt(trimmed(text)) + "\" is not a number");
        if (count.tooLarge)
            return refuse(line,
                "the count " + count.shown() + " is longer than any line the game takes ("
                    + std::to_string(largestPuzzleSide) + " cells)");
        if (count.value == 0)
            continue;
        if (stored.size() == static_cast<std::size_t>((largestPuzzleSide + 1) / 2))
            return refuse(line,
                "a clue line with more counts than a line of " + std::to_string(largestPuzzleSide) + " cells can hold");
        stored.push_back(count.value);
    }
    return false;
}

bool WebpbnReader::readSolution()
{
    goalSeen = true;
    while (nextInside()) {
        if (token.kind == Kind::End)
            return true;
        if (token.kind != Kind::Start)
            continue;
        if (token.name != "image") {
            if (!skipElement())
                return false;
            continue;
        }
        const int tagLine = token.line;
        if (!collectText(image, imageLine))
            return false;
        if (imageLine == 0)
            imageLine = tagLine;
    }
    return false;
}

bool WebpbnReader::takeImage(const std::string& picture, int line)
{
    std::vector<std::string_view> rows;
    std::vector<int> rowLines;
    TextLines lines(picture);
    while (lines.next()) {
        std::string_view row = trimmed(lines.line());
        const int rowLine = line + lines.number() - 1;
        if (row.empty())
            continue;
        if (row.front() == '|')
            row.remove_prefix(1);
        if (!row.empty() && row.back() == '|')
            row.remove_suffix(1);
        if (rows.size() == static_cast<std::size_t>(largestPuzzleSide)
            || row.size() > static_cast<std::size_t>(largestPuzzleSide))
            return refuse(rowLine,
                "the solution's picture is larger than the game takes (" + std::to_string(largestPuzzleSide)
                    + " cells a side)");
        if (!rows.empty() && row.size() != rows.front().size())
            return refuse(rowLine,
                "the solution's row " + std::to_string(rows.size() + 1) + " has " + std::to_string(row.size())
                    + " cells, but its first row has " + std::to_string(rows.front().size()));
        for (char cell : row)
            if (cell != 'X' && cell != '#' && cell != filledMark && cell != '.' && cell != emptyMark)
                return refuse(rowLine,
                    "the solution's picture holds '" + excerpt(std::string_view(&cell, 1))
                        + "', which is neither filled (X) nor empty (.)");
        rows.push_back(row);
        rowLines.push_back(rowLine);
    }
    if (rows.empty())
        return true;
    if (rows.front().empty())
        return refuse(line, "the solution's picture has no cells");
    PuzzleGrid& goal = reading.puzzle.goal;
    goal.resize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char cell = rows[y][x];
            goal.cells[x][y] = cell == '.' || cell == emptyMark ? Crossed : Filled;
        }
    return true;
}

} // namespace

PuzzleFileReading readWebpbnXml(const std::string& text)
{
    return WebpbnReader(text).read();
}
