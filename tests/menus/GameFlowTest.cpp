#include <gtest/gtest.h>

#include <string>

#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/CircularMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "items/ItemStore.h"
#include "items/Rune.h"
#include "menus/DeathScreen.h"
#include "menus/MenuDialog.h"
#include "menus/MenuSave.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/SettingsTab.h"
#include "platform/InputMapping.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "triggers/ConversationShape.h"
#include "triggers/SaveShape.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

namespace {

constexpr const char* NewGameMap = "Content\\Maps\\DemoNewGameMap.gmf";
constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* WildsMap = "Content\\Maps\\DemoWildsMap.gmf";
// The death screen's fade, and a little more.
constexpr int DeathScreenFrames = 125;

// The whole game from its title screen, driven by the keyboard.
class GameFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    title = GameStates->menuTitle;
  }

  GameState* Current() const { return GameStates->current; }
  PlayerState* State() const { return player->CurrentState(); }
  void Confirm() { game.TapKey(VirtualKey::Enter); }
  void Down() { game.TapKey(VirtualKey::S); }
  // Action 1, which reads on, acts at a save point and saves.
  void Act() { game.TapKey(VirtualKey::J); }

  // From the title's main page to the story page's item.
  void ChooseStory(MenuTitle::Button item) {
    ASSERT_EQ(title->m_page, MenuTitle::PageMain);
    Confirm();
    ASSERT_EQ(title->m_page, MenuTitle::PageStory);
    while (title->m_selection != item) Down();
    Confirm();
  }

  // A new game whose opening conversation is read to its end.
  void PlayNewGame() {
    ChooseStory(MenuTitle::ButtonNewGame);
    for (int line = 0; line < 20 && Current() == GameStates->menuDialog; ++line) Act();
    ASSERT_EQ(Current(), world);
  }

  // How far the first player walks while the pad in the slot holds right for a third of a
  // second.
  float WalkedByPad(int slot) {
    const float from = player->body->position.x;
    platform::PadState right;
    right.buttons = platform::PadButton::DPadRight;
    game.Platform().ConnectPad(slot, right);
    game.StepFrames(20);
    game.Platform().ConnectPad(slot, {});
    game.StepFrames(20);
    return player->body->position.x - from;
  }

  // Set down beside a save stone, then saved through it as a player saves: J opens the screen,
  // J saves, J returns to play.
  void SaveAtStone(const std::string& map, float x, float y) {
    ASSERT_EQ(ExecuteCommand("load " + map + " " + std::to_string(x) + " " + std::to_string(y)),
              CommandDone);
    game.StepFrames(40);
    Act();
    ASSERT_EQ(Current(), GameStates->menuSave);
    Act();
    ASSERT_EQ(GameStates->menuSave->m_mode, MenuSave::ModeSaved);
    Act();
    ASSERT_EQ(Current(), world);
  }

  // Health gone: the dying state opens the death screen, which sets the player down again.
  void Die() {
    ASSERT_EQ(world->deathMode, World::DeathModeScreen);
    player->healthMeter->value = 0.0f;
    game.Step();
    ASSERT_EQ(Current(), GameStates->deathScreen);
    game.StepFrames(DeathScreenFrames);
    ASSERT_EQ(Current(), world);
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  MenuTitle* title = nullptr;
};

}  // namespace

TEST_F(GameFlow, NewGameReadsTheOpeningConversationLineByLineThenPlays) {
  ASSERT_EQ(Current(), title);
  game.StepFrames(2);
  ASSERT_TRUE(game.KeepFrame("title.png"));

  ChooseStory(MenuTitle::ButtonNewGame);
  MenuDialog* dialog = GameStates->menuDialog;
  ASSERT_EQ(Current(), dialog);
  EXPECT_EQ(world->GetMapName(), NewGameMap);
  auto* opening = static_cast<ConversationShape*>(dialog->conversation);
  ASSERT_NE(opening, nullptr);
  EXPECT_EQ(opening, world->modifiers.front().get());
  EXPECT_EQ(State(), player->StateAt(SlotSpeaking));
  const size_t lineCount = opening->orderedConversations.front().size();
  ASSERT_GE(lineCount, 3u);
  game.StepFrames(40);
  ASSERT_TRUE(game.KeepFrame("dialogue.png"));

  // Each press reads on to the next line said; a command between runs on the way.
  for (int32_t read = 0; read + 1 < static_cast<int32_t>(lineCount);) {
    Act();
    ASSERT_EQ(Current(), dialog) << "after line " << read;
    EXPECT_GT(opening->lineIndex, read);
    read = opening->lineIndex;
    // The opening conversation holds the player still while it runs.
    game.PressKey(VirtualKey::D);
    game.Step();
    game.ReleaseKey(VirtualKey::D);
    EXPECT_EQ(State(), player->StateAt(SlotSpeaking));
  }
  Act();
  EXPECT_EQ(Current(), world);
  EXPECT_EQ(world->GetMapName(), NewGameMap);
  EXPECT_EQ(opening->lineIndex, 0);
  game.StepFrames(40);
  EXPECT_EQ(State(), player->StateAt(SlotIdling)) << State()->GetName();
  ASSERT_NE(player->groundContact, nullptr);
  // The story is played with the keyboard and the first pad only.
  EXPECT_EQ(WalkedByPad(1), 0.0f);
  EXPECT_GT(WalkedByPad(0), 0.5f);
}

