// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the compositions share for turning written notes into sound.
#pragma once

#include "arrangement.h"
#include "drums.h"
#include "instruments.h"
#include "score.h"

#include <functional>

namespace audiogen {

using Voice = std::function<Mono(const NoteSpec&)>;

struct Placement {
    double gain = 1.0;
    double pan = 0.0;
    Sends sends;
    double legato = 0.95; // fraction of the written length the key is held
    double timingJitter = 0; // seconds, random either way, for a played feel
    double velocityJitter = 0;
    int transpose = 0; // semitones
};

// Renders each note with voice and places it. rng drives the humanising.
void play(
    Arrangement& piece, const std::vector<ScoreNote>& notes, const Voice& voice, const Placement& placement, Rng& rng);

// Same for a line written as text (see parseLine) starting at beat.
void play(Arrangement& piece, const std::string& line, double beat, double velocity, const Voice& voice,
    const Placement& placement, Rng& rng);

// All notes of a voicing at once, as score notes.
std::vector<ScoreNote> chordNotes(const std::string& voicing, double beat, double beats, double velocity);

// Plays a chord as a strum, lowest note first, stepSeconds apart and fanned
// panSpread wide around the placement's pan.
void strum(Arrangement& piece, const std::vector<int>& notes, double beat, double gateSeconds, double velocity,
    const Voice& voice, const Placement& placement, double stepSeconds, double panSpread, Rng& rng);

// Places drum strokes relative to the start of a bar, each a little
// different in strength and timing from the last, as a player's would be.
class Drummer {
public:
    Drummer(Arrangement& piece, Rng& rng, const Sends& sends, double velocityJitter, double timingJitter);
    void setBar(double barBeat) { barBeat_ = barBeat; }
    void hit(const PercTone& tone, double beat, double velocity, double gain, double pan);

private:
    Arrangement& piece_;
    Rng& rng_;
    Sends sends_;
    double velocityJitter_;
    double timingJitter_;
    double barBeat_ = 0.0;
};

// Swing: pushes notes that fall on the second half of each grid step later,
// ratio 0.5 being straight and 0.66 a full triplet feel.
double swing(double beat, double grid, double ratio);

} // namespace audiogen
