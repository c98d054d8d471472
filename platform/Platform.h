#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class AudioDevice;
class Renderer;

// One pad's reading in the layout the game's input code expects: a 16-bit button mask with
// the classic console bit values, triggers 0-255, sticks -32768..32767 with y growing upward.
struct PadState {
  uint32_t packetNumber = 0;
  uint16_t buttons = 0;
  uint8_t leftTrigger = 0;
  uint8_t rightTrigger = 0;
  int16_t thumbLX = 0;
  int16_t thumbLY = 0;
  int16_t thumbRX = 0;
  int16_t thumbRY = 0;
};

constexpr int PadSlotCount = 4;
constexpr int KeyCount = 256;
using KeyArray = std::array<uint8_t, KeyCount>;

// Cursor in "screen" coordinates (the window's position plus client coordinates) and buttons.
struct MouseSample {
  int x = 0;
  int y = 0;
  bool left = false;
  bool right = false;
  bool middle = false;
  bool extra1 = false;
  bool extra2 = false;
};

enum class WindowEvent { FocusGained, FocusLost, CloseRequested };

struct WindowRequest {
  std::string title;
  int x = 0;
  int y = 0;
  int clientWidth = 0;
  int clientHeight = 0;
};

// The services the game needs of the operating system. Two implementations exist: one over
// SDL with a real window, and a headless one whose inputs and clock a test controls.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual bool OpenWindow(const WindowRequest& request) = 0;
  // Takes the next window event that the game reacts to, if any.
  virtual std::optional<WindowEvent> PollEvent() = 0;
  // Blocks until something happens (or the timeout passes): the loop's idle while inactive.
  virtual void WaitForEvent(int timeoutMilliseconds) = 0;
  virtual void SetCursorVisible(bool visible) = 0;
  virtual void ShowMessageBox(const std::string& caption, const std::string& text) = 0;
  virtual void GetWindowPosition(int& x, int& y) const = 0;

  // Monotonic time in microseconds; never goes backwards.
  virtual uint64_t NowMicroseconds() = 0;
  // Waits until the period has passed since the last frame ended: the frame limiter of the
  // loop where presenting does not wait for the display.
  virtual void PaceFrame(uint64_t periodMicroseconds) = 0;
  // The refresh rate of the display that shows the window, in hertz; 0 when it is not known.
  virtual int RefreshRate() = 0;

  // 0x80 marks a key that is down, 0x01 a toggled key (read for Caps Lock), indexed by
  // virtual-key code.
  virtual void ReadKeyboard(KeyArray& keys) = 0;
  virtual MouseSample ReadMouse() = 0;
  // False when no pad answers in that slot.
  virtual bool ReadPad(int slot, PadState& state) = 0;
  virtual void StopVibration(int slot) = 0;

  // The drawing device for the window (or, headless, for an off-screen frame).
  virtual std::unique_ptr<Renderer> CreateRenderer() = 0;
  // The sound output (or, headless, one that renders into memory); never null.
  virtual std::unique_ptr<AudioDevice> CreateAudioDevice() = 0;
};

std::unique_ptr<Platform> CreateWindowPlatform();

// Makes the folder holding the running program the working folder, so relative content paths work.
void UseProgramFolderAsWorkingFolder();

}  // namespace platform
