#include <gtest/gtest.h>

#include <functional>

#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoEnemyState.h"
#include "enemies/DemoWall.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/StandingStates.h"
#include "tests/enemies/GoblinWorld.h"

namespace {

// An enemy of each family on the floor, and a player's swing that lands in the very update in
// which the enemy's own decision switches it to another state.
class HitStopCarryOver : public GoblinWorld {
 protected:
  static constexpr float EnemyX = 10.0f;
  static constexpr int FramesToLand = 3;
  // Longer than the swing's hit-stop.
  static constexpr int FramesToRunOut = 12;

  // The enemy in play with its own switch and its table of states.
  struct Subject {
    Enemy* enemy = nullptr;
    std::function<State*(int)> state;
    std::function<void(int)> enter;
  };

 public:
  // Public: the test's table takes its address, which a protected member allows only through
  // the test's own class.
  template <typename EnemyClass>
  Subject Place(float standing) {
    auto* enemy = PutInPlay<EnemyClass>(Make<EnemyClass>(EnemyX, standing));
    return {enemy, [enemy](int index) -> State* { return enemy->GetState(index); },
            [enemy](int index) { enemy->SwitchState(index); }};
  }

 protected:
  void ClearEnemies() {
    world.actors.clear();
    world.enemies.clear();
  }
};

TEST_F(HitStopCarryOver, TheHoldGoesWithTheEnemyIntoTheStateItSwitchesToAndNotBackLater) {
  struct Case {
    const char* path;
    Subject (HitStopCarryOver::*place)(float);
    float standing;
    int left;
    int entered;
    // Where the player stands in front of the enemy; far away when 0.
    float playerAhead;
    float damage;
  };
  constexpr float Far = 0.0f;
  const Case cases[] = {
      {"DemoEnemy: idling, then its dash at a far player", &HitStopCarryOver::Place<DemoEnemy>,
       DemoEnemy::BodySize.y / 2, DemoEnemyIdling, DemoEnemyDashing, Far, 1.0f},
      {"DemoGoblin: alert walking, then its attack", &HitStopCarryOver::Place<DemoGoblin>,
       DemoGoblinStanding, DemoGoblinAlertWalking, DemoGoblinAttacking, 2.0f, 1.0f},
      {"Ratatoskr: the idling prelude's hit, then its decision",
       &HitStopCarryOver::Place<Ratatoskr>, Standing, RatatoskrIdling, RatatoskrFrontAlerted, 2.0f,
       1.0f},
      {"Goblin: a body hit while idling, then the alert", &HitStopCarryOver::Place<Goblin>,
       GoblinStanding, GoblinIdling, GoblinFrontAlerted, 5.0f, 1.0f},
      {"Nidhogglet: the killing hit, then dead", &HitStopCarryOver::Place<NidhoggletAggressive>,
       NidhoggletAggressive::BodyHeight / 2, NidhoggletAggressive::Idling,
       NidhoggletAggressive::Dead, Far, 100.0f},
      {"DemoWall: the breaking hit, then broken", &HitStopCarryOver::Place<DemoWall>,
       DemoWall::BodyHeight / 2, DemoWall::Idling, DemoWall::Dead, Far, 100.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    PlacePlayer(50.0f, 1.0f);
    const Subject subject = (this->*c.place)(c.standing);
    Enemy& enemy = *subject.enemy;
    for (int frame = 0; frame < FramesToLand; ++frame) Step();
    State* left = subject.state(c.left);
    State* entered = subject.state(c.entered);
    subject.enter(c.left);
    const platform::Vector3 at = enemy.body->position;
    if (c.playerAhead != Far) PlacePlayer(at.x + c.playerAhead, 1.0f);
    Swing(at.x, at.y, c.damage);
    Step();
    EndSwing();
    ASSERT_EQ(enemy.state, entered);
    EXPECT_EQ(entered->holdTimer, swing.freezeTime);
    EXPECT_EQ(left->holdTimer, 0.0f);

    // Once the hold has run out, the state left runs at once when it is entered again.
    PlacePlayer(50.0f, 1.0f);
    for (int frame = 0; frame < FramesToRunOut; ++frame) Step();
    subject.enter(c.left);
    Step();
    EXPECT_GT(left->stateTime, 0.0f);
    ClearEnemies();
  }
}

}  // namespace
