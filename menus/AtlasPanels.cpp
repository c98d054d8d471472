#include "menus/AtlasPanels.h"

std::unique_ptr<Sprite> CutSprite(Texture* atlas, const platform::PixelRect& cell, float scaleX,
                                  float scaleY) {
  auto sprite = std::make_unique<Sprite>(atlas, 0, platform::Vector3{}, 0.0f, cell);
  sprite->SetScale(scaleX, scaleY);
  return sprite;
}

void BuildPanel(Texture* atlas, ShapeList& panel, std::initializer_list<PanelPiece> pieces) {
  for (const PanelPiece& piece : pieces) {
    *piece.sprite = CutSprite(atlas, piece.cell, piece.scaleX, piece.scaleY);
    (*piece.sprite)->SetAltPosition({piece.x, piece.y, 0.0f});
    panel.AddShape(piece.sprite->get());
  }
}
