#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "collision/Boundary.h"
#include "collision/Collide.h"
#include "enemies/DemoEnemy.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoWall.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "enemies/Ratatoskr.h"
#include "engine/BarMeter.h"
#include "engine/Camera.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/Texture.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Sprite.h"
#include "items/ItemListCodes.h"
#include "items/ItemStore.h"
#include "menus/MenuShop.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "player/PlayerStateSlots.h"
#include "support/GameHarness.h"
#include "support/MapTriggers.h"
#include "triggers/ConversationShape.h"
#include "triggers/Portal.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "world/CommandInterpreter.h"
#include "world/MapReader.h"
#include "world/MapWriter.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

const char* const ShippedMaps[] = {"DemoNewGameMap", "DemoHubMap", "DemoVersusMap", "DemoWildsMap"};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string StoredPath(const std::string& name) { return "Content\\Maps\\" + name + ".gmf"; }

// The map's text without its enemies, which move, fight and stand in a walker's way.
std::string WithoutEnemies(const std::string& map) {
  std::istringstream in(map);
  std::string land;
  bool enemies = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("*NPCs", 0) == 0) enemies = false;
    if (!enemies) land += line + '\n';
    if (line.rfind("*Enemies", 0) == 0) enemies = true;
  }
  return land;
}

float Feet(const Enemy& enemy) { return enemy.body->position.y - enemy.body->height / 2; }

// The box a shape covers.
struct Box {
  float left, right, bottom, top;
  bool Holds(float x, float y, float margin) const {
    return x > left - margin && x < right + margin && y > bottom - margin && y < top + margin;
  }
  // How far apart the two boxes stand; not above 0 where they overlap.
  float GapTo(const Box& other) const {
    return std::max(
        {other.left - right, left - other.right, other.bottom - top, bottom - other.top});
  }
};

Box BoxOf(const Shape& shape) {
  return Box{shape.GetLeftmostPoint().x, shape.GetRightmostPoint().x, shape.GetBottommostPoint().y,
             shape.GetTopmostPoint().y};
}

// The strike key also talks, trades and saves, and a gate takes whoever steps in.
bool StrikeKeyActsIn(const ModifierShape& trigger) {
  return dynamic_cast<const ConversationShape*>(&trigger) ||
         dynamic_cast<const SaveShape*>(&trigger) || dynamic_cast<const Portal*>(&trigger);
}

// How far the body stays out of the trigger's reach, measured as the trigger measures it: a gate
// takes a body that overlaps it, the strike key acts within both extents of the centre.
float GapTo(const ModifierShape& trigger, const Shape& body) {
  const Shape& region = *trigger.region;
  if (dynamic_cast<const Portal*>(&trigger)) return BoxOf(body).GapTo(BoxOf(region));
  const float between =
      std::hypot(body.position.x - region.position.x, body.position.y - region.position.y);
  return between - body.extent - region.extent;
}

// The least such gap to the world's triggers that pass the filter.
float GapToTriggers(const World& world, const Shape& body, bool (*counts)(const ModifierShape&)) {
  float gap = std::numeric_limits<float>::max();
  for (const auto& modifier : world.modifiers) {
    if (counts(*modifier)) gap = std::min(gap, GapTo(*modifier, body));
  }
  return gap;
}

bool IsGate(const ModifierShape& trigger) { return dynamic_cast<const Portal*>(&trigger); }

// The boundary that holds a walker going that way back at the point, if any.
const BoundingQuad* FaceAt(const World& world, float x, float y, float way) {
  const int side = way > 0 ? BoundingQuad::EdgeLeft : BoundingQuad::EdgeRight;
  for (const auto& boundary : world.boundaries) {
    const auto* quad = dynamic_cast<const BoundingQuad*>(boundary.get());
    if (quad && (!quad->partialEdges || quad->edgeFlags[side]) &&
        quad->ContainsPoint({x, y, 0.0f})) {
      return quad;
    }
  }
  return nullptr;
}

// The game booted headless; every map loads into its world on a cleared level.
class ShippedMapsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game_.Started());
    world_ = GameStates->world;
  }

  void Load(const std::string& name) {
    world_->ClearLevel();
    world_->LoadMap(StoredPath(name));
  }

  // The map's land alone, as the map in play.
  void LoadLand(const std::string& name) {
    world_->ClearLevel();
    std::istringstream in(
        WithoutEnemies(ReadFile(fs::path(QM_CONTENT_DIR) / "Maps" / (name + ".gmf"))));
    ASSERT_TRUE(ReadMap(*world_, in)) << name;
    world_->mapName = StoredPath(name);
    if (GameStates->current != world_) GameStates->SwitchTo(world_);
  }

  // The map in play, loaded when it is not, with the first player still at the point.
  void Place(const std::string& name, float x, float y) {
    if (world_->GetMapName() != StoredPath(name)) Load(name);
    Player* player = world_->GetFirstPlayer();
    player->body->SetPositionXYZ(x, y, 0.0f);
    player->body->SetVelocity(0.0f, 0.0f, 0.0f);
    if (GameStates->current != world_) GameStates->SwitchTo(world_);
  }

  // Shows the map in play with the first player standing at the point: the world fades in
  // and its camera comes to rest on the player.
  void Show(const std::string& name, float x, float y) {
    Place(name, x, y);
    game_.StepFrames(60);
  }

  // Where the first player's body stands on each walkable top of the map in play, every so far
  // along it, within the camera's view and clear of every boundary: a list for each top.
  std::vector<std::vector<platform::Vector3>> PlacesOnTops() const {
    constexpr float Apart = 1.5f;
    // Set down this high above the top, to settle on it.
    constexpr float Drop = 0.05f;
    const CameraLimits& limits = world_->cameraLimits;
    const BoundingQuad& body = *world_->GetFirstPlayer()->body;
    std::vector<std::vector<platform::Vector3>> places;
    for (const auto& boundary : world_->boundaries) {
      const auto* top = dynamic_cast<const BoundingQuad*>(boundary.get());
      if (!top || (top->partialEdges && !top->edgeFlags[BoundingQuad::EdgeTop])) continue;
      const platform::Vector3 left = top->GetTopLeft();
      const platform::Vector3 right = top->GetTopRight();
      const float slope = (right.y - left.y) / (right.x - left.x);
      // Steeper than 45 degrees, a sunk corner is pushed out sideways, not up.
      if (right.x <= left.x || std::fabs(slope) >= 1.0f) continue;
      BoundingQuad standing(body);
      std::vector<platform::Vector3> onTop;
      for (float x = left.x + body.width / 2; x <= right.x - body.width / 2; x += Apart) {
        const float feet = left.y + (x - left.x) * slope + std::fabs(slope) * body.width / 2;
        standing.SetPositionXYZ(x, feet + Drop + body.height / 2, 0.0f);
        const bool seen = x > limits.left && x < limits.right && feet < limits.top;
        if (seen && std::none_of(world_->boundaries.begin(), world_->boundaries.end(),
                                 [&](const auto& other) {
                                   const auto* quad = dynamic_cast<const Quad*>(other.get());
                                   return quad && QuadsOverlap(standing, *quad);
                                 })) {
          onTop.push_back(standing.position);
        }
      }
      if (!onTop.empty()) places.push_back(onTop);
    }
    return places;
  }

  // One frame of play, undrawn, with only these keys down.
  void Play(const std::vector<int>& keys) {
    game_.Platform().ReleaseAllKeys();
    for (int key : keys) game_.PressKey(key);
    game_.StepUndrawn();
  }

  // The closest that a chased enemy, and the player as he strikes, come to the reach of a
  // trigger where the strike key acts.
  struct Closest {
    float enemy = std::numeric_limits<float>::max();
    float player = std::numeric_limits<float>::max();
  };

  // A minute of a player who starts on the side of the map's enemy, walks at it and strikes
  // whenever it is within his reach. Its health is kept whole, as a player who keeps missing
  // it would keep it, so that it flees again and again for the whole minute.
  Closest Chase(const std::string& name, size_t index, float side) {
    constexpr float StartApart = 5.0f;
    // Dropped from this high, the player lands on whatever stands at the start.
    constexpr float StartDrop = 1.0f;
    constexpr int ChaseFrames = 60 * 60;
    // The ground strike reaches this far in front of the player's centre, to the near side of
    // the enemy's body.
    constexpr float StrikeReach = 2.9f;
    constexpr int FramesBetweenStrikes = 6;
    Load(name);
    Enemy& enemy = *world_->enemies.at(index);
    Player& player = *world_->GetFirstPlayer();
    Place(name, enemy.body->position.x + side * StartApart,
          Feet(enemy) + player.body->height / 2 + StartDrop);
    Closest closest;
    // A screen the strike key opened ends the chase.
    for (int frame = 0; frame < ChaseFrames && GameStates->current == world_; ++frame) {
      const float dx = enemy.body->position.x - player.body->position.x;
      const bool facing = (dx > 0) == (player.facing > 0);
      const bool strike = facing && std::fabs(dx) <= StrikeReach + enemy.body->width / 2 &&
                          frame % FramesBetweenStrikes == 0;
      if (strike) {
        Play({VirtualKey::J});
      } else {
        Play({dx > 0 ? VirtualKey::D : VirtualKey::A});
      }
      enemy.healthMeter->value = enemy.healthMeter->maximum;
      closest.enemy = std::min(closest.enemy, GapToTriggers(*world_, *enemy.body, StrikeKeyActsIn));
      if (strike) {
        closest.player =
            std::min(closest.player, GapToTriggers(*world_, *player.body, StrikeKeyActsIn));
      }
    }
    if (GameStates->current != world_) {
      // Out of the screen the strike key opened, before its map is cleared.
      GameStates->SwitchTo(world_);
      player.SwitchState(SlotIdling);
    }
    return closest;
  }

  GameHarness game_;
  World* world_ = nullptr;
};

}  // namespace

