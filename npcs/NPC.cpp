#include "npcs/NPC.h"

#include "actors/Playfield.h"
#include "actors/State.h"
#include "collision/Boundary.h"
#include "collision/Hit.h"
#include "engine/draw/Sprite.h"
#include "npcs/NPCAnimationPool.h"
#include "npcs/NPCCast.h"
#include "npcs/NPCState.h"
#include "player/Player.h"

using platform::Vector3;

namespace {

constexpr Color4 BodyColor{200, 0, 0, 120};
constexpr Color4 HitBoxFill{100, 200, 200, 120};

constexpr float Mass = 0.87f;
constexpr float DragFactor = 0.5f;
constexpr float AirDragFactor = 0.2f;
constexpr float BaseHealth = 150.0f;

}  // namespace

NPC::NPC(Playfield* owner, int32_t castKind, Texture* portraitPicture)
    : Actor(Cast()[castKind].name) {
  Initialize(owner, castKind, portraitPicture);
}

NPC::NPC(Playfield* owner, int32_t castKind, Texture* portraitPicture, const Vector3& position,
         std::unique_ptr<NPCAnimationPool> pool)
    : NPC(owner, castKind, portraitPicture) {
  m_pool = std::move(pool);
  m_boundingQuad->SetPosition(position);
  m_boundingQuad->previousPosition = position;
  if (!m_pool) return;
  m_states = std::make_unique<NPCStateSet>(this, *m_pool);
  EnterState(m_states->idling.get());

  const AnimationFrame* first = state->animation ? state->animation->current : nullptr;
  m_sprite = std::make_unique<Sprite>(first ? first->texture : nullptr, 1, position, 0.0f,
                                      platform::PixelRect{});
  if (first) SetSourceRectFromFrame(*m_sprite, *first);
  sprite = m_sprite.get();

  // The meters stay where they were made; nothing moves them.
  MakeMeters(position);

  state->StepAnimation(0.0f);
  state->UpdateShapeFrames(0.0f);
  state->PlaceStrikeShape();
  state->PlaceHitBox();
}

NPC::NPC(std::string standInName) : Actor(std::move(standInName)) { kind = ActorKindNpc; }

NPC::~NPC() = default;

void NPC::Initialize(Playfield* owner, int32_t castKind, Texture* portraitPicture) {
  const CastMember& member = Cast()[castKind];
  kind = ActorKindNpc;
  Actor::Initialize(owner);
  portraitTexture = portraitPicture;
  portrait = std::make_unique<Sprite>(portraitPicture);
  portraitCrop = std::make_unique<Sprite>(portraitPicture, 0, Vector3{}, 0.0f, PortraitCrop);
  description = member.description;
  m_dimensions = {BodyWidth, member.height, 0.0f};
  m_kind = castKind;

  m_boundingQuad = std::make_unique<BoundingQuad>();
  m_boundingQuad->SetName(name + " Bounding Quad");
  m_boundingQuad->SetFillColor(BodyColor);
  m_boundingQuad->SetDimensions(m_dimensions.x, m_dimensions.y, m_dimensions.z);
  body = m_boundingQuad.get();

  m_hitBox = std::make_unique<HitQuad>();
  m_hitBox->SetName(name + " Hit Box");
  m_hitBox->SetFillColor(HitBoxFill);
  m_hitBox->SetPosition(m_boundingQuad->position);
  m_hitBox->groupNumber = drawLayer;
  m_hitBox->SetDimensions(0.0f, 0.0f, 0.0f);
  hitBox = m_hitBox.get();

  StatBlock& gained = *stats;
  gained[Stat::Mass] = Mass;
  gained[Stat::DragFactor] = DragFactor;
  gained[Stat::AirDragFactor] = AirDragFactor;
  RecomputeTotalStats();
  SetGainedStat49(0.0f);
  SetGainedStat131(0.0f);
  SetGainedStat50(0.0f);
  SetGainedStat7(BaseHealth);
}

std::unique_ptr<NPC> NPC::CreateAt(Playfield* owner, Texture* portraitPicture,
                                   const Vector3& position,
                                   std::unique_ptr<NPCAnimationPool> pool) const {
  return std::make_unique<NPC>(owner, m_kind, portraitPicture, position, std::move(pool));
}

void NPC::EnterState(NPCState* next) {
  next->Enter();
  m_currentState = next;
  state = next;
}

void NPC::BeginConversation() {
  if (!m_states) return;
  FaceFirstPlayer();
  EnterState(m_states->speaking.get());
}

void NPC::EndConversation() {
  if (m_states) EnterState(m_states->idling.get());
}

void NPC::FaceFirstPlayer() {
  const Player* player = world ? world->GetFirstPlayer() : nullptr;
  if (!player || !player->body) return;
  facing = m_boundingQuad->position.x > player->body->position.x ? -1 : 1;
}

void NPC::Update(float dt) {
  if (!m_currentState) return;
  m_currentState->Update(dt);
  if (m_currentState->animation && m_currentState->animation->current) {
    SetSourceRectFromFrame(*m_sprite, *m_currentState->animation->current);
  }
  m_boundingQuad->Move(dt);
  const uint8_t mirrored = facing == -1 ? 1 : 0;
  if (m_sprite->flipHorizontal != mirrored) {
    m_sprite->flipHorizontal = mirrored;
    m_sprite->dirty = 1;
  }
  StepPhysics(dt);
  m_currentState->PlaceStrikeShape();
  m_currentState->PlaceHitBox();
}

void NPC::StepPhysics(float dt) {
  if (!world) return;
  BoundingShape* touched = nullptr;
  const Vector3 push = world->CollideWithBoundaries(m_boundingQuad.get(), &touched);
  groundContact = nullptr;
  wallContact = nullptr;
  if (push.x != 0.0f && touched && touched->type == ShapeTypeQuad) {
    wallContact = dynamic_cast<BoundingQuad*>(touched);
  }
  if (push.y != 0.0f && touched) groundContact = touched;
  m_boundingQuad->SetPosition(m_boundingQuad->position + push);
  if (m_sprite && m_currentState) {
    m_sprite->SetPosition(m_boundingQuad->position + m_currentState->spriteOffset);
  }
  // Each stop rewrites the whole velocity from the one read here, so a stop on landing gives
  // back the horizontal speed that a sideways push took.
  const Vector3 v = m_boundingQuad->velocity;
  if (push.x != 0.0f) m_boundingQuad->velocity = {0.0f, v.y, v.z};
  if ((push.y < 0.0f && v.y > 0.0f) || (push.y > 0.0f && v.y <= 0.0f)) {
    m_boundingQuad->velocity = {v.x, 0.0f, v.z};
  }
  if (groundContact) {
    ApplyDrag(dt);
  } else {
    ApplyAirDrag(dt);
  }
}
