// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the game's sound effects and music as WAV files.
//
//   tessarin-audiogen OUTDIR [effects|music]
//
// Writes OUTDIR/Sounds/{draw,erase,mistake,win}.wav and
// OUTDIR/Music/{Babylon,Chill,Hypnothis}.wav. Output is identical on every
// run: all randomness comes from fixed seeds.

#include "effects.h"
#include "tracks.h"
#include "wav.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace audiogen;

std::size_t frameCount(const Mono& sound)
{
    return sound.size();
}
std::size_t frameCount(const Stereo& sound)
{
    return sound.frames();
}

template <typename Buffer>
bool save(const std::filesystem::path& path, const Buffer& sound)
{
    std::string error;
    if (!writeWav(path.string(), sound, error)) {
        std::fprintf(stderr, "tessarin-audiogen: %s\n", error.c_str());
        return false;
    }
    std::printf("%-14s %6.2f s  peak %6.1f dBFS  rms %6.1f dBFS\n", path.filename().string().c_str(),
        double(frameCount(sound)) / kSampleRate, gainToDb(peak(sound)), gainToDb(rms(sound)));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTDIR [effects|music]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out(argv[1]);
    const std::string which = argc == 3 ? argv[2] : "all";
    if (which != "all" && which != "effects" && which != "music") {
        std::fprintf(stderr, "unknown selection '%s'\n", which.c_str());
        return 2;
    }
    for (const char* folder : {"Sounds", "Music"}) {
        std::error_code ec;
        std::filesystem::create_directories(out / folder, ec);
        if (ec) {
            std::fprintf(stderr, "tessarin-audiogen: cannot create %s: %s\n", (out / folder).string().c_str(),
                ec.message().c_str());
            return 1;
        }
    }

    bool ok = true;
    if (which != "music") {
        ok = save(out / "Sounds" / "draw.wav", drawEffect()) && ok;
        ok = save(out / "Sounds" / "erase.wav", eraseEffect()) && ok;
        ok = save(out / "Sounds" / "mistake.wav", mistakeEffect()) && ok;
        ok = save(out / "Sounds" / "win.wav", winEffect()) && ok;
    }
    if (which != "effects") {
        ok = save(out / "Music" / "Babylon.wav", babylonTrack()) && ok;
        ok = save(out / "Music" / "Chill.wav", chillTrack()) && ok;
        ok = save(out / "Music" / "Hypnothis.wav", hypnothisTrack()) && ok;
    }
    return ok ? 0 : 1;
}
