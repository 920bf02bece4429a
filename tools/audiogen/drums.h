// SPDX-License-Identifier: GPL-3.0-or-later
// Percussion. Every drum here is the same voice: a pitched membrane with an
// optional overtone, plus a band of filtered noise. The presets differ only
// in their numbers.
#pragma once

#include "dsp.h"

namespace audiogen {

struct PercTone {
    double bodyHz = 0.0; // 0 disables the pitched part
    double bodySweep = 0.0; // extra pitch at the onset, as a multiple of bodyHz
    double sweepSeconds = 0.03;
    double bodyDecay = 0.2;
    double bodyLevel = 1.0;
    double overtoneRatio = 1.5;
    double overtoneLevel = 0.0;
    double overtoneDecay = 0.1;
    double noiseLevel = 0.0;
    double noiseLowHz = 100.0; // band of the noise part
    double noiseHighHz = 8000.0;
    double noiseDecay = 0.05;
    double attack = 0.001;
    double drive = 1.0; // gentle saturation, rounds off the transient
};

Mono percussion(const PercTone& tone, double velocity, Rng& rng);

namespace kit {
    extern const PercTone softKick; // round, short, lo-fi
    extern const PercTone pulseKick; // a touch deeper and longer
    extern const PercTone brushSnare;
    extern const PercTone closedHat;
    extern const PercTone openHat;
    extern const PercTone shaker;
    extern const PercTone handDrumLow; // deep open stroke in the middle of the skin
    extern const PercTone handDrumHigh; // dry stroke at the rim
    extern const PercTone fingerSnap; // light rim tap between the strokes
} // namespace kit

} // namespace audiogen
