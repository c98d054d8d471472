#include "items/ItemStore.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// Quantities from hand-edited files may lie near the integer limits: the sum stops at them.
void AddQuantity(Item& own, int64_t delta) {
  const int64_t sum = own.quantity + delta;
  own.quantity = static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                          std::numeric_limits<int32_t>::max()));
}

template <typename T>
void Subtract(const ObjectPool<T>& pool, const Item& item) {
  if (T* own = pool.FindByName(item.name)) AddQuantity(*own, -int64_t{item.quantity});
}

}  // namespace

ItemStore::ItemStore() { Load(); }

void ItemStore::Load() {
  equipment.Load();
  runes.Load();
  expendables.Load();
  keyItems.Load();
}

void ItemStore::CopyFrom(const ItemStore& source) {
  Clear();
  Item* placeholder = equipment.Adopt(EquipmentPool::MakePlaceholder());
  for (std::vector<Item*>* list : equipment.Lists()) list->push_back(placeholder);
  runes.Add(RunePool::MakePlaceholder());

  const std::vector<const std::vector<Item*>*> from = source.equipment.CategoryLists();
  const std::vector<std::vector<Item*>*> to = {&equipment.daggers,  &equipment.swords,
                                               &equipment.spears,   &equipment.headgear,
                                               &equipment.armor,    &equipment.gauntlets,
                                               &equipment.boots};
  constexpr size_t WeaponListCount = 3;
  for (size_t i = 0; i < from.size(); ++i) {
    for (const Item* item : *from[i]) {
      if (item->name == EmptyItemName) continue;
      Item* copy = equipment.Adopt(item->Clone());
      to[i]->push_back(copy);
      equipment.items.push_back(copy);
      if (i < WeaponListCount) equipment.weapons.push_back(copy);
    }
  }
  for (const Rune* rune : source.runes.items) {
    if (rune->name != EmptyItemName) runes.Add(std::make_unique<Rune>(*rune));
  }
  for (const Item* item : source.expendables.items) {
    if (item->name != EmptyItemName) expendables.Add(ExpendablePool::CloneItem(*item));
  }
  for (const Item* item : source.keyItems.items) {
    if (item->name != EmptyItemName) keyItems.Add(KeyItemPool::CloneItem(*item));
  }
}

void ItemStore::Clear() {
  equipment.Clear();
  runes.items.clear();
  expendables.items.clear();
  keyItems.items.clear();
}

void ItemStore::ClearQuantities() {
  for (Item* item : GetAllItems()) item->quantity = 0;
}

std::vector<Item*> ItemStore::GetAllItems() const {
  std::vector<Item*> all(equipment.items);
  all.insert(all.end(), runes.items.begin(), runes.items.end());
  all.insert(all.end(), expendables.items.begin(), expendables.items.end());
  all.insert(all.end(), keyItems.items.begin(), keyItems.items.end());
  return all;
}

Item* ItemStore::FindByName(const std::string& name) const {
  if (Item* item = equipment.FindByName(name)) return item;
  if (Item* item = runes.FindByName(name)) return item;
  if (Item* item = expendables.FindByName(name)) return item;
  return keyItems.FindByName(name);
}

void ItemStore::RemoveByName(const std::string& name) {
  equipment.RemoveByName(name);
  runes.RemoveByName(name);
  expendables.RemoveByName(name);
  keyItems.RemoveByName(name);
}

void ItemStore::AddEquipment(const Item& item) {
  if (Item* own = equipment.FindByName(item.name)) {
    AddQuantity(*own, item.quantity);
    return;
  }
  Item* copy = equipment.ObjectPool<Item>::Add(item.Clone());
  switch (item.weaponKind) {
    case WeaponKindDagger: equipment.daggers.push_back(copy); break;
    case WeaponKindSword: equipment.swords.push_back(copy); break;
    case WeaponKindSpear: equipment.spears.push_back(copy); break;
    case WeaponKindNone:
      switch (copy->slot) {
        case SlotHeadgear: equipment.headgear.push_back(copy); break;
        case SlotArmor: equipment.armor.push_back(copy); break;
        case SlotGauntlets: equipment.gauntlets.push_back(copy); break;
        case SlotBoots: equipment.boots.push_back(copy); break;
        default: break;
      }
      return;
    default: return;
  }
  equipment.weapons.push_back(copy);
}

void ItemStore::AddRune(const Item& item) {
  const Rune* rune = dynamic_cast<const Rune*>(&item);
  if (!rune) return;
  if (Rune* own = runes.FindByName(rune->name)) {
    AddQuantity(*own, rune->quantity);
    return;
  }
  runes.Add(std::make_unique<Rune>(*rune));
}

void ItemStore::AddKeyItem(const Item& item) {
  if (Item* own = keyItems.FindByName(item.name)) {
    AddQuantity(*own, item.quantity);
    return;
  }
  keyItems.Add(KeyItemPool::CloneItem(item));
}

void ItemStore::AddExpendable(const Item& item) {
  if (Item* own = expendables.FindByName(item.name)) {
    AddQuantity(*own, item.quantity);
    return;
  }
  expendables.Add(ExpendablePool::CloneItem(item));
}

void ItemStore::SubtractEquipment(const Item& item) { Subtract(equipment, item); }
void ItemStore::SubtractRune(const Item& item) { Subtract(runes, item); }
void ItemStore::SubtractKeyItem(const Item& item) { Subtract(keyItems, item); }
void ItemStore::SubtractExpendable(const Item& item) { Subtract(expendables, item); }
