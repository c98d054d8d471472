#include <algorithm>
#include <array>

#include "engine/Texture.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"
#include "player/StateAirDashing.h"
#include "player/StateAirJumping.h"
#include "player/StateFalling.h"
#include "player/StateGodModing.h"
#include "player/StateGroundDashing.h"
#include "player/StateIdling.h"
#include "player/StateLanding.h"
#include "player/StateUnbuilt.h"
#include "player/StateWalking.h"
#include "player/StateWallJumping.h"
#include "player/StateWallSliding.h"

namespace {

// The airborne states and the guard breaks only lower the air moves; the up attack keeps them.
constexpr std::array<PlayerStateSlot, 12> LoweringSlots = {
    SlotGuardBreak1Up,       SlotGuardBreak1Down,     SlotGuardBreak2Up,
    SlotGuardBreak2Down,     SlotGuardBreak3Up,       SlotGuardBreak3Down,
    SlotGroundJumping,       SlotNeutralAirAttacking, SlotForwardAirAttacking,
    SlotUpAirAttacking,      SlotDownAirAttacking,    SlotAscending,
};

StateUnbuilt::Limits LimitsOf(PlayerStateSlot slot) {
  if (slot == SlotUpAttacking) return StateUnbuilt::Limits::Keep;
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
      case SlotAirJumping:
        states[entry] = std::make_unique<StateAirJumping>(this, texture);
        break;
      case SlotFalling:
        states[entry] = std::make_unique<StateFalling>(this, texture);
        break;
      case SlotLanding:
        states[entry] = std::make_unique<StateLanding>(this, texture);
        break;
      case SlotWallSliding:
        states[entry] = std::make_unique<StateWallSliding>(this, texture);
        break;
      case SlotWallJumping:
        states[entry] = std::make_unique<StateWallJumping>(this, texture);
        break;
      case SlotGroundDashing:
        states[entry] = std::make_unique<StateGroundDashing>(this, texture);
        break;
      case SlotAirDashing:
        states[entry] = std::make_unique<StateAirDashing>(this, texture);
        break;
      case SlotGodModing:
        states[entry] = std::make_unique<StateGodModing>(this, texture);
        break;
      default:
        states[entry] = std::make_unique<StateUnbuilt>(this, texture, slot, LimitsOf(slot));
        break;
    }
  }
}
