#pragma once

#include <string>
#include <vector>

#include "Synth.h"

struct Effect {
  std::string fileName;
  Signal samples;
};

// Every effect the game loads, one mono signal each, already at its playing level.
std::vector<Effect> MakeEffects();
