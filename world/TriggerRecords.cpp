#include "world/TriggerRecords.h"

#include <algorithm>

namespace {

template <typename Key>
const TriggerKindEntry* FindKindBy(Key TriggerKindEntry::*key, Key value) {
  const TriggerKindTable& kinds = RegisteredTriggerKinds();
  const auto found = std::ranges::find(kinds, value, key);
  return found == kinds.end() ? nullptr : &*found;
}

}  // namespace

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
