// SPDX-License-Identifier: GPL-3.0-or-later
#include "buffer.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace audiogen {

void Stereo::resize(std::size_t frames)
{
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
}

void addMono(Stereo& dst, const Mono& src, std::size_t offset, double gain, double pan)
{
    if (dst.frames() < offset + src.size())
        dst.resize(offset + src.size());
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double gl = gain * std::cos(angle) * std::sqrt(2.0);
    const double gr = gain * std::sin(angle) * std::sqrt(2.0);
    for (std::size_t i = 0; i < src.size(); ++i) {
        dst.left[offset + i] += float(gl * src[i]);
        dst.right[offset + i] += float(gr * src[i]);
    }
}

void addMono(Mono& dst, const Mono& src, std::size_t offset, double gain)
{
    if (dst.size() < offset + src.size())
        dst.resize(offset + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[offset + i] += float(gain * src[i]);
}

void addStereo(Stereo& dst, const Stereo& src, std::size_t offset, double gain)
{
    if (dst.frames() < offset + src.frames())
        dst.resize(offset + src.frames());
    for (std::size_t i = 0; i < src.frames(); ++i) {
        dst.left[offset + i] += float(gain * src.left[i]);
        dst.right[offset + i] += float(gain * src.right[i]);
    }
}

void scale(Mono& buffer, double gain)
{
    for (float& s : buffer)
        s = float(s * gain);
}

void scale(Stereo& buffer, double gain)
{
    scale(buffer.left, gain);
    scale(buffer.right, gain);
}

void fadeEdges(Mono& buffer, double fadeInSeconds, double fadeOutSeconds)
{
    const std::size_t n = buffer.size();
    if (n == 0)
        return;
    const std::size_t fadeIn = std::min(n, std::max<std::size_t>(2, secondsToSamples(fadeInSeconds)));
    const std::size_t fadeOut = std::min(n, std::max<std::size_t>(2, secondsToSamples(fadeOutSeconds)));
    for (std::size_t i = 0; i < fadeIn; ++i)
        buffer[i] = float(buffer[i] * (0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeIn - 1))));
    for (std::size_t i = 0; i < fadeOut; ++i) {
        const double g = 0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeOut - 1));
        buffer[n - 1 - i] = float(buffer[n - 1 - i] * g);
    }
}

void fadeEdges(Stereo& buffer, double fadeInSeconds, double fadeOutSeconds)
{
    fadeEdges(buffer.left, fadeInSeconds, fadeOutSeconds);
    fadeEdges(buffer.right, fadeInSeconds, fadeOutSeconds);
}

namespace {

    std::size_t lastAudible(const Mono& buffer, double threshold)
    {
        std::size_t last = 0;
        for (std::size_t i = 0; i < buffer.size(); ++i)
            if (std::fabs(buffer[i]) > threshold)
                last = i;
        return last;
    }

} // namespace

void trimTail(Mono& buffer, double thresholdDb, double marginSeconds)
{
    const std::size_t keep = lastAudible(buffer, dbToGain(thresholdDb)) + secondsToSamples(marginSeconds);
    if (keep < buffer.size())
        buffer.resize(keep);
}

void trimTail(Stereo& buffer, double thresholdDb, double marginSeconds)
{
    const double threshold = dbToGain(thresholdDb);
    const std::size_t last = std::max(lastAudible(buffer.left, threshold), lastAudible(buffer.right, threshold));
    const std::size_t keep = last + secondsToSamples(marginSeconds);
    if (keep < buffer.frames())
        buffer.resize(keep);
}

void removeDc(Mono& buffer)
{
    // A 10 Hz high-pass run forwards and backwards: no phase shift, and any
    // offset left over from asymmetric waveforms is gone.
    const double r = 1.0 - 2.0 * kPi * 10.0 / kSampleRate;
    auto pass = [r](auto begin, auto end) {
        double x1 = 0.0, y1 = 0.0;
        for (auto it = begin; it != end; ++it) {
            const double x = *it;
            const double y = x - x1 + r * y1;
            x1 = x;
            y1 = y;
            *it = float(y);
        }
    };
    pass(buffer.begin(), buffer.end());
    pass(buffer.rbegin(), buffer.rend());
    double mean = 0.0;
    for (float s : buffer)
        mean += s;
    mean /= std::max<std::size_t>(1, buffer.size());
    for (float& s : buffer)
        s = float(s - mean);
}

void removeDc(Stereo& buffer)
{
    removeDc(buffer.left);
    removeDc(buffer.right);
}

double peak(const Mono& buffer)
{
    double p = 0.0;
    for (float s : buffer)
        p = std::max(p, double(std::fabs(s)));
    return p;
}

double peak(const Stereo& buffer)
{
    return std::max(peak(buffer.left), peak(buffer.right));
}

double rms(const Mono& buffer)
{
    double sum = 0.0;
    for (float s : buffer)
        sum += double(s) * s;
    return buffer.empty() ? 0.0 : std::sqrt(sum / double(buffer.size()));
}

double rms(const Stereo& buffer)
{
    const double l = rms(buffer.left), r = rms(buffer.right);
    return std::sqrt(0.5 * (l * l + r * r));
}

double loudness(const Stereo& buffer)
{
    Stereo filtered = buffer;
    for (Mono* channel : {&filtered.left, &filtered.right}) {
        Svf cut;
        cut.set(120.0, 0.7);
        for (float& s : *channel)
            s = float(cut.high(s));
    }
    return rms(filtered);
}

double dbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}
double gainToDb(double gain)
{
    return 20.0 * std::log10(std::max(gain, 1e-12));
}

void normalizePeak(Mono& buffer, double peakDb)
{
    const double p = peak(buffer);
    if (p > 0.0)
        scale(buffer, dbToGain(peakDb) / p);
}

void normalizePeak(Stereo& buffer, double peakDb)
{
    const double p = peak(buffer);
    if (p > 0.0)
        scale(buffer, dbToGain(peakDb) / p);
}

void limit(Stereo& buffer, double ceilingDb, double lookaheadSeconds, double releaseSeconds)
{
    const std::size_t n = buffer.frames();
    const double ceiling = dbToGain(ceilingDb);
    const std::size_t lookahead = std::max<std::size_t>(1, secondsToSamples(lookaheadSeconds));

    // Gain each frame needs on its own.
    std::vector<double> needed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double level = std::max(std::fabs(buffer.left[i]), std::fabs(buffer.right[i]));
        needed[i] = level > ceiling ? ceiling / level : 1.0;
    }

    // Minimum over the look-ahead window (monotonic deque).
    std::vector<double> target(n);
    std::deque<std::size_t> window;
    for (std::size_t i = 0, j = 0; i < n; ++i) {
        for (; j < std::min(n, i + lookahead + 1); ++j) {
            while (!window.empty() && needed[window.back()] >= needed[j])
                window.pop_back();
            window.push_back(j);
        }
        while (window.front() < i)
            window.pop_front();
        target[i] = needed[window.front()];
    }

    // Fall linearly to the target across the look-ahead, recover exponentially.
    const double recover = 1.0 - std::exp(-1.0 / (releaseSeconds * kSampleRate));
    const double maxStep = 1.0 / double(lookahead);
    double gain = 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (target[i] < gain)
            gain = std::max(target[i], gain - maxStep);
        else
            gain += recover * (target[i] - gain);
        const double g = std::min(gain, needed[i]);
        buffer.left[i] = float(buffer.left[i] * g);
        buffer.right[i] = float(buffer.right[i] * g);
    }
}

} // namespace audiogen
