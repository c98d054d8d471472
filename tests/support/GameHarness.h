#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/HeadlessPlatform.h"
#include "support/TempFolder.h"

// Boots the real program on the headless platform in a fresh folder that holds a copy of the
// game's content (pictures and sounds linked, text files copied), drives it with injected input
// and a controlled clock, and shuts it down cleanly.
class GameHarness {
 public:
  static constexpr float FrameSeconds = 1.0f / 60.0f;

  // presentWaits: the headless display stands in for one whose presenting waits (vsync).
  explicit GameHarness(bool presentWaits = false);
  ~GameHarness();
  GameHarness(const GameHarness&) = delete;
  GameHarness& operator=(const GameHarness&) = delete;

  bool Started() const { return started_; }
  platform::HeadlessPlatform& Platform() { return *platform_; }
  const std::filesystem::path& Folder() const { return folder_.Path(); }

  // Moves the clock on by the given time, then runs one pass of the frame loop.
  void Step(float seconds = FrameSeconds);
  void StepFrames(int count, float seconds = FrameSeconds);
  // The frame loop's pass without its drawing or sound: the clock, the input step, the update
  // and the deferred deletes, in the loop's order.
  void StepUndrawn();

  void PressKey(int virtualKey) { platform_->SetKey(virtualKey, true); }
  void ReleaseKey(int virtualKey) { platform_->SetKey(virtualKey, false); }
  // Down for one frame, up for the next.
  void TapKey(int virtualKey);
  // The connected pad's button down for one frame, all its buttons up for the next.
  void TapPad(int slot, uint16_t button);

  uint32_t Pixel(int x, int y) const;
  bool SaveFrame(const std::string& path) const;
  // Saves the frame as the named PNG in the harness's folder, checks it against its recorded
  // reference and, when the environment names a folder in QM_KEEP_FRAMES, copies it there to be
  // looked at.
  bool KeepFrame(const std::string& name) const;

 private:
  TempFolder folder_;
  std::unique_ptr<WorkingFolder> workingFolder_;
  std::unique_ptr<platform::HeadlessPlatform> platform_;
  bool started_ = false;
};

// Copies the game's content into the folder as Content/, the way the program finds it.
void PrepareContentFolder(const std::filesystem::path& folder);
