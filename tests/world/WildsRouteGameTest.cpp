#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>

#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "enemies/Enemy.h"
#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "items/ItemStore.h"
#include "menus/MenuDialog.h"
#include "menus/MenuShop.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "support/MapTriggers.h"
#include "triggers/ConversationShape.h"
#include "triggers/Portal.h"
#include "triggers/SaveShape.h"
#include "triggers/ShopShape.h"
#include "world/CommandInterpreter.h"
#include "world/World.h"

namespace {

constexpr const char* HubMap = "Content\\Maps\\DemoHubMap.gmf";
constexpr const char* WildsMap = "Content\\Maps\\DemoWildsMap.gmf";
constexpr int WalkLimit = 900;
// Long enough to walk up to the wall and try to jump it twice.
constexpr int BlockedWalk = 240;
constexpr int FightLimit = 90 * 60;
constexpr int MapChangeLimit = 120;
// A walk stopped this long jumps, the jump key held this long.
constexpr int StoppedFrames = 5;
constexpr int JumpFrames = 25;
// The ground strike reaches this far in front of the player's centre, to the near side of the
// enemy's body.
constexpr float StrikeReach = 2.9f;
constexpr int FramesBetweenStrikes = 6;
// An enemy's swing that began this recently may still strike, and is guarded when it comes
// from this close at the player's height.
constexpr float SwingWindUp = 0.42f;
constexpr float SwingReach = 4.6f;
constexpr float SameLevel = 2.5f;
// An enemy running at the player this fast is awaited rather than met halfway.
constexpr float ApproachSpeed = 2.0f;
// On the ring's rim the player keeps out of the reach of the pit's upward swing, and strikes
// the sparring partner this many times.
constexpr float RimClearance = 2.5f;
constexpr int SparringStrikes = 3;
// A person's pace: every key held this long, every choice made on what was seen this long ago,
// and a strike begun after letting go of every key for a moment.
constexpr int KeyFrames = 12;
constexpr size_t ReactionFrames = 18;
constexpr int StrikePause = 6;
// The plank frame past the ledge's sign is walked under in this many frames, to beyond this place.
constexpr int UnderThePlanks = 120;
constexpr float PastThePlanks = 44.0f;
// A goblin is met this far before its place.
constexpr float GoblinMet = 4.0f;

bool StateNamed(const Actor& actor, const wchar_t* part) {
  return actor.state && actor.state->name.find(part) != std::wstring::npos;
}

bool Beaten(const Enemy& enemy) {
  return StateNamed(enemy, L"Dead") || StateNamed(enemy, L"Downed");
}

bool Swinging(const Enemy& enemy) {
  return StateNamed(enemy, L"ttacking") && enemy.state->stateTime < SwingWindUp;
}

// Where the player may stand while fighting, and whether it guards the enemy's swings or plays
// at a person's pace as the ledge's sign tells.
struct FightPlan {
  float leftmost = -1000.0f;
  float rightmost = 1000.0f;
  bool guard = true;
  bool asTheSignSays = false;
  // A fight that cannot be won is left once the enemy has taken this many strikes; with 0 it
  // goes on until the enemy is beaten.
  int strikesToLand = 0;
};

// What the player saw of the enemy, and where he stood, in one frame.
struct Sight {
  float x = 0.0f;
  bool swinging = false;
  float ownX = 0.0f;
};

// A key held for its last KeyFrames frames, none before them, with the jump key when it leaps.
struct Move {
  int key = 0;
  int framesLeft = 0;
  bool leaps = false;
};

// A new player's way from the hub through the wilds, driven by keys alone, in three stretches
// (the second begins at the waystone, the third in the ring), with frames of each fight kept to
// be looked at.
class WildsRoute : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    world = GameStates->world;
    player = world->GetFirstPlayer();
    player->StartNewGame();
  }

  // The map loaded as a portal or a continued game loads it, the player at the place.
  void Arrive(const std::string& map, int x, int y) {
    ASSERT_EQ(ExecuteCommand("load " + map + " " + std::to_string(x) + " " + std::to_string(y)),
              CommandDone);
    game.StepFrames(60);
  }

  void Keep(const std::string& name) { ASSERT_TRUE(game.KeepFrame("wilds-" + name + ".png")); }
  float X() const { return player->body->position.x; }
  float Experience() const { return player->totalStats[Stat::StatExperience]; }

  // One frame with only these keys down.
  void Hold(std::initializer_list<int> keys) {
    game.Platform().ReleaseAllKeys();
    for (int key : keys) game.PressKey(key);
    game.Step();
  }

  // One step of a walk, jumping what stops it.
  void StepToward(bool right, int& stoppedFrames) {
    const int walk = right ? VirtualKey::D : VirtualKey::A;
    const float x = X();
    Hold({walk});
    stoppedFrames = X() == x ? stoppedFrames + 1 : 0;
    if (stoppedFrames < StoppedFrames) return;
    for (int frame = 0; frame < JumpFrames; ++frame) Hold({walk, VirtualKey::I});
    stoppedFrames = 0;
  }

  bool WalkTo(float x, int limit = WalkLimit) {
    int stopped = 0;
    for (int frame = 0; frame < limit && std::abs(X() - x) > 0.5f; ++frame) {
      StepToward(x > X(), stopped);
    }
    Hold({});
    return std::abs(X() - x) <= 0.5f;
  }

  bool WalkInto(const ModifierShape& region) {
    int stopped = 0;
    for (int frame = 0; frame < WalkLimit && !region.region->ContainsPoint(player->body->position);
         ++frame) {
      StepToward(region.region->position.x > X(), stopped);
    }
    Hold({});
    return region.region->ContainsPoint(player->body->position);
  }

  // Through a gate to another map.
  void TakeGateTo(const std::string& map) {
    Portal* gate = NearestGateTo(map);
    ASSERT_NE(gate, nullptr) << map;
    ASSERT_TRUE(WalkInto(*gate));
    for (int frame = 0; frame < MapChangeLimit && world->GetMapName() != map; ++frame) game.Step();
    ASSERT_EQ(world->GetMapName(), map);
    game.StepFrames(60);
  }

  // Fights with the new-game moves until the enemy is beaten, or has taken the plan's strikes:
  // closes in, faces it, strikes when it is within reach and guards a swing about to land.
  // Frames are kept when the enemy is first hit, when it first strikes out and once the fight
  // is over.
  bool Beat(Enemy& enemy, const std::string& name, const FightPlan& plan) {
    const float health = enemy.healthMeter->value;
    // Nothing of the last fight is still being answered.
    sight.clear();
    move = {};
    float lastHealth = health;
    int landed = 0;
    const auto over = [&] {
      return Beaten(enemy) || (plan.strikesToLand > 0 && landed >= plan.strikesToLand);
    };
    bool shownHit = false;
    bool shownSwing = false;
    int stopped = 0;
    for (int frame = 0; frame < FightLimit && !over(); ++frame) {
      const float dx = enemy.body->position.x - X();
      const float dy = enemy.body->position.y - player->body->position.y;
      const bool level = std::abs(dy) < SameLevel;
      const bool swinging = Swinging(enemy);
      if (plan.asTheSignSays) {
        FollowTheSign(enemy);
      } else if (X() > plan.rightmost || X() < plan.leftmost) {
        StepToward(X() < plan.leftmost, stopped);
      } else if (plan.guard && swinging && std::abs(dx) < SwingReach && level) {
        Hold({VirtualKey::P});
      } else if (std::abs(dx) <= StrikeReach + enemy.body->width / 2 && level && !WhereJTalks()) {
        if ((dx > 0) != (player->facing > 0)) {
          Hold({dx > 0 ? VirtualKey::D : VirtualKey::A});
        } else if (frame % FramesBetweenStrikes == 0) {
          Hold({VirtualKey::J});
        } else {
          Hold({});
        }
      } else if (enemy.body->velocity.x * (dx > 0 ? -1.0f : 1.0f) > ApproachSpeed) {
        plan.guard ? Hold({VirtualKey::P}) : Hold({});
      } else if (dx > 0 ? X() < plan.rightmost : X() > plan.leftmost) {
        StepToward(dx > 0, stopped);
      } else {
        Hold({});
      }
      if (enemy.healthMeter->value < lastHealth) ++landed;
      lastHealth = enemy.healthMeter->value;
      if (!shownHit && enemy.healthMeter->value < health) {
        shownHit = true;
        Keep(name + "-hit");
      }
      if (!shownSwing && StrikeLive(enemy)) {
        shownSwing = true;
        Keep(name + "-swings");
      }
      if (player->healthMeter->value <= 0.0f) return false;
    }
    Hold({});
    game.StepFrames(20);
    Keep(name + (plan.strikesToLand > 0 ? "-struck" : "-beaten"));
    return over();
  }

  // One frame of a player who does as the ledge's sign tells, at a person's pace: strikes on,
  // through a shield until its guard breaks, and guards while the enemy shoves or swings.
  void FollowTheSign(const Enemy& enemy) {
    sight.push_back({enemy.body->position.x, Swinging(enemy), X()});
    if (sight.size() > ReactionFrames) sight.pop_front();
    if (move.framesLeft == 0) {
      const float dx = sight.front().x - X();
      if (sight.front().swinging) {
        move = {VirtualKey::P, KeyFrames};
      } else if (std::abs(dx) > StrikeReach + enemy.body->width / 2 ||
                 (dx > 0) != (player->facing > 0)) {
        const int walk = dx > 0 ? VirtualKey::D : VirtualKey::A;
        // A walk that has got nowhere since the last look is taken over what stops it.
        move = {walk, KeyFrames, move.key == walk && sight.front().ownX == X()};
      } else {
        move = {VirtualKey::J, StrikePause + KeyFrames};
      }
    }
    if (move.framesLeft > KeyFrames) {
      Hold({});
    } else {
      move.leaps ? Hold({move.key, VirtualKey::I}) : Hold({move.key});
    }
    --move.framesLeft;
  }

  // Beats the enemy and checks what it paid and that the level bar shows it. A sparring
  // partner is only laid down and pays nothing.
  void BeatAndCollect(Enemy& enemy, const std::string& name, const FightPlan& plan = {},
                      bool pays = true) {
    const float before = Experience();
    ASSERT_TRUE(Beat(enemy, name, plan)) << name << " at " << enemy.body->position.x;
    const float paid = pays ? enemy.totalStats[Stat::StatGivenExperience] : 0.0f;
    earned += paid;
    EXPECT_FLOAT_EQ(Experience(), before + paid) << name;
    // Still short of the first level: the bar holds everything earned out of what it needs.
    EXPECT_FLOAT_EQ(player->experienceBar->value, earned) << name;
    EXPECT_FLOAT_EQ(player->experienceBar->maximum, player->totalStats[Stat::InitExperience])
        << name;
  }

  // One of the enemy's strikes is out, not the blank one it holds between swings.
  bool StrikeLive(const Enemy& enemy) const {
    for (const StrikeShape* strike : world->enemyStrikes) {
      if (strike->owner == &enemy && strike->damage > 0.0f) return true;
    }
    return false;
  }

  // Where the strike key would talk or save instead, now or a step further.
  bool WhereJTalks() const {
    for (const auto& modifier : world->modifiers) {
      if (!dynamic_cast<ConversationShape*>(modifier.get()) &&
          !dynamic_cast<SaveShape*>(modifier.get())) {
        continue;
      }
      for (float offset : {-1.0f, 0.0f, 1.0f}) {
        const platform::Vector3 near = player->body->position + platform::Vector3{offset, 0, 0};
        if (modifier->region->ContainsPoint(near)) return true;
      }
    }
    return false;
  }

  Enemy& Placed(size_t index) const { return *world->enemies.at(index); }

  Portal* NearestGateTo(const std::string& map) const {
    Portal* nearest = nullptr;
    for (const auto& modifier : world->modifiers) {
      auto* portal = dynamic_cast<Portal*>(modifier.get());
      if (!portal || portal->targetMap != map) continue;
      const float distance = std::abs(portal->region->position.x - X());
      if (!nearest || distance < std::abs(nearest->region->position.x - X())) nearest = portal;
    }
    return nearest;
  }

  // Talks to the one in the region and reads on to the end, keeping a frame of the first line
  // when named.
  void TalkThrough(const ModifierShape& region, const std::string& frame = "") {
    ASSERT_TRUE(WalkInto(region));
    game.TapKey(VirtualKey::J);
    if (!frame.empty()) {
      game.StepFrames(10);
      Keep(frame);
    }
    for (int line = 0; line < 20 && GameStates->current == GameStates->menuDialog; ++line) {
      game.StepFrames(10);
      game.TapKey(VirtualKey::J);
    }
    ASSERT_EQ(GameStates->current, world);
  }

  // On a trade page: the first tab that lists anything, one of its first row marked, and the
  // trade confirmed. The row's price, 0 when no tab lists anything.
  float TradeOneOfTheFirstRow(MenuShop& shop) {
    for (int tab = 0; tab < MenuShop::TabCount && shop.GetListItems().empty(); ++tab) {
      game.TapKey(VirtualKey::P);
    }
    if (shop.GetListItems().empty()) return 0.0f;
    const float price = shop.GetListItems().front()->price;
    game.TapKey(VirtualKey::D);
    game.TapKey(VirtualKey::J);
    game.TapKey(VirtualKey::J);
    return price;
  }

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  float earned = 0.0f;
  std::deque<Sight> sight;
  Move move;
};

}  // namespace

