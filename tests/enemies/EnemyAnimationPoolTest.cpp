#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "enemies/DemoEnemyAnimationPool.h"
#include "enemies/DemoGoblinAnimationPool.h"
#include "enemies/GoblinAnimationPool.h"
#include "enemies/RatatoskrAnimationPool.h"
#include "engine/Texture.h"

namespace {

// Pools built on two sheets, checked against their cell tables.
class EnemyPools : public ::testing::Test {
 protected:
  EnemyPools() {
    for (const char* name : {"frames", "shielded", "third", "fourth"}) {
      textures.push_back(std::make_unique<Texture>(name, L"sheet", 1024, 1024));
    }
  }

  // A frame as a pool's table gives it: name, sheet, texel rectangle, duration and the frame
  // it runs on to (none when empty).
  struct FrameRow {
    std::wstring name;
    int texture;
    float left, top, right, bottom;
    float duration;
    std::wstring next;
  };
  void ExpectFrames(const EnemyAnimationPool& pool, const std::vector<FrameRow>& rows) const {
    ASSERT_EQ(pool.frames.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      const FrameRow& row = rows[i];
      const AnimationFrame& frame = *pool.frames[i];
      SCOPED_TRACE(i);
      EXPECT_EQ(frame.name, row.name);
      EXPECT_EQ(frame.texture, textures[static_cast<size_t>(row.texture)].get());
      EXPECT_EQ(frame.corners, (std::array<float, 8>{row.right, row.bottom, row.left, row.bottom,
                                                     row.right, row.top, row.left, row.top}));
      EXPECT_EQ(frame.duration, row.duration);
      EXPECT_EQ(frame.next ? frame.next->name : L"", row.next);
    }
  }

  // Every cell makes one frame on its texture; chains run along rows of one animation.
  static void ExpectFramesFollowTheCells(const EnemyAnimationPool& pool,
                                         std::span<const AnimationCell> cells,
                                         const TextureGroup& textures) {
    ASSERT_EQ(pool.frames.size(), cells.size());
    for (size_t i = 0; i < cells.size(); ++i) {
      const bool continues = i > 0 && cells[i - 1].animation == cells[i].animation;
      EXPECT_EQ(cells[i].place, continues ? cells[i - 1].place + 1 : 0) << i;
      const AnimationFrame& frame = *pool.frames[i];
      EXPECT_EQ(frame.name, cells[i].frame);
      EXPECT_EQ(frame.texture, textures[static_cast<size_t>(cells[i].texture)].get()) << i;
      const bool chained = i + 1 < cells.size() && cells[i + 1].animation == cells[i].animation;
      EXPECT_EQ(frame.next, chained ? pool.frames[i + 1].get() : nullptr) << i;
      EXPECT_LE(cells[i].rect.right, 1024);
      EXPECT_LE(cells[i].rect.bottom, 1024);
    }
  }

  struct Case {
    int number;
    size_t frames;
    uint8_t loop;
    float length;
    const wchar_t* first;
    const wchar_t* last;  // where it rests after ten seconds
  };
  static void ExpectAnimations(EnemyAnimationPool& pool, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.number);
      auto animation = pool.GetAnimation(c.number);
      ASSERT_EQ(animation->frames.size(), c.frames);
      EXPECT_EQ(animation->loop, c.loop);
      EXPECT_EQ(animation->length, c.length);
      EXPECT_EQ(animation->frames.front()->name, c.first);
      for (int step = 0; step < 1000; ++step) animation->Advance(0.01f);
      if (c.last) {
        EXPECT_EQ(animation->current->name, c.last);
      }
    }
  }

  TextureGroup textures;
};

