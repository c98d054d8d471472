#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "collision/Boundary.h"
#include "editor/DebugButton.h"
#include "editor/EditorCamera.h"
#include "editor/PropertyPanel.h"
#include "editor/TemplatePalette.h"
#include "engine/Camera.h"
#include "engine/EditorAtlas.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/Image.h"
#include "platform/Renderer.h"
#include "player/Player.h"
#include "support/DrawnTexts.h"
#include "support/LevelEditingSession.h"
#include "support/PixelColors.h"
#include "triggers/Hazard.h"
#include "triggers/TutorialImage.h"

namespace {

using namespace level_editing;

TEST_F(LevelEditing, TheMouseLandsInTheWorldThroughTheCameraAtAnyEyeAndWindowPlace) {
  struct Case {
    float eyeX, eyeY, eyeZ;
    float clientX, clientY;
    float worldX, worldY;
  };
  // Half the view's height at distance d is d tan(pi / 8); the width is 4 / 3 of it.
  const Case cases[] = {
      {0, 0, -17, 400, 300, 0, 0},
      {0, 0, -17, 700, 300, 300 * PixelWorld, 0},
      {0, 0, -17, 400, 0, 0, 300 * PixelWorld},
      {0, 0, -17, 0, 600, -400 * PixelWorld, -300 * PixelWorld},
      {2, 1, -34, 700, 300, 2 + 600 * PixelWorld, 1},
      {-3, 5, -8.5f, 400, 500, -3, 5 - 100 * PixelWorld},
  };
  for (const Case& c : cases) {
    EditorCamera::PlaceEye(*MainCamera, {c.eyeX, c.eyeY, c.eyeZ});
    MoveMouse(c.clientX, c.clientY);
    game.Step();
    EXPECT_NEAR(menu->Mouse().World().x, c.worldX, 1e-3f) << c.clientX << ", " << c.clientY;
    EXPECT_NEAR(menu->Mouse().World().y, c.worldY, 1e-3f) << c.clientX << ", " << c.clientY;
    EXPECT_EQ(menu->Mouse().World().z, 0.0f);
  }
}

// The zoom tools hide the selection's properties; the others show them.
TEST_F(LevelEditing, APressOnAToolsIconMakesItTheToolAndTheZoomsHideTheProperties) {
  Select(AddQuad(2.0f, 2.0f, 1.0f, 1.0f));
  DrawnTexts texts;
  const std::pair<size_t, bool> rows[] = {{Atlas::ToolPan, true},
                                          {Atlas::ToolZoomOut, false},
                                          {Atlas::ToolSelect, true},
                                          {Atlas::ToolZoomIn, false}};
  for (const auto& [tool, shown] : rows) {
    Click(menu->Main().ToolIcon(tool));
    EXPECT_EQ(menu->Main().ActiveTool(), &menu->Main().ToolIcon(tool)) << tool;
    texts.Clear();
    game.Step();
    EXPECT_EQ(texts.Holds("Flip X"), shown) << tool;
  }
}

// The toggle and command icons act at once and leave the chosen tool as it was.
TEST_F(LevelEditing, TheCommandIconsToggleSnappingDropAndDeleteTheSelection) {
  Quad* kept = AddQuad(-2.0f, 0.0f, 1.0f, 1.0f);
  Quad* deleted = AddQuad(2.0f, 0.0f, 1.0f, 1.0f);
  const Sprite* tool = menu->Main().ActiveTool();
  const size_t shapes = world->shapeLayers.size();
  Click(menu->Main().ToolIcon(Atlas::ToolSnapToggle));
  EXPECT_TRUE(menu->Main().SnapToggle());
  Click(menu->Main().ToolIcon(Atlas::ToolSnapToggle));
  EXPECT_FALSE(menu->Main().SnapToggle());
  Click(menu->Main().ToolIcon(Atlas::ToolDelete));
  EXPECT_EQ(world->shapeLayers.size(), shapes) << "nothing selected, nothing deleted";
  Select(kept);
  Click(menu->Main().ToolIcon(Atlas::ToolDeselect));
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(world->shapeLayers.size(), shapes);
  Select(deleted);
  Click(menu->Main().ToolIcon(Atlas::ToolDelete));
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(world->shapeLayers.size(), shapes - 1);
  EXPECT_NE(world->FindShapeEntry(kept), world->shapeLayers.end());
  EXPECT_EQ(menu->Main().ActiveTool(), tool);
}

TEST_F(LevelEditing, APressPicksTheShapeWhoseCentreIsNearestAndMovesTheMark) {
  Quad* left = AddQuad(-1.0f, 0.0f, 4.0f, 2.0f);
  Quad* right = AddQuad(1.0f, 0.0f, 4.0f, 2.0f);
  ClickAt({-0.3f, 0.0f, 0.0f});
  EXPECT_EQ(menu->Main().Selected(), left);
  EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Shapes);
  EXPECT_EQ(left->outlineVisible, 1);
  // Held Ctrl keeps the arrow over the selection, so a press picks again instead of dragging.
  game.PressKey(VirtualKey::LeftCtrl);
  ClickAt({0.3f, 0.0f, 0.0f});
  game.ReleaseKey(VirtualKey::LeftCtrl);
  EXPECT_EQ(menu->Main().Selected(), right);
  EXPECT_EQ(left->outlineVisible, 0) << "the shape let go loses its mark";
  EXPECT_EQ(right->outlineVisible, 1);
  // A press on empty space drops the selection; a right press there offers the background.
  ClickAt({0.0f, 5.0f, 0.0f});
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(right->outlineVisible, 0);
  const Vector3 nearRight = ClientOf({0.3f, 0.0f, 0.0f});
  SetMouse(std::round(nearRight.x), 300, false, true, false);
  game.Step();
  EXPECT_EQ(menu->Main().Selected(), right) << "a right press elsewhere picks";
  EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuConvert);
  SetMouse(400, 100, false, false, false);
  game.Step();
  SetMouse(400, 100, false, true, false);
  game.Step();
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuBackground);
}

