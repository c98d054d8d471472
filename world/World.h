#pragma once

#include <memory>
#include <vector>

#include "engine/GameState.h"
#include "platform/MathTypes.h"

class Actor;
class BoundingShape;
class Camera;
class EnemyResources;
class FloatingTextList;
class ModifierShape;
class Quad;
class Shape;
class StrikeShape;

// The playing state: the level and everything in it.
class World : public GameState {
 public:
  World(GameStateSet* set, Camera* camera);
  ~World() override;

  void Enter() override {}
  void HandleInput(float) override {}
  void HandleInputHeld(float) override {}
  void Update(float) override {}
  void UpdateHeld(float) override {}
  void Draw() override {}
  void DrawDebugOverlay() override {}
  void DrawHeld() override {}

  // The displacement that frees the mover from every boundary, pushed out of one boundary
  // after another in list order; the mover is left where it was and the caller applies the
  // result. Keeps the mover's held and touching lists. touched, when given, gets the last
  // boundary that pushed, or null.
  platform::Vector3 CollideWithBoundaries(BoundingShape* mover, BoundingShape** touched = nullptr);
  // Lets the strike hit every player again: each player's hit box forgets it once, and the
  // strike forgets the players' hit boxes.
  void ForgetStrike(StrikeShape* strike);

  // The first player leads; the list may be empty.
  std::vector<Actor*> players;
  // Every actor the world updates.
  std::vector<Actor*> actors;
  // The level's solid shapes, in the order the boundary pass takes them; not owned here.
  std::vector<BoundingShape*> boundaries;
  // Strike shapes that attack states put into play; the states own them.
  std::vector<StrikeShape*> playerStrikes;
  std::vector<StrikeShape*> enemyStrikes;
  std::vector<ModifierShape*> modifiers;
  FloatingTextList* floatingTexts = nullptr;
  // Loaded when the world is built.
  std::unique_ptr<EnemyResources> enemyResources;
  // Units per second squared, scaled by each actor's mass.
  float gravity = 0.0f;
  // Drawn over the scene; the camera fades through it.
  std::unique_ptr<Quad> fadeQuad;
  // The content list handed to the debug menu.
  std::unique_ptr<std::vector<Shape*>> content;
};
