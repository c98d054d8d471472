#include "world/CompanionFile.h"

#include <algorithm>

#include "engine/FileIO.h"
#include "engine/NumberFormat.h"
#include "engine/Texture.h"
#include "world/MapFormat.h"

namespace {

// A piece shows in the palette as a square cell of this many pixels.
constexpr float CellSize = 32.0f;
constexpr Color4 PlacedColor{255, 255, 255, 255};
constexpr Color4 BlankCellColor{200, 255, 255, 255};

PrimitiveTemplate NewElement() {
  PrimitiveTemplate element;
  element.m_color = PlacedColor;
  element.m_templateQuad->SetDimensions(CellSize, CellSize, 0.0f);
  element.m_templateQuad->outlineVisible = 1;
  return element;
}

// The field takes the token only when it reads; a failed stream leaves every later field as
// it was.
template <typename T>
void ReadField(std::istream& in, T& field) {
  T value{};
  if (in >> value) field = value;
}

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFF); }

// "0" names no texture; so does the empty token of a failed stream.
Texture* TextureFromPath(const std::vector<std::unique_ptr<Texture>>& textures,
                         const std::string& path) {
  if (path.empty() || path == NoTextureToken) return nullptr;
  const auto found = std::find_if(
      textures.begin(), textures.end(),
      [&path](const std::unique_ptr<Texture>& texture) { return texture->path == path; });
  return found == textures.end() ? nullptr : found->get();
}

PrimitiveTemplate ReadElement(std::istream& in,
                              const std::vector<std::unique_ptr<Texture>>& textures) {
  PrimitiveTemplate element = NewElement();
  Quad& quad = *element.m_templateQuad;
  std::string path;
  ReadField(in, path);
  platform::PixelRect rect = quad.sourceRect;
  for (int32_t* edge : {&rect.left, &rect.top, &rect.right, &rect.bottom}) ReadField(in, *edge);
  quad.SetTexture(TextureFromPath(textures, path));
  quad.SetRect(rect.left, rect.top, rect.right, rect.bottom);
  bool flipHorizontal = false;
  bool flipVertical = false;
  ReadField(in, flipHorizontal);
  ReadField(in, flipVertical);
  element.m_flipX = flipHorizontal;
  element.m_flipY = flipVertical;
  ReadField(in, element.m_rotation);
  ReadField(in, element.m_scaleX);
  ReadField(in, element.m_scaleY);
  ReadField(in, element.m_layer);
  for (uint8_t* byte :
       {&element.m_color.a, &element.m_color.r, &element.m_color.g, &element.m_color.b}) {
    int32_t value = *byte;
    ReadField(in, value);
    *byte = LowByte(value);
  }
  quad.flipHorizontal = element.m_flipX;
  quad.flipVertical = element.m_flipY;
  quad.SetFillColor(element.m_color);
  return element;
}

template <typename MakeElement>
PrimitiveList MakePalette(MakeElement makeElement) {
  PrimitiveList pages(PalettePageCount);
  for (TemplatePage& page : pages) {
    for (size_t i = 0; i < PalettePageSize; ++i) page.push_back(makeElement());
  }
  return pages;
}

}  // namespace

std::string CompanionFileText(const PrimitiveList& pages) {
  std::string text;
  for (const TemplatePage& page : pages) {
    for (const PrimitiveTemplate& element : page) {
      const Quad& quad = *element.m_templateQuad;
      const platform::PixelRect& rect = quad.sourceRect;
      text += quad.texture ? quad.texture->path : NoTextureToken;
      for (int32_t value : {rect.left, rect.top, rect.right, rect.bottom}) {
        text += ' ' + std::to_string(value);
      }
      text += ' ' + std::to_string(element.m_flipX) + ' ' + std::to_string(element.m_flipY);
      for (float value : {element.m_rotation, element.m_scaleX, element.m_scaleY}) {
        text += ' ' + FormatFloat(value);
      }
      text += ' ' + std::to_string(element.m_layer);
      const Color4& color = element.m_color;
      for (uint8_t byte : {color.a, color.r, color.g, color.b}) text += ' ' + std::to_string(byte);
      text += '\n';
    }
  }
  return text;
}

bool SaveMefFile(const PrimitiveList& pages, const std::string& name) {
  return WriteTextFile(MapsFolder + name + CompanionExtension, CompanionFileText(pages));
}

PrimitiveList BlankPalette() {
  return MakePalette([] {
    PrimitiveTemplate element = NewElement();
    element.m_templateQuad->SetFillColor(BlankCellColor);
    return element;
  });
}

PrimitiveList ReadCompanionFile(std::istream& in,
                                const std::vector<std::unique_ptr<Texture>>& textures) {
  return MakePalette([&] { return ReadElement(in, textures); });
}
