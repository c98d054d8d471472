#pragma once

#include <istream>
#include <memory>

#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrStates.h"
#include "tests/enemies/EnemyWorld.h"

// The enemy world with Ratatoskrs standing on its floor.
class RatatoskrWorld : public EnemyWorld {
 protected:
  // The height of a Ratatoskr's body centre when it stands on the floor.
  static constexpr float Standing = Ratatoskr::BodyHeight / 2;

  std::unique_ptr<Ratatoskr> MakeRatatoskr(float x, float y = Standing) {
    return Make<Ratatoskr>(x, y);
  }
  std::unique_ptr<Enemy> ReadLine(std::istream& in) {
    return EnemyWorld::ReadLine(Ratatoskr::Kind, in);
  }
};
