#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <tuple>

#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "items/ItemTestText.h"
#include "support/TempFolder.h"

namespace {

// A store loaded from small item files in a fresh folder.
class ItemStoreTest : public ::testing::Test {
 protected:
  ItemStoreTest() {
    const std::filesystem::path items = folder_.Path() / "Content" / "Items";
    WriteTestFile(items / "Equipment.ipf", EquipmentRecordText(1, 1, 1, "Knife") +
                                               EquipmentRecordText(1, 1, 0, "Club") +
                                               EquipmentRecordText(1, 3, 0, "Mail") +
                                               EquipmentRecordText(1, 2, 0, "Ember"));
    WriteTestFile(items / "Runes.ipf", " " + RuneRecordText("Ember") + RuneRecordText("Stone"));
    WriteTestFile(items / "Expendables.ipf", " " + ItemBodyText("Potion", 0, 5, "Heals"));
    WriteTestFile(items / "KeyItems.ipf", " " + ItemBodyText("Key", 0, 0, "Opens"));
    store_ = std::make_unique<ItemStore>();
  }

  TempFolder folder_;
  WorkingFolder working_{folder_.Path()};
  std::unique_ptr<ItemStore> store_;
};

}  // namespace

TEST_F(ItemStoreTest, FindsEquipmentBeforeRunesAndEmptyAsThePlaceholder) {
  EXPECT_EQ(store_->FindByName("Ember"), store_->equipment.FindByName("Ember"));
  EXPECT_EQ(store_->FindByName("Stone"), store_->runes.items[2]);
  EXPECT_EQ(store_->FindByName("Potion"), store_->expendables.items[0]);
  EXPECT_EQ(store_->FindByName("Key"), store_->keyItems.items[0]);
  EXPECT_EQ(store_->FindByName("Empty"), store_->equipment.items[0]);
  EXPECT_EQ(store_->FindByName("Nothing"), nullptr);
}

TEST_F(ItemStoreTest, AllItemsRunEquipmentRunesExpendablesKeyItems) {
  const std::vector<Item*> all = store_->GetAllItems();
  ASSERT_EQ(all.size(), 5u + 3u + 1u + 1u);
  EXPECT_EQ(all[0], store_->equipment.items[0]);
  EXPECT_EQ(all[5], store_->runes.items[0]);
  EXPECT_EQ(all[8]->name, "Potion");
  EXPECT_EQ(all[9]->name, "Key");
}

TEST_F(ItemStoreTest, ACopyHoldsNewPlaceholdersAndCopiesOfCategorisedItems) {
  ItemStore& source = *store_;
  source.equipment.FindByName("Knife")->quantity = 2;
  source.equipment.FindByName("Knife")->onSale = 1;
  ItemStore copy;
  copy.CopyFrom(source);
  ASSERT_EQ(copy.equipment.items.size(), 4u);
  EXPECT_EQ(copy.equipment.items[0]->name, "Empty");
  EXPECT_NE(copy.equipment.items[0], source.equipment.items[0]);
  Item* knife = copy.equipment.items[1];
  EXPECT_EQ(knife->name, "Knife");
  EXPECT_NE(knife, source.equipment.FindByName("Knife"));
  EXPECT_EQ(knife->stats, source.equipment.FindByName("Knife")->stats);
  EXPECT_EQ(knife->quantity, 2);
  EXPECT_EQ(knife->onSale, 1);
  EXPECT_EQ(copy.equipment.IndexOfDagger("Knife"), 1);
  EXPECT_EQ(EquipmentPool::FindIndex(copy.equipment.weapons, "Knife"), 1);
  EXPECT_EQ(copy.equipment.weapons.size(), 2u) << "the headgear Ember is no weapon";
  // The club stands in no category list of the source, so it is not copied.
  EXPECT_EQ(copy.equipment.FindByName("Club"), nullptr);
  EXPECT_EQ(copy.equipment.items[2]->name, "Ember");
  EXPECT_EQ(copy.equipment.items[3]->name, "Mail");
  ASSERT_EQ(copy.runes.items.size(), 3u);
  EXPECT_EQ(copy.runes.items[0]->name, "Empty");
  EXPECT_EQ(copy.expendables.items.size(), 1u);
  EXPECT_EQ(copy.keyItems.items.size(), 1u);
  EXPECT_EQ(source.equipment.items.size(), 5u);
}

