#pragma once

#include <cstdint>

namespace platform {

// The frame limiter's timetable: each frame may begin one period after the last one was let
// go. A frame that comes late is let go at once and the timetable starts again from it, so a
// slow frame is not followed by a burst of hurried ones.
class FrameSchedule {
 public:
  // The time until which the frame ending now must wait.
  uint64_t Next(uint64_t now, uint64_t periodMicroseconds) {
    const uint64_t due = lastLetGo_ + periodMicroseconds;
    lastLetGo_ = lastLetGo_ != 0 && now < due ? due : now;
    return lastLetGo_;
  }

 private:
  uint64_t lastLetGo_ = 0;
};

}  // namespace platform
