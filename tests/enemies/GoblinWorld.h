#pragma once

#include <algorithm>
#include <memory>

#include "collision/Collide.h"
#include "collision/Strike.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinStates.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinStates.h"
#include "tests/enemies/RatatoskrWorld.h"

// The enemy world with goblins standing on its floor, and the first player's swing: a 2 x 2
// strike that the test puts where it likes.
class GoblinWorld : public RatatoskrWorld {
 protected:
  // The heights of the body centres when they stand on the floor.
  static constexpr float GoblinStanding = Goblin::BodyHeight / 2;
  static constexpr float DemoGoblinStanding = DemoGoblin::StandingSize.y / 2;

  GoblinWorld() {
    swing.SetDimensions(2.0f, 2.0f, 0.0f);
    swing.owner = &player;
    swing.force = 3.0f;
    swing.freezeTime = 0.1f;
  }

  // The swing in play, centred at the point.
  void Swing(float x, float y, float damage, float staminaDamage = 0.0f) {
    swing.SetPositionXYZ(x, y, 0.0f);
    swing.damage = damage;
    swing.staminaDamage = staminaDamage;
    world.playerStrikes = {&swing};
  }
  // Out of play, and forgotten by everything it struck, so that the next one can land.
  void EndSwing() {
    world.playerStrikes.clear();
    for (HitShape* struck : swing.hitList) struck->Forget(&swing);
    swing.hitList.clear();
  }

  // Steps while the enemy stays in the state; true when the strike was in play over the
  // player's hit box at some frame.
  bool StrikeReachesPlayer(const Actor& enemy, const State* during, const StrikeShape* strike) {
    bool reached = false;
    for (int frame = 0; frame < 600 && enemy.state == during; ++frame) {
      const auto& live = world.enemyStrikes;
      reached = reached || (std::find(live.begin(), live.end(), strike) != live.end() &&
                            Collide(strike, player.hitBox));
      Step();
    }
    return reached;
  }

  StrikeQuad swing;
};
