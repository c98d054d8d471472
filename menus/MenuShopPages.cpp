#include <algorithm>
#include <string>

#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/MenuShop.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

// The selection marker on the main page's buttons, and its spacing on any button.
constexpr float MainLabelScale = 0.6f;
constexpr float MarkerSpacing = 2.0f;
constexpr float MarkerGap = 4.0f;
constexpr float MarkerShift = 2.0f;
// The rows hang 33 pixels below the list panel's top, their left side 219 pixels right of its
// left edge; the second set of rows from 16 pixels below the header's top.
constexpr float RowsFromListLeft = 219.0f;
constexpr float RowsBelowListTop = 33.0f;
constexpr float SecondRowsDrop = 16.0f;
constexpr float ScrollBarLeftOfRows = 196.0f;
// Row texts: the name from the left, the mark, the holding and the price in columns.
constexpr float CaptionInset = 10.0f;
constexpr float NameInset = 4.0f;
constexpr float TextDrop = 2.0f;
constexpr float PriceInset = 4.0f;

}  // namespace

int32_t& MenuShop::OpenTabOfPage() { return m_page == PageSell ? m_sellTab : m_buyTab; }

int32_t& MenuShop::StepOfPage() { return m_page == PageSell ? m_sellStep : m_buyStep; }

bool MenuShop::Browsing() const {
  return (m_page == PageBuy && m_buyStep == StepBrowsing) ||
         (m_page == PageSell && m_sellStep == StepBrowsing);
}

const Sprite& MenuShop::MainButtonArea(int32_t button) const {
  switch (button) {
    case ButtonSell:
      return *m_panelDescriptionShopEmptyMidMid;
    case ButtonExit:
      return *m_panelDescriptionShopEmptyMidBot;
    default:
      return *m_panelDescriptionShopEmptyMidTop;
  }
}

void MenuShop::PlaceMainMarker() {
  static constexpr const char* Labels[] = {"BUY", "SELL", "EXIT"};
  const bool known = m_mainSelection >= ButtonBuy && m_mainSelection <= ButtonExit;
  PlaceSelectionMarker(Labels[known ? m_mainSelection : ButtonBuy],
                       MainButtonArea(m_mainSelection).altPosition, MarkerSpacing, MainLabelScale,
                       MainLabelScale);
}

void MenuShop::PlaceConfirmMarker() {
  if (m_confirmSelection == ConfirmCancel) {
    PlaceSelectionMarker("Cancel", m_confirmCancel->altPosition + Vector3{0.0f, CancelLabelDrop, 0.0f},
                         MarkerSpacing, m_dialogTextScaleX, m_dialogTextScaleY);
  } else {
    PlaceSelectionMarker(m_page == PageSell ? "Sell" : "Purchase",
                         m_confirmAccept->altPosition - Vector3{0.0f, AcceptLabelRaise, 0.0f},
                         MarkerSpacing, m_dialogTextScaleX, m_dialogTextScaleY);
  }
}

void MenuShop::ShowMainPage() {
  m_page = PageMain;
  m_mainSelection = ButtonBuy;
  PlaceMainMarker();
}

void MenuShop::PlaceSelectionMarker(const std::string& label, const Vector3& point, float spacing,
                                    float scaleX, float scaleY) {
  m_selectionMarker.Clear();
  float width = 0.0f;
  if (m_window.largeFont) {
    m_window.largeFont->scaleX = scaleX;
    m_window.largeFont->scaleY = scaleY;
    m_window.largeFont->spacing = spacing;
    width = m_window.largeFont->MeasureString(label);
  }
  const float d = ScreenBoxOf(*m_markerLeft).Width() / 2 + width / 2 + MarkerGap;
  m_markerLeft->SetAltPosition({-d, 0.0f, 0.0f});
  m_markerRight->SetAltPosition({d, 0.0f, 0.0f});
  m_selectionMarker.AddShape(m_markerLeft.get());
  m_selectionMarker.AddShape(m_markerRight.get());
  m_selectionMarker.SetAltPosition({point.x - MarkerShift, point.y, point.z});
}

void MenuShop::OpenPage(Page page) {
  m_page = page;
  StepOfPage() = StepBrowsing;
  // Every mark goes: the cart starts empty on either page.
  if (m_stock) m_stock->ClearQuantities();
  RebuildCart();
  OpenTab(0);
  PlaceDetailPanels();
}

void MenuShop::OpenTab(int tab) {
  OpenTabOfPage() = tab;
  const bool expendables = tab == ItemsTab;
  const std::vector<Item*>& source = TabSource(tab);
  if (StepOfPage() == StepConfirming) {
    FillList(source, Listing::Chosen, expendables);
  } else {
    FillList(source, m_page == PageSell ? Listing::Held : Listing::Offered, expendables);
  }
  const int count = static_cast<int>(m_listItems.size());
  LayoutRows(count);
  ResetScrollBar(count);
  m_listCursor = 0;
  m_listHighlight->SetAltPosition(m_rows.rows[0]->altPosition);
  const bool known = tab >= 0 && tab < TabCount;
  m_window.LayoutTabs(m_tabs, tab, known ? TabTitles[tab] : "");
}

