#include "items/ItemListCodes.h"

#include "items/ItemStore.h"

namespace {

constexpr char NoCode = 0;
// Weapons by kind 1 to 3, armour by slot 2 to 5.
constexpr std::array<char, 4> WeaponCodes = {NoCode, 'd', 's', 'l'};
constexpr std::array<char, 6> ArmourCodes = {NoCode, NoCode, 'h', 'a', 'g', 'b'};

template <size_t N>
char CodeAt(const std::array<char, N>& codes, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < N ? codes[static_cast<size_t>(index)] : NoCode;
}

}  // namespace

std::vector<Item*> ItemsOfList(const ItemStore& store, char code) {
  const EquipmentPool& equipment = store.equipment;
  switch (code) {
    case 'd':
      return equipment.daggers;
    case 's':
      return equipment.swords;
    case 'l':
      return equipment.spears;
    case 'h':
      return equipment.headgear;
    case 'a':
      return equipment.armor;
    case 'g':
      return equipment.gauntlets;
    case 'b':
      return equipment.boots;
    case 'r':
      return {store.runes.items.begin(), store.runes.items.end()};
    case 'i':
      return store.expendables.items;
    case 'k':
      return store.keyItems.items;
    default:
      return {};
  }
}

Item* ItemAt(const ItemStore& store, char code, long long index) {
  const std::vector<Item*> items = ItemsOfList(store, code);
  if (index < 0 || index >= static_cast<long long>(items.size())) return nullptr;
  return items[static_cast<size_t>(index)];
}

char ListCodeOf(const Item& item) {
  switch (item.kind) {
    case ItemKindExpendable:
      return 'i';
    case ItemKindKeyItem:
      return 'k';
    case ItemKindEquipment:
      if (item.typeWord == TypeWordRune) return 'r';
      if (item.typeWord != TypeWordEquipment) return NoCode;
      if (item.weaponKind != WeaponKindNone) return CodeAt(WeaponCodes, item.weaponKind);
      return CodeAt(ArmourCodes, item.slot);
    default:
      return NoCode;
  }
}
