#include "menus/pause/EncyclopediaTab.h"

#include <algorithm>

#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "engine/Controls.h"
#include "engine/draw/ScreenBox.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;

namespace {

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

std::optional<platform::PixelRect> EncyclopediaTab::Icon() const {
  return PauseMenuCells::EncyclopediaIcon;
}

void EncyclopediaTab::Build() {
  m_focus = 0;
  m_subTab = 0;
  menu.PlaceSideAndListPanels();
  menu.GetSideHighlight().SetAltPosition(MenuPause::FirstRowCenter(menu.GetSidePanel().group));
  menu.LayoutSidePanel(SubTabCount);
  BuildList(0);
}

void EncyclopediaTab::BuildList(int subTab) {
  struct SubTab {
    void (EncyclopediaTab::*collect)();
    std::vector<Object> EncyclopediaTab::*shown;
  };
  static constexpr SubTab SubTabs[SubTabCount] = {
      {&EncyclopediaTab::CollectKnownSkills, &EncyclopediaTab::m_shownSkills},
      {&EncyclopediaTab::CollectKnownJournalEntries, &EncyclopediaTab::m_shownJournal},
      {&EncyclopediaTab::CollectKnownTerms, &EncyclopediaTab::m_shownTerms},
      {&EncyclopediaTab::CollectMetPeople, &EncyclopediaTab::m_shownPeople},
      {&EncyclopediaTab::CollectKnownEnemies, &EncyclopediaTab::m_shownBestiary}};
  m_focus = 0;
  m_subTab = std::clamp(subTab, 0, SubTabCount - 1);
  const SubTab& open = SubTabs[m_subTab];
  (this->*open.collect)();
  menu.ListEntries(this->*open.shown);
  const auto count = static_cast<uint32_t>(menu.GetListRows().size());
  menu.LayoutListPanel(static_cast<int>(count));
  menu.PlaceSideAndListPanels();
  ItemPage& page = Page();
  const Vector3 at = page.CentreIn(*menu.GetWindow().content);
  page.entryPanel.SetAltPosition(at);
  page.detailsPanel.SetAltPosition(at);
  menu.AttachScrollBarRightOfSidePanel(count);
  menu.HighlightFirstListRow();
}

void EncyclopediaTab::CollectKnownSkills() {
  CopyKnown(menu.GetSkills(), m_shownSkills, menu.GetPlayer(), &Player::HasSkill);
}

void EncyclopediaTab::CollectKnownTerms() {
  CopyKnown(menu.GetTerms(), m_shownTerms, menu.GetPlayer(), &Player::HasTerm);
}

void EncyclopediaTab::CollectKnownJournalEntries() {
  m_shownJournal.clear();
  const Player* player = menu.GetPlayer();
  if (!player) return;
  for (const MenuPause::JournalEntry& entry : menu.GetJournalEntries()) {
    if (!player->HasJournalEntry(entry.title)) continue;
    // The pages held, in page order, with nothing between them.
    std::string text;
    for (size_t page = 0; page < entry.pages.size(); ++page) {
      if (player->HasJournalPage(entry.title, static_cast<int32_t>(page))) {
        text += entry.pages[page].description;
      }
    }
    Object& record = m_shownJournal.emplace_back(entry.title);
    record.SetDescription(std::move(text));
    // A journal record shows no statistics.
    record.stats.reset();
  }
}

void EncyclopediaTab::CollectMetPeople() {
  const Player* player = menu.GetPlayer();
  const World* world = menu.GetWorld();
  CopyFound(
      player ? &player->people : nullptr, world ? world->npcResources.get() : nullptr,
      +[](const NPCResources& people, const std::string& name) { return people.FindByName(name); },
      &NPCResources::GetPrototype, m_shownPeople);
}

void EncyclopediaTab::CollectKnownEnemies() {
  const Player* player = menu.GetPlayer();
  const World* world = menu.GetWorld();
  CopyFound(player ? &player->bestiary : nullptr, world ? world->enemyResources.get() : nullptr,
            &Enemy::FindKindByName, &EnemyResources::GetPrototype, m_shownBestiary);
}

void EncyclopediaTab::HandleInput(const Controls& c) {
  if (m_focus == 0) {
    if (c.IsMenuDownPressed(c.activePad)) {
      NextSubTab();
    } else if (c.IsMenuUpPressed()) {
      PreviousSubTab();
    } else if (c.IsConfirmPressed()) {
      EnterList();
    } else if (c.IsCancelPressed()) {
      menu.Resume();
    }
  } else if (m_focus >= 1 && m_focus <= SubTabCount) {
    // Inside a list the bound move keys step the cursor.
    if (c.IsDownPressed()) {
      CursorDown();
    } else if (c.IsUpPressed(c.activePad)) {
      CursorUp();
    } else if (c.IsCancelPressed()) {
      m_subTab = m_focus - 1;
      m_focus = 0;
    }
  }
}

void EncyclopediaTab::NextSubTab() { SwitchSubTab((m_subTab + 1) % SubTabCount); }

void EncyclopediaTab::PreviousSubTab() { SwitchSubTab((m_subTab + SubTabCount - 1) % SubTabCount); }

void EncyclopediaTab::SwitchSubTab(int subTab) {
  BuildList(subTab);
  const ShapeList& column = menu.GetSidePanel().group;
  const Vector3 first = MenuPause::FirstRowCenter(column);
  Sprite& highlight = menu.GetSideHighlight();
  highlight.SetAltPosition(
      {first.x, first.y + MenuPause::RowPitch(column) * static_cast<float>(m_subTab), 0.0f});
  menu.PlaceSelectionArrow(highlight);
}

void EncyclopediaTab::EnterList() {
  menu.StartListAtTop();
  const bool known = m_subTab >= 1 && m_subTab < SubTabCount;
  if (!known) m_subTab = 0;
  m_focus = m_subTab + 1;
  menu.HighlightFirstListRow();
}

void EncyclopediaTab::CursorDown() {
  menu.ListCursorDown(menu.GetListHighlight(), menu.GetListPanel().group);
}

void EncyclopediaTab::CursorUp() {
  menu.ListCursorUp(menu.GetListHighlight(), menu.GetListPanel().group);
}
