#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

#include "enemies/DemoEnemy.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoWall.h"
#include "enemies/EnemyResources.h"
#include "enemies/Goblin.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "support/TestWorld.h"

namespace {

// A pool that remembers which kind's entry made it.
class MarkedPool : public TestEnemyPool {
 public:
  MarkedPool(const TextureGroup& textures, int madeFor)
      : TestEnemyPool(textures), kind(madeFor), group(&textures) {}
  std::unique_ptr<EnemyAnimationPool> Create(const TextureGroup& textures) const override {
    return std::make_unique<MarkedPool>(textures, kind);
  }
  int kind;
  const TextureGroup* group;
};

class EnemyCatalogue : public ::testing::Test {
 protected:
  EnemyCatalogue() : world(nullptr, nullptr) {
    for (int kind : {0, 3, 5}) Register(kind);
  }

  void Register(int kind) {
    kinds[kind].makePool = [kind](const TextureGroup& textures) {
      return std::make_unique<MarkedPool>(textures, kind);
    };
    kinds[kind].makePrototype = [this, kind](Playfield* owner, const TextureGroup&) {
      built.push_back(kind);
      auto prototype = std::make_unique<TestEnemy>(owner, "Kind" + std::to_string(kind));
      prototype->enemyKind = kind;
      return prototype;
    };
  }

  World world;
  EnemyKindTable kinds = UnbuiltEnemyKinds();
  std::vector<int> built;
  EnemyResources resources;
};

TEST_F(EnemyCatalogue, TheRegisteredKindsAreBuiltInKindOrderAndTheOthersGiveNoEnemy) {
  resources.Load(&world, kinds);
  EXPECT_EQ(built, (std::vector<int>{0, 3, 5}));
  EXPECT_EQ(resources.world, &world);
  ASSERT_NE(resources.GetPrototype(3), nullptr);
  EXPECT_EQ(resources.GetPrototype(3)->enemyKind, 3);
  EXPECT_EQ(resources.GetPrototype(3)->kind, Enemy::ActorKindEnemy);
  EXPECT_EQ(resources.GetPrototype(3)->world, &world);
  for (int kind : {-1, 1, 2, 4, 6, 7, 1000}) {
    EXPECT_EQ(resources.GetPrototype(kind), nullptr) << kind;
  }
  // Five texture groups, each texture at its path whether or not the file is there.
  ASSERT_EQ(resources.textureGroups.size(), 5u);
  EXPECT_EQ(resources.textureGroups[0].size(), 4u);
  EXPECT_EQ(resources.textureGroups[3].size(), 2u);
  EXPECT_EQ(resources.textureGroups[4][0]->path,
            "Content\\Textures\\Characters\\DemoWall\\DemoWall.png");
  EXPECT_EQ(resources.textureGroups[3][1]->width, 1024u);
  auto* goblinPool = static_cast<MarkedPool*>(resources.GetAnimationPool(5));
  ASSERT_NE(goblinPool, nullptr);
  EXPECT_EQ(goblinPool->group, &resources.textureGroups[3]);

  resources.Free();
  EXPECT_EQ(resources.world, nullptr);
  EXPECT_EQ(resources.GetPrototype(0), nullptr);
  EXPECT_EQ(resources.GetAnimationPool(0), nullptr);
  EXPECT_TRUE(resources.textureGroups.empty());
}

TEST_F(EnemyCatalogue, AnimationPoolsOfUnknownKindsComeFromTheFirstKind) {
  resources.Load(&world, kinds);
  for (int kind : {0, -1, 7, 99}) {
    auto pool = Enemy::CreateAnimationPool(resources, kind);
    ASSERT_NE(pool, nullptr) << kind;
    EXPECT_EQ(static_cast<MarkedPool&>(*pool).kind, 0);
    EXPECT_EQ(static_cast<MarkedPool&>(*pool).group, &resources.textureGroups[0]);
  }
  auto own = Enemy::CreateAnimationPool(resources, 3);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(static_cast<MarkedPool&>(*own).kind, 3);
  EXPECT_EQ(static_cast<MarkedPool&>(*own).group, &resources.textureGroups[2]);
  // A kind in range without its pool yet has none to copy.
  EXPECT_EQ(Enemy::CreateAnimationPool(resources, 2), nullptr);
  EnemyResources empty;
  EXPECT_EQ(Enemy::CreateAnimationPool(empty, 0), nullptr);
}

TEST_F(EnemyCatalogue, KindsAreFoundByTheirWholeExactName) {
  resources.Load(&world, kinds);
  EXPECT_EQ(Enemy::FindKindByName(resources, "Kind3"), 3);
  EXPECT_EQ(Enemy::FindKindByName(resources, "Kind0"), 0);
  EXPECT_EQ(Enemy::FindKindByName(resources, "kind3"), -1);
  EXPECT_EQ(Enemy::FindKindByName(resources, "Kind"), -1);
  EXPECT_EQ(Enemy::FindKindByName(resources, "Kind33"), -1);
  EXPECT_EQ(Enemy::FindKindByName(resources, ""), -1);
}

TEST_F(EnemyCatalogue, APrototypeReadsAMapLineIntoANewEnemyWithItsOwnPool) {
  resources.Load(&world, kinds);
  std::istringstream line("3 4.5 -2 0 1\n");
  auto enemy = resources.GetPrototype(3)->ReadRecord(line, &world,
                                                     Enemy::CreateAnimationPool(resources, 3));
  ASSERT_NE(enemy, nullptr);
  EXPECT_EQ(enemy->body->position, (platform::Vector3{4.5f, -2.0f, 0.0f}));
  EXPECT_NE(static_cast<TestEnemy&>(*enemy).pool, nullptr);
  std::ostringstream out;
  enemy->WriteRecord(out);
  EXPECT_EQ(out.str().substr(0, 2), "3 ");
}

TEST(EnemyAnimations, CreateAnimationShowsOnlyThePoolsDefaultFrame) {
  TextureGroup none;
  TestEnemyPool pool(none);
  auto animation = pool.GetAnimation(42);
  ASSERT_EQ(animation->frames.size(), 1u);
  EXPECT_EQ(animation->frames[0], pool.defaultFrame);
  EXPECT_EQ(animation->current, nullptr);
  EXPECT_EQ(animation->length, 0.0f);
  EXPECT_EQ(animation->loop, 0);
  EXPECT_EQ(animation->next, nullptr);
  animation->Advance(1.0f);
  EXPECT_EQ(animation->current, pool.defaultFrame);
  auto idle = pool.GetAnimation(TestEnemyPool::IdleAnimation);
  EXPECT_FLOAT_EQ(idle->length, 0.3f);
}

TEST(EnemyAnimations, TheWorldLoadsItsCatalogueWithWhatTheGameRegisters) {
  World world(nullptr, nullptr);
  ASSERT_NE(world.enemyResources, nullptr);
  EXPECT_EQ(world.enemyResources->world, &world);
  EXPECT_EQ(world.enemyResources->textureGroups.size(), 5u);
  for (int kind = 0; kind < EnemyKindCount(); ++kind) {
    EXPECT_EQ(world.enemyResources->GetPrototype(kind) != nullptr,
              static_cast<bool>(RegisteredEnemyKinds()[kind].makePrototype));
  }
}

// A kind made in play takes a pool of its own from its owner's catalogue; without an owner, or
// with one that has no catalogue, it is made all the same and shows no animation.
TEST(EnemyAnimations, EveryKindIsMadeInPlayWithAPoolOnlyFromItsOwnersCatalogue) {
  World world(nullptr, nullptr);
  // Every kind from the world's catalogue, then from the catalogue taken out of the world.
  std::unique_ptr<EnemyResources> catalogue;
  for (bool withCatalogue : {true, false}) {
    if (!withCatalogue) catalogue = std::move(world.enemyResources);
    const EnemyResources& kinds = withCatalogue ? *world.enemyResources : *catalogue;
    for (int kind = 0; kind < EnemyKindCount(); ++kind) {
      for (Playfield* owner : {static_cast<Playfield*>(&world), static_cast<Playfield*>(nullptr)}) {
        SCOPED_TRACE(::testing::Message() << kind << (withCatalogue ? " with" : " without")
                                          << " a catalogue, owner " << owner);
        auto enemy = kinds.GetPrototype(kind)->CreateAt(owner, 2.0f, 3.0f, 0.0f, 0);
        ASSERT_NE(enemy, nullptr);
        EXPECT_EQ(enemy->enemyKind, kind);
        EXPECT_EQ(enemy->body->position, (platform::Vector3{2.0f, 3.0f, 0.0f}));
        ASSERT_NE(enemy->state, nullptr);
        EXPECT_EQ(enemy->state->animation != nullptr, withCatalogue && owner);
      }
    }
  }
  world.enemyResources = std::move(catalogue);
}

}  // namespace

