#include "engine/Controls.h"
#include "engine/Font.h"
#include "engine/Globals.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/pause/MenuPause.h"
#include "platform/SpriteBatch.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

constexpr const char* InventoryTitle = "Inventory";
constexpr const char* CategoryLabels[MenuPause::CategoryCount] = {
    "All",   "Daggers",  "Swords", "Spears",      "Headgear",
    "Armor", "Gauntlet", "Boots",  "Expendables", "Key Items"};
enum Category : int {
  CategoryAll = 0,
  CategoryDaggers,
  CategorySwords,
  CategorySpears,
  CategoryHeadgear,
  CategoryArmor,
  CategoryGauntlets,
  CategoryBoots,
  CategoryExpendables,
  CategoryKeyItems,
};

// The category column from the content's left edge, the item list 20 pixels right of it.
constexpr float SidePanelInset = 15.0f;
constexpr float PanelsDrop = 1.0f;
constexpr float PanelGap = 20.0f;
// The item pictures 34 pixels in from the page's top-right corner.
constexpr float IconInset = 34.0f;
constexpr float ListHeaderHeight = 17.0f;
constexpr float FirstRowFraction = 32.0f;
// The category labels: one per list row of the side panel.
constexpr float LabelInset = 5.0f;
constexpr float CaptionInset = 20.0f;
constexpr float RowsHeightMargin = 22.0f;

// The pool list of an equipment or item category; null for "All".
const std::vector<Item*>* CategoryList(const ItemStore& store, int category) {
  switch (category) {
    case CategoryDaggers:
      return &store.equipment.daggers;
    case CategorySwords:
      return &store.equipment.swords;
    case CategorySpears:
      return &store.equipment.spears;
    case CategoryHeadgear:
      return &store.equipment.headgear;
    case CategoryArmor:
      return &store.equipment.armor;
    case CategoryGauntlets:
      return &store.equipment.gauntlets;
    case CategoryBoots:
      return &store.equipment.boots;
    case CategoryExpendables:
      return &store.expendables.items;
    case CategoryKeyItems:
      return &store.keyItems.items;
    default:
      return nullptr;
  }
}

// Where an equipment item's name is looked up and which slot takes it.
struct EquipmentLookup {
  std::vector<Item*> EquipmentPool::*list;
  int (EquipmentPool::*indexOf)(const std::string&) const;
  void (Actor::*equip)(Item*);
};
// By weapon kind, dagger to spear.
constexpr EquipmentLookup WeaponLookups[] = {
    {&EquipmentPool::daggers, &EquipmentPool::IndexOfDagger, &Actor::EquipSlot0},
    {&EquipmentPool::swords, &EquipmentPool::IndexOfSword, &Actor::EquipSlot0},
    {&EquipmentPool::spears, &EquipmentPool::IndexOfSpear, &Actor::EquipSlot0}};
// By body slot, headgear to boots.
constexpr EquipmentLookup ArmourLookups[] = {
    {&EquipmentPool::headgear, &EquipmentPool::IndexOfHeadgear, &Actor::EquipSlot1},
    {&EquipmentPool::armor, &EquipmentPool::IndexOfArmor, &Actor::EquipSlot2},
    {&EquipmentPool::gauntlets, &EquipmentPool::IndexOfGauntlets, &Actor::EquipSlot3},
    {&EquipmentPool::boots, &EquipmentPool::IndexOfBoots, &Actor::EquipSlot4}};

// Null for a body slot or a weapon kind outside the known ones.
const EquipmentLookup* LookupFor(const Item& item) {
  if (item.slot == SlotWeapon) {
    const bool known = item.weaponKind >= WeaponKindDagger && item.weaponKind <= WeaponKindSpear;
    return known ? &WeaponLookups[item.weaponKind - WeaponKindDagger] : nullptr;
  }
  const bool armour = item.slot >= SlotHeadgear && item.slot <= SlotBoots;
  return armour ? &ArmourLookups[item.slot - SlotHeadgear] : nullptr;
}

}  // namespace

