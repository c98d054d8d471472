// The Select tool over the map: what the mouse is over, picking, the press that starts a drag,
// the edge flags of boundary quads, a trigger's shape choice, the right-click and deleting.

#include <array>

#include "collision/Boundary.h"
#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/TypingField.h"
#include "engine/Controls.h"
#include "engine/DeferredDeleteList.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/ModifierShape.h"
#include "world/World.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;

namespace {

// Within this distance outside the selection the mouse resizes it, within twice it rotates it.
constexpr float ResizeBand = 0.18f;
constexpr float RotateBand = 2 * ResizeBand;

bool CtrlHeld(const KeyboardBuffer& keys) {
  return keys.IsDown(VirtualKey::LeftCtrl) || keys.IsDown(VirtualKey::RightCtrl);
}

}  // namespace

void MainPage::HandleMouseEditing() {
  struct ToolStep {
    size_t tool;
    Step step;
  };
  static constexpr std::array<ToolStep, 10> Steps = {{
      {EditorAtlas::ToolSelect, &MainPage::SelectToolStep},
      {EditorAtlas::ToolSprite, &MainPage::ToolSprite},
      {EditorAtlas::ToolSpriteKeepBrush, &MainPage::ToolSprite},
      {EditorAtlas::ToolTextureQuad, &MainPage::ToolTextureQuad},
      {EditorAtlas::ToolTextureCircle, &MainPage::ToolTextureCircle},
      {EditorAtlas::ToolBoundaryQuad, &MainPage::ToolBoundaryQuad},
      {EditorAtlas::ToolBoundaryCircle, &MainPage::ToolBoundaryCircle},
      {EditorAtlas::ToolPan, &MainPage::ToolPan},
      {EditorAtlas::ToolZoomIn, &MainPage::ToolZoomIn},
      {EditorAtlas::ToolZoomOut, &MainPage::ToolZoomOut},
  }};
  // The button held since a press on a panel or a dialog drives no tool; the middle one pans.
  if (m_mouse.LeftHeld() && !m_pressOnMap) {
    PanWithMiddleButton();
  } else {
    for (const ToolStep& entry : Steps) {
      if (ToolIs(entry.tool)) {
        (this->*entry.step)();
        break;
      }
    }
  }
  // Values take effect as they are typed, wherever the mouse is.
  if (m_field.Current()) ApplyActiveField();
}

void MainPage::SelectToolStep() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  PanWithMiddleButton();
  // The hover is fixed while the left button stays down: the press frame chose the drag.
  if (!m_mouse.LeftHeld()) HoverSelection();
  if (m_mouse.LeftReleased()) ClearSnapMarkers();
  if (keys.WentDown(VirtualKey::R)) {
    if (auto* sprite = dynamic_cast<Sprite*>(m_selected)) {
      sprite->SetScale(1.0f, 1.0f);
      ShowOutline(sprite);
    }
  }
  if (m_mouse.RightPressed()) {
    if (!m_selected || !m_selected->ContainsPoint(m_mouse.World())) SelectAtMouse();
    OpenContextMenu(m_selected ? MenuConvert : MenuBackground);
  }
  if (m_mouse.LeftDown()) PressOnMap();
  DeleteAtKey();
}

