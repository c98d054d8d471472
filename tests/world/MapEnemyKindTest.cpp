#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "app/ConnectFloors.h"
#include "enemies/EnemyResources.h"
#include "engine/Globals.h"
#include "support/TestWorld.h"
#include "world/MapReader.h"
#include "world/World.h"

namespace {

constexpr int PlacedKind = 3;

// A kind is the number on the line: one that names no kind only after it is cut to 32 bits
// places nothing, and the line after it still reads.
TEST(MapEnemyKind, IsCheckedAsReadNotCutTo32Bits) {
  struct Case {
    const char* kind;
    size_t placed;
  };
  const Case cases[] = {
      {"3", 2},
      {"4294967299", 1},   // 2^32 + 3
      {"-4294967293", 1},  // -2^32 + 3
      {"4294967296", 1},   // 2^32, kind 0 when cut
  };
  ConnectFloors();
  EnemyKindTable kinds = UnbuiltEnemyKinds();
  for (int kind : {0, PlacedKind}) {
    kinds[static_cast<size_t>(kind)].makePrototype = [kind](Playfield* owner, const TextureGroup&) {
      auto prototype = std::make_unique<TestEnemy>(owner);
      prototype->enemyKind = kind;
      return prototype;
    };
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    World world(nullptr, nullptr);
    world.enemyResources->Load(&world, kinds);
    std::istringstream in(std::string("0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n*Resources \n"
                                      "*Enemies \n") +
                          c.kind + " 0 1 2 0 0\n3 0 5 6 0 0\n*NPCs \n*Boundaries \n");
    EXPECT_TRUE(ReadMap(world, in));
    EXPECT_EQ(world.enemies.size(), c.placed);
    ResetGlobals();
  }
}

}  // namespace