TEST_F(ShippedMapsTest, EveryMapLoadsWholeAndIsSavedBackByteForByte) {
  for (const char* name : ShippedMaps) {
    const std::string original =
        ReadFile(fs::path(QM_CONTENT_DIR) / "Maps" / (std::string(name) + ".gmf"));
    world_->ClearLevel();
    std::istringstream in(original);
    EXPECT_TRUE(ReadMap(*world_, in)) << name << ": a record was dropped";
    world_->mapName = StoredPath(name);

    const std::string copy = std::string(name) + "Copy";
    ASSERT_TRUE(world_->SaveMap(copy)) << name;
    EXPECT_EQ(ReadFile(game_.Folder() / "Content" / "Maps" / (copy + ".gmf")), original) << name;
  }
}

TEST_F(ShippedMapsTest, TheDemoMapsHoldWhatTheirPlacesNeed) {
  Load("DemoNewGameMap");
  ASSERT_FALSE(world_->modifiers.empty());
  auto* opening = dynamic_cast<ConversationShape*>(world_->modifiers.front().get());
  ASSERT_NE(opening, nullptr) << "a new game opens with the first modifier's conversation";
  const platform::Vector3 spawn = world_->spawnPoint;
  EXPECT_TRUE(opening->regionCircle->ContainsPoint(spawn)) << "it reaches the spawn point";
  EXPECT_GE(opening->orderedConversations.at(0).size(), 5u);
  // It names the guard key as the default, and sends the draught's tokens to the forge's gear.
  std::string said;
  for (const ConversationLine& line : opening->orderedConversations.at(0)) said += line.text;
  for (const char* words : {"Hold P (by default)", "the gear at the forge"}) {
    EXPECT_NE(said.find(words), std::string::npos) << words;
  }

  Load("DemoHubMap");
  EXPECT_EQ(world_->GetMapName(), StoredPath("DemoHubMap"));
  // Between them the shops sell from every list, at prices of their own.
  std::string listsOnSale;
  for (const auto& modifier : world_->modifiers) {
    auto* shop = dynamic_cast<ShopShape*>(modifier.get());
    if (!shop) continue;
    for (char code : ItemListCodes) {
      for (const Item* item : ItemsOfList(*shop->stock, code)) {
        if (!item->onSale) continue;
        EXPECT_GT(item->price, 0.0f) << item->name;
        if (listsOnSale.find(code) == std::string::npos) listsOnSale += code;
      }
    }
  }
  EXPECT_EQ(listsOnSale.size(), ItemListCodes.size()) << listsOnSale;
  EXPECT_EQ(dynamic_cast<ShopShape*>(world_->modifiers.back().get()) != nullptr, true)
      << "shops come last";

  Load("DemoWildsMap");
  // A conversation goes the same way whatever the player did on the map, so Tessa's words say
  // nothing of her sparring partner's match, which the player may have walked past.
  int tessasLines = 0;
  for (const auto& modifier : world_->modifiers) {
    const auto* talk = dynamic_cast<const ConversationShape*>(modifier.get());
    if (!talk || !talk->npc || talk->npc->name != "Tessa") continue;
    for (const auto* conversations : {&talk->orderedConversations, &talk->repeatConversations}) {
      for (const Conversation& conversation : *conversations) {
        for (const ConversationLine& line : conversation) {
          ++tessasLines;
          EXPECT_EQ(line.text.find("partner"), std::string::npos) << line.text;
        }
      }
    }
  }
  EXPECT_GT(tessasLines, 0);

  Load("DemoVersusMap");
  EXPECT_EQ(world_->deathMode, World::DeathModeRespawn);
  EXPECT_LT(world_->cameraLimits.right, 100.0f);
}

