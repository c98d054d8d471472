#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "triggers/ConversationShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "TriggerWorld.h"
#include "engine/Camera.h"
#include "engine/Font.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "platform/Image.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"

namespace {

using platform::Vector3;

constexpr float RegionRadius = 2.0f;

// A conversation of two ordered exchanges on a map shape at the origin.
class ConversationTest : public TriggerWorld {
 protected:
  void SetUp() override {
    TriggerWorld::SetUp();
    anchor.SetPositionXYZ(0.0f, 0.0f, 0.0f);
    conversation = Add(std::make_unique<ConversationShape>(&anchor, world));
    conversation->regionCircle->SetRadius(RegionRadius);
    conversation->AddOrderedConversation();
    conversation->AddOrderedLine(7, "Hello.");
    conversation->AddOrderedConversation();
    conversation->AddOrderedLine(7, "Again?");
    conversation->Update(0.0f);
  }

  GameState* Current() const { return GameStates->current; }

  Quad anchor;
  ConversationShape* conversation = nullptr;
};

TEST_F(ConversationTest, LinesGoToTheLastConversationAndSpeakersAreListedOnce) {
  ConversationShape lines(nullptr, world);
  lines.AddRepeatLine(3, "First");
  lines.AddRepeatLine(4, "Second");
  lines.AddOrderedLine(4, "Third");
  lines.AddOrderedConversation();
  lines.AddOrderedLine(3, "Fourth");
  ASSERT_EQ(lines.repeatConversations.size(), 1u);
  EXPECT_EQ(lines.repeatConversations[0].size(), 2u);
  ASSERT_EQ(lines.orderedConversations.size(), 2u);
  EXPECT_EQ(lines.orderedConversations[1][0].text, "Fourth");
  EXPECT_EQ(lines.speakerIds, (std::vector<int32_t>{3, 4}));

  const ConversationLine line = lines.GetLines();
  EXPECT_EQ(line.id, 4);
  EXPECT_EQ(line.text, "Third");
  EXPECT_EQ(lines.kind, ModifierShape::KindConversation);
}

TEST_F(ConversationTest, OrderedConversationsCycleWithoutRepeatOnes) {
  conversation->AddOrderedConversation();
  conversation->AddOrderedLine(8, "Third time.");
  std::vector<int32_t> seen;
  for (int i = 0; i < 6; ++i) {
    conversation->lineIndex = 1;
    conversation->NextConversation();
    EXPECT_EQ(conversation->lineIndex, 0);
    seen.push_back(conversation->conversationIndex);
  }
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(conversation->currentList, ConversationShape::ListInUse::Ordered);
}

TEST_F(ConversationTest, AfterTheOrderedOnesRepeatOnesAreTold) {
  conversation->AddRepeatLine(7, "Still here.");
  conversation->NextConversation();
  EXPECT_EQ(conversation->GetLines().text, "Again?");
  for (int i = 0; i < 4; ++i) {
    conversation->NextConversation();
    EXPECT_EQ(conversation->currentList, ConversationShape::ListInUse::Repeat);
    EXPECT_EQ(conversation->GetLines().text, "Still here.");
  }

  conversation->AddRepeatConversation();
  conversation->AddRepeatLine(7, "Nice weather.");
  std::srand(11);
  bool both[2] = {false, false};
  for (int i = 0; i < 40; ++i) {
    conversation->NextConversation();
    ASSERT_GE(conversation->conversationIndex, 0);
    ASSERT_LT(conversation->conversationIndex, 2);
    both[conversation->conversationIndex] = true;
  }
  EXPECT_TRUE(both[0] && both[1]);
}

TEST_F(ConversationTest, AnEmptyConversationReadsAsNoLineAndOpensNothing) {
  ConversationShape* empty = Add(std::make_unique<ConversationShape>(&anchor, world));
  empty->regionCircle->SetRadius(RegionRadius);
  empty->NextConversation();
  EXPECT_EQ(empty->conversationIndex, 0);
  const ConversationLine line = empty->GetLines();
  EXPECT_EQ(line.id, 0);
  EXPECT_TRUE(line.text.empty());
  EXPECT_EQ(line.speaker, nullptr);

  // Indices set outside the lists read as no line too.
  conversation->conversationIndex = 5;
  EXPECT_TRUE(conversation->GetLines().text.empty());
  conversation->conversationIndex = 0;
  conversation->lineIndex = -1;
  EXPECT_TRUE(conversation->GetLines().text.empty());

  GameState* before = Current();
  PressAction();
  empty->HandleInput(GameHarness::FrameSeconds);
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before);
  EXPECT_EQ(GameStates->menuDialog->conversation, nullptr);
}

TEST_F(ConversationTest, ActingOnTheGroundInsideOpensTheDialogue) {
  GameState* before = Current();
  PressAction(false);
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before) << "no key, no conversation";

  player->onGround = 0;
  PressAction();
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before) << "not in the air";

  player->onGround = 1;
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), GameStates->menuDialog);
  EXPECT_EQ(GameStates->previous, before);
  EXPECT_EQ(GameStates->menuDialog->conversation, conversation);
}

TEST_F(ConversationTest, TheReachIsStrict) {
  GameState* before = Current();
  PressAction();
  player->body->SetPositionXYZ(Walker::Extent + RegionRadius, 0.0f, 0.0f);
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before) << "exactly at the sum of the extents is outside";

  // The extent test alone decides: the body is still clear of the circle here.
  player->body->SetPositionXYZ(6.0f, 3.0f, 0.0f);
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), GameStates->menuDialog);
}

