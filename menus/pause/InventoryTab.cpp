#include "menus/pause/InventoryTab.h"

#include "engine/Controls.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/pause/MenuPause.h"
#include "menus/pause/PauseMenuCells.h"
#include "player/Player.h"

namespace {

constexpr const char* CategoryLabels[InventoryTab::CategoryCount] = {
    "All",   "Daggers",  "Swords", "Spears",      "Headgear",
    "Armor", "Gauntlet", "Boots",  "Expendables", "Key Items"};
// The list's caption names its category, some a little differently from the column.
constexpr const char* ListCaptions[InventoryTab::CategoryCount] = {
    "All",   "Daggers",  "Sword", "Spears",      "Headgear",
    "Armor", "Gauntlet", "Boots", "Expendables", "Key Items"};
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

// Beside an equipment item's page: the equip key's plate, after the window's own footers.
constexpr size_t EquipFooter = MenuWindow::SelectFooter + 1;

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

std::optional<platform::PixelRect> InventoryTab::Icon() const {
  return PauseMenuCells::InventoryIcon;
}

void InventoryTab::Build() {
  m_mode = 0;
  m_category = CategoryAll;
  menu.PlaceSideAndListPanels();
  menu.PlacePagePieces();
  menu.LayoutSidePanel(CategoryCount);
  menu.GetSideHighlight().SetAltPosition(menu.GetSidePanel().rows[CategoryAll]->altPosition);
  Page().PlaceKindIcons();
  ShowCategory();
}

void InventoryTab::ShowCategory() {
  const Player* player = menu.GetPlayer();
  const ItemStore* store = player ? player->itemStore.get() : nullptr;
  const std::vector<Item*>* list = store ? CategoryList(*store, m_category) : nullptr;
  if (list) {
    menu.ListItems(*list);
  } else {
    menu.ListHeldItems();
  }
  const auto count = static_cast<uint32_t>(menu.GetListRows().size());
  menu.LayoutListPanel(static_cast<int>(count));
  menu.AttachScrollBarRightOfSidePanel(count);
}

void InventoryTab::HandleInput(const Controls& c) {
  if (m_mode == 0) {
    if (c.IsMenuDownPressed(c.activePad)) {
      NextCategory();
    } else if (c.IsMenuUpPressed()) {
      PreviousCategory();
    } else if (c.IsConfirmPressed()) {
      FocusList();
    } else if (c.IsCancelPressed()) {
      menu.Resume();
    }
  } else if (m_mode == 1) {
    if (c.IsMenuDownPressed(c.activePad)) {
      CursorDown();
    } else if (c.IsMenuUpPressed()) {
      CursorUp();
    } else if (c.IsYPressed(c.activePad)) {
      EquipSelected();
    } else if (c.IsCancelPressed()) {
      m_mode = 0;
    }
  }
}

void InventoryTab::NextCategory() {
  const int c = m_category;
  m_category = c >= CategoryDaggers && c < CategoryKeyItems ? c + 1
               : c == CategoryKeyItems                      ? CategoryAll
                                                            : CategoryDaggers;
  ShowCategory();
  menu.GetSideHighlight().SetAltPosition(menu.GetSidePanel().rows[m_category]->altPosition);
}

void InventoryTab::PreviousCategory() {
  const int c = m_category;
  m_category = c > CategoryDaggers && c <= CategoryKeyItems ? c - 1
               : c == CategoryDaggers                       ? CategoryAll
                                                            : CategoryKeyItems;
  ShowCategory();
  menu.GetSideHighlight().SetAltPosition(menu.GetSidePanel().rows[m_category]->altPosition);
}

void InventoryTab::FocusList() {
  if (menu.GetListRows().empty()) return;
  menu.StartListAtTop();
  m_mode = 1;
  menu.HighlightFirstListRow();
}

void InventoryTab::CursorDown() {
  menu.ListCursorDown(menu.GetListHighlight(), menu.GetListPanel().group);
}

void InventoryTab::CursorUp() {
  menu.ListCursorUp(menu.GetListHighlight(), menu.GetListPanel().group);
}

void InventoryTab::EquipSelected() {
  const Item* item = MenuPause::AsItem(menu.SelectedRow());
  Player* player = menu.GetPlayer();
  if (!item || !player || !player->itemStore) return;
  if (item->kind != ItemKindEquipment || item->typeWord != TypeWordEquipment) return;
  const EquipmentLookup* lookup = LookupFor(*item);
  if (!lookup) return;
  EquipmentPool& pool = player->itemStore->equipment;
  const int index = (pool.*lookup->indexOf)(item->GetName());
  if (index < 0) return;
  (player->*lookup->equip)((pool.*lookup->list)[index]);
  menu.RefreshMovementLimits();
}

void InventoryTab::Draw() {
  ListPanel& side = menu.GetSidePanel();
  ListPanel& list = menu.GetListPanel();
  side.group.DrawScreen();
  list.group.DrawScreen();
  if (m_mode == 0) {
    side.overlay.DrawScreen();
  } else if (m_mode == 1) {
    Page().detailsPanel.DrawScreen();
    list.overlay.DrawScreen();
    menu.GetListHighlight().DrawScreen();
  }
  menu.GetSideHighlight().DrawScreen();
  menu.DrawSideColumnTexts(Title(), CategoryLabels);
  const bool known = m_category >= 1 && m_category < CategoryCount;
  menu.DrawListTexts(ScreenBoxOf(list.group), ListCaptions[known ? m_category : 0]);
  menu.GetScrollBar().Draw();
  DrawItemDetail();
}

void InventoryTab::DrawItemDetail() {
  const MenuPause::PageView view{.comparing = true,
                                 .title = [this](const Item& item) { DrawItemTitle(item); }};
  if (m_mode == 0) {
    menu.DrawItemPage(nullptr, view);
    return;
  }
  const Object* entry = menu.SelectedRow();
  if (m_mode != 1 || !entry) return;
  menu.GetSelectionArrow().DrawScreen();
  const Item* item = MenuPause::AsItem(entry);
  if (!item) return;
  if (item->kind == ItemKindKeyItem) {
    Page().detailsPanel.DrawScreen();
    menu.DrawItemPage(item, view);
    return;
  }
  menu.DrawItemPage(item, view);
  if (item->kind == ItemKindEquipment) menu.GetWindow().footers[EquipFooter]->DrawScreen();
}

void InventoryTab::DrawItemTitle(const Item& item) {
  ItemPage& page = Page();
  int icon = -1;
  if (item.kind == ItemKindEquipment) {
    if (item.typeWord != TypeWordEquipment) return;
    icon = ItemPage::KindIconOf(item);
    // The spear's picture stands for every weapon.
    if (icon >= 0 && item.slot == SlotWeapon) icon = ItemPage::SpearIcon;
  } else if (item.kind == ItemKindExpendable) {
    menu.GetPlayer()->DrawHud();
    return;
  } else if (item.kind == ItemKindKeyItem) {
    icon = ItemPage::KeyItemIcon;
  } else {
    return;
  }
  if (icon >= 0) page.kindIcons[icon]->DrawScreen();
  page.DrawTitle(item.GetName(), item.kind == ItemKindKeyItem, MenuPause::NameScale);
}
