// SPDX-License-Identifier: GPL-3.0-or-later
#include "drums.h"

#include "buffer.h"

#include <algorithm>
#include <cmath>

namespace audiogen {

Mono percussion(const PercTone& tone, double velocity, Rng& rng)
{
    const double longest = std::max({tone.bodyHz > 0.0 ? tone.bodyDecay : 0.0,
        tone.overtoneLevel > 0.0 ? tone.overtoneDecay : 0.0, tone.noiseLevel > 0.0 ? tone.noiseDecay : 0.0});
    Mono out(secondsToSamples(tone.attack + 7.0 * longest));
    Svf lowCut, highCut;
    lowCut.set(tone.noiseLowHz, 0.7);
    highCut.set(tone.noiseHighHz, 0.7);
    double bodyPhase = 0.0, overtonePhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        double y = 0.0;
        if (tone.bodyHz > 0.0) {
            const double f = tone.bodyHz * (1.0 + tone.bodySweep * std::exp(-t / tone.sweepSeconds));
            bodyPhase += f / kSampleRate;
            overtonePhase += f * tone.overtoneRatio / kSampleRate;
            y += tone.bodyLevel * std::sin(2.0 * kPi * bodyPhase) * std::exp(-t / tone.bodyDecay);
            y += tone.overtoneLevel * std::sin(2.0 * kPi * overtonePhase) * std::exp(-t / tone.overtoneDecay);
        }
        const double noise = highCut.low(lowCut.high(rng.bipolar()));
        y += tone.noiseLevel * noise * std::exp(-t / tone.noiseDecay);
        const double onset = t < tone.attack ? 0.5 - 0.5 * std::cos(kPi * t / tone.attack) : 1.0;
        y = std::tanh(tone.drive * y) / tone.drive;
        out[i] = float(0.6 * velocity * onset * y);
    }
    fadeEdges(out, 0.0005, 0.01);
    return out;
}

namespace kit {

    // Fields: body Hz, sweep, sweep s, body decay, body level, overtone ratio,
    // overtone level, overtone decay, noise level, noise low, noise high,
    // noise decay, attack, drive.
    const PercTone softKick {52.0, 1.6, 0.025, 0.16, 1.0, 1.5, 0.0, 0.1, 0.08, 200.0, 2500.0, 0.006, 0.001, 1.5};
    const PercTone pulseKick {48.0, 2.0, 0.03, 0.22, 1.0, 1.5, 0.0, 0.1, 0.06, 200.0, 2000.0, 0.005, 0.001, 1.8};
    const PercTone brushSnare {190.0, 0.3, 0.02, 0.05, 0.35, 1.6, 0.15, 0.03, 0.9, 900.0, 5000.0, 0.09, 0.003, 1.0};
    const PercTone closedHat {0.0, 0.0, 0.03, 0.1, 0.0, 1.5, 0.0, 0.1, 0.7, 4500.0, 8500.0, 0.022, 0.001, 1.0};
    const PercTone openHat {0.0, 0.0, 0.03, 0.1, 0.0, 1.5, 0.0, 0.1, 0.6, 4500.0, 8500.0, 0.12, 0.002, 1.0};
    const PercTone shaker {0.0, 0.0, 0.03, 0.1, 0.0, 1.5, 0.0, 0.1, 0.9, 3500.0, 6500.0, 0.035, 0.012, 1.0};
    const PercTone handDrumLow {88.0, 0.35, 0.02, 0.26, 1.0, 1.59, 0.35, 0.09, 0.25, 150.0, 1200.0, 0.012, 0.001, 1.3};
    const PercTone handDrumHigh {
        420.0, 0.1, 0.01, 0.045, 0.35, 1.63, 0.25, 0.03, 0.9, 1500.0, 4000.0, 0.025, 0.0008, 1.0};
    const PercTone fingerSnap {650.0, 0.0, 0.01, 0.02, 0.15, 1.5, 0.0, 0.02, 0.6, 2500.0, 6500.0, 0.015, 0.0008, 1.0};

} // namespace kit

} // namespace audiogen
