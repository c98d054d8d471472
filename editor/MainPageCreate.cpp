// The creation tools: quads and circles, textured or boundaries, dragged out from the press,
// and sprites stamped from the brush; and the texture display of the selection.

#include <string>

#include "collision/Boundary.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "engine/EditorAtlas.h"
#include "engine/SpriteButton.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/World.h"

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 BoundaryFill{120, 0, 200, 0};
constexpr int32_t TexturedLayer = 0;

template <typename ShapeClass>
Shape* StoreTextured(World& world, const char* name) {
  auto shape = std::make_unique<ShapeClass>();
  shape->SetName(name);
  Shape* stored = shape.get();
  world.shapeLayers.Insert(TexturedLayer, std::move(shape));
  return stored;
}

template <typename BoundaryClass>
Shape* StoreBoundary(World& world, const char* name) {
  auto boundary = std::make_unique<BoundaryClass>();
  boundary->SetName(name);
  boundary->SetFillColor(BoundaryFill);
  return world.AddBoundary(std::move(boundary));
}

void SetPictureRect(Sprite& sprite, const platform::PixelRect& rect) {
  sprite.SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

// A shape given a texture shows it unshaded.
constexpr Color4 LightInterfaceColor{255, 255, 255, 255};

}  // namespace

void MainPage::ToolTextureQuad() {
  CreateAtMouse([this] { return StoreTextured<Quad>(*m_world, "Texture Quad"); },
                SelectionOwner::Shapes, Atlas::CursorQuadTool);
}

void MainPage::ToolTextureCircle() {
  CreateAtMouse([this] { return StoreTextured<Circle>(*m_world, "Texture Circle"); },
                SelectionOwner::Shapes, Atlas::CursorCircleTool);
}

void MainPage::ToolBoundaryQuad() {
  CreateAtMouse([this] { return StoreBoundary<BoundingQuad>(*m_world, "Boundary Quad"); },
                SelectionOwner::Boundaries, Atlas::CursorQuadTool);
}

void MainPage::ToolBoundaryCircle() {
  CreateAtMouse([this] { return StoreBoundary<BoundingCircle>(*m_world, "Boundary Circle"); },
                SelectionOwner::Boundaries, Atlas::CursorCircleTool);
}

void MainPage::CreateAtMouse(const std::function<Shape*()>& store, SelectionOwner owner,
                             size_t cursor) {
  m_menu.ShowCursor(cursor);
  if (m_mouse.LeftPressed()) {
    Shape* shape = store();
    shape->SetPosition(m_mouse.World());
    // The drag that follows pulls the new quad's bottom-right corner.
    if (shape->type == ShapeTypeQuad) m_activeHandle = HandleBottomRight;
    Select(shape, owner);
    m_outline.reset();
    ShowOutline(shape);
    RefreshTextureDisplay();
  } else if (m_mouse.LeftHeld() && m_selected) {
    DragResizeSelection();
    ShowOutline(m_selected);
    // The panel follows the drag, as it does a drag of the Select tool.
    RefreshPropertyFields();
  }
  PanWithMiddleButton();
}

void MainPage::ToolSprite() {
  m_menu.ShowArrowCursor();
  if (m_brushTexture) {
    if (!m_outline) MakeBrushPreview();
    SizeBrushPreview();
    m_outline->SetPosition(m_mouse.World());
    if (m_mouse.LeftPressed()) StampSprite();
  } else {
    m_outline.reset();
  }
  PanWithMiddleButton();
}

