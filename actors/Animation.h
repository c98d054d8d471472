#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class Sound;
class StrikeShape;
class Texture;

// One picture of an animation. The frames belong to their animation pool.
struct AnimationFrame {
  std::wstring name;
  float duration = 0.0f;
  AnimationFrame* next = nullptr;
  Texture* texture = nullptr;  // not owned
  // Texel corners: (right, bottom), (left, bottom), (right, top), (left, top).
  std::array<float, 8> corners{};
};

std::unique_ptr<AnimationFrame> CreateAnimationFrame(std::wstring name, float duration,
                                                     AnimationFrame* next, Texture* texture,
                                                     const std::array<float, 8>& corners);

// What an entry of a strike or effect sequence carries.
using FramePayload = std::variant<std::monostate, StrikeShape*, Sound*>;

// One step of a strike-frame or effect sequence.
struct FrameEntry {
  std::wstring name;
  float duration = 0.0f;
  FramePayload payload;
  FrameEntry* next = nullptr;

  // The strike shape carried, or null.
  StrikeShape* Strike() const;
};

std::unique_ptr<FrameEntry> MakeFrameEntry(std::wstring name, float duration,
                                           FramePayload payload, FrameEntry* next);

// A timed list of pictures. It points at frames that belong to the pool that built it.
class Animation {
 public:
  // One frame step at most: the first call only selects the first frame.
  void Advance(float dt);
  // Forgets the frames, which stay with their pool.
  void Clear();
  // Back to the start of the first frame.
  void Rewind();

  std::vector<AnimationFrame*> frames;
  AnimationFrame* current = nullptr;
  float length = 0.0f;
  float frameTime = 0.0f;
  // Only 1 wraps to the first frame.
  uint8_t loop = 0;
  Animation* next = nullptr;
  float totalTime = 0.0f;
};

// A timed list of strike shapes or effects, stepped like an animation.
class FrameSequence {
 public:
  void Advance(float dt);
  // Advance, then mirror the current strike shape with its owner's facing.
  void AdvanceShapeFrames(float dt);
  // Back to the start of the first entry.
  void Rewind();

  std::vector<FrameEntry*> frames;
  FrameEntry* current = nullptr;
  float length = 0.0f;
  float frameTime = 0.0f;
  uint8_t loop = 0;
  FrameSequence* next = nullptr;
  float totalTime = 0.0f;
};

// Every strike shape that the sequence and the sequences it leads on to carry, each sequence
// taken once.
std::vector<StrikeShape*> StrikesInChain(const FrameSequence* first);

// The sum of the durations along the chain that starts at the first frame.
float ChainLength(const AnimationFrame* first);
float ChainLength(const FrameEntry* first);
