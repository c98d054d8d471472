#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <locale>
#include <sstream>
#include <string>

#include "engine/FileIO.h"
#include "engine/MapPaths.h"
#include "engine/NumberFormat.h"
#include "engine/StringConversion.h"
#include "engine/TextLines.h"
#include "items/Item.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "player/NewGameDefaults.h"
#include "player/Player.h"
#include "player/PlayerRecordFormat.h"

namespace {

// The marker lines that open the sections after the statistics.
constexpr const char* EquipmentMarker = "*E";
constexpr const char* InventoryMarker = "*I ";
constexpr const char* SkillsMarker = "*S";
constexpr const char* JournalMarker = "*J";
constexpr const char* TermsMarker = "*T";
constexpr const char* PeopleMarker = "*P";
constexpr const char* BestiaryMarker = "*B";

// What a section holds after its marker line.
enum class Body {
  // A name a slot, "0" for an empty slot; the record's fixed part.
  Equipment,
  // Lines of code, index, quantity and the record value twice.
  Inventory,
  // One name a line.
  Names,
  // A name line, then a line of page numbers each followed by a blank.
  Journal,
};

// One section after the statistics: the marker line that opens it, what follows, and for a list
// of names the player's list and its defaults. Every section but the equipment is a list,
// which ends where the next section's marker begins (the last, at the record's end).
struct Section {
  const char* marker;
  Body body;
  std::vector<std::string> Player::*names = nullptr;
  void (Player::*defaults)() = nullptr;
};

// The sections in the record's order; the reader and the writer both walk them.
constexpr Section Sections[] = {
    {EquipmentMarker, Body::Equipment},
    {InventoryMarker, Body::Inventory},
    {SkillsMarker, Body::Names, &Player::skills, &Player::SetDefaultSkills},
    {JournalMarker, Body::Journal},
    {TermsMarker, Body::Names, &Player::terms, &Player::SetDefaultTerms},
    {PeopleMarker, Body::Names, &Player::people, &Player::SetDefaultPeople},
    {BestiaryMarker, Body::Names, &Player::bestiary, &Player::SetDefaultBestiary},
};

// The marker that ends the section at that place; none after the last.
const char* EndOf(size_t section) {
  return section + 1 < std::size(Sections) ? Sections[section + 1].marker : nullptr;
}

// Equipment slots without an item are written as this name.
constexpr const char* NoItem = "0";

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
    for (const Section& section : Sections) {
      if (section.names) (player_.*section.names).clear();
    }
    player_.journal.clear();
    // The fixed part reads each marker as a line of its own; a list has read the marker that
    // ended it.
    bool afterList = false;
    for (size_t section = 0; section < std::size(Sections); ++section) {
      const Section& read = Sections[section];
      std::string marker;
      if (!afterList) ReadFixedLine(marker);
      ReadBody(read, EndOf(section));
      afterList = read.body != Body::Equipment;
    }
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

  void ReadBody(const Section& section, const char* end) {
    switch (section.body) {
      case Body::Equipment:
        ReadEquipment();
        break;
      case Body::Inventory:
        ReadInventory(end);
        break;
      case Body::Names:
        ReadNames(player_.*section.names, end, section.defaults);
        break;
      case Body::Journal:
        ReadJournal(end);
        break;
    }
  }

  // A name that is "0", missing or not in the player's pools wears "Empty".
  void ReadEquipment() {
    std::array<std::string, Actor::EquipSlotCount> names;
    for (std::string& name : names) {
      if (!ReadFixedLine(name)) break;
    }
    for (size_t slot = 0; slot < names.size(); ++slot)
      (player_.*EquipSlotByName[slot])(names[slot]);
  }

