// SPDX-License-Identifier: GPL-3.0-or-later
#include "instruments.h"

#include "buffer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace audiogen {

namespace {

    constexpr double kTwoPi = 2.0 * kPi;

    // Every voice gets a 1 ms fade-in and a short fade-out so that neither the
    // onset nor a truncated tail can produce a step in the mix.
    void finishVoice(Mono& voice)
    {
        fadeEdges(voice, 0.001, 0.006);
    }

    // Level after the gate closes: the held level times an exponential release.
    double gateDamping(double t, double gate, double release)
    {
        return t < gate ? 1.0 : std::exp(-(t - gate) / release);
    }

} // namespace

Mono pluckString(const NoteSpec& note, const PluckTone& tone, Rng& rng)
{
    // The two-point average in the loop delays by half a sample; the rest of
    // the period is an integer delay plus a first-order all-pass fraction.
    const double loopDelay = kSampleRate / note.frequency - 0.5;
    const std::size_t length = std::max<std::size_t>(2, std::size_t(std::floor(loopDelay - 0.1)));
    const double fraction = loopDelay - double(length);
    const double allpass = (1.0 - fraction) / (1.0 + fraction);

    // Excitation: coloured noise, with a notch comb for the pluck position.
    std::vector<double> raw(length);
    OnePole colour;
    colour.setLowpass(300.0 + 7000.0 * tone.brightness * (0.5 + 0.5 * note.velocity));
    for (double& s : raw)
        s = colour.low(rng.bipolar());
    const std::size_t notch = std::max<std::size_t>(1, std::size_t(std::lround(tone.position * double(length))));
    std::vector<double> line(length);
    double mean = 0.0, maxAbs = 1e-9;
    for (std::size_t i = 0; i < length; ++i) {
        line[i] = raw[i] - (i >= notch ? raw[i - notch] : raw[i + length - notch]);
        mean += line[i];
    }
    mean /= double(length);
    for (double& s : line) {
        s -= mean;
        maxAbs = std::max(maxAbs, std::fabs(s));
    }
    for (double& s : line)
        s /= maxAbs;

    const double loopGain = std::pow(10.0, -3.0 / (tone.ringSeconds * note.frequency));
    const double seconds = std::min(note.gate, tone.ringSeconds) + 7.0 * tone.release;
    Mono out(secondsToSamples(seconds));

    Svf body;
    const double bodyQ = 1.4;
    body.set(260.0, bodyQ);
    double previous = 0.0, apIn = 0.0, apOut = 0.0;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double sample = line[pos];
        const double averaged = 0.5 * (sample + previous);
        previous = sample;
        const double shifted = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        apOut = shifted;
        line[pos] = shifted * loopGain;
        pos = (pos + 1) % length;

        const double resonated = sample + tone.body * body.band(sample) / bodyQ * 2.0;
        out[i] = float(0.6 * note.velocity * resonated * gateDamping(t, note.gate, tone.release));
    }
    finishVoice(out);
    return out;
}

Mono electricPiano(const NoteSpec& note, const KeysTone& tone)
{
    const double f = note.frequency;
    // Lower notes sustain longer, as on the real instrument.
    const double decay = std::clamp(0.9 + 1.6 * std::sqrt(261.6 / f), 0.6, 4.0);
    const double release = 0.15;
    Mono out(secondsToSamples(note.gate + 7.0 * release));
    const bool tine = 7.0 * f < 0.4 * kSampleRate;
    const double level = 0.35 + 0.65 * note.velocity;
    double phase = 0.0; // cycles of the fundamental
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double index = tone.bark * (0.4 + 1.4 * note.velocity) * std::exp(-t / 0.35) + 0.3;
        const double modulator = std::sin(kTwoPi * phase);
        double y = std::sin(kTwoPi * phase + index * modulator);
        if (tine)
            y += 0.18 * note.velocity * std::exp(-t / 0.05) * std::sin(kTwoPi * 7.0 * phase);
        phase += f * std::pow(2.0, tone.wowCents * std::sin(kTwoPi * tone.wowHz * t) / 1200.0) / kSampleRate;
        const double tremolo = 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * tone.tremoloHz * t));
        const double amp = std::exp(-t / decay) * gateDamping(t, note.gate, release);
        out[i] = float(0.5 * level * y * amp * tremolo);
    }
    finishVoice(out);
    return out;
}