// A map's conversations start again whenever it loads, so every gift is handed out again and
// again. It never lowers what the player holds: no shop sells its item and every line that gives
// it gives as many. It is never turned into tokens twice: no shop pays for it, but for the gift
// of the opening, which a player hears once, in a room he leaves for good; it pays for a weapon.
TEST_F(ShippedMapsTest, NoGiftLowersWhatThePlayerHoldsOrIsPaidForTwice) {
  constexpr float CheapestWeapon = 60.0f;
  std::vector<std::unique_ptr<ItemStore>> stocks;
  for (const char* name : ShippedMaps) {
    Load(name);
    for (const auto& modifier : world_->modifiers) {
      if (auto* stall = dynamic_cast<ShopShape*>(modifier.get())) {
        stocks.push_back(ItemStore::CopyOf(*stall->stock));
      }
    }
  }
  MenuShop& shop = *GameStates->menuShop;
  // The most a shop's sell page offers for the item, which the player holds.
  const auto mostPaid = [&](const ItemStore& stock, const std::string& item) {
    float most = 0.0f;
    shop.SetStock(stock);
    GameStates->SwitchTo(&shop);
    shop.OpenPage(MenuShop::PageSell);
    for (int tab = 0; tab < MenuShop::TabCount; ++tab) {
      shop.OpenTab(tab);
      for (const Item* row : shop.GetListItems()) {
        if (row->name == item) most = std::max(most, row->price);
      }
    }
    GameStates->SwitchTo(world_);
    return most;
  };
  std::map<std::string, int32_t> given;
  const ItemStore& held = *world_->GetFirstPlayer()->itemStore;
  for (const char* name : ShippedMaps) {
    Load(name);
    // Each line, and whether the opening's ordered words hold it.
    std::vector<std::pair<std::string, bool>> lines;
    for (const auto& modifier : world_->modifiers) {
      const auto* talk = dynamic_cast<const ConversationShape*>(modifier.get());
      if (!talk) continue;
      const bool opening =
          modifier == world_->modifiers.front() && std::string(name) == "DemoNewGameMap";
      for (const auto* list : {&talk->orderedConversations, &talk->repeatConversations}) {
        for (const Conversation& conversation : *list) {
          for (const ConversationLine& line : conversation) {
            lines.emplace_back(line.text, opening && list == &talk->orderedConversations);
          }
        }
      }
    }
    for (const auto& [line, opening] : lines) {
      if (line.rfind("set item", 0) != 0) continue;
      // What the line leaves held by a player who held nothing.
      ASSERT_EQ(ExecuteCommand("set item all 0"), CommandDone);
      ASSERT_EQ(ExecuteCommand(line), CommandDone) << line;
      for (const Item* gift : held.GetAllItems()) {
        if (gift->quantity == 0) continue;
        const std::string where = std::string(name) + ", " + line + ": " + gift->name;
        EXPECT_EQ(given.emplace(gift->name, gift->quantity).first->second, gift->quantity)
            << where << " is given in other numbers";
        float paid = 0.0f;
        for (const auto& stock : stocks) {
          EXPECT_FALSE(stock->FindByName(gift->name)->onSale) << where << " is sold";
          paid = std::max(paid, mostPaid(*stock, gift->name) * static_cast<float>(gift->quantity));
        }
        EXPECT_EQ(paid > 0.0f, opening) << where << " is bought for " << paid;
        EXPECT_GE(paid, opening ? CheapestWeapon : 0.0f) << where;
      }
    }
  }
  EXPECT_FALSE(given.empty());
}

// Placed on the ground it stands on, every enemy keeps to it through minutes of wandering, and
// a DemoGoblin there still turns to a player who stands close behind it.
TEST_F(ShippedMapsTest, EveryEnemyKindIsPlacedOnGroundItKeeps) {
  constexpr int SettlingFrames = 120;
  constexpr int WanderingFrames = 3 * 60 * 60;
  constexpr unsigned WanderingSeed = 45;
  constexpr float CloseBehind = 3.4f;
  constexpr int ReactionFrames = 60;
  constexpr float SameGround = 0.01f;
  std::vector<int> placed(static_cast<size_t>(EnemyKindCount()));
  for (const char* name : ShippedMaps) {
    Load(name);
    Show(name, world_->spawnPoint.x, world_->spawnPoint.y);
    game_.StepFrames(SettlingFrames);
    // Where each stands: its feet and its x.
    std::vector<std::pair<float, float>> places;
    for (const auto& enemy : world_->enemies) {
      ASSERT_GE(enemy->enemyKind, 0);
      ASSERT_LT(enemy->enemyKind, EnemyKindCount());
      ++placed[static_cast<size_t>(enemy->enemyKind)];
      // None of the kinds flies: each stands on a boundary of the map.
      EXPECT_NE(enemy->groundContact, nullptr) << name << ": " << enemy->name;
      EXPECT_GT(enemy->body->position.y, world_->cameraLimits.bottom)
          << name << ": " << enemy->name;
      places.emplace_back(Feet(*enemy), enemy->body->position.x);
    }
    if (places.empty()) continue;
    // The world alone, undrawn, for speed.
    std::srand(WanderingSeed);
    for (int frame = 0; frame < WanderingFrames; ++frame) world_->Update(GameHarness::FrameSeconds);
    for (size_t i = 0; i < places.size(); ++i) {
      Enemy& enemy = *world_->enemies[i];
      EXPECT_TRUE(enemy.groundContact && std::fabs(Feet(enemy) - places[i].first) < SameGround)
          << name << ": " << enemy.name << " at " << enemy.body->position.x;
      if (enemy.enemyKind != DemoGoblin::Kind) continue;
      // Facing away from where it was placed, with the player behind it on that side.
      const float side = enemy.body->position.x < places[i].second ? 1.0f : -1.0f;
      enemy.facing = side > 0.0f ? -1 : 1;
      Player* player = world_->GetFirstPlayer();
      player->body->SetPositionXYZ(enemy.body->position.x + side * CloseBehind,
                                   Feet(enemy) + player->body->height / 2, 0.0f);
      player->body->SetVelocity(0.0f, 0.0f, 0.0f);
      for (int frame = 0; frame < ReactionFrames && enemy.facing != side; ++frame) game_.Step();
      EXPECT_EQ(enemy.facing, side) << name << ": " << enemy.name << " at "
                                    << enemy.body->position.x << " turns to the player behind it";
    }
  }
  for (int kind = 0; kind < EnemyKindCount(); ++kind) {
    EXPECT_GT(placed[static_cast<size_t>(kind)], 0) << "kind " << kind;
  }
}

