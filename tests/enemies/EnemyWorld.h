#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <istream>
#include <memory>
#include <vector>

#include "actors/EnemyResources.h"
#include "engine/Globals.h"
#include "player/Player.h"
#include "support/RenderGlobals.h"
#include "support/TestWorld.h"

// A value the program's generator is to give, taken modulo a number.
struct RandomDraw {
  int modulus;
  int value;
};

// A world with a long floor whose top is y = 0, the game's enemy catalogue and its first player,
// which stands where it is put: a 1 x 2 body with a hit box of the same size. The drawing
// globals are those of start-up, so that screen sizes turn into world lengths as in the game.
class EnemyWorld : public ::testing::Test, protected RenderGlobals {
 protected:
  static constexpr float Gravity = 40.0f;
  static constexpr float Frame = 1.0f / 60.0f;

  EnemyWorld()
      : world(nullptr, nullptr),
        floor(&AddBoundaryQuad(world, 0.0f, -0.5f, 200.0f, 1.0f)),
        player(*world.GetFirstPlayer()) {
    SetInterfaceColors();
    world.gravity = Gravity;
    player.state = &playerState;
    player.body->SetDimensions(1.0f, 2.0f, 0.0f);
    player.hitBox->SetDimensions(1.0f, 2.0f, 0.0f);
    PlacePlayer(50.0f, 1.0f);
  }

  // An enemy of the class at the place, with a pool of its own from the catalogue.
  template <typename EnemyClass>
  std::unique_ptr<EnemyClass> Make(float x, float y) {
    return std::make_unique<EnemyClass>(
        &world, platform::Vector3{x, y, 0.0f},
        Enemy::CreateAnimationPool(*world.enemyResources, EnemyClass::Kind));
  }

  // What the map reader does with an enemy's line after its kind.
  std::unique_ptr<Enemy> ReadLine(int kind, std::istream& in) {
    return world.enemyResources->GetPrototype(kind)->ReadRecord(
        in, &world, Enemy::CreateAnimationPool(*world.enemyResources, kind));
  }

  // The enemy in play as the map reader leaves it: the world owns it, updates and draws it.
  template <typename EnemyClass>
  EnemyClass* Place(std::unique_ptr<Enemy> made) {
    auto* placed = static_cast<EnemyClass*>(made.get());
    world.AddActor(placed);
    world.spriteLayers.InsertBorrowed(placed->drawLayer, dynamic_cast<Sprite*>(placed->sprite));
    world.enemies.push_back(std::move(made));
    return placed;
  }

  void PlacePlayer(float x, float y) {
    player.body->SetPositionXYZ(x, y, 0.0f);
    player.body->previousPosition = player.body->position;
    player.hitBox->SetPositionXYZ(x, y, 0.0f);
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

  // Steps until the enemy is in one of the states of its table; false after ten seconds.
  bool StepUntil(const Enemy& enemy, std::initializer_list<int> states) {
    for (int frame = 0; frame < 600; ++frame) {
      for (int index : states) {
        if (enemy.state == enemy.GetState(index)) return true;
      }
      Step();
    }
    return false;
  }

  // Seeds the generator so that its next values are these draws.
  static void ForceDraws(const std::vector<RandomDraw>& draws) {
    for (unsigned seed = 1;; ++seed) {
      std::srand(seed);
      bool match = true;
      for (const RandomDraw& draw : draws) match = match && std::rand() % draw.modulus == draw.value;
      if (match) {
        std::srand(seed);
        return;
      }
    }
  }
  static void ForceCoins(const std::vector<int>& coins) {
    std::vector<RandomDraw> draws;
    for (int coin : coins) draws.push_back({2, coin});
    ForceDraws(draws);
  }

  World world;
  BoundingQuad* floor;
  Player& player;
  InertState playerState;
};
