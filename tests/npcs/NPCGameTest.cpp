#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actors/State.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/StringConversion.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "menus/MenuTitle.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "triggers/ConversationShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "world/World.h"

namespace {

constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* NewGameMap = "Content\\Maps\\DemoNewGameMap.gmf";
constexpr float NewGameSpawnX = -18.0f;

// The game booted headless and playing in its world.
class NPCGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game_.Started());
    world_ = GameStates->world;
    player_ = world_->GetFirstPlayer();
  }

  // Loads the map as a portal does and lets it settle with the first player at x.
  void Show(const char* map, float x, float y = 1.3f) {
    world_->ClearLevel();
    world_->LoadMap(map);
    player_->body->SetPositionXYZ(x, y, 0.0f);
    player_->body->SetVelocity(0.0f, 0.0f, 0.0f);
    if (GameStates->current != world_) GameStates->SwitchTo(world_);
    game_.StepFrames(60);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& npc : world_->npcs) names.push_back(npc->name);
    return names;
  }

  // The conversation held by the character of that name.
  ConversationShape* ConversationOf(const std::string& name) const {
    for (const auto& modifier : world_->modifiers) {
      auto* talk = dynamic_cast<ConversationShape*>(modifier.get());
      if (talk && talk->npc && talk->npc->name == name) return talk;
    }
    return nullptr;
  }

  GameHarness game_;
  World* world_ = nullptr;
  Player* player_ = nullptr;
};

}  // namespace

TEST_F(NPCGame, TheHubsCharactersStandOnTheGroundAndHoldItsConversationsAndSavePoint) {
  Show(HubMap, 10.0f);
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"Horus", "Jennifer", "Sealth", "Oren", "Girvin", "Sybil"}));
  for (const auto& npc : world_->npcs) {
    EXPECT_NE(npc->groundContact, nullptr) << npc->name << " stands";
    EXPECT_EQ(npc->body->velocity.y, 0.0f) << npc->name;
  }
  // The waystone's keeper holds the save point: acting beside her saves.
  const SaveShape* savePoint = nullptr;
  for (const auto& modifier : world_->modifiers) {
    if (!savePoint) savePoint = dynamic_cast<const SaveShape*>(modifier.get());
  }
  ASSERT_NE(savePoint, nullptr);
  ASSERT_NE(savePoint->npc, nullptr);
  EXPECT_EQ(savePoint->npc->name, "Sealth");
  EXPECT_EQ(savePoint->anchor, savePoint->npc->body);

  const std::vector<NPC*> villagers = ConversationOf("Oren")->Participants();
  ASSERT_EQ(villagers.size(), 2u);
  EXPECT_EQ(villagers[1]->name, "Girvin") << "the two talk together";
}

// From the title a new game opens on the conversation of the one who found the player: each line
// names its speaker on the plate beside the side the speaker stands on, both faces shown, both
// turned to the player, the guide calling in from outside.
TEST_F(NPCGame, ANewGamesOpeningConversationShowsItsSpeakersTurnedToThePlayer) {
  MenuTitle* title = GameStates->menuTitle;
  GameStates->SwitchTo(title);
  game_.TapKey(VirtualKey::Enter);
  ASSERT_EQ(title->m_page, MenuTitle::PageStory);
  while (title->m_selection != MenuTitle::ButtonNewGame) game_.TapKey(VirtualKey::S);
  game_.TapKey(VirtualKey::Enter);

  MenuDialog* dialog = GameStates->menuDialog;
  ASSERT_EQ(GameStates->current, dialog);
  const auto* opening = static_cast<const ConversationShape*>(dialog->conversation);
  ASSERT_EQ(opening->npc->name, "Nia");
  game_.StepFrames(40);
  ASSERT_EQ(dialog->m_leftGroup.size(), 1u);
  ASSERT_EQ(dialog->m_rightGroup.size(), 1u);
  NPC* nia = dialog->m_leftGroup[0];
  NPC* hazel = dialog->m_rightGroup[0];
  EXPECT_EQ(nia->name, "Nia");
  EXPECT_EQ(nia, opening->npc);
  const float playerX = player_->body->position.x;
  EXPECT_LT(nia->body->position.x, playerX);
  EXPECT_GT(hazel->body->position.x, playerX);
  EXPECT_EQ(nia->facing, 1);
  EXPECT_EQ(hazel->facing, -1);
  EXPECT_EQ(hazel->sprite->flipHorizontal, 1);
  for (const NPC* speaker : {nia, hazel}) {
    EXPECT_EQ(speaker->state->GetName(), StringToWString(speaker->name) + L": Speaking");
    ASSERT_NE(speaker->portrait->texture, nullptr);
    EXPECT_NE(speaker->portrait->texture->texture, nullptr) << speaker->name << "'s face is loaded";
  }
  EXPECT_LT(nia->portrait->altPosition.x, hazel->portrait->altPosition.x);
  EXPECT_EQ(opening->GetLines().speaker, nia);
  ASSERT_TRUE(game_.KeepFrame("OpeningNiaSpeaks.png"));

  game_.TapKey(VirtualKey::J);
  EXPECT_EQ(opening->GetLines().speaker, hazel);
  game_.StepFrames(10);
  ASSERT_TRUE(game_.KeepFrame("OpeningHazelSpeaks.png"));
  for (int line = 0; line < 10 && GameStates->current == dialog; ++line) {
    game_.TapKey(VirtualKey::J);
  }
  ASSERT_EQ(GameStates->current, world_);
  EXPECT_EQ(nia->state->GetName(), L"Nia: Idling");
  EXPECT_EQ(hazel->state->GetName(), L"Hazel: Idling");
}

