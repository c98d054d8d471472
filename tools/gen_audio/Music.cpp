#include "Music.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int BeatsPerBar = 4;
constexpr int StepsPerBeat = 2;
constexpr int StepsPerBar = BeatsPerBar * StepsPerBeat;
constexpr int NotesPerOctave = 12;
constexpr int DegreesPerOctave = 7;
constexpr int MotifBars = 4;
constexpr float TrackPeak = 0.8f;

constexpr int MajorScale[DegreesPerOctave] = {0, 2, 4, 5, 7, 9, 11};
constexpr int MinorScale[DegreesPerOctave] = {0, 2, 3, 5, 7, 8, 10};

float Frequency(int note) { return 440.0f * std::pow(2.0f, static_cast<float>(note - 69) / NotesPerOctave); }

// A loop buffer that wraps what is written past its end round to its start.
class LoopMix {
 public:
  explicit LoopMix(size_t length) : left_(length, 0.0f), right_(length, 0.0f) {}

  // Pan -1 is left, +1 right, at equal power.
  void Add(size_t start, const Signal& voice, float gain, float pan) {
    const float angle = (pan + 1.0f) * Pi / 4.0f;
    const float toLeft = std::cos(angle) * gain;
    const float toRight = std::sin(angle) * gain;
    for (size_t i = 0; i < voice.size(); ++i) {
      const size_t at = (start + i) % left_.size();
      left_[at] += voice[i] * toLeft;
      right_[at] += voice[i] * toRight;
    }
  }

  StereoSignal Take() { return {std::move(left_), std::move(right_)}; }

 private:
  Signal left_;
  Signal right_;
};

class Composer {
 public:
  explicit Composer(const TrackStyle& style)
      : style_(style),
        noise_(style.seed * 7919u + 13u),
        stepSamples_(static_cast<size_t>(std::lround(SampleRate * 60.0 / style.beatsPerMinute / StepsPerBeat))),
        bars_(static_cast<int>(style.chordDegrees.size()) * style.repeats),
        mix_(stepSamples_ * StepsPerBar * static_cast<size_t>(bars_)) {}

  StereoSignal Compose() {
    for (int bar = 0; bar < bars_; ++bar) {
      const int degree = style_.chordDegrees[static_cast<size_t>(bar) % style_.chordDegrees.size()];
      AddPad(bar, degree);
      AddBass(bar, degree);
      if (style_.drumLevel > 0.0f) AddDrums(bar);
    }
    if (style_.leadLevel > 0.0f) AddMelody();
    StereoSignal out = mix_.Take();
    float largest = 0.0f;
    for (float sample : out.left) largest = std::max(largest, std::fabs(sample));
    for (float sample : out.right) largest = std::max(largest, std::fabs(sample));
    if (largest > 0.0f) {
      for (float& sample : out.left) sample *= TrackPeak / largest;
      for (float& sample : out.right) sample *= TrackPeak / largest;
    }
    return out;
  }

 private:
  int ScaleNote(int degree) const {
    const int octave = degree >= 0 ? degree / DegreesPerOctave : -((-degree + DegreesPerOctave - 1) / DegreesPerOctave);
    const int step = degree - octave * DegreesPerOctave;
    const int* scale = style_.minor ? MinorScale : MajorScale;
    return style_.tonicNote + octave * NotesPerOctave + scale[step];
  }

  size_t BarStart(int bar) const { return static_cast<size_t>(bar) * StepsPerBar * stepSamples_; }
  float Seconds(size_t samples) const { return static_cast<float>(samples) / SampleRate; }

  // Soft detuned saws through a low-pass: the chord held for the bar.
  void AddPad(int bar, int degree) {
    const float hold = Seconds(stepSamples_ * StepsPerBar);
    const float release = 0.6f;
    Signal voice(static_cast<size_t>(SamplesFor(hold + release)));
    LowPass filter;
    for (int tone = 0; tone < 3; ++tone) {
      const float base = Frequency(ScaleNote(degree + 2 * tone));
      for (size_t i = 0; i < voice.size(); ++i) {
        const float t = static_cast<float>(i) / SampleRate;
        const float sawA = std::fmod(t * base * 1.003f, 1.0f) * 2.0f - 1.0f;
        const float sawB = std::fmod(t * base * 0.997f + 0.5f, 1.0f) * 2.0f - 1.0f;
        voice[i] += sawA + sawB;
      }
    }
    for (size_t i = 0; i < voice.size(); ++i) {
      const float t = static_cast<float>(i) / SampleRate;
      const float attack = std::min(t / 0.3f, 1.0f);
      const float fade = t < hold ? 1.0f : std::max(0.0f, 1.0f - (t - hold) / release);
      voice[i] = filter.Process(voice[i], 1200.0f) * attack * fade;
    }
    mix_.Add(BarStart(bar), voice, 0.05f, bar % 2 == 0 ? -0.2f : 0.2f);
  }

