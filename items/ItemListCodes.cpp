#include "items/ItemListCodes.h"

#include "items/ItemStore.h"

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
