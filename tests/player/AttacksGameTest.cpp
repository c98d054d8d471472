#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "enemies/RatatoskrAnimationPool.h"
#include "engine/BarMeter.h"
#include "engine/KeyboardLayer.h"
#include "engine/Sound.h"
#include "engine/draw/Circle.h"
#include "tests/player/PlayerGame.h"

namespace {

using platform::Vector3;

constexpr float Frame = GameHarness::FrameSeconds;
constexpr float Tiny = 1e-4f;

// Each attack, the keys that start it (the air attacks while a jump rises), and its strike as
// the attacks are drawn up: a quad's width and height or a circle's radius, the offset from the
// body, the point the knock-back leads from, the knock-back's bias, the hit-stop and the sound
// of the swing.
struct Swing {
  PlayerStateSlot slot;
  const char* name;
  std::vector<int> keys;
  bool air;
  float width, height;
  Vector3 offset, hotSpot, bias;
  float freeze;
  int sound;
};

const Swing Swings[] = {
    {SlotGroundAttacking1, "ground", {VirtualKey::J}, false, 3.4738693f, 2.1829042f,
     {1.2f, -0.2f, 0.0f}, {}, {}, 0.2f, Player::SoundSwing1},
    {SlotUpAttacking, "up", {VirtualKey::W, VirtualKey::J}, false, 3.074843f, 3.027899f,
     {-0.1f, 0.3f, 0.0f}, {0.0f, -1.5139495f, 0.0f}, {0.0f, 3.0f, 0.0f}, 0.15f,
     Player::SoundSwing3},
    {SlotDownAttacking, "down", {VirtualKey::DownArrow}, false, 5.609830f, 1.244020f,
     {0.42f, -0.4f, 0.0f}, {}, {0.0f, -1.0f, 0.0f}, 0.2f, Player::SoundSwing4},
    // Started from the ground dash, which stands in the table later.
    {SlotGroundDashAttacking, "ground-dash", {}, false, 4.553586f, 2.018600f,
     {0.5f, 0.0f, 0.0f}, {-2.276793f, 0.0f, 0.0f}, {1.0f, 0.5f, 0.0f}, 0.2f,
     Player::SoundSwing1},
    {SlotNeutralAirAttacking, "neutral-air", {VirtualKey::J}, true, 1.3f, 0.0f, {},
     {0.0f, -1.3f, 0.0f}, {0.0f, 1.0f, 0.0f}, 0.2f, Player::SoundSwing4},
    {SlotForwardAirAttacking, "forward-air", {VirtualKey::D, VirtualKey::J}, true, 3.544286f,
     2.558458f, {0.86f, 0.22f, 0.0f}, {-1.772143f, 0.0f, 0.0f}, {1.0f, 1.3f, 0.0f}, 0.2f,
     Player::SoundSwing1},
    {SlotUpAirAttacking, "up-air", {VirtualKey::W, VirtualKey::J}, true, 1.854295f, 2.722762f,
     {-0.3f, 0.9f, 0.0f}, {0.0f, -1.361381f, 0.0f}, {0.0f, 1.0f, 0.0f}, 0.2f,
     Player::SoundSwing1},
    {SlotDownAirAttacking, "down-air", {VirtualKey::S, VirtualKey::J}, true, 2.300265f,
     2.652347f, {0.2f, -0.8f, 0.0f}, {0.0f, 1.3261735f, 0.0f}, {0.0f, -2.0f, 0.0f}, 0.2f,
     Player::SoundSwing2},
};

class AttacksGame : public PlayerGame {
 protected:
  // The player stands idle at x, facing the side, swinging at the speed factor.
  void Prepare(float x, int side, float speedFactor) {
    game.Platform().ReleaseAllKeys();
    ASSERT_TRUE(StepUntilIdle());
    player->body->SetPositionXYZ(x, player->body->position.y, 0.0f);
    player->body->velocity = {};
    player->facing = side;
    const float factor = player->derived[Derived::AttackSpeedFactor];
    static_assert(Stat::BaseAttackSpeedFactor == 23);
    player->AddGainedStat23(speedFactor - factor);
    game.Step();
  }

