#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "editor/DebugPage.h"
#include "engine/Color4.h"
#include "engine/DebugSwitches.h"

class DebugButton;
class DebugMouse;
class MenuDebug;
class Quad;
class TextBox;
class Texture;
class TypingField;

// Mode 9: the debug switches as check boxes, the background colour's swatch, the time factor
// and the map music, kept as they were when the page opened until "OK" or Enter commits them.
class SettingsPage : public DebugPage {
 public:
  SettingsPage(MenuDebug& menu, DebugSwitches& switches, Texture* atlas);
  ~SettingsPage() override;

  // The background colour play had, into the swatch and as the colour leaving puts back.
  void Enter() override;
  void HandleInput() override;
  void Draw() override;
  // Every switch and the background colour back to the snapshot; the time factor unread.
  void Cancel() override;

  void OpenSettingsPage();
  // The time factor into its field, and the overlay's captions to the settings panel.
  void ShowTimeScale();
  // The settings the page may undo: the background colour and the ten switches.
  void SnapshotSettings();
  // On leaving the debug menu: the background colour and the first four switches as they were
  // last committed.
  void RestoreSettings();
  // The background colour in use (the colour dialog's, or play's) becomes the committed one.
  void KeepBackground();
  // The background colour as last committed.
  const Color4& SavedBackground() const { return m_savedBackground; }

  const Quad& PanelBox() const { return *m_settingsPanel; }

 private:
  // The first count switches into the snapshot, or out of it with the background colour.
  void SaveToggles(int count);
  void PutBackSettings(int toggleCount);
  void CloseSettingsPage();
  void PressOnSettingsPage();

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  TypingField& m_field;
  DebugSwitches& m_switches;
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
};
