#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/MathTypes.h"

class Quad;
class Texture;

// The widgets of the texture chooser: a list with a row for "No Texture" and one per texture of
// the world, the chosen row's frame and a picture of its texture, "OK" and "Cancel". The debug
// menu keeps the choice.
class TextureChooser {
 public:
  TextureChooser();
  ~TextureChooser();
  TextureChooser(const TextureChooser&) = delete;
  TextureChooser& operator=(const TextureChooser&) = delete;

  // A tile per texture after the first, which stands for no texture; each tile carries its
  // texture, 100 pixels on its longer side.
  void BuildTextureTiles(const std::vector<std::unique_ptr<Texture>>& textures);
  // A row per tile, named after its texture, in columns down the panel.
  void BuildTextureList();
  // The row under the screen point; a sprite cannot be given no texture, so with one selected
  // the "No Texture" row is passed over. The row found is lit and the others cleared.
  std::optional<size_t> PickTextureRow(const platform::Vector3& point, bool spriteSelected);
  // The row whose tile carries the texture; none for a texture not listed.
  std::optional<size_t> RowOf(const Texture* texture) const;
  Texture* TileTexture(size_t row) const;
  // The frame and the picture go to the row; none hides them.
  void ShowChosen(std::optional<size_t> row);
  // The panel, the buttons ("OK" greyed while nothing is chosen), the rows, the chosen row's
  // frame and picture, and the names.
  void Draw(bool chosen);

  const Quad& PanelBox() const { return *m_texturePanel; }
  const Quad& OkButton() const { return *m_textureOkButton; }
  const Quad& CancelButton() const { return *m_textureCancelButton; }
  size_t RowCount() const { return m_textureListRows.size(); }
  const Quad& Row(size_t row) const { return *m_textureListRows[row]; }
  const std::wstring& RowName(size_t row) const { return m_rowNames[row]; }
  // The chosen row's frame, of no size while nothing is chosen.
  const Quad& ChosenFrame() const { return *m_textureHighlight; }

 private:
  std::unique_ptr<Quad> m_texturePanel;
  std::vector<std::unique_ptr<Quad>> m_textureTiles;
  std::vector<std::unique_ptr<Quad>> m_textureListRows;
  std::vector<std::wstring> m_rowNames;
  std::unique_ptr<Quad> m_textureHighlight;
  std::unique_ptr<Quad> m_textureOkButton, m_textureCancelButton;
  // The tile of the chosen row, shown as the picture; null when none.
  Quad* m_chosenTile = nullptr;
};
