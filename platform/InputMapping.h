#pragma once

#include <array>
#include <cstdint>

#include "platform/Platform.h"

namespace platform {

// Virtual-key code of a physical key (given as its USB usage number, as SDL's scancodes are),
// by key position on a US layout; 0 for keys the game has no code for.
uint8_t VirtualKeyFromScancode(int scancode);

// Button masks of the pad layout.
namespace PadButton {
constexpr uint16_t DPadUp = 0x0001;
constexpr uint16_t DPadDown = 0x0002;
constexpr uint16_t DPadLeft = 0x0004;
constexpr uint16_t DPadRight = 0x0008;
constexpr uint16_t Start = 0x0010;
constexpr uint16_t Back = 0x0020;
constexpr uint16_t LeftThumb = 0x0040;
constexpr uint16_t RightThumb = 0x0080;
constexpr uint16_t LeftShoulder = 0x0100;
constexpr uint16_t RightShoulder = 0x0200;
constexpr uint16_t A = 0x1000;
constexpr uint16_t B = 0x2000;
constexpr uint16_t X = 0x4000;
constexpr uint16_t Y = 0x8000;
}  // namespace PadButton

// A game controller's raw reading: buttons and axes in the generic controller order
// (A, B, X, Y, Back, Guide, Start, left stick, right stick, left shoulder, right shoulder,
// D-pad up, down, left, right; axes left x, left y, right x, right y, left trigger, right
// trigger), sticks with y growing downward and triggers 0..32767.
struct ControllerReading {
  static constexpr int ButtonCount = 15;
  static constexpr int AxisCount = 6;
  std::array<bool, ButtonCount> buttons{};
  std::array<int16_t, AxisCount> axes{};
};

PadState PadStateFromReading(const ControllerReading& reading);

// Turns a downward-growing stick axis into an upward-growing one; -32768 becomes 32767.
int16_t InvertStickAxis(int16_t value);

// Keeps each connected pad in its slot; a new pad takes the lowest free slot.
class PadSlots {
 public:
  // Returns the slot given to the device, or -1 when all are taken.
  int Connect(int32_t deviceId);
  // Returns the slot the device held, or -1.
  int Disconnect(int32_t deviceId);
  int SlotOf(int32_t deviceId) const;

 private:
  std::array<int32_t, PadSlotCount> devices_{-1, -1, -1, -1};
};

}  // namespace platform
