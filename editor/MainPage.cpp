#include "editor/MainPage.h"

#include <array>

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "editor/FileListPage.h"
#include "editor/ItemEditorPage.h"
#include "editor/LayerPanel.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/SaveDialogPage.h"
#include "editor/SettingsPage.h"
#include "editor/TemplatePalette.h"
#include "editor/TypingField.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/SpriteButton.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "world/CompanionFile.h"
#include "world/MapFormat.h"
#include "world/ModifierShape.h"
#include "world/World.h"

using platform::Vector3;
namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

namespace {

constexpr Color4 DimColor{80, 0, 0, 0};
constexpr Color4 ToolFrameFill{50, 255, 255, 255};
constexpr Color4 ToolFrameOutline{255, 30, 60, 150};
constexpr Color4 ToggleFrameFill{70, 60, 200, 60};
constexpr Color4 InterfaceText{255, 0, 0, 0};
// The dim quad reaches a little past the window on every side.
constexpr float DimOverhang = 10.0f;
constexpr int PageFontHeight = 32;
constexpr Color4 SnapMarkerFill{80, 255, 255, 255};
constexpr Color4 SnapTargetFill{80, 100, 100, 255};

// The companion file beside the map: its last ".gmf" and what follows become ".mef". A name
// without ".gmf" names no companion file, and the palette starts blank.
std::string CompanionPathOf(const std::string& mapPath) {
  const size_t extension = mapPath.rfind(MapExtension);
  if (extension == std::string::npos) return std::string();
  return mapPath.substr(0, extension) + CompanionExtension;
}

std::unique_ptr<Sprite> Icon(Texture* atlas, const platform::PixelRect& cell, float x, float y) {
  auto icon = std::make_unique<Sprite>(atlas, 0, Vector3{}, 0.0f, cell);
  icon->SetAltPositionXYZ(x, y, 0.0f);
  return icon;
}

void SetPictureCell(Sprite& sprite, size_t cell) {
  const platform::PixelRect& rect = Atlas::Cells[cell];
  sprite.SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

void DrawFields(const std::vector<TextBox*>& fields) {
  for (TextBox* field : fields) field->Draw();
}

void DrawCaptions(const std::vector<SpriteButton*>& captions) {
  for (SpriteButton* caption : captions) caption->Draw();
}

}  // namespace

MainPage::MainPage(MenuDebug& menu, World* world, std::vector<std::unique_ptr<Texture>>* textures,
                   DebugSwitches& switches, Texture* atlas)
    : m_menu(menu),
      m_mouse(menu.Mouse()),
      m_field(menu.Field()),
      m_world(world),
      m_textures(textures),
      m_switches(switches),
      m_atlas(atlas),
      m_statusLine(AlignMiddle),
      m_snapMarker(std::make_unique<Circle>()),
      m_snapTargetMarker(std::make_unique<Circle>()),
      m_palette(std::make_unique<TemplatePalette>(atlas)),
      m_panel(std::make_unique<PropertyPanel>(&menu, atlas)),
      m_layers(std::make_unique<LayerPanel>(&menu, atlas)) {
  BuildBars();
  BuildToolPanel();
  // No map is loaded yet: the palette starts blank.
  ReadMef(CompanionPathOf(m_world ? m_world->GetMapName() : std::string()));
  if (Device) m_pageFont = platform::TextFont::Create(*Device, PageFontHeight);
  m_snapMarker->SetFillColor(SnapMarkerFill);
  m_snapTargetMarker->SetFillColor(SnapTargetFill);
}

MainPage::~MainPage() = default;

void MainPage::Enter() {
  m_brushTexture = nullptr;
  m_pressOnMap = false;
  m_elapsed = 0.0f;
  // The palette and the swatch may show textures of a map that has gone since the last visit:
  // the palette is read afresh from the map's companion file.
  ReadMef(CompanionPathOf(m_world->GetMapName()));
  m_palette->Reset();
  ShowNoTexture();
  ClearSnapMarkers();
  CloseContextMenu();
  // The map may have changed since the last visit: the old selection is not touched.
  m_selected = nullptr;
  m_selectedOwner = SelectionOwner::None;
  m_outline.reset();
  for (TextBox* field : {m_panel->m_fieldTopLeftX.get(), m_panel->m_fieldTopLeftY.get(),
                         m_panel->m_fieldBottomRightX.get(), m_panel->m_fieldBottomRightY.get()}) {
    field->SetText("0");
  }
  ClearSourceFields();
}

void MainPage::Update(float dt) {
  const auto periods = [](float seconds) { return static_cast<int32_t>(seconds / AutosavePeriod); };
  const int32_t before = periods(m_elapsed);
  m_elapsed += dt;
  // A zoom under way resizes the sprites.
  if (MainCamera && MainCamera->eye.z != MainCamera->targetEye.z) m_world->MarkSpritesDirty();
  UpdateHandles();
  if (periods(m_elapsed) != before) Autosave();
}

void MainPage::Autosave() {
  if (SaveMapUnmarked(AutosaveName)) {
    m_statusLine.Clear();
  } else {
    m_statusLine.Show(L"Autosave failed: " +
                      StringToWString(std::string(MapsFolder) + AutosaveName + MapExtension));
  }
}

void MainPage::ForgetSelection() {
  if (m_selected) m_selected->outlineVisible = 0;
  m_selected = nullptr;
}

bool MainPage::SaveMapUnmarked(const std::string& name) {
  const uint8_t mark = m_selected ? m_selected->outlineVisible : 0;
  if (m_selected) m_selected->outlineVisible = 0;
  const bool saved = m_world->SaveMap(name);
  if (m_selected) m_selected->outlineVisible = mark;
  return saved;
}

void MainPage::Select(Shape* shape, SelectionOwner owner) {
  // An open field belongs to the shape it was opened on: its text must not reach another.
  if (shape != m_selected) m_field.Close();
  if (m_selected) m_selected->outlineVisible = 0;
  m_selected = shape;
  m_selectedOwner = shape ? owner : SelectionOwner::None;
  if (shape) shape->outlineVisible = 1;
}

void MainPage::DropSelection() {
  Select(nullptr, SelectionOwner::None);
  m_outline.reset();
}

void MainPage::BuildBars() {
  m_dimQuad = std::make_unique<Quad>();
  Layout::Cover(*m_dimQuad, {-DimOverhang / 2, -DimOverhang / 2, Layout::Width + DimOverhang / 2,
                             Layout::Height + DimOverhang / 2});
  m_dimQuad->SetFillColor(DimColor);
  m_toolbar = Layout::MakeBar(Layout::TopBar);
  const float iconY = (Layout::TopBar.top + Layout::TopBar.bottom) / 2;
  for (size_t i = 0; i < Atlas::ToolbarIconCount; ++i) {
    m_toolbarIcons.push_back(
        Icon(m_atlas, Atlas::ToolbarIcons[i].cell, Layout::ToolbarIconX[i], iconY));
  }
  m_propertyPanel = Layout::MakeBar(Layout::PropertyPanel);
  m_layerPanel = Layout::MakeBar(Layout::LayerPanel);
}

void MainPage::BuildToolPanel() {
  m_toolPanel = Layout::MakeBar(Layout::ToolPanel);
  const float x = (Layout::ToolPanel.left + Layout::ToolPanel.right) / 2;
  const float half = Layout::ToolIconSize / 2;
  float y = Layout::ToolPanel.top + Layout::ToolPanel.Width() / 2;
  size_t separator = 0;
  for (size_t i = 0; i < Atlas::ToolIconCount; ++i) {
    if (i == Layout::FirstSeparatorAfter || i == Layout::SecondSeparatorAfter) {
      const float lineY = y - half + Layout::SeparatorGap;
      auto line = std::make_unique<Line>();
      line->SetLength(Layout::ToolPanel.Width() - Layout::SeparatorInset);
      line->SetFillColor(EditorWidgets::SeparatorColor);
      line->SetAltPositionXYZ(x, lineY, 0.0f);
      m_toolSeparators[separator++] = std::move(line);
      // The icons after the first separator keep the column's step; the last four begin below
      // the second.
      if (i == Layout::SecondSeparatorAfter) y = lineY + Layout::SeparatorGap + half;
    }
    m_toolIcons.push_back(Icon(m_atlas, Atlas::ToolIcons[i], x, y));
    y += Layout::ToolIconSize;
  }
  m_activeTool = m_toolIcons[Atlas::ToolSelect].get();
  m_toolFrame = std::make_unique<Quad>();
  m_toolFrame->SetFillColor(ToolFrameFill);
  m_toolFrame->outlineVisible = 1;
  m_toolFrame->SetOutlineColor(ToolFrameOutline);
  PlaceToolFrame();
  const std::array<size_t, 2> toggles = {Atlas::ToolSnapToggle, Atlas::ToolSecondToggle};
  for (size_t i = 0; i < toggles.size(); ++i) {
    m_toggleFrames[i] = std::make_unique<Quad>();
    m_toggleFrames[i]->SetDimensions(Layout::ToolIconSize - 2, Layout::ToolIconSize - 2, 0.0f);
    m_toggleFrames[i]->SetAltPosition(m_toolIcons[toggles[i]]->altPosition);
    m_toggleFrames[i]->SetFillColor(ToggleFrameFill);
  }
}

void MainPage::HandleInput() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.IsDown(VirtualKey::LeftCtrl) || keys.IsDown(VirtualKey::RightCtrl)) {
    HandleCtrlKeys();
  } else {
    HandleToolKeys();
  }
  NudgeSelection();
  if (!m_mouse.LeftHeld()) m_pressOnMap = false;
  m_contextMenu.ClearHighlights();
  // The mouse goes to the first panel under it, else to the map.
  struct Route {
    const Quad* area;
    Step handler;
  };
  const Quad* palette =
      ToolIs(Atlas::ToolSpriteKeepBrush) ? m_palette->m_paletteBar.get() : nullptr;
  const std::array<Route, 6> routes = {{
      {&m_contextMenu.PanelBox(), &MainPage::HandleContextMenu},
      {m_propertyPanel.get(), &MainPage::HandlePropertyPanel},
      {m_toolPanel.get(), &MainPage::ClickToolBar},
      {m_toolbar.get(), &MainPage::HandleToolbarClick},
      {palette, &MainPage::HandleTemplatePalette},
      {m_layerPanel.get(), &MainPage::HandleLayerPanel},
  }};
  for (const Route& route : routes) {
    if (route.area && route.area->AltContainsPoint(m_mouse.Client())) {
      (this->*route.handler)();
      return;
    }
  }
  if (m_mouse.LeftPressed()) m_pressOnMap = true;
  HandleMouseEditing();
}

