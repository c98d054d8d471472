#pragma once

#include "engine/Color4.h"

// A colour that fades channel by channel (alpha, red, green, blue) at steady rates: the
// camera's screen fade and a respawning player's picture run on it.

void ColorToChannels(const Color4& color, float channels[4]);
// The channels start at from; the rates take them to the target in the time (above 0).
void BeginChannelFade(const Color4& from, const Color4& target, float seconds, float channels[4],
                      float rates[4]);
// The channels move on by dt; their colour, each cut to a whole byte.
Color4 AdvanceChannelFade(float channels[4], const float rates[4], float dt);
