#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "collision/Boundary.h"
#include "app/Application.h"
#include "app/ConnectFloors.h"
#include "enemies/EnemyResources.h"
#include "engine/Globals.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "npcs/NPC.h"
#include "support/GameHarness.h"
#include "support/TestWorld.h"
#include "triggers/ConversationShape.h"
#include "triggers/Hazard.h"
#include "triggers/Portal.h"
#include "triggers/PushShape.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "triggers/TutorialImage.h"
#include "world/CompanionFile.h"
#include "world/MapReader.h"
#include "world/MapWriter.h"
#include "world/World.h"

using platform::Vector3;

namespace {

constexpr const char* Sections =
    "*Resources \n*Enemies \n*NPCs \n*Boundaries \n*Textured_Primitives \n*Modifiers \n";

// The example map as the format describes it: one NPC, a boundary, a textured quad and a
// conversation held by the NPC.
constexpr const char* ExampleMap =
    "0 0 1000 -400 -1000 3000 255 40 60 90 53 30 0 m s 0 0 0\n"
    "*Resources \n"
    "rock Content\\Textures\\Tiles\\rock.png 256 256\n"
    "*Enemies \n"
    "*NPCs \n"
    "4 301 120 -40 l\n"
    "*Boundaries \n"
    "q 60 0 0 0 1 101 0 120 0 200 0 255 0 0 0 0 0 0 0 0 -50 0 0 400 40 1 1 1 1 1 1 1 1\n"
    "*Textured_Primitives \n"
    "q 102 rock 256 256 0 0 255 255 255 255 255 0 0 0 -1 0 0 0 0 -50 0 0 400 40\n"
    "*Modifiers \n"
    "c 80 s n 301\n1\n2\n301 Welcome, traveller.\n301 The road east is closed.\n0\n";

// The header and empty sections around the given section texts.
std::string MapWith(const std::string& boundaries, const std::string& primitives,
                    const std::string& modifiers,
                    const std::string& header = "0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0") {
  return header + "\n*Resources \nrock rock.png 64 32\n*Enemies \n*NPCs \n*Boundaries \n" +
         boundaries + "*Textured_Primitives \n" + primitives + "*Modifiers \n" + modifiers;
}

// An enemy class whose map line after the kind is "x y facing".
class LineEnemy : public TestFigure<Enemy> {
 public:
  explicit LineEnemy(Playfield* owner) : TestFigure<Enemy>(owner, "LineEnemy") {}
  std::unique_ptr<Enemy> CreateAt(Playfield* owner, float x, float y, float, uint8_t) override {
    auto enemy = std::make_unique<LineEnemy>(owner);
    enemy->enemyKind = enemyKind;
    enemy->PlaceAt(x, y);
    return enemy;
  }
  std::unique_ptr<Enemy> ReadRecord(std::istream& in, Playfield* owner,
                                    std::unique_ptr<EnemyAnimationPool>) override {
    float x = 0.0f, y = 0.0f;
    char facingLetter = 0;
    if (!(in >> x >> y >> facingLetter)) return nullptr;
    auto enemy = CreateAt(owner, x, y, 0.0f, 0);
    enemy->facing = facingLetter == 'l' ? -1 : 1;
    return enemy;
  }
  void StepPhysics(float) override {}
  void WriteRecord(std::ostream& out) override {
    out << enemyKind << ' ' << bodyQuad.position.x << ' ' << bodyQuad.position.y << ' '
        << (facing == -1 ? 'l' : 'r') << '\n';
    if (failsToWrite) out.setstate(std::ios::failbit);
  }

  bool failsToWrite = false;
};

class MapFileTest : public ::testing::Test {
 protected:
  MapFileTest() {
    ConnectFloors();
    PrepareContentFolder(folder_.Path());
    working_ = std::make_unique<WorkingFolder>(folder_.Path());
    world_ = std::make_unique<World>(nullptr, nullptr);
  }
  ~MapFileTest() override {
    world_.reset();
    working_.reset();
    ResetGlobals();
  }

  // Reads the text into the world and writes the world back.
  std::string Reload(const std::string& text, bool wholeRead = true) {
    std::istringstream in(text);
    EXPECT_EQ(ReadMap(*world_, in), wholeRead);
    std::string written;
    EXPECT_TRUE(BuildMapText(*world_, written));
    return written;
  }

  template <typename T>
  T* Modifier(size_t index) {
    return index < world_->modifiers.size() ? dynamic_cast<T*>(world_->modifiers[index].get())
                                            : nullptr;
  }

  TempFolder folder_;
  std::unique_ptr<WorkingFolder> working_;
  std::unique_ptr<World> world_;
};

}  // namespace

