#include "PauseMenu.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "MenuPainting.h"
#include "menus/ScrollBar.h"
#include "menus/pause/PauseMenuCells.h"
#include "tools/Drawing.h"

using figures::Capsule;
using figures::Drawing;
using figures::Painted;
using figures::Point;
using figures::Polygon;
using platform::PixelRect;
using namespace menu_paint;
namespace Cells = PauseMenuCells;

namespace {

// The window: a rounded frame 760 by 563 of which the menu draws the two ends and stretches
// one middle column.
constexpr float WindowWidth = 760.0f;
constexpr float WindowHeight = 563.0f;

uint32_t WindowSample(Point p) {
  const float d = BoxDistance(p, 0.0f, 0.0f, WindowWidth, WindowHeight, 16.0f);
  if (d > 0.0f) return Transparent;
  if (d > -2.0f) return EdgeDark;
  if (d > -5.0f) return raster::Mix(BrassLight, BrassDark, (-d - 2.0f) / 3.0f);
  if (d > -6.0f) return EdgeDark;
  return WindowBody;
}

void DrawWindow(GeneratedAtlas& atlas) {
  PaintCell(atlas, Cells::WindowLeft, WindowSample);
  PaintColumn(atlas, Cells::WindowMiddle, 1, [](Point p) {
    return WindowSample({WindowWidth / 2, p.y});
  });
  const float rightStart =
      WindowWidth - static_cast<float>(Cells::WindowRight.right - Cells::WindowRight.left);
  PaintCell(atlas, Cells::WindowRight, [rightStart](Point p) {
    return WindowSample({p.x + rightStart, p.y});
  });
}

// A key cap with its letter drawn in strokes, its left edge at x, centred on y.
enum class Letter { I, J, U, O, P };

void AddKeyCap(Drawing& d, float x, float y, Letter letter) {
  constexpr float Half = 9.0f;
  d.Add(Polygon{{{x + 2, y - Half + 2},
                 {x + 2 * Half - 2, y - Half + 2},
                 {x + 2 * Half - 2, y + Half - 2},
                 {x + 2, y + Half - 2}},
                2.5f},
        Painted(KeyCapFill, 1.2f));
  const float cx = x + Half;
  const float top = y - 5.0f;
  const float bottom = y + 5.0f;
  const float ink = 2.2f;
  const figures::Paint paint = Flat(KeyCapInk);
  switch (letter) {
    case Letter::I:
      d.Add(Stroke({cx, top}, {cx, bottom}, ink), paint);
      d.Add(Stroke({cx - 2.5f, top}, {cx + 2.5f, top}, ink), paint);
      d.Add(Stroke({cx - 2.5f, bottom}, {cx + 2.5f, bottom}, ink), paint);
      break;
    case Letter::J:
      d.Add(Stroke({cx + 2.0f, top}, {cx + 2.0f, bottom - 2.5f}, ink), paint);
      d.Add(Stroke({cx + 2.0f, bottom - 2.5f}, {cx, bottom}, ink), paint);
      d.Add(Stroke({cx, bottom}, {cx - 2.5f, bottom - 1.5f}, ink), paint);
      d.Add(Stroke({cx - 1.0f, top}, {cx + 3.5f, top}, ink), paint);
      break;
    case Letter::U:
      d.Add(Stroke({cx - 3.0f, top}, {cx - 3.0f, bottom - 2.5f}, ink), paint);
      d.Add(Stroke({cx + 3.0f, top}, {cx + 3.0f, bottom - 2.5f}, ink), paint);
      d.Add(Stroke({cx - 3.0f, bottom - 2.5f}, {cx - 1.0f, bottom}, ink), paint);
      d.Add(Stroke({cx + 3.0f, bottom - 2.5f}, {cx + 1.0f, bottom}, ink), paint);
      d.Add(Stroke({cx - 1.0f, bottom}, {cx + 1.0f, bottom}, ink), paint);
      break;
    case Letter::O:
      d.Add(Disc({cx, y}, 5.2f), Flat(KeyCapInk));
      d.Add(Capsule{{cx, y - 1.6f}, {cx, y + 1.6f}, 2.2f, 2.2f}, Flat(KeyCapFill));
      break;
    case Letter::P:
      d.Add(Stroke({cx - 3.0f, top}, {cx - 3.0f, bottom}, ink), paint);
      d.Add(Stroke({cx - 3.0f, top}, {cx + 1.5f, top}, ink), paint);
      d.Add(Stroke({cx + 1.5f, top}, {cx + 3.2f, top + 2.5f}, ink), paint);
      d.Add(Stroke({cx + 3.2f, top + 2.5f}, {cx + 1.5f, y}, ink), paint);
      d.Add(Stroke({cx + 1.5f, y}, {cx - 3.0f, y}, ink), paint);
      break;
  }
}

// The title plate: a pause sign between two rules with diamond ends.
void DrawTitlePlate(GeneratedAtlas& atlas) {
  const PixelRect& cell = Cells::TitlePlate;
  PaintPlate(atlas, cell);
  const float w = static_cast<float>(cell.right - cell.left);
  const float mid = (cell.bottom - cell.top) / 2.0f;
  Drawing d;
  for (float side : {-1.0f, 1.0f}) {
    const float near = w / 2 + side * 16.0f;
    const float far = w / 2 + side * 62.0f;
    d.Add(Stroke({near, mid}, {far, mid}, 1.6f), Flat(Brass));
    d.Add(Polygon{{{far, mid - 4}, {far + side * 4, mid}, {far, mid + 4}, {far - side * 4, mid}}},
          Painted(BrassLight, 1.0f));
  }
  d.Add(
      Polygon{
          {{w / 2 - 8, mid - 9}, {w / 2 - 3, mid - 9}, {w / 2 - 3, mid + 9}, {w / 2 - 8, mid + 9}},
          1.0f},
      Painted(BrassLight, 1.0f));
  d.Add(
      Polygon{
          {{w / 2 + 3, mid - 9}, {w / 2 + 8, mid - 9}, {w / 2 + 8, mid + 9}, {w / 2 + 3, mid + 9}},
          1.0f},
      Painted(BrassLight, 1.0f));
  Compose(atlas, cell, d);
}

// The footers: back (I), select (J) and, beside an equipment item, equip (U).
void DrawFooters(GeneratedAtlas& atlas) {
  for (const PixelRect* cell : {&Cells::FooterLeft, &Cells::FooterMiddle, &Cells::FooterRight}) {
    PaintPlate(atlas, *cell);
  }
  const float mid = (Cells::FooterRight.bottom - Cells::FooterRight.top) / 2.0f;
  {
    Drawing d;
    AddKeyCap(d, 14.0f, mid, Letter::I);
    // A curved arrow turning back to the left.
    d.Add(Stroke({44, mid - 5}, {62, mid - 5}, 2.6f), Flat(BrassLight));
    d.Add(Stroke({62, mid - 5}, {67, mid}, 2.6f), Flat(BrassLight));
    d.Add(Stroke({67, mid}, {62, mid + 5}, 2.6f), Flat(BrassLight));
    d.Add(Stroke({62, mid + 5}, {52, mid + 5}, 2.6f), Flat(BrassLight));
    d.Add(Polygon{{{38, mid - 5}, {46, mid - 11}, {46, mid + 1}}}, Flat(BrassLight));
    Compose(atlas, Cells::FooterRight, d);
  }
  {
    Drawing d;
    AddKeyCap(d, 20.0f, mid, Letter::J);
    // A tick.
    d.Add(Stroke({56, mid}, {63, mid + 7}, 3.2f), Flat(BrassLight));
    d.Add(Stroke({63, mid + 7}, {78, mid - 8}, 3.2f), Flat(BrassLight));
    Compose(atlas, Cells::FooterMiddle, d);
  }
  {
    Drawing d;
    AddKeyCap(d, 12.0f, mid, Letter::U);
    // A sword sliding down into a bracket: put it on.
    d.Add(Stroke({56, mid - 10}, {56, mid + 3}, 3.0f), Flat(Steel));
    d.Add(Stroke({51, mid - 4}, {61, mid - 4}, 2.4f), Flat(BrassLight));
    d.Add(Polygon{{{52, mid + 3}, {60, mid + 3}, {56, mid + 8}}}, Flat(Steel));
    d.Add(Stroke({45, mid + 2}, {45, mid + 10}, 2.0f), Flat(Brass));
    d.Add(Stroke({45, mid + 10}, {67, mid + 10}, 2.0f), Flat(Brass));
    d.Add(Stroke({67, mid + 10}, {67, mid + 2}, 2.0f), Flat(Brass));
    Compose(atlas, Cells::FooterLeft, d);
  }
}

// The ends of the tab row: the keys that turn to the previous and the next tab.
void DrawTabRowEnds(GeneratedAtlas& atlas) {
  struct End {
    const PixelRect& cell;
    Letter letter;
    float direction;
  };
  for (const End& end :
       {End{Cells::TabRowLeft, Letter::O, -1.0f}, End{Cells::TabRowRight, Letter::P, 1.0f}}) {
    PaintPlate(atlas, end.cell);
    const float w = static_cast<float>(end.cell.right - end.cell.left);
    const float mid = (end.cell.bottom - end.cell.top) / 2.0f;
    Drawing d;
    AddKeyCap(d, end.direction < 0 ? 14.0f : 5.0f, mid, end.letter);
    const float tip = end.direction < 0 ? 5.0f : w - 5.0f;
    const float back = tip - end.direction * 5.0f;
    d.Add(Polygon{{{back, mid - 6}, {tip, mid}, {back, mid + 6}}}, Flat(BrassLight));
    Compose(atlas, end.cell, d);
  }
}

// Tab icons, 35 by 45: a bust for the character, a satchel, a book and a gear.
void DrawTabIcons(GeneratedAtlas& atlas) {
  for (const PixelRect& cell : Cells::TabIcons) ClearCell(atlas, cell);
  const float cx = 17.5f;
  const float cy = 22.5f;
  {
    Drawing d;
    d.Add(Capsule{{cx - 9, cy + 12}, {cx + 9, cy + 12}, 6.0f, 6.0f}, Painted(0xFF5A86C0, 1.2f));
    d.Add(Disc({cx, cy - 3}, 7.5f), Painted(0xFFE8C098, 1.2f));
    d.Add(Capsule{{cx - 6, cy - 8}, {cx + 6, cy - 9}, 3.6f, 3.0f}, Painted(0xFF8A4A24, 1.0f));
    Compose(atlas, Cells::TabIcons[0], d);
  }
  {
    Drawing d;
    d.Add(Stroke({cx - 7, cy - 8}, {cx - 3, cy - 14}, 2.4f), Painted(0xFF8A5A30, 1.0f));
    d.Add(Stroke({cx - 3, cy - 14}, {cx + 3, cy - 14}, 2.4f), Painted(0xFF8A5A30, 1.0f));
    d.Add(Stroke({cx + 3, cy - 14}, {cx + 7, cy - 8}, 2.4f), Painted(0xFF8A5A30, 1.0f));
    d.Add(Polygon{{{cx - 12, cy - 8}, {cx + 12, cy - 8}, {cx + 13, cy + 13}, {cx - 13, cy + 13}},
                  3.0f},
          Painted(0xFFC08A50, 1.2f));
    d.Add(
        Polygon{{{cx - 12, cy - 8}, {cx + 12, cy - 8}, {cx + 10, cy + 1}, {cx - 10, cy + 1}}, 2.0f},
        Painted(0xFFA06E3A, 1.2f));
    d.Add(
        Polygon{
            {{cx - 2.5f, cy - 1}, {cx + 2.5f, cy - 1}, {cx + 2.5f, cy + 4}, {cx - 2.5f, cy + 4}},
            0.5f},
        Painted(Gold, 1.0f));
    Compose(atlas, Cells::TabIcons[1], d);
  }
  {
    Drawing d;
    d.Add(Polygon{{{cx - 11, cy - 14}, {cx + 12, cy - 14}, {cx + 12, cy + 15}, {cx - 11, cy + 15}},
                  1.5f},
          Painted(0xFFF0E6CC, 1.0f));
    d.Add(Polygon{{{cx - 13, cy - 15}, {cx + 9, cy - 15}, {cx + 9, cy + 13}, {cx - 13, cy + 13}},
                  1.5f},
          Painted(0xFF9C3A30, 1.2f));
    d.Add(Stroke({cx - 7, cy - 9}, {cx + 4, cy - 9}, 1.6f), Flat(Gold));
    d.Add(Stroke({cx - 7, cy - 5}, {cx + 4, cy - 5}, 1.2f), Flat(Gold));
    d.Add(Polygon{{{cx + 3, cy + 12},
                   {cx + 7, cy + 12},
                   {cx + 7, cy + 20},
                   {cx + 5, cy + 17},
                   {cx + 3, cy + 20}}},
          Painted(0xFF4A8CD0, 0.8f));
    Compose(atlas, Cells::TabIcons[2], d);
  }
  {
    Drawing d;
    constexpr int Teeth = 8;
    constexpr float Pi = 3.14159265f;
    for (int k = 0; k < Teeth; ++k) {
      const float a = 2 * Pi * k / Teeth;
      d.Add(Stroke({cx + 7 * std::cos(a), cy + 7 * std::sin(a)},
                   {cx + 12 * std::cos(a), cy + 12 * std::sin(a)}, 5.0f),
            Painted(0xFFB8C0CC, 1.0f));
    }
    d.Add(Disc({cx, cy}, 9.5f), Painted(0xFFB8C0CC, 1.2f));
    d.Add(Disc({cx, cy}, 4.0f), Painted(0xFF2A3042, 1.0f));
    Compose(atlas, Cells::TabIcons[3], d);
  }
}

// The tokens plate: a dark pill with a brass rim, stretched through its middle column, and
// the coin at its right end.
void DrawTokens(GeneratedAtlas& atlas) {
  const float end = static_cast<float>(Cells::TokensPlateLeft.right - Cells::TokensPlateLeft.left);
  const float h = static_cast<float>(Cells::TokensPlateLeft.bottom - Cells::TokensPlateLeft.top);
  const float w = 2 * end + 1.0f;
  auto sample = [w, h](Point p) {
    return BorderedBox(BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 12.0f), 2.0f, Brass,
                       TabBackFill);
  };
  PaintCell(atlas, Cells::TokensPlateLeft, sample);
  PaintColumn(atlas, Cells::TokensPlateMiddle, 1, [sample, end](Point p) {
    return sample({end + 0.5f, p.y});
  });
  PaintCell(atlas, Cells::TokensPlateRight, [sample, end](Point p) {
    return sample({p.x + end + 1.0f, p.y});
  });
  Drawing d;
  d.Add(Capsule{{5.5f, 5.5f}, {5.5f, 8.5f}, 4.4f, 4.4f}, Painted(Gold, 1.0f));
  d.Add(Stroke({5.5f, 5.0f}, {5.5f, 9.0f}, 1.4f), Flat(0xFFB08420));
  Compose(atlas, Cells::TokenIcon, d);
}

