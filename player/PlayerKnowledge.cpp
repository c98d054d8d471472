#include <algorithm>

#include "player/Player.h"

bool Player::HasSkill(const std::string& name) const {
  return std::ranges::find(skills, name) != skills.end();
}

bool Player::HasTerm(const std::string& name) const {
  return std::ranges::find(terms, name) != terms.end();
}

bool Player::HasJournalEntry(const std::string& title) const {
  return std::ranges::find(journal, title, &JournalEntry::name) != journal.end();
}

bool Player::HasJournalPage(const std::string& title, int32_t page) const {
  return std::ranges::any_of(journal, [&](const JournalEntry& entry) {
    return entry.name == title && std::ranges::find(entry.pages, page) != entry.pages.end();
  });
}