TEST_F(MapFileTest, TheExampleMapIsReadFieldByFieldAndWrittenInTheSameLayout) {
  const std::string written = Reload(ExampleMap);

  EXPECT_EQ(world_->cameraLimits.top, 1000.0f);
  EXPECT_EQ(world_->cameraLimits.left, -400.0f);
  EXPECT_EQ(world_->cameraLimits.bottom, -1000.0f);
  EXPECT_EQ(world_->cameraLimits.right, 3000.0f);
  EXPECT_EQ(ClearColor, (Color4{255, 40, 60, 90}));
  EXPECT_EQ(world_->gravity, 53.0f);
  EXPECT_EQ(world_->headerFloat, 30.0f);
  EXPECT_EQ(world_->cameraMode, 'm');
  EXPECT_EQ(world_->deathMode, World::DeathModeScreen);
  ASSERT_EQ(world_->resources.size(), 1u);
  EXPECT_EQ(world_->resources[0]->name, L"rock");
  EXPECT_EQ(world_->resources[0]->path, "Content\\Textures\\Tiles\\rock.png");
  EXPECT_EQ(world_->resources[0]->width, 256u);
  ASSERT_EQ(world_->npcs.size(), 1u);
  const NPC* hazel = world_->npcs[0].get();
  EXPECT_EQ(hazel->name, "Hazel");
  EXPECT_EQ(hazel->body->position, (Vector3{120.0f, -40.0f, 0.0f}));
  EXPECT_EQ(hazel->facing, -1);

  ASSERT_EQ(world_->boundaries.size(), 1u);
  auto* floor = dynamic_cast<BoundingQuad*>(world_->boundaries[0].get());
  ASSERT_NE(floor, nullptr);
  EXPECT_EQ(floor->mapValue1, 60.0f);
  EXPECT_EQ(floor->wallFlag, 1);
  EXPECT_EQ(floor->partialEdges, 0);
  EXPECT_EQ(floor->GetColor(), (Color4{120, 0, 200, 0}));
  EXPECT_EQ(floor->position, (Vector3{0.0f, -50.0f, 0.0f}));
  EXPECT_EQ(floor->width, 400.0f);
  EXPECT_EQ(floor->height, 40.0f);
  EXPECT_EQ(floor->GetName().rfind("Boundary Quad ", 0), 0u);

  ASSERT_EQ(world_->shapeLayers.size(), 1u);
  const auto& [layer, entry] = *world_->shapeLayers.begin();
  EXPECT_EQ(layer, -1);
  EXPECT_EQ(entry.item->texture, world_->resources[0].get());
  EXPECT_EQ(entry.item->sourceRect.right, 256);
  EXPECT_EQ(entry.item->sourceRect.left, 0);

  auto* conversation = Modifier<ConversationShape>(0);
  ASSERT_NE(conversation, nullptr);
  EXPECT_EQ(conversation->regionCircle->radius, 80.0f);
  EXPECT_EQ(conversation->stationary, 1);
  EXPECT_EQ(conversation->anchor, hazel->body);
  EXPECT_EQ(conversation->npc, hazel);
  EXPECT_EQ(conversation->regionCircle->position, hazel->body->position);
  ASSERT_EQ(conversation->orderedConversations.size(), 1u);
  EXPECT_EQ(conversation->orderedConversations[0][1].text, "The road east is closed.");
  EXPECT_EQ(conversation->orderedConversations[0][1].speaker, hazel);
  EXPECT_EQ(conversation->Participants(), std::vector<NPC*>{world_->npcs[0].get()});
  EXPECT_TRUE(conversation->repeatConversations.empty());

  // Numbered anew, the NPC first.
  EXPECT_EQ(written,
            "0 0 1000 -400 -1000 3000 255 40 60 90 53 30 0 m s 0 0 0\n"
            "*Resources \n"
            "rock Content\\Textures\\Tiles\\rock.png 256 256\n"
            "*Enemies \n*NPCs \n4 1 120 -40 l\n*Boundaries \n"
            "q 60 0 0 0 1 2 0 120 0 200 0 255 0 0 0 0 0 0 0 0 -50 0 0 400 40 1 1 1 1 1 1 1 1\n"
            "*Textured_Primitives \n"
            "q 3 rock 256 256 0 0 255 255 255 255 255 0 0 0 -1 0 0 0 0 -50 0 0 400 40\n"
            "*Modifiers \n"
            "c 80 s n 1\n1\n2\n1 Welcome, traveller.\n1 The road east is closed.\n0\n");
}