void MenuPause::BuildInventoryTab() {
  m_tabIndex = TabInventory;
  m_inventoryMode = 0;
  m_inventoryCategory = CategoryAll;
  LayoutTabStrip(TabInventory, InventoryTitle);
  const ScreenBox content = ScreenBoxOf(*m_contentPanel);
  const float y = m_contentPanel->altPosition.y + PanelsDrop;
  const float sideWidth = ScreenBoxOf(m_sidePanel.group).Width();
  const float sideX = content.left + SidePanelInset + sideWidth / 2;
  m_sidePanel.MoveTo({sideX, y, 0.0f}, m_overlayOffset);
  const float listX = sideX + sideWidth / 2 + PanelGap + ScreenBoxOf(m_listPanel.group).Width() / 2;
  m_listPanel.MoveTo({listX, y, 0.0f}, m_overlayOffset);
  PlacePagePieces();
  LayoutSidePanel(CategoryCount);
  m_sideHighlight->SetAltPosition(m_sidePanel.rows[CategoryAll]->altPosition);
  const ScreenBox top = ScreenBoxOf(*m_itemPage.detailsTop);
  for (Sprite* icon : {m_weaponIcon.get(), m_headgearIcon.get(), m_armorIcon.get(),
                       m_gauntletIcon.get(), m_bootsIcon.get(), m_keyItemIcon.get()}) {
    icon->SetAltPosition({top.right - IconInset, top.top + IconInset, 0.0f});
  }
  ShowInventoryCategory();
}

void MenuPause::ShowInventoryCategory() {
  const ItemStore* store = m_player ? m_player->itemStore.get() : nullptr;
  const std::vector<Item*>* list = store ? CategoryList(*store, m_inventoryCategory) : nullptr;
  if (list) {
    ListItems(*list);
  } else {
    ListHeldItems();
  }
  const auto count = static_cast<uint32_t>(m_listRows.size());
  LayoutListPanel(static_cast<int>(count));
  AttachScrollBarRightOfSidePanel(count);
}

void MenuPause::HandleInventoryInput() {
  const Controls& c = *PlayerControls();
  if (c.IsLeftTriggerPressed(c.activePad)) {
    BuildStatsTab();
  } else if (c.IsRightShoulderPressed()) {
    BuildEncyclopediaTab();
  } else if (m_inventoryMode == 0) {
    if (c.IsMenuDownPressed(c.activePad)) {
      NextInventoryCategory();
    } else if (c.IsMenuUpPressed()) {
      PreviousInventoryCategory();
    } else if (c.IsConfirmPressed()) {
      FocusInventoryList();
    } else if (c.IsCancelPressed()) {
      Resume();
    }
  } else if (m_inventoryMode == 1) {
    if (c.IsMenuDownPressed(c.activePad)) {
      InventoryCursorDown();
    } else if (c.IsMenuUpPressed()) {
      InventoryCursorUp();
    } else if (c.IsYPressed(c.activePad)) {
      EquipFromInventory();
    } else if (c.IsCancelPressed()) {
      m_inventoryMode = 0;
    }
  }
}

void MenuPause::NextInventoryCategory() {
  const int c = m_inventoryCategory;
  m_inventoryCategory = c >= CategoryDaggers && c < CategoryKeyItems ? c + 1
                        : c == CategoryKeyItems                      ? CategoryAll
                                                                     : CategoryDaggers;
  ShowInventoryCategory();
  m_sideHighlight->SetAltPosition(m_sidePanel.rows[m_inventoryCategory]->altPosition);
}

void MenuPause::PreviousInventoryCategory() {
  const int c = m_inventoryCategory;
  m_inventoryCategory = c > CategoryDaggers && c <= CategoryKeyItems ? c - 1
                        : c == CategoryDaggers                       ? CategoryAll
                                                                     : CategoryKeyItems;
  ShowInventoryCategory();
  m_sideHighlight->SetAltPosition(m_sidePanel.rows[m_inventoryCategory]->altPosition);
}