  // The keys of the swing; an air attack is taken from a rising jump, whose key stays down.
  void Start(const Swing& swing) {
    if (swing.slot == SlotGroundDashAttacking) {
      player->SwitchState(swing.slot);
      return;
    }
    if (swing.air) {
      game.PressKey(VirtualKey::I);
      game.Step();
      ASSERT_EQ(Current(), player->StateAt(SlotGroundJumping));
    }
    for (int key : swing.keys) {
      // A side key of a forward attack is the side the player faces.
      const bool left = key == VirtualKey::D && player->facing < 0;
      game.PressKey(left ? VirtualKey::A : key);
    }
    game.Step();
    game.Platform().ReleaseAllKeys();
    if (swing.air) game.PressKey(VirtualKey::I);
  }
};

TEST_F(AttacksGame, EachStrikeIsLiveInItsWindowScaledByTheAttackSpeedAndPlacedByTheFacing) {
  Ratatoskr& rat = PlaceRatatoskr(40.0f);
  // The kept pictures show the strike over the swing.
  SetSwitch(TogglePlayerDebugInfo, true);
  for (const Swing& swing : Swings) {
    for (const auto& [side, factor] : {std::pair{1, 1.0f}, std::pair{-1, 2.0f}}) {
      SCOPED_TRACE(std::string(swing.name) + (side > 0 ? " right" : " left"));
      Prepare(10.0f, side, factor);
      rat.healthMeter->value = rat.healthMeter->maximum;
      AttackState& attack = Attack(swing.slot);
      StrikeShape& strike = *attack.LiveStrike();
      Start(swing);
      ASSERT_EQ(Current(), &attack);
      EXPECT_NEAR(attack.animationLength, 0.3f * factor, Tiny);

      // Held where the strike comes: the Ratatoskr is hit in the window's first frame.
      const Vector3 centre = {static_cast<float>(side) * swing.offset.x, swing.offset.y, 0.0f};
      float firstLive = -1.0f, lastLive = -1.0f, hitAt = -1.0f;
      int hits = 0;
      while (Current() == &attack) {
        const float health = rat.healthMeter->value;
        if (hits == 0) {
          // Idling, so that it neither bites nor waits out a hit-stop of its own.
          rat.state->Exit();
          rat.SwitchState(RatatoskrIdling);
          rat.state->holdTimer = 0.0f;
          rat.body->SetPosition(player->body->position + centre);
          rat.body->velocity = {};
          rat.hitBox->SetPosition(rat.body->position);
        }
        game.Step();
        if (rat.healthMeter->value < health) {
          ++hits;
          hitAt = attack.stateTime;
        }
        if (!InPlay(&strike)) continue;
        lastLive = attack.stateTime;
        if (firstLive >= 0.0f) {
          EXPECT_FALSE(player->sounds[swing.sound]->IsPlaying()) << "a swing sounds once";
          continue;
        }
        firstLive = attack.stateTime;
        if (side > 0) {
          ASSERT_TRUE(game.KeepFrame("attack-" + std::string(swing.name) + ".png"));
        }
        // Placed on the body, its offset and its hot spot mirrored with the facing.
        const Vector3 at = player->body->position + centre;
        EXPECT_NEAR(strike.position.x, at.x, Tiny);
        EXPECT_NEAR(strike.position.y, at.y, Tiny);
        EXPECT_EQ(strike.flipHorizontal, side < 0 ? 1 : 0);
        const Vector3 hot = strike.GetWorldPosition() - strike.position;
        EXPECT_NEAR(hot.x, static_cast<float>(side) * swing.hotSpot.x, Tiny);
        EXPECT_NEAR(hot.y, swing.hotSpot.y, Tiny);
        EXPECT_EQ(strike.direction, swing.bias);
        EXPECT_EQ(strike.freezeTime, swing.freeze);
        EXPECT_TRUE(player->sounds[swing.sound]->IsPlaying()) << "the swing sounds with the cut";
        // Cut short here, it does not sound again while the strike is live.
        player->sounds[swing.sound]->Stop();
        if (const auto* circle = dynamic_cast<const Circle*>(&strike)) {
          EXPECT_EQ(circle->radius, swing.width);
        } else {
          const auto& quad = dynamic_cast<const Quad&>(strike);
          EXPECT_EQ(quad.width, swing.width);
          EXPECT_EQ(quad.height, swing.height);
        }
      }
      // Live from 0.1 s to 1/6 s of the attack at speed 1, twice as late and long at 2.
      EXPECT_GE(firstLive, 0.1f * factor - Tiny);
      EXPECT_LT(firstLive - Frame, 0.1f * factor);
      EXPECT_LT(lastLive, factor / 6.0f + Tiny);
      EXPECT_GE(lastLive + Frame, factor / 6.0f - Tiny);
      EXPECT_EQ(hits, 1);
      EXPECT_EQ(hitAt, firstLive);
      EXPECT_FALSE(InPlay(&strike));
    }
  }
}

}  // namespace

