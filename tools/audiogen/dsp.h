// SPDX-License-Identifier: GPL-3.0-or-later
// Building blocks shared by every instrument: random numbers, note maths,
// band-limited oscillators, envelopes and filters.
#pragma once

#include <cstdint>
#include <vector>

namespace audiogen {

constexpr double kPi = 3.14159265358979323846;
// The game opens its mixer at 22050 Hz, so rendering any higher would only
// produce content that is thrown away on playback.
constexpr int kSampleRate = 22050;

using Mono = std::vector<float>;

// Small, fully specified generator so that every run renders identical files
// regardless of the standard library in use.
class Rng {
public:
    explicit Rng(std::uint64_t seed);
    std::uint64_t next();
    double uniform(); // [0, 1)
    double bipolar(); // [-1, 1)
    double range(double low, double high);
    bool chance(double probability);

private:
    std::uint64_t state_;
};

double midiToHz(double midi);
std::size_t secondsToSamples(double seconds);

// Band-limited step correction for saw and square oscillators.
double polyBlep(double phase, double increment);

class Oscillator {
public:
    enum class Shape { Sine, Saw, Square };

    explicit Oscillator(Shape shape, double startPhase = 0.0);
    // Returns one sample at the given frequency and advances the phase.
    double tick(double frequencyHz);

private:
    Shape shape_;
    double phase_;
};

struct Adsr {
    double attack; // seconds
    double decay; // seconds, time constant of the fall towards sustain
    double sustain; // level 0..1
    double release; // seconds, time constant after the gate closes

    // Level at time t for a note held for gateSeconds. Attack uses a raised
    // cosine so that even very short attacks start without a step.
    double at(double t, double gateSeconds) const;
    // Length after which the level has fallen below audibility.
    double tailSeconds(double gateSeconds) const;
};

// Topology-preserving state-variable filter: stays stable when the cutoff is
// swept every sample, which the synth voices rely on.
class Svf {
public:
    struct Out {
        double low, band, high;
    };

    void set(double cutoffHz, double q);
    Out tick(double input);
    double low(double input) { return tick(input).low; }
    double band(double input) { return tick(input).band; }
    double high(double input) { return tick(input).high; }

private:
    double a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1;
    double ic1_ = 0, ic2_ = 0;
};

class OnePole {
public:
    void setLowpass(double cutoffHz);
    double low(double input);

private:
    double coefficient_ = 0.0;
    double state_ = 0.0;
};

} // namespace audiogen
