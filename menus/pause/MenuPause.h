#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "items/Item.h"
#include "menus/ItemPage.h"
#include "menus/ListPanel.h"
#include "menus/Menu.h"
#include "menus/MenuWindow.h"
#include "menus/ScrollBar.h"
#include "menus/TabStrip.h"
#include "platform/MathTypes.h"
#include "world/PauseScreen.h"

class Actor;
struct ScreenBox;
class Camera;
class Controls;
class Object;
class PauseTab;
class Player;
class World;

// The pause screen: play frozen behind a window of tabs in a ring. Every shape is made once by
// the constructor; tab changes and list moves only move, rescale and regroup them. The menu
// keeps what the tabs share (the window, the tab strip, the tokens line, the lists, the item
// page and the menu text file); each tab keeps its own.
class MenuPause : public Menu, public PauseScreen {
 public:
  // The ring of tabs in its order; the strip shows those with an icon, in the same order.
  enum Tab : int32_t {
    TabStats,
    TabInventory,
    TabEncyclopedia,
    TabSettings,
    // The statistics pages: in the ring while the debug menu asks for them, off the strip.
    TabStatistics,
    TabCount,
  };
  static constexpr uint32_t WindowRows = 16;
  // The 64-point font's scales: names and page texts.
  static constexpr float NameScale = 0.38f;
  static constexpr float PageTextScale = 0.21875f;
  static constexpr const char* MenuFilePath = "Content\\Menu.rff";
  // A list panel's overlay stands this far below the panel; every list panel is 185 by 375
  // whatever its row count.
  static constexpr platform::Vector3 OverlayOffset{0.0f, 8.0f, 0.0f};
  static constexpr ListPanel::Filler ListFiller{185.0f, 375.0f, true};

  // A journal entry of the menu text file: its title and its pages, numbered from 0.
  struct JournalEntry {
    std::string title;
    std::vector<Object> pages;
  };

  // What the tab that shows an item's page adds to it.
  struct PageView {
    // The item compared with what the player wears in its slot.
    bool comparing = false;
    // The part of its rune a rune's page tells of: 0 weapon to 4 boots.
    int runePart = 0;
    // The player's interface over the page.
    bool hud = false;
    // The item's title with its picture, where the tab shows one.
    std::function<void(const Item&)> title;
  };

  MenuPause(GameStateSet* set, Camera* camera, World* world);
  ~MenuPause() override;

  // From play: the Stats tab, cursors at 0. Back from the controller menu: as it was left.
  void Enter() override;
  void PausedBy(Player& player) override { m_player = &player; }
  // Back and start resume from every tab, the left trigger and the right shoulder step the
  // ring; otherwise the open tab's input step.
  void HandleInput(float dt) override;
  // Only the music is fed: the world stays frozen.
  void Update(float dt) override;
  void Draw() override;

  // Makes the tab the open one and opens it afresh.
  void OpenTab(Tab tab);
  int32_t GetTabIndex() const { return m_tabIndex; }
  // The tab at its place in the ring, as its own class.
  template <typename TabType>
  TabType& TabAt(Tab tab) const {
    return dynamic_cast<TabType&>(*m_ring[tab]);
  }

  // Back to play at full volume.
  void Resume();
  // To the title at full volume, the level cleared.
  void QuitToTitle();
  // The player's controls, null without a player or controls.
  const Controls* PlayerControls() const;
  // After any equip: the movement limits follow the new statistics.
  void RefreshMovementLimits();

  // Layout.
  void LayoutSidePanel(int rowCount);
  void LayoutListPanel(int rowCount);
  // The strip with the tab at that place on it open, widened to the title.
  void LayoutTabStrip(int openPlace, const std::string& title);
  void PlaceSelectionArrow(const Sprite& highlight);
  // The list's highlight on its first row, the selection arrow beside it.
  void HighlightFirstListRow();
  // The side column and the list panel beside it, both a pixel below the content's middle.
  void PlaceSideAndListPanels();
  // The page panels to the content panel's right edge, the comparison markers and the
  // player's interface in the page's top band.
  void PlacePagePieces();

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
  // The cursor on the first row, the window and the scroll bar at the list's top.
  void StartListAtTop();
  // Range 0 to the rows beyond the window, value 0, beside the panel (side -1 left, +1 right)
  // and as high as it.
  void AttachScrollBar(uint32_t rowCount, const ShapeList& panel, float side);
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

  // Texts of the lists.
  // The caption and the visible rows' names on the panel.
  void DrawListTexts(const ScreenBox& panel, const std::string& caption);
  // The caption over the side column and its labels, one per row.
  void DrawSideColumnTexts(const std::string& caption, std::span<const char* const> labels);
  // Grey, right-aligned on the panel's header.
  void DrawListCaption(const std::string& caption, const ScreenBox& panel);

  // The page beside the lists: the player's page without an entry or for "Empty", else the
  // item's.
  void DrawItemPage(const Object* entry, const PageView& view);
  // The player's statistics under their heading on the item page, an enemy's on the entry
  // panel.
  void DrawMainStats(const Actor& actor);

