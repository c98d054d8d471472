#include "world/TriggerRecords.h"

#include <algorithm>

namespace {

// Kept for the whole run by the triggers.
const TriggerKindTable* RegisteredKinds = nullptr;

}  // namespace

void RegisterTriggerKinds(const TriggerKindTable& kinds) { RegisteredKinds = &kinds; }

const TriggerKindTable& RegisteredTriggerKinds() {
  static const TriggerKindTable none;
  return RegisteredKinds ? *RegisteredKinds : none;
}

const TriggerKindEntry* FindTriggerKindByLetter(char letter) {
  const TriggerKindTable& kinds = RegisteredTriggerKinds();
  const auto found = std::ranges::find(kinds, letter, &TriggerKindEntry::letter);
  return found == kinds.end() ? nullptr : &*found;
}

bool IsShapedModifier(char letter) {
  const TriggerKindEntry* kind = FindTriggerKindByLetter(letter);
  return kind && kind->shaped;
}
