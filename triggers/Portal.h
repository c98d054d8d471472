#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/MathTypes.h"
#include "world/ModifierShape.h"

struct TriggerConversion;
struct TriggerField;

// Takes the players to a place on a map: at once on the loaded map, or after the screen has
// faded out, loading the other map when it is another.
class Portal : public ModifierShape {
 public:
  // The fade out before the move, and the fade back in on the same map.
  static constexpr float FadeSeconds = 0.5f;

  // targetMap is the whole path of the map, as the world names its loaded map.
  Portal(World* newWorld, std::unique_ptr<Shape> newRegion, std::string newTargetMap,
         const platform::Vector3& newTargetPosition);

  void Update(float dt) override;
  void Draw() override {}
  // The record's fields after the region; null when they cannot be read.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  // The level editor's target fields and map choice, and its conversion of a shape into a
  // portal to the map being edited.
  static std::vector<TriggerField> EditorFields();
  static TriggerConversion Conversion();

  void SetTargetMap(std::string name) { targetMap = std::move(name); }

  std::string targetMap;
  platform::Vector3 targetPosition;
  // Fading out, on the way.
  uint8_t triggered = 0;
  float timer = 0.0f;
  uint8_t instantWhenSameMap = 1;

 private:
  // Every player to the target position with its interface placed again; arriving ones also
  // stop, lose their contacts and start over in their first state.
  void MovePlayers(bool arriving);
};
