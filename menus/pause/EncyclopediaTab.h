#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "items/Object.h"
#include "menus/pause/PauseTab.h"

// The Encyclopedia tab: five sub-tabs in the side column (Skillset, Journal, Terms, People,
// Bestiary), each listing what the player knows of its kind, and the entry under the cursor on
// the page beside the list.
class EncyclopediaTab : public PauseTab {
 public:
  static constexpr int SubTabCount = 5;

  using PauseTab::PauseTab;

  const char* Title() const override { return "Encyclopedia"; }
  std::optional<platform::PixelRect> Icon() const override;
  // The Skillset sub-tab with the focus on the column.
  void Build() override;
  void HandleInput(const Controls& controls) override;
  void Draw() override;

  // Every key placeholder of a skill text ("[left]", "[right]", "[down]", "[jump]", "[dash]")
  // becomes the name of the key bound to it, in brackets; a key without a name gives "[]".
  static std::string WithKeyHints(std::string text, const Controls& controls);

  // 0 the column has the focus, 1 to 5 the list of that sub-tab.
  int32_t GetFocus() const { return m_focus; }
  int32_t GetSubTab() const { return m_subTab; }
  const std::vector<Object>& GetShownJournal() const { return m_shownJournal; }

 private:
  // Opens sub-tab 0 to 4 with the focus on the column, its list rebuilt from what the player
  // knows now.
  void BuildList(int subTab);
  void NextSubTab();
  void PreviousSubTab();
  // The sub-tab opened, its row of the column highlighted.
  void SwitchSubTab(int subTab);
  void EnterList();
  void CursorDown();
  void CursorUp();
  void CollectKnownSkills();
  void CollectKnownJournalEntries();
  void CollectKnownTerms();
  void CollectMetPeople();
  void CollectKnownEnemies();
  // The selected skill, journal entry or term: its name in the header strip and its text, the
  // skill texts with the player's keys in place of their placeholders.
  void DrawEntryText(const Object& entry, bool withKeyHints);
  void DrawPersonDetails(const Object& person);
  void DrawEnemyDetails(const Object& enemy);

  int32_t m_focus = 0;
  int32_t m_subTab = 0;
  // What each sub-tab shows of the menu file's records and of the characters and enemies met;
  // copies share their source's statistics.
  std::vector<Object> m_shownSkills;
  std::vector<Object> m_shownJournal;
  std::vector<Object> m_shownTerms;
  std::vector<Object> m_shownPeople;
  std::vector<Object> m_shownBestiary;
};
