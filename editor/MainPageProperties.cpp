// The property panel under the mouse: which fields are live for the selection (or the Sprite
// tool's brush), the text cursor over them, the presses on its buttons, arrows and check boxes,
// and opening and closing its fields.

#include "collision/Boundary.h"
#include "editor/ColorDialogPage.h"
#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/FileListPage.h"
#include "editor/LayerPanel.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/TextureDialogPage.h"
#include "editor/TypingField.h"
#include "engine/EditorAtlas.h"
#include "engine/TextBox.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/World.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;

namespace {

// Flips the toggle; true when it is pressed now.
bool Toggle(DebugButton& button) {
  button.SetPressed(!button.Pressed());
  return button.Pressed();
}

}  // namespace

void MainPage::HandlePropertyPanel() {
  m_menu.ShowArrowCursor();
  if (SpriteToolCurrent()) {
    HandleSpriteToolProperties();
  } else if (!ToolIs(Atlas::ToolPan) && !ToolIs(Atlas::ToolZoomIn) && !ToolIs(Atlas::ToolZoomOut)) {
    HandleShapeProperties();
  }
}

std::vector<TextBox*> MainPage::LiveFields() const {
  if (!m_selected) return {};
  return m_panel->LiveFields(*m_selected, m_world->FindModifierByShape(m_selected));
}

void MainPage::ShowTextCursorOver(const std::vector<TextBox*>& live) {
  for (const TextBox* field : live) {
    if (field->box->AltContainsPoint(m_mouse.Client())) {
      m_menu.ShowCursor(Atlas::CursorText);
      return;
    }
  }
}

void MainPage::HandleShapeProperties() {
  const std::vector<TextBox*> live = LiveFields();
  ShowTextCursorOver(live);
  if (m_mouse.LeftDown()) {
    CloseContextMenu();
    if (m_mouse.LeftHeld()) {
      if (m_field.Current()) m_menu.ShowCursor(Atlas::CursorText);
      m_field.DragCaret(m_mouse);
    } else if (m_selected) {
      PressShapeButtons();
      PressBoundaryButtons();
      PressTriggerButtons();
      OpenFieldUnderMouse(LiveFields());
    }
  }
  if (m_field.Current()) ApplyActiveField();
}

// The colour swatch and the texture field open the dialogs of their own pages.
bool MainPage::PressShapeButtons() {
  PropertyPanel& panel = *m_panel;
  Shape& shape = *m_selected;
  if (panel.m_colorSwatch->AltContainsPoint(m_mouse.Client())) {
    m_menu.Colors().OpenShapeColorDialog();
    return true;
  }
  if (panel.m_layerUpArrow->AltContainsPoint(m_mouse.Client())) {
    StepSelectionLayer(1);
    return true;
  }
  if (panel.m_layerDownArrow->AltContainsPoint(m_mouse.Client())) {
    StepSelectionLayer(-1);
    return true;
  }
  if (panel.m_textureField->AltContainsPoint(m_mouse.Client())) {
    m_menu.Textures().OpenTextureChooser();
    return true;
  }
  if (panel.m_clearTextureIcon->AltContainsPoint(m_mouse.Client())) {
    if (shape.texture && shape.type != ShapeTypeSprite) {
      shape.texture = nullptr;
      shape.dirty = 1;
      RefreshTextureDisplay();
    }
    return true;
  }
  for (auto [button, flip] : {std::pair{panel.m_buttonFlipX.get(), &shape.flipHorizontal},
                              std::pair{panel.m_buttonFlipY.get(), &shape.flipVertical}}) {
    if (!button->Contains(m_mouse.Client())) continue;
    const uint8_t pressed = Toggle(*button) ? 1 : 0;
    if (*flip != pressed) {
      *flip = pressed;
      shape.dirty = 1;
    }
    return true;
  }
  return false;
}

// A pressed side button switches that side of the boundary off; the centre picture switches
// the boundary's partial-edge flag.
void MainPage::PressBoundaryButtons() {
  if (m_selectedOwner != SelectionOwner::Boundaries || m_selected->type != ShapeTypeQuad) return;
  PropertyPanel& panel = *m_panel;
  struct Side {
    DebugButton* button;
    size_t side;
  };
  // Tested top, bottom, left, right; `side` counts up, left, down, right.
  const std::array<Side, 4> sides = {{{panel.m_collisionTop.get(), 0},
                                      {panel.m_collisionBottom.get(), 2},
                                      {panel.m_collisionLeft.get(), 1},
                                      {panel.m_collisionRight.get(), 3}}};
  for (const Side& entry : sides) {
    if (!entry.button->Contains(m_mouse.Client())) continue;
    const size_t normal = BoundaryNormalSides[entry.side];
    m_selected->sideVectors[normal] = Toggle(*entry.button) ? Vector3{} : SideDirections[normal];
    return;
  }
  if (panel.m_collisionCentre->AltContainsPoint(m_mouse.Client())) {
    if (auto* boundary = dynamic_cast<BoundingQuad*>(m_selected)) {
      boundary->partialEdges = boundary->partialEdges ? 0 : 1;
    }
  }
}