void MainPage::HandleToolbarClick() {
  m_menu.ShowArrowCursor();
  if (!m_mouse.LeftPressed()) return;
  struct IconPress {
    size_t icon;
    void (*open)(MenuDebug& menu);
  };
  static constexpr std::array<IconPress, Atlas::ToolbarIconCount> presses = {{
      {Atlas::IconSaveMap,
       [](MenuDebug& menu) { menu.SaveDialog().OpenSaveDialog(MenuDebug::ModeSaveMap); }},
      {Atlas::IconLoadMap, [](MenuDebug& menu) { menu.FileList().OpenMapList(); }},
      {Atlas::IconSettings, [](MenuDebug& menu) { menu.Settings().OpenSettingsPage(); }},
      {Atlas::IconSaveMef,
       [](MenuDebug& menu) { menu.SaveDialog().OpenSaveDialog(MenuDebug::ModeSaveMef); }},
      {Atlas::IconLoadMef, [](MenuDebug& menu) { menu.FileList().OpenMefList(); }},
      {Atlas::IconItemEditor, [](MenuDebug& menu) { menu.Items().OpenItemEditor(); }},
  }};
  for (const IconPress& press : presses) {
    if (m_toolbarIcons[press.icon]->AltContainsPoint(m_mouse.Client())) {
      press.open(m_menu);
      return;
    }
  }
}