TEST_F(GameFlow, ASavePointSavesAndContinueRestoresTheGame) {
  PlayNewGame();
  // The hub's first save point: its region at (-7, 0.9), play resuming at (-7, 1.3).
  ASSERT_EQ(ExecuteCommand(std::string("load ") + HubMap + " -7 1"), CommandDone);
  ASSERT_EQ(Current(), world);
  game.StepFrames(40);
  ASSERT_NE(player->groundContact, nullptr);
  const size_t hubModifiers = world->modifiers.size();

  // What the record must keep: statistics, tokens, equipment, items and what the player knows.
  ASSERT_EQ(ExecuteCommand("set stat 4 7.25"), CommandDone);
  ASSERT_EQ(ExecuteCommand("set item equipment sword 1 2"), CommandDone);
  ASSERT_EQ(ExecuteCommand("set item expendable 0 5"), CommandDone);
  player->SetTokens(321.5f);
  player->EquipSlot0(player->itemStore->equipment.swords[1]);
  player->skills.push_back("Parry");
  const std::string sword = player->equipped[0]->GetName();

  Act();
  MenuSave* save = GameStates->menuSave;
  ASSERT_EQ(Current(), save);
  ASSERT_NE(save->savePoint, nullptr);
  EXPECT_EQ(State(), player->StateAt(SlotStill));
  game.StepFrames(10);
  EXPECT_EQ(save->m_mode, MenuSave::ModePrompt);
  ASSERT_TRUE(game.KeepFrame("save-prompt.png"));
  Act();
  EXPECT_EQ(save->m_mode, MenuSave::ModeSaved);
  EXPECT_TRUE(std::filesystem::exists(game.Folder() / "Content/Saves/Player.rff"));
  ASSERT_TRUE(game.KeepFrame("save-done.png"));
  Act();
  EXPECT_EQ(Current(), world);
  EXPECT_EQ(State(), player->StateAt(SlotIdling));

  // Play goes on and changes everything the record holds, then back to the title.
  ASSERT_EQ(ExecuteCommand("set stat 4 1"), CommandDone);
  ASSERT_EQ(ExecuteCommand("set item expendable 1 9"), CommandDone);
  ASSERT_EQ(ExecuteCommand("load Content\\Maps\\DemoNewGameMap.gmf 0 2"), CommandDone);
  player->SetTokens(0.0f);
  player->EquipSlot0(player->itemStore->equipment.items[0]);
  player->skills.clear();
  GameStates->SwitchTo(title);
  ChooseStory(MenuTitle::ButtonContinue);

  EXPECT_EQ(Current(), world);
  EXPECT_EQ(world->GetMapName(), HubMap);
  EXPECT_EQ(world->modifiers.size(), hubModifiers) << "the map left behind was cleared first";
  EXPECT_EQ(player->respawnPosition.x, -7.0f);
  EXPECT_EQ(player->respawnPosition.y, 1.3f);
  EXPECT_NEAR(player->body->position.x, -7.0f, 0.01f);
  EXPECT_EQ((*player->stats)[4], 7.25f);
  EXPECT_EQ(player->Tokens(), 321.5f);
  EXPECT_EQ(player->equipped[0]->GetName(), sword);
  EXPECT_EQ(player->itemStore->equipment.swords[1]->quantity, 2);
  EXPECT_EQ(player->itemStore->expendables.items[0]->quantity, 5);
  EXPECT_EQ(player->itemStore->expendables.items[1]->quantity, 0) << "gained after the save";
  EXPECT_EQ(player->skills.back(), "Parry");
  game.StepFrames(20);
  EXPECT_EQ(State(), player->StateAt(SlotIdling)) << State()->GetName();
  EXPECT_EQ(WalkedByPad(1), 0.0f);
  EXPECT_GT(WalkedByPad(0), 0.5f);
}

