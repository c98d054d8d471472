#pragma once

#include <memory>
#include <string>
#include <vector>

// The items of one family, in file order. The pool keeps every item it ever made or took over
// until it is destroyed: emptying or reloading its lists drops only the references, so items
// that screens or other lists still point at stay valid.
template <typename T>
class ObjectPool {
 public:
  ObjectPool() = default;
  ObjectPool(const ObjectPool&) = delete;
  ObjectPool& operator=(const ObjectPool&) = delete;
  virtual ~ObjectPool() = default;

  // Empties the lists and fills them from the family's item file.
  virtual void Load() = 0;

  // Takes the item over without listing it.
  T* Adopt(std::unique_ptr<T> item) {
    owned_.push_back(std::move(item));
    return owned_.back().get();
  }

  // Takes the item over and appends it to the primary list.
  T* Add(std::unique_ptr<T> item) {
    T* added = Adopt(std::move(item));
    items.push_back(added);
    return added;
  }

  T* FindByName(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? nullptr : items[index];
  }

  int IndexOfName(const std::string& name) const { return IndexIn(items, name); }

  // Takes the first item of that name out of the primary list.
  void RemoveByName(const std::string& name) { RemoveFirstNamed(items, name); }

  // The primary list.
  std::vector<T*> items;

 protected:
  static int IndexIn(const std::vector<T*>& list, const std::string& name) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i]->name == name) return static_cast<int>(i);
    }
    return -1;
  }

  static void RemoveFirstNamed(std::vector<T*>& list, const std::string& name) {
    const int index = IndexIn(list, name);
    if (index >= 0) list.erase(list.begin() + index);
  }

 private:
  std::vector<std::unique_ptr<T>> owned_;
};
