#include <array>
#include <locale>
#include <sstream>
#include <string>

#include "engine/MapPaths.h"
#include "engine/StringConversion.h"
#include "engine/TextLines.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "player/NewGameDefaults.h"
#include "player/Player.h"
#include "player/PlayerRecordFormat.h"

namespace {

// Each list ends where the next section's marker begins.
constexpr const char* InventoryEnd = SkillsMarker;
constexpr const char* SkillsEnd = JournalMarker;
constexpr const char* JournalEnd = TermsMarker;
constexpr const char* TermsEnd = PeopleMarker;
constexpr const char* PeopleEnd = BestiaryMarker;

using EquipByName = void (Actor::*)(std::string);
constexpr std::array<EquipByName, Actor::EquipSlotCount> EquipSlotByName = {
    &Actor::EquipSlot0ByName, &Actor::EquipSlot1ByName, &Actor::EquipSlot2ByName,
    &Actor::EquipSlot3ByName, &Actor::EquipSlot4ByName, &Actor::EquipSlot5ByName,
    &Actor::EquipSlot6ByName, &Actor::EquipSlot7ByName, &Actor::EquipSlot8ByName,
    &Actor::EquipSlot9ByName};

std::istringstream FieldsOf(const std::string& line) {
  std::istringstream fields(line);
  fields.imbue(std::locale::classic());
  return fields;
}

// A marker is known by its first two characters.
bool IsMarker(const std::string& line, const char* marker) { return line.rfind(marker, 0) == 0; }

// Reads the record into the player section by section. A section that finds the record
// failed takes its defaults; one that finds it ended reads nothing. The record fails where a
// value cannot be read, or where it ends before its fixed part (header to the inventory
// marker) is complete; it ends where the lists run out.
class RecordReader {
 public:
  RecordReader(Player& player, std::istream& in)
      : player_(player), lines_(in), state_(in ? State::Reading : State::Failed) {}

  void Read() {
    ReadHead();
    StatBlock& gained = *player_.stats;
    gained[Stat::AirDashCount] = gained[Stat::MaxAirDashes];
    gained[Stat::AirJumpCount] = gained[Stat::MaxAirJumps];
    for (auto* list : {&player_.skills, &player_.terms, &player_.people, &player_.bestiary}) {
      list->clear();
    }
    player_.journal.clear();
    std::string marker;
    ReadFixedLine(marker);
    ReadEquipment();
    ReadInventory();
    ReadNames(player_.skills, SkillsEnd, &Player::SetDefaultSkills);
    ReadJournal();
    ReadNames(player_.terms, TermsEnd, &Player::SetDefaultTerms);
    ReadNames(player_.people, PeopleEnd, &Player::SetDefaultPeople);
    ReadNames(player_.bestiary, nullptr, &Player::SetDefaultBestiary);
  }

 private:
  enum class State { Reading, Ended, Failed };

  // A line of the fixed part; false, and the record failed, when there is none to read.
  bool ReadFixedLine(std::string& line) {
    if (state_ != State::Reading) return false;
    if (lines_.Next(line)) return true;
    state_ = State::Failed;
    return false;
  }

  // One value alone on its line.
  template <typename T>
  bool ReadValueLine(T& target) {
    std::string line;
    if (!ReadFixedLine(line)) return false;
    std::istringstream fields = FieldsOf(line);
    T value{};
    if (!(fields >> value)) {
      state_ = State::Failed;
      return false;
    }
    target = value;
    return true;
  }

  // The map and the save point, the gained statistics and the tokens. Without a record the
  // player gets the default map and statistics; values read before a failure stay.
  void ReadHead() {
    if (state_ == State::Failed) {
      player_.mapPath = DefaultMapPath;
      player_.respawnPosition.x = 0.0f;
      player_.respawnPosition.y = 0.0f;
      SetDefaultStats(player_);
      return;
    }
    std::string header;
    if (!ReadFixedLine(header)) return;
    std::istringstream fields = FieldsOf(header);
    std::string map;
    float x = 0.0f;
    float y = 0.0f;
    if (fields >> map) player_.mapPath = map;
    if (!(fields >> x >> y)) {
      state_ = State::Failed;
      return;
    }
    player_.respawnPosition.x = x;
    player_.respawnPosition.y = y;
    for (float& value : *player_.stats) {
      if (!ReadValueLine(value)) return;
    }
    float tokens = player_.Tokens();
    ReadValueLine(tokens);
    player_.SetTokens(tokens);
  }

  // Ten names; a name that is "0", missing or not in the player's pools wears "Empty".
  void ReadEquipment() {
    std::array<std::string, Actor::EquipSlotCount> names;
    for (std::string& name : names) {
      if (!ReadFixedLine(name)) break;
    }
    for (size_t slot = 0; slot < names.size(); ++slot)
      (player_.*EquipSlotByName[slot])(names[slot]);
    std::string marker;
    ReadFixedLine(marker);
  }

  // Lines of code, index, quantity and the record value twice, up to the skills; an unknown
  // code or an index outside its list changes nothing.
  void ReadInventory() {
    if (state_ == State::Failed) {
      player_.ResetInventory();
      return;
    }
    std::string line;
    while (NextListLine(line, InventoryEnd)) {
      std::istringstream fields = FieldsOf(line);
      std::string code;
      long long index = 0;
      int32_t quantity = 0;
      float superseded = 0.0f;
      float recordValue = 0.0f;
      if (!(fields >> code >> index >> quantity >> superseded >> recordValue)) {
        state_ = State::Failed;
        return;
      }
      Item* item = player_.itemStore ? ItemAt(*player_.itemStore, code.front(), index) : nullptr;
      if (!item) continue;
      item->quantity = quantity;
      item->recordValue = recordValue;
    }
  }

  // The next line of a list that is not empty, until the list's end marker (none: the end of
  // the record). False at the marker or the end.
  bool NextListLine(std::string& line, const char* end) {
    if (state_ != State::Reading) return false;
    while (lines_.Next(line)) {
      if (end && IsMarker(line, end)) return false;
      if (!line.empty()) return true;
    }
    state_ = State::Ended;
    return false;
  }

  void ReadNames(std::vector<std::string>& list, const char* end, void (Player::*defaults)()) {
    if (state_ == State::Failed) {
      (player_.*defaults)();
      return;
    }
    std::string line;
    while (NextListLine(line, end)) list.push_back(line);
  }

  // A name line, then a line of page numbers each followed by a blank.
  void ReadJournal() {
    if (state_ == State::Failed) {
      player_.SetDefaultJournal();
      return;
    }
    std::string name;
    while (NextListLine(name, JournalEnd)) {
      std::string pages;
      if (!lines_.Next(pages)) {
        state_ = State::Ended;
        return;
      }
      // A name without its pages: the entry is dropped and the marker ends the journal.
      if (IsMarker(pages, JournalEnd)) {
        lines_.PutBack(std::move(pages));
        continue;
      }
      JournalEntry entry{name, {}};
      std::istringstream pieces = FieldsOf(pages);
      std::string piece;
      while (std::getline(pieces, piece, ' ')) {
        if (!piece.empty()) entry.pages.push_back(LeadingInteger(piece));
      }
      player_.journal.push_back(std::move(entry));
    }
  }

  Player& player_;
  TextLines lines_;
  State state_;
};

}  // namespace

void Player::LoadRecord(std::istream& in) { RecordReader(*this, in).Read(); }
