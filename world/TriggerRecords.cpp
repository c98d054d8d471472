#include "world/TriggerRecords.h"

#include <algorithm>

namespace {

// Kept for the whole run by the triggers.
const TriggerKindTable* RegisteredKinds = nullptr;

template <typename Key>
const TriggerKindEntry* FindKindBy(Key TriggerKindEntry::*key, Key value) {
  const TriggerKindTable& kinds = RegisteredTriggerKinds();
  const auto found = std::ranges::find(kinds, value, key);
  return found == kinds.end() ? nullptr : &*found;
}

}  // namespace

void RegisterTriggerKinds(const TriggerKindTable& kinds) { RegisteredKinds = &kinds; }

const TriggerKindTable& RegisteredTriggerKinds() {
  static const TriggerKindTable none;
  return RegisteredKinds ? *RegisteredKinds : none;
}

const TriggerKindEntry* FindTriggerKindByLetter(char letter) {
  return FindKindBy(&TriggerKindEntry::letter, letter);
}

const TriggerKindEntry* FindTriggerKind(int32_t kind) {
  return FindKindBy(&TriggerKindEntry::kind, kind);
}

bool IsShapedModifier(char letter) {
  const TriggerKindEntry* kind = FindTriggerKindByLetter(letter);
  return kind && kind->shaped;
}
