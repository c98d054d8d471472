#include <algorithm>
#include <string>

#include "editor/DebugButton.h"
#include "editor/DebugMouse.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "editor/ItemEditorPage.h"
#include "editor/MenuDebug.h"
#include "editor/PropertyPanel.h"
#include "editor/TypingField.h"
#include "engine/Controls.h"
#include "engine/CreateTextBox.h"
#include "engine/EditorAtlas.h"
#include "engine/Globals.h"
#include "engine/NumberFormat.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

namespace Atlas = EditorAtlas;
namespace Layout = EditorLayout;

static_assert(ItemEditorPage::RunePartCount == Rune::PartCount);

namespace {

const ScreenBox& Panel() { return Layout::ItemEditorPanel; }
const ScreenBox Title = EditorWidgets::TitleBarBox(Layout::ItemEditorPanel);
float TitleY() { return (Title.top + Title.bottom) / 2; }
constexpr int32_t FieldsPerPage = Layout::FieldColumns * Layout::FieldsPerColumn;
constexpr int32_t LastFieldPage =
    (ItemEditorPage::ItemFieldCount + FieldsPerPage - 1) / FieldsPerPage - 1;

// The type and part buttons stand in a row from the right end of the title bar: the k-th of
// Boots, Gauntlet, Armor, Headgear, Weapon, Sword, Dagger.
std::unique_ptr<DebugButton> TypeButton(int k, const char* label) {
  return std::make_unique<DebugButton>(
      Layout::TypeButtonWidth, Layout::TabHeight, 0.0f,
      Title.right - Layout::FirstTypeButtonLeftOfTitleRight - Layout::TypeButtonStep * k, TitleY(),
      0.0f, label);
}

// A statistic's key, or the price's or use count's name.
std::string FieldName(int field) {
  if (field == ItemEditorPage::TokensField) return "Tokens";
  if (field == ItemEditorPage::UseCountField) return "UseCount";
  return std::string(StatKeys[static_cast<size_t>(field)]);
}

// A statistic's caption keeps a blank before its field.
std::string FieldLabel(int field) {
  return field < StatCount ? FieldName(field) + ' ' : FieldName(field);
}

// The fields of the page, first to one past the last.
std::pair<int, int> FieldsOfPage(int32_t page) {
  const int first = page * FieldsPerPage;
  return {first, std::min(first + FieldsPerPage, ItemEditorPage::ItemFieldCount)};
}

}  // namespace

void ItemEditorPage::BuildItemEditPage() {
  m_itemEditPanel = Layout::MakeBar(Panel());
  m_itemEditTitleBar = EditorWidgets::MakeTitleBar(Panel());
  m_bootsButton = TypeButton(0, "Boots");
  m_gauntletButton = TypeButton(1, "Gauntlet");
  m_armorButton = TypeButton(2, "Armor");
  m_headgearButton = TypeButton(3, "Headgear");
  m_weaponButton = TypeButton(4, "Weapon");
  // The spear stands where the weapon does: equipment shows the one, runes the other.
  m_spearButton = TypeButton(4, "Spear");
  m_swordButton = TypeButton(5, "Sword");
  m_daggerButton = TypeButton(6, "Dagger");
  CreateTextBox(&m_menu, TextBoxFreeText, m_itemNameBox, Layout::ItemNameWidth, Layout::FieldHeight,
                0.0f, Title.left + Layout::ItemNameRightOfTitleLeft, TitleY(), 0.0f,
                Layout::ItemNameMaxLength, "", "Name");
  CreateTextBox(&m_menu, TextBoxFreeText, m_itemDescriptionBox, Layout::ItemDescriptionWidth,
                Layout::FieldHeight, 0.0f, Title.left + Layout::ItemDescriptionRightOfTitleLeft,
                Title.bottom + Layout::ItemDescriptionBelowTitle, 0.0f,
                Layout::ItemDescriptionMaxLength, "Description", "Description");
  const float columnWidth = (Panel().Width() - Layout::FieldColumnNarrowing) / Layout::FieldColumns;
  for (int i = 0; i < ItemFieldCount; ++i) {
    const int column = (i / Layout::FieldsPerColumn) % Layout::FieldColumns;
    const int row = i % Layout::FieldsPerColumn;
    CreateTextBox(
        &m_menu, TextBoxDecimal, m_itemFieldBoxes[static_cast<size_t>(i)], Layout::FieldWidth,
        Layout::FieldHeight, 0.0f,
        Title.left + columnWidth * static_cast<float>(column + 1) - Layout::FieldLeftOfColumnEnd,
        Title.bottom + Layout::FirstFieldBelowTitle + Layout::RowStep * row, 0.0f,
        Layout::ItemFieldMaxLength, FieldLabel(i), "0");
  }
  m_editWidgets.Add("Name", *m_itemNameBox);
  m_editWidgets.Add("Description", *m_itemDescriptionBox);
  for (int i = 0; i < ItemFieldCount; ++i) {
    m_editWidgets.Add(FieldName(i), *m_itemFieldBoxes[static_cast<size_t>(i)]);
  }
  for (const DebugButton* button :
       {m_itemSaveButton.get(), m_itemEditCancelButton.get(), m_weaponButton.get(),
        m_daggerButton.get(), m_swordButton.get(), m_spearButton.get(), m_headgearButton.get(),
        m_armorButton.get(), m_gauntletButton.get(), m_bootsButton.get()}) {
    m_editWidgets.Add(*button);
  }
}

