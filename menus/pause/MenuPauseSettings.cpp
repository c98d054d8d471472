#include "engine/Controls.h"
#include "engine/Globals.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"

namespace {

constexpr const char* SettingsTitle = "Settings";

}  // namespace

void MenuPause::BuildSettingsTab() {
  m_tabIndex = TabSettings;
  m_settingsCursor = 0;
  LayoutTabStrip(TabSettings, SettingsTitle);
}

void MenuPause::HandleSettingsInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildEncyclopediaTab();
  } else if (c.IsRightShoulderPressed()) {
    OpenTabAfterSettings();
  } else if (c.IsCancelPressed()) {
    Resume();
  }
}

void MenuPause::DrawSettingsTab() {
  DrawCommonFrame(TabSettings, SettingsTitle);
  if (SpriteRenderer) SpriteRenderer->End();
}
