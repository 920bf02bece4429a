// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameMode.h"

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