void ItemEditorPage::LoadEditedItem() {
  auto* rune = dynamic_cast<Rune*>(m_editedItem);
  LoadFieldsFromStats(*m_editedItem->stats);
  if (m_editedItem->kind != ItemKindEquipment) return;
  if (m_currentRows == &m_runeRows && rune && rune->typeWord == TypeWordRune) {
    LoadFieldsFromStats(*rune->parts[0].stats);
    SelectRunePartButton(m_weaponButton.get());
  } else if (m_currentRows == &m_equipmentRows) {
    // Equipment of a type the tables do not know lights no button.
    const bool equipment = m_editedItem->typeWord == TypeWordEquipment;
    const std::array<std::pair<DebugButton*, bool>, 7> places = {{
        {m_daggerButton.get(),
         m_editedItem->slot == SlotWeapon && m_editedItem->weaponKind == WeaponKindDagger},
        {m_swordButton.get(),
         m_editedItem->slot == SlotWeapon && m_editedItem->weaponKind == WeaponKindSword},
        {m_spearButton.get(),
         m_editedItem->slot == SlotWeapon && m_editedItem->weaponKind == WeaponKindSpear},
        {m_headgearButton.get(), m_editedItem->slot == SlotHeadgear},
        {m_armorButton.get(), m_editedItem->slot == SlotArmor},
        {m_gauntletButton.get(), m_editedItem->slot == SlotGauntlets},
        {m_bootsButton.get(), m_editedItem->slot == SlotBoots},
    }};
    const auto place =
        std::find_if(places.begin(), places.end(), [](const auto& each) { return each.second; });
    SelectEquipmentTypeButton(!equipment || place == places.end() ? nullptr : place->first);
  }
}

// Saving writes every field back: each shows the digits that read back exactly, so an item
// loses nothing that was not typed.
void ItemEditorPage::LoadFieldsFromStats(const StatBlock& stats) {
  m_fieldPage = 0;
  m_itemNameBox->SetText(m_editedItem->name);
  m_itemDescriptionBox->SetText(m_editedItem->description);
  for (int i = 0; i < StatCount; ++i) {
    m_itemFieldBoxes[static_cast<size_t>(i)]->SetText(FormatFloat(stats[static_cast<size_t>(i)]));
  }
  m_itemFieldBoxes[TokensField]->SetText(FormatFloat(m_editedItem->price));
  m_itemFieldBoxes[UseCountField]->SetText(FormatFloat(m_editedItem->recordValue));
}

