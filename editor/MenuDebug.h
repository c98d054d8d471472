#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/ContextMenu.h"
#include "editor/DebugMouse.h"
#include "editor/EditorWidgets.h"
#include "editor/ResizeHandles.h"
#include "editor/SelectionHandles.h"
#include "editor/ShapePicker.h"
#include "editor/TypingField.h"
#include "engine/Color4.h"
#include "engine/DebugSwitches.h"
#include "items/StatBlock.h"
#include "menus/Menu.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Camera;
class Circle;
class ColorDialogPage;
class DebugButton;
class DebugPage;
class Item;
class ItemStore;
class LayerPanel;
class Line;
class ModifierShape;
class PropertyPanel;
class Quad;
class SettingsPage;
class Shape;
class Sprite;
class TemplatePalette;
class TextBox;
class Texture;
class TextureDialogPage;
class SaveDialogPage;
class FileListPage;
class ItemEditorPage;
class World;
namespace platform {
class TextFont;
}

// The developer's screen over the frozen world, reached from play with Tab while debug mode is
// on: the level editor's main page, its dialogs and pages (one editor mode each), the settings
// page of the debug switches and an overlay of live figures. Tab or Escape returns to play from
// every mode.
class MenuDebug : public Menu {
 public:
  // The pages, one per editor mode.
  enum Mode : int32_t {
    ModeEdit = 0,
    ModeTextureChooser = 1,
    ModeShapeColor = 2,
    ModeBackgroundColor = 3,
    ModeSaveMap = 4,
    ModeSaveMef = 5,
    ModeLoadMap = 6,
    ModeLoadMef = 7,
    ModeMusic = 8,
    ModeSettings = 9,
    ModePortalTarget = 10,
    ModeItemList = 11,
    ModeItemPage = 12,
    ModeCount
  };
  static constexpr float AutosavePeriod = 120.0f;
  // The map file the autosave writes over, in the maps folder.
  static constexpr const char* AutosaveName = "[TEMP]";
  // Which right-click menu is open: none, the background's, the conversions', the zoom's.
  enum ContextMenuKind : int32_t {
    MenuClosed = ContextMenu::Closed,
    MenuBackground = ContextMenu::Background,
    MenuConvert = ContextMenu::Convert,
    MenuZoom = ContextMenu::Zoom
  };

  MenuDebug(GameStateSet* set, Camera* camera, std::vector<std::unique_ptr<Texture>>* textures,
            World* world);
  ~MenuDebug() override;

  // Every entry starts on the main page with nothing open and the autosave count at 0.
  void Enter() override;
  // Tab or Escape leaves; otherwise the mouse and the first pad are sampled, the open field
  // takes its keys and the page of the mode runs.
  void HandleInput(float dt) override;
  // Music, cursor and the autosave clock.
  void Update(float dt) override;
  // The page of the mode, then the overlay.
  void Draw() override;
  // Up to 21 lines of live figures, in three groups the settings page switches on.
  void DrawDebugOverlay() override;

  // The map loader calls it too: every layer the world uses is shown and can be picked.
  void CollectLayers();

  // The one place the mode changes: the open field closes and the page left ends what it
  // showed.
  void SetMode(int32_t mode);
  const DebugMouse& Mouse() const { return m_mouse; }
  TypingField& Field() { return m_field; }
  // The cursor shows the atlas cell from the next update on.
  void ShowCursor(size_t cell);
  void ShowArrowCursor();
  // The cursor in a sprite batch of its own, or in the one the caller has begun.
  void DrawCursor();
  void DrawCursorInBatch();
  // Where the overlay lays out the state figures: the top left of the panel shown.
  void SetPanelAnchor(const platform::Vector3& anchor) { m_panelAnchor = anchor; }

  // The template pages from the companion file at the path, or blank pages when it does not
  // open; each page's cells line up along the property panel's top edge.
  void ReadMef(const std::string& path);

  // The shape becomes the selection, marked, and the old one loses its mark; a field open on the
  // old one closes.
  void Select(Shape* shape, SelectionOwner owner);
  // No selection, no outline; the shape that was selected loses its mark.
  void DropSelection();
  // Every map the editor writes goes through here: the map under that name in the maps folder,
  // without the selection's mark in it.
  bool SaveMapUnmarked(const std::string& name);
  // The property panel's fields from the selection.
  void RefreshPropertyFields();

