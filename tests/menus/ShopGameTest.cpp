#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "collision/ShopShape.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "menus/pause/MenuPause.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "world/World.h"

namespace {

constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";

std::vector<std::string> Names(const std::vector<Item*>& rows) {
  std::vector<std::string> names;
  for (const Item* row : rows) names.push_back(row->GetName());
  return names;
}

uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

bool Greenish(uint32_t pixel) {
  return Channel(pixel, 8) > Channel(pixel, 16) + 40 && Channel(pixel, 8) > Channel(pixel, 0) + 40;
}

bool Reddish(uint32_t pixel) {
  return Channel(pixel, 16) > Channel(pixel, 8) + 40 && Channel(pixel, 16) > Channel(pixel, 0) + 40;
}

// The game playing on the hub map, the first player with tokens to spend.
class ShopGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    shop = GameStates->menuShop;
    world->ClearLevel();
    world->LoadMap(HubMap);
    GameStates->SwitchTo(world);
    game.StepFrames(40);
  }

  void Tap(int key) { game.TapKey(key); }

  // Whether the frame shows the colour on the upright line through the sprite's centre.
  bool Shows(const Sprite& sprite, bool (*colour)(uint32_t)) const {
    const platform::Vector3 at = sprite.altPosition;
    for (int dy = -2; dy <= 2; ++dy) {
      if (colour(game.Pixel(static_cast<int>(at.x), static_cast<int>(at.y) + dy))) return true;
    }
    return false;
  }

  // The shop regions of the map in map order: the forge first.
  ShopShape* Shop(size_t index) const {
    std::vector<ShopShape*> shops;
    for (const auto& modifier : world->modifiers) {
      if (auto* shape = dynamic_cast<ShopShape*>(modifier.get())) shops.push_back(shape);
    }
    return index < shops.size() ? shops[index] : nullptr;
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  MenuShop* shop = nullptr;
};

}  // namespace

