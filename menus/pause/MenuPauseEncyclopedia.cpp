#include "engine/Controls.h"
#include "engine/Globals.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"

namespace {

constexpr const char* EncyclopediaTitle = "Encyclopedia";

}  // namespace

void MenuPause::BuildEncyclopediaTab() {
  m_tabIndex = TabEncyclopedia;
  m_encyclopediaFocus = 0;
  m_encyclopediaSubTab = 0;
  LayoutTabStrip(TabEncyclopedia, EncyclopediaTitle);
}

void MenuPause::HandleEncyclopediaInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildInventoryTab();
  } else if (c.IsRightShoulderPressed()) {
    BuildSettingsTab();
  } else if (c.IsCancelPressed()) {
    Resume();
  }
}

void MenuPause::DrawEncyclopediaTab() {
  DrawCommonFrame(TabEncyclopedia, EncyclopediaTitle);
  if (SpriteRenderer) SpriteRenderer->End();
}
