#pragma once

#include <cmath>
#include <memory>
#include <optional>

#include "editor/EditorCamera.h"
#include "editor/PropertyPanel.h"
#include "editor/TextureChooser.h"
#include "engine/Camera.h"
#include "engine/EditorAtlas.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "support/DebugMenuSession.h"
#include "world/World.h"

namespace level_editing {

using platform::Vector3;
namespace Atlas = EditorAtlas;

// One pixel of the screen, in world units at depth 0, with the eye at the normal distance of
// 17: tan(pi / 8) x 17 / 300.
constexpr float PixelWorld = 0.0234721f;
// The mouse sits on whole pixels: a world point is reached within half a pixel.
constexpr float OnePixel = PixelWorld;

// The editor over the world with the eye at (0, 0, -17): world (0, 0) is client pixel
// (400, 300).
class LevelEditing : public DebugMenuSession {
 protected:
  void SetUp() override {
    DebugMenuSession::SetUp();
    MoveMouse(400, 300);
    OpenMenu();
    EditorCamera::PlaceEye(*MainCamera, {0.0f, 0.0f, EditorCamera::NormalEyeZ});
    game.Step();
  }

  static Vector3 ClientOf(const Vector3& point) {
    return WorldToScreen(point.x, point.y, point.z);
  }
  void MoveTo(const Vector3& point, bool left = false) {
    const Vector3 client = ClientOf(point);
    MoveMouse(std::round(client.x), std::round(client.y), left);
  }
  // A straight drag in the given number of steps, the button let go at the end unless asked.
  void DragAlong(const Vector3& from, const Vector3& to, int steps = 6, bool release = true) {
    MoveTo(from);
    game.Step();
    MoveTo(from, true);
    game.Step();
    for (int i = 1; i <= steps; ++i) {
      MoveTo(from + (to - from) * (static_cast<float>(i) / static_cast<float>(steps)), true);
      game.Step();
    }
    if (!release) return;
    MoveTo(to);
    game.Step();
  }
  void ClickAt(const Vector3& point) {
    const Vector3 client = ClientOf(point);
    Click(std::round(client.x), std::round(client.y));
  }

  Quad* AddQuad(float x, float y, float width, float height, int32_t layer = 0) {
    auto quad = std::make_unique<Quad>();
    quad->SetPositionXYZ(x, y, 0.0f);
    quad->SetDimensions(width, height, 0.0f);
    quad->SetFillColorRGBA(255, 200, 120, 60);
    quad->SetName("Block");
    Quad* added = quad.get();
    world->shapeLayers.Insert(layer, std::move(quad));
    menu->CollectLayers();
    return added;
  }
  // A 32-texel square of the texture as a sprite at (x, y) on the layer.
  Sprite* AddSprite(Texture* texture, float x, float y, int32_t layer = 0) {
    auto sprite = std::make_unique<Sprite>(texture, 0, Vector3{x, y, 0.0f}, 0.0f,
                                           platform::PixelRect{0, 0, 32, 32});
    sprite->layer = layer;
    Sprite* added = world->spriteLayers.Insert(layer, std::move(sprite))->second.item;
    menu->CollectLayers();
    return added;
  }
  Texture* AddPlanks() {
    world->resources.push_back(
        LoadTextureNamed("Content\\Textures\\Tiles\\Planks.png", "Planks", 256, 256));
    return world->resources.back().get();
  }
  // The Sprite tool's brush from the texture chooser, with nothing selected.
  void ChooseBrush(const Texture* texture) {
    Click(menu->Main().ToolIcon(Atlas::ToolSprite));
    Click(*menu->Main().Panel().m_textureField);
    const TextureChooser& chooser = menu->Textures().Chooser();
    const std::optional<size_t> row = chooser.RowOf(texture);
    ASSERT_TRUE(row);
    Click(chooser.Row(*row));
    Click(chooser.OkButton());
    ASSERT_EQ(menu->Main().BrushTexture(), texture);
  }
  void Select(Shape* shape) {
    ClickAt(shape->position);
    ASSERT_EQ(menu->Main().Selected(), shape);
  }
  size_t CursorCell() const {
    return static_cast<size_t>(menu->CursorRect() - Atlas::Cells.data());
  }
};

}  // namespace level_editing
