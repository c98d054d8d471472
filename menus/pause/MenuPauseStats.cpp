#include <string>

#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"
#include "player/PlayerState.h"

using platform::Vector3;

namespace {

constexpr const char* StatsTitle = "Stats";
constexpr float PageFromContentRight = 15.0f;
// The columns stand either side of the middle between the content's left edge and the page.
constexpr float EquipmentColumnGap = 2.0f;
constexpr float RuneColumnGap = 3.0f;
constexpr float ColumnsDrop = 9.0f;
constexpr Vector3 EquipmentHighlightOffset{0.0f, -8.0f, 0.0f};
constexpr Vector3 RuneHighlightOffset{1.0f, -8.0f, 0.0f};
// Below the column highlight's header strip, rows 2 pixels apart.
constexpr float HeaderStripHeight = 16.0f;
constexpr float SlotRowGap = 2.0f;
// The portrait's top stands just below the page's top band.
constexpr float PortraitDrop = 2.0f;
// The candidate list lies 20 pixels inside the far edge of the column it covers.
constexpr float SlotListInset = 20.0f;
constexpr float ListHeaderHeight = 17.0f;
constexpr float FirstRowFraction = 32.0f;

// Column texts: the titles in the 17-point font just above each column, the item names at
// 0.38 of the 64-point font, the slot names small and grey in the row's upper corner, clear
// of the frame's border (the chosen row's highlight border is 6 pixels deep).
constexpr float ColumnTextInset = 20.0f;
constexpr float ColumnTitleDrop = 1.0f;
constexpr float SlotNameDrop = 6.0f;
constexpr Color4 SlotNameColor{255, 128, 128, 128};

using EquipByName = void (Actor::*)(std::string);
constexpr EquipByName EquipmentByName[MenuPause::SlotRowCount] = {
    &Actor::EquipSlot0ByName, &Actor::EquipSlot1ByName, &Actor::EquipSlot2ByName,
    &Actor::EquipSlot3ByName, &Actor::EquipSlot4ByName};
constexpr EquipByName RunesByName[MenuPause::SlotRowCount] = {
    &Actor::EquipSlot5ByName, &Actor::EquipSlot6ByName, &Actor::EquipSlot7ByName,
    &Actor::EquipSlot8ByName, &Actor::EquipSlot9ByName};

// A row outside the five acts as the weapon row.
int SlotRow(int row) { return row >= 1 && row < MenuPause::SlotRowCount ? row : 0; }

const std::vector<Item*>& EquipmentCandidates(const EquipmentPool& pool, int row) {
  const std::vector<Item*>* lists[MenuPause::SlotRowCount] = {
      &pool.weapons, &pool.headgear, &pool.armor, &pool.gauntlets, &pool.boots};
  return *lists[SlotRow(row)];
}

}  // namespace

void MenuPause::PlacePagePieces() {
  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const Vector3 page{
      content.right - PageFromContentRight - ScreenBoxOf(*m_itemPage.detailsBody).Width() / 2,
      m_contentPanel->altPosition.y, 0.0f};
  m_itemPage.descriptionPanel.SetAltPosition(page);
  m_itemPage.detailsPanel.SetAltPosition(page);
  // The portrait the interface is placed by is the sprite centred on its anchor.
  if (m_player && m_player->hudFirstSprite) {
    const float portrait = ScreenBoxOf(*m_player->hudFirstSprite).Height();
    const float y = ScreenBoxOf(*m_itemPage.descriptionMiddleTop).top -
                    ScreenBoxOf(*m_itemPage.descriptionTop).Height() + portrait / 2 + PortraitDrop;
    m_player->PlaceHud({m_itemPage.descriptionMiddleTop->altPosition.x, y, 0.0f});
  }
  m_itemPage.PlaceMarkers();
}

void MenuPause::BuildStatsTab() {
  m_tabIndex = TabStats;
  m_statsFocus = 0;
  m_statsColumn = 0;
  m_statsRow = 0;
  LayoutTabStrip(TabStats, StatsTitle);
  PlacePagePieces();
  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const float middle = (content.left + ScreenBoxOf(m_itemPage.descriptionPanel).left) / 2;
  const float y = m_contentPanel->altPosition.y + ColumnsDrop;
  m_equipmentColumn.SetAltPosition(
      {middle - ScreenBoxOf(m_equipmentColumn).Width() / 2 - EquipmentColumnGap, y, 0.0f});
  m_runeColumn.SetAltPosition(
      {middle + ScreenBoxOf(m_runeColumn).Width() / 2 - RuneColumnGap, y, 0.0f});
  m_columnHighlight.SetAltPosition(m_equipmentColumn.altPosition + EquipmentHighlightOffset);
  PlaceSlotMarker();
}

