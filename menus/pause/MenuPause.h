#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "items/Item.h"
#include "menus/ItemPage.h"
#include "menus/ListPanel.h"
#include "menus/Menu.h"
#include "menus/ScrollBar.h"
#include "menus/TabStrip.h"
#include "platform/MathTypes.h"
#include "platform/TextFont.h"
#include "world/PauseScreen.h"

class Actor;
struct ScreenBox;
class Camera;
class Controls;
class Font;
class Object;
class Player;
class Texture;
class World;

// The pause screen: play frozen behind a window of tabs in a ring (Stats, Inventory,
// Encyclopedia, Settings, and the statistics pages while the debug menu asks for them). Every
// shape is made once by the constructor; tab changes and list moves only move, rescale and
// regroup them.
class MenuPause : public Menu, public PauseScreen {
 public:
  enum Tab : int32_t {
    TabStats = 0,
    TabInventory = 1,
    TabEncyclopedia = 2,
    TabSettings = 3,
    TabStatistics = 4,
  };
  // The tabs of the strip; the statistics pages have none.
  static constexpr int StripTabCount = 4;
  // Skillset, Journal, Terms, People, Bestiary.
  static constexpr int EncyclopediaSubTabCount = 5;
  // Button Configuration, an empty row, Quit to Title, Quit Game.
  enum SettingsRow : int32_t {
    SettingsButtonConfiguration = 0,
    SettingsQuitToTitle = 2,
    SettingsQuitGame = 3,
  };
  static constexpr int SlotRowCount = 5;
  static constexpr int CategoryCount = 10;
  static constexpr uint32_t WindowRows = 16;
  // The five body positions of the slot rows, as labelled.
  static constexpr std::array<const char*, SlotRowCount> SlotNames{"Weapon", "Headgear", "Armor",
                                                                   "Gauntlet", "Boots"};
  // The 64-point font's scales: names and page texts.
  static constexpr float NameScale = 0.38f;
  static constexpr float PageTextScale = 0.21875f;
  static constexpr const char* MenuFilePath = "Content\\Menu.rff";

  // A journal entry of the menu text file: its title and its pages, numbered from 0.
  struct JournalEntry {
    std::string title;
    std::vector<Object> pages;
  };

  // One line of the statistics pages: its place (page 1 or 2, column 0 to 3, row from 1), its
  // label and the gained statistic it shows, or the tokens.
  static constexpr int TokensLine = -1;
  struct StatisticsLine {
    int page;
    int column;
    int row;
    std::string label;
    int stat;
  };
  // Every line of both pages, page by page and column by column.
  static const std::vector<StatisticsLine>& StatisticsLines();

  MenuPause(GameStateSet* set, Camera* camera, World* world);
  ~MenuPause() override;

  // From play: the Stats tab, cursors at 0. Back from the controller menu: as it was left.
  void Enter() override;
  void PausedBy(Player& player) override { m_player = &player; }
  // Back and start resume from every tab; otherwise the open tab's input step.
  void HandleInput(float dt) override;
  // Only the music is fed: the world stays frozen.
  void Update(float dt) override;
  void Draw() override;

  // Back to play at full volume.
  void Resume();
  // The moved quad takes the target's screen position and size.
  static void PlaceOver(Quad& moved, const Quad& target);
  void DrawTokens();

  // Layout.
  void LayoutSidePanel(int rowCount);
  void LayoutListPanel(int rowCount);
  void LayoutSlotListPanel(int rowCount);
  void LayoutTabStrip(int openTab, const std::string& title);
  void PlaceSelectionArrow(const Sprite& highlight);

  // The shared list.
  void ListHeldItems();
  // Equipment, rune, expendable or key-item lists alike: the items held at least once, and the
  // "Empty" placeholder whatever its quantity.
  template <typename ItemType>
  void ListItems(const std::vector<ItemType*>& items) {
    m_listRows.clear();
    for (ItemType* item : items) {
      if (item->quantity >= 1 || item->name == EmptyItemName) m_listRows.push_back(item);
    }
    ShowListFrom(0);
  }
  void ListEntries(std::vector<Object>& records);
  void ShowListFrom(uint32_t index);
  void AttachScrollBarRightOfSlotList(uint32_t rowCount);
  void AttachScrollBarLeftOfSlotList(uint32_t rowCount);
  void AttachScrollBarRightOfSidePanel(uint32_t rowCount);
  // The move rule with the tab's highlight; the panel's height gives the step.
  void ListCursorDown(Sprite& highlight, const ShapeList& panel);
  void ListCursorUp(Sprite& highlight, const ShapeList& panel);
  // The centre of a list panel's first row, at the panel's x, and the distance between rows.
  static platform::Vector3 FirstRowCenter(const ShapeList& panel);
  static float RowPitch(const ShapeList& panel);
  // The row under the cursor, null when there is none.
  Object* SelectedRow() const;
  // The entry as an item when it carries the item tag, else null.
  static const Item* AsItem(const Object* entry) {
    return entry && entry->tag == ItemTag ? static_cast<const Item*>(entry) : nullptr;
  }

