#include "enemies/NidhoggletStates.h"

#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"

NidhoggletAggressiveStateIdling::NidhoggletAggressiveStateIdling(
    NidhoggletAggressive* newOwner, std::unique_ptr<Animation> animation)
    : ContactIdlingState(newOwner, L"Nidhogglet Aggressive: Idling", std::move(animation)) {}

NidhoggletAggressiveStateDead::NidhoggletAggressiveStateDead(NidhoggletAggressive* newOwner,
                                                             std::unique_ptr<Animation> animation)
    : StandingDeadState(newOwner, L"Nidhogglet Aggressive: Dead", std::move(animation)) {}

NidhoggletPassiveStateIdling::NidhoggletPassiveStateIdling(NidhoggletPassive* newOwner,
                                                           std::unique_ptr<Animation> animation)
    : StandingState(newOwner, L"Nidhogglet Passive: Idling", std::move(animation)) {}

NidhoggletPassiveStateDefending::NidhoggletPassiveStateDefending(
    NidhoggletPassive* newOwner, std::unique_ptr<Animation> animation)
    : StandingState(newOwner, L"Nidhogglet Passive: Defending", std::move(animation)) {}
