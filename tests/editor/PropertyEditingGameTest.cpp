#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "collision/Boundary.h"
#include "editor/DebugButton.h"
#include "editor/ContextMenu.h"
#include "editor/EditorLayout.h"
#include "editor/PropertyPanel.h"
#include "engine/CheckBox.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "platform/TextFont.h"
#include "support/DrawnTexts.h"
#include "triggers/CameraSetters.h"
#include "triggers/ConversationShape.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/SaveShape.h"
#include "triggers/TutorialImage.h"
#include "world/MapFormat.h"
#include "support/LevelEditingSession.h"
#include "world/ModifierShape.h"

namespace {

using namespace level_editing;

class PropertyEditing : public LevelEditing {
 protected:
  void ClickField(const TextBox& field) {
    Click(field.box->altPosition.x + field.box->width / 2 - 2, field.box->altPosition.y);
    ASSERT_EQ(menu->Field().Current(), &field);
  }
  // The caret to the end, then every character erased.
  void Erase(const TextBox& field) {
    for (size_t step = field.text.size(); step > 0; --step) game.TapKey(VirtualKey::RightArrow);
    for (size_t left = field.text.size(); left > 0; --left) game.TapKey(VirtualKey::Backspace);
  }
  // The number into the open, emptied field as a person types it: digits and point in their
  // order, then the sign key.
  void TypeNumber(const std::string& number) {
    std::string magnitude = number;
    std::erase(magnitude, '-');
    TypeText(magnitude);
    if (number.starts_with('-')) game.TapKey(VirtualKey::Minus);
  }
  // A press on the panel's empty band closes the open field.
  void ClickPanelBackground() { Click(120, 590); }
  void RightClickAt(const Vector3& point) {
    const Vector3 client = ClientOf(point);
    SetMouse(std::round(client.x), std::round(client.y), false, true, false);
    game.Step();
    SetMouse(std::round(client.x), std::round(client.y), false, false, false);
    game.Step();
  }
  void ChooseItem(ContextMenu::Item item) {
    Click(menu->Main().ContextMenuWidgets().ItemBox(item));
  }
  void ChooseConversionTo(int32_t kind) {
    ChooseItem(menu->Main().ContextMenuWidgets().ConversionTo(kind));
  }
  BoundingQuad* AddWall(float x, float y) {
    auto wall = std::make_unique<BoundingQuad>();
    wall->SetPositionXYZ(x, y, 0.0f);
    wall->SetDimensions(1.0f, 1.0f, 0.0f);
    return static_cast<BoundingQuad*>(world->AddBoundary(std::move(wall)));
  }
  const PropertyPanel& Panel() const { return menu->Main().Panel(); }
  const TriggerPanel& Triggers() const { return *Panel().m_triggers; }
};

TEST_F(PropertyEditing, TypingIntoAFieldMovesTheQuadAtEachKeyAndOpeningAloneChangesNothing) {
  Quad* quad = AddQuad(1.23456789f, 0.0f, 2.0f, 2.0f);
  quad->SetRotation(12.3456789f);
  Select(quad);
  // Rounded to what the box has room for.
  EXPECT_EQ(Panel().m_fieldPositionX->text, "1.2346");

  // Opened and closed without a key: the shortened text is never written back.
  for (TextBox* field : {Panel().m_fieldPositionX.get(), Panel().m_fieldRotation.get(),
                         Panel().m_fieldTopLeftX.get(), Panel().m_fieldLayer.get()}) {
    ClickField(*field);
    game.StepFrames(3);
    ClickPanelBackground();
    EXPECT_EQ(menu->Field().Current(), nullptr);
  }
  EXPECT_EQ(quad->position.x, 1.23456789f);
  EXPECT_EQ(quad->rotation, 12.3456789f);
  EXPECT_EQ(quad->width, 2.0f);

  // Erasing writes 0 at once; each digit and the point move the quad as they are typed.
  const float topLeftX = quad->GetTopLeft().x;
  ClickField(*Panel().m_fieldPositionX);
  Erase(*Panel().m_fieldPositionX);
  EXPECT_EQ(Panel().m_fieldPositionX->text, "");
  EXPECT_EQ(quad->position.x, 0.0f);
  game.TapKey(VirtualKey::Digit0 + 3);
  EXPECT_EQ(quad->position.x, 3.0f);
  game.TapKey(VirtualKey::Period);
  game.TapKey(VirtualKey::Digit0 + 5);
  EXPECT_FLOAT_EQ(quad->position.x, 3.5f);
  game.TapKey(VirtualKey::Minus);
  EXPECT_FLOAT_EQ(quad->position.x, -3.5f);
  EXPECT_EQ(quad->position.y, 0.0f);
  EXPECT_EQ(Panel().m_fieldTopLeftX->text, ShownNumberIn(*Panel().m_fieldTopLeftX, topLeftX, 7))
      << "other fields wait for a refresh";
  ASSERT_TRUE(game.KeepFrame("editor-typed-x.png"));

  // A corner field moves that corner and keeps the opposite one.
  const Vector3 topLeft = quad->GetTopLeft();
  ClickField(*Panel().m_fieldBottomRightY);
  Erase(*Panel().m_fieldBottomRightY);
  game.TapKey(VirtualKey::Minus);
  game.TapKey(VirtualKey::Digit0 + 4);
  EXPECT_FLOAT_EQ(quad->GetBottomRight().y, -4.0f);
  EXPECT_NEAR(quad->GetTopLeft().x, topLeft.x, 1e-5f);
  EXPECT_NEAR(quad->GetTopLeft().y, topLeft.y, 1e-5f);

  // The layer moves the quad between the world's layers; the new layer is shown and pickable.
  ClickField(*Panel().m_fieldLayer);
  Erase(*Panel().m_fieldLayer);
  game.TapKey(VirtualKey::Digit0 + 3);
  EXPECT_EQ(quad->layer, 3);
  EXPECT_NE(world->FindShapeAt(3, quad), world->shapeLayers.end());
  EXPECT_EQ(world->FindShapeAt(0, quad), world->shapeLayers.end());
  EXPECT_TRUE(menu->Switches().m_layerFlags.at(3).visible);
  EXPECT_TRUE(menu->Switches().m_layerFlags.at(3).selectable);
  ClickPanelBackground();
  Click(*Panel().m_layerDownArrow);
  EXPECT_EQ(quad->layer, 2);
  EXPECT_EQ(Panel().m_fieldLayer->text, "2");
  EXPECT_NE(world->FindShapeAt(2, quad), world->shapeLayers.end());
  // The same layer again keeps a quad's or a sprite's place ahead of a later one of its layer.
  const auto retypeLayer = [this] {
    ClickField(*Panel().m_fieldLayer);
    game.TapKey(VirtualKey::LeftArrow);
    game.TapKey(VirtualKey::Digit0);
  };
  const auto firstOf = [](const auto& layers, const Shape* one, const Shape* other) {
    for (const auto& [layer, entry] : layers.entries) {
      if (entry.item == one || entry.item == other) return static_cast<const Shape*>(entry.item);
    }
    return static_cast<const Shape*>(nullptr);
  };
  const Quad* laterQuad = AddQuad(6.0f, -6.0f, 1.0f, 1.0f, 2);
  retypeLayer();
  EXPECT_EQ(firstOf(world->shapeLayers, quad, laterQuad), quad);
  Texture* planks = AddPlanks();
  Sprite* sprite = AddSprite(planks, 3.0f, -4.0f, 2);
  const Sprite* laterSprite = AddSprite(planks, 4.5f, -4.0f, 2);
  menu->Main().Select(sprite, SelectionOwner::Sprites);
  menu->Main().RefreshPropertyFields();
  retypeLayer();
  EXPECT_EQ(firstOf(world->spriteLayers, sprite, laterSprite), sprite);
  // The up arrow moves a sprite up a layer in the world's sprite layers.
  ClickPanelBackground();
  Click(*Panel().m_layerUpArrow);
  EXPECT_EQ(sprite->layer, 3);
  const auto layerOf = [this](const Sprite* picture) {
    for (const auto& [layer, entry] : world->spriteLayers.entries) {
      if (entry.item == picture) return layer;
    }
    return -1;
  };
  EXPECT_EQ(layerOf(sprite), 3);
  EXPECT_EQ(layerOf(laterSprite), 2);
  Select(quad);

  // The flip buttons set the flags; the arrow keys nudge nothing while a field is open.
  Click(Panel().m_buttonFlipX->Face());
  EXPECT_EQ(quad->flipHorizontal, 1);
  const float y = quad->position.y;
  ClickField(*Panel().m_fieldPositionY);
  game.TapKey(VirtualKey::UpArrow);
  EXPECT_EQ(quad->position.y, y);

  // Seven integer digits and more show as nines; whole numbers keep their digits even where the
  // box shows only the first of them.
  quad->SetPositionXYZ(2500000.0f, -1234567.5f, 123456.7f);
  menu->Main().RefreshPropertyFields();
  EXPECT_EQ(Panel().m_fieldPositionX->text, "9999999");
  EXPECT_EQ(Panel().m_fieldPositionY->text, "-9999999");
  EXPECT_EQ(Panel().m_fieldPositionZ->text, "123457");
}

// A right-click picks another shape while a field is open and edited: the field closes first,
// so its shortened text is never written into the new shape.
TEST_F(PropertyEditing, ARightClickReselectionClosesTheEditedField) {
  Quad* first = AddQuad(-3.0f, 0.0f, 2.0f, 2.0f);
  Quad* second = AddQuad(3.0f, 0.0f, 2.0f, 2.0f);
  second->SetRotation(12.3456789f);
  Select(first);
  ClickField(*Panel().m_fieldRotation);
  game.TapKey(VirtualKey::Digit0 + 5);
  ASSERT_TRUE(menu->Field().Edited());
  RightClickAt(second->position);
  ASSERT_EQ(menu->Main().Selected(), second);
  game.Step();
  EXPECT_EQ(menu->Field().Current(), nullptr);
  EXPECT_EQ(second->rotation, 12.3456789f);
}

// Every field writes its number into its own coordinate, and the panel shows that coordinate
// in that field again.
TEST_F(PropertyEditing, EveryFieldWritesAndShowsItsOwnCoordinate) {
  Quad* quad = AddQuad(0.0f, 0.0f, 2.0f, 2.0f);
  quad->texture = AddPlanks();
  auto round = std::make_unique<Circle>();
  Circle* circle = round.get();
  world->shapeLayers.Insert(0, std::move(round));
  auto picture = std::make_unique<Sprite>(quad->texture);
  Sprite* sprite = picture.get();
  world->spriteLayers.Insert(0, std::move(picture));
  auto region = [] {
    auto shape = std::make_unique<Quad>();
    shape->SetDimensions(1.0f, 1.0f, 0.0f);
    return shape;
  };
  auto* hazard = static_cast<Hazard*>(
      world->AddModifier(std::make_unique<Hazard>(world, region(), 0.0f)));
  const Vector3 offThePlane{0.0f, 0.0f, 2.0f};
  auto* portal = static_cast<Portal*>(
      world->AddModifier(std::make_unique<Portal>(world, region(), "", offThePlane)));
  auto* push = static_cast<PushShape*>(
      world->AddModifier(std::make_unique<PushShape>(world, region(), offThePlane)));
  auto* depth = static_cast<CameraDepthSetter*>(
      world->AddModifier(std::make_unique<CameraDepthSetter>(world, region(), 0.0f)));
  auto* still = static_cast<CameraStationarySetter*>(world->AddModifier(
      std::make_unique<CameraStationarySetter>(world, region(), 1, Vector3{})));
  struct Row {
    const char* name;
    const TextBox* field;
    Shape* shape;
    float value;
    std::function<float()> read;
    // What is typed, when not the value as shown.
    const char* typed = nullptr;
    // Typed after the text as shown, the field not emptied first.
    bool afterShown = false;
  };
  const PropertyPanel& panel = Panel();
  const auto own = [this](int32_t kind, const std::string& label) {
    return Triggers().FieldLabelled(kind, label);
  };
  const Row rows[] = {
      {"x", panel.m_fieldPositionX.get(), quad, 4.25f, [&] { return quad->position.x; }},
      {"y", panel.m_fieldPositionY.get(), quad, -3.5f, [&] { return quad->position.y; }},
      {"z", panel.m_fieldPositionZ.get(), quad, 0.5f, [&] { return quad->position.z; }},
      {"rotation", panel.m_fieldRotation.get(), quad, 30.0f, [&] { return quad->rotation; }},
      {"width", panel.m_fieldWidth.get(), quad, 3.5f, [&] { return quad->width; }},
      {"height", panel.m_fieldHeight.get(), quad, 2.5f, [&] { return quad->height; }},
      {"top-left x", panel.m_fieldTopLeftX.get(), quad, -1.25f,
       [&] { return quad->GetTopLeft().x; }},
      {"top-left y", panel.m_fieldTopLeftY.get(), quad, 1.75f,
       [&] { return quad->GetTopLeft().y; }},
      {"top-right x", panel.m_fieldTopRightX.get(), quad, 1.5f,
       [&] { return quad->GetTopRight().x; }},
      {"top-right y", panel.m_fieldTopRightY.get(), quad, 1.25f,
       [&] { return quad->GetTopRight().y; }},
      {"bottom-left x", panel.m_fieldBottomLeftX.get(), quad, -1.75f,
       [&] { return quad->GetBottomLeft().x; }},
      {"bottom-left y", panel.m_fieldBottomLeftY.get(), quad, -1.5f,
       [&] { return quad->GetBottomLeft().y; }},
      {"bottom-right x", panel.m_fieldBottomRightX.get(), quad, 1.25f,
       [&] { return quad->GetBottomRight().x; }},
      {"bottom-right y", panel.m_fieldBottomRightY.get(), quad, -1.25f,
       [&] { return quad->GetBottomRight().y; }},
      {"source left", panel.m_fieldSourceLeft.get(), quad, 3.0f,
       [&] { return static_cast<float>(quad->sourceRect.left); }},
      {"source top", panel.m_fieldSourceTop.get(), quad, 5.0f,
       [&] { return static_cast<float>(quad->sourceRect.top); }},
      {"source right", panel.m_fieldSourceRight.get(), quad, 60.0f,
       [&] { return static_cast<float>(quad->sourceRect.right); }},
      {"source bottom", panel.m_fieldSourceBottom.get(), quad, 70.0f,
       [&] { return static_cast<float>(quad->sourceRect.bottom); }},
      {"layer", panel.m_fieldLayer.get(), quad, 4.0f,
       [&] { return static_cast<float>(quad->layer); }},
      {"radius", panel.m_fieldRadius.get(), circle, 2.25f, [&] { return circle->radius; }},
      {"scale x", panel.m_fieldScaleX.get(), sprite, 1.5f, [&] { return sprite->scale.x; }},
      {"scale y", panel.m_fieldScaleY.get(), sprite, 0.75f, [&] { return sprite->scale.y; }},
      {"damage", own(ModifierShape::KindHazard, "Damage:"), hazard->region.get(), 7.5f,
       [&] { return hazard->damage; }},
      {"target x", own(ModifierShape::KindPortal, "Pos X:"), portal->region.get(), -3.25f,
       [&] { return portal->targetPosition.x; }},
      {"target y", own(ModifierShape::KindPortal, "Y:"), portal->region.get(), 6.5f,
       [&] { return portal->targetPosition.y; }},
      {"push x", own(ModifierShape::KindPushShape, "Push X:"), push->region.get(), 4.5f,
       [&] { return push->push.x; }},
      {"push y", own(ModifierShape::KindPushShape, "Y:"), push->region.get(), -2.25f,
       [&] { return push->push.y; }},
      {"depth", own(ModifierShape::KindCameraDepth, "Depth:"), depth->region.get(), -12.5f,
       [&] { return depth->depth; }},
      {"eye x", own(ModifierShape::KindCameraStationary, "X:"), still->region.get(), 3.75f,
       [&] { return still->cameraPosition.x; }},
      {"eye y", own(ModifierShape::KindCameraStationary, "Y:"), still->region.get(), -4.25f,
       [&] { return still->cameraPosition.y; }},
      {"eye z", own(ModifierShape::KindCameraStationary, "Z:"), still->region.get(), -20.5f,
       [&] { return still->cameraPosition.z; }},
      // A trigger holds and saves what was typed, not what its box shows of it, and the minus key
      // turns the sign of what it holds.
      {"target x, long", own(ModifierShape::KindPortal, "Pos X:"), portal->region.get(), 12.3456f,
       [&] { return portal->targetPosition.x; }, "12.3456"},
      {"target x, minus", own(ModifierShape::KindPortal, "Pos X:"), portal->region.get(), -12.3456f,
       [&] { return portal->targetPosition.x; }, "-", true},
      {"target y, long", own(ModifierShape::KindPortal, "Y:"), portal->region.get(), 1.23456f,
       [&] { return portal->targetPosition.y; }, "1.23456"},
      {"push x, long", own(ModifierShape::KindPushShape, "Push X:"), push->region.get(), -1.23456f,
       [&] { return push->push.x; }, "-1.23456"},
      {"push y, long", own(ModifierShape::KindPushShape, "Y:"), push->region.get(), 1234567.0f,
       [&] { return push->push.y; }, "1234567"},
      {"push y, minus", own(ModifierShape::KindPushShape, "Y:"), push->region.get(), -1234567.0f,
       [&] { return push->push.y; }, "-", true},
      {"damage, emptied", own(ModifierShape::KindHazard, "Damage:"), hazard->region.get(), 0.0f,
       [&] { return hazard->damage; }, ""},
      {"source left, emptied", panel.m_fieldSourceLeft.get(), quad, 0.0f,
       [&] { return static_cast<float>(quad->sourceRect.left); }, ""},
      {"x, a lone point", panel.m_fieldPositionX.get(), quad, 0.0f,
       [&] { return quad->position.x; }, "."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    quad->SetPositionXYZ(0.0f, 0.0f, 0.0f);
    quad->SetDimensions(2.0f, 2.0f, 0.0f);
    quad->SetRotation(0.0f);
    const bool trigger = world->FindModifierByShape(row.shape) != nullptr;
    menu->Main().Select(row.shape, trigger ? SelectionOwner::Modifiers : SelectionOwner::Shapes);
    menu->Main().RefreshPropertyFields();
    const TextBox& field = *row.field;
    ClickField(field);
    if (!row.afterShown) Erase(field);
    TypeNumber(row.typed ? row.typed : ShownNumber(row.value, 7));
    game.StepFrames(2);
    menu->Field().Close();
    EXPECT_FLOAT_EQ(row.read(), row.value);
    EXPECT_FALSE(field.text.empty()) << "an emptied field shows the 0 it holds";
    menu->Main().RefreshPropertyFields();
    EXPECT_EQ(field.text, ShownNumberIn(field, row.value, 7));
  }
  // A trigger's vector keeps its other coordinate and is laid in the plane.
  const Vector3 target{-12.3456f, 1.23456f, 0.0f};
  const Vector3 pushed{-1.23456f, -1234567.0f, 0.0f};
  EXPECT_EQ(portal->targetPosition, target);
  EXPECT_EQ(push->push, pushed);
  // Opening another field closes the edited one: the new one's shown text is not written.
  menu->Main().Select(quad, SelectionOwner::Shapes);
  menu->Main().RefreshPropertyFields();
  quad->SetRotation(12.3456789f);
  ClickField(*Panel().m_fieldPositionX);
  game.TapKey(VirtualKey::Digit0 + 1);
  ClickField(*Panel().m_fieldRotation);
  game.Step();
  EXPECT_EQ(quad->rotation, 12.3456789f);

  ASSERT_TRUE(menu->Main().SaveMapUnmarked("Typed"));
  Leave();
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\Typed.gmf");
  ASSERT_EQ(world->modifiers.size(), 5u);
  for (const auto& trigger : world->modifiers) {
    if (auto* saved = dynamic_cast<Portal*>(trigger.get())) {
      EXPECT_EQ(saved->targetPosition, target);
    } else if (auto* savedPush = dynamic_cast<PushShape*>(trigger.get())) {
      EXPECT_EQ(savedPush->push, pushed);
    }
  }
}

// A kept frame of the panel for each kind of selection that brings its own fields, buttons or
// check boxes, so every place the panel lays something out is held by a frame.
TEST_F(PropertyEditing, ThePanelShowsWhatEachKindOfSelectionBrings) {
  SetSwitch(ToggleVisibleCollision, true);
  Texture* planks = AddPlanks();
  Quad* textured = AddQuad(-5.0f, 3.0f, 2.0f, 1.5f);
  textured->texture = planks;
  textured->sourceRect = {0, 0, 128, 96};
  textured->SetName("Sign");
  auto round = std::make_unique<Circle>();
  round->SetPositionXYZ(-2.0f, 3.0f, 0.0f);
  round->SetRadius(0.75f);
  round->texture = planks;
  round->sourceRect = {0, 0, 128, 128};
  Circle* circle = round.get();
  world->shapeLayers.Insert(0, std::move(round));
  auto picture = std::make_unique<Sprite>(planks, 0, Vector3{1.0f, 3.0f, 0.0f}, 0.0f,
                                          platform::PixelRect{0, 0, 64, 32});
  Sprite* sprite = picture.get();
  world->spriteLayers.Insert(0, std::move(picture));
  BoundingQuad* wall = AddWall(4.0f, 3.0f);
  auto ring = std::make_unique<BoundingCircle>();
  ring->SetPositionXYZ(-5.0f, 0.0f, 0.0f);
  ring->SetRadius(0.5f);
  Shape* boundaryCircle = world->AddBoundary(std::move(ring));
  float nextX = -3.0f;
  auto region = [&nextX] {
    auto shape = std::make_unique<Quad>();
    shape->SetPositionXYZ(nextX, 0.0f, 0.0f);
    shape->SetDimensions(1.0f, 1.0f, 0.0f);
    nextX += 1.5f;
    return shape;
  };
  auto trigger = [this](std::unique_ptr<ModifierShape> made) {
    return world->AddModifier(std::move(made))->region.get();
  };
  Shape* hazard = trigger(std::make_unique<Hazard>(world, region(), 7.5f));
  Shape* portal = trigger(std::make_unique<Portal>(world, region(), "Content\\Maps\\DemoHubMap.gmf",
                                                   Vector3{3.0f, -4.0f, 0.0f}));
  Shape* push = trigger(std::make_unique<PushShape>(world, region(), Vector3{2.5f, 1.0f, 0.0f}));
  Shape* tutorial = trigger(std::make_unique<TutorialImage>(world, region(), textured));
  Shape* depth = trigger(std::make_unique<CameraDepthSetter>(world, region(), -12.5f));
  Shape* still = trigger(std::make_unique<CameraStationarySetter>(world, region(), 1,
                                                                  Vector3{1.0f, 2.0f, -20.0f}));
  auto* conversation =
      dynamic_cast<Circle*>(trigger(std::make_unique<ConversationShape>(nullptr, world)));
  auto* save = dynamic_cast<Circle*>(trigger(std::make_unique<SaveShape>(world)));
  ASSERT_TRUE(conversation && save);
  conversation->SetPositionXYZ(5.5f, 1.5f, 0.0f);
  conversation->SetRadius(0.5f);
  save->SetPositionXYZ(-5.0f, 1.5f, 0.0f);
  save->SetRadius(0.5f);

  struct Row {
    const char* name;
    Shape* shape;
    SelectionOwner owner;
  };
  const Row rows[] = {
      {"textured-quad", textured, SelectionOwner::Shapes},
      {"textured-circle", circle, SelectionOwner::Shapes},
      {"sprite", sprite, SelectionOwner::Sprites},
      {"boundary-quad", wall, SelectionOwner::Boundaries},
      {"boundary-circle", boundaryCircle, SelectionOwner::Boundaries},
      {"hazard", hazard, SelectionOwner::Modifiers},
      {"portal", portal, SelectionOwner::Modifiers},
      {"push", push, SelectionOwner::Modifiers},
      {"tutorial-image", tutorial, SelectionOwner::Modifiers},
      {"camera-depth", depth, SelectionOwner::Modifiers},
      {"camera-stationary", still, SelectionOwner::Modifiers},
      {"conversation", conversation, SelectionOwner::Modifiers},
      {"save-point", save, SelectionOwner::Modifiers},
  };
  for (const Row& row : rows) {
    menu->Main().Select(row.shape, row.owner);
    menu->Main().RefreshPropertyFields();
    game.Step();
    ASSERT_TRUE(game.KeepFrame(std::string("editor-panel-") + row.name + ".png"));
  }
}

// A map shape and a sprite become triggers too, each leaving its own layers for the trigger list.
TEST_F(PropertyEditing, AMapShapeAndASpriteBecomeTriggersAndLeaveTheirLayers) {
  Quad* quad = AddQuad(-3.0f, 3.0f, 1.0f, 1.0f);
  Sprite* sprite = AddSprite(AddPlanks(), 3.0f, 3.0f);
  const size_t shapes = world->shapeLayers.size();
  const size_t sprites = world->spriteLayers.size();
  const std::tuple<Shape*, SelectionOwner, int32_t> rows[] = {
      {quad, SelectionOwner::Shapes, ModifierShape::KindHazard},
      {sprite, SelectionOwner::Sprites, ModifierShape::KindPushShape}};
  for (const auto& [shape, owner, kind] : rows) {
    RightClickAt(shape->position);
    ASSERT_EQ(menu->Main().Selected(), shape);
    ASSERT_EQ(menu->Main().SelectedOwner(), owner);
    ASSERT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuConvert);
    ChooseConversionTo(kind);
    const ModifierShape* trigger = world->FindModifierByShape(shape);
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->kind, kind);
    EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Modifiers);
  }
  EXPECT_EQ(world->shapeLayers.size(), shapes - 1);
  EXPECT_EQ(world->spriteLayers.size(), sprites - 1);
}

