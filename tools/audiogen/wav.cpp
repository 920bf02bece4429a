// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace audiogen {

namespace {

    void putLe(std::ofstream& out, std::uint32_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out.put(char((value >> (8 * i)) & 0xFF));
    }

    std::int16_t toPcm(float sample)
    {
        // Plain rounding rather than dither: silence must stay exactly zero so
        // that every file starts and ends on a zero sample.
        const double scaled = std::clamp(double(sample), -1.0, 1.0) * 32767.0;
        return std::int16_t(std::lround(scaled));
    }

    bool writeInterleaved(const std::string& path, const std::vector<const Mono*>& channels, std::string& error)
    {
        const std::uint32_t channelCount = std::uint32_t(channels.size());
        const std::uint32_t frames = std::uint32_t(channels.front()->size());
        const std::uint32_t blockAlign = channelCount * 2;
        const std::uint32_t dataBytes = frames * blockAlign;

        std::ofstream out(path, std::ios::binary);
        if (!out) {
            error = "cannot open " + path + " for writing";
            return false;
        }
        out.write("RIFF", 4);
        putLe(out, 36 + dataBytes, 4);
        out.write("WAVE", 4);
        out.write("fmt ", 4);
        putLe(out, 16, 4);
        putLe(out, 1, 2); // PCM
        putLe(out, channelCount, 2);
        putLe(out, kSampleRate, 4);
        putLe(out, kSampleRate * blockAlign, 4);
        putLe(out, blockAlign, 2);
        putLe(out, 16, 2);
        out.write("data", 4);
        putLe(out, dataBytes, 4);
        for (std::uint32_t i = 0; i < frames; ++i)
            for (const Mono* channel : channels)
                putLe(out, std::uint16_t(toPcm((*channel)[i])), 2);
        out.flush();
        if (!out) {
            error = "failed writing " + path;
            return false;
        }
        return true;
    }

} // namespace

bool writeWav(const std::string& path, const Mono& samples, std::string& error)
{
    return writeInterleaved(path, {&samples}, error);
}

bool writeWav(const std::string& path, const Stereo& samples, std::string& error)
{
    return writeInterleaved(path, {&samples.left, &samples.right}, error);
}

} // namespace audiogen