TEST_F(LevelEditing, TheHitTestTakesCandidatesInItsOrderAndHonoursTheLayerFlags) {
  Texture* planks = AddPlanks();
  Quad* textured = AddQuad(0.0f, 0.0f, 3.0f, 3.0f, 2);
  auto boundary = std::make_unique<BoundingQuad>();
  boundary->SetDimensions(3.0f, 3.0f, 0.0f);
  boundary->layer = 5;
  BoundingShape* solid = world->AddBoundary(std::move(boundary));
  auto sprite = std::make_unique<Sprite>(planks);
  sprite->layer = 1;
  Sprite* picture = sprite.get();
  world->spriteLayers.Insert(1, std::move(sprite));
  auto area = std::make_unique<Quad>();
  area->SetDimensions(3.0f, 3.0f, 0.0f);
  area->layer = 4;
  Shape* region =
      world->AddModifier(std::make_unique<Hazard>(world, std::move(area), 0.0f))->region.get();
  menu->CollectLayers();
  auto layers = menu->Switches().m_layerFlags;
  const Vector3 origin{};

  // All three centred on the origin: at equal distance the boundary comes first, but only while
  // collision is shown.
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).shape, solid);
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).owner, SelectionOwner::Boundaries);
  EXPECT_EQ(PickShapeAt(*world, layers, false, origin).shape, textured);
  layers[2].selectable = false;
  EXPECT_EQ(PickShapeAt(*world, layers, false, origin).shape, picture);
  layers[1].visible = false;
  EXPECT_EQ(PickShapeAt(*world, layers, false, origin).shape, nullptr) << "hidden";
  layers[5].visible = false;
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).shape, solid)
      << "a boundary on a hidden layer that can be picked is picked";
  layers[1].visible = true;
  layers[5].selectable = false;
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).shape, region);
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).owner, SelectionOwner::Modifiers);
  layers[4].selectable = false;
  EXPECT_EQ(PickShapeAt(*world, layers, true, origin).shape, picture);

  // The nearer centre wins whatever the order; an actor's picture nearest picks nothing.
  layers[2].selectable = true;
  picture->SetPositionXYZ(0.5f, 0.0f, 0.0f);
  EXPECT_EQ(PickShapeAt(*world, layers, false, {0.4f, 0.0f, 0.0f}).shape, picture);
  EXPECT_EQ(PickShapeAt(*world, layers, false, {0.2f, 0.0f, 0.0f}).shape, textured);
  // Squared distances 0.2125 to the quad, nearer along x, and 0.1625 to the picture.
  picture->SetPositionXYZ(0.5f, 0.5f, 0.0f);
  EXPECT_EQ(PickShapeAt(*world, layers, false, {0.1f, 0.45f, 0.0f}).shape, picture);
  const Vector3 atPlayer = player->sprite->position;
  AddQuad(atPlayer.x + 0.6f, atPlayer.y, 3.0f, 3.0f);
  EXPECT_EQ(PickShapeAt(*world, layers, false, atPlayer).shape, nullptr);
}

struct HandleDrag {
  const char* name;
  Vector3 grab, drop;
  int32_t handleAtPress, handleAfter;
  Vector3 center;
  float width, height;
  uint8_t flipX, flipY;
};

// A 2 by 2 quad on the origin; each handle is grabbed 0.1 outside its corner or edge and
// dropped across (or short of) the opposite side, which stays where it is.
const HandleDrag HandleDrags[] = {
    {"top-left across the right side",
     {-1.1f, 1.1f, 0},
     {1.5f, 0.5f, 0},
     HandleTopLeft,
     HandleTopRight,
     {1.25f, -0.25f, 0},
     0.5f,
     1.5f,
     1,
     0},
    {"top-right across the bottom",
     {1.1f, 1.1f, 0},
     {0.5f, -1.5f, 0},
     HandleTopRight,
     HandleBottomRight,
     {-0.25f, -1.25f, 0},
     1.5f,
     0.5f,
     0,
     1},
    {"bottom-left across both",
     {-1.1f, -1.1f, 0},
     {1.5f, 1.5f, 0},
     HandleBottomLeft,
     HandleTopRight,
     {1.25f, 1.25f, 0},
     0.5f,
     0.5f,
     1,
     1},
    {"bottom-right outwards",
     {1.1f, -1.1f, 0},
     {2.0f, -2.0f, 0},
     HandleBottomRight,
     HandleBottomRight,
     {0.5f, -0.5f, 0},
     3.0f,
     3.0f,
     0,
     0},
    {"left edge across the right",
     {-1.1f, 0.3f, 0},
     {2.0f, 0.6f, 0},
     HandleLeftEdge,
     HandleRightEdge,
     {1.5f, 0.0f, 0},
     1.0f,
     2.0f,
     1,
     0},
    {"right edge outwards",
     {1.1f, -0.3f, 0},
     {3.0f, 1.0f, 0},
     HandleRightEdge,
     HandleRightEdge,
     {1.0f, 0.0f, 0},
     4.0f,
     2.0f,
     0,
     0},
    {"top edge across the bottom",
     {0.2f, 1.1f, 0},
     {0.4f, -3.0f, 0},
     HandleTopEdge,
     HandleBottomEdge,
     {0.0f, -2.0f, 0},
     2.0f,
     2.0f,
     0,
     1},
    {"bottom edge across the top",
     {-0.2f, -1.1f, 0},
     {0.0f, 2.0f, 0},
     HandleBottomEdge,
     HandleTopEdge,
     {0.0f, 1.5f, 0},
     2.0f,
     1.0f,
     0,
     1},
};

TEST_F(LevelEditing, EachOfTheEightHandlesDragsItsSideAndACrossingSwapsIt) {
  world->shapeLayers.Clear();
  for (const HandleDrag& drag : HandleDrags) {
    SCOPED_TRACE(drag.name);
    Quad* quad = AddQuad(0.0f, 0.0f, 2.0f, 2.0f);
    Select(quad);
    MoveTo(drag.grab);
    game.Step();
    EXPECT_EQ(CursorCell(), Atlas::CursorResize);
    EXPECT_EQ(menu->Main().ActiveHandle(), drag.handleAtPress);
    DragAlong(drag.grab, drag.drop, 6, false);
    EXPECT_EQ(menu->Main().ActiveHandle(), drag.handleAfter);
    EXPECT_EQ(menu->Main().Handles().MarkerOf(drag.handleAfter).GetColor(),
              SelectionHandles::HoverFill);
    if (drag.handleAfter != drag.handleAtPress) {
      EXPECT_EQ(menu->Main().Handles().MarkerOf(drag.handleAtPress).GetColor(),
                (Color4{80, 0, 0, 0}))
          << "the handle left behind is no longer hovered";
    }
    MoveTo(drag.drop);
    game.Step();
    EXPECT_NEAR(quad->position.x, drag.center.x, OnePixel);
    EXPECT_NEAR(quad->position.y, drag.center.y, OnePixel);
    EXPECT_NEAR(quad->width, drag.width, OnePixel);
    EXPECT_NEAR(quad->height, drag.height, OnePixel);
    EXPECT_EQ(quad->flipHorizontal, drag.flipX);
    EXPECT_EQ(quad->flipVertical, drag.flipY);
    EXPECT_EQ(menu->Main().Panel().m_buttonFlipX->Pressed(), drag.flipX)
        << "the flip toggles follow";
    ClickAt({0.0f, 6.0f, 0.0f});
    world->shapeLayers.Clear();
  }
}

