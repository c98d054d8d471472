#include "collision/BoundaryGrid.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "collision/Boundary.h"

namespace {

// Cells are about as wide as a typical boundary, never finer than this.
constexpr float MinCellSize = 0.25f;
// A boundary that would cover more cells than this is offered to every query instead.
constexpr float MaxCellsAcross = 64.0f;
// The grid never has more cells than this many per boundary (and at least the floor below).
constexpr size_t CellsPerBoundary = 8;
constexpr size_t MinCellBudget = 4096;
// Widens every query by this share of the magnitudes involved, far more than the rounding of
// the distance test and the cell arithmetic can differ by.
constexpr float QueryPadShare = 1e-4f;

bool SameBits(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

bool Finite(float x, float y, float extent) {
  return std::isfinite(x) && std::isfinite(y) && std::isfinite(extent);
}

}  // namespace

void BoundaryGrid::Rebuild(const Boundaries& boundaries) {
  entries_.clear();
  byAddress_.clear();
  everywhere_.clear();
  cellStart_.clear();
  cellItems_.clear();
  columns_ = rows_ = 0;
  for (uint32_t i = 0; i < boundaries.size(); ++i) {
    const BoundingShape* shape = boundaries[i].get();
    entries_.push_back({shape, shape->position.x, shape->position.y, shape->extent});
    byAddress_.emplace_back(shape, i);
  }
  std::sort(byAddress_.begin(), byAddress_.end());
  seen_.assign(entries_.size(), 0);
  query_ = 0;

  std::vector<float> reaches;
  for (const Entry& entry : entries_) {
    if (Finite(entry.x, entry.y, entry.extent)) reaches.push_back(std::fabs(entry.extent));
  }
  if (reaches.empty()) {
    for (uint32_t i = 0; i < entries_.size(); ++i) everywhere_.push_back(i);
    return;
  }
  std::nth_element(reaches.begin(), reaches.begin() + reaches.size() / 2, reaches.end());
  cellSize_ = std::max(2.0f * reaches[reaches.size() / 2], MinCellSize);

  std::vector<uint32_t> gridded;
  float left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
  for (uint32_t i = 0; i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    const float reach = std::fabs(e.extent);
    if (!Finite(e.x, e.y, e.extent) || 2.0f * reach > MaxCellsAcross * cellSize_) {
      everywhere_.push_back(i);
      continue;
    }
    gridded.push_back(i);
    left = std::min(left, e.x - reach);
    right = std::max(right, e.x + reach);
    bottom = std::min(bottom, e.y - reach);
    top = std::max(top, e.y + reach);
  }
  if (gridded.empty()) return;

  const size_t budget = std::max(MinCellBudget, CellsPerBoundary * gridded.size());
  auto countAcross = [this](float span) {
    return static_cast<double>(std::floor(span / cellSize_)) + 1.0;
  };
  while (countAcross(right - left) * countAcross(top - bottom) > static_cast<double>(budget)) {
    cellSize_ *= 2.0f;
  }
  originX_ = left;
  originY_ = bottom;
  columns_ = static_cast<int>(countAcross(right - left));
  rows_ = static_cast<int>(countAcross(top - bottom));

  const size_t cellCount = static_cast<size_t>(columns_) * static_cast<size_t>(rows_);
  cellStart_.assign(cellCount + 1, 0);
  auto eachCell = [this](const Entry& e, auto&& visit) {
    const float reach = std::fabs(e.extent);
    const Cells c = CellsOf(e.x - reach, e.y - reach, e.x + reach, e.y + reach);
    for (int row = c.bottom; row <= c.top; ++row) {
      for (int column = c.left; column <= c.right; ++column) {
        visit(static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column));
      }
    }
  };
  for (uint32_t i : gridded) eachCell(entries_[i], [this](size_t cell) { ++cellStart_[cell + 1]; });
  for (size_t cell = 0; cell < cellCount; ++cell) cellStart_[cell + 1] += cellStart_[cell];
  cellItems_.resize(cellStart_[cellCount]);
  std::vector<uint32_t> filled(cellStart_.begin(), cellStart_.end() - 1);
  for (uint32_t i : gridded) {
    eachCell(entries_[i], [&](size_t cell) { cellItems_[filled[cell]++] = i; });
  }
}

bool BoundaryGrid::Matches(const Boundaries& boundaries) const {
  if (boundaries.size() != entries_.size()) return false;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const BoundingShape* shape = boundaries[i].get();
    const Entry& e = entries_[i];
    if (e.shape != shape || !SameBits(e.x, shape->position.x) ||
        !SameBits(e.y, shape->position.y) || !SameBits(e.extent, shape->extent)) {
      return false;
    }
  }
  return true;
}

BoundaryGrid::Cells BoundaryGrid::CellsOf(float left, float bottom, float right,
                                          float top) const {
  // Clamped while still floating, so that far points cannot overflow the conversion.
  auto cell = [this](float value, float origin, int count) {
    const float index = std::clamp(std::floor((value - origin) / cellSize_), -1.0f,
                                   static_cast<float>(count));
    return static_cast<int>(index);
  };
  return {std::max(cell(left, originX_, columns_), 0), std::max(cell(bottom, originY_, rows_), 0),
          std::min(cell(right, originX_, columns_), columns_ - 1),
          std::min(cell(top, originY_, rows_), rows_ - 1)};
}

void BoundaryGrid::Near(float x, float y, float reach, size_t first,
                        std::vector<uint32_t>& out) const {
  out.clear();
  if (!Finite(x, y, reach)) {
    for (size_t i = first; i < entries_.size(); ++i) out.push_back(static_cast<uint32_t>(i));
    return;
  }
  if (++query_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    query_ = 1;
  }
  auto offer = [&](uint32_t i) {
    if (i < first || seen_[i] == query_) return;
    seen_[i] = query_;
    out.push_back(i);
  };
  for (uint32_t i : everywhere_) offer(i);
  if (columns_ > 0) {
    const float span = std::fabs(reach) + QueryPadShare * (1.0f + std::fabs(x) + std::fabs(y) +
                                                           std::fabs(reach));
    const Cells c = CellsOf(x - span, y - span, x + span, y + span);
    for (int row = c.bottom; row <= c.top; ++row) {
      const size_t base = static_cast<size_t>(row) * static_cast<size_t>(columns_);
      for (int column = c.left; column <= c.right; ++column) {
        const size_t cell = base + static_cast<size_t>(column);
        for (uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) offer(cellItems_[k]);
      }
    }
  }
  std::sort(out.begin(), out.end());
}

std::optional<uint32_t> BoundaryGrid::IndexOf(const BoundingShape* boundary) const {
  auto found = std::lower_bound(byAddress_.begin(), byAddress_.end(), boundary,
                                [](const auto& entry, const BoundingShape* shape) {
                                  return std::less<const BoundingShape*>()(entry.first, shape);
                                });
  if (found == byAddress_.end() || found->first != boundary) return std::nullopt;
  return found->second;
}
