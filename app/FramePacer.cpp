#include "app/FramePacer.h"

#include "platform/Platform.h"

namespace {

constexpr int DefaultRefreshRate = 60;
constexpr uint64_t MicrosecondsPerSecond = 1'000'000;
// Frames that waited for the display average a whole refresh period; frames averaging less
// than seven eighths of one did not wait. The margin keeps a display a little faster than its
// reported rate from passing for one that does not wait.
constexpr uint64_t ShortFrameEighths = 7;

uint64_t RefreshPeriod(platform::Platform& platform) {
  const int reported = platform.RefreshRate();
  const uint64_t hertz = static_cast<uint64_t>(reported > 0 ? reported : DefaultRefreshRate);
  return (MicrosecondsPerSecond + hertz / 2) / hertz;
}

}  // namespace

FramePacer::FramePacer(platform::Platform& platform, bool presentWaits)
    : platform_(platform),
      presentWaits_(presentWaits),
      pacing_(!presentWaits),
      periodMicroseconds_(RefreshPeriod(platform)),
      frameStart_(platform.NowMicroseconds()) {}

void FramePacer::EndFrame() {
  const uint64_t now = platform_.NowMicroseconds();
  // A clock that steps backwards gives an empty frame.
  runMicroseconds_ += now > frameStart_ ? now - frameStart_ : 0;
  if (++runFrames_ == RunFrames) EndRun();
  if (pacing_) platform_.PaceFrame(periodMicroseconds_);
  Restart();
}

void FramePacer::Restart() { frameStart_ = platform_.NowMicroseconds(); }

void FramePacer::EndRun() {
  if (presentWaits_) {
    pacing_ = runMicroseconds_ * 8 < ShortFrameEighths * RunFrames * periodMicroseconds_;
  }
  // The window may have moved to another display.
  periodMicroseconds_ = RefreshPeriod(platform_);
  runFrames_ = 0;
  runMicroseconds_ = 0;
}