TEST_F(PropertyEditing, ABoundaryBecomesEachTriggerAndTheMapKeepsThemAllWithTheirValues) {
  SetSwitch(ToggleVisibleCollision, true);
  world->mapName = "Content\\Maps\\Arena.gmf";
  const ContextMenu& contextMenu = menu->Main().ContextMenuWidgets();
  const std::vector<ContextMenu::Item> items = contextMenu.ItemsOf(ContextMenu::Convert);
  std::vector<BoundingQuad*> walls;
  for (size_t i = 0; i < items.size(); ++i) {
    walls.push_back(AddWall(-5.0f + 2.0f * static_cast<float>(i), 3.0f));
  }
  const size_t boundaries = world->boundaries.size();
  player->body->pushingList.push_back(walls[0]);
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(contextMenu.Label(items[i]));
    RightClickAt(walls[i]->position);
    ASSERT_EQ(menu->Main().Selected(), walls[i]);
    ASSERT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuConvert);
    if (i == 0) {
      ASSERT_TRUE(game.KeepFrame("editor-convert-menu.png"));
    }
    ChooseItem(items[i]);
    ModifierShape* trigger = world->FindModifierByShape(walls[i]);
    ASSERT_NE(trigger, nullptr);
    EXPECT_EQ(trigger->kind, contextMenu.KindOf(items[i]));
    EXPECT_EQ(menu->Main().SelectedOwner(), SelectionOwner::Modifiers);
    EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuClosed);
    EXPECT_EQ(walls[i]->GetColor(), ContextMenu::HoverFill);
  }
  EXPECT_EQ(world->boundaries.size(), boundaries - items.size());
  EXPECT_FALSE(player->body->pushingList.Contains(walls[0])) << "no longer a boundary";
  auto* portal = static_cast<Portal*>(world->FindModifierByShape(walls[0]));
  EXPECT_EQ(portal->targetMap, world->GetMapName());
  Select(walls[0]);
  // "Set Map" lists the maps; the one chosen becomes the target and the panel names it.
  Click(Triggers().ButtonLabelled(ModifierShape::KindPortal, "Set Map")->Face());
  ASSERT_EQ(menu->Mode(), MenuDebug::ModePortalTarget);
  const auto hub = std::find_if(menu->FileList().Rows().begin(), menu->FileList().Rows().end(),
                                [](const auto& row) { return row->GetName() == "DemoHubMap.gmf"; });
  ASSERT_NE(hub, menu->FileList().Rows().end());
  Click(**hub);
  Click(menu->FileList().Button("Load"));
  EXPECT_EQ(menu->Mode(), MenuDebug::ModeEdit);
  EXPECT_EQ(menu->Main().Selected(), walls[0]);
  EXPECT_EQ(portal->targetMap, "Content\\Maps\\DemoHubMap.gmf");
  ASSERT_TRUE(game.KeepFrame("editor-portal-selected.png"));
  // A name longer than the info box is cut inside it, clear of the "Position" caption.
  portal->targetMap = "Content\\Maps\\TheLongWayRoundTheMountain.gmf";
  {
    DrawnTexts drawn;
    game.Step();
    const float nameX = EditorLayout::SeparatorX[1] + 5.0f;
    const std::vector<std::string> names = drawn.AtX(nameX);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names[0].starts_with("TheLongWay") && names[0].ends_with("..")) << names[0];
    EXPECT_LE(nameX + static_cast<float>(SmallFont->Measure(StringToWString(names[0])).width),
              EditorLayout::OwnerCenterX + EditorLayout::OwnerWidth / 2);
    ASSERT_TRUE(game.KeepFrame("editor-portal-long-name.png"));
  }
  portal->targetMap = "Content\\Maps\\DemoHubMap.gmf";
  EXPECT_FLOAT_EQ(static_cast<CameraDepthSetter*>(world->FindModifierByShape(walls[4]))->depth,
                  -17.0f);
  EXPECT_FLOAT_EQ(
      static_cast<CameraStationarySetter*>(world->FindModifierByShape(walls[5]))->cameraPosition.z,
      -17.0f);

  // The push primitive's own field, typed; then it turns into a depth setter and back, its old
  // vector gone; a conversion into its own kind is refused and the menu stays.
  Select(walls[1]);
  const TextBox& pushX = *Triggers().FieldLabelled(ModifierShape::KindPushShape, "Push X:");
  ClickField(pushX);
  Erase(pushX);
  const auto pushedX = [&] {
    return static_cast<PushShape*>(world->FindModifierByShape(walls[1]))->push.x;
  };
  // The point typed last stays for the digit after it: "3", ".", "5" read 3.5.
  game.TapKey(VirtualKey::Digit0 + 3);
  game.TapKey(VirtualKey::Period);
  EXPECT_EQ(pushX.text, "3.");
  EXPECT_FLOAT_EQ(pushedX(), 3.0f);
  game.TapKey(VirtualKey::Digit0 + 5);
  EXPECT_EQ(pushX.text, "3.5");
  EXPECT_FLOAT_EQ(pushedX(), 3.5f);
  // "3." closed reads 3: the point goes with the field.
  Erase(pushX);
  game.TapKey(VirtualKey::Digit0 + 3);
  game.TapKey(VirtualKey::Period);
  ClickField(*Triggers().FieldLabelled(ModifierShape::KindPushShape, "Y:"));
  EXPECT_EQ(pushX.text, "3");
  EXPECT_FLOAT_EQ(pushedX(), 3.0f);
  game.StepFrames(2);
  ClickPanelBackground();
  RightClickAt(walls[1]->position);
  ChooseConversionTo(ModifierShape::KindPushShape);
  EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuConvert);
  EXPECT_NE(contextMenu.ItemBox(contextMenu.ConversionTo(ModifierShape::KindPushShape)).GetColor(),
            ContextMenu::HoverFill);
  ChooseConversionTo(ModifierShape::KindHazard);
  EXPECT_EQ(world->FindModifierByShape(walls[1])->kind, ModifierShape::KindHazard);
  const TextBox& damage = *Triggers().FieldLabelled(ModifierShape::KindHazard, "Damage:");
  ClickField(damage);
  Erase(damage);
  game.TapKey(VirtualKey::Digit0 + 7);
  EXPECT_EQ(world->modifiers.size(), items.size());
  game.StepFrames(2);

  ASSERT_TRUE(menu->Main().SaveMapUnmarked("Triggers"));
  Leave();
  world->ClearLevel();
  world->LoadMap("Content\\Maps\\Triggers.gmf");
  ASSERT_EQ(world->modifiers.size(), items.size());
  std::vector<int32_t> kinds;
  std::vector<float> damages;
  for (const auto& trigger : world->modifiers) {
    kinds.push_back(trigger->kind);
    ASSERT_NE(trigger->region, nullptr);
    EXPECT_FLOAT_EQ(trigger->region->position.y, 3.0f);
    if (auto* hazard = dynamic_cast<Hazard*>(trigger.get())) damages.push_back(hazard->damage);
    if (auto* portal = dynamic_cast<Portal*>(trigger.get())) {
      EXPECT_EQ(portal->targetMap, "Content\\Maps\\DemoHubMap.gmf");
    }
  }
  EXPECT_EQ(damages, (std::vector<float>{0.0f, 7.0f})) << "the new one, and the one typed";
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<int32_t>{0, 0, 1, 3, 8, 9}));
}

