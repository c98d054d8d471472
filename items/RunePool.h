#pragma once

#include <istream>
#include <memory>

#include "items/ObjectPool.h"
#include "items/Rune.h"

// The runes of the game; index 0 is the "Empty" placeholder rune.
class RunePool : public ObjectPool<Rune> {
 public:
  void Load() override;
  // Load from an open stream instead of the rune file.
  void LoadFrom(std::istream& in);

  // One rune record (name, description, five parts), or null when it could not be read whole.
  static std::unique_ptr<Rune> ReadRune(std::istream& in);

  static std::unique_ptr<Rune> MakePlaceholder();
};
