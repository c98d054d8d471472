#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/MathTypes.h"

class Actor;
class Sound;
class State;
class StrikeShape;
struct FrameEntry;

// The timing every swing of a fighter is made of, the player's and its sparring partner's
// alike: three strike frames, of which only the middle one carries the shape that can hit (the
// wind-up, the cut, the follow-through), and three sound frames, of which the middle one swings.

enum class StrikeForm : uint8_t { Quad, Circle };

// What the strike's reach is measured as.
enum class ReachRule : uint8_t { None, Height, OffsetPlusExtent };

// The shape that hits, in world units; x of the offset, the direction and the hot spot is
// mirrored with the facing.
struct StrikePlan {
  StrikeForm form;
  // Width and height of a quad; x alone is the radius of a circle.
  platform::Vector3 size;
  // From the body's centre.
  platform::Vector3 offset;
  // Added to the knock-back's direction.
  platform::Vector3 direction;
  // From the shape's centre: where the knock-back is aimed from.
  platform::Vector3 hotSpot;
  ReachRule reach;
  // Seconds of hit-stop on both sides.
  float freezeTime;
};

// A strike frame or a sound frame: the blank circle, the live strike, the blank circle again.
constexpr int AttackStepCount = 3;
constexpr int LiveStep = 1;
using SwingTimes = std::array<float, AttackStepCount>;

// The strike frames and the sound frames of a swing, in playing order.
struct SwingSteps {
  std::array<FrameEntry*, AttackStepCount> strike{};
  std::array<FrameEntry*, AttackStepCount> sound{};
};

// The planned shape in the strike colour, striking for the owner; what it does to a target
// (damage, force) is left to the caller.
std::unique_ptr<StrikeShape> MakeLiveStrike(const StrikePlan& plan, Actor* owner);

// Builds the swing into the state, which owns every part: the blank circle, which never touches
// anything, and the live strike; the strike frames named strikeFrameName and 1, 2, 3; the sound
// frames "Ground Attack sFrame" 1, 2, 3, the middle one carrying the swing sound. They become
// the state's strike-frame and effect sequences, neither looping.
SwingSteps BuildSwingFrames(State& state, const StrikePlan& plan,
                            const std::wstring& strikeFrameName, const SwingTimes& strikeTimes,
                            const SwingTimes& soundTimes, Sound* swing);
