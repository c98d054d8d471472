#pragma once

#include <memory>

#include "enemies/StandingStates.h"

class DemoWall;

// Stands in the way and takes the players' strikes without being pushed.
class DemoWallStateIdling : public ContactIdlingState {
 public:
  DemoWallStateIdling(DemoWall* newOwner, std::unique_ptr<Animation> animation);

 protected:
  void TakeHits() override;
};

// Broken: the block has no size, so the way is open.
class DemoWallStateDead : public StandingDeadState {
 public:
  DemoWallStateDead(DemoWall* newOwner, std::unique_ptr<Animation> animation);

  void Enter() override;

 private:
  DemoWall& wall;
};
