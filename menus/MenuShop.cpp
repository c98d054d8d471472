#include "menus/MenuShop.h"

#include <algorithm>

#include "engine/BitmapFonts.h"
#include "engine/Font.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/MusicTrack.h"
#include "engine/SoundBank.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/AtlasPanels.h"
#include "menus/ConversationTrigger.h"
#include "menus/ListWindow.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuWindow.h"
#include "menus/ShopMenuCells.h"
#include "player/Player.h"
#include "world/World.h"

using platform::Vector3;
namespace Cells = ShopMenuCells;

namespace {

constexpr float TitleBelowFrameTop = 24.0f;
constexpr float DetailsFromListRight = 20.0f;
constexpr float ScrollBarShorterThanList = 100.0f;
constexpr float RowWidth = 372.0f;
constexpr float RowFillerHeight = 49.0f;
// Entering a page puts the details panels where the item page stands in the list panel, the
// dialog over their upper part.
constexpr float DescriptionPanelRaise = 1.0f;
constexpr float ConfirmPanelRaise = 132.0f;

TabStrip::Cells TabCells() {
  TabStrip::Cells cells{Cells::TabClosed, {}, Cells::TabOpenLeft, Cells::TabOpenMiddle,
                        Cells::TabOpenRight};
  for (int k = 0; k < Cells::TabCount; ++k) cells.icons.push_back(Cells::TabIcon(k));
  return cells;
}

Item* FindNamed(const std::vector<Item*>& list, const std::string& name) {
  const auto found =
      std::find_if(list.begin(), list.end(), [&name](const Item* item) { return item->name == name; });
  return found == list.end() ? nullptr : *found;
}

}  // namespace

MenuShop::MenuShop(GameStateSet* owner, Camera* camera, World* world)
    : Menu(owner, "Pause Menu"),
      m_world(world),
      m_window(owner, Cells::ListPanel),
      m_itemPage(m_window.atlas, m_window.largeFont),
      m_tabs(m_window.atlas, TabCells()),
      m_rows(m_window.atlas, Cells::RowHeader, Cells::Row, Cells::PanelFill, VisibleRows,
             {RowWidth, RowFillerHeight, false}, ListPanel::Overlay::Rows) {
  MainCamera = camera;
  m_player = world ? world->GetFirstPlayer() : nullptr;
  Texture* atlas = m_window.atlas;
  const ShapeList& frame = m_window.frame;
  const Vector3 titleAt{frame.altPosition.x, ScreenBoxOf(frame).top + TitleBelowFrameTop, 0.0f};
  m_titleMain = CutSprite(atlas, Cells::TitleMain);
  m_titleBuy = CutSprite(atlas, Cells::TitleBuy);
  m_titleSell = CutSprite(atlas, Cells::TitleSell);
  for (Sprite* title : {m_titleMain.get(), m_titleBuy.get(), m_titleSell.get()}) {
    title->SetAltPosition(titleAt);
  }
  BuildPanels();

  const Sprite& list = *m_window.content;
  m_scrollBar = std::make_unique<ScrollBar>(atlas, 0.0f, 500.0f, 0.0f, list.altPosition,
                                            ScreenBoxOf(list).Height() - ScrollBarShorterThanList);
  m_markerLeft = CutSprite(atlas, Cells::MarkerLeft);
  m_markerRight = CutSprite(atlas, Cells::MarkerRight);
  m_listHighlight = CutSprite(atlas, Cells::RowHighlight, RowWidth);
  // The details panels stand where every page puts them from the start, so that entering the
  // shop can place the player's interface beside them.
  PlaceDetailPanels();
  LayoutRows(static_cast<int>(VisibleRows));
  ShowMainPage();
}

MenuShop::~MenuShop() = default;

