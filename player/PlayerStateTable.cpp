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
#include "player/StateUnbuilt.h"
#include "player/StateWalking.h"
#include "player/StateWallJumping.h"
#include "player/StateWallSliding.h"

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
      case SlotDucking:
        states[entry] = std::make_unique<StateDucking>(this, texture);
        break;
      case SlotCrouching:
        states[entry] = std::make_unique<StateCrouching>(this, texture);
        break;
      case SlotCrouchWalking:
        states[entry] = std::make_unique<StateCrouchWalking>(this, texture);
        break;
      case SlotStanding:
        states[entry] = std::make_unique<StateStanding>(this, texture);
        break;
      case SlotDodging:
        states[entry] = std::make_unique<StateDodging>(this, texture);
        break;
      case SlotRolling:
        states[entry] = std::make_unique<StateRolling>(this, texture);
        break;
      case SlotRollRecovering:
        states[entry] = std::make_unique<StateRollRecovering>(this, texture);
        break;
      case SlotGuarding:
        states[entry] = std::make_unique<StateGuarding>(this, texture);
        break;
      case SlotGuardBreak1Up:
        states[entry] = std::make_unique<StateGuardBreak1Up>(this, texture);
        break;
      case SlotGuardBreak1Down:
        states[entry] = std::make_unique<StateGuardBreak1Down>(this, texture);
        break;
      case SlotGuardBreak2Up:
        states[entry] = std::make_unique<StateGuardBreak2Up>(this, texture);
        break;
      case SlotGuardBreak2Down:
        states[entry] = std::make_unique<StateGuardBreak2Down>(this, texture);
        break;
      case SlotGuardBreak3Up:
        states[entry] = std::make_unique<StateGuardBreak3Up>(this, texture);
        break;
      case SlotGuardBreak3Down:
        states[entry] = std::make_unique<StateGuardBreak3Down>(this, texture);
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
      case SlotDying:
        states[entry] = std::make_unique<StateDying>(this, texture);
        break;
      case SlotRespawning:
        states[entry] = std::make_unique<StateRespawning>(this, texture);
        break;
      default:
        // The states still to come stand on the ground and refill the air moves.
        states[entry] = std::make_unique<StateUnbuilt>(this, texture, slot);
        break;
    }
  }
}
