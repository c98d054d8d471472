#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "collision/ShapeRefList.h"
#include "engine/draw/LayerMap.h"
#include "platform/MathTypes.h"

class BoundingShape;
class EnemyResources;
class FloatingTextList;
class ItemStore;
class Player;
class Sprite;
class StrikeShape;
struct GameStateSet;

// The World as its characters see it: what they fall in, collide with, strike through and
// show on. The World owns and runs the characters, and each character acts in its World; this
// is the one place where the characters call back into it.
class Playfield {
 public:
  enum DeathMode : int32_t { DeathModeScreen = 0, DeathModeRespawn = 1 };

  Playfield();
  virtual ~Playfield();
  Playfield(const Playfield&) = delete;
  Playfield& operator=(const Playfield&) = delete;

  // The displacement that frees the mover from every boundary, pushed out of one boundary
  // after another in list order; the mover is left where it was and the caller applies the
  // result. Keeps the mover's pass-through and pushing lists. touched, when given, gets the last
  // boundary that pushed, or null.
  virtual platform::Vector3 CollideWithBoundaries(BoundingShape* mover,
                                                  BoundingShape** touched = nullptr) = 0;
  // Lets the strike hit every player again: each player's hit box forgets it once, and the
  // strike forgets the players' hit boxes.
  virtual void ForgetStrike(StrikeShape* strike) = 0;
  virtual Player* GetFirstPlayer() const = 0;
  // The screens of the game the World is part of; null for a World outside one.
  virtual GameStateSet* ScreenSet() const = 0;
  // The catalogue of enemy kinds the World loaded.
  virtual const EnemyResources* EnemyCatalogue() const = 0;

  // Units per second squared, scaled by each actor's mass.
  float gravity = 0.0f;
  // Every item of the game, for the world's own use.
  std::unique_ptr<ItemStore> itemStore;
  // Solid volumes of actors (a breakable wall's block), taken by the boundary pass after the
  // level's. The actors own them; one leaves the list when it is destroyed or the level is
  // cleared. Never written to a map.
  ShapeRefList<BoundingShape> actorBoundaries;
  // Strike shapes that attack states put into play; the states own them.
  std::vector<StrikeShape*> playerStrikes;
  std::vector<StrikeShape*> enemyStrikes;
  // The map's sprites with the actors' pictures.
  LayerMap<Sprite> spriteLayers;
  // While set, the players' strikes hit the other players as well.
  uint8_t playersHitPlayers = 1;
  int32_t deathMode = DeathModeRespawn;
  // Where death mode 1 brings a player back.
  platform::Vector3 spawnPoint;
  // The damage numbers, drawn with the set's 17-point arc font.
  std::unique_ptr<FloatingTextList> floatingTexts;
};
