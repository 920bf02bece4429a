// SPDX-License-Identifier: GPL-3.0-or-later
// "Hypnothis": A minor, 108 bpm. A sixteenth-note synth pulse cycles six
// notes against the four-beat bar, so its accents drift while the filter
// slowly opens and closes over the whole piece. Echoes, a pad, a pulsing
// bass, a soft four-on-the-floor and a bell tune build up and fall away.
//
// Form, in bars: pulse alone 0-3, + bass and pad 4-7, + drums 8-15,
// tune 16-23, breakdown 24-27, tune again 28-35, outro 36-39.

#include "tracks.h"

#include "compose.h"

#include <algorithm>
#include <cmath>

namespace audiogen {

namespace {

    struct Chord {
        const char* pulse; // five notes the sequence cycles through
        const char* pad;
        const char* root;
    };

    const Chord kAm9 {"A3 C4 E4 G4 B4", "A3 C4 E4 G4", "A2"};
    const Chord kFmaj9 {"F3 A3 C4 E4 G4", "F3 A3 C4 E4", "F2"};
    const Chord kCadd9 {"G3 C4 D4 E4 G4", "G3 C4 D4 E4", "C2"};
    const Chord kG6 {"G3 B3 D4 E4 A4", "G3 B3 D4 E4", "G2"};

    const Chord* chordAt(int bar)
    {
        static const Chord* const cycle[4] = {&kAm9, &kFmaj9, &kCadd9, &kG6};
        return bar >= 36 ? &kAm9 : cycle[(bar / 2) % 4];
    }

    constexpr int kBars = 40;

    // The piece's slow arc: how open the synth filters are, 0..1, at a bar.
    double brightnessAt(double bar)
    {
        struct Point {
            double bar, value;
        };
        static const Point arc[]
            = {{0, 0.1}, {4, 0.2}, {16, 0.6}, {23, 0.8}, {24, 0.35}, {28, 0.55}, {34, 1.0}, {36, 0.7}, {40, 0.0}};
        for (std::size_t i = 1; i < std::size(arc); ++i)
            if (bar <= arc[i].bar) {
                const double u = (bar - arc[i - 1].bar) / (arc[i].bar - arc[i - 1].bar);
                return arc[i - 1].value + (arc[i].value - arc[i - 1].value) * (0.5 - 0.5 * std::cos(kPi * u));
            }
        return 0.0;
    }

    const char* const kTune = "E5:3 D5:1 C5:2 B4:2 A4:3 C5:1 G4:4 "
                              "G4:2 C5:2 E5:3 D5:1 D5:2 B4:2 A4:4";
    const char* const kTuneHigh = "A5:2 G5:1 E5:1 C5:2 B4:2 C5:3 E5:1 G5:4 "
                                  "E5:2 G5:2 D5:3 E5:1 D5:2 B4:1 G4:1 A4:4";
    const char* const kTuneFragments = "E5:4 -:4 D5:4 -:2 B4:2";

    void pulseBar(Arrangement& piece, Rng& rng, int bar, double level)
    {
        const std::vector<int> tones = parseChord(chordAt(bar)->pulse);
        static const int order[6] = {0, 1, 2, 3, 4, 2};
        for (int step = 0; step < 16; ++step) {
            const double beat = piece.bar(bar) + 0.25 * step;
            const double open = brightnessAt(beat / 4.0);
            // Slow wobble on top of the long arc, one cycle every four bars.
            const double wobble = 1.0 + 0.2 * std::sin(2.0 * kPi * beat / 16.0);
            PulseTone tone;
            tone.cutoffHz = (300.0 + 1700.0 * open) * wobble;
            tone.envelopeOctaves = 1.0 + 0.8 * open;
            tone.resonance = 2.5;
            tone.decaySeconds = 0.09 + 0.1 * open;
            tone.squareMix = 0.35;
            const int globalStep = bar * 16 + step;
            const bool accent = globalStep % 3 == 0;
            const int midi = tones[std::size_t(order[globalStep % 6])];
            const NoteSpec note {midiToHz(midi), 0.2, level * (accent ? 0.85 : 0.5)};
            piece.place(pulseSynth(note, tone), beat, 0.8, 0.25 * std::sin(globalStep * 0.4), {0.2, 0.25},
                0.002 * rng.bipolar());
        }
    }

    // A sparser, brighter line two octaves up, five notes against eight eighths.
    void sparkleBar(Arrangement& piece, Rng& rng, int bar, double level)
    {
        const std::vector<int> tones = parseChord(chordAt(bar)->pulse);
        static const int order[5] = {4, 2, 3, 0, 1};
        PulseTone tone;
        tone.cutoffHz = 1800.0;
        tone.envelopeOctaves = 0.8;
        tone.resonance = 1.0;
        tone.decaySeconds = 0.07;
        tone.squareMix = 0.9;
        for (int step = 0; step < 8; ++step) {
            const int globalStep = bar * 8 + step;
            const NoteSpec note {
                midiToHz(tones[std::size_t(order[globalStep % 5])] + 12), 0.1, level * (0.5 + 0.2 * rng.uniform())};
            piece.place(pulseSynth(note, tone), piece.bar(bar) + 0.5 * step + 0.25, 0.35, -0.5, {0.3, 0.6});
        }
    }