TEST_F(EnemyPools, TheRatatoskrPoolBuildsItsFramesAndAnimationsFromTheTable) {
  RatatoskrAnimationPool pool(textures);
  // In field order: the name, the cell's left and top (128 on a side, all on the first sheet),
  // and the frame a step of 0.10000001 s runs on to; a frame without a step never ends.
  struct Row {
    const wchar_t* name;
    float left, top;
    bool step;
    const wchar_t* next;
  };
  const Row rows[] = {
      {L"m_frameIdle1", 0, 0, false, L""},
      {L"m_frameDead", 896, 0, false, L""},
      {L"m_frameCautious", 128, 0, false, L""},
      {L"m_frameRunning1", 640, 0, true, L"m_frameRunning2"},
      {L"m_frameRunning2", 512, 0, true, L""},
      {L"m_frameBackAlerted", 256, 0, false, L""},
      {L"m_frameFrontAlerted", 384, 0, false, L""},
      {L"m_frameLuring1", 640, 0, true, L"m_frameLuring2"},
      {L"m_frameLuring2", 512, 0, true, L""},
      {L"m_frameAttackPrepping", 0, 128, false, L""},
      {L"m_frameJumpAttacking", 256, 128, false, L""},
      {L"m_frameGroundAttacking", 256, 128, false, L""},
      {L"m_frameSkidding", 0, 128, false, L""},
      {L"m_frameHurt", 768, 0, false, L""},
      {L"m_frameFalling", 896, 128, false, L""},
      {L"m_frameAttacking1", 384, 128, true, L"m_frameAttacking2"},
      {L"m_frameAttacking2", 512, 128, true, L"m_frameAttacking3"},
      {L"m_frameAttacking3", 640, 128, true, L"m_frameAttacking4"},
      {L"m_frameAttacking4", 768, 128, true, L"m_frameAttacking5"},
      {L"m_frameAttacking5", 896, 128, true, L""},
  };
  std::vector<FrameRow> frames;
  for (const Row& row : rows) {
    frames.push_back({row.name, 0, row.left, row.top, row.left + 128, row.top + 128,
                      row.step ? 0.10000001f : std::numeric_limits<float>::max(), row.next});
  }
  ExpectFrames(pool, frames);
  ExpectAnimations(
      pool, {
                {RatatoskrIdling, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
                {RatatoskrDead, 1, 0, 0.0f, L"m_frameDead", nullptr},
                {RatatoskrCautious, 1, 0, 0.0f, L"m_frameCautious", nullptr},
                {RatatoskrRunning, 2, 1, 0.20000002f, L"m_frameRunning1", nullptr},
                {RatatoskrBackAlerted, 1, 0, 0.0f, L"m_frameBackAlerted", nullptr},
                {RatatoskrFrontAlerted, 1, 0, 0.0f, L"m_frameFrontAlerted", nullptr},
                {RatatoskrLuring, 2, 1, 0.20000002f, L"m_frameLuring1", nullptr},
                {RatatoskrAttackPrepping, 1, 0, 0.0f, L"m_frameAttackPrepping", nullptr},
                {RatatoskrJumpAttacking, 1, 0, 0.0f, L"m_frameJumpAttacking", nullptr},
                {RatatoskrGroundAttacking, 1, 0, 0.0f, L"m_frameGroundAttacking", nullptr},
                {RatatoskrSkidding, 1, 0, 0.0f, L"m_frameSkidding", nullptr},
                {RatatoskrHurt, 1, 0, 0.0f, L"m_frameHurt", nullptr},
                {RatatoskrFalling, 1, 0, 0.0f, L"m_frameFalling", nullptr},
                {RatatoskrAttacking, 5, 0, 0.50000006f, L"m_frameAttacking1", L"m_frameAttacking5"},
                {14, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
                {-1, 1, 0, 0.0f, L"m_frameIdle1", nullptr},
            });
}

// The DemoEnemy's ten poses of 1/30 s on the first sheet, its seven eight-frame chains each cut
// row by row from a grid on one sheet, and its downed pose.
TEST_F(EnemyPools, TheDemoEnemyPoolCutsItsPosesAndChainsAsItsTableSays) {
  DemoEnemyAnimationPool pool(textures);
  // Durations in thirtieths of a second, 3 standing for 0.10000001.
  const float thirtieths[] = {0.0f, 0.033333335f, 0.06666667f, 0.10000001f};
  std::vector<FrameRow> frames;
  const std::pair<const wchar_t*, float> poses[] = {{L"idleFrame1", 0},
                                                    {L"dashFrame1", 128},
                                                    {L"backDashFrame1", 256},
                                                    {L"dodgeFrame1", 256},
                                                    {L"guardFrame1", 896},
                                                    {L"guardBreakUpFrame1", 768},
                                                    {L"guardBreakDownFrame1", 640},
                                                    {L"jumpFrame1", 384},
                                                    {L"fallFrame1", 512},
                                                    {L"airDashFrame1", 128}};
  for (const auto& [name, left] : poses) {
    frames.push_back({name, 0, left, 0, left + 128, 128, thirtieths[1], L""});
  }
  struct Chain {
    std::wstring name;
    int texture;
    float width, height, x0, y0;
    int columns;
    std::array<int, 8> durations;
  };
  const Chain chains[] = {
      {L"m_forwardAttackFrame", 1, 384, 256, 0, 0, 2, {1, 1, 1, 1, 2, 2, 1, 1}},
      {L"m_downAttackFrame", 3, 256, 256, 0, 0, 4, {1, 1, 2, 2, 2, 1, 1, 1}},
      {L"m_upAttackFrame", 1, 128, 256, 768, 0, 2, {1, 1, 1, 3, 1, 1, 1, 1}},
      {L"m_neutralAirAttackFrame", 2, 256, 256, 0, 0, 4, {1, 1, 1, 2, 1, 1, 1, 1}},
      {L"m_forwardAirAttackFrame", 3, 256, 128, 0, 512, 4, {1, 1, 2, 3, 2, 1, 1, 1}},
      {L"m_downAirAttackFrame", 2, 256, 256, 0, 512, 4, {1, 1, 1, 3, 3, 2, 2, 1}},
      {L"m_upAirAttackFrame", 0, 256, 384, 0, 256, 4, {1, 1, 1, 3, 2, 2, 1, 1}},
  };
  for (const Chain& chain : chains) {
    for (int k = 1; k <= 8; ++k) {
      const float left = chain.x0 + chain.width * static_cast<float>((k - 1) % chain.columns);
      const float top = chain.y0 + chain.height * static_cast<float>((k - 1) / chain.columns);
      std::wstring name = chain.name + std::to_wstring(k);
      if (name == L"m_upAirAttackFrame1") name = L"upAirAttackFrame1";
      frames.push_back({name, chain.texture, left, top, left + chain.width, top + chain.height,
                        thirtieths[chain.durations[k - 1]],
                        k < 8 ? chain.name + std::to_wstring(k + 1) : L""});
    }
  }
  frames.push_back({L"downedFrame1", 0, 0, 128, 128, 256, thirtieths[1], L""});
  ExpectFrames(pool, frames);
}

TEST_F(EnemyPools, TheGoblinPoolBuildsEveryCellAndAnAnimationPerState) {
  GoblinAnimationPool pool(textures);
  constexpr float Never = std::numeric_limits<float>::max();
  // The goblin's frame table; each frame of a chain runs on to the next row. The four guard
  // breaks last, which the sheets have no cells for, show the falling, guarding and blocking
  // cells and never end.
  struct Row {
    const wchar_t* name;
    int texture;
    float left, top, right, bottom, duration;
    bool chained;
  };
  const Row rows[] = {
      {L"m_frameIdling1", 0, 0, 0, 128, 128, Never, false},
      {L"m_frameIdlingWithShield1", 1, 0, 0, 128, 128, Never, false},
      {L"m_frameIdleWalking1", 0, 384, 0, 512, 128, 0.20000002f, true},
      {L"m_frameIdleWalking2", 0, 512, 0, 640, 128, 0.20000002f, true},
      {L"m_frameIdleWalking3", 0, 640, 0, 768, 128, 0.20000002f, true},
      {L"m_frameIdleWalking4", 0, 768, 0, 896, 128, 0.20000002f, false},
      {L"m_frameIdleWalkingWithShield1", 0, 384, 0, 512, 128, 0.20000002f, true},
      {L"m_frameIdleWalkingWithShield2", 0, 512, 0, 640, 128, 0.20000002f, true},
      {L"m_frameIdleWalkingWithShield3", 0, 640, 0, 768, 128, 0.20000002f, true},
      {L"m_frameIdleWalkingWithShield4", 0, 768, 0, 896, 128, 0.20000002f, false},
      {L"m_frameFalling", 0, 896, 0, 1024, 128, Never, false},
      {L"m_frameFallingWithShield", 1, 896, 0, 1024, 128, Never, false},
      {L"m_frameDead", 0, 512, 256, 640, 384, Never, false},
      {L"m_frameBackAlerted", 0, 256, 0, 384, 128, Never, false},
      {L"m_frameFrontAlerted", 0, 128, 0, 256, 128, Never, false},
      {L"m_frameBackAlertedWithShield", 1, 256, 0, 384, 128, Never, false},
      {L"m_frameFrontAlertedWithShield", 1, 128, 0, 256, 128, Never, false},
      {L"m_frameGuarding", 0, 256, 128, 384, 256, Never, false},
      {L"m_frameForwardGuardWalking1", 0, 0, 256, 128, 384, 0.33333334f, true},
      {L"m_frameForwardGuardWalking2", 0, 128, 256, 256, 384, 0.33333334f, true},
      {L"m_frameForwardGuardWalking3", 0, 256, 256, 384, 384, 0.33333334f, true},
      {L"m_frameForwardGuardWalking4", 0, 384, 256, 512, 384, 0.33333334f, false},
      {L"m_frameBackwardGuardWalking1", 1, 384, 256, 512, 384, 0.33333334f, true},
      {L"m_frameBackwardGuardWalking2", 1, 256, 256, 384, 384, 0.33333334f, true},
      {L"m_frameBackwardGuardWalking3", 1, 128, 256, 256, 384, 0.33333334f, true},
      {L"m_frameBackwardGuardWalking4", 1, 0, 256, 128, 384, 0.33333334f, false},
      {L"m_frameShieldPushing1", 1, 384, 128, 512, 256, 0.33333334f, true},
      {L"m_frameShieldPushing2", 1, 512, 128, 640, 256, 0.26666668f, true},
      {L"m_frameShieldPushing3", 1, 640, 128, 768, 256, 0.33333334f, true},
      {L"m_frameShieldPushing4", 1, 768, 128, 896, 256, 0.33333334f, false},
      {L"m_frameAttacking1", 0, 0, 512, 128, 640, 0.033333335f, true},
      {L"m_frameAttacking2", 0, 128, 512, 256, 640, 0.06666667f, true},
      {L"m_frameAttacking3", 0, 256, 512, 384, 640, 0.10000001f, true},
      {L"m_frameAttacking4", 0, 128, 512, 256, 640, 0.06666667f, true},
      {L"m_frameAttacking5", 0, 0, 512, 128, 640, 0.033333335f, true},
      {L"m_frameAttacking6", 0, 384, 512, 640, 640, 0.033333335f, true},
      {L"m_frameAttacking7", 0, 640, 512, 1024, 640, 0.033333335f, true},
      {L"m_frameAttacking8", 0, 0, 640, 384, 768, 0.033333335f, true},
      {L"m_frameAttacking9", 0, 384, 640, 768, 768, 1, false},
      {L"m_frameAttackingWithShield1", 1, 0, 512, 192, 640, 0.23333335f, true},
      {L"m_frameAttackingWithShield2", 1, 256, 512, 448, 640, 0.06666667f, true},
      {L"m_frameAttackingWithShield3", 1, 512, 512, 704, 640, 0.06666667f, true},
      {L"m_frameAttackingWithShield4", 1, 256, 512, 448, 640, 0.033333335f, true},
      {L"m_frameAttackingWithShield5", 1, 0, 512, 192, 640, 0.33333334f, true},
      {L"m_frameAttackingWithShield6", 1, 768, 512, 960, 640, 0.33333334f, true},
      {L"m_frameAttackingWithShield7", 1, 0, 640, 256, 768, 0.33333334f, true},
      {L"m_frameAttackingWithShield8", 1, 256, 640, 512, 768, 0.33333334f, true},
      {L"m_frameAttackingWithShield9", 1, 512, 640, 768, 768, 0.33333334f, false},
      {L"m_frameBlocking", 1, 256, 128, 384, 256, Never, false},
      {L"m_frameGuardBreakUp", 0, 896, 0, 1024, 128, Never, false},
      {L"m_frameGuardBreakDown", 0, 256, 128, 384, 256, Never, false},
      {L"m_frameGuardBreakUpWithShield", 1, 896, 0, 1024, 128, Never, false},
      {L"m_frameGuardBreakDownWithShield", 1, 256, 128, 384, 256, Never, false},
  };
  std::vector<FrameRow> frames;
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    frames.push_back({row.name, row.texture, row.left, row.top, row.right, row.bottom, row.duration,
                      row.chained ? rows[i + 1].name : L""});
  }
  ExpectFrames(pool, frames);

  ExpectAnimations(
      pool,
      {
          {GoblinIdling, 1, 0, 0.0f, L"m_frameIdling1", L"m_frameIdling1"},
          {22, 1, 0, 0.0f, L"m_frameIdling1", L"m_frameIdling1"},
          {-1, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
          {GoblinIdlingWithShield, 1, 0, 0.0f, L"m_frameIdlingWithShield1", nullptr},
          {GoblinIdleWalking, 4, 1, 0.8000001f, L"m_frameIdleWalking1", nullptr},
          {GoblinIdleWalkingWithShield, 4, 1, 0.8000001f, L"m_frameIdleWalkingWithShield1",
           nullptr},
          {GoblinFalling, 1, 0, 0.0f, L"m_frameFalling", nullptr},
          {GoblinFallingWithShield, 1, 0, 0.0f, L"m_frameFallingWithShield", nullptr},
          {GoblinDead, 1, 0, 0.0f, L"m_frameDead", nullptr},
          {GoblinBackAlerted, 1, 0, 0.0f, L"m_frameBackAlerted", nullptr},
          {GoblinFrontAlerted, 1, 0, 0.0f, L"m_frameFrontAlerted", nullptr},
          {GoblinBackAlertedWithShield, 1, 0, 0.0f, L"m_frameBackAlertedWithShield", nullptr},
          {GoblinFrontAlertedWithShield, 1, 0, 0.0f, L"m_frameFrontAlertedWithShield", nullptr},
          {GoblinGuarding, 1, 0, 0.0f, L"m_frameGuarding", nullptr},
          {GoblinForwardGuardWalking, 4, 1, 1.3333334f, L"m_frameForwardGuardWalking1", nullptr},
          {GoblinBackwardGuardWalking, 4, 1, 1.3333334f, L"m_frameBackwardGuardWalking1", nullptr},
          {GoblinShieldPushing, 4, 0, 1.2666668f, L"m_frameShieldPushing1",
           L"m_frameShieldPushing4"},
          {GoblinAttacking, 9, 0, 1.4f, L"m_frameAttacking1", L"m_frameAttacking9"},
          {GoblinAttackingWithShield, 9, 0, 2.0666668f, L"m_frameAttackingWithShield1",
           L"m_frameAttackingWithShield9"},
          {GoblinBlocking, 1, 0, 0.0f, L"m_frameBlocking", nullptr},
          {GoblinGuardBreakUp, 1, 0, 0.0f, L"m_frameGuardBreakUp", L"m_frameGuardBreakUp"},
          {GoblinGuardBreakDown, 1, 0, 0.0f, L"m_frameGuardBreakDown", nullptr},
          {GoblinGuardBreakUpWithShield, 1, 0, 0.0f, L"m_frameGuardBreakUpWithShield", nullptr},
          {GoblinGuardBreakDownWithShield, 1, 0, 0.0f, L"m_frameGuardBreakDownWithShield", nullptr},
      });
  // The guarded walks play the same cells in opposite orders.
  auto forward = pool.GetAnimation(GoblinForwardGuardWalking);
  auto backward = pool.GetAnimation(GoblinBackwardGuardWalking);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(forward->frames[i]->corners, backward->frames[3 - i]->corners);
  }
}

TEST_F(EnemyPools, TheDemoGoblinPoolSharesFramesBetweenItsWalksAndShowsGuardingInItsBreaks) {
  DemoGoblinAnimationPool pool(textures);
  ExpectFramesFollowTheCells(pool, DemoGoblinAnimationPool::Cells(), textures);
  constexpr float Never = std::numeric_limits<float>::max();
  // The goblin's cells with the standing poses moved down to the fourth row of the plain sheet,
  // the downed and guarding poses to the second and the swing to the seventh and eighth. The
  // swing plays its first five cells forward and back, then four wider ones.
  const FrameRow rows[] = {
      {L"m_frameIdling1", 0, 0, 384, 128, 512, Never, L""},
      {L"m_frameIdleWalking1", 0, 384, 384, 512, 512, 0.20000002f, L"m_frameIdleWalking2"},
      {L"m_frameIdleWalking2", 0, 512, 384, 640, 512, 0.20000002f, L"m_frameIdleWalking3"},
      {L"m_frameIdleWalking3", 0, 640, 384, 768, 512, 0.20000002f, L"m_frameIdleWalking4"},
      {L"m_frameIdleWalking4", 0, 768, 384, 896, 512, 0.20000002f, L""},
      {L"m_frameFalling", 0, 896, 384, 1024, 512, Never, L""},
      {L"m_frameDead", 0, 0, 128, 128, 256, Never, L""},
      {L"m_frameBackAlerted", 0, 256, 384, 384, 512, Never, L""},
      {L"m_frameFrontAlerted", 0, 128, 384, 256, 512, Never, L""},
      {L"m_frameGuarding", 0, 128, 128, 256, 256, Never, L""},
      {L"m_frameAttacking1", 0, 0, 768, 128, 896, 1.0f / 30, L"m_frameAttacking2"},
      {L"m_frameAttacking2", 0, 128, 768, 256, 896, 2.0f / 30, L"m_frameAttacking3"},
      {L"m_frameAttacking3", 0, 256, 768, 384, 896, 0.10000001f, L"m_frameAttacking4"},
      {L"m_frameAttacking4", 0, 128, 768, 256, 896, 2.0f / 30, L"m_frameAttacking5"},
      {L"m_frameAttacking5", 0, 0, 768, 128, 896, 1.0f / 30, L"m_frameAttacking6"},
      {L"m_frameAttacking6", 0, 384, 768, 640, 896, 1.0f / 30, L"m_frameAttacking7"},
      {L"m_frameAttacking7", 0, 640, 768, 1024, 896, 1.0f / 30, L"m_frameAttacking8"},
      {L"m_frameAttacking8", 0, 0, 896, 384, 1024, 1.0f / 30, L"m_frameAttacking9"},
      {L"m_frameAttacking9", 0, 384, 896, 768, 1024, 1.0f, L""},
  };
  ExpectFrames(pool, {std::begin(rows), std::end(rows)});
  ExpectAnimations(
      pool, {
                {DemoGoblinIdling, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                {DemoGoblinIdleWalking, 4, 1, 0.80000007f, L"m_frameIdleWalking1", nullptr},
                {DemoGoblinFalling, 1, 0, 0.0f, L"m_frameFalling", nullptr},
                {DemoGoblinDead, 1, 0, 0.0f, L"m_frameDead", nullptr},
                {DemoGoblinBackAlerted, 1, 0, 0.0f, L"m_frameBackAlerted", nullptr},
                {DemoGoblinFrontAlerted, 1, 0, 0.0f, L"m_frameFrontAlerted", nullptr},
                {DemoGoblinAttacking, 9, 0, 1.4f, L"m_frameAttacking1", L"m_frameAttacking9"},
                {DemoGoblinGuardBreakUp, 1, 0, 0.0f, L"m_frameGuarding", nullptr},
                {DemoGoblinGuardBreakDown, 1, 0, 0.0f, L"m_frameGuarding", nullptr},
                {DemoGoblinAlertIdling, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                {DemoGoblinAlertWalking, 4, 1, 0.80000007f, L"m_frameIdleWalking1", nullptr},
                {11, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
                {-1, 1, 0, 0.0f, L"m_frameIdling1", nullptr},
            });
  auto walking = pool.GetAnimation(DemoGoblinIdleWalking);
  auto alertWalking = pool.GetAnimation(DemoGoblinAlertWalking);
  EXPECT_NE(walking.get(), alertWalking.get());
  EXPECT_EQ(walking->frames, alertWalking->frames);
}

}  // namespace
