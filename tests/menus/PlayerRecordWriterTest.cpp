#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "items/ItemStore.h"
#include "menus/MenuSave.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "triggers/Hazard.h"
#include "triggers/SaveShape.h"
#include "world/World.h"

namespace {

// The save screen writing for a save point at (12.5, -3) on the hub.
class RecordWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    world->mapName = "Content\\Maps\\DemoHubMap.gmf";
    player = world->GetFirstPlayer();
    point = std::make_unique<SaveShape>(world);
    point->position = {12.5f, -3.0f, 0.0f};
    save = GameStates->menuSave;
    save->savePoint = point.get();
    player->itemStore->ClearQuantities();
    player->skills.clear();
    player->journal.clear();
    player->terms.clear();
    player->people.clear();
    player->bestiary.clear();
  }

  std::string Written() {
    EXPECT_TRUE(save->WriteSaveFile());
    std::ifstream in(game.Folder() / "Content" / "Saves" / "Player.rff", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  std::unique_ptr<SaveShape> point;
  MenuSave* save = nullptr;
};

}  // namespace

// The whole file against a record written by hand from the format: the header, each statistic
// and the tokens on a line of their own, then the sections with their markers, one held item of
// each list in the order of the codes, nothing for what is not held.
TEST_F(RecordWriter, TheRecordIsWrittenLineByLineAsTheFormatLaysItOut) {
  StatBlock& sheet = *player->stats;
  std::string statLines;
  for (int i = 0; i < StatCount; ++i) {
    sheet[i] = static_cast<float>(i) + 0.25f;
    statLines += std::to_string(i) + ".25\n";
  }
  // Every digit of a counter is kept.
  sheet[Stat::BaseAttack] = 1234567.0f;
  statLines.replace(statLines.find("3.25\n"), 4, "1234567");
  player->SetTokens(42.0f);
  player->EquipSlot0ByName("Iron Dagger");
  player->equipped[3] = nullptr;
  player->EquipSlot5ByName("Ember Rune");
  ItemStore& store = *player->itemStore;
  EquipmentPool& gear = store.equipment;
  // Place, quantity and value, list by list in the order of the codes.
  const std::pair<Item*, float> held[] = {
      {gear.daggers[2], 1.5f},         {gear.swords[1], 0.0f},
      {gear.spears[1], -3.0f},         {gear.headgear[1], 4.0f},
      {gear.armor[2], 0.5f},           {gear.gauntlets[1], 6.0f},
      {gear.boots[1], 7.0f},           {store.runes.items[1], 8},
      {store.expendables.items[0], 9}, {store.keyItems.items[1], 0.125f}};
  int quantity = 1;
  for (const auto& [item, value] : held) {
    item->quantity = quantity++;
    item->recordValue = value;
  }
  gear.daggers[1]->quantity = -2;
  gear.daggers[1]->recordValue = 5.0f;
  player->skills = {"Air Jump", "Wall Slide"};
  player->journal = {{"Journal Entry Intro", {0, 2, 5}}, {"Demo Journal Entry", {1}}};
  player->terms = {"Rune", "Beast"};
  player->people = {"Old Man", "Jennifer"};
  player->bestiary = {"Ratatoskr", "Nidhogglet"};

  EXPECT_EQ(Written(), "Content\\Maps\\DemoHubMap.gmf 12.5 -3\n" + statLines +
                           "42\n"
                           "*E\nIron Dagger\nEmpty\nEmpty\n0\nEmpty\nEmber Rune\nEmpty\nEmpty\n"
                           "Empty\nEmpty\n"
                           "*I \nd 2 1 1.5 1.5\ns 1 2 0 0\nl 1 3 -3 -3\nh 1 4 4 4\na 2 5 0.5 0.5\n"
                           "g 1 6 6 6\nb 1 7 7 7\nr 1 8 8 8\ni 0 9 9 9\nk 1 10 0.125 0.125\n"
                           "*S\nAir Jump\nWall Slide\n"
                           "*J\nJournal Entry Intro\n0 2 5 \nDemo Journal Entry\n1 \n"
                           "*T\nRune\nBeast\n*P\nOld Man\nJennifer\n*B\nRatatoskr\nNidhogglet\n");

  // Nothing held and nothing known: each marker line follows the last, the last ends the file.
  store.ClearQuantities();
  player->skills.clear();
  player->journal.clear();
  player->terms.clear();
  player->people.clear();
  player->bestiary.clear();
  const std::string empty = Written();
  EXPECT_EQ(empty.substr(empty.find("*I ")), "*I \n*S\n*J\n*T\n*P\n*B\n");
}

// A trigger taken out of the world takes the screen's save point with it only when it is that
// save point.
TEST_F(RecordWriter, OnlyItsOwnSavePointTakenAwayLeavesTheScreenWithout) {
  Hazard other(world, nullptr, 1.0f);
  save->ForgetModifier(other);
  EXPECT_EQ(save->savePoint, point.get());
  save->ForgetModifier(*point);
  EXPECT_EQ(save->savePoint, nullptr);
}
