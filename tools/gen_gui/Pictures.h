#pragma once

// Pictures shared by the cursors and the icons, placed by a point of the cell.

#include "tools/gen_gui/IconKit.h"

namespace gui {

// The pointer arrow with its tip at the point.
void AddArrowPointer(Drawing& drawing, Point tip, uint32_t fill);
// A magnifying glass whose lens is centred on the point, with a plus or a minus in it.
void AddMagnifier(Drawing& drawing, Point lens, float radius, bool plus);
// An open hand whose palm is centred on the point.
void AddHand(Drawing& drawing, Point palm);
// A landscape in a frame: sky, a hill and the sun.
void AddPicture(Drawing& drawing, float left, float top, float right, float bottom);
// Crossing hairs through the point, dark with a light rim so they show on any map.
void AddCrosshair(Drawing& drawing, Point center, float reach);

}  // namespace gui
