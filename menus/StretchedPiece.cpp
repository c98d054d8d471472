#include "menus/StretchedPiece.h"

#include <algorithm>

#include "menus/ScreenLayout.h"

StretchedPiece::StretchedPiece(Texture* atlas, const Cells& cells)
    : left_(AtlasPiece(atlas, cells.left)),
      middle_(AtlasPiece(atlas, cells.middle)),
      right_(AtlasPiece(atlas, cells.right)) {}

void StretchedPiece::Fit(const platform::Vector3& centre, float width) {
  const float ends = DrawnWidth(*left_) + DrawnWidth(*right_);
  const auto column = static_cast<float>(middle_->sourceRect.right - middle_->sourceRect.left);
  middle_->SetScale(std::max(width - ends, 0.0f) / column, 1.0f);
  middle_->SetAltPosition(centre);
  PlaceBeside(*left_, *middle_, -1.0f);
  PlaceBeside(*right_, *middle_, 1.0f);
}

void StretchedPiece::Draw() {
  left_->DrawScreen();
  middle_->DrawScreen();
  right_->DrawScreen();
}
