#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "items/EquipmentPool.h"
#include "items/ExpendablePool.h"
#include "items/KeyItemPool.h"
#include "items/RunePool.h"

// One holder's view of every item of the game: a quantity above 0 means owned.
class ItemStore {
 public:
  // Loads all four pools from the item files.
  ItemStore();
  ItemStore(const ItemStore&) = delete;
  ItemStore& operator=(const ItemStore&) = delete;

  // A store as loading the item files makes it, copied from one that read them (which first
  // reads them again if they changed since): the same lists in the same order, each item with
  // statistics of its own.
  static std::unique_ptr<ItemStore> CopyOf(ItemStore& loaded);

  // Rebuilds this store from copies of the source's categorised items; the copies keep
  // quantities, sale flags and prices and share their statistics.
  void CopyFrom(const ItemStore& source);
  // Empties every list of the four pools.
  void Clear();
  // Empties and refills the four pools from the item files: equipment, runes, expendables,
  // key items.
  void Load();
  void ClearQuantities();

  // Equipment, runes, expendables, key items, placeholders included.
  std::vector<Item*> GetAllItems() const;
  // First in the equipment, then the rune, the expendable and the key item list.
  Item* FindByName(const std::string& name) const;
  void RemoveByName(const std::string& name);

  // Adds the quantity of another store's item, copying the item in when this store lacks it.
  void AddEquipment(const Item& item);
  // Does nothing for an item that is not a rune.
  void AddRune(const Item& rune);
  void AddKeyItem(const Item& item);
  void AddExpendable(const Item& item);
  // Takes the quantity of another store's item away; no lower bound.
  void SubtractEquipment(const Item& item);
  void SubtractRune(const Item& item);
  void SubtractKeyItem(const Item& item);
  void SubtractExpendable(const Item& item);

  EquipmentPool equipment;
  RunePool runes;
  ExpendablePool expendables;
  KeyItemPool keyItems;

 private:
  struct Empty {};
  explicit ItemStore(Empty) {}
  // The item files' times of writing as the last load found them.
  std::array<std::filesystem::file_time_type, 4> fileTimes_{};
  std::array<std::filesystem::file_time_type, 4> FileTimes() const;
};
