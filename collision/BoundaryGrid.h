#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class BoundingShape;

// The boundary pass's broad phase: a uniform grid over the bounding circles (position and
// extent) of a list of boundaries, as they were when it was built. It answers which of them
// may lie within a distance of a point; whatever it leaves out is out of reach for certain.
// A boundary with a place or extent that is not finite, or too large for the grid, is always
// offered.
class BoundaryGrid {
 public:
  using Boundaries = std::vector<std::unique_ptr<BoundingShape>>;

  void Rebuild(const Boundaries& boundaries);
  // Whether the grid was built from these boundaries at their present places and extents.
  bool Matches(const Boundaries& boundaries) const;
  size_t Size() const { return entries_.size(); }

  // Replaces out with the list positions, from first on and in increasing order, of every
  // boundary whose circle may come closer than reach to (x, y). A point or reach that is not
  // finite offers them all.
  void Near(float x, float y, float reach, size_t first, std::vector<uint32_t>& out) const;
  // The boundary's position in the list it was built from.
  std::optional<uint32_t> IndexOf(const BoundingShape* boundary) const;

 private:
  struct Entry {
    const BoundingShape* shape;
    float x, y, extent;
  };
  // A cell range, inclusive.
  struct Cells {
    int left, bottom, right, top;
  };

  Cells CellsOf(float left, float bottom, float right, float top) const;

  std::vector<Entry> entries_;
  // Shape addresses with their list positions, sorted by address.
  std::vector<std::pair<const BoundingShape*, uint32_t>> byAddress_;
  // Offered to every query.
  std::vector<uint32_t> everywhere_;
  float originX_ = 0.0f;
  float originY_ = 0.0f;
  float cellSize_ = 1.0f;
  int columns_ = 0;
  int rows_ = 0;
  // Cell c holds cellItems_[cellStart_[c] .. cellStart_[c + 1]), in list order.
  std::vector<uint32_t> cellStart_;
  std::vector<uint32_t> cellItems_;
  // Marks of the last query, so that a boundary in several cells is offered once.
  mutable std::vector<uint32_t> seen_;
  mutable uint32_t query_ = 0;
};
