#include "ShopMenu.h"

#include <algorithm>
#include <vector>

#include "ItemIcons.h"
#include "MenuPainting.h"
#include "menus/ShopMenuCells.h"
#include "menus/pause/PauseMenuCells.h"
#include "tools/Drawing.h"

using figures::Drawing;
using figures::Painted;
using figures::Polygon;
using namespace menu_paint;
namespace Cells = ShopMenuCells;

namespace {

constexpr uint32_t Coin = 0xFFE8B840;
constexpr uint32_t Purse = 0xFFB07A48;

float Width(const PixelRect& cell) { return static_cast<float>(cell.right - cell.left); }
float Height(const PixelRect& cell) { return static_cast<float>(cell.bottom - cell.top); }

// A rule with diamond ends either side of the plate's middle, leaving room for the emblem.
void AddRules(Drawing& d, float w, float mid) {
  for (float side : {-1.0f, 1.0f}) {
    const float near = w / 2 + side * 26.0f;
    const float far = w / 2 + side * 120.0f;
    d.Add(Stroke({near, mid}, {far, mid}, 1.6f), Flat(Brass));
    d.Add(Polygon{{{far, mid - 4}, {far + side * 4, mid}, {far, mid + 4}, {far - side * 4, mid}}},
          Painted(BrassLight, 1.0f));
  }
}

void AddCoin(Drawing& d, Point at, float radius) {
  d.Add(Disc(at, radius), Painted(Coin, 1.2f));
  d.Add(Disc(at, radius * 0.55f), Painted(0xFFD09A30, 0.8f));
}

void AddPurse(Drawing& d, Point at) {
  d.Add(Polygon{{{at.x - 6, at.y - 8},
                 {at.x + 6, at.y - 8},
                 {at.x + 12, at.y + 6},
                 {at.x + 8, at.y + 12},
                 {at.x - 8, at.y + 12},
                 {at.x - 12, at.y + 6}},
                3.0f},
        Painted(Purse, 1.2f));
  d.Add(Stroke({at.x - 7, at.y - 7}, {at.x + 7, at.y - 7}, 2.4f), Flat(Coin));
}

// An arrow standing up or down beside the emblem: into the purse to buy, out to sell.
void AddArrow(Drawing& d, Point at, bool down) {
  const float tip = down ? at.y + 9 : at.y - 9;
  const float tail = down ? at.y - 9 : at.y + 9;
  const float back = down ? tip - 6 : tip + 6;
  d.Add(Stroke({at.x, tail}, {at.x, back}, 3.0f), Flat(BrassLight));
  d.Add(Polygon{{{at.x - 6, back}, {at.x + 6, back}, {at.x, tip}}}, Flat(BrassLight));
}

// The titles: the shop's purse with a coin; a coin going into it; a coin coming out of it.
void DrawTitles(GeneratedAtlas& atlas) {
  enum class Emblem { Shop, Buy, Sell };
  const std::pair<const PixelRect*, Emblem> titles[] = {
      {&Cells::TitleMain, Emblem::Shop}, {&Cells::TitleBuy, Emblem::Buy},
      {&Cells::TitleSell, Emblem::Sell}};
  for (const auto& [cell, emblem] : titles) {
    PaintPlate(atlas, *cell);
    const float w = Width(*cell);
    const float mid = Height(*cell) / 2;
    Drawing d;
    AddRules(d, w, mid);
    AddPurse(d, {w / 2 - 4, mid + 1});
    if (emblem == Emblem::Shop) AddCoin(d, {w / 2 + 10, mid + 7}, 5.0f);
    if (emblem == Emblem::Buy) {
      AddCoin(d, {w / 2 + 17, mid - 7}, 5.0f);
      AddArrow(d, {w / 2 + 17, mid + 6}, true);
    }
    if (emblem == Emblem::Sell) {
      AddCoin(d, {w / 2 + 17, mid + 8}, 5.0f);
      AddArrow(d, {w / 2 + 17, mid - 5}, false);
    }
    Compose(atlas, *cell, d);
  }
}

// The category icons: the kind pictures at half size in colour, a flask for the items.
void DrawTabIcons(GeneratedAtlas& atlas) {
  constexpr float IconScale = 0.5f;
  for (int k = 0; k < Cells::TabCount; ++k) {
    const PixelRect cell = Cells::TabIcon(k);
    const Drawing picture = k < Cells::TabCount - 1 ? KindIcon(k) : FlaskIcon();
    const Point offset{(Width(cell) - 64 * IconScale) / 2, (Height(cell) - 64 * IconScale) / 2};
    ClearCell(atlas, cell);
    Compose(atlas, cell, Scaled(picture, IconScale, offset));
  }
}

// Brackets either side of a label: a gold arrow pointing at it inside a thin brass bracket.
void DrawMarkers(GeneratedAtlas& atlas) {
  for (const auto* cell : {&Cells::MarkerLeft, &Cells::MarkerRight}) {
    const bool left = cell == &Cells::MarkerLeft;
    const float w = Width(*cell);
    const float h = Height(*cell);
    ClearCell(atlas, *cell);
    Drawing d;
    const float inner = left ? w - 8.0f : 8.0f;
    const float outer = left ? w - 20.0f : 20.0f;
    d.Add(Polygon{{{outer, h / 2 - 9}, {inner, h / 2}, {outer, h / 2 + 9}}, 1.5f},
          Painted(Gold, 1.2f));
    const float bar = left ? 10.0f : w - 10.0f;
    const float foot = left ? 16.0f : w - 16.0f;
    d.Add(Stroke({bar, 6}, {bar, h - 6}, 2.4f), Flat(Brass));
    d.Add(Stroke({bar, 6}, {foot, 6}, 2.4f), Flat(Brass));
    d.Add(Stroke({bar, h - 6}, {foot, h - 6}, 2.4f), Flat(Brass));
    Compose(atlas, *cell, d);
  }
}

// The list's header continues the pause menu's header cells to the row width, with a rounded
// top-right corner; the rows are translucent with a line under each.
void DrawRowCells(GeneratedAtlas& atlas) {
  const PixelRect& header = Cells::RowHeader;
  const PixelRect& paused = PauseMenuCells::ColumnHeader;
  const float rest = static_cast<float>(header.right - paused.right);
  const float lineRow = static_cast<float>(paused.bottom);
  auto headerSample = [rest, lineRow](Point p) {
    const float d = BoxDistance(p, -40.0f, 0.0f, rest, 40.0f, 6.0f);
    if (d > 0.0f) return Transparent;
    return p.y >= lineRow ? Brass : PanelFill;
  };
  PaintCell(atlas, {paused.right, header.top, header.right, header.bottom}, headerSample);
  // The pause menu's column header is a row shorter: its line is the list header's last row.
  PaintCell(atlas, {PauseMenuCells::ListHeader.right, paused.bottom, paused.right, header.bottom},
            [](Point) { return Brass; });
  PaintCell(atlas, Cells::Row, [](Point p) { return p.y >= 21.0f ? RowSeparator : PanelFill; });
}

}  // namespace

void DrawShopMenu(GeneratedAtlas& atlas) {
  PaintContentPanel(atlas, Cells::ListPanel);
  DrawTitles(atlas);
  PaintClosedTab(atlas, Cells::TabClosed);
  PaintOpenTab(atlas, Cells::TabOpenLeft, Cells::TabOpenMiddle, Cells::TabOpenRight);
  DrawTabIcons(atlas);
  DrawMarkers(atlas);
  DrawRowCells(atlas);
}