TEST_F(WildsRoute, FromTheHubPastTheRatatoskrsAndTheNidhoggletsThroughTheBrokenWall) {
  // The gate at the east end of the hub's terrace leads into the wilds.
  Arrive(HubMap, 36, 4);
  TakeGateTo(WildsMap);
  Keep("01-arrival");
  ASSERT_EQ(world->enemies.size(), 9u);

  BeatAndCollect(Placed(0), "02-ratatoskr");
  BeatAndCollect(Placed(1), "03-ratatoskr");
  BeatAndCollect(Placed(2), "04-ratatoskr");
  BeatAndCollect(Placed(3), "05-nidhogglet");

  // The passive Nidhogglet takes no strike and cannot be beaten: it is met and left behind.
  Enemy& passive = Placed(4);
  const float passiveHealth = passive.healthMeter->value;
  ASSERT_TRUE(WalkTo(passive.body->position.x - 1.5f));
  Hold({VirtualKey::D});
  for (int swing = 0; swing < 3; ++swing) {
    game.TapKey(VirtualKey::J);
    game.StepFrames(20);
  }
  Keep("06-passive-nidhogglet");
  EXPECT_EQ(passive.healthMeter->value, passiveHealth);

  // The wall closes the old pass until it is broken.
  Enemy& wall = Placed(5);
  const float beyondTheWall = wall.body->position.x + 6.0f;
  ASSERT_FALSE(WalkTo(beyondTheWall, BlockedWalk)) << "the standing wall lets nobody by";
  Keep("07-wall-standing");
  FightPlan noGuard;
  noGuard.guard = false;
  BeatAndCollect(wall, "07-wall", noGuard);
  ASSERT_TRUE(WalkTo(beyondTheWall)) << "the broken wall opens the pass";

  // Past the pass, and before the goblins' ledge, stands the waystone.
  SaveShape* waystone = FindTrigger<SaveShape>(*world);
  ASSERT_NE(waystone, nullptr);
  EXPECT_GT(waystone->region->position.x, X());
  EXPECT_LT(waystone->region->position.x, Placed(6).body->position.x);
  EXPECT_GT(player->healthMeter->value, 0.0f);
}

