// SPDX-License-Identifier: GPL-3.0-or-later
// The three background pieces, each rendered complete and mastered.
#pragma once

#include "buffer.h"

namespace audiogen {

Stereo babylonTrack(); // warm, modal: plucked strings, ney and hand drums
Stereo chillTrack(); // downtempo: electric piano, soft kit, mellow lead
Stereo hypnothisTrack(); // slowly opening sequenced pulses over a drone

} // namespace audiogen