    void bassBar(Arrangement& piece, int bar, double level)
    {
        BassTone tone;
        tone.brightness = 0.2 + 0.25 * brightnessAt(bar);
        tone.sustain = 0.5;
        tone.release = 0.05;
        const int root = noteNumber(chordAt(bar)->root);
        static const double accents[8] = {1.0, 0.55, 0.75, 0.55, 0.9, 0.55, 0.8, 0.6};
        for (int step = 0; step < 8; ++step) {
            const int midi = step == 6 ? root + 12 : root;
            const NoteSpec note {midiToHz(midi), 0.2, level * accents[step]};
            piece.place(bass(note, tone), piece.bar(bar) + 0.5 * step, 0.6, 0.0, {0.02, 0.0});
        }
    }

    void padChord(Arrangement& piece, Rng& rng, int bar, int bars, double level)
    {
        PadTone tone;
        tone.voices = 4;
        tone.detuneCents = 10.0;
        tone.cutoffHz = 500.0 + 900.0 * brightnessAt(bar);
        tone.attack = 1.5;
        tone.release = 2.0;
        const double seconds = bars * 4.0 * piece.secondsPerBeat();
        const std::vector<int> notes = parseChord(chordAt(bar)->pad);
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const double pan = i % 2 ? 0.55 : -0.55;
            piece.place(pad({midiToHz(notes[i]), seconds, level}, tone, rng), piece.bar(bar), 0.28, pan, {0.5, 0.0});
        }
    }

    void drumBar(Arrangement& piece, Rng& rng, int bar, bool hats, bool shaker)
    {
        // Machine-tight timing: only the strength of the strokes varies.
        Drummer drummer(piece, rng, {0.08, 0.0}, 0.06, 0.0);
        drummer.setBar(piece.bar(bar));
        auto hit = [&](const PercTone& tone, double beat, double velocity, double gain, double pan) {
            drummer.hit(tone, beat, velocity, gain, pan);
        };
        for (int beat = 0; beat < 4; ++beat) {
            hit(kit::pulseKick, beat, 0.9, 0.85, 0.0);
            if (hats)
                hit(kit::closedHat, beat + 0.5, 0.6, 0.6, 0.3);
            if (shaker)
                for (int s = 1; s < 4; s += 2)
                    hit(kit::shaker, beat + 0.25 * s, 0.4, 0.45, -0.3);
        }
        if (shaker && bar % 2 == 1)
            hit(kit::fingerSnap, 3.0, 0.6, 0.5, 0.2);
    }

} // namespace

Stereo hypnothisTrack()
{
    Arrangement piece(108.0, 4);
    Rng rng(0x4790);

    for (int bar = 0; bar < kBars; ++bar) {
        const double pulseLevel = bar < 4 ? 0.6 + 0.1 * bar : (bar >= 36 ? 1.0 - 0.12 * (bar - 36) : 1.0);
        pulseBar(piece, rng, bar, pulseLevel);
        const bool breakdown = bar >= 24 && bar < 28;
        if (bar >= 4 && bar < 36 && !breakdown)
            bassBar(piece, bar, bar < 8 ? 0.7 : 0.9);
        if ((bar >= 8 && bar < 24) || (bar >= 28 && bar < 36))
            drumBar(piece, rng, bar, bar >= 12, bar >= 16);
        if ((bar >= 16 && bar < 24) || (bar >= 28 && bar < 36))
            sparkleBar(piece, rng, bar, 0.8);
    }
    for (int bar = 4; bar < 36; bar += 2)
        padChord(piece, rng, bar, 2, 0.8);
    padChord(piece, rng, 36, 4, 0.7);

    BellTone bellTone;
    bellTone.brightness = 0.45;
    bellTone.ringSeconds = 1.6;
    const Voice chime = [bellTone](const NoteSpec& n) { return bell(n, bellTone); };
    // Gain, pan, {reverb, echo}, legato, timing and velocity jitter, transpose.
    const Placement tuneAt {0.5, 0.1, {0.45, 0.3}, 0.95, 0.0, 0.05, 0};
    play(piece, kTune, piece.bar(16), 0.75, chime, tuneAt, rng);
    play(piece, kTuneFragments, piece.bar(24), 0.55, chime, tuneAt, rng);
    play(piece, kTuneHigh, piece.bar(28), 0.7, chime, tuneAt, rng);
    play(piece, "E5:8", piece.bar(36), 0.45, chime, tuneAt, rng);

    ReverbSettings room;
    room.roomSize = 0.8;
    room.damping = 0.5;
    room.preDelay = 0.03;
    EchoSettings echo;
    echo.delaySeconds = 0.75 * piece.secondsPerBeat(); // dotted eighth
    echo.feedback = 0.4;
    echo.toneHz = 2200.0;
    Stereo mix = piece.mixdown(room, echo);
    master(mix, {});
    return mix;
}

} // namespace audiogen
