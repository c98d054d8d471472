#include "player/Player.h"

#include <cstdlib>
#include <fstream>

#include "actors/Playfield.h"
#include "engine/BarMeter.h"
#include "engine/BitmapFonts.h"
#include "engine/CircularMeter.h"
#include "engine/FileIO.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/Sound.h"
#include "engine/SoundSystem.h"
#include "player/PlayerFrameTable.h"
#include "player/PlayerHudCells.h"
#include "player/PlayerRecordFormat.h"
#include "player/PlayerState.h"

using platform::Vector3;

namespace {

constexpr std::array<const char*, Player::SoundCount> SoundPaths = {
    "Content/Audio/DirtStep1.wav", "Content/Audio/DirtStep2.wav", "Content/Audio/DirtStep3.wav",
    "Content/Audio/DirtStep4.wav", "Content/Audio/DirtStep5.wav", "Content/Audio/Roll2v2.wav",
    "Content/Audio/WallSlide.wav", "Content/Audio/Jump.wav",      "Content/Audio/AirDashv2.wav",
    "Content/Audio/Swing1v2.wav",  "Content/Audio/Swing2v2.wav",  "Content/Audio/Swing3v2.wav",
    "Content/Audio/Swing4v2.wav",  "Content/Audio/gust1v2.wav",   "Content/Audio/gust2v2.wav",
};

// From the corner of the screen to the panel's edge.
constexpr float HudMargin = 10.0f;

}  // namespace

Player::Player(Playfield* owner, const std::vector<std::unique_ptr<Texture>>& textures,
               Texture* atlas, Controls* playerControls, const Vector3& position)
    : Actor("Player"), controls(playerControls) {
  kind = ActorKindPlayer;
  Initialize(owner);
  const GameStateSet* set = world ? world->ScreenSet() : nullptr;
  hudFont = set ? set->fontArc17pt.get() : nullptr;
  hudAtlas = atlas;
  hudFirstSprite = std::make_unique<Sprite>(hudAtlas, 0, Vector3{}, 0.0f, HudPanelCell);
  hudSecondSprite = std::make_unique<Sprite>(hudAtlas, 0, Vector3{}, 0.0f, HudPortraitCell);
  drawLayer = PlayerLayer;

  standingSize = StandingSize;
  dashingSize = DashingSize;
  crouchingSize = CrouchingSize;
  boundingBox = std::make_unique<BoundingQuad>();
  boundingBox->SetName("Player's Bounding Box");
  boundingBox->SetFillColor(BoundingColor);
  boundingBox->SetPosition(position);
  boundingBox->previousPosition = position;
  boundingBox->layer = PlayerLayer;
  boundingBox->SetDimensions(standingSize.x, standingSize.y, standingSize.z);
  body = boundingBox.get();
  hitQuad = std::make_unique<HitQuad>();
  hitQuad->SetName("Player's Hit Box");
  hitQuad->SetFillColor(HitBoxColor);
  hitQuad->SetPosition(position);
  hitQuad->SetDimensions(standingSize.x, standingSize.y, standingSize.z);
  hitBox = hitQuad.get();
  facing = 1;

  std::ifstream record(NativePath(PlayerRecordPath));
  LoadRecord(record);

  platform::AudioDevice* device = MainSoundSystem ? MainSoundSystem->device.get() : nullptr;
  for (size_t i = 0; i < sounds.size(); ++i) sounds[i] = std::make_unique<Sound>(device, SoundPaths[i]);
  MakeMeters();
  RebuildExperience();
  UpdateExperienceMeter();
  FillMeters();

  CreateStates(textures);
  EnterState(StateAt(SlotIdling));
  MakeBodySprite();
  PlayerState& idle = *CurrentState();
  idle.StepAnimation(0.0f);
  idle.UpdateShapeFrames(0.0f);
  idle.PlaceStrikeShape();
  idle.PlaceHitBox();
}

Player::~Player() {
  // The states go first: their strikes may still sit in the hit box's list.
  state = nullptr;
  for (auto& entry : states) entry.reset();
}

