// Drags of the selection with the left button held, one step per frame, and the arrow-key
// nudge. Each drag changes the outline first and hands it to the selection; with snapping on,
// the selection instead lands the carried point on what the snap search caught.

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/MainPage.h"
#include "editor/PropertyPanel.h"
#include "editor/TypingField.h"
#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"

using platform::Vector3;

namespace {

constexpr float NudgeStep = 0.025f;

}  // namespace

void MainPage::DragMoveSelection() {
  if (!m_outline) return;
  const Vector3 d = m_mouse.World() - m_mouse.LastWorld();
  m_outline->SetPosition(m_outline->position + d);
  if (!m_snapToggle) {
    ClearSnapMarkers();
    RefitOutline();
    return;
  }
  m_anchor = m_anchor + d;
  const Vector3 target = FindSnapTarget(m_anchor);
  const bool found = !(target == m_mouse.World());
  ShowSnapTarget(target, found);
  if (found) {
    // The selection is the outline shifted so that the carried point lies on the target.
    m_snappedAnchor = m_selected->position + (m_anchor - m_outline->position);
    m_selected->SetPosition(m_selected->position + (target - m_snappedAnchor));
  } else {
    m_snappedAnchor = m_anchor;
    RefitOutline();
  }
  ShowSnappedAnchor();
}

void MainPage::DragResizeSelection() {
  auto* outlineQuad = dynamic_cast<Quad*>(m_outline.get());
  auto* outlineCircle = dynamic_cast<Circle*>(m_outline.get());
  auto* circle = dynamic_cast<Circle*>(m_selected);
  const bool boxed = dynamic_cast<Quad*>(m_selected) || dynamic_cast<Sprite*>(m_selected);
  const int32_t handle = m_activeHandle;
  if (circle && outlineCircle) {
    outlineCircle->SetRadius(Distance2D(outlineCircle->position, m_mouse.World()));
  } else if (boxed && outlineQuad && handle >= 0 && handle < ResizeHandleCount) {
    const uint8_t flipX = outlineQuad->flipHorizontal;
    const uint8_t flipY = outlineQuad->flipVertical;
    MoveResizeHandle(*outlineQuad, handle, m_mouse.World());
    const int32_t next = HandleAfterCrossing(handle, outlineQuad->flipHorizontal != flipX,
                                             outlineQuad->flipVertical != flipY);
    if (next != handle) {
      m_selectionHandles.Paint(handle, false);
      m_selectionHandles.Paint(next, true);
      m_activeHandle = next;
    }
  } else {
    ShowFlipToggles();
    return;
  }
  if (!m_snapToggle) {
    ClearSnapMarkers();
    RefitOutline();
    ShowFlipToggles();
    return;
  }
  m_anchor = m_anchor + (m_mouse.World() - m_mouse.LastWorld());
  const Vector3 target = FindSnapTarget(m_anchor);
  const bool found = !(target == m_mouse.World());
  ShowSnapTarget(target, found);
  if (found) {
    m_snappedAnchor = target;
    if (circle) {
      circle->SetRadius(Distance2D(circle->position, target));
    } else if (auto* quad = dynamic_cast<Quad*>(m_selected)) {
      MoveResizeHandle(*quad, handle, target);
    } else if (auto* sprite = dynamic_cast<Sprite*>(m_selected)) {
      MoveResizeHandle(*sprite, handle, target);
    }
  } else {
    m_snappedAnchor = m_anchor;
    RefitOutline();
  }
  ShowSnappedAnchor();
  ShowFlipToggles();
}

void MainPage::DragRotateSelection() {
  if (!m_outline) return;
  const Vector3 center = m_outline->position;
  // With either mouse point on the centre there is no angle to turn by.
  if (Distance2D(m_mouse.World(), center) == 0.0f ||
      Distance2D(m_mouse.LastWorld(), center) == 0.0f) {
    return;
  }
  float angle = AngleAtVertex(m_mouse.World(), m_mouse.LastWorld(), center);
  const Vector3 from = m_mouse.LastWorld() - center;
  const Vector3 to = m_mouse.World() - center;
  if (AngleOfVector(from.x, from.y) > AngleOfVector(to.x, to.y)) angle = -angle;
  m_outline->SetRotation(NormalizeAngle(m_outline->rotation + angle));
  if (!m_snapToggle) {
    ClearSnapMarkers();
    RefitOutline();
    return;
  }
  m_anchor = RotateAboutPoint(m_anchor, center, angle);
  const Vector3 target = FindSnapTarget(m_anchor);
  const bool found = !(target == m_mouse.World());
  ShowSnapTarget(target, found);
  if (found) {
    // The selection turns about its own centre until the carried point points at the target.
    const Vector3 pivot = m_selected->position;
    const float reach = Distance2D(m_anchor, center);
    const Vector3 snapped = pivot + NormalizeVector2D(target - pivot) * reach;
    const Vector3 was = m_snappedAnchor - pivot;
    const Vector3 now = snapped - pivot;
    m_selected->SetRotation(NormalizeAngle(m_selected->rotation + AngleOfVector(now.x, now.y) -
                                           AngleOfVector(was.x, was.y)));
    m_snappedAnchor = snapped;
  } else {
    m_snappedAnchor = m_anchor;
    RefitOutline();
  }
  ShowSnappedAnchor();
}

void MainPage::NudgeSelection() {
  if (!m_selected || m_field.Current()) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  struct Nudge {
    int key;
    Vector3 step;
  };
  static constexpr Nudge Nudges[] = {{VirtualKey::UpArrow, {0.0f, NudgeStep, 0.0f}},
                                     {VirtualKey::LeftArrow, {-NudgeStep, 0.0f, 0.0f}},
                                     {VirtualKey::DownArrow, {0.0f, -NudgeStep, 0.0f}},
                                     {VirtualKey::RightArrow, {NudgeStep, 0.0f, 0.0f}}};
  for (const Nudge& nudge : Nudges) {
    if (keys.WentDown(nudge.key)) m_selected->SetPosition(m_selected->position + nudge.step);
  }
}

void MainPage::ShowFlipToggles() {
  if (!m_selected) return;
  m_panel->m_buttonFlipX->SetPressed(m_selected->flipHorizontal != 0);
  m_panel->m_buttonFlipY->SetPressed(m_selected->flipVertical != 0);
}
