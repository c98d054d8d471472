#include "triggers/TutorialImage.h"

#include <algorithm>

#include "engine/draw/Shape.h"
#include "player/Player.h"
#include "world/MapFields.h"
#include "world/MapFormat.h"
#include "world/TriggerRecords.h"

namespace {

constexpr float Opaque = 255.0f;
constexpr const char* NoImageName = "No Image Primitive";

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

std::unique_ptr<ModifierShape> TutorialImage::ReadRecord(MapRecordReader& map, std::istream& fields,
                                                         std::unique_ptr<Shape> region) {
  int32_t picture = 0;
  if (!(fields >> picture)) return nullptr;
  return std::make_unique<TutorialImage>(&map.world, std::move(region), map.FindPrimitive(picture));
}

void TutorialImage::WriteRecord(MapRecordWriter& out) {
  out.AppendRegion(TutorialImageLetter, *this);
  out.Append(std::to_string(out.IdOf(image)) + '\n');
}

std::vector<TriggerField> TutorialImage::EditorFields() {
  return {TriggerFieldsOf<TutorialImage>::ShapeChoice(
      "Set Tutorial Image", 2,
      [](const TutorialImage& tutorial) {
        return tutorial.image ? tutorial.image->GetName() : std::string(NoImageName);
      },
      [](TutorialImage& tutorial, Shape* picture) { tutorial.image = picture; })};
}

TriggerConversion TutorialImage::Conversion() {
  return {"Convert to Tutorial Image Shape",
          [](World& world, std::unique_ptr<Shape> region) -> std::unique_ptr<ModifierShape> {
            return std::make_unique<TutorialImage>(&world, std::move(region), nullptr);
          }};
}
