#include "editor/SelectionHandles.h"

#include "collision/Boundary.h"
#include "editor/EditorLayout.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"

using platform::Vector3;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 EdgeColor{255, 180, 190, 210};
constexpr Color4 FlaggedEdgeColor{255, 0, 0, 0};
constexpr Color4 HoveredEdgeColor{255, 180, 180, 180};

Vector3 OnScreen(const Vector3& point) { return WorldToScreen(point.x, point.y, point.z); }

}  // namespace

SelectionHandles::SelectionHandles() {
  for (auto& handle : m_handles) {
    handle = std::make_unique<Quad>();
    handle->SetFillColor(NormalFill);
    handle->SetDimensions(0.0f, 0.0f, 0.0f);
  }
  m_centreHandle = std::make_unique<Circle>();
  m_centreHandle->SetFillColor(NormalFill);
}

SelectionHandles::~SelectionHandles() = default;

void SelectionHandles::Place(const Shape* selection) {
  std::array<Vector3, ResizeHandleCount> points{};
  bool boxed = false;
  if (const auto* quad = dynamic_cast<const Quad*>(selection)) {
    points = {OnScreen(quad->GetTopLeft()),    OnScreen(quad->GetTopMid()),
              OnScreen(quad->GetTopRight()),   OnScreen(quad->GetLeftMid()),
              OnScreen(quad->GetRightMid()),   OnScreen(quad->GetBottomLeft()),
              OnScreen(quad->GetBottomMid()),  OnScreen(quad->GetBottomRight())};
    boxed = true;
  } else if (const auto* sprite = dynamic_cast<const Sprite*>(selection)) {
    points = {sprite->GetScreenTopLeft(),   sprite->GetScreenTopMid(),
              sprite->GetScreenTopRight(),  sprite->GetScreenLeftMid(),
              sprite->GetScreenRightMid(),  sprite->GetScreenBottomLeft(),
              sprite->GetScreenBottomMid(), sprite->GetScreenBottomRight()};
    boxed = true;
  }
  const float size = boxed ? Layout::HandleSize : 0.0f;
  for (size_t i = 0; i < m_handles.size(); ++i) {
    m_handles[i]->SetDimensions(size, size, 0.0f);
    if (boxed) m_handles[i]->SetAltPosition(points[i]);
  }
  if (!selection) {
    m_centreHandle->SetRadius(0.0f);
    return;
  }
  m_centreHandle->SetAltPosition(OnScreen(selection->position));
  m_centreHandle->SetRadius(Layout::CentreHandleRadius);
}

void SelectionHandles::ResetFills() {
  for (auto& handle : m_handles) handle->SetFillColor(NormalFill);
  m_centreHandle->SetFillColor(NormalFill);
}

void SelectionHandles::Paint(int32_t handle, bool hovered) {
  if (handle < 0 || handle >= ResizeHandleCount) return;
  m_handles[HandleMarkerOf[static_cast<size_t>(handle)]]->SetFillColor(hovered ? HoverFill
                                                                               : NormalFill);
}

void SelectionHandles::Draw() {
  for (auto& handle : m_handles) handle->DrawScreen();
  m_centreHandle->DrawScreen();
}

void PaintSelectedEdges(Quad& quad, const BoundingQuad* boundary, int32_t hoveredEdge) {
  auto colorOf = [boundary](BoundingQuad::EdgeIndex edge) {
    return boundary && boundary->edgeFlags[edge] ? FlaggedEdgeColor : EdgeColor;
  };
  quad.SetTopEdgeColor(colorOf(BoundingQuad::EdgeTop));
  quad.SetLeftEdgeColor(colorOf(BoundingQuad::EdgeLeft));
  quad.SetBottomEdgeColor(colorOf(BoundingQuad::EdgeBottom));
  quad.SetRightEdgeColor(colorOf(BoundingQuad::EdgeRight));
  switch (hoveredEdge) {
    case HoveredTop:
      quad.SetTopEdgeColor(HoveredEdgeColor);
      break;
    case HoveredLeft:
      quad.SetLeftEdgeColor(HoveredEdgeColor);
      break;
    case HoveredBottom:
      quad.SetBottomEdgeColor(HoveredEdgeColor);
      break;
    case HoveredRight:
      quad.SetRightEdgeColor(HoveredEdgeColor);
      break;
    default:
      break;
  }
}
