// SPDX-License-Identifier: GPL-3.0-or-later
// "Chill": C major with extended chords, 76 bpm, swung. Worn electric piano,
// a round bass, a soft brushed kit and a mellow lead that hands over to
// vibraphone when the tune comes back.
//
// Form, in bars: intro 0-3, A 4-11, B 12-19, A' 20-27, outro 28-29.

#include "tracks.h"

#include "compose.h"

namespace audiogen {

namespace {

    struct Chord {
        const char* keys;
        const char* root;
    };

    const Chord kFmaj9 {"A3 C4 E4 G4", "F2"};
    const Chord kEm7 {"G3 B3 D4 E4", "E2"};
    const Chord kDm9 {"F3 A3 C4 E4", "D2"};
    const Chord kCmaj9 {"E3 G3 B3 D4", "C2"};
    const Chord kAm9 {"G3 B3 C4 E4", "A1"};
    const Chord kG13 {"F3 A3 B3 E4", "G2"};
    const Chord kFm6 {"Ab3 C4 D4 F4", "F2"};
    const Chord kG9sus {"F3 A3 C4 D4", "G2"};

    const Chord* const kVerse[8] = {&kFmaj9, &kEm7, &kDm9, &kCmaj9, &kFmaj9, &kEm7, &kDm9, &kCmaj9};
    const Chord* const kBridge[8] = {&kAm9, &kDm9, &kG13, &kCmaj9, &kAm9, &kDm9, &kFm6, &kG9sus};

    const char* const kTuneA = "-:0.5 A4:0.5 C5:0.5 E5:1.5 D5:0.5 C5:0.5 "
                               "B4:2 G4:1 -:1 "
                               "-:0.5 A4:0.5 C5:0.5 E5:0.5 F5:1 E5:0.5 D5:0.5 "
                               "E5:1.5 D5:0.5 B4:1 G4:1 "
                               "-:0.5 A4:0.5 C5:0.5 G5:1.5 F5:0.5 E5:0.5 "
                               "D5:1 E5:0.5 D5:0.5 B4:2 "
                               "-:0.5 F5:0.5 E5:0.5 D5:0.5 C5:1 A4:1 "
                               "C5:1.5 B4:0.5 G4:2";

    const char* const kTuneB = "E5:1.5 D5:0.5 C5:0.5 B4:0.5 A4:1 "
                               "-:0.5 C5:0.5 D5:0.5 F5:1.5 E5:1 "
                               "D5:1 B4:1 E5:1.5 D5:0.5 "
                               "B4:1 C5:0.5 G4:2.5 "
                               "A4:0.5 C5:0.5 E5:0.5 G5:1.5 E5:1 "
                               "F5:1 E5:0.5 D5:0.5 C5:1 A4:1 "
                               "Ab4:1 C5:1 D5:1.5 C5:0.5 "
                               "D5:2 -:2";

    struct Band {
        Arrangement& piece;
        Rng& rng;
        Voice keys, lead, vibes, bassVoice;
        Placement keysAt, leadAt, vibesAt, bassAt;
    };

