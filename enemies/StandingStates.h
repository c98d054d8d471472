#pragma once

#include <memory>
#include <string>

#include "enemies/EnemyState.h"

class StandingEnemy;

// A state of an enemy that stays where it is put. Entering it goes on with the animation from
// the frame it showed; its update lets time, gravity and the animation run, and nothing else:
// no strike hits it and it switches nowhere.
class StandingState : public EnemyState {
 public:
  StandingState(StandingEnemy* newOwner, std::wstring label, std::unique_ptr<Animation> animation);

  void Enter() override;
  void Update(float dt) override { UpdateIdle(dt); }
  void UpdateHeld(float) override {}

 protected:
  StandingEnemy& enemy;
};

// Idles with a contact strike at its front and takes the players' strikes; once its health is
// gone it switches to its second state. The contact strike is placed every frame but never put
// into play, so it hurts nobody.
class ContactIdlingState : public StandingState {
 public:
  static constexpr StrikeValues Contact{1.5f, 0.4f, {0.05f, 0.2f, 0.0f}, 14.3f, 5.0f, 0.06f};

  ContactIdlingState(StandingEnemy* newOwner, std::wstring label,
                     std::unique_ptr<Animation> animation);

  void Enter() override;
  void Update(float dt) override;

  StrikeQuad* ContactStrike() const { return contact; }

 protected:
  // The players' strikes on the hit box; they knock it back.
  virtual void TakeHits() { CheckIncomingHits(); }

 private:
  StrikeQuad* contact;
};

// Lies still; on entry the world's first player is paid the enemy's experience.
class StandingDeadState : public StandingState {
 public:
  using StandingState::StandingState;

  void Enter() override;
};
