#include <algorithm>

#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "engine/Controls.h"
#include "engine/draw/ScreenBox.h"
#include "menus/pause/MenuPause.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const char* EncyclopediaTitle = "Encyclopedia";
// The page panel's right edge stands 15 pixels in from the content's right edge.
constexpr float PagePanelInset = 15.0f;

// Copies of the records whose names the player knows, in the records' order.
void CopyKnown(const std::vector<Object>& records, std::vector<Object>& shown, const Player* player,
               bool (Player::*knows)(std::string) const) {
  shown.clear();
  if (!player) return;
  for (const Object& record : records) {
    if ((player->*knows)(record.name)) shown.push_back(record);
  }
}

// Copies of the prototypes' records, one for each name the player holds that a prototype
// bears, in the player's order.
template <typename Resources, typename Prototype>
void CopyFound(const std::vector<std::string>* names, const Resources* resources,
               int (*find)(const Resources&, const std::string&),
               Prototype* (Resources::*prototypeOf)(int) const, std::vector<Object>& shown) {
  shown.clear();
  if (!names || !resources) return;
  for (const std::string& name : *names) {
    if (const Prototype* prototype = (resources->*prototypeOf)(find(*resources, name))) {
      shown.push_back(static_cast<const Object&>(*prototype));
    }
  }
}

}  // namespace

void MenuPause::BuildEncyclopediaTab() {
  m_tabIndex = TabEncyclopedia;
  m_encyclopediaFocus = 0;
  m_encyclopediaSubTab = 0;
  LayoutTabStrip(TabEncyclopedia, EncyclopediaTitle);
  PlaceSideAndListPanels();
  m_sideHighlight->SetAltPosition(FirstRowCenter(m_sidePanel.group));
  LayoutSidePanel(EncyclopediaSubTabCount);
  BuildEncyclopediaList(0);
}

void MenuPause::BuildEncyclopediaList(int subTab) {
  struct SubTab {
    void (MenuPause::*collect)();
    std::vector<Object> MenuPause::*shown;
  };
  static constexpr SubTab SubTabs[EncyclopediaSubTabCount] = {
      {&MenuPause::CollectKnownSkills, &MenuPause::m_shownSkills},
      {&MenuPause::CollectKnownJournalEntries, &MenuPause::m_shownJournal},
      {&MenuPause::CollectKnownTerms, &MenuPause::m_shownTerms},
      {&MenuPause::CollectMetPeople, &MenuPause::m_shownPeople},
      {&MenuPause::CollectKnownEnemies, &MenuPause::m_shownBestiary}};
  m_encyclopediaFocus = 0;
  m_encyclopediaSubTab = std::clamp(subTab, 0, EncyclopediaSubTabCount - 1);
  const SubTab& open = SubTabs[m_encyclopediaSubTab];
  (this->*open.collect)();
  ListEntries(this->*open.shown);
  const auto count = static_cast<uint32_t>(m_listRows.size());
  LayoutListPanel(static_cast<int>(count));
  ShowListFrom(0);
  PlaceSideAndListPanels();
  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const Vector3 page{
      content.right - PagePanelInset - ScreenBoxOf(*m_itemPage.detailsBody).Width() / 2,
      m_contentPanel->altPosition.y, 0.0f};
  m_itemPage.entryPanel.SetAltPosition(page);
  m_itemPage.detailsPanel.SetAltPosition(page);
  m_listHighlight->SetAltPosition(FirstRowCenter(m_listPanel.group));
  AttachScrollBarRightOfSidePanel(count);
  PlaceSelectionArrow(*m_listHighlight);
}

void MenuPause::CollectKnownSkills() {
  CopyKnown(m_skills, m_shownSkills, m_player, &Player::HasSkill);
}

void MenuPause::CollectKnownTerms() {
  CopyKnown(m_terms, m_shownTerms, m_player, &Player::HasTerm);
}