TEST_F(WildsRoute, FromTheWaystoneOverTheGoblinsLedge) {
  Arrive(WildsMap, 33, 1);
  // The gate into the ring stands on a block at the end of the ledge, out of the fights' way.
  Portal* toTheRing = NearestGateTo(WildsMap);
  ASSERT_NE(toTheRing, nullptr);
  // Before the ledge a sign tells how the shielded goblin is beaten; the player reads it and
  // fights that goblin as it says.
  ConversationShape* sign = nullptr;
  for (const auto& modifier : world->modifiers) {
    auto* talk = dynamic_cast<ConversationShape*>(modifier.get());
    if (talk && !talk->npc && talk->region->position.x > X() &&
        talk->region->position.x < Placed(6).body->position.x) {
      sign = talk;
    }
  }
  ASSERT_NE(sign, nullptr);
  TalkThrough(*sign, "07-ledge-sign");
  for (int frame = 0; frame < UnderThePlanks && X() <= PastThePlanks; ++frame) {
    Hold({VirtualKey::D});
  }
  EXPECT_GT(X(), PastThePlanks) << "a walk passes under the plank frame without a jump";
  // Both goblins are fought at a person's pace, the second over the stone between their grounds.
  FightPlan asTheSignSays;
  asTheSignSays.asTheSignSays = true;
  Enemy& demoGoblin = Placed(6);
  ASSERT_TRUE(WalkTo(demoGoblin.body->position.x - GoblinMet));
  BeatAndCollect(demoGoblin, "08-demogoblin", asTheSignSays);
  Enemy& goblin = Placed(7);
  ASSERT_TRUE(WalkTo(goblin.body->position.x - GoblinMet));
  BeatAndCollect(goblin, "09-goblin", asTheSignSays);

  int stopped = 0;
  for (int frame = 0; frame < WalkLimit && X() < toTheRing->region->position.x + 1.0f; ++frame) {
    StepToward(true, stopped);
  }
  EXPECT_GT(X(), toTheRing->targetPosition.x - 0.5f) << "through the gate, on the ring's rim";
  EXPECT_GT(player->healthMeter->value, 0.0f);
}

