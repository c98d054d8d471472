#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

// Ends the process when a frame has not returned within the limit: a hang fails the run at once,
// with the note the owner prints first.
class Watchdog {
 public:
  using Clock = std::chrono::steady_clock;

  Watchdog(std::chrono::seconds limit, void (*note)());
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // Also for any other step held to the limit.
  void FrameStarted() { frameStart_ = Clock::now().time_since_epoch().count(); }

 private:
  void Watch();

  std::chrono::seconds limit_;
  void (*note_)();
  std::atomic<Clock::rep> frameStart_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  std::thread thread_;
};
