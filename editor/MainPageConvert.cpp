// The right-click menu over the map and what its items do: the background colour, the zoom back
// to the normal view, and turning the selected shape into a trigger on the same region.

#include "collision/Boundary.h"
#include "editor/ColorDialogPage.h"
#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorCamera.h"
#include "editor/MainPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "engine/Camera.h"
#include "engine/DeferredDeleteList.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/ModifierShape.h"
#include "world/TriggerFields.h"
#include "world/World.h"

using platform::Vector3;

void MainPage::OpenContextMenu(int32_t kind) {
  m_contextMenuKind = kind;
  m_contextMenu.Open(kind, m_mouse.Client());
}

void MainPage::CloseContextMenu() {
  m_contextMenuKind = MenuClosed;
  m_contextMenu.Hide();
}

void MainPage::HandleContextMenu() {
  m_menu.ShowArrowCursor();
  const ModifierShape* owner = m_selected ? m_world->FindModifierByShape(m_selected) : nullptr;
  const ContextMenu::Item hovered = m_contextMenu.ItemAt(m_contextMenuKind, m_mouse.Client());
  const bool sameKind = owner && hovered == m_contextMenu.ConversionTo(owner->kind);
  if (!sameKind) m_contextMenu.Highlight(hovered);
  if (!m_mouse.LeftPressed()) return;
  switch (m_contextMenuKind) {
    case MenuBackground:
      if (hovered != ContextMenu::SetBackground) return;
      CloseContextMenu();
      m_menu.Colors().OpenBackgroundColorDialog();
      break;
    case MenuConvert:
      ConvertSelection();
      break;
    case MenuZoom:
      if (hovered == ContextMenu::ZoomNormal) ZoomToNormalView();
      break;
    default:
      break;
  }
}

// A shape already of the item's kind, or a trigger's region whose trigger is gone, is left as
// it is and the menu stays open. A kind without numbers or flags of its own leaves the panel as
// it was.
void MainPage::ConvertSelection() {
  const ContextMenu::Item item = m_contextMenu.ItemAt(MenuConvert, m_mouse.Client());
  if (item == ContextMenu::NoItem) return;
  const int32_t kind = m_contextMenu.KindOf(item);
  if (!m_selected) {
    CloseContextMenu();
    return;
  }
  ModifierShape* owner = nullptr;
  if (m_selectedOwner == SelectionOwner::Modifiers) {
    owner = m_world->FindModifierByShape(m_selected);
    if (!owner || owner->kind == kind) return;
  }
  std::unique_ptr<Shape> region = DetachSelection(owner);
  CloseContextMenu();
  m_menu.SetMode(MenuDebug::ModeEdit);
  if (!region) return;
  region->SetFillColor(ContextMenu::HoverFill);
  m_world->AddModifier(m_contextMenu.ConversionOf(item)->make(*m_world, std::move(region)));
  m_selectedOwner = SelectionOwner::Modifiers;
  if (m_panel->m_triggers->ShowsValues(kind)) RefreshPropertyFields();
}

std::unique_ptr<Shape> MainPage::DetachSelection(ModifierShape*& owner) {
  if (owner) {
    std::unique_ptr<Shape> region = std::move(owner->region);
    std::unique_ptr<ModifierShape> removed = m_world->RemoveModifier(owner);
    if (DeferredDeletes) DeferredDeletes->Add(std::move(removed));
    owner = nullptr;
    return region;
  }
  switch (m_selectedOwner) {
    case SelectionOwner::Boundaries:
      if (auto* boundary = dynamic_cast<BoundingShape*>(m_selected)) {
        return m_world->RemoveBoundary(boundary);
      }
      return nullptr;
    case SelectionOwner::Shapes:
      return m_world->shapeLayers.Remove(m_selected);
    case SelectionOwner::Sprites:
      if (auto* sprite = dynamic_cast<Sprite*>(m_selected)) return m_world->RemoveSprite(sprite);
      return nullptr;
    default:
      return nullptr;
  }
}

// The camera stays at the normal depth: the target eye goes there too.
void MainPage::ZoomToNormalView() {
  if (MainCamera) {
    const Vector3 eye = MainCamera->eye;
    EditorCamera::PlaceEye(*MainCamera, {eye.x, eye.y, EditorCamera::NormalEyeZ});
    m_world->MarkSpritesDirty();
  }
  CloseContextMenu();
  m_menu.SetMode(MenuDebug::ModeEdit);
}

void MainPage::DrawContextMenu() {
  const ModifierShape* owner = m_selected ? m_world->FindModifierByShape(m_selected) : nullptr;
  const ContextMenu::Item disabled = owner && m_contextMenuKind == MenuConvert
                                         ? m_contextMenu.ConversionTo(owner->kind)
                                         : ContextMenu::NoItem;
  m_contextMenu.Draw(m_contextMenuKind, disabled, DebugButtonColors::Text);
}
