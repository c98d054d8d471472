#include "menus/FramedBox.h"

#include <algorithm>

#include "menus/ScreenLayout.h"

using platform::PixelRect;
using platform::Vector3;

FramedBox::FramedBox(Texture* atlas, const PixelRect& cell, int corner)
    : corner_(static_cast<float>(corner)) {
  const int l = cell.left;
  const int t = cell.top;
  const int r = cell.right;
  const int b = cell.bottom;
  const int c = corner;
  pieces_[TopLeft] = AtlasPiece(atlas, {l, t, l + c, t + c});
  pieces_[TopRight] = AtlasPiece(atlas, {r - c, t, r, t + c});
  pieces_[BottomLeft] = AtlasPiece(atlas, {l, b - c, l + c, b});
  pieces_[BottomRight] = AtlasPiece(atlas, {r - c, b - c, r, b});
  pieces_[Top] = AtlasPiece(atlas, {l + c, t, l + c + 1, t + c});
  pieces_[Bottom] = AtlasPiece(atlas, {l + c, b - c, l + c + 1, b});
  pieces_[Left] = AtlasPiece(atlas, {l, t + c, l + c, t + c + 1});
  pieces_[Right] = AtlasPiece(atlas, {r - c, t + c, r, t + c + 1});
}

void FramedBox::Fit(const Vector3& centre, float width, float height) {
  const float halfW = width / 2 - corner_ / 2;
  const float halfH = height / 2 - corner_ / 2;
  const float spanW = std::max(width - 2 * corner_, 0.0f);
  const float spanH = std::max(height - 2 * corner_, 0.0f);
  pieces_[TopLeft]->SetAltPosition({centre.x - halfW, centre.y - halfH, 0.0f});
  pieces_[TopRight]->SetAltPosition({centre.x + halfW, centre.y - halfH, 0.0f});
  pieces_[BottomLeft]->SetAltPosition({centre.x - halfW, centre.y + halfH, 0.0f});
  pieces_[BottomRight]->SetAltPosition({centre.x + halfW, centre.y + halfH, 0.0f});
  pieces_[Top]->SetScale(spanW, 1.0f);
  pieces_[Top]->SetAltPosition({centre.x, centre.y - halfH, 0.0f});
  pieces_[Bottom]->SetScale(spanW, 1.0f);
  pieces_[Bottom]->SetAltPosition({centre.x, centre.y + halfH, 0.0f});
  pieces_[Left]->SetScale(1.0f, spanH);
  pieces_[Left]->SetAltPosition({centre.x - halfW, centre.y, 0.0f});
  pieces_[Right]->SetScale(1.0f, spanH);
  pieces_[Right]->SetAltPosition({centre.x + halfW, centre.y, 0.0f});
}

void FramedBox::Draw() {
  for (const std::unique_ptr<Sprite>& piece : pieces_) piece->DrawScreen();
}
