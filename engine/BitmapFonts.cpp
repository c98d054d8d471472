#include "engine/BitmapFonts.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <memory>
#include <vector>

#include "engine/Texture.h"
#include "platform/Renderer.h"

const FontLayout FontWrittenLayout = {
    "Content\\Textures\\Fonts\\FontAtlasv4.png",
    32, 0, 0, 32,
    {15, 4,  6,  20, 16, 18, 16, 2,  6,  6,  22, 18, 6,  14, 4,  14,   // 32-47
     24, 14, 14, 14, 18, 12, 14, 14, 12, 12, 6,  6,  14, 20, 14, 14,   // 48-63
     20, 22, 16, 20, 18, 18, 16, 18, 18, 22, 14, 20, 18, 20, 16, 22,   // 64-79
     12, 22, 24, 24, 20, 20, 16, 20, 16, 16, 18, 10, 12, 8,  18, 32,   // 80-95
     4,  14, 12, 8,  12, 10, 6,  14, 10, 4,  10, 10, 4,  12, 8,  8,    // 96-111
     8,  10, 10, 10, 14, 6,  10, 10, 12, 10, 14, 8,  4,  8,  16},      // 112-126
    {}};

const FontLayout FontArc64ptLayout = {
    "Content\\Textures\\Fonts\\fontArcV5.png",
    64, 0, 0, 16,
    {32, 7,  21, 35, 27, 48, 43, 7,  15, 15, 26, 33, 7,  23, 7,  20,   // 32-47
     32, 32, 32, 32, 32, 32, 32, 32, 32, 32, 7,  7,  35, 31, 35, 30,   // 48-63
     48, 43, 37, 45, 41, 31, 31, 47, 35, 29, 32, 32, 32, 57, 36, 47,   // 64-79
     32, 47, 32, 32, 29, 37, 43, 57, 35, 35, 35, 13, 20, 13, 32, 37,   // 80-95
     12, 36, 36, 34, 36, 36, 22, 36, 33, 7,  16, 29, 5,  57, 33, 36,   // 96-111
     36, 36, 19, 28, 19, 33, 31, 57, 33, 36, 33, 18, 5,  18, 34},      // 112-126
    // Page texts, names, the shop's dialog texts, tab titles, the save panel, the shop's labels.
    {0.21875f, 0.38f, 0.39f, 0.46875f, 0.5f, 0.6f}};

const FontLayout FontArc17ptLayout = {
    "Content\\Textures\\Fonts\\fontArcV5.png",
    17, 0, 474, 60,
    {8,  2,  5,  10, 7,  14, 12, 2,  5,  5,  5,  8,  2,  6,  2,  6,    // 32-47
     10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 2,  2,  9,  8,  9,  8,    // 48-63
     12, 10, 10, 12, 12, 8,  8,  13, 10, 8,  9,  8,  10, 16, 10, 11,   // 64-79
     8,  11, 8,  8,  8,  10, 10, 15, 8,  10, 9,  4,  6,  4,  8,  10,   // 80-95
     4,  9,  9,  9,  9,  9,  5,  9,  9,  2,  4,  7,  2,  15, 9,  9,    // 96-111
     9,  9,  4,  7,  5,  9,  7,  15, 7,  9,  9,  5,  2,  5,  10},      // 112-126
    // The key names over conversation places, the interface corner.
    {0.6f, 0.76f}};

std::string SizedFacePath(const std::string& atlasPath, float scale) {
  char digits[32];
  const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), scale);
  const size_t dot = atlasPath.rfind('.');
  return atlasPath.substr(0, dot) + "-" + std::string(digits, written.ptr) + atlasPath.substr(dot);
}

void AttachSizedFaces(Texture& atlas, std::initializer_list<const FontLayout*> layouts) {
  if (!atlas.texture) return;
  std::vector<float> attached;
  for (const FontLayout* layout : layouts) {
    for (float scale : layout->drawnScales) {
      if (std::ranges::find(attached, scale) != attached.end()) continue;
      attached.push_back(scale);
      // The picture keeps its own size.
      std::unique_ptr<Texture> sized = LoadTexture(SizedFacePath(atlas.path, scale), 0, 0);
      atlas.texture->AddSizedPicture(scale, std::move(sized->texture));
    }
  }
}
