#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "engine/draw/ScreenBox.h"
#include "items/ItemStore.h"
#include "menus/MenuController.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "menus/pause/MenuPause.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "triggers/ShopShape.h"
#include "world/CommandInterpreter.h"
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
  player->SetTokens(500.0f);
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
  GameStates->SwitchTo(shop);
  EXPECT_EQ(shop->GetConversation(), forge);
  game.Step();
  ASSERT_EQ(shop->GetPage(), MenuShop::PageMain);
  ASSERT_TRUE(game.KeepFrame("shop-main.png"));

  // Buy one of each of the forge's daggers.
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageBuy);
  EXPECT_EQ(Names(shop->GetListItems()),
            (std::vector<std::string>{"Bronze Dagger", "Iron Dagger"}));
  Tap(VirtualKey::D);
  Tap(VirtualKey::S);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->GetListItems()[0]->quantity, 1);
  EXPECT_EQ(shop->GetListItems()[1]->quantity, 1);
  EXPECT_FLOAT_EQ(shop->GetCartTotal(), 60.0f + 180.0f);
  ASSERT_TRUE(game.KeepFrame("shop-buy-cart.png"));
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->GetBuyStep(), MenuShop::StepConfirming);
  EXPECT_EQ(shop->GetConfirmSelection(), MenuShop::ConfirmAccept);
  ASSERT_TRUE(game.KeepFrame("shop-buy-confirm.png"));
  Tap(VirtualKey::J);
  EXPECT_FLOAT_EQ(player->Tokens(), 500.0f - 240.0f);
  EXPECT_EQ(bronze->quantity, 1);
  EXPECT_EQ(iron->quantity, ironHeld + 1);
  EXPECT_EQ(shop->GetBuyStep(), MenuShop::StepBrowsing);
  EXPECT_FLOAT_EQ(shop->GetCartTotal(), 0.0f);

  // Wearing the bronze dagger, the iron one compares better: the raise markers show.
  player->EquipSlot0ByName("Bronze Dagger");
  game.Step();
  ASSERT_TRUE(game.KeepFrame("shop-compare-worn.png"));
  const ItemPage& page = shop->GetItemPage();
  for (int k = 0; k < ItemPage::ComparedRowCount; ++k) {
    EXPECT_FALSE(Shows(*page.raiseMarkers[k], Greenish) || Shows(*page.dropMarkers[k], Reddish))
        << "the same dagger compares equal in row " << k;
  }
  Tap(VirtualKey::S);
  ASSERT_EQ(shop->GetListCursor(), 1u);
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
  ASSERT_EQ(shop->GetBuyTab(), MenuShop::ItemsTab);
  const size_t rows = shop->GetListItems().size();
  ASSERT_GT(rows, MenuShop::VisibleRows);
  EXPECT_EQ(shop->GetScrollBar().maximum, static_cast<float>(rows - MenuShop::VisibleRows));
  for (int press = 0; press < 15; ++press) Tap(VirtualKey::S);
  EXPECT_EQ(shop->GetListCursor(), 15u);
  EXPECT_EQ(shop->GetListTop(), 3u);
  EXPECT_EQ(shop->GetScrollBar().value, 3.0f);
  EXPECT_EQ(shop->GetVisibleItems().front(), shop->GetListItems()[3]);
  ASSERT_TRUE(game.KeepFrame("shop-scrolled.png"));
  // Back up, the highlight climbs to the window's first row; the next row up scrolls by one.
  for (int press = 0; press < 13; ++press) Tap(VirtualKey::W);
  EXPECT_EQ(shop->GetListCursor(), 2u);
  EXPECT_EQ(shop->GetListTop(), 2u);
  EXPECT_EQ(shop->GetScrollBar().value, 2.0f);
  EXPECT_EQ(shop->GetVisibleItems().front(), shop->GetListItems()[2]);

  // Back to the main page, and sell the worn dagger: its slot empties; the one cap worn stays.
  Item* cap = player->itemStore->FindByName("Leather Cap");
  ASSERT_NE(cap, nullptr);
  const auto capQuantity = cap->quantity;
  Item* const worn = player->equipped[1];
  cap->quantity = 1;
  player->equipped[1] = cap;
  Tap(VirtualKey::I);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageMain);
  Tap(VirtualKey::S);
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageSell);
  EXPECT_EQ(Names(shop->GetListItems()),
            (std::vector<std::string>{"Bronze Dagger", "Iron Dagger"}));
  Tap(VirtualKey::D);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->GetListItems()[0]->quantity, 1) << "no more than is held";
  ASSERT_TRUE(game.KeepFrame("shop-sell.png"));
  Tap(VirtualKey::J);
  Tap(VirtualKey::J);
  EXPECT_FLOAT_EQ(player->Tokens(), 260.0f + 60.0f);
  EXPECT_EQ(bronze->quantity, 0);
  EXPECT_EQ(player->equipped[0]->name, EmptyItemName);
  EXPECT_EQ(player->equipped[1], cap);
  cap->quantity = capQuantity;
  player->equipped[1] = worn;
  player->UnequipDepletedItems();
  EXPECT_EQ(Names(shop->GetListItems()), (std::vector<std::string>{"Iron Dagger"}));

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
  for (const Object* row : GameStates->menuPause->GetListRows()) held.push_back(row->GetName());
  EXPECT_NE(std::find(held.begin(), held.end(), "Iron Dagger"), held.end());
  EXPECT_EQ(std::find(held.begin(), held.end(), "Bronze Dagger"), held.end());
  ASSERT_TRUE(game.KeepFrame("shop-pause-inventory.png"));
}

