// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Declared here rather than included so that users of the bank never see the SDL headers.
struct Mix_Chunk;
struct _Mix_Music;

// The game's audio: four sound effects kept in memory and background music streamed from
// one of three tracks, one random track after another. Everything is read from the game's
// asset folder ("Sounds//draw.wav", "Music//Chill.ogg", ...), as the game reads its files:
// only regular files, never waiting on a pipe.
//
// The sound and music switches belong to the caller (they are settings of the window); each
// call that depends on one takes it as an argument, so there is a single copy of each.
//
// Without an audio device the bank reports it once at construction and from then on never
// calls the mixer: every operation does nothing and the game runs silently.
//
// While nothing plays the device is closed, so that a game at rest is never woken by the
// mixer's thread (which, merely paused, would go on mixing silence); the next effect or track
// opens it again.
//
// Only one bank may exist at a time: it starts SDL's audio and shuts SDL down again. All
// calls come from one thread; the mixer does its mixing on its own thread.
class SoundBank {
public:
    enum class Effect { Draw, Erase, Mistake, Win };

    // Opens the audio device and loads the effects; starts no music. When the device cannot
    // be opened, reportNoDevice is called once, before the constructor returns. Files are
    // read from assetFolder, or by relative path from the working folder when it is empty.
    explicit SoundBank(const std::function<void()>& reportNoDevice = {}, const std::string& assetFolder = {});
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Starts the effect once on a free channel, so effects overlap. Nothing happens with the
    // sound switched off, when the effect's file did not load or when every channel is busy.
    void play(Effect effect, bool soundOn);

    // Replaces the current track (if any) by a random one played once from the start. A track
    // that does not load leaves the music silent until the next call.
    void playRandomTrack();

    // Starts a new random track when music was switched on; halts and releases the track when
    // it was switched off.
    void applyMusicSwitch(bool musicOn);

    // Call once per game tick: with music on and nothing playing, the next random track
    // starts, so a finished track is followed within one tick and a track that failed to
    // load is retried with a new pick; with music off and every effect over, the device
    // rests. Never waits.
    void keepMusicGoing(bool musicOn);
    // How long until the effects playing now have ended and the device may rest; zero when
    // none plays.
    std::chrono::milliseconds untilQuiet() const;

    // False when no audio device could be opened.
    bool isOpen() const { return open; }
    // Whether the device is open now: only while something plays, or is about to.
    bool isAwake() const { return deviceOpen; }
    // The file of the loaded track, or nullptr when no track is loaded.
    const char* loadedTrack() const { return music ? musicFile.c_str() : nullptr; }

private:
    // Opens the device again if it rests; false when it cannot be had as the effects need it.
    bool wake();
    // Closes the device once nothing plays.
    void rest();
    void releaseTrack();
    std::string assetPath(const char* relative) const;

    bool open = false;
    bool deviceOpen = false;
    int deviceFrequency = 0;
    std::uint16_t deviceFormat = 0;
    int deviceChannels = 0;
    std::chrono::steady_clock::time_point quietAt;
    std::array<Mix_Chunk*, 4> effects {};
    _Mix_Music* music = nullptr;
    std::string assetFolder;
    std::string musicFile;
    // The loaded track's file, which the mixer reads as it plays.
    std::vector<char> musicBytes;
};