  // What the pages hold and show: where a test finds a widget to press and reads the outcome.
  int32_t Mode() const { return m_mode; }
  Texture* GuiTexture() const { return m_guiTexture.get(); }
  const DebugSwitches& Switches() const { return m_switches; }
  const std::wstring& StatusLine() const { return m_statusLine.Text(); }
  const platform::PixelRect* CursorRect() const { return m_cursorRect; }
  SettingsPage& Settings() { return *m_settings; }
  ColorDialogPage& Colors() { return *m_colors; }
  TextureDialogPage& Textures() { return *m_textureDialog; }
  SaveDialogPage& SaveDialog() { return *m_saveDialog; }
  FileListPage& FileList() { return *m_fileList; }
  ItemEditorPage& Items() { return *m_items; }
  // The world under the editor and the main page over it, which the dialogs draw under them.
  void DrawMainPage();

  // The main page.
  const Sprite& ToolbarIcon(size_t icon) const { return *m_toolbarIcons[icon]; }
  const Sprite& ToolIcon(size_t icon) const { return *m_toolIcons[icon]; }
  const Sprite* ActiveTool() const { return m_activeTool; }
  const Quad& PropertyPanelBox() const { return *m_propertyPanel; }
  const Quad& LayerPanelBox() const { return *m_layerPanel; }
  const PropertyPanel& PropertyWidgets() const { return *m_panel; }
  const LayerPanel& Layers() const { return *m_layers; }
  const TemplatePalette& Palette() const { return *m_palette; }
  const ContextMenu& ContextMenuWidgets() const { return m_contextMenu; }
  int32_t ContextMenuKind() const { return m_contextMenuKind; }
  Shape* Selected() const { return m_selected; }
  SelectionOwner SelectedOwner() const { return m_selectedOwner; }
  const Shape* Outline() const { return m_outline.get(); }
  const SelectionHandles& Handles() const { return m_selectionHandles; }
  int32_t ActiveHandle() const { return m_activeHandle; }
  int32_t HoveredEdge() const { return m_hoveredEdge; }
  bool SnapToggle() const { return m_snapToggle; }
  const platform::Vector3& Anchor() const { return m_anchor; }
  const Circle& SnapMarker() const { return *m_snapMarker; }
  const Circle& SnapTargetMarker() const { return *m_snapTargetMarker; }
  Texture* BrushTexture() const { return m_brushTexture; }
  void SetBrushTexture(Texture* texture) { m_brushTexture = texture; }
  // The brush's texture goes to the selection, or stays the Sprite tool's brush with its
  // preview, and the main page shows it.
  void ConfirmTexture();

 private:
  // What play reads of the debug menu: its switches, through the one door the set offers.
  friend DebugSwitches* DebugSwitchesOf(const GameStateSet* set);

  using Step = void (MenuDebug::*)();
  // What one editor mode does in the input step and draws.
  struct Page {
    Step handleInput = nullptr;
    Step draw = nullptr;
  };
  static const std::array<Page, ModeCount> Pages;
  // Modes outside the table and pages not built behave as the main page.
  static const Page& PageOf(int32_t mode);
  // The page object of the current mode; null while the menu answers the mode itself.
  DebugPage* PageOfMode() const;
  void OpenSettingsPage();

  // The toolbar's and the keys' ways into the file dialogs.
  void OpenSaveMapDialog();
  void OpenSaveMefDialog();
  void OpenMapList();
  void OpenMefList();
  void OpenItemEditor();
  // The texture line, the swatch and its source frame for the selection, then the fields.
  void RefreshTextureDisplay();
  // The shape's outline as the working copy (quad, circle or sprite); null removes it.
  void ShowOutline(Shape* shape);

  void BuildBars();
  void BuildToolPanel();

  void LeaveToWorld();
  // What the open colour dialog's or settings page's Cancel does; other pages apply nothing
  // before they are confirmed.
  void CancelOpenPage();
  bool ToolIs(size_t toolIcon) const;
  bool SpriteToolCurrent() const;
  void Autosave();

