#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>

#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/DeferredDeleteList.h"
#include "engine/KeyboardLayer.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "menus/MenuConsole.h"
#include "menus/pause/MenuPause.h"
#include "platform/InputMapping.h"
#include "player/PlayerState.h"
#include "support/PlayingWorld.h"
#include "triggers/Portal.h"
#include "world/ModifierShape.h"

namespace {

using platform::Vector3;

// A trigger that counts its updates; a changing one clears the level and raises the flag, as
// a portal to another map does.
class Counter : public ModifierShape {
 public:
  Counter(World* world, int* updates, bool changesMap)
      : ModifierShape(KindHazard, world, std::make_unique<Quad>()),
        updates_(updates),
        changesMap_(changesMap) {}
  void Update(float) override {
    ++*updates_;
    if (!changesMap_) return;
    world->ClearLevel();
    mapChanged = 1;
  }
  void Draw() override {}

 private:
  int* updates_;
  bool changesMap_;
};

class WorldFrame : public PlayingWorld {
 protected:
  // Back in the world with every key up.
  void Resume() {
    game.Platform().ReleaseAllKeys();
    game.Platform().DisconnectPad(1);
    GameStates->current = world;
    game.Step();
  }
  // Until the player stands idle again, after an attack or a jump has run its course.
  void StepUntilIdle() {
    for (int frame = 0; frame < 120 && player->CurrentState() != player->StateAt(SlotIdling);
         ++frame) {
      game.Step();
    }
  }
};

TEST_F(WorldFrame, WithOnePlayerPauseComesFirstThenTheDebugMenuThenTheConsole) {
  struct Row {
    std::vector<int> keys;
    bool debugMode;
    bool console;
    GameState* expected;
  };
  const Row rows[] = {
      {{VirtualKey::Esc}, false, false, GameStates->menuPause},
      {{VirtualKey::Enter}, false, false, GameStates->menuPause},
      {{VirtualKey::Tab}, true, false, GameStates->menuDebug},
      {{VirtualKey::Tab}, false, true, world},
      {{VirtualKey::Tilde}, false, true, GameStates->menuConsole},
      {{VirtualKey::Tilde}, true, false, world},
      {{VirtualKey::Esc, VirtualKey::Tab}, true, true, GameStates->menuPause},
      {{VirtualKey::Tab, VirtualKey::Tilde}, true, true, GameStates->menuDebug},
  };
  for (const Row& row : rows) {
    Resume();
    DebugMode = row.debugMode ? 1 : 0;
    SetSwitch(ToggleEnableConsole, row.console);
    GameStates->menuPause->SetPlayer(nullptr);
    for (int key : row.keys) game.PressKey(key);
    game.Step();
    EXPECT_EQ(GameStates->current, row.expected) << row.keys.front();
    const Player* pausing = row.expected == GameStates->menuPause ? player : nullptr;
    EXPECT_EQ(GameStates->menuPause->GetPlayer(), pausing) << row.keys.front();
  }
}

TEST_F(WorldFrame, WithTwoPlayersOnlyTheFirstTwoPauseAndNoDebugKeyIsRead) {
  Player* second = world->AddPlayer();
  Controls pad(*GameControls);
  pad.keyboardEnabled = 0;
  pad.padEnabled = {0, 1, 0, 0};
  pad.activePad = 1;
  second->controls = &pad;
  DebugMode = 1;
  SetSwitch(ToggleEnableConsole, true);

  struct Row {
    int key;
    bool secondStart;
    GameState* expected;
    Player* pausing;
  };
  const Row rows[] = {
      {VirtualKey::Esc, true, GameStates->menuPause, player},
      {0, true, GameStates->menuPause, second},
      {VirtualKey::Tab, false, world, nullptr},
      {VirtualKey::Tilde, false, world, nullptr},
  };
  for (const Row& row : rows) {
    Resume();
    GameStates->menuPause->SetPlayer(nullptr);
    if (row.key) game.PressKey(row.key);
    if (row.secondStart) {
      platform::PadState start;
      start.buttons = platform::PadButton::Start;
      game.Platform().ConnectPad(1, start);
    }
    game.Step();
    EXPECT_EQ(GameStates->current, row.expected) << row.key;
    EXPECT_EQ(GameStates->menuPause->GetPlayer(), row.pausing) << row.key;
  }
  Resume();
  world->RemovePlayer(1);
  second->controls = nullptr;
}

TEST_F(WorldFrame, APlayerWithoutControlsIsSkippedByTheInputStep) {
  // The first player gives its controls to a second one beside it, which goes on taking input.
  Player* second = world->AddPlayer(player->controls);
  second->body->SetPosition(player->body->position);
  second->body->previousPosition = player->body->position;
  player->controls = nullptr;
  game.StepFrames(10);
  game.PressKey(VirtualKey::D);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotIdling));
  EXPECT_EQ(second->CurrentState(), second->StateAt(SlotWalking));
  player->controls = second->controls;
  world->RemovePlayer(1);
}