  // Stats tab.
  void BuildStatsTab();
  void HandleStatsInput();
  void SelectRuneColumn();
  void SelectEquipmentColumn();
  void NextStatsSlot();
  void PreviousStatsSlot();
  void OpenStatsItemList();
  void StatsListCursorDown();
  void StatsListCursorUp();
  void EquipSelectedItem();
  void DrawStatsTab();
  void DrawStatsColumnTexts(int column);
  void DrawSlotNames();
  void DrawInventoryItemDetail();

  // The page beside the lists.
  void DrawItemPage(const Object* entry);
  void DrawListTexts(float width, float height, const platform::Vector3& topLeft);
  // The player's statistics under their heading on the item page, an enemy's on the entry
  // panel.
  void DrawMainStats(const Actor& actor);
  void DrawDescriptionAt(const Object& object, const platform::Vector3& point);
  void DrawItemTitle(const Item& item);
  void DrawEquippablePage(const Item& item);
  void DrawEquipmentPage(const Item& item);
  void DrawRuneDescription(const Item& rune);
  void DrawKeyItemDescription(const Item& item);
  void DrawProficiencies();

  // Inventory tab.
  void BuildInventoryTab();
  void HandleInventoryInput();
  void DrawInventoryTab();
  void FocusInventoryList();
  void InventoryCursorDown();
  void InventoryCursorUp();
  void EquipFromInventory();
  void NextInventoryCategory();
  void PreviousInventoryCategory();

  // The menu text file. A file that cannot be read leaves the three lists empty; reading
  // again replaces what they held.
  void LoadMenuFile(std::string path);
  // The whole file from a stream: the header line, then the three sections.
  void LoadMenuText(std::istream& in);
  void ReadSkills(std::istream& in);
  void ReadJournal(std::istream& in);
  void ReadTerms(std::istream& in);

  // Encyclopedia tab.
  void BuildEncyclopediaTab();
  // Opens sub-tab 0 to 4 with the focus on the column, its list rebuilt from what the player
  // knows now.
  void BuildEncyclopediaList(int subTab);
  void HandleEncyclopediaInput();
  void NextEncyclopediaSubTab();
  void PreviousEncyclopediaSubTab();
  void EnterEncyclopediaList();
  void EncyclopediaCursorDown();
  void EncyclopediaCursorUp();
  void CollectKnownSkills();
  void CollectKnownJournalEntries();
  void CollectKnownTerms();
  void CollectMetPeople();
  void CollectKnownEnemies();
  void DrawEncyclopediaTab();
  void DrawEncyclopediaColumn();
  // Every key placeholder of a skill text ("[left]", "[right]", "[down]", "[jump]", "[dash]")
  // becomes the name of the key bound to it, in brackets; a key without a name gives "[]".
  static std::string WithKeyHints(std::string text, const Controls& controls);
  // The selected skill, journal entry or term: its name in the header strip and its text, the
  // skill texts with the player's keys in place of their placeholders.
  void DrawEntryText(const Object& entry, bool withKeyHints);
  void DrawPersonDetails(const Object& person);
  void DrawEnemyDetails(const Object& enemy);

  // Settings tab.
  void BuildSettingsTab();
  void HandleSettingsInput();
  void SettingsCursorDown();
  void SettingsCursorUp();
  void ActivateSettingsEntry();
  void DrawSettingsTab();

  // Statistics pages.
  void HandleStatisticsInput();
  void DrawStatistics();
  void DrawStatisticsPage(int page);

  // The World sets the pausing player before each opening.
  void SetPlayer(Player* player) { m_player = player; }

