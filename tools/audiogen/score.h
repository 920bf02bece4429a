// SPDX-License-Identifier: GPL-3.0-or-later
// Writing music down: note names, melody lines and chords as short text,
// so the compositions read like lead sheets rather than tables of numbers.
#pragma once

#include <string>
#include <vector>

namespace audiogen {

// "C4" is middle C (MIDI 60); accepts sharps and flats: "F#3", "Bb2".
int noteNumber(const std::string& name);

struct ScoreNote {
    double beat; // onset, in beats from the start of the piece
    double beats; // written length
    int midi;
    double velocity;
};

// Space-separated tokens NAME[:BEATS][!|?]. "-" is a rest. A length carries
// over to the following tokens until changed. "!" accents a note, "?" makes
// it a ghost. Example: "A4:1.5 G4:0.5 F#4:1 Eb4 -:2".
std::vector<ScoreNote> parseLine(const std::string& text, double startBeat, double velocity);

// Space-separated note names, lowest first: "D3 A3 D4 F#4".
std::vector<int> parseChord(const std::string& text);

} // namespace audiogen