// An input in an attack's step: the state it leads to, at once or, with a hit-stop running,
// once the stop is over.
struct CancelRow {
  PlayerStateSlot attack;
  std::vector<int> keys;
  float airJumps, airDashes;
  bool hitStop;
  PlayerStateSlot expected;
  int facing;
};

TEST_F(AttacksGame, CancelsAndCombosAreTakenOnlyWhereTheirAttackAllowsThem) {
  namespace K = VirtualKey;
  const CancelRow rows[] = {
      {SlotGroundAttacking1, {K::I, K::O, K::P, K::D}, 1, 2, false, SlotGroundAttacking1, 1},
      {SlotUpAttacking, {K::I}, 1, 2, false, SlotGroundJumping, 1},
      {SlotUpAttacking, {K::I}, 1, 2, true, SlotGroundJumping, 1},
      {SlotDownAttacking, {K::I, K::O}, 1, 2, false, SlotDownAttacking, 1},
      {SlotGroundDashAttacking, {K::I}, 1, 2, true, SlotGroundDashAttacking, 1},
      // A jump with an air jump left wins; without one the attack's direction is taken.
      {SlotNeutralAirAttacking, {K::I, K::W, K::J}, 1, 2, false, SlotAirJumping, 1},
      {SlotNeutralAirAttacking, {K::I, K::W, K::J}, 0, 2, false, SlotUpAirAttacking, 1},
      {SlotNeutralAirAttacking, {K::J}, 1, 2, false, SlotNeutralAirAttacking, 1},
      {SlotNeutralAirAttacking, {K::A, K::J}, 1, 2, false, SlotForwardAirAttacking, -1},
      {SlotNeutralAirAttacking, {K::D, K::J}, 1, 2, false, SlotForwardAirAttacking, 1},
      {SlotNeutralAirAttacking, {K::RightArrow}, 1, 2, false, SlotForwardAirAttacking, 1},
      {SlotNeutralAirAttacking, {K::O, K::A}, 1, 2, false, SlotAirDashing, -1},
      {SlotNeutralAirAttacking, {K::O}, 1, 0, false, SlotNeutralAirAttacking, 1},
      {SlotNeutralAirAttacking, {K::LeftArrow}, 1, 2, true, SlotForwardAirAttacking, -1},
      {SlotForwardAirAttacking, {K::O}, 1, 2, false, SlotAirDashing, 1},
      {SlotForwardAirAttacking, {K::O}, 1, 0, false, SlotForwardAirAttacking, 1},
      {SlotForwardAirAttacking, {K::O, K::A}, 1, 2, true, SlotAirDashing, -1},
      {SlotUpAirAttacking, {K::I}, 1, 2, false, SlotAirJumping, 1},
      {SlotUpAirAttacking, {K::I}, 1, 2, true, SlotAirJumping, 1},
      {SlotDownAirAttacking, {K::I, K::O, K::W, K::J}, 1, 2, false, SlotDownAirAttacking, 1},
      {SlotDownAirAttacking, {K::I, K::O}, 1, 2, true, SlotDownAirAttacking, 1},
  };
  for (const CancelRow& row : rows) {
    SCOPED_TRACE(::testing::Message() << "attack " << row.attack << ", row to " << row.expected);
    Prepare(10.0f, 1, 1.0f);
    AttackState& attack = Attack(row.attack);
    if (attack.plan.footing == Footing::Air) {
      player->body->SetPosition(player->body->position + Vector3{0.0f, 4.0f, 0.0f});
      player->groundContact = nullptr;
    }
    player->SwitchState(row.attack);
    player->SetGainedStat246(row.airJumps);
    player->SetGainedStat245(row.airDashes);
    if (row.hitStop) attack.holdTimer = 0.1f;
    for (int key : row.keys) game.PressKey(key);
    game.Step();
    game.Platform().ReleaseAllKeys();
    if (row.hitStop) {
      // Kept for the end of the stop, and taken by the first step after it.
      EXPECT_EQ(Current(), &attack);
      while (attack.holdTimer > 0.0f) game.Step();
      EXPECT_EQ(Current(), &attack);
      game.Step();
    }
    EXPECT_EQ(Current(), player->StateAt(row.expected)) << Current()->GetName();
    EXPECT_EQ(player->facing, row.facing);
    if (Current() != &attack) {
      EXPECT_FALSE(InPlay(attack.strikes[0].get()) || InPlay(attack.LiveStrike()));
    }
  }
}
