// SPDX-License-Identifier: GPL-3.0-or-later
#include "TechniqueNames.h"

#include <cstdlib>

const char* techniqueName(int technique)
{
    static const char* const names[] = {"", "Boxes", "Complete", "Mercury", "Glue", "Punctuate", "Gap", "Fill"};
    return technique >= 1 && technique <= 7 ? names[technique] : names[0];
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