// Every enemy is fought clear of the triggers where the strike key acts; a Ratatoskr, which flees
// the player again and again, wherever a minute's chase from either side takes it.
TEST_F(ShippedMapsTest, NoEnemyIsFoughtWhereTheStrikeKeyTalksSavesOrTravels) {
  // Around an enemy, the player's strike and the knock-backs of the fight.
  constexpr float FightWidth = 5.0f;
  constexpr float FightHeight = 4.0f;
  std::vector<std::pair<std::string, size_t>> ratatoskrs;
  for (const char* name : ShippedMaps) {
    Load(name);
    for (size_t i = 0; i < world_->enemies.size(); ++i) {
      const Enemy& enemy = *world_->enemies[i];
      if (enemy.enemyKind == Ratatoskr::Kind) {
        ratatoskrs.emplace_back(name, i);
        continue;
      }
      const platform::Vector3 home = enemy.body->position;
      for (const auto& modifier : world_->modifiers) {
        if (!StrikeKeyActsIn(*modifier)) continue;
        const Shape& region = *modifier->region;
        EXPECT_TRUE(std::fabs(region.position.x - home.x) >= FightWidth + region.extent ||
                    std::fabs(region.position.y - home.y) >= FightHeight + region.extent)
            << name << ": the " << enemy.name << " at " << home.x << " is fought within reach of "
            << "the trigger of kind " << modifier->kind << " at " << region.position.x;
      }
    }
  }
  for (const auto& [name, index] : ratatoskrs) {
    for (const float side : {-1.0f, 1.0f}) {
      const Closest closest = Chase(name, index, side);
      const std::string chase = name + ", enemy " + std::to_string(index) +
                                (side < 0 ? ", from the west" : ", from the east");
      RecordProperty(chase + " enemy", std::to_string(closest.enemy));
      RecordProperty(chase + " player", std::to_string(closest.player));
      EXPECT_GT(closest.enemy, 0.0f) << chase << ": the Ratatoskr is chased into reach";
      EXPECT_GT(closest.player, 0.0f) << chase << ": the player strikes within reach";
    }
  }
}

// A player who comes through a gate and keeps walking the way he came walks for a second (a
// second's walk at top speed) without reaching another gate. He comes from a second's walk off
// the gate, on either side where the map has ground to walk or jump into it from.
TEST_F(ShippedMapsTest, WalkingOnFromAGateReachesNoOtherGateForASecond) {
  constexpr int SecondFrames = 60;
  constexpr int ApproachFrames = 3 * SecondFrames;
  // A walk stopped this long jumps, the jump key held this long.
  constexpr int StoppedFrames = 5;
  constexpr int JumpFrames = 25;
  // A gate moves the player farther in a frame than a step; after it he stands within a step of
  // its target.
  constexpr float Step = 0.5f;
  int walkedThrough = 0;
  for (const char* name : ShippedMaps) {
    Load(name);
    const size_t triggers = world_->modifiers.size();
    for (size_t index = 0; index < triggers; ++index) {
      for (const int key : {VirtualKey::A, VirtualKey::D}) {
        Load(name);
        const auto* gate = dynamic_cast<const Portal*>(world_->modifiers[index].get());
        if (!gate) break;
        const std::string target = gate->targetMap;
        const float arrival = gate->targetPosition.x;
        const Box region = BoxOf(*gate->region);
        Player& player = *world_->GetFirstPlayer();
        const float way = key == VirtualKey::D ? 1.0f : -1.0f;
        const float secondsWalk = player.totalStats[Stat::MaxWalkSpeed];
        const float edge = way > 0 ? region.left : region.right;
        const float start = edge - way * (secondsWalk + player.body->width / 2);
        // Nobody walks where the camera never looks.
        if (start < world_->cameraLimits.left || start > world_->cameraLimits.right) continue;
        Place(name, start, region.bottom + player.body->height / 2);
        bool through = false;
        int stopped = 0;
        int jumping = 0;
        for (int frame = 0; frame < ApproachFrames && !through; ++frame) {
          const float x = player.body->position.x;
          jumping > 0 ? Play({key, VirtualKey::I}) : Play({key});
          jumping = std::max(jumping - 1, 0);
          stopped = player.body->position.x == x ? stopped + 1 : 0;
          if (stopped == StoppedFrames) jumping = JumpFrames;
          const float moved = std::fabs(player.body->position.x - x);
          through = (world_->GetMapName() != StoredPath(name) || moved > Step) &&
                    std::fabs(player.body->position.x - arrival) < Step;
        }
        // No ground on that side to come from.
        if (!through) continue;
        ++walkedThrough;
        float closest = std::numeric_limits<float>::max();
        for (int frame = 0; frame < SecondFrames; ++frame) {
          Play({key});
          closest = std::min(closest, GapToTriggers(*world_, *player.body, IsGate));
        }
        const std::string walk = std::string(name) + ", gate " + std::to_string(index) +
                                 (way > 0 ? ", walking east" : ", walking west");
        RecordProperty(walk, std::to_string(closest));
        EXPECT_GT(closest, 0.0f) << walk << " into " << target << " at " << arrival;
      }
    }
  }
  EXPECT_GT(walkedThrough, 0);
}

// A player set down on any walkable top of a map's land who holds a walk key walks on until he
// meets a face he must jump, a gate or the map's end; every other stop is a lip, named by place.
TEST_F(ShippedMapsTest, AWalkerStopsOnlyAtAFaceToJumpAGateOrTheMapsEnd) {
  // Walks start at the places on each top, and settle first.
  constexpr int SettlingFrames = 30;
  // This long on the ground without a frame's walk of progress is a stop; what holds him back
  // is looked for this far ahead of him, in steps of this much up from his feet.
  constexpr int StoppedFrames = 30;
  constexpr float Ahead = 0.02f;
  constexpr float RiseStep = 0.005f;
  std::map<std::string, int> stops;
  for (const char* name : ShippedMaps) {
    LoadLand(name);
    const CameraLimits limits = world_->cameraLimits;
    Player& player = *world_->GetFirstPlayer();
    BoundingQuad& body = *player.body;
    const float frame = GameHarness::FrameSeconds;
    const float stride = player.totalStats[Stat::MaxWalkSpeed] * frame;
    // Walking into a face, the body is pushed out the shorter way: back by the frame's walk, or
    // up by the rise and the frame's fall from rest. So a walk climbs a rise lower than a
    // frame's walk at top speed less that fall; a higher face takes a jump.
    const float step = stride - world_->gravity * player.totalStats[Stat::Mass] * frame * frame;
    std::vector<platform::Vector3> starts;
    for (const auto& top : PlacesOnTops()) starts.insert(starts.end(), top.begin(), top.end());
    EXPECT_FALSE(starts.empty()) << name;

    const int longestWalk = static_cast<int>(2.0f * (limits.right - limits.left) / stride);
    for (const platform::Vector3& start : starts) {
      for (const float way : {-1.0f, 1.0f}) {
        LoadLand(name);
        body.SetPosition(start);
        body.SetVelocity(0.0f, 0.0f, 0.0f);
        for (int settling = 0; settling < SettlingFrames; ++settling) Play({});
        std::ostringstream stop;
        stop << std::fixed << std::setprecision(2) << name << ", walking "
             << (way > 0 ? "east" : "west");
        bool stopped = false;
        float mark = body.position.x;
        int grounded = 0;
        int walked = 0;
        for (; walked < longestWalk; ++walked) {
          const float lead = body.position.x + way * body.width / 2;
          // A gate takes him in the frame after he steps into it.
          const bool gate =
              world_->GetMapName() != StoredPath(name) ||
              std::any_of(world_->modifiers.begin(), world_->modifiers.end(),
                          [&](const auto& trigger) {
                            return IsGate(*trigger) && Collide(trigger->region.get(), &body);
                          });
          if (gate || lead <= limits.left || lead >= limits.right ||
              body.position.y < limits.bottom) {
            break;
          }
          Play({way > 0 ? VirtualKey::D : VirtualKey::A});
          if (!player.groundContact) {
            grounded = 0;
            mark = body.position.x;
            continue;
          }
          if (++grounded < StoppedFrames) continue;
          grounded = 0;
          const bool progressed = (body.position.x - mark) * way >= stride;
          mark = body.position.x;
          if (progressed) continue;
          const float feet = body.position.y - body.height / 2;
          const float ahead = body.position.x + way * (body.width / 2 + Ahead);
          float rise = 0.0f;
          while (rise < body.height && FaceAt(*world_, ahead, feet + rise + RiseStep, way)) {
            rise += RiseStep;
          }
          stopped = rise <= step;
          stop << ", stopped at x " << body.position.x << " with feet at " << feet
               << " before a rise of " << rise << " (a walk climbs " << step << ")";
          if (const Shape* face =
                  rise > 0.0f ? FaceAt(*world_, ahead, feet + rise, way) : nullptr) {
            stop << std::defaultfloat << std::setprecision(6)
                 << " on the top of the boundary centred at " << face->position.x << ", "
                 << face->position.y;
          }
          break;
        }
        if (walked == longestWalk) stop << ", from x " << start.x << ", reaches no end";
        if (stopped || walked == longestWalk) ++stops[stop.str()];
      }
    }
  }
  std::string found;
  for (const auto& [stop, walks] : stops) {
    found += stop + " (" + std::to_string(walks) + " walks)\n";
  }
  EXPECT_TRUE(stops.empty()) << "walkers stop where no face, gate or end of the map is:\n" << found;
}

