#include "menus/ListWindow.h"

#include <algorithm>

namespace ListWindow {

uint32_t Shown(size_t count, uint32_t capacity) {
  return static_cast<uint32_t>(std::min<size_t>(count, capacity));
}

uint32_t ClampTop(size_t count, uint32_t top, uint32_t capacity) {
  return std::min<uint32_t>(top, static_cast<uint32_t>(count) - Shown(count, capacity));
}

Step Down(size_t count, uint32_t shown, uint32_t top, uint32_t capacity, uint32_t& cursor) {
  if (count == 0) return Step::None;
  if (int64_t{cursor} - int64_t{top} < int64_t{shown} - 1) {
    ++cursor;
    return Step::Highlight;
  }
  if (size_t{top} + capacity < count) {
    ++cursor;
    return Step::Scroll;
  }
  return Step::None;
}

Step Up(size_t count, uint32_t top, uint32_t& cursor) {
  if (count == 0) return Step::None;
  if (cursor != top) {
    --cursor;
    return Step::Highlight;
  }
  if (cursor == 0) return Step::None;
  --cursor;
  return Step::Scroll;
}

}  // namespace ListWindow