TEST_F(LevelEditing, TheBandAroundTheSelectionTurnsItAndTheArrowsNudgeIt) {
  // The centre on a whole pixel off the origin, placed so that angles taken about the origin
  // instead of the centre would turn some of the steps the wrong way.
  MoveMouse(485, 321);
  game.Step();
  const Vector3 center = menu->Mouse().World();
  Quad* quad = AddQuad(center.x, center.y, 2.0f, 2.0f);
  Select(quad);
  // A quarter turn anticlockwise with the mouse 1.25 from the centre, in nine steps.
  const float reach = 1.25f;
  MoveTo(center + Vector3{reach, 0.0f, 0.0f});
  game.Step();
  EXPECT_EQ(CursorCell(), Atlas::CursorRotate);
  MoveTo(center + Vector3{reach, 0.0f, 0.0f}, true);
  game.Step();
  for (int step = 1; step <= 9; ++step) {
    const float angle = static_cast<float>(step) * 10.0f * DegreesToRadians;
    MoveTo(center + Vector3{reach * std::cos(angle), reach * std::sin(angle), 0.0f}, true);
    game.Step();
  }
  EXPECT_NEAR(quad->rotation, 90.0f, 1.5f);
  // Back clockwise by 30 degrees, through the centre on the way: that step turns nothing.
  MoveTo(center, true);
  game.Step();
  const float turned = quad->rotation;
  EXPECT_TRUE(std::isfinite(turned));
  MoveTo(center + Vector3{reach * std::cos(60.0f * DegreesToRadians),
                          reach * std::sin(60.0f * DegreesToRadians), 0.0f},
         true);
  game.Step();
  MoveTo(center + Vector3{0.0f, 3.0f, 0.0f});
  game.Step();
  EXPECT_TRUE(std::isfinite(quad->rotation));
  EXPECT_NEAR(quad->position.x, center.x, 1e-5f) << "turning keeps the centre";
  const TextBox& rotation = *menu->Main().Panel().m_fieldRotation;
  EXPECT_EQ(rotation.text, ShownNumberIn(rotation, quad->rotation, 7));

  // Up and Right in one frame move it one step each way.
  game.PressKey(VirtualKey::UpArrow);
  game.PressKey(VirtualKey::RightArrow);
  game.Step();
  game.ReleaseKey(VirtualKey::UpArrow);
  game.ReleaseKey(VirtualKey::RightArrow);
  game.Step();
  EXPECT_FLOAT_EQ(quad->position.x, center.x + 0.025f);
  EXPECT_FLOAT_EQ(quad->position.y, center.y + 0.025f);
}

// Up to 0.18 outside the selection the mouse resizes it, from there up to 0.36 it turns it.
TEST_F(LevelEditing, TheCursorOverTheSelectionFollowsTheDistanceFromItsEdge) {
  struct Row {
    const char* name;
    Vector3 mouse;  // from the centre of a 2 by 2 quad
    size_t cursor;
  };
  const Row rows[] = {
      {"inside", {0.5f, 0.0f, 0.0f}, Atlas::CursorMove},
      {"in the resize band", {1.17f, 0.0f, 0.0f}, Atlas::CursorResize},
      {"just past the resize band", {1.19f, 0.0f, 0.0f}, Atlas::CursorRotate},
      {"at the rotate band's limit", {1.355f, 0.0f, 0.0f}, Atlas::CursorRotate},
      {"just outside the rotate band", {1.365f, 0.0f, 0.0f}, Atlas::CursorArrow},
      {"below, just outside", {0.0f, -1.365f, 0.0f}, Atlas::CursorArrow},
      {"off the corner, within both margins", {1.35f, 1.35f, 0.0f}, Atlas::CursorRotate},
  };
  Quad* quad = AddQuad(0.0f, 0.0f, 2.0f, 2.0f);
  Select(quad);
  MoveMouse(400, 300);
  game.Step();
  const Vector3 mouse = menu->Mouse().World();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    quad->SetPosition(mouse - row.mouse);
    game.Step();
    EXPECT_EQ(CursorCell(), row.cursor);
  }

  // In the resize band the edge cursor is a boundary's, and only while E is held.
  quad->SetPosition(mouse - Vector3{1.17f, 0.0f, 0.0f});
  game.PressKey(VirtualKey::E);
  game.Step();
  EXPECT_EQ(CursorCell(), Atlas::CursorResize) << "a block with E held";
  game.ReleaseKey(VirtualKey::E);
  auto wall = std::make_unique<BoundingQuad>();
  wall->SetPositionXYZ(5.0f, 5.0f, 0.0f);
  wall->SetDimensions(2.0f, 2.0f, 0.0f);
  Shape* boundary = world->AddBoundary(std::move(wall));
  SetSwitch(ToggleVisibleCollision, true);
  Select(boundary);
  MoveMouse(400, 300);
  for (const auto& [e, cursor] : {std::pair{false, Atlas::CursorResize},
                                  std::pair{true, Atlas::CursorEdgeFlag}}) {
    boundary->SetPosition(mouse - Vector3{1.17f, 0.0f, 0.0f});
    if (e) game.PressKey(VirtualKey::E);
    game.Step();
    EXPECT_EQ(CursorCell(), cursor) << "a boundary, E held " << e;
    game.ReleaseKey(VirtualKey::E);
  }
}

TEST_F(LevelEditing, WithSnappingOnADraggedCornerLandsExactlyOnAnotherShapesCorner) {
  Quad* fixed = AddQuad(3.0f, 0.0f, 2.0f, 2.0f);
  Quad* moved = AddQuad(0.0f, 0.0f, 2.0f, 2.0f);
  Select(moved);
  game.TapKey(VirtualKey::V);
  ASSERT_TRUE(menu->Main().SnapToggle());
  // Hovering inside near the top-right corner carries that corner.
  MoveTo({0.85f, 0.85f, 0.0f});
  game.Step();
  EXPECT_EQ(CursorCell(), Atlas::CursorMove);
  EXPECT_EQ(menu->Main().Anchor(), (Vector3{1.0f, 1.0f, 0.0f}));
  // Dragged to within a few hundredths of the other quad's top-left corner.
  MoveTo({0.85f, 0.85f, 0.0f}, true);
  game.Step();
  for (int step = 1; step <= 8; ++step) {
    MoveTo(Vector3{0.85f, 0.85f, 0.0f} + Vector3{0.97f, 0.04f, 0.0f} * (step / 8.0f), true);
    game.Step();
  }
  const Vector3 corner = moved->GetTopRight();
  EXPECT_FLOAT_EQ(corner.x, fixed->GetTopLeft().x);
  EXPECT_FLOAT_EQ(corner.y, fixed->GetTopLeft().y);
  EXPECT_EQ(menu->Main().SnapTargetMarker().position, fixed->GetTopLeft());
  EXPECT_GT(menu->Main().SnapTargetMarker().radius, 0.0f);
  ASSERT_TRUE(game.KeepFrame("editor-snapped.png"));
  MoveTo({1.82f, 0.89f, 0.0f});
  game.Step();
  EXPECT_EQ(menu->Main().SnapMarker().radius, 0.0f) << "letting go hides the markers";
  EXPECT_FLOAT_EQ(moved->GetTopRight().x, 2.0f);
}

