#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/CheckBox.h"
#include "engine/DebugSwitches.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "items/ItemStore.h"
#include "menus/MenuShop.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "support/NewGameSheet.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

namespace {

struct CommandCase {
  std::string line;
  int32_t code;
  // What the line must have done, when it did something.
  std::function<void(World&, Player&)> check;
};

bool Checked(DebugToggle toggle) { return DebugSwitchOn(GameStates, toggle); }

}  // namespace

TEST(SplitWords, CutsAtEverySingleBlank) {
  EXPECT_EQ(SplitWords(""), std::vector<std::string>{});
  EXPECT_EQ(SplitWords("give  stat 5 1"), (std::vector<std::string>{"give", "", "stat", "5", "1"}));
  EXPECT_EQ(SplitWords(" shop"), (std::vector<std::string>{"", "shop"}));
  EXPECT_EQ(SplitWords("shop "), std::vector<std::string>{"shop"});
  EXPECT_EQ(SplitWords("a\tb c"), (std::vector<std::string>{"a\tb", "c"}));
}

// Every form of the grammar, in the order given: each line's code, and what it changed.
TEST(ExecuteCommand, GrammarWithItsWordCounts) {
  GameHarness game;
  ASSERT_TRUE(game.Started());
  World& world = *GameStates->world;
  Player& player = *world.GetFirstPlayer();
  const StatBlock defaults = NewGameSheet();

  const std::vector<CommandCase> cases = {
      {"", NotACommand, {}},
      {"hello there", NotACommand, {}},
      {"Shop", NotACommand, {}},
      {"shop now please", CommandDone,
       [](World&, Player&) { EXPECT_EQ(GameStates->current, GameStates->menuShop); }},
      {"load", CommandMalformed, {}},
      {"load Content\\Maps\\DefaultMap.gmf 3", CommandMalformed, {}},
      {"load Content\\Maps\\DefaultMap.gmf 3 4 5", CommandMalformed, {}},
      {"load Content\\Maps\\DefaultMap.gmf 3.9 -4", CommandDone,
       [](World& w, Player& p) {
         EXPECT_EQ(GameStates->current, &w);
         EXPECT_EQ(w.GetMapName(), "Content\\Maps\\DefaultMap.gmf");
         EXPECT_EQ(p.body->position, (platform::Vector3{3.0f, -4.0f, 0.0f}));
         EXPECT_EQ(p.body->velocity, platform::Vector3{});
       }},
      {"play", NotACommand, {}},
      {"play music", NotACommand, {}},
      {"play bg", CommandMalformed, {}},
      {"play bg Content\\Audio\\Hollow.ogg", CommandDone,
       [](World&, Player&) { EXPECT_NE(MainSoundBank->music, nullptr); }},
      {"play bg stop now", CommandMalformed,
       [](World&, Player&) { EXPECT_NE(MainSoundBank->music, nullptr); }},
      {"play sfx", CommandDone, {}},
      {"play sfx a b c", CommandDone, {}},
      {"play bg stop", CommandDone,
       [](World&, Player&) { EXPECT_EQ(MainSoundBank->music, nullptr); }},
      {"give", CommandMalformed, {}},
      {"give stat 5", CommandMalformed, {}},
      {"give  stat 5 1", CommandMalformed, {}},
      {"give stat 0 1", CommandMalformed, {}},
      {"give stat 267 1", CommandMalformed, {}},
      {"give stat -1 1", CommandMalformed, {}},
      {"set stat 266 1", CommandDone, {}},
      {"give stat 266 2.5", CommandDone,
       [](World&, Player& p) { EXPECT_FLOAT_EQ((*p.stats)[266], 3.5f); }},
      {"give item sword 1", CommandDone, {}},
      {"give gold 5 1", NotACommand, {}},
      {"set", CommandMalformed, {}},
      {"set stat", CommandMalformed, {}},
      {"set stat 5", CommandMalformed, {}},
      {"set stat 0 3", CommandMalformed, {}},
      {"set stat 5 3", CommandDone, [](World&, Player& p) { EXPECT_EQ((*p.stats)[5], 3.0f); }},
      {"set item", CommandMalformed, {}},
      {"set item equipment", CommandMalformed, {}},
      {"set item equipment boots 1", CommandMalformed, {}},
      {"set item equipment flail 1 1", NotACommand, {}},
      {"set item equipment boots 999 1", CommandMalformed, {}},
      {"set item equipment boots -1 1", CommandMalformed, {}},
      {"set item equipment boots 0 3", CommandDone,
       [](World&, Player& p) { EXPECT_EQ(p.itemStore->equipment.boots[0]->quantity, 3); }},
      {"set item equipment sword 1 2", CommandDone,
       [](World&, Player& p) { EXPECT_EQ(p.itemStore->equipment.swords[1]->quantity, 2); }},
      {"set item rune 1", CommandMalformed, {}},
      {"set item rune 1 4", CommandDone,
       [](World&, Player& p) { EXPECT_EQ(p.itemStore->runes.items[1]->quantity, 4); }},
      {"set item expendable 0 7", CommandDone,
       [](World&, Player& p) { EXPECT_EQ(p.itemStore->expendables.items[0]->quantity, 7); }},
      {"set item keyitem 999 1", CommandMalformed, {}},
      {"set item all", CommandMalformed, {}},
      {"set item all -1", CommandMalformed,
       [](World&, Player& p) { EXPECT_EQ(p.itemStore->runes.items[1]->quantity, 4); }},
      {"set item all 0", CommandDone,
       [](World&, Player& p) {
         for (const Item* item : p.itemStore->GetAllItems()) EXPECT_EQ(item->quantity, 0);
       }},
      {"set item weapons 1", CommandMalformed, {}},
      {"set player", NotACommand, {}},
      {"set player home 1 2", NotACommand, {}},
      {"set player position", CommandMalformed, {}},
      {"set player position 1", CommandMalformed, {}},
      {"set player position 5.5 6", CommandDone,
       [](World&, Player& p) {
         EXPECT_EQ(p.body->position.x, 5.5f);
         EXPECT_EQ(p.body->position.y, 6.0f);
       }},
      {"set colour red 1", CommandMalformed, {}},
      {"reset", CommandMalformed, {}},
      {"reset player now", CommandMalformed, {}},
      {"reset world", NotACommand, {}},
      {"reset player", CommandDone,
       [&defaults](World&, Player& p) { EXPECT_EQ(*p.stats, defaults); }},
      {"toggle", CommandMalformed, {}},
      {"toggle debug", CommandMalformed, {}},
      {"toggle debug all", CommandMalformed, {}},
      {"toggle debug all maybe", CommandMalformed,
       [](World&, Player&) { EXPECT_EQ(DebugMode, 0); }},
      {"toggle debug other 1", CommandMalformed, {}},
      {"toggle sound all 1", CommandMalformed, {}},
      {"toggle debug all true", CommandDone,
       [](World&, Player&) {
         EXPECT_EQ(DebugMode, 1);
         EXPECT_TRUE(Checked(ToggleEnableConsole));
         EXPECT_TRUE(Checked(ToggleEnableGodMode));
       }},
      {"toggle debug debugmenu 0", CommandDone,
       [](World&, Player&) {
         EXPECT_EQ(DebugMode, 0);
         EXPECT_TRUE(Checked(ToggleEnableConsole));
       }},
      {"toggle debug all false", CommandDone,
       [](World&, Player&) { EXPECT_FALSE(Checked(ToggleEnableGodMode)); }},
  };
  for (const CommandCase& command : cases) {
    SCOPED_TRACE(command.line);
    EXPECT_EQ(ExecuteCommand(command.line), command.code);
    if (command.check) command.check(world, player);
  }
}
