#include "platform/InputMapping.h"

#include <SDL_gamecontroller.h>
#include <SDL_scancode.h>

namespace platform {

namespace {

struct KeyPair {
  SDL_Scancode scancode;
  uint8_t virtualKey;
};

constexpr KeyPair NamedKeys[] = {
    {SDL_SCANCODE_RETURN, 0x0D},       {SDL_SCANCODE_ESCAPE, 0x1B},
    {SDL_SCANCODE_BACKSPACE, 0x08},    {SDL_SCANCODE_TAB, 0x09},
    {SDL_SCANCODE_SPACE, 0x20},        {SDL_SCANCODE_MINUS, 0xBD},
    {SDL_SCANCODE_EQUALS, 0xBB},       {SDL_SCANCODE_LEFTBRACKET, 0xDB},
    {SDL_SCANCODE_RIGHTBRACKET, 0xDD}, {SDL_SCANCODE_BACKSLASH, 0xDC},
    {SDL_SCANCODE_NONUSHASH, 0xDC},    {SDL_SCANCODE_SEMICOLON, 0xBA},
    {SDL_SCANCODE_APOSTROPHE, 0xDE},   {SDL_SCANCODE_GRAVE, 0xC0},
    {SDL_SCANCODE_COMMA, 0xBC},        {SDL_SCANCODE_PERIOD, 0xBE},
    {SDL_SCANCODE_SLASH, 0xBF},        {SDL_SCANCODE_CAPSLOCK, 0x14},
    {SDL_SCANCODE_PRINTSCREEN, 0x2C},  {SDL_SCANCODE_SCROLLLOCK, 0x91},
    {SDL_SCANCODE_PAUSE, 0x13},        {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_HOME, 0x24},         {SDL_SCANCODE_PAGEUP, 0x21},
    {SDL_SCANCODE_DELETE, 0x2E},       {SDL_SCANCODE_END, 0x23},
    {SDL_SCANCODE_PAGEDOWN, 0x22},     {SDL_SCANCODE_RIGHT, 0x27},
    {SDL_SCANCODE_LEFT, 0x25},         {SDL_SCANCODE_DOWN, 0x28},
    {SDL_SCANCODE_UP, 0x26},           {SDL_SCANCODE_NUMLOCKCLEAR, 0x90},
    {SDL_SCANCODE_KP_DIVIDE, 0x6F},    {SDL_SCANCODE_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_MINUS, 0x6D},     {SDL_SCANCODE_KP_PLUS, 0x6B},
    {SDL_SCANCODE_KP_ENTER, 0x0D},     {SDL_SCANCODE_KP_PERIOD, 0x6E},
    {SDL_SCANCODE_KP_COMMA, 0x6C},     {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
    {SDL_SCANCODE_APPLICATION, 0x5D},  {SDL_SCANCODE_LCTRL, 0xA2},
    {SDL_SCANCODE_LSHIFT, 0xA0},       {SDL_SCANCODE_LALT, 0xA4},
    {SDL_SCANCODE_LGUI, 0x5B},         {SDL_SCANCODE_RCTRL, 0xA3},
    {SDL_SCANCODE_RSHIFT, 0xA1},       {SDL_SCANCODE_RALT, 0xA5},
    {SDL_SCANCODE_RGUI, 0x5C},
};

constexpr uint16_t ButtonMasks[ControllerReading::ButtonCount] = {
    PadButton::A,          PadButton::B,           PadButton::X,         PadButton::Y,
    PadButton::Back,       0,                      PadButton::Start,     PadButton::LeftThumb,
    PadButton::RightThumb, PadButton::LeftShoulder, PadButton::RightShoulder,
    PadButton::DPadUp,     PadButton::DPadDown,    PadButton::DPadLeft,  PadButton::DPadRight,
};

static_assert(SDL_CONTROLLER_BUTTON_DPAD_RIGHT == ControllerReading::ButtonCount - 1);
static_assert(SDL_CONTROLLER_AXIS_TRIGGERRIGHT == ControllerReading::AxisCount - 1);

constexpr int TriggerAxisMax = 32767;
constexpr int TriggerMax = 255;

uint8_t TriggerFromAxis(int16_t value) {
  if (value <= 0) return 0;
  return static_cast<uint8_t>(value * TriggerMax / TriggerAxisMax);
}

}  // namespace

uint8_t VirtualKeyFromScancode(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return static_cast<uint8_t>('A' + (scancode - SDL_SCANCODE_A));
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return static_cast<uint8_t>('1' + (scancode - SDL_SCANCODE_1));
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
    return static_cast<uint8_t>(0x70 + (scancode - SDL_SCANCODE_F1));
  }
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
    return static_cast<uint8_t>(0x7C + (scancode - SDL_SCANCODE_F13));
  }
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
    return static_cast<uint8_t>(0x61 + (scancode - SDL_SCANCODE_KP_1));
  }
  if (scancode == SDL_SCANCODE_KP_0) return 0x60;
  for (const KeyPair& pair : NamedKeys) {
    if (pair.scancode == scancode) return pair.virtualKey;
  }
  return 0;
}

int16_t InvertStickAxis(int16_t value) {
  return value == INT16_MIN ? INT16_MAX : static_cast<int16_t>(-value);
}

PadState PadStateFromReading(const ControllerReading& reading) {
  PadState state;
  for (int i = 0; i < ControllerReading::ButtonCount; ++i) {
    if (reading.buttons[i]) state.buttons |= ButtonMasks[i];
  }
  state.thumbLX = reading.axes[SDL_CONTROLLER_AXIS_LEFTX];
  state.thumbLY = InvertStickAxis(reading.axes[SDL_CONTROLLER_AXIS_LEFTY]);
  state.thumbRX = reading.axes[SDL_CONTROLLER_AXIS_RIGHTX];
  state.thumbRY = InvertStickAxis(reading.axes[SDL_CONTROLLER_AXIS_RIGHTY]);
  state.leftTrigger = TriggerFromAxis(reading.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT]);
  state.rightTrigger = TriggerFromAxis(reading.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT]);
  return state;
}

int PadSlots::Connect(int32_t deviceId) {
  // A negative id marks a free slot and must not be handed one.
  if (deviceId < 0) return -1;
  int existing = SlotOf(deviceId);
  if (existing >= 0) return existing;
  for (int slot = 0; slot < PadSlotCount; ++slot) {
    if (devices_[slot] < 0) {
      devices_[slot] = deviceId;
      return slot;
    }
  }
  return -1;
}

int PadSlots::Disconnect(int32_t deviceId) {
  int slot = SlotOf(deviceId);
  if (slot >= 0) devices_[slot] = -1;
  return slot;
}

int PadSlots::SlotOf(int32_t deviceId) const {
  if (deviceId < 0) return -1;
  for (int slot = 0; slot < PadSlotCount; ++slot) {
    if (devices_[slot] == deviceId) return slot;
  }
  return -1;
}

}  // namespace platform
