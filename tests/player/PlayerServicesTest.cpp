#include <gtest/gtest.h>

#include <string>

#include "engine/Globals.h"
#include "items/Item.h"
#include "items/ItemStore.h"
#include "player/Player.h"
#include "player/PlayerFrameTable.h"
#include "player/PlayerState.h"
#include "world/World.h"

namespace {

using platform::Vector3;

// A world without screens: its first player stands idle with the new-game statistics.
class PlayerServices : public ::testing::Test {
 protected:
  PlayerServices() : world(nullptr, nullptr), player(*world.GetFirstPlayer()) {}
  ~PlayerServices() override { ResetGlobals(); }

  World world;
  Player& player;
};

TEST_F(PlayerServices, EnteringAnAirMoveOrADashSetsTheVelocityItsRuleGives) {
  struct Row {
    PlayerStateSlot slot;
    int facing;
    Vector3 before, after;
  };
  const Row rows[] = {
      {SlotFalling, 1, {3.0f, 5.0f, 0.0f}, {3.0f, 0.0f, 0.0f}},        // a rise is cut off
      {SlotFalling, 1, {3.0f, -5.0f, 0.0f}, {3.0f, -5.0f, 0.0f}},      // a fall keeps its speed
      {SlotAirJumping, 1, {2.0f, -7.0f, 0.0f}, {2.0f, 20.0f, 0.0f}},   // a fall stops first
      {SlotAirJumping, 1, {2.0f, 4.0f, 0.0f}, {2.0f, 24.0f, 0.0f}},    // a rise adds the jump
      {SlotAirDashing, 1, {-5.0f, 3.0f, 0.0f}, {30.0f, 8.0f, 0.0f}},   // old speed dropped, lifted
      {SlotAirDashing, -1, {50.0f, 12.0f, 0.0f}, {-30.0f, 12.0f, 0.0f}},
      {SlotGroundDashing, 1, {0.0f, 0.0f, 0.0f}, {30.0f, 0.0f, 0.0f}},
      {SlotGroundDashing, 1, {40.0f, 0.0f, 0.0f}, {30.0f, 0.0f, 0.0f}},  // never beyond the strength
      {SlotGroundDashing, -1, {10.0f, 0.0f, 0.0f}, {-20.0f, 0.0f, 0.0f}},
      {SlotGroundDashing, -1, {-40.0f, 0.0f, 0.0f}, {-30.0f, 0.0f, 0.0f}},
  };
  for (const Row& row : rows) {
    player.SwitchState(SlotIdling);
    player.facing = row.facing;
    player.body->velocity = row.before;
    player.SwitchState(row.slot);
    EXPECT_EQ(player.body->velocity, row.after) << row.slot << " from " << row.before.x;
  }
}

TEST_F(PlayerServices, TheNameQueriesMatchWholeNamesAndEveryJournalEntryOfAName) {
  player.skills = {"Dash Attack"};
  player.terms = {"Rune"};
  player.journal = {{"Notes", {1, 2}}, {"Notes", {7}}, {"Map", {3}}};
  EXPECT_FALSE(player.HasSkill("Dash")) << "a prefix is not the skill";
  EXPECT_TRUE(player.HasSkill("Dash Attack"));
  EXPECT_TRUE(player.HasTerm("Rune"));
  EXPECT_FALSE(player.HasTerm("Runes"));
  EXPECT_TRUE(player.HasJournalEntry("Map"));
  EXPECT_FALSE(player.HasJournalEntry("Maps"));
  EXPECT_TRUE(player.HasJournalPage("Notes", 7)) << "listed by the second entry of the name";
  EXPECT_FALSE(player.HasJournalPage("Notes", 3)) << "listed by another entry";
  EXPECT_FALSE(player.HasJournalPage("Journal", 1));
}

TEST_F(PlayerServices, AfterASaleUsedUpAndEmptySlotsTakeTheEmptyItemAndTheStatisticsFollow) {
  ItemStore& store = *player.itemStore;
  Item* empty = store.equipment.FindByName(EmptyItemName);
  Item* emptyRune = store.runes.FindByName(EmptyItemName);
  ASSERT_NE(empty, nullptr);
  ASSERT_NE(emptyRune, nullptr);
  Item sold(ItemKindEquipment);
  (*sold.stats)[Stat::BaseAttack] = 40.0f;
  Item kept(ItemKindEquipment);
  kept.quantity = 2;
  (*kept.stats)[Stat::BaseAttack] = 3.0f;
  player.equipped[1] = &kept;
  player.equipped[2] = &sold;
  player.equipped[3] = nullptr;
  player.equipped[6] = nullptr;
  player.RecomputeEquipmentStats();
  player.RecomputeTotalStats();

  player.UnequipDepletedItems();
  EXPECT_EQ(player.equipped[1], &kept);
  EXPECT_EQ(player.equipped[2], empty);
  EXPECT_EQ(player.equipped[3], empty) << "an empty slot counts as used up";
  EXPECT_EQ(player.equipped[6], emptyRune);
  EXPECT_EQ(player.totalStats[Stat::BaseAttack] - (*player.stats)[Stat::BaseAttack], 3.0f)
      << "the sold item's share is gone from the totals";
}

TEST_F(PlayerServices, EveryEntryOfTheStateTableIsItsOwnState) {
  // The table's slots are what transitions name: each must hold the state that carries its name.
  for (int slot = 0; slot < PlayerStateCount; ++slot) {
    const auto entry = static_cast<PlayerStateSlot>(slot);
    const std::wstring& expected = PlayerStatePlans()[entry].displayName;
    if (entry == SlotDownAttacking) continue;  // its constructor names it
    EXPECT_EQ(player.StateAt(entry)->GetName(), expected) << "slot " << slot;
  }
}

}  // namespace