// A player in the middle of any walkable top who holds a walk key and presses the jump key in a
// wall-jump rhythm, once with an air dash from the height of each jump, stays in the map: his
// middle within the camera's limits, and nothing over the view's top under his feet. Set down by
// a gate within the map, the same play never takes him back to the gate's side of halfway.
TEST_F(ShippedMapsTest, NoClimbJumpOrDashTakesThePlayerOutOfTheMap) {
  constexpr int PlayFrames = 30 * 60;
  // The jump key 0.2 s down and 0.15 s up; the dash key held this long from a jump's height.
  constexpr int JumpDown = 12;
  constexpr int JumpRhythm = 21;
  constexpr int DashFrames = 12;
  for (const char* name : ShippedMaps) {
    LoadLand(name);
    const CameraLimits limits = world_->cameraLimits;
    Player& player = *world_->GetFirstPlayer();
    BoundingQuad& body = *player.body;
    // Where each play starts and, after a gate within the map, halfway back to the gate.
    std::vector<std::pair<platform::Vector3, std::optional<float>>> starts;
    for (const auto& top : PlacesOnTops()) starts.emplace_back(top[top.size() / 2], std::nullopt);
    for (const auto& modifier : world_->modifiers) {
      const auto* gate = dynamic_cast<const Portal*>(modifier.get());
      if (!gate || gate->targetMap != StoredPath(name)) continue;
      const platform::Vector3 to = gate->targetPosition;
      starts.emplace_back(to, (gate->region->position.x + to.x) / 2);
    }
    // A gate to another map that has him takes him off it.
    const auto leaving = [&] {
      return std::any_of(world_->modifiers.begin(), world_->modifiers.end(), [&](const auto& m) {
        const auto* gate = dynamic_cast<const Portal*>(m.get());
        return gate && gate->targetMap != StoredPath(name) && Collide(gate->region.get(), &body);
      });
    };
    // Holding A, then D; then both again, dashing.
    for (const auto& [start, halfway] : starts) {
      for (int play = 0; play < 4; ++play) {
        const int key = play % 2 ? VirtualKey::D : VirtualKey::A;
        LoadLand(name);
        body.SetPosition(start);
        body.SetVelocity(0.0f, 0.0f, 0.0f);
        for (int frame = 0, dash = 0; frame < PlayFrames && !leaving(); ++frame, --dash) {
          const bool rising = body.velocity.y > 0.0f;
          std::vector<int> keys = {key};
          if (frame % JumpRhythm < JumpDown) keys.push_back(VirtualKey::I);
          if (dash > 0) keys.push_back(VirtualKey::O);
          Play(keys);
          if (play > 1 && rising && body.velocity.y <= 0.0f && !player.groundContact) {
            dash = DashFrames;
          }
          const float x = body.position.x;
          if (x < limits.left || x > limits.right || body.position.y < limits.bottom ||
              (player.groundContact && body.GetBottommostPoint().y > limits.top) ||
              (halfway && (x - *halfway) * (start.x - *halfway) < 0.0f)) {
            ADD_FAILURE() << name << ", from " << start.x << ", " << start.y << ", play " << play
                          << ": at " << x << ", " << body.position.y << " in frame " << frame;
            break;
          }
        }
      }
    }
  }
}

// Nothing drawn in front of the characters lies in the band where they stand and walk: above the
// top of every boundary, as high as the tallest of them, wherever no boundary is solid.
TEST_F(ShippedMapsTest, NothingDrawnInFrontOfTheCharactersCoversWhereTheyWalk) {
  constexpr float CharacterHeight = 2.5f;
  // Pictures of solid ground may overhang their boundary by this much; the band is sampled at
  // this step.
  constexpr float Overhang = 0.25f;
  constexpr float Step = 0.1f;
  for (const char* name : ShippedMaps) {
    Load(name);
    std::vector<Box> solids;
    for (const auto& boundary : world_->boundaries) solids.push_back(BoxOf(*boundary));
    // The sprites after the first character's and every textured quad are drawn over them; the
    // breakable wall stands still and is not among them.
    std::vector<const Shape*> characters;
    for (const Actor* actor : world_->actors) {
      const auto* enemy = dynamic_cast<const Enemy*>(actor);
      if (!enemy || enemy->enemyKind != DemoWall::Kind) characters.push_back(actor->sprite);
    }
    std::vector<const Shape*> inFront;
    bool behind = true;
    for (const auto& [layer, entry] : world_->spriteLayers.entries) {
      if (std::find(characters.begin(), characters.end(), entry.item) != characters.end()) {
        behind = false;
      } else if (!behind && entry.owned) {
        inFront.push_back(entry.item);
      }
    }
    for (const auto& [layer, entry] : world_->shapeLayers.entries) inFront.push_back(entry.item);

    for (const Shape* picture : inFront) {
      // Off the characters' plane a picture would slide over them as the camera moves.
      EXPECT_EQ(picture->position.z, 0.0f) << name << ": the picture at " << picture->position.x;
      const Box drawn = BoxOf(*picture);
      for (const Box& ground : solids) {
        const Box band{std::max(drawn.left, ground.left), std::min(drawn.right, ground.right),
                       std::max(drawn.bottom, ground.top),
                       std::min(drawn.top, ground.top + CharacterHeight)};
        for (float x = band.left + Step / 2; x < band.right; x += Step) {
          for (float y = band.bottom + Step / 2; y < band.top; y += Step) {
            const bool solid = std::any_of(solids.begin(), solids.end(),
                                           [&](const Box& b) { return b.Holds(x, y, Overhang); });
            ASSERT_TRUE(solid) << name << ": the picture at " << picture->position.x << ", "
                               << picture->position.y << " covers " << x << ", " << y;
          }
        }
      }
    }
  }
}

