#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/Globals.h"
#include "engine/NumberFormat.h"
#include "items/ItemStore.h"
#include "player/NewGameDefaults.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "support/NewGameSheet.h"
#include "world/World.h"

// Entries are equal when their names and pages are.
bool operator==(const JournalEntry& a, const JournalEntry& b) {
  return a.name == b.name && a.pages == b.pages;
}

namespace {

const std::vector<std::string> DefaultSkills = {"Dodge",    "Roll",     "Dash",
                                                "Air Jump", "Air Dash", "Wall Slide"};
const std::vector<JournalEntry> DefaultJournal = {{"Journal Entry Intro", {0, 1}},
                                                  {"Demo Journal Entry", {0, 2, 5}}};
const std::vector<std::string> DefaultTerms = {"Term List", "Beast",  "Lionheart", "Midgard",
                                               "Miasma",    "Mystic", "Rune",      "Yggdrasil"};
const std::vector<std::string> DefaultBestiary = {"Nidhogglet", "Passive Nidhogglet", "Ratatoskr"};

// A statistic whose value needs all nine digits to come back.
float StatValue(int index) { return 0.1f + 1.37f * static_cast<float>(index); }

// A record in the save screen's layout: header, statistics and tokens, then the sections.
std::string RecordHead(const std::string& header = "Content\\Maps\\DemoHubMap.gmf 12.5 -3.25") {
  std::string text = header + "\n";
  for (int index = 0; index < StatCount; ++index) text += FormatFloat(StatValue(index)) + "\n";
  return text + "1234.56\n*E\n";
}

// Its inventory also holds lines that change nothing: a blank one, an unknown code, and indices
// past their lists (k 5 just past the five key items).
const char* const FullRest =
    "Iron Dagger\nIron Helm\nChain Mail\n0\nSwift Boots\n"
    "Ember Rune\n0\nStone Rune\nNo Such Rune\nEmpty\n"
    "*I \n"
    "d 2 3 1.5 7.25\nr 1 1 0 0.5\n\nk 4 1 0 0\nk 5 1 0 0\ni 0 12 0 3\nx 1 1 1 1\ns 99 1 1 1\n"
    "*S\nDodge\n\nTriple Jump\n"
    "*J\nJournal Entry Intro\n0 1 \nDemo Journal Entry\n0 2 5 \n"
    "*T\nRune\n*P\nJennifer\nOld Man\n*B\nRatatoskr\n";

class PlayerRecordTest : public ::testing::Test {
 protected:
  PlayerRecordTest() {
    PrepareContentFolder(folder_.Path());
    working_ = std::make_unique<WorkingFolder>(folder_.Path());
    world_ = std::make_unique<World>(nullptr, nullptr);
    player_ = world_->GetFirstPlayer();
  }
  ~PlayerRecordTest() override {
    world_.reset();
    working_.reset();
    ResetGlobals();
  }

  void Load(const std::string& text) {
    std::istringstream in(text);
    player_->LoadRecord(in);
  }

  std::vector<std::string> EquippedNames() const {
    std::vector<std::string> names;
    for (const Item* item : player_->equipped) names.push_back(item ? item->name : "(none)");
    return names;
  }

  TempFolder folder_;
  std::unique_ptr<WorkingFolder> working_;
  std::unique_ptr<World> world_;
  Player* player_ = nullptr;
};

}  // namespace

