// SPDX-License-Identifier: GPL-3.0-or-later
// "Babylon": D Phrygian dominant (D Eb F# G A Bb C), 84 bpm. An oud-like
// plucked lead and a ney answer it over a drone, a rippling zither
// accompaniment and a maqsum rhythm on hand drums.
//
// Form, in bars: intro 0-3, A 4-11, B 12-19, A' 20-27, outro 28-31.

#include "tracks.h"

#include "compose.h"

namespace audiogen {

namespace {

    struct Chord {
        const char* pad; // sustained voicing
        const char* zither; // four notes the accompaniment ripples through
        const char* root; // bass
    };

    const Chord kD {"D3 A3 D4 F#4", "D4 F#4 A4 D5", "D2"};
    const Chord kEb {"Eb3 Bb3 Eb4 G4", "Eb4 G4 Bb4 Eb5", "Eb2"};
    const Chord kCm {"C3 G3 C4 Eb4", "C4 Eb4 G4 C5", "C2"};
    const Chord kGm {"G2 D3 G3 Bb3", "D4 G4 Bb4 D5", "G2"};

    const Chord* const kVerse[8] = {&kD, &kEb, &kD, &kCm, &kD, &kEb, &kCm, &kD};
    const Chord* const kBridge[8] = {&kGm, &kGm, &kCm, &kCm, &kEb, &kEb, &kD, &kD};

    const char* const kMelodyA = "A4:1.5 G4:0.5 F#4:1 Eb4:1 "
                                 "D4:1.5 Eb4:0.5 F#4:1 G4:1 "
                                 "A4:2 Bb4:0.5 A4:0.5 G4:1 "
                                 "G4:1.5 F#4:0.5 Eb4:1 D4:1 "
                                 "D4:0.5 F#4:0.5 A4:1 D5:1.5 C5:0.5 "
                                 "Bb4:1 G4:0.5 Bb4:0.5 A4:1 G4:1 "
                                 "G4:1 F#4:0.5 G4:0.5 Eb4:1 C4:1 "
                                 "D4:3 -:1";

    // The return of A: same opening, a livelier second half that climbs higher.
    const char* const kMelodyA2 = "A4:1.5 G4:0.5 F#4:1 Eb4:1 "
                                  "D4:1.5 Eb4:0.5 F#4:1 G4:1 "
                                  "A4:2 Bb4:0.5 A4:0.5 G4:1 "
                                  "G4:1.5 F#4:0.5 Eb4:1 D4:1 "
                                  "D5:0.5 C5:0.5 Bb4:0.5 A4:0.5 F#4:1 A4:1 "
                                  "G4:0.5 Bb4:0.5 Eb5:1 D5:1 C5:1 "
                                  "Eb5:1 D5:0.5 C5:0.5 Bb4:0.5 A4:0.5 G4:1 "
                                  "F#4:0.5 G4:0.5 F#4:0.5 Eb4:0.5 D4:2";

    const char* const kNeyB = "D5:2 Bb4:1 C5:1 "
                              "D5:1.5 Eb5:0.5 D5:1.5 -:0.5 "
                              "C5:1.5 Bb4:0.5 G4:1 Eb5:1 "
                              "D5:1 C5:1 G4:2 "
                              "Bb4:1.5 C5:0.5 Bb4:1 G4:1 "
                              "Eb5:2 D5:1 C5:1 "
                              "Bb4:1 A4:1 G4:0.5 F#4:0.5 Eb4:1 "
                              "F#4:1 Eb4:1 D4:2";

    // Slow counter-line for the ney under the returning A.
    const char* const kNeyCounter = "F#4:4 G4:4 F#4:4 Eb4:4 F#4:4 G4:4 Eb4:4 D4:4";

    const char* const kOpeningMotif = "D4:0.5 A3:0.5 D4:0.5 Eb4:0.5 F#4:1 Eb4:1 D4:0.5 Eb4:0.5 D4:0.5 C4:0.5 D4:2";
    const char* const kClosingMotif = "A4:1 G4:0.5 F#4:0.5 Eb4:1 D4:1";

    struct Band {
        Arrangement& piece;
        Rng& rng;
        Voice oud, zither, ney, drone, strings, bassVoice;
        Placement oudAt, zitherAt, neyAt, droneAt, padAt, bassAt;
    };

