// SPDX-License-Identifier: GPL-3.0-or-later
#include "space.h"

#include <algorithm>
#include <cmath>

namespace audiogen {

namespace {

    class Comb {
    public:
        explicit Comb(std::size_t length)
            : line_(length, 0.0)
        {
        }
        double tick(double input, double feedback, double damp)
        {
            const double out = line_[pos_];
            store_ = out * (1.0 - damp) + store_ * damp;
            line_[pos_] = input + store_ * feedback;
            pos_ = (pos_ + 1) % line_.size();
            return out;
        }

    private:
        std::vector<double> line_;
        std::size_t pos_ = 0;
        double store_ = 0.0;
    };

    class Allpass {
    public:
        explicit Allpass(std::size_t length)
            : line_(length, 0.0)
        {
        }
        double tick(double input)
        {
            const double buffered = line_[pos_];
            line_[pos_] = input + buffered * 0.5;
            pos_ = (pos_ + 1) % line_.size();
            return buffered - input;
        }

    private:
        std::vector<double> line_;
        std::size_t pos_ = 0;
    };

    // Tunings chosen at 44.1 kHz; mutually prime-ish lengths avoid metallic ringing.
    constexpr int kCombTuning[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    constexpr int kAllpassTuning[] = {556, 441, 341, 225};
    constexpr int kStereoSpread = 23;

    std::size_t scaled(int samplesAt44k)
    {
        return std::size_t(std::max(1L, std::lround(samplesAt44k * kSampleRate / 44100.0)));
    }

} // namespace

Stereo reverb(const Stereo& send, const ReverbSettings& settings)
{
    const double feedback = 0.7 + 0.28 * settings.roomSize;
    const double damp = 0.4 * settings.damping;
    // Time for the longest comb (about 37 ms) to fall by 60 dB, with margin.
    const double tail = 0.04 * std::log(0.001) / std::log(feedback) + 0.3;
    const std::size_t preDelay = secondsToSamples(settings.preDelay);
    const std::size_t frames = send.frames() + preDelay + secondsToSamples(tail);

    Stereo wet(frames);
    std::vector<Comb> combsL, combsR;
    std::vector<Allpass> allpassL, allpassR;
    for (int t : kCombTuning) {
        combsL.emplace_back(scaled(t));
        combsR.emplace_back(scaled(t + kStereoSpread));
    }
    for (int t : kAllpassTuning) {
        allpassL.emplace_back(scaled(t));
        allpassR.emplace_back(scaled(t + kStereoSpread));
    }

    const double inputGain = 0.015;
    for (std::size_t i = 0; i < frames; ++i) {
        double input = 0.0;
        if (i >= preDelay && i - preDelay < send.frames())
            input = (send.left[i - preDelay] + send.right[i - preDelay]) * inputGain;
        double l = 0.0, r = 0.0;
        for (auto& c : combsL)
            l += c.tick(input, feedback, damp);
        for (auto& c : combsR)
            r += c.tick(input, feedback, damp);
        for (auto& a : allpassL)
            l = a.tick(l);
        for (auto& a : allpassR)
            r = a.tick(r);
        const double wet1 = 0.5 * (1.0 + settings.width);
        const double wet2 = 0.5 * (1.0 - settings.width);
        wet.left[i] = float(l * wet1 + r * wet2);
        wet.right[i] = float(r * wet1 + l * wet2);
    }
    return wet;
}

Stereo echo(const Stereo& send, const EchoSettings& settings)
{
    const std::size_t delay = std::max<std::size_t>(1, secondsToSamples(settings.delaySeconds));
    // Enough repeats to fall below -60 dB.
    const double repeats = std::ceil(std::log(0.001) / std::log(std::max(settings.feedback, 0.01)));
    const std::size_t frames = send.frames() + delay * std::size_t(repeats + 1);

    Stereo out(frames);
    std::vector<double> lineL(delay, 0.0), lineR(delay, 0.0);
    OnePole toneL, toneR;
    toneL.setLowpass(settings.toneHz);
    toneR.setLowpass(settings.toneHz);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double inL = i < send.frames() ? send.left[i] : 0.0;
        const double inR = i < send.frames() ? send.right[i] : 0.0;
        const double outL = lineL[pos];
        const double outR = lineR[pos];
        if (settings.pingPong) {
            // Mono input enters on the left and bounces across on each repeat.
            lineL[pos] = toneL.low(0.5 * (inL + inR) + outR * settings.feedback);
            lineR[pos] = toneR.low(outL * settings.feedback);
        } else {
            lineL[pos] = toneL.low(inL + outL * settings.feedback);
            lineR[pos] = toneR.low(inR + outR * settings.feedback);
        }
        pos = (pos + 1) % delay;
        out.left[i] = float(outL);
        out.right[i] = float(outR);
    }
    return out;
}

} // namespace audiogen
