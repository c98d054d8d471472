#pragma once

#include "actors/StatBlock.h"

// One node of an actor's state machine. While it is current its own statistics sheet is added
// into the actor's totals.
class State {
 public:
  State() { stats.fill(0.0f); }
  virtual ~State() = default;
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  // Hit-stop time left, seconds.
  float holdTimer = 0.0f;
  StatBlock stats;
};