    Band makeBand(Arrangement& piece, Rng& rng)
    {
        PluckTone oudTone;
        oudTone.brightness = 0.45;
        oudTone.ringSeconds = 2.2;
        oudTone.position = 0.18;
        oudTone.body = 0.6;
        PluckTone zitherTone;
        zitherTone.brightness = 0.6;
        zitherTone.ringSeconds = 1.6;
        zitherTone.position = 0.1;
        zitherTone.body = 0.15;
        LeadTone neyTone;
        neyTone.second = 0.15;
        neyTone.third = 0.05;
        neyTone.breath = 0.22;
        neyTone.vibratoCents = 18.0;
        neyTone.vibratoHz = 4.8;
        neyTone.attack = 0.09;
        PadTone droneTone;
        droneTone.cutoffHz = 450.0;
        droneTone.attack = 3.0;
        droneTone.release = 3.0;
        droneTone.detuneCents = 5.0;
        PadTone padTone;
        padTone.cutoffHz = 900.0;
        padTone.attack = 0.5;
        padTone.release = 0.9;
        BassTone bassTone;
        bassTone.brightness = 0.25;
        bassTone.sustain = 0.35;

        Band band {piece, rng, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
        band.oud = [&rng, oudTone](const NoteSpec& n) { return pluckString(n, oudTone, rng); };
        band.zither = [&rng, zitherTone](const NoteSpec& n) { return pluckString(n, zitherTone, rng); };
        band.ney = [&rng, neyTone](const NoteSpec& n) { return breathyLead(n, neyTone, rng); };
        band.drone = [&rng, droneTone](const NoteSpec& n) { return pad(n, droneTone, rng); };
        band.strings = [&rng, padTone](const NoteSpec& n) { return pad(n, padTone, rng); };
        band.bassVoice = [bassTone](const NoteSpec& n) { return bass(n, bassTone); };

        // Placement: gain, pan, {reverb, echo}, legato, timing and velocity jitter, transpose.
        band.oudAt = {1.5, -0.15, {0.22, 0.0}, 1.0, 0.008, 0.08, 0};
        band.zitherAt = {0.4, 0.4, {0.3, 0.0}, 1.0, 0.006, 0.15, 0};
        band.neyAt = {0.32, 0.2, {0.4, 0.0}, 0.97, 0.0, 0.05, 0};
        band.droneAt = {0.3, 0.0, {0.25, 0.0}, 1.0, 0.0, 0.0, 0};
        band.padAt = {0.15, -0.1, {0.35, 0.0}, 1.02, 0.0, 0.0, 0};
        band.bassAt = {0.45, 0.0, {0.05, 0.0}, 0.9, 0.004, 0.06, 0};
        return band;
    }

    // One bar of accompaniment over a chord: pad, bass on the doum strokes, and
    // the zither rippling through the chord on the off-beats.
    void accompany(Band& band, const Chord& chord, double barBeat, bool zither, bool strings)
    {
        if (strings)
            play(band.piece, chordNotes(chord.pad, barBeat, 4.0, 0.7), band.strings, band.padAt, band.rng);
        const int root = noteNumber(chord.root);
        const std::vector<ScoreNote> bassLine {{barBeat, 1.5, root, 0.9}, {barBeat + 2.0, 1.0, root, 0.75},
            {barBeat + 3.0, 0.5, root + 7, 0.6}, {barBeat + 3.5, 0.5, root + 12, 0.5}};
        play(band.piece, bassLine, band.bassVoice, band.bassAt, band.rng);
        if (!zither)
            return;
        const std::vector<int> tones = parseChord(chord.zither);
        const int order[8] = {-1, 0, 1, 2, -1, 1, 3, 2}; // chord tone per eighth; -1 leaves the doum alone
        std::vector<ScoreNote> ripple;
        for (int step = 0; step < 8; ++step)
            if (order[step] >= 0)
                ripple.push_back({barBeat + 0.5 * step, 1.0, tones[std::size_t(order[step])], step % 2 ? 0.55 : 0.7});
        play(band.piece, ripple, band.zither, band.zitherAt, band.rng);
    }

    // Maqsum: DOUM tek - tek DOUM - tek -, with light finger taps between.
    void drumBar(Arrangement& piece, Rng& rng, double barBeat, double level, bool fill)
    {
        Drummer drummer(piece, rng, {0.15, 0.0}, 0.08, 0.004);
        drummer.setBar(barBeat);
        auto hit = [&](const PercTone& tone, double beat, double velocity, double pan) {
            drummer.hit(tone, beat, level * velocity, 1.0, pan);
        };
        hit(kit::handDrumLow, 0.0, 1.0, -0.05);
        hit(kit::handDrumHigh, 0.5, 0.7, 0.15);
        hit(kit::fingerSnap, 1.0, 0.35, 0.3);
        hit(kit::handDrumHigh, 1.5, 0.75, 0.15);
        hit(kit::handDrumLow, 2.0, 0.9, -0.05);
        hit(kit::fingerSnap, 2.5, 0.35, 0.3);
        if (fill) {
            for (int i = 0; i < 4; ++i)
                hit(kit::handDrumHigh, 3.0 + 0.25 * i, 0.45 + 0.12 * i, 0.1 - 0.1 * i);
        } else {
            hit(kit::handDrumHigh, 3.0, 0.8, 0.15);
            hit(kit::fingerSnap, 3.5, 0.4, 0.3);
        }
        // Jingles of a frame drum, a soft wash on the off-beats.
        for (int i = 0; i < 4; ++i)
            hit(kit::shaker, 0.5 + i, 0.25, -0.35);
    }

} // namespace

Stereo babylonTrack()
{
    Arrangement piece(84.0, 4);
    Rng rng(0xBAB1);
    Band band = makeBand(piece, rng);

    // Drone on D and A under everything but the bridge, where it thins out.
    play(piece, chordNotes("D2 A2 D3", piece.bar(0), 48.0, 0.8), band.drone, band.droneAt, rng);
    play(piece, chordNotes("D2 A2", piece.bar(12), 32.0, 0.5), band.drone, band.droneAt, rng);
    play(piece, chordNotes("D2 A2 D3", piece.bar(20), 47.0, 0.8), band.drone, band.droneAt, rng);

    // Intro: the drum alone, then the oud's opening motif over the groove.
    drumBar(piece, rng, piece.bar(0), 0.55, false);
    drumBar(piece, rng, piece.bar(1), 0.65, false);
    for (int bar = 2; bar < 4; ++bar) {
        drumBar(piece, rng, piece.bar(bar), 0.75, bar == 3);
        accompany(band, kD, piece.bar(bar), false, false);
    }
    play(piece, kOpeningMotif, piece.bar(2), 0.75, band.oud, band.oudAt, rng);

    // A, B, A'.
    for (int bar = 0; bar < 8; ++bar) {
        drumBar(piece, rng, piece.bar(4 + bar), 0.85, bar == 7);
        accompany(band, *kVerse[bar], piece.bar(4 + bar), true, true);
        drumBar(piece, rng, piece.bar(12 + bar), 0.75, bar == 3 || bar == 7);
        accompany(band, *kBridge[bar], piece.bar(12 + bar), true, true);
        drumBar(piece, rng, piece.bar(20 + bar), 0.9, bar == 3 || bar == 7);
        accompany(band, *kVerse[bar], piece.bar(20 + bar), true, true);
    }
    play(piece, kMelodyA, piece.bar(4), 0.85, band.oud, band.oudAt, rng);
    play(piece, kNeyB, piece.bar(12), 0.8, band.ney, band.neyAt, rng);
    // The oud keeps a quiet pulse of the tonic under the ney.
    for (int bar = 12; bar < 20; ++bar)
        play(piece, "D4:0.5? D4:0.5? -:3", piece.bar(bar) + 2.0, 0.5, band.oud, band.oudAt, rng);
    play(piece, kMelodyA2, piece.bar(20), 0.9, band.oud, band.oudAt, rng);
    Placement counter = band.neyAt;
    counter.gain *= 0.55;
    counter.pan = 0.45;
    play(piece, kNeyCounter, piece.bar(20), 0.7, band.ney, counter, rng);

    // Outro: the groove thins, the opening motif returns and a last strum rings.
    drumBar(piece, rng, piece.bar(28), 0.8, false);
    drumBar(piece, rng, piece.bar(29), 0.65, true);
    accompany(band, kD, piece.bar(28), true, true);
    accompany(band, kEb, piece.bar(29), true, true);
    play(piece, kOpeningMotif, piece.bar(28), 0.8, band.oud, band.oudAt, rng);
    play(piece, kClosingMotif, piece.bar(30), 0.75, band.oud, band.oudAt, rng);
    play(piece, chordNotes("D2", piece.bar(30), 2.0, 0.7), band.bassVoice, band.bassAt, rng);
    piece.place(percussion(kit::handDrumLow, 0.5, rng), piece.bar(30), 1.0, 0.0, {0.2, 0.0});
    piece.place(percussion(kit::handDrumLow, 0.6, rng), piece.bar(31), 1.0, 0.0, {0.3, 0.0});
    Placement lastStrum = band.oudAt;
    lastStrum.gain *= 0.5;
    lastStrum.sends.reverb = 0.35;
    strum(piece, parseChord("D3 A3 D4 F#4 A4"), piece.bar(31), 4.0, 0.7, band.oud, lastStrum, 0.03, 0.6, rng);
    play(piece, chordNotes(kD.pad, piece.bar(31), 4.0, 0.6), band.strings, band.padAt, rng);

    ReverbSettings room;
    room.roomSize = 0.72;
    room.damping = 0.55;
    room.preDelay = 0.025;
    Stereo mix = piece.mixdown(room, {});
    master(mix, {});
    return mix;
}

} // namespace audiogen
