// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWords.h"

#include "CellState.h"
#include "DifficultyBands.h"
#include "GameMode.h"
#include "TechniqueNames.h"
#include "TechniqueTable.h"

#include <QCoreApplication>

namespace GameWords {
namespace {

    const char* const modes[] = {QT_TRANSLATE_NOOP("GameWords", "Beginner"), QT_TRANSLATE_NOOP("GameWords", "Normal"),
        QT_TRANSLATE_NOOP("GameWords", "Expert")};

} // namespace

QString mode(int mode)
{
    return mode >= Beginner && mode <= Expert ? QCoreApplication::translate("GameWords", modes[mode - Beginner])
                                              : QString();
}

QString technique(int technique)
{
    // The table marks its names for translation in this context.
    const Technique* entry = findTechnique(technique);
    return entry ? QCoreApplication::translate("GameWords", entry->name) : QString();
}

QString difficulty(int band)
{
    // The table marks its names for translation in this context; no band is "Any".
    return band >= 0 && band < difficultyBandCount
        ? QCoreApplication::translate("GameWords", difficultyBands()[band].name)
        : QCoreApplication::translate("GameWords", "Any");
}

QString hardestTechnique(int technique)
{
    return QCoreApplication::translate("GameWords", "Hardest technique: %1").arg(GameWords::technique(technique));
}

QString line(bool isRow, int index, const std::vector<int>& storedClue)
{
    const QString clue = QString::fromStdString(clueText(storedClue));
    return isRow ? QCoreApplication::translate("GameWords", "Row %1, clue %2").arg(index + 1).arg(clue)
                 : QCoreApplication::translate("GameWords", "Column %1, clue %2").arg(index + 1).arg(clue);
}

QString deduction(int technique, bool isRow, int index, const std::vector<int>& storedClue)
{
    //: A line and the technique that found cells on it: "Column 4, clue 6 1: Boxes".
    return QCoreApplication::translate("GameWords", "%1: %2")
        .arg(line(isRow, index, storedClue), GameWords::technique(technique));
}

QString whatIf(int x, int y, int broken)
{
    if (broken == Filled)
        return QCoreApplication::translate("GameWords",
            "If the cell in column %1, row %2 were filled, this line could not hold its clue: so it is empty.")
            .arg(x + 1)
            .arg(y + 1);
    if (broken == Crossed)
        return QCoreApplication::translate("GameWords",
            "If the cell in column %1, row %2 were empty, this line could not hold its clue: so it is filled.")
            .arg(x + 1)
            .arg(y + 1);
    return QCoreApplication::translate(
        "GameWords", "Whether the cell in column %1, row %2 is filled or empty, these cells follow either way.")
        .arg(x + 1)
        .arg(y + 1);
}

} // namespace GameWords
