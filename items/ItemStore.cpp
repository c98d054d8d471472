#include "items/ItemStore.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>

#include "engine/FileIO.h"
#include "items/ItemFiles.h"

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

std::shared_ptr<StatBlock> OwnStats(const Object& object) {
  return std::make_shared<StatBlock>(*object.stats);
}

// Every field of the item, the statistics in a block of the copy's own.
std::unique_ptr<Item> OwnCopy(const Item& item) {
  std::unique_ptr<Item> copy = item.Clone();
  copy->stats = OwnStats(item);
  return copy;
}

// The same for a rune and its five parts; a bound rune lends its part's statistics again.
std::unique_ptr<Rune> OwnCopy(const Rune& rune) {
  auto copy = std::make_unique<Rune>(rune);
  for (size_t i = 0; i < copy->parts.size(); ++i) copy->parts[i].stats = OwnStats(rune.parts[i]);
  copy->stats = copy->activePart ? copy->activePart->stats : OwnStats(rune);
  return copy;
}

}  // namespace

ItemStore::ItemStore() { Load(); }

std::array<std::filesystem::file_time_type, 4> ItemStore::FileTimes() const {
  std::array<std::filesystem::file_time_type, 4> times{};
  const char* paths[4] = {EquipmentFilePath, RunesFilePath, ExpendablesFilePath, KeyItemsFilePath};
  for (size_t i = 0; i < times.size(); ++i) {
    std::error_code error;
    times[i] = std::filesystem::last_write_time(NativePath(paths[i]), error);
  }
  return times;
}

std::unique_ptr<ItemStore> ItemStore::CopyOf(ItemStore& loaded) {
  if (loaded.FileTimes() != loaded.fileTimes_) loaded.Load();
  std::unique_ptr<ItemStore> copy(new ItemStore(Empty{}));
  copy->fileTimes_ = loaded.fileTimes_;
  std::unordered_map<const Item*, Item*> copies;
  auto copyOf = [&](Item* item) {
    auto [entry, added] = copies.try_emplace(item, nullptr);
    if (added) entry->second = copy->equipment.Adopt(OwnCopy(*item));
    return entry->second;
  };
  const EquipmentPool& from = loaded.equipment;
  const std::vector<Item*>* lists[] = {&from.items,  &from.weapons, &from.daggers,
                                       &from.swords, &from.spears,  &from.headgear,
                                       &from.armor,  &from.gauntlets, &from.boots};
  const std::vector<std::vector<Item*>*> into = copy->equipment.Lists();
  for (size_t i = 0; i < into.size(); ++i) {
    for (Item* item : *lists[i]) into[i]->push_back(copyOf(item));
  }
  for (const Rune* rune : loaded.runes.items) copy->runes.Add(OwnCopy(*rune));
  for (const Item* item : loaded.expendables.items) copy->expendables.Add(OwnCopy(*item));
  for (const Item* item : loaded.keyItems.items) copy->keyItems.Add(OwnCopy(*item));
  return copy;
}

void ItemStore::Load() {
  fileTimes_ = FileTimes();
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