// In the hub the player walks up to the herb seller from her left and talks: she turns to the
// player, her lines carry her name and face, and her "shop" line opens the shop.
TEST_F(NPCGame, WalkingUpToTheHerbSellerAndTalkingReachesHerShop) {
  Show(HubMap, -21.0f);
  auto* stall = dynamic_cast<ShopShape*>(ConversationOf("Jennifer"));
  ASSERT_NE(stall, nullptr);
  auto* jennifer = dynamic_cast<NPC*>(stall->npc);
  ASSERT_NE(jennifer, nullptr);
  EXPECT_EQ(jennifer->facing, 1) << "she faces east as the map places her";
  const Circle& region = *stall->regionCircle;

  game_.PressKey(VirtualKey::D);
  for (int frame = 0; frame < 200 && !region.ContainsPoint(player_->body->position); ++frame) {
    game_.Step();
  }
  game_.ReleaseKey(VirtualKey::D);
  game_.StepFrames(20);
  ASSERT_TRUE(region.ContainsPoint(player_->body->position));
  ASSERT_LT(player_->body->position.x, jennifer->body->position.x);
  game_.TapKey(VirtualKey::J);

  MenuDialog* dialog = GameStates->menuDialog;
  ASSERT_EQ(GameStates->current, dialog);
  EXPECT_EQ(dialog->conversation, stall);
  EXPECT_EQ(jennifer->facing, -1) << "turned to the player";
  EXPECT_EQ(dialog->m_rightGroup, std::vector<NPC*>{jennifer});
  EXPECT_EQ(stall->GetLines().speaker, jennifer);
  EXPECT_NE(stall->GetLines().text.find("Herbs"), std::string::npos);
  game_.StepFrames(20);
  ASSERT_TRUE(game_.KeepFrame("HubHerbSellerSpeaks.png"));

  game_.TapKey(VirtualKey::J);
  EXPECT_EQ(GameStates->current, GameStates->menuShop);
  EXPECT_EQ(GameStates->menuShop->GetConversation(), stall);
  game_.Step();
  ASSERT_TRUE(game_.KeepFrame("HubHerbSellersShop.png"));
}

// The map changes while a conversation runs, as a "load" line does: the characters it removes
// stay valid to the frame's end, so the dialogue can still send them back to idling.
TEST_F(NPCGame, TwoMapsInARowWhileCharactersSpeakLeaveNothingBehind) {
  Show(HubMap, 12.0f);
  const std::vector<NPC*> speakers = ConversationOf("Oren")->Participants();
  for (NPC* speaker : speakers) speaker->BeginConversation();
  game_.Step();

  world_->ClearLevel();
  world_->LoadMap(NewGameMap);
  for (NPC* speaker : speakers) speaker->EndConversation();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Hazel", "Nia"}));
  game_.StepFrames(30);
  Show(HubMap, 0.0f);
  Show(NewGameMap, NewGameSpawnX);
  EXPECT_EQ(world_->npcs.size(), 2u);
  EXPECT_EQ(world_->actors.size(), 3u + world_->enemies.size())
      << "the player, the two characters and the map's enemies";
}
