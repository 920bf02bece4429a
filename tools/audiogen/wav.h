// SPDX-License-Identifier: GPL-3.0-or-later
// 16-bit PCM RIFF/WAVE output, the format the game's mixer loads effects from.
#pragma once

#include "buffer.h"

#include <string>

namespace audiogen {

// Returns false (and leaves a message in error) when the file cannot be written.
bool writeWav(const std::string& path, const Mono& samples, std::string& error);
bool writeWav(const std::string& path, const Stereo& samples, std::string& error);

} // namespace audiogen
