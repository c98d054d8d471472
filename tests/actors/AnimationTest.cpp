#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "actors/Animation.h"
#include "actors/State.h"
#include "collision/Strike.h"
#include "support/TestWorld.h"

namespace {

// Three frames of 0.1, 0.2 and 0.3 seconds, chained in order.
struct ThreeFrames {
  ThreeFrames() {
    third = CreateAnimationFrame(L"third", 0.3f, nullptr, nullptr, {});
    second = CreateAnimationFrame(L"second", 0.2f, third.get(), nullptr, {});
    first = CreateAnimationFrame(L"first", 0.1f, second.get(), nullptr, {});
    animation.frames = {first.get(), second.get(), third.get()};
    animation.length = ChainLength(first.get());
  }
  std::unique_ptr<AnimationFrame> first, second, third;
  Animation animation;
};

TEST(Animation, TheFirstAdvanceOnlySelectsTheFirstFrame) {
  ThreeFrames list;
  EXPECT_FLOAT_EQ(list.animation.length, 0.6f);
  list.animation.frameTime = 0.05f;
  list.animation.Advance(0.25f);
  EXPECT_EQ(list.animation.current, list.first.get());
  EXPECT_FLOAT_EQ(list.animation.totalTime, 0.25f);
  EXPECT_FLOAT_EQ(list.animation.frameTime, 0.05f);
}

TEST(Animation, AnExactDurationStepsWithNoRemainderAndALongStepMovesOneFramePerCall) {
  ThreeFrames list;
  Animation& a = list.animation;
  a.Advance(0.0f);
  a.Advance(0.1f);
  EXPECT_EQ(a.current, list.second.get());
  EXPECT_EQ(a.frameTime, 0.0f);

  // A step of three durations: one frame per call, the surplus carried.
  a.Advance(0.9f);
  EXPECT_EQ(a.current, list.third.get());
  EXPECT_FLOAT_EQ(a.frameTime, 0.7f);
  a.Advance(0.0f);
  // The last frame of a list that does not loop stays, its time counting on past the duration.
  EXPECT_EQ(a.current, list.third.get());
  EXPECT_FLOAT_EQ(a.frameTime, 0.4f);
  a.Advance(0.1f);
  EXPECT_EQ(a.current, list.third.get());
  EXPECT_FLOAT_EQ(a.frameTime, 0.2f);
}

TEST(Animation, OnlyALoopFlagOfOneWrapsToTheFirstFrame) {
  for (uint8_t loop : {0, 1, 2}) {
    ThreeFrames list;
    list.animation.loop = loop;
    for (float dt : {0.0f, 0.1f, 0.2f, 0.3f}) list.animation.Advance(dt);
    EXPECT_EQ(list.animation.current, loop == 1 ? list.first.get() : list.third.get())
        << "loop " << int{loop};
    EXPECT_NEAR(list.animation.frameTime, 0.0f, 1e-6f);
  }
}

TEST(Animation, WithoutFramesAdvancingDoesNothing) {
  Animation empty;
  empty.Advance(0.5f);
  empty.Advance(0.5f);
  EXPECT_EQ(empty.current, nullptr);
  EXPECT_EQ(empty.frameTime, 0.0f);
  EXPECT_EQ(empty.totalTime, 0.0f);
  FrameSequence none;
  none.Advance(0.5f);
  none.AdvanceShapeFrames(0.5f);
  EXPECT_EQ(none.current, nullptr);
  EXPECT_EQ(none.totalTime, 0.0f);
  ThreeFrames list;
  list.animation.Advance(0.0f);
  list.animation.Clear();
  EXPECT_TRUE(list.animation.frames.empty());
  EXPECT_EQ(list.animation.current, nullptr);
  EXPECT_EQ(list.first->next, list.second.get());
}

TEST(Animation, ChainLengthSumsAChainThatRunsBackIntoItselfOnce) {
  ThreeFrames list;
  list.third->next = list.second.get();
  EXPECT_FLOAT_EQ(ChainLength(list.first.get()), 0.6f);
  EXPECT_EQ(ChainLength(static_cast<const AnimationFrame*>(nullptr)), 0.0f);
}

TEST(FrameEntries, MakeFrameEntryKeepsItsFieldsAndOnlyAStrikePayloadIsAStrike) {
  StrikeQuad strike;
  auto last = MakeFrameEntry(L"pFrame2", 0.2f, FramePayload{}, nullptr);
  auto first = MakeFrameEntry(L"Down Air Attack pFrame1", 0.1f, &strike, last.get());
  EXPECT_EQ(first->name, L"Down Air Attack pFrame1");
  EXPECT_EQ(first->duration, 0.1f);
  EXPECT_EQ(first->Strike(), &strike);
  EXPECT_EQ(first->next, last.get());
  EXPECT_EQ(last->Strike(), nullptr);
  EXPECT_FLOAT_EQ(ChainLength(first.get()), 0.3f);
}

// A strike sequence of two entries whose strike belongs to a body.
struct StrikeSequence {
  StrikeSequence() {
    strike.owner = &owner;
    second = MakeFrameEntry(L"second", 0.1f, &strike, nullptr);
    first = MakeFrameEntry(L"first", 0.1f, &strike, second.get());
    sequence.frames = {first.get(), second.get()};
    sequence.length = 0.2f;
  }
  WorldBody owner;
  StrikeQuad strike;
  std::unique_ptr<FrameEntry> first, second;
  FrameSequence sequence;
};

TEST(FrameEntries, ShapeFramesMirrorTheStrikeWithItsOwnerFromTheFirstCallOn) {
  StrikeSequence s;
  s.owner.facing = -1;
  s.sequence.AdvanceShapeFrames(0.0f);
  EXPECT_EQ(s.sequence.current, s.first.get());
  EXPECT_TRUE(s.strike.flipHorizontal);
  s.owner.facing = 1;
  s.sequence.AdvanceShapeFrames(0.05f);
  EXPECT_FALSE(s.strike.flipHorizontal);
  // A plain step mirrors nothing.
  s.owner.facing = -1;
  s.sequence.Advance(0.05f);
  EXPECT_EQ(s.sequence.current, s.second.get());
  EXPECT_FALSE(s.strike.flipHorizontal);
  // Without an owner the strike keeps its flip.
  s.strike.owner = nullptr;
  s.sequence.AdvanceShapeFrames(0.0f);
  EXPECT_FALSE(s.strike.flipHorizontal);
}

class SequenceState : public InertState {};

TEST(FrameEntries, TheStateMovesToTheNextSequenceOnceItsLengthHasRun) {
  StrikeSequence s;
  FrameSequence follow;
  StrikeQuad other;
  auto only = MakeFrameEntry(L"follow", 1.0f, &other, nullptr);
  follow.frames = {only.get()};
  follow.length = 1.0f;
  s.sequence.next = &follow;

  SequenceState state;
  state.UpdateShapeFrames(0.1f);  // no sequence: nothing to do
  state.strikeFrames = &s.sequence;
  state.UpdateShapeFrames(0.1f);
  state.UpdateShapeFrames(0.05f);
  EXPECT_EQ(state.strikeFrames, &s.sequence);
  state.UpdateShapeFrames(0.05f);
  // The length has run: the next sequence takes over and selects its first entry.
  EXPECT_EQ(state.strikeFrames, &follow);
  EXPECT_EQ(follow.current, only.get());
  EXPECT_EQ(follow.totalTime, 0.0f);
  // Without a next sequence the old one keeps stepping.
  s.sequence.next = nullptr;
  state.strikeFrames = &s.sequence;
  state.UpdateShapeFrames(0.1f);
  EXPECT_EQ(state.strikeFrames, &s.sequence);
}

}  // namespace
