// Draws the editor's interface atlas: the cursors, the icons of the top bar and the tool panel,
// the palette's page buttons, the check box and the small pictures, each in the rectangle the
// game cuts it from. Other cells of the atlas are kept as they are; the file is written only
// when missing or when these cells differ.

#include <cstdio>
#include <filesystem>

#include "engine/EditorAtlas.h"
#include "tools/GeneratedAtlas.h"
#include "tools/gen_gui/Cells.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gen_gui CONTENT_FOLDER\n");
    return 1;
  }
  GeneratedAtlas atlas(std::filesystem::path(argv[1]) / "Textures" / "HUD" / "GUI_v315.png",
                    static_cast<int>(EditorAtlas::Size));
  DrawCursors(atlas.image);
  DrawToolbarIcons(atlas.image);
  DrawToolIcons(atlas.image);
  DrawSmallPictures(atlas.image);
  return atlas.Save("gen_gui") ? 0 : 1;
}
