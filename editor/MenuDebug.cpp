#include "editor/MenuDebug.h"

#include "editor/ColorDialogPage.h"
#include "editor/DebugButton.h"
#include "editor/DebugPage.h"
#include "editor/EditorLayout.h"
#include "editor/FileListPage.h"
#include "editor/ItemEditorPage.h"
#include "editor/LayerPanel.h"
#include "editor/PropertyPanel.h"
#include "editor/SaveDialogPage.h"
#include "editor/SettingsPage.h"
#include "editor/TemplatePalette.h"
#include "editor/TextureDialogPage.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"
#include "platform/TextFont.h"
#include "world/MapFormat.h"
#include "world/World.h"

namespace Layout = EditorLayout;

namespace {

constexpr float FullVolume = 100.0f;
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

}  // namespace

const std::array<MenuDebug::Page, MenuDebug::ModeCount> MenuDebug::Pages = [] {
  std::array<Page, ModeCount> pages{};
  pages[ModeEdit] = {&MenuDebug::EditStep, &MenuDebug::DrawMainPage};
  return pages;
}();

const MenuDebug::Page& MenuDebug::PageOf(int32_t mode) {
  if (mode < 0 || mode >= ModeCount || !Pages[static_cast<size_t>(mode)].handleInput) {
    return Pages[ModeEdit];
  }
  return Pages[static_cast<size_t>(mode)];
}

MenuDebug::MenuDebug(GameStateSet* owner, Camera* camera,
                     std::vector<std::unique_ptr<Texture>>* textures, World* world)
    : Menu(owner, "Debug Menu"),
      m_world(world),
      m_textures(textures),
      m_guiTexture(LoadTexture(EditorAtlas::Path, EditorAtlas::Size, EditorAtlas::Size)),
      m_switches(m_guiTexture.get()),
      m_statusLine(AlignMiddle),
      m_cursorRect(&EditorAtlas::Cells[EditorAtlas::CursorArrow]) {
  MainCamera = camera;
  BuildBars();
  BuildToolPanel();
  m_panel = std::make_unique<PropertyPanel>(this, m_guiTexture.get());
  m_palette = std::make_unique<TemplatePalette>(m_guiTexture.get());
  m_layers = std::make_unique<LayerPanel>(this, m_guiTexture.get());
  m_textureDialog = std::make_unique<TextureDialogPage>(*this, m_textures);
  m_pages[ModeTextureChooser] = m_textureDialog.get();
  CollectLayers();
  m_saveDialog = std::make_unique<SaveDialogPage>(*this);
  m_fileList = std::make_unique<FileListPage>(*this, m_world);
  for (int32_t mode : {ModeSaveMap, ModeSaveMef}) m_pages[mode] = m_saveDialog.get();
  for (int32_t mode : {ModeLoadMap, ModeLoadMef, ModeMusic, ModePortalTarget}) {
    m_pages[mode] = m_fileList.get();
  }
  // No map is loaded yet: the palette starts blank.
  ReadMef(CompanionPathOf(m_world ? m_world->GetMapName() : std::string()));
  if (Device) m_pageFont = platform::TextFont::Create(*Device, PageFontHeight);
  m_settings = std::make_unique<SettingsPage>(*this, m_switches, m_guiTexture.get());
  m_pages[ModeSettings] = m_settings.get();
  m_colors = std::make_unique<ColorDialogPage>(*this, m_guiTexture.get());
  m_pages[ModeShapeColor] = m_colors.get();
  m_pages[ModeBackgroundColor] = m_colors.get();
  m_items = std::make_unique<ItemEditorPage>(*this, m_world);
  m_pages[ModeItemList] = m_items.get();
  m_pages[ModeItemPage] = m_items.get();
  for (auto* marker : {&m_snapMarker, &m_snapTargetMarker}) *marker = std::make_unique<Circle>();
  m_snapMarker->SetFillColor(SnapMarkerFill);
  m_snapTargetMarker->SetFillColor(SnapTargetFill);
  m_panelAnchor = Layout::PropertyPanel.TopLeft();
}

MenuDebug::~MenuDebug() = default;

void MenuDebug::Enter() {
  SetMode(ModeEdit);
  m_brushTexture = nullptr;
  m_elapsed = 0.0f;
  m_lastAutosaveTick = 0;
  m_autosaveTick = 0;
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
  for (DebugPage* page : m_pages) {
    if (page) page->Enter();
  }
  CollectLayers();
  m_cursor->SetAltPosition(m_mouse.Client());
  m_panelAnchor = Layout::PropertyPanel.TopLeft();
}

