#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One entry of a player's journal: its name and the pages of it the player has found.
struct JournalEntry {
  std::string name;
  std::vector<int32_t> pages;

  friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};
