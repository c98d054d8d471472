#include "player/StateGodModing.h"

#include "engine/Controls.h"
#include "player/Player.h"

namespace {

// Velocity per second of the input step's time: the flight's speed follows the frame rate.
constexpr float FlightRate = 350.0f;

}  // namespace

StateGodModing::StateGodModing(Player* newOwner, Texture* texture)
    : PlayerState(newOwner, texture, SlotGodModing) {}

void StateGodModing::Enter() {
  TakeBodySize(player->standingSize);
  // A hit box without extent collides with nothing.
  player->hitBox->SetDimensions(0.0f, 0.0f, 0.0f);
  RefillAirMoves();
  ResetTimers();
  SetStaminaBarColor(StaminaBarGreen);
}

void StateGodModing::HandleInput(float dt) {
  if (!GodModeKeyHeld()) {
    SwitchTo(SlotFalling);
    CloseStep();
    return;
  }
  const Controls& input = Input();
  const float step = FlightRate * dt;
  platform::Vector3& velocity = player->body->velocity;
  velocity = {};
  if (input.IsLeftHeld()) {
    player->facing = -1;
    velocity.x -= step;
  }
  if (input.IsRightHeld()) {
    player->facing = 1;
    velocity.x += step;
  }
  if (input.IsUpHeld()) velocity.y += step;
  if (input.IsDownHeld()) velocity.y -= step;
}

void StateGodModing::Update(float dt) {
  stateTime += dt;
  StepAnimation(dt);
}
