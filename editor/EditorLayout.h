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
// In it the number field 5 pixels inside its left edge, its arrows, then the visible and the
// selectable toggle.
constexpr float LayerFieldInset = 5.0f;
constexpr float LayerToggleWidth = 36.0f;
constexpr float LayerToggleHeight = 20.0f;
constexpr float LayerToggleX[] = {Width - 77.0f, Width - 32.0f};

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

// The property panel: four rows a quarter of its height apart, in three groups parted by two
// separators. At the left the texture swatch and the flip buttons; in the middle a grid of two
// columns (corner rows, source rectangle, layer and colour); right of the second separator the
// rows of a trigger or of a boundary's sides; at the right the shape group (position, rotation,
// size), right-aligned under the header strip that holds the texture field.
constexpr float PanelRowPitch = (Height - PropertyPanel.top) / 4;
constexpr float PanelRowY(int row) { return PropertyPanel.top + PanelRowPitch * (row + 0.5f); }
constexpr float PropertyFieldWidth = 40.0f;
// Room for a layer's three characters, its sign among them: "-11" whole.
constexpr float LayerFieldWidth = 23.0f;
constexpr int32_t PropertyFieldMaxLength = 7;
constexpr int32_t LayerFieldMaxLength = 3;
// Between a row caption's picture and the row's first field.
constexpr float CaptionGap = 20.0f;
constexpr float CaptionPictureSize = 16.0f;
// From a field's centre to the centre of its row's caption picture.
constexpr float CaptionLeftOfField = CaptionGap + CaptionPictureSize / 2 + PropertyFieldWidth / 2;
constexpr float SeparatorX[] = {94.0f, 446.0f};
constexpr float SeparatorShortening = 8.0f;

// The fields of a row stand this far apart, centre to centre.
constexpr float FieldPitch = 54.0f;

// The shape group: the Position Z field ends 4 pixels inside the panel's right edge.
constexpr float ShapeColumnX(int column) {
  return Width - 4.0f - PropertyFieldWidth / 2 - FieldPitch * static_cast<float>(2 - column);
}
constexpr int PositionRow = 1;
constexpr int RotationRow = 2;
constexpr int SizeRow = 3;

// The grid: the X field of each column, its Y field one pitch right.
constexpr float GridColumnX[] = {186.0f, 359.0f};
constexpr float LayerArrowSize = 9.0f;
constexpr float ArrowGap = 1.0f;
constexpr float ColorSwatchFrameSize = 19.0f;
constexpr float ColorSwatchSize = 13.0f;

// The header strip along the panel's top at its right end, with the texture field and the
// clear-texture button in it.
constexpr float HeaderWidth = 306.0f;
constexpr float HeaderHeight = 21.0f;
constexpr ScreenBox HeaderStrip{Width - HeaderWidth, PropertyPanel.top, Width,
                                PropertyPanel.top + HeaderHeight};
constexpr ScreenBox TextureField{560.0f, PropertyPanel.top + 2.0f, 770.0f,
                                 PropertyPanel.top + HeaderHeight - 2.0f};
constexpr float TextureIconInset = 10.0f;
constexpr float ClearTextureX = 785.0f;

// Left of the first separator: the texture swatch, the flip buttons under it.
constexpr ScreenBox TextureSwatch{39.0f, 476.0f, 89.0f, 526.0f};
constexpr float FlipButtonX = (TextureSwatch.left + TextureSwatch.right) / 2;
constexpr float FlipButtonY[] = {546.0f, 572.0f};
constexpr float FlipButtonWidth = 50.0f;

// The panel's buttons and the trigger's info box are this tall.
constexpr float PanelButtonHeight = 19.0f;
// Right of the second separator: a trigger's fields and buttons, or a boundary's sides.
constexpr float OwnerFieldX = 525.0f;
constexpr float OwnerCenterX = 497.0f;
constexpr float OwnerWidth = 98.0f;
constexpr float OwnerCheckBoxX = SeparatorX[1] + 8.0f;
constexpr float SetMapButtonX = 470.0f;
constexpr float SetMapButtonWidth = 46.0f;
constexpr float SideButtonLength = 16.0f;
constexpr float SideButtonThickness = 8.0f;
constexpr float SideButtonsCenterY = (PanelRowY(2) + PanelRowY(3)) / 2;
// From the centre picture's middle to a side button's middle.
constexpr float SideButtonReach = 14.0f;

// The selection's handles on the screen.
constexpr float HandleSize = 5.0f;
constexpr float CentreHandleRadius = 2.0f;

// The template palette: ten 32-pixel cells in a bar along the property panel's top, with the
// page buttons and the page number after the last cell.
constexpr float PaletteCell = 32.0f;
constexpr float PaletteBarWidth = 672.0f;
constexpr float PaletteY = PropertyPanel.top - PaletteCell / 2;
constexpr float PaletteCellX(int cell) {
  return PropertyPanel.left + PaletteCell / 2 + PaletteCell * static_cast<float>(cell);
}
constexpr float PalettePreviousX = PaletteCellX(9) + 33.0f;
constexpr float PageNumberX = PaletteCellX(9) + 66.0f;
constexpr float PaletteNextX = PaletteCellX(9) + 99.0f;
// The number of a cell stands 3 pixels inside its top right corner.
constexpr float PaletteNumberInset = 3.0f;

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