// Resizing with snapping on, the carried corner follows the mouse by its move and lands on
// another shape's corner or edge point within reach; out of reach the corner stays at the mouse.
TEST_F(LevelEditing, WithSnappingOnAResizedCornerFollowsTheMouseAndSnapsOnlyWithinReach) {
  AddQuad(3.0f, 0.0f, 2.0f, 2.0f);  // its left edge runs from (2, -1) up to the corner (2, 1)
  Quad* moved = AddQuad(0.0f, 0.0f, 2.0f, 2.0f);
  Select(moved);
  game.TapKey(VirtualKey::V);
  ASSERT_TRUE(menu->Main().SnapToggle());
  const Vector3 grab{1.02f, 1.02f, 0.0f};  // just off the top-right corner (1, 1)
  struct Row {
    Vector3 to;      // where the mouse lets go
    Vector3 corner;  // where the top-right corner ends
    bool snapped;
  };
  const Row rows[] = {
      {{1.92f, 1.02f, 0.0f}, {2.0f, 1.0f, 0.0f}, true},     // 0.1 short of the corner
      {{1.82f, 0.42f, 0.0f}, {2.0f, 0.4f, 0.0f}, true},     // 0.2 short of the left edge
      {{1.67f, 1.07f, 0.0f}, {1.67f, 1.07f, 0.0f}, false},  // 0.35 from corner and edge
      {{1.52f, 0.52f, 0.0f}, {1.52f, 0.52f, 0.0f}, false},  // 0.5 from the edge
  };
  constexpr float Pixel = 0.03f;
  for (const Row& row : rows) {
    moved->SetPositionXYZ(0.0f, 0.0f, 0.0f);
    moved->SetDimensions(2.0f, 2.0f, 0.0f);
    MoveTo(grab);
    game.Step();
    ASSERT_EQ(menu->Main().ActiveHandle(), HandleTopRight);
    ASSERT_EQ(menu->Main().Anchor(), (Vector3{1.0f, 1.0f, 0.0f}));
    DragAlong(grab, row.to, 6, false);
    const Vector3 corner = moved->GetTopRight();
    EXPECT_NEAR(corner.x, row.corner.x, row.snapped ? 1e-5f : Pixel) << row.to.x;
    EXPECT_NEAR(corner.y, row.corner.y, Pixel) << row.to.x;
    EXPECT_EQ(menu->Main().SnapTargetMarker().radius > 0.0f, row.snapped) << row.to.x;
    MoveTo(row.to);
    game.Step();
  }
}

// A circle drawn with snapping on takes the radius that reaches the corner caught.
TEST_F(LevelEditing, WithSnappingOnADrawnCirclesRimLandsOnAnotherShapesCorner) {
  AddQuad(3.0f, 0.0f, 2.0f, 2.0f);  // its top-left corner at (2, 1)
  game.TapKey(VirtualKey::V);
  ASSERT_TRUE(menu->Main().SnapToggle());
  game.TapKey(VirtualKey::D);
  DragAlong({0.0f, 0.0f, 0.0f}, {1.95f, 0.97f, 0.0f}, 6, false);
  auto* circle = dynamic_cast<Circle*>(menu->Main().Selected());
  ASSERT_NE(circle, nullptr);
  EXPECT_GT(menu->Main().SnapTargetMarker().radius, 0.0f);
  EXPECT_EQ(menu->Main().SnapTargetMarker().position, (Vector3{2.0f, 1.0f, 0.0f}));
  EXPECT_FLOAT_EQ(circle->radius, Distance2D(circle->position, {2.0f, 1.0f, 0.0f}));
}

// Turning with snapping on, the selection turns about its own centre until the corner it carries
// points at the target it found.
TEST_F(LevelEditing, WithSnappingOnATurnedCornerPointsAtItsTarget) {
  const Vector3 centre{-2.0f, 0.5f, 0.0f};
  // A corner 75 degrees round from the centre, as far from it as the turned corner.
  const float reach = std::sqrt(2.0f);
  const float targetAngle = 75.0f * DegreesToRadians;
  const Vector3 target =
      centre + Vector3{reach * std::cos(targetAngle), reach * std::sin(targetAngle), 0.0f};
  AddQuad(target.x + 0.5f, target.y + 0.5f, 1.0f, 1.0f);
  Quad* turned = AddQuad(centre.x, centre.y, 2.0f, 2.0f);
  Select(turned);
  game.TapKey(VirtualKey::V);
  ASSERT_TRUE(menu->Main().SnapToggle());
  // Grabbed off its top-right corner, 45 degrees round, in the rotate band.
  const float grab = 1.3f * reach;
  auto at = [&](float degrees) {
    const float angle = degrees * DegreesToRadians;
    return centre + Vector3{grab * std::cos(angle), grab * std::sin(angle), 0.0f};
  };
  MoveTo(at(45.0f));
  game.Step();
  ASSERT_EQ(CursorCell(), Atlas::CursorRotate);
  MoveTo(at(45.0f), true);
  game.Step();
  for (float degrees : {50.0f, 55.0f, 60.0f, 65.0f, 70.0f, 73.0f}) {
    MoveTo(at(degrees), true);
    game.Step();
  }
  ASSERT_GT(menu->Main().SnapTargetMarker().radius, 0.0f);
  const Vector3 found = menu->Main().SnapTargetMarker().position - centre;
  const float cornerAngle = 45.0f + turned->rotation;
  EXPECT_NEAR(cornerAngle, std::atan2(found.y, found.x) / DegreesToRadians, 0.5f);
  EXPECT_NEAR(cornerAngle, 75.0f, 2.0f);
  EXPECT_NEAR(turned->position.x, centre.x, 1e-5f);
}

