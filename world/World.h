#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "actors/Playfield.h"
#include "collision/BoundaryGrid.h"
#include "engine/GameState.h"
#include "engine/draw/LayerMap.h"
#include "platform/MathTypes.h"

class Actor;
class BoundingShape;
class Camera;
class Controls;
class DebugSwitches;
class Enemy;
class EnemyResources;
class FloatingTextList;
class ItemStore;
class ModifierShape;
class NPC;
class NPCResources;
class Player;
class PlayerResources;
class Quad;
class Shape;
class Sprite;
class StrikeShape;
class Texture;

// How far the view may reach: its top edge no higher than top, its left edge no further left
// than left, and so on. Each starts as no limit until a map header sets it.
struct CameraLimits {
  float top = std::numeric_limits<float>::infinity();
  float left = -std::numeric_limits<float>::infinity();
  float bottom = -std::numeric_limits<float>::infinity();
  float right = std::numeric_limits<float>::infinity();
};

// The running numbers in the names of the map content the reader makes ("Boundary Quad 3").
// They start at 0 with the world and are never reset, so names stay distinct over the run.
struct MapNameCounts {
  int32_t boundaryQuads = 0;
  int32_t boundaryCircles = 0;
  int32_t texturedQuads = 0;
  int32_t texturedCircles = 0;
  int32_t texturedSprites = 0;
};

// The playing state: the loaded level and everything in it.
class World : public GameState, public Playfield {
 public:
  World(GameStateSet* set, Camera* camera);
  ~World() override;

  // Resumes play: the music plays on, the screen fades in, the players' interfaces are placed.
  void Enter() override;
  // Screen switches, then the input of the modifiers, the players and the other actors.
  void HandleInput(float dt) override;
  // Only the debug menu's key.
  void HandleInputHeld(float dt) override;
  // Music, listener, modifiers, actors, floating texts, camera.
  void Update(float dt) override;
  void UpdateHeld(float dt) override;
  // The scene by layers, the interfaces, the diagnostics, and last the fade.
  void Draw() override;
  // Five lines of diagnostics at the bottom left.
  void DrawDebugOverlay() override;
  void DrawHeld() override { Draw(); }
  // Frames the players within the camera limits.
  void UpdateCamera();
  // Sprites take their drawn size from the camera's distance: after the eye moves, each is
  // rebuilt at its next draw.
  void MarkSpritesDirty();

  platform::Vector3 CollideWithBoundaries(BoundingShape* mover,
                                          BoundingShape** touched = nullptr) override;
  // Brings the boundary pass's grid up to the boundaries' places; each frame's update does.
  void RefreshBoundaryGrid();
  // Enters every layer the content uses into the debug switches, visible and selectable; a
  // layer already there keeps its flags.
  void CollectLayers(DebugSwitches& switches) const;

  // Takes the loaded map out of the world and keeps the players. The modifiers, enemies and
  // non-player characters go to the deferred-delete list, so one that clears the level stays
  // valid to the frame's end; the screens let go of the modifiers at once.
  void ClearLevel();
  // Reads the map file at the path into the world, or the default map when it cannot be
  // opened; either way the map name becomes the path. Neither clears the level nor moves the
  // players.
  void LoadMap(const std::string& path);
  // Writes the level as the map of that name in the maps folder. False, with the old file left
  // as it was, when it could not be written whole.
  bool SaveMap(const std::string& name);
  std::string GetMapName() const { return mapName; }