TEST_F(PlayerRecordTest, EveryFieldOfARecordIsReadWithEveryDigit) {
  Load(RecordHead() + FullRest);

  EXPECT_EQ(player_->mapPath, "Content\\Maps\\DemoHubMap.gmf");
  EXPECT_EQ(player_->respawnPosition.x, 12.5f);
  EXPECT_EQ(player_->respawnPosition.y, -3.25f);
  const StatBlock& gained = *player_->stats;
  for (int index = 0; index < StatCount; ++index) {
    if (index == Stat::AirDashCount || index == Stat::AirJumpCount) continue;
    EXPECT_EQ(gained[index], StatValue(index)) << StatKeys[index];
  }
  EXPECT_EQ(gained[Stat::AirDashCount], gained[Stat::MaxAirDashes]);
  EXPECT_EQ(gained[Stat::AirJumpCount], gained[Stat::MaxAirJumps]);
  EXPECT_EQ(player_->Tokens(), 1234.56f);

  EXPECT_EQ(EquippedNames(), (std::vector<std::string>{"Iron Dagger", "Iron Helm", "Chain Mail",
                                                       "Empty", "Swift Boots", "Ember Rune",
                                                       "Empty", "Stone Rune", "Empty", "Empty"}));
  EXPECT_EQ(player_->equipped[5]->slot, 1) << "a worn rune takes the kind of its slot";
  EXPECT_EQ(player_->equipped[7]->slot, 3);

  const ItemStore& store = *player_->itemStore;
  EXPECT_EQ(store.equipment.daggers[2]->quantity, 3);
  EXPECT_EQ(store.equipment.daggers[2]->recordValue, 7.25f) << "the second value counts";
  EXPECT_EQ(store.runes.items[1]->quantity, 1);
  EXPECT_EQ(store.runes.items[1]->recordValue, 0.5f);
  EXPECT_EQ(store.keyItems.items[4]->quantity, 1);
  EXPECT_EQ(store.expendables.items[0]->quantity, 12);

  EXPECT_EQ(player_->skills, (std::vector<std::string>{"Dodge", "Triple Jump"}));
  EXPECT_EQ(player_->journal, DefaultJournal) << "a trailing blank adds no page";
  EXPECT_EQ(player_->terms, (std::vector<std::string>{"Rune"}));
  EXPECT_EQ(player_->people, (std::vector<std::string>{"Jennifer", "Old Man"}));
  EXPECT_EQ(player_->bestiary, (std::vector<std::string>{"Ratatoskr"}));
}

TEST_F(PlayerRecordTest, AMissingTruncatedOrGarbledRecordGivesTheStatedDefaults) {
  const StatBlock defaults = NewGameSheet();
  player_->respawnPosition.z = 7.0f;
  std::ifstream missing("Content/Saves/Player.rff");
  player_->LoadRecord(missing);
  EXPECT_EQ(player_->mapPath, "Content\\Maps\\DefaultMap.gmf");
  EXPECT_EQ(player_->respawnPosition, (platform::Vector3{0.0f, 0.0f, 7.0f}));
  EXPECT_EQ(*player_->stats, defaults);
  EXPECT_EQ(player_->Tokens(), 0.0f);
  EXPECT_EQ(EquippedNames(), std::vector<std::string>(10, "Empty"));
  for (const Item* item : player_->itemStore->GetAllItems()) EXPECT_EQ(item->quantity, 0);
  EXPECT_EQ(player_->skills, DefaultSkills);
  EXPECT_EQ(player_->journal, DefaultJournal);
  EXPECT_EQ(player_->terms, DefaultTerms);
  EXPECT_EQ(player_->people, std::vector<std::string>{"Jennifer"});
  EXPECT_EQ(player_->bestiary, DefaultBestiary);

  // A record that fails before its lists gives the lists their defaults; what was read stays.
  struct Case {
    const char* name;
    std::string text;
    const char* mapPath;
  };
  const Case cases[] = {
      {"cut inside the statistics", "Content\\Maps\\Cave.gmf 1 2\n5\n6\n",
       "Content\\Maps\\Cave.gmf"},
      {"a statistic that is no number", "Cave 1 2\n5\nfive\n", "Cave"},
      {"garbage", "\x01\x02\n\n*", "\x01\x02"},
      {"a map without a place", "0\n", "0"},
      {"an inventory line that is no number", RecordHead() + std::string(10, '\n') + "*I \nd x\n",
       "Content\\Maps\\DemoHubMap.gmf"},
  };
  for (const Case& test : cases) {
    Load(RecordHead() + FullRest);
    Load(test.text);
    EXPECT_EQ(player_->mapPath, test.mapPath) << test.name;
    EXPECT_EQ(player_->skills, DefaultSkills) << test.name;
    EXPECT_EQ(player_->bestiary, DefaultBestiary) << test.name;
    EXPECT_EQ(player_->equipped[0]->name, "Empty") << test.name;
  }
  Load("Cave 1 2\n5\nfive\n");
  EXPECT_EQ((*player_->stats)[0], 5.0f) << "statistics read before the failure stay";
  // Lists that run out stay as far as they were read, without defaults.
  Load(RecordHead() + std::string(10, '\n') + "*I \nd 1 2 0 0\n");
  EXPECT_EQ(player_->itemStore->equipment.daggers[1]->quantity, 2);
  EXPECT_TRUE(player_->skills.empty());
  EXPECT_TRUE(player_->journal.empty());
  Load(RecordHead() + std::string(10, '\n') + "*I \n*S\n*J\nLost Page\n*T\nRune\n");
  EXPECT_TRUE(player_->journal.empty()) << "a name whose pages are missing is dropped";
  EXPECT_EQ(player_->terms, std::vector<std::string>{"Rune"});
  // A name on the file's last line ends the record; the entries before it stay.
  Load(RecordHead() + std::string(10, '\n') + "*I \n*S\n*J\nFirst Page\n0 1 \nLast Name\n");
  EXPECT_EQ(player_->journal, (std::vector<JournalEntry>{{"First Page", {0, 1}}}));
  EXPECT_TRUE(player_->terms.empty());
}

