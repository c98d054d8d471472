#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/draw/ShapeList.h"
#include "engine/draw/Sprite.h"
#include "menus/ListPanel.h"
#include "menus/pause/PauseTab.h"

// The Stats tab: the equipment and the rune slots in two columns of five rows, and the list of
// the player's items that fit the chosen slot, from which one is worn.
class StatsTab : public PauseTab {
 public:
  static constexpr int SlotRowCount = 5;
  // The five body positions of the slot rows, as labelled.
  static constexpr std::array<const char*, SlotRowCount> SlotNames{"Weapon", "Headgear", "Armor",
                                                                   "Gauntlet", "Boots"};

  explicit StatsTab(MenuPause& owner);
  ~StatsTab() override;

  const char* Title() const override { return "Stats"; }
  std::optional<platform::PixelRect> Icon() const override;
  // The columns beside the page, the focus on the equipment's weapon row.
  void Build() override;
  void HandleInput(const Controls& controls) override;
  void Draw() override;

  // 0 the slot columns have the focus, 1 the candidate list.
  int32_t GetFocus() const { return m_focus; }
  // 0 equipment, 1 runes.
  int32_t GetColumn() const { return m_column; }
  // 0 weapon to 4 boots.
  int32_t GetRow() const { return m_row; }
  const ShapeList& GetEquipmentColumn() const { return m_equipmentColumn; }
  const ShapeList& GetRuneColumn() const { return m_runeColumn; }
  const Sprite& GetSlotMarker() const { return *m_slotMarker; }

 private:
  void SelectRuneColumn();
  void SelectEquipmentColumn();
  void NextSlot();
  void PreviousSlot();
  // The candidates of the slot in a list over the other column.
  void OpenItemList();
  void EquipSelectedItem();
  // The slot marker on the row, its flip from the column.
  void PlaceSlotMarker();
  void DrawColumnTexts(int column);
  void DrawSlotNames();

  int32_t m_focus = 0;
  int32_t m_column = 0;
  int32_t m_row = 0;
  ShapeList m_equipmentColumn;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_equipmentRowFrames;
  ShapeList m_runeColumn;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_runeRowFrames;
  ShapeList m_columnHighlight;
  std::unique_ptr<Sprite> m_columnHighlightHeader;
  std::array<std::unique_ptr<Sprite>, SlotRowCount> m_columnHighlightPlates;
  std::unique_ptr<Sprite> m_slotMarker;
  // The candidate list.
  ListPanel m_slotListPanel;
};
