#include <array>

#include "engine/Texture.h"
#include "player/AttackStates.h"
#include "player/CrouchStates.h"
#include "player/DeathStates.h"
#include "player/EvasionStates.h"
#include "player/GuardStates.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"
#include "player/StateAirDashing.h"
#include "player/StateAirJumping.h"
#include "player/StateAscending.h"
#include "player/StateFalling.h"
#include "player/StateGodModing.h"
#include "player/StateGroundDashing.h"
#include "player/StateIdling.h"
#include "player/StateLanding.h"
#include "player/StateSpeakWalking.h"
#include "player/StateSpeaking.h"
#include "player/StateStill.h"
#include "player/StateWalking.h"
#include "player/StateWallJumping.h"
#include "player/StateWallSliding.h"

namespace {

using StateFactory = std::unique_ptr<PlayerState> (*)(Player*, Texture*);

template <typename StateClass>
std::unique_ptr<PlayerState> Make(Player* owner, Texture* texture) {
  return std::make_unique<StateClass>(owner, texture);
}

// One maker per entry, in table order.
constexpr std::array<StateFactory, PlayerStateCount> StateFactories = {
    Make<StateIdling>,
    Make<StateWalking>,
    Make<StateDucking>,
    Make<StateCrouching>,
    Make<StateDodging>,
    Make<StateCrouchWalking>,
    Make<StateRolling>,
    Make<StateRollRecovering>,
    Make<StateStanding>,
    Make<StateGuarding>,
    Make<StateGuardBreak1Up>,
    Make<StateGuardBreak1Down>,
    Make<StateGuardBreak2Up>,
    Make<StateGuardBreak2Down>,
    Make<StateGuardBreak3Up>,
    Make<StateGuardBreak3Down>,
    Make<StateGroundJumping>,
    Make<StateAirJumping>,
    Make<StateFalling>,
    Make<StateLanding>,
    Make<StateWallSliding>,
    Make<StateWallJumping>,
    Make<StateGroundDashing>,
    Make<StateAirDashing>,
    Make<StateGodModing>,
    Make<StateGroundAttacking1>,
    Make<StateUpAttacking>,
    Make<StateDownAttacking>,
    Make<StateGroundDashAttacking>,
    Make<StateNeutralAirAttacking>,
    Make<StateForwardAirAttacking>,
    Make<StateUpAirAttacking>,
    Make<StateDownAirAttacking>,
    Make<StateSpeaking>,
    Make<StateSpeakWalking>,
    Make<StateStill>,
    Make<StateAscending>,
    Make<StateDying>,
    Make<StateRespawning>,
};

}  // namespace

void Player::CreateStates(const std::vector<std::unique_ptr<Texture>>& textures) {
  for (int entry = 0; entry < PlayerStateCount; ++entry) {
    const auto sheet = static_cast<size_t>(PlayerStatePlans()[static_cast<PlayerStateSlot>(entry)].sheet);
    Texture* texture = sheet < textures.size() ? textures[sheet].get() : nullptr;
    states[entry] = StateFactories[entry](this, texture);
  }
}
