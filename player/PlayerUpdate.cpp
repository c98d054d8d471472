#include <algorithm>
#include <cmath>

#include "actors/Playfield.h"
#include "player/Player.h"
#include "player/PlayerState.h"

using platform::Vector3;

void Player::Update(float dt) {
  PlayerState* current = CurrentState();
  if (!current) return;
  const Vector3 oldPosition = body->position;
  const bool stoodOnGround = groundContact != nullptr;
  current->holdTimer = std::max(current->holdTimer - dt, 0.0f);
  if (current->holdTimer == 0.0f) {
    current->Update(dt);
  } else {
    current->UpdateHeld(dt);
  }
  // A switch made by the state's step holds for the rest of the frame.
  body->Move(dt);
  StepPhysics(dt);
  CurrentState()->PlaceStrikeShape();
  CurrentState()->PlaceHitBox();
  UpdateSprite();
  CountMovementStats(dt, stoodOnGround, oldPosition);
  UpdateMeters(dt);
}

void Player::StepPhysics(float dt) {
  const bool stoodOnGround = groundContact != nullptr;
  BoundingShape* touched = nullptr;
  const Vector3 push = world ? world->CollideWithBoundaries(body, &touched) : Vector3{};
  displacement = push;
  body->SetPosition(body->position + push);
  const Vector3 velocity = body->velocity;
  groundContact = nullptr;
  wallContact = nullptr;
  // A boundary circle is never a wall.
  if (push.x != 0.0f && touched && touched->type == ShapeTypeQuad) {
    wallContact = dynamic_cast<BoundingQuad*>(touched);
  }
  const bool landed = push.y > 0.0f && velocity.y <= 0.0f;
  if (landed && touched) groundContact = touched;
  if (push.x != 0.0f) body->velocity.x = 0.0f;
  if (push.y < 0.0f && velocity.y > 0.0f) body->velocity.y = 0.0f;
  if (landed || groundContact) body->velocity.y = 0.0f;
  // Walking off a step or down a slope keeps the feet on the ground just below.
  if (!groundContact && stoodOnGround && body->velocity.y <= 0.0f) ProbeGround();
  onGround = groundContact ? 1 : 0;
  if (groundContact) {
    ApplyDrag(dt);
  } else {
    ApplyAirDrag(dt);
  }
}

void Player::UpdateSprite() {
  const PlayerState* current = CurrentState();
  const Animation* shown = current->animation;
  if (shown && shown->current) SetSourceRectFromFrame(*bodySprite, *shown->current);
  if (facing == -1 && !bodySprite->flipHorizontal) {
    bodySprite->flipHorizontal = 1;
    bodySprite->dirty = 1;
  } else if (facing == 1 && bodySprite->flipHorizontal) {
    bodySprite->flipHorizontal = 0;
    bodySprite->dirty = 1;
  }
  bodySprite->SetPosition(body->position + current->spriteOffset);
}

void Player::CountMovementStats(float dt, bool stoodOnGround, Vector3 oldPosition) {
  AddGainedStat250(dt);
  const float dx = oldPosition.x - body->position.x;
  const float dy = oldPosition.y - body->position.y;
  const float distance = std::sqrt(dx * dx + dy * dy);
  if (stoodOnGround && groundContact) {
    AddGainedStat51(distance);
    AddGainedStat53(dt);
  } else {
    AddGainedStat52(distance);
    AddGainedStat54(dt);
  }
}
