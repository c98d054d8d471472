#include <algorithm>

#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuController.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const char* SettingsTitle = "Settings";
// Rows 20 pixels apart; the texts and the highlight's left edge from the content's top-left
// corner.
constexpr float RowSpacing = 20.0f;
constexpr Vector3 EntryTextAt{175.0f, 40.0f, 0.0f};
constexpr float HighlightLeft = 170.0f;

struct Entry {
  MenuPause::SettingsRow row;
  const char* text;
};
constexpr Entry Entries[] = {{MenuPause::SettingsButtonConfiguration, "Button Configuration"},
                             {MenuPause::SettingsQuitToTitle, "Quit to Title"},
                             {MenuPause::SettingsQuitGame, "Quit Game"}};

float RowOffset(int row) { return RowSpacing * static_cast<float>(row); }

// The cursor turns in a ring over the three entries and passes the empty row.
MenuPause::SettingsRow EntryAfter(int32_t row, int step) {
  const auto count = static_cast<int>(std::size(Entries));
  const auto* at = std::ranges::find(Entries, row, &Entry::row);
  const auto index = static_cast<int>(at == std::end(Entries) ? 0 : at - std::begin(Entries));
  return Entries[(index + step + count) % count].row;
}

}  // namespace

void MenuPause::BuildSettingsTab() {
  m_tabIndex = TabSettings;
  m_settingsCursor = SettingsButtonConfiguration;
  PlaceSettingsHighlight();
  LayoutTabStrip(TabSettings, SettingsTitle);
}

// The highlight lies across the middle of its entry's line: our glyphs stand in the middle of
// their cells, so a bar lower down would reach into the entry below. It reaches as far past the
// widest entry as it starts before the entries, so that no entry runs out of it.
void MenuPause::PlaceSettingsHighlight() {
  const Vector3 corner = ScreenBoxOf(*m_contentPanel).TopLeft();
  const float lineHeight = m_fontArc64pt ? m_fontArc64pt->cellHeight * NameScale : 0.0f;
  const float drawnWidth = m_settingsHighlight->GetScaledSourceSize().x;
  float width = drawnWidth;
  if (m_fontArc64pt) {
    for (const Entry& entry : Entries) {
      const float text =
          m_fontArc64pt->MeasureText(entry.text, m_fontArc64pt->proportional, NameScale);
      width = std::max(width, text + 2 * (EntryTextAt.x - HighlightLeft));
    }
    const platform::Vector2 scale = m_settingsHighlight->scale;
    m_settingsHighlight->SetScale(scale.x * width / drawnWidth, scale.y);
  }
  m_settingsHighlight->SetAltPosition(
      {corner.x + HighlightLeft + width / 2,
       corner.y + EntryTextAt.y + RowOffset(m_settingsCursor) + lineHeight / 2, 0.0f});
}

void MenuPause::HandleSettingsInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildEncyclopediaTab();
  } else if (c.IsRightShoulderPressed()) {
    OpenTabAfterSettings();
  } else if (c.IsMenuDownPressed(c.activePad)) {
    SettingsCursorDown();
  } else if (c.IsMenuUpPressed()) {
    SettingsCursorUp();
  } else if (c.IsConfirmPressed()) {
    ActivateSettingsEntry();
  } else if (c.IsCancelPressed()) {
    Resume();
  }
}

void MenuPause::SettingsCursorDown() {
  m_settingsCursor = EntryAfter(m_settingsCursor, 1);
  PlaceSettingsHighlight();
}

void MenuPause::SettingsCursorUp() {
  m_settingsCursor = EntryAfter(m_settingsCursor, -1);
  PlaceSettingsHighlight();
}

void MenuPause::ActivateSettingsEntry() {
  switch (m_settingsCursor) {
    case SettingsButtonConfiguration: {
      MenuController* controller = set ? set->menuController : nullptr;
      if (!controller) return;
      // The configuration edits the first player's controls and comes back here.
      const Player* first = m_world ? m_world->GetFirstPlayer() : nullptr;
      controller->m_backgroundState = this;
      controller->m_returnState = this;
      controller->m_editedControls = first ? first->controls : nullptr;
      set->SwitchTo(controller);
      break;
    }
    case SettingsQuitToTitle:
      if (!set || !set->menuTitle) return;
      // The next game starts at full volume, not at the pause menu's.
      RestoreMusicVolume();
      set->SwitchTo(set->menuTitle);
      if (m_world) m_world->ClearLevel();
      break;
    case SettingsQuitGame:
      Running = 0;
      break;
    default:
      break;
  }
}

void MenuPause::DrawSettingsTab() {
  DrawCommonFrame(TabSettings, SettingsTitle);
  // Under the texts, which would show through it dimmed.
  m_settingsHighlight->DrawScreen();
  if (m_fontArc64pt) {
    m_itemPage.SetFont(NameScale, ColorWhite);
    const Vector3 first = ScreenBoxOf(*m_contentPanel).TopLeft() + EntryTextAt;
    for (const Entry& entry : Entries) {
      m_fontArc64pt->DrawString(entry.text, {first.x, first.y + RowOffset(entry.row), 0.0f},
                                FontAlignStart, FontAlignStart);
    }
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
