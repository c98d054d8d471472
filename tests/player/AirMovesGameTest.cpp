#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "engine/Controls.h"
#include "engine/KeyboardLayer.h"
#include "engine/Sound.h"
#include "engine/draw/Quad.h"
#include "player/PlayerState.h"
#include "support/PlayingWorld.h"
#include "triggers/Portal.h"

namespace {

using platform::Vector3;

constexpr float Dt = GameHarness::FrameSeconds;
// The new-game values of the air moves.
constexpr float JumpStrength = 20.0f;
constexpr float DashStrength = 30.0f;
constexpr float AirDrag = 40.0f;
constexpr float GroundDrag = 85.0f;
constexpr float PlatformTop = 5.5f;
constexpr float WallLeft = 34.0f;

// A course over the floor: platform A from x 8 to 14, a gap, platform B from 20 to 30, both
// with their tops at 5.5, and a wall from x 34 up to a height of 13.
class AirCourse : public PlayingWorld {
 protected:
  void SetUp() override {
    ShowFloor();
    PlayingWorld::SetUp();
    Block(11.0f, PlatformTop - 0.5f, 6.0f, 1.0f);
    Block(25.0f, PlatformTop - 0.5f, 10.0f, 1.0f);
    Block(WallLeft + 1.0f, 6.0f, 2.0f, 14.0f);
  }

  void Block(float x, float y, float width, float height) {
    AddBoundaryQuad(*world, x, y, width, height);
    ShowBlock(x, y, width, height);
  }

  // In the air at the place, falling with the velocity given.
  void LaunchAt(float x, float y, float vx = 0.0f, float vy = 0.0f) {
    player->body->SetPositionXYZ(x, y, 0.0f);
    player->body->previousPosition = player->body->position;
    player->body->SetVelocity(vx, vy, 0.0f);
    player->groundContact = nullptr;
    player->SwitchState(SlotFalling);
  }

  // Presses dash on the ground and steps once; true when the dash has begun.
  bool DashOnTheGround() {
    game.PressKey(VirtualKey::O);
    game.Step();
    return Is(SlotGroundDashing);
  }

  // Steps until the state is current; false when it has not come within the frames.
  bool StepUntil(PlayerStateSlot slot, int frames = 240) {
    for (int frame = 0; frame < frames && Current() != player->StateAt(slot); ++frame) game.Step();
    return Current() == player->StateAt(slot);
  }

  // Falls against the wall holding right until it slides.
  void StartSlide() {
    LaunchAt(WallLeft - 1.5f, 8.0f, 6.0f);
    game.PressKey(VirtualKey::D);
    ASSERT_TRUE(StepUntil(SlotWallSliding, 30));
    ASSERT_TRUE(Looping(Player::SoundWallSlide));
  }

  // Lets go of every key for a frame, so that the next press counts.
  void ReleaseAll() {
    for (int key : {VirtualKey::A, VirtualKey::D, VirtualKey::I, VirtualKey::O, VirtualKey::W,
                    VirtualKey::LeftShift}) {
      game.ReleaseKey(key);
    }
    game.Step();
  }

