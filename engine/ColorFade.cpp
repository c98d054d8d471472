#include "engine/ColorFade.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Truncated towards zero; a value that overshot the byte range stays inside it.
uint8_t TruncateToByte(float value) {
  if (!(value > 0.0f)) return 0;
  return static_cast<uint8_t>(std::min(std::trunc(value), 255.0f));
}

}  // namespace

void ColorToChannels(const Color4& color, float channels[4]) {
  channels[0] = color.a;
  channels[1] = color.r;
  channels[2] = color.g;
  channels[3] = color.b;
}

void BeginChannelFade(const Color4& from, const Color4& target, float seconds, float channels[4],
                      float rates[4]) {
  ColorToChannels(from, channels);
  float targetChannels[4];
  ColorToChannels(target, targetChannels);
  for (int i = 0; i < 4; ++i) rates[i] = (targetChannels[i] - channels[i]) / seconds;
}

Color4 AdvanceChannelFade(float channels[4], const float rates[4], float dt) {
  for (int i = 0; i < 4; ++i) channels[i] += rates[i] * dt;
  return {TruncateToByte(channels[0]), TruncateToByte(channels[1]), TruncateToByte(channels[2]),
          TruncateToByte(channels[3])};
}