void ItemEditorPage::SelectEquipmentTypeButton(DebugButton* button) {
  for (DebugButton* each :
       {m_daggerButton.get(), m_swordButton.get(), m_spearButton.get(), m_headgearButton.get(),
        m_armorButton.get(), m_gauntletButton.get(), m_bootsButton.get()}) {
    each->SetEnabled(each == button);
  }
}

void ItemEditorPage::SelectRunePartButton(DebugButton* button) {
  for (DebugButton* each : RunePartButtons()) each->SetEnabled(each == button);
}

std::array<DebugButton*, ItemEditorPage::RunePartCount> ItemEditorPage::RunePartButtons() const {
  return {m_weaponButton.get(), m_headgearButton.get(), m_armorButton.get(), m_gauntletButton.get(),
          m_bootsButton.get()};
}

void ItemEditorPage::RefileEditedEquipment() {
  std::unique_ptr<Item> copy = m_editedItem->Clone();
  m_itemStore->equipment.Remove(m_editedItem);
  m_editedItem = m_itemStore->equipment.Add(std::move(copy));
  const int32_t page = m_fieldPage;
  LoadEditedItem();
  m_fieldPage = page;
}

void ItemEditorPage::StoreItemFields() {
  StatBlock* target = m_editedItem->stats.get();
  if (auto* rune = dynamic_cast<Rune*>(m_editedItem); rune && m_currentRows == &m_runeRows) {
    const std::array<DebugButton*, RunePartCount> parts = RunePartButtons();
    const auto enabled = std::find_if(parts.begin(), parts.end(),
                                      [](const DebugButton* part) { return part->Enabled(); });
    if (enabled != parts.end()) target = rune->parts[enabled - parts.begin()].stats.get();
  }
  m_editedItem->SetName(m_itemNameBox->text);
  m_editedItem->SetDescription(m_itemDescriptionBox->text);
  for (int i = 0; i < StatCount; ++i) {
    (*target)[static_cast<size_t>(i)] = NumberIn(*m_itemFieldBoxes[static_cast<size_t>(i)]);
  }
  m_editedItem->price = NumberIn(*m_itemFieldBoxes[TokensField]);
  m_editedItem->recordValue = NumberIn(*m_itemFieldBoxes[UseCountField]);
}

void ItemEditorPage::SaveEditedItem() {
  StoreItemFields();
  if (!WriteItemFiles()) return;
  // The world's catalogue is read afresh into a new store, its old items freed with the old.
  m_world->itemStore = std::make_unique<ItemStore>();
  m_menu.SetMode(MenuDebug::ModeItemList);
  RebuildItemRows();
  ShowEquipmentRows();
}

TextBox* ItemEditorPage::ItemFieldUnderMouse() const {
  const auto [first, end] = FieldsOfPage(m_fieldPage);
  for (int i = first; i < end; ++i) {
    TextBox& field = *m_itemFieldBoxes[static_cast<size_t>(i)];
    if (field.box->AltContainsPoint(m_mouse.Client())) return &field;
  }
  for (TextBox* field : {m_itemNameBox.get(), m_itemDescriptionBox.get()}) {
    if (field->box->AltContainsPoint(m_mouse.Client())) return field;
  }
  return nullptr;
}

void ItemEditorPage::HandleItemEditInput() {
  const KeyboardBuffer& keys = *GameControls->keyboard;
  TextBox* hovered = ItemFieldUnderMouse();
  m_menu.ShowCursor(hovered ? Atlas::CursorText : Atlas::CursorArrow);
  if (!m_field.Current()) {
    if (keys.IsLeftArrowPressed()) {
      m_fieldPage = std::max(m_fieldPage - 1, 0);
    } else if (keys.IsRightArrowPressed()) {
      m_fieldPage = std::min(m_fieldPage + 1, LastFieldPage);
    }
  }
  if (keys.IsEnterPressed()) {
    SaveEditedItem();
    return;
  }
  if (m_mouse.LeftPressed()) {
    PressOnItemPage(hovered);
  } else if (m_mouse.LeftHeld() && m_field.Current()) {
    m_menu.ShowCursor(Atlas::CursorText);
    m_field.DragCaret(m_mouse);
  }
  m_field.PlaceCaretLine();
}

