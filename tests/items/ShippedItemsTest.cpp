#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>

#include "items/ItemFileWriter.h"
#include "items/ItemTestText.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

const char* const ItemFiles[] = {"Equipment.ipf", "Runes.ipf", "Expendables.ipf", "KeyItems.ipf"};
// Gear lent for nothing, which no trader pays for.
const char* const LentGear[] = {"Practice Dagger", "Practice Vest"};

// Works on a copy of the shipped item files, never on the source tree.
class ShippedItemsTest : public ::testing::Test {
 protected:
  ShippedItemsTest() {
    fs::create_directories(Items());
    for (const char* name : ItemFiles) {
      fs::copy_file(fs::path(QM_CONTENT_DIR) / "Items" / name, Items() / name);
    }
    store_ = std::make_unique<ItemStore>();
  }

  fs::path Items() const { return folder_.Path() / "Content" / "Items"; }

  // The files hold whole records only, each of a fixed number of lines.
  size_t RecordsIn(const char* name, size_t linesPerRecord) const {
    const std::string text = ReadTestFile(Items() / name);
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    EXPECT_EQ(lines % linesPerRecord, 0u) << name;
    return lines / linesPerRecord;
  }

  TempFolder folder_;
  WorkingFolder working_{folder_.Path()};
  std::unique_ptr<ItemStore> store_;
};

}  // namespace

TEST_F(ShippedItemsTest, EveryRecordLoads) {
  const EquipmentPool& equipment = store_->equipment;
  EXPECT_EQ(equipment.items.size(), 1u + 30u);
  EXPECT_EQ(equipment.weapons.size(), 1u + 13u);
  // Daggers to boots; the daggers and the armour hold the lent gear too.
  const size_t categorySizes[] = {1u + 5u, 1u + 4u, 1u + 4u, 1u + 4u, 1u + 5u, 1u + 4u, 1u + 4u};
  const auto categories = equipment.CategoryLists();
  ASSERT_EQ(categories.size(), std::size(categorySizes));
  for (size_t i = 0; i < categories.size(); ++i) EXPECT_EQ(categories[i]->size(), categorySizes[i]);
  EXPECT_EQ(store_->runes.items.size(), 1u + 5u);
  EXPECT_EQ(store_->expendables.items.size(), 6u);
  EXPECT_EQ(store_->keyItems.items.size(), 6u);

  constexpr size_t BodyLines = 1 + StatCount + 1 + 1;
  EXPECT_EQ(RecordsIn("Equipment.ipf", 3 + BodyLines), equipment.items.size() - 1);
  EXPECT_EQ(RecordsIn("Runes.ipf", 2 + 5 * BodyLines), store_->runes.items.size() - 1);
  EXPECT_EQ(RecordsIn("Expendables.ipf", BodyLines), store_->expendables.items.size());
  EXPECT_EQ(RecordsIn("KeyItems.ipf", BodyLines), store_->keyItems.items.size());
}

TEST_F(ShippedItemsTest, ItemsHaveNamesDescriptionsPricesAndStatistics) {
  for (const Item* item : store_->GetAllItems()) {
    if (item->name == "Empty") continue;
    EXPECT_FALSE(item->description.empty()) << item->name;
    const bool lent = std::count(std::begin(LentGear), std::end(LentGear), item->name) > 0;
    const bool priced = item->kind != ItemKindKeyItem && item->typeWord != TypeWordRune && !lent;
    if (priced) {
      EXPECT_GT(item->price, 0.0f) << item->name;
    }
  }
  for (const Item* item : store_->equipment.items) {
    if (item->name == "Empty") continue;
    float sum = 0.0f;
    for (float value : *item->stats) sum += value != 0.0f;
    EXPECT_GT(sum, 0.0f) << item->name;
    EXPECT_EQ(item->typeWord, TypeWordEquipment) << item->name;
  }
  for (const Rune* rune : store_->runes.items) {
    if (rune->name == "Empty") continue;
    for (const Object& part : rune->parts) EXPECT_FALSE(part.description.empty()) << rune->name;
  }
}

TEST_F(ShippedItemsTest, WritingThemBackGivesTheSameBytesAndTheSameStore) {
  ASSERT_TRUE(SaveItemFiles(*store_));
  for (const char* name : ItemFiles) {
    EXPECT_EQ(ReadTestFile(Items() / name),
              ReadTestFile(fs::path(QM_CONTENT_DIR) / "Items" / name))
        << name;
  }
  ItemStore reloaded;
  const std::vector<Item*> before = store_->GetAllItems();
  const std::vector<Item*> after = reloaded.GetAllItems();
  ASSERT_EQ(before.size(), after.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(before[i]->name, after[i]->name);
    EXPECT_EQ(before[i]->description, after[i]->description);
    EXPECT_EQ(before[i]->price, after[i]->price);
    EXPECT_EQ(*before[i]->stats, *after[i]->stats) << before[i]->name;
    EXPECT_EQ(before[i]->kind, after[i]->kind);
    EXPECT_EQ(before[i]->slot, after[i]->slot);
    EXPECT_EQ(before[i]->weaponKind, after[i]->weaponKind);
  }
}
