// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement.h"

#include <algorithm>

namespace audiogen {

Arrangement::Arrangement(double bpm, int beatsPerBar)
    : bpm_(bpm)
    , beatsPerBar_(beatsPerBar)
{
}

void Arrangement::place(
    const Mono& sound, double beat, double gain, double pan, const Sends& sends, double nudgeSeconds)
{
    const double seconds = std::max(0.0, beat * secondsPerBeat() + nudgeSeconds);
    const std::size_t offset = secondsToSamples(seconds);
    addMono(dry_, sound, offset, gain, pan);
    if (sends.reverb > 0.0)
        addMono(reverbBus_, sound, offset, gain * sends.reverb, pan);
    if (sends.echo > 0.0)
        addMono(echoBus_, sound, offset, gain * sends.echo, pan);
}

Stereo Arrangement::mixdown(const ReverbSettings& room, const EchoSettings& echoSettings) const
{
    Stereo mix = dry_;
    if (echoBus_.frames() > 0) {
        const Stereo echoes = echo(echoBus_, echoSettings);
        addStereo(mix, echoes, 0, 1.0);
        // Echoes sit in the same room as everything else.
        Stereo send = reverbBus_;
        addStereo(send, echoes, 0, 0.5);
        addStereo(mix, reverb(send, room), 0, 1.0);
    } else if (reverbBus_.frames() > 0) {
        addStereo(mix, reverb(reverbBus_, room), 0, 1.0);
    }
    return mix;
}

void master(Stereo& mix, const MasterSettings& settings)
{
    for (Mono* channel : {&mix.left, &mix.right}) {
        Svf top;
        top.set(settings.highCutHz, 0.6);
        for (float& s : *channel)
            s = float(top.low(s));
    }
    trimTail(mix, -70.0, 0.3);
    removeDc(mix);
    scale(mix, dbToGain(settings.loudnessDb) / std::max(loudness(mix), 1e-9));
    limit(mix, settings.ceilingDb, 0.004, 0.15);
    fadeEdges(mix, settings.fadeInSeconds, settings.fadeOutSeconds);
}

} // namespace audiogen
