#include <gtest/gtest.h>

#include <memory>

#include "editor/ResizeHandles.h"
#include "editor/SnapSearch.h"
#include "engine/Globals.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "support/TestWorld.h"
#include "world/World.h"

namespace {

using platform::Vector3;

struct Crossing {
  int32_t handle;
  bool flipX, flipY;
  int32_t after;
};

// Corners look at both axes, edges only at their own.
const Crossing Crossings[] = {
    {HandleTopLeft, true, false, HandleTopRight},
    {HandleTopLeft, false, true, HandleBottomLeft},
    {HandleTopLeft, true, true, HandleBottomRight},
    {HandleTopRight, true, false, HandleTopLeft},
    {HandleTopRight, false, true, HandleBottomRight},
    {HandleTopRight, true, true, HandleBottomLeft},
    {HandleBottomLeft, true, false, HandleBottomRight},
    {HandleBottomLeft, false, true, HandleTopLeft},
    {HandleBottomLeft, true, true, HandleTopRight},
    {HandleBottomRight, true, false, HandleBottomLeft},
    {HandleBottomRight, false, true, HandleTopRight},
    {HandleBottomRight, true, true, HandleTopLeft},
    {HandleLeftEdge, true, false, HandleRightEdge},
    {HandleLeftEdge, false, true, HandleLeftEdge},
    {HandleLeftEdge, true, true, HandleRightEdge},
    {HandleRightEdge, true, false, HandleLeftEdge},
    {HandleRightEdge, false, true, HandleRightEdge},
    {HandleTopEdge, true, false, HandleTopEdge},
    {HandleTopEdge, false, true, HandleBottomEdge},
    {HandleTopEdge, true, true, HandleBottomEdge},
    {HandleBottomEdge, true, false, HandleBottomEdge},
    {HandleBottomEdge, false, true, HandleTopEdge},
    {8, true, true, 8},
    {-1, true, false, -1},
};

TEST(ResizeHandles, ACrossingSwapsTheHandleToTheOtherSideOfTheAxisCrossed) {
  for (const Crossing& c : Crossings) {
    EXPECT_EQ(HandleAfterCrossing(c.handle, c.flipX, c.flipY), c.after)
        << c.handle << (c.flipX ? " x" : "") << (c.flipY ? " y" : "");
    EXPECT_EQ(HandleAfterCrossing(c.handle, false, false), c.handle);
  }
}

struct HandleMove {
  const char* name;
  float rotation;
  int32_t handle;
  Vector3 to;
  Vector3 center;
  float width, height;
  uint8_t flipX, flipY;
};

// A 2 by 1 quad on the origin. Turned a quarter, its own x axis runs along world +y: its
// top-left corner is at (-0.5, -1) and the fixed bottom-right at (0.5, 1); (-0.5, 2) lies 1 past
// that corner along its x axis and 1 inside along its y axis.
const HandleMove HandleMoves[] = {
    {"corner outwards", 0, HandleBottomRight, {2, -1, 0}, {0.5f, -0.25f, 0}, 3, 1.5f, 0, 0},
    {"corner onto the fixed one", 0, HandleTopLeft, {1, -0.5f, 0}, {1, -0.5f, 0}, 0, 0, 0, 0},
    {"corner across x", 0, HandleTopLeft, {3, 0, 0}, {2, -0.25f, 0}, 2, 0.5f, 1, 0},
    {"edge along its own axis only", 0, HandleLeftEdge, {-3, 7, 0}, {-1, 0, 0}, 4, 1, 0, 0},
    {"edge across", 0, HandleBottomEdge, {0.3f, 1.5f, 0}, {0, 1, 0}, 2, 1, 0, 1},
    {"turned corner across its x", 90, HandleTopLeft, {-0.5f, 2, 0}, {0, 1.5f, 0}, 1, 1, 1, 0},
    {"turned edge", 90, HandleTopEdge, {-2, 0, 0}, {-0.75f, 0, 0}, 2, 2.5f, 0, 0},
};

TEST(ResizeHandles, AHandleMovesItsSideInTheShapesOwnFrameAndTheOppositeSideStays) {
  for (const HandleMove& move : HandleMoves) {
    SCOPED_TRACE(move.name);
    Quad quad;
    quad.SetDimensions(2.0f, 1.0f, 0.0f);
    quad.SetRotation(move.rotation);
    MoveResizeHandle(quad, move.handle, move.to);
    EXPECT_NEAR(quad.position.x, move.center.x, 1e-5f);
    EXPECT_NEAR(quad.position.y, move.center.y, 1e-5f);
    EXPECT_NEAR(quad.width, move.width, 1e-5f);
    EXPECT_NEAR(quad.height, move.height, 1e-5f);
    EXPECT_EQ(quad.flipHorizontal, move.flipX);
    EXPECT_EQ(quad.flipVertical, move.flipY);
  }
}

Quad Box(float x, float y, float width, float height) {
  Quad quad;
  quad.SetPositionXYZ(x, y, 0.0f);
  quad.SetDimensions(width, height, 0.0f);
  return quad;
}

std::unique_ptr<Circle> Round(float x, float y, float radius) {
  auto circle = std::make_unique<Circle>();
  circle->SetPositionXYZ(x, y, 0.0f);
  circle->SetRadius(radius);
  return circle;
}

struct AnchorCase {
  const char* name;
  Vector3 mouse;
  Vector3 anchor;
};

TEST(SnapSearch, TheAnchorIsTheNearestCornerElseAnEdgePointOrTheCentreWithinReach) {
  // A 4 by 4 quad on the origin: corners at (+-2, +-2).
  const Quad quad = Box(0.0f, 0.0f, 4.0f, 4.0f);
  const AnchorCase cases[] = {
      {"a corner 0.5 away beats an edge 0.2 away", {1.8f, 1.54f, 0}, {2, 2, 0}},
      {"the nearer of two corners", {-1.5f, -1.9f, 0}, {-2, -2, 0}},
      {"an edge point", {1.5f, 0.3f, 0}, {2, 0.3f, 0}},
      {"an edge point outside", {-2.4f, -0.5f, 0}, {-2, -0.5f, 0}},
      {"the centre", {0.3f, 0.4f, 0}, {0, 0, 0}},
      {"nothing within reach: the mouse", {0.9f, 0.2f, 0}, {0.9f, 0.2f, 0}},
  };
  for (const AnchorCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Vector3 anchor = FindSnapAnchor(&quad, c.mouse);
    EXPECT_NEAR(anchor.x, c.anchor.x, 1e-5f);
    EXPECT_NEAR(anchor.y, c.anchor.y, 1e-5f);
  }
  // A circle of radius 1: its rim towards the mouse while the mouse is near the rim or outside,
  // its centre when that is nearer.
  const auto circle = Round(0.0f, 0.0f, 1.0f);
  const AnchorCase round[] = {
      {"outside", {1.3f, 0, 0}, {1, 0, 0}},
      {"just inside", {0, -0.5f, 0}, {0, -1, 0}},
      {"near the centre", {0.2f, 0, 0}, {0, 0, 0}},
  };
  for (const AnchorCase& c : round) {
    SCOPED_TRACE(c.name);
    const Vector3 anchor = FindSnapAnchor(circle.get(), c.mouse);
    EXPECT_NEAR(anchor.x, c.anchor.x, 1e-5f);
    EXPECT_NEAR(anchor.y, c.anchor.y, 1e-5f);
  }
  EXPECT_EQ(FindSnapAnchor(nullptr, {5, 5, 0}), (Vector3{5, 5, 0}));
}

TEST(SnapSearch, OnceAPointIsTakenOnlyANearerCornerOrARimReplacesIt) {
  const Vector3 mouse{10, 10, 0};
  const Quad near = Box(0.0f, 0.0f, 2.0f, 2.0f);
  {
    // 0.05 from the near quad's right edge, with no corner within reach: the edge point.
    SnapSearch search(mouse);
    const Vector3 point{1.05f, 0.6f, 0};
    search.Offer(near, point, Snap::TargetTolerance);
    EXPECT_NEAR(search.Result().x, 1.0f, 1e-5f);
    EXPECT_NEAR(search.Result().y, 0.6f, 1e-5f);
    // A nearer corner of a later shape replaces it: its bottom-left corner is 0.022 away.
    search.Offer(Box(2.06f, 1.62f, 2.0f, 2.0f), point, Snap::TargetTolerance);
    EXPECT_NEAR(search.Result().x, 1.06f, 1e-5f);
    EXPECT_NEAR(search.Result().y, 0.62f, 1e-5f);
    // After that no edge point counts, however near: this left edge passes 0.01 away.
    search.Offer(Box(2.04f, 0.0f, 2.0f, 8.0f), point, Snap::TargetTolerance);
    EXPECT_NEAR(search.Result().x, 1.06f, 1e-5f);
  }
  {
    // A circle whose rim passes near replaces the nearer corner found before it.
    SnapSearch search(mouse);
    const Vector3 point{1.02f, 1.02f, 0};
    search.Offer(near, point, Snap::TargetTolerance);
    EXPECT_NEAR(search.Result().x, 1.0f, 1e-5f);
    search.Offer(*Round(1.02f, 2.2f, 1.0f), point, Snap::TargetTolerance);
    EXPECT_NEAR(search.Result().x, 1.02f, 1e-5f);
    EXPECT_NEAR(search.Result().y, 1.2f, 1e-5f);
  }
  {
    // A rim counts only while the point is nearer than the tolerance beyond it.
    const auto round = Round(0.0f, 0.0f, 1.0f);
    SnapSearch search(mouse);
    search.Offer(*round, {1.5f, 0, 0}, 0.5f);
    EXPECT_EQ(search.Result(), mouse) << "exactly the tolerance beyond the rim";
    search.Offer(*round, {1.25f, 0, 0}, 0.5f);
    EXPECT_EQ(search.Result(), (Vector3{1, 0, 0}));
  }
  {
    // Nothing within the tolerance leaves the mouse's point.
    SnapSearch search(mouse);
    search.Offer(near, {1.4f, 1.4f, 0}, Snap::TargetTolerance);
    EXPECT_EQ(search.Result(), mouse);
  }
}

// Boundaries 2 by 2 round a point: the selection's own corner is nearest, then a corner of the
// next boundary, then one of the last. The nearest corner not the selection's wins.
TEST(SnapSearch, TheTargetIsTheNearestCornerOfAnotherShape) {
  World world(nullptr, nullptr);
  const Vector3 point{51.02f, 51.02f, 0};
  const BoundingQuad& own = AddBoundaryQuad(world, 50.0f, 50.0f, 2.0f, 2.0f);  // corner 0.028 away
  AddBoundaryQuad(world, 52.1f, 52.1f, 2.0f, 2.0f);                            // 0.113 away
  AddBoundaryQuad(world, 52.2f, 49.85f, 2.0f, 2.0f);                           // 0.247 away
  const Vector3 target = FindSnapTarget(world, &own, point, point, {0, 0, 0});
  EXPECT_NEAR(target.x, 51.1f, 1e-5f);
  EXPECT_NEAR(target.y, 51.1f, 1e-5f);
  ResetGlobals();
}

}  // namespace
