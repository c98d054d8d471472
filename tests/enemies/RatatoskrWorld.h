#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

#include "enemies/EnemyResources.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrStates.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "support/RenderGlobals.h"
#include "support/TestWorld.h"

// A value the program's generator is to give, taken modulo a number.
struct RandomDraw {
  int modulus;
  int value;
};

// A timed state, the boundary of its clock, and the state it is in after a step of no length
// from a clock on the boundary and from one just past it.
struct TimedRow {
  int state;
  float length;
  int atLength, pastLength;
  // It ends on its animation's length instead of its drawn time limit.
  bool swing = false;
};

// A world with a long floor whose top is y = 0, the game's enemy catalogue and its first player,
// which stands where it is put: a 1 x 2 body with a hit box of the same size, taken out of the
// actors that a frame updates. The camera is the start-up one, so that screen sizes turn into
// world lengths as in the game; it comes after the world, whose textures are then only records.
class RatatoskrWorld : public ::testing::Test {
 protected:
  static constexpr float Gravity = 40.0f;
  static constexpr float Frame = 1.0f / 60.0f;
  // The height of a Ratatoskr's body centre when it stands on the floor.
  static constexpr float Standing = Ratatoskr::BodyHeight / 2;

  RatatoskrWorld()
      : world(nullptr, nullptr),
        floor(&AddBoundaryQuad(world, 0.0f, -0.5f, 200.0f, 1.0f)),
        player(*world.GetFirstPlayer()) {
    SetInterfaceColors();
    world.gravity = Gravity;
    std::erase(world.actors, static_cast<Actor*>(&player));
    player.body->SetDimensions(1.0f, 2.0f, 0.0f);
    player.hitBox->SetDimensions(1.0f, 2.0f, 0.0f);
    PlacePlayer(50.0f, 1.0f);
  }

  // An enemy of that class at the place, with a pool of its own from the catalogue.
  template <typename EnemyClass>
  std::unique_ptr<EnemyClass> Make(float x, float y) {
    return std::make_unique<EnemyClass>(
        &world, platform::Vector3{x, y, 0.0f},
        Enemy::CreateAnimationPool(*world.enemyResources, EnemyClass::Kind));
  }
  std::unique_ptr<Ratatoskr> MakeRatatoskr(float x, float y = Standing) {
    return Make<Ratatoskr>(x, y);
  }

  void PlacePlayer(float x, float y) {
    player.body->SetPositionXYZ(x, y, 0.0f);
    player.body->previousPosition = player.body->position;
    player.hitBox->SetPositionXYZ(x, y, 0.0f);
  }

  // What the map reader does with an enemy's line after its kind.
  std::unique_ptr<Enemy> ReadLine(std::istream& in, int kind = Ratatoskr::Kind) {
    return world.enemyResources->GetPrototype(kind)->ReadRecord(
        in, &world, Enemy::CreateAnimationPool(*world.enemyResources, kind));
  }

  // Puts the enemy into play as the map reader does: the world's enemy, updated and drawn.
  template <typename EnemyClass>
  EnemyClass* PutInPlay(std::unique_ptr<Enemy> made) {
    return static_cast<EnemyClass*>(&world.PlaceEnemy(std::move(made)));
  }

  // One frame of the world: the held step while a hit-stop holds an actor.
  void Step() {
    for (Actor* actor : world.actors) {
      if (actor->state && actor->state->holdTimer > 0.0f) {
        actor->UpdateHeld(Frame);
      } else {
        actor->Update(Frame);
      }
    }
  }

  // Steps until the enemy is in one of the states; false after ten seconds.
  template <typename EnemyClass>
  bool StepUntil(const EnemyClass& enemy, std::initializer_list<int> states) {
    for (int frame = 0; frame < 600; ++frame) {
      for (int index : states) {
        if (enemy.state == enemy.GetState(index)) return true;
      }
      Step();
    }
    return false;
  }

  // A time limit as drawn at entry.
  static constexpr float DrawnLimit = 1.0f;

  // An enemy of that class standing at x = 0 facing right, in each row's state with its time
  // limit set to the drawn one, takes a step of no length with its clock just before, on and
  // just past the boundary. The player stands far ahead, so that nothing else is decided.
  template <typename EnemyClass>
  void CheckEachEndsAtItsBoundary(const std::vector<TimedRow>& rows, float standing) {
    PlacePlayer(40.0f, standing);
    for (const TimedRow& row : rows) {
      const std::array<int, 3> expected{row.state, row.atLength, row.pastLength};
      for (size_t at = 0; at < expected.size(); ++at) {
        SCOPED_TRACE(::testing::Message() << "state " << row.state << ", clock " << at);
        auto enemy = Make<EnemyClass>(0.0f, standing);
        enemy->groundContact = floor;
        enemy->SwitchState(row.state);
        auto& current = *enemy->GetState(row.state);
        float* limit = nullptr;
        if constexpr (requires { current.timeLimit; }) {
          limit = &current.timeLimit;
        } else {
          limit = &current.wait;
        }
        const float length = row.swing ? current.animationLength : (*limit = DrawnLimit);
        ASSERT_NEAR(length, row.length, 1e-6f);
        current.stateTime = at == 0   ? std::nextafter(length, 0.0f)
                            : at == 1 ? length
                                      : std::nextafter(length, 2.0f * length);
        ForceCoins({0, 0});
        current.Update(0.0f);
        EXPECT_EQ(enemy->state, enemy->GetState(expected[at]));
      }
    }
  }

  // Seeds the generator so that its next values are these draws.
  static void ForceDraws(const std::vector<RandomDraw>& draws) {
    for (unsigned seed = 1;; ++seed) {
      std::srand(seed);
      bool match = true;
      for (const RandomDraw& draw : draws) {
        match = match && std::rand() % draw.modulus == draw.value;
      }
      if (match) {
        std::srand(seed);
        return;
      }
    }
  }
  // The same for coins, draws modulo 2.
  static void ForceCoins(const std::vector<int>& coins) {
    std::vector<RandomDraw> draws;
    for (int coin : coins) draws.push_back({2, coin});
    ForceDraws(draws);
  }

  World world;
  BoundingQuad* floor;
  Player& player;
  RenderGlobals drawing;
};
