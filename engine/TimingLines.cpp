#include "engine/TimingLines.h"

#include <cstdint>

#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/VectorMath.h"
#include "platform/Platform.h"

namespace {

constexpr float MicrosecondsPerSecond = 1'000'000.0f;

float SecondsSince(uint64_t from, uint64_t now) {
  return now > from ? static_cast<float>(now - from) / MicrosecondsPerSecond : 0.0f;
}

}  // namespace

std::array<std::wstring, 4> TimingLines(const std::wstring& stateName) {
  const uint64_t now = MainPlatform ? MainPlatform->NowMicroseconds() : CurrentFrameTime;
  return {
      L"Game state: " + stateName,
      L"Total run time: " + FloatToWString(SecondsSince(StartUpFrameTime, now)),
      L"FPS: " + FloatToWString(UpdateFramesPerSecond()),
      L"Elapsed Seconds: " + FloatToWString(SecondsSince(LastFrameTime, now)),
  };
}
