#include "items/Item.h"
#include "items/ItemStore.h"
#include "player/Player.h"

void Player::UnequipDepletedItems() {
  Item* emptyEquipment = itemStore ? itemStore->equipment.FindByName(EmptyItemName) : nullptr;
  Item* emptyRune = itemStore ? itemStore->runes.FindByName(EmptyItemName) : nullptr;
  for (int slot = 0; slot < FirstRuneSlot; ++slot) {
    // An empty slot counts as used up.
    if (!equipped[slot] || equipped[slot]->quantity <= 0) equipped[slot] = emptyEquipment;
  }
  for (int slot = FirstRuneSlot; slot < EquipSlotCount; ++slot) {
    if (!equipped[slot]) equipped[slot] = emptyRune;
  }
  RecomputeEquipmentStats();
  RecomputeTotalStats();
  // What the sold item gave to attack, defence and the maxima goes with it.
  RecomputeDerivedStats();
}
