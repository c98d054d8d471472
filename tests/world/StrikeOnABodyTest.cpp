#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "collision/Collide.h"
#include "collision/Strike.h"
#include "enemies/EnemyState.h"
#include "engine/BitmapFonts.h"
#include "engine/Camera.h"
#include "engine/FloatingText.h"
#include "engine/GameState.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/Sound.h"
#include "engine/SoundSystem.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "support/GameHarness.h"
#include "support/TestWorld.h"

namespace {

using platform::Vector3;

constexpr float Gravity = 30.0f;
constexpr float StrikeDamage = 25.0f;
constexpr float FreezeTime = 0.1f;

// The target's state: it watches for the players' strikes.
class Standing : public EnemyState {
 public:
  explicit Standing(Actor* newOwner) : EnemyState(newOwner, nullptr) {}
  void Enter() override {}
  void Update(float dt) override {
    stateTime += dt;
    CheckIncomingHits();
  }
  void UpdateHeld(float) override {}
};

// The attacker's state: a wind-up, then a swing whose strike shape is in play until the state
// is left, which lets the strike hit again. The swing's sound rides on its effect frame.
class Swinging : public EnemyState {
 public:
  explicit Swinging(Actor* newOwner)
      : EnemyState(newOwner, nullptr),
        swingSound(MainSoundSystem->device.get(), "Content/Audio/Swing1v2.wav") {
    auto strike = std::make_unique<StrikeQuad>();
    strike->SetDimensions(1.2f, 0.8f, 0.0f);
    strike->SetFillColorRGBA(160, 255, 220, 0);
    strike->offset = {1.0f, 0.2f, 0.0f};
    strike->direction = {1.0f, 0.5f, 0.0f};
    strike->force = 2.0f;
    strike->damage = StrikeDamage;
    strike->freezeTime = FreezeTime;
    strike->owner = newOwner;
    auto swing = MakeFrameEntry(L"Swing pFrame2", 0.5f, strike.get(), nullptr);
    auto windUp = MakeFrameEntry(L"Swing pFrame1", 0.1f, strike.get(), swing.get());
    auto sequence = std::make_unique<FrameSequence>();
    sequence->frames = {windUp.get(), swing.get()};
    sequence->length = ChainLength(windUp.get());
    strikeFrames = sequence.get();
    sequences.push_back(std::move(sequence));
    entries.push_back(std::move(windUp));
    entries.push_back(std::move(swing));
    strikes.push_back(std::move(strike));

    auto heard = MakeFrameEntry(L"Swing sound", 0.5f, &swingSound, nullptr);
    auto quiet = MakeFrameEntry(L"Wind-up", 0.1f, FramePayload{}, heard.get());
    auto effects = std::make_unique<FrameSequence>();
    effects->frames = {quiet.get(), heard.get()};
    effects->length = ChainLength(quiet.get());
    effectFrames = effects.get();
    sequences.push_back(std::move(effects));
    entries.push_back(std::move(quiet));
    entries.push_back(std::move(heard));
  }
  void Enter() override {
    stateTime = 0.0f;
    for (FrameSequence* sequence : {strikeFrames, effectFrames}) {
      sequence->current = nullptr;
      sequence->frameTime = 0.0f;
      sequence->totalTime = 0.0f;
    }
    owner->world->playerStrikes.push_back(strikes.front().get());
  }
  void Exit() override {
    auto& list = owner->world->playerStrikes;
    list.erase(std::remove(list.begin(), list.end(), strikes.front().get()), list.end());
    for (HitShape* hit : strikes.front()->hitList) hit->Forget(strikes.front().get());
    strikes.front()->hitList.clear();
  }
  void Update(float dt) override {
    stateTime += dt;
    UpdateShapeFrames(dt);
    PlaceStrikeShape();
    const FrameEntry* before = effectFrames->current;
    effectFrames->Advance(dt);
    if (effectFrames->current == before) return;
    if (Sound* const* sound = std::get_if<Sound*>(&effectFrames->current->payload)) {
      (*sound)->SetPosition(owner->body->position);
      (*sound)->Play();
    }
  }
  void UpdateHeld(float) override {}

  Sound swingSound;
};

// A screen that runs the bodies as the world runs its actors and draws them.
class Arena : public GameState {
 public:
  explicit Arena(World& playing) : world(playing), attacker(&world, "Attacker"), target(&world) {
    SetName("Arena");
    world.gravity = Gravity;
    sky.SetPositionXYZ(0.0f, 0.0f, 0.0f);
    sky.SetDimensions(40.0f, 30.0f, 0.0f);
    sky.SetFillColorRGBA(255, 170, 200, 230);
    floor.SetFillColorRGBA(255, 110, 80, 50);

    for (Actor* actor : {static_cast<Actor*>(&attacker), static_cast<Actor*>(&target)}) {
      (*actor->stats)[Stat::Mass] = 1.0f;
      (*actor->stats)[Stat::MaxFallSpeed] = -40.0f;
      (*actor->stats)[Stat::DragFactor] = 0.1f;
      actor->RecomputeTotalStats();
      actor->RecomputeDerivedStats();
    }
    attacker.PlaceAt(-1.0f, -1.5f);
    attacker.bodyQuad.SetFillColorRGBA(255, 40, 60, 200);
    target.PlaceAt(0.6f, 3.0f);
    target.bodyQuad.SetFillColorRGBA(255, 200, 40, 40);
    attacker.state = &attackerIdle;
    target.state = &standing;
  }
  ~Arena() override {
    world.boundaries.clear();
    world.playerStrikes.clear();
    texts.texts.clear();
  }

