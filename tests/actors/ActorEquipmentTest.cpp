#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

#include "actors/State.h"
#include "actors/TestActor.h"
#include "items/ItemFileWriter.h"
#include "items/ItemStore.h"
#include "support/TempFolder.h"

namespace {

std::unique_ptr<Item> MakeEquipment(const std::string& name, int slot, int weaponKind,
                                    int statIndex, float value) {
  auto item = std::make_unique<Item>(ItemKindEquipment);
  item->name = name;
  item->description = name + " description";
  item->slot = slot;
  item->weaponKind = weaponKind;
  (*item->stats)[statIndex] = value;
  return item;
}

std::unique_ptr<Rune> MakeRune(const std::string& name) {
  auto rune = std::make_unique<Rune>();
  rune->name = name;
  rune->description = name + " description";
  // Part k adds k to BaseDefense, so the worn part shows in the totals.
  for (int k = 0; k < Rune::PartCount; ++k) (*rune->parts[k].stats)[Stat::BaseDefense] = k + 1.0f;
  return rune;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// An actor whose store holds a sword, a helm and two runes.
class ActorEquipmentTest : public ::testing::Test {
 protected:
  ActorEquipmentTest() {
    std::filesystem::create_directories(folder_.Path() / "Content" / "Items");
    std::string equipment;
    WriteEquipmentRecord(*MakeEquipment("Sword", SlotWeapon, WeaponKindSword, Stat::BaseAttack, 5),
                         equipment);
    WriteEquipmentRecord(*MakeEquipment("Helm", SlotHeadgear, 0, Stat::BaseDefense, 3), equipment);
    std::string runes = " ";
    WriteRuneRecord(*MakeRune("Ember"), runes);
    WriteRuneRecord(*MakeRune("Stone"), runes);
    WriteFile(folder_.Path() / "Content" / "Items" / "Equipment.ipf", equipment);
    WriteFile(folder_.Path() / "Content" / "Items" / "Runes.ipf", runes);
    actor_ = std::make_unique<TestActor>();
  }

  Item* Equipment(const std::string& name) { return actor_->itemStore->equipment.FindByName(name); }
  Rune* RuneNamed(const std::string& name) { return actor_->itemStore->runes.FindByName(name); }

  // Totals are gained + base (+ state), base the sum of the slots, derived values fresh.
  void ExpectConsistent() {
    StatBlock base{};
    for (const Item* item : actor_->equipped) {
      if (item) AddStatBlock(base, *item->stats);
    }
    ASSERT_EQ(FirstDifference(base, actor_->baseStats), -1);
    StatBlock totals = *actor_->stats;
    AddStatBlock(totals, base);
    if (actor_->state) AddStatBlock(totals, actor_->state->stats);
    ASSERT_EQ(FirstDifference(totals, actor_->totalStats), -1);
    const auto derived = actor_->derived;
    actor_->RecomputeDerivedStats();
    ASSERT_EQ(FirstDifference(derived, actor_->derived), -1);
  }

  TempFolder folder_;
  WorkingFolder working_{folder_.Path()};
  std::unique_ptr<TestActor> actor_;
};

}  // namespace

TEST_F(ActorEquipmentTest, AnItemThatFitsItsSlotIsWorn) {
  actor_->EquipSlot0(Equipment("Sword"));
  EXPECT_EQ(actor_->equipped[0], Equipment("Sword"));
  EXPECT_EQ(actor_->baseStats[Stat::BaseAttack], 5.0f);
  ExpectConsistent();
  actor_->EquipSlot1ByName("Helm");
  EXPECT_EQ(actor_->equipped[1], Equipment("Helm"));
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, AnItemOfTheWrongSlotLeavesEmpty) {
  actor_->EquipSlot0(Equipment("Helm"));
  EXPECT_EQ(actor_->equipped[0]->name, "Empty");
  ExpectConsistent();
  actor_->EquipSlot0(RuneNamed("Ember"));
  EXPECT_EQ(actor_->equipped[0]->name, "Empty");
  actor_->EquipSlot2ByName("No Such Armor");
  EXPECT_EQ(actor_->equipped[2]->name, "Empty");
  actor_->EquipSlot3(nullptr);
  EXPECT_EQ(actor_->equipped[3]->name, "Empty");
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, WithoutAnEmptyItemTheSlotBecomesNull) {
  actor_->itemStore->equipment.RemoveByName("Empty");
  actor_->EquipSlot4(Equipment("Helm"));
  EXPECT_EQ(actor_->equipped[4], nullptr);
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, ARuneMovedToAnotherSlotLeavesEmptyBehind) {
  Rune* ember = RuneNamed("Ember");
  actor_->EquipSlot5(ember);
  EXPECT_EQ(ember->slot, 1);
  EXPECT_EQ(ember->stats, ember->parts[0].stats);
  EXPECT_EQ(actor_->baseStats[Stat::BaseDefense], 1.0f);
  actor_->EquipSlot7(ember);
  EXPECT_EQ(actor_->equipped[5]->name, "Empty");
  EXPECT_EQ(actor_->equipped[7], ember);
  EXPECT_EQ(ember->slot, 3);
  EXPECT_EQ(ember->activePart, &ember->parts[2]);
  EXPECT_EQ(actor_->baseStats[Stat::BaseDefense], 3.0f);
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, EquippingTheWornRuneAgainTouchesNoOtherSlot) {
  Rune* ember = RuneNamed("Ember");
  Rune* stone = RuneNamed("Stone");
  actor_->EquipSlot6(ember);
  actor_->EquipSlot8ByName("Stone");
  actor_->EquipSlot6ByName("Ember");
  EXPECT_EQ(actor_->equipped[6], ember);
  EXPECT_EQ(actor_->equipped[8], stone);
  EXPECT_EQ(ember->slot, 2);
  EXPECT_EQ(stone->slot, 4);
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, EmptyMayFillSeveralRuneSlots) {
  for (int i = 0; i < 2; ++i) {
    actor_->EquipSlot5(nullptr);
    actor_->EquipSlot6ByName("No Such Rune");
    actor_->EquipSlot9(nullptr);
  }
  Rune* empty = RuneNamed("Empty");
  EXPECT_EQ(actor_->equipped[5], empty);
  EXPECT_EQ(actor_->equipped[6], empty);
  EXPECT_EQ(actor_->equipped[9], empty);
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, AMarkThatDoesNotMatchItsSlotIsOverwritten) {
  Rune* ember = RuneNamed("Ember");
  Rune* stone = RuneNamed("Stone");
  actor_->EquipSlot5(stone);
  // A hand-edited record claims the ember rune is worn in slot 5, which holds the stone rune.
  ember->slot = 1;
  actor_->EquipSlot7(ember);
  EXPECT_EQ(actor_->equipped[5], stone);
  EXPECT_EQ(actor_->equipped[7], ember);
  EXPECT_EQ(ember->slot, 3);
  // And one that claims the slot being filled.
  ember->slot = 3;
  actor_->equipped[7] = nullptr;
  actor_->EquipSlot7(ember);
  EXPECT_EQ(actor_->equipped[7], ember);
  // Marks that name no slot at all, up to the integer limits.
  for (int32_t mark :
       {0, -1, 6, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
    ember->slot = mark;
    actor_->equipped[7] = nullptr;
    actor_->EquipSlot7(ember);
    EXPECT_EQ(actor_->equipped[5], stone) << mark;
    EXPECT_EQ(actor_->equipped[7], ember) << mark;
    EXPECT_EQ(ember->slot, 3) << mark;
  }
  ExpectConsistent();
}

TEST_F(ActorEquipmentTest, TotalsKeepTheCurrentStateAfterEquipping) {
  class Guarding : public InertState {} state;
  state.stats[Stat::BaseDefense] = 4.0f;
  actor_->state = &state;
  actor_->EquipSlot1(Equipment("Helm"));
  EXPECT_EQ(actor_->totalStats[Stat::BaseDefense], 1.0f + 3.0f + 4.0f);
  ExpectConsistent();
  actor_->state = nullptr;
}