  PlayerState* Current() const { return player->CurrentState(); }
  bool Is(PlayerStateSlot slot) const { return Current() == player->StateAt(slot); }
  bool Looping(Player::SoundIndex sound) const { return player->sounds[sound]->IsLooping(); }
  bool Playing(Player::SoundIndex sound) const { return player->sounds[sound]->IsPlaying(); }
  float Count(int stat) const { return player->totalStats[stat]; }
  float Feet() const { return player->body->position.y - player->body->height / 2; }
  const Vector3& Velocity() const { return player->body->velocity; }
};

TEST_F(AirCourse, JumpsAndAirJumpsOntoAPlatformAndDashesOverTheGap) {
  // A jump from the floor towards the platform, held to its top, where the rise ends.
  game.PressKey(VirtualKey::D);
  game.PressKey(VirtualKey::I);
  game.Step();
  ASSERT_TRUE(Is(SlotGroundJumping));
  ASSERT_TRUE(StepUntil(SlotFalling, 60));
  game.ReleaseKey(VirtualKey::I);
  game.Step();
  const float airJumps = Count(Stat::StatAirJumps);
  game.PressKey(VirtualKey::I);
  game.Step();
  ASSERT_TRUE(Is(SlotAirJumping));
  EXPECT_NEAR(Velocity().y, JumpStrength - Gravity * Dt, 1e-4f) << "a fall stops, then the jump";
  EXPECT_EQ(Count(Stat::AirJumpCount), 0.0f);
  EXPECT_EQ(Count(Stat::StatAirJumps), airJumps + 1.0f);
  EXPECT_TRUE(Playing(Player::SoundGust2));
  game.StepFrames(6);
  ASSERT_TRUE(game.KeepFrame("air-jump.png"));

  // Past the top the fall keeps the jump button unread.
  ASSERT_TRUE(StepUntil(SlotFalling, 60));
  game.ReleaseKey(VirtualKey::I);
  game.Step();
  game.TapKey(VirtualKey::I);
  EXPECT_TRUE(Is(SlotFalling)) << "no air jump is left";
  ASSERT_TRUE(StepUntil(SlotWalking, 60));
  EXPECT_NEAR(Feet(), PlatformTop, 1e-3f);
  EXPECT_EQ(Count(Stat::AirJumpCount), 1.0f) << "the ground refills the air jump";

  // Off the platform's end and over the gap in an air dash.
  ASSERT_TRUE(StepUntil(SlotFalling, 180));
  const float airDashes = Count(Stat::StatAirDashes);
  game.PressKey(VirtualKey::O);
  game.Step();
  ASSERT_TRUE(Is(SlotAirDashing));
  EXPECT_NEAR(Velocity().x, DashStrength - AirDrag * Dt, 1e-4f);
  EXPECT_EQ(player->body->height, player->dashingSize.y);
  EXPECT_EQ(Count(Stat::AirDashCount), 1.0f);
  EXPECT_EQ(Count(Stat::StatAirDashes), airDashes + 1.0f);
  EXPECT_TRUE(Playing(Player::SoundAirDash));
  game.StepFrames(6);
  ASSERT_TRUE(game.KeepFrame("air-dash.png"));
  // The dash time runs out over the gap; the fall lands on the far platform.
  ASSERT_TRUE(StepUntil(SlotFalling, 20));
  EXPECT_GE(player->StateAt(SlotAirDashing)->stateTime, 0.25f);
  game.ReleaseKey(VirtualKey::O);
  ASSERT_TRUE(StepUntil(SlotIdling, 30));
  EXPECT_GT(player->body->position.x, 20.0f);
  EXPECT_NEAR(Feet(), PlatformTop, 1e-3f);
  EXPECT_EQ(Count(Stat::AirDashCount), 2.0f);

  ReleaseAll();
}

TEST_F(AirCourse, TheSlideSoundStopsOnEveryWayOutOfTheSlide) {
  World& course = *world;
  const std::pair<const char*, std::function<void()>> roads[] = {
      {"letting go of the wall", [&] { game.ReleaseKey(VirtualKey::D); game.Step(); }},
      {"a wall jump", [&] { game.PressKey(VirtualKey::I); game.Step(); }},
      {"the ground", [&] { StepUntil(SlotIdling); }},
      {"a conversation", [&] { player->SwitchState(SlotSpeaking); }},
      {"a respawn",
       [&] {
         course.deathMode = World::DeathModeRespawn;
         player->healthMeter->value = 0.0f;
         game.Step();
         player->healthMeter->value = player->healthMeter->maximum;
       }},
  };
  for (const auto& [road, take] : roads) {
    StartSlide();
    take();
    EXPECT_FALSE(Is(SlotWallSliding)) << road;
    EXPECT_FALSE(Looping(Player::SoundWallSlide)) << road;
    ReleaseAll();
  }

  // An air dash into the wall, holding towards it, slides and, the dash being stopped by the
  // wall, falls in the same step: the slide's refill shows it was entered.
  LaunchAt(WallLeft - 2.0f, 8.0f);
  game.PressKey(VirtualKey::D);
  game.PressKey(VirtualKey::O);
  ASSERT_TRUE(StepUntil(SlotAirDashing, 2));
  ASSERT_TRUE(StepUntil(SlotFalling, 10));
  EXPECT_EQ(Count(Stat::AirDashCount), 2.0f);
  EXPECT_FALSE(Looping(Player::SoundWallSlide));
  ReleaseAll();

  // A player taken out of the world while sliding.
  Player& other = *course.AddPlayer();
  other.SwitchState(SlotWallSliding);
  ASSERT_TRUE(other.sounds[Player::SoundWallSlide]->IsLooping());
  course.RemovePlayer(1);
  EXPECT_FALSE(other.sounds[Player::SoundWallSlide]->IsLooping());

  // A portal to another map, which takes the course away: last.
  StartSlide();
  auto region = std::make_unique<Quad>();
  region->SetDimensions(4.0f, 20.0f, 0.0f);
  region->SetPosition(player->body->position);
  course.AddModifier(std::make_unique<Portal>(&course, std::move(region),
                                              "Content\\Maps\\DemoHubMap.gmf", Vector3{}));
  for (int frame = 0; frame < 40 && Is(SlotWallSliding); ++frame) game.Step();
  EXPECT_TRUE(Is(SlotIdling)) << "the portal stands the player idle where it arrives";
  EXPECT_FALSE(Looping(Player::SoundWallSlide));
}

TEST_F(AirCourse, AWallJumpPushesOffTenOrEighteenWithTheDashHeld) {
  // The wall holds the slide still across, so the push leaves from 0, less one step of drag.
  for (const auto& [dashHeld, push] : {std::pair{false, 10.0f}, std::pair{true, 18.0f}}) {
    StartSlide();
    if (dashHeld) {
      game.PressKey(VirtualKey::O);
      game.Step();
    }
    game.PressKey(VirtualKey::I);
    game.Step();
    ASSERT_TRUE(Is(SlotWallJumping)) << dashHeld;
    EXPECT_NEAR(Velocity().x, -push + AirDrag * Dt, 1e-4f) << dashHeld;
    ReleaseAll();
  }
}

// Rising, with jump held and a side held toward a touched wall: a jump pressed in that step
// pushes off only a wall whose turn is a whole multiple of a right angle; any other wall, or a
// jump only held, leaves the player rising and steering.
TEST_F(AirCourse, JumpPressedRisingAgainstAWallJumpsOffOnlyASquareWall) {
  struct Row {
    float rotation;
    bool wallFlag, pressed;
    PlayerStateSlot after;
  };
  const Row rows[] = {
      {0.0f, true, true, SlotWallJumping},     {0.0f, false, true, SlotWallJumping},
      {90.0f, true, true, SlotWallJumping},    {-90.0f, true, true, SlotWallJumping},
      {180.0f, true, true, SlotWallJumping},   {45.0f, true, true, SlotGroundJumping},
      {30.0f, true, true, SlotGroundJumping},  {-135.0f, true, true, SlotGroundJumping},
      {0.0f, true, false, SlotGroundJumping},
  };
  BoundingQuad wall;
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.rotation << " pressed " << row.pressed);
    LaunchAt(17.0f, 12.0f);
    player->SwitchState(SlotGroundJumping);
    game.PressKey(VirtualKey::D);
    game.PressKey(VirtualKey::I);
    if (!row.pressed) game.Step();
    wall.rotation = row.rotation;
    wall.wallFlag = row.wallFlag;
    player->wallContact = &wall;
    game.Step();
    EXPECT_TRUE(Is(row.after));
    ReleaseAll();
  }
  // In a hit-stop the wall jump waits for its end, with either side held.
  wall.rotation = 0.0f;
  for (const int key : {VirtualKey::D, VirtualKey::A}) {
    LaunchAt(17.0f, 12.0f);
    player->SwitchState(SlotGroundJumping);
    game.PressKey(key);
    game.PressKey(VirtualKey::I);
    player->wallContact = &wall;
    Current()->holdTimer = 0.05f;
    game.Step();
    EXPECT_EQ(Current()->pendingState, player->StateAt(SlotWallJumping)) << key;
    ReleaseAll();
  }
}