void MainPage::Draw() {
  m_world->Draw();
  m_dimQuad->DrawScreen();
  DrawSelection();
  m_toolbar->DrawScreen();
  m_toolPanel->DrawScreen();
  m_propertyPanel->DrawScreen();
  m_layerPanel->DrawScreen();
  const bool palette = ToolIs(Atlas::ToolSpriteKeepBrush);
  if (palette) m_palette->DrawCells();
  for (const auto& line : m_toolSeparators) line->DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  if (m_selected && m_switches.IsOn(ToggleObjectData)) m_selected->DrawDebugInfo();
  for (const auto& icon : m_toolbarIcons) icon->DrawScreen();
  for (const auto& icon : m_toolIcons) icon->DrawScreen();
  if (palette) DrawPaletteNumbers();
  m_statusLine.Draw(Layout::StatusLineX, Layout::TopBar.bottom / 2);
  if (SpriteRenderer) SpriteRenderer->End();
  DrawToolPanelMarks();
  if (!ToolIs(Atlas::ToolZoomIn) && !ToolIs(Atlas::ToolZoomOut)) {
    if (SpriteToolCurrent()) {
      DrawBrushProperties();
    } else {
      DrawSelectionProperties();
    }
  }
  DrawLayerPanel();
  DrawContextMenu();
  m_menu.DrawCursor();
}

