#include "player/StateUnbuilt.h"

#include "engine/BarMeter.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"

StateUnbuilt::StateUnbuilt(Player* newOwner, Texture* texture, PlayerStateSlot entry,
                           Limits limits)
    : PlayerState(newOwner, texture, entry), limits_(limits) {
  name += L" (not built yet)";
}

void StateUnbuilt::Enter() {
  TakeBodySize(BodySize(PlayerStateSpecs()[slot].body));
  ResetTimers();
}

void StateUnbuilt::HandleInput(float) {
  if (OnGround() && player->healthMeter->value > 0.0f) SwitchTo(SlotIdling);
  CloseStep();
}

void StateUnbuilt::Update(float dt) {
  UpdatePassive(dt);
  CloseStep();
}

void StateUnbuilt::SetMovementLimits() {
  if (limits_ == Limits::Refill) RefillAirMoves();
  if (limits_ == Limits::Lower) ApplyStatLimits();
}
