// The icons of the editor's top bar, tool panel and template palette, each drawn so that it
// reads as what it does.

#include <cmath>

#include "engine/EditorAtlas.h"
#include "tools/gen_gui/Cells.h"
#include "tools/gen_gui/Pictures.h"

using namespace gui;
namespace Atlas = EditorAtlas;

namespace {

constexpr uint32_t Shutter = 0xFFC9D0D8;
constexpr uint32_t Palette1 = 0xFFD0463A;
constexpr uint32_t Palette2 = 0xFF4A8ED0;
constexpr uint32_t Palette3 = 0xFF58A848;
constexpr uint32_t Palette4 = 0xFFE8B830;
constexpr uint32_t Gear = 0xFF7C8490;
constexpr uint32_t BarFace = 0xFFDDDDDD;
constexpr uint32_t Hilt = 0xFF6A4424;
constexpr uint32_t Magnet = 0xFFC83C34;
constexpr uint32_t Bin = 0xFF8A929C;

// The symbol on a disk's label or a folder: a map (hills) or the palette (four colours).
void AddSymbol(Drawing& drawing, bool map, float left, float top, float size) {
  if (map) {
    drawing.Add(Box(left, top, left + size, top + size * 0.8f), Flat(Sky, 0.6f));
    drawing.Add(Polygon{{{left, top + size * 0.8f},
                         {left, top + size * 0.5f},
                         {left + size * 0.35f, top + size * 0.2f},
                         {left + size * 0.6f, top + size * 0.45f},
                         {left + size, top + size * 0.3f},
                         {left + size, top + size * 0.8f}}},
                Flat(Grass, 0.0f));
    return;
  }
  const float half = size / 2;
  const uint32_t colours[] = {Palette1, Palette2, Palette3, Palette4};
  for (int i = 0; i < 4; ++i) {
    const float x = left + (i % 2) * half;
    const float y = top + (i / 2) * half * 0.8f;
    drawing.Add(Box(x, y, x + half, y + half * 0.8f), Flat(colours[i], 0.6f));
  }
}

void AddDisk(Drawing& drawing, bool map) {
  drawing.Add(Polygon{{{4, 4}, {24, 4}, {28, 8}, {28, 28}, {4, 28}}, 1.0f}, Flat(Disk));
  drawing.Add(Box(10, 4.5f, 21, 11, 0.5f), Flat(Shutter, 0.8f));
  drawing.Add(Box(17, 5.5f, 19.5f, 10), Flat(Disk, 0.0f));
  drawing.Add(Box(7.5f, 15, 24.5f, 27, 0.6f), Flat(Paper, 0.8f));
  AddSymbol(drawing, map, 10.0f, 17.0f, 12.0f);
}

void AddFolder(Drawing& drawing, bool map) {
  drawing.Add(Polygon{{{3, 7}, {12, 7}, {14.5f, 10}, {28, 10}, {28, 27}, {3, 27}}, 0.6f},
              Flat(FolderBack));
  AddSymbol(drawing, map, 10.0f, 7.5f, 12.0f);
  drawing.Add(Polygon{{{3, 27}, {6.5f, 14}, {31, 14}, {28, 27}}, 0.6f}, Flat(Folder));
}

void AddGear(Drawing& drawing) {
  Part gear{{Dot({16, 16}, 8.5f)}, Flat(Gear)};
  for (int tooth = 0; tooth < 8; ++tooth) {
    const float angle = tooth * 45.0f * 0.017453292f;
    const Point inner{16 + 7.0f * std::cos(angle), 16 + 7.0f * std::sin(angle)};
    const Point outer{16 + 11.5f * std::cos(angle), 16 + 11.5f * std::sin(angle)};
    gear.pieces.emplace_back(Line(inner, outer, 2.4f));
  }
  drawing.Add(gear);
  drawing.Add(Dot({16, 16}, 3.6f), Flat(BarFace));
}

void AddSword(Drawing& drawing) {
  drawing.Add(Polygon{{{8.5f, 21.5f}, {24, 5}, {27, 5}, {27, 8}, {10.5f, 23.5f}}, 0.4f},
              Flat(Steel));
  drawing.Add(Line({5.5f, 19.5f}, {12.5f, 26.5f}, 1.6f), Flat(Sun, 0.9f));
  drawing.Add(Line({8.5f, 23.5f}, {4.5f, 27.5f}, 1.7f), Flat(Hilt, 0.9f));
  drawing.Add(Dot({3.8f, 28.2f}, 1.8f), Flat(Sun, 0.8f));
}

void AddDashedBox(Drawing& drawing, float left, float top, float right, float bottom) {
  Part dashes{{}, Flat(Ink, 0.0f)};
  for (float x = left; x < right - 1.0f; x += 4.0f) {
    dashes.pieces.emplace_back(Line({x, top}, {std::fmin(x + 2.0f, right), top}, 0.7f));
    dashes.pieces.emplace_back(Line({x, bottom}, {std::fmin(x + 2.0f, right), bottom}, 0.7f));
  }
  for (float y = top; y < bottom - 1.0f; y += 4.0f) {
    dashes.pieces.emplace_back(Line({left, y}, {left, std::fmin(y + 2.0f, bottom)}, 0.7f));
    dashes.pieces.emplace_back(Line({right, y}, {right, std::fmin(y + 2.0f, bottom)}, 0.7f));
  }
  drawing.Add(dashes);
}

void AddCross(Drawing& drawing, Point center, float reach, float thickness, uint32_t colour) {
  drawing.Add(Part{
      {Line({center.x - reach, center.y - reach}, {center.x + reach, center.y + reach}, thickness),
       Line({center.x - reach, center.y + reach}, {center.x + reach, center.y - reach}, thickness)},
      Flat(colour, 0.9f)});
}

void AddPaintbrush(Drawing& drawing) {
  drawing.Add(Line({27, 5}, {17, 17}, 1.6f), Flat(Wood, 0.9f));
  drawing.Add(Line({17.5f, 16.5f}, {15.5f, 19}, 2.0f), Flat(Steel, 0.9f));
  drawing.Add(
      Polygon{{{15.5f, 17.5f}, {17.5f, 19.5f}, {13, 25}, {10.5f, 25.5f}, {11, 22.5f}}, 0.6f},
      Flat(Palette1, 0.9f));
}

void AddMagnet(Drawing& drawing) {
  drawing.Add(Stroke(Arc({16, 13}, 7.5f, 0.0f, 180.0f, 16), 3.2f, Flat(Magnet)));
  drawing.Add(
      Part{{Line({8.5f, 13}, {8.5f, 6}, 3.2f), Line({23.5f, 13}, {23.5f, 6}, 3.2f)}, Flat(Magnet)});
  drawing.Add(Box(5.3f, 3.0f, 11.7f, 7.0f), Flat(Steel, 0.9f));
  drawing.Add(Box(20.3f, 3.0f, 26.7f, 7.0f), Flat(Steel, 0.9f));
  drawing.Add(Dot({16, 27}, 2.2f), Flat(Ink, 0.0f));
}

void AddSwitch(Drawing& drawing) {
  drawing.Add(Box(4, 11, 28, 21, 4.5f), Flat(Toggle));
  drawing.Add(Dot({22.5f, 16}, 4.2f), Flat(Paper, 1.0f));
}

void AddBin(Drawing& drawing) {
  drawing.Add(Polygon{{{8, 10}, {24, 10}, {22.5f, 28}, {9.5f, 28}}, 0.6f}, Flat(Bin));
  drawing.Add(Part{{Line({12.5f, 13}, {13, 25}, 0.7f), Line({16, 13}, {16, 25}, 0.7f),
                    Line({19.5f, 13}, {19, 25}, 0.7f)},
                   Flat(Ink, 0.0f)});
  drawing.Add(Box(6, 6.5f, 26, 9.5f, 0.6f), Flat(Bin));
  drawing.Add(Box(13, 3.5f, 19, 6.5f, 0.6f), Flat(Bin));
}

Drawing ToolbarDrawing(size_t icon) {
  Drawing drawing;
  switch (icon) {
    case Atlas::IconSaveMap:
    case Atlas::IconSaveMef:
      AddDisk(drawing, icon == Atlas::IconSaveMap);
      break;
    case Atlas::IconLoadMap:
    case Atlas::IconLoadMef:
      AddFolder(drawing, icon == Atlas::IconLoadMap);
      break;
    case Atlas::IconSettings:
      AddGear(drawing);
      break;
    case Atlas::IconItemEditor:
      AddSword(drawing);
      break;
    default:
      break;
  }
  return drawing;
}

Drawing ToolDrawing(size_t tool) {
  Drawing drawing;
  switch (tool) {
    case Atlas::ToolSelect:
      AddArrowPointer(drawing, {11.0f, 8.0f}, Paper);
      break;
    case Atlas::ToolSprite:
      AddPicture(drawing, 4, 6, 28, 26);
      break;
    case Atlas::ToolSpriteKeepBrush:
      AddPicture(drawing, 3, 9, 22, 26);
      AddPaintbrush(drawing);
      break;
    case Atlas::ToolTextureQuad:
      AddCheckers(drawing, 6, 6, 26, 26, 5, TileLight, TileDark);
      drawing.Add(Stroke({{6, 6}, {26, 6}, {26, 26}, {6, 26}, {6, 6}}, 0.6f, Flat(Ink, 0.0f)));
      break;
    case Atlas::ToolTextureCircle:
      AddCheckers(drawing, 5, 5, 27, 27, 4.4f, TileLight, TileDark, 10.5f);
      drawing.Add(Ring({16, 16}, 11.0f, 1.4f, Flat(Ink, 0.0f)));
      break;
    case Atlas::ToolBoundaryQuad:
      drawing.Add(Stroke({{7, 7}, {25, 7}, {25, 25}, {7, 25}, {7, 7}}, 1.7f, Flat(Solid, 0.8f)));
      break;
    case Atlas::ToolBoundaryCircle:
      drawing.Add(Ring({16, 16}, 9.5f, 3.4f, Flat(Solid, 0.8f)));
      break;
    case Atlas::ToolPan:
      AddHand(drawing, {17.0f, 17.5f});
      break;
    case Atlas::ToolZoomIn:
    case Atlas::ToolZoomOut:
      AddMagnifier(drawing, {13.5f, 13.5f}, 8.0f, tool == Atlas::ToolZoomIn);
      break;
    case Atlas::ToolSnapToggle:
      AddMagnet(drawing);
      break;
    case Atlas::ToolSecondToggle:
      AddSwitch(drawing);
      break;
    case Atlas::ToolDeselect:
      AddDashedBox(drawing, 5, 5, 27, 27);
      AddCross(drawing, {16, 16}, 5.5f, 1.4f, Warning);
      break;
    case Atlas::ToolDelete:
      AddBin(drawing);
      break;
    default:
      break;
  }
  return drawing;
}

Drawing PageArrow(bool next) {
  Drawing drawing;
  const float direction = next ? 1.0f : -1.0f;
  drawing.Add(
      Polygon{{{16 + 8 * direction, 16}, {16 - 6 * direction, 7}, {16 - 6 * direction, 25}}, 1.0f},
      Flat(Disk));
  return drawing;
}

}  // namespace

void DrawToolbarIcons(platform::Image& atlas) {
  for (size_t icon = 0; icon < Atlas::ToolbarIconCount; ++icon) {
    figures::Render(ToolbarDrawing(icon), atlas, Atlas::ToolbarIcons[icon].cell);
  }
}

void DrawToolIcons(platform::Image& atlas) {
  for (size_t tool = 0; tool < Atlas::ToolIconCount; ++tool) {
    figures::Render(ToolDrawing(tool), atlas, Atlas::ToolIcons[tool]);
  }
  figures::Render(PageArrow(true), atlas, Atlas::Cells[Atlas::PaletteNext]);
  figures::Render(PageArrow(false), atlas, Atlas::Cells[Atlas::PalettePrevious]);
}