TEST_F(ItemStoreTest, AddingAndSubtractingMoveQuantitiesBelowZeroAndStopAtTheIntegerLimits) {
  ItemStore shop;
  shop.CopyFrom(*store_);
  Item* offered = shop.equipment.FindByName("Mail");
  Item* own = store_->equipment.FindByName("Mail");
  own->quantity = 3;
  offered->quantity = 2;
  store_->AddEquipment(*offered);
  EXPECT_EQ(own->quantity, 5);
  offered->quantity = 7;
  store_->SubtractEquipment(*offered);
  EXPECT_EQ(own->quantity, -2);
  EXPECT_EQ(store_->equipment.IndexOfArmor("Mail"), 1);
  store_->SubtractKeyItem(*offered);
  EXPECT_EQ(store_->keyItems.items[0]->quantity, 0);

  // Hand-edited records may hold quantities near the limits of the field.
  constexpr int32_t Most = std::numeric_limits<int32_t>::max();
  constexpr int32_t Least = std::numeric_limits<int32_t>::min();
  Item* ember = shop.runes.FindByName("Ember");
  Item* potion = shop.expendables.FindByName("Potion");
  Item* key = shop.keyItems.FindByName("Key");
  ember->quantity = potion->quantity = key->quantity = offered->quantity = Most;
  own->quantity = 5;
  store_->AddEquipment(*offered);
  store_->AddRune(*ember);
  store_->AddRune(*ember);
  store_->AddExpendable(*potion);
  store_->AddExpendable(*potion);
  store_->AddKeyItem(*key);
  store_->AddKeyItem(*key);
  EXPECT_EQ(own->quantity, Most);
  EXPECT_EQ(store_->runes.FindByName("Ember")->quantity, Most);
  EXPECT_EQ(store_->expendables.FindByName("Potion")->quantity, Most);
  EXPECT_EQ(store_->keyItems.FindByName("Key")->quantity, Most);
  own->quantity = -5;
  store_->SubtractEquipment(*offered);
  EXPECT_EQ(own->quantity, Least);
  offered->quantity = Least;
  own->quantity = 0;
  store_->SubtractEquipment(*offered);
  EXPECT_EQ(own->quantity, Most);
}

TEST_F(ItemStoreTest, AddingWhatTheStoreLacksCopiesItIn) {
  ItemStore other;
  Rune rune;
  rune.name = "Tide";
  rune.quantity = 2;
  rune.Bind(SlotArmor);
  other.AddRune(rune);
  Rune* copy = other.runes.FindByName("Tide");
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, &rune);
  EXPECT_EQ(copy->quantity, 2);
  EXPECT_EQ(copy->activePart, &copy->parts[2]);
  other.AddRune(rune);
  EXPECT_EQ(copy->quantity, 4);
  EXPECT_EQ(other.runes.items.size(), 4u);

  // Each piece of equipment goes at the end of the list of its kind; the weapons into the
  // weapon list too.
  using IndexOf = int (EquipmentPool::*)(const std::string&) const;
  using List = std::vector<Item*> EquipmentPool::*;
  const std::tuple<const char*, int32_t, int32_t, IndexOf, List> pieces[] = {
      {"Dagger", SlotWeapon, WeaponKindDagger, &EquipmentPool::IndexOfDagger,
       &EquipmentPool::daggers},
      {"Sword", SlotWeapon, WeaponKindSword, &EquipmentPool::IndexOfSword, &EquipmentPool::swords},
      {"Spear", SlotWeapon, WeaponKindSpear, &EquipmentPool::IndexOfSpear, &EquipmentPool::spears},
      {"Helm", SlotHeadgear, WeaponKindNone, &EquipmentPool::IndexOfHeadgear,
       &EquipmentPool::headgear},
      {"Coat", SlotArmor, WeaponKindNone, &EquipmentPool::IndexOfArmor, &EquipmentPool::armor},
      {"Gloves", SlotGauntlets, WeaponKindNone, &EquipmentPool::IndexOfGauntlets,
       &EquipmentPool::gauntlets},
      {"Boots", SlotBoots, WeaponKindNone, &EquipmentPool::IndexOfBoots, &EquipmentPool::boots}};
  for (const auto& [name, slot, kind, indexOf, list] : pieces) {
    Item piece(ItemKindEquipment);
    piece.name = name;
    piece.slot = slot;
    piece.weaponKind = kind;
    const auto end = static_cast<int>((other.equipment.*list).size());
    const size_t weapons = other.equipment.weapons.size();
    other.AddEquipment(piece);
    EXPECT_EQ((other.equipment.*indexOf)(name), end) << name;
    EXPECT_EQ(other.equipment.weapons.size(), weapons + (kind != WeaponKindNone ? 1 : 0)) << name;
  }
  Item key(ItemKindKeyItem);
  key.name = "Lantern";
  key.quantity = 1;
  other.AddKeyItem(key);
  ASSERT_NE(other.keyItems.FindByName("Lantern"), nullptr);
  EXPECT_NE(other.keyItems.FindByName("Lantern"), &key);
  other.SubtractRune(rune);
  EXPECT_EQ(copy->quantity, 2);

  Item potion(ItemKindExpendable);
  potion.name = "Elixir";
  potion.quantity = 3;
  other.AddExpendable(potion);
  EXPECT_EQ(other.expendables.FindByName("Elixir")->quantity, 3);
  // An item that is no rune is not turned into one.
  other.AddRune(potion);
  EXPECT_EQ(other.runes.FindByName("Elixir"), nullptr);
}

