#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/MathTypes.h"
#include "platform/Platform.h"

// This frame's and the previous frame's key bytes, indexed by virtual-key code
// (0x80 down, 0x01 toggled).
struct KeyboardBuffer {
  platform::KeyArray current{};
  platform::KeyArray previous{};

  bool IsDown(int key) const { return (current[static_cast<uint8_t>(key)] & 0x80) != 0; }
  bool WasDown(int key) const { return (previous[static_cast<uint8_t>(key)] & 0x80) != 0; }
  // Down in this frame and up in the previous one.
  bool WentDown(int key) const { return IsDown(key) && !WasDown(key); }

  bool IsEscPressed() const;
  bool IsDeletePressed() const;
  bool IsTildePressed() const;
  bool IsMinusPressed() const;
  bool IsEqualsPressed() const;
  bool IsBackspacePressed() const;
  bool IsTabPressed() const;
  bool IsDigit0Pressed() const;
  bool IsDigit1Pressed() const;
  bool IsDigit2Pressed() const;
  bool IsDigit3Pressed() const;
  bool IsDigit4Pressed() const;
  bool IsDigit5Pressed() const;
  bool IsDigit6Pressed() const;
  bool IsDigit7Pressed() const;
  bool IsDigit8Pressed() const;
  bool IsDigit9Pressed() const;
  bool IsAPressed() const;
  bool IsCPressed() const;
  bool IsDPressed() const;
  bool IsFPressed() const;
  bool IsGPressed() const;
  bool IsHPressed() const;
  bool IsJPressed() const;
  bool IsRPressed() const;
  bool IsSPressed() const;
  bool IsTPressed() const;
  bool IsVPressed() const;
  bool IsXPressed() const;
  bool IsZPressed() const;
  bool IsLeftBracketPressed() const;
  bool IsRightBracketPressed() const;
  bool IsSemicolonPressed() const;
  bool IsApostrophePressed() const;
  bool IsEnterPressed() const;
  bool IsLeftShiftPressed() const;
  bool IsCommaPressed() const;
  bool IsPeriodPressed() const;
  bool IsRightShiftPressed() const;
  bool IsLeftCtrlPressed() const;
  bool IsLeftAltPressed() const;
  bool IsSpacePressed() const;
  bool IsRightAltPressed() const;
  bool IsRightCtrlPressed() const;
  bool IsUpArrowPressed() const;
  bool IsDownArrowPressed() const;
  bool IsLeftArrowPressed() const;
  bool IsRightArrowPressed() const;
};

// The cursor in screen coordinates and the buttons, as of the last Controls::EndInput.
struct MouseState {
  int32_t x = 0;
  int32_t y = 0;
  uint8_t left = 0;
  uint8_t right = 0;
  uint8_t middle = 0;
};

// One of the four pads: this frame's and the previous frame's reading and its vibration.
class Gamepad {
 public:
  static constexpr int16_t StickDeadZone = 15000;
  static constexpr int16_t RightStickDeadZone = 8689;
  static constexpr uint8_t TriggerThreshold = 30;

  explicit Gamepad(uint32_t userIndex);

  static std::string GetButtonName(uint32_t mask);
  // The mask of the first button that went down in this frame, or -1.
  int32_t GetNewlyPressedButton() const;

  platform::PadState current;
  platform::PadState previous;
  uint8_t connected = 1;
  uint32_t userIndex = 0;
  int16_t stickDeadZone = StickDeadZone;
  int16_t rightStickDeadZone = RightStickDeadZone;
  uint8_t leftTriggerThreshold = TriggerThreshold;
  uint8_t rightTriggerThreshold = TriggerThreshold;
  uint8_t vibrationEnabled = 1;
  uint8_t vibrating = 0;
  float vibrationTimer = 0.0f;
  float vibrationDuration;
};

// Indices into the sixteen bindings: 0-11 virtual-key codes, 12-15 pad button masks.
enum Binding : int {
  BindUp = 0,
  BindDown,
  BindLeft,
  BindRight,
  BindSecondUp,
  BindSecondDown,
  BindSecondLeft,
  BindSecondRight,
  BindAction1Key,
  BindAction2Key,
  BindAction3Key,
  BindAction4Key,
  BindAction1Button,
  BindAction2Button,
  BindAction3Button,
  BindAction4Button,
  BindingCount
};

// Where a mouse sample stands on the window's client area: the platform reports the mouse on
// the screen.
platform::Vector3 ClientPoint(platform::Platform& platform, const platform::MouseSample& sample);

// The input object: keyboard, mouse and pads with a player's bindings and switches. Copies made
// with operator= share the keyboard, mouse and pads but have their own bindings and switches.
class Controls {
 public:
  static std::unique_ptr<Controls> Create(platform::Platform& platform);
  Controls& operator=(const Controls& source) = default;
  Controls(const Controls&) = default;

  // The frame loop's input sampling before the input step: keyboard snapshot, pad polls and
  // the vibration timers (dt is the frame's scaled, unclamped step).
  void BeginInput(float dt);
  // After the input step: this frame's keys and pads become the previous frame's; the mouse
  // is sampled.
  void EndInput();
  void UpdateMouse();

  // Per-player queries: pressed in this frame, for the given pad index.
  bool IsStartPressed(int pad) const;
  bool IsUpPressed(int pad) const;
  bool IsRightStickUpPressed(int pad) const;
  bool IsRightStickDownPressed(int pad) const;
  bool IsRightStickLeftPressed(int pad) const;
  bool IsRightStickRightPressed(int pad) const;
  bool IsAction1Pressed(int pad) const;
  bool IsAction2Pressed(int pad) const;
  bool IsAction3Pressed(int pad) const;
  bool IsAction4Pressed(int pad) const;
  bool IsLeftTriggerPressed(int pad) const;
  bool IsConfirmPressedBy(int pad) const;
  bool IsYPressed(int pad) const;
  bool IsMenuLeftPressed(int pad) const;
  bool IsMenuDownPressed(int pad) const;
  bool IsBackPressed(int pad) const;

  // Active-pad queries.
  bool IsUpHeld() const;
  bool IsDownHeld() const;
  bool IsLeftHeld() const;
  bool IsRightHeld() const;
  bool IsAction2Held() const;
  bool IsAction3Held() const;
  bool IsAction4Held() const;
  bool IsDownPressed() const;
  bool IsRightShoulderPressed() const;
  bool IsConfirmPressed() const;
  bool IsCancelPressed() const;
  bool IsMenuRightPressed() const;
  bool IsMenuUpPressed() const;

  // Held in the previous frame, for the given pad index.
  bool WasDownHeld(int pad) const;
  bool WasRightTriggerHeld(int pad) const;
  bool WasConfirmHeld(int pad) const;
  bool WasCancelHeld(int pad) const;
  bool WasMenuLeftHeld(int pad) const;
  bool WasMenuRightHeld(int pad) const;
  bool WasMenuUpHeld(int pad) const;
  bool WasMenuDownHeld(int pad) const;

  std::shared_ptr<KeyboardBuffer> keyboard;
  std::shared_ptr<MouseState> mouse;
  std::array<std::shared_ptr<Gamepad>, platform::PadSlotCount> pads;
  std::array<uint32_t, BindingCount> bindings{};
  std::array<uint32_t, BindingCount> defaultBindings{};
  uint8_t keyboardEnabled = 0;
  std::array<uint8_t, platform::PadSlotCount> padEnabled{};
  int32_t activePad = 0;

 private:
  explicit Controls(platform::Platform& platform);

  platform::Platform* platform_;
};
