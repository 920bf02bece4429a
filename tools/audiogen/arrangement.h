// SPDX-License-Identifier: GPL-3.0-or-later
// A piece being assembled: notes are rendered by the composition code and
// placed here on a beat grid, onto a dry bus plus reverb and echo sends.
#pragma once

#include "buffer.h"
#include "space.h"

namespace audiogen {

struct Sends {
    double reverb = 0.0;
    double echo = 0.0;
};

class Arrangement {
public:
    Arrangement(double bpm, int beatsPerBar);

    double secondsPerBeat() const { return 60.0 / bpm_; }
    double bar(double barIndex) const { return barIndex * beatsPerBar_; } // first beat of a bar

    // nudgeSeconds shifts the onset off the grid (humanising, strums).
    void place(const Mono& sound, double beat, double gain, double pan, const Sends& sends, double nudgeSeconds = 0.0);

    Stereo mixdown(const ReverbSettings& room, const EchoSettings& echo) const;

private:
    double bpm_;
    int beatsPerBar_;
    Stereo dry_;
    Stereo reverbBus_;
    Stereo echoBus_;
};

struct MasterSettings {
    double loudnessDb = -20.0; // target of loudness(), see buffer.h
    double ceilingDb = -2.0; // leaves room for the Ogg encoder's overshoot
    double fadeInSeconds = 1.0;
    double fadeOutSeconds = 4.0;
    double highCutHz = 7000.0; // keeps the top end soft
};

// Final polish shared by every track: tame highs, remove offset, match
// loudness, catch peaks, fade both ends to silence.
void master(Stereo& mix, const MasterSettings& settings);

} // namespace audiogen
