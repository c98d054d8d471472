#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/DebugMouse.h"
#include "editor/TypingField.h"
#include "engine/DebugSwitches.h"
#include "menus/Menu.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Camera;
class ColorDialogPage;
class DebugPage;
class FileListPage;
class ItemEditorPage;
class MainPage;
class SaveDialogPage;
class SettingsPage;
class Sprite;
class Texture;
class TextureDialogPage;
class World;

// The developer's screen over the frozen world, reached from play with Tab while debug mode is
// on: the level editor's main page, its dialogs and pages (one editor mode each), the settings
// page of the debug switches and an overlay of live figures. Tab or Escape returns to play from
// every mode. The menu keeps the mode, the mouse, the open field and the cursor; the page of
// the mode answers the input step and draws.
class MenuDebug : public Menu {
 public:
  // The editor modes; each is shown by one page.
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

  MenuDebug(GameStateSet* set, Camera* camera, std::vector<std::unique_ptr<Texture>>* textures,
            World* world);
  ~MenuDebug() override;

  // Every entry starts on the main page with nothing open and the autosave count at 0.
  void Enter() override;
  // Tab or Escape leaves; otherwise the mouse and the first pad are sampled, the open field
  // takes its keys and the page of the mode runs.
  void HandleInput(float dt) override;
  // Music, cursor, the selection's handles and the autosave clock.
  void Update(float dt) override;
  // The page of the mode, then the overlay.
  void Draw() override;
  // Up to 21 lines of live figures, in three groups the settings page switches on.
  void DrawDebugOverlay() override;

  // The map loader calls it too: every layer the world uses is shown and can be picked.
  void CollectLayers();

  int32_t Mode() const { return m_mode; }
  // The one place the mode changes: the open field closes and the page left ends what it
  // showed.
  void SetMode(int32_t mode);
  const DebugMouse& Mouse() const { return m_mouse; }
  TypingField& Field() { return m_field; }
  const DebugSwitches& Switches() const { return m_switches; }
  // The cursor shows the atlas cell from the next update on.
  void ShowCursor(size_t cell);
  void ShowArrowCursor();
  const platform::PixelRect* CursorRect() const { return m_cursorRect; }
  // The cursor in a sprite batch of its own, or in the one the caller has begun.
  void DrawCursor();
  void DrawCursorInBatch();
  // Where the overlay lays out the state figures: the top left of the panel shown.
  void SetPanelAnchor(const platform::Vector3& anchor) { m_panelAnchor = anchor; }

  // The pages, each of which a test finds its widgets through.
  MainPage& Main() { return *m_main; }
  TextureDialogPage& Textures() { return *m_textureDialog; }
  ColorDialogPage& Colors() { return *m_colors; }
  SaveDialogPage& SaveDialog() { return *m_saveDialog; }
  FileListPage& FileList() { return *m_fileList; }
  SettingsPage& Settings() { return *m_settings; }
  ItemEditorPage& Items() { return *m_items; }

 private:
  // What play reads of the debug menu: its switches, through the one door the set offers.
  friend DebugSwitches* DebugMenuSwitches(const GameStateSet* set);

  // Modes outside the table behave as the main page.
  DebugPage& PageOfMode() const;
  // Each page once.
  std::array<DebugPage*, 7> Pages() const;
  void LeaveToWorld();

  int32_t m_mode = ModeEdit;
  World* m_world = nullptr;
  std::unique_ptr<Texture> m_guiTexture;
  DebugSwitches m_switches;

  // Where the overlay lays out the state figures: the property panel's top left, or the
  // settings panel's bottom left while that page is open.
  platform::Vector3 m_panelAnchor;

  // The mouse and the first pad as this frame's input step sampled them.
  DebugMouse m_mouse;
  // Left x, left y, right x, right y.
  std::array<int16_t, 4> m_padThumbs{};
  std::array<uint8_t, 2> m_padTriggers{};
  TypingField m_field;
  std::unique_ptr<Sprite> m_cursor;
  const platform::PixelRect* m_cursorRect = nullptr;

  std::unique_ptr<MainPage> m_main;
  std::unique_ptr<TextureDialogPage> m_textureDialog;
  std::unique_ptr<ColorDialogPage> m_colors;
  std::unique_ptr<SaveDialogPage> m_saveDialog;
  std::unique_ptr<FileListPage> m_fileList;
  std::unique_ptr<SettingsPage> m_settings;
  std::unique_ptr<ItemEditorPage> m_items;
  // The page of each mode.
  std::array<DebugPage*, ModeCount> m_pages{};
};

// The switches of the set's debug menu, null without one: how the debug menu answers play's
// question for them.
DebugSwitches* DebugMenuSwitches(const GameStateSet* set);
