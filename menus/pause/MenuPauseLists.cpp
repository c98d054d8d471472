#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/ListWindow.h"
#include "menus/pause/MenuPause.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

// A list panel's header is 17 pixels high; below it sixteen rows share the rest, less the
// panel's closing pixels.
constexpr float HeaderHeight = 17.0f;
constexpr float RowsHeightMargin = 23.0f;
constexpr float FirstRowFraction = 32.0f;
constexpr float ScrollBarGap = 2.0f;
// The side column from the content's left edge, the list panel 20 pixels right of it.
constexpr float SidePanelInset = 15.0f;
constexpr float PanelsDrop = 1.0f;
constexpr float PanelGap = 20.0f;

}  // namespace

float MenuPause::RowPitch(const ShapeList& panel) {
  return (ScreenBoxOf(panel).Height() - RowsHeightMargin) / static_cast<float>(WindowRows);
}

Vector3 MenuPause::FirstRowCenter(const ShapeList& panel) {
  const ScreenBox box = ScreenBoxOf(panel);
  return {panel.altPosition.x,
          box.top + HeaderHeight + (box.Height() - HeaderHeight) / FirstRowFraction, 0.0f};
}

void MenuPause::PlaceSideAndListPanels() {
  const Sprite& contentPanel = *m_window.content;
  const ScreenBox content = ScreenBoxOf(contentPanel);
  const float y = contentPanel.altPosition.y + PanelsDrop;
  const float sideWidth = ScreenBoxOf(m_sidePanel.group).Width();
  const float sideX = content.left + SidePanelInset + sideWidth / 2;
  m_sidePanel.MoveTo({sideX, y, 0.0f}, OverlayOffset);
  const float listX = sideX + sideWidth / 2 + PanelGap + ScreenBoxOf(m_listPanel.group).Width() / 2;
  m_listPanel.MoveTo({listX, y, 0.0f}, OverlayOffset);
}

void MenuPause::ListHeldItems() {
  m_listRows.clear();
  if (m_player && m_player->itemStore) {
    const ItemStore& store = *m_player->itemStore;
    std::vector<const std::vector<Item*>*> lists = store.equipment.CategoryLists();
    lists.push_back(&store.expendables.items);
    lists.push_back(&store.keyItems.items);
    for (const std::vector<Item*>* list : lists) {
      for (Item* item : *list) {
        if (item->quantity >= 1 && item->name != EmptyItemName) m_listRows.push_back(item);
      }
    }
  }
  ShowListFrom(0);
}

void MenuPause::ListEntries(std::vector<Object>& records) {
  m_listRows.clear();
  for (Object& record : records) m_listRows.push_back(&record);
  ShowListFrom(0);
}

void MenuPause::ShowListFrom(uint32_t index) {
  const uint32_t shown = ListWindow::Shown(m_listRows.size(), WindowRows);
  m_listTop = ListWindow::ClampTop(m_listRows.size(), index, WindowRows);
  m_visibleRows.assign(m_listRows.begin() + m_listTop, m_listRows.begin() + m_listTop + shown);
}

Object* MenuPause::SelectedRow() const {
  return m_listCursor < m_listRows.size() ? m_listRows[m_listCursor] : nullptr;
}

void MenuPause::HighlightFirstListRow() {
  m_listHighlight->SetAltPosition(FirstRowCenter(m_listPanel.group));
  PlaceSelectionArrow(*m_listHighlight);
}

void MenuPause::StartListAtTop() {
  m_listCursor = 0;
  ShowListFrom(0);
  m_scrollBar->SetValue(0.0f);
}

void MenuPause::AttachScrollBar(uint32_t rowCount, const ShapeList& panel, float side) {
  ScrollBar& bar = *m_scrollBar;
  const float beyond = rowCount > WindowRows ? static_cast<float>(rowCount - WindowRows) : 0.0f;
  bar.SetMinimum(0.0f);
  bar.SetMaximum(beyond);
  bar.SetValue(0.0f);
  const ScreenBox box = ScreenBoxOf(panel);
  const float offset = box.Width() / 2 + bar.ThumbWidth() / 2 + ScrollBarGap;
  bar.position = {panel.altPosition.x + side * offset, panel.altPosition.y, 0.0f};
  bar.PlaceEndCaps();
  bar.SetLength(box.Height());
}

void MenuPause::AttachScrollBarRightOfSidePanel(uint32_t rowCount) {
  AttachScrollBar(rowCount, m_sidePanel.group, 1.0f);
}

void MenuPause::ListCursorDown(Sprite& highlight, const ShapeList& panel) {
  const auto shown = static_cast<uint32_t>(m_visibleRows.size());
  switch (ListWindow::Down(m_listRows.size(), shown, m_listTop, WindowRows, m_listCursor)) {
    case ListWindow::Step::Highlight:
      highlight.SetAltPosition(highlight.altPosition + Vector3{0.0f, RowPitch(panel), 0.0f});
      PlaceSelectionArrow(highlight);
      break;
    case ListWindow::Step::Scroll:
      ShowListFrom(m_listTop + 1);
      m_scrollBar->SetValue(m_scrollBar->value + 1.0f);
      break;
    case ListWindow::Step::None:
      break;
  }
}

void MenuPause::ListCursorUp(Sprite& highlight, const ShapeList& panel) {
  switch (ListWindow::Up(m_listRows.size(), m_listTop, m_listCursor)) {
    case ListWindow::Step::Highlight:
      highlight.SetAltPosition(highlight.altPosition - Vector3{0.0f, RowPitch(panel), 0.0f});
      PlaceSelectionArrow(highlight);
      break;
    case ListWindow::Step::Scroll:
      ShowListFrom(m_listTop - 1);
      m_scrollBar->SetValue(m_scrollBar->value - 1.0f);
      break;
    case ListWindow::Step::None:
      break;
  }
}
