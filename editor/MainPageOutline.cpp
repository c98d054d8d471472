// The selection's handles, its outline (the working copy the drags change first, or the Sprite
// tool's preview) and the snap search around it.

#include "collision/Boundary.h"
#include "editor/DebugMouse.h"
#include "editor/MainPage.h"
#include "editor/OutlineGeometry.h"
#include "editor/PropertyPanel.h"
#include "editor/SnapSearch.h"
#include "engine/TextBox.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"

using platform::Vector3;

namespace {

constexpr Color4 OutlineColor{80, 255, 255, 255};
// A marker that shows where a snapping drag carries the selection or what it caught.
constexpr float SnapMarkerRadius = 0.1f;

void PlaceMarker(Circle& marker, const Vector3& at, float radius) {
  marker.SetPosition(at);
  marker.SetRadius(radius);
}

}  // namespace

void MainPage::UpdateHandles() {
  m_selectionHandles.Place(m_selected);
  if (auto* quad = dynamic_cast<Quad*>(m_selected)) {
    const auto* boundary = m_selectedOwner == SelectionOwner::Boundaries
                               ? dynamic_cast<const BoundingQuad*>(quad)
                               : nullptr;
    PaintSelectedEdges(*quad, boundary, m_hoveredEdge);
  }
}

void MainPage::ShowOutline(Shape* shape) {
  if (!shape) {
    m_outline.reset();
    return;
  }
  if (const auto* quad = dynamic_cast<const Quad*>(shape)) {
    MakeQuadOutline(*quad);
  } else if (const auto* circle = dynamic_cast<const Circle*>(shape)) {
    MakeCircleOutline(*circle);
  } else if (const auto* sprite = dynamic_cast<const Sprite*>(shape)) {
    MakeSpriteOutline(*sprite);
  }
}

// An outline of the wrong kind (left from another selection) is made anew.
void MainPage::MakeQuadOutline(const Quad& quad) {
  if (!dynamic_cast<Quad*>(m_outline.get())) {
    m_outline = std::make_unique<Quad>();
    m_outline->SetFillColor(OutlineColor);
  }
  CopyQuadGeometry(*dynamic_cast<Quad*>(m_outline.get()), quad);
}

void MainPage::MakeCircleOutline(const Circle& circle) {
  if (!dynamic_cast<Circle*>(m_outline.get())) {
    m_outline = std::make_unique<Circle>();
    m_outline->SetFillColor(OutlineColor);
  }
  CopyCircleGeometry(*dynamic_cast<Circle*>(m_outline.get()), circle);
}

void MainPage::MakeSpriteOutline(const Sprite& sprite) {
  if (!dynamic_cast<Quad*>(m_outline.get())) {
    m_outline = std::make_unique<Quad>();
    m_outline->SetFillColor(OutlineColor);
  }
  FitOutlineToSprite(*dynamic_cast<Quad*>(m_outline.get()), sprite);
}

void MainPage::RefitOutline() {
  auto* outlineQuad = dynamic_cast<Quad*>(m_outline.get());
  auto* outlineCircle = dynamic_cast<Circle*>(m_outline.get());
  if (auto* quad = dynamic_cast<Quad*>(m_selected); quad && outlineQuad) {
    CopyQuadGeometry(*quad, *outlineQuad);
  } else if (auto* circle = dynamic_cast<Circle*>(m_selected); circle && outlineCircle) {
    CopyCircleGeometry(*circle, *outlineCircle);
  } else if (auto* sprite = dynamic_cast<Sprite*>(m_selected); sprite && outlineQuad) {
    ApplyOutlineToSprite(*sprite, *outlineQuad);
  }
}

void MainPage::MakeBrushPreview() {
  m_outline = std::make_unique<Quad>();
  m_outline->SetFillColor(OutlineColor);
  SizeBrushPreview();
}

// The preview shows, at the current zoom, how large a new sprite comes out.
void MainPage::SizeBrushPreview() {
  auto* preview = dynamic_cast<Quad*>(m_outline.get());
  if (!preview) return;
  const PropertyPanel& panel = *m_panel;
  const Vector3 topLeft =
      ScreenToWorld(0.0f, NumberIn(*panel.m_fieldSourceLeft), NumberIn(*panel.m_fieldSourceTop));
  const Vector3 bottomRight = ScreenToWorld(0.0f, NumberIn(*panel.m_fieldSourceRight),
                                            NumberIn(*panel.m_fieldSourceBottom));
  preview->SetDimensions((bottomRight.x - topLeft.x) * NumberIn(*panel.m_fieldScaleX),
                         (topLeft.y - bottomRight.y) * NumberIn(*panel.m_fieldScaleY), 0.0f);
  preview->SetRotation(NormalizeAngle(NumberIn(*panel.m_fieldRotation)));
}

Vector3 MainPage::FindSnapAnchor() const {
  return ::FindSnapAnchor(m_outline.get(), m_mouse.World());
}

Vector3 MainPage::FindSnapTarget(const Vector3& point) const {
  if (!m_outline) return m_mouse.World();
  return ::FindSnapTarget(*m_world, m_selected, m_snapMarker->position, point, m_mouse.World());
}

void MainPage::ClearSnapMarkers() {
  m_anchor = {};
  m_snappedAnchor = {};
  PlaceMarker(*m_snapMarker, {}, 0.0f);
  PlaceMarker(*m_snapTargetMarker, {}, 0.0f);
}

void MainPage::ShowSnapTarget(const Vector3& target, bool found) {
  if (found) {
    PlaceMarker(*m_snapTargetMarker, target, SnapMarkerRadius);
  } else {
    PlaceMarker(*m_snapTargetMarker, {}, 0.0f);
  }
}

void MainPage::ShowSnappedAnchor() {
  PlaceMarker(*m_snapMarker, m_snappedAnchor, SnapMarkerRadius);
}