  // The menu text file. A file that cannot be read leaves the three lists empty; reading
  // again replaces what they held.
  void LoadMenuFile(std::string path);
  // The whole file from a stream: the header line, then the three sections.
  void LoadMenuText(std::istream& in);

  // The World sets the pausing player before each opening.
  void SetPlayer(Player* player) { m_player = player; }

  // What the menu holds and shows.
  Player* GetPlayer() const { return m_player; }
  World* GetWorld() const { return m_world; }
  const std::vector<Object*>& GetListRows() const { return m_listRows; }
  const std::vector<Object*>& GetVisibleRows() const { return m_visibleRows; }
  uint32_t GetListCursor() const { return m_listCursor; }
  uint32_t GetListTop() const { return m_listTop; }
  const std::vector<Object>& GetSkills() const { return m_skills; }
  const std::vector<JournalEntry>& GetJournalEntries() const { return m_journalEntries; }
  const std::vector<Object>& GetTerms() const { return m_terms; }
  // Where the menu's pieces stand; the tabs move and draw them.
  MenuWindow& GetWindow() { return m_window; }
  const ItemPage& GetItemPage() const { return m_itemPage; }
  ItemPage& GetItemPage() { return m_itemPage; }
  const TabStrip& GetTabs() const { return m_tabs; }
  ScrollBar& GetScrollBar() { return *m_scrollBar; }
  ListPanel& GetSidePanel() { return m_sidePanel; }
  ListPanel& GetListPanel() { return m_listPanel; }
  Sprite& GetSideHighlight() { return *m_sideHighlight; }
  Sprite& GetListHighlight() { return *m_listHighlight; }
  Sprite& GetSelectionArrow() { return *m_selectionArrow; }
  const Sprite& GetTitlePlate() const { return *m_titlePlate; }
  const ShapeList& GetTokensPlate() const { return m_tokensPlate; }
  const Sprite& GetTokensPlateLeft() const { return *m_tokensPlateLeft; }
  const Sprite& GetTokensPlateMiddle() const { return *m_tokensPlateMiddle; }
  const Sprite& GetTokensPlateRight() const { return *m_tokensPlateRight; }
  const Sprite& GetTokenIcon() const { return *m_tokenIcon; }

 private:
  using Ring = std::array<std::unique_ptr<PauseTab>, TabCount>;
  static Ring MakeRing(MenuPause& menu);
  static TabStrip::Cells StripCells(const Ring& ring);
  // The tab's place on the strip, -1 for a tab off it.
  int StripPlace(int tab) const;
  // The next tab the ring stops at, one step on (+1) or back (-1).
  Tab TabBeside(int step) const;

  // Construction of the shared shapes with their places.
  void BuildTitlePlate();
  void PlaceItemPagePanels();
  void BuildMarkers();
  void BuildSpareTabIcons();
  void BuildTokensPlate();

  // The frozen world, the backdrop, the window, the tab strip with the tab at that place open,
  // the tokens and the title; the sprite batch is left begun.
  void DrawCommonFrame(int openPlace, const std::string& title);
  void DrawTokens();
  // White, in from the panel's left edge, in the middle of row 0 to 15 below the header.
  void DrawRowText(const ScreenBox& panel, size_t row, const std::string& text);

  // The item page's parts.
  void DrawEquippablePage(const Item& item, const PageView& view);
  void DrawEquipmentPage(const Item& item, const PageView& view);
  void DrawRuneDescription(const Item& rune, int part);
  void DrawKeyItemDescription(const Item& item);
  void DrawProficiencies();

  void ReadSkills(std::istream& in);
  void ReadJournal(std::istream& in);
  void ReadTerms(std::istream& in);

  World* m_world = nullptr;  // not owned
  // Whose controls drive the menu and whose character it shows; the world sets it before
  // each opening.
  Player* m_player = nullptr;  // not owned

  std::vector<Object*> m_listRows;
  std::vector<Object*> m_visibleRows;
  uint32_t m_listCursor = 0;
  uint32_t m_listTop = 0;
  int32_t m_tabIndex = TabStats;
  // The backdrop, the frame, its footers (select, back and equip, right to left), the content
  // panel and the tab row's ends.
  MenuWindow m_window;
  // The page beside the lists, with its panels and comparison markers.
  ItemPage m_itemPage;
  Ring m_ring;
  // The tab strip, indexed by place on the strip.
  TabStrip m_tabs;

  // The menu text file's records, in the file's order.
  std::vector<Object> m_skills;
  std::vector<JournalEntry> m_journalEntries;
  std::vector<Object> m_terms;

  std::unique_ptr<Sprite> m_titlePlate;
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
  std::unique_ptr<Sprite> m_sideHighlight;
  std::unique_ptr<Sprite> m_listHighlight;
  std::unique_ptr<Sprite> m_spareHighlight;
  std::unique_ptr<Sprite> m_selectionArrow;
  std::unique_ptr<ScrollBar> m_scrollBar;
  std::unique_ptr<ScrollBar> m_scrollBar2;
};