TEST_F(PropertyEditing, TheSideButtonsTheCheckBoxesAndTheImageButtonSetWhatTheyShow) {
  SetSwitch(ToggleVisibleCollision, true);
  BoundingQuad* wall = AddWall(-3.0f, 2.0f);
  Select(wall);
  struct Side {
    DebugButton* button;
    size_t normal;
    Vector3 outward;
  };
  const Side sides[] = {
      {Panel().m_collisionTop.get(), BoundaryNormalSides[0], {0, 1, 0}},
      {Panel().m_collisionLeft.get(), BoundaryNormalSides[1], {-1, 0, 0}},
      {Panel().m_collisionBottom.get(), BoundaryNormalSides[2], {0, -1, 0}},
      {Panel().m_collisionRight.get(), BoundaryNormalSides[3], {1, 0, 0}},
  };
  for (const Side& side : sides) {
    Click(side.button->Face());
    EXPECT_EQ(wall->sideVectors[side.normal], Vector3{}) << "pressed: that side is off";
    EXPECT_EQ(side.button->Pressed(), 1);
    Click(side.button->Face());
    EXPECT_EQ(wall->sideVectors[side.normal], side.outward);
  }
  Click(*Panel().m_collisionCentre);
  EXPECT_EQ(wall->partialEdges, 1);

  // A stationary setter's check box writes its flag; a tutorial image's button picks its
  // picture with the next press on the map.
  RightClickAt(wall->position);
  ChooseConversionTo(ModifierShape::KindCameraStationary);
  auto* setter = static_cast<CameraStationarySetter*>(world->FindModifierByShape(wall));
  const CheckBox& stationary =
      *Triggers().CheckBoxLabelled(ModifierShape::KindCameraStationary, " Camera Stationary");
  Click(*stationary.box);
  EXPECT_EQ(setter->stationary, 1);
  EXPECT_TRUE(stationary.checked);
  ASSERT_TRUE(game.KeepFrame("editor-stationary-setter.png"));
  Quad* picture = AddQuad(3.0f, 2.0f, 1.0f, 1.0f);
  RightClickAt(wall->position);
  ChooseConversionTo(ModifierShape::KindTutorialImage);
  auto* tutorial = static_cast<TutorialImage*>(world->FindModifierByShape(wall));
  ASSERT_EQ(tutorial->kind, ModifierShape::KindTutorialImage);
  const DebugButton& setImage =
      *Triggers().ButtonLabelled(ModifierShape::KindTutorialImage, "Set Tutorial Image");
  EXPECT_TRUE(setImage.Enabled());
  Click(setImage.Face());
  EXPECT_EQ(setImage.Pressed(), 1);
  ClickAt(picture->position);
  EXPECT_EQ(tutorial->image, picture);
  EXPECT_EQ(menu->Main().Selected(), wall) << "the press linked instead of picking";
  EXPECT_EQ(setImage.Pressed(), 0);

  // A quad that is no boundary has no sides to switch.
  Select(picture);
  const auto unswitched = picture->sideVectors;
  Click(Panel().m_collisionTop->Face());
  EXPECT_EQ(picture->sideVectors, unswitched);
}

