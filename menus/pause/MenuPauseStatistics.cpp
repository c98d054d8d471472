#include "engine/Controls.h"
#include "menus/pause/MenuPause.h"
#include "world/World.h"

void MenuPause::HandleStatisticsInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildSettingsTab();
  } else if (c.IsRightShoulderPressed()) {
    BuildStatsTab();
  }
}

// The pages have no tab strip and no tokens line: the frozen scene, the backdrop, the page's
// panel and its two buttons with the highlight over the selected one.
void MenuPause::DrawStatistics() {
  if (m_world) m_world->Draw();
  for (Quad* quad :
       {&m_backdrop, &m_statisticsPanel, &m_resumeButton, &m_quitButton, &m_buttonHighlight}) {
    quad->DrawScreen();
  }
}
