#pragma once

#include <array>
#include <memory>

#include "items/Item.h"

// An equipment-form item with five alternative statistics parts, one per body slot; bound to a
// rune slot, it takes the statistics of that slot's part.
class Rune : public Item {
 public:
  static constexpr int PartCount = 5;

  Rune();
  // Copies the item fields and the five parts (which then share their statistics), and picks
  // the active part from the copied slot.
  Rune(const Rune& copy);
  Rune& operator=(const Rune&) = delete;

  // Binds to rune slot 1 to 5: the part of that slot becomes active and lends its statistics.
  void Bind(int32_t runeSlot);
  // Slot 0, no active part; the statistics stay those of the last part.
  void Unbind();

  // Weapon, Headgear, Armor, Gauntlets, Boots.
  std::array<Object, PartCount> parts;
  Object* activePart = nullptr;
};
