#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "editor/ResizeHandles.h"
#include "engine/Color4.h"

class BoundingQuad;
class Circle;
class Quad;
class Shape;

// The markers of the selection drawn on the screen: eight small squares on the corners and edge
// midpoints of a quad or sprite, and a dot on its centre. They are placed anew every frame, so
// they keep their size and stay on the shape while the camera moves.
class SelectionHandles {
 public:
  static constexpr Color4 NormalFill{80, 0, 0, 0};
  static constexpr Color4 HoverFill{80, 255, 255, 255};

  SelectionHandles();
  ~SelectionHandles();

  // On the selection's points on the screen; a circle shows only its centre, no selection
  // nothing.
  void Place(const Shape* selection);
  // Every marker back to the normal fill.
  void ResetFills();
  // The marker of a resize handle in the hover fill, or back in the normal one.
  void Paint(int32_t handle, bool hovered);
  // At their screen positions.
  void Draw();

  // The marker of a resize handle (0 to ResizeHandleCount - 1), and the centre's dot.
  const Quad& MarkerOf(int32_t handle) const {
    return *m_handles[HandleMarkerOf[static_cast<size_t>(handle)]];
  }
  const Circle& CentreMarker() const { return *m_centreHandle; }

 private:
  // In the order of HandleMarkerOf.
  std::array<std::unique_ptr<Quad>, ResizeHandleCount> m_handles;
  std::unique_ptr<Circle> m_centreHandle;
};

// The edges of a selected quad show in their own colours round it: a flagged (solid) edge of a
// boundary black, the others light; the hovered edge (0 top, 1 left, 2 bottom, 3 right, 4 none)
// grey.
void PaintSelectedEdges(Quad& quad, const BoundingQuad* boundary, int32_t hoveredEdge);

// Edges of a boundary quad under the mouse, as the hover names them.
enum HoveredEdge : int32_t {
  HoveredTop = 0,
  HoveredLeft = 1,
  HoveredBottom = 2,
  HoveredRight = 3,
  HoveredNone = 4,
};
