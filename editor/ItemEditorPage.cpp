#include "editor/ItemEditorPage.h"

#include <algorithm>
#include <string>
#include <utility>

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "editor/MenuDebug.h"
#include "editor/TypingField.h"
#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemFileWriter.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "platform/SpriteBatch.h"

namespace Layout = EditorLayout;
using EditorWidgets::DrawCaption;
using EditorWidgets::RowList;

namespace {

const ScreenBox& Panel() { return Layout::ItemEditorPanel; }
const ScreenBox Title = EditorWidgets::TitleBarBox(Layout::ItemEditorPanel);
float TitleY() { return (Title.top + Title.bottom) / 2; }
constexpr int32_t RowsPerPage = Layout::RowColumns * Layout::RowsPerColumn;

std::unique_ptr<DebugButton> TitleButton(float width, float x, const char* label) {
  return std::make_unique<DebugButton>(width, Layout::TabHeight, 0.0f, x, TitleY(), 0.0f, label);
}

std::unique_ptr<DebugButton> Tab(int k, const char* label) {
  return TitleButton(Layout::TabWidth, Title.right - Layout::TabLeftOfTitleRight[k], label);
}

std::unique_ptr<DebugButton> BottomButton(float leftOfRight, float height, const char* label) {
  return std::make_unique<DebugButton>(Layout::ButtonWidth, height, 0.0f,
                                       Panel().right - leftOfRight,
                                       Panel().bottom - Layout::OkButtonFromBottom, 0.0f, label);
}

// Every item of the list but the placeholders gets a row, in list order.
template <typename T>
void BuildRows(RowList& rows, const std::vector<T*>& items) {
  rows.clear();
  for (const T* item : items) {
    if (item->name != EmptyItemName) rows.push_back(EditorWidgets::MakeListRow(item->name));
  }
}

// The list code and the place in that list, as the player record names the item; the name
// alone for an item no list takes.
std::wstring RowText(const ItemStore& store, const Item* item, const std::string& name) {
  const char code = item ? ListCodeOf(*item) : 0;
  if (!code) return StringToWString(name);
  const std::vector<Item*> list = ItemsOfList(store, code);
  const auto found = std::find_if(list.begin(), list.end(),
                                  [&name](const Item* listed) { return listed->name == name; });
  const int index = found == list.end() ? -1 : static_cast<int>(found - list.begin());
  return std::wstring(1, static_cast<wchar_t>(code)) + L" " + IntToWString(index) + L" 0) " +
         StringToWString(name);
}

// Whether items stand after this one in the list that names it by place, so that taking it out
// moves each of them up one place.
bool LaterItemsMove(const ItemStore& store, const Item& item) {
  const std::vector<Item*> list = ItemsOfList(store, ListCodeOf(item));
  const auto found = std::find(list.begin(), list.end(), &item);
  return found != list.end() && found + 1 != list.end();
}

}  // namespace

ItemEditorPage::ItemEditorPage(MenuDebug& menu, World* world)
    : m_menu(menu),
      m_mouse(menu.Mouse()),
      m_field(menu.Field()),
      m_world(world),
      m_pageMessage(AlignQuarterUp) {
  BuildItemEditor();
  BuildItemEditPage();
}

ItemEditorPage::~ItemEditorPage() = default;

bool ItemEditorPage::ShowsList() const { return m_menu.Mode() == MenuDebug::ModeItemList; }

void ItemEditorPage::HandleInput() {
  if (ShowsList()) {
    HandleItemListInput();
  } else {
    HandleItemEditInput();
  }
}

void ItemEditorPage::Draw() {
  if (ShowsList()) {
    DrawItemList();
  } else {
    DrawItemEdit();
  }
}

void ItemEditorPage::Leave() {
  m_heldPress = nullptr;
  m_pageMessage.Clear();
}

const PageWidgets& ItemEditorPage::Widgets() const {
  return ShowsList() ? m_widgets : m_editWidgets;
}

