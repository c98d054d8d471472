#include <gtest/gtest.h>

#include <memory>

#include "collision/Strike.h"
#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/CircularMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "menus/DeathScreen.h"
#include "menus/MenuDialog.h"
#include "player/DeathStates.h"
#include "tests/player/GroundGame.h"
#include "triggers/ConversationShape.h"

namespace {

using platform::Vector3;

class DeathGame : public GroundGame {
 protected:
  void SetUp() override {
    GroundGame::SetUp();
    killer.SetDimensions(3.0f, 3.0f, 0.0f);
    killer.damage = 500.0f;
  }

  // More than the player's health.
  StrikeQuad killer;
};

TEST_F(DeathGame, InDeathModeOneThePictureFadesAndThePlayerComesBackAtTheSpawnPoint) {
  world->deathMode = World::DeathModeRespawn;
  world->spawnPoint = {25.0f, FloorTop + 4.0f, 0.0f};
  StrikeOnce(killer);
  ASSERT_TRUE(In(SlotRespawning)) << WStringToString(Current()->GetName());
  EXPECT_LT(player->healthMeter->value, 1.0f);
  Sprite& picture = *player->bodySprite;
  EXPECT_EQ(picture.GetColor(), ColorWhite);

  // Every channel falls by 127.5 a second; no strike is taken meanwhile.
  game.StepFrames(59);
  ASSERT_TRUE(In(SlotRespawning));
  EXPECT_NEAR(picture.GetColor().a, 127.5f, 2.0f);
  EXPECT_NEAR(picture.GetColor().r, 127.5f, 2.0f);
  game.KeepFrame("respawn-fading.png");
  // Spent while the player is away, so that the refill on the way back shows.
  player->staminaRing->SetValue(0.0f);
  const float health = player->healthMeter->value;
  StrikeOnce(killer);
  EXPECT_GE(player->healthMeter->value, health) << "no strike is taken";
  EXPECT_LT(player->healthMeter->value, 1.0f) << "only the meter's slow recovery";
  while (Current()->stateTime < 1.5f) game.Step();
  EXPECT_NEAR(picture.GetColor().a, 255.0f - 127.5f * Current()->stateTime, 2.0f)
      << "fading on through the second second";

  // The last frame: the velocity the player has then goes with it to the spawn point.
  while (Current()->stateTime + GameTimeStep < StateRespawning::Duration) game.Step();
  EXPECT_LE(picture.GetColor().a, 3) << "all but gone";
  player->body->velocity = {4.0f, 0.0f, 0.0f};
  game.Step();
  ASSERT_TRUE(In(SlotFalling)) << WStringToString(Current()->GetName());
  EXPECT_GT(player->body->position.x, world->spawnPoint.x) << "moving on as it was";
  EXPECT_NEAR(player->body->position.x, world->spawnPoint.x + 4.0f * GameTimeStep, 1e-3f);
  EXPECT_GT(player->body->velocity.x, 0.0f);
  EXPECT_EQ(picture.GetColor(), ColorWhite);
  EXPECT_FLOAT_EQ(player->healthMeter->value, player->healthMeter->maximum);
  EXPECT_FLOAT_EQ(player->staminaRing->value, player->staminaRing->maximum);
  ASSERT_TRUE(StepUntil(SlotIdling));
  EXPECT_NEAR(Feet(), FloorTop, 1e-3f);
  game.KeepFrame("respawned.png");
}

// Leaving respawning by another road than its own end (here a conversation; a portal, the
// title and the lobby switch the same way) ends the fade: the picture is whole again and stays so.
TEST_F(DeathGame, LeavingRespawningByAnotherRoadEndsTheFade) {
  world->deathMode = World::DeathModeRespawn;
  StrikeOnce(killer);
  ASSERT_TRUE(In(SlotRespawning));
  game.StepFrames(30);
  const Sprite& picture = *player->bodySprite;
  ASSERT_LT(picture.GetColor().a, 200);
  auto conversation = std::make_unique<ConversationShape>(nullptr, world);
  conversation->AddOrderedLine(0, "Hello.");
  GameStates->menuDialog->conversation = conversation.get();
  world->AddModifier(std::move(conversation));
  GameStates->SwitchTo(GameStates->menuDialog);
  ASSERT_TRUE(In(SlotSpeaking));
  EXPECT_EQ(picture.GetColor(), ColorWhite);
  GameStates->menuDialog->EndConversation();
  game.StepFrames(10);
  EXPECT_EQ(picture.GetColor(), ColorWhite);
}

TEST_F(DeathGame, InDeathModeZeroTheDeathScreenFadesWhileTheWorldRunsOn) {
  world->deathMode = World::DeathModeScreen;
  game.PressKey(VirtualKey::D);
  game.StepFrames(30);
  ASSERT_TRUE(In(SlotWalking));
  StrikeOnce(killer);
  ASSERT_TRUE(In(SlotDying)) << WStringToString(Current()->GetName());
  ASSERT_EQ(GameStates->current, GameStates->deathScreen);
  EXPECT_EQ(GameStates->previous, world);
  EXPECT_EQ(player->staminaMeter->fill->GetColor(), (Color4{200, 128, 0, 0}));
  EXPECT_TRUE(MainCamera->fading);
  EXPECT_EQ(MainCamera->fadeTarget, ColorWhite);

  // The world goes on beneath: the dead player slides to a stop, deaf to the keys held.
  EXPECT_GT(player->body->velocity.x, 0.0f);
  const float x = BodyX();
  game.StepFrames(60);
  EXPECT_TRUE(In(SlotDying));
  EXPECT_GT(BodyX(), x);
  EXPECT_EQ(player->body->velocity.x, 0.0f);
  EXPECT_NEAR(world->fadeQuad->GetColor().a, 127.5f, 3.0f);
  game.KeepFrame("death-screen-fading.png");
  EXPECT_NEAR(GameStates->deathScreen->timer, 1.0f, 1e-3f);
}

}  // namespace