// List panels: a header with a rounded top-left corner in the panels' own fill, a line under
// it, translucent rows with a line under each, the same colour for the filler; the slot list
// is nearly opaque, over the column it covers. The header's first 16 rows are all fill, since
// the entry panel's header strip is its corner beside a stretch of the fill texel, and the
// column highlight's top is those 16 rows alone.
void DrawListPanels(GeneratedAtlas& atlas) {
  const float headerWidth = static_cast<float>(Cells::ColumnHeader.right);
  const float lineRow = static_cast<float>(Cells::ColumnHeader.bottom);
  PaintCell(atlas, Cells::ListHeader, [headerWidth, lineRow](Point p) {
    const float d = BoxDistance(p, 0.0f, 0.0f, headerWidth + 20.0f, 40.0f, 6.0f);
    if (d > 0.0f) return Transparent;
    return p.y >= lineRow ? Brass : PanelFill;
  });
  PaintCell(atlas,
            {Cells::ListHeader.right, 0, Cells::ColumnHeader.right, Cells::ColumnHeader.bottom},
            [](Point) { return PanelFill; });
  auto row = [](uint32_t body, uint32_t separator) {
    return [body, separator](Point p) { return p.y >= 21.0f ? separator : body; };
  };
  PaintCell(atlas, Cells::ListRow, row(PanelFill, RowSeparator));
  PaintTexel(atlas, Cells::PanelFill, PanelFill);
  PaintCell(atlas, Cells::SlotListHeader, [](Point p) {
    const float d = BoxDistance(p, 0.0f, 0.0f, 205.0f, 40.0f, 6.0f);
    if (d > 0.0f) return Transparent;
    return p.y >= 15.0f ? BrassLight : SlotListHeaderFill;
  });
  PaintCell(atlas, Cells::SlotListRow, row(SlotListBody, SlotListSeparator));
  PaintTexel(atlas, Cells::SlotListFill, SlotListBody);
}