// In the air against a touched wall, facing it: falling, a jump pressed with the wall's side
// held pushes off a flagged wall; an air dash slides down a flagged wall only with its side
// held, and otherwise leaves rising or falling as it goes, the dash going on or not. A wall
// slide in a hit-stop keeps its choice for the stop's end, as a wall jump keeps its dash.
TEST_F(AirCourse, AWallTouchedInTheAirIsJumpedOffSlidOrLeftByItsFlagAndTheKeys) {
  namespace K = VirtualKey;
  struct Row {
    PlayerStateSlot from;
    std::vector<int> keys;
    bool flagged;
    float vy;
    bool hitStop;
    PlayerStateSlot expected;
  };
  const Row rows[] = {
      {SlotFalling, {K::D, K::I}, true, -1.0f, false, SlotWallJumping},
      {SlotFalling, {K::D, K::I}, false, -1.0f, false, SlotFalling},
      {SlotAirDashing, {K::O}, false, -1.0f, false, SlotFalling},
      {SlotAirDashing, {K::O}, false, 1.0f, false, SlotAscending},
      {SlotAirDashing, {K::O, K::D}, true, -1.0f, false, SlotWallSliding},
      {SlotAirDashing, {K::O, K::D}, false, -1.0f, false, SlotFalling},
      {SlotAirDashing, {K::O, K::A}, true, -1.0f, false, SlotFalling},
      {SlotWallSliding, {}, true, -1.0f, true, SlotFalling},
      {SlotWallSliding, {K::D, K::I}, true, -1.0f, true, SlotWallJumping},
      {SlotWallJumping, {K::O}, true, 1.0f, true, SlotAirDashing},
  };
  BoundingQuad wall;
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.from << " expected " << row.expected);
    LaunchAt(17.0f, 12.0f);
    player->facing = 1;
    player->SetGainedStat245(2.0f);
    player->SetGainedStat246(0.0f);
    player->SwitchState(row.from);
    // A dash going on: its key held and its speed kept.
    player->body->velocity = {row.from == SlotAirDashing ? DashStrength : 0.0f, row.vy, 0.0f};
    wall.wallFlag = row.flagged;
    player->wallContact = &wall;
    for (int key : row.keys) game.PressKey(key);
    StepThroughAStop(row.hitStop, row.expected);
    EXPECT_TRUE(Is(row.expected));
    if (row.expected == SlotWallJumping && !row.hitStop) {
      EXPECT_NEAR(Velocity().x, -10.0f + AirDrag * Dt, 1e-4f) << "pushed off by 10";
    }
    game.Platform().ReleaseAllKeys();
    game.Step();
  }
}

