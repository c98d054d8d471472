#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/Application.h"
#include "app/FramePacer.h"
#include "engine/DeferredDeleteList.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "menus/MenuTitle.h"
#include "platform/Renderer.h"
#include "support/GameHarness.h"

namespace {

// A screen that records what the frame loop asks of it.
class ProbeState : public GameState {
 public:
  ProbeState() { SetName("Probe"); }

  void Enter() override { ++enters; }
  void HandleInput(float dt) override {
    calls.push_back("input");
    inputSteps.push_back(dt);
    if (onInput) onInput();
  }
  void HandleInputHeld(float dt) override {
    calls.push_back("input held");
    inputSteps.push_back(dt);
  }
  void Update(float dt) override {
    calls.push_back("update");
    updateSteps.push_back(dt);
    if (onUpdate) onUpdate();
  }
  void UpdateHeld(float dt) override {
    calls.push_back("update held");
    updateSteps.push_back(dt);
  }
  void Draw() override {
    calls.push_back("draw");
    if (onDraw) onDraw();
  }
  void DrawDebugOverlay() override {}
  void DrawHeld() override { calls.push_back("draw held"); }

  int enters = 0;
  std::vector<std::string> calls;
  std::vector<float> inputSteps;
  std::vector<float> updateSteps;
  std::function<void()> onInput;
  std::function<void()> onUpdate;
  std::function<void()> onDraw;
};

// Sets a flag when destroyed.
struct Tracked {
  explicit Tracked(bool& destroyedFlag) : destroyed(destroyedFlag) {}
  ~Tracked() { destroyed = true; }
  bool& destroyed;
};

class FrameLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(game.Started());
    GameStates->SwitchTo(&probe);
    probe.calls.clear();
  }
  void TearDown() override { GameStates->SwitchTo(GameStates->menuTitle); }

  GameHarness game;
  ProbeState probe;
};

TEST_F(FrameLoopTest, InputGetsTheScaledStepUnclampedAndUpdateAtMostTwoHundredths) {
  game.Step(0.1f);
  ASSERT_EQ(probe.inputSteps.size(), 1u);
  EXPECT_NEAR(probe.inputSteps[0], 0.1f, 1e-6f);
  EXPECT_FLOAT_EQ(probe.updateSteps[0], 0.02f);
  EXPECT_FLOAT_EQ(GameTimeStep, 0.02f);

  game.Step(0.01f);
  EXPECT_NEAR(probe.updateSteps[1], 0.01f, 1e-6f);
}

TEST_F(FrameLoopTest, TimeScaleFourAtSixtyFramesPerSecond) {
  TimeScale = 4.0f;
  game.Step(1.0f / 60.0f);
  EXPECT_NEAR(probe.inputSteps[0], 4.0f / 60.0f, 1e-5f);
  EXPECT_FLOAT_EQ(probe.updateSteps[0], 0.02f);
  EXPECT_NEAR(TotalRunTime, 1.0f / 60.0f, 1e-5f);
}

TEST_F(FrameLoopTest, HeldVariantsRunWhileTheHoldTimerRuns) {
  probe.holdTimer = 0.03f;
  game.Step(0.02f);
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"input held", "update held", "draw held"}));
  EXPECT_NEAR(probe.holdTimer, 0.01f, 1e-6f);

  // The timer reaches 0 in this frame's update: input is still held, update and draw are not.
  probe.calls.clear();
  game.Step(0.02f);
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"input held", "update", "draw"}));
  EXPECT_EQ(probe.holdTimer, 0.0f);

  probe.calls.clear();
  game.Step(0.02f);
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"input", "update", "draw"}));
}

TEST_F(FrameLoopTest, StateSwitchedInInputIsUpdatedAndDrawnInTheSameFrame) {
  ProbeState target;
  probe.onInput = [&] { GameStates->SwitchTo(&target); };
  game.Step();
  EXPECT_EQ(probe.calls, (std::vector<std::string>{"input"}));
  EXPECT_EQ(target.calls, (std::vector<std::string>{"update", "draw"}));
  EXPECT_EQ(target.enters, 1);
  EXPECT_EQ(GameStates->previous, &probe);

  game.Step();
  EXPECT_EQ(target.calls.size(), 5u);
  EXPECT_EQ(target.calls[2], "input");
}