void MenuShop::LayoutRows(int rowCount) {
  m_rows.Layout(rowCount, {});
  const ScreenBox list = ScreenBoxOf(*m_window.content);
  m_rows.PlaceTop(list.left + RowsFromListLeft, list.top + RowsBelowListTop, SecondRowsDrop);
}

void MenuShop::ResetScrollBar(int rowCount) {
  m_scrollBar->SetMinimum(0.0f);
  m_scrollBar->SetMaximum(
      static_cast<float>(std::max(rowCount - static_cast<int>(VisibleRows), 0)));
  m_scrollBar->SetValue(0.0f);
  const Vector3 rows = m_rows.group.altPosition;
  m_scrollBar->position = {rows.x - ScrollBarLeftOfRows, rows.y, rows.z};
  m_scrollBar->PlaceEndCaps();
  m_scrollBar->SetLength(ScreenBoxOf(m_rows.group).Height());
}

void MenuShop::DrawTabList(int tab) {
  const bool known = tab >= 0 && tab < TabCount;
  const std::string title = known ? TabTitles[tab] : "";
  m_tabs.DrawTitle(m_window.largeFont, tab, title);
  m_tabs.DrawClosedTabs(tab);
  m_rows.group.DrawScreen();
  m_rows.overlay.DrawScreen();
  m_scrollBar->Draw();
  // The caption goes on the list's header after it, or the header would cover it.
  const ScreenBox rows = ScreenBoxOf(m_rows.group);
  if (m_window.smallFont) {
    m_window.smallFont->color = ColorGrey;
    m_window.smallFont->DrawString(title, {rows.left + CaptionInset, rows.top, 0.0f},
                                   FontAlignStart, FontAlignStart);
  }
  if (m_listItems.empty()) return;
  DrawRows();
  if (Browsing() && m_listCursor < m_listItems.size()) DrawItemDetails(m_listItems[m_listCursor]);
}

void MenuShop::DrawRows() {
  if (Browsing()) m_listHighlight->DrawScreen();
  if (!m_window.smallFont) return;
  m_window.smallFont->color = ColorWhite;
  for (size_t i = 0; i < m_visibleItems.size(); ++i) {
    const Item& item = *m_visibleItems[i];
    const ScreenBox row = ScreenBoxOf(*m_rows.rows[i]);
    const float y = m_rows.rows[i]->altPosition.y + TextDrop;
    m_window.smallFont->DrawString(item.GetName(), {row.left + NameInset, y, 0.0f}, FontAlignCenter,
                                   FontAlignStart);
    m_window.smallFont->DrawString(std::to_string(item.quantity),
                                   {row.left + MarkedColumn, y, 0.0f}, FontAlignCenter,
                                   FontAlignCenter);
    m_window.smallFont->DrawString(std::to_string(HeldQuantity(m_listTop + i)),
                                   {row.left + HeldColumn, y, 0.0f}, FontAlignCenter,
                                   FontAlignCenter);
    m_window.smallFont->DrawString(FloatToString(item.price), {row.right - PriceInset, y, 0.0f},
                                   FontAlignCenter, FontAlignEnd);
  }
}

void MenuShop::DrawItemDetails(const Item* item) {
  if (m_listItems.empty() || !item || item->name == EmptyItemName) {
    m_itemPage.detailsPanel.DrawScreen();
    return;
  }
  if (item->kind == ItemKindEquipment && item->typeWord == TypeWordEquipment) {
    m_itemPage.descriptionPanel.DrawScreen();
    DrawComparison(*item);
  } else if (item->kind == ItemKindExpendable) {
    m_itemPage.detailsPanel.DrawScreen();
    m_itemPage.DrawForgeItemsHeading();
    m_itemPage.DrawDescription(*item);
  }
}

void MenuShop::DrawItemHeader(const Item& item) {
  const int icon = ItemPage::KindIconOf(item);
  if (icon >= 0) m_itemPage.kindIcons[icon]->DrawScreen();
  m_itemPage.DrawTitle(item.GetName(), false, m_dialogTextScaleX);
}

void MenuShop::DrawComparison(const Item& item) {
  DrawItemHeader(item);
  m_itemPage.DrawComparison(item, m_player ? ItemPage::WornInSlotOf(*m_player, item) : nullptr);
  if (m_player) DrawMainStats(*m_player);
  m_itemPage.DrawForgeItemsHeading();
  m_itemPage.DrawInherentSkillsHeading();
  m_itemPage.DrawDescription(item);
}

void MenuShop::DrawMainStats(const Player& player) {
  // The player's own values, without what the equipment adds.
  ItemPage::MainStatValues values{};
  for (int k = 0; k < ItemPage::ComparedRowCount; ++k) {
    values[k] = player.stats ? (*player.stats)[ItemPage::ComparedStats[k]] : 0.0f;
  }
  m_itemPage.DrawMainStatsHeading();
  m_itemPage.DrawMainStats(values, m_itemPage.MainStatsAt());
}
