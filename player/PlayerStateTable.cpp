#include <algorithm>
#include <array>

#include "engine/Texture.h"
#include "player/AttackStates.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"
#include "player/StateAscending.h"
#include "player/StateIdling.h"
#include "player/StateUnbuilt.h"
#include "player/StateWalking.h"

namespace {

// The airborne states and the guard breaks only lower the air moves.
constexpr std::array<PlayerStateSlot, 9> LoweringSlots = {
    SlotGuardBreak1Up,   SlotGuardBreak1Down, SlotGuardBreak2Up,
    SlotGuardBreak2Down, SlotGuardBreak3Up,   SlotGuardBreak3Down,
    SlotAirJumping,      SlotFalling,         SlotAirDashing,
};

StateUnbuilt::Limits LimitsOf(PlayerStateSlot slot) {
  const bool lowers = std::find(LoweringSlots.begin(), LoweringSlots.end(), slot) != LoweringSlots.end();
  return lowers ? StateUnbuilt::Limits::Lower : StateUnbuilt::Limits::Refill;
}

}  // namespace

void Player::CreateStates(const std::vector<std::unique_ptr<Texture>>& textures) {
  for (int entry = 0; entry < PlayerStateCount; ++entry) {
    const auto slot = static_cast<PlayerStateSlot>(entry);
    const auto sheet = static_cast<size_t>(PlayerStateSpecs()[slot].sheet);
    Texture* texture = sheet < textures.size() ? textures[sheet].get() : nullptr;
    switch (slot) {
      case SlotIdling:
        states[entry] = std::make_unique<StateIdling>(this, texture);
        break;
      case SlotWalking:
        states[entry] = std::make_unique<StateWalking>(this, texture);
        break;
      case SlotGroundJumping:
        states[entry] = std::make_unique<StateGroundJumping>(this, texture);
        break;
      case SlotGroundAttacking1:
        states[entry] = std::make_unique<StateGroundAttacking1>(this, texture);
        break;
      case SlotUpAttacking:
        states[entry] = std::make_unique<StateUpAttacking>(this, texture);
        break;
      case SlotDownAttacking:
        states[entry] = std::make_unique<StateDownAttacking>(this, texture);
        break;
      case SlotGroundDashAttacking:
        states[entry] = std::make_unique<StateGroundDashAttacking>(this, texture);
        break;
      case SlotNeutralAirAttacking:
        states[entry] = std::make_unique<StateNeutralAirAttacking>(this, texture);
        break;
      case SlotForwardAirAttacking:
        states[entry] = std::make_unique<StateForwardAirAttacking>(this, texture);
        break;
      case SlotUpAirAttacking:
        states[entry] = std::make_unique<StateUpAirAttacking>(this, texture);
        break;
      case SlotDownAirAttacking:
        states[entry] = std::make_unique<StateDownAirAttacking>(this, texture);
        break;
      case SlotAscending:
        states[entry] = std::make_unique<StateAscending>(this, texture);
        break;
      default:
        states[entry] = std::make_unique<StateUnbuilt>(this, texture, slot, LimitsOf(slot));
        break;
    }
  }
}
