// SPDX-License-Identifier: GPL-3.0-or-later
#include "score.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace audiogen {

int noteNumber(const std::string& name)
{
    static const int kPitchClass[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + name);
    int pitch = kPitchClass[name[0] - 'A'];
    std::size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i)
        pitch += name[i] == '#' ? 1 : -1;
    if (i >= name.size())
        throw std::invalid_argument("note without octave: " + name);
    const int octave = std::stoi(name.substr(i));
    return 12 * (octave + 1) + pitch;
}

namespace {

    struct Token {
        std::string name; // empty for a rest
        double beats;
        double accent;
    };

    std::vector<Token> tokenize(const std::string& text)
    {
        std::vector<Token> tokens;
        std::istringstream in(text);
        std::string word;
        double beats = 1.0;
        while (in >> word) {
            double accent = 1.0;
            if (word.back() == '!' || word.back() == '?') {
                accent = word.back() == '!' ? 1.2 : 0.65;
                word.pop_back();
            }
            const std::size_t colon = word.find(':');
            if (colon != std::string::npos) {
                beats = std::stod(word.substr(colon + 1));
                word.erase(colon);
            }
            tokens.push_back({word == "-" ? std::string() : word, beats, accent});
        }
        return tokens;
    }

} // namespace

std::vector<ScoreNote> parseLine(const std::string& text, double startBeat, double velocity)
{
    std::vector<ScoreNote> notes;
    double beat = startBeat;
    for (const Token& token : tokenize(text)) {
        if (!token.name.empty())
            notes.push_back({beat, token.beats, noteNumber(token.name), std::min(1.0, velocity * token.accent)});
        beat += token.beats;
    }
    return notes;
}

std::vector<int> parseChord(const std::string& text)
{
    std::vector<int> notes;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        notes.push_back(noteNumber(word));
    return notes;
}

} // namespace audiogen
