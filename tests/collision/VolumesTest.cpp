#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "support/PixelColors.h"

namespace {

using pixel::Black;
using pixel::Blue;

// The colours of one line of each outline: world line, screen line.
std::pair<uint32_t, uint32_t> EdgeColors(const BoundingQuad& quad, int worldLine, int screenLine) {
  EXPECT_EQ(quad.worldOutline[2 * worldLine].color, quad.worldOutline[2 * worldLine + 1].color);
  EXPECT_EQ(quad.screenOutline[2 * screenLine].color, quad.screenOutline[2 * screenLine + 1].color);
  return {quad.worldOutline[2 * worldLine].color, quad.screenOutline[2 * screenLine].color};
}

TEST(BoundingQuad, StartsSolidOnEveryEdgeWithTheDefaultBoundaryValues) {
  BoundingQuad quad;
  EXPECT_EQ(quad.edgeFlags, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(quad.mapValue1, 60.0f);
  EXPECT_EQ(quad.mapValue2, 0.0f);
  EXPECT_EQ(quad.footPointPushOut, 0);
  EXPECT_EQ(quad.partialEdges, 0);
  EXPECT_EQ(quad.wallFlag, 1);
  EXPECT_EQ(quad.kind, Interactive::KindBoundary);
  EXPECT_EQ(quad.type, ShapeTypeQuad);
  EXPECT_TRUE(quad.passThroughList.empty() && quad.pushingList.empty() && quad.ignoreList.empty());
}

TEST(BoundingQuad, EdgeFlagsRecolourTheEdgeTheyMeanAndSwitchingOffIsRemembered) {
  BoundingQuad quad;
  quad.Update();
  quad.SetEdgeFlag2(0);
  EXPECT_EQ(quad.edgeFlags[BoundingQuad::EdgeTop], 0);
  EXPECT_EQ(quad.partialEdges, 1);
  EXPECT_EQ(quad.dirty, 1);
  // The top edge is world line 2 and screen line 0.
  EXPECT_EQ(EdgeColors(quad, 2, 0), std::make_pair(Blue, Blue));
  quad.Update();
  quad.SetEdgeFlag2(1);
  EXPECT_EQ(EdgeColors(quad, 2, 0), std::make_pair(Black, Black));
  EXPECT_EQ(quad.partialEdges, 1);
  EXPECT_EQ(quad.dirty, 1);

  // Flag 0 is the left edge: world line 1, screen line 2; the right edge stays as it was.
  const auto rightBefore = EdgeColors(quad, 0, 3);
  quad.SetEdgeFlag0(0);
  EXPECT_EQ(EdgeColors(quad, 1, 2), std::make_pair(Blue, Blue));
  EXPECT_EQ(EdgeColors(quad, 0, 3), rightBefore);
  quad.SetEdgeFlag1(0);
  EXPECT_EQ(EdgeColors(quad, 0, 3), std::make_pair(Blue, Blue));
  quad.SetEdgeFlag3(0);
  EXPECT_EQ(EdgeColors(quad, 3, 1), std::make_pair(Blue, Blue));
}

// An owner that places its body in its own constructor, as actors do.
struct BodyOwner {
  BodyOwner() {
    body.SetDimensions(6.0f, 8.0f, 0.0f);
    body.SetPositionXYZ(1.0f, 2.0f, 0.0f);
  }
  BoundingQuad body;
};

TEST(BoundingQuad, PlacedInItsOwnersConstructor) {
  BodyOwner owner;
  EXPECT_EQ(owner.body.position, (platform::Vector3{1.0f, 2.0f, 0.0f}));
  EXPECT_EQ(owner.body.width, 6.0f);
}

TEST(Boundary, AddUniqueKeepsOneEntryPerShape) {
  BoundingQuad body, floor;
  body.AddUnique(&floor);
  body.AddUnique(&floor);
  EXPECT_EQ(body.passThroughList, std::vector<BoundingShape*>{&floor});
}

TEST(BoundingQuad, DuplicateKeepsTheBoundaryPartButNotTheEdgeFlags) {
  BoundingQuad source, other;
  source.id = 12;
  source.SetName("Boundary Quad 3");
  source.SetPositionXYZ(1.0f, 2.0f, 0.0f);
  source.SetDimensions(4.0f, 3.0f, 0.0f);
  source.SetRotation(30.0f);
  source.SetEdgeFlag1(0);
  source.footPointPushOut = 1;
  source.mapValue1 = 7.0f;
  source.mapValue2 = 8.0f;
  source.passThroughList = {&other};
  source.pushingList = {&other, &source};
  source.ignoreList = {&source};

  std::unique_ptr<BoundingShape> copy = source.Duplicate();
  auto* quad = dynamic_cast<BoundingQuad*>(copy.get());
  ASSERT_NE(quad, nullptr);
  EXPECT_EQ(quad->edgeFlags, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(quad->partialEdges, 1);
  EXPECT_EQ(quad->footPointPushOut, 1);
  EXPECT_EQ(quad->mapValue1, 7.0f);
  EXPECT_EQ(quad->mapValue2, 8.0f);
  EXPECT_EQ(quad->passThroughList, source.passThroughList);
  EXPECT_EQ(quad->pushingList, source.pushingList);
  EXPECT_EQ(quad->ignoreList, source.ignoreList);
  EXPECT_EQ(quad->id, 0);
  EXPECT_EQ(quad->name, "Boundary Quad 3");
  EXPECT_EQ(quad->position, source.position);
  EXPECT_EQ(quad->rotation, 30.0f);
  EXPECT_EQ(quad->width, 4.0f);
  EXPECT_EQ(quad->height, 3.0f);
  EXPECT_FLOAT_EQ(quad->extent, source.extent);

  // Cloning through either interface gives the same class.
  EXPECT_NE(dynamic_cast<BoundingQuad*>(static_cast<const Shape&>(source).Clone().get()), nullptr);
  EXPECT_NE(dynamic_cast<BoundingQuad*>(source.ClonePrimitive().get()), nullptr);
}

TEST(BoundingQuad, AssignmentCopiesEdgeFlagsAndTheBoundaryPart) {
  BoundingQuad source;
  source.SetEdgeFlag3(0);
  source.mapValues = {1, 2, 3};
  source.SetDimensions(5.0f, 1.0f, 0.0f);
  BoundingQuad copy(source);
  EXPECT_EQ(copy.edgeFlags[BoundingQuad::EdgeBottom], 0);
  EXPECT_EQ(copy.partialEdges, 1);
  EXPECT_EQ(copy.mapValues, source.mapValues);
  EXPECT_EQ(copy.width, 5.0f);
  EXPECT_EQ(copy.wallFlag, 1);
  // The switched-off edge still shows as such.
  EXPECT_EQ(EdgeColors(copy, 3, 1), std::make_pair(Blue, Blue));
  BoundingQuad assigned;
  assigned = source;
  EXPECT_EQ(EdgeColors(assigned, 3, 1), std::make_pair(Blue, Blue));
}

TEST(BoundingCircle, CopiesCarryTheCircleAndTheBoundaryPart) {
  BoundingCircle source;
  source.SetRadius(2.5f);
  source.SetPositionXYZ(3.0f, 4.0f, 0.0f);
  source.footPointPushOut = 1;
  BoundingCircle copy(source);
  EXPECT_EQ(copy.radius, 2.5f);
  EXPECT_EQ(copy.extent, 2.5f);
  EXPECT_EQ(copy.position, source.position);
  EXPECT_EQ(copy.footPointPushOut, 1);
  EXPECT_EQ(copy.type, ShapeTypeCircle);
  auto duplicate = source.Duplicate();
  EXPECT_NE(dynamic_cast<BoundingCircle*>(duplicate.get()), nullptr);
  EXPECT_EQ(duplicate->footPointPushOut, 1);
}

TEST(Hit, ContainsAndForgetWorkOnTheHitList) {
  StrikeQuad strike;
  HitQuad hitBox;
  EXPECT_EQ(hitBox.kind, Interactive::KindHit);
  EXPECT_FALSE(hitBox.Contains(&strike));
  hitBox.hitList = {&strike, &strike};
  EXPECT_TRUE(hitBox.Contains(&strike));
  hitBox.Forget(&strike);
  EXPECT_EQ(hitBox.hitList.size(), 1u);
}

TEST(Strike, ADuplicateHasNoOwnerHitsOrStrikeValues) {
  HitQuad hitBox;
  StrikeQuad source;
  // Any owner will do: the strike never reaches into it.
  source.owner = reinterpret_cast<Actor*>(&hitBox);
  source.damage = 12.0f;
  source.force = 3.0f;
  source.freezeTime = 0.1f;
  source.hitList = {&hitBox};
  source.hotSpot = {1.0f, 1.0f, 0.0f};
  source.SetDimensions(2.0f, 1.0f, 0.0f);
  auto copy = source.Duplicate();
  ASSERT_NE(dynamic_cast<StrikeQuad*>(copy.get()), nullptr);
  EXPECT_EQ(copy->kind, Interactive::KindStrike);
  EXPECT_EQ(copy->owner, nullptr);
  EXPECT_EQ(copy->damage, 0.0f);
  EXPECT_EQ(copy->force, 0.0f);
  EXPECT_EQ(copy->freezeTime, 0.0f);
  EXPECT_TRUE(copy->hitList.empty());
  EXPECT_EQ(copy->hotSpot, platform::Vector3{});
  EXPECT_EQ(dynamic_cast<StrikeQuad&>(*copy).width, 2.0f);

  StrikeCircle circle;
  circle.SetRadius(1.5f);
  circle.damage = 4.0f;
  auto circleCopy = circle.Duplicate();
  EXPECT_EQ(dynamic_cast<StrikeCircle&>(*circleCopy).radius, 1.5f);
  EXPECT_EQ(circleCopy->damage, 0.0f);
}

TEST(StrikeShape, WorldPositionMirrorsTheHotSpotWithTheFlipsAndTurnsIt) {
  StrikeQuad strike;
  strike.hotSpot = {1.0f, 2.0f, 0.0f};
  strike.flipHorizontal = 1;
  strike.SetPositionXYZ(10.0f, 10.0f, 0.0f);
  EXPECT_EQ(strike.GetWorldPosition(), (platform::Vector3{9.0f, 12.0f, 0.0f}));
  strike.flipHorizontal = 0;
  strike.flipVertical = 1;
  strike.SetRotation(90.0f);
  const platform::Vector3 turned = strike.GetWorldPosition();
  EXPECT_NEAR(turned.x, 12.0f, 1e-5f);
  EXPECT_NEAR(turned.y, 11.0f, 1e-5f);
}

}  // namespace

// Run under the sanitizers: any list left holding a destroyed shape, or any shape left linked
// to a destroyed list, is written through here.
TEST(ShapeRefList, DestroyingAShapeTakesItOutOfEveryListThatNamesIt) {
  // Listed one way only, twice, and beside shapes that stay.
  StrikeQuad keptStrike;
  HitQuad keptBox;
  auto box = std::make_unique<HitQuad>();
  keptStrike.hitList = {box.get(), &keptBox, box.get()};
  box->hitList = {&keptStrike};
  box.reset();
  EXPECT_EQ(keptStrike.hitList, std::vector<HitShape*>{&keptBox});
  auto strike = std::make_unique<StrikeCircle>();
  keptBox.hitList = {strike.get(), &keptStrike};
  strike.reset();
  EXPECT_EQ(keptBox.hitList, std::vector<StrikeShape*>{&keptStrike});

  // A boundary named by a body's pass-through and pushing lists and by a copy of that body; a
  // body named by a boundary's ignore list; a boundary that names itself.
  BoundingQuad body;
  BoundingCircle keptWall;
  auto floor = std::make_unique<BoundingQuad>();
  body.passThroughList = {floor.get()};
  body.pushingList = {&keptWall, floor.get()};
  floor->ignoreList = {floor.get(), &body};
  BoundingQuad copy(body);
  auto duplicate = body.Duplicate();
  floor.reset();
  EXPECT_TRUE(body.passThroughList.empty());
  EXPECT_EQ(body.pushingList, std::vector<BoundingShape*>{&keptWall});
  EXPECT_EQ(copy.pushingList, std::vector<BoundingShape*>{&keptWall});
  EXPECT_TRUE(duplicate->passThroughList.empty());
  auto mover = std::make_unique<BoundingCircle>();
  keptWall.ignoreList = {mover.get(), &body};
  mover.reset();
  EXPECT_EQ(keptWall.ignoreList, std::vector<BoundingShape*>{&body});

  // A list that goes first leaves nothing behind in the shapes it named.
  auto holder = std::make_unique<StrikeQuad>();
  holder->hitList = {&keptBox};
  holder->hitList.push_back(&keptBox);
  holder->hitList.RemoveFirst(&keptBox);
  keptBox.hitList.push_back(holder.get());
  holder.reset();
  EXPECT_EQ(keptBox.hitList, std::vector<StrikeShape*>{&keptStrike});
}