void MainPage::HoverSelection() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  m_menu.ShowArrowCursor();
  m_hoveredEdge = HoveredNone;
  if (!m_selected || CtrlHeld(keys)) return;
  m_selectionHandles.ResetFills();
  auto carry = [this] {
    ShowOutline(m_selected);
    if (!m_snapToggle) return;
    m_anchor = FindSnapAnchor();
    m_snappedAnchor = m_anchor;
  };
  if (m_selected->ContainsPoint(m_mouse.World())) {
    m_menu.ShowCursor(Atlas::CursorMove);
    carry();
    return;
  }
  if (m_selected->ContainsPointWithMargin(m_mouse.World(), ResizeBand)) {
    if (m_selected->type == ShapeTypeShapeList) return;
    m_menu.ShowCursor(Atlas::CursorResize);
    // The outline follows what changed the selection elsewhere, and a snapping resize carries
    // the point under the mouse, as the other drags do.
    carry();
    if (m_selected->type == ShapeTypeCircle) return;
    const bool boundary = m_selectedOwner == SelectionOwner::Boundaries;
    auto* quad = dynamic_cast<Quad*>(m_selected);
    if (keys.IsDown(VirtualKey::E) && boundary) {
      m_menu.ShowCursor(Atlas::CursorEdgeFlag);
      if (quad) PickEdgeAt(*quad);
      return;
    }
    if (quad) {
      PickHandleAt(
          {quad->GetTopLeft(), quad->GetTopRight(), quad->GetBottomLeft(), quad->GetBottomRight()});
    } else if (auto* sprite = dynamic_cast<Sprite*>(m_selected)) {
      PickHandleAt({ScreenToWorldAt(sprite->GetScreenTopLeft(), 0.0f),
                    ScreenToWorldAt(sprite->GetScreenTopRight(), 0.0f),
                    ScreenToWorldAt(sprite->GetScreenBottomLeft(), 0.0f),
                    ScreenToWorldAt(sprite->GetScreenBottomRight(), 0.0f)});
    }
    return;
  }
  if (m_selected->ContainsPointWithMargin(m_mouse.World(), RotateBand)) {
    m_menu.ShowCursor(Atlas::CursorRotate);
    carry();
  }
}

// Corners in the order top-left, top-right, bottom-left, bottom-right; a corner within the
// band wins, else the first edge whose line is.
void MainPage::PickHandleAt(const std::array<Vector3, 4>& corners) {
  for (size_t i = 0; i < corners.size(); ++i) {
    if (Distance2D(m_mouse.World(), corners[i]) <= ResizeBand) {
      m_activeHandle = static_cast<int32_t>(i);
      m_selectionHandles.Paint(m_activeHandle, true);
      return;
    }
  }
  const std::array<std::array<size_t, 2>, 4> edges = {{{0, 2}, {1, 3}, {0, 1}, {2, 3}}};
  for (size_t i = 0; i < edges.size(); ++i) {
    if (DistanceToLine(m_mouse.World(), corners[edges[i][0]], corners[edges[i][1]]) <= ResizeBand) {
      m_activeHandle = HandleLeftEdge + static_cast<int32_t>(i);
      m_selectionHandles.Paint(m_activeHandle, true);
      return;
    }
  }
}

void MainPage::PickEdgeAt(const Quad& quad) {
  struct EdgeLine {
    Vector3 from, to;
    int32_t edge;
  };
  const std::array<EdgeLine, 4> lines = {{
      {quad.GetTopLeft(), quad.GetBottomLeft(), HoveredLeft},
      {quad.GetTopRight(), quad.GetBottomRight(), HoveredRight},
      {quad.GetTopLeft(), quad.GetTopRight(), HoveredTop},
      {quad.GetBottomLeft(), quad.GetBottomRight(), HoveredBottom},
  }};
  for (const EdgeLine& line : lines) {
    if (DistanceToLine(m_mouse.World(), line.from, line.to) < ResizeBand) {
      m_hoveredEdge = line.edge;
      return;
    }
  }
}

