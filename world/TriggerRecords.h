#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "world/TriggerFields.h"

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

// One kind of trigger: how the map reader makes it from its record, and what the level
// editor shows and changes of it.
struct TriggerKindEntry {
  char letter;
  // The kind number its triggers carry.
  int32_t kind;
  // The record begins with its region's shape token; the map reader reads the region first.
  bool shaped = false;
  // The trigger from the rest of the record, with the region when shaped; null when the
  // record cannot be read.
  std::function<std::unique_ptr<ModifierShape>(MapRecordReader&, std::istream&,
                                               std::unique_ptr<Shape>)>
      read;
  // The property panel's widgets for its values.
  std::vector<TriggerField> fields{};
  // The convert menu's item for it; a kind without one is not offered.
  std::optional<TriggerConversion> conversion{};
};

// The convert menu offers the kinds in the table's order.
using TriggerKindTable = std::vector<TriggerKindEntry>;

// The triggers a map can hold: portal, push, hazard, tutorial picture, the two camera
// setters, conversation, shop and save point. The triggers fill the table; the program's
// assembly registers it at start-up. Until then a map holds no trigger.
void RegisterTriggerKinds(const TriggerKindTable& kinds);
const TriggerKindTable& RegisteredTriggerKinds();
// The kind of a record letter; null for none.
const TriggerKindEntry* FindTriggerKindByLetter(char letter);
// Whether the letter is that of a trigger whose record begins with its region's shape token.
bool IsShapedModifier(char letter);
