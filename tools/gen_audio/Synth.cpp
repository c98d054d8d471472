#include "Synth.h"

#include <algorithm>
#include <cmath>

int SamplesFor(float seconds) { return static_cast<int>(std::lround(seconds * SampleRate)); }

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_) / 2147483648.0f - 1.0f;
}

float LowPass::Process(float input, float cutoffHz) {
  const float coefficient = 1.0f - std::exp(-2.0f * Pi * cutoffHz / SampleRate);
  state_ += coefficient * (input - state_);
  return state_;
}

float BandPass::Process(float input, float centreHz, float damping) {
  const float frequency = 2.0f * std::sin(Pi * std::min(centreHz, SampleRate / 6.0f) / SampleRate);
  low_ += frequency * band_;
  const float high = input - low_ - damping * band_;
  band_ += frequency * high;
  return band_;
}

float Pluck(float t, float attack, float decayRate) {
  if (t < 0.0f) return 0.0f;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) * decayRate);
}

float Swell(float t, float length, float peakAt) {
  if (t <= 0.0f || t >= length) return 0.0f;
  const float peak = peakAt * length;
  const float phase = t < peak ? t / peak : 1.0f + (t - peak) / (length - peak);
  const float s = std::sin(phase * Pi / 2.0f);
  return s * s;
}

void Normalize(Signal& signal, float peak) {
  float largest = 0.0f;
  for (float sample : signal) largest = std::max(largest, std::fabs(sample));
  if (largest <= 0.0f) return;
  for (float& sample : signal) sample *= peak / largest;
}