  // What the menu holds and shows, read-only.
  const Player* GetPlayer() const { return m_player; }
  int32_t GetTabIndex() const { return m_tabIndex; }
  const std::vector<Object*>& GetListRows() const { return m_listRows; }
  const std::vector<Object*>& GetVisibleRows() const { return m_visibleRows; }
  uint32_t GetListCursor() const { return m_listCursor; }
  uint32_t GetListTop() const { return m_listTop; }
  int32_t GetStatsFocus() const { return m_statsFocus; }
  int32_t GetStatsColumn() const { return m_statsColumn; }
  int32_t GetStatsRow() const { return m_statsRow; }
  int32_t GetInventoryMode() const { return m_inventoryMode; }
  int32_t GetInventoryCategory() const { return m_inventoryCategory; }
  int32_t GetEncyclopediaFocus() const { return m_encyclopediaFocus; }
  int32_t GetEncyclopediaSubTab() const { return m_encyclopediaSubTab; }
  int32_t GetSettingsCursor() const { return m_settingsCursor; }
  int32_t GetStatisticsPage() const { return m_statisticsPage; }
  const Quad* GetSelectedButton() const { return m_selectedButton; }
  const std::vector<Object>& GetSkills() const { return m_skills; }
  const std::vector<JournalEntry>& GetJournalEntries() const { return m_journalEntries; }
  const std::vector<Object>& GetTerms() const { return m_terms; }
  const std::vector<Object>& GetShownJournal() const { return m_shownJournal; }
  // Where the menu's pieces stand.
  const ItemPage& GetItemPage() const { return m_itemPage; }
  const TabStrip& GetTabs() const { return m_tabs; }
  const ScrollBar& GetScrollBar() const { return *m_scrollBar; }
  const ListPanel& GetSidePanel() const { return m_sidePanel; }
  const ListPanel& GetListPanel() const { return m_listPanel; }
  const Sprite& GetSideHighlight() const { return *m_sideHighlight; }
  const Sprite& GetListHighlight() const { return *m_listHighlight; }
  const Sprite& GetSettingsHighlight() const { return *m_settingsHighlight; }
  const ShapeList& GetWindow() const { return m_window; }
  const Sprite& GetTitlePlate() const { return *m_titlePlate; }
  const Sprite& GetFooterLeft() const { return *m_footerLeft; }
  const Sprite& GetFooterMiddle() const { return *m_footerMiddle; }
  const Sprite& GetFooterRight() const { return *m_footerRight; }
  const Sprite& GetTabRowLeft() const { return *m_tabRowLeft; }
  const Sprite& GetTabRowRight() const { return *m_tabRowRight; }
  const Sprite& GetContentPanel() const { return *m_contentPanel; }
  const ShapeList& GetTokensPlate() const { return m_tokensPlate; }
  const Sprite& GetTokensPlateLeft() const { return *m_tokensPlateLeft; }
  const Sprite& GetTokensPlateMiddle() const { return *m_tokensPlateMiddle; }
  const Sprite& GetTokensPlateRight() const { return *m_tokensPlateRight; }
  const Sprite& GetTokenIcon() const { return *m_tokenIcon; }
  const Quad& GetResumeButton() const { return m_resumeButton; }
  const Quad& GetQuitButton() const { return m_quitButton; }
  const Quad& GetButtonHighlight() const { return m_buttonHighlight; }
  const ShapeList& GetEquipmentColumn() const { return m_equipmentColumn; }
  const ShapeList& GetRuneColumn() const { return m_runeColumn; }
  const Sprite& GetSlotMarker() const { return *m_slotMarker; }

 private:
  // Construction of every shape with its place.
  void BuildStatisticsQuads();
  void BuildFrame();
  void BuildSlotColumns();
  void PlaceItemPagePanels();
  void BuildMarkersAndPictures();
  void BuildSpareTabIcons();
  void BuildTokensPlate();

  // The frozen world, the backdrop, the window, the tab strip with this tab open, the tokens
  // and the title; the sprite batch is left begun.
  void DrawCommonFrame(int openTab, const std::string& title);
  // The player's controls, null without a player or controls.
  const Controls* PlayerControls() const;
  // While the debug menu's check box says so, the statistics pages are in the ring.
  bool StatisticsPagesInRing() const;
  // The tabs beside the statistics pages, which the ring passes only while they are enabled.
  void OpenTabBeforeStats();
  void OpenTabAfterSettings();
  // The page panels to the content panel's right edge, the comparison markers and the
  // player's interface in the page's top band.
  void PlacePagePieces();
  // After any equip: the movement limits follow the new statistics.
  void RefreshMovementLimits();
  // The slot marker on the row, its flip from the column.
  void PlaceSlotMarker();
  // Fills the list for the Inventory category and lays out its panel.
  void ShowInventoryCategory();
  // The side column and the list panel beside it, both a pixel below the content's middle.
  void PlaceSideAndListPanels();
  // The sub-tab opened, its row of the column highlighted.
  void SwitchEncyclopediaSubTab(int subTab);
  // The caption over the side column and its labels, one per row.
  void DrawSideColumnTexts(const std::string& caption, std::span<const char* const> labels);
  // Grey, right-aligned on the panel's header.
  void DrawListCaption(const std::string& caption, const ScreenBox& panel);
  // White, in from the panel's left edge, in the middle of row 0 to 15 below the header.
  void DrawRowText(const ScreenBox& panel, size_t row, const std::string& text);
  void PlaceSettingsHighlight();

  World* m_world = nullptr;  // not owned
  // Whose controls drive the menu and whose character it shows; the world sets it before
  // each opening.
  Player* m_player = nullptr;  // not owned

