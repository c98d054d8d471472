#pragma once

#include <array>

#include "menus/MenuCells.h"
#include "platform/Vertex.h"

// The cells the pause menu cuts from the interface atlas "Content\Textures\HUD\menuatlas2.png"
// (left, top, right, bottom; right and bottom exclusive), besides those it shares with the shop.
// The menu draws from them and the atlas generator paints them. A one-texel cell is stretched
// into a solid block of its colour.
namespace PauseMenuCells {

using namespace MenuCells;
using platform::PixelRect;

// The title plate, the left footer plate and the page behind every tab.
constexpr PixelRect TitlePlate{384, 201, 547, 234};
constexpr PixelRect FooterLeft{0, 201, 96, 234};
constexpr PixelRect ContentPanel{0, 234, 740, 629};

// The tab strip: a closed tab's back, the tabs' icons, the open tab's ends and stretched middle.
constexpr PixelRect TabBack{944, 959, 999, 1024};
constexpr PixelRect StatsIcon{845, 844, 880, 889};
constexpr PixelRect InventoryIcon{845, 889, 880, 934};
constexpr PixelRect EncyclopediaIcon{845, 934, 880, 979};
constexpr PixelRect SettingsIcon{845, 979, 880, 1024};
constexpr std::array<PixelRect, 4> TabIcons{
    {StatsIcon, InventoryIcon, EncyclopediaIcon, SettingsIcon}};
constexpr int SpareTabIconCount = 6;
constexpr int SpareTabIconTop = 574;
constexpr int TabIconHeight = 45;
constexpr PixelRect TabOpenLeft{999, 957, 1009, 1024};
constexpr PixelRect TabOpenMiddle{1011, 957, 1012, 1024};
constexpr PixelRect TabOpenRight{1014, 957, 1024, 1024};

// The tokens plate and its coin.
constexpr PixelRect TokensPlateLeft{944, 802, 962, 839};
constexpr PixelRect TokensPlateMiddle{964, 802, 965, 839};
constexpr PixelRect TokensPlateRight{967, 802, 985, 839};
constexpr PixelRect TokenIcon{944, 788, 955, 802};

// List panels: header, 22-pixel rows and the filler texel; the slot list has its own.
constexpr PixelRect ListHeader{0, 0, 185, 17};
constexpr PixelRect ListRow{0, 49, 185, 71};
constexpr PixelRect SlotListHeader{0, 149, 185, 166};
constexpr PixelRect SlotListRow{185, 148, 370, 170};
constexpr PixelRect SlotListFill{198, 155, 199, 156};

// Row highlights and markers.
constexpr PixelRect HighlightPlate{197, 79, 198, 80};
constexpr PixelRect SelectionArrow{784, 375, 792, 394};
constexpr PixelRect SlotMarker{0, 77, 195, 147};

// The Stats tab's slot frames and the column header.
constexpr PixelRect SlotFrame{195, 77, 390, 147};
constexpr PixelRect ColumnHeader{0, 0, 195, 16};

}  // namespace PauseMenuCells
