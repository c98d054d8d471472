#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/draw/Quad.h"
#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "menus/ItemPage.h"
#include "menus/ListPanel.h"
#include "menus/Menu.h"
#include "menus/MenuWindow.h"
#include "menus/ScrollBar.h"
#include "menus/TabStrip.h"
#include "platform/MathTypes.h"

class Camera;
class ConversationTrigger;
class Font;
class Item;
class ItemStore;
class Player;
class Texture;
class World;

// The shop: the first player buys items for tokens and sells them back, one category tab at a
// time, through a cart that spans every tab. Play stays frozen behind it. In the shop's own
// stock an item's quantity is the number marked for trading, not a count the shop holds.
// Every shape is built once; pages and tabs only move, resize and regroup them.
class MenuShop : public Menu {
 public:
  enum Page : int32_t { PageMain = 0, PageBuy = 1, PageSell = 2 };
  enum MainButton : int32_t { ButtonBuy = 0, ButtonSell = 1, ButtonExit = 2 };
  enum Step : int32_t { StepBrowsing = 0, StepConfirming = 1 };
  enum ConfirmButton : int32_t { ConfirmAccept = 0, ConfirmCancel = 1 };
  // Tabs 0 to 6 are the equipment categories, daggers to boots; tab 7 the expendables.
  static constexpr int TabCount = 8;
  static constexpr int ItemsTab = 7;
  static constexpr std::array<const char*, TabCount> TabTitles{
      "Daggers", "Swords", "Spears", "Headgear", "Armor", "Gauntlets", "Boots", "Items"};
  static constexpr uint32_t VisibleRows = 13;
  // The most of one name a player may hold after a purchase.
  static constexpr int32_t MostHeld = 99;
  // The dialog's labels stand a little above and below their buttons' centres.
  static constexpr float AcceptLabelRaise = 2.0f;
  static constexpr float CancelLabelDrop = 5.0f;
  // A row's mark and the player's holding stand in columns this far from its left edge.
  static constexpr float MarkedColumn = 225.0f;
  static constexpr float HeldColumn = 275.0f;

  MenuShop(GameStateSet* set, Camera* camera, World* world);
  ~MenuShop() override;

  // The main page, with the player's interface beside the page; back from the controller
  // configuration, the shop as it was left.
  void Enter() override;
  // Back leaves from every page; otherwise the page's own controls.
  void HandleInput(float dt) override;
  // Only the music is fed: the world stays frozen.
  void Update(float dt) override;
  void Draw() override;
  void ForgetModifier(const ModifierShape& modifier) override;

  // The shop's own stock becomes a copy of the source, which stays with its owner. The first
  // call makes the stock; later calls refill it.
  void SetStock(const ItemStore& source);

  // Stock and cart.
  // Which stock items a tab lists: those on sale, those the player holds, or those marked.
  enum class Listing { Offered, Held, Chosen };
  // Fills the list from one list of the stock, each row beside the player's item of its name
  // (null when the player has none) from the player's list of that category.
  void FillList(const std::vector<Item*>& source, Listing listing, bool expendables);
  // The window of visible rows from that row on; it never reaches past the list's end.
  void SetListTop(uint32_t top);
  // The marked items of every tab and their price in tokens.
  void RebuildCart();
  // The player's holding of the row's item; an item the player lacks counts as 0.
  int32_t HeldQuantity(size_t row) const;

  // Pages and tabs.
  void ShowMainPage();
  // The buy or sell page on its first tab, browsing, with every mark cleared.
  void OpenPage(Page page);
  // Makes the tab the open page's open tab and lists it for the page's step.
  void OpenTab(int tab);
  void LayoutRows(int rowCount);
  void ResetScrollBar(int rowCount);
  // The brackets round the label as it would stand at the point at that spacing and scale.
  void PlaceSelectionMarker(const std::string& label, const platform::Vector3& point,
                            float spacing, float scaleX, float scaleY);

  // Input.
  void HandleMainPageInput();
  void SelectNextMainButton();
  void SelectPreviousMainButton();
  // Back to play, advancing the conversation that opened the shop.
  void Leave();
  void HandleTradePageInput();
  // The selected row's mark one up or down, within 0 and what the player may still hold
  // (buying) or holds (selling).
  void ChangeQuantity(int32_t delta);
  void MoveListCursorDown();
  void MoveListCursorUp();
  void NextTab();
  void PreviousTab();
  // The dialog of the open page over the marked items of the tab.
  void OpenConfirmation();
  void SelectConfirmAccept();
  void SelectConfirmCancel();
  void CancelConfirmation();
  // Carries out the dialog's selected button: the purchase or the sale of the cart, which
  // then starts the page again with no marks, or "Cancel".
  void CompleteTrade();

  // Drawing.
  void DrawMainPage();
  void DrawTradePage();
  void DrawTabList(int tab);
  void DrawRows();
  void DrawItemDetails(const Item* item);
  void DrawItemHeader(const Item& item);
  void DrawComparison(const Item& item);
  void DrawMainStats(const Player& player);
  void DrawConfirmation();

