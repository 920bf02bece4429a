// SPDX-License-Identifier: GPL-3.0-or-later
// Sample buffers and the operations every finished sound goes through:
// placing, fading, measuring, levelling.
#pragma once

#include "dsp.h"

namespace audiogen {

struct Stereo {
    Mono left;
    Mono right;

    Stereo() = default;
    explicit Stereo(std::size_t frames)
        : left(frames, 0.0f)
        , right(frames, 0.0f)
    {
    }
    std::size_t frames() const { return left.size(); }
    void resize(std::size_t frames);
};

// Mixes src into dst starting at frame offset, growing dst when needed.
// pan runs from -1 (left) to 1 (right) with equal-power gains.
void addMono(Stereo& dst, const Mono& src, std::size_t offset, double gain, double pan);
void addMono(Mono& dst, const Mono& src, std::size_t offset, double gain);
void addStereo(Stereo& dst, const Stereo& src, std::size_t offset, double gain);

void scale(Mono& buffer, double gain);
void scale(Stereo& buffer, double gain);

// Raised-cosine fades. The very first and last samples become exactly zero,
// so a sound never starts or stops with a step.
void fadeEdges(Mono& buffer, double fadeInSeconds, double fadeOutSeconds);
void fadeEdges(Stereo& buffer, double fadeInSeconds, double fadeOutSeconds);

// Drops trailing samples quieter than thresholdDb (relative to full scale),
// keeping a little margin so the final fade has room.
void trimTail(Mono& buffer, double thresholdDb, double marginSeconds);
void trimTail(Stereo& buffer, double thresholdDb, double marginSeconds);

void removeDc(Mono& buffer);
void removeDc(Stereo& buffer);

double peak(const Mono& buffer);
double peak(const Stereo& buffer);
double rms(const Mono& buffer);
double rms(const Stereo& buffer);
// RMS after a gentle low cut, a rough stand-in for perceived loudness that
// keeps bass-heavy mixes from reading louder than they sound.
double loudness(const Stereo& buffer);

double dbToGain(double db);
double gainToDb(double gain);

// Scales the buffer so that its peak sits at peakDb.
void normalizePeak(Mono& buffer, double peakDb);
void normalizePeak(Stereo& buffer, double peakDb);

// Look-ahead peak limiter: gain only ever drops ahead of a peak and recovers
// slowly, so drum hits are tamed without audible pumping or clipping.
void limit(Stereo& buffer, double ceilingDb, double lookaheadSeconds, double releaseSeconds);

} // namespace audiogen
