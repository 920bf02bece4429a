// SPDX-License-Identifier: GPL-3.0-or-later
#include "compose.h"

#include <algorithm>
#include <cmath>

namespace audiogen {

void play(
    Arrangement& piece, const std::vector<ScoreNote>& notes, const Voice& voice, const Placement& placement, Rng& rng)
{
    for (const ScoreNote& note : notes) {
        const double velocity = std::clamp(note.velocity * (1.0 + placement.velocityJitter * rng.bipolar()), 0.05, 1.0);
        const NoteSpec tone {midiToHz(note.midi + placement.transpose),
            note.beats * piece.secondsPerBeat() * placement.legato, velocity};
        piece.place(voice(tone), note.beat, placement.gain, placement.pan, placement.sends,
            placement.timingJitter * rng.bipolar());
    }
}

void play(Arrangement& piece, const std::string& line, double beat, double velocity, const Voice& voice,
    const Placement& placement, Rng& rng)
{
    play(piece, parseLine(line, beat, velocity), voice, placement, rng);
}

std::vector<ScoreNote> chordNotes(const std::string& voicing, double beat, double beats, double velocity)
{
    std::vector<ScoreNote> notes;
    for (int midi : parseChord(voicing))
        notes.push_back({beat, beats, midi, velocity});
    return notes;
}

void strum(Arrangement& piece, const std::vector<int>& notes, double beat, double gateSeconds, double velocity,
    const Voice& voice, const Placement& placement, double stepSeconds, double panSpread, Rng& rng)
{
    const double count = double(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double v = std::clamp(velocity * (1.0 + placement.velocityJitter * rng.bipolar()), 0.05, 1.0);
        const double fan = count > 1 ? (double(i) / (count - 1) - 0.5) * panSpread : 0.0;
        piece.place(voice({midiToHz(notes[i] + placement.transpose), gateSeconds, v}), beat, placement.gain,
            placement.pan + fan, placement.sends, stepSeconds * double(i));
    }
}

Drummer::Drummer(Arrangement& piece, Rng& rng, const Sends& sends, double velocityJitter, double timingJitter)
    : piece_(piece)
    , rng_(rng)
    , sends_(sends)
    , velocityJitter_(velocityJitter)
    , timingJitter_(timingJitter)
{
}

void Drummer::hit(const PercTone& tone, double beat, double velocity, double gain, double pan)
{
    const double v = velocity * (1.0 + velocityJitter_ * rng_.bipolar());
    piece_.place(percussion(tone, v, rng_), barBeat_ + beat, gain, pan, sends_, timingJitter_ * rng_.bipolar());
}

double swing(double beat, double grid, double ratio)
{
    const double step = std::floor(beat / (2.0 * grid) + 1e-9);
    const double within = beat - step * 2.0 * grid;
    if (std::fabs(within - grid) < 1e-6)
        return step * 2.0 * grid + 2.0 * grid * ratio;
    return beat;
}

} // namespace audiogen
