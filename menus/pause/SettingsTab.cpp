#include "menus/pause/SettingsTab.h"

#include <algorithm>

#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "menus/AtlasPanels.h"
#include "menus/MenuController.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// Rows 20 pixels apart; the texts and the highlight's left edge from the content's top-left
// corner.
constexpr float RowSpacing = 20.0f;
constexpr Vector3 EntryTextAt{175.0f, 40.0f, 0.0f};
constexpr float HighlightLeft = 170.0f;
constexpr float HighlightWidth = 190.0f;
constexpr float HighlightHeight = 18.0f;

struct Entry {
  SettingsTab::Row row;
  const char* text;
};
constexpr Entry Entries[] = {{SettingsTab::ButtonConfiguration, "Button Configuration"},
                             {SettingsTab::QuitToTitle, "Quit to Title"},
                             {SettingsTab::QuitGame, "Quit Game"}};

float RowOffset(int row) { return RowSpacing * static_cast<float>(row); }

// The cursor turns in a ring over the three entries and passes the empty row.
SettingsTab::Row EntryAfter(int32_t row, int step) {
  const auto count = static_cast<int>(std::size(Entries));
  const auto* at = std::ranges::find(Entries, row, &Entry::row);
  const auto index = static_cast<int>(at == std::end(Entries) ? 0 : at - std::begin(Entries));
  return Entries[(index + step + count) % count].row;
}

}  // namespace

SettingsTab::SettingsTab(MenuPause& owner)
    : PauseTab(owner),
      m_highlight(CutSprite(owner.GetWindow().atlas, PauseMenuCells::HighlightPlate, HighlightWidth,
                            HighlightHeight)) {}

SettingsTab::~SettingsTab() = default;

std::optional<platform::PixelRect> SettingsTab::Icon() const {
  return PauseMenuCells::SettingsIcon;
}

void SettingsTab::Build() {
  m_cursor = ButtonConfiguration;
  PlaceHighlight();
}

// The highlight lies across the middle of its entry's line: our glyphs stand in the middle of
// their cells, so a bar lower down would reach into the entry below. It reaches as far past the
// widest entry as it starts before the entries, so that no entry runs out of it.
void SettingsTab::PlaceHighlight() {
  const Font* large = LargeFace();
  const Vector3 corner = ScreenBoxOf(*menu.GetWindow().content).TopLeft();
  const float lineHeight = large ? large->cellHeight * MenuPause::NameScale : 0.0f;
  const float drawnWidth = m_highlight->GetScaledSourceSize().x;
  float width = drawnWidth;
  if (large) {
    for (const Entry& entry : Entries) {
      const float text = large->MeasureText(entry.text, large->proportional, MenuPause::NameScale);
      width = std::max(width, text + 2 * (EntryTextAt.x - HighlightLeft));
    }
    const platform::Vector2 scale = m_highlight->scale;
    m_highlight->SetScale(scale.x * width / drawnWidth, scale.y);
  }
  m_highlight->SetAltPosition({corner.x + HighlightLeft + width / 2,
                               corner.y + EntryTextAt.y + RowOffset(m_cursor) + lineHeight / 2,
                               0.0f});
}

void SettingsTab::HandleInput(const Controls& c) {
  if (c.IsMenuDownPressed(c.activePad)) {
    CursorDown();
  } else if (c.IsMenuUpPressed()) {
    CursorUp();
  } else if (c.IsConfirmPressed()) {
    ActivateEntry();
  } else if (c.IsCancelPressed()) {
    menu.Resume();
  }
}

void SettingsTab::CursorDown() {
  m_cursor = EntryAfter(m_cursor, 1);
  PlaceHighlight();
}

void SettingsTab::CursorUp() {
  m_cursor = EntryAfter(m_cursor, -1);
  PlaceHighlight();
}

void SettingsTab::ActivateEntry() {
  GameStateSet* set = menu.set;
  World* world = menu.GetWorld();
  switch (m_cursor) {
    case ButtonConfiguration: {
      MenuController* controller = set ? set->menuController : nullptr;
      if (!controller) return;
      // The configuration edits the first player's controls and comes back here.
      const Player* first = world ? world->GetFirstPlayer() : nullptr;
      controller->m_backgroundState = &menu;
      controller->m_returnState = &menu;
      controller->m_editedControls = first ? first->controls : nullptr;
      set->SwitchTo(controller);
      break;
    }
    case QuitToTitle:
      menu.QuitToTitle();
      break;
    case QuitGame:
      Running = 0;
      break;
    default:
      break;
  }
}

void SettingsTab::Draw() {
  // Under the texts, which would show through it dimmed.
  m_highlight->DrawScreen();
  Font* large = LargeFace();
  if (!large) return;
  Page().SetFont(MenuPause::NameScale, ColorWhite);
  const Vector3 first = ScreenBoxOf(*menu.GetWindow().content).TopLeft() + EntryTextAt;
  for (const Entry& entry : Entries) {
    large->DrawString(entry.text, {first.x, first.y + RowOffset(entry.row), 0.0f}, FontAlignStart,
                      FontAlignStart);
  }
}
