#pragma once

#include <memory>

#include "actors/SwingFrames.h"
#include "enemies/DemoEnemyState.h"

class StrikeShape;

// What makes each of the DemoEnemy's seven attacks its own: its strike, what the strike does
// and when it is live, and whether it is made in the air.
struct DemoEnemyAttackPlan {
  int index;
  const wchar_t* displayName;
  // The strike frames are this name followed by 1, 2 and 3.
  const wchar_t* strikeFrameName;
  StrikePlan strike;
  float damage;
  float force;
  SwingTimes strikeTimes;
  bool air;
};

// The seven attacks in state order, ground ones first.
const DemoEnemyAttackPlan& DemoEnemyAttackPlanOf(int index);

// One swing, played from its row: the strike is live only in the middle strike frame, so it
// hits the player at most once; the middle sound frame swings. Each member ends in its own way;
// once its animation has played, the attack is over.
class DemoEnemyAttackState : public DemoEnemyState {
 public:
  DemoEnemyAttackState(DemoEnemy* newOwner, std::unique_ptr<Animation> animation, int index);

  // The shape that can hit.
  StrikeShape* LiveStrike() const;

  const DemoEnemyAttackPlan& plan;

 protected:
  bool Over() const { return stateTime > animationLength; }
  // The strike in play now has already hit the player in this swing.
  bool Confirmed(const Actor& player) const;
  // Off the ground it falls; once over it jumps after a player high above, dashes after a far
  // one, or stands.
  void EndOnGround(const Actor* player);
  // On the ground it stands; once over it rises on or falls. True when the attack ended.
  bool EndInAir();
};

class DemoEnemyStateForwardAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateForwardAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

class DemoEnemyStateDownAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateDownAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// Follows a player it has launched into the air before the swing is over.
class DemoEnemyStateUpAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateUpAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// A spin that, when it connects, strings on the air attack that suits where the player is, an
// air jump after a player high above or an air dash after a far one; a miss only drifts after a
// far player.
class DemoEnemyStateNeutralAirAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateNeutralAirAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// When it connects, dashes on after the player while an air dash is left.
class DemoEnemyStateForwardAirAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateForwardAirAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

class DemoEnemyStateDownAirAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateDownAirAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};

// When it connects under a player above, jumps on after it while an air jump is left.
class DemoEnemyStateUpAirAttacking : public DemoEnemyAttackState {
 public:
  DemoEnemyStateUpAirAttacking(DemoEnemy* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void Decide(float dt) override;
};
