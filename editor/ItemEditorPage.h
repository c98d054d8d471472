#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "editor/DebugPage.h"
#include "editor/EditorWidgets.h"
#include "items/StatBlock.h"

class DebugButton;
class DebugMouse;
class Item;
class ItemStore;
class MenuDebug;
class Quad;
class TextBox;
class TypingField;
class World;

// Modes 11 and 12, the item editor, working on a store of its own read from the item files:
// the list page shows each category's items by tab and page, the edit page an item's name,
// description, type or rune part and its fields page by page.
class ItemEditorPage : public DebugPage {
 public:
  // The statistics in key order, then the price ("Tokens") and the use count ("UseCount").
  static constexpr int ItemFieldCount = StatCount + 2;
  static constexpr int TokensField = StatCount;
  static constexpr int UseCountField = StatCount + 1;
  static constexpr size_t RunePartCount = 5;

  ItemEditorPage(MenuDebug& menu, World* world);
  ~ItemEditorPage() override;

  void HandleInput() override;
  void Draw() override;
  // The press held back and its line end with the page shown.
  void Leave() override;
  // The widgets of the page shown: the list's or the edit page's.
  const PageWidgets& Widgets() const override;
  const PageWidgets& ListWidgets() const { return m_widgets; }
  const PageWidgets& EditWidgets() const { return m_editWidgets; }

  // The list page opens on the equipment read afresh from the item files.
  void OpenItemEditor();

  const ItemStore& EditedItems() const { return *m_itemStore; }
  const EditorWidgets::RowList& EquipmentRows() const { return m_equipmentRows; }
  // The rows of the category shown, and the chosen one; null for none.
  const EditorWidgets::RowList* CurrentRows() const { return m_currentRows; }
  const Quad* SelectedRow() const { return m_selectedRow; }
  int32_t ItemPage() const { return m_itemPage; }
  int32_t FieldPage() const { return m_fieldPage; }
  // Why the files were not written, or what a press held back would do; empty when nothing.
  const std::wstring& Message() const { return m_pageMessage.Text(); }

 private:
  bool ShowsList() const;

  // The list page.
  void BuildItemEditor();
  // The editor's store and its rows afresh from the item files; nothing chosen.
  void RebuildItemRows();
  void ShowRows(EditorWidgets::RowList& rows, DebugButton& tab);
  void ShowEquipmentRows();
  void LayoutItemRows();
  int32_t LastItemPage() const;
  void ClearItemSelection();
  // The item a row of the shown category names, found in that category.
  Item* ItemOfRow(const Quad& row) const;
  std::array<DebugButton*, 4> ItemTabs() const;
  void HandleItemListInput();
  void PressOnItemList();
  void OpenSelectedItem();
  void DeleteSelectedItem();
  // A press that takes an item out of its list goes ahead at once when no later item of the list
  // would move up a place; otherwise the first press shows a line saying so and is held back,
  // and the same button pressed next carries it out. held: the press held back before this one.
  bool ConfirmPlacesMove(const DebugButton& button, const Item& item, const DebugButton* held);
  // Every new press ends the press held back, and its line with it; returns that press.
  const DebugButton* TakeHeldPress();
  void NewItem();
  // Writes the item files from the editor's store; false, with the page's line saying so,
  // when they could not be written.
  bool WriteItemFiles();
  void DrawItemList();

  // The edit page.
  void BuildItemEditPage();
  void LoadEditedItem();
  void LoadFieldsFromStats(const StatBlock& stats);
  void SelectEquipmentTypeButton(DebugButton* button);
  void SelectRunePartButton(DebugButton* button);
  void RefileEditedEquipment();
  void StoreItemFields();
  void SaveEditedItem();
  // The first field of the shown field page under the mouse, then Name and Description.
  TextBox* ItemFieldUnderMouse() const;
  void HandleItemEditInput();
  void PressOnItemPage(TextBox* hovered);
  // Weapon, Headgear, Armor, Gauntlet, Boots: the buttons of a rune's five parts.
  std::array<DebugButton*, RunePartCount> RunePartButtons() const;
  void DrawItemEdit();

  MenuDebug& m_menu;
  const DebugMouse& m_mouse;
  TypingField& m_field;
  World* m_world;
  std::unique_ptr<ItemStore> m_itemStore;
  EditorWidgets::RowList m_equipmentRows;
  EditorWidgets::RowList m_runeRows;
  EditorWidgets::RowList m_expendableRows;
  EditorWidgets::RowList m_keyItemRows;
  // The category shown; null until a tab is shown.
  EditorWidgets::RowList* m_currentRows = nullptr;
  Quad* m_selectedRow = nullptr;
  // The press on Delete or a type button held back to say that later items move up a place;
  // null for none.
  const DebugButton* m_heldPress = nullptr;
  // One line under the page whose files could not be written or whose press is held back.
  EditorWidgets::MessageLine m_pageMessage;
  int32_t m_itemPage = 0;
  Item* m_editedItem = nullptr;
  PageWidgets m_editWidgets;
  std::unique_ptr<Quad> m_itemListPanel;
  std::unique_ptr<Quad> m_itemListTitleBar;
  std::unique_ptr<DebugButton> m_equipmentTab;
  std::unique_ptr<DebugButton> m_runesTab;
  std::unique_ptr<DebugButton> m_expendablesTab;
  std::unique_ptr<DebugButton> m_keyItemsTab;
  std::unique_ptr<DebugButton> m_saveListButton;
  std::unique_ptr<DebugButton> m_itemChangeButton;
  std::unique_ptr<DebugButton> m_itemDeleteButton;
  std::unique_ptr<DebugButton> m_itemNewButton;
  std::unique_ptr<DebugButton> m_itemListCancelButton;
  std::unique_ptr<Quad> m_itemEditPanel;
  std::unique_ptr<Quad> m_itemEditTitleBar;
  std::unique_ptr<DebugButton> m_itemSaveButton;
  std::unique_ptr<DebugButton> m_itemEditCancelButton;
  std::unique_ptr<DebugButton> m_weaponButton;
  std::unique_ptr<DebugButton> m_daggerButton;
  std::unique_ptr<DebugButton> m_swordButton;
  std::unique_ptr<DebugButton> m_spearButton;
  std::unique_ptr<DebugButton> m_headgearButton;
  std::unique_ptr<DebugButton> m_armorButton;
  std::unique_ptr<DebugButton> m_gauntletButton;
  std::unique_ptr<DebugButton> m_bootsButton;
  std::unique_ptr<TextBox> m_itemNameBox;
  std::unique_ptr<TextBox> m_itemDescriptionBox;
  std::array<std::unique_ptr<TextBox>, ItemFieldCount> m_itemFieldBoxes;
  int32_t m_fieldPage = 0;
};