// Row highlights: a gold bar brighter at its edges and the arrow beside it pointing at the row.
void DrawHighlights(GeneratedAtlas& atlas) {
  const float h = static_cast<float>(Cells::RowHighlight.bottom - Cells::RowHighlight.top);
  PaintColumn(atlas, Cells::RowHighlight, 1, [h](Point p) {
    const float edge = std::min(p.y, h - p.y);
    const uint32_t alpha = edge < 1.0f ? 0xD0 : edge < 2.0f ? 0x90 : 0x50;
    return WithAlpha(Gold, alpha);
  });
  const PixelRect& arrow = Cells::SelectionArrow;
  const float ah = static_cast<float>(arrow.bottom - arrow.top);
  const float aw = static_cast<float>(arrow.right - arrow.left);
  PaintCell(atlas, arrow, [aw, ah](Point p) {
    const float d = PolygonDistance(p, {{aw - 0.5f, 2.0f}, {0.5f, ah / 2}, {aw - 0.5f, ah - 2.0f}});
    return BorderedBox(d, 1.0f, BrassDark, Gold);
  });
}

// The Stats tab's slot frames and the marker over the selected one; both carry a bar on the
// side where the name starts, mirrored for the rune column.
void DrawSlotFrames(GeneratedAtlas& atlas) {
  const float w = static_cast<float>(Cells::SlotFrame.right - Cells::SlotFrame.left);
  const float h = static_cast<float>(Cells::SlotFrame.bottom - Cells::SlotFrame.top);
  PaintCell(atlas, Cells::SlotFrame, [w, h](Point p) {
    const float d = BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 12.0f);
    uint32_t color = BorderedBox(d, 2.0f, SlotFrameBorder, SlotFrameInside);
    if (d <= -2.0f && p.x >= 5.0f && p.x < 8.0f && p.y >= 14.0f && p.y < h - 14.0f) {
      color = Over(WithAlpha(Brass, 0xC0), color);
    }
    return color;
  });
  // The column wash is cut from the frame's rounded-off corner, where the frame shows nothing.
  PaintTexel(atlas, Cells::HighlightPlate, PlateWash);
  PaintCell(atlas, Cells::SlotMarker, [w, h](Point p) {
    const float d = BoxDistance(p, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 12.0f);
    if (d > 0.0f) return Transparent;
    if (d > -3.0f) return Gold;
    const float notch =
        PolygonDistance(p, {{3.0f, h / 2 - 8.0f}, {11.0f, h / 2}, {3.0f, h / 2 + 8.0f}});
    if (notch <= 0.0f) return Gold;
    return d > -6.0f ? WithAlpha(Gold, 0x50) : WithAlpha(Gold, 0x18);
  });
}