  void Enter() override {}
  void HandleInput(float) override {}
  void HandleInputHeld(float) override {}
  void Update(float dt) override {
    attacker.Step(dt);
    target.Step(dt);
    texts.Update(dt);
  }
  void UpdateHeld(float) override {}
  void Draw() override {
    sky.Draw();
    floor.Draw();
    attacker.bodyQuad.Draw();
    target.bodyQuad.Draw();
    for (StrikeShape* strike : world.playerStrikes) strike->Draw();
    target.healthMeter->SetPosition(target.bodyQuad.position.x - 1.5f,
                                    target.bodyQuad.position.y + 1.6f, 0.0f);
    target.healthMeter->UpdateFill();
    target.healthMeter->Draw();
    texts.Draw();
  }
  void DrawDebugOverlay() override {}
  void DrawHeld() override { Draw(); }

  World& world;
  // The world's own list, drawn with the set's arc font.
  FloatingTextList& texts = *world.floatingTexts;
  Quad sky;
  BoundingQuad& floor = AddBoundaryQuad(world, 0.0f, -3.0f, 16.0f, 1.0f);  // top at y = -2.5
  WorldBody attacker;
  InertState attackerIdle;
  TestEnemy target;
  Standing standing{&target};
  Swinging swinging{&attacker};
};

TEST(StrikeOnABody, TheBodyFallsOntoTheFloorIsHitOnceAndShowsTheDamageRising) {
  GameHarness harness;
  ASSERT_TRUE(harness.Started());
  ASSERT_NE(GameStates->world, nullptr);
  Arena arena(*GameStates->world);
  EXPECT_EQ(arena.texts.font, GameStates->fontArc17pt.get()) << "the world's list has the arc font";
  GameState* before = GameStates->current;
  GameStates->current = &arena;
  MainCamera->eye = MainCamera->targetEye = {0.0f, 0.0f, -SpriteScaleNumerator};

  // Falling under gravity until the floor stops it.
  const float startY = arena.target.bodyQuad.position.y;
  harness.Step();
  EXPECT_LT(arena.target.bodyQuad.velocity.y, 0.0f);
  int frames = 1;
  for (; frames < 120 && !arena.target.onGround; ++frames) harness.Step();
  ASSERT_TRUE(arena.target.onGround) << "never landed";
  EXPECT_LT(arena.target.bodyQuad.position.y, startY);
  EXPECT_NEAR(arena.target.bodyQuad.position.y - 1.0f, -2.5f, 1e-4f);
  EXPECT_EQ(arena.target.bodyQuad.velocity.y, 0.0f);

  // The swing: one hit however long the strike overlaps the body.
  const float defence = arena.target.derived[Derived::Defense];
  const float expected = std::clamp(StrikeDamage - defence, 0.0f, StrikeDamage);
  ASSERT_GT(expected, 0.0f);
  arena.attacker.state = &arena.swinging;
  arena.swinging.Enter();
  bool overlapped = false;
  bool held = false;
  bool heard = false;
  ASSERT_TRUE(arena.swinging.swingSound.Loaded());
  auto swingFrame = [&] {
    harness.Step();
    heard = heard || arena.swinging.swingSound.IsPlaying();
    overlapped = overlapped || Collide(&arena.target.hitQuad, arena.swinging.strikes[0].get());
    held = held || arena.standing.holdTimer > 0.0f;
  };
  int frame = 0;
  for (; frame < 30 && arena.texts.texts.empty(); ++frame) swingFrame();
  ASSERT_EQ(arena.texts.texts.size(), 1u) << "never hit";
  const float shownAt = arena.texts.texts[0]->y;
  // Shown 1 above the body, and risen for the rest of that frame.
  EXPECT_NEAR(shownAt, arena.target.bodyQuad.position.y + 1.0f, 0.01f);
  for (int rise = 0; rise < 8; ++rise, ++frame) swingFrame();
  ASSERT_TRUE(harness.KeepFrame("strike.png"));
  // The number is drawn in black where it stands now.
  const FloatingText& number = *arena.texts.texts[0];
  const Vector3 at = WorldToScreen(number.x, number.y, number.z);
  int dark = 0;
  for (int y = static_cast<int>(at.y) - 12; y <= static_cast<int>(at.y) + 12; ++y) {
    for (int x = static_cast<int>(at.x) - 20; x <= static_cast<int>(at.x) + 20; ++x) {
      const uint32_t pixel = harness.Pixel(x, y);
      if ((pixel >> 16 & 0xFF) < 0x50 && (pixel >> 8 & 0xFF) < 0x50 && (pixel & 0xFF) < 0x50) {
        ++dark;
      }
    }
  }
  EXPECT_GT(dark, 10);
  for (; frame < 30; ++frame) swingFrame();
  EXPECT_TRUE(overlapped);
  EXPECT_TRUE(held);
  EXPECT_TRUE(heard);
  EXPECT_FLOAT_EQ(arena.target.healthMeter->value, TestEnemy::MeterMaximum - expected);
  ASSERT_EQ(arena.texts.texts.size(), 1u);
  EXPECT_EQ(arena.texts.texts[0]->text, std::to_string(TruncateToInt(expected)));
  EXPECT_GT(arena.texts.texts[0]->y, shownAt);

  // Once the swing is left, the next one hits again.
  arena.swinging.Exit();
  arena.swinging.Enter();
  for (int frame = 0; frame < 30; ++frame) harness.Step();
  EXPECT_LT(arena.target.healthMeter->value, TestEnemy::MeterMaximum - expected);
  arena.swinging.Exit();

  GameStates->current = before;
}

}  // namespace