  // A round low note on the first and third beats, the fifth between them.
  void AddBass(int bar, int degree) {
    const int notes[] = {ScaleNote(degree) - 2 * NotesPerOctave, ScaleNote(degree + 4) - 2 * NotesPerOctave};
    for (int beat = 0; beat < BeatsPerBar; beat += 2) {
      const float frequency = Frequency(notes[beat / 2]);
      const float length = Seconds(stepSamples_ * 2 * StepsPerBeat);
      Signal voice(static_cast<size_t>(SamplesFor(length)));
      for (size_t i = 0; i < voice.size(); ++i) {
        const float t = static_cast<float>(i) / SampleRate;
        const float tone = std::tanh(2.0f * std::sin(2.0f * Pi * frequency * t));
        voice[i] = tone * Pluck(t, 0.01f, 2.5f) * std::min(1.0f, (length - t) / 0.05f);
      }
      mix_.Add(BarStart(bar) + static_cast<size_t>(beat) * StepsPerBeat * stepSamples_, voice, 0.35f, 0.0f);
    }
  }

  void AddDrums(int bar) {
    for (int step = 0; step < StepsPerBar; ++step) {
      const size_t at = BarStart(bar) + static_cast<size_t>(step) * stepSamples_;
      if (step == 0 || step == 4 || (step == 7 && bar % 2 == 1)) mix_.Add(at, Kick(), style_.drumLevel, 0.0f);
      if (step == 2 || step == 6) mix_.Add(at, Snare(), style_.drumLevel * 0.5f, 0.1f);
      mix_.Add(at, Hat(step % 2 == 0 ? 1.0f : 0.6f), style_.drumLevel * 0.25f, -0.3f);
    }
  }

  Signal Kick() {
    Signal voice(static_cast<size_t>(SamplesFor(0.3f)));
    float phase = 0.0f;
    for (size_t i = 0; i < voice.size(); ++i) {
      const float t = static_cast<float>(i) / SampleRate;
      phase += 2.0f * Pi * (45.0f + 90.0f * std::exp(-t * 30.0f)) / SampleRate;
      voice[i] = std::sin(phase) * Pluck(t, 0.002f, 12.0f);
    }
    return voice;
  }

  Signal Snare() {
    Signal voice(static_cast<size_t>(SamplesFor(0.2f)));
    BandPass band;
    for (size_t i = 0; i < voice.size(); ++i) {
      const float t = static_cast<float>(i) / SampleRate;
      const float rattle = band.Process(noise_.Next(), 3000.0f, 0.7f) * Pluck(t, 0.001f, 22.0f);
      voice[i] = rattle + 0.5f * std::sin(2.0f * Pi * 185.0f * t) * Pluck(t, 0.001f, 30.0f);
    }
    return voice;
  }

  Signal Hat(float accent) {
    Signal voice(static_cast<size_t>(SamplesFor(0.05f)));
    LowPass low;
    for (size_t i = 0; i < voice.size(); ++i) {
      const float t = static_cast<float>(i) / SampleRate;
      const float white = noise_.Next();
      voice[i] = (white - low.Process(white, 6000.0f)) * Pluck(t, 0.001f, 70.0f) * accent;
    }
    return voice;
  }