void MenuPause::FocusInventoryList() {
  if (m_listRows.empty()) return;
  m_listCursor = 0;
  ShowListFrom(0);
  m_scrollBar->SetValue(0.0f);
  m_inventoryMode = 1;
  const ScreenBox panel = ScreenBoxOf(m_listPanel.group);
  m_listHighlight->SetAltPosition(
      {m_listPanel.group.altPosition.x,
       panel.top + ListHeaderHeight + (panel.Height() - ListHeaderHeight) / FirstRowFraction,
       0.0f});
  PlaceSelectionArrow(*m_listHighlight);
}

void MenuPause::InventoryCursorDown() { ListCursorDown(*m_listHighlight, m_listPanel.group); }

void MenuPause::InventoryCursorUp() { ListCursorUp(*m_listHighlight, m_listPanel.group); }

void MenuPause::EquipFromInventory() {
  const Item* item = AsItem(SelectedRow());
  if (!item || !m_player || !m_player->itemStore) return;
  if (item->kind != ItemKindEquipment || item->typeWord != TypeWordEquipment) return;
  const EquipmentLookup* lookup = LookupFor(*item);
  if (!lookup) return;
  EquipmentPool& pool = m_player->itemStore->equipment;
  const int index = (pool.*lookup->indexOf)(item->GetName());
  if (index < 0) return;
  (m_player->*lookup->equip)((pool.*lookup->list)[index]);
  RefreshMovementLimits();
}

void MenuPause::DrawInventoryTab() {
  DrawCommonFrame(TabInventory, InventoryTitle);
  m_sidePanel.group.DrawScreen();
  m_listPanel.group.DrawScreen();
  if (m_inventoryMode == 0) {
    m_sidePanel.overlay.DrawScreen();
  } else if (m_inventoryMode == 1) {
    m_itemPage.detailsPanel.DrawScreen();
    m_listPanel.overlay.DrawScreen();
    m_listHighlight->DrawScreen();
  }
  m_sideHighlight->DrawScreen();
  const ScreenBox side = ScreenBoxOf(m_sidePanel.group);
  if (m_fontArc17pt) {
    m_fontArc17pt->color = ColorGrey;
    m_fontArc17pt->DrawString(InventoryTitle,
                              {side.right - CaptionInset, side.top + ListHeaderHeight, 0.0f},
                              FontAlignEnd, FontAlignEnd);
    m_fontArc17pt->color = ColorWhite;
    const float pitch = (side.Height() - RowsHeightMargin) / static_cast<float>(WindowRows);
    for (int k = 0; k < CategoryCount; ++k) {
      const float y = side.top + ListHeaderHeight + pitch / 2 + pitch * static_cast<float>(k);
      m_fontArc17pt->DrawString(CategoryLabels[k], {side.left + LabelInset, y, 0.0f},
                                FontAlignCenter, FontAlignStart);
    }
  }
  const ScreenBox list = ScreenBoxOf(m_listPanel.group);
  DrawListTexts(list.Width(), list.Height(), list.TopLeft());
  m_scrollBar->Draw();
  DrawInventoryItemDetail();
  if (SpriteRenderer) SpriteRenderer->End();
}

void MenuPause::DrawInventoryItemDetail() {
  if (m_inventoryMode == 0) {
    DrawItemPage(nullptr);
    return;
  }
  const Object* entry = SelectedRow();
  if (m_inventoryMode != 1 || !entry) return;
  m_selectionArrow->DrawScreen();
  const Item* item = AsItem(entry);
  if (!item) return;
  if (item->kind == ItemKindKeyItem) {
    m_itemPage.detailsPanel.DrawScreen();
    DrawItemPage(item);
    return;
  }
  DrawItemPage(item);
  if (item->kind == ItemKindEquipment) m_footerLeft->DrawScreen();
}
