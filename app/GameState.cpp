#include "GameState.h"

#include <iterator>

namespace {
const char* const modeNames[] = {"Beginner", "Normal", "Expert"};
}

QString modeName(int mode)
{
    return mode >= Beginner && mode <= Expert ? QString(modeNames[mode - Beginner]) : QString();
}

int modeFromName(const QString& name)
{
    for (int mode = Beginner; mode <= Expert; ++mode)
        if (name == modeNames[mode - Beginner])
            return mode;
    return 0;
}

int sizeIndexFromLabel(const QString& label)
{
    for (int i = 0; i < static_cast<int>(std::size(puzzleSizes)); ++i)
        if (label == puzzleSizes[i].label)
            return i;
    return -1;
}

int sizeIndexOf(int columns, int rows)
{
    int index = 0;
    while (puzzleSizes[index].columns != columns || puzzleSizes[index].rows != rows)
        ++index;
    return index;
}