// From a wall jump at 5 across, facing left: a step that takes an action leaves the velocity to
// the action alone, a held side steers by the walking acceleration of 100, and with no side held
// nothing steers; each step ends with the air drag of 40. Letting go of jump ends the rise.
TEST_F(AirCourse, AWallJumpSteersOnlyWithASideHeldAndNoActionTaken) {
  using namespace VirtualKey;
  struct Row {
    std::vector<int> keys;
    PlayerStateSlot after;
    float vx;
    float vy;
    int facing;
  };
  const float rising = 10.0f - Gravity * Dt;
  const Row rows[] = {
      {{I, D}, SlotWallJumping, 5.0f + (100.0f - AirDrag) * Dt, rising, 1},
      {{I}, SlotWallJumping, 5.0f - AirDrag * Dt, rising, -1},
      {{D}, SlotFalling, 5.0f - AirDrag * Dt, -Gravity * Dt, -1},
      {{I, D, J}, SlotForwardAirAttacking, 5.0f - AirDrag * Dt, rising, -1},
      {{I, A, O}, SlotAirDashing, -DashStrength + AirDrag * Dt, rising, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.after);
    LaunchAt(17.0f, 12.0f, 5.0f);
    player->facing = -1;
    player->SwitchState(SlotWallJumping);
    // Rising at 10 as a push off a wall leaves the player: set once in the state, since entering
    // the fall on the way cuts any rise.
    player->body->velocity.y = 10.0f;
    for (int key : row.keys) game.PressKey(key);
    game.Step();
    EXPECT_TRUE(Is(row.after));
    EXPECT_NEAR(Velocity().x, row.vx, 1e-4f);
    EXPECT_NEAR(Velocity().y, row.vy, 1e-4f);
    EXPECT_EQ(player->facing, row.facing);
    game.ReleaseKey(J);
    ReleaseAll();
  }
}

TEST_F(AirCourse, AGroundDashBurstsOnTheLowBodyAndEndsOnceItsSpeedIsGone) {
  const float dashes = Count(Stat::StatGroundDashes);
  ASSERT_TRUE(DashOnTheGround());
  EXPECT_NEAR(Velocity().x, DashStrength - GroundDrag * Dt, 1e-4f);
  EXPECT_EQ(player->body->height, player->dashingSize.y);
  EXPECT_NEAR(Feet(), FloorTop, 1e-4f);
  EXPECT_EQ(Count(Stat::StatGroundDashes), dashes + 1.0f);
  EXPECT_TRUE(Playing(Player::SoundGust1));
  game.StepFrames(4);
  ASSERT_TRUE(game.KeepFrame("ground-dash.png"));
  // Each frame's drag takes 85/60 off; the first input step that finds the speed below the
  // dash speed 12 (the 13th drag, at 11.58) stands the player idle, before the dash time.
  for (int drags = 5; drags <= 13; ++drags) {
    ASSERT_TRUE(Is(SlotGroundDashing)) << drags;
    EXPECT_NEAR(Velocity().x, DashStrength - GroundDrag * Dt * drags, 1e-3f) << drags;
    game.Step();
  }
  EXPECT_TRUE(Is(SlotIdling));
  EXPECT_NEAR(player->StateAt(SlotGroundDashing)->stateTime, 13 * Dt, 1e-5f);
  ReleaseAll();

  // Holding the other side turns the player and brakes by the walking acceleration, 100 a
  // second, on top of the drag: the speed is below 12 after six steps, not thirteen.
  ASSERT_TRUE(DashOnTheGround());
  game.PressKey(VirtualKey::A);
  for (int brakes = 1; brakes <= 6; ++brakes) {
    game.Step();
    ASSERT_TRUE(Is(SlotGroundDashing)) << brakes;
    EXPECT_EQ(player->facing, -1);
    EXPECT_NEAR(Velocity().x, DashStrength - GroundDrag * Dt * (brakes + 1) - 100.0f * Dt * brakes,
                1e-3f) << brakes;
  }
  game.Step();
  EXPECT_TRUE(Is(SlotWalking));
  ReleaseAll();

  // At exactly the dash speed the dash goes on.
  game.StepFrames(2);
  ASSERT_TRUE(DashOnTheGround());
  ReleaseAll();
  player->body->velocity.x = 12.0f;
  game.Step();
  EXPECT_TRUE(Is(SlotGroundDashing));
  game.Step();
  EXPECT_TRUE(Is(SlotIdling));
}

