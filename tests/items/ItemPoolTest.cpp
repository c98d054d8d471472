#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "items/EquipmentPool.h"
#include "items/ExpendablePool.h"
#include "items/ItemTestText.h"
#include "items/KeyItemPool.h"
#include "items/RunePool.h"
#include "support/TempFolder.h"

namespace {

std::unique_ptr<EquipmentPool> LoadEquipment(const std::string& text) {
  auto pool = std::make_unique<EquipmentPool>();
  std::istringstream in(text);
  pool->LoadFrom(in);
  return pool;
}

}  // namespace

TEST(ItemPoolTest, ReadsTheExampleEquipmentRecord) {
  EquipmentPool pool;
  std::istringstream in(EquipmentRecordText(1, 1, 2, "Long Sword"));
  pool.LoadFrom(in);
  ASSERT_EQ(pool.items.size(), 2u);
  const Item& sword = *pool.items[1];
  EXPECT_EQ(sword.kind, ItemKindEquipment);
  EXPECT_EQ(sword.typeWord, 1);
  EXPECT_EQ(sword.slot, SlotWeapon);
  EXPECT_EQ(sword.weaponKind, WeaponKindSword);
  EXPECT_EQ(sword.name, "Long Sword");
  EXPECT_EQ(sword.price, 250.0f);
  EXPECT_EQ(sword.description, "Long Sword text");
  EXPECT_EQ(pool.swords.size(), 2u);
  EXPECT_EQ(pool.weapons.size(), 2u);
}

TEST(ItemPoolTest, ALastRecordWithoutItsLineFeedIsKeptWhole) {
  std::string text = EquipmentRecordText(1, 2, 0, "Helm") + EquipmentRecordText(1, 3, 0, "Mail");
  text.pop_back();
  EquipmentPool pool;
  std::istringstream in(text);
  pool.LoadFrom(in);
  ASSERT_EQ(pool.items.size(), 3u);
  EXPECT_EQ(pool.items[2]->description, "Mail text");
}

TEST(ItemPoolTest, WithoutFilesPoolsHoldOnlyTheirPlaceholders) {
  TempFolder folder;
  WorkingFolder working(folder.Path());
  EquipmentPool equipment;
  equipment.Load();
  for (std::vector<Item*>* list : equipment.Lists()) {
    ASSERT_EQ(list->size(), 1u);
    EXPECT_EQ((*list)[0], equipment.items[0]);
  }
  EXPECT_EQ(equipment.IndexOfDagger("Empty"), 0);
  EXPECT_EQ(equipment.items[0]->typeWord, TypeWordPlaceholder);
  RunePool runes;
  runes.Load();
  ASSERT_EQ(runes.items.size(), 1u);
  EXPECT_EQ(runes.items[0]->name, "Empty");
  ExpendablePool expendables;
  expendables.Load();
  EXPECT_TRUE(expendables.items.empty());
  KeyItemPool keyItems;
  keyItems.Load();
  EXPECT_TRUE(keyItems.items.empty());
}

TEST(ItemPoolTest, LoadingFilesOddSlotsAsWeaponsAndAddingDoesNot) {
  auto pool = LoadEquipment(EquipmentRecordText(1, 0, 2, "Odd Sword") +
                                     EquipmentRecordText(1, 1, 0, "Club") +
                                     EquipmentRecordText(1, 4, 3, "Gloves"));
  Item* odd = pool->FindByName("Odd Sword");
  EXPECT_EQ(pool->IndexOfSword("Odd Sword"), 1);
  EXPECT_EQ(EquipmentPool::FindIndex(pool->weapons, "Odd Sword"), 1);
  EXPECT_EQ(EquipmentPool::FindIndex(pool->weapons, "Club"), 2);
  EXPECT_EQ(pool->IndexOfSpear("Gloves"), -1);
  EXPECT_EQ(pool->IndexOfGauntlets("Gloves"), 1);

  pool->Remove(odd);
  EXPECT_EQ(pool->IndexOfSword("Odd Sword"), -1);
  pool->Add(odd->Clone());
  EXPECT_EQ(pool->IndexOfName("Odd Sword"), 3);
  EXPECT_EQ(pool->IndexOfSword("Odd Sword"), -1);
  EXPECT_EQ(EquipmentPool::FindIndex(pool->weapons, "Odd Sword"), -1);
}

TEST(ItemPoolTest, RemovingEmptyTakesThePlaceholderOutOfEveryList) {
  auto pool = LoadEquipment(EquipmentRecordText(1, 1, 1, "Knife"));
  pool->RemoveByName("Empty");
  EXPECT_EQ(pool->FindByName("Empty"), nullptr);
  for (std::vector<Item*>* list : pool->Lists()) EXPECT_EQ(EquipmentPool::FindIndex(*list, "Empty"), -1);
  EXPECT_EQ(pool->IndexOfDagger("Knife"), 0);
}