Mono pad(const NoteSpec& note, const PadTone& tone, Rng& rng)
{
    const Adsr envelope {tone.attack, 1.0, 1.0, tone.release / 3.0};
    Mono out(secondsToSamples(envelope.tailSeconds(note.gate)));
    std::vector<Oscillator> saws;
    std::vector<double> ratios;
    const int voices = std::max(1, tone.voices);
    for (int v = 0; v < voices; ++v) {
        saws.emplace_back(Oscillator::Shape::Saw, rng.uniform());
        const double spread = voices == 1 ? 0.0 : (double(v) / (voices - 1) * 2.0 - 1.0);
        ratios.push_back(std::pow(2.0, spread * tone.detuneCents / 1200.0));
    }
    Svf first, second;
    const double lfoRate = rng.range(0.08, 0.16);
    const double lfoPhase = rng.uniform() * kTwoPi;
    const double gain = 0.35 / std::sqrt(double(voices));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        if (i % 32 == 0) {
            const double cutoff = tone.cutoffHz * (1.0 + 0.2 * std::sin(kTwoPi * lfoRate * t + lfoPhase));
            first.set(cutoff, 0.6);
            second.set(cutoff, 0.6);
        }
        double y = 0.0;
        for (int v = 0; v < voices; ++v)
            y += saws[std::size_t(v)].tick(note.frequency * ratios[std::size_t(v)]);
        y = second.low(first.low(y));
        out[i] = float(gain * note.velocity * y * envelope.at(t, note.gate));
    }
    finishVoice(out);
    return out;
}

Mono bass(const NoteSpec& note, const BassTone& tone)
{
    const Adsr envelope {0.004, 0.25, tone.sustain, tone.release};
    Mono out(secondsToSamples(envelope.tailSeconds(note.gate)));
    Oscillator sine(Oscillator::Shape::Sine);
    Oscillator saw(Oscillator::Shape::Saw);
    Svf filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        if (i % 16 == 0)
            filter.set(note.frequency * (1.5 + 6.0 * tone.brightness * (0.3 + 0.7 * std::exp(-t / 0.12))), 0.7);
        const double edge = filter.low(saw.tick(note.frequency));
        const double y = sine.tick(note.frequency) + (0.2 + 0.6 * tone.brightness) * edge;
        out[i] = float(0.55 * note.velocity * y * envelope.at(t, note.gate));
    }
    finishVoice(out);
    return out;
}

Mono pulseSynth(const NoteSpec& note, const PulseTone& tone)
{
    const Adsr envelope {tone.attack, tone.decaySeconds, 0.0, 0.04};
    Mono out(secondsToSamples(std::min(note.gate, 6.0 * tone.decaySeconds) + 7.0 * envelope.release));
    Oscillator saw(Oscillator::Shape::Saw);
    Oscillator square(Oscillator::Shape::Square, 0.25);
    Svf filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        if (i % 8 == 0)
            filter.set(tone.cutoffHz * std::pow(2.0, tone.envelopeOctaves * std::exp(-t / 0.05)), tone.resonance);
        const double raw
            = (1.0 - tone.squareMix) * saw.tick(note.frequency) + tone.squareMix * 0.7 * square.tick(note.frequency);
        const double y = std::tanh(1.2 * filter.low(raw)) / 1.2;
        out[i] = float(0.5 * note.velocity * y * envelope.at(t, note.gate));
    }
    finishVoice(out);
    return out;
}

