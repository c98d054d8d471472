#include "engine/WaveFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr size_t RiffHeaderBytes = 12;
constexpr size_t ChunkHeaderBytes = 8;
constexpr size_t FormatBodyBytes = 16;
constexpr uint16_t PcmFormatTag = 1;

uint16_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

bool HasTag(const std::vector<uint8_t>& bytes, size_t at, const char* tag) {
  return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

std::vector<uint8_t> MixToMono(const std::vector<uint8_t>& stereo, uint16_t bitsPerSample) {
  std::vector<uint8_t> mono;
  if (bitsPerSample == 8) {
    mono.reserve(stereo.size() / 2);
    for (size_t at = 0; at + 1 < stereo.size(); at += 2) {
      mono.push_back(static_cast<uint8_t>((stereo[at] + stereo[at + 1]) / 2));
    }
    return mono;
  }
  mono.reserve(stereo.size() / 2);
  for (size_t at = 0; at + 3 < stereo.size(); at += 4) {
    const int left = static_cast<int16_t>(Read16(stereo, at));
    const int right = static_cast<int16_t>(Read16(stereo, at + 2));
    const auto mixed = static_cast<uint16_t>(static_cast<int16_t>((left + right) / 2));
    mono.push_back(static_cast<uint8_t>(mixed & 0xFF));
    mono.push_back(static_cast<uint8_t>(mixed >> 8));
  }
  return mono;
}

}  // namespace

std::optional<WaveData> ReadWaveFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  if (bytes.size() < RiffHeaderBytes || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) {
    return std::nullopt;
  }
  std::optional<platform::PcmFormat> format;
  uint16_t formatTag = 0;
  size_t dataStart = 0;
  size_t dataSize = 0;
  bool dataFound = false;
  size_t chunk = RiffHeaderBytes;
  while (chunk + ChunkHeaderBytes <= bytes.size() && !(format && dataFound)) {
    const size_t body = chunk + ChunkHeaderBytes;
    const size_t declared = Read32(bytes, chunk + 4);
    const size_t present = std::min(declared, bytes.size() - body);
    if (HasTag(bytes, chunk, "fmt ") && present >= FormatBodyBytes) {
      formatTag = Read16(bytes, body);
      format = platform::PcmFormat{Read16(bytes, body + 2), Read32(bytes, body + 4),
                                   Read16(bytes, body + 14)};
    } else if (HasTag(bytes, chunk, "data") && !dataFound) {
      dataFound = true;
      dataStart = body;
      dataSize = present;
    }
    // Chunks are padded to an even length.
    chunk = body + present + (declared & 1);
  }
  if (!format || !dataFound || formatTag != PcmFormatTag || !format->Playable()) {
    return std::nullopt;
  }
  WaveData wave{*format, {}};
  dataSize -= dataSize % format->BlockAlign();
  wave.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(dataStart),
                      bytes.begin() + static_cast<std::ptrdiff_t>(dataStart + dataSize));
  if (wave.format.channels == 2) {
    wave.samples = MixToMono(wave.samples, wave.format.bitsPerSample);
    wave.format.channels = 1;
  }
  if (wave.samples.empty()) return std::nullopt;
  return wave;
}