// The other side of it: where the view can show a boundary, a picture of the land covers it, on
// the characters' plane; the backdrop far behind does not count.
TEST_F(ShippedMapsTest, EverySolidTheViewCanShowIsDrawn) {
  // Pictures may stop this short of a boundary's edges; points are tried at this step.
  constexpr float Inset = 0.1f;
  constexpr float Step = 0.2f;
  for (const char* name : ShippedMaps) {
    LoadLand(name);
    const CameraLimits& limits = world_->cameraLimits;
    // The map's own pictures; the characters' are borrowed.
    std::vector<const Shape*> land;
    const auto collect = [&](const auto& layers) {
      for (const auto& [layer, entry] : layers.entries) {
        if (entry.owned && entry.item->position.z == 0.0f) land.push_back(entry.item);
      }
    };
    collect(world_->shapeLayers);
    collect(world_->spriteLayers);
    for (const auto& boundary : world_->boundaries) {
      const Box solid = BoxOf(*boundary);
      for (float x = std::max(solid.left, limits.left); x < std::min(solid.right, limits.right);
           x += Step) {
        for (float y = std::max(solid.bottom, limits.bottom); y < std::min(solid.top, limits.top);
             y += Step) {
          const platform::Vector3 point{x, y, 0.0f};
          if (!boundary->ContainsPointWithMargin(point, -Inset)) continue;
          const auto covers = [&](const Shape* picture) { return picture->ContainsPoint(point); };
          ASSERT_TRUE(std::any_of(land.begin(), land.end(), covers))
              << name << ": the boundary at " << boundary->position.x << ", "
              << boundary->position.y << " shows the backdrop at " << x << ", " << y;
        }
      }
    }
  }
}