  // What the screen holds and shows, read-only.
  int32_t GetPage() const { return m_page; }
  int32_t GetBuyStep() const { return m_buyStep; }
  int32_t GetSellStep() const { return m_sellStep; }
  int32_t GetBuyTab() const { return m_buyTab; }
  int32_t GetConfirmSelection() const { return m_confirmSelection; }
  const std::vector<Item*>& GetListItems() const { return m_listItems; }
  const std::vector<Item*>& GetVisibleItems() const { return m_visibleItems; }
  const std::vector<Item*>& GetVisibleHeld() const { return m_visibleHeld; }
  uint32_t GetListCursor() const { return m_listCursor; }
  uint32_t GetListTop() const { return m_listTop; }
  const std::vector<Item*>& GetCart() const { return m_cart; }
  float GetCartTotal() const { return m_cartTotal; }
  const ConversationTrigger* GetConversation() const { return m_conversation; }
  const ItemStore* GetStock() const { return m_stock.get(); }
  const ScrollBar& GetScrollBar() const { return *m_scrollBar; }
  const ItemPage& GetItemPage() const { return m_itemPage; }
  const TabStrip& GetTabs() const { return m_tabs; }
  const ListPanel& GetRows() const { return m_rows; }
  // Where the window's pieces stand; the window's content panel holds the item list.
  const MenuWindow& GetWindow() const { return m_window; }
  const Sprite& GetTitleSell() const { return *m_titleSell; }
  const ShapeList& GetPanelDescriptionShop() const { return m_panelDescriptionShop; }
  const ShapeList& GetPanelConfirm() const { return m_panelConfirm; }

 private:
  void BuildPanels();
  // The details panels where entering a page puts them, beside the item list.
  void PlaceDetailPanels();
  // The list of the stock that a tab shows; empty without a stock.
  const std::vector<Item*>& TabSource(int tab) const;
  int32_t& OpenTabOfPage();
  int32_t& StepOfPage();
  bool Browsing() const;
  bool CartAffordable() const;
  float Tokens() const;
  // The option area of a main-page button and its label.
  const Sprite& MainButtonArea(int32_t button) const;
  void PlaceMainMarker();
  void PlaceConfirmMarker();
  void DrawTokenLines();

  World* m_world = nullptr;    // not owned
  Player* m_player = nullptr;  // not owned
  // The conversation whose "shop" line opened the shop: the keeper's in a shop region, any
  // other character's otherwise; none when the console opened it.
  ConversationTrigger* m_conversation = nullptr;  // not owned
  std::unique_ptr<ItemStore> m_stock;
  float m_dialogTextScaleX = 0.39f;
  float m_dialogTextScaleY = 0.39f;
  std::vector<Item*> m_listItems;
  std::vector<Item*> m_visibleItems;
  uint32_t m_listCursor = 0;
  uint32_t m_listTop = 0;
  std::vector<Item*> m_listHeld;
  std::vector<Item*> m_visibleHeld;
  std::vector<Item*> m_cart;
  float m_cartTotal = 0.0f;
  int32_t m_page = PageMain;
  int32_t m_mainSelection = ButtonBuy;
  int32_t m_buyStep = StepBrowsing;
  int32_t m_buyTab = 0;
  int32_t m_sellStep = StepBrowsing;
  int32_t m_sellTab = 0;
  int32_t m_confirmSelection = ConfirmAccept;
  // The backdrop, the frame, its back and select footers, the list panel and the tab row's key
  // hints.
  MenuWindow m_window;
  std::unique_ptr<Sprite> m_titleMain;
  std::unique_ptr<Sprite> m_titleBuy;
  std::unique_ptr<Sprite> m_titleSell;
  // The details panels (plain, alternative and the equipment comparison) with the markers.
  ItemPage m_itemPage;
  // The main page: BUY, SELL and EXIT between plain bands.
  ShapeList m_panelDescriptionShop;
  std::unique_ptr<Sprite> m_panelDescriptionShopEmptyMidTop;
  std::unique_ptr<Sprite> m_panelDescriptionShopEmptyMidMid;
  std::unique_ptr<Sprite> m_panelDescriptionShopEmptyMidBot;
  std::array<std::unique_ptr<Sprite>, 12> m_panelDescriptionShopPieces;
  // The confirmation dialog: the accepting button over "Cancel".
  ShapeList m_panelConfirm;
  std::unique_ptr<Sprite> m_confirmAccept;
  std::unique_ptr<Sprite> m_confirmCancel;
  std::array<std::unique_ptr<Sprite>, 10> m_panelConfirmPieces;
  TabStrip m_tabs;
  std::unique_ptr<ScrollBar> m_scrollBar;
  ShapeList m_selectionMarker;
  std::unique_ptr<Sprite> m_markerLeft;
  std::unique_ptr<Sprite> m_markerRight;
  std::unique_ptr<Sprite> m_listHighlight;
  // The rows: header, 13 rows and the strip below them; the second set of rows over them.
  ListPanel m_rows;
};
