#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/GameState.h"
#include "platform/MathTypes.h"

class Actor;
class BoundingShape;
class Camera;
class Controls;
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

  // Takes the loaded map out of the world and keeps the players. The modifiers go to the
  // deferred-delete list, so a modifier that clears the level stays valid to the frame's end.
  void ClearLevel();
  // The map reader is not written yet: the world only takes the path as its map name.
  void LoadMap(const std::string& path);
  std::string GetMapName() const { return mapName; }

  // The first player leads; the list may be empty.
  std::vector<Actor*> players;
  // The controls each player reads, in player order; a player without an entry reads none.
  std::vector<Controls*> playerControls;
  // Every actor the world updates.
  std::vector<Actor*> actors;
  // The level's solid shapes, in the order the boundary pass takes them; not owned here.
  std::vector<BoundingShape*> boundaries;
  // Strike shapes that attack states put into play; the states own them.
  std::vector<StrikeShape*> playerStrikes;
  std::vector<StrikeShape*> enemyStrikes;
  // The map's triggers, in map order.
  std::vector<std::unique_ptr<ModifierShape>> modifiers;
  // The damage numbers, drawn with the set's 17-point arc font.
  std::unique_ptr<FloatingTextList> floatingTexts;
  // Loaded when the world is built.
  std::unique_ptr<EnemyResources> enemyResources;
  // Units per second squared, scaled by each actor's mass.
  float gravity = 0.0f;
  // Drawn over the scene; the camera fades through it.
  std::unique_ptr<Quad> fadeQuad;
  // The content list handed to the debug menu.
  std::unique_ptr<std::vector<Shape*>> content;
  // The path of the loaded map.
  std::string mapName;
};