void ItemEditorPage::BuildItemEditor() {
  m_itemStore = std::make_unique<ItemStore>();
  m_itemListPanel = Layout::MakeBar(Panel());
  m_itemListTitleBar = EditorWidgets::MakeTitleBar(Panel());
  m_saveListButton = TitleButton(Layout::SaveListWidth,
                                 Title.left + Layout::SaveListRightOfTitleLeft, "Save List");
  m_equipmentTab = Tab(0, "Equipment");
  m_runesTab = Tab(1, "Runes");
  m_expendablesTab = Tab(2, "Expendables");
  m_keyItemsTab = Tab(3, "Key Items");
  m_itemChangeButton =
      BottomButton(Layout::ListButtonLeftOfRight[0], Layout::ButtonHeight, "Change");
  m_itemDeleteButton =
      BottomButton(Layout::ListButtonLeftOfRight[1], Layout::ButtonHeight, "Delete");
  m_itemNewButton =
      BottomButton(Layout::ListButtonLeftOfRight[2], Layout::ButtonHeight, "New Item");
  m_itemListCancelButton =
      BottomButton(Layout::ListButtonLeftOfRight[3], Layout::ButtonHeight, "Cancel");
  m_itemSaveButton = BottomButton(Layout::OkButtonFromRight, Layout::LoadButtonHeight, "Save");
  m_itemEditCancelButton = BottomButton(Layout::OkButtonFromRight + Layout::CancelButtonLeftOfOk,
                                        Layout::LoadButtonHeight, "Cancel");
  for (const DebugButton* button :
       {m_saveListButton.get(), m_equipmentTab.get(), m_runesTab.get(), m_expendablesTab.get(),
        m_keyItemsTab.get(), m_itemChangeButton.get(), m_itemDeleteButton.get(),
        m_itemNewButton.get(), m_itemListCancelButton.get()}) {
    m_widgets.Add(*button);
  }
}

void ItemEditorPage::OpenItemEditor() {
  m_menu.SetMode(MenuDebug::ModeItemList);
  RebuildItemRows();
  ShowEquipmentRows();
}

void ItemEditorPage::RebuildItemRows() {
  // A pool keeps every item it ever read until it goes: a new store each time, so that the
  // items read before are freed with the old one.
  m_itemStore = std::make_unique<ItemStore>();
  m_editedItem = nullptr;
  BuildRows(m_equipmentRows, m_itemStore->equipment.items);
  BuildRows(m_runeRows, m_itemStore->runes.items);
  BuildRows(m_expendableRows, m_itemStore->expendables.items);
  BuildRows(m_keyItemRows, m_itemStore->keyItems.items);
  m_selectedRow = nullptr;
}

void ItemEditorPage::ShowRows(RowList& rows, DebugButton& tab) {
  m_currentRows = &rows;
  LayoutItemRows();
  for (DebugButton* each : ItemTabs()) each->SetEnabled(each == &tab);
}

void ItemEditorPage::ShowEquipmentRows() { ShowRows(m_equipmentRows, *m_equipmentTab); }

void ItemEditorPage::LayoutItemRows() {
  const float columnWidth = (Panel().Width() - Layout::RowColumnNarrowing) / Layout::RowColumns;
  for (size_t i = 0; i < m_currentRows->size(); ++i) {
    const auto index = static_cast<int32_t>(i);
    const int32_t column = (index / Layout::RowsPerColumn) % Layout::RowColumns;
    const int32_t line = index % Layout::RowsPerColumn;
    Quad& row = *(*m_currentRows)[i];
    // The row is chosen by its whole line, list code and place included.
    EditorWidgets::FitListRow(row, RowText(*m_itemStore, ItemOfRow(row), row.name));
    EditorWidgets::PlaceListRow(
        row, Title.left + Layout::RowInset + columnWidth * column,
        Title.bottom + Layout::FirstItemRowBelowTitle + Layout::RowStep * line);
  }
}

int32_t ItemEditorPage::LastItemPage() const {
  const auto rows = static_cast<int32_t>(m_currentRows ? m_currentRows->size() : 0);
  return std::max((rows + RowsPerPage - 1) / RowsPerPage - 1, 0);
}

void ItemEditorPage::ClearItemSelection() {
  if (m_selectedRow) m_selectedRow->SetFillColor(EditorWidgets::RowColor);
  m_selectedRow = nullptr;
}