// A stationary box shows the flag of the trigger selected, so a click always flips that flag.
TEST_F(PropertyEditing, AStationaryBoxShowsTheSelectedTriggersFlagAndAClickFlipsIt) {
  SetSwitch(ToggleVisibleCollision, true);
  auto setter = [this](float x, uint8_t stationary) {
    auto region = std::make_unique<Quad>();
    region->SetPositionXYZ(x, 0.0f, 0.0f);
    region->SetDimensions(1.0f, 1.0f, 0.0f);
    return static_cast<CameraStationarySetter*>(world->AddModifier(
        std::make_unique<CameraStationarySetter>(world, std::move(region), stationary, Vector3{})));
  };
  auto conversation = [this](float x, uint8_t stationary) {
    auto* made = static_cast<ConversationShape*>(
        world->AddModifier(std::make_unique<ConversationShape>(nullptr, world)));
    made->region->SetPositionXYZ(x, 2.0f, 0.0f);
    made->stationary = stationary;
    return made;
  };
  CameraStationarySetter* stillOn = setter(-3.0f, 1);
  CameraStationarySetter* stillOff = setter(-1.0f, 0);
  ConversationShape* talkOn = conversation(1.0f, 1);
  ConversationShape* talkOff = conversation(3.0f, 0);
  struct Case {
    ModifierShape* trigger;
    uint8_t* flag;
    CheckBox* box;
  };
  CheckBox* still =
      Triggers().CheckBoxLabelled(ModifierShape::KindCameraStationary, " Camera Stationary");
  CheckBox* talk =
      Triggers().CheckBoxLabelled(ModifierShape::KindConversation, " Is Player Stationary");
  const Case cases[] = {{stillOn, &stillOn->stationary, still},
                        {stillOff, &stillOff->stationary, still},
                        {talkOn, &talkOn->stationary, talk},
                        {talkOff, &talkOff->stationary, talk},
                        {stillOn, &stillOn->stationary, still}};
  for (const Case& c : cases) {
    const uint8_t before = *c.flag;
    menu->Main().Select(c.trigger->region.get(), SelectionOwner::Modifiers);
    menu->Main().RefreshPropertyFields();
    game.Step();
    EXPECT_EQ(c.box->checked, before != 0) << c.box->label;
    Click(*c.box->box);
    EXPECT_EQ(*c.flag, before ? 0 : 1) << c.box->label;
    EXPECT_EQ(c.box->checked, before == 0) << c.box->label;
  }
}

