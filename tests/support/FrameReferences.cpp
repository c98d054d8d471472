#include "support/FrameReferences.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "engine/Globals.h"
#include "platform/Image.h"
#include "platform/Renderer.h"

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

bool KeepFrameIn(const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path picture = folder / name;
  if (!Device) return false;
  const platform::Image frame = Device->ReadFrame();
  if (!platform::SaveImagePng(frame, picture.string())) return false;
  const uint64_t hash = FrameHash(frame.pixels);
  if (const char* keep = std::getenv("QM_KEEP_FRAMES")) {
    std::error_code error;
    std::filesystem::copy_file(picture, std::filesystem::path(keep) / name,
                               std::filesystem::copy_options::overwrite_existing, error);
    std::ofstream(std::filesystem::path(keep) / (name + ".hash")) << name << ' ' << Hex(hash)
                                                                   << '\n';
  }
  if (std::getenv("QM_RECORD_FRAMES")) return true;
  const std::optional<uint64_t> reference = ReferenceHash(name);
  if (!reference) {
    ADD_FAILURE() << "frame " << name << " has no recorded reference";
  } else if (*reference != hash) {
    ADD_FAILURE() << "frame " << name << " differs from its reference (" << Hex(hash) << ", recorded "
                  << Hex(*reference) << ")";
  }
  return true;
}
