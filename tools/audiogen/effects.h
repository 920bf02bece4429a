// SPDX-License-Identifier: GPL-3.0-or-later
// The four in-game effects. Their levels are set against each other here:
// drawing is heard hundreds of times per puzzle and stays quietest.
#pragma once

#include "buffer.h"

namespace audiogen {

Mono drawEffect(); // a cell filled or crossed
Mono eraseEffect(); // a cell cleared
Mono mistakeEffect(); // a wrong move
Stereo winEffect(); // the puzzle is solved

} // namespace audiogen
