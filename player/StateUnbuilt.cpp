#include "player/StateUnbuilt.h"

#include "engine/BarMeter.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"

StateUnbuilt::StateUnbuilt(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : PlayerState(newOwner, texture, entry) {
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
