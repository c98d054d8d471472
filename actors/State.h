#pragma once

#include "actors/StatBlock.h"

// One node of an actor's state machine. While it is current its own statistics sheet is added
// into the actor's totals.
class State {
 public:
  State() = default;
  virtual ~State() = default;
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  StatBlock stats{};
};
