#pragma once

#include <cstdint>
#include <map>
#include <memory>

// Drawables ordered by layer, lowest first; within a layer in the order they were inserted.
// An entry either owns its drawable (the map's own content) or only points at it (an actor's
// picture, which belongs to the actor).
template <typename T>
class LayerMap {
 public:
  struct Entry {
    T* item = nullptr;
    std::unique_ptr<T> owned;
  };
  using Entries = std::multimap<int32_t, Entry>;
  using iterator = typename Entries::iterator;

  // After the entries already on that layer.
  iterator Insert(int32_t layer, std::unique_ptr<T> item) {
    T* raw = item.get();
    return entries.insert({layer, Entry{raw, std::move(item)}});
  }
  iterator InsertBorrowed(int32_t layer, T* item) {
    return entries.insert({layer, Entry{item, nullptr}});
  }

  // The entry with exactly this layer and item, else end().
  iterator FindAt(int32_t layer, const T* item) {
    auto [first, last] = entries.equal_range(layer);
    for (auto it = first; it != last; ++it) {
      if (it->second.item == item) return it;
    }
    return entries.end();
  }
  // The first entry holding the item, in map order, else end().
  iterator FindEntry(const T* item) {
    for (auto it = entries.begin(); it != entries.end(); ++it) {
      if (it->second.item == item) return it;
    }
    return entries.end();
  }

  // Moves the entry (old layer, item) to the new layer, after the entries there; an item not
  // under the old layer is only inserted, without ownership.
  void SetLayer(T* item, int32_t oldLayer, int32_t newLayer) {
    std::unique_ptr<T> owned;
    auto found = FindAt(oldLayer, item);
    if (found != entries.end()) {
      owned = std::move(found->second.owned);
      entries.erase(found);
    }
    entries.insert({newLayer, Entry{item, std::move(owned)}});
  }

  // Erases the first entry holding the item and hands back what it owned, if anything.
  std::unique_ptr<T> Remove(const T* item) {
    auto found = FindEntry(item);
    if (found == entries.end()) return nullptr;
    std::unique_ptr<T> owned = std::move(found->second.owned);
    entries.erase(found);
    return owned;
  }

  // Destroys the owned drawables; borrowed ones are only forgotten.
  void Clear() { entries.clear(); }

  iterator begin() { return entries.begin(); }
  iterator end() { return entries.end(); }
  bool empty() const { return entries.empty(); }
  size_t size() const { return entries.size(); }

  Entries entries;
};
