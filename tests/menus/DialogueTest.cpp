#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "npcs/NPC.h"
#include "support/TestWorld.h"
#include "triggers/ConversationShape.h"
#include "triggers/TriggerWorld.h"

namespace {

using platform::Vector3;

// A character that counts its conversations and shows a portrait cut from the interface atlas.
class TalkingNpc : public TestFigure<NPC> {
 public:
  TalkingNpc(World* home, std::string name, float x, int facingSide)
      : TestFigure<NPC>(home, std::move(name)) {
    PlaceAt(x, 0.0f);
    facing = facingSide;
    portrait = std::make_unique<Sprite>(home->set->interfaceAtlas.get(), 0, Vector3{}, 0.0f,
                                        platform::PixelRect{679, 123, 729, 182});
  }
  void BeginConversation() override { ++begun; }
  void EndConversation() override { ++ended; }

  int begun = 0;
  int ended = 0;
};

// The booted world with its player at the origin and two characters: Ada to its right facing
// left, Bo to its left facing right. The conversation's region reaches the player.
class Dialogue : public TriggerWorld {
 protected:
  void SetUp() override {
    TriggerWorld::SetUp();
    dialog = GameStates->menuDialog;
    conversation = Add(std::make_unique<ConversationShape>(&anchor, world));
    conversation->regionCircle->SetRadius(4.0f);
    conversation->Update(0.0f);
  }

  void Line(Actor* speaker, const std::string& text) {
    conversation->AddOrderedLine(0, text);
    conversation->orderedConversations.back().back().speaker = speaker;
  }

  void Open() {
    dialog->conversation = conversation;
    GameStates->SwitchTo(dialog);
  }

  // Action 1 goes down for one input step of the dialogue.
  void Advance() {
    PressAction();
    dialog->HandleInput(GameHarness::FrameSeconds);
    PressAction(false);
  }

  PlayerState* State() const { return player->CurrentState(); }
  std::string Shown() const { return conversation->GetLines().text; }

  Quad anchor;
  TalkingNpc ada{world_(), "Ada", 3.0f, -1};
  TalkingNpc bo{world_(), "Bo", -3.0f, 1};
  MenuDialog* dialog = nullptr;
  ConversationShape* conversation = nullptr;

 private:
  World* world_() { return GameStates ? GameStates->world : nullptr; }
};

}  // namespace

TEST_F(Dialogue, LinesFollowTheirSpeakersAndCommandsAreCarriedOut) {
  Line(&ada, "Hello.");
  Line(nullptr, "A voice without a face.");
  Line(&bo, "give item cloak 1");
  Line(&bo, "Farewell.");
  Open();
  EXPECT_EQ(State(), player->StateAt(SlotSpeaking));
  EXPECT_EQ(ada.begun, 1);
  EXPECT_EQ(bo.begun, 1);
  EXPECT_EQ(dialog->m_rightGroup, std::vector<NPC*>{&ada});
  EXPECT_EQ(dialog->m_leftGroup, std::vector<NPC*>{&bo});
  // One character a side: 175 pixels in from the edge plus 20.
  EXPECT_EQ(ada.portrait->altPosition, (Vector3{605.0f, 330.0f, 0.0f}));
  EXPECT_EQ(ada.portrait->flipHorizontal, 1);
  EXPECT_EQ(bo.portrait->altPosition, (Vector3{195.0f, 330.0f, 0.0f}));
  EXPECT_EQ(bo.portrait->flipHorizontal, 0);

  player->facing = -1;
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(player->facing, 1) << "turned to Ada";
  // Ada stands right of the player: her plate ends where the box's right end begins.
  const Sprite& right = *dialog->m_plateRight;
  EXPECT_FLOAT_EQ(right.altPosition.x + 5.0f, 730.0f);
  EXPECT_FLOAT_EQ(right.altPosition.y, 454.5f);
  EXPECT_FLOAT_EQ(dialog->m_plateMiddle->altPosition.x + dialog->m_plateMiddle->scale.x / 2.0f,
                  720.0f);
  game.Step(0.0f);
  ASSERT_TRUE(game.KeepFrame("dialogue-speakers.png"));

  Advance();
  EXPECT_EQ(Shown(), "A voice without a face.");
  player->facing = -1;
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(player->facing, -1) << "nobody to turn to";

  Advance();
  EXPECT_EQ(Shown(), "Farewell.") << "the command line is passed over";
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(player->facing, -1) << "Bo stands to the left";

  Advance();
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(State(), player->StateAt(SlotIdling));
  EXPECT_EQ(ada.ended, 1);
  EXPECT_EQ(bo.ended, 1);
  EXPECT_EQ(conversation->lineIndex, 0);
}