// The save dialog: a panel in the middle of the window with the name field and two buttons in
// its bottom right corner.
constexpr ScreenBox SaveDialogPanel{Width / 4, Height * 2 / 5, Width * 3 / 4, Height * 3 / 5};
constexpr float NameFieldNarrowing = 40.0f;
constexpr float NameFieldLeftShift = 15.0f;
constexpr float NameFieldHeight = 20.0f;
constexpr int32_t MapNameMaxLength = 50;
constexpr float DialogTextInset = 5.0f;
// A line between a dialog's field and its buttons: why a file was not written.
constexpr float MessageBelowField = 22.0f;
// The list dialog: a panel of two thirds of the window, the white list area inside it, and
// the rows down the list area.
constexpr ScreenBox LoadDialogPanel{Width / 6, Height / 6, Width * 5 / 6, Height * 5 / 6};
constexpr float FileListNarrowing = 10.0f;
constexpr float FileListShortening = 55.0f;
constexpr float FileListRaise = 5.0f;
constexpr float LoadButtonHeight = 21.0f;
constexpr float RowInset = 5.0f;
constexpr float FirstRowBelowTop = 15.0f;
constexpr float RowStep = 21.0f;
constexpr float RowTextInset = 10.0f;

// The item editor's two pages stand on a panel like the settings page's.
constexpr ScreenBox ItemEditorPanel = SettingsPanel;
constexpr float SaveListWidth = 60.0f;
constexpr float TabHeight = 26.0f;
constexpr float SaveListRightOfTitleLeft = 100.0f;
// The tabs Equipment, Runes, Expendables and Key Items, left of the title bar's right end, each
// wide enough for its label.
constexpr float TabWidth = 70.0f;
constexpr float TabLeftOfTitleRight[] = {260.0f, 185.0f, 110.0f, 35.0f};
// The list page's Change, Delete, New Item and Cancel, left of the panel's right edge.
constexpr float ListButtonLeftOfRight[] = {55.0f, 160.0f, 265.0f, 370.0f};
// The edit page's type and part buttons: Boots first at the right end of the title bar, each
// next one further left, each wide enough for the longest label.
constexpr float TypeButtonWidth = 56.0f;
constexpr float FirstTypeButtonLeftOfTitleRight = 33.0f;
constexpr float TypeButtonStep = 58.0f;
constexpr float ItemNameWidth = 255.0f;
constexpr float ItemNameRightOfTitleLeft = 132.0f;
constexpr float ItemDescriptionWidth = 700.0f;
constexpr float ItemDescriptionRightOfTitleLeft = 410.0f;
constexpr float ItemDescriptionBelowTitle = 20.0f;
constexpr int32_t ItemNameMaxLength = 50;
constexpr int32_t ItemDescriptionMaxLength = 100;
// Rows of the list page: four columns of 24.
constexpr int32_t RowColumns = 4;
constexpr int32_t RowsPerColumn = 24;
constexpr float RowColumnNarrowing = 25.0f;
constexpr float FirstItemRowBelowTitle = 20.0f;
// Fields of the edit page: three columns of 23 on each of four pages.
constexpr int32_t FieldColumns = 3;
constexpr int32_t FieldsPerColumn = 23;
constexpr float FieldWidth = 40.0f;
constexpr float FieldColumnNarrowing = 25.0f;
constexpr float FieldLeftOfColumnEnd = 15.0f;
constexpr float FirstFieldBelowTitle = 41.0f;
constexpr int32_t ItemFieldMaxLength = 7;
// The page line ends this far left of the list page's first tab or the edit page's Cancel.
constexpr float PageLineGap = 10.0f;
// Text on a row begins this far inside it.
constexpr float ItemRowTextInset = 4.0f;

// The dialogs: buttons and rows stand 10 pixels inside their panel.
constexpr float DialogInset = 10.0f;
// The colour dialog: a slider and a field for each byte, rows 29 pixels apart; each slider ends
// 8 pixels left of its field, with its letter 10 pixels further left; the colour at opening
// over the current one in a frame above "OK".
constexpr float ColorPanelWidth = 295.0f;
constexpr float ColorPanelHeight = 260.0f;
constexpr float ChannelPitch = 29.0f;
constexpr float SliderLength = 200.0f;
constexpr float SliderThickness = 6.0f;
constexpr float SliderGap = 8.0f;
constexpr float LetterGap = 10.0f;
constexpr float ColorFrameSize = 64.0f;
constexpr float ColorSwatchInset = 4.0f;
// The selection's colour dialog opens over the map's lower left, above the property panel, so
// that the shape in the middle of the view stays in sight.
constexpr float ColorDialogAnchorX = ToolPanel.right + ColorPanelWidth / 2 + 10.0f;
constexpr float ColorDialogAnchorY = PropertyPanel.top - ColorPanelHeight / 2 - 10.0f;
// The texture chooser: a list of names, rows like the file list's in columns, and a picture of
// the texture chosen.
constexpr ScreenBox TexturePanel{100.0f, 30.0f, 700.0f, 570.0f};
constexpr float TextureColumnWidth = 190.0f;
constexpr float TextureTileSize = 100.0f;
constexpr float TextureHighlightMargin = 4.0f;

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

// The bars and the page panels: light grey, a little see-through, outlined in black. A panel
// of another fill keeps the outline.
constexpr Color4 BarColor{230, 221, 221, 221};
constexpr Color4 BarOutline{255, 0, 0, 0};

inline std::unique_ptr<Quad> MakeBar(const ScreenBox& box, const Color4& fill = BarColor) {
  auto bar = std::make_unique<Quad>();
  Cover(*bar, box);
  bar->SetFillColor(fill);
  bar->outlineVisible = 1;
  bar->SetOutlineColor(BarOutline);
  return bar;
}

}  // namespace EditorLayout