// The keeper's map goes while the shop it opened keeps nothing of it: the console's "shop"
// opens the shop again, and leaving it touches no keeper (AddressSanitizer shows it).
TEST_F(ShopGame, LeavingTheShopAfterItsKeepersMapIsGoneTouchesNoKeeper) {
  ShopShape* forge = Shop(0);
  ASSERT_NE(forge, nullptr);
  player->body->SetPositionXYZ(forge->regionCircle->position.x, 1.3f, 0.0f);
  game.StepFrames(20);
  Tap(VirtualKey::J);
  ASSERT_EQ(GameStates->current, GameStates->menuDialog);
  Tap(VirtualKey::J);
  ASSERT_EQ(GameStates->current, shop) << "the keeper's second line";
  Tap(VirtualKey::Backspace);
  ASSERT_EQ(GameStates->current, world);
  EXPECT_EQ(forge->currentList, ConversationShape::ListInUse::Repeat) << "the keeper moved on";

  world->ClearLevel();
  world->LoadMap("Content\\Maps\\DemoNewGameMap.gmf");
  game.Step();
  ASSERT_EQ(ExecuteCommand("shop"), CommandDone);
  ASSERT_EQ(GameStates->current, shop);
  EXPECT_EQ(shop->GetConversation(), nullptr);
  Tap(VirtualKey::Backspace);
  EXPECT_EQ(GameStates->current, world);
}

