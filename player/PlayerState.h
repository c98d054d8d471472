#pragma once

#include <memory>
#include <vector>

#include "actors/State.h"
#include "engine/Color4.h"
#include "player/PlayerStateSlots.h"

class Controls;
class Player;
class Sound;
class StrikeShape;
class Texture;
struct PlayerStatePlan;

// How a state takes strikes: the guard adds its guard values to the defence and the endurance,
// the deepest guard break takes no stamina damage.
struct HitRule {
  float extraDefence = 0.0f;
  float extraEndurance = 0.0f;
  bool takesStamina = true;
};

// The green of the stamina bar while nothing is broken.
extern const Color4 StaminaBarGreen;
// Its dark red while a guard is broken or the player dies.
extern const Color4 StaminaBarBroken;

// What the incoming strikes of a step came to: nothing, a hit the player lived through, or a
// death that switched the state.
enum class StrikeOutcome { Missed, Hit, Died };

// The base of every player state, with the rules they all share. A state switch leaves the
// state it replaces and enters the target at once; every input, held input and update step
// ends with the closing step, which makes sure this state is left once another is current.
class PlayerState : public State {
 public:
  // Builds the state's animation from its entry of the frame table, cut from the texture.
  PlayerState(Player* newOwner, Texture* texture, PlayerStateSlot slot);
  ~PlayerState() override;

  // Takes the state's strikes out of the world; the hit boxes they hit forget them, and they
  // forget the hit boxes.
  void Exit() override;
  // The input step while the hit-stop runs: choices are kept as the pending state.
  virtual void HandleInputHeld(float) {}
  // Grounded states refill the air moves; airborne ones only lower them to their maxima.
  virtual void SetMovementLimits();

  // Incoming strikes: the enemies', and the other players' while players hit players. True
  // when a strike overlaps the hit box, also one that has hit it already.
  bool CheckIncomingHits(const HitRule& rule = {});
  bool ApplyIncomingHit(StrikeShape& strike, const HitRule& rule = {});
  // Dying or respawning by the world's death mode once health is gone. Returns the player's
  // current state afterwards, for the caller to see whether it changed.
  PlayerState* CheckDeath();
  // Incoming strikes under the rule, then the death check.
  StrikeOutcome TakeStrikes(const HitRule& rule = {});
  // The guard break that the remaining stamina and the vertical motion call for, if any.
  PlayerState* ChooseGuardBreakState();
  // How deep the remaining stamina breaks a guard: 0 (not at all) to 3.
  int GuardBreakLevel() const;
  // The guard break of that level, Up while the body rises and Down otherwise.
  void BreakGuard(int level);
  // The refill: both air counts back to their maxima.
  void RefillAirMoves();
  // The air counts lowered to their maxima, never raised.
  void ApplyStatLimits();

  // The player's current state is left and the entry becomes current and is entered.
  PlayerState* SwitchTo(PlayerStateSlot slot);
  // Kept for the next normal input step.
  void SetPending(PlayerStateSlot slot);
  // The buffered switch that opens a normal input step: the state is left and the pending one
  // entered. False when nothing is pending.
  bool TakePending();
  // Ends this visit of the state: the first call after it was entered runs Exit, so that
  // whatever the visit started (a strike in play, a looping sound) ends once, by every road.
  void Leave();
  // A direct switch, or a pending one while a hit-stop runs.
  void Go(PlayerStateSlot slot, bool buffered);
  // The choices that idling and walking share, in their order: the guard (never kept waiting),
  // the attack button with up held or not, the right stick's four attacks, the jump. True when
  // one of them was taken.
  bool TakeGroundAction(bool buffered);
  // The right stick's attacks: up, down, or the ground attack turned to the side pushed.
  bool TakeStickAttack(bool buffered);
  // The right stick pushed up, down, or to a side, which the player then faces: the attack of
  // that way. False when the stick was not pushed.
  bool TakeStickAttack(PlayerStateSlot up, PlayerStateSlot down, PlayerStateSlot sideways,
                       bool buffered);
  // The closing step: leaves this state once when it is no longer current.
  void CloseStep();
  bool IsCurrent() const;

  // The god-mode chord: the god-mode key while the debug menu enables god mode.
  bool GodModeChordHeld() const;
  // The god-mode key alone: Left Shift on an enabled keyboard or the left trigger of the
  // active pad.
  bool GodModeKeyHeld() const;
  // The chord switches to god moding; the held variant keeps it pending.
  void CheckGodMode();
  void CheckGodModeHeld();

  // The standing states' Enter: standing body, air moves refilled, timers and the animation
  // restarted, the stamina bar green again (or the colour given).
  void EnterStanding(const Color4& barColor = StaminaBarGreen);
  // The same on the crouching body.
  void EnterCrouched();
  // Restarts timers, the pending state and the animation.
  void ResetTimers();
  // Time, gravity and the animation; nothing else.
  void UpdatePassive(float dt);
  // Time, gravity, the animation, incoming hits under the rule, death and the guard-break
  // choice after a hit.
  void UpdateStill(float dt, const HitRule& rule = {});
  // The same, but a guard breaks only where the standing body fits.
  void UpdateCrouched(float dt);
  void RestartAnimation();
  // Turns to the held side and accelerates by the walk acceleration times k, up to the walk speed.
  void Steer(float k, float dt);
  // Speeds the body towards the side (-1 left, +1 right) up to the limit; a body already at or
  // beyond the limit that way keeps its speed.
  void Accelerate(int side, float acceleration, float limit, float dt);
  // The body keeps its feet and takes the size; the hit box follows it.
  void TakeBodySize(const platform::Vector3& size);
  // Nothing above would push a standing body down.
  bool StandingFits() const;
  // On ground whose edges are partly open, the body holds it, so that it stops pushing the
  // body up and the player drops through. False on other ground.
  bool DropThroughGround();
  void SetStaminaBarColor(const Color4& color);
  // One of the player's sounds, placed at the body.
  Sound& SoundAtBody(int index);

  Player* player = nullptr;  // the owner, typed
  // The state's entry in the table.
  PlayerStateSlot slot;
  PlayerState* pendingState = nullptr;
  // The first animation's frames, in playing order.
  std::vector<std::unique_ptr<AnimationFrame>> frames;
  // Each restart makes the animation its own follow-on.
  bool followsItself = false;
  // Entered and not yet left.
  bool visiting = false;

 protected:
  // The player's controls; the world gives input steps only to players that have them.
  const Controls& Input() const;
  bool OnGround() const;
  float Total(int stat) const;
  // The air dash may be entered: the dash button pressed with an air dash left.
  bool AirDashReady() const;
  // Through the owner's adder, so that the levels follow.
  void CountStat(int stat, float delta);

 private:
  void EnterOnGround(const platform::Vector3& size, const Color4& barColor);
};