// The comparison markers: a green arrow up, a red arrow down.
void DrawMarkers(GeneratedAtlas& atlas) {
  auto triangle = [&atlas](const PixelRect& cell, bool up, uint32_t color) {
    const float w = static_cast<float>(cell.right - cell.left);
    const float h = static_cast<float>(cell.bottom - cell.top);
    PaintCell(atlas, cell, [w, h, up, color](Point p) {
      const std::vector<Point> corners =
          up ? std::vector<Point>{{w / 2, 0.5f}, {w - 0.5f, h - 1.0f}, {0.5f, h - 1.0f}}
             : std::vector<Point>{{0.5f, 1.0f}, {w - 0.5f, 1.0f}, {w / 2, h - 0.5f}};
      return BorderedBox(PolygonDistance(p, corners), 1.0f, EdgeDark, color);
    });
  };
  triangle(Cells::RaiseMarker, true, RaiseGreen);
  triangle(Cells::DropMarker, false, DropRed);
}

// Page panels: rounded top-left and bottom-right corners in the panels' colour, and the rule
// between the page's bands.
void DrawPagePieces(GeneratedAtlas& atlas) {
  constexpr float Radius = 10.0f;
  PaintCell(atlas, Cells::PanelTopLeft, [](Point p) {
    return BoxDistance(p, 0.0f, 0.0f, 2 * Radius + 10.0f, 2 * Radius + 10.0f, Radius) <= 0.0f
               ? PanelFill
               : Transparent;
  });
  PaintCell(atlas, Cells::PanelBottomRight, [](Point p) {
    return BoxDistance(p, -2 * Radius, -2 * Radius, Radius, Radius, Radius) <= 0.0f ? PanelFill
                                                                                    : Transparent;
  });
  PaintCell(atlas, Cells::PanelBreak, [](Point p) {
    return p.y >= 1.0f && p.y < 3.0f ? Over(WithAlpha(Brass, 0xC8), PanelFill) : PanelFill;
  });
}

