#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Synth.h"

// What a generated piece sounds like: a key, a pace and a chord for every bar.
struct TrackStyle {
  std::string fileName;
  float beatsPerMinute = 100.0f;
  int tonicNote = 57;  // MIDI numbering: 57 is the A below middle C
  bool minor = false;
  std::vector<int> chordDegrees;  // one per bar, 0 for the tonic chord
  int repeats = 2;                // times the chord sequence is played
  uint32_t seed = 1;
  float drumLevel = 0.0f;
  float leadLevel = 0.0f;
};

struct StereoSignal {
  Signal left;
  Signal right;
};

// Renders the piece as a loop: sounds still ringing at its end are heard at its start, so it
// joins its own beginning without a seam.
StereoSignal ComposeTrack(const TrackStyle& style);

// The pieces the game's maps play.
std::vector<TrackStyle> TrackStyles();