void MainPage::PressOnMap() {
  m_field.Close();
  CloseContextMenu();
  if (m_mouse.LeftHeld()) {
    // A move of zero writes nothing back: a click that only selects leaves the shape as it was.
    if (!m_selected || m_mouse.World() == m_mouse.LastWorld()) return;
    if (m_menu.CursorRect() == &Atlas::Cells[Atlas::CursorMove]) {
      DragMoveSelection();
    } else if (m_menu.CursorRect() == &Atlas::Cells[Atlas::CursorResize]) {
      DragResizeSelection();
    } else if (m_menu.CursorRect() == &Atlas::Cells[Atlas::CursorRotate]) {
      DragRotateSelection();
    }
    RefreshPropertyFields();
    return;
  }
  if (m_menu.CursorRect() == &Atlas::Cells[Atlas::CursorArrow]) {
    if (!ChooseShapeAtMouse()) SelectAtMouse();
    return;
  }
  // Pressing a flagged edge switches it: a boundary quad lets actors through that side.
  auto* boundary = dynamic_cast<BoundingQuad*>(m_selected);
  if (m_menu.CursorRect() != &Atlas::Cells[Atlas::CursorEdgeFlag] || !boundary ||
      m_selectedOwner != SelectionOwner::Boundaries) {
    return;
  }
  const auto flip = [boundary](BoundingQuad::EdgeIndex edge) -> uint8_t {
    return boundary->edgeFlags[edge] ? 0 : 1;
  };
  switch (m_hoveredEdge) {
    case HoveredTop:
      boundary->SetEdgeFlag2(flip(BoundingQuad::EdgeTop));
      break;
    case HoveredLeft:
      boundary->SetEdgeFlag0(flip(BoundingQuad::EdgeLeft));
      break;
    case HoveredBottom:
      boundary->SetEdgeFlag3(flip(BoundingQuad::EdgeBottom));
      break;
    case HoveredRight:
      boundary->SetEdgeFlag1(flip(BoundingQuad::EdgeRight));
      break;
    default:
      break;
  }
}

// The shape under the mouse is chosen; another trigger's region cannot be, and empty space
// chooses none. The choice stops waiting either way.
bool MainPage::ChooseShapeAtMouse() {
  ModifierShape* trigger = m_selected ? m_world->FindModifierByShape(m_selected) : nullptr;
  const TriggerPanel& triggers = *m_panel->m_triggers;
  if (!trigger || !triggers.ShapeChoiceWaits(*trigger)) return false;
  Shape* picked = PickShapeAt(m_mouse.World()).shape;
  if (!picked || !m_world->FindModifierByShape(picked)) triggers.ChooseShape(*trigger, picked);
  triggers.EndShapeChoice(*trigger);
  return true;
}

Pick MainPage::PickShapeAt(const Vector3& point) {
  return ::PickShapeAt(*m_world, m_switches.m_layerFlags, m_switches.IsOn(ToggleVisibleCollision),
                       point);
}

void MainPage::SelectAtMouse() {
  const Pick pick = PickShapeAt(m_mouse.World());
  Select(pick.shape, pick.owner);
  if (m_selected) {
    m_menu.ShowCursor(Atlas::CursorMove);
    m_panel->ShowToggles(*m_selected);
    m_outline.reset();
    ShowOutline(m_selected);
  }
  RefreshTextureDisplay();
}

void MainPage::DeleteAtKey() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (m_field.Current() ||
      !(keys.WentDown(VirtualKey::Delete) || keys.WentDown(VirtualKey::Backspace))) {
    return;
  }
  if (m_selected) DeleteSelection(m_selected);
  m_selectedOwner = SelectionOwner::None;
  m_brushTexture = nullptr;
  ShowOutline(nullptr);
}

void MainPage::DeleteSelection(Shape*& shape) {
  for (const auto& modifier : m_world->modifiers) modifier->ForgetShape(shape);
  std::unique_ptr<Shape> owned;
  if (m_selectedOwner == SelectionOwner::Modifiers) {
    if (ModifierShape* modifier = m_world->FindModifierByShape(shape)) {
      owned = std::move(modifier->region);
      std::unique_ptr<ModifierShape> removed = m_world->RemoveModifier(modifier);
      if (DeferredDeletes) DeferredDeletes->Add(std::move(removed));
    }
  }
  if (auto* boundary = dynamic_cast<BoundingShape*>(shape)) {
    if (std::unique_ptr<BoundingShape> taken = m_world->RemoveBoundary(boundary)) {
      owned = std::move(taken);
    }
  }
  auto entry = m_world->FindShapeEntry(shape);
  if (entry != m_world->shapeLayers.end()) {
    std::unique_ptr<Shape> taken = std::move(entry->second.owned);
    m_world->shapeLayers.entries.erase(entry);
    if (taken) owned = std::move(taken);
  }
  if (auto* sprite = dynamic_cast<Sprite*>(shape)) {
    if (std::unique_ptr<Sprite> taken = m_world->RemoveSprite(sprite)) owned = std::move(taken);
  }
  shape = nullptr;
}
