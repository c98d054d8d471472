#include "editor/MenuDebug.h"

#include "editor/ColorDialogPage.h"
#include "editor/DebugPage.h"
#include "editor/EditorLayout.h"
#include "editor/FileListPage.h"
#include "editor/ItemEditorPage.h"
#include "editor/MainPage.h"
#include "editor/SaveDialogPage.h"
#include "editor/SettingsPage.h"
#include "editor/TextureDialogPage.h"
#include "engine/Controls.h"
#include "engine/EditorAtlas.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/Texture.h"
#include "engine/draw/Sprite.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

namespace {

constexpr float FullVolume = 100.0f;

}  // namespace

MenuDebug::MenuDebug(GameStateSet* owner, Camera* camera,
                     std::vector<std::unique_ptr<Texture>>* textures, World* world)
    : Menu(owner, "Debug Menu"),
      m_world(world),
      m_guiTexture(LoadTexture(EditorAtlas::Path, EditorAtlas::Size, EditorAtlas::Size)),
      m_switches(m_guiTexture.get()),
      m_panelAnchor(EditorLayout::PropertyPanel.TopLeft()),
      m_cursorRect(&EditorAtlas::Cells[EditorAtlas::CursorArrow]) {
  MainCamera = camera;
  Texture* atlas = m_guiTexture.get();
  m_cursor = std::make_unique<Sprite>(atlas, 0, platform::Vector3{}, 0.0f, *m_cursorRect);
  m_main = std::make_unique<MainPage>(*this, world, textures, m_switches, atlas);
  m_textureDialog = std::make_unique<TextureDialogPage>(*this, textures);
  m_colors = std::make_unique<ColorDialogPage>(*this, atlas);
  m_saveDialog = std::make_unique<SaveDialogPage>(*this);
  m_fileList = std::make_unique<FileListPage>(*this, world);
  m_settings = std::make_unique<SettingsPage>(*this, m_switches, atlas);
  m_items = std::make_unique<ItemEditorPage>(*this, world);
  CollectLayers();
  m_pages = {m_main.get(),       m_textureDialog.get(), m_colors.get(),   m_colors.get(),
             m_saveDialog.get(), m_saveDialog.get(),    m_fileList.get(), m_fileList.get(),
             m_fileList.get(),   m_settings.get(),      m_fileList.get(), m_items.get(),
             m_items.get()};
}

MenuDebug::~MenuDebug() = default;

std::array<DebugPage*, 7> MenuDebug::Pages() const {
  return {m_main.get(),     m_textureDialog.get(), m_colors.get(), m_saveDialog.get(),
          m_fileList.get(), m_settings.get(),      m_items.get()};
}

DebugPage& MenuDebug::PageOfMode() const {
  if (m_mode < 0 || m_mode >= ModeCount) return *m_main;
  return *m_pages[static_cast<size_t>(m_mode)];
}

void MenuDebug::Enter() {
  SetMode(ModeEdit);
  for (DebugPage* page : Pages()) page->Enter();
  CollectLayers();
  m_cursor->SetAltPosition(m_mouse.Client());
  m_panelAnchor = EditorLayout::PropertyPanel.TopLeft();
}

void MenuDebug::HandleInput(float) {
  if (!GameControls) return;
  const KeyboardBuffer& keys = *GameControls->keyboard;
  if (keys.IsTabPressed() || keys.IsEscPressed()) {
    // Escape ends the open page as its Cancel would before leaving; Tab keeps what it applied.
    if (keys.IsEscPressed()) PageOfMode().Cancel();
    LeaveToWorld();
    return;
  }
  m_mouse.Sample();
  const Gamepad& pad = *GameControls->pads[0];
  m_padThumbs = {pad.current.thumbLX, pad.current.thumbLY, pad.current.thumbRX,
                 pad.current.thumbRY};
  m_padTriggers = {pad.current.leftTrigger, pad.current.rightTrigger};
  m_field.TakeKeys(keys);
  PageOfMode().HandleInput();
}

void MenuDebug::LeaveToWorld() {
  m_main->ForgetSelection();
  m_settings->RestoreSettings();
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->SetVolume(FullVolume);
  if (set) set->SwitchTo(set->world);
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
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
  m_cursor->sourceRect = *m_cursorRect;
  m_cursor->dirty = 1;
  m_cursor->SetAltPosition(m_mouse.Client());
  m_mouse.KeepWorldPoint();
  m_main->Update(dt);
}

void MenuDebug::Draw() {
  PageOfMode().Draw();
  DrawDebugOverlay();
}

void MenuDebug::CollectLayers() {
  if (m_world) m_world->CollectLayers(m_switches);
}

void MenuDebug::SetMode(int32_t mode) {
  m_field.Close();
  PageOfMode().Leave();
  m_mode = mode;
}

DebugSwitches* DebugMenuSwitches(const GameStateSet* set) {
  return set && set->menuDebug ? &set->menuDebug->m_switches : nullptr;
}
