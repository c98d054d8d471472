#include "engine/DebugOverlay.h"

#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/VectorMath.h"
#include "platform/Platform.h"

namespace {

constexpr float MicrosecondsPerSecond = 1'000'000.0f;
constexpr float OverlayLeft = 10.0f;
constexpr float OverlayBottomGap = 6.0f;
constexpr float OverlayLineStep = 10.0f;

}  // namespace

float SecondsBetween(uint64_t from, uint64_t to) {
  return to > from ? static_cast<float>(to - from) / MicrosecondsPerSecond : 0.0f;
}

std::vector<std::wstring> ScreenDiagnostics(const std::wstring& screenName) {
  return {
      L"Game state: " + screenName,
      L"Total run time: " + FloatToWString(SecondsBetween(StartUpFrameTime, CurrentFrameTime)),
      L"FPS: " + FloatToWString(UpdateFramesPerSecond()),
  };
}

std::array<std::wstring, 4> TimingLines(const std::wstring& stateName) {
  const uint64_t now = MainPlatform ? MainPlatform->NowMicroseconds() : CurrentFrameTime;
  return {
      L"Game state: " + stateName,
      L"Total run time: " + FloatToWString(SecondsBetween(StartUpFrameTime, now)),
      L"FPS: " + FloatToWString(UpdateFramesPerSecond()),
      L"Elapsed Seconds: " + FloatToWString(SecondsBetween(LastFrameTime, now)),
  };
}

void DrawDiagnosticLines(const std::vector<std::wstring>& lines) {
  float y = static_cast<float>(ScreenHeight) - OverlayBottomGap;
  for (const std::wstring& line : lines) {
    DrawTextAligned(SmallFont, OverlayLeft, y, 0.0f, line, DebugTextColor.ToD3DColor(), AlignLeft,
                    AlignMiddle);
    y -= OverlayLineStep;
  }
}

void DrawScreenOverlay(const GameStateSet* set) {
  const GameState* current = set ? set->current : nullptr;
  DrawDiagnosticLines(ScreenDiagnostics(current ? current->GetName() : std::wstring()));
}
