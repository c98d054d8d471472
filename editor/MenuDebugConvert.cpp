// The right-click menu over the map and what its items do: the background colour, the zoom back
// to the normal view, and turning the selected shape into a trigger on the same region.

#include "collision/Boundary.h"
#include "editor/EditorCamera.h"
#include "editor/DebugButton.h"
#include "editor/MenuDebug.h"
#include "engine/Camera.h"
#include "engine/DeferredDeleteList.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "triggers/CameraSetters.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/TutorialImage.h"
#include "world/ModifierShape.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// A new hazard does no harm until its damage is typed in.
constexpr float NewHazardDamage = 0.0f;
constexpr float NewCameraDepth = EditorCamera::NormalEyeZ;
constexpr Vector3 NewStationaryEye{0.0f, 0.0f, EditorCamera::NormalEyeZ};

std::unique_ptr<ModifierShape> MakeTrigger(ContextMenu::Item item, World* world,
                                           std::unique_ptr<Shape> region) {
  switch (item) {
    case ContextMenu::ToPortal: {
      const std::string here = world->GetMapName();
      return std::make_unique<Portal>(world, std::move(region), here, Vector3{});
    }
    case ContextMenu::ToPushShape:
      return std::make_unique<PushShape>(world, std::move(region), Vector3{});
    case ContextMenu::ToHazard:
      return std::make_unique<Hazard>(world, std::move(region), NewHazardDamage);
    case ContextMenu::ToTutorialImage:
      return std::make_unique<TutorialImage>(world, std::move(region), nullptr);
    case ContextMenu::ToCameraDepth:
      return std::make_unique<CameraDepthSetter>(world, std::move(region), NewCameraDepth);
    case ContextMenu::ToCameraStationary:
      return std::make_unique<CameraStationarySetter>(world, std::move(region), 0,
                                                      NewStationaryEye);
    default:
      return nullptr;
  }
}

}  // namespace

void MenuDebug::OpenContextMenu(int32_t kind) {
  m_contextMenuKind = kind;
  m_contextMenu.Open(kind, m_mouseClient);
}

void MenuDebug::CloseContextMenu() {
  m_contextMenuKind = MenuClosed;
  m_contextMenu.Hide();
}

void MenuDebug::HandleContextMenu() {
  ShowArrowCursor();
  const ModifierShape* owner = m_selected ? m_world->FindModifierByShape(m_selected) : nullptr;
  const ContextMenu::Item hovered = m_contextMenu.ItemAt(m_contextMenuKind, m_mouseClient);
  const bool sameKind = owner && ContextMenu::KindOf(hovered) == owner->kind;
  if (!sameKind) m_contextMenu.Highlight(hovered);
  if (!LeftPressed()) return;
  switch (m_contextMenuKind) {
    case MenuBackground:
      if (hovered != ContextMenu::SetBackground) return;
      CloseContextMenu();
      OpenBackgroundColorDialog();
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
// it is and the menu stays open.
void MenuDebug::ConvertSelection() {
  const ContextMenu::Item item = m_contextMenu.ItemAt(MenuConvert, m_mouseClient);
  if (item == ContextMenu::ItemCount) return;
  if (!m_selected) {
    CloseContextMenu();
    return;
  }
  ModifierShape* owner = nullptr;
  if (m_selectedOwner == SelectionOwner::Modifiers) {
    owner = m_world->FindModifierByShape(m_selected);
    if (!owner || owner->kind == ContextMenu::KindOf(item)) return;
  }
  std::unique_ptr<Shape> region = DetachSelection(owner);
  CloseContextMenu();
  SetMode(ModeEdit);
  if (!region) return;
  region->SetFillColor(ContextMenu::HoverFill);
  m_world->AddModifier(MakeTrigger(item, m_world, std::move(region)));
  m_selectedOwner = SelectionOwner::Modifiers;
  if (item != ContextMenu::ToTutorialImage) RefreshPropertyFields();
}

std::unique_ptr<Shape> MenuDebug::DetachSelection(ModifierShape*& owner) {
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
void MenuDebug::ZoomToNormalView() {
  if (MainCamera) {
    const Vector3 eye = MainCamera->eye;
    EditorCamera::PlaceEye(*MainCamera, {eye.x, eye.y, EditorCamera::NormalEyeZ});
    m_world->MarkSpritesDirty();
  }
  CloseContextMenu();
  SetMode(ModeEdit);
}

void MenuDebug::DrawContextMenu() {
  const ModifierShape* owner = m_selected ? m_world->FindModifierByShape(m_selected) : nullptr;
  ContextMenu::Item disabled = ContextMenu::ItemCount;
  if (owner && m_contextMenuKind == MenuConvert) {
    for (ContextMenu::Item item : ContextMenu::ItemsOf(MenuConvert)) {
      if (ContextMenu::KindOf(item) == owner->kind) disabled = item;
    }
  }
  m_contextMenu.Draw(m_contextMenuKind, disabled, DebugButtonColors::Text);
}
