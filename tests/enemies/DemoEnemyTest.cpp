#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoEnemyAttackStates.h"
#include "enemies/DemoEnemyStates.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "tests/enemies/RatatoskrWorld.h"

namespace {

using platform::Vector3;

constexpr float Tick = 1.0f / 30.0f;
constexpr float OnFloor = DemoEnemy::BodySize.y / 2;

class DemoEnemyTest : public RatatoskrWorld {
 protected:
  std::unique_ptr<DemoEnemy> enemy = Make<DemoEnemy>(0.0f, OnFloor);
};

std::string Narrow(const std::wstring& text) { return {text.begin(), text.end()}; }

TEST_F(DemoEnemyTest, EachStateCarriesItsName) {
  const wchar_t* const names[DemoEnemyStateCount] = {L"Demo Enemy: Idling",
                                                     L"Demo Enemy: Dashing",
                                                     L"Demo Enemy: Back Dashing",
                                                     L"Demo Enemy: Dodging",
                                                     L"Demo Enemy: Guarding",
                                                     L"Demo Enemy: Guard Break - Up",
                                                     L"Demo Enemy: Guard Break - Down",
                                                     L"Demo Enemy: Jumping",
                                                     L"Demo Enemy: Falling",
                                                     L"Demo Enemy: Air Dashing",
                                                     L"Demo Enemy: Forward Attacking",
                                                     L"Demo Enemy: Down Attacking",
                                                     L"Demo Enemy: Up Attacking",
                                                     L"Demo Enemy: Neutral Air Attacking",
                                                     L"Demo Enemy: Forward Air Attacking",
                                                     L"Demo Enemy: Down Air Attacking",
                                                     L"Demo Enemy: Up Air Attacking",
                                                     L"Demo Enemy: Downed"};
  for (int id = 0; id < DemoEnemyStateCount; ++id) {
    const DemoEnemyState* state = enemy->GetState(id);
    ASSERT_NE(state, nullptr) << id;
    EXPECT_EQ(state->name, names[id]) << id;
  }
}

TEST_F(DemoEnemyTest, ItsPoolGivesEachStateItsAnimation) {
  auto pool = Enemy::CreateAnimationPool(*world.enemyResources, DemoEnemy::Kind);
  ASSERT_NE(dynamic_cast<DemoEnemyAnimationPool*>(pool.get()), nullptr);
  const std::map<int, float> chains = {{10, 0.33333334f}, {11, 0.36666667f}, {12, 0.33333334f},
                                       {13, 0.3f},        {14, 0.4f},        {15, 0.46666667f},
                                       {16, 0.4f}};
  // The frame each id starts on, in id order.
  const char* const firsts[DemoEnemyStateCount] = {"idleFrame1",
                                                   "dashFrame1",
                                                   "backDashFrame1",
                                                   "dodgeFrame1",
                                                   "guardFrame1",
                                                   "guardBreakUpFrame1",
                                                   "guardBreakDownFrame1",
                                                   "jumpFrame1",
                                                   "fallFrame1",
                                                   "airDashFrame1",
                                                   "m_forwardAttackFrame1",
                                                   "m_downAttackFrame1",
                                                   "m_upAttackFrame1",
                                                   "m_neutralAirAttackFrame1",
                                                   "m_forwardAirAttackFrame1",
                                                   "m_downAirAttackFrame1",
                                                   "upAirAttackFrame1",
                                                   "downedFrame1"};
  for (int id = 0; id < DemoEnemyStateCount; ++id) {
    auto animation = pool->GetAnimation(id);
    ASSERT_NE(animation, nullptr) << id;
    EXPECT_EQ(Narrow(animation->frames.front()->name), firsts[id]) << id;
    EXPECT_EQ(animation->loop, 0);
    const bool chain = chains.count(id) > 0;
    EXPECT_EQ(animation->frames.size(), chain ? 8u : 1u) << id;
    EXPECT_EQ(animation->length, chain ? chains.at(id) : Tick) << id;
  }
  EXPECT_EQ(pool->GetAnimation(18), nullptr);
  EXPECT_EQ(pool->GetAnimation(-1), nullptr);

  // A chain plays once and stays on its last frame; a pose stays on its only one.
  auto forward = pool->GetAnimation(DemoEnemyForwardAttacking);
  auto idle = pool->GetAnimation(DemoEnemyIdling);
  for (int step = 0; step < 30; ++step) {
    forward->Advance(Tick);
    idle->Advance(Tick);
  }
  EXPECT_EQ(Narrow(forward->current->name), "m_forwardAttackFrame8");
  EXPECT_EQ(Narrow(idle->current->name), "idleFrame1");
}

TEST_F(DemoEnemyTest, ItStartsIdleWithFullMetersAndItsStrikesAsDrawnUp) {
  EXPECT_EQ(enemy->state, enemy->GetState(DemoEnemyIdling));
  // A guard break shows the stamina meter red; every other entry sets its green back.
  for (int index : {DemoEnemyGuardBreakDown, DemoEnemyIdling, DemoEnemyGuardBreakUp,
                    DemoEnemyFalling}) {
    enemy->SwitchState(index);
    const bool broken = index == DemoEnemyGuardBreakDown || index == DemoEnemyGuardBreakUp;
    EXPECT_EQ(enemy->staminaMeter->fill->GetColor(),
              (broken ? Color4{200, 128, 0, 0} : Color4{200, 0, 128, 0}))
        << index;
  }

  // Width and height on the screen in pixels (a circle's radius in world units), offset,
  // bias, force, damage and hit-stop.
  struct Drawn {
    int index;
    float width, height;
    Vector3 offset, bias;
    float force, damage, freeze;
  };
  const Drawn drawn[] = {
      {DemoEnemyForwardAttacking, 155, 99, {2.0f, -0.65f, 0}, {12, 0, 0}, 4.3f, 5, 0.06f},
      {DemoEnemyDownAttacking, 230, 72, {0, -0.77f, 0}, {0, -7, 0}, 15.3f, 4, 0.06f},
      {DemoEnemyUpAttacking, 104, 171, {-0.08f, 0.5f, 0}, {0, 23, 0}, 6.3f, 4, 0.06f},
      {DemoEnemyNeutralAirAttacking, 2.05f, 0, {0.2f, 0.2f, 0}, {}, 9.3f, 3, 0.04f},
      {DemoEnemyForwardAirAttacking, 187, 78, {0.55f, 0.08f, 0}, {12, 10, 0}, 4.3f, 4, 0.06f},
      {DemoEnemyDownAirAttacking, 113, 153, {-0.05f, -0.6f, 0}, {0, -10, 0}, 8.3f, 5, 0.06f},
      {DemoEnemyUpAirAttacking, 138, 209, {-0.27f, 0.93f, 0}, {0, 20, 0}, 6.3f, 4, 0.06f},
  };
  for (const Drawn& d : drawn) {
    auto& attack = static_cast<DemoEnemyAttackState&>(*enemy->GetState(d.index));
    const StrikeShape& strike = *attack.LiveStrike();
    SCOPED_TRACE(Narrow(attack.name));
    if (const auto* circle = dynamic_cast<const Circle*>(&strike)) {
      EXPECT_EQ(circle->radius, d.width);
    } else {
      const auto& quad = dynamic_cast<const Quad&>(strike);
      EXPECT_NEAR(quad.width, ScreenSizeToWorld(d.width, 0.0f), 1e-4f);
      EXPECT_NEAR(quad.height, ScreenSizeToWorld(d.height, 0.0f), 1e-4f);
    }
    EXPECT_EQ(strike.offset, d.offset);
    EXPECT_EQ(strike.direction, d.bias);
    EXPECT_EQ(strike.force, d.force);
    EXPECT_EQ(strike.damage, d.damage);
    EXPECT_EQ(strike.staminaDamage, 0.0f);
    EXPECT_EQ(strike.freezeTime, d.freeze);
    EXPECT_FLOAT_EQ(strike.reach, std::hypot(d.offset.x, d.offset.y) + strike.extent);
    // Only the middle strike frame carries it.
    const FrameSequence& frames = *attack.strikeFrames;
    ASSERT_EQ(frames.frames.size(), 3u);
    EXPECT_EQ(frames.frames[1]->Strike(), &strike);
    EXPECT_NE(frames.frames[0]->Strike(), &strike);
    EXPECT_EQ(frames.frames[0]->Strike(), frames.frames[2]->Strike());
    EXPECT_EQ(Narrow(attack.effectFrames->frames[1]->name), "Ground Attack sFrame2");
  }
}

TEST_F(DemoEnemyTest, CeilingsStopItsRiseOnlyInACornerAndNothingStopsItSideways) {
  enemy->SwitchState(DemoEnemyJumping);
  BoundingQuad& ceiling = AddBoundaryQuad(world, 0.0f, 5.0f, 20.0f, 1.0f);
  // Its head 0.1 into the ceiling, rising: held down, still rising.
  enemy->body->SetPositionXYZ(0.0f, 4.5f - OnFloor + 0.1f, 0.0f);
  enemy->body->velocity = {0.0f, 6.0f, 0.0f};
  enemy->StepPhysics(Frame);
  EXPECT_EQ(enemy->body->velocity.y, 6.0f);
  EXPECT_EQ(enemy->groundContact, &ceiling) << "any vertical push counts as ground";

  // The same against a wall at its side: the rise stops, the sideways speed only drags.
  AddBoundaryQuad(world, 1.1f, 3.0f, 1.0f, 4.0f);
  enemy->body->SetPositionXYZ(0.0f, 4.5f - OnFloor + 0.1f, 0.0f);
  enemy->body->velocity = {3.0f, 6.0f, 0.0f};
  enemy->StepPhysics(Frame);
  EXPECT_EQ(enemy->body->velocity.y, 0.0f);
  EXPECT_GT(enemy->body->velocity.x, 1.0f);
  EXPECT_NE(enemy->wallContact, nullptr);
}

TEST_F(DemoEnemyTest, ItsDashCreepsAgainstTheGroundsDragAndEndsEveryFrameAtRest) {
  PlacePlayer(10.0f, 1.0f);
  for (int frame = 0; frame < 3; ++frame) enemy->Update(Frame);
  ASSERT_EQ(enemy->state, enemy->GetState(DemoEnemyDashing));
  for (int frame = 0; frame < 10; ++frame) {
    const float x = enemy->body->position.x;
    enemy->Update(Frame);
    EXPECT_NEAR(enemy->body->position.x - x, 80.0f * Frame * Frame, 1e-5f);
    EXPECT_EQ(enemy->body->velocity.x, 0.0f);
    EXPECT_NEAR(enemy->body->position.y, OnFloor, 0.02f);
  }
}

}  // namespace