    Band makeBand(Arrangement& piece, Rng& rng)
    {
        KeysTone keysTone;
        keysTone.bark = 0.6;
        keysTone.tremoloDepth = 0.22;
        keysTone.tremoloHz = 3.8;
        keysTone.wowCents = 6.0;
        keysTone.wowHz = 0.6;
        LeadTone leadTone;
        leadTone.second = 0.3;
        leadTone.third = 0.1;
        leadTone.breath = 0.08;
        leadTone.vibratoCents = 10.0;
        leadTone.vibratoHz = 5.2;
        leadTone.attack = 0.05;
        MalletTone vibesTone;
        vibesTone.bar = MalletTone::Bar::Vibraphone;
        vibesTone.hardness = 0.3;
        vibesTone.ringSeconds = 1.4;
        vibesTone.tremoloDepth = 0.3;
        vibesTone.tremoloHz = 5.0;
        BassTone bassTone;
        bassTone.brightness = 0.2;
        bassTone.sustain = 0.7;
        bassTone.release = 0.1;

        Band band {piece, rng, {}, {}, {}, {}, {}, {}, {}, {}};
        band.keys = [keysTone](const NoteSpec& n) { return electricPiano(n, keysTone); };
        band.lead = [&rng, leadTone](const NoteSpec& n) { return breathyLead(n, leadTone, rng); };
        band.vibes = [vibesTone](const NoteSpec& n) { return mallet(n, vibesTone); };
        band.bassVoice = [bassTone](const NoteSpec& n) { return bass(n, bassTone); };
        // Placement: gain, pan, {reverb, echo}, legato, timing and velocity jitter, transpose.
        band.keysAt = {0.22, -0.1, {0.3, 0.0}, 1.0, 0.0, 0.1, 0};
        band.leadAt = {0.6, 0.15, {0.4, 0.0}, 0.92, 0.012, 0.06, 0};
        band.vibesAt = {0.55, 0.2, {0.4, 0.0}, 1.0, 0.01, 0.1, 0};
        band.bassAt = {0.5, 0.0, {0.03, 0.0}, 0.9, 0.006, 0.08, 0};
        return band;
    }

    // Chords on the one and on the swung "and" of two, each strummed upwards.
    void comp(Band& band, const Chord& chord, double barBeat, bool extraStab)
    {
        const std::vector<int> notes = parseChord(chord.keys);
        auto strike = [&](double beat, double beats, double velocity) {
            strum(band.piece, notes, beat, beats * band.piece.secondsPerBeat(), velocity, band.keys, band.keysAt, 0.014,
                0.36, band.rng);
        };
        strike(barBeat, 1.45, 0.62);
        strike(barBeat + swing(2.5, 0.5, 0.6), 1.3, 0.5);
        if (extraStab)
            strike(barBeat + swing(3.5, 0.5, 0.6), 0.4, 0.35);
    }

    void bassBar(Band& band, const Chord& chord, const Chord& next, double barBeat)
    {
        const int root = noteNumber(chord.root);
        int target = noteNumber(next.root);
        while (target - root > 6)
            target -= 12;
        while (root - target > 6)
            target += 12;
        // Lead into the next chord from a semitone below, or sit on the fifth.
        const int approach = target != root ? target - 1 : root + 7;
        const std::vector<ScoreNote> line {{barBeat, 1.5, root, 0.9}, {barBeat + swing(2.5, 0.5, 0.6), 0.4, root, 0.6},
            {barBeat + 3.0, 0.6, root + 7, 0.7}, {barBeat + swing(3.75, 0.25, 0.6), 0.25, approach, 0.55}};
        play(band.piece, line, band.bassVoice, band.bassAt, band.rng);
    }

