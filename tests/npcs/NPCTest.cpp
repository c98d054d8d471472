#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "engine/BarMeter.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "npcs/NPCState.h"
#include "player/Player.h"
#include "support/TestWorld.h"
#include "tests/enemies/GainedSheet.h"

using platform::Vector3;

namespace {

constexpr int Hazel = 4;
constexpr int Carolyn = 1;
constexpr float HazelHeight = 2.64f;

// A world with a long floor whose top is y = 0, its NPC pool, and its first player standing
// where it is put, left out of the actors that a frame updates.
class NPCWorld : public ::testing::Test {
 protected:
  static constexpr float Gravity = 40.0f;
  static constexpr float Frame = 1.0f / 60.0f;

  NPCWorld()
      : world(nullptr, nullptr),
        floor(&AddBoundaryQuad(world, 0.0f, -0.5f, 200.0f, 1.0f)),
        player(*world.GetFirstPlayer()) {
    SetInterfaceColors();
    world.gravity = Gravity;
    std::erase(world.actors, static_cast<Actor*>(&player));
    PlacePlayer(0.0f);
  }

  void PlacePlayer(float x) {
    player.body->SetPositionXYZ(x, 1.0f, 0.0f);
    player.body->previousPosition = player.body->position;
  }

  // As the map reader places one: updated with the world's actors.
  NPC* Place(int kind, float x, float y) {
    return &world.PlaceCharacter(world.npcResources->Place(kind, {x, y, 0.0f}));
  }

  void Step(int frames = 1) {
    for (int frame = 0; frame < frames; ++frame) {
      for (Actor* actor : world.actors) actor->Update(Frame);
    }
  }

  World world;
  BoundingQuad* floor;
  Player& player;
};

}  // namespace

TEST(NPCCast, TheNineteenAreFoundByTheirExactNamesAndNameTheirParts) {
  World world(nullptr, nullptr);
  const NPCResources& pool = *world.npcResources;
  struct Case {
    const char* name;
    int kind;
  };
  for (const Case& test : {Case{"Jennifer", 0}, Case{"Miche", 9}, Case{"Veruliya", 18},
                           Case{"jennifer", -1}, Case{"", -1}, Case{"Veruliya ", -1}}) {
    EXPECT_EQ(pool.FindByName(test.name), test.kind) << '"' << test.name << '"';
  }

  const NPC& carolyn = *pool.prototypes[Carolyn];
  EXPECT_EQ(carolyn.kind, NPC::ActorKindNpc);
  EXPECT_EQ(carolyn.description, "Carolyn description.");
  EXPECT_EQ(carolyn.body->GetName(), "Carolyn Bounding Quad");
  EXPECT_EQ(carolyn.hitBox->GetName(), "Carolyn Hit Box");
  // Each character's body height, in kind order.
  const float heights[] = {2.2924879f, 2.59f,   2.4468f, 1.81f,  2.64f,   2.66457f, 2.6176f,
                           2.688f,     2.547f,  2.735f,  2.735f, 1.8465f, 2.594f,   2.5468f,
                           2.4668f,    2.688f,  2.8054f, 2.7115f, 2.5f};
  for (int kind = 0; kind < NPCKindCount; ++kind) {
    EXPECT_EQ(pool.prototypes[kind]->body->height, heights[kind]) << kind;
  }
  EXPECT_EQ(carolyn.body->width, 0.9f);
  EXPECT_EQ(carolyn.state, nullptr) << "a prototype has no states";
  EXPECT_EQ(carolyn.sprite, nullptr);
  EXPECT_EQ(pool.textures[Carolyn].sheet->path,
            "Content\\Textures\\Characters\\Carolyn\\Carolyn.png");
  EXPECT_EQ(pool.textures[Carolyn].sheet->width, 1024u);
  EXPECT_EQ(carolyn.portraitTexture->path,
            "Content\\Textures\\Characters\\Carolyn\\Carolyn_portrait.png");
  EXPECT_EQ(carolyn.portraitTexture->width, 512u);
  EXPECT_EQ(pool.prototypes[3]->description, "Girvin Description.");

  EXPECT_EQ(pool.Place(18, {})->name, "Veruliya");
  EXPECT_EQ(pool.Place(19, {}), nullptr);
  EXPECT_EQ(pool.Place(-1, {}), nullptr);
  EXPECT_EQ(pool.GetPrototype(18), pool.prototypes[18].get());
  EXPECT_EQ(pool.GetPrototype(NPCKindCount), nullptr);
  EXPECT_EQ(pool.GetPrototype(-1), nullptr);
  const std::unique_ptr<NPC> placed = pool.Place(Carolyn, {});
  EXPECT_EQ(placed->state->GetName(), L"Carolyn: Idling");
  placed->BeginConversation();
  EXPECT_EQ(placed->state->GetName(), L"Carolyn: Speaking");
}

