#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAttackStates.h"
#include "enemies/DemoEnemyStates.h"
#include "engine/BarMeter.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

constexpr float Any = std::numeric_limits<float>::quiet_NaN();

// Just past a threshold, upward or downward.
float Above(float x) { return std::nextafter(x, std::numeric_limits<float>::infinity()); }
float Below(float x) { return std::nextafter(x, -std::numeric_limits<float>::infinity()); }

// One step of a state's update (of no length unless the row gives one, so that clocks and
// speeds stay as set) from the
// situation of the row: the player at (dx, dy) from the enemy's centre, the enemy on the
// ground or not, moving at (vx, vy), its state's clock at `time`, this swing having hit the
// player or not, with its air counts and meters. Then the state it is in, and what it changed.
struct Rule {
  const char* what;
  int from;
  int expected;
  float dx = 50.0f;
  float dy = 0.0f;
  bool grounded = true;
  float vy = 0.0f;
  float time = 0.0f;
  bool confirmed = false;
  float jumps = 1.0f;
  float dashes = 2.0f;
  float health = 100.0f;
  float stamina = 10.0f;
  float vx = 0.0f;
  bool noPlayer = false;
  float dt = 0.0f;
  float vxAfter = Any;
  float vyAfter = Any;
  int facingAfter = 0;
  float jumpsAfter = Any;
  float dashesAfter = Any;
};

constexpr float Jump = 26.5f;
constexpr float Dash = 17.0f;
// The lengths of the attack animations.
constexpr float ForwardLength = 0.33333334f;
constexpr float DownLength = 0.36666667f;
constexpr float UpLength = 0.33333334f;
constexpr float NeutralLength = 0.3f;
constexpr float ForwardAirLength = 0.4f;
constexpr float DownAirLength = 0.46666667f;
constexpr float UpAirLength = 0.4f;

class DemoEnemyDecisions : public RatatoskrWorld {
 protected:
  bool IsAttack(int index) const {
    return index >= DemoEnemyForwardAttacking && index <= DemoEnemyUpAirAttacking;
  }

  // Steps the attack on its footing, the player out of reach, until its strike is live.
  void Arm(DemoEnemy& enemy) {
    auto& attack = static_cast<DemoEnemyAttackState&>(*enemy.state);
    const bool grounded = !attack.plan.air;
    PlacePlayer(100.0f, 0.0f);
    for (int frame = 0; frame < 30 && attack.strikeFrames->current->Strike() != attack.LiveStrike();
         ++frame) {
      enemy.groundContact = grounded ? floor : nullptr;
      attack.Update(Frame);
    }
    ASSERT_EQ(enemy.state, &attack);
    ASSERT_EQ(attack.strikeFrames->current->Strike(), attack.LiveStrike());
  }

  void Check(const Rule& rule) {
    SCOPED_TRACE(rule.what);
    auto enemy = Make<DemoEnemy>(0.0f, 0.0f);
    enemy->groundContact = rule.grounded ? floor : nullptr;
    enemy->SwitchState(rule.from);
    if (IsAttack(rule.from)) {
      ASSERT_NO_FATAL_FAILURE(Arm(*enemy));
    }
    State& from = *enemy->state;
    enemy->groundContact = rule.grounded ? floor : nullptr;
    enemy->body->velocity = {rule.vx, rule.vy, 0.0f};
    enemy->facing = 1;
    enemy->SetGainedStat245(rule.dashes);
    enemy->SetGainedStat246(rule.jumps);
    enemy->healthMeter->value = rule.health;
    enemy->staminaMeter->value = rule.stamina;
    from.stateTime = rule.time;
    PlacePlayer(rule.dx, rule.dy);
    if (rule.confirmed) {
      StrikeShape* live = static_cast<DemoEnemyAttackState&>(from).LiveStrike();
      player.hitBox->hitList.push_back(live);
    }
    if (rule.noPlayer) world.players.clear();

    from.Update(rule.dt);

    if (rule.noPlayer) world.players.push_back(&player);
    EXPECT_EQ(enemy->state, enemy->GetState(rule.expected))
        << "expected state " << rule.expected << ", in "
        << std::string(enemy->state->name.begin(), enemy->state->name.end());
    const platform::Vector3 v = enemy->body->velocity;
    if (!std::isnan(rule.vxAfter)) {
      EXPECT_FLOAT_EQ(v.x, rule.vxAfter);
    }
    if (!std::isnan(rule.vyAfter)) {
      EXPECT_FLOAT_EQ(v.y, rule.vyAfter);
    }
    if (rule.facingAfter != 0) {
      EXPECT_EQ(enemy->facing, rule.facingAfter);
    }
    if (!std::isnan(rule.jumpsAfter)) {
      EXPECT_EQ(enemy->totalStats[Stat::AirJumpCount], rule.jumpsAfter);
    }
    if (!std::isnan(rule.dashesAfter)) {
      EXPECT_EQ(enemy->totalStats[Stat::AirDashCount], rule.dashesAfter);
    }
    player.hitBox->hitList.clear();
    world.enemyStrikes.clear();
  }
};

