#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "items/Item.h"
#include "items/ObjectPool.h"

// The equipment of the game. The primary list `items` is the all-equipment list; the eight
// category lists refer to items of it. Index 0 of all nine lists is one "Empty" placeholder.
class EquipmentPool : public ObjectPool<Item> {
 public:
  void Load() override;
  // Load from an open stream instead of the equipment file.
  void LoadFrom(std::istream& in);

  // One equipment record, or null when it could not be read whole.
  static std::unique_ptr<Item> ReadItem(std::istream& in);

  // Takes the item over and files it: slots 2 to 5 in their category, slot 1 as a weapon.
  Item* Add(std::unique_ptr<Item> item);
  // Takes the first occurrence of that very item out of each list.
  void Remove(const Item* item);
  // Takes the first item of that name out of each list.
  void RemoveByName(const std::string& name);
  // Empties the nine lists.
  void Clear();

  static int FindIndex(const std::vector<Item*>& list, const std::string& name) {
    return IndexIn(list, name);
  }
  int IndexOfDagger(const std::string& name) const { return FindIndex(daggers, name); }
  int IndexOfSword(const std::string& name) const { return FindIndex(swords, name); }
  int IndexOfSpear(const std::string& name) const { return FindIndex(spears, name); }
  int IndexOfHeadgear(const std::string& name) const { return FindIndex(headgear, name); }
  int IndexOfArmor(const std::string& name) const { return FindIndex(armor, name); }
  int IndexOfGauntlets(const std::string& name) const { return FindIndex(gauntlets, name); }
  int IndexOfBoots(const std::string& name) const { return FindIndex(boots, name); }

  // The placeholder every list begins with, made as a load makes it.
  static std::unique_ptr<Item> MakePlaceholder();

  // The nine lists in order; the first is `items`.
  std::vector<std::vector<Item*>*> Lists() {
    return {&items, &weapons, &daggers, &swords, &spears, &headgear, &armor, &gauntlets, &boots};
  }
  // The seven category lists that hold every filed item once: daggers to boots.
  std::vector<const std::vector<Item*>*> CategoryLists() const {
    return {&daggers, &swords, &spears, &headgear, &armor, &gauntlets, &boots};
  }

  std::vector<Item*> weapons;
  std::vector<Item*> daggers;
  std::vector<Item*> swords;
  std::vector<Item*> spears;
  std::vector<Item*> headgear;
  std::vector<Item*> armor;
  std::vector<Item*> gauntlets;
  std::vector<Item*> boots;

 private:
  // Appends to the weapons list and to the list of its weapon kind.
  void FileAsWeapon(Item* item);
  // Armour slot list for slots 2 to 5, else null.
  std::vector<Item*>* ArmourList(int32_t slot);
};