TEST_F(MapFileTest, TheDefaultMapIsReadFieldByFieldAndComesBackWithItsOwnBytes) {
  ASSERT_TRUE(WriteDefaultMap());
  std::stringstream text;
  text << std::ifstream("Content/Maps/DefaultMap.gmf", std::ios::binary).rdbuf();
  const std::string written = Reload(text.str());

  ASSERT_EQ(world_->boundaries.size(), 1u);
  const auto* floor = dynamic_cast<const BoundingQuad*>(world_->boundaries[0].get());
  ASSERT_NE(floor, nullptr);
  EXPECT_EQ(floor->id, 1) << "numbered by the save";
  EXPECT_EQ(floor->position, (Vector3{1.01993f, -2.6018f, 0.0f}));
  EXPECT_EQ(floor->width, 3.62179f);
  EXPECT_EQ(floor->height, 3.31665f);
  EXPECT_EQ(floor->GetColor(), (Color4{120, 0, 200, 0}));
  EXPECT_EQ(floor->GetColor2(), (Color4{255, 0, 0, 0}));
  EXPECT_EQ(floor->edgeFlags, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(ClearColor, (Color4{42, 82, 101, 115}));

  std::string expected = text.str();
  expected.replace(expected.find("221764120"), 9, "1");
  EXPECT_EQ(written, expected);
}

TEST_F(MapFileTest, HeaderLettersColoursShapeBlocksAndFlagsReadAsTheFormatSays) {
  const std::string written = Reload(MapWith(
      // Edge flag 0 (left) set, the up and right sides on; a colour of 300 wraps to 44.
      "q 60 0 0 0 1 5 0 300 0 0 0 255 0 0 0 0 0 0 0 3 4 0 0 2 2 0 1 0 0 1 0 0 1\n"
      "c 60 0 1 0 0 6 0 255 9 9 9 255 0 0 0 0 0 0 1 7 8 0 45 1.5\n",
      // A sprite whose texture is missing loses it and its rectangle; a textured circle on
      // layer 5 comes out before the sprite on layer -3.
      "s 7 nothere 10 20 0 0 255 255 255 255 255 0 0 0 -3 1 0 0 1 2 0 0 2 3\n"
      "c 8 rock 64 32 0 0 255 255 255 255 255 0 0 0 5 0 1 0 4 5 6 0 2.5\n",
      "", "0 0 1 -1 -1 1 255 1 2 3 53 30 0 s 10 20 -30 D 4 5 6"));

  EXPECT_EQ(world_->cameraMode, 's');
  EXPECT_EQ(world_->stationaryEye, (Vector3{10.0f, 20.0f, -30.0f}));
  EXPECT_EQ(world_->deathMode, World::DeathModeRespawn);
  EXPECT_EQ(world_->spawnPoint, (Vector3{4.0f, 5.0f, 6.0f}));
  auto* wall = dynamic_cast<BoundingQuad*>(world_->boundaries.at(0).get());
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->GetColor().a, 44);
  EXPECT_EQ(wall->edgeFlags, (std::array<uint8_t, 4>{1, 0, 0, 0}));
  EXPECT_EQ(wall->partialEdges, 1) << "a cleared edge raises it";
  EXPECT_EQ(wall->sideVectors[1], (Vector3{0.0f, 1.0f, 0.0f})) << "up";
  EXPECT_EQ(wall->sideVectors[0], (Vector3{1.0f, 0.0f, 0.0f})) << "right";
  EXPECT_EQ(wall->sideVectors[2], Vector3{});
  auto* ring = dynamic_cast<BoundingCircle*>(world_->boundaries.at(1).get());
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(ring->rotation, 45.0f);
  EXPECT_EQ(ring->outlineVisible, 1) << "the edit flag";
  EXPECT_EQ(ring->footPointPushOut, 1);

  EXPECT_EQ(written,
            "0 0 1 -1 -1 1 255 1 2 3 53 30 0 s 10 20 -30 d 4 5 6\n"
            "*Resources \nrock rock.png 64 32\n*Enemies \n*NPCs \n*Boundaries \n"
            "q 60 0 0 1 1 1 0 44 0 0 0 255 0 0 0 0 0 0 0 3 4 0 0 2 2 0 1 0 0 1 0 0 1\n"
            "c 60 0 1 0 0 2 0 255 9 9 9 255 0 0 0 0 0 0 1 7 8 0 45 1.5\n"
            "*Textured_Primitives \n"
            "c 3 rock 64 32 0 0 255 255 255 255 255 0 0 0 5 0 1 0 4 5 6 0 2.5\n"
            "s 4 0 0 0 0 0 255 255 255 255 255 0 0 0 -3 1 0 0 1 2 0 0 2 3\n"
            "*Modifiers \n");
}

