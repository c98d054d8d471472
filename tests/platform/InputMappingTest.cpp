#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "platform/InputMapping.h"

namespace {

using namespace platform;

// Scancodes are USB usage numbers.
constexpr int UsageA = 4;
constexpr int Usage1 = 30;
constexpr int Usage0 = 39;
constexpr int UsageF1 = 58;
constexpr int UsageF13 = 104;
constexpr int UsageKeypad1 = 89;
constexpr int UsageKeypad0 = 98;

TEST(VirtualKeyFromScancodeTest, LettersDigitsAndFunctionKeys) {
  for (int i = 0; i < 26; ++i) EXPECT_EQ(VirtualKeyFromScancode(UsageA + i), 'A' + i);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(VirtualKeyFromScancode(Usage1 + i), '1' + i);
  EXPECT_EQ(VirtualKeyFromScancode(Usage0), '0');
  for (int i = 0; i < 12; ++i) EXPECT_EQ(VirtualKeyFromScancode(UsageF1 + i), 0x70 + i);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(VirtualKeyFromScancode(UsageF13 + i), 0x7C + i);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(VirtualKeyFromScancode(UsageKeypad1 + i), 0x61 + i);
  EXPECT_EQ(VirtualKeyFromScancode(UsageKeypad0), 0x60);
}

TEST(VirtualKeyFromScancodeTest, NamedKeys) {
  const std::vector<std::pair<int, int>> keys = {
      {40, 0x0D},   // Enter
      {41, 0x1B},   // Esc
      {42, 0x08},   // Backspace
      {43, 0x09},   // Tab
      {44, 0x20},   // Space
      {45, 0xBD},   // -
      {46, 0xBB},   // =
      {47, 0xDB},   // [
      {48, 0xDD},   // ]
      {49, 0xDC},   // backslash
      {51, 0xBA},   // ;
      {52, 0xDE},   // '
      {53, 0xC0},   // `
      {54, 0xBC},   // ,
      {55, 0xBE},   // .
      {56, 0xBF},   // /
      {57, 0x14},   // Caps Lock
      {74, 0x24},   // Home
      {75, 0x21},   // Page Up
      {76, 0x2E},   // Delete
      {77, 0x23},   // End
      {78, 0x22},   // Page Down
      {79, 0x27},   // Right
      {80, 0x25},   // Left
      {81, 0x28},   // Down
      {82, 0x26},   // Up
      {84, 0x6F},   // keypad /
      {85, 0x6A},   // keypad *
      {86, 0x6D},   // keypad -
      {87, 0x6B},   // keypad +
      {88, 0x0D},   // keypad Enter
      {99, 0x6E},   // keypad .
      {133, 0x6C},  // keypad separator
      {224, 0xA2},  // left Ctrl
      {225, 0xA0},  // left Shift
      {226, 0xA4},  // left Alt
      {228, 0xA3},  // right Ctrl
      {229, 0xA1},  // right Shift
      {230, 0xA5},  // right Alt
  };
  for (const auto& [scancode, virtualKey] : keys) {
    EXPECT_EQ(VirtualKeyFromScancode(scancode), virtualKey) << "scancode " << scancode;
  }
}

TEST(VirtualKeyFromScancodeTest, EveryPunctuationCodeIsProduced) {
  std::set<int> produced;
  for (int scancode = 0; scancode < 512; ++scancode) {
    produced.insert(VirtualKeyFromScancode(scancode));
  }
  for (int key = 0xBA; key <= 0xC0; ++key) EXPECT_TRUE(produced.count(key)) << std::hex << key;
  for (int key = 0xDB; key <= 0xDE; ++key) EXPECT_TRUE(produced.count(key)) << std::hex << key;
}

TEST(VirtualKeyFromScancodeTest, UnknownScancodesGiveZero) {
  EXPECT_EQ(VirtualKeyFromScancode(0), 0);
  EXPECT_EQ(VirtualKeyFromScancode(-1), 0);
  EXPECT_EQ(VirtualKeyFromScancode(3), 0);
  EXPECT_EQ(VirtualKeyFromScancode(511), 0);
  EXPECT_EQ(VirtualKeyFromScancode(100000), 0);
}

// Reading indices in the generic controller order.
enum ReadingButton {
  ButtonA,
  ButtonB,
  ButtonX,
  ButtonY,
  ButtonBack,
  ButtonGuide,
  ButtonStart,
  ButtonLeftStick,
  ButtonRightStick,
  ButtonLeftShoulder,
  ButtonRightShoulder,
  ButtonDPadUp,
  ButtonDPadDown,
  ButtonDPadLeft,
  ButtonDPadRight
};
enum ReadingAxis {
  AxisLeftX,
  AxisLeftY,
  AxisRightX,
  AxisRightY,
  AxisLeftTrigger,
  AxisRightTrigger
};

TEST(PadStateFromReadingTest, EachButtonSetsItsBit) {
  const std::pair<int, uint16_t> buttons[] = {
      {ButtonA, PadButton::A},
      {ButtonB, PadButton::B},
      {ButtonX, PadButton::X},
      {ButtonY, PadButton::Y},
      {ButtonBack, PadButton::Back},
      {ButtonGuide, 0},
      {ButtonStart, PadButton::Start},
      {ButtonLeftStick, PadButton::LeftThumb},
      {ButtonRightStick, PadButton::RightThumb},
      {ButtonLeftShoulder, PadButton::LeftShoulder},
      {ButtonRightShoulder, PadButton::RightShoulder},
      {ButtonDPadUp, PadButton::DPadUp},
      {ButtonDPadDown, PadButton::DPadDown},
      {ButtonDPadLeft, PadButton::DPadLeft},
      {ButtonDPadRight, PadButton::DPadRight},
  };
  ControllerReading all;
  for (const auto& [index, mask] : buttons) {
    ControllerReading reading;
    reading.buttons[index] = true;
    all.buttons[index] = true;
    EXPECT_EQ(PadStateFromReading(reading).buttons, mask) << "button " << index;
  }
  EXPECT_EQ(PadStateFromReading(all).buttons, 0xF3FF);
  EXPECT_EQ(PadStateFromReading(ControllerReading{}).buttons, 0);
}

TEST(PadStateFromReadingTest, StickYGrowsUpward) {
  EXPECT_EQ(InvertStickAxis(-32768), 32767);
  EXPECT_EQ(InvertStickAxis(32767), -32767);
  EXPECT_EQ(InvertStickAxis(0), 0);
  EXPECT_EQ(InvertStickAxis(-15001), 15001);

  ControllerReading reading;
  reading.axes[AxisLeftX] = -32768;
  reading.axes[AxisLeftY] = -32768;
  reading.axes[AxisRightX] = 12345;
  reading.axes[AxisRightY] = 20000;
  const PadState state = PadStateFromReading(reading);
  EXPECT_EQ(state.thumbLX, -32768);
  EXPECT_EQ(state.thumbLY, 32767);
  EXPECT_EQ(state.thumbRX, 12345);
  EXPECT_EQ(state.thumbRY, -20000);
}

TEST(PadStateFromReadingTest, TriggersScaleTo255) {
  const std::pair<int16_t, uint8_t> cases[] = {{0, 0},   {-100, 0},    {-32768, 0},
                                               {128, 0}, {16384, 127}, {32767, 255}};
  for (const auto& [axis, trigger] : cases) {
    ControllerReading reading;
    reading.axes[AxisLeftTrigger] = axis;
    reading.axes[AxisRightTrigger] = axis;
    const PadState state = PadStateFromReading(reading);
    EXPECT_EQ(state.leftTrigger, trigger) << axis;
    EXPECT_EQ(state.rightTrigger, trigger) << axis;
  }
  ControllerReading oneSide;
  oneSide.axes[AxisRightTrigger] = 32767;
  EXPECT_EQ(PadStateFromReading(oneSide).leftTrigger, 0);
  EXPECT_EQ(PadStateFromReading(oneSide).rightTrigger, 255);
}

TEST(PadSlotsTest, NewPadTakesTheLowestFreeSlot) {
  PadSlots slots;
  EXPECT_EQ(slots.Connect(10), 0);
  EXPECT_EQ(slots.Connect(0), 1);
  EXPECT_EQ(slots.Connect(30), 2);
  EXPECT_EQ(slots.Connect(10), 0) << "a connected pad keeps its slot";
  EXPECT_EQ(slots.Disconnect(10), 0);
  EXPECT_EQ(slots.SlotOf(10), -1);
  EXPECT_EQ(slots.SlotOf(30), 2) << "the others keep theirs";
  EXPECT_EQ(slots.Connect(40), 0);
  EXPECT_EQ(slots.Connect(50), 3);
  EXPECT_EQ(slots.Connect(60), -1) << "all four taken";
  EXPECT_EQ(slots.Disconnect(99), -1);
  EXPECT_EQ(slots.Disconnect(0), 1);
  EXPECT_EQ(slots.Connect(60), 1);
}

TEST(PadSlotsTest, NegativeIdGetsNoSlot) {
  PadSlots slots;
  EXPECT_EQ(slots.Connect(-1), -1);
  EXPECT_EQ(slots.SlotOf(-1), -1);
  EXPECT_EQ(slots.Disconnect(-1), -1);
  EXPECT_EQ(slots.Connect(7), 0);
}

}  // namespace
