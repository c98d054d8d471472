#include "world/World.h"

#include <algorithm>

#include "actors/Actor.h"
#include "actors/EnemyResources.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "collision/ModifierShape.h"
#include "collision/PushOut.h"
#include "collision/Strike.h"
#include "engine/BitmapFonts.h"
#include "engine/DeferredDeleteList.h"
#include "engine/FloatingText.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/SoundBank.h"
#include "engine/draw/Quad.h"

using platform::Vector3;

namespace {

constexpr float FadeMargin = 10.0f;
constexpr Color4 FadeColor{255, 0, 0, 0};

bool Holds(const std::vector<BoundingShape*>& list, const BoundingShape* shape) {
  return std::find(list.begin(), list.end(), shape) != list.end();
}

void Erase(std::vector<BoundingShape*>& list, const BoundingShape* shape) {
  auto found = std::find(list.begin(), list.end(), shape);
  if (found != list.end()) list.erase(found);
}

void AppendUnique(std::vector<BoundingShape*>& list, BoundingShape* shape) {
  if (!Holds(list, shape)) list.push_back(shape);
}

bool HasMoved(const Shape& shape) { return !(shape.position == shape.previousPosition); }

}  // namespace

World::World(GameStateSet* owner, Camera* camera)
    : floatingTexts(std::make_unique<FloatingTextList>()),
      fadeQuad(std::make_unique<Quad>()),
      content(std::make_unique<std::vector<Shape*>>()) {
  if (owner) floatingTexts->font = owner->fontArc17pt.get();
  enemyResources = std::make_unique<EnemyResources>();
  enemyResources->Load(this);
  SetName("World");
  set = owner;
  MainCamera = camera;
  fadeQuad->SetAltPositionXYZ(ScreenWidth * 0.5f, ScreenHeight * 0.5f, 0.0f);
  fadeQuad->SetDimensions(ScreenWidth + FadeMargin, ScreenHeight + FadeMargin, 0.0f);
  fadeQuad->SetFillColor(FadeColor);
}

World::~World() = default;

Vector3 World::CollideWithBoundaries(BoundingShape* mover, BoundingShape** touched) {
  if (touched) *touched = nullptr;
  const Vector3 start = mover->position;
  for (BoundingShape* boundary : boundaries) {
    if (Holds(boundary->ignoreList, mover)) continue;
    // Pairs too far apart for their bounding radii, or both at rest, are left at once.
    const float dx = boundary->position.x - mover->position.x;
    const float dy = boundary->position.y - mover->position.y;
    const float reach = boundary->extent + mover->extent;
    if (dx * dx + dy * dy >= reach * reach || (!HasMoved(*boundary) && !HasMoved(*mover))) {
      Erase(mover->heldList, boundary);
      Erase(mover->touchingList, boundary);
      continue;
    }
    BoundingShape* pusher = nullptr;
    bool hold = false;
    const Vector3 push = ComputePushOut(mover, boundary, &pusher, &hold);
    mover->SetPosition(mover->position + push);
    if (push == Vector3{}) {
      Erase(mover->touchingList, boundary);
    } else {
      if (touched) *touched = pusher;
      AppendUnique(mover->touchingList, boundary);
    }
    if (hold) {
      AppendUnique(mover->heldList, boundary);
    } else {
      Erase(mover->heldList, boundary);
    }
  }
  const Vector3 displacement = mover->position - start;
  mover->SetPosition(start);
  return displacement;
}

void World::ForgetStrike(StrikeShape* strike) {
  if (!strike) return;
  for (Actor* player : players) {
    HitShape* hitBox = player ? player->hitBox : nullptr;
    if (!hitBox) continue;
    hitBox->Forget(strike);
    // The strike forgets the player in turn, so that it keeps no stale hit.
    auto& hit = strike->hitList;
    hit.erase(std::remove(hit.begin(), hit.end(), hitBox), hit.end());
  }
}

void World::ClearLevel() {
  if (MainSoundBank && MainSoundBank->music) MainSoundBank->music->Stop();
  // The players stay, first in the actor list as when the world was built.
  actors.assign(players.begin(), players.end());
  boundaries.clear();
  for (std::unique_ptr<ModifierShape>& modifier : modifiers) {
    // Without a frame loop there is no deferred list: they go with the list below.
    if (DeferredDeletes) DeferredDeletes->Add(std::move(modifier));
  }
  modifiers.clear();
  playerStrikes.clear();
  enemyStrikes.clear();
  // Entering again fades the view back in once the next map is there.
  Enter();
}

void World::LoadMap(const std::string& path) { mapName = path; }