void Player::MakeMeters() {
  const float maxStamina = derived[Derived::MaxStamina];
  staminaMeter = std::make_unique<BarMeter>(maxStamina, 210.0f, ScreenHeight - 15.0f, 0.0f, 400.0f,
                                            20.0f, 0.0f, StaminaBarGreen);
  staminaMeter->AddTick(derived[Derived::ResistanceFactor] * derived[Derived::BreakPoint1Factor],
                        Color4{200, 128, 0, 0});
  staminaRing = std::make_unique<CircularMeter>(maxStamina, 210.0f, ScreenHeight - 115.0f, 0.0f,
                                                HudRingRadius, StaminaBarGreen);
  staminaRing->arc->SetFillColor(Color4{255, 41, 130, 212});
  staminaRing->background->SetFillColor(Color4{255, 200, 0, 0});
  healthMeter = std::make_unique<BarMeter>(derived[Derived::MaxHealth], 0.0f, 0.0f, 0.0f,
                                           HudHealthBarWidth, HudHealthBarHeight, 0.0f,
                                           Color4{255, 107, 204, 29});
  healthMeter->SetIcon(hudAtlas);
  healthMeter->icon->SetRect(HealthBarIconCell.left, HealthBarIconCell.top, HealthBarIconCell.right,
                            HealthBarIconCell.bottom);
  experienceBar = std::make_unique<BarMeter>(0.0f, 0.0f, 0.0f, 0.0f, HudHealthBarWidth,
                                             HudExperienceBarHeight, 0.0f, Color4{255, 238, 200, 41});
  experienceBar->SetIcon(hudAtlas);
  experienceBar->icon->SetRect(ExperienceBarIconCell.left, ExperienceBarIconCell.top,
                              ExperienceBarIconCell.right, ExperienceBarIconCell.bottom);
  experienceBar->value = 0.0f;
}

// A loaded player starts with its counted experience equal to the record's points.
void Player::RebuildExperience() {
  const float points = (*stats)[Stat::PtExperience];
  SetGainedStat49(0.0f);
  SetGainedStat131(0.0f);
  AddGainedStat49(points);
}

void Player::MakeBodySprite() {
  const Animation* shown = CurrentState()->animation;
  const AnimationFrame* frame = shown ? shown->current : nullptr;
  bodySprite = std::make_unique<Sprite>(frame ? frame->texture : nullptr, 0, body->position, 0.0f,
                                        platform::PixelRect{});
  if (frame) SetSourceRectFromFrame(*bodySprite, *frame);
  bodySprite->layer = drawLayer;
  sprite = bodySprite.get();
  if (world) world->spriteLayers.InsertBorrowed(drawLayer, bodySprite.get());
}

PlayerState* Player::CurrentState() const { return static_cast<PlayerState*>(state); }

PlayerState* Player::StateAt(PlayerStateSlot slot) const { return states[slot].get(); }

PlayerState* Player::SwitchState(PlayerStateSlot slot) { return EnterState(StateAt(slot)); }

PlayerState* Player::EnterState(PlayerState* target) {
  // Whichever road switches, from the state's own steps or from outside (a portal, a
  // conversation, a respawn), the state left ends what it started before the next begins.
  PlayerState* left = CurrentState();
  if (left && left != target) left->Leave();
  state = target;
  target->visiting = true;
  target->Enter();
  return target;
}

void Player::LeavePlay() {
  if (PlayerState* current = CurrentState()) current->Leave();
}

Vector3 Player::ComputeHudAnchor() const {
  const auto width =
      static_cast<float>(hudFirstSprite->sourceRect.right - hudFirstSprite->sourceRect.left);
  const auto height =
      static_cast<float>(hudFirstSprite->sourceRect.bottom - hudFirstSprite->sourceRect.top);
  const float mx = 0.5f * width * hudFirstSprite->scale.x + HudMargin;
  const float my = 0.5f * height * hudFirstSprite->scale.y + HudMargin;
  const auto w = static_cast<float>(ScreenWidth);
  const auto h = static_cast<float>(ScreenHeight);
  switch (playerIndex) {
    case 0: return {mx, my, 0.0f};
    case 1: return {w - mx, my, 0.0f};
    case 2: return {mx, h - my, 0.0f};
    case 3: return {w - mx, h - my, 0.0f};
    default: return {};
  }
}

Sound* Player::PickFootstep() {
  int pick = std::rand() % FootstepCount;
  if (sounds[pick]->IsPlaying()) pick = (pick + 1) % FootstepCount;
  return sounds[pick].get();
}