// The editor lists what a map holds by these names, counted per kind in the order they are read;
// a boundary of a kind the format does not know is skipped and the load goes on.
TEST_F(MapFileTest, ReadShapesAreNamedPerKindInLoadOrderAndUnknownBoundariesAreSkipped) {
  const std::string floor =
      "q 60 0 0 0 1 1 0 1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 1 1 1\n";
  const std::string ring = "c 60 0 1 0 0 6 0 255 9 9 9 255 0 0 0 0 0 0 1 7 8 0 45 1.5\n";
  const auto textured = [](char letter, int layer) {
    return std::string(1, letter) + " 8 rock 64 32 0 0 255 255 255 255 255 0 0 0 " +
           std::to_string(layer) + " 0 1 0 4 5 6 0 2 3\n";
  };
  Reload(MapWith(floor + "x 60 0 0 0 1 1 0 1 1\n" + ring + floor + "s 60 0\n" + ring,
                 textured('q', 1) + textured('c', 2) + textured('s', 3) + textured('x', 4) +
                     textured('c', 5) + textured('q', 6),
                 "h 0 1\n"));

  std::vector<std::string> boundaries;
  for (const auto& boundary : world_->boundaries) boundaries.push_back(boundary->GetName());
  EXPECT_EQ(boundaries, (std::vector<std::string>{"Boundary Quad 1", "Boundary Circle 1",
                                                  "Boundary Quad 2", "Boundary Circle 2"}));
  std::vector<std::string> shapes;
  for (const auto& [layer, entry] : world_->shapeLayers) shapes.push_back(entry.item->GetName());
  EXPECT_EQ(shapes, (std::vector<std::string>{"Texture Quad 1", "Texture Circle 1",
                                              "Texture Circle 2", "Texture Quad 2"}));
  std::vector<std::string> sprites;
  for (const auto& [layer, entry] : world_->spriteLayers) {
    if (entry.owned) sprites.push_back(entry.item->GetName());
  }
  EXPECT_EQ(sprites, (std::vector<std::string>{"Texture Sprite 1"}));
  EXPECT_EQ(world_->modifiers.size(), 1u) << "the load went on past the unknown records";
}

// A fixed eye at or in front of the near plane shows nothing (and at 0 divides by zero), one
// beyond the far plane shows nothing either: the header's eye is kept within the editor's zoom
// limits, z in [-995, -6].
TEST_F(MapFileTest, TheHeadersFixedEyeIsKeptWithinTheZoomLimits) {
  const std::pair<const char*, float> eyes[] = {
      {"0", -6.0f},    {"7", -6.0f},      {"-5.9", -6.0f},   {"-6", -6.0f},
      {"-30", -30.0f}, {"-995", -995.0f}, {"-2000", -995.0f}};
  for (const auto& [z, kept] : eyes) {
    SCOPED_TRACE(z);
    Reload(MapWith("", "", "",
                   std::string("0 0 1 -1 -1 1 255 1 2 3 53 30 0 s 10 20 ") + z + " d 0 0 0"));
    EXPECT_EQ(world_->stationaryEye, (Vector3{10.0f, 20.0f, kept}));
  }
}

TEST_F(MapFileTest, ModifiersKeepTheirFieldsAnchorsAndTextsAndShopsAreWrittenLast) {
  const std::string modifiers =
      "h 0 7\n"
      "s 3 m p 1\n1\n2\n0 Welcome.\n0 shop\n0\nd 1 95\nk 0 12.5\nh 99 4\nr 1 0\n"
      "c 4 s p 2\n1\n1\n0 Read the sign, and mind the gap.\n1\n1\n0 Still here.\n"
      "h q 9 0 255 0 0 0 255 0 0 0 0 0 0 0 1 2 0 0 3 4 12.5\n"
      "i 0 2\n"
      "v 2.5 0 5 6 7 8\n"
      "x whatever comes here\n"
      "t c 10 0 100 0 0 100 255 0 0 0 0 0 0 0 0 0 0 0 1 Content\\Maps\\DemoHubMap.gmf -3 4\n"
      "p 0 1.5 -2\n"
      "m 0 1 1 2 -20\n";
  const std::string written = Reload(
      MapWith("q 60 0 0 0 1 1 0 1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 1 1 1\n",
              "q 2 rock 64 32 0 0 255 255 255 255 255 0 0 0 0 0 0 0 9 9 0 0 1 1\n", modifiers));

  ASSERT_EQ(world_->modifiers.size(), 9u) << "the unknown letter is skipped";
  EXPECT_EQ(Modifier<Hazard>(0)->region, nullptr);
  auto* shop = Modifier<ShopShape>(1);
  ASSERT_NE(shop, nullptr);
  EXPECT_EQ(shop->anchor, world_->boundaries[0].get());
  EXPECT_EQ(shop->regionCircle->position, world_->boundaries[0]->position);
  EXPECT_EQ(shop->stationary, 0);
  EXPECT_EQ(shop->stock->equipment.daggers.at(1)->onSale, 1);
  EXPECT_EQ(shop->stock->equipment.daggers.at(1)->price, 95.0f);
  EXPECT_EQ(shop->stock->keyItems.items.at(0)->price, 12.5f) << "a price may have a fraction";
  EXPECT_EQ(shop->stock->equipment.headgear.size(), 5u) << "index 99 is ignored";
  auto* sign = Modifier<ConversationShape>(2);
  ASSERT_NE(sign, nullptr);
  EXPECT_EQ(sign->anchor, world_->shapeLayers.begin()->second.item);
  EXPECT_EQ(sign->orderedConversations[0][0].text, "Read the sign, and mind the gap.");
  EXPECT_EQ(sign->repeatConversations[0][0].text, "Still here.");
  EXPECT_EQ(Modifier<Hazard>(3)->damage, 12.5f);
  EXPECT_EQ(Modifier<TutorialImage>(4)->image, world_->shapeLayers.begin()->second.item);
  EXPECT_EQ(Modifier<TutorialImage>(4)->region, nullptr);
  auto* savePoint = Modifier<SaveShape>(5);
  ASSERT_NE(savePoint, nullptr);
  EXPECT_EQ(savePoint->region->position, (Vector3{5.0f, 6.0f, 0.0f}));
  EXPECT_EQ(savePoint->position, (Vector3{7.0f, 8.0f, 0.0f}));
  ASSERT_NE(Modifier<PushShape>(7), nullptr);
  EXPECT_EQ(Modifier<PushShape>(7)->push, (Vector3{1.5f, -2.0f, 0.0f}));

  const std::string writtenModifiers = written.substr(written.find("*Modifiers \n"));
  EXPECT_EQ(writtenModifiers,
            "*Modifiers \n"
            "h 0 7\n"
            "c 4 s p 2\n1\n1\n0 Read the sign, and mind the gap.\n1\n1\n0 Still here.\n"
            "h q 3 0 255 0 0 0 255 0 0 0 0 0 0 0 1 2 0 0 3 4 12.5\n"
            "i 0 2\n"
            "v 2.5 0 5 6 7 8\n"
            "t c 4 0 100 0 0 100 255 0 0 0 0 0 0 0 0 0 0 0 1 Content\\Maps\\DemoHubMap.gmf -3 4\n"
            "p 0 1.5 -2\n"
            "m 0 1 1 2 -20\n"
            "s 3 m p 1\n1\n2\n0 Welcome.\n0 shop\n0\nd 1 95\nr 1 0\nk 0 12.5\n");
}