// Marks, money and holdings at their limits, one trade of bronze daggers (60 tokens each) at a
// time, driven by the keys.
TEST_F(ShopGame, MarksStayWithinWhatThePlayerMayHoldAndAPurchaseWithinItsTokens) {
  struct Row {
    const char* what;
    MenuShop::Page page;
    int32_t held;
    float tokens;
    int presses;  // right when above 0, left when below
    int32_t marked;
    MenuShop::ConfirmButton opensOn;
    int32_t heldAfter;
    float tokensAfter;
  };
  const Row rows[] = {
      {"99 held: nothing more", MenuShop::PageBuy, 99, 1000.0f, 3, 0, MenuShop::ConfirmAccept, 99,
       1000.0f},
      {"97 held: two more", MenuShop::PageBuy, 97, 1000.0f, 5, 2, MenuShop::ConfirmAccept, 99,
       880.0f},
      {"never below none", MenuShop::PageBuy, 0, 1000.0f, -3, 0, MenuShop::ConfirmAccept, 0,
       1000.0f},
      {"not enough money", MenuShop::PageBuy, 0, 100.0f, 2, 2, MenuShop::ConfirmCancel, 0, 100.0f},
      {"just enough money", MenuShop::PageBuy, 0, 120.0f, 2, 2, MenuShop::ConfirmAccept, 2, 0.0f},
      {"more than 99 held", MenuShop::PageBuy, 100, 1000.0f, 1, -1, MenuShop::ConfirmAccept, 100,
       1000.0f},
      {"nothing to sell", MenuShop::PageSell, 0, 10.0f, 2, 0, MenuShop::ConfirmAccept, 0, 10.0f},
      {"no more than held", MenuShop::PageSell, 2, 10.0f, 5, 2, MenuShop::ConfirmAccept, 0, 130.0f},
  };
  ItemStore stock;
  stock.FindByName("Bronze Dagger")->onSale = 1;
  Item* dagger = player->itemStore->FindByName("Bronze Dagger");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    dagger->quantity = row.held;
    player->SetTokens(row.tokens);
    shop->SetStock(stock);
    GameStates->SwitchTo(shop);
    if (row.page == MenuShop::PageSell) Tap(VirtualKey::S);
    Tap(VirtualKey::J);
    ASSERT_EQ(shop->GetPage(), row.page);
    const bool listed = row.page == MenuShop::PageBuy || row.held > 0;
    ASSERT_EQ(shop->GetListItems().size(), listed ? 1u : 0u);
    for (int k = 0; k < std::abs(row.presses); ++k) {
      Tap(row.presses > 0 ? VirtualKey::D : VirtualKey::A);
    }
    if (listed) {
      EXPECT_EQ(shop->GetListItems()[0]->quantity, row.marked);
    }
    EXPECT_FLOAT_EQ(shop->GetCartTotal(), 60.0f * std::max(row.marked, 0));

    Tap(VirtualKey::J);
    ASSERT_EQ(shop->GetConfirmSelection(), row.opensOn);
    // Down picks Cancel; up goes back to Accept, but never to a purchase the tokens do not pay
    // for.
    Tap(VirtualKey::S);
    EXPECT_EQ(shop->GetConfirmSelection(), MenuShop::ConfirmCancel);
    Tap(VirtualKey::W);
    EXPECT_EQ(shop->GetConfirmSelection(), row.opensOn);
    if (row.opensOn == MenuShop::ConfirmCancel) game.KeepFrame("shop-unaffordable.png");
    Tap(VirtualKey::J);
    EXPECT_EQ(shop->GetPage(), row.page);
    EXPECT_EQ(dagger->quantity, row.heldAfter);
    EXPECT_FLOAT_EQ(player->Tokens(), row.tokensAfter);
    if (row.opensOn == MenuShop::ConfirmCancel) {
      EXPECT_EQ(shop->GetBuyStep(), MenuShop::StepBrowsing) << "the dialog closes";
      EXPECT_EQ(shop->GetListItems()[0]->quantity, row.marked) << "and the marks stay";
    }
    Tap(VirtualKey::Backspace);
    ASSERT_EQ(GameStates->current, world);
  }
}