// Kavi tells a new player that the sparring partner never leaves its ring. The ring is a room:
// open floor under the partner between solid walls that meet the ceiling, a gate in that sets a
// player down on that floor clear of the walls and of the partner, and a gate out to Tessa.
// Through three minutes of its own choices the partner fights a player who walks, leaps, guards
// and strikes at random about the room, and never leaves it; nothing strikes a player who goes
// out to Tessa and waits in her circle, or who reads the rack before the ring. The gates into the
// ring and home stand up steps: a walker leaving Tessa's or the waystone's circle is not taken.
TEST_F(ShippedMapsTest, TheSparringPartnerNeverLeavesItsRoomAndStrikesNobodyOnTheWayToTessa) {
  constexpr unsigned MatchSeed = 45;
  constexpr int FightFrames = 3 * 60 * 60;
  constexpr int WaitFrames = 90 * 60;
  constexpr int SecondFrames = 60;
  constexpr float StepInAFrame = 0.5f;
  constexpr int SettlingFrames = 20;
  constexpr int ReadingFrames = 30 * 60;
  // The random player holds each choice of keys this long.
  constexpr int ChoiceFrames = 12;
  // A boundary beside the partner that reaches this far above its feet, up to the ceiling,
  // walls the room in.
  constexpr float WallRise = 0.5f;
  constexpr float OpenFloor = 14.0f;
  constexpr float FromThePartner = 8.0f;
  constexpr float FromTheWalls = 4.0f;
  Load("DemoWildsMap");
  Enemy* partner = nullptr;
  for (const auto& enemy : world_->enemies) {
    if (enemy->enemyKind == DemoEnemy::Kind) partner = enemy.get();
  }
  ASSERT_NE(partner, nullptr);
  const ConversationShape* tessa = FindTrigger<ConversationShape>(*world_, "Tessa");
  ASSERT_NE(tessa, nullptr);
  const float home = partner->body->position.x;
  const float feet = Feet(*partner);
  const float head = partner->body->GetTopmostPoint().y;

  float ceiling = INFINITY;
  for (const auto& boundary : world_->boundaries) {
    const Box box = BoxOf(*boundary);
    if (box.left < home && home < box.right && box.bottom > head) {
      ceiling = std::min(ceiling, box.bottom);
    }
  }
  ASSERT_LT(ceiling, INFINITY);
  float westWall = -INFINITY;
  float eastWall = INFINITY;
  const BoundingQuad* walls[2] = {nullptr, nullptr};
  for (const auto& boundary : world_->boundaries) {
    if (boundary->GetBottommostPoint().y > feet + WallRise ||
        boundary->GetTopmostPoint().y < ceiling) {
      continue;
    }
    const auto* quad = dynamic_cast<const BoundingQuad*>(boundary.get());
    if (boundary->GetRightmostPoint().x <= home && boundary->GetRightmostPoint().x > westWall) {
      westWall = boundary->GetRightmostPoint().x;
      walls[0] = quad;
    }
    if (boundary->GetLeftmostPoint().x >= home && boundary->GetLeftmostPoint().x < eastWall) {
      eastWall = boundary->GetLeftmostPoint().x;
      walls[1] = quad;
    }
  }
  for (const BoundingQuad* wall : walls) {
    ASSERT_NE(wall, nullptr) << "a wall up to the ceiling on either side";
    EXPECT_FALSE(wall->partialEdges) << "a wall at " << wall->position.x << " holds on every side";
  }
  // The open floor: what stands on it beside the partner, within the walls, ends it.
  float openWest = westWall;
  float openEast = eastWall;
  for (const auto& boundary : world_->boundaries) {
    const Box box = BoxOf(*boundary);
    if (box.top <= feet + WallRise || box.bottom >= ceiling) continue;
    if (box.right <= home && box.right > openWest && box.left >= westWall) openWest = box.right;
    if (box.left >= home && box.left < openEast && box.right <= eastWall) openEast = box.left;
  }
  EXPECT_GE(openEast - openWest, OpenFloor);

  const Portal* gateIn = nullptr;
  const Portal* wayOut = nullptr;
  for (const auto& modifier : world_->modifiers) {
    const auto* gate = dynamic_cast<const Portal*>(modifier.get());
    if (!gate || gate->targetMap != StoredPath("DemoWildsMap")) continue;
    const auto within = [&](float x) { return x > westWall && x < eastWall; };
    if (within(gate->targetPosition.x) && !within(gate->region->position.x)) gateIn = gate;
    if (within(gate->region->position.x) && !within(gate->targetPosition.x)) wayOut = gate;
  }
  ASSERT_NE(gateIn, nullptr);
  ASSERT_NE(wayOut, nullptr);
  const platform::Vector3 arrival = gateIn->targetPosition;
  EXPECT_GE(std::fabs(arrival.x - home), FromThePartner);
  EXPECT_GE(arrival.x - openWest, FromTheWalls);
  EXPECT_GE(openEast - arrival.x, FromTheWalls);
  EXPECT_GT(wayOut->targetPosition.x, eastWall) << "the way out leads on to Tessa's side";
  EXPECT_GT(tessa->region->GetLeftmostPoint().x, eastWall) << "Tessa waits outside the room";

  Show("DemoWildsMap", arrival.x, arrival.y);
  Player* player = world_->GetFirstPlayer();
  EXPECT_NE(player->groundContact, nullptr) << "set down on the floor";
  float westmost = INFINITY;
  float eastmost = -INFINITY;
  float highest = -INFINITY;
  // One frame of play with only these keys down, noting how far the partner went.
  const auto step = [&](const std::vector<int>& keys) {
    game_.Platform().ReleaseAllKeys();
    for (const int key : keys) game_.PressKey(key);
    game_.StepUndrawn();
    westmost = std::min(westmost, partner->body->GetLeftmostPoint().x);
    eastmost = std::max(eastmost, partner->body->GetRightmostPoint().x);
    highest = std::max(highest, partner->body->GetTopmostPoint().y);
  };
  // What the partner's strikes carried into the player, before his defence took its share.
  const auto struck = [&] {
    return player->totalStats[Stat::StatDamageReceived] +
           player->totalStats[Stat::StatDamageDefended];
  };

  std::srand(MatchSeed);
  std::mt19937 dice(MatchSeed);
  const std::vector<std::vector<int>> choices = {
      {},
      {VirtualKey::A},
      {VirtualKey::D},
      {VirtualKey::I},
      {VirtualKey::A, VirtualKey::I},
      {VirtualKey::D, VirtualKey::I},
      {VirtualKey::J},
      {VirtualKey::P},
  };
  std::uniform_int_distribution<size_t> choose(0, choices.size() - 1);
  const float beforeTheMatch = struck();
  std::vector<int> keys;
  for (int frame = 0; frame < FightFrames; ++frame) {
    if (frame % ChoiceFrames == 0) keys = choices[choose(dice)];
    step(keys);
    // Its health kept whole, the player fights on; taken out by the gate, he is set back in.
    player->healthMeter->value = player->healthMeter->maximum;
    const float x = player->body->position.x;
    if (x < westWall || x > eastWall) {
      player->body->SetPositionXYZ(arrival.x, arrival.y, arrival.z);
      player->body->SetVelocity(0.0f, 0.0f, 0.0f);
    }
  }
  EXPECT_GT(struck(), beforeTheMatch) << "it fights the player in the room";

  const platform::Vector3 outside = wayOut->targetPosition;
  player->body->SetPositionXYZ(outside.x, outside.y, outside.z);
  player->body->SetVelocity(0.0f, 0.0f, 0.0f);
  const int towardTessa = tessa->region->position.x > outside.x ? VirtualKey::D : VirtualKey::A;
  const float beforeTheWalk = struck();
  // The walk key held until the player stands in her circle.
  bool arrived = false;
  for (int frame = 0; frame < WaitFrames; ++frame) {
    arrived = arrived || tessa->region->ContainsPoint(player->body->position);
    arrived ? step({}) : step({towardTessa});
  }
  EXPECT_TRUE(tessa->region->ContainsPoint(player->body->position)) << "waits in Tessa's circle";
  EXPECT_EQ(struck(), beforeTheWalk) << "struck on the way to Tessa or in her circle";
  EXPECT_GE(westmost, westWall) << "over the room's west wall";
  EXPECT_LE(eastmost, eastWall) << "over the room's east wall";
  EXPECT_LT(highest, ceiling) << "through the ceiling";

  // The waystone before the ring, and the rack before it: a sign toward the goblins' ledge.
  const SaveShape* waystone = LastTriggerBefore<SaveShape>(*world_, gateIn->region->position.x);
  ASSERT_NE(waystone, nullptr);
  const Shape* stone = waystone->region.get();
  const ConversationShape* sign = LastTriggerBefore<ConversationShape>(
      *world_, stone->position.x, [](const ConversationShape& talk) { return !talk.npc; });
  ASSERT_NE(sign, nullptr);
  const Shape* rack = sign->region.get();
  const platform::Vector3 reader =
      rack->position - platform::Vector3{rack->extent - player->body->width / 2, 0.0f, 0.0f};
  // Where a walker leaves Tessa's and the waystone's circles: their east edges.
  const auto eastEdge = [](const Shape& c) {
    return c.position + platform::Vector3{c.extent, 0, 0};
  };
  const platform::Vector3 edges[] = {eastEdge(*tessa->region), eastEdge(*stone)};

  // Each walk below loads the map again, since a gate may take him to another.
  // Nothing that fights reaches a player who reads the rack from the ledge's side.
  Load("DemoWildsMap");
  Place("DemoWildsMap", reader.x, reader.y);
  const float beforeReading = struck();
  for (int frame = 0; frame < ReadingFrames; ++frame) Play({});
  EXPECT_EQ(struck(), beforeReading) << "struck while reading the rack at x " << reader.x;
  // Holding D on from either circle, a walker meets a step to jump, not the gate beyond it.
  for (const platform::Vector3& from : edges) {
    Load("DemoWildsMap");
    Place("DemoWildsMap", from.x, from.y);
    for (int frame = 0; frame < SettlingFrames; ++frame) Play({});
    // A gate takes whoever overlaps it, within the map farther in a frame than a walk goes.
    float closest = INFINITY;
    float farthest = 0.0f;
    for (int frame = 0; frame < SecondFrames && world_->GetMapName() == StoredPath("DemoWildsMap");
         ++frame) {
      const float x = player->body->position.x;
      Play({VirtualKey::D});
      closest = std::min(closest, GapToTriggers(*world_, *player->body, IsGate));
      farthest = std::max(farthest, std::fabs(player->body->position.x - x));
    }
    EXPECT_EQ(world_->GetMapName(), StoredPath("DemoWildsMap")) << "walked on from x " << from.x;
    EXPECT_GT(closest, 0.0f) << "walked into a gate from x " << from.x;
    EXPECT_LT(farthest, StepInAFrame) << "taken by a gate from x " << from.x;
  }
}

TEST_F(ShippedMapsTest, FramesOfTheMapsShowSkyAboveAndGroundBelow) {
  struct View {
    const char* map;
    const char* name;
    float x;
    float y;
  };
  const View views[] = {
      {"DemoNewGameMap", "NewGamePath", -18.0f, 1.3f},
      {"DemoNewGameMap", "NewGameGate", 24.0f, 1.3f},
      {"DemoHubMap", "HubSquare", 0.0f, 1.3f},
      {"DemoHubMap", "HubShops", -24.0f, 1.3f},
      {"DemoHubMap", "HubTerrace", 33.0f, 4.6f},
      {"DemoVersusMap", "Versus", 0.0f, 1.3f},
      {"DemoWildsMap", "WildsEntrance", -50.0f, 4.3f},
      {"DemoWildsMap", "WildsPass", 18.0f, 1.3f},
      {"DemoWildsMap", "WildsLedge", 55.0f, 3.8f},
      {"DemoWildsMap", "WildsRing", 91.5f, 1.3f},
  };
  for (const View& view : views) {
    Show(view.map, view.x, view.y);
    for (const auto& texture : world_->resources) {
      EXPECT_NE(texture->texture, nullptr) << view.map << ": " << texture->path;
    }
    ASSERT_TRUE(game_.KeepFrame(std::string(view.name) + ".png"));
    // Blue sky at the top, brown earth at the bottom, nothing left in the clear colour.
    const uint32_t sky = game_.Pixel(400, 10);
    const uint32_t earth = game_.Pixel(400, 590);
    EXPECT_GT(sky & 0xFF, (sky >> 16) & 0xFF) << view.name << ": the sky is blue";
    EXPECT_GT((earth >> 16) & 0xFF, earth & 0xFF) << view.name << ": the earth is brown";
    for (int x = 0; x < 800; x += 4) {
      ASSERT_NE(game_.Pixel(x, 500), ClearColor.ToD3DColor()) << view.name << ": a gap at " << x;
    }
  }
}