// The first line is taken as any later one: a command is carried out and the next line shown,
// "shop" opens the shop at once, an empty group ends the conversation at once.
TEST_F(Dialogue, TheFirstLineIsHandledLikeEveryOther) {
  Line(nullptr, "set stat 4 9");
  Line(nullptr, "Welcome.");
  Line(nullptr, "set item expendable 0 3");
  Open();
  EXPECT_EQ(GameStates->current, dialog);
  EXPECT_EQ((*player->stats)[4], 9.0f);
  EXPECT_EQ(Shown(), "Welcome.");
  EXPECT_EQ(State(), player->StateAt(SlotSpeaking));
  // A command on the last line is carried out and ends the conversation in the same step.
  Advance();
  EXPECT_EQ(player->itemStore->expendables.items[0]->quantity, 3);
  EXPECT_EQ(GameStates->current, world);

  conversation->orderedConversations = {{{0, "shop", &ada}}};
  Open();
  EXPECT_EQ(GameStates->current, GameStates->menuShop);
  EXPECT_EQ(State(), player->StateAt(SlotIdling));
  EXPECT_EQ(ada.ended, ada.begun);
  EXPECT_EQ(Shown(), "shop") << "the shop carries on from its line";

  GameStates->SwitchTo(world);
  conversation->orderedConversations = {{}, {{0, "Second.", nullptr}}};
  Open();
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(State(), player->StateAt(SlotIdling));
  EXPECT_EQ(conversation->conversationIndex, 1) << "on to the next group";
}

TEST_F(Dialogue, WithNoConversationTheScreenLeadsBackToTheWorldAndTakesInputHarmlessly) {
  dialog->conversation = nullptr;
  const PlayerState* before = State();
  GameStates->SwitchTo(dialog);
  EXPECT_EQ(GameStates->current, world);
  Advance();
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(State(), before);
}

TEST_F(Dialogue, WalkingAwayEndsTheConversation) {
  Line(&ada, "Stay a while.");
  Open();
  // On the ground a step turns the player to its side.
  BoundingQuad floor;
  player->groundContact = &floor;
  for (const auto& [key, side] : {std::pair{VirtualKey::A, -1}, std::pair{VirtualKey::D, 1}}) {
    player->facing = -side;
    controls->keyboard->current[key] = 0x80;
    dialog->HandleInput(GameHarness::FrameSeconds);
    EXPECT_EQ(State(), player->StateAt(SlotSpeakWalking));
    EXPECT_EQ(player->facing, side);
    // It walks as it would out of the talk: 100 a second faster each second.
    const float vx = player->body->velocity.x;
    dialog->HandleInput(GameHarness::FrameSeconds);
    EXPECT_NEAR(player->body->velocity.x - vx, side * 100.0f * GameHarness::FrameSeconds, 1e-4f);
    controls->keyboard->current[key] = 0;
    dialog->HandleInput(GameHarness::FrameSeconds);
    EXPECT_EQ(State(), player->StateAt(SlotSpeaking)) << "back to speaking once released";
  }
  player->groundContact = nullptr;

  controls->keyboard->current[VirtualKey::D] = 0x80;
  dialog->HandleInput(GameHarness::FrameSeconds);
  // Away once the body's centre is farther from the region's than both their extents.
  const float reach = 4.0f + player->body->extent;
  player->body->SetPositionXYZ(reach - 0.01f, 0.0f, 0.0f);
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(GameStates->current, dialog);
  player->body->SetPositionXYZ(reach + 0.01f, 0.0f, 0.0f);
  dialog->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(GameStates->current, world);
  EXPECT_EQ(State(), player->StateAt(SlotWalking));
  controls->keyboard->current[VirtualKey::D] = 0;
}

// A character's "shop" line opens the shop; leaving it moves that conversation on, so talking
// again goes on to the next group instead of opening the shop for ever.
TEST_F(Dialogue, LeavingTheShopMovesTheConversationThatOpenedItOn) {
  conversation->orderedConversations = {{{0, "Have a look.", &ada}, {0, "shop", &ada}},
                                        {{0, "Back already?", &ada}}};
  Open();
  Advance();
  ASSERT_EQ(GameStates->current, GameStates->menuShop);
  EXPECT_EQ(GameStates->menuShop->GetConversation(), conversation);
  GameStates->menuShop->Leave();
  ASSERT_EQ(GameStates->current, world);
  Open();
  EXPECT_EQ(GameStates->current, dialog);
  EXPECT_EQ(Shown(), "Back already?");
}
