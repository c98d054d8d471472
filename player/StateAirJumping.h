#pragma once

#include "player/StateAscending.h"

// A jump taken in mid-air: spends an air jump, rises afresh and then rises as any jump does.
class StateAirJumping : public StateAscending {
 public:
  StateAirJumping(Player* newOwner, Texture* texture);

  // The push up, the gust, one air jump spent and counted.
  void Enter() override;
};