TEST_F(PlayerRecordTest, ANewGamePutsThePlayerAtTheHubWithTheDefaults) {
  Load(RecordHead() + FullRest);
  player_->body->pushingList.push_back(player_->body);
  player_->StartNewGame();

  EXPECT_EQ(player_->mapPath, "Content\\Maps\\DemoHubMap.gmf");
  EXPECT_EQ(player_->respawnPosition, platform::Vector3{});
  EXPECT_TRUE(player_->body->pushingList.empty());
  const StatBlock& gained = *player_->stats;
  EXPECT_EQ(player_->Tokens(), 0.0f);
  const StatBlock expected = NewGameSheet();
  for (int index = 0; index < StatCount; ++index) {
    EXPECT_EQ(gained[index], expected[index]) << StatKeys[index];
  }
  EXPECT_EQ(player_->totalStats[Stat::BaseHealth], 100.0f) << "the totals follow";

  // The five equipment slots hold the empty equipment, the five rune slots the empty rune.
  const ItemStore& store = *player_->itemStore;
  for (size_t slot = 0; slot < 10; ++slot) {
    EXPECT_EQ(player_->equipped[slot], slot < 5 ? store.equipment.FindByName("Empty")
                                                : store.runes.FindByName("Empty"))
        << slot;
  }
  for (const Item* item : player_->itemStore->GetAllItems()) {
    EXPECT_EQ(item->quantity, 0) << item->name;
    EXPECT_EQ(item->recordValue, 0.0f) << item->name;
  }
  EXPECT_EQ(player_->skills, DefaultSkills);
  EXPECT_EQ(player_->journal, DefaultJournal);
  EXPECT_EQ(player_->terms, DefaultTerms);
  EXPECT_EQ(player_->people, std::vector<std::string>{"Jennifer"});
  EXPECT_EQ(player_->bestiary, DefaultBestiary);

  // Resetting the statistics alone leaves everything else.
  player_->mapPath = "elsewhere";
  player_->skills = {"Roll"};
  player_->EquipSlot0ByName("Iron Dagger");
  player_->ResetStats();
  EXPECT_EQ(player_->mapPath, "elsewhere");
  EXPECT_EQ(player_->skills, std::vector<std::string>{"Roll"});
  EXPECT_EQ(player_->equipped[0]->name, "Iron Dagger");
}
