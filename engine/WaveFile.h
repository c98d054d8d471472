#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"

// The samples of a WAV file, ready for a sound buffer: one channel of 8 or 16-bit PCM.
struct WaveData {
  platform::PcmFormat format;
  std::vector<uint8_t> samples;
};

// Reads the file by its RIFF chunks; a stereo file is mixed down to one channel and a data
// size beyond the end of the file is cut to the bytes present. Nothing when the file is
// missing, holds no samples or is not 8 or 16-bit PCM.
std::optional<WaveData> ReadWaveFile(const std::string& path);
