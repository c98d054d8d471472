#pragma once

// The cells of the editor's interface atlas: the debug menu cuts its cursors, icons and small
// pictures from these rectangles, and tools/gen_gui draws each picture into the same
// rectangle. The console takes its text cursor from here too.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Vertex.h"

namespace EditorAtlas {

using platform::PixelRect;

constexpr uint32_t Size = 512;
constexpr const char* Path = "Content\\Textures\\HUD\\GUI_v315.png";

// The fixed cells in table order: a handler chooses the mouse cursor by pointing at one of
// them. A cursor is drawn centred on the mouse point, so each cursor picture has its hot spot
// in the middle of its cell.
inline constexpr std::array<PixelRect, 46> Cells = {{
    // Cursors, 32 by 32.
    {0, 0, 32, 32},
    {32, 0, 64, 32},
    {64, 0, 96, 32},
    {96, 0, 128, 32},
    {128, 0, 160, 32},
    {160, 0, 192, 32},
    {192, 0, 224, 32},
    {224, 0, 256, 32},
    {320, 0, 352, 32},
    {256, 0, 288, 32},
    {288, 0, 320, 32},
    // Small pictures, 16 by 16.
    {128, 64, 144, 80},
    {144, 64, 160, 80},
    {160, 64, 176, 80},
    {176, 64, 192, 80},
    {192, 64, 208, 80},
    {208, 64, 224, 80},
    {224, 64, 240, 80},
    {240, 64, 256, 80},
    {256, 64, 272, 80},
    {272, 64, 288, 80},
    {288, 64, 304, 80},
    {304, 64, 320, 80},
    {320, 64, 336, 80},
    {336, 64, 352, 80},
    {352, 64, 368, 80},
    {192, 80, 208, 96},
    {208, 80, 224, 96},
    {128, 80, 144, 96},
    {144, 80, 160, 96},
    {160, 80, 176, 96},
    {176, 80, 192, 96},
    {224, 80, 240, 96},
    {240, 80, 256, 96},
    {256, 80, 272, 96},
    {272, 80, 288, 96},
    {288, 80, 304, 96},
    {304, 80, 320, 96},
    {320, 80, 336, 96},
    {336, 80, 352, 96},
    // Buttons, 32 by 32, and three more small pictures.
    {288, 96, 320, 128},
    {256, 96, 288, 128},
    {416, 80, 432, 96},
    {368, 80, 384, 96},
    {352, 80, 368, 96},
    {320, 96, 352, 128},
}};

// Indices into Cells of the cursors.
enum Cursor : size_t {
  CursorArrow = 0,
  CursorMove = 1,
  CursorRotate = 2,
  CursorResize = 3,
  CursorZoomIn = 4,
  CursorZoomOut = 5,
  CursorQuadTool = 6,
  CursorCircleTool = 7,
  CursorPan = 8,
  CursorText = 9,
  CursorEdgeFlag = 10,
};
constexpr size_t CursorCount = 11;

// Indices into Cells of the 16 by 16 pictures whose roles are known so far; the others are
// drawn as plain markers until the panels that use them give them a picture.
enum SmallPicture : size_t {
  KindSprite = 11,
  KindTexturedShape = 12,
  KindBoundary = 13,
  // The property panel: the marker before a row's caption, the layer arrows and the centre of
  // a boundary's side buttons.
  RowCaption = 14,
  LayerUp = 15,
  LayerDown = 16,
  CollisionCentre = 17,
  // On the layer panel's toggles.
  LayerVisibleIcon = 26,
  LayerSelectableIcon = 27,
  CheckBoxFrame = 28,
  CheckMark = 29,
  ClearTexture = 36,
  ClearTextureNone = 37,
};

// Indices into Cells of the palette's page buttons; the table's last cell is the item editor's
// toolbar icon.
constexpr size_t PaletteNext = 40;
constexpr size_t PalettePrevious = 41;

// What the texture swatch shows while the selection has no texture.
constexpr PixelRect NoTextureSwatch{0, 64, 64, 128};

// The icons of the top bar, with the editor mode each opens.
struct ToolbarIcon {
  PixelRect cell;
  int32_t mode;
};
enum ToolbarIconIndex : size_t {
  IconSaveMap = 0,
  IconLoadMap,
  IconSettings,
  IconLoadMef,
  IconSaveMef,
  IconItemEditor,
  ToolbarIconCount
};
constexpr std::array<ToolbarIcon, ToolbarIconCount> ToolbarIcons = {{
    {{0, 32, 32, 64}, 4},
    {{32, 32, 64, 64}, 6},
    {{64, 32, 96, 64}, 9},
    {{160, 96, 192, 128}, 7},
    {{128, 96, 160, 128}, 5},
    {{320, 96, 352, 128}, 11},
}};

// The buttons of the tool panel, top to bottom.
enum ToolIconIndex : size_t {
  ToolSelect = 0,
  ToolSprite,
  ToolSpriteKeepBrush,
  ToolTextureQuad,
  ToolTextureCircle,
  ToolBoundaryQuad,
  ToolBoundaryCircle,
  ToolPan,
  ToolZoomIn,
  ToolZoomOut,
  ToolSnapToggle,
  ToolSecondToggle,
  ToolDeselect,
  ToolDelete,
  ToolIconCount
};
constexpr std::array<PixelRect, ToolIconCount> ToolIcons = {{
    {96, 32, 128, 64},
    {128, 32, 160, 64},
    {192, 96, 224, 128},
    {160, 32, 192, 64},
    {192, 32, 224, 64},
    {224, 32, 256, 64},
    {256, 32, 288, 64},
    {224, 96, 256, 128},
    {288, 32, 320, 64},
    {320, 32, 352, 64},
    {352, 32, 384, 64},
    {384, 32, 416, 64},
    {416, 32, 448, 64},
    {448, 32, 480, 64},
}};

// The frame round the settings page's background swatch.
constexpr PixelRect SwatchFrame{64, 64, 80, 80};

}  // namespace EditorAtlas