void MenuPause::PlaceSlotMarker() {
  const ShapeList& column = m_statsColumn == 0 ? m_equipmentColumn : m_runeColumn;
  const float h = ScreenBoxOf(*m_slotMarker).Height();
  const float top = ScreenBoxOf(m_columnHighlight).top;
  m_slotMarker->SetAltPosition(
      {column.altPosition.x,
       top + HeaderStripHeight + h / 2 + (h + SlotRowGap) * static_cast<float>(m_statsRow), 0.0f});
  const uint8_t flip = m_statsColumn == 0 ? 0 : 1;
  if (m_slotMarker->flipHorizontal != flip) {
    m_slotMarker->flipHorizontal = flip;
    m_slotMarker->dirty = 1;
  }
}

void MenuPause::HandleStatsInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    OpenTabBeforeStats();
  } else if (c.IsRightShoulderPressed()) {
    BuildInventoryTab();
  } else if (m_statsFocus == 0) {
    if (c.IsMenuRightPressed()) {
      SelectRuneColumn();
    } else if (c.IsMenuLeftPressed(c.activePad)) {
      SelectEquipmentColumn();
    } else if (c.IsMenuDownPressed(c.activePad)) {
      NextStatsSlot();
    } else if (c.IsMenuUpPressed()) {
      PreviousStatsSlot();
    } else if (c.IsConfirmPressed()) {
      OpenStatsItemList();
    } else if (c.IsCancelPressed()) {
      Resume();
    }
  } else if (m_statsFocus == 1) {
    if (c.IsCancelPressed()) {
      m_statsFocus = 0;
    } else if (c.IsMenuDownPressed(c.activePad)) {
      StatsListCursorDown();
    } else if (c.IsMenuUpPressed()) {
      StatsListCursorUp();
    } else if (c.IsConfirmPressed()) {
      EquipSelectedItem();
    }
  }
}

void MenuPause::SelectRuneColumn() {
  if (m_statsColumn != 0) return;
  m_statsColumn = 1;
  m_columnHighlight.SetAltPosition(m_runeColumn.altPosition + RuneHighlightOffset);
  PlaceSlotMarker();
}

void MenuPause::SelectEquipmentColumn() {
  if (m_statsColumn != 1) return;
  m_statsColumn = 0;
  m_columnHighlight.SetAltPosition(m_equipmentColumn.altPosition + EquipmentHighlightOffset);
  PlaceSlotMarker();
}

void MenuPause::NextStatsSlot() {
  m_statsRow = m_statsRow >= 0 && m_statsRow < SlotRowCount - 1 ? m_statsRow + 1
               : m_statsRow == SlotRowCount - 1                 ? 0
                                                                : 1;
  PlaceSlotMarker();
}

void MenuPause::PreviousStatsSlot() {
  m_statsRow = m_statsRow >= 1 && m_statsRow < SlotRowCount ? m_statsRow - 1 : SlotRowCount - 1;
  PlaceSlotMarker();
}

void MenuPause::OpenStatsItemList() {
  m_statsFocus = 1;
  m_listCursor = 0;
  m_listTop = 0;
  const ScreenBox equipment = ScreenBoxOf(m_equipmentColumn);
  const ScreenBox runes = ScreenBoxOf(m_runeColumn);
  const float halfWidth = ScreenBoxOf(m_slotListPanel.group).Width() / 2;
  const float y = m_columnHighlight.altPosition.y;
  const ItemStore* store = m_player ? m_player->itemStore.get() : nullptr;
  const bool equipmentSlot = m_statsColumn == 0;
  if (equipmentSlot) {
    m_slotListPanel.MoveTo({runes.right - SlotListInset - halfWidth, y, 0.0f}, m_overlayOffset);
  } else {
    m_slotListPanel.MoveTo({equipment.left + SlotListInset + halfWidth, y, 0.0f}, m_overlayOffset);
  }
  if (!store) {
    ListItems(std::vector<Item*>{});
  } else if (equipmentSlot) {
    ListItems(EquipmentCandidates(store->equipment, m_statsRow));
  } else {
    ListItems(store->runes.items);
  }
  const auto count = static_cast<uint32_t>(m_listRows.size());
  LayoutSlotListPanel(static_cast<int>(count));
  if (equipmentSlot) {
    AttachScrollBarRightOfSlotList(count);
  } else {
    AttachScrollBarLeftOfSlotList(count);
  }
  const ScreenBox panel = ScreenBoxOf(m_slotListPanel.group);
  m_sideHighlight->SetAltPosition(
      {m_slotListPanel.group.altPosition.x,
       panel.top + ListHeaderHeight + (panel.Height() - ListHeaderHeight) / FirstRowFraction,
       0.0f});
}

