#include "menus/pause/StatsTab.h"

#include <string>

#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/AtlasPanels.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"
#include "player/Player.h"

using platform::Vector3;
namespace Cells = PauseMenuCells;

namespace {

// The columns: 70-pixel rows 72 apart, the highlight's header strip above them.
constexpr float SlotRowStep = 72.0f;
constexpr float ColumnHeaderY = 29.0f;
constexpr float ColumnWidth = 195.0f;
constexpr float SlotRowHeight = 70.0f;
// The columns stand either side of the middle between the content's left edge and the page.
constexpr float EquipmentColumnGap = 2.0f;
constexpr float RuneColumnGap = 3.0f;
constexpr float ColumnsDrop = 9.0f;
constexpr Vector3 EquipmentHighlightOffset{0.0f, -8.0f, 0.0f};
constexpr Vector3 RuneHighlightOffset{1.0f, -8.0f, 0.0f};
// Below the column highlight's header strip, rows 2 pixels apart.
constexpr float HeaderStripHeight = 16.0f;
constexpr float SlotRowGap = 2.0f;
// The candidate list lies 20 pixels inside the far edge of the column it covers.
constexpr float SlotListInset = 20.0f;

// Column texts: the titles in the 17-point font just above each column, the item names at
// 0.38 of the 64-point font, the slot names small and grey in the row's upper corner, clear
// of the frame's border (the chosen row's highlight border is 6 pixels deep).
constexpr float ColumnTextInset = 20.0f;
constexpr float ColumnTitleDrop = 1.0f;
constexpr float SlotNameDrop = 6.0f;
// An item's name ends this far inside its frame's far side, clear of the frame's border; a longer
// name is cut there.
constexpr float ItemNameEndInset = 8.0f;
constexpr Color4 SlotNameColor{255, 128, 128, 128};

using EquipByName = void (Actor::*)(std::string);
constexpr EquipByName EquipmentByName[StatsTab::SlotRowCount] = {
    &Actor::EquipSlot0ByName, &Actor::EquipSlot1ByName, &Actor::EquipSlot2ByName,
    &Actor::EquipSlot3ByName, &Actor::EquipSlot4ByName};
constexpr EquipByName RunesByName[StatsTab::SlotRowCount] = {
    &Actor::EquipSlot5ByName, &Actor::EquipSlot6ByName, &Actor::EquipSlot7ByName,
    &Actor::EquipSlot8ByName, &Actor::EquipSlot9ByName};

// A row outside the five acts as the weapon row.
int SlotRow(int row) { return row >= 1 && row < StatsTab::SlotRowCount ? row : 0; }

const std::vector<Item*>& EquipmentCandidates(const EquipmentPool& pool, int row) {
  const std::vector<Item*>* lists[StatsTab::SlotRowCount] = {
      &pool.weapons, &pool.headgear, &pool.armor, &pool.gauntlets, &pool.boots};
  return *lists[SlotRow(row)];
}

// One piece of a group: placed relative to the group's origin, then added.
void AddAt(ShapeList& group, Sprite& piece, float y) {
  piece.SetAltPosition({0.0f, y, 0.0f});
  group.AddShape(&piece);
}

}  // namespace

StatsTab::StatsTab(MenuPause& owner)
    : PauseTab(owner),
      m_slotListPanel(owner.GetWindow().atlas, Cells::SlotListHeader, Cells::SlotListRow,
                      Cells::SlotListFill, MenuPause::WindowRows, MenuPause::ListFiller,
                      ListPanel::Overlay::None) {
  Texture* atlas = owner.GetWindow().atlas;
  m_columnHighlightHeader = CutSprite(atlas, Cells::ColumnHeader);
  AddAt(m_columnHighlight, *m_columnHighlightHeader, ColumnHeaderY);
  for (int i = 0; i < SlotRowCount; ++i) {
    const float y = SlotRowStep * static_cast<float>(i + 1);
    m_equipmentRowFrames[i] = CutSprite(atlas, Cells::SlotFrame);
    AddAt(m_equipmentColumn, *m_equipmentRowFrames[i], y);
    m_runeRowFrames[i] = CutSprite(atlas, Cells::SlotFrame);
    m_runeRowFrames[i]->flipHorizontal = 1;
    AddAt(m_runeColumn, *m_runeRowFrames[i], y);
    m_columnHighlightPlates[i] =
        CutSprite(atlas, Cells::HighlightPlate, ColumnWidth, SlotRowHeight);
    AddAt(m_columnHighlight, *m_columnHighlightPlates[i], y);
  }
  m_slotMarker = CutSprite(atlas, Cells::SlotMarker);
  m_slotListPanel.Layout(MenuPause::WindowRows, MenuPause::OverlayOffset);
}

StatsTab::~StatsTab() = default;

std::optional<platform::PixelRect> StatsTab::Icon() const { return Cells::StatsIcon; }