// A jump pressed in the short landing state is taken at once, with down held too on ground that
// lets nothing through. No move of the player leads into the state, so the test puts him in it.
TEST_F(AirCourse, AJumpPressedLandingLeavesAtOnce) {
  for (const bool down : {false, true}) {
    ASSERT_TRUE(StepUntil(SlotIdling)) << down;
    player->SwitchState(SlotLanding);
    game.Step();
    ASSERT_TRUE(Is(SlotLanding)) << down;
    if (down) game.PressKey(VirtualKey::S);
    game.PressKey(VirtualKey::I);
    game.Step();
    EXPECT_TRUE(Is(SlotGroundJumping)) << down;
    ReleaseAll();
  }
}

// A stick attack from a dash faces the stick's side, and the side held does not steer that step.
TEST_F(AirCourse, AStickAttackFromADashFacesTheSticksSide) {
  ASSERT_TRUE(DashOnTheGround());
  game.PressKey(VirtualKey::A);
  game.PressKey(VirtualKey::RightArrow);
  game.Step();
  EXPECT_TRUE(Is(SlotGroundAttacking1));
  EXPECT_EQ(player->facing, 1);
  ReleaseAll();
}

// Under a ceiling that only the dashing body fits below, an attack press is swallowed, and with
// it that step's steering: holding the other side brakes from the next step. Clear of it, a jump
// pressed while dashing is taken in the step it is pressed.
TEST_F(AirCourse, AnAttackPressedDashingUnderALowCeilingIsSwallowedWithItsStepsSteering) {
  ASSERT_TRUE(DashOnTheGround());
  BoundingShape& ceiling = AddBoundaryQuad(*world, player->body->position.x,
                                           FloorTop + player->dashingSize.y + 1.1f, 30.0f, 2.0f);
  game.PressKey(VirtualKey::J);
  game.PressKey(VirtualKey::A);
  game.Step();
  ASSERT_TRUE(Is(SlotGroundDashing));
  EXPECT_EQ(player->facing, 1);
  EXPECT_NEAR(Velocity().x, DashStrength - GroundDrag * Dt * 2, 1e-3f);
  game.Step();
  EXPECT_EQ(player->facing, -1);
  EXPECT_NEAR(Velocity().x, DashStrength - GroundDrag * Dt * 3 - 100.0f * Dt, 1e-3f);
  world->RemoveBoundary(&ceiling);
  game.PressKey(VirtualKey::I);
  game.Step();
  EXPECT_TRUE(Is(SlotGroundJumping));
  ReleaseAll();
}

TEST_F(AirCourse, GodModeFliesWhileItsKeyIsHeldAndFallsOnceLetGo) {
  game.PressKey(VirtualKey::LeftShift);
  game.Step();
  EXPECT_TRUE(Is(SlotIdling)) << "not without the debug menu's switch";
  SetSwitch(ToggleEnableGodMode, true);
  player->SetGainedStat246(0.0f);
  game.Step();
  ASSERT_TRUE(Is(SlotGodModing));
  EXPECT_EQ(player->hitBox->width, 0.0f);
  EXPECT_EQ(Count(Stat::AirJumpCount), 1.0f);
  // Each step sets the velocity afresh from that step's time, with no gravity.
  game.PressKey(VirtualKey::W);
  game.PressKey(VirtualKey::D);
  const Vector3 start = player->body->position;
  game.StepFrames(30);
  const float climb = 30 * 350.0f * Dt * Dt;
  EXPECT_NEAR(player->body->position.y - start.y, climb, 1e-3f);
  EXPECT_GT(player->body->position.x, start.x);
  game.PressKey(VirtualKey::A);
  game.Step();
  EXPECT_EQ(Velocity().x, 0.0f) << "left and right cancel";
  ASSERT_TRUE(game.KeepFrame("god-mode.png"));
  // The switch is read only to enter; the key alone keeps the flight.
  SetSwitch(ToggleEnableGodMode, false);
  game.Step();
  EXPECT_TRUE(Is(SlotGodModing));
  game.ReleaseKey(VirtualKey::LeftShift);
  game.Step();
  EXPECT_TRUE(Is(SlotFalling));
  EXPECT_EQ(player->hitBox->width, player->standingSize.x);
  EXPECT_LT(Velocity().y, 0.0f);
  ReleaseAll();
}

