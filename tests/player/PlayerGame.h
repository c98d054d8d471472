#pragma once

#include <algorithm>
#include <memory>

#include "collision/Strike.h"
#include "enemies/EnemyResources.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrState.h"
#include "player/AttackState.h"
#include "support/PlayingWorld.h"

// The running game with its floor drawn, where the player walks, jumps and fights: Ratatoskrs
// are placed as the map reader places them, the attack states seen through their entries.
class PlayerGame : public PlayingWorld {
 protected:
  void SetUp() override {
    ShowFloor();
    PlayingWorld::SetUp();
  }

  // Standing on the floor at x, idling on the world's list like every placed enemy.
  Ratatoskr& PlaceRatatoskr(float x) {
    std::unique_ptr<Enemy> made =
        world->enemyResources->GetPrototype(Ratatoskr::Kind)
            ->CreateAt(world, x, FloorTop + Ratatoskr::BodyHeight / 2, 0.0f, 0);
    auto& rat = static_cast<Ratatoskr&>(world->PlaceEnemy(std::move(made)));
    // As a map load ends: the debug menu shows every layer the world now has.
    GameStates->menuDebug->CollectLayers();
    return rat;
  }

  static bool In(const Ratatoskr& rat, int index) {
    return rat.state == static_cast<State*>(rat.GetState(index));
  }
  AttackState& Attack(PlayerStateSlot slot) const {
    return static_cast<AttackState&>(*player->StateAt(slot));
  }
  PlayerState* Current() const { return player->CurrentState(); }
  bool InPlay(const StrikeShape* strike) const {
    return std::find(world->playerStrikes.begin(), world->playerStrikes.end(), strike) !=
           world->playerStrikes.end();
  }
  // Steps until the player stands idle; false after two seconds.
  bool StepUntilIdle() {
    for (int frame = 0; frame < 120; ++frame) {
      if (Current() == player->StateAt(SlotIdling)) return true;
      game.Step();
    }
    return false;
  }
};
