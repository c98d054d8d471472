#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <string>

class Actor;
class ModifierShape;
class NPC;
class Primitive;
class Shape;
class TextLines;
class World;

// What a trigger's reader is handed with its record: the map's lines after it, for a record
// that runs over several, and the world with what the map built before it.
struct MapRecordReader {
  World& world;
  TextLines& lines;

  // Id 0 names nothing.
  Shape* FindPrimitive(int32_t id) const;
  NPC* FindNpc(int32_t id) const;
};

// What a trigger writes its map record with. The map writer numbers the elements as it writes
// them; a reference writes the number of what it names, 0 for nothing.
class MapRecordWriter {
 public:
  virtual void Append(const std::string& text) = 0;
  // The letter and the region as a shape record; a region of another kind, or none, is "0".
  virtual void AppendRegion(char letter, const ModifierShape& modifier) = 0;
  virtual int32_t IdOf(const Primitive* element) const = 0;

  int32_t IdOfBody(const Actor* actor) const;
  // "n" and the NPC, else "p" and the shape, else what stands for no anchor.
  std::string AnchorFields(const Actor* npc, const Shape* anchor, const std::string& none) const;

 protected:
  ~MapRecordWriter() = default;
};

// How the map reader makes the trigger of one record letter.
struct TriggerKindEntry {
  // The record begins with its region's shape token; the map reader reads the region first.
  bool shaped = false;
  // The trigger from the rest of the record, with the region when shaped; null when the
  // record cannot be read.
  std::function<std::unique_ptr<ModifierShape>(MapRecordReader&, std::istream&,
                                               std::unique_ptr<Shape>)>
      read;
};

// By record letter.
using TriggerKindTable = std::map<char, TriggerKindEntry>;

// The triggers a map can hold: hazard, portal, push, tutorial picture, conversation, shop, save
// point and the two camera setters. The triggers fill it.
const TriggerKindTable& RegisteredTriggerKinds();
// Whether the letter is that of a trigger whose record begins with its region's shape token.
bool IsShapedModifier(char letter);
