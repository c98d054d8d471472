#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The root of everything that is drawn or collided. Derived classes inherit it virtually, so
// that a shape and its collision part share one name and one identifier.
class Primitive {
 public:
  virtual ~Primitive() = default;

  // A new copy of the dynamic class; its id is 0.
  virtual std::unique_ptr<Primitive> ClonePrimitive() const = 0;

  std::string GetName() const { return name; }
  void SetName(std::string newName) { name = std::move(newName); }

  int32_t id = 0;
  std::string name;

 protected:
  Primitive() = default;
  Primitive(const Primitive&) = default;
  Primitive& operator=(const Primitive&) = default;
};
