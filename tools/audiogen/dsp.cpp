// SPDX-License-Identifier: GPL-3.0-or-later
#include "dsp.h"

#include <algorithm>
#include <cmath>

namespace audiogen {

Rng::Rng(std::uint64_t seed)
    : state_(seed ^ 0x9E3779B97F4A7C15ULL)
{
}

std::uint64_t Rng::next()
{
    // splitmix64: tiny, good enough for humanising and noise.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}
double Rng::bipolar()
{
    return uniform() * 2.0 - 1.0;
}
double Rng::range(double low, double high)
{
    return low + (high - low) * uniform();
}
bool Rng::chance(double probability)
{
    return uniform() < probability;
}

double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

std::size_t secondsToSamples(double seconds)
{
    return seconds <= 0.0 ? 0 : std::size_t(std::lround(seconds * kSampleRate));
}

double polyBlep(double phase, double increment)
{
    if (phase < increment) {
        const double t = phase / increment;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double t = (phase - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

Oscillator::Oscillator(Shape shape, double startPhase)
    : shape_(shape)
    , phase_(startPhase)
{
}

double Oscillator::tick(double frequencyHz)
{
    const double increment = std::min(frequencyHz / kSampleRate, 0.49);
    double value = 0.0;
    switch (shape_) {
    case Shape::Sine: value = std::sin(2.0 * kPi * phase_); break;
    case Shape::Saw: value = 2.0 * phase_ - 1.0 - polyBlep(phase_, increment); break;
    case Shape::Square: {
        value = phase_ < 0.5 ? 1.0 : -1.0;
        value += polyBlep(phase_, increment);
        double shifted = phase_ + 0.5;
        if (shifted >= 1.0)
            shifted -= 1.0;
        value -= polyBlep(shifted, increment);
        break;
    }
    }
    phase_ += increment;
    if (phase_ >= 1.0)
        phase_ -= 1.0;
    return value;
}

double Adsr::at(double t, double gateSeconds) const
{
    if (t < 0.0)
        return 0.0;
    auto held = [this](double u) {
        if (u < attack)
            return 0.5 - 0.5 * std::cos(kPi * u / attack);
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / decay);
    };
    if (t < gateSeconds)
        return held(t);
    return held(gateSeconds) * std::exp(-(t - gateSeconds) / release);
}

double Adsr::tailSeconds(double gateSeconds) const
{
    return gateSeconds + 7.0 * release;
}

void Svf::set(double cutoffHz, double q)
{
    const double fc = std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate);
    const double g = std::tan(kPi * fc / kSampleRate);
    k_ = 1.0 / std::max(q, 0.05);
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

Svf::Out Svf::tick(double input)
{
    const double v3 = input - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, input - k_ * v1 - v2};
}

void OnePole::setLowpass(double cutoffHz)
{
    coefficient_ = 1.0 - std::exp(-2.0 * kPi * cutoffHz / kSampleRate);
}

double OnePole::low(double input)
{
    state_ += coefficient_ * (input - state_);
    return state_;
}

} // namespace audiogen