// The selection once more over the darkened world, its handles, the brush preview while a
// Sprite tool is current, and the snap markers.
void MainPage::DrawSelection() {
  if (m_selected) {
    if (SpriteRenderer) SpriteRenderer->Begin();
    m_selected->Draw();
    if (SpriteRenderer) SpriteRenderer->End();
  }
  m_selectionHandles.Draw();
  if (m_outline && SpriteToolCurrent()) m_outline->Draw();
  m_snapMarker->Draw();
  m_snapTargetMarker->Draw();
}

// The frame round the current tool, and round each toggle that is on.
void MainPage::DrawToolPanelMarks() {
  m_toolFrame->DrawScreen();
  if (m_snapToggle) m_toggleFrames[0]->DrawScreen();
  if (m_secondToggle) m_toggleFrames[1]->DrawScreen();
}

// The key of each template at its cell's top right, and the page number.
void MainPage::DrawPaletteNumbers() {
  const TemplatePage* page = m_palette->m_templatePage;
  if (!page) return;
  for (size_t i = 0; i < page->size(); ++i) {
    const Quad& cell = *(*page)[i].m_templateQuad;
    const float right = cell.altPosition.x + cell.width / 2 - Layout::PaletteNumberInset;
    const float top = cell.altPosition.y - cell.height / 2 + Layout::PaletteNumberInset;
    DrawTextAligned(SmallFont, right, top, 0.0f, IntToWString(static_cast<int>(i) + 1),
                    InterfaceText.ToD3DColor(), AlignRight, AlignTop);
  }
  const Quad& box = *m_palette->m_pageNumberBox;
  DrawTextAligned(m_pageFont.get(), box.altPosition.x, box.altPosition.y, 0.0f,
                  IntToWString(m_palette->m_templatePageIndex), InterfaceText.ToD3DColor(),
                  AlignCenter, AlignMiddle);
}

// What every content of the panel stands on: the header strip with the texture field, the
// separators, the swatch and its source frame, the open field's caret and the flip buttons;
// with the layer arrows and the colour swatch when asked.
void MainPage::DrawPanelFrame(bool withLayerRow) {
  PropertyPanel& panel = *m_panel;
  panel.m_headerStrip->DrawScreen();
  for (const auto& line : panel.m_separators) line->DrawScreen();
  panel.m_textureField->DrawScreen();
  panel.m_textureSwatch->DrawScreen();
  if (m_selected || m_brushTexture) panel.m_sourceFrame->DrawScreen();
  if (m_field.Current()) {
    m_field.PlaceCaretLine();
    m_field.DrawCaret();
  }
  if (withLayerRow) {
    panel.m_layerUpArrow->DrawScreen();
    panel.m_layerDownArrow->DrawScreen();
    panel.m_colorSwatchFrame->DrawScreen();
    panel.m_colorSwatch->DrawScreen();
  }
  panel.m_buttonFlipX->DrawBox();
  panel.m_buttonFlipY->DrawBox();
}

