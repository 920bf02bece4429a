// SPDX-License-Identifier: GPL-3.0-or-later
#include "TechniqueNames.h"

#include "CellState.h"
#include "TechniqueTable.h"

#include <cstdlib>

const char* techniqueName(int technique)
{
    const Technique* entry = findTechnique(technique);
    return entry ? entry->name : "";
}

std::string clueText(const std::vector<int>& stored)
{
    std::string text;
    for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(std::abs(*it));
    }
    return text;
}

std::string lineName(bool isRow, int index, const std::vector<int>& storedClue)
{
    return (isRow ? "Row " : "Column ") + std::to_string(index + 1) + ", clue " + clueText(storedClue);
}

std::string deductionName(int technique, bool isRow, int index, const std::vector<int>& storedClue)
{
    return lineName(isRow, index, storedClue) + ": " + techniqueName(technique);
}

std::string whatIfText(int x, int y, int broken, bool brokenIsRow, int brokenLine, const std::vector<int>& brokenClue)
{
    const std::string cell = "column " + std::to_string(x + 1) + ", row " + std::to_string(y + 1);
    if (broken != Filled && broken != Crossed)
        return "Whether " + cell + " is filled or empty, the same cells follow.";
    const std::string line = (brokenIsRow ? "row " : "column ") + std::to_string(brokenLine + 1);
    return "If " + cell + " were " + (broken == Filled ? "filled" : "empty") + ", " + line + " could not hold its clue "
        + clueText(brokenClue) + ": so it is " + (broken == Filled ? "empty." : "filled.");
}