  // A sung line over the chords: motifs of four bars in the order A A B A, each note leaning
  // on a chord tone at the start of a beat, with an echo panned to the other side.
  void AddMelody() {
    std::vector<std::vector<int>> motifs;
    for (int motif = 0; motif < 2; ++motif) motifs.push_back(MakeMotif());
    constexpr int Order[] = {0, 0, 1, 0};
    for (int bar = 0; bar < bars_; ++bar) {
      const std::vector<int>& motif = motifs[Order[(bar / MotifBars) % 4]];
      const int degree = style_.chordDegrees[static_cast<size_t>(bar) % style_.chordDegrees.size()];
      for (int step = 0; step < StepsPerBar; ++step) {
        int offset = motif[static_cast<size_t>((bar % MotifBars) * StepsPerBar + step)];
        if (offset < 0) continue;
        int length = 1;
        while (step + length < StepsPerBar &&
               motif[static_cast<size_t>((bar % MotifBars) * StepsPerBar + step + length)] == HeldStep) {
          ++length;
        }
        if (step % StepsPerBeat == 0) offset = NearestChordTone(offset, degree);
        const Signal voice = Lead(Frequency(ScaleNote(offset) + NotesPerOctave), Seconds(stepSamples_ * static_cast<size_t>(length)));
        const size_t at = BarStart(bar) + static_cast<size_t>(step) * stepSamples_;
        mix_.Add(at, voice, style_.leadLevel, 0.15f);
        mix_.Add(at + 3 * stepSamples_, voice, style_.leadLevel * 0.3f, -0.6f);
      }
    }
  }

  static constexpr int RestStep = -1;
  static constexpr int HeldStep = -2;

  // Scale degrees per eighth of four bars; a rest or a held note where no new note starts.
  std::vector<int> MakeMotif() {
    std::vector<int> motif;
    int degree = 4;
    for (int step = 0; step < MotifBars * StepsPerBar; ++step) {
      const float roll = (noise_.Next() + 1.0f) / 2.0f;
      const bool lastOfPhrase = step >= MotifBars * StepsPerBar - 2;
      if (step > 0 && (roll < 0.3f || lastOfPhrase)) {
        motif.push_back(motif.back() == RestStep ? RestStep : HeldStep);
      } else if (roll < 0.38f) {
        motif.push_back(RestStep);
      } else {
        const int move = static_cast<int>(std::lround(noise_.Next() * 2.0f));
        degree = std::clamp(degree + move, 0, 9);
        motif.push_back(degree);
      }
    }
    return motif;
  }

  int NearestChordTone(int degree, int chord) const {
    int best = degree;
    int bestDistance = DegreesPerOctave;
    for (int candidate = degree - 2; candidate <= degree + 2; ++candidate) {
      const int relative = ((candidate - chord) % DegreesPerOctave + DegreesPerOctave) % DegreesPerOctave;
      if (relative % 2 == 0 && relative != 6 && std::abs(candidate - degree) < bestDistance) {
        best = candidate;
        bestDistance = std::abs(candidate - degree);
      }
    }
    return best;
  }

  // A soft triangle voice with a late vibrato.
  Signal Lead(float frequency, float hold) {
    const float release = 0.15f;
    Signal voice(static_cast<size_t>(SamplesFor(hold + release)));
    float phase = 0.0f;
    for (size_t i = 0; i < voice.size(); ++i) {
      const float t = static_cast<float>(i) / SampleRate;
      const float vibrato = 1.0f + (t > 0.15f ? 0.004f * std::sin(2.0f * Pi * 5.5f * t) : 0.0f);
      phase = std::fmod(phase + frequency * vibrato / SampleRate, 1.0f);
      const float triangle = 4.0f * std::fabs(phase - 0.5f) - 1.0f;
      const float level = t < 0.01f ? t / 0.01f : (t < hold ? 0.8f + 0.2f * std::exp(-(t - 0.01f) * 8.0f) : 0.8f * std::max(0.0f, 1.0f - (t - hold) / release));
      voice[i] = triangle * level;
    }
    return voice;
  }

  const TrackStyle& style_;
  Noise noise_;
  size_t stepSamples_;
  int bars_;
  LoopMix mix_;
};

}  // namespace

StereoSignal ComposeTrack(const TrackStyle& style) { return Composer(style).Compose(); }

std::vector<TrackStyle> TrackStyles() {
  return {
      {"Meadow.ogg", 96.0f, 60, false, {0, 5, 3, 4, 0, 5, 1, 4}, 2, 11, 0.45f, 0.22f},
      {"Hollow.ogg", 80.0f, 57, true, {0, 5, 2, 6, 0, 3, 4, 4}, 2, 23, 0.0f, 0.2f},
      {"Duel.ogg", 136.0f, 52, true, {0, 0, 5, 5, 3, 3, 4, 4}, 4, 37, 0.7f, 0.18f},
      {"Wilds.ogg", 112.0f, 55, true, {0, 6, 5, 6, 0, 3, 4, 4}, 2, 53, 0.5f, 0.2f},
  };
}