// A portal made while the world had no map name has no target: it is written so that it and the
// triggers after it read back.
// A modifier without a shape after a shop, as a map may be written by hand: "h 0 25" cannot be
// the headgear placeholder on sale, so it ends the stock as the hazard it is; the first
// expendable has no placeholder, and "i 0 4" stays its stock line.
TEST_F(MapFileTest, AShapelessModifierAfterAShopEndsItsStock) {
  const std::string written = Reload(
      MapWith("", "", "s 3 m 0 0\n1\n1\n0 shop\n0\nd 1 95\ni 0 4\nh 0 25\nd 0 -20\nb 1 7\n"));
  ASSERT_EQ(world_->modifiers.size(), 3u);
  const ShopShape* shop = Modifier<ShopShape>(0);
  ASSERT_NE(shop, nullptr);
  EXPECT_EQ(shop->stock->equipment.daggers.at(1)->price, 95.0f);
  EXPECT_EQ(shop->stock->expendables.items.at(0)->price, 4.0f);
  EXPECT_EQ(shop->stock->equipment.headgear.at(0)->onSale, 0);
  EXPECT_EQ(shop->stock->equipment.boots.at(1)->onSale, 0) << "the stock has ended";
  ASSERT_NE(Modifier<Hazard>(1), nullptr);
  EXPECT_EQ(Modifier<Hazard>(1)->damage, 25.0f);
  EXPECT_EQ(written.substr(written.find("*Modifiers \n")),
            "*Modifiers \nh 0 25\nd 0 -20\ns 3 m 0 0\n1\n1\n0 shop\n0\nd 1 95\ni 0 4\n");
}

// A hand-written stock line naming an equipment list's placeholder puts nothing on sale: the
// placeholder is shared by every list, and written back it would end the stock early.
TEST_F(MapFileTest, AStockLineNamingAPlaceholderIsSkippedAndTheMapReadsBackWhole) {
  const std::string shop = "s 3 m 0 0\n1\n1\n0 shop\n0\nd 1 95\na 0 220\nl 0 70\ni 0 4\n";
  const std::string written = Reload(MapWith("", "", shop + "p 0 1.5 -2\n"));
  const ShopShape* read = Modifier<ShopShape>(0);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->stock->equipment.armor.at(0)->onSale, 0);
  EXPECT_EQ(read->stock->equipment.daggers.at(1)->price, 95.0f);
  EXPECT_EQ(read->stock->expendables.items.at(0)->price, 4.0f) << "the stock goes on after it";
  ASSERT_NE(Modifier<PushShape>(1), nullptr);
  EXPECT_EQ(written.substr(written.find("*Modifiers \n")),
            "*Modifiers \np 0 1.5 -2\ns 3 m 0 0\n1\n1\n0 shop\n0\nd 1 95\ni 0 4\n");
  // Even put on sale, the placeholder is never written.
  Modifier<ShopShape>(0)->stock->equipment.armor.at(0)->onSale = 1;
  std::string onSale;
  ASSERT_TRUE(BuildMapText(*world_, onSale));
  EXPECT_EQ(onSale, written);
  world_ = std::make_unique<World>(nullptr, nullptr);
  EXPECT_EQ(Reload(written), written);
}