// The scroll bar: arrow caps at the ends and a brass thumb with rounded ends.
void DrawScrollBar(GeneratedAtlas& atlas) {
  auto endCap = [&atlas](const PixelRect& cell, bool up) {
    PaintCell(atlas, cell, [up](Point p) {
      uint32_t color =
          BorderedBox(BoxDistance(p, 0.5f, 0.5f, 15.5f, 15.5f, 4.0f), 1.5f, Brass, TabBackFill);
      const std::vector<Point> arrow = up ? std::vector<Point>{{8, 4.5f}, {12, 10.5f}, {4, 10.5f}}
                                          : std::vector<Point>{{4, 5.5f}, {12, 5.5f}, {8, 11.5f}};
      if (PolygonDistance(p, arrow) <= 0.0f) color = BrassLight;
      return color;
    });
  };
  endCap(ScrollBar::TopEndCapCell, true);
  endCap(ScrollBar::BottomEndCapCell, false);
  auto thumb = [](Point p, float top, float bottom) {
    const float d = BoxDistance(p, 3.0f, top, 13.0f, bottom, 5.0f);
    if (d > 0.0f) return Transparent;
    if (d > -1.0f) return BrassDark;
    return raster::Mix(BrassLight, Brass, (p.x - 3.0f) / 10.0f);
  };
  PaintCell(atlas, ScrollBar::TopThumbCapCell, [thumb](Point p) { return thumb(p, 0.5f, 40.0f); });
  PaintCell(atlas, ScrollBar::BottomThumbCapCell,
            [thumb](Point p) { return thumb(p, -32.0f, 7.5f); });
  const PixelRect& middle = ScrollBar::ThumbMiddleCell;
  for (int y = middle.top - 1; y <= middle.top + 1; ++y) {
    PaintCell(atlas, {middle.left, y, middle.right, y + 1}, [thumb](Point p) {
      return thumb({p.x, 20.0f}, 0.0f, 40.0f);
    });
  }
}

}  // namespace

void DrawPauseMenu(GeneratedAtlas& atlas) {
  DrawWindow(atlas);
  PaintContentPanel(atlas, Cells::ContentPanel);
  DrawTitlePlate(atlas);
  DrawFooters(atlas);
  DrawTabRowEnds(atlas);
  PaintClosedTab(atlas, Cells::TabBack);
  PaintOpenTab(atlas, Cells::TabOpenLeft, Cells::TabOpenMiddle, Cells::TabOpenRight);
  DrawTabIcons(atlas);
  DrawTokens(atlas);
  DrawListPanels(atlas);
  DrawHighlights(atlas);
  DrawSlotFrames(atlas);
  DrawMarkers(atlas);
  DrawPagePieces(atlas);
  DrawScrollBar(atlas);
}
