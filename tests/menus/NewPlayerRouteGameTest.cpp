#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuMultiplayer.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/SettingsTab.h"
#include "npcs/NPC.h"
#include "platform/InputMapping.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "support/MapTriggers.h"
#include "triggers/ConversationShape.h"
#include "triggers/Portal.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "world/World.h"

namespace {

constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* VersusMap = "Content\\Maps\\DemoVersusMap.gmf";
constexpr int WalkLimit = 600;
// A walk stopped this long jumps, the jump key held this long.
constexpr int StoppedFrames = 5;
constexpr int JumpFrames = 25;
// A gate within the map sets the player down this near its target.
constexpr float SetDown = 0.5f;
// How far past a talk's circle a walk goes on before the strike key is free of it.
constexpr float PastTalk = 2.5f;

// The route a new player takes through the whole game, from the title to a versus fight, with a
// frame kept at every step to be looked at.
class NewPlayerRoute : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    game.Platform().ConnectPad(0, {});
    game.Step();
    world = GameStates->world;
    player = world->GetFirstPlayer();
    title = GameStates->menuTitle;
  }

  GameState* Current() const { return GameStates->current; }
  void Tap(int key) { game.TapKey(key); }
  void Keep(const std::string& name) { ASSERT_TRUE(game.KeepFrame("route-" + name + ".png")); }

  void ChooseStory(MenuTitle::Button item) {
    ASSERT_EQ(title->m_page, MenuTitle::PageMain);
    Tap(VirtualKey::Enter);
    ASSERT_EQ(title->m_page, MenuTitle::PageStory);
    while (title->m_selection != item) Tap(VirtualKey::S);
    Tap(VirtualKey::Enter);
  }

  // Reads the running conversation to its end, keeping a frame of its first line.
  void ReadThrough(const std::string& frame) {
    ASSERT_EQ(Current(), GameStates->menuDialog);
    game.StepFrames(40);
    Keep(frame);
    for (int line = 0; line < 30 && Current() == GameStates->menuDialog; ++line) {
      Tap(VirtualKey::J);
      game.StepFrames(5);
    }
  }

  // Walks that way, jumping what stops the walk, until it is done, then stands a moment; true
  // when the walk got it done.
  template <typename Done>
  bool WalkUntil(bool right, Done done) {
    const int walk = right ? VirtualKey::D : VirtualKey::A;
    int stoppedFrames = 0;
    int jumping = 0;
    for (int frame = 0; frame < WalkLimit && !done(); ++frame) {
      const float x = player->body->position.x;
      game.Platform().ReleaseAllKeys();
      game.PressKey(walk);
      if (jumping > 0) game.PressKey(VirtualKey::I);
      game.Step();
      jumping = std::max(jumping - 1, 0);
      stoppedFrames = player->body->position.x == x ? stoppedFrames + 1 : 0;
      if (stoppedFrames == StoppedFrames) jumping = JumpFrames;
    }
    const bool reached = done();
    game.Platform().ReleaseAllKeys();
    game.StepFrames(20);
    return reached;
  }

  // Walks towards the region until it holds the player.
  bool WalkInto(const ModifierShape& region) {
    const auto holds = [&] { return region.region->ContainsPoint(player->body->position); };
    return WalkUntil(region.region->position.x > player->body->position.x, holds);
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  MenuTitle* title = nullptr;
};

}  // namespace

