#include "player/PlayerResources.h"

#include <array>

#include "engine/Texture.h"
#include "player/Player.h"

namespace {

constexpr uint32_t SheetSide = 1024;
constexpr std::array<const char*, 4> SheetPaths = {
    "Content\\Textures\\Characters\\Player\\mainAnimations9.png",
    "Content\\Textures\\Characters\\Player\\attackAnimationAtlas1.png",
    "Content\\Textures\\Characters\\Player\\attackAnimationAtlas2.png",
    "Content\\Textures\\Characters\\Player\\attackAnimationAtlas3.png",
};
constexpr platform::Vector3 StartPosition{1.0f, 0.0f, 0.0f};

}  // namespace

PlayerResources::PlayerResources() = default;

PlayerResources::~PlayerResources() { Free(); }

void PlayerResources::Load(Playfield* owner, Texture* interfaceAtlas) {
  world = owner;
  hudAtlas = interfaceAtlas;
  for (const char* path : SheetPaths) textures.push_back(LoadTexture(path, SheetSide, SheetSide));
}

void PlayerResources::Free() {
  world = nullptr;
  players.clear();
  // The players' states show frames of the sheets: the players go first.
  made.clear();
  textures.clear();
}

Player* PlayerResources::CreatePlayer(Controls* controls) {
  made.push_back(std::make_unique<Player>(world, textures, hudAtlas, controls, StartPosition));
  players.push_back(made.back().get());
  return made.back().get();
}