// A map choice, such as a portal's "Set Map", opens the file dialogs' map list; the entry
// chosen there goes into the trigger.
void MainPage::PressTriggerButtons() {
  ModifierShape* modifier = m_world->FindModifierByShape(m_selected);
  if (modifier && m_panel->m_triggers->Press(*modifier, m_mouse.Client())) {
    m_menu.FileList().OpenPortalTargetDialog(m_selected);
  }
}

void MainPage::OpenFieldUnderMouse(const std::vector<TextBox*>& live) {
  for (TextBox* field : live) {
    if (field->box->AltContainsPoint(m_mouse.Client())) {
      m_field.Open(*field, m_mouse);
      return;
    }
  }
  m_field.Close();
}

void MainPage::StepSelectionLayer(int32_t step) { MoveSelectionToLayer(m_selected->layer + step); }

// The world's layer maps keep the shape under its new layer, which is shown and can be picked.
// The same layer again keeps the shape's place among the others of its layer.
void MainPage::MoveSelectionToLayer(int32_t layer) {
  const int32_t old = m_selected->layer;
  if (layer != old && m_selectedOwner == SelectionOwner::Shapes) {
    m_world->SetShapeLayer(m_selected, old, layer);
  } else if (layer != old && m_selectedOwner == SelectionOwner::Sprites) {
    if (auto* sprite = dynamic_cast<Sprite*>(m_selected))
      m_world->SetSpriteLayer(sprite, old, layer);
  }
  m_selected->layer = layer;
  RefreshPropertyFields();
  m_switches.m_layerFlags.try_emplace(layer, LayerFlags{true, true});
}

// With a selection the brush waits: the shape panel serves.
void MainPage::HandleSpriteToolProperties() {
  if (m_selected) {
    HandleShapeProperties();
    return;
  }
  PropertyPanel& panel = *m_panel;
  const std::vector<TextBox*> live = m_brushTexture ? panel.BrushFields() : std::vector<TextBox*>{};
  ShowTextCursorOver(live);
  if (m_mouse.LeftPressed()) {
    PressBrushButtons();
    if (m_brushTexture) OpenFieldUnderMouse(live);
  } else if (m_mouse.LeftHeld()) {
    m_field.DragCaret(m_mouse);
  }
  if (m_field.Current()) ShowBrushFieldValue();
}

bool MainPage::PressBrushButtons() {
  PropertyPanel& panel = *m_panel;
  if (panel.m_textureField->AltContainsPoint(m_mouse.Client())) {
    m_menu.Textures().OpenTextureChooser();
    return true;
  }
  // The colour swatch shows only with a brush texture.
  if (m_brushTexture && panel.m_colorSwatch->AltContainsPoint(m_mouse.Client())) {
    m_menu.Colors().OpenShapeColorDialog();
    return true;
  }
  for (DebugButton* button : {panel.m_buttonFlipX.get(), panel.m_buttonFlipY.get()}) {
    if (button->Contains(m_mouse.Client())) {
      Toggle(*button);
      return true;
    }
  }
  for (auto [arrow, step] :
       {std::pair{panel.m_layerUpArrow.get(), 1}, std::pair{panel.m_layerDownArrow.get(), -1}}) {
    if (!arrow->AltContainsPoint(m_mouse.Client())) continue;
    StepLayerField(*panel.m_fieldLayer, step, m_switches.m_layerFlags);
    return true;
  }
  return false;
}

void MainPage::ShowBrushFieldValue() {
  if (m_field.Edited()) {
    TextBox& field = *m_field.Current();
    const std::string typed = field.text;
    field.SetText(ShownNumber(NumberIn(field), EditorLayout::PropertyFieldMaxLength));
    KeepTypedNumber(field, typed, NumberIn(field));
    field.UpdateCaret();
  }
  m_field.PlaceCaretLine();
}

void MainPage::HandleLayerPanel() {
  m_menu.ShowArrowCursor();
  if (!m_mouse.LeftPressed()) return;
  if (m_layers->Press(m_mouse.Client(), m_switches.m_layerFlags) == LayerPanel::HitNumberField) {
    m_field.Open(m_layers->NumberField(), m_mouse);
  } else {
    m_field.Close();
  }
}

void MainPage::DrawLayerPanel() {
  m_layers->Draw();
  if (m_field.Current() == &m_layers->NumberField()) {
    m_field.PlaceCaretLine();
    m_field.DrawCaret();
  }
}
