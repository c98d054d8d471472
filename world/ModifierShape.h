#pragma once

#include <cstdint>
#include <memory>

#include "engine/draw/Shape.h"

class Actor;
class Controls;
class MapRecordWriter;
class Player;
class World;
struct MapRecordReader;

// A region of a map that does something to the characters in it. The world calls the input
// step, the update step and the drawing of each in list order.
class ModifierShape {
 public:
  // The kind numbers the map lines use.
  enum Kind : int32_t {
    KindHazard = 0,
    KindPortal = 1,
    KindPushShape = 2,
    KindTutorialImage = 3,
    KindConversation = 4,
    KindSave = 5,
    KindShop = 6,
    KindCameraDepth = 8,
    KindCameraStationary = 9,
  };

  virtual ~ModifierShape();
  ModifierShape(const ModifierShape&) = delete;
  ModifierShape& operator=(const ModifierShape&) = delete;

  virtual void HandleInput(float) {}
  virtual void Update(float dt) = 0;
  virtual void Draw() = 0;
  // Its record in the map's modifiers section; a trigger no map holds writes none.
  virtual void WriteRecord(MapRecordWriter&) {}
  // The shape is about to be destroyed: the trigger lets go of it wherever it keeps it.
  virtual void ForgetShape(const Shape*) {}

  int32_t kind;
  World* world;
  std::unique_ptr<Shape> region;
  // Raised by a portal that has loaded another map: the world updates no further modifier
  // in that frame.
  uint8_t mapChanged = 0;

 protected:
  ModifierShape(int32_t newKind, World* newWorld, std::unique_ptr<Shape> newRegion);

  // The world's first player, or null while the world has none.
  Player* FirstPlayer() const;
  // The controls the first player reads, or null.
  const Controls* FirstPlayerControls() const;
  // The body is closer to the region than the sum of their extents, in x and y (strictly).
  bool Reaches(const Actor* actor) const;
  // Within reach and overlapping the region.
  bool Contains(const Actor* actor) const;
  // The first player pressed action 1 in this frame, on the ground and within reach.
  bool FirstPlayerActs() const;
};
