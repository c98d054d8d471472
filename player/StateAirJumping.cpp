#include "player/StateAirJumping.h"

#include <algorithm>

#include "engine/Sound.h"
#include "player/Player.h"

StateAirJumping::StateAirJumping(Player* newOwner, Texture* texture)
    : AirborneState(newOwner, texture, SlotAirJumping) {}

void StateAirJumping::Enter() {
  TakeBodySize(player->standingSize);
  ResetTimers();
  SetStaminaBarColor(StaminaBarGreen);
  // A fall stops first; a rise keeps its speed and adds the jump.
  float& vy = player->body->velocity.y;
  vy = std::max(vy, 0.0f) + Total(Stat::JumpStrength);
  SoundAtBody(Player::SoundGust2).Play();
  CountStat(Stat::AirJumpCount, -1.0f);
  CountStat(Stat::StatAirJumps, 1.0f);
}
