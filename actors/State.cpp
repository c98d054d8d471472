#include "actors/State.h"

#include "actors/Actor.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/VectorMath.h"

namespace {

// Mirrors the shape with the owner's sprite and puts it at the body plus the offset.
void PlaceWithOwner(Shape& shape, const Actor& owner, platform::Vector3 offset) {
  if (!owner.sprite || !owner.body) return;
  if (shape.flipHorizontal != owner.sprite->flipHorizontal) {
    shape.flipHorizontal = owner.sprite->flipHorizontal;
    shape.dirty = 1;
  }
  if (owner.sprite->flipHorizontal) offset.x = -offset.x;
  shape.SetPosition(owner.body->position + offset);
}

}  // namespace

State::State() = default;

State::~State() = default;

State::State(Actor* newOwner, std::unique_ptr<Animation> firstAnimation) : owner(newOwner) {
  if (firstAnimation) {
    animation = firstAnimation.get();
    animationLength = firstAnimation->length;
    animations.push_back(std::move(firstAnimation));
  }
}

void State::StepAnimation(float dt) {
  if (!animation) return;
  animation->Advance(dt);
  if (animation->totalTime < animation->length) return;
  if (animation->next) animation = animation->next;
  animation->Advance(0.0f);
}

void State::StepSequence(FrameSequence*& sequence, float dt) {
  if (!sequence) return;
  sequence->Advance(dt);
  if (sequence->totalTime < sequence->length) return;
  if (sequence->next) sequence = sequence->next;
  sequence->Advance(0.0f);
}

void State::UpdateShapeFrames(float dt) {
  if (!strikeFrames) return;
  strikeFrames->AdvanceShapeFrames(dt);
  if (strikeFrames->totalTime >= strikeFrames->length) {
    if (strikeFrames->next) strikeFrames = strikeFrames->next;
    strikeFrames->AdvanceShapeFrames(0.0f);
  }
}

void State::PlaceHitBox() {
  if (owner && owner->hitBox) PlaceWithOwner(*owner->hitBox, *owner, hitBoxOffset);
}

void State::PlaceStrikeShape() {
  if (!owner || !strikeFrames || !strikeFrames->current) return;
  StrikeShape* strike = strikeFrames->current->Strike();
  if (strike) PlaceWithOwner(*strike, *owner, strike->offset);
}

platform::Vector3 ComputeStrikeVector(const StrikeShape& strike, const Shape& target) {
  const float side = strike.flipHorizontal ? -1.0f : 1.0f;
  const platform::Vector3 from = strike.GetWorldPosition();
  platform::Vector3 d = target.position - from;
  d.x += side * strike.direction.x;
  d.y += strike.direction.y;
  d.z += strike.direction.z;
  return NormalizeVector2D(d) * strike.force;
}

float DamageAfterDefence(float damage, float defence) {
  float net = damage - defence;
  if (!(net <= damage)) net = damage;
  if (!(net >= 0.0f)) net = 0.0f;
  return net;
}
