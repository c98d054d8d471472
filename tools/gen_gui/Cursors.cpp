// The mouse cursors. The editor draws a cursor centred on the mouse point, so every cursor has
// its hot spot in the middle of its cell.

#include "engine/EditorAtlas.h"
#include "tools/gen_gui/Cells.h"
#include "tools/gen_gui/Pictures.h"

using namespace gui;
namespace Atlas = EditorAtlas;

namespace {

constexpr Point Hot{16.0f, 16.0f};
constexpr uint32_t Pointer = 0xFFF8F8F8;

void AddDoubleArrow(Drawing& drawing, Point from, Point to) {
  const Point along{to.x - from.x, to.y - from.y};
  const Point back{-along.x, -along.y};
  Part arrow{{Line(from, to, 1.8f), Head(to, along, 6.0f, 4.4f), Head(from, back, 6.0f, 4.4f)},
             Flat(Pointer, 0.9f)};
  drawing.Add(arrow);
}

Drawing CursorDrawing(size_t cursor) {
  Drawing drawing;
  switch (cursor) {
    case Atlas::CursorArrow:
      AddArrowPointer(drawing, Hot, Pointer);
      break;
    case Atlas::CursorMove:
      drawing.Add(
          Part{{Line({16, 4}, {16, 28}, 1.8f), Line({4, 16}, {28, 16}, 1.8f),
                Head({16, 2.5f}, {0, -1}, 5.5f, 4.2f), Head({16, 29.5f}, {0, 1}, 5.5f, 4.2f),
                Head({2.5f, 16}, {-1, 0}, 4.5f, 3.6f), Head({29.5f, 16}, {1, 0}, 4.5f, 3.6f)},
               Flat(Pointer, 1.0f)});
      break;
    case Atlas::CursorRotate: {
      Part turn = Stroke(Arc(Hot, 9.0f, -60.0f, 200.0f, 26), 1.8f, Flat(Pointer, 0.9f));
      const std::vector<Point> end = Arc(Hot, 9.0f, 200.0f, 215.0f, 1);
      turn.pieces.emplace_back(
          Head(end[1], {end[1].x - end[0].x, end[1].y - end[0].y}, 6.0f, 4.6f));
      drawing.Add(turn);
      drawing.Add(Dot(Hot, 1.6f), Flat(Pointer, 0.8f));
      break;
    }
    case Atlas::CursorResize:
      AddDoubleArrow(drawing, {5.5f, 5.5f}, {26.5f, 26.5f});
      break;
    case Atlas::CursorZoomIn:
    case Atlas::CursorZoomOut:
      AddMagnifier(drawing, {14.5f, 14.5f}, 7.5f, cursor == Atlas::CursorZoomIn);
      break;
    case Atlas::CursorQuadTool:
      AddCrosshair(drawing, Hot, 9.0f);
      drawing.Add(Box(20.0f, 20.0f, 28.0f, 27.0f), Flat(TileLight, 1.0f));
      break;
    case Atlas::CursorCircleTool:
      AddCrosshair(drawing, Hot, 9.0f);
      drawing.Add(Dot({24.0f, 24.0f}, 4.2f), Flat(TileLight, 1.0f));
      break;
    case Atlas::CursorPan:
      AddHand(drawing, {17.0f, 17.5f});
      break;
    case Atlas::CursorText:
      drawing.Add(Part{{Line({16, 7}, {16, 25}, 1.5f), Line({12, 6.5f}, {20, 6.5f}, 1.5f),
                        Line({12, 25.5f}, {20, 25.5f}, 1.5f)},
                       Flat(Ink, 0.45f, Pointer)});
      break;
    case Atlas::CursorEdgeFlag:
      drawing.Add(Line({4.0f, 16.0f}, {28.0f, 16.0f}, 2.0f), Flat(Solid, 1.0f));
      drawing.Add(Line({16.0f, 16.0f}, {16.0f, 4.0f}, 0.9f), Flat(Ink, 0.0f));
      drawing.Add(Polygon{{{16.6f, 4.0f}, {26.0f, 7.0f}, {16.6f, 10.5f}}, 0.3f},
                  Flat(Warning, 1.0f));
      break;
    default:
      break;
  }
  return drawing;
}

}  // namespace

void DrawCursors(platform::Image& atlas) {
  for (size_t cursor = 0; cursor < Atlas::CursorCount; ++cursor) {
    figures::Render(CursorDrawing(cursor), atlas, Atlas::Cells[cursor]);
  }
}