// Where the shop's pieces stand, worked out by hand from the atlas cells and the offsets between
// them, and how the rows, the scroll bar and the tabs follow the length of a list.
TEST_F(ShopGame, ThePiecesStandWhereTheLayoutPutsThemAndFollowTheListsLength) {
  struct Place {
    const char* piece;
    const Shape* shape;
    platform::Vector3 at;
  };
  const Place places[] = {
      {"frame", &shop->GetWindow().frame, {400.0f, 300.0f, 0.0f}},
      {"footer right",
       shop->GetWindow().footers[MenuWindow::BackFooter].get(),
       {714.0f, 555.0f, 0.0f}},
      {"footer left",
       shop->GetWindow().footers[MenuWindow::SelectFooter].get(),
       {589.0f, 555.0f, 0.0f}},
      {"list panel", shop->GetWindow().content.get(), {400.0f, 332.0f, 0.0f}},
      {"tab hint left", shop->GetWindow().tabRowLeft.get(), {49.0f, 108.0f, 0.0f}},
      {"tab hint right", shop->GetWindow().tabRowRight.get(), {750.5f, 108.0f, 0.0f}},
      {"title", &shop->GetTitleSell(), {400.0f, 42.5f, 0.0f}},
      {"main page panel", &shop->GetPanelDescriptionShop(), {400.0f, 332.0f, 0.0f}},
      {"kind icon", shop->GetItemPage().kindIcons[4].get(), {716.0f, 178.5f, 0.0f}},
      {"details panel", &shop->GetItemPage().detailsPanel, {605.0f, 332.0f, 0.0f}},
      {"description panel", &shop->GetItemPage().descriptionPanel, {605.0f, 331.0f, 0.0f}},
      {"dialog", &shop->GetPanelConfirm(), {605.0f, 200.0f, 0.0f}},
  };
  for (const Place& place : places) {
    EXPECT_NEAR(place.shape->altPosition.x, place.at.x, 1e-3f) << place.piece;
    EXPECT_NEAR(place.shape->altPosition.y, place.at.y, 1e-3f) << place.piece;
  }
  EXPECT_EQ(ScreenBoxOf(shop->GetPanelDescriptionShop()).Height(), 376.0f);
  EXPECT_EQ(ScreenBoxOf(shop->GetPanelConfirm()).Height(), 111.0f);
  // Every piece of the two panels, in the order they are drawn, from the panel's centre piece.
  struct Pieces {
    const ShapeList* panel;
    size_t centre;
    std::vector<std::pair<float, float>> offsets;
  };
  const Pieces panels[] = {
      {&shop->GetPanelDescriptionShop(),
       0,
       {{0, 0}, {0, -26}, {0, -51}, {0, -77}, {0, -128}, {5, -183}, {-145, -183}, {0, 25}, {0, 51},
        {0, 76}, {0, 128}, {-5, 183}, {145, 183}}},
      {&shop->GetPanelConfirm(),
       2,
       {{-145, -51}, {5, -51}, {0, 0}, {-5, 50}, {145, 50}, {-145, -28}, {5, -28}, {0, -7}, {0, 11},
        {0, 29}, {-5, 50}, {145, 50}}},
  };
  for (const Pieces& pieces : panels) {
    const auto& members = pieces.panel->members;
    ASSERT_EQ(members.size(), pieces.offsets.size());
    const platform::Vector3 centre = members[pieces.centre]->altPosition;
    for (size_t k = 0; k < members.size(); ++k) {
      EXPECT_EQ(members[k]->altPosition.x - centre.x, pieces.offsets[k].first) << k;
      EXPECT_EQ(members[k]->altPosition.y - centre.y, pieces.offsets[k].second) << k;
    }
  }

  // Entering the shop puts the player's interface in the top band of the description panel.
  GameStates->SwitchTo(shop);
  EXPECT_NEAR(ScreenBoxOf(*player->hudFirstSprite).top,
              ScreenBoxOf(shop->GetItemPage().descriptionPanel).top + 2.0f, 1e-3f);

  struct Rows {
    int count;
    size_t members;
    float range;
  };
  // Header and filler besides at most 13 rows; the scroll range counts the rows that do not fit.
  for (const Rows& rows : {Rows{-3, 2, 0.0f}, Rows{0, 2, 0.0f}, Rows{13, 15, 0.0f},
                           Rows{14, 15, 1.0f}, Rows{40, 15, 27.0f}}) {
    shop->LayoutRows(rows.count);
    shop->ResetScrollBar(rows.count);
    EXPECT_EQ(shop->GetRows().group.members.size(), rows.members) << rows.count;
    EXPECT_EQ(shop->GetScrollBar().maximum, rows.range) << rows.count;
    const ScreenBox box = ScreenBoxOf(shop->GetRows().group);
    EXPECT_NEAR(box.top, ScreenBoxOf(*shop->GetWindow().content).top + 33.0f, 1e-3f) << rows.count;
    EXPECT_NEAR(shop->GetScrollBar().length, box.Height(), 1e-3f) << rows.count;
    EXPECT_NEAR(shop->GetScrollBar().position.x, shop->GetRows().group.altPosition.x - 196.0f,
                1e-3f);
  }

  // The open tab reaches 28 pixels left of its closed place; the tabs after it follow it.
  shop->OpenPage(MenuShop::PageBuy);
  for (int tab : {0, 3, MenuShop::ItemsTab}) {
    shop->OpenTab(tab);
    const ScreenBox open = ScreenBoxOf(shop->GetTabs().open);
    EXPECT_NEAR(open.left, 106.0f + 57.0f * tab - 28.0f, 1e-3f) << tab;
    EXPECT_EQ(shop->GetTabs().icons[tab]->altPosition.x, 106.0f + 57.0f * tab) << tab;
    if (tab < MenuShop::ItemsTab) {
      EXPECT_NEAR(shop->GetTabs().icons[tab + 1]->altPosition.x, open.right + 30.0f, 1e-3f) << tab;
    }
  }
}

