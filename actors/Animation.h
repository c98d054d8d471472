#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/Vertex.h"

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

// One cell of a character's sheet: a frame of its pool and the animation that plays it. A pool
// builds its frames from its table of cells, and the sheet's picture is drawn from the same
// table.
struct AnimationCell {
  const wchar_t* frame;      // the frame's name
  int texture;               // index in the pool's texture list
  platform::PixelRect rect;  // texels: left, top, right, bottom
  float duration;            // seconds
  int animation;             // the animation's number
  const char* action;        // what the state that shows it does: "Idling", "Running" ...
  int place;                 // 0 for the first frame of the animation
};

// The cell at that column and row of a sheet cut into cells of one size, in texels.
constexpr platform::PixelRect GridCell(int column, int row, int width, int height) {
  return {column * width, row * height, (column + 1) * width, (row + 1) * height};
}

// A cell's texel corners in the frame order: (right, bottom), (left, bottom), (right, top),
// (left, top).
std::array<float, 8> CellCorners(const platform::PixelRect& rect);

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
