// Feeds arbitrary text to the map reader. Besides crashes, hangs and leaks it checks that what
// the reader made of the text is written as a map that reads back whole and writes the same.
#include <cstddef>
#include <cstdint>
#include <locale>
#include <memory>
#include <sstream>
#include <string>

#include "app/ConnectFloors.h"
#include "engine/Texture.h"
#include "world/MapReader.h"
#include "world/MapWriter.h"
#include "world/World.h"

namespace {

World& TheWorld() {
  static const std::unique_ptr<World> world = [] {
    ConnectFloors();
    return std::make_unique<World>(nullptr, nullptr);
  }();
  return *world;
}

// Reads the text into an emptied world and writes it back; false when the text was not read
// whole.
bool LoadAndWrite(World& world, const std::string& text, std::string& written) {
  world.ClearLevel();
  world.resources.clear();
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  const bool whole = ReadMap(world, in);
  BuildMapText(world, written);
  return whole;
}

// An enemy writes the level its experience gives, which need not read back to the same
// experience: its lines are left out of the comparison.
std::string WithoutEnemies(const std::string& text) {
  const size_t from = text.find("*Enemies \n");
  const size_t to = text.find("*NPCs \n");
  if (from == std::string::npos || to == std::string::npos) return text;
  return text.substr(0, from) + text.substr(to);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  World& world = TheWorld();
  std::string first;
  LoadAndWrite(world, std::string(reinterpret_cast<const char*>(data), size), first);
  std::string second;
  if (!LoadAndWrite(world, first, second)) __builtin_trap();
  if (WithoutEnemies(second) != WithoutEnemies(first)) __builtin_trap();
  return 0;
}
