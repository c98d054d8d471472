#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "actors/Actor.h"
#include "platform/MathTypes.h"

class HitQuad;
class NPCAnimationPool;
class NPCState;
class Sprite;
class Texture;
struct NPCStateSet;

// A non-player character of the cast: it stands where the map puts it, falls onto the
// boundaries, idles, and while a conversation runs speaks, turned to the first player. It
// never attacks and nothing hits it: its hit box has no extent.
class NPC : public Actor {
 public:
  static constexpr int32_t ActorKindNpc = 2;
  static constexpr float BodyWidth = 0.9f;

  // The prototype of a kind (0 to 18): name, description, portrait, body and hit box, but no
  // states, drawn sprite or meters. It is never placed.
  NPC(Playfield* owner, int32_t castKind, Texture* portraitPicture);
  // A character in play at the place, idling on a pool of its own.
  NPC(Playfield* owner, int32_t castKind, Texture* portraitPicture,
      const platform::Vector3& position, std::unique_ptr<NPCAnimationPool> pool);
  ~NPC() override;

  // A character of the same kind in play at the place.
  std::unique_ptr<NPC> CreateAt(Playfield* owner, Texture* portraitPicture,
                                const platform::Vector3& position,
                                std::unique_ptr<NPCAnimationPool> pool) const;

  // The state, the frame's picture, the move, the mirror, the physics, the hit box.
  void Update(float dt) override;
  void DrawDebugInfo() override { DrawDebugShapes(); }

  // Turns to the first player and speaks until EndConversation brings it back to idling.
  // Either one entered again restarts its state.
  virtual void BeginConversation();
  virtual void EndConversation();
  // Faces left while it stands right of the first player, else right; with no player it
  // keeps its facing.
  void FaceFirstPlayer();
  // Out of the boundaries: the contacts, the body and sprite moved out, the velocity stopped
  // against what pushed, then ground or air drag.
  void StepPhysics(float dt);

  // Its place in the cast.
  int32_t m_kind = 0;
  Texture* portraitTexture = nullptr;  // not owned
  // The dialogue screen places and draws it.
  std::unique_ptr<Sprite> portrait;
  // The part of the portrait that the people pages show.
  std::unique_ptr<Sprite> portraitCrop;
  // The idling or the speaking state; null on a prototype.
  NPCState* m_currentState = nullptr;

 protected:
  // A speaker outside the cast that brings its own parts: no body, states or pictures yet.
  explicit NPC(std::string standInName);
  using Actor::Initialize;

 private:
  void Initialize(Playfield* owner, int32_t castKind, Texture* portraitPicture);
  void EnterState(NPCState* next);

  // Declared first, so that the states' animations go before the frame they show.
  std::unique_ptr<NPCAnimationPool> m_pool;
  platform::Vector3 m_dimensions;
  std::unique_ptr<BoundingQuad> m_boundingQuad;
  std::unique_ptr<HitQuad> m_hitBox;
  std::unique_ptr<NPCStateSet> m_states;
  std::unique_ptr<Sprite> m_sprite;
};