Mono mallet(const NoteSpec& note, const MalletTone& tone)
{
    struct Mode {
        double ratio, level, decay;
    };
    static const std::array<Mode, 4> marimba {{{1.0, 1.0, 1.0}, {3.99, 0.35, 0.35}, {10.65, 0.12, 0.15}, {0, 0, 0}}};
    static const std::array<Mode, 4> glockenspiel {
        {{1.0, 1.0, 1.0}, {2.76, 0.45, 0.55}, {5.40, 0.25, 0.35}, {8.93, 0.12, 0.2}}};
    static const std::array<Mode, 4> vibraphone {{{1.0, 1.0, 1.0}, {3.98, 0.25, 0.4}, {9.9, 0.06, 0.2}, {0, 0, 0}}};
    const auto& modes = tone.bar == MalletTone::Bar::Marimba ? marimba
        : tone.bar == MalletTone::Bar::Glockenspiel          ? glockenspiel
                                                             : vibraphone;
    const double release = 0.2;
    const double seconds = std::min(note.gate + 7.0 * release, 7.0 * tone.ringSeconds);
    Mono out(secondsToSamples(seconds));
    for (const Mode& mode : modes) {
        const double f = note.frequency * mode.ratio;
        if (mode.level <= 0.0 || f > 8000.0)
            continue;
        const double level = mode.ratio == 1.0 ? mode.level : std::min(1.0, mode.level * 2.0 * tone.hardness);
        const double tau = tone.ringSeconds * mode.decay;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = double(i) / kSampleRate;
            out[i] += float(level * std::sin(kTwoPi * f * t) * std::exp(-t / tau));
        }
    }
    // A soft mallet takes a moment to press into the bar.
    const double strikeSeconds = 0.0015 + 0.003 * (1.0 - tone.hardness);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double tremolo = 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * tone.tremoloHz * t));
        const double strike = t < strikeSeconds ? 0.5 - 0.5 * std::cos(kPi * t / strikeSeconds) : 1.0;
        out[i] = float(0.5 * note.velocity * out[i] * tremolo * strike * gateDamping(t, note.gate, release));
    }
    finishVoice(out);
    return out;
}

Mono bell(const NoteSpec& note, const BellTone& tone)
{
    const double f = note.frequency;
    // Keep the upper sidebands below the output's band limit.
    const double index0 = 2.0 * tone.brightness * std::min(1.0, 800.0 / f);
    const bool strikePartial = 2.76 * f < 8000.0;
    const double release = 0.6;
    const double seconds = std::min(note.gate + 7.0 * release, 6.0 * tone.ringSeconds);
    Mono out(secondsToSamples(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double index = index0 * std::exp(-t / (0.3 * tone.ringSeconds));
        const double main = std::sin(kTwoPi * f * t + index * std::sin(kTwoPi * 4.0 * f * t));
        // A second, slightly sharp carrier beats slowly against the first.
        double shimmer = 0.3 * std::sin(kTwoPi * f * 1.002 * t + 0.5 * index * std::sin(kTwoPi * 4.0 * f * t));
        if (strikePartial)
            shimmer += 0.25 * tone.brightness * std::sin(kTwoPi * 2.76 * f * t) * std::exp(-t / 0.15);
        const double strike = t < 0.004 ? 0.5 - 0.5 * std::cos(kPi * t / 0.004) : 1.0;
        const double amp = strike * std::exp(-t / tone.ringSeconds) * gateDamping(t, note.gate, release);
        out[i] = float(0.4 * note.velocity * (main + shimmer) * amp);
    }
    finishVoice(out);
    return out;
}

Mono breathyLead(const NoteSpec& note, const LeadTone& tone, Rng& rng)
{
    const Adsr envelope {tone.attack, 0.3, 0.85, 0.12};
    Mono out(secondsToSamples(envelope.tailSeconds(note.gate)));
    // Breath is noise tuned around the second harmonic, plus a little air.
    Svf breathFilter;
    const double breathQ = 2.5;
    breathFilter.set(std::min(2.0 * note.frequency, 3000.0), breathQ);
    OnePole air;
    air.setLowpass(2000.0);
    const double vibratoPhase = rng.uniform() * kTwoPi;
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        // A held note first settles, then starts to sing.
        const double vibratoAmount = std::clamp((t - 0.2) / 0.4, 0.0, 1.0);
        const double cents = vibratoAmount * tone.vibratoCents * std::sin(kTwoPi * tone.vibratoHz * t + vibratoPhase);
        phase += note.frequency * std::pow(2.0, cents / 1200.0) / kSampleRate;
        phase -= std::floor(phase);
        const double p = kTwoPi * phase;
        double y = std::sin(p) + tone.second * std::sin(2.0 * p) + tone.third * std::sin(3.0 * p);
        const double noise = rng.bipolar();
        y += tone.breath * (1.5 * breathFilter.band(noise) / breathQ + 0.1 * air.low(noise));
        out[i] = float(0.35 * note.velocity * y * envelope.at(t, note.gate));
    }
    finishVoice(out);
    return out;
}

} // namespace audiogen
