#pragma once

#include <deque>

#include "platform/FrameSchedule.h"
#include "platform/Platform.h"

namespace platform {

// A platform without a display, input devices or real time: tests set what it reads.
class HeadlessPlatform : public Platform {
 public:
  HeadlessPlatform();

  bool OpenWindow(const WindowRequest& request) override;
  std::optional<WindowEvent> PollEvent() override;
  void WaitForEvent(int timeoutMilliseconds) override;
  void SetCursorVisible(bool visible) override;
  void ShowMessageBox(const std::string& caption, const std::string& text) override;
  void GetWindowPosition(int& x, int& y) const override;
  uint64_t NowMicroseconds() override;
  void PaceFrame(uint64_t periodMicroseconds) override;
  int RefreshRate() override { return refreshRate_; }
  void ReadKeyboard(KeyArray& keys) override;
  MouseSample ReadMouse() override;
  bool ReadPad(int slot, PadState& state) override;
  void StopVibration(int slot) override;
  std::unique_ptr<Renderer> CreateRenderer() override;
  std::unique_ptr<AudioDevice> CreateAudioDevice() override;

  // What a test injects.
  void PushEvent(WindowEvent event) { events_.push_back(event); }
  void AdvanceClock(uint64_t microseconds) { now_ += microseconds; }
  // Sets the clock outright, also backwards, as a misbehaving clock might.
  void SetClock(uint64_t microseconds) { now_ = microseconds; }
  uint64_t Clock() const { return now_; }
  void SetKey(int virtualKey, bool down);
  void SetToggled(int virtualKey, bool toggled);
  void ReleaseAllKeys();
  void SetMouse(const MouseSample& sample) { mouse_ = sample; }
  void ConnectPad(int slot, const PadState& state);
  void DisconnectPad(int slot);
  // Renderers made afterwards report that presenting waits for the display, as with vsync.
  void SetPresentWaits(bool waits) { presentWaits_ = waits; }
  // Pacing moves the clock on to when the frame may begin, as a real wait would; otherwise it
  // is only counted.
  void SetPaceWaits(bool waits) { paceWaits_ = waits; }
  void SetRefreshRate(int hertz) { refreshRate_ = hertz; }

  // What a test observes.
  const WindowRequest& Window() const { return window_; }
  bool WindowOpen() const { return windowOpen_; }
  bool CursorVisible() const { return cursorVisible_; }
  int WaitCount() const { return waitCount_; }
  int PaceCount() const { return paceCount_; }
  int VibrationStops(int slot) const { return vibrationStops_.at(slot); }
  const std::string& LastMessage() const { return lastMessage_; }

 private:
  std::deque<WindowEvent> events_;
  uint64_t now_ = 1'000'000'000;
  KeyArray keys_{};
  MouseSample mouse_;
  std::array<std::optional<PadState>, PadSlotCount> pads_;
  std::array<int, PadSlotCount> vibrationStops_{};
  WindowRequest window_;
  bool windowOpen_ = false;
  bool cursorVisible_ = true;
  int waitCount_ = 0;
  int paceCount_ = 0;
  bool presentWaits_ = false;
  bool paceWaits_ = false;
  int refreshRate_ = 0;
  FrameSchedule schedule_;
  std::string lastMessage_;
};

}  // namespace platform
