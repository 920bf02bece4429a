// SPDX-License-Identifier: GPL-3.0-or-later
#include "effects.h"

#include "arrangement.h"
#include "drums.h"
#include "instruments.h"
#include "score.h"

#include <cmath>

namespace audiogen {

namespace {

    // Every effect ends the same way: no offset, no step at either end, and a
    // fixed peak so that the set stays balanced however the voices change.
    void finishEffect(Mono& sound, double peakDb, double fadeOutSeconds)
    {
        trimTail(sound, -66.0, 0.01);
        removeDc(sound);
        fadeEdges(sound, 0.001, fadeOutSeconds);
        normalizePeak(sound, peakDb);
    }

} // namespace

Mono drawEffect()
{
    // A soft wooden tick: a short marimba note with a quieter fifth above,
    // so that it reads as a tone rather than a click.
    MalletTone wood;
    wood.bar = MalletTone::Bar::Marimba;
    wood.hardness = 0.25;
    wood.ringSeconds = 0.035;
    Mono sound = mallet({midiToHz(noteNumber("A5")), 0.05, 1.0}, wood);
    addMono(sound, mallet({midiToHz(noteNumber("E6")), 0.05, 1.0}, wood), 0, 0.35);
    finishEffect(sound, -9.0, 0.02);
    return sound;
}

Mono eraseEffect()
{
    // The reverse of drawing: a lower, rounder tone that swells in and slides
    // down, wrapped in a faint brush of noise.
    const double seconds = 0.16;
    Mono sound(secondsToSamples(seconds));
    Rng rng(0xE7A5E);
    Svf brush;
    OnePole soften;
    soften.setLowpass(3000.0);
    double phase = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double u = t / seconds;
        const double frequency = 660.0 * std::pow(2.0, -0.6 * u); // a little over a fifth down
        phase += frequency / kSampleRate;
        const double swell = std::sin(kPi * std::pow(u, 0.6)); // early rise, long fall
        if (i % 16 == 0)
            brush.set(2600.0 * std::pow(2.0, -1.2 * u), 1.5);
        const double tone = std::sin(2.0 * kPi * phase) + 0.15 * std::sin(4.0 * kPi * phase);
        sound[i] = float(swell * swell * (tone + 0.25 * brush.band(soften.low(rng.bipolar()))));
    }
    finishEffect(sound, -14.0, 0.02);
    return sound;
}

Mono mistakeEffect()
{
    // Two low, muted buzzes a semitone apart, the second lower: a gentle
    // "uh-uh" under a soft thud. The clashing pair beats audibly.
    PulseTone buzz;
    buzz.cutoffHz = 420.0;
    buzz.envelopeOctaves = 1.2;
    buzz.resonance = 0.9;
    buzz.decaySeconds = 0.12;
    buzz.squareMix = 0.6;
    buzz.attack = 0.008;
    const double hitSeconds[] = {0.0, 0.17};
    const char* pairs[][2] = {{"D3", "Eb3"}, {"Db3", "D3"}};
    Mono sound;
    for (int hit = 0; hit < 2; ++hit) {
        const std::size_t offset = secondsToSamples(hitSeconds[hit]);
        const double gate = hit == 0 ? 0.12 : 0.2;
        for (const char* name : pairs[hit])
            addMono(sound, pulseSynth({midiToHz(noteNumber(name)), gate, 1.0}, buzz), offset, 1.0);
    }
    PercTone thud;
    thud.bodyHz = 75.0;
    thud.bodySweep = 0.8;
    thud.bodyDecay = 0.07;
    thud.drive = 1.2;
    Rng rng(0xFA017);
    addMono(sound, percussion(thud, 1.0, rng), 0, 0.8);
    finishEffect(sound, -4.0, 0.04);
    return sound;
}

Stereo winEffect()
{
    // A bright glockenspiel run up a major chord, landing on a ringing chord
    // of bells, spread across the stereo field in a small room.
    Arrangement piece(60.0, 4); // one beat per second keeps timings readable
    MalletTone glock;
    glock.bar = MalletTone::Bar::Glockenspiel;
    glock.hardness = 0.45;
    glock.ringSeconds = 0.5;
    BellTone chime;
    chime.brightness = 0.35;
    chime.ringSeconds = 0.7;
    const Sends room {0.35, 0.0};

    const char* run[] = {"C5", "E5", "G5", "C6", "E6", "G6"};
    for (int i = 0; i < 6; ++i) {
        const double pan = -0.6 + 0.24 * i;
        const NoteSpec note {midiToHz(noteNumber(run[i])), 0.3, 0.7 + 0.05 * i};
        piece.place(mallet(note, glock), 0.085 * i, 1.0, pan, room);
    }
    const double landing = 0.085 * 6 + 0.05;
    const std::vector<int> chord = parseChord("C5 G5 C6 E6 G6");
    for (std::size_t i = 0; i < chord.size(); ++i) {
        const double pan = (double(i) / (chord.size() - 1)) * 1.0 - 0.5;
        const NoteSpec note {midiToHz(chord[i]), 1.4, i == 0 ? 0.6 : 0.8};
        piece.place(bell(note, chime), landing + 0.012 * i, 0.8, pan, room);
        piece.place(mallet(note, glock), landing + 0.012 * i, 0.5, -pan, room);
    }
    ReverbSettings hall;
    hall.roomSize = 0.6;
    hall.damping = 0.6;
    Stereo sound = piece.mixdown(hall, {});
    trimTail(sound, -60.0, 0.05);
    if (sound.frames() > secondsToSamples(2.6))
        sound.resize(secondsToSamples(2.6));
    removeDc(sound);
    fadeEdges(sound, 0.001, 0.5);
    normalizePeak(sound, -3.0);
    return sound;
}

} // namespace audiogen
