#pragma once

#include <memory>
#include <string>

#include "enemies/EnemyState.h"

class DemoEnemy;

// The shared steps of an update that a DemoEnemy state leaves out.
struct DemoEnemyStateSkips {
  bool gravity = false;
  bool incomingHits = false;
  bool guardBreakTest = false;
};

// What every state of the DemoEnemy shares: one of six entries, and an update in a fixed order:
// time, gravity, the animation, the strike frames, the player's strikes, the state's own
// decisions, the guard-break test and the sound frames. A switch does not end the update of
// the state that made it, so a later switch in the same step wins. Decisions that need the
// player are not made while the world has none.
class DemoEnemyState : public EnemyState {
 public:
  // How a state is entered. Every entry sizes the hit box as the body, restarts the state's clock
  // and animation and shows the stamina meter green, unless said otherwise.
  enum class Entry {
    // The air counts are refilled.
    Ground,
    // The air counts stay as they are.
    Air,
    // As Air, the stamina meter dark red.
    GuardBreak,
    // As Ground, with a hit box of no size.
    Downed,
    // As Ground, and the strike frames and the sound frames start, the first strike in play.
    GroundAttack,
    // The same as Air.
    AirAttack,
  };
  using Skips = DemoEnemyStateSkips;

  DemoEnemyState(DemoEnemy* newOwner, std::wstring label, std::unique_ptr<Animation> animation,
                 Entry entryKind, Skips skips = {});

  void Enter() override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}

 protected:
  // The state's own decisions, none by default.
  virtual void Decide(float) {}

  void SwitchTo(int index);
  bool OnGround() const;
  float Total(int stat) const;
  // The count (AirDashCount or AirJumpCount) holds at least one whole move.
  bool Available(int count) const;
  // One move less in the count.
  void Spend(int count);
  // Player minus owner, between the bodies' centres.
  float Dx(const Actor& player) const;
  float Dy(const Actor& player) const;
  float DistanceTo(const Actor& player) const;
  // -1 for an offset to the left, else +1.
  static int SideOfOffset(float dx) { return dx < 0.0f ? -1 : 1; }
  // Faces the side the offset points to; an offset of 0 keeps the facing.
  void TurnToward(float dx);
  // Speeds the body up by DashStrength per second towards the side, up to the dash speed that
  // way, and faces it.
  void DriftToward(int side, float dt);
  // The same away from the side, keeping the facing.
  void DriftAwayFrom(int side, float dt);
  // The vertical velocity becomes JumpStrength.
  void Jump();
  // From a fall a jump starts afresh; a rise is kept and raised by JumpStrength.
  void JumpOn();
  // Jumping while rising or level, else Falling.
  void RiseOrFall();

  DemoEnemy& demoEnemy;

  // The top speed of a dash on the ground and in the air, and of a drift.
  static constexpr float DashSpeed = 17.0f;
  // Distances to the player that several states decide by. On the ground a player higher than
  // the first is jumped at; in the air one higher than the second is followed with an air jump
  // and one farther than the third with an air dash.
  static constexpr float JumpAtHeight = 5.0f;
  static constexpr float AirJumpHeight = 4.0f;
  static constexpr float AirDashDistance = 6.0f;
  // In the air a player within this reach is met with the spin; one within the first span
  // beside it with a strike up or down, one within the second span above or below with a
  // forward strike.
  static constexpr float SpinReach = 4.0f;
  static constexpr float OverheadSpan = 2.3f;
  static constexpr float LevelSpan = 2.5f;

 private:
  // Stamina or health at 0 or below: a guard break, rising or not.
  void TestGuardBreak();
  // While the sound frame carries a sound, it starts again on every step, where the owner is.
  void StepSoundFrames(float dt);
  void Accelerate(int side, float dt);

  Entry entry;
  Skips skipped;
};
