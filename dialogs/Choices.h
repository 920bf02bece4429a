// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameMode.h"
#include "GameWords.h"
#include "PuzzleSizes.h"

#include <QComboBox>

// The size and mode boxes of the win screen and the high-score dialog. Their indexes are the
// menu order of sizes and modes, which the callers translate to and from the main window's.
inline void addChoices(QComboBox* sizeBox, QComboBox* modeBox)
{
    for (const PuzzleSize& size : puzzleSizes)
        sizeBox->addItem(size.label);
    for (int mode = Beginner; mode <= Expert; ++mode)
        modeBox->addItem(GameWords::mode(mode));
}
