#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

class ShapeRefListBase;

// A shape that lists may name. It knows every list that names it, so that its destruction
// takes it out of all of them and no list is left holding a pointer to it.
class Listable {
 public:
  Listable() = default;
  // A copy is new: no list names it yet.
  Listable(const Listable&) {}
  Listable& operator=(const Listable&) { return *this; }
  ~Listable();

 private:
  friend class ShapeRefListBase;
  // One entry for each entry of a list that names this shape.
  std::vector<ShapeRefListBase*> listedIn_;
};

class ShapeRefListBase {
 public:
  ShapeRefListBase(const ShapeRefListBase&) = delete;
  ShapeRefListBase& operator=(const ShapeRefListBase&) = delete;

 protected:
  ShapeRefListBase() = default;
  virtual ~ShapeRefListBase() = default;

  void Link(Listable* shape) { shape->listedIn_.push_back(this); }
  void Unlink(Listable* shape);

 private:
  friend class Listable;
  // Takes out every entry that names the shape, which is being destroyed.
  virtual void Drop(const Listable* shape) = 0;
};

// A non-owning list of shapes, in order, duplicates allowed. Each entry is linked to its shape
// both ways: destroying the list unlinks its entries, destroying a shape removes its entries.
// Reading is as from a vector; changes go through the members below.
template <class T>
class ShapeRefList final : public ShapeRefListBase {
 public:
  using value_type = T*;
  using const_iterator = typename std::vector<T*>::const_iterator;
  using iterator = const_iterator;

  ShapeRefList() = default;
  ShapeRefList(std::initializer_list<T*> shapes) { Assign(shapes.begin(), shapes.end()); }
  ShapeRefList(const ShapeRefList& other) : ShapeRefListBase() {
    Assign(other.begin(), other.end());
  }
  ShapeRefList& operator=(const ShapeRefList& other) {
    if (this != &other) Assign(other.begin(), other.end());
    return *this;
  }
  ShapeRefList& operator=(std::initializer_list<T*> shapes) {
    Assign(shapes.begin(), shapes.end());
    return *this;
  }
  ~ShapeRefList() override { clear(); }

  const_iterator begin() const { return shapes_.begin(); }
  const_iterator end() const { return shapes_.end(); }
  size_t size() const { return shapes_.size(); }
  bool empty() const { return shapes_.empty(); }
  T* operator[](size_t index) const { return shapes_[index]; }
  bool Contains(const T* shape) const {
    return std::find(shapes_.begin(), shapes_.end(), shape) != shapes_.end();
  }

  void push_back(T* shape) {
    Listable* link = shape;
    if (link) Link(link);
    shapes_.push_back(shape);
    links_.push_back(link);
  }
  void AddUnique(T* shape) {
    if (!Contains(shape)) push_back(shape);
  }
  const_iterator erase(const_iterator at) {
    const auto index = at - shapes_.begin();
    if (links_[index]) Unlink(links_[index]);
    links_.erase(links_.begin() + index);
    return shapes_.erase(at);
  }
  void RemoveFirst(const T* shape) {
    auto found = std::find(shapes_.begin(), shapes_.end(), shape);
    if (found != shapes_.end()) erase(found);
  }
  void RemoveAll(const T* shape) {
    for (auto at = shapes_.cbegin(); at != shapes_.cend();) {
      at = *at == shape ? erase(at) : at + 1;
    }
  }
  void clear() {
    for (Listable* link : links_) {
      if (link) Unlink(link);
    }
    shapes_.clear();
    links_.clear();
  }

  friend bool operator==(const ShapeRefList& list, const std::vector<T*>& shapes) {
    return list.shapes_ == shapes;
  }
  friend bool operator==(const ShapeRefList& first, const ShapeRefList& second) {
    return first.shapes_ == second.shapes_;
  }

 private:
  template <class Iterator>
  void Assign(Iterator first, Iterator last) {
    // Built apart first, so that assigning a list a copy of itself keeps every entry.
    std::vector<T*> shapes(first, last);
    clear();
    for (T* shape : shapes) push_back(shape);
  }

  void Drop(const Listable* shape) override {
    for (size_t i = links_.size(); i-- > 0;) {
      if (links_[i] != shape) continue;
      Unlink(links_[i]);
      links_.erase(links_.begin() + static_cast<std::ptrdiff_t>(i));
      shapes_.erase(shapes_.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }

  std::vector<T*> shapes_;
  // The same shapes seen as Listable, taken while each was alive: a shape being destroyed is
  // found by its address alone.
  std::vector<Listable*> links_;
};
