#include "items/ExpendablePool.h"
#include "items/ItemFiles.h"
#include "items/KeyItemPool.h"

namespace {

// Expendables and key items are bare item bodies of one kind.
void LoadItemBodies(ObjectPool<Item>& pool, ItemKind kind, std::istream& in) {
  pool.items.clear();
  ReadItemRecords(in, [&] {
    auto item = std::make_unique<Item>(kind);
    if (item->Read(in) == Object::ReadComplete) pool.Add(std::move(item));
  });
}

}  // namespace

void ExpendablePool::Load() {
  std::ifstream in = OpenItemFile(ExpendablesFilePath);
  LoadFrom(in);
}

void ExpendablePool::LoadFrom(std::istream& in) { LoadItemBodies(*this, ItemKindExpendable, in); }

void KeyItemPool::Load() {
  std::ifstream in = OpenItemFile(KeyItemsFilePath);
  LoadFrom(in);
}

void KeyItemPool::LoadFrom(std::istream& in) { LoadItemBodies(*this, ItemKindKeyItem, in); }