// The list window, the cart and a shop without stock.
TEST_F(ShopGame, TheWindowNeverPassesTheListsEndAndTheCartCountsEachItemOnce) {
  GameStates->SwitchTo(shop);
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageBuy);
  EXPECT_TRUE(shop->GetListItems().empty()) << "opened without a stock: nothing on sale";
  Tap(VirtualKey::S);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->GetListCursor(), 0u);
  ASSERT_TRUE(game.KeepFrame("shop-empty.png"));

  // Twenty marked rows, none of which the player holds.
  std::vector<Item> marked(20);
  for (size_t k = 0; k < marked.size(); ++k) {
    marked[k].name = "Row " + std::to_string(k);
    marked[k].quantity = 1;
  }
  struct Window {
    size_t count;
    uint32_t top;
    uint32_t firstShown;
    size_t shown;
  };
  for (const Window& window : {Window{20, 0, 0, 13}, Window{20, 7, 7, 13}, Window{20, 30, 7, 13},
                               Window{5, 0, 0, 5}, Window{0, 3, 0, 0}}) {
    std::vector<Item*> rows;
    for (size_t k = 0; k < window.count; ++k) rows.push_back(&marked[k]);
    shop->FillList(rows, MenuShop::Listing::Chosen, false);
    shop->SetListTop(window.top);
    EXPECT_EQ(shop->GetListTop(), window.firstShown) << window.count << " from " << window.top;
    EXPECT_EQ(shop->GetVisibleItems().size(), window.shown)
        << window.count << " from " << window.top;
    EXPECT_EQ(shop->GetVisibleHeld().size(), window.shown);
  }

  // Equipment stands in its category list as well, yet counts once; fractions are kept.
  ItemStore stock;
  stock.ClearQuantities();
  stock.FindByName("Iron Sword")->quantity = 3;
  stock.FindByName("Iron Sword")->price = 10.0f;
  stock.FindByName("Bitter Leaf")->quantity = 2;
  stock.FindByName("Bitter Leaf")->price = 0.5f;
  stock.FindByName("Leather Cap")->quantity = 0;
  shop->SetStock(stock);
  shop->RebuildCart();
  EXPECT_EQ(shop->GetCart().size(), 2u);
  EXPECT_FLOAT_EQ(shop->GetCartTotal(), 31.0f);
  stock.FindByName("Iron Sword")->quantity = 1;
  stock.FindByName("Iron Sword")->price = 12.5f;
  stock.FindByName("Bitter Leaf")->quantity = 0;
  shop->SetStock(stock);
  shop->RebuildCart();
  EXPECT_FLOAT_EQ(shop->GetCartTotal(), 12.5f);

  // Back from the controller configuration the shop stays as it was left.
  shop->OpenPage(MenuShop::PageSell);
  GameStates->SwitchTo(GameStates->menuController);
  GameStates->SwitchTo(shop);
  EXPECT_EQ(shop->GetPage(), MenuShop::PageSell);
}