// A save point anchored on a shape keeps its own place: the region is not moved onto the
// shape, the save position is as written, and the anchor is written back.
TEST_F(MapFileTest, ASavePointAnchoredOnAShapeKeepsItsPlaceAndWritesItsAnchorBack) {
  const std::string written = Reload(MapWith(
      "", "q 2 rock 64 32 0 0 255 255 255 255 255 0 0 0 0 0 0 0 9 9 0 0 1 1\n", "v 2.5 p 2 7 8\n"));
  auto* savePoint = Modifier<SaveShape>(0);
  ASSERT_NE(savePoint, nullptr);
  savePoint->Update(GameHarness::FrameSeconds);
  EXPECT_EQ(savePoint->region->position, Vector3{});
  EXPECT_EQ(savePoint->position, (Vector3{7.0f, 8.0f, 0.0f}));
  EXPECT_EQ(written.substr(written.find("*Modifiers \n")), "*Modifiers \nv 2.5 p 1 7 8\n");
}

TEST_F(MapFileTest, APortalWithoutTargetAndTheTriggersAfterItComeBack) {
  world_->AddModifier(
      std::make_unique<Portal>(world_.get(), nullptr, std::string(), Vector3{-3.0f, 4.0f, 0.0f}));
  world_->AddModifier(std::make_unique<Hazard>(world_.get(), nullptr, 7.0f));
  std::string first;
  ASSERT_TRUE(BuildMapText(*world_, first));
  world_->modifiers.clear();
  const std::string second = Reload(first);
  EXPECT_EQ(second, first);
  ASSERT_EQ(world_->modifiers.size(), 2u);
  ASSERT_NE(Modifier<Portal>(0), nullptr);
  EXPECT_EQ(Modifier<Portal>(0)->targetMap, "");
  EXPECT_EQ(Modifier<Portal>(0)->targetPosition, (Vector3{-3.0f, 4.0f, 0.0f}));
  ASSERT_NE(Modifier<Hazard>(1), nullptr);
  EXPECT_EQ(Modifier<Hazard>(1)->damage, 7.0f);
}

TEST_F(MapFileTest, AFailedRecordIsDroppedAndEndsTheLoadKeepingWhatCameBefore) {
  struct Case {
    const char* name;
    std::string boundaries;
    size_t kept;
  };
  const std::string floor =
      "q 60 0 0 0 1 1 0 1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 1 1 1\n";
  const Case cases[] = {
      {"a number that does not parse", floor + "q 60 0 0 0 1 2 0 x\n" + floor, 1},
      {"a record cut short", floor + "c 60 0 0 0 1 2 0 1 1\n", 1},
      {"a quad cut inside its edge flags",
       floor + "q 60 0 0 0 1 1 0 1 1 1 1 1 1 1 1 0 0 0 0 0 0 0 0 1 1 1 1 1 1\n", 1},
      {"an id beyond 32 bits", "q 60 0 0 0 1 99999999999 0\n" + floor, 0},
  };
  for (const Case& test : cases) {
    world_->boundaries.clear();
    std::istringstream in(MapWith(test.boundaries, "", "h 0 1\n"));
    EXPECT_FALSE(ReadMap(*world_, in)) << test.name;
    EXPECT_EQ(world_->boundaries.size(), test.kept) << test.name;
    EXPECT_TRUE(world_->modifiers.empty()) << test.name << ": later sections are not read";
  }
  std::istringstream blank("\n \n");
  EXPECT_FALSE(ReadMap(*world_, blank)) << "no header";
  // A header that breaks off keeps what it read and ends the load.
  std::istringstream header("0 0 7 -1 x\n*Resources \n*Enemies \n*NPCs \n*Boundaries \n" + floor);
  EXPECT_FALSE(ReadMap(*world_, header));
  EXPECT_EQ(world_->cameraLimits.top, 7.0f);
  // Counts that promise more than the file holds end with the file.
  world_->modifiers.clear();
  std::istringstream endless(MapWith("", "", "c 1 s 0 0\n2000000000\n2000000000\n0 a\n"));
  EXPECT_FALSE(ReadMap(*world_, endless));
  EXPECT_TRUE(world_->modifiers.empty());
  // So do modifier records cut short anywhere, and the records after them are not read.
  for (const char* cut : {"v 2.5 0 5 6 7\n", "v 2.5 0 5\n", "v 2.5 n\n", "v 2.5 p 2\n", "p 0 1.5\n",
                          "t 0 Content\\Maps\\DemoHubMap.gmf -3\n", "h 0\n"}) {
    world_->modifiers.clear();
    std::istringstream in(MapWith("", "", std::string(cut) + "h 0 1\n"));
    EXPECT_FALSE(ReadMap(*world_, in)) << cut;
    EXPECT_TRUE(world_->modifiers.empty()) << cut;
  }
  // So do an NPC line cut short and an enemy line whose kind is no number.
  for (const char* cut : {"*NPCs \n9 4 12.5 3\n", "*Enemies \nx 1 2 r\n"}) {
    world_->modifiers.clear();
    std::istringstream in(std::string("0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n") + cut +
                          "*Modifiers \nh 0 1\n");
    EXPECT_FALSE(ReadMap(*world_, in)) << cut;
    EXPECT_TRUE(world_->modifiers.empty()) << cut;
  }
  // A textured shape cut inside its common fields or before either of its size fields fails the
  // same way.
  const std::string block = " 8 rock 64 32 0 0 255 255 255 255 255 0 0 0 5 0 1 0 4 5 6 0";
  const std::string quad = "q" + block + " 2 3\n";
  for (const std::string& cut : {"q" + block, "q" + block + " 2", "c" + block, "s" + block,
                                 "s" + block + " 2", std::string("q 8 rock 64 32 0 0 255"),
                                 std::string("s 8 rock")}) {
    world_->shapeLayers.Clear();
    world_->modifiers.clear();
    std::istringstream in(MapWith("", quad + cut + "\n" + quad, "h 0 1\n"));
    EXPECT_FALSE(ReadMap(*world_, in)) << cut;
    EXPECT_EQ(world_->shapeLayers.size(), 1u) << cut;
    EXPECT_TRUE(world_->modifiers.empty()) << cut;
  }
}

