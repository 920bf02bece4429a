// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleText.h"

#include "ClueSet.h"
#include "PuzzleGrid.h"
#include "TechniqueNames.h"

#include <sstream>

namespace PuzzleText {

std::string cells(const std::vector<int>& line)
{
    static const char symbols[] = "?#.ox";
    std::string text;
    for (int code : line)
        text += code >= 0 && code <= 4 ? symbols[code] : '!';
    return text;
}

std::string board(const PuzzleGrid& grid)
{
    std::string text;
    for (int y = 0; y < grid.height; ++y)
        text += cells(grid.row(y)) + '\n';
    return text;
}

std::string clueLine(const char* label, const std::vector<std::vector<int>>& lists)
{
    std::string text = std::string(label) + ":";
    for (size_t i = 0; i < lists.size(); ++i)
        text += (i ? ", " : " ") + clueText(lists[i]);
    return text;
}

std::string clueLines(const ClueSet& clues)
{
    return clueLine("columns", clues.columnClues) + '\n' + clueLine("rows", clues.rowClues) + '\n';
}

namespace {

    bool parseLists(const std::string& text, std::vector<std::vector<int>>& lists, std::string& error)
    {
        lists.clear();
        std::stringstream groups(text);
        std::string group;
        while (std::getline(groups, group, ',')) {
            std::stringstream numbers(group);
            std::vector<int> readingOrder;
            int value;
            while (numbers >> value) {
                if (value < 0) {
                    error = "negative run length in \"" + group + "\"";
                    return false;
                }
                readingOrder.push_back(value);
            }
            if (!numbers.eof() || readingOrder.empty()) {
                error = "cannot read the list \"" + group + "\"";
                return false;
            }
            lists.emplace_back(readingOrder.rbegin(), readingOrder.rend());
        }
        if (lists.empty()) {
            error = "no clue lists";
            return false;
        }
        return true;
    }

} // namespace

bool readClues(std::istream& in, ClueSet& clues, std::string& error)
{
    bool haveColumns = false;
    bool haveRows = false;
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string label = line.substr(0, colon);
        const std::string lists = line.substr(colon + 1);
        if (label == "columns")
            haveColumns = parseLists(lists, clues.columnClues, error);
        else if (label == "rows")
            haveRows = parseLists(lists, clues.rowClues, error);
        else
            continue;
        if (!error.empty())
            return false;
    }
    if (!haveColumns || !haveRows) {
        error = "need a \"columns:\" and a \"rows:\" line";
        return false;
    }
    return true;
}

} // namespace PuzzleText
