#include "editor/TextureChooser.h"

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "engine/BevelPainters.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Quad.h"
#include "platform/SpriteBatch.h"

using platform::Vector3;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 HighlightOutline{255, 30, 60, 150};
constexpr const wchar_t* NoTextureName = L"No Texture";

const ScreenBox& Panel() { return Layout::TexturePanel; }

// The chosen texture's picture stands in the panel's bottom-left corner; the rows above it.
Vector3 PicturePlace() {
  const float half = Layout::TextureTileSize / 2;
  return {Panel().left + Layout::DialogInset + half, Panel().bottom - Layout::DialogInset - half,
          0.0f};
}
float RowsBottom() { return Panel().bottom - 2 * Layout::DialogInset - Layout::TextureTileSize; }

std::unique_ptr<Quad> PanelQuad(float width, float height, const Color4& fill) {
  return EditorWidgets::MakeScreenQuad(width, height, 0.0f, 0.0f, fill);
}

}  // namespace

TextureChooser::TextureChooser() {
  m_texturePanel = Layout::MakeBar(Panel());
  m_textureHighlight = PanelQuad(0.0f, 0.0f, ColorTransparentWhite);
  m_textureHighlight->outlineVisible = 1;
  m_textureHighlight->SetOutlineColor(HighlightOutline);
  const float buttonY = Panel().bottom - Layout::DialogInset - Layout::ButtonHeight / 2;
  const float okX = Panel().right - Layout::DialogInset - Layout::ButtonWidth / 2;
  m_textureOkButton = PanelQuad(Layout::ButtonWidth, Layout::ButtonHeight, DebugButtonColors::Fill);
  m_textureOkButton->SetAltPositionXYZ(okX, buttonY, 0.0f);
  m_textureCancelButton =
      PanelQuad(Layout::ButtonWidth, Layout::ButtonHeight, DebugButtonColors::Fill);
  m_textureCancelButton->SetAltPositionXYZ(okX - Layout::ButtonWidth - Layout::DialogInset, buttonY,
                                           0.0f);
  PaintRaisedBevel(*m_textureOkButton);
  PaintRaisedBevel(*m_textureCancelButton);
}

TextureChooser::~TextureChooser() = default;

void TextureChooser::BuildTextureTiles(const std::vector<std::unique_ptr<Texture>>& textures) {
  m_chosenTile = nullptr;
  m_textureTiles.clear();
  m_textureTiles.push_back(PanelQuad(0.0f, 0.0f, ColorWhite));
  const float size = Layout::TextureTileSize;
  for (const auto& texture : textures) {
    const float width = static_cast<float>(texture->width);
    const float height = static_cast<float>(texture->height);
    // A texture of no size is shown as a square.
    float tileWidth = size;
    float tileHeight = size;
    if (width > 0.0f && height > 0.0f) {
      if (height >= width) {
        tileWidth = size * width / height;
      } else {
        tileHeight = size * height / width;
      }
    }
    auto tile = PanelQuad(tileWidth, tileHeight, ColorWhite);
    tile->SetTexture(texture.get());
    tile->SetAltPosition(PicturePlace());
    PaintSunkenBevel(*tile);
    m_textureTiles.push_back(std::move(tile));
  }
}

void TextureChooser::BuildTextureList() {
  m_textureListRows.clear();
  m_rowNames.clear();
  float x = Panel().left + Layout::RowInset;
  float y = Panel().top + Layout::FirstRowBelowTop;
  for (size_t i = 0; i < m_textureTiles.size(); ++i) {
    const Texture* texture = m_textureTiles[i]->texture;
    std::wstring name = i == 0 ? NoTextureName : texture ? texture->name : L"";
    if (y + EditorWidgets::RowHeight / 2 > RowsBottom()) {
      x += Layout::TextureColumnWidth;
      y = Panel().top + Layout::FirstRowBelowTop;
    }
    auto row = PanelQuad(0.0f, 0.0f, ColorTransparentWhite);
    EditorWidgets::FitListRow(*row, name);
    EditorWidgets::PlaceListRow(*row, x, y);
    m_textureListRows.push_back(std::move(row));
    m_rowNames.push_back(std::move(name));
    y += Layout::RowStep;
  }
  ShowChosen(std::nullopt);
}

std::optional<size_t> TextureChooser::PickTextureRow(const Vector3& point, bool spriteSelected) {
  std::optional<size_t> found;
  for (size_t i = 0; i < m_textureListRows.size(); ++i) {
    Quad& row = *m_textureListRows[i];
    row.SetFillColor(ColorTransparentWhite);
    if (!row.AltContainsPoint(point) || (spriteSelected && i == 0)) continue;
    row.SetFillColor(EditorWidgets::HoverColor);
    found = i;
  }
  return found;
}

std::optional<size_t> TextureChooser::RowOf(const Texture* texture) const {
  for (size_t i = 1; i < m_textureTiles.size() && i < m_textureListRows.size(); ++i) {
    if (m_textureTiles[i]->texture == texture) return i;
  }
  return std::nullopt;
}

Texture* TextureChooser::TileTexture(size_t row) const {
  return row < m_textureTiles.size() ? m_textureTiles[row]->texture : nullptr;
}

void TextureChooser::ShowChosen(std::optional<size_t> row) {
  Quad& frame = *m_textureHighlight;
  if (!row || *row >= m_textureListRows.size()) {
    frame.SetDimensions(0.0f, 0.0f, 0.0f);
    frame.SetAltPositionXYZ(0.0f, 0.0f, 0.0f);
    m_chosenTile = nullptr;
    return;
  }
  const Quad& chosen = *m_textureListRows[*row];
  const float margin = Layout::TextureHighlightMargin;
  frame.SetDimensions(chosen.width + margin, chosen.height + margin, 0.0f);
  frame.SetAltPosition(chosen.altPosition);
  m_chosenTile = m_textureTiles[*row]->texture ? m_textureTiles[*row].get() : nullptr;
}

void TextureChooser::Draw(bool chosen) {
  m_texturePanel->DrawScreen();
  m_textureOkButton->SetFillColor(chosen ? DebugButtonColors::Fill
                                         : DebugButtonColors::DisabledFill);
  m_textureOkButton->DrawScreen();
  m_textureCancelButton->DrawScreen();
  for (const auto& row : m_textureListRows) row->DrawScreen();
  m_textureHighlight->DrawScreen();
  if (m_chosenTile) m_chosenTile->DrawScreen();

  if (SpriteRenderer) SpriteRenderer->Begin();
  for (size_t i = 0; i < m_textureListRows.size(); ++i) {
    const Quad& row = *m_textureListRows[i];
    EditorWidgets::DrawCaption(
        m_rowNames[i], row.altPosition.x - row.width / 2 + Layout::RowTextInset, row.altPosition.y);
  }
  EditorWidgets::DrawButtonCaption(
      L"OK", *m_textureOkButton,
      chosen ? DebugButtonColors::Text : DebugButtonColors::DisabledText);
  EditorWidgets::DrawButtonCaption(L"Cancel", *m_textureCancelButton);
  if (SpriteRenderer) SpriteRenderer->End();
}
