#include "actors/Actor.h"
#include "items/ItemStore.h"

void Actor::RecomputeAfterEquip() {
  RecomputeEquipmentStats();
  RecomputeTotalStats();
  RecomputeDerivedStats();
}

void Actor::EquipEquipmentSlot(int slot, Item* item) {
  const bool fits = item && item->kind == ItemKindEquipment &&
                    item->typeWord == TypeWordEquipment && item->slot == slot + 1;
  if (fits) {
    equipped[slot] = item;
  } else {
    equipped[slot] = itemStore ? itemStore->equipment.FindByName(EmptyItemName) : nullptr;
  }
  RecomputeAfterEquip();
}

void Actor::EquipEquipmentSlotByName(int slot, const std::string& name) {
  EquipEquipmentSlot(slot, itemStore ? itemStore->equipment.FindByName(name) : nullptr);
}

void Actor::EquipRuneSlot(int slot, Rune* rune) {
  if (Rune* worn = dynamic_cast<Rune*>(equipped[slot])) worn->Unbind();
  if (!rune && itemStore) rune = itemStore->runes.FindByName(EmptyItemName);
  if (rune) {
    // A rune still marked as worn elsewhere leaves that slot first. A mark that does not match
    // the slot's content (a hand-edited record) is simply overwritten.
    // Any other mark names no slot; it is not used in arithmetic.
    const bool marked = rune->slot >= SlotWeapon && rune->slot <= SlotBoots;
    const int markedSlot = marked ? FirstRuneSlot - 1 + rune->slot : slot;
    if (markedSlot != slot && equipped[markedSlot] == rune) EquipRuneSlot(markedSlot, nullptr);
    rune->Bind(slot - FirstRuneSlot + 1);
  }
  equipped[slot] = rune;
  RecomputeAfterEquip();
}

void Actor::EquipRuneSlotByName(int slot, const std::string& name) {
  EquipRuneSlot(slot, itemStore ? itemStore->runes.FindByName(name) : nullptr);
}
