// SPDX-License-Identifier: GPL-3.0-or-later
// Pitched voices. Each call renders one note, from its onset to the end of
// its release, starting and ending on silence.
#pragma once

#include "dsp.h"

namespace audiogen {

struct NoteSpec {
    double frequency; // Hz
    double gate; // seconds the key is held
    double velocity; // 0..1
};

// Plucked string (Karplus-Strong with a tuned fractional delay).
struct PluckTone {
    double brightness = 0.5; // colour of the pluck, 0..1
    double ringSeconds = 3.0; // time for the string to die away by 60 dB
    double position = 0.15; // where along the string it is plucked, 0..0.5
    double body = 0.3; // amount of the wooden body resonance
    double release = 0.08; // damping once the gate closes
};
Mono pluckString(const NoteSpec& note, const PluckTone& tone, Rng& rng);

// Two-operator FM electric piano with a bell-like attack.
struct KeysTone {
    double bark = 1.0; // how much the tone brightens when struck harder
    double tremoloDepth = 0.0;
    double tremoloHz = 4.5;
    double wowCents = 0.0; // slow pitch drift, like a worn tape
    double wowHz = 0.7;
};
Mono electricPiano(const NoteSpec& note, const KeysTone& tone);

// Detuned saw ensemble through a slowly breathing low-pass.
struct PadTone {
    int voices = 3;
    double detuneCents = 8.0;
    double cutoffHz = 1200.0;
    double attack = 1.0;
    double release = 1.2;
};
Mono pad(const NoteSpec& note, const PadTone& tone, Rng& rng);

struct BassTone {
    double brightness = 0.3; // how much saw edge sits over the sine
    double sustain = 0.6;
    double release = 0.08;
};
Mono bass(const NoteSpec& note, const BassTone& tone);

// Filtered saw/square blip used for sequenced pulses.
struct PulseTone {
    double cutoffHz = 900.0;
    double envelopeOctaves = 2.0; // filter sweep at the onset
    double resonance = 2.0; // filter Q
    double decaySeconds = 0.18;
    double squareMix = 0.4; // 0 pure saw, 1 pure square
    double attack = 0.003;
};
Mono pulseSynth(const NoteSpec& note, const PulseTone& tone);

// Struck bar: a handful of inharmonic modes, each dying at its own rate.
struct MalletTone {
    enum class Bar { Marimba, Glockenspiel, Vibraphone };
    Bar bar = Bar::Marimba;
    double hardness = 0.5; // level of the upper modes
    double ringSeconds = 1.0; // decay time constant of the fundamental
    double tremoloDepth = 0.0; // vibraphone motor
    double tremoloHz = 5.0;
};
Mono mallet(const NoteSpec& note, const MalletTone& tone);

// FM bell: a clear, hollow tone (odd partials from a 1:4 pair) whose
// brightness fades as it rings, with a brief inharmonic strike partial.
struct BellTone {
    double brightness = 0.5;
    double ringSeconds = 2.0;
};
Mono bell(const NoteSpec& note, const BellTone& tone);

// Soft wind-like lead: a few harmonics, breath noise and a vibrato that
// only sets in once the note has settled.
struct LeadTone {
    double second = 0.25; // level of the 2nd harmonic
    double third = 0.1; // level of the 3rd harmonic
    double breath = 0.15;
    double vibratoCents = 15.0;
    double vibratoHz = 5.0;
    double attack = 0.06;
};
Mono breathyLead(const NoteSpec& note, const LeadTone& tone, Rng& rng);

} // namespace audiogen
