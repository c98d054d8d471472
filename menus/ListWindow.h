#pragma once

#include <cstddef>
#include <cstdint>

// The rule that the menus' item lists share: a window of at most `capacity` rows over a list,
// with a cursor that moves inside the window and scrolls it one row at a time at its edges.
// Neither the window nor the cursor ever reaches past the list's end, and neither wraps.
namespace ListWindow {

// What a cursor move asks of the owner: nothing, the highlight one row on, or the window one
// row on (the highlight stays).
enum class Step { None, Highlight, Scroll };

// The number of rows shown.
uint32_t Shown(size_t count, uint32_t capacity);
// The first visible row for a wanted top: as asked, but never so far down that the window
// would pass the list's end.
uint32_t ClampTop(size_t count, uint32_t top, uint32_t capacity);
// The cursor one row down; the caller shows the window from top + 1 on a scroll.
Step Down(size_t count, uint32_t shown, uint32_t top, uint32_t capacity, uint32_t& cursor);
// The cursor one row up; the caller shows the window from top - 1 on a scroll.
Step Up(size_t count, uint32_t top, uint32_t& cursor);

}  // namespace ListWindow