// The god-mode key is Left Shift on an enabled keyboard, or the left trigger past 30 on the
// active pad while that pad is enabled and connected.
TEST_F(AirCourse, TheGodModeKeyIsLeftShiftOrTheActivePadsLeftTriggerPastItsThreshold) {
  struct Row {
    int activePad;
    bool shift, keyboardEnabled, padEnabled, connected;
    uint8_t trigger;
    bool held;
  };
  const Row rows[] = {
      {0, false, true, true, true, 31, true},     // pad 0, just past the threshold
      {0, false, true, true, true, 30, false},    // at the threshold
      {2, false, true, true, true, 255, true},    // another pad
      {3, false, true, true, true, 31, true},     // the last pad
      {2, false, true, false, true, 255, false},  // disabled pad
      {2, false, true, true, false, 255, false},  // disconnected pad
      {-1, false, true, true, true, 255, false},  // no active pad
      {4, false, true, true, true, 255, false},   // past the last pad
      {-1, true, true, true, true, 0, true},      // the keyboard alone
      {0, true, false, true, true, 0, false},     // disabled keyboard
  };
  Controls& controls = *player->controls;
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.activePad << " shift " << row.shift << " trigger "
                                      << int{row.trigger});
    if (row.shift) {
      game.PressKey(VirtualKey::LeftShift);
    } else {
      game.ReleaseKey(VirtualKey::LeftShift);
    }
    game.Step();
    controls.keyboardEnabled = row.keyboardEnabled;
    for (int pad = 0; pad < platform::PadSlotCount; ++pad) {
      // Only the active pad's trigger counts: every other pad holds its trigger down.
      const bool active = pad == row.activePad;
      controls.padEnabled[pad] = active ? row.padEnabled : 1;
      controls.pads[pad]->connected = active ? row.connected : 1;
      controls.pads[pad]->current.leftTrigger = active ? row.trigger : 255;
    }
    controls.activePad = row.activePad;
    EXPECT_EQ(Current()->GodModeKeyHeld(), row.held);
  }
  // A player without controls, with shift and every trigger down, holds no key.
  game.PressKey(VirtualKey::LeftShift);
  controls.keyboardEnabled = true;
  controls.activePad = 0;
  player->controls = nullptr;
  EXPECT_FALSE(Current()->GodModeKeyHeld()) << "no controls";
  player->controls = &controls;
  game.ReleaseKey(VirtualKey::LeftShift);
}

TEST_F(AirCourse, AnAirDashThatTouchesGroundWithJumpPressedAirJumpsOnTheGroundsRefill) {
  player->SetGainedStat246(0.0f);
  player->SwitchState(SlotAirDashing);
  game.PressKey(VirtualKey::I);
  game.Step();
  EXPECT_TRUE(Is(SlotAirJumping));
  EXPECT_EQ(Count(Stat::AirJumpCount), 0.0f) << "refilled by idling, then spent";
  ReleaseAll();
}

TEST_F(AirCourse, AnAirJumpPressedInAHitStopWaitsForItsEndAndOnlyWithOneLeft) {
  for (float jumpsLeft : {0.0f, 1.0f}) {
    LaunchAt(2.0f, 6.0f);
    player->SetGainedStat246(jumpsLeft);
    Current()->holdTimer = 0.05f;
    game.PressKey(VirtualKey::I);
    game.Step();
    EXPECT_EQ(Current()->pendingState, jumpsLeft > 0.0f ? player->StateAt(SlotAirJumping) : nullptr);
    game.StepFrames(3);
    EXPECT_EQ(Is(SlotAirJumping), jumpsLeft > 0.0f) << jumpsLeft;
    ReleaseAll();
  }
}

// In a fall, each air move spends one of its count and needs one left.
TEST_F(AirCourse, AnAirMoveSpendsOneOfItsCountAndNeedsOneLeft) {
  struct Row {
    int key;
    int count;
    float left;
    PlayerStateSlot expected;
    float after;
  };
  const Row rows[] = {
      {VirtualKey::I, Stat::AirJumpCount, 0.0f, SlotFalling, 0.0f},
      {VirtualKey::I, Stat::AirJumpCount, 1.0f, SlotAirJumping, 0.0f},
      {VirtualKey::O, Stat::AirDashCount, 0.0f, SlotFalling, 0.0f},
      {VirtualKey::O, Stat::AirDashCount, 1.0f, SlotAirDashing, 0.0f},
      {VirtualKey::O, Stat::AirDashCount, 2.0f, SlotAirDashing, 1.0f},
  };
  for (const Row& row : rows) {
    LaunchAt(2.0f, 8.0f);
    player->SetGainedStat246(row.count == Stat::AirJumpCount ? row.left : 1.0f);
    player->SetGainedStat245(row.count == Stat::AirDashCount ? row.left : 2.0f);
    game.PressKey(row.key);
    game.Step();
    EXPECT_TRUE(Is(row.expected)) << row.key << " with " << row.left;
    EXPECT_EQ(Count(row.count), row.after) << row.key << " with " << row.left;
    ReleaseAll();
  }
}