// Only with a tutorial image selected and its button down does an arrow press link the picture
// under it; otherwise the press picks there, also when the button was left down.
TEST_F(PropertyEditing, AnArrowPressLinksATutorialPictureOnlyWhileItsButtonIsDown) {
  SetSwitch(ToggleVisibleCollision, true);
  BoundingQuad* wall = AddWall(-3.0f, 2.0f);
  Quad* picture = AddQuad(3.0f, 2.0f, 1.0f, 1.0f);
  Quad* block = AddQuad(0.0f, 3.0f, 1.0f, 1.0f);
  RightClickAt(wall->position);
  ChooseConversionTo(ModifierShape::KindTutorialImage);
  auto* tutorial = static_cast<TutorialImage*>(world->FindModifierByShape(wall));
  ASSERT_NE(tutorial, nullptr);
  BoundingQuad* setter = AddWall(-3.0f, -2.0f);
  RightClickAt(setter->position);
  ChooseConversionTo(ModifierShape::KindCameraStationary);
  struct Case {
    Shape* selected;
    bool pressed;
    bool links;
  };
  const Case cases[] = {
      {block, true, false}, {block, false, false}, {wall, true, true}, {wall, false, false},
      {setter, true, false}};
  DebugButton& setImage =
      *Triggers().ButtonLabelled(ModifierShape::KindTutorialImage, "Set Tutorial Image");
  for (const Case& c : cases) {
    tutorial->image = nullptr;
    setImage.SetPressed(false);
    menu->Main().DropSelection();
    Select(c.selected);
    setImage.SetPressed(c.pressed);
    ClickAt(picture->position);
    const std::string row = (c.selected == wall     ? "tutorial, "
                             : c.selected == setter ? "setter, "
                                                    : "block, ") +
                            std::string(c.pressed ? "pressed" : "released");
    EXPECT_EQ(tutorial->image, c.links ? picture : nullptr) << row;
    EXPECT_EQ(menu->Main().Selected(), c.links ? c.selected : picture) << row;
  }
}

