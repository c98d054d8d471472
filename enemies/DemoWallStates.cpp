#include "enemies/DemoWallStates.h"

#include "collision/Boundary.h"
#include "enemies/DemoWall.h"

// Both states show the Nidhogglet's labels, as the wall was made from it.
DemoWallStateIdling::DemoWallStateIdling(DemoWall* newOwner, std::unique_ptr<Animation> animation)
    : ContactIdlingState(newOwner, L"Nidhogglet Aggressive: Idling", std::move(animation)) {}

void DemoWallStateIdling::TakeHits() { CheckIncomingHits(KnockBack::None); }

DemoWallStateDead::DemoWallStateDead(DemoWall* newOwner, std::unique_ptr<Animation> animation)
    : StandingDeadState(newOwner, L"Nidhogglet Aggressive: Dead", std::move(animation)),
      wall(*newOwner) {}

void DemoWallStateDead::Enter() {
  StandingDeadState::Enter();
  // A shape without size collides with nothing.
  if (BoundingQuad* block = wall.Block()) block->SetDimensions(0.0f, 0.0f, 0.0f);
}