TEST_F(ShippedMapsTest, FromTheHubsSpawnPointThePlayerWalksUpTheRampOntoTheTerrace) {
  Show("DemoHubMap", world_->spawnPoint.x, world_->spawnPoint.y);
  Player* player = world_->GetFirstPlayer();
  // The boundaries in map order: floor, two walls, two plank platforms, the ramp, the terrace,
  // the strip over the map.
  ASSERT_EQ(world_->boundaries.size(), 8u);
  const Boundary* floor = world_->boundaries[0].get();
  const Boundary* ramp = world_->boundaries[5].get();
  const Boundary* terrace = world_->boundaries[6].get();
  ASSERT_EQ(player->groundContact, floor) << "stands on the square at the spawn point";

  game_.PressKey(VirtualKey::D);
  bool climbed = false;
  for (int frame = 0; frame < 300 && player->groundContact != terrace; ++frame) {
    game_.Step();
    climbed = climbed || player->groundContact == ramp;
  }
  game_.ReleaseKey(VirtualKey::D);
  EXPECT_TRUE(climbed) << "up the slope";
  ASSERT_EQ(player->groundContact, terrace);
  game_.StepFrames(40);
  EXPECT_EQ(player->groundContact, terrace) << "and stays there";
  EXPECT_NEAR(player->body->position.y - player->body->height / 2, 3.3f, 0.01f);
  ASSERT_TRUE(game_.KeepFrame("HubTerraceReached.png"));
}

// A body whose side only touches the end of a platform that holds from above alone is beside
// it, not on it: a player who jumps at such a corner and lets go comes down, whatever the
// jump, and a Ratatoskr released there falls too.
TEST_F(ShippedMapsTest, NoOneWayPlatformsCornerHoldsABodyInTheAir) {
  constexpr int SettlingFrames = 60;
  constexpr int RunFrames = 3 * 60;
  constexpr int LongestHover = 30;
  constexpr int FallFrames = 60;
  // Near the top's height; flush with the corner.
  constexpr float AtHeight = 0.1f;
  constexpr float Flush = 0.02f;
  // From beside the corner, toward it with the jump key, for this many frames.
  constexpr float Gaps[] = {0.05f, 0.3f, 0.6f, 0.9f, 1.2f, 1.6f, 2.0f};
  constexpr int Holds[] = {3, 6, 9, 12, 18, 24};
  struct Corner {
    float x;
    float top;
    float side;  // -1: the platform's left end, met from the left
    bool Holds(const BoundingQuad& body) const {
      const float nearEdge = body.position.x - side * body.width / 2;
      return std::fabs(body.position.y - body.height / 2 - top) < AtHeight &&
             (nearEdge - x) * side >= -Flush;
    }
  };
  const auto oneWay = [](const Boundary& boundary) {
    const auto* quad = dynamic_cast<const BoundingQuad*>(&boundary);
    return quad && quad->partialEdges && quad->edgeFlags[BoundingQuad::EdgeTop] &&
                   !quad->edgeFlags[BoundingQuad::EdgeLeft] &&
                   !quad->edgeFlags[BoundingQuad::EdgeRight]
               ? quad
               : nullptr;
  };
  for (const char* name : ShippedMaps) {
    Show(name, world_->spawnPoint.x, world_->spawnPoint.y);
    BoundingQuad& body = *world_->GetFirstPlayer()->body;
    for (const auto& boundary : world_->boundaries) {
      const BoundingQuad* platform = oneWay(*boundary);
      if (!platform) continue;
      for (const float side : {-1.0f, 1.0f}) {
        const Corner corner{
            side < 0 ? platform->GetLeftmostPoint().x : platform->GetRightmostPoint().x,
            platform->GetTopmostPoint().y, side};
        int worst = 0;
        for (const float gap : Gaps) {
          for (const int hold : Holds) {
            body.SetPositionXYZ(corner.x + side * (body.width / 2 + gap),
                                platform->GetBottommostPoint().y, 0.0f);
            body.SetVelocity(0.0f, 0.0f, 0.0f);
            for (int frame = 0; frame < SettlingFrames; ++frame) Play({});
            const int toward = side < 0 ? VirtualKey::D : VirtualKey::A;
            int hover = 0;
            for (int frame = 0; frame < RunFrames; ++frame) {
              frame < hold ? Play({VirtualKey::I, toward}) : Play({});
              hover = corner.Holds(body) ? hover + 1 : 0;
              worst = std::max(worst, hover);
            }
            EXPECT_EQ(hover, 0) << name << ": the corner at " << corner.x << ", " << corner.top
                                << " holds the player after a jump from " << gap << " for " << hold
                                << " frames";
          }
        }
        EXPECT_LE(worst, LongestHover)
            << name << ": the corner at " << corner.x << ", " << corner.top;
      }
    }
  }

  Show("DemoNewGameMap", world_->spawnPoint.x, world_->spawnPoint.y);
  const auto table = std::find_if(world_->boundaries.begin(), world_->boundaries.end(),
                                  [&](const auto& boundary) { return oneWay(*boundary); });
  ASSERT_NE(table, world_->boundaries.end());
  const BoundingQuad& platform = *oneWay(**table);
  const auto ratatoskr =
      std::find_if(world_->enemies.begin(), world_->enemies.end(),
                   [](const auto& enemy) { return enemy->enemyKind == Ratatoskr::Kind; });
  ASSERT_NE(ratatoskr, world_->enemies.end());
  Enemy& creature = **ratatoskr;
  const Corner corner{platform.GetLeftmostPoint().x, platform.GetTopmostPoint().y, -1.0f};
  creature.body->SetPositionXYZ(corner.x - creature.body->width / 2,
                                corner.top + creature.body->height / 2, 0.0f);
  creature.body->SetVelocity(0.0f, 0.0f, 0.0f);
  const auto grounded = [&] {
    return creature.groundContact && Feet(creature) < corner.top - AtHeight;
  };
  for (int frame = 0; frame < FallFrames && !grounded(); ++frame) Play({});
  EXPECT_TRUE(grounded()) << "the Ratatoskr stays at the table's corner, feet at "
                          << Feet(creature);
}