TEST_F(WorldFrame, ThePauseSwitchDoesNotEndTheInputStep) {
  game.PressKey(VirtualKey::Esc);
  game.PressKey(VirtualKey::D);
  game.Step();
  EXPECT_EQ(GameStates->current, GameStates->menuPause);
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotWalking));
}

TEST_F(WorldFrame, ChoicesDuringTheHitStopWaitForItsEndButTheGuardDoesNot) {
  PlayerState* idle = player->StateAt(SlotIdling);
  ASSERT_EQ(player->CurrentState(), idle);
  idle->holdTimer = 0.05f;
  game.PressKey(VirtualKey::J);
  game.Step();
  EXPECT_EQ(player->CurrentState(), idle) << "buffered";
  EXPECT_EQ(idle->pendingState, player->StateAt(SlotGroundAttacking1));
  game.ReleaseKey(VirtualKey::J);
  while (idle->holdTimer > 0.0f) game.Step();
  EXPECT_EQ(player->CurrentState(), idle);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGroundAttacking1));

  Resume();
  StepUntilIdle();
  ASSERT_EQ(player->CurrentState(), idle);
  idle->holdTimer = 0.05f;
  game.PressKey(VirtualKey::P);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGuarding)) << "at once";
}

TEST_F(WorldFrame, TheGodModeChordWinsOverTheStepsOwnSwitchOnlyWhileItsSwitchIsOn) {
  game.PressKey(VirtualKey::LeftShift);
  game.PressKey(VirtualKey::I);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGroundJumping));
  Resume();
  StepUntilIdle();
  SetSwitch(ToggleEnableGodMode, true);
  game.PressKey(VirtualKey::LeftShift);
  game.PressKey(VirtualKey::I);
  game.Step();
  EXPECT_EQ(player->CurrentState(), player->StateAt(SlotGodModing));
}

TEST_F(WorldFrame, TheCameraFramesTheFocusAndKeepsTheViewWithinTheLimits) {
  const float halfWidth = ScreenSizeToWorld(static_cast<float>(ScreenWidth), 0.0f) / 2;
  const float halfHeight = ScreenSizeToWorld(static_cast<float>(ScreenHeight), 0.0f) / 2;
  // The focus is the player's body raised by the world's offset, (1, 2).
  struct Row {
    CameraLimits limits;
    float x, y;
  };
  const Row rows[] = {
      {CameraLimits{}, 1.0f, 2.0f},
      {{.right = 4.0f}, 4.0f - halfWidth, 2.0f},
      {{.left = 0.0f}, halfWidth, 2.0f},
      {{.top = 2.0f + halfHeight}, 1.0f, 2.0f},  // touching the limit moves nothing
      {{.top = 3.0f, .bottom = 0.0f}, 1.0f, 1.0f},  // a band lower than the view: both corrections
  };
  player->body->SetPositionXYZ(1.0f, 0.0f, 0.0f);
  for (const Row& row : rows) {
    world->cameraLimits = row.limits;
    world->UpdateCamera();
    EXPECT_NEAR(MainCamera->targetEye.x, row.x, 1e-4f);
    EXPECT_NEAR(MainCamera->targetEye.y, row.y, 1e-4f);
  }
  world->cameraLimits = CameraLimits{};
  Player* second = world->AddPlayer();
  second->body->SetPositionXYZ(5.0f, 4.0f, 0.0f);
  world->UpdateCamera();
  EXPECT_EQ(MainCamera->targetEye.x, 3.0f) << "the players' middle";
  EXPECT_EQ(MainCamera->targetEye.y, 4.0f);
  world->RemovePlayer(1);
  MainCamera->stationary = 1;
  player->body->SetPositionXYZ(30.0f, 0.0f, 0.0f);
  world->UpdateCamera();
  EXPECT_EQ(MainCamera->targetEye.x, 3.0f) << "a stationary camera stays";
  MainCamera->stationary = 0;
}

