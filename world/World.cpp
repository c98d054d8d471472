#include "world/World.h"

#include <algorithm>

#include "collision/Boundary.h"
#include "collision/BoundaryPass.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "enemies/Enemy.h"
#include "enemies/EnemyResources.h"
#include "engine/BitmapFonts.h"
#include "engine/Camera.h"
#include "engine/Controls.h"
#include "engine/DebugSwitches.h"
#include "engine/DeferredDeleteList.h"
#include "engine/FloatingText.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/TextDrawing.h"
#include "engine/Texture.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "items/ItemStore.h"
#include "npcs/NPC.h"
#include "npcs/NPCResources.h"
#include "player/Player.h"
#include "player/PlayerResources.h"
#include "world/ModifierShape.h"

using platform::Vector3;

namespace {

constexpr float FadeMargin = 10.0f;
constexpr Color4 FadeColor{255, 0, 0, 0};
constexpr Color4 WorldClearColor{42, 82, 101, 115};
// How far the progress lines of the pools stand in from the loading screen's lines.
constexpr float ProgressIndent = 20.0f;

// For vectors and for the shapes' own lists alike.
template <typename List, typename T>
void EraseFirst(List& list, const T* item) {
  auto found = std::find(list.begin(), list.end(), item);
  if (found != list.end()) list.erase(found);
}

// Takes the owned element out of the list and hands it over; null when it is not there.
template <typename T>
std::unique_ptr<T> Extract(std::vector<std::unique_ptr<T>>& list, const T* item) {
  auto found = std::find_if(list.begin(), list.end(),
                            [item](const std::unique_ptr<T>& held) { return held.get() == item; });
  if (found == list.end()) return nullptr;
  std::unique_ptr<T> taken = std::move(*found);
  list.erase(found);
  return taken;
}

// Objects that may still be read later in this frame go at its end.
template <typename T>
void DeferDeletes(std::vector<std::unique_ptr<T>>& list) {
  for (std::unique_ptr<T>& item : list) {
    // Without a frame loop there is no deferred list: they go with the list below.
    if (DeferredDeletes) DeferredDeletes->Add(std::move(item));
  }
  list.clear();
}

// The actor's picture on the layers the world draws: a sprite on the sprite layers, any other
// shape on the shape layers.
void InsertDrawable(World& world, Actor& actor) {
  if (!actor.sprite) return;
  if (auto* picture = dynamic_cast<Sprite*>(actor.sprite)) {
    world.spriteLayers.InsertBorrowed(actor.drawLayer, picture);
  } else {
    world.shapeLayers.InsertBorrowed(actor.drawLayer, actor.sprite);
  }
}

// Into play: updated with the actors, drawn, and owned by the level's list.
template <typename Placed>
Placed& PutInPlay(World& world, std::vector<std::unique_ptr<Placed>>& list,
                  std::unique_ptr<Placed> placed) {
  Placed& actor = *placed;
  world.AddActor(&actor);
  InsertDrawable(world, actor);
  list.push_back(std::move(placed));
  return actor;
}

}  // namespace

World::World(GameStateSet* owner, Camera* camera)
    : playerPool(std::make_unique<PlayerResources>()),
      players(playerPool->players),
      enemyResources(std::make_unique<EnemyResources>()),
      npcResources(std::make_unique<NPCResources>()),
      fadeQuad(std::make_unique<Quad>()) {
  SetName("World");
  set = owner;
  MainCamera = camera;
  fadeQuad->SetAltPositionXYZ(ScreenWidth * 0.5f, ScreenHeight * 0.5f, 0.0f);
  fadeQuad->SetDimensions(ScreenWidth + FadeMargin, ScreenHeight + FadeMargin, 0.0f);
  fadeQuad->SetFillColor(FadeColor);
  if (owner) floatingTexts->font = owner->fontArc17pt.get();
  itemStore = std::make_unique<ItemStore>();

  ProgressTextPosition.x += ProgressIndent;
  PresentProgressLine("Building player pool...");
  playerPool->Load(this, owner ? owner->interfaceAtlas.get() : nullptr);
  // The first player reads the keyboard only, through its own copy of the game's controls.
  if (GameControls) {
    firstPlayerControls = std::make_unique<Controls>(*GameControls);
    firstPlayerControls->keyboardEnabled = 1;
    firstPlayerControls->padEnabled.fill(0);
  }
  Player* first = playerPool->CreatePlayer(firstPlayerControls.get());
  first->playerIndex = static_cast<int32_t>(players.size()) - 1;
  AddActor(first);

  PresentProgressLine("Building enemy pool...");
  enemyResources->Load(this);
  PresentProgressLine("Building NPC pool...");
  npcResources->Load(this);
  ClearColor = WorldClearColor;
}