TEST_F(ConversationTest, TheRegionFollowsItsAnchorAndTheIndicatorStays) {
  EXPECT_EQ(conversation->indicator->position, (Vector3{0.0f, 2.5f, 0.0f}));
  anchor.SetPositionXYZ(10.0f, 3.0f, 0.0f);
  conversation->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(conversation->region->position, (Vector3{10.0f, 3.0f, 0.0f}));
  EXPECT_EQ(conversation->indicator->position, (Vector3{0.0f, 2.5f, 0.0f}))
      << "placed once, when built";
}

TEST_F(ConversationTest, WithoutPlayersNothingOpens) {
  RemovePlayers();
  GameState* before = Current();
  PressAction();
  conversation->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before);
  Device->BeginScene();
  SpriteRenderer->Begin();
  conversation->Draw();
  SpriteRenderer->End();
  Device->EndScene();
}

TEST_F(ConversationTest, AShopOpensTheDialogueWithACopyOfItsStock) {
  auto shop = std::make_unique<ShopShape>(&anchor, world);
  ShopShape* opened = Add(std::move(shop));
  opened->regionCircle->SetRadius(RegionRadius);
  opened->AddOrderedLine(9, "shop");
  ASSERT_FALSE(opened->stock->equipment.items.empty()) << "the stock holds the item catalogue";
  Item* offered = opened->stock->equipment.items.back();
  offered->onSale = 1;
  offered->quantity = 4;

  PressAction();
  opened->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(opened->kind, ModifierShape::KindShop);
  // The dialogue opened, and its first line took the game on to the shop.
  EXPECT_EQ(GameStates->previous, GameStates->menuDialog);
  EXPECT_EQ(GameStates->current, GameStates->menuShop);
  MenuShop& screen = *GameStates->menuShop;
  EXPECT_EQ(GameStates->menuDialog->conversation, opened);
  EXPECT_EQ(screen.GetConversation(), opened);
  ASSERT_NE(screen.GetStock(), nullptr);
  EXPECT_NE(screen.GetStock(), opened->stock.get());
  Item* copy = screen.GetStock()->FindByName(offered->name);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, offered);
  EXPECT_EQ(copy->onSale, 1);
  EXPECT_EQ(copy->quantity, 4);

  // A second opening refills the same store.
  const ItemStore* first = screen.GetStock();
  offered->quantity = 1;
  opened->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(screen.GetStock(), first);
  EXPECT_EQ(screen.GetStock()->FindByName(offered->name)->quantity, 1);
}

TEST_F(ConversationTest, ASavePointOpensTheSaveScreenAndThenStoresItself) {
  SaveShape* save = Add(std::make_unique<SaveShape>(world));
  save->regionCircle->SetRadius(RegionRadius);
  EXPECT_EQ(save->kind, ModifierShape::KindSave);

  // A set without a save screen opens nothing.
  MenuSave* screen = GameStates->menuSave;
  GameStates->menuSave = nullptr;
  GameState* before = Current();
  PressAction();
  save->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before);
  GameStates->menuSave = screen;

  player->onGround = 0;
  save->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), before);
  player->onGround = 1;
  save->HandleInput(GameHarness::FrameSeconds);
  EXPECT_EQ(Current(), screen);
  EXPECT_EQ(screen->savePoint, save);
}

// The indicator drawn over a speaker in the middle of the view, the action key's name on it.
TEST_F(ConversationTest, TheIndicatorShowsTheActionKey) {
  ASSERT_NE(conversation->atlas, nullptr);
  ASSERT_NE(conversation->font, nullptr);
  MainCamera->ResetLookAt();
  anchor.SetPositionXYZ(0.0f, -ConversationShape::IndicatorRise, 0.0f);
  ConversationShape* centred = Add(std::make_unique<ConversationShape>(&anchor, world));
  const Color4 fontColor = centred->font->GetColor();

  Device->Clear(0xFF507850);
  Device->BeginScene();
  SpriteRenderer->Begin();
  centred->Draw();
  SpriteRenderer->End();
  Device->EndScene();
  const std::filesystem::path frame = game.Folder() / "indicator.png";
  ASSERT_TRUE(game.SaveFrame(frame.string()));
  EXPECT_EQ(centred->font->GetColor(), fontColor) << "the shared font keeps its colour";
  EXPECT_FLOAT_EQ(centred->font->scaleX, 1.0f);

  const std::optional<platform::Image> image = platform::LoadImageFile(frame.string(), 0, 0, 0);
  ASSERT_TRUE(image);
  // The bubble is light round the centre of the screen, the key's name dark in its middle.
  int light = 0;
  int dark = 0;
  for (int y = 270; y < 330; ++y) {
    for (int x = 370; x < 430; ++x) {
      const uint32_t pixel = image->Pixel(x, y);
      const int green = (pixel >> 8) & 0xFF;
      const int blue = pixel & 0xFF;
      if (green > 200 && blue > 180) ++light;
      if (green < 80 && blue < 80) ++dark;
    }
  }
  EXPECT_GT(light, 400);
  EXPECT_GT(dark, 5);
  EXPECT_EQ((image->Pixel(300, 300) >> 8) & 0xFF, 0x78u) << "nothing drawn away from it";
}

}  // namespace
