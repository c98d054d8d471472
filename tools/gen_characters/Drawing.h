#pragma once

// The shapes a figure is built from and the supersampled painter that turns them into the
// pixels of one sheet cell. Coordinates are cell texels, x to the right and y down.

#include <cstdint>
#include <variant>
#include <vector>

#include "platform/Image.h"
#include "platform/Vertex.h"
#include "tools/Raster.h"

namespace figures {

using raster::Point;

// A stroke whose radius changes evenly from one end to the other; equal ends make a disc.
struct Capsule {
  Point a;
  Point b;
  float radiusA;
  float radiusB;
};

// A filled polygon of either winding, its corners rounded by the radius.
struct Polygon {
  std::vector<Point> corners;
  float rounding = 0.0f;
};

using Piece = std::variant<Capsule, Polygon>;

// A lit fill inside a darker outline; flat parts skip the lighting.
struct Paint {
  uint32_t fill = 0xFF808080;
  uint32_t outline = 0xFF202020;
  float outlineWidth = 1.0f;
  float opacity = 1.0f;
  bool lit = true;
};

// One part of a picture: the union of its pieces, painted as one shape with one outline, so
// that a knee or an elbow shows no seam.
struct Part {
  std::vector<Piece> pieces;
  Paint paint;
};

// Parts in painting order, back to front.
class Drawing {
 public:
  void Add(Part part) { parts_.push_back(std::move(part)); }
  void Add(Piece piece, const Paint& paint) { parts_.push_back(Part{{std::move(piece)}, paint}); }
  const std::vector<Part>& Parts() const { return parts_; }
  // Turns every part to face the other way about the upright line through x.
  void Mirror(float x);

 private:
  std::vector<Part> parts_;
};

// The colour with its red, green and blue scaled by the factor (kept opaque and in range).
uint32_t Scaled(uint32_t color, float factor);

// The paint of a part: the fill, an outline of the fill darkened, and the outline width.
Paint Painted(uint32_t fill, float outlineWidth);

// Paints the drawing into the cell of the image, replacing what was there. The outermost ring
// of texels stays clear, so that filtering never carries one cell into the next; what would
// reach past it is cut off.
void Render(const Drawing& drawing, platform::Image& image, const platform::PixelRect& cell);

}  // namespace figures
