#pragma once

#include <memory>
#include <vector>

// Objects that must disappear while a frame runs: they stay valid until the frame has been
// drawn, then are destroyed in the order they were added.
class DeferredDeleteList {
 public:
  template <typename T>
  void Add(T* object) {
    if (object) entries_.emplace_back(object, [](void* p) { delete static_cast<T*>(p); });
  }
  template <typename T>
  void Add(std::unique_ptr<T> object) {
    Add(object.release());
  }

  void Empty() {
    // Destructors may defer further objects; those wait for the next frame's end.
    std::vector<Entry> pending;
    pending.swap(entries_);
    pending.clear();
  }
  size_t Size() const { return entries_.size(); }

 private:
  using Entry = std::unique_ptr<void, void (*)(void*)>;
  std::vector<Entry> entries_;
};
