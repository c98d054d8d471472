#pragma once

#include <array>

#include "menus/MenuCells.h"
#include "platform/Vertex.h"

// The cells the shop cuts from the interface atlas "Content\Textures\HUD\menuatlas2.png"
// (left, top, right, bottom; right and bottom exclusive), besides those it shares with the
// pause menu. The shop draws from them and the atlas generator paints them.
namespace ShopMenuCells {

using namespace MenuCells;
using platform::PixelRect;

// The panel the pages stand on, and the three page titles.
constexpr PixelRect ListPanel{0, 629, 740, 1024};
constexpr PixelRect TitleMain{622, 0, 1024, 41};
constexpr PixelRect TitleBuy{644, 41, 1024, 82};
constexpr PixelRect TitleSell{630, 82, 1024, 123};

// The tab row: a closed tab, the open tab's ends and stretched middle, and the icons of the
// eight categories (daggers, swords, spears, headgear, armor, gauntlets, boots, items).
constexpr int TabCount = 8;
constexpr int TabIconTop = 484;
constexpr int TabIconHeight = 45;
constexpr PixelRect TabClosed{944, 894, 999, 959};
constexpr PixelRect TabOpenLeft{999, 890, 1009, 957};
constexpr PixelRect TabOpenMiddle{1011, 890, 1012, 957};
constexpr PixelRect TabOpenRight{1014, 890, 1024, 957};
constexpr PixelRect TabIcon(int k) {
  return {845, TabIconTop + TabIconHeight * k, 880, TabIconTop + TabIconHeight * (k + 1)};
}

// The brackets either side of the selected button.
constexpr PixelRect MarkerLeft{740, 420, 787, 461};
constexpr PixelRect MarkerRight{787, 420, 834, 461};

// The item list: its header and its 22-pixel rows.
constexpr PixelRect RowHeader{0, 0, 372, 17};
constexpr PixelRect Row{0, 18, 372, 40};

}  // namespace ShopMenuCells