World::~World() {
  if (MainCamera && MainCamera->fadeShape == fadeQuad.get()) MainCamera->fadeShape = nullptr;
  fadeQuad.reset();
  MainCamera = nullptr;
  // The actors' pictures are theirs, not the maps'.
  for (Actor* actor : actors) ForgetDrawable(*actor);
  for (int index = static_cast<int>(players.size()) - 1; index >= 0; --index) RemovePlayer(index);
  playerPool->Free();
  // Placed enemies and characters go before the catalogues their pools came from.
  enemies.clear();
  npcs.clear();
  enemyResources->Free();
  npcResources->Free();
  resources.clear();
  actors.clear();
  modifiers.clear();
  shapeLayers.Clear();
  spriteLayers.Clear();
  boundaries.clear();
  playerStrikes.clear();
  enemyStrikes.clear();
}

Vector3 World::CollideWithBoundaries(BoundingShape* mover, BoundingShape** touched) {
  if (touched) *touched = nullptr;
  const Vector3 start = mover->position;
  if (boundaryGridStale || boundaryGrid.Size() != boundaries.size()) RefreshBoundaryGrid();
  PushOutOfLevelBoundaries(boundaries, boundaryGrid, *mover, touched);
  for (BoundingShape* boundary : actorBoundaries) PushOutOfBoundary(*boundary, *mover, touched);
  const Vector3 displacement = mover->position - start;
  mover->SetPosition(start);
  return displacement;
}

void World::RefreshBoundaryGrid() {
  if (boundaryGridStale || !boundaryGrid.Matches(boundaries)) boundaryGrid.Rebuild(boundaries);
  boundaryGridStale = false;
}

void World::CollectLayers(DebugSwitches& switches) const {
  for (const auto& [layer, entry] : shapeLayers.entries) switches.KnowLayer(layer);
  for (const auto& [layer, entry] : spriteLayers.entries) switches.KnowLayer(layer);
  for (const auto& boundary : boundaries) switches.KnowLayer(boundary->layer);
  for (const auto& modifier : modifiers) {
    if (modifier->region) switches.KnowLayer(modifier->region->layer);
  }
}

void World::ClearLevel() {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Stop();
  for (Player* player : players) {
    EraseFirst(actors, static_cast<Actor*>(player));
    ForgetDrawable(*player);
  }
  DeferDeletes(enemies);
  DeferDeletes(npcs);
  actors.clear();
  shapeLayers.Clear();
  spriteLayers.Clear();
  for (Player* player : players) {
    actors.push_back(player);
    if (auto* picture = dynamic_cast<Sprite*>(player->sprite)) {
      spriteLayers.InsertBorrowed(player->drawLayer, picture);
    }
  }
  for (const std::unique_ptr<BoundingShape>& boundary : boundaries) {
    ForgetBoundaryEverywhere(boundary.get());
  }
  for (BoundingShape* boundary : actorBoundaries) ForgetBoundaryEverywhere(boundary);
  boundaries.clear();
  boundaryGridStale = true;
  actorBoundaries.clear();
  if (set) {
    for (const std::unique_ptr<ModifierShape>& modifier : modifiers) set->ForgetModifier(*modifier);
  }
  DeferDeletes(modifiers);
  playerStrikes.clear();
  enemyStrikes.clear();
  ForgetReceivedStrikes();
  Enter();
}

void World::AddActor(Actor* actor) { actors.push_back(actor); }

Enemy& World::PlaceEnemy(std::unique_ptr<Enemy> enemy) {
  return PutInPlay(*this, enemies, std::move(enemy));
}

NPC& World::PlaceCharacter(std::unique_ptr<NPC> npc) {
  return PutInPlay(*this, npcs, std::move(npc));
}

BoundingShape* World::AddBoundary(std::unique_ptr<BoundingShape> boundary) {
  boundaryGridStale = true;
  boundaries.push_back(std::move(boundary));
  return boundaries.back().get();
}

std::unique_ptr<BoundingShape> World::RemoveBoundary(BoundingShape* boundary) {
  std::unique_ptr<BoundingShape> taken = Extract(boundaries, static_cast<const BoundingShape*>(boundary));
  boundaryGridStale = true;
  if (taken) ForgetBoundaryEverywhere(boundary);
  return taken;
}

ModifierShape* World::AddModifier(std::unique_ptr<ModifierShape> modifier) {
  modifiers.push_back(std::move(modifier));
  return modifiers.back().get();
}

std::unique_ptr<ModifierShape> World::RemoveModifier(ModifierShape* modifier) {
  std::unique_ptr<ModifierShape> taken =
      Extract(modifiers, static_cast<const ModifierShape*>(modifier));
  if (taken && set) set->ForgetModifier(*taken);
  return taken;
}