TEST_F(DemoEnemyDecisions, EveryRuleOfTheGraphTakesEffectJustPastItsThreshold) {
  using R = Rule;
  const Rule rules[] = {
      // Idling.
      R{.what = "idle: off the ground", .from = DemoEnemyIdling, .expected = DemoEnemyFalling,
        .grounded = false},
      R{"idle: player 5 above, straight up", DemoEnemyIdling, DemoEnemyUpAttacking, 0.0f, 5.0f},
      R{.what = "idle: just over 5 above", .from = DemoEnemyIdling,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(5.0f), .vx = 2.0f,
        .vxAfter = 2.0f, .vyAfter = Jump},
      R{"idle: exactly 3 away", DemoEnemyIdling, DemoEnemyDownAttacking, -3.0f},
      R{.what = "idle: just over 3 away", .from = DemoEnemyIdling, .expected = DemoEnemyDashing,
        .dx = Above(3.0f), .facingAfter = 1},
      R{.what = "idle: just over 3 away to the left", .from = DemoEnemyIdling,
        .expected = DemoEnemyDashing, .dx = -Above(3.0f), .facingAfter = -1},
      R{"idle: exactly 1.8 away", DemoEnemyIdling, DemoEnemyDownAttacking, 1.8f},
      R{.what = "idle: just within 1.8, facing kept", .from = DemoEnemyIdling,
        .expected = DemoEnemyUpAttacking, .dx = -Below(1.8f), .facingAfter = 1},
      R{"idle: 2.5 away, 3 above", DemoEnemyIdling, DemoEnemyDownAttacking, 2.5f, 3.0f},
      R{"idle: 2.5 away, just over 3 above", DemoEnemyIdling, DemoEnemyUpAttacking, 2.5f,
        Above(3.0f)},
      R{.what = "idle: no player", .from = DemoEnemyIdling, .expected = DemoEnemyIdling,
        .dx = 0.0f, .noPlayer = true},
      R{.what = "idle: falling off is overridden by an empty stamina meter",
        .from = DemoEnemyIdling, .expected = DemoEnemyGuardBreakDown, .grounded = false,
        .stamina = 0.0f},
      R{.what = "idle: no health while rising", .from = DemoEnemyIdling,
        .expected = DemoEnemyGuardBreakUp, .vy = 1.0f, .health = 0.0f},
      R{.what = "idle: a little stamina left", .from = DemoEnemyIdling,
        .expected = DemoEnemyDashing, .stamina = 0.01f},
      // Dashing.
      R{.what = "dash: off the ground", .from = DemoEnemyDashing, .expected = DemoEnemyFalling,
        .grounded = false},
      R{"dash: exactly 4 away", DemoEnemyDashing, DemoEnemyDashing, 4.0f},
      R{"dash: just within 4", DemoEnemyDashing, DemoEnemyForwardAttacking, Below(4.0f)},
      R{.what = "dash: player straight above", .from = DemoEnemyDashing,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(5.0f), .vyAfter = Jump,
        .facingAfter = 1},
      // Holding states.
      R{.what = "back dash: off the ground", .from = DemoEnemyBackDashing,
        .expected = DemoEnemyFalling, .grounded = false},
      R{.what = "back dash: no guard-break test", .from = DemoEnemyBackDashing,
        .expected = DemoEnemyBackDashing, .stamina = 0.0f},
      R{.what = "dodge: off the ground", .from = DemoEnemyDodging, .expected = DemoEnemyFalling,
        .grounded = false},
      R{.what = "dodge: no guard-break test", .from = DemoEnemyDodging,
        .expected = DemoEnemyDodging, .health = 0.0f},
      R{.what = "guard: holds", .from = DemoEnemyGuarding, .expected = DemoEnemyGuarding,
        .dx = 1.0f},
      R{.what = "guard: off the ground", .from = DemoEnemyGuarding, .expected = DemoEnemyFalling,
        .grounded = false},
      R{.what = "guard: stamina spent", .from = DemoEnemyGuarding,
        .expected = DemoEnemyGuardBreakDown, .stamina = 0.0f},
      R{.what = "downed: lies", .from = DemoEnemyDowned, .expected = DemoEnemyDowned,
        .health = 0.0f},
      R{.what = "downed: off the ground", .from = DemoEnemyDowned, .expected = DemoEnemyFalling,
        .grounded = false, .health = 0.0f},
      // Air dashing.
      R{.what = "air dash: its time used up", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyAirDashing, .grounded = false, .time = 0.3f},
      R{.what = "air dash: just past its time", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyFalling, .grounded = false, .time = Above(0.3f)},
      R{.what = "air dash: steers beyond 4", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyAirDashing, .dx = -Above(4.0f), .grounded = false, .vy = -5.0f,
        .vxAfter = -Dash, .vyAfter = 0.0f, .facingAfter = -1},
      // A dash gains 80 x dt towards the player, up to the dash speed either way.
      R{.what = "dashing right: capped", .from = DemoEnemyDashing, .expected = DemoEnemyDashing,
        .vx = 16.5f, .dt = 0.02f, .vxAfter = Dash, .facingAfter = 1},
      R{.what = "dashing left: capped", .from = DemoEnemyDashing, .expected = DemoEnemyDashing,
        .dx = -50.0f, .vx = -16.5f, .dt = 0.02f, .vxAfter = -Dash, .facingAfter = -1},
      R{.what = "dashing left: below the cap", .from = DemoEnemyDashing,
        .expected = DemoEnemyDashing, .dx = -50.0f, .vx = -10.0f, .dt = 0.02f, .vxAfter = -11.6f},
      R{.what = "air dash: within 4 keeps its velocity", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyAirDashing, .dx = -4.0f, .grounded = false, .vy = -5.0f,
        .vx = 3.0f, .vxAfter = 3.0f, .vyAfter = -5.0f, .facingAfter = 1},
      R{.what = "air dash: exactly 4 above", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyAirDashing, .dx = 0.0f, .dy = 4.0f, .grounded = false},
      R{.what = "air dash: a fraction of an air jump", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyAirDashing, .dx = 0.0f, .dy = Above(4.0f), .grounded = false,
        .jumps = 0.9f},
      R{.what = "air dash: an air jump", .from = DemoEnemyAirDashing,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(4.0f), .grounded = false,
        .vy = 3.0f, .vyAfter = 3.0f + Jump, .jumpsAfter = 0.0f},
      // Falling and jumping.
      R{.what = "fall: lands", .from = DemoEnemyFalling, .expected = DemoEnemyIdling},
      R{.what = "fall: 3 beside, 2 above", .from = DemoEnemyFalling,
        .expected = DemoEnemyNeutralAirAttacking, .dx = 3.0f, .dy = 2.0f, .grounded = false},
      R{.what = "fall: exactly 4 away", .from = DemoEnemyFalling,
        .expected = DemoEnemyUpAirAttacking, .dx = 0.0f, .dy = 4.0f, .grounded = false},
      R{.what = "fall: 4.5 below, 1 beside", .from = DemoEnemyFalling,
        .expected = DemoEnemyDownAirAttacking, .dx = 1.0f, .dy = -4.5f, .grounded = false},
      R{.what = "fall: 2.3 beside is not overhead", .from = DemoEnemyFalling,
        .expected = DemoEnemyFalling, .dx = 2.3f, .dy = -4.0f, .grounded = false},
      R{.what = "fall: 4.2 beside, 1.5 above", .from = DemoEnemyFalling,
        .expected = DemoEnemyForwardAirAttacking, .dx = -4.2f, .dy = 1.5f, .grounded = false,
        .facingAfter = -1},
      R{.what = "fall: 2.5 above is not level", .from = DemoEnemyFalling,
        .expected = DemoEnemyFalling, .dx = 4.0f, .dy = 2.5f, .grounded = false},
      R{.what = "fall: exactly 5 away, 4 above", .from = DemoEnemyFalling,
        .expected = DemoEnemyFalling, .dx = 3.0f, .dy = 4.0f, .grounded = false},
      R{.what = "fall: just over 4 above, rising speed kept", .from = DemoEnemyFalling,
        .expected = DemoEnemyJumping, .dx = 3.0f, .dy = Above(4.0f), .grounded = false,
        .vy = 2.0f, .vyAfter = 2.0f + Jump, .jumpsAfter = 0.0f},
      R{.what = "fall: air jump from a fall starts afresh", .from = DemoEnemyFalling,
        .expected = DemoEnemyJumping, .dx = 3.0f, .dy = 6.0f, .grounded = false, .vy = -9.0f,
        .vyAfter = Jump},
      R{.what = "fall: no air jump left", .from = DemoEnemyFalling,
        .expected = DemoEnemyFalling, .dx = 3.0f, .dy = 6.0f, .grounded = false,
        .jumps = 0.0f},
      R{.what = "fall: exactly 6 away", .from = DemoEnemyFalling, .expected = DemoEnemyFalling,
        .dx = 6.0f, .grounded = false, .dashesAfter = 2.0f},
      R{.what = "fall: just over 6 away", .from = DemoEnemyFalling,
        .expected = DemoEnemyAirDashing, .dx = -Above(6.0f), .grounded = false,
        .facingAfter = -1, .dashesAfter = 1.0f},
      R{.what = "fall: no air dash left", .from = DemoEnemyFalling,
        .expected = DemoEnemyFalling, .dx = 8.0f, .grounded = false, .dashes = 0.0f},
      R{.what = "rise: sinking within 5 stays a rise", .from = DemoEnemyJumping,
        .expected = DemoEnemyJumping, .dx = 3.5f, .dy = 3.5f, .grounded = false, .vy = -4.0f},
      R{.what = "rise: sinking beyond 5", .from = DemoEnemyJumping,
        .expected = DemoEnemyFalling, .dx = 5.0f, .grounded = false, .vy = -4.0f},
      R{.what = "rise: at the top", .from = DemoEnemyJumping, .expected = DemoEnemyJumping,
        .dx = 5.0f, .grounded = false},
      R{.what = "fall: no player", .from = DemoEnemyFalling, .expected = DemoEnemyFalling,
        .dx = 1.0f, .grounded = false, .noPlayer = true},
      // Guard breaks.
      R{.what = "broken: no health, not yet half a second", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyGuardBreakDown, .time = 0.5f, .health = 0.0f},
      R{.what = "broken: no health, just past half a second", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyDowned, .time = Above(0.5f), .health = 0.0f},
      R{.what = "broken: no health in the air", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyGuardBreakDown, .grounded = false, .time = 1.0f, .health = 0.0f},
      R{.what = "broken: stamina just short", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyGuardBreakDown, .stamina = Below(0.5f)},
      R{.what = "broken: stamina back", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyIdling, .stamina = 0.5f},
      R{.what = "broken: stamina back while falling", .from = DemoEnemyGuardBreakDown,
        .expected = DemoEnemyFalling, .dx = -1.0f, .grounded = false, .vy = -1.0f,
        .stamina = 0.5f},
      R{.what = "broken: stamina back at the top", .from = DemoEnemyGuardBreakUp,
        .expected = DemoEnemyJumping, .grounded = false, .stamina = 0.5f},
      R{.what = "broken rising: downed, then up again", .from = DemoEnemyGuardBreakUp,
        .expected = DemoEnemyIdling, .time = 1.0f, .health = 0.0f, .stamina = 0.5f},
      R{.what = "broken rising: no health, not yet half a second", .from = DemoEnemyGuardBreakUp,
        .expected = DemoEnemyGuardBreakUp, .time = 0.5f, .health = 0.0f, .stamina = 0.0f},
      R{.what = "broken rising: downed", .from = DemoEnemyGuardBreakUp,
        .expected = DemoEnemyDowned, .time = Above(0.5f), .health = 0.0f, .stamina = 0.0f},
      // Ground attacks.
      R{.what = "forward: knocked off the ground", .from = DemoEnemyForwardAttacking,
        .expected = DemoEnemyFalling, .grounded = false},
      R{.what = "forward: not yet over", .from = DemoEnemyForwardAttacking,
        .expected = DemoEnemyForwardAttacking, .dx = 9.0f, .time = ForwardLength},
      R{.what = "forward: over, player high above", .from = DemoEnemyForwardAttacking,
        .expected = DemoEnemyJumping, .dx = 9.0f, .dy = Above(5.0f),
        .time = Above(ForwardLength), .vyAfter = Jump},
      R{.what = "forward: over, player just over 4 away", .from = DemoEnemyForwardAttacking,
        .expected = DemoEnemyDashing, .dx = -Above(4.0f), .time = Above(ForwardLength),
        .facingAfter = -1},
      R{.what = "forward: over, player 4 away", .from = DemoEnemyForwardAttacking,
        .expected = DemoEnemyIdling, .dx = 4.0f, .dy = 5.0f, .time = Above(ForwardLength)},
      R{.what = "low sweep: not yet over", .from = DemoEnemyDownAttacking,
        .expected = DemoEnemyDownAttacking, .dx = 9.0f, .time = DownLength},
      R{.what = "low sweep: over, player far", .from = DemoEnemyDownAttacking,
        .expected = DemoEnemyDashing, .dx = 9.0f, .time = Above(DownLength)},
      R{.what = "up: knocked off the ground", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyFalling, .grounded = false},
      R{.what = "up: launched player just over 3 above", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(3.0f), .confirmed = true,
        .vyAfter = Jump},
      R{.what = "up: hit player 3 above", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyUpAttacking, .dx = 0.0f, .dy = 3.0f, .confirmed = true},
      R{.what = "up: missed player above", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyUpAttacking, .dx = 0.0f, .dy = 4.0f},
      R{.what = "up: over, player just over 5 above", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(5.0f), .time = Above(UpLength)},
      R{.what = "up: not yet over", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyUpAttacking, .time = UpLength},
      R{.what = "up: over, player far away", .from = DemoEnemyUpAttacking,
        .expected = DemoEnemyIdling, .time = Above(UpLength)},
      // Air attacks.
      R{.what = "spin: lands", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyIdling},
      R{.what = "spin: over at the top", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyJumping, .grounded = false, .time = Above(NeutralLength)},
      R{.what = "spin: over while falling", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyFalling, .grounded = false, .vy = -1.0f,
        .time = Above(NeutralLength)},
      R{.what = "spin: a miss does not chain", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyNeutralAirAttacking, .dx = 1.0f, .dy = -2.0f, .grounded = false,
        .time = NeutralLength},
      R{.what = "spin: hit below", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyDownAirAttacking, .dx = Below(2.3f), .dy = -1.0f,
        .grounded = false, .confirmed = true},
      R{.what = "spin: hit level", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyUpAirAttacking, .dx = 1.0f, .grounded = false, .confirmed = true},
      R{.what = "spin: hit beside", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyForwardAirAttacking, .dx = -2.3f, .dy = Below(2.5f),
        .grounded = false, .confirmed = true, .facingAfter = -1},
      R{.what = "spin: hit 2.5 above and beside", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyNeutralAirAttacking, .dx = -2.3f, .dy = 2.5f, .grounded = false,
        .confirmed = true},
      R{.what = "spin: hit, then just over 4 above", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(4.0f), .grounded = false,
        .vy = -3.0f, .confirmed = true, .vyAfter = Jump, .jumpsAfter = 0.0f},
      R{.what = "spin: hit, just over 6 away", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyAirDashing, .dx = -Above(6.0f), .grounded = false,
        .confirmed = true, .facingAfter = -1, .dashesAfter = 1.0f},
      R{.what = "spin: hit 6 away, drifting only", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyNeutralAirAttacking, .dx = -6.0f, .grounded = false,
        .confirmed = true, .facingAfter = -1, .dashesAfter = 2.0f},
      // Past 4 away the spin drifts towards the player at 80 a second, not at 4 itself.
      R{.what = "spin: exactly 4 away keeps its speed", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyNeutralAirAttacking, .dx = -4.0f, .grounded = false, .vx = 1.0f,
        .dt = 0.02f, .vxAfter = 1.0f, .facingAfter = 1},
      R{.what = "spin: just past 4 away drifts", .from = DemoEnemyNeutralAirAttacking,
        .expected = DemoEnemyNeutralAirAttacking, .dx = -Above(4.0f), .grounded = false,
        .vx = 1.0f, .dt = 0.02f, .vxAfter = -0.6f, .facingAfter = -1},
      R{.what = "forward air: hit with an air dash left", .from = DemoEnemyForwardAirAttacking,
        .expected = DemoEnemyAirDashing, .dx = -3.0f, .grounded = false, .confirmed = true,
        .facingAfter = -1, .dashesAfter = 1.0f},
      R{.what = "forward air: hit, a fraction of an air dash", .from = DemoEnemyForwardAirAttacking,
        .expected = DemoEnemyForwardAirAttacking, .dx = -3.0f, .grounded = false,
        .confirmed = true, .dashes = 0.9f},
      R{.what = "forward air: hit under the player, an air dash right",
        .from = DemoEnemyForwardAirAttacking, .expected = DemoEnemyAirDashing, .dx = 0.0f,
        .dy = 1.0f, .grounded = false, .confirmed = true, .facingAfter = 1, .dashesAfter = 1.0f},
      R{.what = "forward air: miss", .from = DemoEnemyForwardAirAttacking,
        .expected = DemoEnemyForwardAirAttacking, .dx = -3.0f, .grounded = false},
      R{.what = "forward air: not yet over", .from = DemoEnemyForwardAirAttacking,
        .expected = DemoEnemyForwardAirAttacking, .grounded = false, .vy = -1.0f,
        .time = ForwardAirLength},
      R{.what = "forward air: over while falling", .from = DemoEnemyForwardAirAttacking,
        .expected = DemoEnemyFalling, .grounded = false, .vy = -1.0f,
        .time = Above(ForwardAirLength)},
      R{.what = "up air: not yet over", .from = DemoEnemyUpAirAttacking,
        .expected = DemoEnemyUpAirAttacking, .grounded = false, .time = UpAirLength},
      R{.what = "up air: over at the top", .from = DemoEnemyUpAirAttacking,
        .expected = DemoEnemyJumping, .grounded = false, .time = Above(UpAirLength)},
      R{.what = "up air: hit, player just over 2 above", .from = DemoEnemyUpAirAttacking,
        .expected = DemoEnemyJumping, .dx = 0.0f, .dy = Above(2.0f), .grounded = false,
        .confirmed = true, .vyAfter = Jump, .jumpsAfter = 0.0f},
      R{.what = "up air: hit, player 2 above", .from = DemoEnemyUpAirAttacking,
        .expected = DemoEnemyUpAirAttacking, .dx = 0.0f, .dy = 2.0f, .grounded = false,
        .confirmed = true},
      R{.what = "up air: hit, no air jump left", .from = DemoEnemyUpAirAttacking,
        .expected = DemoEnemyUpAirAttacking, .dx = 0.0f, .dy = 3.0f, .grounded = false,
        .confirmed = true, .jumps = 0.0f},
      R{.what = "down air: not over", .from = DemoEnemyDownAirAttacking,
        .expected = DemoEnemyDownAirAttacking, .dx = 0.0f, .dy = -2.0f, .grounded = false,
        .vy = -1.0f, .time = DownAirLength, .confirmed = true},
      R{.what = "down air: over while falling", .from = DemoEnemyDownAirAttacking,
        .expected = DemoEnemyFalling, .grounded = false, .vy = -1.0f,
        .time = Above(DownAirLength)},
      R{.what = "down air: an empty meter wins over the end", .from = DemoEnemyDownAirAttacking,
        .expected = DemoEnemyGuardBreakDown, .grounded = false, .vy = -1.0f,
        .time = Above(DownAirLength), .stamina = -1.0f},
  };
  for (const Rule& rule : rules) Check(rule);
}

}  // namespace
