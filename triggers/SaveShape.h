#pragma once

#include <cstdint>
#include <iosfwd>

#include "menus/SavePoint.h"

class Circle;

// A round region where the first player, acting on the ground inside, opens the save screen.
class SaveShape : public SavePoint {
 public:
  explicit SaveShape(World* newWorld);

  void HandleInput(float dt) override;
  // The region follows the character who keeps the save point; a save point linked to a shape
  // keeps its own place.
  void Update(float dt) override;
  void Draw() override {}
  // The radius, the anchor ("n" and an NPC, "p" and a shape, or "0" and the region's place),
  // then where a game saved here resumes; the region is none.
  static std::unique_ptr<ModifierShape> ReadRecord(MapRecordReader& map, std::istream& fields,
                                                   std::unique_ptr<Shape> region);
  void WriteRecord(MapRecordWriter& out) override;
  void ForgetShape(const Shape* shape) override {
    if (anchor == shape) anchor = nullptr;
  }

  // The character who keeps the save point, if any.
  Actor* npc = nullptr;
  // Its body, or the shape the map links the save point to, which is only written back.
  Shape* anchor = nullptr;
  // The region, as its circle.
  Circle* regionCircle = nullptr;
};
