#include "support/FrameReferences.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

constexpr uint64_t FnvOffset = 14695981039346656037ull;
constexpr uint64_t FnvPrime = 1099511628211ull;

std::string Hex(uint64_t hash) {
  char text[17];
  std::snprintf(text, sizeof text, "%016" PRIx64, hash);
  return text;
}

const std::map<std::string, uint64_t>& References() {
  static const std::map<std::string, uint64_t> references = [] {
    std::map<std::string, uint64_t> read;
    std::ifstream file(QM_FRAME_REFERENCES);
    std::string name;
    std::string hash;
    while (file >> name >> hash) read[name] = std::strtoull(hash.c_str(), nullptr, 16);
    return read;
  }();
  return references;
}

}  // namespace

uint64_t FrameHash(const std::vector<uint32_t>& pixels) {
  uint64_t hash = FnvOffset;
  for (uint32_t pixel : pixels) {
    for (int shift = 0; shift < 32; shift += 8) {
      hash = (hash ^ ((pixel >> shift) & 0xFFu)) * FnvPrime;
    }
  }
  return hash;
}

std::optional<uint64_t> ReferenceHash(const std::string& name) {
  const auto found = References().find(name);
  if (found == References().end()) return std::nullopt;
  return found->second;
}

void CheckFrame(const std::string& name, const std::vector<uint32_t>& pixels,
                const char* keepFolder) {
  const uint64_t hash = FrameHash(pixels);
  if (keepFolder) {
    std::ofstream(std::filesystem::path(keepFolder) / (name + ".hash")) << name << ' ' << Hex(hash)
                                                                         << '\n';
  }
  if (std::getenv("QM_RECORD_FRAMES")) return;
  const std::optional<uint64_t> reference = ReferenceHash(name);
  if (!reference) {
    ADD_FAILURE() << "frame " << name << " has no recorded reference";
  } else if (*reference != hash) {
    ADD_FAILURE() << "frame " << name << " differs from its reference (" << Hex(hash) << ", recorded "
                  << Hex(*reference) << ")";
  }
}