// The brush's flips are not stamped: a new sprite faces as its picture does.
void MainPage::StampSprite() {
  const PropertyPanel& panel = *m_panel;
  auto sprite = std::make_unique<Sprite>(m_brushTexture);
  sprite->SetName("Sprite");
  const platform::PixelRect rect = panel.SourceRect();
  sprite->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  sprite->SetRotation(NormalizeAngle(NumberIn(*panel.m_fieldRotation)));
  sprite->SetScale(NumberIn(*panel.m_fieldScaleX), NumberIn(*panel.m_fieldScaleY));
  sprite->layer = WholeNumberIn(*panel.m_fieldLayer);
  sprite->SetFillColor(panel.m_colorSwatch->GetColor());
  sprite->SetPosition(m_mouse.World());
  sprite->RefreshExtent();
  Sprite* stamped = sprite.get();
  m_world->spriteLayers.Insert(stamped->layer, std::move(sprite));
  Select(stamped, SelectionOwner::Sprites);
  RefreshTextureDisplay();
  m_switches.m_layerFlags.try_emplace(stamped->layer, LayerFlags{true, true});
}

void MainPage::ConfirmTexture() {
  Texture& texture = *m_brushTexture;
  PropertyPanel& panel = *m_panel;
  if (m_selected) {
    m_selected->SetTexture(&texture);
    m_selected->SetFillColor(LightInterfaceColor);
    if (!m_outline) ShowOutline(m_selected);
  }
  SetSourceFields(
      {0, 0, static_cast<int32_t>(texture.width), static_cast<int32_t>(texture.height)});
  panel.m_fieldScaleX->SetText("1");
  panel.m_fieldScaleY->SetText("1");
  panel.m_colorSwatch->SetFillColor(LightInterfaceColor);
  if (!m_outline) MakeBrushPreview();
  m_menu.SetMode(MenuDebug::ModeEdit);
  RefreshTextureDisplay();
  m_menu.SetPanelAnchor(Layout::PropertyPanel.TopLeft());
}

void MainPage::RefreshTextureDisplay() {
  if (!m_selected) return;
  PropertyPanel& panel = *m_panel;
  SpriteButton& label = *panel.m_textureLabel;
  if (m_selectedOwner == SelectionOwner::Boundaries) {
    SetPictureRect(*label.sprite, Atlas::Cells[Atlas::KindBoundary]);
  } else if (m_selectedOwner == SelectionOwner::Shapes) {
    SetPictureRect(*label.sprite, Atlas::Cells[Atlas::KindTexturedShape]);
  }
  const Texture* texture = m_selected->texture;
  if (!texture) {
    label.label = " No Texture";
  } else {
    label.label = " " + WStringToString(texture->name) + ": " + std::to_string(texture->width) +
                  " x " + std::to_string(texture->height);
  }
  ShowTextureSwatch(m_selected->texture, m_selected->sourceRect);
  RefreshPropertyFields();
}

void MainPage::ShowTextureSwatch(Texture* texture, const platform::PixelRect& rect) {
  if (!texture) {
    ShowNoTexture();
    return;
  }
  PropertyPanel& panel = *m_panel;
  Quad& swatch = *panel.m_textureSwatch;
  if (swatch.texture != texture) swatch.SetTexture(texture);
  const float width = static_cast<float>(texture->width);
  const float height = static_cast<float>(texture->height);
  if (width > 0.0f && height > 0.0f) {
    const float left = swatch.altPosition.x - swatch.width / 2;
    const float top = swatch.altPosition.y - swatch.height / 2;
    Layout::Cover(
        *panel.m_sourceFrame,
        {left + rect.left / width * swatch.width, top + rect.top / height * swatch.height,
         left + rect.right / width * swatch.width, top + rect.bottom / height * swatch.height});
  } else {
    panel.m_sourceFrame->SetDimensions(0.0f, 0.0f, 0.0f);
  }
}

void MainPage::ShowNoTexture() {
  Quad& swatch = *m_panel->m_textureSwatch;
  swatch.SetTexture(m_atlas);
  const platform::PixelRect& none = Atlas::NoTextureSwatch;
  swatch.SetRect(none.left, none.top, none.right, none.bottom);
  m_panel->m_sourceFrame->SetDimensions(0.0f, 0.0f, 0.0f);
}

void MainPage::RefreshPropertyFields() {
  if (m_selected) m_panel->Show(*m_selected, m_world->FindModifierByShape(m_selected));
}