  // Mode 0.
  void EditStep();
  void HandleToolbarClick();
  void DrawSelection();
  void DrawToolPanelMarks();
  void DrawPaletteNumbers();
  void DrawSelectionProperties();
  void DrawBrushProperties();
  void DrawPanelFrame(bool withLayerRow);
  void DrawShapeFields(const Shape& shape);
  void DrawOwnerWidgets();
  void DrawOwnerTexts();

  // The map under the mouse: the current tool's step.
  void HandleMouseEditing();
  void SelectToolStep();
  // What the mouse is over: the cursor, the handle a press would drag, the snap anchor.
  void HoverSelection();
  void PressOnMap();
  void PickHandleAt(const std::array<platform::Vector3, 4>& corners);
  void PickEdgeAt(const Quad& quad);
  void SelectAtMouse();
  Pick PickShapeAt(const platform::Vector3& point);
  // Takes the shape out of the world and every link to it, and destroys it.
  void DeleteSelection(Shape*& shape);
  // While the selected trigger's shape choice waits, the press on the map chooses; false when
  // none waits.
  bool ChooseShapeAtMouse();
  void DeleteAtKey();

  // Handles and outline.
  void UpdateHandles();
  void MakeQuadOutline(const Quad& quad);
  void MakeCircleOutline(const Circle& circle);
  void MakeSpriteOutline(const Sprite& sprite);
  void RefitOutline();
  void SizeBrushPreview();
  void MakeBrushPreview();

  // Snapping.
  platform::Vector3 FindSnapAnchor() const;
  platform::Vector3 FindSnapTarget(const platform::Vector3& point) const;
  void ClearSnapMarkers();
  // The target marker on the point found, or hidden at the origin when none was.
  void ShowSnapTarget(const platform::Vector3& target, bool found);
  void ShowSnappedAnchor();

  // Drags of the selection.
  void DragMoveSelection();
  void DragResizeSelection();
  void DragRotateSelection();
  void NudgeSelection();
  void ShowFlipToggles();

  // The creation tools.
  void ToolTextureQuad();
  void ToolTextureCircle();
  void ToolBoundaryQuad();
  void ToolBoundaryCircle();
  void ToolSprite();
  // A press makes and stores the shape, places it at the mouse and selects it; holding drags it
  // out.
  void CreateAtMouse(const std::function<Shape*()>& store, SelectionOwner owner, size_t cursor);
  void StampSprite();
  void ShowNoTexture();

  // Tools, keys and templates.
  void HandleToolKeys();
  void HandleCtrlKeys();
  void ClickToolBar();
  void ChooseTool(size_t toolIcon);
  void SelectSpriteTool();
  void PlaceToolFrame();
  void LoadTemplate();
  // The template palette under the mouse while the Sprite tool keeps its brush.
  void HandleTemplatePalette();
  void StoreTemplate();
  void SetSourceFields(const platform::PixelRect& rect);
  void ClearSourceFields();
  void ToolPan();
  void ToolZoomIn();
  void ToolZoomOut();
  void ToolZoom(float step);
  void PanWithMiddleButton();

  // The property panel and the apply table of its fields.
  void HandlePropertyPanel();
  void HandleShapeProperties();
  void HandleSpriteToolProperties();
  // The buttons of the panel under a new press; true when one took it.
  bool PressShapeButtons();
  void PressBoundaryButtons();
  void PressTriggerButtons();
  bool PressBrushButtons();
  // The live field under the mouse opens, or the open one closes.
  void OpenFieldUnderMouse(const std::vector<TextBox*>& live);
  std::vector<TextBox*> LiveFields() const;
  void ShowTextCursorOver(const std::vector<TextBox*>& live);
  void StepSelectionLayer(int32_t step);
  void MoveSelectionToLayer(int32_t layer);
  // Writes the open field's value into the selection or its trigger, once the field was edited.
  void ApplyActiveField();
  // The brush's open field shows the value it stands for.
  void ShowBrushFieldValue();

  // The right-click menu and the conversions.
  void OpenContextMenu(int32_t kind);
  void CloseContextMenu();
  void HandleContextMenu();
  void ConvertSelection();
  // Takes the selection out of its container, or from the trigger that owned it (destroyed,
  // owner cleared), and hands it over; null when no container held it.
  std::unique_ptr<Shape> DetachSelection(ModifierShape*& owner);
  void ZoomToNormalView();
  void DrawContextMenu();