TEST_F(NewPlayerRoute, FromTheTitleThroughTheHubToAVersusFight) {
  ASSERT_EQ(Current(), title);
  game.StepFrames(30);
  Keep("01-title");

  // New game: the opening conversation, read through.
  ChooseStory(MenuTitle::ButtonNewGame);
  ReadThrough("02-opening");
  ASSERT_EQ(Current(), world);
  // It gives one draught, and names the tokens a shop pays for it.
  float named = 0.0f;
  for (const ConversationLine& line :
       FindTrigger<ConversationShape>(*world, "Nia")->orderedConversations.at(0)) {
    const size_t tokens = line.text.find(" tokens");
    if (tokens != std::string::npos) {
      named = std::stof(line.text.substr(line.text.rfind(' ', tokens - 1)));
    }
  }
  EXPECT_EQ(player->itemStore->FindByName("Spirit Draught")->quantity, 1);
  game.StepFrames(30);
  Keep("03-first-map");

  // Walking, jumping and attacking in the first map.
  const float startX = player->body->position.x;
  game.PressKey(VirtualKey::D);
  game.StepFrames(30);
  Keep("04-walking");
  // Up the step and through the gate out of the room he woke in, then on past the guide, whose
  // talk would take the attack key.
  ConversationShape* guide = FindTrigger<ConversationShape>(*world, "Hazel");
  ASSERT_NE(guide, nullptr);
  Portal* wayOut = LastTriggerBefore<Portal>(*world, guide->region->position.x);
  ASSERT_NE(wayOut, nullptr);
  const float outside = wayOut->targetPosition.x;
  EXPECT_TRUE(WalkUntil(true, [&] {
    return std::fabs(player->body->position.x - outside) < SetDown;
  })) << "set down outside";
  game.PressKey(VirtualKey::D);
  const float pastGuide = guide->region->position.x + guide->regionCircle->radius + PastTalk;
  for (int frame = 0; frame < WalkLimit && player->body->position.x < pastGuide; ++frame) {
    game.Step();
  }
  game.StepFrames(20);
  game.ReleaseKey(VirtualKey::D);
  game.StepFrames(20);
  EXPECT_GT(player->body->position.x, startX + 1.0f) << "the player walked";
  game.PressKey(VirtualKey::I);
  game.StepFrames(12);
  Keep("05-jumping");
  game.ReleaseKey(VirtualKey::I);
  game.StepFrames(60);
  ASSERT_NE(player->groundContact, nullptr) << "landed";
  Tap(VirtualKey::J);
  game.StepFrames(6);
  Keep("06-attacking");
  game.StepFrames(40);

  // Through the first map's portal into the hub.
  Portal* portal = FindTrigger<Portal>(*world);
  ASSERT_NE(portal, nullptr);
  EXPECT_EQ(portal->targetMap, HubMap);
  // A log lies across the path: the player jumps it on the way to the gate.
  game.PressKey(VirtualKey::D);
  game.StepFrames(20);
  game.PressKey(VirtualKey::I);
  game.StepFrames(14);
  Keep("07-log");
  game.StepFrames(30);
  game.ReleaseKey(VirtualKey::I);
  game.ReleaseKey(VirtualKey::D);
  EXPECT_GT(player->body->position.x, -2.0f) << "over the log";
  EXPECT_TRUE(WalkInto(*portal)) << player->body->position.x;
  for (int frame = 0; frame < 120 && world->GetMapName() != HubMap; ++frame) game.Step();
  ASSERT_EQ(world->GetMapName(), HubMap);
  game.StepFrames(60);
  Keep("08-hub");

  // A villager's talk.
  ConversationShape* villagers = FindTrigger<ConversationShape>(*world, "Oren");
  ASSERT_NE(villagers, nullptr);
  ASSERT_TRUE(WalkInto(*villagers));
  Keep("09-by-villagers");
  Tap(VirtualKey::J);
  ReadThrough("10-villagers-talk");
  ASSERT_EQ(Current(), world);

  // The herb seller's shop: one herb bought.
  auto* stall = FindTrigger<ShopShape>(*world, "Jennifer");
  ASSERT_NE(stall, nullptr);
  ASSERT_TRUE(WalkInto(*stall));
  Tap(VirtualKey::J);
  ASSERT_EQ(Current(), GameStates->menuDialog);
  game.StepFrames(20);
  Keep("11-seller-speaks");
  for (int line = 0; line < 10 && Current() == GameStates->menuDialog; ++line) Tap(VirtualKey::J);
  MenuShop* shop = GameStates->menuShop;
  ASSERT_EQ(Current(), shop);
  game.Step();
  Keep("12-shop");
  // The opening's gift sold, and one thing bought with what it fetched. The player's goods and
  // the seller's wares are on a later tab than the first.
  EXPECT_EQ(player->Tokens(), 0.0f);
  for (const MenuShop::Page page : {MenuShop::PageSell, MenuShop::PageBuy}) {
    const float before = player->Tokens();
    // The main page opens on Buy.
    if (page == MenuShop::PageSell) Tap(VirtualKey::S);
    Tap(VirtualKey::J);
    ASSERT_EQ(shop->GetPage(), page);
    for (int tab = 0; tab < 10 && shop->GetListItems().empty(); ++tab) Tap(VirtualKey::P);
    ASSERT_FALSE(shop->GetListItems().empty());
    Tap(VirtualKey::D);
    Keep(page == MenuShop::PageSell ? "13-shop-sale" : "13-shop-cart");
    Tap(VirtualKey::J);
    Keep(page == MenuShop::PageSell ? "14-shop-confirm-sale" : "14-shop-confirm");
    Tap(VirtualKey::J);
    EXPECT_NE(player->Tokens(), before) << "the trade was made";
    if (page == MenuShop::PageSell) {
      EXPECT_EQ(player->Tokens(), named) << "as the opening said";
    }
    Keep(page == MenuShop::PageSell ? "15-shop-sold" : "15-shop-bought");
    Tap(VirtualKey::I);
  }
  EXPECT_GT(player->Tokens(), 0.0f) << "what the gift fetched pays for what was bought";
  for (int press = 0; press < 5 && Current() == shop; ++press) Tap(VirtualKey::I);
  ASSERT_EQ(Current(), world);
  game.StepFrames(20);

  // The pause menu's tabs, one after another.
  MenuPause* pause = GameStates->menuPause;
  Tap(VirtualKey::Esc);
  ASSERT_EQ(Current(), pause);
  for (int tab = 0; tab < pause->GetTabs().Count(); ++tab) {
    game.StepFrames(5);
    Keep("16-pause-tab" + std::to_string(tab));
    Tap(VirtualKey::P);
  }
  Tap(VirtualKey::Esc);
  game.StepFrames(10);
  ASSERT_EQ(Current(), world) << "the pause menu lets the player go";

  // Saving at the waystone.
  SaveShape* savePoint = FindTrigger<SaveShape>(*world);
  ASSERT_NE(savePoint, nullptr);
  ASSERT_TRUE(WalkInto(*savePoint));
  Tap(VirtualKey::J);
  MenuSave* save = GameStates->menuSave;
  ASSERT_EQ(Current(), save);
  game.StepFrames(10);
  Keep("17-save-prompt");
  Tap(VirtualKey::J);
  EXPECT_EQ(save->m_mode, MenuSave::ModeSaved);
  Keep("18-saved");
  Tap(VirtualKey::J);
  ASSERT_EQ(Current(), world);
  const float savedPrice = player->Tokens();
  const float savePointX = savePoint->region->position.x;

  // Quit to the title through the pause menu's settings, then continue.
  Tap(VirtualKey::Esc);
  while (pause->GetTabIndex() != MenuPause::TabSettings) Tap(VirtualKey::P);
  while (pause->TabAt<SettingsTab>(MenuPause::TabSettings).GetCursor() !=
         SettingsTab::QuitToTitle) {
    Tap(VirtualKey::S);
  }
  game.StepFrames(5);
  Keep("19-pause-quit");
  Tap(VirtualKey::J);
  ASSERT_EQ(Current(), title);
  game.StepFrames(30);
  Keep("20-title-again");
  player->SetTokens(0.0f);
  ChooseStory(MenuTitle::ButtonContinue);
  ASSERT_EQ(Current(), world);
  EXPECT_EQ(world->GetMapName(), HubMap);
  EXPECT_EQ(player->Tokens(), savedPrice) << "the record continued";
  EXPECT_NEAR(player->body->position.x, savePointX, 1.0f) << "back at the save point";
  game.StepFrames(40);
  Keep("21-continued");

  // Back to the title and into the versus lobby, the pad joining as a second player.
  Tap(VirtualKey::Esc);
  while (pause->GetTabIndex() != MenuPause::TabSettings) Tap(VirtualKey::P);
  while (pause->TabAt<SettingsTab>(MenuPause::TabSettings).GetCursor() !=
         SettingsTab::QuitToTitle) {
    Tap(VirtualKey::S);
  }
  Tap(VirtualKey::J);
  ASSERT_EQ(Current(), title);
  Tap(VirtualKey::S);
  Tap(VirtualKey::Enter);
  ASSERT_EQ(title->m_page, MenuTitle::PageMultiplayer);
  Keep("22-title-multiplayer");
  Tap(VirtualKey::Enter);
  MenuMultiplayer* lobby = GameStates->menuMultiplayer;
  ASSERT_EQ(Current(), lobby);
  game.TapPad(0, platform::PadButton::Start);
  ASSERT_EQ(world->players.size(), 2u);
  game.StepFrames(10);
  Keep("23-lobby");
  Tap(VirtualKey::Enter);
  ASSERT_EQ(Current(), world);
  EXPECT_EQ(world->GetMapName(), VersusMap);
  game.StepFrames(60);
  Keep("24-versus");

  // The two fight: the keyboard player walks at the other and strikes.
  Player* second = world->players[1];
  const float secondHealth = second->healthMeter->value;
  for (int swing = 0; swing < 20 && second->healthMeter->value >= secondHealth; ++swing) {
    const bool right = second->body->position.x > player->body->position.x;
    game.PressKey(right ? VirtualKey::D : VirtualKey::A);
    game.StepFrames(10);
    game.Platform().ReleaseAllKeys();
    Tap(VirtualKey::J);
    game.StepFrames(4);
    if (swing == 0) Keep("25-fight");
  }
  EXPECT_LT(second->healthMeter->value, secondHealth) << "the strike landed";
  game.StepFrames(10);
  Keep("26-fight-after");
}
