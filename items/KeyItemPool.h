#pragma once

#include <istream>
#include <memory>

#include "items/Item.h"
#include "items/ObjectPool.h"

// The key items of the game, in file order; no placeholder.
class KeyItemPool : public ObjectPool<Item> {
 public:
  void Load() override;
  // Load from an open stream instead of the key item file.
  void LoadFrom(std::istream& in);

  // A key-item copy of the item's object part, kind, record value, quantity and sale flag.
  static std::unique_ptr<Item> CloneItem(const Item& item) {
    return item.CloneAs(ItemKindKeyItem);
  }
};