TEST(ItemPoolTest, SameNamesFindAndRemoveTheFirst) {
  auto pool = LoadEquipment(EquipmentRecordText(1, 2, 0, "Hat", 10.0f) +
                                     EquipmentRecordText(1, 2, 0, "Hat", 20.0f));
  EXPECT_EQ(pool->FindByName("Hat")->price, 10.0f);
  pool->RemoveByName("Hat");
  EXPECT_EQ(pool->FindByName("Hat")->price, 20.0f);
  EXPECT_EQ(pool->headgear.size(), 2u);
}

TEST(ItemPoolTest, ReloadingRunesLeavesOneNewPlaceholder) {
  const std::string text = " " + RuneRecordText("Ember") + RuneRecordText("Stone");
  RunePool pool;
  std::istringstream first(text);
  pool.LoadFrom(first);
  Rune* oldPlaceholder = pool.items[0];
  std::istringstream second(text);
  pool.LoadFrom(second);
  ASSERT_EQ(pool.items.size(), 3u);
  EXPECT_NE(pool.items[0], oldPlaceholder);
  EXPECT_EQ(pool.items[0]->name, "Empty");
  EXPECT_EQ(pool.items[2]->name, "Stone");
  EXPECT_EQ(pool.items[1]->parts[3].description, "On the Gauntlets");
  EXPECT_EQ((*pool.items[1]->parts[3].stats)[0], 4.0f);
  // The old items stay valid for whoever still points at them.
  EXPECT_EQ(oldPlaceholder->name, "Empty");
}

TEST(ItemPoolTest, ARuneCutInItsFifthPartIsDroppedWhole) {
  std::string text = " " + RuneRecordText("Ember") + RuneRecordText("Stone");
  text.resize(text.size() - 40);
  RunePool pool;
  std::istringstream in(text);
  pool.LoadFrom(in);
  ASSERT_EQ(pool.items.size(), 2u);
  EXPECT_EQ(pool.items[1]->name, "Ember");
}

TEST(ItemPoolTest, PlainFilesLoseTheirFirstCharacterAndStartAtIndexZero) {
  ExpendablePool pool;
  std::istringstream in(ItemBodyText("Potion", 0, 5, "Heals") + ItemBodyText("Herb", 0, 1, "Also"));
  pool.LoadFrom(in);
  ASSERT_EQ(pool.items.size(), 2u);
  EXPECT_EQ(pool.items[0]->name, "otion");
  EXPECT_EQ(pool.items[0]->kind, ItemKindExpendable);
  EXPECT_EQ(pool.IndexOfName("Herb"), 1);
  KeyItemPool keys;
  std::istringstream keyText(" " + ItemBodyText("Key", 0, 0, "Opens"));
  keys.LoadFrom(keyText);
  ASSERT_EQ(keys.items.size(), 1u);
  EXPECT_EQ(keys.items[0]->name, "Key");
  EXPECT_EQ(keys.items[0]->kind, ItemKindKeyItem);
}

TEST(ItemPoolTest, ARecordNamedEmptyIsAnOrdinaryItem) {
  auto pool = LoadEquipment(EquipmentRecordText(1, 2, 0, "Empty"));
  ASSERT_EQ(pool->items.size(), 2u);
  EXPECT_EQ(pool->headgear[1]->name, "Empty");
  EXPECT_EQ(pool->FindByName("Empty"), pool->items[0]);
}

TEST(ItemPoolTest, DamagedFilesKeepTheRecordsBeforeTheDamageAndNeverLoop) {
  const std::string good = EquipmentRecordText(1, 2, 0, "Hat");
  std::string badNumber = EquipmentRecordText(1, 3, 0, "Mail");
  badNumber.replace(badNumber.find("0.000000"), 1, "?");
  EXPECT_EQ(LoadEquipment(good + badNumber + good)->items.size(), 2u);
  EXPECT_EQ(LoadEquipment(good + "\n\n\n")->items.size(), 2u);
  EXPECT_EQ(LoadEquipment("x" + good)->items.size(), 1u);
  EXPECT_EQ(LoadEquipment("")->items.size(), 1u);

  ExpendablePool pool;
  std::istringstream in(" " + ItemBodyText("Potion", 0, 5, "Heals") + "\n");
  pool.LoadFrom(in);
  EXPECT_EQ(pool.items.size(), 1u);
}

TEST(ItemPoolTest, EmptyLinesAndCarriageReturnsDoNotLoseRecords) {
  std::string text = EquipmentRecordText(1, 2, 0, "Hat");
  text.replace(text.find("Hat text"), 8, "");
  text += EquipmentRecordText(1, 5, 0, "Boots");
  std::string windows;
  for (char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& variant : {text, windows}) {
    auto pool = LoadEquipment(variant);
    ASSERT_EQ(pool->items.size(), 3u);
    EXPECT_EQ(pool->items[1]->description, "");
    EXPECT_EQ(pool->items[2]->name, "Boots");
    EXPECT_EQ(pool->items[2]->description, "Boots text");
  }
}