ModifierShape* World::FindModifierByShape(const Shape* shape) const {
  for (const std::unique_ptr<ModifierShape>& modifier : modifiers) {
    if (modifier->region.get() == shape) return modifier.get();
  }
  return nullptr;
}

LayerMap<Shape>::iterator World::FindShapeAt(int32_t layer, const Shape* shape) {
  return shapeLayers.FindAt(layer, shape);
}

LayerMap<Shape>::iterator World::FindShapeEntry(const Shape* shape) {
  return shapeLayers.FindEntry(shape);
}

void World::SetShapeLayer(Shape* shape, int32_t oldLayer, int32_t newLayer) {
  shapeLayers.SetLayer(shape, oldLayer, newLayer);
}

LayerMap<Sprite>::iterator World::FindSpriteAt(int32_t layer, const Sprite* sprite) {
  return spriteLayers.FindAt(layer, sprite);
}

LayerMap<Sprite>::iterator World::FindSpriteEntry(const Sprite* sprite) {
  return spriteLayers.FindEntry(sprite);
}

void World::SetSpriteLayer(Sprite* sprite, int32_t oldLayer, int32_t newLayer) {
  spriteLayers.SetLayer(sprite, oldLayer, newLayer);
}

std::unique_ptr<Sprite> World::RemoveSprite(const Sprite* sprite) {
  return spriteLayers.Remove(sprite);
}

NPC* World::FindNpcById(int32_t id) const {
  for (const std::unique_ptr<NPC>& npc : npcs) {
    if (npc->body && npc->body->id == id) return npc.get();
  }
  return nullptr;
}

Shape* World::FindPrimitiveById(int32_t id) const {
  for (const std::unique_ptr<BoundingShape>& boundary : boundaries) {
    if (boundary->id == id) return boundary.get();
  }
  for (const auto& [layer, entry] : shapeLayers.entries) {
    if (entry.item->id == id) return entry.item;
  }
  for (const auto& [layer, entry] : spriteLayers.entries) {
    if (entry.item->id == id) return entry.item;
  }
  return nullptr;
}

Texture* World::FindResourceByName(const std::string& name) const {
  for (const std::unique_ptr<Texture>& texture : resources) {
    if (Object::GetNarrowName(*texture) == name) return texture.get();
  }
  return nullptr;
}

void World::ForgetStrike(StrikeShape* strike) {
  if (!strike) return;
  for (Player* player : players) {
    HitShape* hitBox = player ? player->hitBox : nullptr;
    if (!hitBox) continue;
    hitBox->Forget(strike);
    // The strike forgets the player in turn, so that it keeps no stale hit.
    strike->hitList.RemoveAll(hitBox);
  }
}

Player* World::AddPlayer(Controls* controls) {
  Player* player = playerPool->CreatePlayer(controls);
  player->playerIndex = static_cast<int32_t>(players.size()) - 1;
  AddActor(player);
  return player;
}

void World::RemovePlayer(int index) {
  if (index < 0 || index >= static_cast<int>(players.size())) return;
  Player* player = players[static_cast<size_t>(index)];
  player->LeavePlay();
  EraseFirst(actors, static_cast<Actor*>(player));
  ForgetDrawable(*player);
  players.erase(players.begin() + index);
}

void World::RemoveExtraPlayers() {
  for (int index = static_cast<int>(players.size()) - 1; index >= 1; --index) RemovePlayer(index);
}

Player* World::GetFirstPlayer() const { return players.empty() ? nullptr : players.front(); }

void World::ForgetDrawable(const Actor& actor) {
  if (!actor.sprite) return;
  if (auto* picture = dynamic_cast<const Sprite*>(actor.sprite)) {
    spriteLayers.Remove(picture);
  } else {
    shapeLayers.Remove(actor.sprite);
  }
}

void World::ForgetBoundaryEverywhere(const BoundingShape* boundary) {
  for (Actor* actor : actors) {
    if (BoundingQuad* body = actor->body) {
      for (auto* list : {&body->passThroughList, &body->pushingList, &body->ignoreList}) {
        list->RemoveAll(boundary);
      }
    }
    if (actor->groundContact == boundary) {
      actor->groundContact = nullptr;
      actor->onGround = 0;
    }
    if (actor->wallContact == boundary) actor->wallContact = nullptr;
  }
}

void World::ForgetReceivedStrikes() {
  for (Player* player : players) {
    HitShape* hitBox = player->hitBox;
    if (!hitBox) continue;
    for (StrikeShape* strike : hitBox->hitList) {
      strike->hitList.RemoveAll(hitBox);
    }
    hitBox->hitList.clear();
  }
}
