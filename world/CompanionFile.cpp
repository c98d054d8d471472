#include "world/CompanionFile.h"

#include "engine/FileIO.h"
#include "engine/NumberFormat.h"
#include "engine/Texture.h"
#include "world/MapFormat.h"

namespace {

constexpr const char* CompanionExtension = ".mef";
constexpr const char* NoTextureToken = "0";

}  // namespace

std::string CompanionFileText(const PrimitiveList& pages) {
  std::string text;
  for (const PalettePage& page : pages) {
    for (const PaletteElement& element : page) {
      const Quad& quad = *element.quad;
      const platform::PixelRect& rect = quad.sourceRect;
      text += quad.texture ? quad.texture->path : NoTextureToken;
      for (int32_t value : {rect.left, rect.top, rect.right, rect.bottom}) {
        text += ' ' + std::to_string(value);
      }
      text +=
          ' ' + std::to_string(element.flipHorizontal) + ' ' + std::to_string(element.flipVertical);
      for (float value : {element.firstNumber, element.secondNumber, element.thirdNumber}) {
        text += ' ' + FormatFloat(value);
      }
      text += ' ' + std::to_string(element.integer);
      const Color4& color = element.color;
      for (uint8_t byte : {color.a, color.r, color.g, color.b}) text += ' ' + std::to_string(byte);
      text += '\n';
    }
  }
  return text;
}

bool SaveMefFile(const PrimitiveList& pages, const std::string& name) {
  return WriteTextFile(MapsFolder + name + CompanionExtension, CompanionFileText(pages));
}