// Every character weighs and slides alike and has the same health; nothing else is written over
// a fresh actor's sheet. A placed one's meters follow it at level 0.
TEST_F(NPCWorld, EveryCharacterStartsWithTheSameGainedSheet) {
  const std::map<int, float> expected =
      GainedSheet({{Stat::Mass, Stat::Mass, 0.87f},
                   {Stat::DragFactor, Stat::DragFactor, 0.5f},
                   {Stat::AirDragFactor, Stat::AirDragFactor, 0.2f},
                   {Stat::BaseHealth, Stat::BaseHealth, 150.0f}});
  for (int kind = 0; kind < NPCKindCount; ++kind) {
    const StatBlock& gained = *world.npcResources->prototypes[kind]->stats;
    for (const auto& [index, value] : expected) {
      EXPECT_EQ(gained[index], value) << kind << " " << StatKeys[index];
    }
  }
  const NPC* hazel = Place(Hazel, 0.0f, HazelHeight / 2);
  EXPECT_EQ(hazel->healthMeter->maximum, 150.0f);
  EXPECT_EQ(hazel->staminaMeter->maximum, expected.at(Stat::BaseStamina));
  ASSERT_EQ(hazel->staminaMeter->ticks.size(), 1u);
  EXPECT_FLOAT_EQ(
      hazel->staminaMeter->ticks[0].value,
      expected.at(Stat::BaseResistanceFactor) * expected.at(Stat::BaseBreakPoint1Factor));
}

TEST(NPCAnimationPool, EveryNumberGivesTheOneFrameLoopingOnItself) {
  NPCTextures textures{std::make_unique<Texture>("sheet.png", L"sheet", 1024, 1024), nullptr};
  NPCAnimationPool prototype(textures);
  const std::unique_ptr<NPCAnimationPool> pool = prototype.Create(textures);
  const AnimationFrame& frame = *pool->m_frameIdle1;
  EXPECT_EQ(frame.name, L"m_frameIdle1");
  EXPECT_EQ(frame.texture, textures.sheet.get());
  EXPECT_EQ(frame.corners, (std::array<float, 8>{128, 128, 0, 128, 128, 0, 0, 0}));
  for (int number : {0, 1, 7}) {
    const std::unique_ptr<Animation> animation = pool->GetAnimation(number);
    EXPECT_EQ(animation->frames, std::vector<AnimationFrame*>{pool->m_frameIdle1.get()});
    EXPECT_EQ(animation->loop, 1);
    EXPECT_FLOAT_EQ(animation->length, 0.4f);
    EXPECT_EQ(animation->current, nullptr);
  }
}

