#include "monkey/Invariants.h"

#include <algorithm>
#include <unordered_set>

#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/Strike.h"
#include "engine/GameStateSet.h"
#include "menus/MenuDialog.h"
#include "menus/MenuSave.h"
#include "menus/MenuShop.h"
#include "npcs/NPC.h"
#include "player/Player.h"
#include "player/PlayerResources.h"
#include "triggers/ConversationShape.h"
#include "triggers/SaveShape.h"
#include "world/ModifierShape.h"
#include "world/World.h"

namespace {

template <typename Range, typename T>
bool Holds(const Range& range, const T* item) {
  return std::any_of(range.begin(), range.end(), [item](const auto& entry) {
    if constexpr (requires { entry.get(); }) {
      return entry.get() == item;
    } else {
      return entry == item;
    }
  });
}

std::string CheckScreens(const GameStateSet& set) {
  if (!Holds(set.screens, set.current)) return "the current screen is none of the set";
  if (set.previous && !Holds(set.screens, set.previous)) {
    return "the previous screen is none of the set";
  }
  return {};
}

std::string CheckPlayers(const World& world) {
  const PlayerResources& pool = *world.playerPool;
  for (size_t i = 0; i < world.players.size(); ++i) {
    const Player* player = world.players[i];
    if (!Holds(pool.made, player)) return "a player in play that the pool did not make";
    if (std::count(world.actors.begin(), world.actors.end(), player) != 1) {
      return "player " + std::to_string(i) + " is not in the actors exactly once";
    }
    if (player->playerIndex != static_cast<int32_t>(i)) {
      return "player " + std::to_string(i) + " has index " + std::to_string(player->playerIndex);
    }
  }
  for (const Actor* actor : world.actors) {
    if (actor->kind == Player::ActorKindPlayer &&
        !Holds(world.players, static_cast<const Player*>(actor))) {
      return "an actor player that is not in play";
    }
  }
  return {};
}

// Every entry is read: under the sanitizers a destroyed shape is reported at once, and
// without them its kind is most likely garbage.
template <typename T>
bool AllOfKind(const ShapeRefList<T>& list, int32_t kind) {
  return std::all_of(list.begin(), list.end(),
                     [kind](const T* shape) { return shape->kind == kind; });
}

std::string CheckShapes(const World& world) {
  // What a body may stand on, touch or be held by: the level's boundaries, the actors' solid
  // volumes, the actors' bodies.
  std::unordered_set<const Boundary*> solids;
  for (const auto& boundary : world.boundaries) solids.insert(boundary.get());
  for (const BoundingShape* boundary : world.actorBoundaries) solids.insert(boundary);
  for (const Actor* actor : world.actors) solids.insert(actor->body);
  for (const Actor* actor : world.actors) {
    const BoundingQuad* body = actor->body;
    if (!body) continue;
    for (const auto* list : {&body->passThroughList, &body->pushingList}) {
      for (const BoundingShape* shape : *list) {
        if (!solids.count(shape)) return actor->GetName() + "'s body lists a boundary gone";
      }
    }
    if (actor->groundContact && !solids.count(actor->groundContact)) {
      return actor->GetName() + " stands on a boundary gone";
    }
    if (actor->wallContact && !solids.count(actor->wallContact)) {
      return actor->GetName() + " touches a wall gone";
    }
    if (!AllOfKind(body->ignoreList, Interactive::KindBoundary)) {
      return actor->GetName() + "'s body ignores a shape that is no boundary";
    }
    if (actor->hitBox && !AllOfKind(actor->hitBox->hitList, Interactive::KindStrike)) {
      return actor->GetName() + "'s hit box lists a shape that is no strike";
    }
  }
  for (const auto* strikes : {&world.playerStrikes, &world.enemyStrikes}) {
    for (const StrikeShape* strike : *strikes) {
      if (!AllOfKind(strike->hitList, Interactive::KindHit)) {
        return "a strike in play lists a shape that is no hit box";
      }
    }
  }
  for (const auto& boundary : world.boundaries) {
    if (!AllOfKind(boundary->ignoreList, Interactive::KindBoundary)) {
      return "a boundary ignores a shape that is no boundary";
    }
  }
  return {};
}

// A conversation or save point that follows a shape follows one the level still holds.
std::string CheckAnchors(const World& world) {
  std::unordered_set<const Shape*> shapes;
  for (const auto& boundary : world.boundaries) shapes.insert(boundary.get());
  for (const auto& [layer, entry] : world.shapeLayers.entries) shapes.insert(entry.item);
  for (const auto& [layer, entry] : world.spriteLayers.entries) shapes.insert(entry.item);
  for (const Actor* actor : world.actors) shapes.insert(actor->body);
  for (const auto& modifier : world.modifiers) {
    const Shape* anchor = nullptr;
    if (const auto* conversation = dynamic_cast<const ConversationShape*>(modifier.get())) {
      anchor = conversation->anchor;
    } else if (const auto* savePoint = dynamic_cast<const SaveShape*>(modifier.get())) {
      anchor = savePoint->anchor;
    }
    if (anchor && !shapes.count(anchor))
      return "a modifier follows a shape the level no longer holds";
  }
  return {};
}

// A screen's pointer into the level names something the level still holds.
std::string CheckScreenPointers(const GameStateSet& set, const World& world) {
  const auto& modifiers = world.modifiers;
  if (set.menuShop && set.menuShop->GetConversation() &&
      !Holds(modifiers, static_cast<const ModifierShape*>(set.menuShop->GetConversation()))) {
    return "the shop keeps a conversation the level no longer holds";
  }
  if (set.menuSave && set.menuSave->savePoint &&
      !Holds(modifiers, static_cast<const ModifierShape*>(set.menuSave->savePoint))) {
    return "the save screen keeps a save point the level no longer holds";
  }
  const MenuDialog* dialog = set.menuDialog;
  if (dialog && set.current == dialog) {
    if (dialog->conversation &&
        !Holds(modifiers, static_cast<const ModifierShape*>(dialog->conversation))) {
      return "the conversation shown is not in the level";
    }
    for (const auto* group : {&dialog->m_leftGroup, &dialog->m_rightGroup}) {
      for (const NPC* npc : *group) {
        if (!Holds(world.npcs, npc)) return "a speaker shown is not in the level";
      }
    }
  }
  return {};
}

}  // namespace

std::string BrokenInvariant(const GameStateSet& set) {
  std::string broken = CheckScreens(set);
  if (broken.empty() && set.world) broken = CheckPlayers(*set.world);
  if (broken.empty() && set.world) broken = CheckShapes(*set.world);
  if (broken.empty() && set.world) broken = CheckAnchors(*set.world);
  if (broken.empty() && set.world) broken = CheckScreenPointers(set, *set.world);
  return broken;
}
