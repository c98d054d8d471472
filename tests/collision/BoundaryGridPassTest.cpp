#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "collision/Boundary.h"
#include "support/EveryBoundaryPass.h"
#include "world/World.h"

namespace {

using platform::Vector3;

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

bool SameBits(const Vector3& a, const Vector3& b) {
  return std::bit_cast<uint32_t>(a.x) == std::bit_cast<uint32_t>(b.x) &&
         std::bit_cast<uint32_t>(a.y) == std::bit_cast<uint32_t>(b.y) &&
         std::bit_cast<uint32_t>(a.z) == std::bit_cast<uint32_t>(b.z);
}

// Runs the world's pass and the step over every boundary from the same start and expects the
// same displacement, pusher and lists.
void ExpectSamePass(World& world, BoundingShape& mover, const std::string& what) {
  const ShapeRefList<BoundingShape> held = mover.passThroughList;
  const ShapeRefList<BoundingShape> touching = mover.pushingList;
  BoundingShape* expectedPusher = nullptr;
  const Vector3 expected = CollideWithEveryBoundary(world, mover, &expectedPusher);
  const std::vector<BoundingShape*> expectedHeld(mover.passThroughList.begin(),
                                                 mover.passThroughList.end());
  const std::vector<BoundingShape*> expectedTouching(mover.pushingList.begin(),
                                                     mover.pushingList.end());
  mover.passThroughList = held;
  mover.pushingList = touching;
  BoundingShape* pusher = nullptr;
  const Vector3 actual = world.CollideWithBoundaries(&mover, &pusher);
  EXPECT_TRUE(SameBits(actual, expected))
      << what << ": (" << actual.x << ", " << actual.y << ") against (" << expected.x << ", "
      << expected.y << ")";
  EXPECT_EQ(pusher, expectedPusher) << what;
  EXPECT_EQ(mover.passThroughList, expectedHeld) << what;
  EXPECT_EQ(mover.pushingList, expectedTouching) << what;
}

// A crowded level of turned quads, quads with open edges and circles, spread so that bodies
// touch several at once; some boundaries move, some ignore a body.
struct RandomLevel {
  explicit RandomLevel(unsigned seed) : world(nullptr, nullptr), engine(seed) {
    const int count = 20 + static_cast<int>(engine() % 400);
    const float width = Between(10.0f, 300.0f);
    for (int i = 0; i < count; ++i) {
      std::unique_ptr<BoundingShape> boundary;
      if (engine() % 5 == 0) {
        auto circle = std::make_unique<BoundingCircle>();
        circle->SetRadius(Between(0.1f, 3.0f));
        boundary = std::move(circle);
      } else {
        auto quad = std::make_unique<BoundingQuad>();
        quad->SetDimensions(Between(0.2f, 12.0f), Between(0.2f, 4.0f), 0.0f);
        if (engine() % 3 == 0) quad->SetRotation(Between(-60.0f, 60.0f));
        if (engine() % 6 == 0) quad->SetEdgeFlag3(0);
        if (engine() % 9 == 0) quad->SetEdgeFlag0(0);
        boundary = std::move(quad);
      }
      boundary->SetPositionXYZ(Between(0.0f, width), Between(-5.0f, 15.0f), 0.0f);
      boundary->previousPosition = boundary->position;
      if (engine() % 10 == 0) boundary->previousPosition.y += Between(-0.3f, 0.3f);
      world.AddBoundary(std::move(boundary));
    }
    for (int i = 0; i < 30; ++i) {
      auto body = std::make_unique<BoundingQuad>();
      body->SetDimensions(Between(0.3f, 3.0f), Between(0.5f, 4.0f), 0.0f);
      body->SetPositionXYZ(Between(-2.0f, width + 2.0f), Between(-6.0f, 16.0f), 0.0f);
      body->previousPosition =
          body->position + Vector3{Between(-0.5f, 0.5f), Between(-0.5f, 0.5f), 0.0f};
      // Left over from an earlier frame: contacts near and far, some of them twice.
      for (int k = 0; k < 3; ++k) {
        BoundingShape* listed = world.boundaries[engine() % world.boundaries.size()].get();
        (k == 1 ? body->passThroughList : body->pushingList).push_back(listed);
      }
      if (engine() % 4 == 0) world.boundaries[engine() % world.boundaries.size()]->ignoreList.push_back(body.get());
      bodies.push_back(std::move(body));
    }
  }