// The bestiary picture of each kind: its cell of the kind's first sheet, scaled so that the longer
// side fills the 128-pixel square of the page.
TEST(EnemyAnimations, EachKindsPictureIsItsCellScaledIntoTheBestiarySquare) {
  World world(nullptr, nullptr);
  TextureGroup sheets;
  for (const char* name : {"first", "second"}) {
    sheets.push_back(std::make_unique<Texture>(name, L"sheet", 1024, 1024));
  }
  struct Case {
    int kind;
    int left, top, right, bottom;
    float scale;
  };
  const Case cases[] = {
      {DemoEnemy::Kind, 0, 0, 128, 128, 1.0f},
      {DemoGoblin::Kind, 0, 384, 128, 512, 1.0f},  // its idling cell
      {DemoWall::Kind, 0, 0, 176, 192, 128.0f / 192},
      {Goblin::Kind, 0, 0, 128, 128, 1.0f},  // its idling cell
      {Ratatoskr::Kind, 128, 0, 256, 128, 1.0f},
      {NidhoggletAggressive::Kind, 64, 64, 128, 128, 2.0f},
      {NidhoggletPassive::Kind, 64, 0, 128, 64, 2.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    auto prototype = RegisteredEnemyKinds()[c.kind].makePrototype(&world, sheets);
    const Sprite* picture = prototype->GetPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->texture, sheets[0].get());
    const platform::PixelRect& cell = picture->sourceRect;
    EXPECT_EQ(std::make_tuple(cell.left, cell.top, cell.right, cell.bottom),
              std::make_tuple(c.left, c.top, c.right, c.bottom));
    EXPECT_EQ(picture->scale.x, c.scale);
    EXPECT_EQ(picture->scale.y, c.scale);
    EXPECT_EQ(prototype->pictureOffset, (platform::Vector3{70.0f, 60.0f, 0.0f}));
  }
}
