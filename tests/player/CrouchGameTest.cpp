#include <gtest/gtest.h>

#include <algorithm>

#include "collision/Strike.h"
#include "engine/Camera.h"
#include "engine/CircularMeter.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "tests/player/GroundGame.h"

namespace {

using CrouchGame = GroundGame;
using namespace VirtualKey;

TEST_F(CrouchGame, CrawlsUnderALowCeilingAndStandsOnlyOnceClear) {
  // A ceiling from x = 5 to 15, low enough for the crouching body only.
  AddBlock(10.0f, FloorTop + 1.6f, 10.0f, 3.0f);
  Press({S});
  game.Step();
  ASSERT_TRUE(In(SlotDucking)) << Current()->GetName();
  EXPECT_NEAR(player->body->height, LowHeight, 1e-5f);
  ASSERT_TRUE(StepUntil(SlotCrouching));
  Press({D});
  game.Step();
  ASSERT_TRUE(In(SlotCrouchWalking));
  while (BodyX() < 10.0f) {
    game.Step();
    ASSERT_TRUE(In(SlotCrouchWalking));
    ASSERT_LE(player->body->velocity.x, 6.0f) << "the crouch-walk speed";
  }
  game.KeepFrame("crouch-walking-under-ceiling.png");
  // Letting go of down under the ceiling: crouching, and deaf to walking.
  Release({S});
  game.Step();
  EXPECT_TRUE(In(SlotCrouching));
  game.StepFrames(30);
  EXPECT_TRUE(In(SlotCrouching));
  EXPECT_NEAR(Feet(), FloorTop, 1e-4f);
  game.KeepFrame("crouching-under-ceiling.png");
  // Down again crawls on out; once clear, letting go stands up and idles.
  Press({S});
  while (BodyX() < 16.5f) {
    game.Step();
    ASSERT_NE(Current(), player->StateAt(SlotStanding));
  }
  Release({S, D});
  game.Step();
  EXPECT_TRUE(In(SlotStanding)) << Current()->GetName();
  ASSERT_TRUE(StepUntil(SlotIdling));
  EXPECT_NEAR(player->body->height, StandingHeight, 1e-5f);
  EXPECT_NEAR(Feet(), FloorTop, 1e-4f);
}

TEST_F(CrouchGame, LettingGoOfDownStandsUpOnlyWhereTheStandingBodyFits) {
  // A ceiling that far above the feet (0: none); a low-stamina hit, when struck, would break
  // the guard of a player who could stand.
  struct Row {
    float ceiling;
    PlayerStateSlot from;
    bool struck;
    PlayerStateSlot expected;
  };
  const Row rows[] = {
      {0.0f, SlotCrouching, false, SlotStanding},
      {3.0f, SlotCrouching, false, SlotStanding},
      {2.5f, SlotCrouching, false, SlotStanding},
      {2.4f, SlotCrouching, false, SlotCrouching},
      {1.2f, SlotCrouching, false, SlotCrouching},
      {1.2f, SlotDucking, false, SlotStanding},  // not yet down: no test
      {3.0f, SlotCrouchWalking, false, SlotStanding},
      {1.2f, SlotCrouchWalking, false, SlotCrouching},
      {0.0f, SlotCrouching, true, SlotGuardBreak1Down},
      {1.2f, SlotCrouching, true, SlotCrouching},
      {1.2f, SlotCrouchWalking, true, SlotCrouchWalking},
  };
  StrikeQuad strike;
  strike.SetDimensions(2.0f, 1.0f, 0.0f);
  for (const Row& row : rows) {
    StandAt(10.0f, FloorTop);
    Press({S});
    if (row.from == SlotCrouchWalking) Press({D});
    ASSERT_TRUE(StepUntil(row.from)) << row.from;
    BoundingShape* ceiling = row.ceiling > 0.0f
        ? &AddBoundaryQuad(*world, BodyX(), FloorTop + row.ceiling + 1.0f, 20.0f, 2.0f)
        : nullptr;
    if (row.struck) {
      player->staminaRing->SetValue(10.0f);
      strike.SetPosition(player->body->position);
      world->enemyStrikes = {&strike};
    } else {
      Release({S, D});
    }
    game.Step();
    EXPECT_TRUE(In(row.expected)) << row.ceiling << " from " << row.from << ": "
                                  << WStringToString(Current()->GetName());
    world->enemyStrikes.clear();
    world->ForgetStrike(&strike);
    if (ceiling) world->RemoveBoundary(ceiling);
    player->staminaRing->SetValue(player->staminaRing->maximum);
  }
}

TEST_F(CrouchGame, AJumpFromAPartlyOpenGroundDropsThroughItOnce) {
  // A ledge whose bottom edge lets bodies through, its top 4 above the floor.
  const float ledgeTop = FloorTop + 4.0f;
  BoundingQuad& ledge = AddBlock(10.0f, ledgeTop - 0.5f, 8.0f, 0.5f);
  struct Row {
    bool open;
    float ceiling;  // above the feet; 0: none
    bool frozen;    // jump pressed twice during a hit-stop
    PlayerStateSlot expected;
    size_t held;
  };
  const Row rows[] = {
      {false, 0.0f, false, SlotGroundJumping, 0},
      {false, 1.5f, false, SlotCrouching, 0},  // no room to stand: nothing
      {true, 0.0f, false, SlotCrouching, 1},
      {true, 1.5f, false, SlotCrouching, 1},
      {true, 0.0f, true, SlotCrouching, 1},
  };
  for (const Row& row : rows) {
    ledge.SetEdgeFlag3(1);
    ledge.partialEdges = row.open ? 1 : 0;
    if (row.open) ledge.SetEdgeFlag3(0);
    StandAt(10.0f, ledgeTop);
    ASSERT_EQ(player->groundContact, &ledge);
    Press({S});
    ASSERT_TRUE(StepUntil(SlotCrouching));
    BoundingShape* ceiling =
        row.ceiling > 0.0f ? &AddBoundaryQuad(*world, 10.0f, ledgeTop + row.ceiling + 1.0f, 8.0f, 2.0f)
                           : nullptr;
    if (row.frozen) Current()->holdTimer = 1.0f;
    for (int press = 0; press < (row.frozen ? 2 : 1); ++press) {
      Press({I});
      game.Step();
      if (row.frozen) {
        Release({I});
        game.Step();
      }
    }
    EXPECT_TRUE(In(row.expected)) << row.open << " " << row.ceiling << ": "
                                  << WStringToString(Current()->GetName());
    const auto& held = player->body->passThroughList;
    EXPECT_EQ(std::count(held.begin(), held.end(), static_cast<BoundingShape*>(&ledge)), static_cast<long>(row.held));
    Current()->holdTimer = 0.0f;
    if (ceiling) world->RemoveBoundary(ceiling);
    if (row.open) {
      // Then it falls through onto the floor below.
      Release({S, I});
      ASSERT_TRUE(StepUntil(SlotIdling));
      EXPECT_NEAR(Feet(), FloorTop, 1e-3f);
    }
  }
}

// Action 3 while low, pressed at once or during a hit-stop, with left held or no side: only
// crouch-walking, or crouching in the hit-stop, rolls toward the side; the rest dodge in place.
TEST_F(CrouchGame, ActionThreeWhileLowRollsOrDodgesByStateSideAndHitStop) {
  struct Row {
    PlayerStateSlot from;
    bool left, hitStop;
    PlayerStateSlot expected;
    int facing;
  };
  const Row rows[] = {
      {SlotCrouching, false, false, SlotDodging, 1},
      {SlotCrouching, true, false, SlotDodging, 1},
      {SlotCrouching, false, true, SlotDodging, 1},
      {SlotCrouching, true, true, SlotRolling, -1},
      {SlotDucking, true, false, SlotDodging, 1},
      {SlotDucking, true, true, SlotDodging, 1},
      {SlotCrouchWalking, true, false, SlotRolling, -1},
      {SlotCrouchWalking, true, true, SlotRolling, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message()
                 << row.from << " left " << row.left << " stop " << row.hitStop);
    StandAt(10.0f, FloorTop);
    Press({S});
    if (row.from == SlotCrouchWalking) Press({D});
    ASSERT_TRUE(StepUntil(row.from));
    player->facing = 1;
    Release({D});
    Press({O});
    if (row.left) Press({A});
    StepThroughAStop(row.hitStop, row.expected);
    EXPECT_TRUE(In(row.expected)) << WStringToString(Current()->GetName());
    EXPECT_EQ(player->facing, row.facing);
  }
}

// An attack pressed while crouching, a side held with it, is the down attack: the side neither
// turns the player nor starts a crouch-walk in the same step.
TEST_F(CrouchGame, AnAttackWhileCrouchingIsTheDownAttackWhateverSideIsHeld) {
  StandAt(10.0f, FloorTop);
  Press({S});
  ASSERT_TRUE(StepUntil(SlotCrouching));
  player->facing = 1;
  Press({A, J});
  game.Step();
  EXPECT_TRUE(In(SlotDownAttacking)) << WStringToString(Current()->GetName());
  EXPECT_EQ(player->facing, 1);
}

// Rising from a crouch, each action is taken in the step that presses it; in a hit-stop it is
// kept for the stop's end.
TEST_F(CrouchGame, RisingFromACrouchTakesEachActionAtOnceOrAfterTheHitStop) {
  struct Row {
    std::initializer_list<int> keys;
    bool hitStop;
    PlayerStateSlot expected;
  };
  const Row rows[] = {
      {{J}, false, SlotGroundAttacking1}, {{I}, false, SlotGroundJumping},
      {{O}, false, SlotGroundDashing},    {{D}, false, SlotWalking},
      {{}, false, SlotStanding},          {{S}, false, SlotDucking},
      {{J}, true, SlotGroundAttacking1},  {{I}, true, SlotGroundJumping},
      {{O}, true, SlotGroundDashing},     {{S}, true, SlotDucking},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.expected << " stop " << row.hitStop);
    StandAt(10.0f, FloorTop);
    Press({S});
    ASSERT_TRUE(StepUntil(SlotCrouching));
    Release({S});
    game.Step();
    ASSERT_TRUE(In(SlotStanding));
    Press(row.keys);
    StepThroughAStop(row.hitStop, row.expected);
    EXPECT_TRUE(In(row.expected)) << WStringToString(Current()->GetName());
    Release({J});
  }
}

// The camera frames the body plus the state's first offset, raised by the world's 2, and the
// picture stands at the body plus the sprite offset: a low body keeps both where the standing
// body had them, but for the air dash's picture, which drops with its body.
TEST_F(CrouchGame, TheCameraAndThePictureAddTheStatesOffsetsToTheBody) {
  struct Row {
    PlayerStateSlot slot;
    float first, sprite;
  };
  const Row rows[] = {{SlotIdling, 0.0f, 0.0f},
                      {SlotCrouching, 0.675f, 0.675f},
                      {SlotLanding, 0.675f, 0.675f},
                      {SlotAirDashing, 0.525f, 0.0f}};
  for (const Row& row : rows) {
    player->SwitchState(row.slot);
    world->UpdateCamera();
    player->UpdateSprite();
    const float bodyY = player->body->position.y;
    EXPECT_NEAR(MainCamera->targetEye.y - bodyY, 2.0f + row.first, 1e-5f) << row.slot;
    EXPECT_NEAR(player->bodySprite->position.y - bodyY, row.sprite, 1e-5f) << row.slot;
  }
}

}  // namespace
