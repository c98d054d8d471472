#include "items/StatBlock.h"

#define QM_STAT_KEY_TEXT(key) #key,
const std::array<std::string_view, StatCount> StatKeys = {QM_STAT_KEYS(QM_STAT_KEY_TEXT)};
#undef QM_STAT_KEY_TEXT

void AddStatBlock(StatBlock& destination, const StatBlock& source) {
  for (int i = 0; i < StatCount; ++i) destination[i] += source[i];
}
