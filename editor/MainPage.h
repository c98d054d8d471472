#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/ContextMenu.h"
#include "editor/DebugPage.h"
#include "editor/EditorWidgets.h"
#include "editor/ResizeHandles.h"
#include "editor/SelectionHandles.h"
#include "editor/ShapePicker.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Circle;
class DebugMouse;
class DebugSwitches;
class LayerPanel;
class Line;
class MenuDebug;
class ModifierShape;
class PropertyPanel;
class Quad;
class Shape;
class Sprite;
class TemplatePalette;
class TextBox;
class Texture;
class TypingField;
class World;
namespace platform {
class TextFont;
}

// Mode 0, the level editor's main page over the darkened world: the top bar's file and page
// icons, the tool panel, the property and layer panels, the template palette and the
// right-click menu; the selection with its outline, handles and snapping, the creation tools
// and the autosave.
class MainPage : public DebugPage {
 public:
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

  MainPage(MenuDebug& menu, World* world, std::vector<std::unique_ptr<Texture>>* textures,
           DebugSwitches& switches, Texture* atlas);
  ~MainPage() override;

  // Nothing selected, no brush, the palette read afresh and the autosave clock at 0.
  void Enter() override;
  void HandleInput() override;
  // A dialog opens over the page: the press that opened it is no longer the map's.
  void Leave() override { m_pressOnMap = false; }
  // The world, the selection over it and the page's panels.
  void Draw() override;
  // Every frame, whatever page is shown: the handles follow the selection and the autosave
  // clock runs.
  void Update(float dt);

  // The selection loses its mark as the debug menu is left.
  void ForgetSelection();
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
  void SetBrushTexture(Texture* texture) { m_brushTexture = texture; }
  // The brush's texture goes to the selection, or stays the Sprite tool's brush with its
  // preview, and the page shows it.
  void ConfirmTexture();

  const Sprite& ToolbarIcon(size_t icon) const { return *m_toolbarIcons[icon]; }
  const Sprite& ToolIcon(size_t icon) const { return *m_toolIcons[icon]; }
  const Sprite* ActiveTool() const { return m_activeTool; }
  const Quad& PropertyPanelBox() const { return *m_propertyPanel; }
  const Quad& LayerPanelBox() const { return *m_layerPanel; }
  PropertyPanel& Panel() { return *m_panel; }
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
  // The line on the top bar after an autosave that failed, until one succeeds.
  const std::wstring& StatusLine() const { return m_statusLine.Text(); }

 private:
  using Step = void (MainPage::*)();

  void BuildBars();
  void BuildToolPanel();
  void Autosave();
  bool ToolIs(size_t toolIcon) const;
  bool SpriteToolCurrent() const;
  // The texture line, the swatch and its source frame for the selection, then the fields.
  void RefreshTextureDisplay();
  // The swatch shows the texture with the source rectangle framed, or no texture.
  void ShowTextureSwatch(Texture* texture, const platform::PixelRect& rect);
  // The shape's outline as the working copy (quad, circle or sprite); null removes it.
  void ShowOutline(Shape* shape);

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
  // The brush's open field shows the value it stands for, as typed while it reads the same.
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

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  TypingField& m_field;
  World* m_world;
  // The world's loaded textures, for the companion files' templates.
  std::vector<std::unique_ptr<Texture>>* m_textures;
  DebugSwitches& m_switches;
  // The editor's pictures: icons, cursors, swatches.
  Texture* m_atlas;

  // Whether the left button, while it stays down, was pressed on the map: a press that a panel
  // or a dialog took drives no map tool until the button is let go.
  bool m_pressOnMap = false;
  // The autosave clock: seconds since Enter; an autosave ends each whole period of them.
  float m_elapsed = 0.0f;
  EditorWidgets::MessageLine m_statusLine;

  // The page's frame.
  std::unique_ptr<Quad> m_dimQuad;
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
  std::unique_ptr<LayerPanel> m_layers;
};