TEST_F(FrameLoopTest, InactiveWindowOnlyTakesMessages) {
  game.Step();
  const uint32_t ticks = TickCounter;
  const float runTime = TotalRunTime;
  probe.calls.clear();

  game.Platform().PushEvent(platform::WindowEvent::FocusLost);
  game.StepFrames(5, 1.0f);
  EXPECT_TRUE(probe.calls.empty());
  EXPECT_EQ(TickCounter, ticks);
  EXPECT_EQ(TotalRunTime, runTime);
  EXPECT_EQ(game.Platform().WaitCount(), 5);

  // The first frame after the focus returns sees the whole gap, the update 0.02 at most.
  game.Platform().PushEvent(platform::WindowEvent::FocusGained);
  game.Step(1.0f);
  EXPECT_NEAR(probe.inputSteps.back(), 6.0f, 1e-4f);
  EXPECT_FLOAT_EQ(probe.updateSteps.back(), 0.02f);

  game.Platform().PushEvent(platform::WindowEvent::FocusLost);
  game.Platform().PushEvent(platform::WindowEvent::CloseRequested);
  game.Step();
  EXPECT_EQ(Running, 0);
}

TEST_F(FrameLoopTest, DeferredDeletesAreDestroyedAfterTheDraw) {
  bool destroyed = false;
  bool aliveWhileDrawing = false;
  probe.onUpdate = [&] { DeferredDeletes->Add(new Tracked(destroyed)); };
  probe.onDraw = [&] { aliveWhileDrawing = !destroyed; };
  game.Step();
  EXPECT_TRUE(aliveWhileDrawing);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(DeferredDeletes->Size(), 0u);
  // The harness's undrawn step ends its frame as the loop does.
  destroyed = false;
  game.StepUndrawn();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(DeferredDeletes->Size(), 0u);
}

TEST_F(FrameLoopTest, BackwardsOrHugeClockStepsStayHarmless) {
  game.Step();
  game.Platform().SetClock(game.Platform().Clock() - 5'000'000);
  game.Step(0.0f);
  EXPECT_EQ(probe.inputSteps.back(), 0.0f);
  EXPECT_EQ(probe.updateSteps.back(), 0.0f);

  // The clock alone jumps: stepping the harness would also mix three hours of sound.
  const float hours = 3.0f * 3600.0f;
  game.Platform().AdvanceClock(static_cast<uint64_t>(hours) * 1'000'000);
  game.Step(0.0f);
  EXPECT_NEAR(probe.inputSteps.back(), hours, 1.0f);
  EXPECT_FLOAT_EQ(probe.updateSteps.back(), 0.02f);
}

TEST(FramePacing, TheLoopLimitsTheFrameRateOnlyWherePresentingDoesNotWait) {
  for (const bool presentWaits : {false, true}) {
    GameHarness game(presentWaits);
    ASSERT_TRUE(game.Started());
    EXPECT_EQ(Device->PresentWaitsForDisplay(), presentWaits);
    game.StepFrames(3);
    EXPECT_EQ(game.Platform().PaceCount(), presentWaits ? 0 : 3) << presentWaits;
    // An inactive window waits for events instead, either way.
    game.Platform().PushEvent(platform::WindowEvent::FocusLost);
    game.StepFrames(2);
    EXPECT_EQ(game.Platform().PaceCount(), presentWaits ? 0 : 3) << presentWaits;
  }
}

// A display that grants vsync but returns from presenting at once: after a run of such short
// frames the loop waits for itself, one frame per refresh of the display; once the frames take
// a refresh period on their own (presenting waits again), it stops waiting.
TEST(FramePacing, PresentingThatDoesNotWaitDespiteVsyncIsPacedToTheRefreshRate) {
  GameHarness game(true);
  ASSERT_TRUE(game.Started());
  platform::HeadlessPlatform& display = game.Platform();
  display.SetPaceWaits(true);
  display.SetRefreshRate(50);
  constexpr float Quick = 0.001f;
  game.StepFrames(FramePacer::RunFrames, Quick);
  const uint64_t paced = display.Clock();
  game.StepFrames(10, Quick);
  EXPECT_EQ(display.Clock() - paced, 10 * 20'000u);

  game.StepFrames(2 * FramePacer::RunFrames, 1.0f / 50);
  const int paces = display.PaceCount();
  game.StepFrames(10, Quick);
  EXPECT_EQ(display.PaceCount(), paces);
}

TEST_F(FrameLoopTest, EachFrameClearsToTheClearColour) {
  game.Step();
  EXPECT_EQ(game.Pixel(0, 0), ClearColor.ToD3DColor());
  EXPECT_EQ(game.Pixel(799, 599), ClearColor.ToD3DColor());
}

}  // namespace