TEST_F(LevelEditing, EachToolMakesItsKindAtTheMouseAndTheMapReadsBackTheSame) {
  Texture* planks = AddPlanks();
  // The quad tools put a 1 by 1 quad at the press and pull its bottom-right corner.
  game.TapKey(VirtualKey::S);
  DragAlong({-6.0f, 3.0f, 0.0f}, {-4.5f, 2.0f, 0.0f});
  game.TapKey(VirtualKey::F);
  DragAlong({-3.0f, 3.0f, 0.0f}, {-1.0f, 2.5f, 0.0f});
  // The circle tools pull the radius.
  game.TapKey(VirtualKey::D);
  DragAlong({1.0f, 3.0f, 0.0f}, {1.6f, 3.8f, 0.0f});
  game.TapKey(VirtualKey::G);
  DragAlong({4.0f, 3.0f, 0.0f}, {4.0f, 3.5f, 0.0f});
  // The Sprite tool stamps the brush of a template the companion file holds, picked from its
  // cell on the template page.
  std::ofstream(game.Folder() / "Content" / "Maps" / "Palette.mef")
      << "0 0 0 0 0 0 0 0 1 1 0 255 255 255 255\n"
         "Content\\Textures\\Tiles\\Planks.png 0 0 64 32 0 0 370 1 1 3 255 255 255 255\n";
  menu->Main().ReadMef("Content\\Maps\\Palette.mef");
  game.TapKey(VirtualKey::Tilde);
  const Quad& cell = *(*menu->Main().Palette().m_templatePage)[1].m_templateQuad;
  EXPECT_EQ(cell.texture, planks);
  Click(cell);
  ASSERT_EQ(menu->Main().BrushTexture(), planks);
  ASSERT_TRUE(game.KeepFrame("editor-template-page.png"));
  ClickAt({0.0f, -0.5f, 0.0f});
  ASSERT_TRUE(game.KeepFrame("editor-sprite-tool.png"));

  struct Made {
    std::string name;
    Shape* shape = nullptr;
  };
  auto named = [this](const std::string& name) -> Shape* {
    for (auto& [layer, entry] : world->shapeLayers.entries) {
      if (entry.item->name == name) return entry.item;
    }
    for (auto& [layer, entry] : world->spriteLayers.entries) {
      if (entry.item->name == name) return entry.item;
    }
    for (auto& boundary : world->boundaries) {
      if (boundary->name == name) return boundary.get();
    }
    return nullptr;
  };
  auto* texturedQuad = dynamic_cast<Quad*>(named("Texture Quad"));
  auto* boundaryQuad = dynamic_cast<BoundingQuad*>(named("Boundary Quad"));
  auto* texturedCircle = dynamic_cast<Circle*>(named("Texture Circle"));
  auto* boundaryCircle = dynamic_cast<BoundingCircle*>(named("Boundary Circle"));
  auto* stamped = dynamic_cast<Sprite*>(named("Sprite"));
  ASSERT_TRUE(texturedQuad && boundaryQuad && texturedCircle && boundaryCircle && stamped);
  EXPECT_NEAR(texturedQuad->width, 2.0f, OnePixel);
  EXPECT_NEAR(texturedQuad->height, 1.5f, OnePixel);
  EXPECT_NEAR(texturedQuad->GetTopLeft().x, -6.5f, OnePixel) << "half a unit left of the press";
  EXPECT_NEAR(boundaryQuad->width, 2.5f, OnePixel);
  EXPECT_NEAR(boundaryQuad->height, 1.0f, OnePixel);
  EXPECT_EQ(boundaryQuad->GetColor(), (Color4{120, 0, 200, 0}));
  EXPECT_NEAR(texturedCircle->radius, 1.0f, OnePixel);
  EXPECT_NEAR(boundaryCircle->radius, 0.5f, OnePixel);
  EXPECT_EQ(stamped->texture, planks);
  EXPECT_EQ(stamped->sourceRect.right, 64);
  EXPECT_EQ(stamped->sourceRect.bottom, 32);
  EXPECT_NEAR(stamped->rotation, 10.0f, 1e-4f);
  EXPECT_EQ(stamped->layer, 3);
  EXPECT_TRUE(menu->Switches().m_layerFlags.at(3).visible);
  EXPECT_EQ(menu->Main().Selected(), stamped);
  EXPECT_EQ(texturedQuad->outlineVisible, 0) << "each new shape took the mark from the last";

  // The map is written without the selection's mark, which the selection keeps.
  ASSERT_TRUE(menu->Main().SaveMapUnmarked("Edited"));
  EXPECT_EQ(stamped->outlineVisible, 1);
  const Vector3 quadCorner = texturedQuad->GetTopLeft();
  const float quadWidth = texturedQuad->width;
  const Vector3 stampedAt = stamped->position;
  Leave();
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\Edited.gmf");
  ASSERT_EQ(world->boundaries.size(), 3u) << "the floor and the two new boundaries";
  ASSERT_EQ(world->shapeLayers.size(), 3u) << "the drawn floor, the quad and the circle";
  size_t sprites = 0;
  for (auto& [layer, entry] : world->spriteLayers.entries) {
    const Sprite& read = *entry.item;
    if (read.texture == nullptr || read.name.find("Sprite") == std::string::npos) continue;
    ++sprites;
    EXPECT_EQ(layer, 3);
    EXPECT_NEAR(read.position.x, stampedAt.x, 1e-4f);
    EXPECT_EQ(read.sourceRect.right, 64);
    EXPECT_EQ(read.outlineVisible, 0) << "no selection mark in the map";
  }
  EXPECT_EQ(sprites, 1u);
  bool quadFound = false;
  for (auto& [layer, entry] : world->shapeLayers.entries) {
    auto* quad = dynamic_cast<Quad*>(entry.item);
    if (!quad || std::fabs(quad->width - quadWidth) > 1e-4f) continue;
    quadFound = true;
    EXPECT_NEAR(quad->GetTopLeft().x, quadCorner.x, 1e-4f);
  }
  EXPECT_TRUE(quadFound);
}

// A press begun on a dialog's button ends with the dialog: held on over the map after it closed,
// and moved a little as a hand does, it drives no tool, not even the one that drew the last shape
// or the one the button was down on when a key opened the dialog. Nor does a press on the panel
// that the hand drags up over the map.
TEST_F(LevelEditing, APressBegunOnADialogButtonLeavesEveryShapesCornersWhereTheyWere) {
  const auto corners = [this] {
    std::vector<float> all;
    const auto add = [&all](const Shape& shape) {
      if (const auto* quad = dynamic_cast<const Quad*>(&shape)) {
        for (const Vector3& corner : {quad->GetTopLeft(), quad->GetBottomRight()}) {
          all.insert(all.end(), {corner.x, corner.y});
        }
        all.insert(all.end(), {static_cast<float>(quad->flipHorizontal),
                               static_cast<float>(quad->flipVertical)});
      } else if (const auto* circle = dynamic_cast<const Circle*>(&shape)) {
        all.insert(all.end(), {circle->position.x, circle->position.y, circle->radius});
      }
    };
    for (const auto& [layer, entry] : world->shapeLayers.entries) add(*entry.item);
    for (const auto& boundary : world->boundaries) add(*boundary);
    return all;
  };
  struct Row {
    const char* name;
    std::function<void()> open;
    std::function<Vector3()> press;
    Vector3 step;  // the hand's move in each frame the button stays down
  };
  const auto buttonOf = [](const Quad& button) { return button.altPosition; };
  const Vector3 panelBand{120.0f, 590.0f, 0.0f};
  const Vector3 onMap{4.0f, -2.0f, 0.0f};
  const Row rows[] = {
      // First, while only letting go has ended the press that drew the shape.
      {"panel", [] {}, [&] { return panelBand; }, {20.0f, -50.0f, 0.0f}},
      {"colour OK",
       [this] { Click(*menu->Main().Panel().m_colorSwatch); },
       [&] { return buttonOf(menu->Colors().Button("OK")); },
       {3.0f, 1.0f, 0.0f}},
      {"colour Cancel",
       [this] { Click(*menu->Main().Panel().m_colorSwatch); },
       [&] { return buttonOf(menu->Colors().Button("Cancel")); },
       {3.0f, 1.0f, 0.0f}},
      {"save map",
       [this] { Click(menu->Main().ToolbarIcon(Atlas::IconSaveMap)); },
       [&] { return buttonOf(menu->SaveDialog().Button("Save")); },
       {3.0f, 1.0f, 0.0f}},
      // The dialog opens by a key while the button is down on the map.
      {"save map by Ctrl+S",
       [&] {
         MoveTo(onMap, true);
         game.Step();
         game.PressKey(VirtualKey::LeftCtrl);
         game.TapKey(VirtualKey::S);
         game.ReleaseKey(VirtualKey::LeftCtrl);
         MoveTo(onMap);
         game.Step();
       },
       [&] { return buttonOf(menu->SaveDialog().Button("Save")); },
       {3.0f, 1.0f, 0.0f}},
  };
  const std::pair<int, const char*> tools[] = {{VirtualKey::S, "textured quad"},
                                               {VirtualKey::F, "boundary quad"},
                                               {VirtualKey::D, "textured circle"}};
  float x = -6.0f;
  for (const auto& [key, tool] : tools) {
    game.TapKey(key);
    DragAlong({x, 3.0f, 0.0f}, {x + 1.35f, 1.5f, 0.0f});
    x += 4.0f;
    ASSERT_NE(menu->Main().Selected(), nullptr);
    for (const Row& row : rows) {
      SCOPED_TRACE(std::string(row.name) + " after a " + tool);
      row.open();
      const std::vector<float> before = corners();
      const Vector3 at = row.press();
      for (int frame = 0; frame < 5; ++frame) {
        const Vector3 hand = at + row.step * static_cast<float>(frame);
        MoveMouse(hand.x, hand.y, true);
        game.Step();
      }
      MoveMouse(at.x, at.y);
      game.Step();
      EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
      EXPECT_EQ(corners(), before);
    }
  }
}

