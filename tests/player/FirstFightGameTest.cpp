#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "actors/State.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "engine/BarMeter.h"
#include "engine/FloatingText.h"
#include "engine/KeyboardLayer.h"
#include "tests/player/PlayerGame.h"

namespace {

// Close enough for the ground attack's blade, which reaches about three units ahead.
constexpr float SwingDistance = 2.0f;

TEST_F(PlayerGame, TheFirstFightStrikesOncePerSwingUntilTheRatatoskrDiesAndPaysItsExperience) {
  std::srand(11);
  Ratatoskr& rat = PlaceRatatoskr(player->body->position.x + 9.0f);
  AttackState& attack = Attack(SlotGroundAttacking1);
  StrikeShape& blade = *attack.LiveStrike();
  const float ratHealth = rat.healthMeter->maximum;
  const float experience = (*player->stats)[Stat::StatExperience];
  const float level = player->levels[Level::Experience];

  int hits = 0;
  int hitsThisSwing = 0;
  float firstNet = 0.0f;
  bool attackHeld = false;
  for (int frame = 0; frame < 1200 && !In(rat, RatatoskrDead); ++frame) {
    // Walk up to the Ratatoskr, face it, and swing at it.
    game.Platform().ReleaseAllKeys();
    const float dx = rat.body->position.x - player->body->position.x;
    if (Current() != &attack) {
      hitsThisSwing = 0;
      if (std::fabs(dx) > SwingDistance || static_cast<float>(player->facing) * dx < 0.0f) {
        game.PressKey(dx > 0.0f ? VirtualKey::D : VirtualKey::A);
      } else if (!attackHeld) {
        game.PressKey(VirtualKey::J);
      }
    }
    attackHeld = !attackHeld && Current() != &attack && std::fabs(dx) <= SwingDistance;
    const float health = rat.healthMeter->value;
    const float defence = rat.derived[Derived::Defense];
    const size_t numbers = world->floatingTexts->texts.size();
    game.Step();
    if (rat.healthMeter->value >= health) continue;

    // A hit: in the swing's strike frame, while its picture shows the cut, once per swing.
    ++hits;
    ++hitsThisSwing;
    ASSERT_EQ(Current(), &attack);
    EXPECT_EQ(hitsThisSwing, 1);
    EXPECT_TRUE(InPlay(&blade));
    EXPECT_EQ(attack.animation->current, attack.frames[3].get());
    const float net = DamageAfterDefence(blade.damage, defence);
    EXPECT_GT(net, 0.0f);
    // What the frame's recovery gives back is a thousandth; the meter stops at 0.
    EXPECT_NEAR(health - rat.healthMeter->value, std::min(net, health), 2e-3f);
    if (firstNet == 0.0f) firstNet = net;
    EXPECT_EQ(world->floatingTexts->texts.size(), numbers + 1) << "the damage rises as a number";
    EXPECT_EQ(world->floatingTexts->texts.back()->text, std::to_string(static_cast<int>(net)));
    // It dies of the blow that takes what health it has left.
    EXPECT_EQ(In(rat, RatatoskrDead), net >= health);
    // Both sides stop for the hit-stop, and a Ratatoskr that lives on is knocked away.
    EXPECT_EQ(attack.holdTimer, blade.freezeTime);
    if (!In(rat, RatatoskrDead)) {
      EXPECT_EQ(rat.state->holdTimer, blade.freezeTime);
      EXPECT_NE(rat.body->velocity.x, 0.0f);
    }
    if (hits == 1) {
      ASSERT_TRUE(game.KeepFrame("fight-strike.png"));
    }
  }
  game.Platform().ReleaseAllKeys();

  ASSERT_TRUE(In(rat, RatatoskrDead));
  // Two blows of 5 would take its 10, but it recovers a little between them.
  EXPECT_EQ(ratHealth, 10.0f);
  EXPECT_EQ(firstNet, 5.0f);
  EXPECT_EQ(hits, 3);
  EXPECT_EQ((*player->stats)[Stat::StatExperience], experience + 12.0f);
  EXPECT_GT(player->levels[Level::Experience], level);
  EXPECT_GT((*player->stats)[Stat::StatDamageDealt], 0.0f);
  game.StepFrames(30);
  EXPECT_TRUE(world->playerStrikes.empty()) << "the last swing took its strikes back";
  ASSERT_TRUE(game.KeepFrame("fight-over.png"));
}

}  // namespace