  std::vector<Object*> m_listRows;
  std::vector<Object*> m_visibleRows;
  uint32_t m_listCursor = 0;
  uint32_t m_listTop = 0;
  int32_t m_tabIndex = TabStats;
  // Stats: 0 the slot columns have the focus, 1 the candidate list; column 0 equipment,
  // 1 runes; row 0 weapon to 4 boots.
  int32_t m_statsFocus = 0;
  int32_t m_statsColumn = 0;
  int32_t m_statsRow = 0;
  // Inventory: 0 the category column has the focus, 1 the item list; category 0 All to
  // 9 Key Items.
  int32_t m_inventoryMode = 0;
  int32_t m_inventoryCategory = 0;
  int32_t m_encyclopediaFocus = 0;
  int32_t m_encyclopediaSubTab = 0;
  int32_t m_settingsCursor = SettingsButtonConfiguration;
  int32_t m_statisticsPage = 1;
  Quad* m_selectedButton = nullptr;
  platform::Vector3 m_overlayOffset{0.0f, 8.0f, 0.0f};
  Texture* m_menuAtlas = nullptr;  // not owned
  Font* m_fontArc64pt = nullptr;   // not owned
  Font* m_fontArc17pt = nullptr;   // not owned
  // The page beside the lists, with its panels and comparison markers.
  ItemPage m_itemPage;
  // The tab strip, indexed by tab.
  TabStrip m_tabs;

  // The menu text file's records, in the file's order.
  std::vector<Object> m_skills;
  std::vector<JournalEntry> m_journalEntries;
  std::vector<Object> m_terms;
  // What the Encyclopedia shows of them and of the characters and enemies met, one list per
  // sub-tab; copies share their source's statistics.
  std::vector<Object> m_shownSkills;
  std::vector<Object> m_shownJournal;
  std::vector<Object> m_shownTerms;
  std::vector<Object> m_shownPeople;
  std::vector<Object> m_shownBestiary;

  // Statistics pages; the backdrop is drawn first by every tab. Their lines take a smaller
  // face than the debug texts, so that four columns of them fit the screen; without a device
  // they fall back to the debug face.
  std::unique_ptr<platform::TextFont> m_statisticsFont;
  Quad m_backdrop{1};
  Quad m_statisticsPanel{1};
  Quad m_resumeButton{1};
  Quad m_quitButton{1};
  Quad m_buttonHighlight{1};

  // The frame.
  ShapeList m_window;
  std::unique_ptr<Sprite> m_windowLeft;
  std::unique_ptr<Sprite> m_windowMiddle;
  std::unique_ptr<Sprite> m_windowRight;
  std::unique_ptr<Sprite> m_titlePlate;
  std::unique_ptr<Sprite> m_footerLeft;
  std::unique_ptr<Sprite> m_footerMiddle;
  std::unique_ptr<Sprite> m_footerRight;
  std::unique_ptr<Sprite> m_tabRowLeft;
  std::unique_ptr<Sprite> m_tabRowRight;
  std::unique_ptr<Sprite> m_contentPanel;

  // Tab icons cut for tabs the strip does not have.
  std::array<std::unique_ptr<Sprite>, 6> m_spareTabIcons;

  // The tokens line.
  ShapeList m_tokensPlate;
  std::unique_ptr<Sprite> m_tokensPlateLeft;
  std::unique_ptr<Sprite> m_tokensPlateMiddle;
  std::unique_ptr<Sprite> m_tokensPlateRight;
  std::unique_ptr<Sprite> m_tokenIcon;

  // Lists: each panel's group, overlay, header, rows and filler.
  ListPanel m_sidePanel;
  ListPanel m_listPanel;
  ListPanel m_slotListPanel;
  std::unique_ptr<Sprite> m_sideHighlight;
  std::unique_ptr<Sprite> m_listHighlight;
  std::unique_ptr<Sprite> m_settingsHighlight;
  std::unique_ptr<Sprite> m_spareHighlight;
  std::unique_ptr<Sprite> m_selectionArrow;
  std::unique_ptr<ScrollBar> m_scrollBar;
  std::unique_ptr<ScrollBar> m_scrollBar2;

  // Stats tab.
  ShapeList m_equipmentColumn;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_equipmentRowFrames;
  ShapeList m_runeColumn;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_runeRowFrames;
  ShapeList m_columnHighlight;
  std::unique_ptr<Sprite> m_columnHighlightHeader;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_columnHighlightPlates;
  std::unique_ptr<Sprite> m_slotMarker;

  // Item pictures of the Inventory page.
  std::unique_ptr<Sprite> m_weaponIcon;
  std::unique_ptr<Sprite> m_headgearIcon;
  std::unique_ptr<Sprite> m_armorIcon;
  std::unique_ptr<Sprite> m_gauntletIcon;
  std::unique_ptr<Sprite> m_bootsIcon;
  std::unique_ptr<Sprite> m_keyItemIcon;
};
