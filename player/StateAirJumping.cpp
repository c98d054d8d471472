#include "player/StateAirJumping.h"

#include "engine/Sound.h"
#include "player/Player.h"

StateAirJumping::StateAirJumping(Player* newOwner, Texture* texture)
    : StateAscending(newOwner, texture, SlotAirJumping) {}

void StateAirJumping::Enter() {
  StateAscending::Enter();
  PushUp();
  SoundAtBody(Player::SoundGust2).Play();
  CountStat(Stat::AirJumpCount, -1.0f);
  CountStat(Stat::StatAirJumps, 1.0f);
}
