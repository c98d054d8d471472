#pragma once

#include <array>

#include "platform/Vertex.h"

// The cells of the interface atlas "Content\Textures\HUD\menuatlas2.png" that the pause menu
// and the shop both cut (left, top, right, bottom; right and bottom exclusive). The menus draw
// from them and the atlas generator paints them. A one-texel cell is stretched into a solid
// block of its colour.
namespace MenuCells {

using platform::PixelRect;

// The window: two ends round a stretched middle column.
constexpr PixelRect WindowMiddle{792, 461, 793, 1024};
constexpr PixelRect WindowLeft{740, 461, 790, 1024};
constexpr PixelRect WindowRight{795, 461, 845, 1024};
// Footer plates: select (J) and back (I); the key hints at the ends of the tab row.
constexpr PixelRect FooterMiddle{96, 201, 214, 234};
constexpr PixelRect FooterRight{214, 201, 306, 234};
constexpr PixelRect TabRowLeft{306, 201, 344, 234};
constexpr PixelRect TabRowRight{345, 201, 384, 234};

// Page panels: the filler texel, rounded corners, the entry panel's corner (the list header's)
// and the band break.
constexpr PixelRect PanelFill{198, 50, 199, 51};
constexpr PixelRect PanelTopLeft{186, 49, 196, 59};
constexpr PixelRect PanelBottomRight{201, 49, 211, 59};
constexpr PixelRect EntryTopLeft{0, 0, 10, 16};
constexpr PixelRect PanelBreak{0, 72, 300, 76};

// The row highlight and the comparison markers.
constexpr PixelRect RowHighlight{794, 375, 795, 394};
constexpr PixelRect RaiseMarker{749, 358, 758, 368};
constexpr PixelRect DropMarker{740, 358, 749, 368};

// Item pictures, 64 by 64: dagger, sword, spear, headgear, armor, gauntlets, boots, key item.
constexpr int KindIconCount = 8;
constexpr int KindIconSize = 64;
constexpr std::array<PixelRect, KindIconCount> KindIcons{{{880, 512, 944, 576},
                                                          {880, 576, 944, 640},
                                                          {880, 640, 944, 704},
                                                          {880, 704, 944, 768},
                                                          {880, 768, 944, 832},
                                                          {880, 832, 944, 896},
                                                          {880, 896, 944, 960},
                                                          {880, 960, 944, 1024}}};

}  // namespace MenuCells