void MenuShop::BuildPanels() {
  const platform::PixelRect fill = Cells::PanelFill;
  const platform::PixelRect rule = Cells::PanelBreak;
  const platform::PixelRect topLeft = Cells::PanelTopLeft;
  const platform::PixelRect bottomRight = Cells::PanelBottomRight;
  auto& shop = m_panelDescriptionShopPieces;
  BuildPanel(m_window.atlas, m_panelDescriptionShop,
             {{&m_panelDescriptionShopEmptyMidMid, fill, 300, 47, 0, 0},
              {&shop[0], rule, 1, 1, 0, -26},
              {&m_panelDescriptionShopEmptyMidTop, fill, 300, 47, 0, -51},
              {&shop[1], rule, 1, 1, 0, -77},
              {&shop[2], fill, 300, 99, 0, -128},
              {&shop[3], fill, 290, 10, 5, -183},
              {&shop[4], topLeft, 1, 1, -145, -183},
              {&shop[5], rule, 1, 1, 0, 25},
              {&m_panelDescriptionShopEmptyMidBot, fill, 300, 47, 0, 51},
              {&shop[6], rule, 1, 1, 0, 76},
              {&shop[7], fill, 300, 100, 0, 128},
              {&shop[8], fill, 290, 10, -5, 183},
              {&shop[9], bottomRight, 1, 1, 145, 183}});
  const std::pair<Sprite*, const char*> names[] = {
      {m_panelDescriptionShopEmptyMidMid.get(), "m_panelDescriptionShopEmptyMidMid"},
      {shop[0].get(), "m_panelDescriptionShopBreakMidTop"},
      {m_panelDescriptionShopEmptyMidTop.get(), "m_panelDescriptionShopEmptyMidTop"},
      {shop[1].get(), "m_panelDescriptionShopBreakTopTop"},
      {shop[2].get(), "m_panelDescriptionShopEmptyTopTop"},
      {shop[3].get(), "m_panelDescriptionShopHeadTop"},
      {shop[4].get(), "m_panelDescriptionShopHeadTopLeft"},
      {shop[5].get(), "m_panelDescriptionShopBreakMidBot"},
      {m_panelDescriptionShopEmptyMidBot.get(), "m_panelDescriptionShopEmptyMidBot"},
      {shop[6].get(), "m_panelDescriptionShopBreakBotBot"},
      {shop[7].get(), "m_panelDescriptionShopEmptyBotBot"},
      {shop[8].get(), "m_panelDescriptionShopFootBot"},
      {shop[9].get(), "m_panelDescriptionShopFootBotRight"}};
  for (const auto& [sprite, name] : names) sprite->SetName(name);

  auto& confirm = m_panelConfirmPieces;
  BuildPanel(m_window.atlas, m_panelConfirm,
             {{&confirm[0], topLeft, 1, 1, -145, -51},
              {&confirm[1], fill, 290, 10, 5, -51},
              {&confirm[2], fill, 300, 91, 0, 0},
              {&confirm[3], fill, 290, 10, -5, 50},
              {&confirm[4], bottomRight, 1, 1, 145, 50},
              {&confirm[5], topLeft, 1, 1, -145, -28},
              {&confirm[6], fill, 290, 10, 5, -28},
              {&m_confirmAccept, fill, 300, 32, 0, -7},
              {&confirm[7], rule, 1, 1, 0, 11},
              {&m_confirmCancel, fill, 300, 32, 0, 29},
              {&confirm[8], fill, 290, 10, -5, 50},
              {&confirm[9], bottomRight, 1, 1, 145, 50}});

  const Sprite& list = *m_window.content;
  const Vector3 listCenter = list.altPosition;
  m_panelDescriptionShop.SetAltPosition(listCenter);
  m_panelConfirm.SetAltPosition(listCenter);
  const float detailsX = ScreenBoxOf(list).right - DetailsFromListRight -
                         ScreenBoxOf(m_itemPage.detailsPanel).Width() / 2;
  m_itemPage.detailsPanel.SetAltPosition({detailsX, listCenter.y, 0.0f});
  m_itemPage.entryPanel.SetAltPosition({detailsX, listCenter.y, 0.0f});
  m_itemPage.PlaceKindIcons();
}