void MainPage::DrawSelectionProperties() {
  if (!m_selected) return;
  PropertyPanel& panel = *m_panel;
  const bool quad = m_selected->type == ShapeTypeQuad;
  for (DebugButton* side : {panel.m_collisionTop.get(), panel.m_collisionLeft.get(),
                            panel.m_collisionBottom.get(), panel.m_collisionRight.get()}) {
    side->SetEnabled(quad);
  }
  DrawPanelFrame(true);
  DrawOwnerWidgets();
  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawOwnerTexts();
  panel.m_buttonFlipX->DrawLabel();
  panel.m_buttonFlipY->DrawLabel();
  SpriteButton& label = *panel.m_textureLabel;
  switch (m_selectedOwner) {
    case SelectionOwner::Sprites:
      SetPictureCell(*label.sprite, Atlas::KindSprite);
      break;
    case SelectionOwner::Shapes:
      SetPictureCell(*label.sprite, Atlas::KindTexturedShape);
      break;
    case SelectionOwner::Boundaries:
      SetPictureCell(*label.sprite, Atlas::KindBoundary);
      break;
    default:
      break;
  }
  label.Draw();
  const bool clearable = m_selected->texture && m_selected->type != ShapeTypeSprite;
  SetPictureCell(*panel.m_clearTextureIcon,
                 clearable ? Atlas::ClearTexture : Atlas::ClearTextureNone);
  panel.m_clearTextureIcon->DrawScreen();
  DrawShapeFields(*m_selected);
  if (SpriteRenderer) SpriteRenderer->End();
}

void MainPage::DrawShapeFields(const Shape& shape) {
  const PropertyPanel& panel = *m_panel;
  DrawFields(panel.CommonFields());
  DrawCaptions(panel.CommonCaptions());
  switch (shape.type) {
    case ShapeTypeQuad:
      DrawFields(panel.QuadFields());
      DrawCaptions(panel.QuadCaptions());
      break;
    case ShapeTypeCircle:
      DrawFields(panel.CircleFields());
      DrawCaptions(panel.CircleCaptions());
      break;
    case ShapeTypeSprite:
      DrawFields(panel.SpriteFields());
      DrawCaptions(panel.SpriteCaptions());
      break;
    default:
      break;
  }
}

// The boxes of a trigger's buttons, or of a boundary's side buttons.
void MainPage::DrawOwnerWidgets() {
  PropertyPanel& panel = *m_panel;
  if (const ModifierShape* modifier = m_world->FindModifierByShape(m_selected)) {
    panel.m_triggers->DrawBoxes(*modifier);
  }
  if (m_selectedOwner == SelectionOwner::Boundaries && m_selected->type == ShapeTypeQuad) {
    for (DebugButton* side :
         {panel.m_collisionTop.get(), panel.m_collisionLeft.get(), panel.m_collisionBottom.get(),
          panel.m_collisionRight.get(), panel.m_manageCollision.get()}) {
      side->DrawBox();
    }
  }
}

// A trigger's fields, names, labels and check boxes, or a boundary's centre picture.
void MainPage::DrawOwnerTexts() {
  PropertyPanel& panel = *m_panel;
  if (const ModifierShape* modifier = m_world->FindModifierByShape(m_selected)) {
    panel.m_triggers->DrawTexts(*modifier);
  }
  if (m_selectedOwner == SelectionOwner::Boundaries && m_selected->type == ShapeTypeQuad) {
    panel.m_collisionCentre->DrawScreen();
    panel.m_manageCollision->DrawLabel();
  }
}

void MainPage::DrawBrushProperties() {
  if (m_selected) {
    DrawSelectionProperties();
    return;
  }
  PropertyPanel& panel = *m_panel;
  // The swatch follows the brush, however it was chosen, and its source fields.
  ShowTextureSwatch(m_brushTexture, panel.SourceRect());
  DrawPanelFrame(m_brushTexture != nullptr);
  if (SpriteRenderer) SpriteRenderer->Begin();
  panel.m_buttonFlipX->DrawLabel();
  panel.m_buttonFlipY->DrawLabel();
  SetPictureCell(*panel.m_clearTextureIcon, Atlas::ClearTextureNone);
  panel.m_clearTextureIcon->DrawScreen();
  if (m_brushTexture) {
    DrawFields(panel.BrushFields());
    DrawCaptions(panel.BrushCaptions());
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
