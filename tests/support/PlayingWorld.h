#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "editor/MenuDebug.h"
#include "engine/CheckBox.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/draw/Quad.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "support/GameHarness.h"
#include "support/TestWorld.h"

// The booted game playing in its world without a map: a long floor under the first player, who
// stands on it at (1, 0) once the world has faded in.
class PlayingWorld : public ::testing::Test {
 protected:
  // The feet of the player who starts at (1, 0) in the standing body.
  static constexpr float FloorTop = -1.225f;
  static constexpr float Gravity = 53.0f;

  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    world->gravity = Gravity;
    AddBoundaryQuad(*world, 0.0f, FloorTop - 1.0f, 400.0f, 2.0f);
    GameStates->SwitchTo(world);
    // Past the half second in which the world fades in.
    game.StepFrames(40);
  }

  // Draws the floor, so that frames show where the player stands.
  void ShowFloor() { ShowBlock(0.0f, FloorTop - 1.0f, 400.0f, 2.0f); }

  // Draws a block of ground centred at (x, y).
  void ShowBlock(float x, float y, float width, float height) {
    auto ground = std::make_unique<Quad>();
    ground->SetPositionXYZ(x, y, 0.0f);
    ground->SetDimensions(width, height, 0.0f);
    ground->SetFillColorRGBA(255, 96, 140, 70);
    GameStates->world->shapeLayers.Insert(0, std::move(ground));
  }

  // The map's music, as a screen over play hears it: dimmed to 70 or at full volume, in
  // hundredths of a decibel of the streaming buffer.
  static constexpr int32_t DimmedVolume = -1200;
  static constexpr int32_t FullVolume = 0;
  void StartMusic() {
    MainSoundBank->PlayMusic("Content\\Audio\\Meadow.ogg");
    ASSERT_NE(MainSoundBank->music, nullptr);
  }
  int32_t Volume() const { return MainSoundBank->music->Buffer().Volume(); }

  void SetSwitch(DebugToggle toggle, bool on) { DebugSwitchesOf(GameStates)->Set(toggle, on); }

  // One step. With a hit-stop that ends within the frame the state chosen is only kept as the
  // pending one, and the next step takes it.
  void StepThroughAStop(bool hitStop, PlayerStateSlot expected) {
    if (hitStop) player->CurrentState()->holdTimer = 0.01f;
    game.Step();
    if (!hitStop) return;
    EXPECT_EQ(player->CurrentState()->pendingState, player->StateAt(expected));
    game.Step();
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
};
