// Feeds arbitrary text to the companion-file reader. Besides crashes, hangs and leaks it checks
// that the palette the reader made is written as a file that reads back to the same palette.
#include <cstddef>
#include <cstdint>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Texture.h"
#include "world/CompanionFile.h"

namespace {

// Two textures as a map loads them, so that names in the text can find one.
const std::vector<std::unique_ptr<Texture>>& Textures() {
  static const std::vector<std::unique_ptr<Texture>> textures = [] {
    std::vector<std::unique_ptr<Texture>> loaded;
    loaded.push_back(
        std::make_unique<Texture>("Content\\Textures\\Tiles\\Planks.png", L"Planks", 256, 256));
    loaded.push_back(std::make_unique<Texture>("a", L"a", 8, 8));
    return loaded;
  }();
  return textures;
}

std::string ReadAndWrite(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  return CompanionFileText(ReadCompanionFile(in, Textures()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string first = ReadAndWrite(std::string(reinterpret_cast<const char*>(data), size));
  if (ReadAndWrite(first) != first) __builtin_trap();
  return 0;
}
