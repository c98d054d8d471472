#pragma once

#include <cstdint>

#include "menus/pause/PauseTab.h"

class Item;

// The Inventory tab: the categories in the side column and the player's items of the chosen
// one in the list beside it; equipment in the list is worn with the equip key.
class InventoryTab : public PauseTab {
 public:
  // All, the seven equipment categories, Expendables and Key Items.
  static constexpr int CategoryCount = 10;

  using PauseTab::PauseTab;

  const char* Title() const override { return "Inventory"; }
  std::optional<platform::PixelRect> Icon() const override;
  // The focus on the category column at "All".
  void Build() override;
  void HandleInput(const Controls& controls) override;
  void Draw() override;

  // The list takes the focus at its first row; an empty list takes none.
  void FocusList();
  void CursorDown();
  void CursorUp();

  // 0 the category column has the focus, 1 the item list.
  int32_t GetMode() const { return m_mode; }
  // 0 All to 9 Key Items.
  int32_t GetCategory() const { return m_category; }

 private:
  // Fills the list for the category and lays out its panel.
  void ShowCategory();
  void NextCategory();
  void PreviousCategory();
  void EquipSelected();
  void DrawItemDetail();
  // The item's picture in the corner of its page and its name as the page's title.
  void DrawItemTitle(const Item& item);

  int32_t m_mode = 0;
  int32_t m_category = 0;
};