TEST_F(PropertyEditing, TheBrushFieldsAndArrowsSetWhatTheSpriteToolStamps) {
  ChooseBrush(AddPlanks());
  game.TapKey(VirtualKey::A);
  ClickField(*Panel().m_fieldScaleX);
  Erase(*Panel().m_fieldScaleX);
  game.TapKey(VirtualKey::Digit0 + 2);
  EXPECT_EQ(Panel().m_fieldScaleX->text, "2");
  // The point typed last waits for the digit after it: "2", ".", "5" read 2.5.
  game.TapKey(VirtualKey::Period);
  game.TapKey(VirtualKey::Digit0 + 5);
  EXPECT_EQ(Panel().m_fieldScaleX->text, "2.5");
  Click(*Panel().m_layerUpArrow);
  Click(*Panel().m_layerUpArrow);
  EXPECT_EQ(menu->Field().Current(), nullptr) << "a press off the fields closed the open one";
  EXPECT_EQ(Panel().m_fieldLayer->text, "2");
  EXPECT_TRUE(menu->Switches().m_layerFlags.at(2).visible);
  Click(Panel().m_buttonFlipY->Face());
  EXPECT_EQ(Panel().m_buttonFlipY->Pressed(), 1);
  ClickAt({1.0f, 1.0f, 0.0f});
  auto* stamped = dynamic_cast<Sprite*>(menu->Main().Selected());
  ASSERT_NE(stamped, nullptr);
  EXPECT_FLOAT_EQ(stamped->scale.x, 2.5f);
  EXPECT_EQ(stamped->layer, 2);
  EXPECT_EQ(stamped->flipVertical, 0) << "the brush's flips are not stamped";
  // With the stamp let go, the brush's preview follows the mouse again.
  Click(menu->Main().ToolIcon(Atlas::ToolDeselect));
  EXPECT_EQ(menu->Main().Selected(), nullptr);
  MoveTo({-1.0f, -1.0f, 0.0f});
  game.Step();
  ASSERT_NE(menu->Main().Outline(), nullptr);
  EXPECT_EQ(menu->Main().Outline()->position, menu->Mouse().World());
}