  // Content lists; none of these reports failure.
  void AddActor(Actor* actor);
  // Puts the enemy or character into play as a map places it: updated with the actors, drawn
  // on its layer, kept with the level's. Returns it.
  Enemy& PlaceEnemy(std::unique_ptr<Enemy> enemy);
  NPC& PlaceCharacter(std::unique_ptr<NPC> npc);
  BoundingShape* AddBoundary(std::unique_ptr<BoundingShape> boundary);
  // Takes the boundary out of the world and out of every body's contact lists; the caller
  // gets it back. Null when it is not in the world.
  std::unique_ptr<BoundingShape> RemoveBoundary(BoundingShape* boundary);
  ModifierShape* AddModifier(std::unique_ptr<ModifierShape> modifier);
  // Takes the modifier out of the world; the screens let go of it and the caller gets it back.
  std::unique_ptr<ModifierShape> RemoveModifier(ModifierShape* modifier);
  ModifierShape* FindModifierByShape(const Shape* shape) const;
  LayerMap<Shape>::iterator FindShapeAt(int32_t layer, const Shape* shape);
  LayerMap<Shape>::iterator FindShapeEntry(const Shape* shape);
  void SetShapeLayer(Shape* shape, int32_t oldLayer, int32_t newLayer);
  LayerMap<Sprite>::iterator FindSpriteAt(int32_t layer, const Sprite* sprite);
  LayerMap<Sprite>::iterator FindSpriteEntry(const Sprite* sprite);
  void SetSpriteLayer(Sprite* sprite, int32_t oldLayer, int32_t newLayer);
  std::unique_ptr<Sprite> RemoveSprite(const Sprite* sprite);
  NPC* FindNpcById(int32_t id) const;
  // A boundary first, then a textured shape, then a sprite.
  Shape* FindPrimitiveById(int32_t id) const;
  Texture* FindResourceByName(const std::string& name) const;
  void ForgetStrike(StrikeShape* strike) override;
  GameStateSet* ScreenSet() const override { return set; }
  const EnemyResources* EnemyCatalogue() const override { return enemyResources.get(); }

  // Players: the pool owns them; these only change the world's lists. A removed player's
  // current state ends what it started.
  // A new player on the controls, at the end of the list; its index is its position.
  Player* AddPlayer(Controls* controls = nullptr);
  void RemovePlayer(int index);
  void RemoveExtraPlayers();
  Player* GetFirstPlayer() const override;

  // The first player's own copy of the game's controls, keyboard only.
  std::unique_ptr<Controls> firstPlayerControls;
  // The pool that owns every player for the whole run.
  std::unique_ptr<PlayerResources> playerPool;
  // The players in play, first player first: the pool's own list.
  std::vector<Player*>& players;
  // The path of the loaded map, as LoadMap was given it.
  std::string mapName;
  std::unique_ptr<EnemyResources> enemyResources;
  std::unique_ptr<NPCResources> npcResources;
  // Added to the camera's focus.
  platform::Vector3 cameraOffset{0.0f, 2.0f, 0.0f};
  // Drawn over the scene; the camera fades through it.
  std::unique_ptr<Quad> fadeQuad;
  // Read from the map header and kept for it; nothing else reads them.
  std::array<float, 2> headerPair{};
  float headerFloat = 0.0f;
  // The camera mode of the map header, written back as it was read: 'm' follows the players,
  // 's' holds the eye at the stationary eye.
  char cameraMode = 'm';
  platform::Vector3 stationaryEye;
  MapNameCounts nameCounts;
  CameraLimits cameraLimits;
  // Every actor the world updates: the players first.
  std::vector<Actor*> actors;
  // The textures the map names.
  std::vector<std::unique_ptr<Texture>> resources;
  // The level's solid shapes, in the order the boundary pass takes them.
  std::vector<std::unique_ptr<BoundingShape>> boundaries;
  // The broad phase of the boundary pass over `boundaries`; stale once the list changes.
  BoundaryGrid boundaryGrid;
  bool boundaryGridStale = true;
  // The map's triggers, in map order.
  std::vector<std::unique_ptr<ModifierShape>> modifiers;
  // The map's textured quads and circles.
  LayerMap<Shape> shapeLayers;
  // The enemies and non-player characters placed on the loaded map.
  std::vector<std::unique_ptr<Enemy>> enemies;
  std::vector<std::unique_ptr<NPC>> npcs;

 private:
  // Sets the music's volume and switches; a null target changes nothing.
  void SwitchScreen(GameState* target);
  // Escape on the player's keyboard or its start control opens the pause menu for it.
  bool OpensPause(Player& player);
  bool DebugSwitch(int toggle) const;
  // Drawn while the debug menu marks the layer visible; everything is drawn without a debug
  // menu.
  bool LayerVisible(int32_t layer) const;
  // Erases the actor's picture from whichever layer map holds it.
  void ForgetDrawable(const Actor& actor);
  // No body, contact or hit box of a player keeps pointing at a boundary that leaves.
  void ForgetBoundaryEverywhere(const BoundingShape* boundary);
  // The players' hit boxes forget every strike that hit them, and those strikes forget them.
  void ForgetReceivedStrikes();
};