void StatsTab::Build() {
  m_focus = 0;
  m_column = 0;
  m_row = 0;
  menu.PlacePagePieces();
  const Sprite& contentPanel = *menu.GetWindow().content;
  const ScreenBox content = ScreenBoxOf(contentPanel);
  const float middle = (content.left + ScreenBoxOf(Page().descriptionPanel).left) / 2;
  const float y = contentPanel.altPosition.y + ColumnsDrop;
  m_equipmentColumn.SetAltPosition(
      {middle - ScreenBoxOf(m_equipmentColumn).Width() / 2 - EquipmentColumnGap, y, 0.0f});
  m_runeColumn.SetAltPosition(
      {middle + ScreenBoxOf(m_runeColumn).Width() / 2 - RuneColumnGap, y, 0.0f});
  m_columnHighlight.SetAltPosition(m_equipmentColumn.altPosition + EquipmentHighlightOffset);
  PlaceSlotMarker();
}

void StatsTab::PlaceSlotMarker() {
  const ShapeList& column = m_column == 0 ? m_equipmentColumn : m_runeColumn;
  const float h = ScreenBoxOf(*m_slotMarker).Height();
  const float top = ScreenBoxOf(m_columnHighlight).top;
  m_slotMarker->SetAltPosition(
      {column.altPosition.x,
       top + HeaderStripHeight + h / 2 + (h + SlotRowGap) * static_cast<float>(m_row), 0.0f});
  const uint8_t flip = m_column == 0 ? 0 : 1;
  if (m_slotMarker->flipHorizontal != flip) {
    m_slotMarker->flipHorizontal = flip;
    m_slotMarker->dirty = 1;
  }
}

void StatsTab::HandleInput(const Controls& c) {
  if (m_focus == 0) {
    if (c.IsMenuRightPressed()) {
      SelectRuneColumn();
    } else if (c.IsMenuLeftPressed(c.activePad)) {
      SelectEquipmentColumn();
    } else if (c.IsMenuDownPressed(c.activePad)) {
      NextSlot();
    } else if (c.IsMenuUpPressed()) {
      PreviousSlot();
    } else if (c.IsConfirmPressed()) {
      OpenItemList();
    } else if (c.IsCancelPressed()) {
      menu.Resume();
    }
  } else if (m_focus == 1) {
    if (c.IsCancelPressed()) {
      m_focus = 0;
    } else if (c.IsMenuDownPressed(c.activePad)) {
      menu.ListCursorDown(menu.GetSideHighlight(), menu.GetSidePanel().group);
    } else if (c.IsMenuUpPressed()) {
      menu.ListCursorUp(menu.GetSideHighlight(), menu.GetSidePanel().group);
    } else if (c.IsConfirmPressed()) {
      EquipSelectedItem();
    }
  }
}

void StatsTab::SelectRuneColumn() {
  if (m_column != 0) return;
  m_column = 1;
  m_columnHighlight.SetAltPosition(m_runeColumn.altPosition + RuneHighlightOffset);
  PlaceSlotMarker();
}

void StatsTab::SelectEquipmentColumn() {
  if (m_column != 1) return;
  m_column = 0;
  m_columnHighlight.SetAltPosition(m_equipmentColumn.altPosition + EquipmentHighlightOffset);
  PlaceSlotMarker();
}

void StatsTab::NextSlot() {
  m_row = m_row >= 0 && m_row < SlotRowCount - 1 ? m_row + 1 : m_row == SlotRowCount - 1 ? 0 : 1;
  PlaceSlotMarker();
}

void StatsTab::PreviousSlot() {
  m_row = m_row >= 1 && m_row < SlotRowCount ? m_row - 1 : SlotRowCount - 1;
  PlaceSlotMarker();
}

void StatsTab::OpenItemList() {
  m_focus = 1;
  menu.StartListAtTop();
  const ScreenBox equipment = ScreenBoxOf(m_equipmentColumn);
  const ScreenBox runes = ScreenBoxOf(m_runeColumn);
  const float halfWidth = ScreenBoxOf(m_slotListPanel.group).Width() / 2;
  const float y = m_columnHighlight.altPosition.y;
  const Player* player = menu.GetPlayer();
  const ItemStore* store = player ? player->itemStore.get() : nullptr;
  const bool equipmentSlot = m_column == 0;
  const float x = equipmentSlot ? runes.right - SlotListInset - halfWidth
                                : equipment.left + SlotListInset + halfWidth;
  m_slotListPanel.MoveTo({x, y, 0.0f}, MenuPause::OverlayOffset);
  if (!store) {
    menu.ListItems(std::vector<Item*>{});
  } else if (equipmentSlot) {
    menu.ListItems(EquipmentCandidates(store->equipment, m_row));
  } else {
    menu.ListItems(store->runes.items);
  }
  const auto count = static_cast<uint32_t>(menu.GetListRows().size());
  m_slotListPanel.Layout(static_cast<int>(count), MenuPause::OverlayOffset);
  // The scroll bar beside the list on the side away from the columns' middle.
  menu.AttachScrollBar(count, m_slotListPanel.group, equipmentSlot ? 1.0f : -1.0f);
  menu.GetSideHighlight().SetAltPosition(MenuPause::FirstRowCenter(m_slotListPanel.group));
}

