#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "enemies/DemoWallAnimationPool.h"
#include "enemies/NidhoggletAnimationPools.h"
#include "engine/Texture.h"

namespace {

TEST(IdlePosePools, EachPoolBuildsItsTableAndAnimationOneIsThePoseEveryOtherTheIdleLoop) {
  TextureGroup textures;
  textures.push_back(std::make_unique<Texture>("sheet", L"sheet", 1024, 1024));
  NidhoggletAggressiveAnimationPool aggressive(textures);
  NidhoggletPassiveAnimationPool passive(textures);
  DemoWallAnimationPool wall(textures);
  constexpr float Never = std::numeric_limits<float>::max();
  // Left, top, right, bottom and duration of the two idle frames and the pose.
  using Frame = std::array<float, 5>;
  struct Case {
    IdlePoseAnimationPool& pool;
    std::array<Frame, 3> frames;
    float loopLength;
  };
  const Case cases[] = {{aggressive,
                         {{{0, 64, 64, 128, 0.40000004f},
                           {64, 64, 128, 128, 0.40000004f},
                           {128, 64, 192, 128, Never}}},
                         0.8000001f},
                        {passive,
                         {{{0, 0, 64, 64, 0.40000004f},
                           {64, 0, 128, 64, 0.40000004f},
                           {256, 0, 320, 64, 1.1342745e37f}}},
                         0.8000001f},
                        {wall,
                         {{{0, 0, 176, 192, 0.80000007f},
                           {176, 0, 352, 192, 0.80000007f},
                           {352, 0, 528, 192, Never}}},
                         1.6000001f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    ASSERT_EQ(c.pool.frames.size(), 3u);
    const AnimationFrame& idle1 = *c.pool.frames[0];
    const AnimationFrame& idle2 = *c.pool.frames[1];
    EXPECT_EQ(idle1.next, &idle2);
    EXPECT_EQ(idle2.next, nullptr);
    for (size_t i = 0; i < 3; ++i) {
      const AnimationFrame& frame = *c.pool.frames[i];
      const auto& corners = frame.corners;
      EXPECT_EQ(frame.texture, textures[0].get()) << i;
      EXPECT_EQ((Frame{corners[6], corners[7], corners[0], corners[1], frame.duration}),
                c.frames[i])
          << i;
    }

    auto held = c.pool.GetAnimation(IdlePoseAnimationPool::PoseAnimation);
    EXPECT_EQ(held->frames, std::vector<AnimationFrame*>{c.pool.frames[2].get()});
    EXPECT_EQ(held->loop, 0);
    EXPECT_EQ(held->length, 0.0f);
    for (int number : {0, 2, -1, 99}) {
      auto idle = c.pool.GetAnimation(number);
      ASSERT_EQ(idle->frames.size(), 2u) << number;
      EXPECT_EQ(idle->loop, 1) << number;
      EXPECT_EQ(idle->length, c.loopLength) << number;
    }

    // The idle loop shows each frame for its duration and comes back round.
    auto idle = c.pool.GetAnimation(IdlePoseAnimationPool::IdleAnimation);
    const float step = idle1.duration;
    idle->Advance(0.0f);
    idle->Advance(step * 0.99f);
    EXPECT_EQ(idle->current, &idle1);
    idle->Advance(step * 0.02f);
    EXPECT_EQ(idle->current, &idle2);
    idle->Advance(step);
    EXPECT_EQ(idle->current, &idle1);
  }
}

}  // namespace
