#include "menus/pause/MenuPause.h"

#include "engine/BitmapFonts.h"
#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/MusicTrack.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "menus/MenuController.h"
#include "menus/MenuTitle.h"
#include "menus/pause/EncyclopediaTab.h"
#include "menus/pause/InventoryTab.h"
#include "menus/pause/PauseMenuCells.h"
#include "menus/pause/PauseTab.h"
#include "menus/pause/SettingsTab.h"
#include "menus/pause/StatisticsPages.h"
#include "menus/pause/StatsTab.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerState.h"
#include "world/World.h"

using platform::Vector3;

namespace {

// The tokens line: the label in from the plate's left edge, the count ending just left of the
// coin, both a little below the plate's middle.
constexpr float TokensLabelInset = 28.0f;
constexpr float TokensCountInset = 42.0f;
constexpr float TokensTextDrop = 3.0f;

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
      m_window(owner, PauseMenuCells::ContentPanel, {PauseMenuCells::FooterLeft}),
      m_itemPage(m_window.atlas, m_window.largeFont),
      m_ring(MakeRing(*this)),
      m_tabs(m_window.atlas, StripCells(m_ring)),
      m_sidePanel(m_window.atlas, PauseMenuCells::ListHeader, PauseMenuCells::ListRow,
                  PauseMenuCells::PanelFill, WindowRows, ListFiller,
                  ListPanel::Overlay::RowsAndFiller),
      m_listPanel(m_window.atlas, PauseMenuCells::ListHeader, PauseMenuCells::ListRow,
                  PauseMenuCells::PanelFill, WindowRows, ListFiller,
                  ListPanel::Overlay::RowsAndFiller) {
  MainCamera = camera;
  m_player = world ? world->GetFirstPlayer() : nullptr;
  BuildTitlePlate();
  LayoutSidePanel(WindowRows);
  LayoutListPanel(WindowRows);
  PlaceItemPagePanels();
  BuildMarkers();
  BuildSpareTabIcons();
  const Sprite& content = *m_window.content;
  m_scrollBar = std::make_unique<ScrollBar>(m_window.atlas, 0.0f, 500.0f, 0.0f, content.altPosition,
                                            ScreenBoxOf(content).Height() - 100.0f);
  m_scrollBar2 = std::make_unique<ScrollBar>(m_window.atlas);
  m_scrollBar2->SetMinimum(0.0f);
  m_scrollBar2->SetMaximum(500.0f);
  m_scrollBar2->SetValue(0.0f);
  m_scrollBar2->position = content.altPosition + Vector3{30.0f, 0.0f, 0.0f};
  m_scrollBar2->PlaceEndCaps();
  m_scrollBar2->SetLength(ScreenBoxOf(content).Height() - 100.0f);
  BuildTokensPlate();
  OpenTab(TabStats);
  LoadMenuFile(MenuFilePath);
}

MenuPause::~MenuPause() = default;

// The ring's order is the order of the Tab places.
MenuPause::Ring MenuPause::MakeRing(MenuPause& menu) {
  Ring ring;
  ring[TabStats] = std::make_unique<StatsTab>(menu);
  ring[TabInventory] = std::make_unique<InventoryTab>(menu);
  ring[TabEncyclopedia] = std::make_unique<EncyclopediaTab>(menu);
  ring[TabSettings] = std::make_unique<SettingsTab>(menu);
  ring[TabStatistics] = std::make_unique<StatisticsPages>(menu);
  return ring;
}

TabStrip::Cells MenuPause::StripCells(const Ring& ring) {
  TabStrip::Cells cells{PauseMenuCells::TabBack,
                        {},
                        PauseMenuCells::TabOpenLeft,
                        PauseMenuCells::TabOpenMiddle,
                        PauseMenuCells::TabOpenRight};
  for (const std::unique_ptr<PauseTab>& tab : ring) {
    if (const auto icon = tab->Icon()) cells.icons.push_back(*icon);
  }
  return cells;
}

int MenuPause::StripPlace(int tab) const {
  if (!m_ring[tab]->Icon()) return -1;
  int place = 0;
  for (int before = 0; before < tab; ++before) {
    if (m_ring[before]->Icon()) ++place;
  }
  return place;
}

MenuPause::Tab MenuPause::TabBeside(int step) const {
  int tab = m_tabIndex;
  do {
    tab = (tab + step + TabCount) % TabCount;
  } while (!m_ring[tab]->InRing());
  return static_cast<Tab>(tab);
}

void MenuPause::OpenTab(Tab tab) {
  m_tabIndex = tab;
  PauseTab& open = *m_ring[tab];
  const int place = StripPlace(tab);
  if (place >= 0) LayoutTabStrip(place, open.Title());
  open.Build();
}

void MenuPause::Enter() {
  // Back from the button configuration: the Settings tab as it was left.
  if (set && set->menuController && set->previous == set->menuController) return;
  m_window.ResetGlyphSpacing();
  OpenTab(TabStats);
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
  const Controls& c = *controls;
  if (c.IsBackPressed(c.activePad) || c.IsStartPressed(c.activePad)) {
    Resume();
  } else if (c.IsLeftTriggerPressed(c.activePad)) {
    OpenTab(TabBeside(-1));
  } else if (c.IsRightShoulderPressed()) {
    OpenTab(TabBeside(1));
  } else {
    m_ring[m_tabIndex]->HandleInput(c);
  }
}

void MenuPause::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
}

void MenuPause::Resume() { ReturnToPlay(); }

void MenuPause::QuitToTitle() {
  if (!set || !set->menuTitle) return;
  // The next game starts at full volume, not at the pause menu's.
  RestoreMusicVolume();
  set->SwitchTo(set->menuTitle);
  if (m_world) m_world->ClearLevel();
}

void MenuPause::RefreshMovementLimits() {
  if (PlayerState* state = m_player->CurrentState()) state->SetMovementLimits();
}

void MenuPause::Draw() {
  PauseTab& open = *m_ring[m_tabIndex];
  const int place = StripPlace(m_tabIndex);
  if (place < 0) {
    open.Draw();
    return;
  }
  DrawCommonFrame(place, open.Title());
  open.Draw();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuPause::DrawCommonFrame(int openPlace, const std::string& title) {
  m_window.DrawBehind(m_world);
  for (Sprite* piece : {m_titlePlate.get(), m_window.footers[MenuWindow::SelectFooter].get(),
                        m_window.footers[MenuWindow::BackFooter].get(), m_window.tabRowLeft.get(),
                        m_window.tabRowRight.get(), m_window.content.get()}) {
    piece->DrawScreen();
  }
  m_tabs.open.DrawScreen();
  m_tabs.DrawClosedTabs(openPlace);
  DrawTokens();
  m_tabs.DrawTitle(m_window.largeFont, openPlace, title);
}

void MenuPause::DrawTokens() {
  m_tokensPlate.DrawScreen();
  m_tokenIcon->DrawScreen();
  Font* small = m_window.smallFont;
  if (!small) return;
  small->color = ColorWhite;
  const ScreenBox plate = ScreenBoxOf(m_tokensPlate);
  const float y = m_tokensPlate.altPosition.y + TokensTextDrop;
  small->DrawString("Tokens:", {plate.left + TokensLabelInset, y, 0.0f}, FontAlignCenter,
                    FontAlignStart);
  if (!m_player) return;
  small->DrawString(FloatToString(m_player->Tokens()), {plate.right - TokensCountInset, y, 0.0f},
                    FontAlignCenter, FontAlignEnd);
}