    void drumBar(Arrangement& piece, Rng& rng, double barBeat, double level, int variation)
    {
        Drummer drummer(piece, rng, {0.1, 0.0}, 0.1, 0.005);
        drummer.setBar(barBeat);
        auto hit = [&](const PercTone& tone, double beat, double velocity, double gain, double pan) {
            drummer.hit(tone, beat, level * velocity, gain, pan);
        };
        const bool kitOn = variation >= 0;
        if (kitOn) {
            hit(kit::softKick, 0.0, 1.0, 1.0, 0.0);
            hit(kit::softKick, swing(variation % 2 ? 0.75 : 1.75, 0.25, 0.6), 0.6, 1.0, 0.0);
            hit(kit::softKick, swing(2.5, 0.5, 0.6), 0.85, 1.0, 0.0);
            hit(kit::brushSnare, 1.0, 0.8, 0.7, 0.1);
            hit(kit::brushSnare, 3.0, 0.85, 0.7, 0.1);
            if (variation == 3)
                hit(kit::brushSnare, swing(3.75, 0.25, 0.6), 0.3, 0.7, 0.1);
        }
        for (int step = 0; step < 8; ++step) {
            const double beat = swing(0.5 * step, 0.5, 0.6);
            if (kitOn && variation >= 2 && step == 7) {
                hit(kit::openHat, beat, 0.5, 0.6, 0.35);
                continue;
            }
            hit(kit::closedHat, beat, step % 2 ? 0.45 : 0.7, 0.8, 0.35);
        }
        // A few ghost notes between the eighths keep it loose.
        for (int step = 1; step < 16; step += 2)
            if (rng.chance(0.25))
                hit(kit::closedHat, swing(0.25 * step, 0.25, 0.6), 0.25, 0.8, 0.4);
    }

} // namespace

Stereo chillTrack()
{
    Arrangement piece(76.0, 4);
    Rng rng(0xC4111);
    Band band = makeBand(piece, rng);

    // Intro: keys alone, then the hats creep in.
    for (int bar = 0; bar < 4; ++bar) {
        comp(band, *kVerse[bar], piece.bar(bar), false);
        if (bar >= 2)
            drumBar(piece, rng, piece.bar(bar), 0.5 + 0.15 * (bar - 2), -1);
    }
    play(piece, "-:2 E5:1 G5:1 A5:4", piece.bar(2), 0.45, band.vibes, band.vibesAt, rng);
    bassBar(band, kCmaj9, kFmaj9, piece.bar(3));

    for (int bar = 0; bar < 8; ++bar) {
        const Chord* sections[3] = {kVerse[bar], kBridge[bar], kVerse[bar]};
        const bool last = bar == 7;
        const Chord* following[3] = {
            last ? kBridge[0] : kVerse[bar + 1], last ? kVerse[0] : kBridge[bar + 1], last ? &kFmaj9 : kVerse[bar + 1]};
        for (int s = 0; s < 3; ++s) {
            const double barBeat = piece.bar(4 + 8 * s + bar);
            comp(band, *sections[s], barBeat, bar % 4 == 3 || (s == 1 && bar % 2 == 1));
            bassBar(band, *sections[s], *following[s], barBeat);
            const int variation = bar % 4 == 3 ? 2 + (bar == 7) : (s == 1 ? bar % 2 : 0);
            drumBar(piece, rng, barBeat, s == 1 ? 0.85 : 0.9, variation);
        }
    }
    play(piece, kTuneA, piece.bar(4), 0.8, band.lead, band.leadAt, rng);
    play(piece, kTuneB, piece.bar(12), 0.8, band.lead, band.leadAt, rng);
    play(piece, kTuneA, piece.bar(20), 0.8, band.vibes, band.vibesAt, rng);
    // The lead shadows the vibes an octave down in the second half.
    Placement shadow = band.leadAt;
    shadow.gain *= 0.45;
    shadow.pan = -0.3;
    shadow.transpose = -12;
    play(piece, parseLine(kTuneA, piece.bar(20), 0.7), band.lead, shadow, rng);

    // Outro: drums drop out; keys settle on the home chord.
    comp(band, kFmaj9, piece.bar(28), false);
    bassBar(band, kFmaj9, kCmaj9, piece.bar(28));
    drumBar(piece, rng, piece.bar(28), 0.5, -1);
    play(piece, "G4:1 A4:1 C5:2", piece.bar(28), 0.6, band.vibes, band.vibesAt, rng);
    strum(piece, parseChord(kCmaj9.keys), piece.bar(29), 5.0, 0.5, band.keys, band.keysAt, 0.03, 0.36, rng);
    play(piece, "C2:4", piece.bar(29), 0.8, band.bassVoice, band.bassAt, rng);
    play(piece, "E5:1 D5:1 G5:4", piece.bar(29), 0.55, band.vibes, band.vibesAt, rng);

    ReverbSettings room;
    room.roomSize = 0.6;
    room.damping = 0.7;
    room.preDelay = 0.015;
    Stereo mix = piece.mixdown(room, {});
    MasterSettings finish;
    finish.highCutHz = 6000.0; // the dusty, rolled-off top end of an old record
    master(mix, finish);
    return mix;
}

} // namespace audiogen
