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

  // The record after the statistics and tokens.
  static std::string Sections(const std::string& record) {
    return record.substr(record.find("*E\n"));
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  std::unique_ptr<SaveShape> point;
  MenuSave* save = nullptr;
};

}  // namespace

TEST_F(RecordWriter, SectionsHoldTheirLinesInOrderAndReadBack) {
  (*player->stats)[3] = 1234567.0f;
  (*player->stats)[4] = 0.5f;
  (*player->stats)[5] = 100.0f;
  player->SetTokens(42.0f);
  player->equipped[3] = nullptr;
  player->itemStore->equipment.swords[1]->quantity = 99;
  player->itemStore->equipment.swords[1]->recordValue = 1.5f;
  player->itemStore->equipment.daggers[1]->quantity = -2;
  player->itemStore->runes.items[1]->quantity = 1;
  player->itemStore->keyItems.items[0]->quantity = 3;
  player->skills = {"Air Jump", "Wall Slide"};
  player->journal = {{"Journal Entry Intro", {1, 3}}};
  player->people = {"Old Man"};
  const std::string record = Written();

  std::istringstream lines(record);
  std::vector<std::string> head(StatCount + 2);
  for (std::string& line : head) std::getline(lines, line);
  EXPECT_EQ(head[0], "Content\\Maps\\DemoHubMap.gmf 12.5 -3");
  EXPECT_EQ(head[1 + 3], "1234567") << "every digit of a counter is kept";
  EXPECT_EQ(head[1 + 4], "0.5");
  EXPECT_EQ(head[1 + 5], "100");
  EXPECT_EQ(head[1 + StatCount], "42") << "the tokens";
  const std::string sections = Sections(record);
  EXPECT_NE(sections.find("\n0\n"), std::string::npos) << "an empty slot";
  EXPECT_NE(sections.find("Empty\n"), std::string::npos) << "the placeholder";
  EXPECT_NE(sections.find("*I \ns 1 99 1.5 1.5\nr 1 1 0 0\nk 0 3 0 0\n*S\nAir Jump\nWall Slide\n"
                          "*J\nJournal Entry Intro\n1 3 \n*T\n*P\nOld Man\n*B\n"),
            std::string::npos)
      << sections;
  EXPECT_EQ(record.find('\r'), std::string::npos);

  // The reader takes back what was written.
  player->skills.clear();
  player->itemStore->ClearQuantities();
  std::istringstream in(record);
  player->LoadRecord(in);
  EXPECT_EQ((*player->stats)[3], 1234567.0f);
  EXPECT_EQ(player->itemStore->equipment.swords[1]->quantity, 99);
  EXPECT_EQ(player->skills, (std::vector<std::string>{"Air Jump", "Wall Slide"}));
  ASSERT_EQ(player->journal.size(), 1u);
  EXPECT_EQ(player->journal[0].pages, (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(player->respawnPosition.x, 12.5f);

  // Nothing held and nothing known: each marker line follows the last, the last ends the file.
  player->itemStore->ClearQuantities();
  player->skills.clear();
  player->journal.clear();
  player->people.clear();
  const std::string empty = Written();
  EXPECT_EQ(empty.substr(empty.find("*I ")), "*I \n*S\n*J\n*T\n*P\n*B\n");
}
