#include "actors/Animation.h"

#include <unordered_set>

#include "actors/Actor.h"
#include "collision/Strike.h"

namespace {

constexpr uint8_t LoopWraps = 1;

// One step of any frame list; the entries link through their own `next`.
template <typename List>
void StepFrames(List& list, float dt) {
  // A list without frames has nothing to step, not even its clock.
  if (!list.current && list.frames.empty()) return;
  list.totalTime += dt;
  if (!list.current) {
    list.current = list.frames.front();
    return;
  }
  const float t = list.frameTime + dt;
  list.frameTime = t;
  if (t < list.current->duration) return;
  const float remainder = t - list.current->duration;
  if (list.current->next) {
    list.current = list.current->next;
  } else if (list.loop == LoopWraps && !list.frames.empty()) {
    list.current = list.frames.front();
  }
  list.frameTime = remainder;
}

template <typename List>
void RewindFrames(List& list) {
  list.totalTime = 0.0f;
  list.frameTime = 0.0f;
  list.current = list.frames.empty() ? nullptr : list.frames.front();
}

template <typename Entry>
float SumDurations(const Entry* first) {
  float sum = 0.0f;
  // A chain that runs back into itself is summed once.
  std::unordered_set<const Entry*> seen;
  for (const Entry* entry = first; entry && seen.insert(entry).second; entry = entry->next) {
    sum += entry->duration;
  }
  return sum;
}

}  // namespace

std::unique_ptr<AnimationFrame> CreateAnimationFrame(std::wstring name, float duration,
                                                     AnimationFrame* next, Texture* texture,
                                                     const std::array<float, 8>& corners) {
  auto frame = std::make_unique<AnimationFrame>();
  frame->name = std::move(name);
  frame->duration = duration;
  frame->next = next;
  frame->texture = texture;
  frame->corners = corners;
  return frame;
}

StrikeShape* FrameEntry::Strike() const {
  StrikeShape* const* strike = std::get_if<StrikeShape*>(&payload);
  return strike ? *strike : nullptr;
}

std::array<float, 8> CellCorners(const platform::PixelRect& r) {
  const auto left = static_cast<float>(r.left), top = static_cast<float>(r.top);
  const auto right = static_cast<float>(r.right), bottom = static_cast<float>(r.bottom);
  return {right, bottom, left, bottom, right, top, left, top};
}

std::unique_ptr<FrameEntry> MakeFrameEntry(std::wstring name, float duration,
                                           FramePayload payload, FrameEntry* next) {
  auto entry = std::make_unique<FrameEntry>();
  entry->name = std::move(name);
  entry->duration = duration;
  entry->payload = payload;
  entry->next = next;
  return entry;
}

void Animation::Advance(float dt) { StepFrames(*this, dt); }

void Animation::Clear() {
  frames.clear();
  current = nullptr;
}

void Animation::Rewind() { RewindFrames(*this); }

void FrameSequence::Advance(float dt) { StepFrames(*this, dt); }

void FrameSequence::Rewind() { RewindFrames(*this); }

void FrameSequence::AdvanceShapeFrames(float dt) {
  StepFrames(*this, dt);
  StrikeShape* strike = current ? current->Strike() : nullptr;
  if (strike && strike->owner) strike->flipHorizontal = strike->owner->facing == -1;
}

float ChainLength(const AnimationFrame* first) { return SumDurations(first); }
float ChainLength(const FrameEntry* first) { return SumDurations(first); }

std::vector<StrikeShape*> StrikesInChain(const FrameSequence* first) {
  std::vector<StrikeShape*> strikes;
  std::unordered_set<const FrameSequence*> seen;
  for (const FrameSequence* sequence = first; sequence && seen.insert(sequence).second;
       sequence = sequence->next) {
    for (const FrameEntry* entry : sequence->frames) {
      if (entry && entry->Strike()) strikes.push_back(entry->Strike());
    }
  }
  return strikes;
}