TEST_F(ShopGame, ThePlayerTradesAtTheHubsForgeAndThePauseMenuShowsTheResult) {
  ShopShape* forge = Shop(0);
  ASSERT_NE(forge, nullptr);
  // A long list for the scroll bar: twenty tonics on sale besides the forge's own stock.
  for (int k = 0; k < 20; ++k) {
    Item tonic(ItemKindExpendable);
    tonic.name = "Tonic " + std::to_string(k + 1);
    tonic.description = "A test tonic.";
    tonic.price = 5.0f;
    tonic.onSale = 1;
    forge->stock->AddExpendable(tonic);
  }
  player->price = 500.0f;
  ItemStore& own = *player->itemStore;
  Item* bronze = own.FindByName("Bronze Dagger");
  Item* iron = own.FindByName("Iron Dagger");
  ASSERT_TRUE(bronze && iron);
  const int32_t ironHeld = iron->quantity;

  // Walk to the forge and talk to its keeper; the conversation's "shop" line opens the shop.
  player->body->SetPositionXYZ(forge->regionCircle->position.x + 6.0f, 1.3f, 0.0f);
  game.StepFrames(20);
  game.PressKey(VirtualKey::A);
  for (int frame = 0; frame < 200 && player->body->position.x > forge->regionCircle->position.x;
       ++frame) {
    game.Step();
  }
  game.ReleaseKey(VirtualKey::A);
  game.StepFrames(20);
  Tap(VirtualKey::J);
  ASSERT_EQ(GameStates->current, GameStates->menuDialog);
  EXPECT_EQ(shop->m_shopShape, forge);
  GameStates->SwitchTo(shop);
  game.Step();
  ASSERT_EQ(shop->m_page, MenuShop::PageMain);
  ASSERT_TRUE(game.KeepFrame("shop-main.png"));

  // Buy one of each of the forge's daggers.
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->m_page, MenuShop::PageBuy);
  EXPECT_EQ(Names(shop->m_listItems), (std::vector<std::string>{"Bronze Dagger", "Iron Dagger"}));
  Tap(VirtualKey::D);
  Tap(VirtualKey::S);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->m_listItems[0]->quantity, 1);
  EXPECT_EQ(shop->m_listItems[1]->quantity, 1);
  EXPECT_FLOAT_EQ(shop->m_cartTotal, 60.0f + 180.0f);
  ASSERT_TRUE(game.KeepFrame("shop-buy-cart.png"));
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->m_buyStep, MenuShop::StepConfirming);
  EXPECT_EQ(shop->m_confirmSelection, MenuShop::ConfirmAccept);
  ASSERT_TRUE(game.KeepFrame("shop-buy-confirm.png"));
  Tap(VirtualKey::J);
  EXPECT_FLOAT_EQ(player->price, 500.0f - 240.0f);
  EXPECT_EQ(bronze->quantity, 1);
  EXPECT_EQ(iron->quantity, ironHeld + 1);
  EXPECT_EQ(shop->m_buyStep, MenuShop::StepBrowsing);
  EXPECT_FLOAT_EQ(shop->m_cartTotal, 0.0f);

  // Wearing the bronze dagger, the iron one compares better: the raise markers show.
  player->EquipSlot0ByName("Bronze Dagger");
  game.Step();
  ASSERT_TRUE(game.KeepFrame("shop-compare-worn.png"));
  const ItemPage& page = shop->m_itemPage;
  EXPECT_FALSE(Shows(*page.raiseMarkers[0], Greenish)) << "the same dagger compares equal";
  Tap(VirtualKey::S);
  ASSERT_EQ(shop->m_listCursor, 1u);
  ASSERT_TRUE(game.KeepFrame("shop-compare-better.png"));
  EXPECT_TRUE(Shows(*page.raiseMarkers[0], Greenish)) << "more attack than the worn dagger";
  // Wearing the iron dagger, the bronze one compares worse.
  player->EquipSlot0ByName("Iron Dagger");
  Tap(VirtualKey::W);
  ASSERT_TRUE(game.KeepFrame("shop-compare-worse.png"));
  EXPECT_TRUE(Shows(*page.dropMarkers[0], Reddish)) << "less attack than the worn dagger";
  EXPECT_FALSE(Shows(*page.raiseMarkers[0], Greenish));
  player->EquipSlot0ByName("Bronze Dagger");

  // The items tab scrolls its long list one row at a time with the bar.
  Tap(VirtualKey::O);
  ASSERT_EQ(shop->m_buyTab, MenuShop::ItemsTab);
  const size_t rows = shop->m_listItems.size();
  ASSERT_GT(rows, MenuShop::VisibleRows);
  EXPECT_EQ(shop->m_scrollBar->maximum, static_cast<float>(rows - MenuShop::VisibleRows));
  for (int press = 0; press < 15; ++press) Tap(VirtualKey::S);
  EXPECT_EQ(shop->m_listCursor, 15u);
  EXPECT_EQ(shop->m_listTop, 3u);
  EXPECT_EQ(shop->m_scrollBar->value, 3.0f);
  EXPECT_EQ(shop->m_visibleItems.front(), shop->m_listItems[3]);
  ASSERT_TRUE(game.KeepFrame("shop-scrolled.png"));

  // Back to the main page, and sell the worn dagger: its slot empties.
  Tap(VirtualKey::I);
  ASSERT_EQ(shop->m_page, MenuShop::PageMain);
  Tap(VirtualKey::S);
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->m_page, MenuShop::PageSell);
  EXPECT_EQ(Names(shop->m_listItems), (std::vector<std::string>{"Bronze Dagger", "Iron Dagger"}));
  Tap(VirtualKey::D);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->m_listItems[0]->quantity, 1) << "no more than is held";
  ASSERT_TRUE(game.KeepFrame("shop-sell.png"));
  Tap(VirtualKey::J);
  Tap(VirtualKey::J);
  EXPECT_FLOAT_EQ(player->price, 260.0f + 60.0f);
  EXPECT_EQ(bronze->quantity, 0);
  EXPECT_EQ(player->equipped[0]->name, EmptyItemName);
  EXPECT_EQ(Names(shop->m_listItems), (std::vector<std::string>{"Iron Dagger"}));

  // Back leaves for play; the keeper says something new next time.
  ASSERT_EQ(forge->currentList, ConversationShape::ListInUse::Ordered);
  Tap(VirtualKey::Backspace);
  ASSERT_EQ(GameStates->current, world);
  EXPECT_EQ(forge->currentList, ConversationShape::ListInUse::Repeat);
  game.StepFrames(40);
  ASSERT_TRUE(game.KeepFrame("shop-left.png"));

  // The inventory holds the iron dagger and no bronze one.
  Tap(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, GameStates->menuPause);
  Tap(VirtualKey::P);
  std::vector<std::string> held;
  for (const Object* row : GameStates->menuPause->m_listRows) held.push_back(row->GetName());
  EXPECT_NE(std::find(held.begin(), held.end(), "Iron Dagger"), held.end());
  EXPECT_EQ(std::find(held.begin(), held.end(), "Bronze Dagger"), held.end());
  ASSERT_TRUE(game.KeepFrame("shop-pause-inventory.png"));
}
