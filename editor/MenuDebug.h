#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/DebugSwitches.h"
#include "engine/Color4.h"
#include "menus/Menu.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Camera;
class DebugButton;
class Line;
class Quad;
class Sprite;
class TextBox;
class Texture;
class World;

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
  static constexpr int MouseButtonCount = 5;

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
  // The settings the page may undo: the background colour and the ten switches.
  void SnapshotSettings();
  // On leaving: the background colour and the first four switches as they were last committed.
  void RestoreSettings();
  // The time factor into its field, and the captions' anchor to the settings panel.
  void ShowTimeScale();

  // The one place the mode changes; the open field closes.
  void SetMode(int32_t mode);
  // Opens the field under the mouse for typing, caret and anchor at the character there; the
  // field that was open closes.
  void OpenField(TextBox& field);
  // Caret and anchor go to the end of the closed field's text.
  void CloseField();

  int32_t m_mode = ModeEdit;
  World* m_world = nullptr;
  // The world's loaded textures, for the texture chooser.
  std::vector<std::unique_ptr<Texture>>* m_textures = nullptr;
  std::unique_ptr<Texture> m_guiTexture;
  DebugSwitches m_switches;

  // The autosave clock: seconds since Enter and whole autosave periods in them.
  float m_elapsed = 0.0f;
  int32_t m_lastAutosaveTick = 0;
  int32_t m_autosaveTick = 0;
  // A line on the top bar after a save that failed; empty otherwise.
  std::wstring m_statusLine;

  // Where the page lays out its captions: the property panel's top left, or the settings
  // panel's bottom left while that page is open.
  platform::Vector3 m_panelAnchor;

  // The mouse and the first pad as this frame's input step sampled them.
  platform::Vector3 m_mouseScreen;
  platform::Vector3 m_mouseClient;
  platform::Vector3 m_mouseWorld;
  platform::Vector3 m_lastMouseWorld;
  std::array<int32_t, 2> m_mouseDelta{};
  // Left, right, middle, first extra, second extra.
  std::array<uint8_t, MouseButtonCount> m_mouseButtons{};
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

  // The settings page.
  std::unique_ptr<Quad> m_settingsPanel;
  std::unique_ptr<Quad> m_settingsTitleBar;
  std::unique_ptr<Quad> m_backgroundSwatchFrame;
  std::unique_ptr<Quad> m_backgroundSwatch;
  std::unique_ptr<TextBox> m_timeScaleBox;
  std::unique_ptr<DebugButton> m_setMusicButton;
  std::unique_ptr<Quad> m_settingsOkButton;
  std::unique_ptr<Quad> m_settingsCancelButton;
  Color4 m_savedBackground;
  std::array<uint8_t, DebugToggleCount> m_savedToggles{};

  // The open text field, typed into by the editor of its mode; null when none is open.
  TextBox* m_activeField = nullptr;
  std::unique_ptr<Line> m_caretLine;

 private:
  using Step = void (MenuDebug::*)();
  // What one editor mode does in the input step and draws.
  struct Page {
    Step handleInput = nullptr;
    Step draw = nullptr;
  };
  static const std::array<Page, ModeCount> Pages;
  // Modes outside the table and pages not built behave as the main page.
  static const Page& PageOf(int32_t mode);

  void BuildBars();
  void BuildToolPanel();
  void BuildSettingsPage();

  void LeaveToWorld();
  void SampleMouse();
  bool LeftPressed() const;
  bool LeftHeld() const;
  void ShowCursor(size_t cell);
  void ShowArrowCursor();
  // While the left button stays down on an open field, the caret follows the mouse.
  void DragCaret();
  void PlaceCaretLine();
  void Autosave();

  // Mode 0.
  void EditStep();
  void HandleToolbarClick();
  void DrawMainPage();
  void DrawCursor();

  // Mode 9.
  void OpenSettingsPage();
  // The first count switches into the snapshot, or out of it with the background colour.
  void SaveToggles(int count);
  void PutBackSettings(int toggleCount);
  void CloseSettingsPage();
  void HandleSettingsPage();
  void PressOnSettingsPage();
  void DrawSettingsPage();
};
