#include "enemies/EnemyKinds.h"

#include <algorithm>

#include "enemies/DemoEnemy.h"
#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoGoblin.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/DemoWall.h"
#include "enemies/DemoWallAnimationPool.h"
#include "enemies/Goblin.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/NidhoggletAggressive.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "enemies/NidhoggletPassive.h"
#include "enemies/Ratatoskr.h"
#include "enemies/RatatoskrAnimationPool.h"

namespace {

// The sheets of a character's folder, as the program stores their paths.
std::vector<std::string> Sheets(const std::string& folder,
                                std::initializer_list<const char*> files) {
  std::vector<std::string> paths;
  for (const char* file : files) {
    paths.push_back("Content\\Textures\\Characters\\" + folder + '\\' + file);
  }
  return paths;
}

// The row of a kind whose pool and prototype are both built from its texture group.
template <int32_t Number, typename Kind, typename Pool>
EnemyKind Row(std::string name, std::vector<std::string> textures) {
  static_assert(Number == Kind::Kind, "a kind's row and its class write the same number");
  return {Number, std::move(name), std::move(textures),
          [](const TextureGroup& group) { return std::make_unique<Pool>(group); },
          [](Playfield* owner, const TextureGroup& group) {
            return std::make_unique<Kind>(owner, group);
          }};
}

}  // namespace

const EnemyKindTable& RegisteredEnemyKinds() {
  static const EnemyKindTable kinds{
      Row<0, DemoEnemy, DemoEnemyAnimationPool>(
          "Demo Enemy",
          Sheets("DemoEnemy",
                 {"demoEnemyAttackAnimationAtlas0.png", "demoEnemyAttackAnimationAtlas1.png",
                  "demoEnemyAttackAnimationAtlas2.png", "demoEnemyAttackAnimationAtlas3.png"})),
      Row<1, NidhoggletPassive, NidhoggletPassiveAnimationPool>(
          "Passive Nidhogglet", Sheets("Nidhogglets", {"nidhogglets.png"})),
      Row<2, NidhoggletAggressive, NidhoggletAggressiveAnimationPool>(
          "Nidhogglet", Sheets("Nidhogglets", {"nidhogglets.png"})),
      Row<3, Ratatoskr, RatatoskrAnimationPool>("Ratatoskr",
                                                Sheets("Ratatoskr", {"Ratatoskr.png"})),
      Row<4, Goblin, GoblinAnimationPool>(
          "Goblin", Sheets("Goblin", {"goblin_frames.png", "goblin_shielded.png"})),
      Row<5, DemoGoblin, DemoGoblinAnimationPool>(
          "DemoGoblin", Sheets("Goblin", {"goblin_frames.png", "goblin_shielded.png"})),
      Row<6, DemoWall, DemoWallAnimationPool>("DemoWall", Sheets("DemoWall", {"DemoWall.png"})),
  };
  return kinds;
}

int EnemyKindCount() { return static_cast<int>(RegisteredEnemyKinds().size()); }

bool IsEnemyKind(long long kind) { return kind >= 0 && kind < EnemyKindCount(); }

const std::string& EnemyKindName(int32_t kind) {
  static const std::string none;
  const EnemyKindTable& kinds = RegisteredEnemyKinds();
  const auto row = std::ranges::find(kinds, kind, &EnemyKind::number);
  return row != kinds.end() ? row->name : none;
}