// The cart spans the tabs: the dialog lists each tab's marked items, cycling the tabs with it
// open; the marks stay until a page is entered again, and every way out leads back to play.
TEST_F(ShopGame, TheCartSpansTheTabsAndLastsUntilAPageIsEnteredAgain) {
  ItemStore stock;
  for (const char* name : {"Bronze Dagger", "Iron Dagger", "Iron Sword", "Bitter Leaf"}) {
    stock.FindByName(name)->onSale = 1;
  }
  shop->SetStock(stock);
  player->SetTokens(1000.0f);
  GameStates->SwitchTo(shop);
  Tap(VirtualKey::J);
  Tap(VirtualKey::S);
  Tap(VirtualKey::D);
  Tap(VirtualKey::P);
  ASSERT_EQ(shop->GetBuyTab(), 1);
  Tap(VirtualKey::D);
  Tap(VirtualKey::D);
  EXPECT_EQ(shop->GetCart().size(), 2u);

  struct Row {
    int key;
    int32_t step;
    int32_t tab;
    std::vector<std::string> listed;
  };
  const Row rows[] = {
      {VirtualKey::J, MenuShop::StepConfirming, 1, {"Iron Sword"}},
      {VirtualKey::O, MenuShop::StepConfirming, 0, {"Iron Dagger"}},
      {VirtualKey::O, MenuShop::StepConfirming, MenuShop::ItemsTab, {}},
      {VirtualKey::P, MenuShop::StepConfirming, 0, {"Iron Dagger"}},
      {VirtualKey::I, MenuShop::StepBrowsing, 0, {"Bronze Dagger", "Iron Dagger"}},
      {VirtualKey::O, MenuShop::StepBrowsing, MenuShop::ItemsTab, {"Bitter Leaf"}},
      {VirtualKey::P, MenuShop::StepBrowsing, 0, {"Bronze Dagger", "Iron Dagger"}},
  };
  for (const Row& row : rows) {
    Tap(row.key);
    EXPECT_EQ(shop->GetBuyStep(), row.step) << row.key;
    EXPECT_EQ(shop->GetBuyTab(), row.tab) << row.key;
    EXPECT_EQ(Names(shop->GetListItems()), row.listed) << row.key;
    EXPECT_FLOAT_EQ(shop->GetCartTotal(), 180.0f + 2 * stock.FindByName("Iron Sword")->price);
  }
  // Cancel goes back to the main page with the marks; entering the sell page clears them.
  Tap(VirtualKey::I);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageMain);
  EXPECT_EQ(shop->GetCart().size(), 2u);
  Tap(VirtualKey::S);
  Tap(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageSell);
  EXPECT_TRUE(shop->GetCart().empty());

  // Out by EXIT, reached up from BUY or down from BUY and SELL (up from SELL goes back to BUY),
  // by cancel on the main page and by back on a page.
  struct Way {
    std::vector<int> keys;
  };
  for (const Way& way : {Way{{VirtualKey::W, VirtualKey::J}},
                         Way{{VirtualKey::S, VirtualKey::S, VirtualKey::J}},
                         Way{{VirtualKey::S, VirtualKey::W, VirtualKey::W, VirtualKey::J}},
                         Way{{VirtualKey::I}}, Way{{VirtualKey::J, VirtualKey::Backspace}}}) {
    GameStates->SwitchTo(shop);
    for (int key : way.keys) Tap(key);
    EXPECT_EQ(GameStates->current, world) << way.keys.front();
  }
}