void MenuPause::StatsListCursorDown() { ListCursorDown(*m_sideHighlight, m_sidePanel.group); }

void MenuPause::StatsListCursorUp() { ListCursorUp(*m_sideHighlight, m_sidePanel.group); }

void MenuPause::EquipSelectedItem() {
  const Object* entry = SelectedRow();
  if (!entry || !m_player) return;
  const int row = SlotRow(m_statsRow);
  const EquipByName equip = m_statsColumn == 0 ? EquipmentByName[row] : RunesByName[row];
  (m_player->*equip)(entry->GetName());
  RefreshMovementLimits();
  m_statsFocus = 0;
}

void MenuPause::RefreshMovementLimits() {
  if (PlayerState* state = m_player->CurrentState()) state->SetMovementLimits();
}

void MenuPause::DrawStatsTab() {
  DrawCommonFrame(TabStats, StatsTitle);
  const Object* pageItem = nullptr;
  if (m_statsFocus == 1) {
    m_slotMarker->DrawScreen();
    if (m_statsColumn == 0) {
      m_itemPage.descriptionPanel.DrawScreen();
      m_equipmentColumn.DrawScreen();
      DrawStatsColumnTexts(0);
    } else {
      m_itemPage.detailsPanel.DrawScreen();
      m_runeColumn.DrawScreen();
      DrawStatsColumnTexts(1);
    }
    m_slotListPanel.group.DrawScreen();
    if (!m_listRows.empty()) m_sideHighlight->DrawScreen();
    const ScreenBox list = ScreenBoxOf(m_slotListPanel.group);
    DrawListTexts(list.Width(), list.Height(), list.TopLeft());
    m_scrollBar->Draw();
    pageItem = SelectedRow();
  } else {
    m_equipmentColumn.DrawScreen();
    m_runeColumn.DrawScreen();
    m_columnHighlight.DrawScreen();
    m_slotMarker->DrawScreen();
    DrawStatsColumnTexts(0);
    DrawStatsColumnTexts(1);
    if (m_player && (m_statsColumn == 0 || m_statsColumn == 1)) {
      const int slot = SlotRow(m_statsRow) + (m_statsColumn == 0 ? 0 : Actor::FirstRuneSlot);
      pageItem = m_player->equipped[slot];
    }
  }
  DrawSlotNames();
  DrawItemPage(pageItem);
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuPause::DrawStatsColumnTexts(int column) {
  const bool equipment = column == 0;
  const ScreenBox box = ScreenBoxOf(equipment ? m_equipmentColumn : m_runeColumn);
  if (m_fontArc17pt) {
    m_fontArc17pt->color = ColorGrey;
    m_fontArc17pt->DrawString(equipment ? "Equipment" : "Runes",
                              {box.right - ColumnTextInset, box.top + ColumnTitleDrop, 0.0f},
                              FontAlignEnd, FontAlignEnd);
  }
  if (!m_player || !m_fontArc64pt) return;
  m_itemPage.SetFont(NameScale, ColorWhite);
  const float x = equipment ? box.left + ColumnTextInset : box.right - ColumnTextInset;
  const int first = equipment ? 0 : Actor::FirstRuneSlot;
  for (int k = 0; k < SlotRowCount; ++k) {
    const Item* item = m_player->equipped[first + k];
    if (!item) continue;
    m_fontArc64pt->DrawString(item->GetName(), {x, m_equipmentRowFrames[k]->altPosition.y, 0.0f},
                              FontAlignCenter, equipment ? FontAlignStart : FontAlignEnd);
  }
}

void MenuPause::DrawSlotNames() {
  if (!m_fontArc64pt) return;
  m_itemPage.SetFont(PageTextScale, SlotNameColor);
  const bool equipment = m_statsColumn == 0;
  const float x = equipment ? ScreenBoxOf(m_equipmentColumn).right - ColumnTextInset
                            : ScreenBoxOf(m_runeColumn).left + ColumnTextInset;
  const auto& frames = equipment ? m_equipmentRowFrames : m_runeRowFrames;
  for (int k = 0; k < SlotRowCount; ++k) {
    m_fontArc64pt->DrawString(SlotNames[k], {x, ScreenBoxOf(*frames[k]).top + SlotNameDrop, 0.0f},
                              FontAlignStart, equipment ? FontAlignEnd : FontAlignStart);
  }
}
