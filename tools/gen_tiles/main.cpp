// Draws the scenery the demo maps name: materials that tile without seams and the layers of
// the background, into Content/Textures/Tiles. A file that already holds its picture is left
// alone.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "Materials.h"

namespace {

struct TileFile {
  const char* name;
  std::function<tiles::Canvas()> draw;
};

const TileFile TileFiles[] = {
    {"GrassEarth.png", tiles::GrassEarth}, {"StoneBlocks.png", tiles::StoneBlocks},
    {"Planks.png", tiles::Planks},         {"Bark.png", tiles::Bark},
    {"Leaves.png", tiles::Leaves},         {"Sky.png", tiles::Sky},
    {"Hills.png", tiles::Hills},           {"Trees.png", tiles::Trees},
    {"Props.png", tiles::Props},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_tiles CONTENT_FOLDER\n");
    return 1;
  }
  const std::filesystem::path folder = std::filesystem::path(argv[1]) / "Textures" / "Tiles";
  bool ok = true;
  for (const TileFile& file : TileFiles) {
    ok = tiles::WriteIfChanged(file.draw(), (folder / file.name).string()) && ok;
  }
  return ok ? 0 : 1;
}
