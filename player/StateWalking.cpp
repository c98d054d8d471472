#include "player/StateWalking.h"

#include <variant>

#include "engine/Controls.h"
#include "engine/Sound.h"
#include "player/Player.h"

namespace {

constexpr float StepGap = 0.2f;
constexpr float Footfall = 1.0f / 30.0f;

}  // namespace

StateWalking::StateWalking(Player* newOwner, Texture* texture, PlayerStateSlot entry)
    : PlayerState(newOwner, texture, entry) {
  Sound* step = newOwner->sounds[Player::SoundDirtStep1].get();
  auto fifth = MakeFrameEntry(L"Ground Attack sFrame5", Footfall, FramePayload{}, nullptr);
  auto fourth = MakeFrameEntry(L"Ground Attack sFrame4", Footfall, step, fifth.get());
  auto third = MakeFrameEntry(L"Ground Attack sFrame3", StepGap, FramePayload{}, fourth.get());
  auto second = MakeFrameEntry(L"Ground Attack sFrame2", Footfall, step, third.get());
  auto first = MakeFrameEntry(L"Ground Attack sFrame1", StepGap, FramePayload{}, second.get());
  auto sequence = std::make_unique<FrameSequence>();
  sequence->frames = {first.get(), second.get(), third.get(), fourth.get(), fifth.get()};
  sequence->length = ChainLength(first.get());
  sequence->loop = 1;
  for (auto* entry : {&first, &second, &third, &fourth, &fifth}) entries.push_back(std::move(*entry));
  footsteps = sequence.get();
  effectFrames = footsteps;
  sequences.push_back(std::move(sequence));
}

void StateWalking::Enter() {
  TakeBodySize(player->standingSize);
  RefillAirMoves();
  ResetTimers();
  effectFrames = footsteps;
  footsteps->Rewind();
  SetStaminaBarColor(StaminaBarGreen);
}

void StateWalking::HandleInput(float dt) {
  if (TakePending()) return;
  const Controls& input = Input();
  if (!OnGround()) {
    SwitchTo(SlotFalling);
  } else if (input.IsDownPressed()) {
    SwitchTo(SlotDucking);
  } else if (TakeGroundAction(false)) {
    // Guarded, attacked or jumped.
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    player->facing = input.IsLeftHeld() ? -1 : 1;
    if (input.IsAction3Pressed(input.activePad)) {
      SwitchTo(SlotGroundDashing);
    } else {
      Accelerate(player->facing, Total(Stat::WalkAccel), Total(Stat::MaxWalkSpeed), dt);
    }
  } else {
    SwitchTo(SlotIdling);
  }
  CheckGodMode();
  CloseStep();
}

void StateWalking::HandleInputHeld(float) {
  const Controls& input = Input();
  if (input.IsDownHeld() && !input.WasDownHeld(input.activePad)) {
    SetPending(SlotDucking);
  } else if (TakeGroundAction(true)) {
    // Kept for the end of the hit-stop, but for the guard.
  } else if (input.IsLeftHeld() || input.IsRightHeld()) {
    player->facing = input.IsLeftHeld() ? -1 : 1;
    if (input.IsAction3Pressed(input.activePad)) SetPending(SlotGroundDashing);
  } else {
    SetPending(SlotIdling);
  }
  // The chord does not wait for the hit-stop here.
  CheckGodMode();
  CloseStep();
}

void StateWalking::Update(float dt) {
  stateTime += dt;
  player->ApplyGravity(dt);
  StepAnimation(dt);
  if (TakeStrikes() == StrikeOutcome::Hit) ChooseGuardBreakState();
  StepFootsteps(dt);
  CloseStep();
}

void StateWalking::StepFootsteps(float dt) {
  StepSequence(effectFrames, dt);
  const FrameEntry* entry = effectFrames ? effectFrames->current : nullptr;
  if (!entry || !std::holds_alternative<Sound*>(entry->payload)) return;
  Sound* step = player->PickFootstep();
  step->SetPosition(player->body->position);
  step->Play();
}