TEST_F(WildsRoute, TheSparringMatchThenTheFarEndPaysForTheShops) {
  // The sparring partner waits in the ring's pit and cannot climb out: it is fought from the
  // rim. A strike meets it there only at the top of a leap, once a leap, and knocks it back
  // down, and it heals between its leaps: the match is fought, not won.
  Arrive(WildsMap, 84, 19);
  const auto* rim = dynamic_cast<const Quad*>(player->groundContact);
  ASSERT_NE(rim, nullptr);
  Keep("10-ring");
  FightPlan fromTheRim;
  fromTheRim.leftmost = rim->position.x - rim->width / 2 + RimClearance;
  fromTheRim.guard = false;
  fromTheRim.strikesToLand = SparringStrikes;
  BeatAndCollect(Placed(8), "11-sparring-partner", fromTheRim, false);

  // At the far end Tessa hands over a potion, and the gate behind her leads home.
  ConversationShape* tessa = FindTrigger<ConversationShape>(*world, "Tessa");
  ASSERT_NE(tessa, nullptr);
  TalkThrough(*tessa);
  Item* potion = player->itemStore->FindByName("Greater Healing Potion");
  ASSERT_NE(potion, nullptr);
  EXPECT_EQ(potion->quantity, 1);
  EXPECT_GT(player->healthMeter->value, 0.0f) << "alive at the far end";
  Keep("12-far-end");
  TakeGateTo(HubMap);

  // The herb seller takes the potion for tokens, and the tokens buy her wares.
  ShopShape* stall = FindTrigger<ShopShape>(*world, "Jennifer");
  ASSERT_NE(stall, nullptr);
  ASSERT_TRUE(WalkInto(*stall));
  MenuShop* shop = GameStates->menuShop;
  for (int line = 0; line < 10 && GameStates->current != shop; ++line) game.TapKey(VirtualKey::J);
  ASSERT_EQ(GameStates->current, shop);
  ASSERT_EQ(player->Tokens(), 0.0f) << "a new player holds no tokens";
  game.TapKey(VirtualKey::S);
  game.TapKey(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageSell);
  const float potionPrice = TradeOneOfTheFirstRow(*shop);
  EXPECT_EQ(potion->quantity, 0);
  EXPECT_GT(potionPrice, 0.0f);
  EXPECT_EQ(player->Tokens(), potionPrice);
  Keep("13-sold");
  game.TapKey(VirtualKey::I);
  game.TapKey(VirtualKey::J);
  ASSERT_EQ(shop->GetPage(), MenuShop::PageBuy);
  const float cost = TradeOneOfTheFirstRow(*shop);
  EXPECT_GT(cost, 0.0f);
  EXPECT_EQ(player->Tokens(), potionPrice - cost) << "a herb bought with the tokens";
  Keep("14-bought");
}
