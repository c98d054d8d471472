#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>
#include <string>

#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Strike.h"
#include "enemies/DemoEnemy.h"
#include "enemies/Enemy.h"
#include "engine/BarMeter.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/KeyboardLayer.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "items/ItemStore.h"
#include "menus/DeathScreen.h"
#include "menus/MenuDialog.h"
#include "menus/MenuSave.h"
#include "menus/MenuTitle.h"
#include "menus/pause/MenuPause.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "support/GameHarness.h"
#include "support/MapTriggers.h"
#include "triggers/ConversationShape.h"
#include "triggers/Portal.h"
#include "triggers/SaveShape.h"
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
// A beaten enemy knocked off the ground lies down again within this many frames.
constexpr int SettleLimit = 60;
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
// A person's pace: every key held at least this long, every choice made on what was seen at
// least this long ago, and a strike begun after letting go of every key for a moment. A
// person's own pace may be slower by up to the slack, from one choice to the next.
constexpr int KeyFrames = 12;
constexpr int ReactionFrames = 18;
constexpr int StrikePause = 6;
struct Pace {
  int reactionSlack = 0;
  int keySlack = 0;
  int pauseSlack = 0;
};
constexpr Pace EvenPace{};
constexpr Pace APersonsOwnPace{12, 8, 6};
// The plank frame past the ledge's sign is walked under in this many frames, to beyond this place.
constexpr int UnderThePlanks = 120;
constexpr float PastThePlanks = 44.0f;
// A goblin is met this far before its place.
constexpr float GoblinMet = 4.0f;
// The rack before the ring lends these, worn in these slots of the Stats page.
constexpr const char* PracticeWeapon = "Practice Dagger";
constexpr const char* PracticeArmor = "Practice Vest";
constexpr int WeaponSlot = 0;
constexpr int ArmorSlot = 2;
// The ring's matches after a lost one, each at a pace of its own: the first from where the loss
// woke the player, the others from the save at the waystone before the ring, continued from the
// title. A new player wins most of them.
constexpr unsigned MatchSeeds[] = {1, 2, 3, 4, 5};
constexpr int MatchesWon = 4;
// A death wakes the player within this of the waystone he saved at, within this many frames.
constexpr float WokenBeside = 2.0f;
constexpr int WakeLimit = 3 * 60;
// A gate within the same map sets the player down within this of its target.
constexpr float SetDown = 0.5f;

bool StateNamed(const Actor& actor, const wchar_t* part) {
  return actor.state && actor.state->name.find(part) != std::wstring::npos;
}

bool Beaten(const Enemy& enemy) {
  return StateNamed(enemy, L"Dead") || StateNamed(enemy, L"Downed");
}

bool Swinging(const Enemy& enemy) {
  return StateNamed(enemy, L"ttacking") && enemy.state->stateTime < SwingWindUp;
}

// Where the player may stand while fighting, whether it guards the enemy's swings, and whether
// it plays at a person's pace, as the ledge's sign and Kavi tell.
struct FightPlan {
  float leftmost = -1000.0f;
  float rightmost = 1000.0f;
  bool guard = true;
  bool atAPersonsPace = false;
  Pace pace = EvenPace;
};

// What the player saw of the enemy, and where he stood, in one frame.
struct Sight {
  float x = 0.0f;
  bool swinging = false;
  float ownX = 0.0f;
};

// A key held for its last held frames, none before them, with the jump key when it leaps.
struct Move {
  int key = 0;
  int framesLeft = 0;
  int held = 0;
  bool leaps = false;
};

