#include "world/CommandInterpreter.h"

#include <array>
#include <optional>
#include <utility>

#include "engine/DebugSwitches.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "items/Item.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

using Words = std::vector<std::string>;
using Handler = int32_t (*)(const Words&);

// Statistic 0 cannot be given or set by a command.
constexpr int FirstCommandStat = 1;

// The item lists a "set item" command names, by the letters the item lists go by.
constexpr std::array<std::pair<const char*, char>, 7> EquipmentKinds = {{{"dagger", 'd'},
                                                                         {"sword", 's'},
                                                                         {"spear", 'l'},
                                                                         {"headgear", 'h'},
                                                                         {"armor", 'a'},
                                                                         {"gauntlet", 'g'},
                                                                         {"boots", 'b'}}};
constexpr std::array<std::pair<const char*, char>, 3> PlainItemLists = {
    {{"rune", 'r'}, {"expendable", 'i'}, {"keyitem", 'k'}}};

World* GameWorld() { return GameStates ? GameStates->world : nullptr; }

Player* FirstPlayer() {
  World* world = GameWorld();
  return world ? world->GetFirstPlayer() : nullptr;
}

std::optional<char> CodeOf(const auto& table, const std::string& word) {
  for (const auto& [name, code] : table) {
    if (word == name) return code;
  }
  return std::nullopt;
}

std::optional<bool> ReadSwitch(const std::string& word) {
  if (word == "0" || word == "false") return false;
  if (word == "1" || word == "true") return true;
  return std::nullopt;
}

// A statistic number a command may name, or nothing.
std::optional<int> ReadStatIndex(const std::string& word) {
  const int32_t index = LeadingInteger(word);
  if (index < FirstCommandStat || index >= StatCount) return std::nullopt;
  return index;
}

int32_t Shop(const Words&) {
  if (GameStates) GameStates->SwitchTo(GameStates->screens[SlotShop].get());
  return CommandDone;
}

// Map path, x and y: the level is replaced and every player brought into play at (x, y).
int32_t Load(const Words& words) {
  World* world = GameWorld();
  if (words.size() != 4 || !world) return CommandMalformed;
  world->ClearLevel();
  world->LoadMap(words[1]);
  GameStates->SwitchTo(world);
  const platform::Vector3 place{static_cast<float>(LeadingInteger(words[2])),
                                static_cast<float>(LeadingInteger(words[3])), 0.0f};
  for (Player* player : world->players) player->PlaceAt(place);
  return CommandDone;
}

int32_t Play(const Words& words) {
  if (words.size() < 2) return NotACommand;
  if (words[1] == "sfx") return CommandDone;
  if (words[1] != "bg") return NotACommand;
  if (words.size() != 3) return CommandMalformed;
  if (!MainSoundBank) return CommandDone;
  if (words[2] == "stop") {
    MainSoundBank->StopMusic();
  } else {
    MainSoundBank->PlayMusic(words[2]);
  }
  return CommandDone;
}

int32_t Give(const Words& words) {
  if (words.size() != 4) return CommandMalformed;
  if (words[1] == "item") return CommandDone;
  if (words[1] != "stat") return NotACommand;
  Player* player = FirstPlayer();
  const std::optional<int> index = ReadStatIndex(words[2]);
  if (!index || !player) return CommandMalformed;
  (player->*Actor::statAdders[static_cast<size_t>(*index)])(LeadingReal(words[3]));
  return CommandDone;
}

// The quantity of the item at that place of the first player's list of that letter.
int32_t SetQuantity(char code, const std::string& index, const std::string& quantity) {
  Player* player = FirstPlayer();
  Item* item = player && player->itemStore ? ItemAt(*player->itemStore, code, LeadingInteger(index))
                                           : nullptr;
  if (!item) return CommandMalformed;
  item->quantity = LeadingInteger(quantity);
  return CommandDone;
}

int32_t SetItem(const Words& words) {
  if (words.size() < 3) return CommandMalformed;
  const std::string& list = words[2];
  if (list == "equipment") {
    if (words.size() != 6) return CommandMalformed;
    const std::optional<char> code = CodeOf(EquipmentKinds, words[3]);
    if (!code) return NotACommand;
    return SetQuantity(*code, words[4], words[5]);
  }
  if (const std::optional<char> code = CodeOf(PlainItemLists, list)) {
    if (words.size() != 5) return CommandMalformed;
    return SetQuantity(*code, words[3], words[4]);
  }
  if (list != "all" || words.size() != 4) return CommandMalformed;
  const int32_t quantity = LeadingInteger(words[3]);
  Player* player = FirstPlayer();
  if (quantity < 0 || !player || !player->itemStore) return CommandMalformed;
  for (Item* item : player->itemStore->GetAllItems()) item->quantity = quantity;
  return CommandDone;
}

int32_t SetPlayer(const Words& words) {
  if (words.size() < 3 || words[2] != "position") return NotACommand;
  Player* player = FirstPlayer();
  if (words.size() != 5 || !player) return CommandMalformed;
  const float z = player->body->position.z;
  player->body->SetPosition({LeadingReal(words[3]), LeadingReal(words[4]), z});
  return CommandDone;
}

int32_t Set(const Words& words) {
  if (words.size() < 2) return CommandMalformed;
  if (words[1] == "item") return SetItem(words);
  if (words[1] == "player") return SetPlayer(words);
  if (words[1] != "stat" || words.size() != 4) return CommandMalformed;
  Player* player = FirstPlayer();
  const std::optional<int> index = ReadStatIndex(words[2]);
  if (!index || !player) return CommandMalformed;
  // The total is left as it was until something recomputes it.
  (*player->stats)[static_cast<size_t>(*index)] = LeadingReal(words[3]);
  return CommandDone;
}

int32_t Reset(const Words& words) {
  if (words.size() != 2) return CommandMalformed;
  if (words[1] != "player") return NotACommand;
  Player* player = FirstPlayer();
  if (!player) return CommandMalformed;
  player->ResetStats();
  return CommandDone;
}

int32_t Toggle(const Words& words) {
  if (words.size() != 4 || words[1] != "debug") return CommandMalformed;
  const std::optional<bool> on = ReadSwitch(words[3]);
  const bool all = words[2] == "all";
  if (!on || (!all && words[2] != "debugmenu")) return CommandMalformed;
  DebugMode = *on ? 1 : 0;
  DebugSwitches* switches = DebugSwitchesOf(GameStates);
  if (all && switches) {
    switches->Set(ToggleEnableConsole, *on);
    switches->Set(ToggleEnableGodMode, *on);
  }
  return CommandDone;
}

constexpr std::array<std::pair<const char*, Handler>, 7> Commands = {{{"shop", Shop},
                                                                      {"load", Load},
                                                                      {"play", Play},
                                                                      {"give", Give},
                                                                      {"set", Set},
                                                                      {"reset", Reset},
                                                                      {"toggle", Toggle}}};

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  size_t start = 0;
  for (size_t blank = line.find(' '); blank != std::string::npos; blank = line.find(' ', start)) {
    words.push_back(line.substr(start, blank - start));
    start = blank + 1;
  }
  if (start < line.size()) words.push_back(line.substr(start));
  return words;
}

int32_t ExecuteCommand(std::string line) {
  const Words words = SplitWords(line);
  if (words.empty()) return NotACommand;
  for (const auto& [keyword, handler] : Commands) {
    if (words.front() == keyword) return handler(words);
  }
  return NotACommand;
}
