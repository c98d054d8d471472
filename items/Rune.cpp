#include "items/Rune.h"

namespace {

constexpr const char* PartNames[Rune::PartCount] = {"Weapon", "Headgear", "Armor", "Gauntlets",
                                                    "Boots"};

bool IsRuneSlot(int32_t slot) { return slot >= SlotWeapon && slot <= SlotBoots; }

}  // namespace

Rune::Rune() : Item(ItemKindEquipment) {
  typeWord = TypeWordRune;
  for (int i = 0; i < PartCount; ++i) {
    parts[i].name = PartNames[i];
    parts[i].description = std::string(PartNames[i]) + " Description";
  }
}

Rune::Rune(const Rune& copy) : Rune() {
  Item::operator=(copy);
  for (int i = 0; i < PartCount; ++i) parts[i] = copy.parts[i];
  activePart = nullptr;
  if (IsRuneSlot(slot)) Bind(slot);
}

void Rune::Bind(int32_t runeSlot) {
  slot = runeSlot;
  activePart = IsRuneSlot(runeSlot) ? &parts[runeSlot - 1] : nullptr;
  if (activePart) stats = activePart->stats;
}

void Rune::Unbind() {
  slot = SlotNone;
  activePart = nullptr;
}
