#include "menus/ScrollBar.h"

#include <algorithm>

#include "engine/draw/Sprite.h"

using platform::Vector3;

namespace {

float Height(const Sprite& piece) { return piece.GetScaledSourceSize().y; }

std::unique_ptr<Sprite> Piece(Texture* atlas, const platform::PixelRect& cell) {
  return std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
}

}  // namespace

ScrollBar::ScrollBar(Texture* newAtlas) : atlas(newAtlas) {
  CreateSprites();
  SetLength(PiecesHeight());
}

ScrollBar::ScrollBar(Texture* newAtlas, float a, float b, float newValue, const Vector3& point,
                     float newLength)
    : atlas(newAtlas), minimum(std::min(a, b)), maximum(std::max(a, b)), position(point) {
  value = std::clamp(newValue, minimum, maximum);
  CreateSprites();
  SetLength(std::max(newLength, PiecesHeight()));
}

ScrollBar::~ScrollBar() = default;

void ScrollBar::CreateSprites() {
  topEndCap = Piece(atlas, TopEndCapCell);
  topThumbCap = Piece(atlas, TopThumbCapCell);
  thumbMiddle = Piece(atlas, ThumbMiddleCell);
  bottomThumbCap = Piece(atlas, BottomThumbCapCell);
  bottomEndCap = Piece(atlas, BottomEndCapCell);
}

float ScrollBar::PiecesHeight() const {
  return Height(*topEndCap) + Height(*topThumbCap) + Height(*thumbMiddle) +
         Height(*bottomThumbCap) + Height(*bottomEndCap);
}

void ScrollBar::PlaceEndCapsInset(float inset) {
  const float top = Height(*topEndCap);
  const float bottom = Height(*bottomEndCap);
  topEndCap->SetAltPosition({position.x, position.y - length / 2 + top / 2 + inset, position.z});
  bottomEndCap->SetAltPosition(
      {position.x, position.y + length / 2 - bottom / 2 - inset, position.z});
}

void ScrollBar::SetLength(float newLength) {
  length = newLength;
  PlaceEndCapsInset(0.0f);
  UpdateThumbSize();
}

void ScrollBar::SetMinimum(float bound) {
  const float other = maximum;
  minimum = std::min(bound, other);
  maximum = std::max(bound, other);
  UpdateThumbSize();
}

void ScrollBar::SetMaximum(float bound) {
  const float other = minimum;
  minimum = std::min(other, bound);
  maximum = std::max(other, bound);
  UpdateThumbSize();
}

void ScrollBar::SetValue(float newValue) {
  value = std::clamp(newValue, minimum, maximum);
  PlaceThumb();
}

void ScrollBar::PlaceEndCaps() {
  PlaceEndCapsInset(1.0f);
  PlaceThumb();
}

void ScrollBar::UpdateThumbSize() {
  const float track = length - Height(*topEndCap) - Height(*bottomEndCap) - Height(*topThumbCap) -
                      Height(*bottomThumbCap);
  const float thumb = std::clamp(track - (maximum - minimum), 0.0f, std::max(track, 0.0f));
  thumbMiddle->SetScale(thumbMiddle->scale.x, thumb);
  PlaceThumb();
}

float ScrollBar::GetThumbTravel() const { return length - PiecesHeight(); }

void ScrollBar::PlaceThumb() {
  const float travel = GetThumbTravel();
  const float range = maximum - minimum;
  const float t =
      range == 0.0f ? position.y : position.y - travel / 2 + travel * (value - minimum) / range;
  const float middle = Height(*thumbMiddle);
  thumbMiddle->SetAltPosition({position.x, t, position.z});
  topThumbCap->SetAltPosition({position.x, t - middle / 2 - Height(*topThumbCap) / 2, 0.0f});
  bottomThumbCap->SetAltPosition({position.x, t + middle / 2 + Height(*bottomThumbCap) / 2, 0.0f});
}

void ScrollBar::Draw() {
  topEndCap->DrawScreen();
  bottomEndCap->DrawScreen();
  topThumbCap->DrawScreen();
  bottomThumbCap->DrawScreen();
  thumbMiddle->DrawScreen();
}

float ScrollBar::ThumbWidth() const { return thumbMiddle->GetScaledSourceSize().x; }
