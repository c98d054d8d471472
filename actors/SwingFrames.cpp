#include "actors/SwingFrames.h"

#include <cmath>

#include "actors/State.h"
#include "collision/Strike.h"
#include "engine/Globals.h"

namespace {

constexpr const wchar_t* SoundFrameName = L"Ground Attack sFrame";

}  // namespace

std::unique_ptr<StrikeShape> MakeLiveStrike(const StrikePlan& plan, Actor* owner) {
  std::unique_ptr<StrikeShape> strike;
  if (plan.form == StrikeForm::Circle) {
    auto circle = std::make_unique<StrikeCircle>();
    circle->SetRadius(plan.size.x);
    strike = std::move(circle);
  } else {
    auto quad = std::make_unique<StrikeQuad>();
    quad->SetDimensions(plan.size.x, plan.size.y, 0.0f);
    strike = std::move(quad);
  }
  strike->owner = owner;
  strike->offset = plan.offset;
  strike->SetFillColor(StrikeColor);
  strike->direction = plan.direction;
  strike->hotSpot = plan.hotSpot;
  switch (plan.reach) {
    case ReachRule::Height:
      strike->reach = plan.size.y;
      break;
    case ReachRule::OffsetPlusExtent:
      strike->reach = std::hypot(plan.offset.x, plan.offset.y) + strike->extent;
      break;
    case ReachRule::None:
      break;
  }
  strike->freezeTime = plan.freezeTime;
  return strike;
}

SwingSteps BuildSwingFrames(State& state, const StrikePlan& plan,
                            const std::wstring& strikeFrameName, const SwingTimes& strikeTimes,
                            const SwingTimes& soundTimes, Sound* swing) {
  state.strikes.push_back(std::make_unique<StrikeCircle>());
  state.strikes.push_back(MakeLiveStrike(plan, state.owner));
  StrikeShape* blank = state.strikes[state.strikes.size() - 2].get();
  StrikeShape* live = state.strikes.back().get();

  SwingSteps steps;
  auto strikeSequence = std::make_unique<FrameSequence>();
  auto soundSequence = std::make_unique<FrameSequence>();
  FrameEntry* nextStrike = nullptr;
  FrameEntry* nextSound = nullptr;
  // Built from the last to the first, so that each links to the one after it.
  for (int k = AttackStepCount - 1; k >= 0; --k) {
    const bool middle = k == LiveStep;
    const std::wstring number = std::to_wstring(k + 1);
    state.entries.push_back(MakeFrameEntry(strikeFrameName + number, strikeTimes[k],
                                           middle ? live : blank, nextStrike));
    nextStrike = steps.strike[k] = state.entries.back().get();
    state.entries.push_back(MakeFrameEntry(SoundFrameName + number, soundTimes[k],
                                           middle ? FramePayload{swing} : FramePayload{},
                                           nextSound));
    nextSound = steps.sound[k] = state.entries.back().get();
  }
  strikeSequence->frames.assign(steps.strike.begin(), steps.strike.end());
  strikeSequence->length = ChainLength(steps.strike.front());
  soundSequence->frames.assign(steps.sound.begin(), steps.sound.end());
  soundSequence->length = ChainLength(steps.sound.front());
  state.strikeFrames = strikeSequence.get();
  state.effectFrames = soundSequence.get();
  state.sequences.push_back(std::move(strikeSequence));
  state.sequences.push_back(std::move(soundSequence));
  return steps;
}
