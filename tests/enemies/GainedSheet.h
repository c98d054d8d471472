#pragma once

#include <map>
#include <vector>

#include "items/StatBlock.h"

// Statistics first to last take the value.
struct Span {
  int first, last;
  float value;
};

// What a fresh actor's gained sheet holds where a kind names nothing.
inline std::map<int, float> DefaultGainedSheet() {
  std::map<int, float> sheet;
  for (int i = Stat::Mass; i <= Stat::GainedGuardSpeedFactor; ++i) sheet[i] = 1.0f;
  for (int i : {Stat::StatExperience, Stat::StatGivenExperience, Stat::PtExperience}) sheet[i] = 0;
  sheet[Stat::InitExperience] = 200.0f;
  sheet[Stat::RateExperience] = 1.4f;
  for (int i = Stat::WalkAccel; i <= Stat::AirJumpCount; ++i) sheet[i] = 0.0f;
  sheet[Stat::MaxFallSpeed] = -50.0f;
  return sheet;
}

// The fresh sheet with the spans written over it in order.
inline std::map<int, float> GainedSheet(const std::vector<Span>& spans) {
  std::map<int, float> sheet = DefaultGainedSheet();
  for (const Span& run : spans) {
    for (int i = run.first; i <= run.last; ++i) sheet[i] = run.value;
  }
  return sheet;
}