// A click as a person makes it, the button down for a few frames without a move, selects the
// sprite and changes nothing of it: the map saved before and after is the same, byte for byte.
TEST_F(LevelEditing, OneClickOnASpriteLeavesTheSavedMapByteForByte) {
  EditorCamera::PlaceEye(*MainCamera, {0.0f, 6.0f, EditorCamera::NormalEyeZ});
  Sprite* sprite = AddSprite(AddPlanks(), -3.0f, 8.0f, 2);
  sprite->SetScale(3.0f, 3.0f);
  sprite->SetRotation(10.0f);
  const auto saved = [this] {
    EXPECT_TRUE(menu->Main().SaveMapUnmarked("Looked"));
    std::ifstream in(game.Folder() / "Content" / "Maps" / "Looked.gmf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  const std::string before = saved();
  ASSERT_FALSE(before.empty());
  for (int click = 0; click < 3; ++click) {
    ClickAt({0.0f, 12.0f, 0.0f});
    ASSERT_EQ(menu->Main().Selected(), nullptr);
    MoveTo(sprite->position);
    game.Step();
    for (int frame = 0; frame < 6; ++frame) {
      MoveTo(sprite->position, true);
      game.Step();
    }
    MoveTo(sprite->position);
    game.Step();
    ASSERT_EQ(menu->Main().Selected(), sprite);
  }
  EXPECT_EQ(sprite->position.y, 8.0f);
  EXPECT_EQ(sprite->scale.x, 3.0f);
  EXPECT_EQ(saved(), before);
}

TEST_F(LevelEditing, ASpriteIsResizedThroughItsOutlineAndRTakesItBackToItsSourceSize) {
  Texture* planks = AddPlanks();
  auto made =
      std::make_unique<Sprite>(planks, 0, Vector3{}, 0.0f, platform::PixelRect{0, 0, 64, 32});
  made->SetPositionXYZ(-2.0f, 1.0f, 0.0f);
  Sprite* sprite = made.get();
  world->spriteLayers.Insert(0, std::move(made));
  Select(sprite);
  // The swatch shows the source rectangle framed in red.
  constexpr uint32_t FrameRed = 0xFFDC1E1Eu;
  game.Step();
  const Quad& swatch = *menu->Main().Panel().m_textureSwatch;
  const int left = static_cast<int>(swatch.altPosition.x - swatch.width / 2);
  const int top = static_cast<int>(swatch.altPosition.y - swatch.height / 2);
  EXPECT_GT(pixel::CountIn(Device->ReadFrame(),
                           {left, top, left + static_cast<int>(swatch.width),
                            top + static_cast<int>(swatch.height)},
                           [](uint32_t each) { return each == FrameRed; }),
            0);
  // 64 texels across at the normal distance: 64 pixels of the screen.
  const float width = 64 * PixelWorld;
  EXPECT_NEAR(sprite->GetScaledSize().x, width, 1e-4f);
  const Vector3 rightEdge{-2.0f + width / 2 + 0.1f, 1.0f, 0.0f};
  MoveTo(rightEdge);
  game.Step();
  EXPECT_EQ(menu->Main().ActiveHandle(), HandleRightEdge);
  // The edge jumps onto the mouse, 0.1 out, and is dragged to one width past where it was.
  DragAlong(rightEdge, rightEdge + Vector3{width - 0.1f, 0.0f, 0.0f});
  EXPECT_NEAR(sprite->scale.x, 2.0f, 0.02f) << "twice as wide doubles the scale";
  EXPECT_FLOAT_EQ(sprite->scale.y, 1.0f);
  EXPECT_NEAR(sprite->GetTopLeft().x, -2.0f - width / 2, OnePixel) << "the left edge stays";
  EXPECT_EQ(menu->Main().Panel().m_fieldScaleX->text,
            ShownNumberIn(*menu->Main().Panel().m_fieldScaleX, sprite->scale.x, 7));
  game.TapKey(VirtualKey::R);
  EXPECT_FLOAT_EQ(sprite->scale.x, 1.0f);
  // Each corner of the sprite's outline, 0.1 out to its side, is a handle of its own. Well off
  // the middle of the view, a corner taken back from the screen at the wrong depth would miss.
  MoveMouse(400, 300);
  game.Step();
  sprite->SetPosition(menu->Mouse().World() + Vector3{5.0f, -3.0f, 0.0f});
  const Vector3 half{width / 2 + 0.1f, 16 * PixelWorld, 0.0f};
  const std::pair<Vector3, int32_t> corners[] = {
      {{-half.x, half.y, 0.0f}, HandleTopLeft},
      {{half.x, half.y, 0.0f}, HandleTopRight},
      {{-half.x, -half.y, 0.0f}, HandleBottomLeft},
      {{half.x, -half.y, 0.0f}, HandleBottomRight},
  };
  for (const auto& [corner, handle] : corners) {
    MoveTo(sprite->position + Vector3{0.0f, 2.0f, 0.0f});
    game.Step();
    MoveTo(sprite->position + corner);
    game.Step();
    EXPECT_EQ(menu->Main().ActiveHandle(), handle) << corner.x << " " << corner.y;
  }
}

TEST_F(LevelEditing, TheDigitKeysLoadTheBrushFromTheTemplatesAndCtrlWithADigitStoresOne) {
  const TemplatePalette& palette = menu->Main().Palette();
  // Minus turns back from every one of the ten pages and Equals forward, wrapping at both ends.
  constexpr int Pages = 10;
  for (int page = Pages - 1; page >= 0; --page) {
    game.TapKey(VirtualKey::Minus);
    EXPECT_EQ(palette.m_templatePageIndex, page);
  }
  for (int page = 0; page < Pages; ++page) {
    game.TapKey(VirtualKey::Equals);
    EXPECT_EQ(palette.m_templatePageIndex, (page + 1) % Pages);
  }
  EXPECT_EQ(palette.m_chosenTemplate, nullptr);

  // A circle selected: Ctrl+3 stores its look with the scale 1 by 1 into the third template.
  game.TapKey(VirtualKey::D);
  DragAlong({0.0f, 2.0f, 0.0f}, {0.5f, 2.0f, 0.0f});
  Shape* circle = menu->Main().Selected();
  ASSERT_NE(circle, nullptr);
  circle->SetRotation(30.0f);
  circle->layer = 4;
  circle->flipHorizontal = 1;
  game.PressKey(VirtualKey::LeftCtrl);
  game.TapKey(VirtualKey::Digit0 + 3);
  game.ReleaseKey(VirtualKey::LeftCtrl);
  const PrimitiveTemplate& third = (*palette.m_templatePage)[2];
  EXPECT_EQ(palette.m_chosenTemplate, &third);
  EXPECT_FLOAT_EQ(third.m_rotation, 30.0f);
  EXPECT_FLOAT_EQ(third.m_scaleX, 1.0f);
  EXPECT_EQ(third.m_layer, 4);
  EXPECT_TRUE(third.m_flipX);
  EXPECT_FALSE(third.m_flipY);
  EXPECT_EQ(menu->Main().Panel().m_buttonFlipX->Pressed(), 1);
  EXPECT_EQ(menu->Main().Panel().m_buttonFlipY->Pressed(), 0);
  EXPECT_EQ(menu->Main().Panel().m_fieldLayer->text, "4");
  EXPECT_EQ(menu->Main().BrushTexture(), nullptr) << "the brush follows the template: no texture";

  // A template with a texture loads the brush; A sets the source to the whole texture.
  Texture* planks = AddPlanks();
  PrimitiveTemplate& first = (*palette.m_templatePage)[0];
  first.m_templateQuad->texture = planks;
  first.m_templateQuad->SetRect(32, 0, 96, 64);
  first.m_flipX = true;
  first.m_rotation = 15.0f;
  first.m_scaleX = 2.0f;
  first.m_scaleY = 0.5f;
  first.m_layer = 3;
  game.TapKey(VirtualKey::Digit0 + 1);
  EXPECT_EQ(menu->Main().BrushTexture(), planks);
  EXPECT_EQ(menu->Main().Panel().m_fieldSourceLeft->text, "32");
  EXPECT_EQ(menu->Main().Panel().m_buttonFlipX->Pressed(), 1);
  game.TapKey(VirtualKey::A);
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(circle->outlineVisible, 0);
  EXPECT_EQ(menu->Main().Panel().m_fieldSourceRight->text, "256");
  ASSERT_NE(menu->Main().Outline(), nullptr) << "the preview";
  // With nothing selected, Ctrl and a digit store the brush itself.
  game.PressKey(VirtualKey::LeftCtrl);
  game.TapKey(VirtualKey::Digit0 + 5);
  game.ReleaseKey(VirtualKey::LeftCtrl);
  const PrimitiveTemplate& fifth = (*palette.m_templatePage)[4];
  EXPECT_EQ(fifth.m_templateQuad->texture, planks);
  EXPECT_EQ(fifth.m_templateQuad->sourceRect.right, 256);
  EXPECT_EQ(fifth.m_templateQuad->sourceRect.bottom, 256);
  EXPECT_TRUE(fifth.m_flipX);
  EXPECT_FALSE(fifth.m_flipY);
  EXPECT_FLOAT_EQ(fifth.m_rotation, 15.0f);
  EXPECT_FLOAT_EQ(fifth.m_scaleX, 2.0f);
  EXPECT_FLOAT_EQ(fifth.m_scaleY, 0.5f);
  EXPECT_EQ(fifth.m_layer, 3);
  EXPECT_EQ(menu->Main().Selected(), nullptr);

  // Keys 1 to 9 choose the first to the ninth template of the page, 0 the tenth; one without a
  // texture leaves the brush as it was.
  for (const int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
    game.TapKey(VirtualKey::Digit0 + digit);
    EXPECT_EQ(palette.m_chosenTemplate, &(*palette.m_templatePage)[(digit + 9) % 10]) << digit;
    EXPECT_EQ(menu->Main().BrushTexture(), planks) << digit;
  }
  // With the brush-keeping Sprite tool the bar's own buttons turn the pages too, forgetting the
  // choice.
  game.TapKey(VirtualKey::Tilde);
  Click(palette.m_palettePrevious->Face());
  EXPECT_EQ(palette.m_templatePageIndex, Pages - 1);
  EXPECT_EQ(palette.m_chosenTemplate, nullptr);
  Click(palette.m_paletteNext->Face());
  EXPECT_EQ(palette.m_templatePageIndex, 0);
}

TEST_F(LevelEditing, ThePanAndZoomToolsMoveTheEyeAndAZoomPastItsLimitsIsRefused) {
  Camera& camera = *MainCamera;
  game.TapKey(VirtualKey::H);
  // The world follows the cursor: 100 pixels right and 50 down move the eye left and up.
  MoveMouse(400, 300, true);
  game.Step();
  MoveMouse(500, 300, true);
  game.Step();
  MoveMouse(500, 350, true);
  game.Step();
  MoveMouse(500, 350);
  game.Step();
  EXPECT_NEAR(camera.eye.x, -100 * PixelWorld, 1e-3f);
  EXPECT_NEAR(camera.eye.y, 50 * PixelWorld, 1e-3f);
  EXPECT_EQ(camera.targetEye, camera.eye) << "no glide back";
  // R puts the eye on the first player.
  game.TapKey(VirtualKey::R);
  EXPECT_FLOAT_EQ(camera.eye.x, player->body->position.x);

  game.TapKey(VirtualKey::Z);
  Click(400, 300);
  Click(400, 300);
  EXPECT_FLOAT_EQ(camera.eye.z, -13.0f);
  EXPECT_FLOAT_EQ(CameraDistance, 13.0f);
  ASSERT_TRUE(game.KeepFrame("editor-zoomed-in.png"));
  game.TapKey(VirtualKey::R);
  EXPECT_FLOAT_EQ(camera.eye.z, EditorCamera::NormalEyeZ);
  EditorCamera::PlaceEye(camera, {0.0f, 0.0f, -7.0f});
  Click(400, 300);
  EXPECT_FLOAT_EQ(camera.eye.z, -7.0f) << "the eye would reach the near plane";
  game.TapKey(VirtualKey::X);
  Click(400, 300);
  EXPECT_FLOAT_EQ(camera.eye.z, -9.0f);
  EditorCamera::PlaceEye(camera, {0.0f, 0.0f, -994.0f});
  Click(400, 300);
  EXPECT_FLOAT_EQ(camera.eye.z, -994.0f) << "the map would fall behind the far plane";

  // The middle button pans under every tool, here the Select tool, only while it stays down: the
  // moves of the frames it goes down and comes up in do not count.
  EditorCamera::PlaceEye(camera, {0.0f, 0.0f, EditorCamera::NormalEyeZ});
  game.TapKey(VirtualKey::T);
  SetMouse(420, 300, false, false, false);
  game.Step();
  SetMouse(400, 300, false, false, true);
  game.Step();
  SetMouse(380, 300, false, false, true);
  game.Step();
  SetMouse(360, 300, false, false, false);
  game.Step();
  EXPECT_NEAR(camera.eye.x, 20 * PixelWorld, 1e-3f);
}

TEST_F(LevelEditing, DeletingTakesTheShapeOutOfTheWorldAndOutOfEveryLink) {
  SetSwitch(ToggleVisibleCollision, true);
  auto wall = std::make_unique<BoundingQuad>();
  wall->SetPositionXYZ(-3.0f, 0.0f, 0.0f);
  wall->SetDimensions(1.0f, 4.0f, 0.0f);
  BoundingShape* solid = world->AddBoundary(std::move(wall));
  player->body->pushingList.push_back(solid);
  player->body->passThroughList.push_back(solid);
  Quad* picture = AddQuad(3.0f, 0.0f, 1.0f, 1.0f);
  auto region = std::make_unique<Quad>();
  region->SetPositionXYZ(0.0f, 4.0f, 0.0f);
  auto* tutorial = static_cast<TutorialImage*>(
      world->AddModifier(std::make_unique<TutorialImage>(world, std::move(region), picture)));

  Select(picture);
  const size_t shapes = world->shapeLayers.size();
  game.TapKey(VirtualKey::Delete);
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  EXPECT_EQ(world->shapeLayers.size(), shapes - 1);
  EXPECT_EQ(tutorial->image, nullptr) << "the tutorial shows nothing instead of a freed shape";

  Select(solid);
  EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Boundaries);
  game.TapKey(VirtualKey::Backspace);
  EXPECT_EQ(world->boundaries.size(), 1u) << "only the floor is left";
  EXPECT_FALSE(player->body->pushingList.Contains(solid));
  EXPECT_FALSE(player->body->passThroughList.Contains(solid));

  Sprite* sprite = AddSprite(AddPlanks(), -6.0f, 3.0f);
  const size_t sprites = world->spriteLayers.size();
  Select(sprite);
  EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Sprites);
  game.TapKey(VirtualKey::Delete);
  EXPECT_EQ(world->spriteLayers.size(), sprites - 1);

  Select(tutorial->region.get());
  EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Modifiers);
  game.TapKey(VirtualKey::Delete);
  EXPECT_TRUE(world->modifiers.empty());
  game.StepFrames(2);
  EXPECT_EQ(menu->Main().Outline(), nullptr);
}