// An air dash either way braked by holding the other side: each step takes 100 x dt off, then
// the air drag 40 x dt, until the speed is no more than the dash speed of 12 and the dash ends.
// An attack pressed in the dash neither brakes nor turns it.
TEST_F(AirCourse, AnAirDashBrakesAgainstTheSideHeldUntilItsSpeedIsGone) {
  const float speeds[] = {29.333334f, 27.0f,      24.666666f, 22.333334f, 20.0f,
                          17.666666f, 15.333334f, 13.0f,      10.666667f};
  for (const auto& [side, brake] : {std::pair{1, VirtualKey::A}, std::pair{-1, VirtualKey::D}}) {
    LaunchAt(side > 0 ? 2.0f : 30.0f, 12.0f);
    player->SetGainedStat245(2.0f);
    player->facing = side;
    game.PressKey(VirtualKey::O);
    game.Step();
    ASSERT_TRUE(Is(SlotAirDashing));
    game.PressKey(brake);
    for (size_t step = 0; step < std::size(speeds); ++step) {
      if (step > 0) game.Step();
      EXPECT_NEAR(Velocity().x, side * speeds[step], 1e-3f) << step;
      EXPECT_TRUE(Is(SlotAirDashing)) << step;
      EXPECT_EQ(player->facing, step == 0 ? side : -side) << step;
    }
    game.Step();
    EXPECT_TRUE(Is(SlotFalling));
    ReleaseAll();
  }

  LaunchAt(2.0f, 12.0f);
  player->facing = 1;
  game.PressKey(VirtualKey::O);
  game.Step();
  game.PressKey(VirtualKey::A);
  game.PressKey(VirtualKey::J);
  game.Step();
  EXPECT_TRUE(Is(SlotForwardAirAttacking));
  EXPECT_EQ(player->facing, 1);
  EXPECT_GT(Velocity().x, 27.0f);
  ReleaseAll();
}

// An air attack gives way to an air jump or dash only with one of its count left.
TEST_F(AirCourse, AnAirAttackGivesWayToAnAirMoveOnlyWithOneLeft) {
  for (float left : {0.0f, 1.0f}) {
    for (const auto& [key, move] : {std::pair{VirtualKey::I, SlotAirJumping},
                                    std::pair{VirtualKey::O, SlotAirDashing}}) {
      LaunchAt(2.0f, 8.0f);
      player->SwitchState(SlotNeutralAirAttacking);
      player->SetGainedStat245(left);
      player->SetGainedStat246(left);
      game.PressKey(key);
      game.Step();
      EXPECT_TRUE(Is(left > 0.0f ? move : SlotNeutralAirAttacking)) << key << " with " << left;
      ReleaseAll();
    }
  }
}

// Out of an air attack, only an air dash turns to the direction held.
TEST_F(AirCourse, AnAirAttackTurnsOnlyForAnAirDash) {
  const std::pair<int, PlayerStateSlot> rows[] = {{VirtualKey::I, SlotAirJumping},
                                                  {VirtualKey::O, SlotAirDashing}};
  for (const auto& [key, expected] : rows) {
    LaunchAt(2.0f, 8.0f);
    player->facing = -1;
    player->SwitchState(SlotNeutralAirAttacking);
    game.PressKey(VirtualKey::D);
    game.PressKey(key);
    game.Step();
    EXPECT_TRUE(Is(expected)) << key;
    EXPECT_EQ(player->facing, expected == SlotAirDashing ? 1 : -1) << key;
    ReleaseAll();
  }
}

