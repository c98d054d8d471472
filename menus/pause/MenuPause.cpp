#include "menus/pause/MenuPause.h"

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/DebugSwitches.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/MusicTrack.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuController.h"
#include "menus/pause/PauseMenuCells.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr float GlyphSpacing = 1.0f;
// Lines of the statistics pages' face: 15 apart, as narrow as stays readable.
constexpr int StatisticsFontHeight = 10;
// The tokens line: the label in from the plate's left edge, the count ending just left of the
// coin, both a little below the plate's middle.
constexpr float TokensLabelInset = 28.0f;
constexpr float TokensCountInset = 42.0f;
constexpr float TokensTextDrop = 3.0f;

TabStrip::Cells TabStripCells() {
  const auto& icons = PauseMenuCells::TabIcons;
  return {PauseMenuCells::TabBack,
          {icons.begin(), icons.end()},
          PauseMenuCells::TabOpenLeft,
          PauseMenuCells::TabOpenMiddle,
          PauseMenuCells::TabOpenRight};
}

// Every list panel is 185 by 375 whatever its row count.
constexpr ListPanel::Filler ListFiller{185.0f, 375.0f, true};

Texture* AtlasOf(const GameStateSet* set) { return set ? set->interfaceAtlas.get() : nullptr; }
Font* LargeFontOf(const GameStateSet* set) { return set ? set->fontArc64pt.get() : nullptr; }
Font* SmallFontOf(const GameStateSet* set) { return set ? set->fontArc17pt.get() : nullptr; }

// Without a player whose controls could be asked, any key or button that went down resumes.
bool AnyInputWentDown(const Controls& controls) {
  const KeyboardBuffer& keys = *controls.keyboard;
  for (int key = 0; key < platform::KeyCount; ++key) {
    if (keys.WentDown(key)) return true;
  }
  for (const auto& pad : controls.pads) {
    if (pad && pad->connected && (pad->current.buttons & ~pad->previous.buttons) != 0) return true;
  }
  return false;
}

}  // namespace

MenuPause::MenuPause(GameStateSet* owner, Camera* camera, World* world)
    : Menu(owner, "Pause Menu"),
      m_world(world),
      m_menuAtlas(AtlasOf(owner)),
      m_fontArc64pt(LargeFontOf(owner)),
      m_fontArc17pt(SmallFontOf(owner)),
      m_itemPage(m_menuAtlas, m_fontArc64pt),
      m_tabs(m_menuAtlas, TabStripCells()),
      m_sidePanel(m_menuAtlas, PauseMenuCells::ListHeader, PauseMenuCells::ListRow,
                  PauseMenuCells::PanelFill, WindowRows, ListFiller,
                  ListPanel::Overlay::RowsAndFiller),
      m_listPanel(m_menuAtlas, PauseMenuCells::ListHeader, PauseMenuCells::ListRow,
                  PauseMenuCells::PanelFill, WindowRows, ListFiller,
                  ListPanel::Overlay::RowsAndFiller),
      m_slotListPanel(m_menuAtlas, PauseMenuCells::SlotListHeader, PauseMenuCells::SlotListRow,
                      PauseMenuCells::SlotListFill, WindowRows, ListFiller,
                      ListPanel::Overlay::None) {
  MainCamera = camera;
  m_player = world ? world->GetFirstPlayer() : nullptr;
  BuildStatisticsQuads();
  if (Device) m_statisticsFont = platform::TextFont::Create(*Device, StatisticsFontHeight);
  BuildFrame();
  BuildSlotColumns();
  LayoutSidePanel(WindowRows);
  LayoutListPanel(WindowRows);
  LayoutSlotListPanel(WindowRows);
  PlaceItemPagePanels();
  BuildMarkersAndPictures();
  BuildSpareTabIcons();
  m_scrollBar =
      std::make_unique<ScrollBar>(m_menuAtlas, 0.0f, 500.0f, 0.0f, m_contentPanel->altPosition,
                                  ScreenBoxOf(*m_contentPanel).Height() - 100.0f);
  m_scrollBar2 = std::make_unique<ScrollBar>(m_menuAtlas);
  m_scrollBar2->SetMinimum(0.0f);
  m_scrollBar2->SetMaximum(500.0f);
  m_scrollBar2->SetValue(0.0f);
  m_scrollBar2->position = m_contentPanel->altPosition + Vector3{30.0f, 0.0f, 0.0f};
  m_scrollBar2->PlaceEndCaps();
  m_scrollBar2->SetLength(ScreenBoxOf(*m_contentPanel).Height() - 100.0f);
  BuildTokensPlate();
  BuildStatsTab();
  LoadMenuFile(MenuFilePath);
}