void MenuDebug::HandleInput(float) {
  if (!GameControls) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.IsTabPressed() || keys.IsEscPressed()) {
    // Escape ends the open page as its Cancel would before leaving; Tab keeps what it applied.
    if (keys.IsEscPressed()) CancelOpenPage();
    LeaveToWorld();
    return;
  }
  m_mouse.Sample();
  const Gamepad& pad = *GameControls->pads[0];
  m_padThumbs = {pad.current.thumbLX, pad.current.thumbLY, pad.current.thumbRX,
                 pad.current.thumbRY};
  m_padTriggers = {pad.current.leftTrigger, pad.current.rightTrigger};
  m_field.TakeKeys(keys);
  if (DebugPage* page = PageOfMode()) {
    page->HandleInput();
  } else {
    (this->*PageOf(m_mode).handleInput)();
  }
}

void MenuDebug::LeaveToWorld() {
  if (m_selected) m_selected->outlineVisible = 0;
  m_selected = nullptr;
  m_settings->Restore();
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->SetVolume(FullVolume);
  if (set) set->SwitchTo(set->world);
}

void MenuDebug::CancelOpenPage() {
  if (DebugPage* page = PageOfMode()) page->Cancel();
}

void MenuDebug::ShowCursor(size_t cell) { m_cursorRect = &EditorAtlas::Cells[cell]; }

void MenuDebug::ShowArrowCursor() { ShowCursor(EditorAtlas::CursorArrow); }

void MenuDebug::DrawCursor() {
  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuDebug::DrawCursorInBatch() { m_cursor->DrawScreen(); }

void MenuDebug::Update(float dt) {
  m_lastAutosaveTick = m_autosaveTick;
  m_elapsed += dt;
  m_autosaveTick = static_cast<int32_t>(m_elapsed / AutosavePeriod);
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  m_cursor->sourceRect = *m_cursorRect;
  m_cursor->dirty = 1;
  m_cursor->SetAltPosition(m_mouse.Client());
  m_mouse.KeepWorldPoint();
  // A zoom under way resizes the sprites.
  if (MainCamera && MainCamera->eye.z != MainCamera->targetEye.z) m_world->MarkSpritesDirty();
  UpdateHandles();
  if (m_autosaveTick != m_lastAutosaveTick) Autosave();
}

bool MenuDebug::SaveMapUnmarked(const std::string& name) {
  const uint8_t mark = m_selected ? m_selected->outlineVisible : 0;
  if (m_selected) m_selected->outlineVisible = 0;
  const bool saved = m_world->SaveMap(name);
  if (m_selected) m_selected->outlineVisible = mark;
  return saved;
}

void MenuDebug::Select(Shape* shape, SelectionOwner owner) {
  // An open field belongs to the shape it was opened on: its text must not reach another.
  if (shape != m_selected) m_field.Close();
  if (m_selected) m_selected->outlineVisible = 0;
  m_selected = shape;
  m_selectedOwner = shape ? owner : SelectionOwner::None;
  if (shape) shape->outlineVisible = 1;
}

void MenuDebug::DropSelection() {
  Select(nullptr, SelectionOwner::None);
  m_outline.reset();
}

void MenuDebug::Autosave() {
  if (SaveMapUnmarked(AutosaveName)) {
    m_statusLine.Clear();
  } else {
    m_statusLine.Show(L"Autosave failed: " +
                      StringToWString(std::string(MapsFolder) + AutosaveName + MapExtension));
  }
}

void MenuDebug::Draw() {
  if (DebugPage* page = PageOfMode()) {
    page->Draw();
  } else {
    (this->*PageOf(m_mode).draw)();
  }
  DrawDebugOverlay();
}

void MenuDebug::CollectLayers() {
  if (m_world) m_world->CollectLayers(m_switches);
}

DebugPage* MenuDebug::PageOfMode() const {
  return m_mode >= 0 && m_mode < ModeCount ? m_pages[static_cast<size_t>(m_mode)] : nullptr;
}

void MenuDebug::SetMode(int32_t mode) {
  m_field.Close();
  if (DebugPage* page = PageOfMode()) page->Leave();
  m_mode = mode;
}

DebugSwitches* DebugSwitchesOf(const GameStateSet* set) {
  return set && set->menuDebug ? &set->menuDebug->m_switches : nullptr;
}
