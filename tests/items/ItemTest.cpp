#include <gtest/gtest.h>

#include "items/Item.h"
#include "items/KeyItemPool.h"
#include "items/Rune.h"

TEST(ItemTest, CopiesShowLaterChangesOfTheSourceStatistics) {
  Item sword(ItemKindEquipment);
  sword.name = "Sword";
  sword.slot = SlotWeapon;
  sword.weaponKind = WeaponKindSword;
  sword.quantity = 3;
  sword.recordValue = 1.5f;
  std::unique_ptr<Item> copy = sword.Clone();
  (*sword.stats)[Stat::BaseAttack] = 9.0f;
  EXPECT_EQ((*copy->stats)[Stat::BaseAttack], 9.0f);
  EXPECT_EQ(copy->name, "Sword");
  EXPECT_EQ(copy->weaponKind, WeaponKindSword);
  EXPECT_EQ(copy->quantity, 3);
  EXPECT_EQ(copy->recordValue, 1.5f);

  Item key(ItemKindKeyItem);
  key.name = "Key";
  std::unique_ptr<Item> keyCopy = KeyItemPool::CloneItem(key);
  EXPECT_EQ(keyCopy->kind, ItemKindKeyItem);
  EXPECT_EQ(keyCopy->stats, key.stats);
}

TEST(ItemTest, ARuneCopyTakesTheActivePartOfItsSlot) {
  Rune bound;
  bound.name = "Ember";
  (*bound.parts[2].stats)[Stat::BaseDefense] = 4.0f;
  bound.parts[0].name = "Blade";
  bound.Bind(SlotArmor);
  Rune copy(bound);
  EXPECT_EQ(copy.slot, SlotArmor);
  EXPECT_EQ(copy.activePart, &copy.parts[2]);
  EXPECT_EQ((*copy.stats)[Stat::BaseDefense], 4.0f);
  for (int i = 0; i < Rune::PartCount; ++i) {
    EXPECT_EQ(copy.parts[i].name, bound.parts[i].name) << i;
    EXPECT_EQ(copy.parts[i].description, bound.parts[i].description) << i;
    EXPECT_EQ(copy.parts[i].stats, bound.parts[i].stats) << i;
  }

  bound.Unbind();
  Rune unbound(bound);
  EXPECT_EQ(unbound.slot, SlotNone);
  EXPECT_EQ(unbound.activePart, nullptr);
}