TEST_F(PropertyEditing, TheContextMenuOpensTowardsTheRoomLeftInTheWindow) {
  struct Case {
    int32_t form;
    Vector3 mouse;
    bool left, up;
  };
  const Case cases[] = {
      {ContextMenu::Background, {100, 100, 0}, false, false},
      {ContextMenu::Background, {790, 100, 0}, true, false},
      {ContextMenu::Zoom, {100, 590, 0}, false, true},
      {ContextMenu::Convert, {790, 590, 0}, true, true},
      {ContextMenu::Convert, {400, 463, 0}, false, false},
      {ContextMenu::Convert, {400, 464, 0}, false, true},
  };
  ContextMenu contextMenu;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mouse.x << ", " << c.mouse.y);
    contextMenu.Open(c.form, c.mouse);
    const Quad& panel = contextMenu.PanelBox();
    const float edgeX = panel.altPosition.x + (c.left ? panel.width : -panel.width) / 2;
    const float edgeY = panel.altPosition.y + (c.up ? panel.height : -panel.height) / 2;
    EXPECT_FLOAT_EQ(edgeX, c.mouse.x);
    EXPECT_FLOAT_EQ(edgeY, c.mouse.y);
    EXPECT_FLOAT_EQ(panel.height, c.form == ContextMenu::Convert ? 136.0f : 30.0f);
    const std::vector<ContextMenu::Item> items = contextMenu.ItemsOf(c.form);
    for (size_t i = 0; i < items.size(); ++i) {
      const Quad& item = contextMenu.ItemBox(items[i]);
      EXPECT_FLOAT_EQ(item.altPosition.x - item.width / 2, panel.altPosition.x - panel.width / 2 + 5);
      EXPECT_FLOAT_EQ(item.altPosition.y,
                      panel.altPosition.y - panel.height / 2 + 15 + 21 * static_cast<float>(i));
    }
  }

  // A right press at the window's right edge opens the background menu to its left; one
  // with the Zoom tool the zoom menu, whose item takes the eye back to the normal depth.
  SetMouse(790, 200, false, true, false);
  game.Step();
  SetMouse(790, 200, false, false, false);
  game.Step();
  EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuBackground);
  const Quad& shown = menu->Main().ContextMenuWidgets().PanelBox();
  EXPECT_FLOAT_EQ(shown.altPosition.x + shown.width / 2, 790.0f);
  ASSERT_TRUE(game.KeepFrame("editor-background-menu.png"));
  Click(400, 200);
  EXPECT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuClosed);
  EXPECT_EQ(shown.width, 0.0f);
  game.TapKey(VirtualKey::Z);
  Click(400, 300);
  EXPECT_FLOAT_EQ(MainCamera->eye.z, -15.0f);
  SetMouse(400, 300, false, true, false);
  game.Step();
  SetMouse(400, 300, false, false, false);
  game.Step();
  ASSERT_EQ(menu->Main().ContextMenuKind(), MainPage::MenuZoom);
  ChooseItem(ContextMenu::ZoomNormal);
  EXPECT_FLOAT_EQ(MainCamera->eye.z, -17.0f);
  EXPECT_EQ(MainCamera->targetEye, MainCamera->eye);
}

}  // namespace
