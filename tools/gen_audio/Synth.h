#pragma once

#include <cstdint>
#include <vector>

// Small building blocks for synthesised sound: noise, filters and envelopes at 44100 Hz.

constexpr int SampleRate = 44100;
constexpr float Pi = 3.14159265f;

using Signal = std::vector<float>;

int SamplesFor(float seconds);

// Repeatable white noise in [-1, 1].
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
  float Next();

 private:
  uint32_t state_;
};

// One-pole low-pass filter.
class LowPass {
 public:
  float Process(float input, float cutoffHz);

 private:
  float state_ = 0.0f;
};

// State-variable filter; gives the band around the centre frequency.
class BandPass {
 public:
  float Process(float input, float centreHz, float damping);

 private:
  float low_ = 0.0f;
  float band_ = 0.0f;
};

// Rises linearly over attack seconds, then falls exponentially at the given rate per second.
float Pluck(float t, float attack, float decayRate);
// A smooth hump over [0, length]: 0 at both ends.
float Swell(float t, float length, float peakAt);

// Scales the signal so that its largest magnitude is the given peak.
void Normalize(Signal& signal, float peak);
