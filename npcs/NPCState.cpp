#include "npcs/NPCState.h"

#include "engine/StringConversion.h"
#include "npcs/NPC.h"
#include "npcs/NPCAnimationPool.h"

namespace {

constexpr int IdlingAnimation = 0;
constexpr int SpeakingAnimation = 1;

}  // namespace

NPCState::NPCState(NPC* newOwner, std::unique_ptr<Animation> firstAnimation, const wchar_t* action)
    : State(newOwner, std::move(firstAnimation)), npc(newOwner) {
  name = StringToWString(newOwner->name) + L": " + action;
}

void NPCState::Restart() {
  stateTime = 0.0f;
  if (animation) animation->totalTime = 0.0f;
  StepAnimation(0.0f);
}

void NPCState::Idle(float dt) {
  stateTime += dt;
  npc->ApplyGravity(dt);
  StepAnimation(dt);
}

NPCStateIdling::NPCStateIdling(NPC* newOwner, std::unique_ptr<Animation> firstAnimation)
    : NPCState(newOwner, std::move(firstAnimation), L"Idling") {}

NPCStateSpeaking::NPCStateSpeaking(NPC* newOwner, std::unique_ptr<Animation> firstAnimation)
    : NPCState(newOwner, std::move(firstAnimation), L"Speaking") {}

void NPCStateSpeaking::Update(float dt) {
  npc->FaceFirstPlayer();
  Idle(dt);
}

NPCStateSet::NPCStateSet(NPC* owner, NPCAnimationPool& newPool)
    : pool(&newPool),
      idling(std::make_unique<NPCStateIdling>(owner, newPool.GetAnimation(IdlingAnimation))),
      speaking(std::make_unique<NPCStateSpeaking>(owner, newPool.GetAnimation(SpeakingAnimation))) {
}
