#pragma once

// The painting helpers of the menus' atlas cells: colours of the night-blue window trimmed in
// brass, distances to boxes and polygons, and painters that fill a cell from a sampler,
// stretch a column or a texel, or lay figures over what a cell holds.

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/Drawing.h"
#include "tools/GeneratedAtlas.h"

namespace menu_paint {

using figures::Point;
using platform::PixelRect;

// Colours, alpha << 24 | red << 16 | green << 8 | blue: a night-blue window trimmed in brass.
inline constexpr uint32_t Transparent = 0x00000000;
inline constexpr uint32_t EdgeDark = 0xFF12141C;
inline constexpr uint32_t Brass = 0xFFC89B48;
inline constexpr uint32_t BrassLight = 0xFFF2D488;
inline constexpr uint32_t BrassDark = 0xFF6E5428;
inline constexpr uint32_t WindowBody = 0xF2181C2A;
inline constexpr uint32_t ContentTop = 0xFF2A3250;
inline constexpr uint32_t ContentBottom = 0xFF1E2438;
inline constexpr uint32_t ContentInner = 0xFF36405E;
inline constexpr uint32_t OpenTabTop = 0xFF34405E;
inline constexpr uint32_t PlateFill = 0xFF2C344C;
inline constexpr uint32_t TabBackFill = 0xFF1C2132;
inline constexpr uint32_t KeyCapFill = 0xFFE4DCC8;
inline constexpr uint32_t KeyCapInk = 0xFF2A2E3C;
inline constexpr uint32_t PanelFill = 0x8C4A5678;
inline constexpr uint32_t RowSeparator = 0x90202638;
inline constexpr uint32_t SlotListHeaderFill = 0xF84A3E24;
inline constexpr uint32_t SlotListBody = 0xF82A3048;
inline constexpr uint32_t SlotListSeparator = 0xFF1A1E2C;
inline constexpr uint32_t Gold = 0xFFF0C860;
inline constexpr uint32_t PlateWash = 0x40F0D090;
inline constexpr uint32_t SlotFrameBorder = 0xB0806030;
inline constexpr uint32_t SlotFrameInside = 0x30101420;
inline constexpr uint32_t RaiseGreen = 0xFF58D068;
inline constexpr uint32_t DropRed = 0xFFE05040;
inline constexpr uint32_t Steel = 0xFFE8ECF2;
inline constexpr uint32_t Leather = 0xFFE0B888;

inline uint8_t AlphaOf(uint32_t c) { return static_cast<uint8_t>(c >> 24); }
inline uint32_t WithAlpha(uint32_t c, uint32_t alpha) { return (c & 0x00FFFFFF) | alpha << 24; }

// The top colour over the bottom one, both with straight alpha.
uint32_t Over(uint32_t top, uint32_t bottom);
// Signed distance to a box with rounded corners: negative inside.
float BoxDistance(Point p, float left, float top, float right, float bottom, float radius);
float PolygonDistance(Point p, std::vector<Point> corners);
// A box of fill inside a border of the given width; nothing outside it.
uint32_t BorderedBox(float distance, float border, uint32_t borderColor, uint32_t fill);

// Samples per pixel along each axis.
inline constexpr int Samples = 4;

using Sampler = std::function<uint32_t(Point)>;

// Every pixel of the cell from its samples, averaged with premultiplied alpha; the sampler gets
// cell coordinates.
void PaintCell(GeneratedAtlas& atlas, const PixelRect& cell, const Sampler& sample);
// A one-texel cell that the menu stretches, with its neighbours in the same colour so that
// filtering at the block's edges finds nothing else.
void PaintTexel(GeneratedAtlas& atlas, const PixelRect& cell, uint32_t color);
// One column of a picture that the menu stretches sideways, repeated over its neighbours.
void PaintColumn(GeneratedAtlas& atlas, const PixelRect& cell, int spread, const Sampler& sample);
// The cell made transparent, so that figures composed into it do not pile up on what an earlier
// run drew there.
void ClearCell(GeneratedAtlas& atlas, const PixelRect& cell);
// Painted figures composed over what the cell holds.
void Compose(GeneratedAtlas& atlas, const PixelRect& cell, const figures::Drawing& drawing);

// The menus' pieces that more than one menu cuts in cells of its own: a plate with a brass
// rim (titles, footers, key hints), the content panel the pages stand on, a closed tab (a dark
// rounded box) and the open tab, rounded at the top and open at the bottom into the page, of
// which the middle column is stretched.
void PaintPlate(GeneratedAtlas& atlas, const PixelRect& cell);
void PaintContentPanel(GeneratedAtlas& atlas, const PixelRect& cell);
void PaintClosedTab(GeneratedAtlas& atlas, const PixelRect& cell);
void PaintOpenTab(GeneratedAtlas& atlas, const PixelRect& left, const PixelRect& middle,
                  const PixelRect& right);

// A copy of the drawing scaled about the origin and then moved by the offset.
figures::Drawing Scaled(const figures::Drawing& drawing, float scale, Point offset);

figures::Paint Flat(uint32_t color);
figures::Capsule Stroke(Point a, Point b, float width);
figures::Capsule Disc(Point center, float radius);

}  // namespace menu_paint