// A weapon by its kind, armour by its slot; a hand-edited kind or slot beyond the tables, or a
// type word of neither, files the item in no list.
TEST(ItemListCodes, EachItemHasTheCodeOfItsListAndNoneOutsideTheTables) {
  struct Row {
    ItemKind kind;
    int32_t typeWord, slot, weaponKind;
    char code;
  };
  const Row rows[] = {
      {ItemKindEquipment, TypeWordEquipment, SlotWeapon, WeaponKindDagger, 'd'},
      {ItemKindEquipment, TypeWordEquipment, SlotWeapon, WeaponKindSpear, 'l'},
      {ItemKindEquipment, TypeWordEquipment, SlotWeapon, WeaponKindSpear + 1, 0},
      {ItemKindEquipment, TypeWordEquipment, SlotWeapon, -1, 0},
      {ItemKindEquipment, TypeWordEquipment, SlotHeadgear, WeaponKindNone, 'h'},
      {ItemKindEquipment, TypeWordEquipment, SlotBoots, WeaponKindNone, 'b'},
      {ItemKindEquipment, TypeWordEquipment, SlotBoots + 1, WeaponKindNone, 0},
      {ItemKindEquipment, TypeWordEquipment, SlotWeapon, WeaponKindNone, 0},
      {ItemKindEquipment, TypeWordRune, SlotArmor, WeaponKindNone, 'r'},
      {ItemKindEquipment, 0, SlotArmor, WeaponKindNone, 0},
      {ItemKindExpendable, 0, 0, 0, 'i'},
      {ItemKindKeyItem, 0, 0, 0, 'k'},
  };
  for (const Row& row : rows) {
    Item item(row.kind);
    item.typeWord = row.typeWord;
    item.slot = row.slot;
    item.weaponKind = row.weaponKind;
    EXPECT_EQ(ListCodeOf(item), row.code) << row.kind << " " << row.slot << " " << row.weaponKind;
  }
}

TEST_F(ItemStoreTest, RemovingByNameTakesTheItemOutOfEveryListItStandsIn) {
  Item* knife = store_->equipment.FindByName("Knife");
  store_->RemoveByName("Knife");
  EXPECT_EQ(store_->FindByName("Knife"), nullptr);
  EXPECT_EQ(store_->equipment.IndexOfDagger("Knife"), -1);
  EXPECT_EQ(EquipmentPool::FindIndex(store_->equipment.weapons, "Knife"), -1);
  EXPECT_EQ(knife->name, "Knife");
}

TEST_F(ItemStoreTest, ACopyOfTheLoadedStoreIsWhatLoadingMakesWithStatisticsOfItsOwn) {
  const std::unique_ptr<ItemStore> copy = ItemStore::CopyOf(*store_);
  const ItemStore fresh;
  auto names = [](const std::vector<Item*>& list) {
    std::vector<std::string> out;
    for (const Item* item : list) out.push_back(item->name);
    return out;
  };
  // Every list in load order, the club of no category included, one placeholder for all.
  const std::vector<std::vector<Item*>*> copied = copy->equipment.Lists();
  const std::vector<std::vector<Item*>*> loaded = const_cast<ItemStore&>(fresh).equipment.Lists();
  for (size_t i = 0; i < copied.size(); ++i) EXPECT_EQ(names(*copied[i]), names(*loaded[i])) << i;
  EXPECT_EQ(copy->equipment.weapons[0], copy->equipment.items[0]);
  EXPECT_EQ(names(copy->GetAllItems()), names(fresh.GetAllItems()));
  const std::vector<Item*> all = copy->GetAllItems();
  const std::vector<Item*> source = store_->GetAllItems();
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_NE(all[i], source[i]);
    EXPECT_NE(all[i]->stats, source[i]->stats) << all[i]->name;
    EXPECT_EQ(*all[i]->stats, *source[i]->stats) << all[i]->name;
    EXPECT_EQ(all[i]->kind, source[i]->kind);
    EXPECT_EQ(all[i]->price, source[i]->price);
  }
  auto* rune = dynamic_cast<Rune*>(copy->runes.items[1]);
  ASSERT_NE(rune, nullptr);
  EXPECT_NE(rune->parts[0].stats, store_->runes.items[1]->parts[0].stats);
  (*rune->parts[0].stats)[0] = 99.0f;
  EXPECT_NE((*store_->runes.items[1]->parts[0].stats)[0], 99.0f);
}

TEST_F(ItemStoreTest, ItemFilesWrittenSinceTheLoadAreReadAgainBeforeACopy) {
  const std::filesystem::path items = folder_.Path() / "Content" / "Items";
  WriteTestFile(items / "KeyItems.ipf", " " + ItemBodyText("Lantern", 0, 0, "Shines"));
  std::filesystem::last_write_time(items / "KeyItems.ipf",
                                   std::filesystem::file_time_type::clock::now() +
                                       std::chrono::seconds(5));
  const std::unique_ptr<ItemStore> copy = ItemStore::CopyOf(*store_);
  ASSERT_EQ(copy->keyItems.items.size(), 1u);
  EXPECT_EQ(copy->keyItems.items[0]->name, "Lantern");
  EXPECT_EQ(store_->keyItems.items[0]->name, "Lantern");
}
