#include "items/EquipmentPool.h"

#include <algorithm>

#include "items/ItemFiles.h"

namespace {

void EraseFirst(std::vector<Item*>& list, const Item* item) {
  auto found = std::find(list.begin(), list.end(), item);
  if (found != list.end()) list.erase(found);
}

}  // namespace

std::unique_ptr<Item> EquipmentPool::MakePlaceholder() {
  auto placeholder = std::make_unique<Item>(ItemKindEquipment);
  placeholder->typeWord = TypeWordPlaceholder;
  placeholder->slot = SlotNone;
  placeholder->weaponKind = WeaponKindNone;
  placeholder->name = EmptyItemName;
  return placeholder;
}

void EquipmentPool::Load() {
  std::ifstream in = OpenItemFile(EquipmentFilePath);
  LoadFrom(in);
}

void EquipmentPool::LoadFrom(std::istream& in) {
  Clear();
  Item* placeholder = Adopt(MakePlaceholder());
  for (std::vector<Item*>* list : Lists()) list->push_back(placeholder);
  ReadItemRecords(in, [&] {
    std::unique_ptr<Item> read = ReadItem(in);
    if (!read) return;
    Item* item = Adopt(std::move(read));
    items.push_back(item);
    if (std::vector<Item*>* list = ArmourList(item->slot)) {
      list->push_back(item);
    } else {
      FileAsWeapon(item);
    }
  });
}

std::unique_ptr<Item> EquipmentPool::ReadItem(std::istream& in) {
  auto item = std::make_unique<Item>(ItemKindEquipment);
  int32_t typeWord = 0;
  int32_t slot = 0;
  int32_t weaponKind = 0;
  in >> typeWord >> slot >> weaponKind;
  if (!in || item->Read(in) != Object::ReadComplete) return nullptr;
  item->typeWord = typeWord;
  item->slot = slot;
  item->weaponKind = weaponKind;
  return item;
}

Item* EquipmentPool::Add(std::unique_ptr<Item> item) {
  Item* added = ObjectPool<Item>::Add(std::move(item));
  if (std::vector<Item*>* list = ArmourList(added->slot)) {
    list->push_back(added);
  } else if (added->slot == SlotWeapon) {
    FileAsWeapon(added);
  }
  return added;
}

void EquipmentPool::Remove(const Item* item) {
  for (std::vector<Item*>* list : Lists()) EraseFirst(*list, item);
}

void EquipmentPool::RemoveByName(const std::string& name) {
  for (std::vector<Item*>* list : Lists()) RemoveFirstNamed(*list, name);
}

void EquipmentPool::Clear() {
  for (std::vector<Item*>* list : Lists()) list->clear();
}

void EquipmentPool::FileAsWeapon(Item* item) {
  weapons.push_back(item);
  switch (item->weaponKind) {
    case WeaponKindDagger: daggers.push_back(item); break;
    case WeaponKindSword: swords.push_back(item); break;
    case WeaponKindSpear: spears.push_back(item); break;
    default: break;
  }
}

std::vector<Item*>* EquipmentPool::ArmourList(int32_t slot) {
  switch (slot) {
    case SlotHeadgear: return &headgear;
    case SlotArmor: return &armor;
    case SlotGauntlets: return &gauntlets;
    case SlotBoots: return &boots;
    default: return nullptr;
  }
}
