// SPDX-License-Identifier: GPL-3.0-or-later
// Room and echo effects applied to send buses.
#pragma once

#include "buffer.h"

namespace audiogen {

struct ReverbSettings {
    double roomSize = 0.75; // 0..1, longer decay when larger
    double damping = 0.5; // 0..1, darker tail when larger
    double width = 1.0; // 0 mono .. 1 full stereo
    double preDelay = 0.02; // seconds
};

// Comb/all-pass network in the classic Schroeder-Moorer layout; returns only
// the wet signal, grown by the length of the tail.
Stereo reverb(const Stereo& send, const ReverbSettings& settings);

struct EchoSettings {
    double delaySeconds = 0.4;
    double feedback = 0.35;
    double toneHz = 2500.0; // each repeat is darker than the one before
    bool pingPong = true;
};

Stereo echo(const Stereo& send, const EchoSettings& settings);

} // namespace audiogen