// A new player's way from the hub through the wilds, driven by keys alone, in three stretches
// (the second begins at the waystone and ends in the ring's matches, the third in the ring),
// with frames of each fight kept to be looked at.
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
    undrawn ? game.StepUndrawn() : game.Step();
  }

  // A key pressed at a person's pace: held, let go, and the next one pressed a moment later.
  void Press(int key) {
    for (int frame = 0; frame < KeyFrames; ++frame) Hold({key});
    for (int frame = 0; frame < ReactionFrames; ++frame) Hold({});
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

  // Walks that way, jumping what stops the walk, until it is done; true when it is.
  template <typename Done>
  bool WalkUntil(bool right, Done done) {
    const int walk = right ? VirtualKey::D : VirtualKey::A;
    int stopped = 0;
    int jumping = 0;
    for (int frame = 0; frame < WalkLimit && !done(); ++frame) {
      const float x = X();
      jumping > 0 ? Hold({walk, VirtualKey::I}) : Hold({walk});
      jumping = std::max(jumping - 1, 0);
      stopped = X() == x ? stopped + 1 : 0;
      if (stopped == StoppedFrames) jumping = JumpFrames;
    }
    Hold({});
    return done();
  }

  // Through a gate to another map, up the step it stands on.
  void TakeGateTo(const std::string& map) {
    Portal* gate = NearestGateTo(map);
    ASSERT_NE(gate, nullptr) << map;
    ASSERT_TRUE(WalkUntil(gate->region->position.x > X(), [&] { return gate->triggered != 0; }));
    for (int frame = 0; frame < MapChangeLimit && world->GetMapName() != map; ++frame) game.Step();
    ASSERT_EQ(world->GetMapName(), map);
    game.StepFrames(60);
  }

  // Fights with the moves it has until the enemy is beaten: closes in, faces it, strikes when it
  // is within reach and guards a swing about to land. Frames are kept when the enemy is first
  // hit, when it first strikes out and once the fight is over; undrawn, only the last, when
  // named.
  bool Beat(Enemy& enemy, const std::string& name, const FightPlan& plan) {
    const float health = enemy.healthMeter->value;
    // Nothing of the last fight is still being answered.
    sight.clear();
    move = {};
    bool shownHit = undrawn;
    bool shownSwing = undrawn;
    int stopped = 0;
    fightFrames = 0;
    for (; fightFrames < FightLimit && !Beaten(enemy); ++fightFrames) {
      const int frame = fightFrames;
      const float dx = enemy.body->position.x - X();
      const float dy = enemy.body->position.y - player->body->position.y;
      const bool level = std::abs(dy) < SameLevel;
      const bool swinging = Swinging(enemy);
      if (plan.atAPersonsPace) {
        PlayAtAPersonsPace(enemy, plan);
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
      if (!shownHit && enemy.healthMeter->value < health) {
        shownHit = true;
        Keep(name + "-hit");
      }
      if (!shownSwing && StrikeLive(enemy)) {
        shownSwing = true;
        Keep(name + "-swings");
      }
      // A fall opens the death screen at once; the health left may recover a little before it.
      if (GameStates->current == GameStates->deathScreen) {
        game.Platform().ReleaseAllKeys();
        return false;
      }
    }
    const bool beaten = Beaten(enemy);
    Hold({});
    game.StepFrames(20);
    // A strike that lands as it falls can knock it off the ground once more; it lies down again.
    for (int frame = 0; frame < SettleLimit && beaten && !Beaten(enemy); ++frame) game.Step();
    if (!name.empty()) Keep(name + "-beaten");
    return beaten;
  }

  // A roll of the dice between 0 and the slack.
  int Slack(int slack) { return std::uniform_int_distribution<int>(0, slack)(dice); }

  // One frame of a player who does as the ledge's sign and Kavi tell, at a person's pace:
  // strikes on, through a shield until its guard breaks, and, when the plan guards, guards
  // while the enemy shoves or swings.
  void PlayAtAPersonsPace(const Enemy& enemy, const FightPlan& plan) {
    sight.push_back({enemy.body->position.x, Swinging(enemy), X()});
    const size_t slowest = ReactionFrames + plan.pace.reactionSlack;
    if (sight.size() > slowest) sight.pop_front();
    if (move.framesLeft == 0) {
      const size_t reaction = ReactionFrames + Slack(plan.pace.reactionSlack);
      const Sight& seen = sight[sight.size() - std::min(reaction, sight.size())];
      const int held = KeyFrames + Slack(plan.pace.keySlack);
      const float dx = seen.x - X();
      if (plan.guard && seen.swinging) {
        move = {VirtualKey::P, held, held};
      } else if (std::abs(dx) > StrikeReach + enemy.body->width / 2 ||
                 (dx > 0) != (player->facing > 0)) {
        const int walk = dx > 0 ? VirtualKey::D : VirtualKey::A;
        // A walk that has got nowhere since the last look is taken over what stops it.
        move = {walk, held, held, move.key == walk && seen.ownX == X()};
      } else {
        move = {VirtualKey::J, StrikePause + Slack(plan.pace.pauseSlack) + held, held};
      }
    }
    if (move.framesLeft > move.held) {
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

  // A conversation of no one's that stands last before the east place, past the west one.
  ConversationShape* SignBetween(float west, float east) const {
    ConversationShape* sign = LastTriggerBefore<ConversationShape>(
        *world, east, [](const ConversationShape& talk) { return !talk.npc; });
    return sign && sign->region->position.x > west ? sign : nullptr;
  }

  // A loss costs only the ring: the death screen wakes the player on this map, beside the
  // waystone before the ring that he saved at.
  void WakeBesideTheWaystone() {
    for (int frame = 0; frame < WakeLimit && GameStates->current != world; ++frame) Hold({});
    ASSERT_EQ(GameStates->current, world);
    ASSERT_EQ(world->GetMapName(), WildsMap);
    RecordProperty("woken at", std::to_string(X()));
    const Shape& stone = *LastTriggerBefore<SaveShape>(*world)->region;
    EXPECT_LE(std::abs(X() - stone.position.x), WokenBeside) << "woken at " << X();
    EXPECT_TRUE(stone.ContainsPoint(player->body->position));
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

  // Through a gate to another place of the same map: walks at it, jumping what stops the walk,
  // until the gate sets the player down at its target.
  bool TakeGateWithinTheMap(const Portal& gate) {
    return WalkUntil(gate.region->position.x > X(),
                     [&] { return std::abs(X() - gate.targetPosition.x) <= SetDown; });
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

  GameHarness game;
  World* world = nullptr;
  Player* player = nullptr;
  float earned = 0.0f;
  std::deque<Sight> sight;
  Move move;
  std::mt19937 dice;
  int fightFrames = 0;
  // Long plays step the game without drawing it.
  bool undrawn = false;
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

TEST_F(WildsRoute, FromTheWaystoneOverTheGoblinsLedgeAndTheRingsMatches) {
  Arrive(WildsMap, 33, 1);
  // Before the ledge a sign tells how the shielded goblin is beaten; the player reads it and
  // fights that goblin as it says.
  ConversationShape* sign = SignBetween(X(), Placed(6).body->position.x);
  ASSERT_NE(sign, nullptr);
  TalkThrough(*sign, "07-ledge-sign");
  for (int frame = 0; frame < UnderThePlanks && X() <= PastThePlanks; ++frame) {
    Hold({VirtualKey::D});
  }
  EXPECT_GT(X(), PastThePlanks) << "a walk passes under the plank frame without a jump";
  // Both goblins are fought at a person's pace, the second over the stone between their grounds.
  FightPlan asTheSignSays;
  asTheSignSays.atAPersonsPace = true;
  Enemy& demoGoblin = Placed(6);
  ASSERT_TRUE(WalkTo(demoGoblin.body->position.x - GoblinMet));
  BeatAndCollect(demoGoblin, "08-demogoblin", asTheSignSays);
  Enemy& goblin = Placed(7);
  ASSERT_TRUE(WalkTo(goblin.body->position.x - GoblinMet));
  BeatAndCollect(goblin, "09-goblin", asTheSignSays);
  EXPECT_GT(player->healthMeter->value, 0.0f);

  // Past the goblins a rack lends practice gear, which the player wears as it says, and a
  // waystone keeps the journey before the gate into the ring.
  Portal* toTheRing = NearestGateTo(WildsMap);
  ASSERT_NE(toTheRing, nullptr);
  SaveShape* waystone = LastTriggerBefore<SaveShape>(*world);
  ASSERT_NE(waystone, nullptr);
  EXPECT_GT(waystone->region->position.x, goblin.body->position.x);
  EXPECT_LT(waystone->region->position.x, toTheRing->region->position.x);
  ConversationShape* rack = SignBetween(X(), toTheRing->region->position.x);
  ASSERT_NE(rack, nullptr);
  // Up the step to it, and landed before the strike key talks.
  ASSERT_TRUE(WalkTo(rack->region->position.x));
  for (int frame = 0; frame < MapChangeLimit && !player->groundContact; ++frame) Hold({});
  TalkThrough(*rack, "10-practice-gear");
  EXPECT_EQ(player->itemStore->FindByName(PracticeWeapon)->quantity, 1);
  EXPECT_EQ(player->itemStore->FindByName(PracticeArmor)->quantity, 1);
  Press(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, GameStates->menuPause);
  for (const int key : {VirtualKey::J, VirtualKey::S, VirtualKey::J, VirtualKey::S, VirtualKey::S,
                        VirtualKey::J, VirtualKey::S, VirtualKey::J}) {
    Press(key);
  }
  Keep("10-practice-gear-worn");
  Press(VirtualKey::Esc);
  ASSERT_EQ(GameStates->current, world);
  ASSERT_EQ(player->equipped[WeaponSlot]->GetName(), PracticeWeapon);
  ASSERT_EQ(player->equipped[ArmorSlot]->GetName(), PracticeArmor);
  ASSERT_TRUE(WalkInto(*waystone));
  for (int press = 0; press < 3; ++press) Press(VirtualKey::J);
  ASSERT_EQ(GameStates->current, world);
  ASSERT_EQ(GameStates->menuSave->m_mode, MenuSave::ModeSaved);

  // A player who only stands in the ring loses to the sparring partner, and the death screen
  // wakes him at the waystone he has just saved at, in the same play, the gear still worn.
  ASSERT_TRUE(TakeGateWithinTheMap(*toTheRing)) << "set down in the ring";
  game.StepFrames(60);
  Keep("11-ring");
  undrawn = true;
  fightFrames = 0;
  for (; fightFrames < FightLimit && GameStates->current != GameStates->deathScreen;
       ++fightFrames) {
    Hold({});
  }
  RecordProperty("lost match seconds", std::to_string(fightFrames * GameHarness::FrameSeconds));
  ASSERT_EQ(GameStates->current, GameStates->deathScreen) << "lost the match";
  WakeBesideTheWaystone();
  undrawn = false;
  EXPECT_EQ(player->equipped[WeaponSlot]->GetName(), PracticeWeapon);
  EXPECT_EQ(player->equipped[ArmorSlot]->GetName(), PracticeArmor);

  // Each match through the gate onto the ring's floor, the sparring partner fought as Kavi tells
  // at a pace of the match's own; after the first, the saved journey is continued from the title.
  MenuTitle* title = GameStates->menuTitle;
  FightPlan asKaviSays;
  asKaviSays.atAPersonsPace = true;
  asKaviSays.guard = false;
  asKaviSays.pace = APersonsOwnPace;
  int won = 0;
  for (const unsigned seed : MatchSeeds) {
    if (seed != MatchSeeds[0]) {
      GameStates->SwitchTo(title);
      game.StepFrames(ReactionFrames);
      Press(VirtualKey::Enter);
      ASSERT_EQ(title->m_selection, MenuTitle::ButtonContinue);
      Press(VirtualKey::Enter);
      ASSERT_EQ(GameStates->current, world);
      ASSERT_EQ(player->equipped[ArmorSlot]->GetName(), PracticeArmor) << "kept by the save";
      // The record keeps no health: a journey continued when the game starts begins whole, as
      // play after a loss does, whatever the last match left.
      player->healthMeter->value = player->healthMeter->maximum;
    }
    ASSERT_TRUE(TakeGateWithinTheMap(*NearestGateTo(WildsMap))) << "set down in the ring";
    Enemy* partner = nullptr;
    for (const auto& enemy : world->enemies) {
      if (enemy->enemyKind == DemoEnemy::Kind) partner = enemy.get();
    }
    ASSERT_NE(partner, nullptr);
    dice.seed(seed);
    undrawn = true;
    const float experience = Experience();
    const bool beaten = Beat(*partner, won == 0 ? "12-sparring-partner" : "", asKaviSays);
    undrawn = false;
    EXPECT_EQ(Experience(), experience) << "a sparring partner pays nothing";
    const std::string match = "match " + std::to_string(seed);
    RecordProperty(match + " seconds", std::to_string(fightFrames * GameHarness::FrameSeconds));
    RecordProperty(match + " health left", std::to_string(player->healthMeter->value));
    RecordProperty(match + " won", beaten ? 1 : 0);
    won += beaten ? 1 : 0;
    if (!beaten) WakeBesideTheWaystone();
  }
  EXPECT_GE(won, MatchesWon);
}

TEST_F(WildsRoute, TheRingsFarGateThenTessasKeepsakeAndTheGateHomeUpItsStep) {
  // The gate at the ring's far end stands on a step: the fight is left by a leap onto it.
  Arrive(WildsMap, 91, 1);
  Portal* wayOut = nullptr;
  for (const auto& modifier : world->modifiers) {
    auto* gate = dynamic_cast<Portal*>(modifier.get());
    if (gate && gate->targetMap == WildsMap && gate->region->position.x > X()) wayOut = gate;
  }
  ASSERT_NE(wayOut, nullptr);
  ASSERT_TRUE(TakeGateWithinTheMap(*wayOut)) << "on Tessa's side of the ring";

  // At the far end Tessa hands over a keepsake, and the gate up on the step behind her leads
  // home.
  ConversationShape* tessa = FindTrigger<ConversationShape>(*world, "Tessa");
  ASSERT_NE(tessa, nullptr);
  TalkThrough(*tessa);
  Item* ribbon = player->itemStore->FindByName("Ring Ribbon");
  ASSERT_NE(ribbon, nullptr);
  EXPECT_EQ(ribbon->quantity, 1);
  EXPECT_GT(player->healthMeter->value, 0.0f) << "alive at the far end";
  Keep("13-far-end");
  TakeGateTo(HubMap);
}
