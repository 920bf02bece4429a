// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundBank.h"

#include "AssetFolder.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// In the order of SoundBank::Effect.
const char* const effectFiles[] = {"Sounds//draw.wav", "Sounds//erase.wav", "Sounds//mistake.wav", "Sounds//win.wav"};
// Indexed by the random pick.
const char* const trackFiles[] = {"Music//Babylon.ogg", "Music//Chill.ogg", "Music//Hypnothis.ogg"};

constexpr int frequency = 22050;
constexpr int chunkSize = 1024;
constexpr int musicVolume = 50;
QByteArray readAsset(const std::string& path)
{
    return AssetFolder::readFile(QFile::decodeName(path.c_str()));
}

// The mixer reads the bytes through this; an empty file loads nothing, as a missing one.
SDL_RWops* memoryOf(const QByteArray& bytes)
{
    return bytes.isEmpty() ? nullptr : SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
}

} // namespace

SoundBank::SoundBank(const std::function<void()>& reportNoDevice, const std::string& folder)
    : assetFolder(folder)
{
    // SDL would otherwise catch SIGINT and SIGTERM to post a quit event that this Qt program
    // never reads, so the game could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A failure here shows up again, and is reported, when the device is opened.
    SDL_Init(SDL_INIT_AUDIO);
    if (Mix_OpenAudio(frequency, AUDIO_S16LSB, 2, chunkSize) != 0) {
        if (reportNoDevice)
            reportNoDevice();
        return;
    }
    open = true;
    deviceOpen = true;
    // Effects are kept in the device's format, which every later opening asks for again.
    Mix_QuerySpec(&deviceFrequency, &deviceFormat, &deviceChannels);
    for (std::size_t i = 0; i < effects.size(); ++i)
        effects[i] = Mix_LoadWAV_RW(memoryOf(readAsset(assetPath(effectFiles[i]))), 1);
    rest();
}

bool SoundBank::wake()
{
    if (deviceOpen)
        return true;
    int frequencyNow = 0;
    Uint16 formatNow = 0;
    int channelsNow = 0;
    if (Mix_OpenAudio(deviceFrequency, deviceFormat, deviceChannels, chunkSize) != 0)
        return false;
    deviceOpen = true;
    // A device that changed its format meanwhile could not play the kept effects.
    Mix_QuerySpec(&frequencyNow, &formatNow, &channelsNow);
    if (frequencyNow != deviceFrequency || formatNow != deviceFormat || channelsNow != deviceChannels) {
        Mix_CloseAudio();
        deviceOpen = false;
        return false;
    }
    Mix_VolumeMusic(musicVolume);
    return true;
}

void SoundBank::rest()
{
    if (deviceOpen && Mix_Playing(-1) == 0 && Mix_PlayingMusic() == 0) {
        releaseTrack();
        Mix_CloseAudio();
        deviceOpen = false;
    }
}

std::chrono::milliseconds SoundBank::untilQuiet() const
{
    if (!deviceOpen || Mix_Playing(-1) == 0)
        return std::chrono::milliseconds(0);
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(quietAt - std::chrono::steady_clock::now());
    // A channel's end lags its computed length by the device's buffer; a little later is soon enough.
    return std::max(left, std::chrono::milliseconds(0)) + std::chrono::milliseconds(100);
}

SoundBank::~SoundBank()
{
    if (open) {
        releaseTrack();
        // Freeing a chunk also stops the channels still playing it.
        for (Mix_Chunk* chunk : effects) {
            if (chunk)
                Mix_FreeChunk(chunk);
        }
        if (deviceOpen)
            Mix_CloseAudio();
    }
    SDL_Quit();
}

void SoundBank::play(Effect effect, bool soundOn)
{
    Mix_Chunk* chunk = effects[static_cast<std::size_t>(effect)];
    if (!open || !soundOn || !chunk || !wake())
        return;
    if (Mix_PlayChannelTimed(-1, chunk, 0, -1) < 0)
        return;
    const int bytesPerSecond = deviceFrequency * deviceChannels * int(SDL_AUDIO_BITSIZE(deviceFormat) / 8);
    const auto length = std::chrono::milliseconds(std::int64_t(chunk->alen) * 1000 / std::max(1, bytesPerSecond));
    quietAt = std::max(quietAt, std::chrono::steady_clock::now() + length);
}

void SoundBank::playRandomTrack()
{
    if (!open || !wake())
        return;
    releaseTrack();
    musicFile = assetPath(trackFiles[std::rand() % 3]);
    // The mixer streams the track from these bytes while it plays.
    const QByteArray bytes = readAsset(musicFile);
    musicBytes.assign(bytes.begin(), bytes.end());
    if (!musicBytes.empty())
        music = Mix_LoadMUS_RW(SDL_RWFromConstMem(musicBytes.data(), int(musicBytes.size())), 1);
    if (music)
        Mix_PlayMusic(music, 0);
}

void SoundBank::applyMusicSwitch(bool musicOn)
{
    if (!open)
        return;
    if (musicOn) {
        playRandomTrack();
    } else if (deviceOpen) {
        Mix_HaltMusic();
        releaseTrack();
        rest();
    }
}

void SoundBank::keepMusicGoing(bool musicOn)
{
    if (!open)
        return;
    if (musicOn && (!deviceOpen || Mix_PlayingMusic() == 0))
        playRandomTrack();
    else if (!musicOn)
        rest();
}

void SoundBank::releaseTrack()
{
    if (music) {
        // Stops the track first if it is still playing.
        Mix_FreeMusic(music);
        music = nullptr;
    }
    musicBytes.clear();
}

std::string SoundBank::assetPath(const char* relative) const
{
    return assetFolder.empty() ? relative : assetFolder + '/' + relative;
}
