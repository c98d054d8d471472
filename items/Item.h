#pragma once

#include <cstdint>
#include <memory>

#include "items/Object.h"

enum ItemKind : int32_t {
  ItemKindEquipment = 0,  // equipment and runes
  ItemKindExpendable = 1,
  ItemKindKeyItem = 2,
};

// Type words of equipment-form items; the pools' "Empty" placeholders have none.
constexpr int32_t TypeWordPlaceholder = 0;
constexpr int32_t TypeWordEquipment = 1;
constexpr int32_t TypeWordRune = 2;

// Body slots, shared by equipment and by the rune slots a rune is bound to.
constexpr int32_t SlotNone = 0;
constexpr int32_t SlotWeapon = 1;
constexpr int32_t SlotHeadgear = 2;
constexpr int32_t SlotArmor = 3;
constexpr int32_t SlotGauntlets = 4;
constexpr int32_t SlotBoots = 5;

constexpr int32_t WeaponKindNone = 0;
constexpr int32_t WeaponKindDagger = 1;
constexpr int32_t WeaponKindSword = 2;
constexpr int32_t WeaponKindSpear = 3;

// The record tag every item carries; no other record has it.
inline constexpr int32_t ItemTag = 1;

// The name of the placeholders that stand for "nothing"; writers never store it.
inline constexpr const char* EmptyItemName = "Empty";

// Anything a character can own. Equipment-form items (kind 0) also use the type word, slot
// and weapon kind.
class Item : public Object {
 public:
  // Tag 1, everything else empty or 0.
  Item();
  // The construction forms: equipment (type word 1), expendable or key item.
  explicit Item(ItemKind kind);
  virtual ~Item() = default;

  // A new equipment-form item with every field of this one; it shares this item's statistics.
  std::unique_ptr<Item> Clone() const;
  // A new item of the given form with this one's object part, kind, record value, quantity
  // and on-sale flag; the equipment fields are left as the form sets them.
  std::unique_ptr<Item> CloneAs(ItemKind form) const;

  int32_t kind = ItemKindEquipment;
  // Kept by the player record and nothing else.
  float recordValue = 0.0f;
  int32_t quantity = 0;
  uint8_t onSale = 0;
  int32_t typeWord = TypeWordPlaceholder;
  int32_t slot = SlotNone;
  int32_t weaponKind = WeaponKindNone;

 protected:
  Item(const Item&) = default;
  Item& operator=(const Item&) = default;
};