TEST_F(GameFlow, TheDeathScreenFadesToWhiteThenReloadsTheMapAndRestoresThePlayers) {
  PlayNewGame();
  ASSERT_EQ(ExecuteCommand(std::string("load ") + HubMap + " -20 2"), CommandDone);
  game.StepFrames(40);
  player->respawnPosition = {-7.0f, 1.3f, 0.0f};
  const size_t modifierCount = world->modifiers.size();
  world->modifiers.pop_back();
  // Health gone on a map of death mode 0: the dying state opens the death screen.
  world->deathMode = World::DeathModeScreen;
  player->healthMeter->value = 0.0f;
  game.Step();
  DeathScreen* death = GameStates->deathScreen;
  ASSERT_EQ(Current(), death);
  EXPECT_EQ(State(), player->StateAt(SlotDying));
  game.StepFrames(60);
  EXPECT_EQ(Current(), death);
  const uint8_t halfway = world->fadeQuad->fillColor.a;
  EXPECT_GT(halfway, 100);
  EXPECT_LT(halfway, 160);
  ASSERT_TRUE(game.KeepFrame("death.png"));
  game.StepFrames(59);
  EXPECT_EQ(Current(), death);
  game.StepFrames(2);
  EXPECT_EQ(Current(), world);
  EXPECT_EQ(world->modifiers.size(), modifierCount) << "the map is read again from its file";
  EXPECT_EQ(player->healthMeter->value, player->healthMeter->maximum);
  EXPECT_NEAR(player->body->position.x, -7.0f, 0.01f);
  game.StepFrames(40);
  EXPECT_EQ(State(), player->StateAt(SlotIdling)) << State()->GetName();
  EXPECT_EQ(world->fadeQuad->fillColor.a, 0) << "the white fades out again";
}

TEST_F(GameFlow, ADeathWakesAtTheSaveOfTheSameSessionAndANewGameForgetsTheOldGear) {
  PlayNewGame();
  const auto freshDerived = player->derived;
  const auto freshTotals = player->totalStats;
  // Hurt and winded, then out through the pause menu's settings; the next start is whole.
  MenuPause* pause = GameStates->menuPause;
  const auto hurtThenQuit = [&] {
    player->healthMeter->value = 9.0f;
    player->staminaMeter->value = 2.0f;
    player->staminaRing->SetValue(3.0f);
    game.TapKey(VirtualKey::Esc);
    while (pause->GetTabIndex() != MenuPause::TabSettings) game.TapKey(VirtualKey::P);
    auto& settings = pause->TabAt<SettingsTab>(MenuPause::TabSettings);
    while (settings.GetCursor() != SettingsTab::QuitToTitle) Down();
    Act();
    ASSERT_EQ(Current(), title);
  };
  const auto expectWhole = [&](const char* start) {
    EXPECT_EQ(player->healthMeter->value, player->derived[Derived::MaxHealth]) << start;
    EXPECT_EQ(player->staminaMeter->value, player->staminaMeter->maximum) << start;
    EXPECT_EQ(player->staminaRing->value, player->derived[Derived::MaxStamina]) << start;
  };

  // After New Game: Sealth's stone in the hub, then a loss.
  SaveAtStone(HubMap, -7.0f, 1.0f);
  Die();
  EXPECT_EQ(world->GetMapName(), HubMap);
  EXPECT_NEAR(player->body->position.x, -7.0f, 2.0f);

  // After Continue, with gear worn and more health and stamina than the session is left with: the
  // wilds' first stone, then a loss.
  ItemStore& store = *player->itemStore;
  Item* sword = store.FindByName("Steel Sword");
  auto* rune = dynamic_cast<Rune*>(store.FindByName("Ember Rune"));
  ASSERT_NE(sword, nullptr);
  ASSERT_NE(rune, nullptr);
  sword->quantity = 1;
  rune->quantity = 1;
  player->EquipSlot0(sword);
  player->EquipSlot5(rune);
  ASSERT_GT(player->derived[Derived::Attack], freshDerived[Derived::Attack]);
  const float sessionHealth = (*player->stats)[Stat::BaseHealth];
  const float sessionStamina = (*player->stats)[Stat::BaseStamina];
  const auto setStats = [](float health, float stamina) {
    for (const auto& [stat, value] :
         {std::pair{Stat::BaseHealth, health}, {Stat::BaseStamina, stamina}}) {
      const std::string set = "set stat " + std::to_string(stat) + " " + std::to_string(value);
      ASSERT_EQ(ExecuteCommand(set), CommandDone);
    }
  };
  setStats(sessionHealth + 50.0f, sessionStamina + 50.0f);
  SaveAtStone(HubMap, -7.0f, 1.0f);
  setStats(sessionHealth, sessionStamina);
  hurtThenQuit();
  ChooseStory(MenuTitle::ButtonContinue);
  ASSERT_EQ(player->equipped[0], sword);
  EXPECT_GE(player->derived[Derived::MaxHealth], sessionHealth + 50.0f);
  EXPECT_GE(player->derived[Derived::MaxStamina], sessionStamina + 50.0f);
  expectWhole("Continue");
  SaveAtStone(WildsMap, 33.5f, 1.0f);
  Die();
  EXPECT_EQ(world->GetMapName(), WildsMap);
  EXPECT_NEAR(player->body->position.x, 33.5f, 2.0f);

  // A New Game from the title: every slot empty, and every value as a fresh start has it.
  hurtThenQuit();
  PlayNewGame();
  EXPECT_EQ(player->derived, freshDerived);
  EXPECT_EQ(player->totalStats, freshTotals);
  expectWhole("New Game");
}
