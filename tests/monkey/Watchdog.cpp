#include "monkey/Watchdog.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::chrono::seconds CheckPeriod{1};

}  // namespace

Watchdog::Watchdog(std::chrono::seconds limit, void (*note)())
    : limit_(limit), note_(note), frameStart_(Clock::now().time_since_epoch().count()) {
  thread_ = std::thread([this] { Watch(); });
}

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_one();
  thread_.join();
}

void Watchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stop_.wait_for(lock, CheckPeriod, [this] { return stopping_; })) {
    const Clock::time_point started{Clock::duration{frameStart_.load()}};
    if (Clock::now() - started < limit_) continue;
    std::fprintf(stderr, "monkey: a frame has not returned after %lld seconds\n",
                 static_cast<long long>(limit_.count()));
    note_();
    std::abort();
  }
}
