#include <algorithm>

#include "items/Item.h"
#include "items/ItemStore.h"
#include "player/Player.h"

bool Player::HasSkill(std::string name) const {
  return std::find(skills.begin(), skills.end(), name) != skills.end();
}

bool Player::HasJournalEntry(std::string name) const {
  return std::any_of(journal.begin(), journal.end(),
                     [&name](const JournalEntry& entry) { return entry.name == name; });
}

bool Player::HasJournalPage(std::string name, int32_t page) const {
  // Entries may share a name; the page may stand in any of them.
  return std::any_of(journal.begin(), journal.end(), [&](const JournalEntry& entry) {
    return entry.name == name &&
           std::find(entry.pages.begin(), entry.pages.end(), page) != entry.pages.end();
  });
}

bool Player::HasTerm(std::string name) const {
  return std::find(terms.begin(), terms.end(), name) != terms.end();
}

void Player::UnequipDepletedItems() {
  Item* emptyEquipment = itemStore ? itemStore->equipment.FindByName(EmptyItemName) : nullptr;
  Item* emptyRune = itemStore ? itemStore->runes.FindByName(EmptyItemName) : nullptr;
  for (int slot = 0; slot < FirstRuneSlot; ++slot) {
    // An empty slot counts as used up.
    if (!equipped[slot] || equipped[slot]->quantity <= 0) equipped[slot] = emptyEquipment;
  }
  for (int slot = FirstRuneSlot; slot < EquipSlotCount; ++slot) {
    if (!equipped[slot]) equipped[slot] = emptyRune;
  }
  RecomputeEquipmentStats();
  RecomputeTotalStats();
  // What the sold item gave to attack, defence and the maxima goes with it.
  RecomputeDerivedStats();
}

void Player::ClearContacts() {
  body->pushingList.clear();
  body->passThroughList.clear();
}