  float Between(float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(engine);
  }

  World world;
  std::mt19937 engine;
  std::vector<std::unique_ptr<BoundingQuad>> bodies;
};

TEST(BoundaryGridPass, OnRandomLevelsEveryBodyGetsTheSamePassAsFromEveryBoundary) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomLevel level(seed);
    // Three frames: the bodies take their pushes and fall, and one boundary moves between.
    for (int frame = 0; frame < 3; ++frame) {
      for (auto& body : level.bodies) {
        ExpectSamePass(level.world, *body, "seed " + std::to_string(seed));
        body->previousPosition = body->position;
        body->SetPosition(body->position + level.world.CollideWithBoundaries(body.get()) +
                          Vector3{0.0f, -0.2f, 0.0f});
      }
      BoundingShape& moved = *level.world.boundaries[seed % level.world.boundaries.size()];
      moved.SetPositionXYZ(moved.position.x + 1.5f, moved.position.y - 1.0f, 0.0f);
      level.world.RefreshBoundaryGrid();
    }
  }
}

TEST(BoundaryGridPass, BoundariesAndBodiesOfNoFiniteOrHugeSizeAreStillTakenInTurn) {
  struct Case {
    const char* what;
    Vector3 place;
    float width;
  };
  const Case boundaries[] = {{"not a number", {NaN, 0.0f, 0.0f}, 2.0f},
                             {"infinitely wide", {5.0f, 0.0f, 0.0f}, Inf},
                             {"far out", {1e30f, 0.0f, 0.0f}, 2.0f},
                             {"huge", {-3.0f, 0.0f, 0.0f}, 1e7f},
                             {"ordinary", {0.5f, 0.2f, 0.0f}, 2.0f}};
  World world(nullptr, nullptr);
  for (const Case& c : boundaries) {
    auto quad = std::make_unique<BoundingQuad>();
    quad->SetDimensions(c.width, 1.0f, 0.0f);
    quad->SetPosition(c.place);
    world.AddBoundary(std::move(quad));
  }
  const Case bodies[] = {{"body near", {0.0f, 0.5f, 0.0f}, 1.0f},
                         {"body not a number", {NaN, 0.5f, 0.0f}, 1.0f},
                         {"body infinitely wide", {0.0f, 0.5f, 0.0f}, Inf},
                         {"body far out", {-1e30f, 0.5f, 0.0f}, 1.0f},
                         {"body right of them all", {2e30f, 0.5f, 0.0f}, 1.0f}};
  for (const Case& c : bodies) {
    BoundingQuad body;
    body.SetDimensions(c.width, 1.0f, 0.0f);
    body.SetPosition(c.place);
    body.previousPosition = c.place + Vector3{0.0f, 0.1f, 0.0f};
    ExpectSamePass(world, body, c.what);
  }
}

}  // namespace

TEST(BoundaryGridPass, AGridMatchesOnlyTheListItWasBuiltFromAsItWas) {
  BoundaryGrid::Boundaries boundaries;
  for (float x : {0.0f, 4.0f}) {
    boundaries.push_back(std::make_unique<BoundingQuad>());
    boundaries.back()->SetPositionXYZ(x, 0.0f, 0.0f);
  }
  BoundaryGrid grid;
  grid.Rebuild(boundaries);
  EXPECT_TRUE(grid.Matches(boundaries));
  boundaries.push_back(std::make_unique<BoundingQuad>());
  EXPECT_FALSE(grid.Matches(boundaries)) << "one more";
  boundaries.pop_back();
  boundaries.front()->SetPositionXYZ(0.5f, 0.0f, 0.0f);
  EXPECT_FALSE(grid.Matches(boundaries)) << "one moved";
  grid.Rebuild(boundaries);
  std::swap(boundaries.front(), boundaries.back());
  EXPECT_FALSE(grid.Matches(boundaries)) << "the same, in another order";
}
