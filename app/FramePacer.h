#pragma once

#include <cstdint>

namespace platform {
class Platform;
}

// Keeps the frame loop to one frame per display refresh. Presenting with vsync waits for the
// display and so paces the loop by itself, but a driver may grant vsync and still return from
// presenting at once (software GL, some compositors): the loop would then spin a whole core. So
// the frames are watched over runs of frames: while they take, apart from the loop's own
// waiting, clearly less than a refresh period, nothing paces the loop and it waits by the clock;
// once they no longer do (presenting has started to wait), presenting is trusted again.
class FramePacer {
 public:
  static constexpr int RunFrames = 30;

  // presentWaits: the renderer reports vsync granted. Without it the loop always paces itself.
  FramePacer(platform::Platform& platform, bool presentWaits);

  // After a frame is presented: counts it and, while pacing, waits until its period is over.
  void EndFrame();
  // The loop has waited for something else since the last frame (events, while the window is
  // inactive): the next frame is timed from now.
  void Restart();

 private:
  void EndRun();

  platform::Platform& platform_;
  const bool presentWaits_;
  bool pacing_;
  uint64_t periodMicroseconds_;
  uint64_t frameStart_;
  int runFrames_ = 0;
  uint64_t runMicroseconds_ = 0;
};