  // The layer panel.
  void HandleLayerPanel();
  void DrawLayerPanel();

  int32_t m_mode = ModeEdit;
  World* m_world = nullptr;
  // The world's loaded textures, for the companion files' templates.
  std::vector<std::unique_ptr<Texture>>* m_textures = nullptr;
  std::unique_ptr<Texture> m_guiTexture;
  DebugSwitches m_switches;

  // The autosave clock: seconds since Enter and whole autosave periods in them.
  float m_elapsed = 0.0f;
  int32_t m_lastAutosaveTick = 0;
  int32_t m_autosaveTick = 0;
  // A line on the top bar after an autosave that failed, until one succeeds.
  EditorWidgets::MessageLine m_statusLine;

  // Where the page lays out its captions: the property panel's top left, or the settings
  // panel's bottom left while that page is open.
  platform::Vector3 m_panelAnchor;

  // The mouse and the first pad as this frame's input step sampled them.
  DebugMouse m_mouse;
  // Left x, left y, right x, right y.
  std::array<int16_t, 4> m_padThumbs{};
  std::array<uint8_t, 2> m_padTriggers{};

  // The main page's frame.
  std::unique_ptr<Quad> m_dimQuad;
  std::unique_ptr<Sprite> m_cursor;
  const platform::PixelRect* m_cursorRect = nullptr;
  std::unique_ptr<Quad> m_toolbar;
  // Indexed by EditorAtlas::ToolbarIconIndex.
  std::vector<std::unique_ptr<Sprite>> m_toolbarIcons;
  std::unique_ptr<Quad> m_toolPanel;
  // Indexed by EditorAtlas::ToolIconIndex.
  std::vector<std::unique_ptr<Sprite>> m_toolIcons;
  std::array<std::unique_ptr<Line>, 2> m_toolSeparators;
  Sprite* m_activeTool = nullptr;
  std::unique_ptr<Quad> m_toolFrame;
  std::unique_ptr<Quad> m_propertyPanel;
  std::unique_ptr<Quad> m_layerPanel;

  TypingField m_field;

  // The selected map shape, owned by the World, and the container it was picked from.
  Shape* m_selected = nullptr;
  SelectionOwner m_selectedOwner = SelectionOwner::None;
  // The resize handle a press would drag; set while hovering, swapped by a crossing.
  int32_t m_activeHandle = HandleTopLeft;
  // The edge of a selected boundary quad under the mouse while E is held.
  int32_t m_hoveredEdge = HoveredNone;
  int32_t m_contextMenuKind = MenuClosed;
  ContextMenu m_contextMenu;
  // The working copy of the selection that drags change first, or the Sprite tool's preview.
  std::unique_ptr<Shape> m_outline;
  SelectionHandles m_selectionHandles;
  // Snapping: the point of the selection a drag carries, where it landed, and two markers.
  bool m_snapToggle = false;
  // A toggle of the tool panel that changes only its own flag.
  bool m_secondToggle = false;
  platform::Vector3 m_anchor;
  platform::Vector3 m_snappedAnchor;
  std::unique_ptr<Circle> m_snapMarker;
  std::unique_ptr<Circle> m_snapTargetMarker;
  // The Sprite tool's brush texture, one of the world's; null when none.
  Texture* m_brushTexture = nullptr;
  std::unique_ptr<TemplatePalette> m_palette;
  std::unique_ptr<PropertyPanel> m_panel;
  // The palette's page number.
  std::unique_ptr<platform::TextFont> m_pageFont;
  // Drawn round the tool panel's two toggles while they are on.
  std::array<std::unique_ptr<Quad>, 2> m_toggleFrames;

  // The layer panel and the dialogs of modes 1 to 3.
  std::unique_ptr<LayerPanel> m_layers;
  std::unique_ptr<TextureDialogPage> m_textureDialog;
  std::unique_ptr<SaveDialogPage> m_saveDialog;
  std::unique_ptr<FileListPage> m_fileList;
  std::unique_ptr<ItemEditorPage> m_items;
  std::unique_ptr<SettingsPage> m_settings;
  std::unique_ptr<ColorDialogPage> m_colors;
  // The page of each mode; null for a mode whose page the menu still answers itself.
  std::array<DebugPage*, ModeCount> m_pages{};
};