// With E held a press on a boundary quad's edge switches that edge's flag, off and on again. The
// edge under the mouse shows grey, a flagged edge black, an unflagged one pale blue.
TEST_F(LevelEditing, APressWithTheEdgeCursorSwitchesTheEdgeUnderItBothWays) {
  const uint32_t hoveredGrey = Color4{255, 180, 180, 180}.ToD3DColor();
  const uint32_t flaggedBlack = Color4{255, 0, 0, 0}.ToD3DColor();
  const uint32_t plainBlue = Color4{255, 180, 190, 210}.ToD3DColor();
  auto wall = std::make_unique<BoundingQuad>();
  wall->SetPositionXYZ(3.0f, 3.0f, 0.0f);
  wall->SetDimensions(2.0f, 2.0f, 0.0f);
  auto* boundary = static_cast<BoundingQuad*>(world->AddBoundary(std::move(wall)));
  SetSwitch(ToggleVisibleCollision, true);
  Select(boundary);
  struct Edge {
    Vector3 at;
    int32_t hovered;
    BoundingQuad::EdgeIndex flag;
    int line;  // of the drawn outline: right, left, top, bottom
  };
  const Edge edges[] = {
      {{3.0f, 4.1f, 0.0f}, HoveredTop, BoundingQuad::EdgeTop, 2},
      {{1.9f, 3.0f, 0.0f}, HoveredLeft, BoundingQuad::EdgeLeft, 1},
      {{3.0f, 1.9f, 0.0f}, HoveredBottom, BoundingQuad::EdgeBottom, 3},
      {{4.1f, 3.0f, 0.0f}, HoveredRight, BoundingQuad::EdgeRight, 0},
  };
  const auto expectEdgeColors = [&](int line, uint32_t color) {
    for (int each = 0; each < 4; ++each) {
      EXPECT_EQ(boundary->worldOutline[2 * each].color, each == line ? color : flaggedBlack)
          << "line " << each << " with line " << line << " marked";
    }
  };
  game.PressKey(VirtualKey::E);
  for (const Edge& edge : edges) {
    for (const uint8_t flag : {0, 1}) {
      MoveTo(edge.at);
      game.Step();
      ASSERT_EQ(menu->Main().HoveredEdge(), edge.hovered);
      expectEdgeColors(edge.line, hoveredGrey);
      ClickAt(edge.at);
      std::array<uint8_t, 4> flags{1, 1, 1, 1};
      flags[edge.flag] = flag;
      EXPECT_EQ(boundary->edgeFlags, flags) << edge.hovered;
      MoveTo({3.0f, 3.0f, 0.0f});
      game.Step();
      expectEdgeColors(edge.line, flag ? flaggedBlack : plainBlue);
    }
  }
  game.ReleaseKey(VirtualKey::E);
}