void ItemEditorPage::PressOnItemPage(TextBox* hovered) {
  const platform::Vector3& mouse = m_mouse.Client();
  const DebugButton* held = TakeHeldPress();
  if (m_itemSaveButton->Contains(mouse)) {
    SaveEditedItem();
    return;
  }
  if (m_itemEditCancelButton->Contains(mouse)) {
    m_menu.SetMode(MenuDebug::ModeItemList);
    return;
  }
  if (m_currentRows == &m_equipmentRows) {
    struct Place {
      DebugButton* button;
      int32_t slot;
      int32_t weaponKind;
    };
    const std::array<Place, 7> places = {{
        {m_daggerButton.get(), SlotWeapon, WeaponKindDagger},
        {m_swordButton.get(), SlotWeapon, WeaponKindSword},
        {m_spearButton.get(), SlotWeapon, WeaponKindSpear},
        {m_headgearButton.get(), SlotHeadgear, WeaponKindNone},
        {m_armorButton.get(), SlotArmor, WeaponKindNone},
        {m_gauntletButton.get(), SlotGauntlets, WeaponKindNone},
        {m_bootsButton.get(), SlotBoots, WeaponKindNone},
    }};
    for (const Place& place : places) {
      if (!place.button->Contains(mouse)) continue;
      // Filed again under its own place, the item would go to the end of its list.
      const bool filedThere =
          m_editedItem->slot == place.slot && m_editedItem->weaponKind == place.weaponKind;
      if (!filedThere && ConfirmPlacesMove(*place.button, *m_editedItem, held)) {
        m_editedItem->slot = place.slot;
        m_editedItem->weaponKind = place.weaponKind;
        RefileEditedEquipment();
      }
      break;
    }
  } else if (auto* rune = dynamic_cast<Rune*>(m_editedItem); rune && m_currentRows == &m_runeRows) {
    const std::array<DebugButton*, RunePartCount> parts = RunePartButtons();
    for (size_t k = 0; k < parts.size(); ++k) {
      if (!parts[k]->Contains(mouse)) continue;
      LoadFieldsFromStats(*rune->parts[k].stats);
      SelectRunePartButton(parts[k]);
      break;
    }
  }
  if (hovered) {
    m_field.Open(*hovered, m_mouse);
  } else {
    m_field.Close();
  }
}

void ItemEditorPage::DrawItemEdit() {
  m_itemEditPanel->DrawScreen();
  m_itemEditTitleBar->DrawScreen();
  std::vector<DebugButton*> buttons;
  if (m_currentRows == &m_equipmentRows) {
    buttons = {m_daggerButton.get(),   m_swordButton.get(), m_spearButton.get(),
               m_headgearButton.get(), m_armorButton.get(), m_gauntletButton.get(),
               m_bootsButton.get()};
  } else if (m_currentRows == &m_runeRows) {
    const std::array<DebugButton*, RunePartCount> parts = RunePartButtons();
    buttons.assign(parts.begin(), parts.end());
  }
  buttons.push_back(m_itemSaveButton.get());
  buttons.push_back(m_itemEditCancelButton.get());
  for (DebugButton* button : buttons) button->DrawBox();
  if (m_field.Current()) m_field.DrawCaret();

  if (SpriteRenderer) SpriteRenderer->Begin();
  EditorWidgets::DrawPageLine(m_fieldPage, LastFieldPage, m_itemEditCancelButton->Face());
  m_itemNameBox->Draw();
  m_itemDescriptionBox->Draw();
  const auto [first, end] = FieldsOfPage(m_fieldPage);
  for (int i = first; i < end; ++i) m_itemFieldBoxes[static_cast<size_t>(i)]->Draw();
  for (DebugButton* button : buttons) button->DrawLabel();
  m_pageMessage.Draw(Panel().left + Layout::CaptionInset,
                     Panel().bottom - Layout::OkButtonFromBottom);
  m_menu.DrawCursorInBatch();
  if (SpriteRenderer) SpriteRenderer->End();
}
