#include "menus/ScreenLayout.h"

#include "engine/draw/Sprite.h"

using platform::Vector3;

std::unique_ptr<Sprite> AtlasPiece(Texture* atlas, const platform::PixelRect& cell) {
  return std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
}

float DrawnWidth(const Sprite& sprite) { return sprite.GetScaledSourceSize().x; }

float DrawnHeight(const Sprite& sprite) { return sprite.GetScaledSourceSize().y; }

void PlaceBeside(Sprite& piece, const Sprite& neighbour, float side) {
  const Vector3 at = neighbour.altPosition;
  piece.SetAltPosition(
      {at.x + side * (DrawnWidth(neighbour) + DrawnWidth(piece)) / 2.0f, at.y, 0.0f});
}

void PlaceOver(Sprite& piece, const Sprite& neighbour, float side) {
  const Vector3 at = neighbour.altPosition;
  piece.SetAltPosition(
      {at.x, at.y + side * (DrawnHeight(neighbour) + DrawnHeight(piece)) / 2.0f, 0.0f});
}
