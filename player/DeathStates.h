#pragma once

#include "engine/Color4.h"
#include "player/PlayerState.h"

// Death in death mode 0: the death screen takes over and keeps the world running; the dying
// player only falls and animates until that screen brings it back.
class StateDying : public PlayerState {
 public:
  StateDying(Player* newOwner, Texture* texture);

  void Enter() override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}
};

// Death in death mode 1: the player's picture fades out over two seconds in the running world,
// then the player comes back at the map's spawn point with full health and stamina, keeping
// the velocity it died with.
class StateRespawning : public PlayerState {
 public:
  static constexpr float Duration = 2.0f;

  StateRespawning(Player* newOwner, Texture* texture);

  void Enter() override;
  // Whichever road leaves the state (its own end, a new game, a portal, a conversation), the
  // fade ends and the picture is whole again.
  void Exit() override;
  void Update(float dt) override;
  void UpdateHeld(float) override {}

  // Fades the picture from its colour now to the target over the time.
  void StartFade(const Color4& target, float seconds);
  // The fade's colour after dt more seconds; the target itself once it is over.
  Color4 StepFade(float dt);

  bool fading = true;
  float fadeDuration = 0.0f;
  float fadeElapsed = 0.0f;
  Color4 fadeTarget;
  // Alpha, red, green and blue so far, and their change per second.
  float fadeChannels[4] = {};
  float fadeRates[4] = {};
};