// The right stick attacks in the air in the step it is pushed, turning the forward attack to
// its side; an air dash comes before letting go of jump while rising and before an air jump
// while falling, and an attack breaks off an air dash. During a hit-stop the move waits for the
// next step.
TEST_F(AirCourse, AnAirMoveStartsInItsOwnStepRisingOrFallingTheDashFirst) {
  namespace K = VirtualKey;
  struct Row {
    PlayerStateSlot from;
    std::vector<int> keys;
    bool hitStop;
    PlayerStateSlot expected;
    int facing;
  };
  // Rising goes on only while jump is held; the rising dash rows let go of it.
  const Row rows[] = {
      {SlotAscending, {K::I, K::UpArrow}, false, SlotUpAirAttacking, 1},
      {SlotAscending, {K::I, K::LeftArrow}, false, SlotForwardAirAttacking, -1},
      {SlotAscending, {K::I, K::DownArrow}, true, SlotDownAirAttacking, 1},
      {SlotFalling, {K::DownArrow}, false, SlotDownAirAttacking, 1},
      {SlotFalling, {K::LeftArrow}, true, SlotForwardAirAttacking, -1},
      {SlotAscending, {K::O}, false, SlotAirDashing, 1},
      {SlotAscending, {K::O}, true, SlotAirDashing, 1},
      {SlotFalling, {K::O, K::I}, false, SlotAirDashing, 1},
      {SlotFalling, {K::O, K::I}, true, SlotAirDashing, 1},
      {SlotAirDashing, {K::O}, false, SlotAirDashing, 1},
      {SlotAirDashing, {K::O, K::J}, false, SlotNeutralAirAttacking, 1},
      {SlotAirDashing, {K::O, K::J}, true, SlotNeutralAirAttacking, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << row.from << " key " << row.keys.back() << " hit-stop " << row.hitStop);
    LaunchAt(2.0f, 8.0f);
    player->SwitchState(row.from);
    player->body->velocity.y = row.from == SlotAscending ? 10.0f : 0.0f;
    if (row.from == SlotAirDashing) player->body->velocity.x = DashStrength;
    player->facing = 1;
    // A dash and an air jump left.
    player->SetGainedStat245(2.0f);
    player->SetGainedStat246(1.0f);
    for (int key : row.keys) game.PressKey(key);
    StepThroughAStop(row.hitStop, row.expected);
    EXPECT_TRUE(Is(row.expected));
    EXPECT_EQ(player->facing, row.facing);
    game.Platform().ReleaseAllKeys();
    game.Step();
  }
}

// The hub map: two planks a jump apart over its floor, east of the start, and a wall at its
// west end.
class HubGame : public AirCourse {
 protected:
  void SetUp() override {
    AirCourse::SetUp();
    world->ClearLevel();
    world->LoadMap("Content\\Maps\\DemoHubMap.gmf");
    game.StepFrames(10);
  }

  Vector3 Ground() const {
    const auto* ground = dynamic_cast<const BoundingShape*>(player->groundContact);
    return ground ? ground->position : Vector3{};
  }
};

TEST_F(HubGame, JumpsFromPlankToPlankAndSlidesDownTheWestWallToJumpOffIt) {
  game.PressKey(VirtualKey::D);
  game.PressKey(VirtualKey::I);
  ASSERT_TRUE(StepUntil(SlotWalking, 120));
  EXPECT_EQ(Ground(), (Vector3{7.0f, 2.55f, 0.0f})) << "on the lower plank";
  game.ReleaseKey(VirtualKey::I);
  game.Step();
  game.PressKey(VirtualKey::I);
  ASSERT_TRUE(StepUntil(SlotFalling, 60));
  ASSERT_TRUE(StepUntil(SlotWalking, 120));
  EXPECT_EQ(Ground(), (Vector3{13.0f, 5.35f, 0.0f})) << "on the upper plank";
  ASSERT_TRUE(game.KeepFrame("hub-planks.png"));
  ReleaseAll();

  // Against the wall the slide holds the fall at the slide speed, whose limit comes before a
  // frame of gravity, and plays its sound.
  LaunchAt(-42.0f, 8.0f);
  game.PressKey(VirtualKey::A);
  ASSERT_TRUE(StepUntil(SlotWallSliding, 30));
  EXPECT_TRUE(Looping(Player::SoundWallSlide));
  game.StepFrames(20);
  EXPECT_NEAR(Velocity().y, -4.0f - Gravity * Dt, 1e-4f);
  EXPECT_NEAR(player->body->position.x - player->body->width / 2, -44.0f, 1e-4f);
  ASSERT_TRUE(game.KeepFrame("hub-wall-slide.png"));
  SetSwitch(TogglePlayerDebugInfo, true);
  game.Step();
  ASSERT_TRUE(game.KeepFrame("hub-wall-slide-debug-text.png"));
  SetSwitch(TogglePlayerDebugInfo, false);

  // Jumping off pushes away from the wall and up; the slide falls silent.
  game.PressKey(VirtualKey::I);
  game.Step();
  ASSERT_TRUE(Is(SlotWallJumping));
  EXPECT_NEAR(Velocity().x, 10.0f - AirDrag * Dt, 1e-4f);
  EXPECT_NEAR(Velocity().y, JumpStrength - Gravity * Dt, 1e-4f);
  EXPECT_FALSE(Looping(Player::SoundWallSlide));
  EXPECT_TRUE(Playing(Player::SoundJump));
  game.StepFrames(4);
  ASSERT_TRUE(game.KeepFrame("hub-wall-jump.png"));
  ReleaseAll();
}

}  // namespace