TEST_F(MapFileTest, EnemyLinesGoThroughTheCatalogueAndUnknownKindsAreSkipped) {
  EnemyKindTable kinds = UnbuiltEnemyKinds();
  kinds[3].makePool = [](const TextureGroup& textures) {
    return std::make_unique<TestEnemyPool>(textures);
  };
  kinds[3].makePrototype = [](Playfield* owner, const TextureGroup&) {
    auto prototype = std::make_unique<LineEnemy>(owner);
    prototype->enemyKind = 3;
    return prototype;
  };
  const std::string map =
      "0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n*Resources \n*Enemies \n"
      "3 4.5 -2 l\n9 1 2 r\n5 1 2 r\n3 7 8 r\n*NPCs \n19 4 1 2 l\n-1 5 1 2 r\n"
      "*Boundaries \n*Textured_Primitives \n*Modifiers \n";

  // With no kind registered every enemy line makes nothing, and the next record reads whole.
  EXPECT_EQ(Reload(map), std::string("0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n") + Sections);
  world_->enemyResources->Load(world_.get(), kinds);
  const std::string written = Reload(map);
  ASSERT_EQ(world_->enemies.size(), 2u);
  EXPECT_EQ(world_->enemies[0]->facing, -1);
  EXPECT_EQ(world_->enemies[1]->body->position, (Vector3{7.0f, 8.0f, 0.0f}));
  auto picture =
      world_->spriteLayers.FindEntry(&static_cast<LineEnemy&>(*world_->enemies[0]).picture);
  ASSERT_NE(picture, world_->spriteLayers.end());
  EXPECT_EQ(picture->second.owned, nullptr) << "the enemy's own, not the map's";
  EXPECT_NE(written.find("*Enemies \n3 4.5 -2 l\n3 7 8 r\n*NPCs \n*Boundaries"), std::string::npos);
  // An enemy line that fails makes the whole map fail.
  static_cast<LineEnemy&>(*world_->enemies[1]).failsToWrite = true;
  std::string failed;
  EXPECT_FALSE(BuildMapText(*world_, failed));
}

