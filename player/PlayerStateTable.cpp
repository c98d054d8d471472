#include <algorithm>
#include <array>

#include "engine/Texture.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"
#include "player/StateIdling.h"
#include "player/StateUnbuilt.h"
#include "player/StateWalking.h"

namespace {

// The airborne states and the guard breaks only lower the air moves; the up attack keeps them.
constexpr std::array<PlayerStateSlot, 15> LoweringSlots = {
    SlotGuardBreak1Up,     SlotGuardBreak1Down,     SlotGuardBreak2Up,
    SlotGuardBreak2Down,   SlotGuardBreak3Up,       SlotGuardBreak3Down,
    SlotGroundJumping,     SlotAirJumping,          SlotFalling,
    SlotAirDashing,        SlotNeutralAirAttacking, SlotForwardAirAttacking,
    SlotUpAirAttacking,    SlotDownAirAttacking,    SlotAscending,
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
      default:
        states[entry] = std::make_unique<StateUnbuilt>(this, texture, slot, LimitsOf(slot));
        break;
    }
  }
}
