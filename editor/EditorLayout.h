#pragma once

// Where the debug menu's bars, panels and pages stand in the 800 by 600 window (screen pixels,
// y down). Every page places its widgets from these numbers.

#include <memory>

#include "engine/Color4.h"
#include "engine/Globals.h"
#include "engine/draw/Quad.h"
#include "engine/draw/ScreenBox.h"

namespace EditorLayout {

constexpr float Width = static_cast<float>(DefaultScreenWidth);
constexpr float Height = static_cast<float>(DefaultScreenHeight);

// The top bar across the window and the tool panel down its left side share their thickness.
constexpr float BarThickness = 34.0f;
constexpr ScreenBox TopBar{0.0f, 0.0f, Width, BarThickness};
constexpr ScreenBox ToolPanel{0.0f, BarThickness, BarThickness, Height};
// The property band along the bottom, right of the tool panel.
constexpr ScreenBox PropertyPanel{BarThickness, 470.0f, Width, Height};
// The layer panel hangs below the right end of the top bar.
constexpr ScreenBox LayerPanel{Width - 150.0f, BarThickness, Width, BarThickness + 30.0f};

// Top-bar icons (32 by 32, centred on the bar's height): a row from the bar's left end, the
// settings icon at its right end.
// Screen x of each icon, in the order of EditorAtlas::ToolbarIconIndex: save map, save
// companion file, load map, load companion file and item editor from the left.
constexpr float ToolbarIconX[] = {18.0f, 86.0f, Width - 18.0f, 120.0f, 52.0f, 154.0f};
// The one-line message of a failed save stands on the bar after the icon row.
constexpr float StatusLineX = 200.0f;

// Tool-panel icons: a column of 32-pixel icons centred on the panel. A separator stands 2
// pixels below the seventh icon and another 2 below the tenth; the last four icons begin 2
// pixels below the second separator.
constexpr float ToolIconSize = 32.0f;
constexpr float SeparatorGap = 2.0f;
constexpr float SeparatorInset = 4.0f;
constexpr size_t FirstSeparatorAfter = 7;
constexpr size_t SecondSeparatorAfter = 10;

// The settings page: a panel 10 pixels inside the window and the rows of its switches.
constexpr ScreenBox SettingsPanel{10.0f, 10.0f, Width - 10.0f, Height - 10.0f};
constexpr float TitleBarHeight = 30.0f;
constexpr float TitleBarBelowPanelTop = 17.0f;
constexpr float TitleBarNarrowing = 3.0f;
constexpr float CaptionInset = 10.0f;
constexpr float SwatchInset = 50.0f;
constexpr float SwatchBelowTitle = 60.0f;
constexpr float SwatchSize = 16.0f;
constexpr float FirstSwitchBelowTitle = 90.0f;
constexpr float SwitchStep = 30.0f;
constexpr float TimeFieldRight = 75.0f;
constexpr float TimeFieldWidth = 40.0f;
constexpr float FieldHeight = 19.0f;
constexpr float MusicButtonInset = 93.0f;
constexpr float MusicButtonBelowTimeField = 50.0f;
constexpr float MusicLineAboveButton = 20.0f;
constexpr float ButtonWidth = 100.0f;
constexpr float ButtonHeight = 20.0f;
constexpr float OkButtonFromRight = 55.0f;
constexpr float OkButtonFromBottom = 15.0f;
constexpr float CancelButtonLeftOfOk = 105.0f;

// The overlay: the input lines hang below the layer panel at its right, the timing lines grow
// upward from the page's anchor, the camera lines upward from the property panel's top right.
constexpr float OverlayLineStep = 10.0f;
constexpr float MouseFeedInset = 5.0f;
constexpr float StateInfoRight = 10.0f;
constexpr float StateInfoUp = 6.0f;
constexpr float CameraInfoInset = 10.0f;
constexpr float CameraInfoUp = 6.0f;

// A screen quad made to cover the box.
inline void Cover(Quad& quad, const ScreenBox& box) {
  quad.SetDimensions(box.Width(), box.Height(), 0.0f);
  quad.SetAltPositionXYZ((box.left + box.right) / 2, (box.top + box.bottom) / 2, 0.0f);
}

// The bars and the page panels: light grey, a little see-through, outlined in black.
constexpr Color4 BarColor{230, 221, 221, 221};
constexpr Color4 BarOutline{255, 0, 0, 0};

inline std::unique_ptr<Quad> MakeBar(const ScreenBox& box) {
  auto bar = std::make_unique<Quad>();
  Cover(*bar, box);
  bar->SetFillColor(BarColor);
  bar->outlineVisible = 1;
  bar->SetOutlineColor(BarOutline);
  return bar;
}

}  // namespace EditorLayout
