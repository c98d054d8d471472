#include "triggers/TutorialImage.h"

#include <algorithm>

#include "engine/draw/Shape.h"
#include "player/Player.h"

namespace {

constexpr float Opaque = 255.0f;

}  // namespace

TutorialImage::TutorialImage(World* newWorld, std::unique_ptr<Shape> newRegion, Shape* newImage)
    : ModifierShape(KindTutorialImage, newWorld, std::move(newRegion)), image(newImage) {}

void TutorialImage::Update(float dt) {
  const Actor* player = FirstPlayer();
  if (!image || !player) return;
  Color4 color = image->GetColor();
  float alpha = color.a;
  if (Contains(player)) {
    if (color.a < Opaque) alpha += FadeRate * dt;
  } else if (color.a > 0) {
    alpha -= FadeRate * dt;
  }
  const auto faded = static_cast<uint8_t>(std::clamp(alpha, 0.0f, Opaque));
  if (faded == color.a) return;
  color.a = faded;
  image->SetFillColor(color);
}
