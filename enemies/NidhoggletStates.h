#pragma once

#include <memory>

#include "enemies/StandingStates.h"

class NidhoggletAggressive;
class NidhoggletPassive;

// Stands and takes the players' strikes until its health is gone.
class NidhoggletAggressiveStateIdling : public ContactIdlingState {
 public:
  NidhoggletAggressiveStateIdling(NidhoggletAggressive* newOwner,
                                  std::unique_ptr<Animation> animation);
};

// Lies dead; paid the first player on entry.
class NidhoggletAggressiveStateDead : public StandingDeadState {
 public:
  NidhoggletAggressiveStateDead(NidhoggletAggressive* newOwner,
                                std::unique_ptr<Animation> animation);
};

// Plays the idle loop for good.
class NidhoggletPassiveStateIdling : public StandingState {
 public:
  NidhoggletPassiveStateIdling(NidhoggletPassive* newOwner, std::unique_ptr<Animation> animation);
};

// Holds its defending pose; nothing leads here.
class NidhoggletPassiveStateDefending : public StandingState {
 public:
  NidhoggletPassiveStateDefending(NidhoggletPassive* newOwner,
                                  std::unique_ptr<Animation> animation);
};