MenuPause::~MenuPause() = default;

void MenuPause::Enter() {
  // Back from the button configuration: the Settings tab as it was left.
  if (set && set->menuController && set->previous == set->menuController) return;
  if (m_fontArc64pt) m_fontArc64pt->spacing = GlyphSpacing;
  if (m_fontArc17pt) m_fontArc17pt->spacing = GlyphSpacing;
  BuildStatsTab();
}

const Controls* MenuPause::PlayerControls() const {
  return m_player ? m_player->controls : nullptr;
}

void MenuPause::HandleInput(float) {
  const Controls* controls = PlayerControls();
  if (!controls) {
    if (GameControls && AnyInputWentDown(*GameControls)) Resume();
    return;
  }
  if (controls->IsBackPressed(controls->activePad) ||
      controls->IsStartPressed(controls->activePad)) {
    Resume();
    return;
  }
  switch (m_tabIndex) {
    case TabInventory:
      HandleInventoryInput();
      break;
    case TabEncyclopedia:
      HandleEncyclopediaInput();
      break;
    case TabSettings:
      HandleSettingsInput();
      break;
    case TabStatistics:
      HandleStatisticsInput();
      break;
    default:
      HandleStatsInput();
      break;
  }
}

void MenuPause::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
}

void MenuPause::Resume() { ReturnToPlay(); }

void MenuPause::PlaceOver(Quad& moved, const Quad& target) {
  moved.SetAltPosition(target.altPosition);
  moved.SetDimensions(target.width, target.height, target.depth);
}

bool MenuPause::StatisticsPagesInRing() const {
  return DebugSwitchOn(set, TogglePlayerStatsInPauseMenu);
}

void MenuPause::OpenTabBeforeStats() {
  if (StatisticsPagesInRing()) {
    m_tabIndex = TabStatistics;
  } else {
    BuildSettingsTab();
  }
}

void MenuPause::OpenTabAfterSettings() {
  if (StatisticsPagesInRing()) {
    m_tabIndex = TabStatistics;
  } else {
    BuildStatsTab();
  }
}

void MenuPause::Draw() {
  switch (m_tabIndex) {
    case TabInventory:
      DrawInventoryTab();
      break;
    case TabEncyclopedia:
      DrawEncyclopediaTab();
      break;
    case TabSettings:
      DrawSettingsTab();
      break;
    case TabStatistics:
      DrawStatistics();
      break;
    default:
      DrawStatsTab();
      break;
  }
}

void MenuPause::DrawCommonFrame(int openTab, const std::string& title) {
  if (m_world) m_world->Draw();
  m_backdrop.DrawScreen();
  if (SpriteRenderer) SpriteRenderer->Begin();
  m_window.DrawScreen();
  for (Sprite* piece : {m_titlePlate.get(), m_footerMiddle.get(), m_footerRight.get(),
                        m_tabRowLeft.get(), m_tabRowRight.get(), m_contentPanel.get()}) {
    piece->DrawScreen();
  }
  if (openTab >= 0 && openTab < StripTabCount) m_tabs.open.DrawScreen();
  m_tabs.DrawClosedTabs(openTab);
  DrawTokens();
  m_tabs.DrawTitle(m_fontArc64pt, openTab, title);
}

void MenuPause::DrawTokens() {
  m_tokensPlate.DrawScreen();
  m_tokenIcon->DrawScreen();
  if (!m_fontArc17pt) return;
  m_fontArc17pt->color = ColorWhite;
  const ScreenBox plate = ScreenBoxOf(m_tokensPlate);
  const float y = m_tokensPlate.altPosition.y + TokensTextDrop;
  m_fontArc17pt->DrawString("Tokens:", {plate.left + TokensLabelInset, y, 0.0f}, FontAlignCenter,
                            FontAlignStart);
  if (!m_player) return;
  m_fontArc17pt->DrawString(FloatToString(m_player->Tokens()),
                            {plate.right - TokensCountInset, y, 0.0f}, FontAlignCenter,
                            FontAlignEnd);
}