Item* ItemEditorPage::ItemOfRow(const Quad& row) const {
  const std::string& name = row.name;
  if (m_currentRows == &m_runeRows) return m_itemStore->runes.FindByName(name);
  if (m_currentRows == &m_expendableRows) return m_itemStore->expendables.FindByName(name);
  if (m_currentRows == &m_keyItemRows) return m_itemStore->keyItems.FindByName(name);
  return m_itemStore->equipment.FindByName(name);
}

std::array<DebugButton*, 4> ItemEditorPage::ItemTabs() const {
  return {m_equipmentTab.get(), m_runesTab.get(), m_expendablesTab.get(), m_keyItemsTab.get()};
}

void ItemEditorPage::HandleItemListInput() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  m_menu.ShowArrowCursor();
  if (!m_field.Current()) {
    const int32_t page = m_itemPage;
    if (keys.IsLeftArrowPressed()) {
      m_itemPage = std::max(m_itemPage - 1, 0);
    } else if (keys.IsRightArrowPressed()) {
      m_itemPage = std::min(m_itemPage + 1, LastItemPage());
    }
    if (m_itemPage != page) ClearItemSelection();
  }
  if (keys.IsEnterPressed()) {
    OpenSelectedItem();
    return;
  }
  if (m_mouse.LeftPressed()) PressOnItemList();
}

void ItemEditorPage::PressOnItemList() {
  const platform::Vector3& mouse = m_mouse.Client();
  const DebugButton* held = TakeHeldPress();
  // Change and Delete let the press go on to the tests below them; a delete held back keeps
  // its row chosen.
  if (m_itemChangeButton->Contains(mouse)) OpenSelectedItem();
  if (m_itemDeleteButton->Contains(mouse)) {
    const Item* item = m_selectedRow ? ItemOfRow(*m_selectedRow) : nullptr;
    if (item && !ConfirmPlacesMove(*m_itemDeleteButton, *item, held)) return;
    DeleteSelectedItem();
  }
  if (m_itemNewButton->Contains(mouse)) {
    NewItem();
    return;
  }
  if (m_itemListCancelButton->Contains(mouse)) {
    ClearItemSelection();
    m_menu.SetMode(MenuDebug::ModeEdit);
    return;
  }
  const std::array<RowList*, 4> categories = {&m_equipmentRows, &m_runeRows, &m_expendableRows,
                                              &m_keyItemRows};
  const std::array<DebugButton*, 4> tabs = ItemTabs();
  for (size_t i = 0; i < tabs.size(); ++i) {
    if (!tabs[i]->Contains(mouse)) continue;
    ClearItemSelection();
    ShowRows(*categories[i], *tabs[i]);
    return;
  }
  if (m_saveListButton->Contains(mouse)) {
    if (WriteItemFiles()) {
      RebuildItemRows();
      ShowEquipmentRows();
    }
    return;
  }
  ClearItemSelection();
  const size_t first = static_cast<size_t>(m_itemPage) * RowsPerPage;
  const size_t end = std::min(first + RowsPerPage, m_currentRows->size());
  for (size_t i = first; i < end; ++i) {
    Quad& row = *(*m_currentRows)[i];
    row.SetFillColor(EditorWidgets::RowColor);
    if (!row.AltContainsPoint(mouse)) continue;
    m_selectedRow = &row;
    row.SetFillColor(EditorWidgets::HoverColor);
  }
}

void ItemEditorPage::OpenSelectedItem() {
  Item* item = m_selectedRow ? ItemOfRow(*m_selectedRow) : nullptr;
  if (!item) return;
  m_editedItem = item;
  m_menu.SetMode(MenuDebug::ModeItemPage);
  LoadEditedItem();
}

void ItemEditorPage::DeleteSelectedItem() {
  if (!m_selectedRow) return;
  const std::string name = m_selectedRow->name;
  if (m_currentRows == &m_runeRows) {
    m_itemStore->runes.RemoveByName(name);
  } else if (m_currentRows == &m_expendableRows) {
    m_itemStore->expendables.RemoveByName(name);
  } else if (m_currentRows == &m_keyItemRows) {
    m_itemStore->keyItems.RemoveByName(name);
  } else {
    m_itemStore->equipment.Remove(m_itemStore->equipment.FindByName(name));
  }
  if (WriteItemFiles()) {
    RebuildItemRows();
    ShowEquipmentRows();
  }
}