  // An unknown code or an index outside its list changes nothing.
  void ReadInventory(const char* end) {
    if (state_ == State::Failed) {
      player_.ResetInventory();
      return;
    }
    std::string line;
    while (NextListLine(line, end)) {
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

  void ReadJournal(const char* end) {
    if (state_ == State::Failed) {
      player_.SetDefaultJournal();
      return;
    }
    std::string name;
    while (NextListLine(name, end)) {
      std::string pages;
      if (!lines_.Next(pages)) {
        state_ = State::Ended;
        return;
      }
      // A name without its pages: the entry is dropped and the marker ends the journal.
      if (IsMarker(pages, end)) {
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

void AppendLine(std::string& text, const std::string& line) {
  text += line;
  text += '\n';
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

// A line of a list: read back whole, not taken for an empty line the reader skips nor for the
// marker that ends the list.
bool IsListName(const std::string& name, const char* end) {
  return !name.empty() && IsWholeLine(name) && (!end || !IsMarker(name, end));
}

// Writes the record of the player saved at the map and place, section by section.
class RecordWriter {
 public:
  explicit RecordWriter(const Player& player) : player_(player) {}

  // Whether the reader would read back what Write would write.
  bool ReadsBack(const std::string& mapPath) const {
    if (!IsOneWord(mapPath)) return false;
    for (size_t section = 0; section < std::size(Sections); ++section) {
      if (!BodyReadsBack(Sections[section], EndOf(section))) return false;
    }
    return true;
  }

  std::string Write(const std::string& mapPath, const platform::Vector3& place) const {
    std::string text;
    AppendLine(text, mapPath + ' ' + FormatFloat(place.x) + ' ' + FormatFloat(place.y));
    for (float value : *player_.stats) AppendLine(text, FormatFloat(value));
    AppendLine(text, FormatFloat(player_.Tokens()));
    for (const Section& section : Sections) {
      AppendLine(text, section.marker);
      WriteBody(section, text);
    }
    return text;
  }

 private:
  bool BodyReadsBack(const Section& section, const char* end) const {
    switch (section.body) {
      case Body::Equipment:
        return std::all_of(player_.equipped.begin(), player_.equipped.end(),
                           [](const Item* item) { return !item || IsWholeLine(item->GetName()); });
      case Body::Inventory:
        return true;
      case Body::Names:
        return std::all_of((player_.*section.names).begin(), (player_.*section.names).end(),
                           [end](const std::string& name) { return IsListName(name, end); });
      case Body::Journal:
        return std::all_of(
            player_.journal.begin(), player_.journal.end(),
            [end](const JournalEntry& entry) { return IsListName(entry.name, end); });
    }
    return false;
  }

  void WriteBody(const Section& section, std::string& text) const {
    switch (section.body) {
      case Body::Equipment:
        for (const Item* item : player_.equipped) AppendLine(text, item ? item->GetName() : NoItem);
        break;
      case Body::Inventory:
        WriteInventory(text);
        break;
      case Body::Names:
        for (const std::string& name : player_.*section.names) AppendLine(text, name);
        break;
      case Body::Journal:
        WriteJournal(text);
        break;
    }
  }

  void WriteInventory(std::string& text) const {
    if (!player_.itemStore) return;
    for (char code : ItemListCodes) {
      const std::vector<Item*> items = ItemsOfList(*player_.itemStore, code);
      for (size_t index = 0; index < items.size(); ++index) {
        const Item& item = *items[index];
        if (item.quantity <= 0) continue;
        const std::string value = FormatFloat(item.recordValue);
        AppendLine(text, std::string{code, ' '} + std::to_string(index) + ' ' +
                             std::to_string(item.quantity) + ' ' + value + ' ' + value);
      }
    }
  }

  void WriteJournal(std::string& text) const {
    for (const JournalEntry& entry : player_.journal) {
      AppendLine(text, entry.name);
      std::string pages;
      for (int32_t page : entry.pages) pages += std::to_string(page) + ' ';
      AppendLine(text, pages);
    }
  }

  const Player& player_;
};

}  // namespace

void Player::LoadRecord(std::istream& in) { RecordReader(*this, in).Read(); }

bool Player::WriteRecord(const std::string& mapPath, const platform::Vector3& place) {
  const RecordWriter writer(*this);
  if (!writer.ReadsBack(mapPath)) return false;
  std::error_code ignored;
  std::filesystem::create_directories(
      std::filesystem::path(NativePath(PlayerRecordPath)).parent_path(), ignored);
  if (!WriteTextFile(PlayerRecordPath, writer.Write(mapPath, place))) return false;
  // A death after this save must come back here, not to where the session began.
  this->mapPath = mapPath;
  respawnPosition.x = place.x;
  respawnPosition.y = place.y;
  return true;
}