TEST_F(WorldFrame, AModifierThatChangesTheMapStopsTheModifierLoopAndStaysValid) {
  int first = 0;
  int second = 0;
  world->AddModifier(std::make_unique<Counter>(world, &first, true));
  world->AddModifier(std::make_unique<Counter>(world, &second, false));
  world->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  EXPECT_TRUE(world->modifiers.empty());
  EXPECT_EQ(DeferredDeletes->Size(), 2u);
  game.Step();
  EXPECT_EQ(DeferredDeletes->Size(), 0u);
}

// The map a portal leads to has a portal round the arrival point, second in its list: neither it
// nor the trigger after the first portal runs in the frame of the change.
TEST_F(WorldFrame, AfterAPortalChangesTheMapNoOtherTriggerRunsThatFrame) {
  std::ofstream(game.Folder() / "Content/Maps/Landing.gmf")
      << "0 0 100 -100 -100 100 255 0 0 0 53 30 0 m s 0 0 0\n*Resources \n*Enemies \n*NPCs \n"
         "*Boundaries \n*Textured_Primitives \n*Modifiers \nh 0 1\n"
         "t q 1 0 255 0 0 0 255 0 0 0 0 0 0 0 0 5 0 0 20 20 Content\\Maps\\DemoHubMap.gmf 0 0\n";
  auto region = std::make_unique<Quad>();
  region->SetDimensions(20.0f, 20.0f, 0.0f);
  region->SetPosition(player->body->position);
  world->AddModifier(std::make_unique<Portal>(world, std::move(region),
                                              "Content\\Maps\\Landing.gmf",
                                              Vector3{0.0f, 5.0f, 0.0f}));
  int later = 0;
  world->AddModifier(std::make_unique<Counter>(world, &later, false));
  int frames = 0;
  while (world->GetMapName() != "Content\\Maps\\Landing.gmf" && frames < 60) {
    EXPECT_EQ(later, frames++) << "before the change the later trigger runs every frame";
    world->Update(GameHarness::FrameSeconds);
  }
  EXPECT_EQ(later, frames - 1);
  ASSERT_EQ(world->modifiers.size(), 2u);
  const auto* arrival = dynamic_cast<const Portal*>(world->modifiers[1].get());
  ASSERT_NE(arrival, nullptr);
  EXPECT_EQ(arrival->triggered, 0);
  world->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(arrival->triggered, 1) << "it runs from the next frame";
}

TEST_F(WorldFrame, ALayerTheDebugMenuDoesNotKnowIsAddedHiddenAndNotDrawn) {
  auto marker = std::make_unique<Quad>();
  marker->SetDimensions(40.0f, 40.0f, 0.0f);
  marker->SetPositionXYZ(MainCamera->eye.x, MainCamera->eye.y, 0.0f);
  marker->SetFillColorRGBA(255, 255, 0, 255);
  world->shapeLayers.Insert(9, std::move(marker));
  std::map<int32_t, LayerFlags>& layers = DebugSwitchesOf(GameStates)->m_layerFlags;
  ASSERT_EQ(layers.count(9), 0u);
  game.Step();
  ASSERT_EQ(layers.count(9), 1u);
  EXPECT_FALSE(layers[9].visible);
  EXPECT_NE(game.Pixel(400, 300), 0xFFFF00FFu);
  layers[9].visible = true;
  game.Step();
  EXPECT_EQ(game.Pixel(400, 300), 0xFFFF00FFu);
}

}  // namespace