void MenuPause::CollectKnownJournalEntries() {
  m_shownJournal.clear();
  if (!m_player) return;
  for (const JournalEntry& entry : m_journalEntries) {
    if (!m_player->HasJournalEntry(entry.title)) continue;
    // The pages held, in page order, with nothing between them.
    std::string text;
    for (size_t page = 0; page < entry.pages.size(); ++page) {
      if (m_player->HasJournalPage(entry.title, static_cast<int32_t>(page))) {
        text += entry.pages[page].description;
      }
    }
    Object& record = m_shownJournal.emplace_back(entry.title);
    record.SetDescription(std::move(text));
    // A journal record shows no statistics.
    record.stats.reset();
  }
}

void MenuPause::CollectMetPeople() {
  CopyFound(m_player ? &m_player->people : nullptr, m_world ? m_world->npcResources.get() : nullptr,
            +[](const NPCResources& people, const std::string& name) { return people.FindByName(name); },
            &NPCResources::GetPrototype, m_shownPeople);
}

void MenuPause::CollectKnownEnemies() {
  CopyFound(m_player ? &m_player->bestiary : nullptr,
            m_world ? m_world->enemyResources.get() : nullptr, &Enemy::FindKindByName,
            &EnemyResources::GetPrototype, m_shownBestiary);
}

void MenuPause::HandleEncyclopediaInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildInventoryTab();
  } else if (c.IsRightShoulderPressed()) {
    BuildSettingsTab();
  } else if (m_encyclopediaFocus == 0) {
    if (c.IsMenuDownPressed(c.activePad)) {
      NextEncyclopediaSubTab();
    } else if (c.IsMenuUpPressed()) {
      PreviousEncyclopediaSubTab();
    } else if (c.IsConfirmPressed()) {
      EnterEncyclopediaList();
    } else if (c.IsCancelPressed()) {
      Resume();
    }
  } else if (m_encyclopediaFocus >= 1 && m_encyclopediaFocus <= EncyclopediaSubTabCount) {
    // Inside a list the bound move keys step the cursor.
    if (c.IsDownPressed()) {
      EncyclopediaCursorDown();
    } else if (c.IsUpPressed(c.activePad)) {
      EncyclopediaCursorUp();
    } else if (c.IsCancelPressed()) {
      m_encyclopediaSubTab = m_encyclopediaFocus - 1;
      m_encyclopediaFocus = 0;
    }
  }
}

void MenuPause::NextEncyclopediaSubTab() {
  SwitchEncyclopediaSubTab((m_encyclopediaSubTab + 1) % EncyclopediaSubTabCount);
}

void MenuPause::PreviousEncyclopediaSubTab() {
  SwitchEncyclopediaSubTab((m_encyclopediaSubTab + EncyclopediaSubTabCount - 1) %
                           EncyclopediaSubTabCount);
}

void MenuPause::SwitchEncyclopediaSubTab(int subTab) {
  BuildEncyclopediaList(subTab);
  const Vector3 first = FirstRowCenter(m_sidePanel.group);
  m_sideHighlight->SetAltPosition(
      {first.x, first.y + RowPitch(m_sidePanel.group) * static_cast<float>(m_encyclopediaSubTab),
       0.0f});
  PlaceSelectionArrow(*m_sideHighlight);
}

void MenuPause::EnterEncyclopediaList() {
  m_listCursor = 0;
  ShowListFrom(0);
  m_scrollBar->SetValue(0.0f);
  const bool known = m_encyclopediaSubTab >= 1 && m_encyclopediaSubTab < EncyclopediaSubTabCount;
  if (!known) m_encyclopediaSubTab = 0;
  m_encyclopediaFocus = m_encyclopediaSubTab + 1;
  m_listHighlight->SetAltPosition(FirstRowCenter(m_listPanel.group));
  PlaceSelectionArrow(*m_listHighlight);
}

void MenuPause::EncyclopediaCursorDown() { ListCursorDown(*m_listHighlight, m_listPanel.group); }

void MenuPause::EncyclopediaCursorUp() { ListCursorUp(*m_listHighlight, m_listPanel.group); }