bool ItemEditorPage::ConfirmPlacesMove(const DebugButton& button, const Item& item,
                                       const DebugButton* held) {
  if (held == &button || !LaterItemsMove(*m_itemStore, item)) return true;
  m_heldPress = &button;
  m_pageMessage.Show(L"Items after it in its list move up one place: press " +
                     StringToWString(button.Label()) + L" again.");
  return false;
}

const DebugButton* ItemEditorPage::TakeHeldPress() {
  if (m_heldPress) m_pageMessage.Clear();
  return std::exchange(m_heldPress, nullptr);
}

void ItemEditorPage::NewItem() {
  ItemStore& store = *m_itemStore;
  if (m_currentRows == &m_runeRows) {
    auto rune = std::make_unique<Rune>();
    rune->SetName("New Rune");
    rune->SetDescription("New Rune Description");
    m_editedItem = store.runes.Add(std::move(rune));
  } else if (m_currentRows == &m_expendableRows) {
    auto item = std::make_unique<Item>(ItemKindExpendable);
    item->SetName("New Expendable");
    item->SetDescription("New Expendable Description");
    m_editedItem = store.expendables.Add(std::move(item));
  } else if (m_currentRows == &m_keyItemRows) {
    auto item = std::make_unique<Item>(ItemKindKeyItem);
    item->SetName("New Key Item");
    item->SetDescription("New Key Item Description");
    m_editedItem = store.keyItems.Add(std::move(item));
  } else {
    auto item = std::make_unique<Item>(ItemKindEquipment);
    item->SetName("New Equipment");
    item->SetDescription("New Equipment Description");
    item->slot = SlotWeapon;
    item->weaponKind = WeaponKindDagger;
    m_editedItem = store.equipment.Add(std::move(item));
  }
  m_menu.SetMode(MenuDebug::ModeItemPage);
  LoadEditedItem();
}

bool ItemEditorPage::WriteItemFiles() {
  if (SaveItemFiles(*m_itemStore)) return true;
  m_pageMessage.Show(L"Could not write the item files; every one of them is kept as it was.");
  return false;
}

void ItemEditorPage::DrawItemList() {
  m_itemListPanel->DrawScreen();
  m_itemListTitleBar->DrawScreen();
  m_saveListButton->DrawBox();
  for (DebugButton* tab : ItemTabs()) tab->DrawBox();
  const size_t first = static_cast<size_t>(m_itemPage) * RowsPerPage;
  const size_t end = std::min(first + RowsPerPage, m_currentRows->size());
  for (size_t i = first; i < end; ++i) (*m_currentRows)[i]->DrawScreen();
  const std::array<DebugButton*, 4> buttons = {m_itemChangeButton.get(), m_itemDeleteButton.get(),
                                               m_itemNewButton.get(), m_itemListCancelButton.get()};
  m_itemChangeButton->SetEnabled(m_selectedRow != nullptr);
  m_itemDeleteButton->SetEnabled(m_selectedRow != nullptr);
  for (DebugButton* button : buttons) button->DrawBox();

  if (SpriteRenderer) SpriteRenderer->Begin();
  DrawCaption(L"Item Editor", Panel().left + Layout::CaptionInset, TitleY());
  EditorWidgets::DrawPageLine(m_itemPage, LastItemPage(), m_equipmentTab->Face());
  for (size_t i = first; i < end; ++i) {
    const Quad& row = *(*m_currentRows)[i];
    DrawCaption(RowText(*m_itemStore, ItemOfRow(row), row.name),
                row.altPosition.x - row.width / 2 + Layout::ItemRowTextInset, row.altPosition.y);
  }
  m_saveListButton->DrawLabel();
  for (DebugButton* tab : ItemTabs()) tab->DrawLabel();
  for (DebugButton* button : buttons) button->DrawLabel();
  m_pageMessage.Draw(Panel().left + Layout::CaptionInset,
                     Panel().bottom - Layout::OkButtonFromBottom);
  m_menu.DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