void StatsTab::EquipSelectedItem() {
  const Object* entry = menu.SelectedRow();
  Player* player = menu.GetPlayer();
  if (!entry || !player) return;
  const int row = SlotRow(m_row);
  const EquipByName equip = m_column == 0 ? EquipmentByName[row] : RunesByName[row];
  (player->*equip)(entry->GetName());
  menu.RefreshMovementLimits();
  m_focus = 0;
}

void StatsTab::Draw() {
  ItemPage& page = Page();
  const Object* pageItem = nullptr;
  if (m_focus == 1) {
    m_slotMarker->DrawScreen();
    if (m_column == 0) {
      page.descriptionPanel.DrawScreen();
      m_equipmentColumn.DrawScreen();
      DrawColumnTexts(0);
    } else {
      page.detailsPanel.DrawScreen();
      m_runeColumn.DrawScreen();
      DrawColumnTexts(1);
    }
    m_slotListPanel.group.DrawScreen();
    if (!menu.GetListRows().empty()) menu.GetSideHighlight().DrawScreen();
    menu.DrawListTexts(ScreenBoxOf(m_slotListPanel.group), SlotNames[SlotRow(m_row)]);
    menu.GetScrollBar().Draw();
    pageItem = menu.SelectedRow();
  } else {
    m_equipmentColumn.DrawScreen();
    m_runeColumn.DrawScreen();
    m_columnHighlight.DrawScreen();
    m_slotMarker->DrawScreen();
    DrawColumnTexts(0);
    DrawColumnTexts(1);
    const Player* player = menu.GetPlayer();
    if (player && (m_column == 0 || m_column == 1)) {
      const int slot = SlotRow(m_row) + (m_column == 0 ? 0 : Actor::FirstRuneSlot);
      pageItem = player->equipped[slot];
    }
  }
  DrawSlotNames();
  menu.DrawItemPage(
      pageItem,
      {.comparing = m_focus == 1 && m_column == 0, .runePart = m_row, .hud = true, .title = {}});
}

void StatsTab::DrawColumnTexts(int column) {
  const bool equipment = column == 0;
  const ScreenBox box = ScreenBoxOf(equipment ? m_equipmentColumn : m_runeColumn);
  Font* small = SmallFace();
  Font* large = LargeFace();
  if (small) {
    small->color = ColorGrey;
    small->DrawString(equipment ? "Equipment" : "Runes",
                      {box.right - ColumnTextInset, box.top + ColumnTitleDrop, 0.0f}, FontAlignEnd,
                      FontAlignEnd);
  }
  const Player* player = menu.GetPlayer();
  if (!player || !large) return;
  Page().SetFont(MenuPause::NameScale, ColorWhite);
  const float x = equipment ? box.left + ColumnTextInset : box.right - ColumnTextInset;
  const int first = equipment ? 0 : Actor::FirstRuneSlot;
  const auto& frames = equipment ? m_equipmentRowFrames : m_runeRowFrames;
  const auto measure = [large](const std::string& text) { return large->MeasureString(text); };
  for (int k = 0; k < SlotRowCount; ++k) {
    const Item* item = player->equipped[first + k];
    if (!item) continue;
    const ScreenBox frame = ScreenBoxOf(*frames[k]);
    const float room =
        equipment ? frame.right - ItemNameEndInset - x : x - (frame.left + ItemNameEndInset);
    large->DrawString(CutToWidth(item->GetName(), room, measure),
                      {x, m_equipmentRowFrames[k]->altPosition.y, 0.0f}, FontAlignCenter,
                      equipment ? FontAlignStart : FontAlignEnd);
  }
}

void StatsTab::DrawSlotNames() {
  Font* large = LargeFace();
  if (!large) return;
  Page().SetFont(MenuPause::PageTextScale, SlotNameColor);
  const bool equipment = m_column == 0;
  const float x = equipment ? ScreenBoxOf(m_equipmentColumn).right - ColumnTextInset
                            : ScreenBoxOf(m_runeColumn).left + ColumnTextInset;
  const auto& frames = equipment ? m_equipmentRowFrames : m_runeRowFrames;
  for (int k = 0; k < SlotRowCount; ++k) {
    large->DrawString(SlotNames[k], {x, ScreenBoxOf(*frames[k]).top + SlotNameDrop, 0.0f},
                      FontAlignStart, equipment ? FontAlignEnd : FontAlignStart);
  }
}
