#include "Effects.h"

#include <cmath>

namespace {

constexpr float EffectPeak = 0.8f;
constexpr float StepPeak = 0.55f;
constexpr float HissPeak = 0.35f;

// A blow: a falling low tone under a short burst of dull noise.
Signal Hit(uint32_t seed, float pitchHz, float crunch) {
  Noise noise(seed);
  LowPass dull;
  Signal out(SamplesFor(0.3f));
  float phase = 0.0f;
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    phase += 2.0f * Pi * pitchHz * (1.0f + 1.5f * std::exp(-t * 40.0f)) / SampleRate;
    const float body = std::sin(phase) * Pluck(t, 0.002f, 18.0f);
    const float burst = dull.Process(noise.Next(), 1800.0f + crunch * 2500.0f) * Pluck(t, 0.001f, 35.0f);
    out[i] = body + burst * (1.5f + crunch);
  }
  Normalize(out, EffectPeak);
  return out;
}

// A foot on soft ground: a low thud with a little grit.
Signal DirtStep(uint32_t seed, float thudHz, float gritHz) {
  Noise noise(seed);
  LowPass soft;
  BandPass grit;
  Signal out(SamplesFor(0.16f));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    const float thud = std::sin(2.0f * Pi * thudHz * t) * Pluck(t, 0.004f, 45.0f);
    const float body = soft.Process(noise.Next(), 700.0f) * Pluck(t, 0.003f, 30.0f);
    const float crumble = grit.Process(noise.Next(), gritHz, 0.8f) * Pluck(t - 0.01f, 0.005f, 50.0f);
    out[i] = thud * 0.7f + body * 2.0f + crumble * 0.4f;
  }
  Normalize(out, StepPeak);
  return out;
}

// Tumbling over the ground: rumbling noise beaten at a rolling rate.
Signal Roll() {
  Noise noise(701);
  LowPass rumble;
  const float length = 0.5f;
  Signal out(SamplesFor(length));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    const float beat = 0.4f + 0.6f * std::fabs(std::sin(2.0f * Pi * 7.0f * t));
    out[i] = rumble.Process(noise.Next(), 500.0f) * beat * Swell(t, length, 0.2f);
  }
  Normalize(out, EffectPeak);
  return out;
}

// A steady scraping hiss whose end runs into its start, so that it loops without a click.
Signal WallSlide() {
  Noise noise(811);
  BandPass scrape;
  LowPass body;
  const int length = SamplesFor(1.0f);
  const int fade = SamplesFor(0.1f);
  Signal raw(static_cast<size_t>(length + fade));
  for (float& sample : raw) {
    const float white = noise.Next();
    sample = scrape.Process(white, 2600.0f, 0.6f) * 0.6f + body.Process(white, 400.0f) * 1.5f;
  }
  Signal out(raw.begin(), raw.begin() + length);
  // The tail that follows the loop's end is blended into its head.
  for (int i = 0; i < fade; ++i) {
    const float mix = static_cast<float>(i) / static_cast<float>(fade);
    out[static_cast<size_t>(i)] = raw[static_cast<size_t>(i)] * mix + raw[static_cast<size_t>(length + i)] * (1.0f - mix);
  }
  Normalize(out, HissPeak);
  return out;
}

// A springy upward sweep with a puff of air.
Signal Jump() {
  Noise noise(907);
  LowPass puff;
  Signal out(SamplesFor(0.24f));
  float phase = 0.0f;
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    phase += 2.0f * Pi * (180.0f + 1400.0f * t) / SampleRate;
    const float tone = std::sin(phase) * Pluck(t, 0.005f, 14.0f);
    out[i] = tone * 0.6f + puff.Process(noise.Next(), 900.0f) * Pluck(t, 0.002f, 30.0f) * 1.5f;
  }
  Normalize(out, EffectPeak * 0.8f);
  return out;
}

// Air pushed aside: noise through a band that sweeps from one frequency to another.
Signal Whoosh(uint32_t seed, float length, float fromHz, float toHz, float peakAt) {
  Noise noise(seed);
  BandPass band;
  Signal out(SamplesFor(length));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    const float progress = t / length;
    const float centre = fromHz * std::pow(toHz / fromHz, progress);
    out[i] = band.Process(noise.Next(), centre, 0.35f) * Swell(t, length, peakAt);
  }
  Normalize(out, EffectPeak);
  return out;
}

// Wind: dull noise that opens up and closes again.
Signal Gust(uint32_t seed, float length, float lowHz, float highHz) {
  Noise noise(seed);
  LowPass wind;
  LowPass second;
  Signal out(SamplesFor(length));
  for (size_t i = 0; i < out.size(); ++i) {
    const float t = static_cast<float>(i) / SampleRate;
    const float shape = Swell(t, length, 0.35f);
    const float cutoff = lowHz + (highHz - lowHz) * shape;
    out[i] = second.Process(wind.Process(noise.Next(), cutoff), cutoff * 1.5f) * shape;
  }
  Normalize(out, EffectPeak);
  return out;
}

}  // namespace

std::vector<Effect> MakeEffects() {
  return {
      {"hit9v2.wav", Hit(109, 95.0f, 0.3f)},
      {"hit10v2.wav", Hit(110, 135.0f, 0.6f)},
      {"hit11v2.wav", Hit(111, 70.0f, 1.0f)},
      {"DirtStep1.wav", DirtStep(201, 82.0f, 1500.0f)},
      {"DirtStep2.wav", DirtStep(202, 76.0f, 1700.0f)},
      {"DirtStep3.wav", DirtStep(203, 90.0f, 1300.0f)},
      {"DirtStep4.wav", DirtStep(204, 70.0f, 1900.0f)},
      {"DirtStep5.wav", DirtStep(205, 86.0f, 1600.0f)},
      {"Roll2v2.wav", Roll()},
      {"WallSlide.wav", WallSlide()},
      {"Jump.wav", Jump()},
      {"AirDashv2.wav", Whoosh(401, 0.4f, 350.0f, 3200.0f, 0.3f)},
      {"Swing1v2.wav", Whoosh(501, 0.24f, 700.0f, 2400.0f, 0.45f)},
      {"Swing2v2.wav", Whoosh(502, 0.28f, 2600.0f, 800.0f, 0.4f)},
      {"Swing3v2.wav", Whoosh(503, 0.22f, 500.0f, 1800.0f, 0.5f)},
      {"Swing4v2.wav", Whoosh(504, 0.3f, 1200.0f, 3400.0f, 0.35f)},
      {"gust1v2.wav", Gust(601, 0.5f, 250.0f, 1400.0f)},
      {"gust2v2.wav", Gust(602, 0.45f, 400.0f, 2200.0f)},
  };
}
