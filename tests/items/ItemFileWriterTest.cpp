#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "items/ItemFileWriter.h"
#include "items/ItemTestText.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

class ItemFileWriterTest : public ::testing::Test {
 protected:
  ItemFileWriterTest() { fs::create_directories(Items()); }

  fs::path Items() const { return folder_.Path() / "Content" / "Items"; }
  std::string File(const char* name) const { return ReadTestFile(Items() / name); }

  TempFolder folder_;
  WorkingFolder working_{folder_.Path()};
};

}  // namespace

TEST_F(ItemFileWriterTest, AStoreOfPlaceholdersWritesEmptyFiles) {
  ItemStore store;
  EXPECT_TRUE(SaveItemFiles(store));
  EXPECT_EQ(File("Equipment.ipf"), "");
  EXPECT_EQ(File("Expendables.ipf"), " ");
  EXPECT_EQ(File("KeyItems.ipf"), " ");
  EXPECT_EQ(File("Runes.ipf"), " ");
  EXPECT_EQ(File("Debug.ipf"), "");
}

TEST_F(ItemFileWriterTest, RecordsAreWrittenLineByLine) {
  Item hat(ItemKindEquipment);
  hat.name = "Hat";
  hat.slot = SlotHeadgear;
  hat.price = 12.5f;
  hat.description = "Warm";
  (*hat.stats)[0] = 1.5f;
  (*hat.stats)[1] = 1.0f / 3.0f;
  std::string text;
  WriteEquipmentRecord(hat, text);
  std::string expected = "1\n2\n0\nHat\n1.5\n0.33333334\n";
  for (int i = 2; i < StatCount; ++i) expected += "0\n";
  EXPECT_EQ(text, expected + "12.5\nWarm\n");
  hat.name = "Empty";
  std::string nothing;
  WriteEquipmentRecord(hat, nothing);
  WriteItemRecord(hat, nothing);
  EXPECT_EQ(nothing, "");
}

TEST_F(ItemFileWriterTest, SavingAndReloadingKeepsEveryItemListAndOrder) {
  WriteTestFile(Items() / "Equipment.ipf",
                EquipmentRecordText(1, 1, 2, "Sword") + EquipmentRecordText(1, 1, 3, "Pike") +
                    EquipmentRecordText(1, 2, 0, "Hat") + EquipmentRecordText(1, 5, 0, "Shoes") +
                    EquipmentRecordText(1, 1, 0, "Club"));
  WriteTestFile(Items() / "Runes.ipf", " " + RuneRecordText("Ember"));
  WriteTestFile(Items() / "Expendables.ipf", " " + ItemBodyText("Potion", 2, 5, "Heals"));
  WriteTestFile(Items() / "KeyItems.ipf", " " + ItemBodyText("Key", 0, 0, "Opens"));
  auto first = std::make_unique<ItemStore>();
  (*first->equipment.FindByName("Sword")->stats)[7] = 123456.789f;
  first->runes.FindByName("Ember")->parts[1].name = "Empty";
  ASSERT_TRUE(SaveItemFiles(*first));
  const std::string equipment = File("Equipment.ipf");
  const std::string runes = File("Runes.ipf");

  ItemStore second;
  auto names = [](const std::vector<Item*>& list) {
    std::vector<std::string> result;
    for (const Item* item : list) result.push_back(item->name);
    return result;
  };
  EXPECT_EQ(names(second.equipment.items),
            (std::vector<std::string>{"Empty", "Sword", "Pike", "Hat", "Shoes", "Club"}));
  EXPECT_EQ(names(second.equipment.weapons),
            (std::vector<std::string>{"Empty", "Sword", "Pike", "Club"}));
  EXPECT_EQ((*second.equipment.FindByName("Sword")->stats)[7], 123456.789f);
  const Rune& ember = *second.runes.FindByName("Ember");
  EXPECT_EQ(ember.parts[1].name, "Empty");
  EXPECT_EQ((*ember.parts[4].stats)[0], 5.0f);
  EXPECT_EQ(second.expendables.items[0]->description, "Heals");
  EXPECT_EQ(second.keyItems.items[0]->name, "Key");

  ASSERT_TRUE(SaveItemFiles(second));
  EXPECT_EQ(File("Equipment.ipf"), equipment);
  EXPECT_EQ(File("Runes.ipf"), runes);
}

TEST_F(ItemFileWriterTest, EquipmentInNoCategoryListSurvivesASave) {
  ItemStore store;
  Item odd(ItemKindEquipment);
  odd.name = "Odd";
  odd.slot = 0;
  store.equipment.Add(odd.Clone());
  ASSERT_TRUE(SaveItemFiles(store));
  ItemStore reloaded;
  ASSERT_NE(reloaded.equipment.FindByName("Odd"), nullptr);
  EXPECT_EQ(reloaded.equipment.FindByName("Odd")->slot, 0);
}

TEST_F(ItemFileWriterTest, RunesNamedEmptyAreNotWritten) {
  RunePool pool;
  pool.Add(RunePool::MakePlaceholder());
  auto rune = std::make_unique<Rune>();
  rune->name = "Empty";
  pool.Add(std::move(rune));
  EXPECT_EQ(RunesFileText(pool), " ");
}

TEST_F(ItemFileWriterTest, TheDebugDumpListsEachItemWithItsListCodeAndIndex) {
  WriteTestFile(Items() / "Equipment.ipf",
                EquipmentRecordText(1, 1, 1, "Knife") + EquipmentRecordText(1, 4, 0, "Gloves"));
  WriteTestFile(Items() / "KeyItems.ipf", " " + ItemBodyText("Key", 0, 0, "Opens"));
  ItemStore store;
  store.equipment.FindByName("Gloves")->quantity = 2;
  store.keyItems.items[0]->recordValue = 0.5f;
  EXPECT_EQ(DebugDumpText(store), "Knife d 1 0 0 0\nGloves g 1 2 0 0\nKey k 0 0 0.5 0.5\n");
}

TEST_F(ItemFileWriterTest, AFailedWriteLeavesEveryOldFile) {
  WriteTestFile(Items() / "Equipment.ipf", EquipmentRecordText(1, 2, 0, "Hat"));
  WriteTestFile(Items() / "KeyItems.ipf", " " + ItemBodyText("Key", 0, 0, "Opens"));
  const std::string equipment = File("Equipment.ipf");
  const std::string keyItems = File("KeyItems.ipf");
  ItemStore store;
  store.equipment.RemoveByName("Hat");
  store.keyItems.RemoveByName("Key");
  // A folder where the last temporary file would go makes that one write fail.
  fs::create_directory(Items() / "Debug.ipf.tmp");
  EXPECT_FALSE(SaveItemFiles(store));
  EXPECT_EQ(File("Equipment.ipf"), equipment);
  EXPECT_EQ(File("KeyItems.ipf"), keyItems);
  EXPECT_FALSE(fs::exists(Items() / "Equipment.ipf.tmp")) << "no temporary file is left";
}