TEST_F(LevelEditing, TheSelectionShowsItsHandlesAndThePanelItsValues) {
  SetSwitch(ToggleVisibleCollision, true);
  Quad* quad = AddQuad(-3.0f, 1.0f, 3.0f, 2.0f);
  quad->SetRotation(20.0f);
  Select(quad);
  MoveTo({-3.0f + 1.55f * std::cos(20.0f * DegreesToRadians) + 0.05f,
          1.0f + 1.55f * std::sin(20.0f * DegreesToRadians), 0.0f});
  game.Step();
  EXPECT_EQ(CursorCell(), Atlas::CursorResize);
  EXPECT_EQ(menu->Main().ActiveHandle(), HandleRightEdge);
  const Quad& marker = menu->Main().Handles().MarkerOf(HandleRightEdge);
  EXPECT_EQ(marker.GetColor(), SelectionHandles::HoverFill);
  const Vector3 onScreen = ClientOf(quad->GetRightMid());
  EXPECT_NEAR(marker.altPosition.x, onScreen.x, 1e-3f);
  EXPECT_EQ(menu->Main().Panel().m_fieldRotation->text, "20");
  EXPECT_EQ(menu->Main().Panel().m_fieldWidth->text, "3");
  ASSERT_TRUE(game.KeepFrame("editor-quad-selected.png"));

  // A boundary's flagged edges show dark; with E held the edge under the mouse switches.
  auto wall = std::make_unique<BoundingQuad>();
  wall->SetPositionXYZ(3.0f, 1.0f, 0.0f);
  wall->SetDimensions(2.0f, 2.0f, 0.0f);
  auto* boundary = static_cast<BoundingQuad*>(world->AddBoundary(std::move(wall)));
  Select(boundary);
  game.PressKey(VirtualKey::E);
  MoveTo({3.0f, 2.1f, 0.0f});
  game.Step();
  EXPECT_EQ(CursorCell(), Atlas::CursorEdgeFlag);
  EXPECT_EQ(menu->Main().HoveredEdge(), HoveredTop);
  ClickAt({3.0f, 2.1f, 0.0f});
  game.ReleaseKey(VirtualKey::E);
  EXPECT_EQ(boundary->edgeFlags[BoundingQuad::EdgeTop], 0);
  MoveTo({3.0f, 1.0f, 0.0f});
  game.Step();
  ASSERT_TRUE(game.KeepFrame("editor-boundary-selected.png"));

  Circle* circle = nullptr;
  game.TapKey(VirtualKey::D);
  DragAlong({0.0f, -2.0f, 0.0f}, {0.8f, -2.0f, 0.0f});
  circle = dynamic_cast<Circle*>(menu->Main().Selected());
  ASSERT_NE(circle, nullptr);
  game.TapKey(VirtualKey::T);
  MoveTo({0.0f, -2.0f, 0.0f});
  game.Step();
  EXPECT_EQ(menu->Main().Handles().MarkerOf(0).width, 0.0f) << "a circle shows its centre only";
  EXPECT_GT(menu->Main().Handles().CentreMarker().radius, 0.0f);
  ASSERT_TRUE(game.KeepFrame("editor-circle-selected.png"));
}

}  // namespace