TEST_F(MapFileTest, NpcLinesPlaceThePoolsCharactersWhomSpeakersAndAnchorsName) {
  const std::string map =
      "0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n*Resources \n*Enemies \n*NPCs \n"
      "9 4 12.5 3 l\n19 5 1 2 r\n-1 6 1 2 r\n18 7 -2 0 x\n"
      "*Boundaries \n*Textured_Primitives \n*Modifiers \n"
      "c 2 m n 4\n1\n3\n4 Hello.\n7 Hi.\n4 Bye.\n1\n1\n99 Who said that?\n"
      "c 2 m n 99\n1\n1\n5 Nobody.\n0\n"
      "v 1 n 7 3 4\n";
  const std::string written = Reload(map);

  ASSERT_EQ(world_->npcs.size(), 2u) << "kinds 19 and -1 place nobody";
  NPC* miche = world_->npcs[0].get();
  NPC* veruliya = world_->npcs[1].get();
  EXPECT_EQ(miche->name, "Miche");
  EXPECT_EQ(miche->body->position, (Vector3{12.5f, 3.0f, 0.0f}));
  EXPECT_EQ(miche->facing, -1);
  EXPECT_EQ(veruliya->name, "Veruliya");
  EXPECT_EQ(veruliya->facing, 1) << "any letter but l faces right";
  for (const NPC* npc : {miche, veruliya}) {
    EXPECT_NE(std::find(world_->actors.begin(), world_->actors.end(), npc), world_->actors.end());
    auto picture = world_->spriteLayers.FindEntry(dynamic_cast<Sprite*>(npc->sprite));
    ASSERT_NE(picture, world_->spriteLayers.end());
    EXPECT_EQ(picture->second.owned, nullptr) << "the character's own, not the map's";
  }

  auto* talk = Modifier<ConversationShape>(0);
  ASSERT_NE(talk, nullptr);
  EXPECT_EQ(talk->anchor, miche->body);
  const Conversation& lines = talk->orderedConversations[0];
  EXPECT_EQ(lines[0].speaker, miche);
  EXPECT_EQ(lines[1].speaker, veruliya);
  EXPECT_EQ(talk->repeatConversations[0][0].speaker, nullptr);
  EXPECT_EQ(talk->Participants(), (std::vector<NPC*>{miche, veruliya}));
  auto* stray = Modifier<ConversationShape>(1);
  ASSERT_NE(stray, nullptr);
  EXPECT_EQ(stray->anchor, nullptr) << "an anchor naming nobody makes no anchor";
  EXPECT_EQ(stray->npc, nullptr);
  EXPECT_TRUE(stray->Participants().empty());
  EXPECT_EQ(Modifier<SaveShape>(2)->npc, veruliya);

  EXPECT_EQ(written.substr(written.find("*NPCs")),
            "*NPCs \n9 1 12.5 3 l\n18 2 -2 0 r\n*Boundaries \n*Textured_Primitives \n"
            "*Modifiers \n"
            "c 2 m n 1\n1\n3\n1 Hello.\n2 Hi.\n1 Bye.\n1\n1\n0 Who said that?\n"
            "c 2 m 0 0\n1\n1\n0 Nobody.\n0\n"
            "v 1 n 2 3 4\n");
}

TEST_F(MapFileTest, TexturesOfThePreviousMapAreReusedByPathOrReleased) {
  auto load = [this](const std::string& resources) {
    std::istringstream in("0 0 1 -1 -1 1 255 1 2 3 53 30 0 m s 0 0 0\n*Resources \n" + resources +
                          "*Enemies \n");
    return ReadMap(*world_, in);
  };
  ASSERT_TRUE(load("a a.png 8 8\nb b.png 8 8\n"));
  Texture* kept = world_->resources[1].get();
  ASSERT_TRUE(load("e e.png 8 8\nc b.png 16 4\n"));
  ASSERT_EQ(world_->resources.size(), 2u) << "a.png is released";
  EXPECT_EQ(world_->resources[1].get(), kept) << "in the order of the file";
  EXPECT_EQ(kept->name, L"c");
  EXPECT_EQ(kept->width, 16u);
  EXPECT_FALSE(load("d d.png 8\n")) << "a record cut short";
  EXPECT_EQ(world_->resources.size(), 2u) << "the previous textures stay";
  // A side of 0 takes the picture's own; a negative side or one past 32 bits fails.
  const std::pair<const char*, bool> sizes[] = {
      {"0 0", true},   {"2147483647 2147483647", true}, {"-1 8", false},
      {"8 -1", false}, {"2147483648 8", false},         {"8 2147483648", false},
  };
  for (const auto& [size, reads] : sizes) {
    EXPECT_EQ(load(std::string("z z.png ") + size + "\n"), reads) << size;
  }
}

TEST(CompanionFile, OneLinePerElementInPageOrder) {
  PrimitiveList pages(3);
  Texture rock("Content\\Textures\\Tiles\\rock.png", L"rock", 64, 64);
  pages[0].emplace_back();
  pages[0].back().m_templateQuad->SetTexture(&rock);
  pages[0].back().m_templateQuad->SetRect(1, 2, 33, 34);
  pages[0].back().m_flipX = 1;
  pages[0].back().m_color = {255, 10, 20, 30};
  pages[0].emplace_back();
  pages[2].emplace_back();
  pages[2].back().m_rotation = 0.1f;
  pages[2].back().m_layer = -4;
  EXPECT_EQ(CompanionFileText(pages),
            "Content\\Textures\\Tiles\\rock.png 1 2 33 34 1 0 0 1 1 0 255 10 20 30\n"
            "0 0 0 0 0 0 0 0 1 1 0 0 0 0 0\n"
            "0 0 0 0 0 0 0 0.1 1 1 -4 0 0 0 0\n");

  TempFolder folder;
  WorkingFolder working(folder.Path());
  std::filesystem::create_directories("Content/Maps");
  EXPECT_TRUE(SaveMefFile(pages, "[TEMP]"));
  EXPECT_TRUE(std::filesystem::exists("Content/Maps/[TEMP].mef"));
  EXPECT_FALSE(SaveMefFile(pages, "no/such/folder"));
}