void MenuShop::PlaceDetailPanels() {
  const Vector3 page = m_itemPage.CentreIn(*m_window.content);
  m_itemPage.descriptionPanel.SetAltPosition(page - Vector3{0.0f, DescriptionPanelRaise, 0.0f});
  m_itemPage.detailsPanel.SetAltPosition(page);
  m_panelConfirm.SetAltPosition(page - Vector3{0.0f, ConfirmPanelRaise, 0.0f});
  m_itemPage.PlaceMarkers();
}

void MenuShop::Enter() {
  // Back from the button configuration: the shop as it was left.
  if (set && set->menuController && set->previous == set->menuController) return;
  // A conversation's line opens the shop from the dialogue screen, which still holds it.
  MenuDialog* dialog = set ? set->menuDialog : nullptr;
  m_conversation = dialog && set->previous == dialog ? dialog->conversation : nullptr;
  m_window.ResetGlyphSpacing();
  // The first player of the moment trades, whoever that is now.
  m_player = m_world ? m_world->GetFirstPlayer() : nullptr;
  ShowMainPage();
  if (m_player) m_itemPage.PlaceHud(*m_player);
}

void MenuShop::ForgetModifier(const ModifierShape& modifier) {
  if (static_cast<const ModifierShape*>(m_conversation) == &modifier) m_conversation = nullptr;
}

void MenuShop::Update(float) {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Update();
}

void MenuShop::SetStock(const ItemStore& source) {
  if (!m_stock) m_stock = std::make_unique<ItemStore>();
  m_stock->CopyFrom(source);
}

const std::vector<Item*>& MenuShop::TabSource(int tab) const {
  static const std::vector<Item*> none;
  if (!m_stock) return none;
  if (tab == ItemsTab) return m_stock->expendables.items;
  const std::vector<const std::vector<Item*>*> categories = m_stock->equipment.CategoryLists();
  return tab >= 0 && tab < static_cast<int>(categories.size()) ? *categories[tab] : none;
}

void MenuShop::FillList(const std::vector<Item*>& source, Listing listing, bool expendables) {
  m_listItems.clear();
  m_listHeld.clear();
  const ItemStore* own = m_player ? m_player->itemStore.get() : nullptr;
  const std::vector<Item*>* ownList =
      own ? (expendables ? &own->expendables.items : &own->equipment.items) : nullptr;
  for (Item* item : source) {
    if (item->name == EmptyItemName) continue;
    Item* held = ownList ? FindNamed(*ownList, item->name) : nullptr;
    const bool listed = listing == Listing::Offered ? item->onSale == 1
                        : listing == Listing::Held  ? held && held->quantity > 0
                                                    : item->quantity > 0;
    if (!listed) continue;
    m_listItems.push_back(item);
    m_listHeld.push_back(held);
  }
  SetListTop(0);
}

void MenuShop::SetListTop(uint32_t top) {
  const uint32_t shown = ListWindow::Shown(m_listItems.size(), VisibleRows);
  m_listTop = ListWindow::ClampTop(m_listItems.size(), top, VisibleRows);
  m_visibleItems.assign(m_listItems.begin() + m_listTop, m_listItems.begin() + m_listTop + shown);
  m_visibleHeld.assign(m_listHeld.begin() + m_listTop, m_listHeld.begin() + m_listTop + shown);
}

int32_t MenuShop::HeldQuantity(size_t row) const {
  const Item* held = row < m_listHeld.size() ? m_listHeld[row] : nullptr;
  return held ? held->quantity : 0;
}

void MenuShop::RebuildCart() {
  m_cart.clear();
  m_cartTotal = 0.0f;
  if (!m_stock) return;
  // Equipment is read from the all-equipment list only, so each item counts once.
  for (Item* item : m_stock->GetAllItems()) {
    if (item->quantity < 1) continue;
    m_cart.push_back(item);
    m_cartTotal += item->price * static_cast<float>(item->quantity);
  }
}
