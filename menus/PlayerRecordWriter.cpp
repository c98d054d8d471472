// The save screen's writing of the player record.

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "engine/FileIO.h"
#include "engine/NumberFormat.h"
#include "items/Item.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "menus/MenuSave.h"
#include "menus/SavePoint.h"
#include "player/Player.h"
#include "player/PlayerRecordFormat.h"
#include "world/World.h"

namespace {

// Equipment slots without an item are written as this name.
constexpr const char* NoItem = "0";

void AppendLine(std::string& text, const std::string& line) {
  text += line;
  text += '\n';
}

void WriteNames(std::string& text, const char* marker, const std::vector<std::string>& names) {
  AppendLine(text, marker);
  for (const std::string& name : names) AppendLine(text, name);
}

// The reader takes the map path as one word.
bool IsOneWord(const std::string& text) {
  return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
  });
}

// A whole line that reads back as written: no line feed inside, no carriage return at its end
// (the reader strips those).
bool IsWholeLine(const std::string& text) {
  return text.find('\n') == std::string::npos && (text.empty() || text.back() != '\r');
}

// A line of a name list: read back whole, not taken for an empty line the reader skips nor
// for the marker that ends the list.
bool IsListName(const std::string& name, const char* endMarker) {
  return !name.empty() && IsWholeLine(name) && (!endMarker || name.rfind(endMarker, 0) != 0);
}

bool AllListNames(const std::vector<std::string>& names, const char* endMarker) {
  return std::all_of(names.begin(), names.end(),
                     [endMarker](const std::string& name) { return IsListName(name, endMarker); });
}

// Whether the record's reader would read back what the writer would write.
bool ReadsBack(const Player& player, const std::string& mapPath) {
  for (const Item* item : player.equipped) {
    if (item && !IsWholeLine(item->GetName())) return false;
  }
  return IsOneWord(mapPath) && AllListNames(player.skills, JournalMarker) &&
         std::all_of(
             player.journal.begin(), player.journal.end(),
             [](const JournalEntry& entry) { return IsListName(entry.name, TermsMarker); }) &&
         AllListNames(player.terms, PeopleMarker) && AllListNames(player.people, BestiaryMarker) &&
         AllListNames(player.bestiary, nullptr);
}

}  // namespace

bool MenuSave::WriteSaveFile() {
  World* world = savePoint ? savePoint->world : nullptr;
  const Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (!player) return false;
  const std::string mapPath = world->GetMapName();
  if (!ReadsBack(*player, mapPath)) return false;
  std::string text;
  WriteHeader(text, mapPath);
  WriteStats(text, *player);
  WriteEquipment(text, *player);
  WriteInventory(text, *player);
  WriteSkills(text, *player);
  WriteJournal(text, *player);
  WriteTerms(text, *player);
  WritePeople(text, *player);
  WriteBestiary(text, *player);
  std::error_code ignored;
  std::filesystem::create_directories(
      std::filesystem::path(NativePath(PlayerRecordPath)).parent_path(), ignored);
  return WriteTextFile(PlayerRecordPath, text);
}

void MenuSave::WriteHeader(std::string& text, const std::string& mapPath) const {
  AppendLine(text, mapPath + ' ' + FormatFloat(savePoint->position.x) + ' ' +
                       FormatFloat(savePoint->position.y));
}

void MenuSave::WriteStats(std::string& text, const Player& player) const {
  for (float value : *player.stats) AppendLine(text, FormatFloat(value));
  AppendLine(text, FormatFloat(player.Tokens()));
}

void MenuSave::WriteEquipment(std::string& text, const Player& player) const {
  AppendLine(text, EquipmentMarker);
  for (const Item* item : player.equipped) AppendLine(text, item ? item->GetName() : NoItem);
}

void MenuSave::WriteInventory(std::string& text, const Player& player) const {
  AppendLine(text, InventoryMarker);
  if (!player.itemStore) return;
  for (char code : ItemListCodes) {
    const std::vector<Item*> items = ItemsOfList(*player.itemStore, code);
    for (size_t index = 0; index < items.size(); ++index) {
      const Item& item = *items[index];
      if (item.quantity <= 0) continue;
      const std::string value = FormatFloat(item.recordValue);
      AppendLine(text, std::string{code, ' '} + std::to_string(index) + ' ' +
                           std::to_string(item.quantity) + ' ' + value + ' ' + value);
    }
  }
}

void MenuSave::WriteSkills(std::string& text, const Player& player) const {
  WriteNames(text, SkillsMarker, player.skills);
}

void MenuSave::WriteJournal(std::string& text, const Player& player) const {
  AppendLine(text, JournalMarker);
  for (const JournalEntry& entry : player.journal) {
    AppendLine(text, entry.name);
    std::string pages;
    for (int32_t page : entry.pages) pages += std::to_string(page) + ' ';
    AppendLine(text, pages);
  }
}

void MenuSave::WriteTerms(std::string& text, const Player& player) const {
  WriteNames(text, TermsMarker, player.terms);
}

void MenuSave::WritePeople(std::string& text, const Player& player) const {
  WriteNames(text, PeopleMarker, player.people);
}

void MenuSave::WriteBestiary(std::string& text, const Player& player) const {
  WriteNames(text, BestiaryMarker, player.bestiary);
}
