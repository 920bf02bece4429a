// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleSizes.h"

int sizeIndexOf(int columns, int rows)
{
    for (int index = 0; index < puzzleSizeCount; ++index)
        if (puzzleSizes[index].columns == columns && puzzleSizes[index].rows == rows)
            return index;
    return -1;
}

int sizeIndexOf(const std::string& label)
{
    for (int index = 0; index < puzzleSizeCount; ++index)
        if (label == puzzleSizes[index].label)
            return index;
    return -1;
}

const char* modeName(int mode)
{
    return mode >= Beginner && mode <= Expert ? modeNames[mode - Beginner] : "";
}

int modeFromName(const std::string& name)
{
    for (int mode = Beginner; mode <= Expert; ++mode)
        if (name == modeNames[mode - Beginner])
            return mode;
    return 0;
}