TEST_F(NPCWorld, APlacedCharacterFallsOntoTheFloorAndIdlesOnItsOneFrame) {
  NPC* hazel = Place(Hazel, 3.0f, 5.0f);
  EXPECT_EQ(hazel->facing, 1);
  EXPECT_EQ(hazel->state->holdTimer, 0.0f);
  Step(60);
  EXPECT_NEAR(hazel->body->position.y, HazelHeight / 2, 0.01f);
  EXPECT_EQ(hazel->body->velocity.y, 0.0f);
  EXPECT_EQ(hazel->groundContact, static_cast<Boundary*>(floor));

  const Animation& idle = *hazel->state->animation;
  EXPECT_NEAR(idle.totalTime, 1.0f, 1e-4f);
  EXPECT_EQ(idle.current->name, L"m_frameIdle1");
  const platform::PixelRect cell = hazel->sprite->sourceRect;
  EXPECT_EQ(cell.right - cell.left, 128 * (hazel->sprite->texture != nullptr));
  EXPECT_EQ(hazel->sprite->position, hazel->body->position);
  EXPECT_EQ(hazel->hitBox->position, hazel->body->position);
  EXPECT_EQ(hazel->hitBox->width, 0.0f) << "nothing can hit it";

  // Set sliding, it comes to rest by ground drag.
  hazel->body->velocity.x = 4.0f;
  Step(60);
  EXPECT_EQ(hazel->body->velocity.x, 0.0f);
  EXPECT_GT(hazel->body->position.x, 3.1f);
}

TEST_F(NPCWorld, ASpeakerTurnsToTheFirstPlayerAndAnIdlerKeepsItsFacing) {
  NPC* hazel = Place(Hazel, 0.0f, HazelHeight / 2);
  Step(30);
  hazel->EndConversation();
  EXPECT_EQ(hazel->state->stateTime, 0.0f) << "idling entered again";
  EXPECT_EQ(hazel->state->animation->totalTime, 0.0f);
  EXPECT_NE(hazel->state->animation->current, nullptr) << "the frame is kept";

  hazel->BeginConversation();
  EXPECT_EQ(hazel->facing, 1) << "the same x faces right";
  PlacePlayer(-3.0f);
  Step();
  EXPECT_EQ(hazel->facing, -1) << "a speaker keeps turning";
  EXPECT_EQ(hazel->sprite->flipHorizontal, 1);

  hazel->EndConversation();
  EXPECT_EQ(hazel->state, hazel->m_currentState);
  EXPECT_EQ(hazel->state->GetName(), L"Hazel: Idling");
  PlacePlayer(3.0f);
  Step();
  EXPECT_EQ(hazel->facing, -1) << "an idler does not";

  // With nobody to face, a conversation keeps the facing.
  world.players.clear();
  hazel->BeginConversation();
  Step();
  EXPECT_EQ(hazel->facing, -1);
}

TEST_F(NPCWorld, PushedSidewaysAndDownAtOnceAFallingCharacterKeepsItsHorizontalSpeed) {
  AddBoundaryQuad(world, 2.0f, 5.0f, 2.0f, 10.0f);
  NPC* hazel = Place(Hazel, 0.7f, HazelHeight / 2 - 0.1f);
  hazel->body->previousPosition = {0.0f, 3.0f, 0.0f};
  hazel->body->velocity = {3.0f, -2.0f, 0.0f};
  hazel->StepPhysics(Frame);
  EXPECT_LT(hazel->body->position.x, 0.6f) << "out of the wall";
  EXPECT_GE(hazel->body->position.y, HazelHeight / 2) << "out of the floor";
  EXPECT_EQ(hazel->body->velocity.y, 0.0f);
  // The landing stop gives back the speed the wall took; then ground drag slows it.
  constexpr float GroundDrag = 0.5f * 85.0f;
  EXPECT_NEAR(hazel->body->velocity.x, 3.0f - GroundDrag * Frame, 1e-5f);
  EXPECT_NE(hazel->wallContact, nullptr);

  // In mid-air nothing gives it back.
  hazel->body->SetPositionXYZ(0.7f, 5.0f, 0.0f);
  hazel->body->previousPosition = {0.0f, 5.0f, 0.0f};
  hazel->body->velocity = {3.0f, 0.0f, 0.0f};
  hazel->StepPhysics(Frame);
  EXPECT_LT(hazel->body->position.x, 0.6f);
  EXPECT_EQ(hazel->body->velocity.x, 0.0f);
}
