#pragma once

#include <string>

struct GameStateSet;

// What holds after every frame of the running game, cheap enough to ask each frame: the current
// screen is one of the set; every player in play is one the pool made, in the actors once, its
// index its place; no contact, list entry, anchor or screen's pointer names a shape or modifier
// that the world no longer holds. Empty when all hold, else what broke.
std::string BrokenInvariant(const GameStateSet& set);
