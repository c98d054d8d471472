#include "engine/Controls.h"

#include <limits>

#include "engine/KeyboardLayer.h"
#include "platform/InputMapping.h"

namespace PadButton = platform::PadButton;

namespace {

constexpr std::array<uint32_t, BindingCount> InitialBindings = {
    VirtualKey::W,       VirtualKey::S,         VirtualKey::A,           VirtualKey::D,
    VirtualKey::UpArrow, VirtualKey::DownArrow, VirtualKey::LeftArrow,   VirtualKey::RightArrow,
    VirtualKey::J,       VirtualKey::I,         VirtualKey::O,           VirtualKey::P,
    PadButton::X,        PadButton::A,          PadButton::LeftShoulder, PadButton::RightShoulder,
};

// Stands for "no second key"; codes outside the snapshot read as up.
constexpr uint32_t NoKey = platform::KeyCount;

enum class Direction : uint8_t { None, Up, Down, Left, Right };

// What counts as the pad half of an input: any of the buttons, a stick beyond the dead zone
// in a direction, or a trigger above its threshold.
struct PadInput {
  uint32_t buttons = 0;
  Direction leftStick = Direction::None;
  Direction rightStick = Direction::None;
  bool leftTrigger = false;
  bool rightTrigger = false;
};

struct Input {
  std::array<uint32_t, 2> keys{NoKey, NoKey};
  PadInput pad;
};

enum class Frame { Now, Before };

bool StickBeyond(int16_t x, int16_t y, Direction direction, int16_t deadZone) {
  switch (direction) {
    case Direction::Up:
      return y > deadZone;
    case Direction::Down:
      return y < -deadZone;
    case Direction::Left:
      return x < -deadZone;
    case Direction::Right:
      return x > deadZone;
    case Direction::None:
      break;
  }
  return false;
}

bool PadMatches(const Gamepad& pad, const platform::PadState& state, const PadInput& input) {
  return (state.buttons & input.buttons) != 0 ||
         StickBeyond(state.thumbLX, state.thumbLY, input.leftStick, pad.stickDeadZone) ||
         StickBeyond(state.thumbRX, state.thumbRY, input.rightStick, pad.stickDeadZone) ||
         (input.leftTrigger && state.leftTrigger > pad.leftTriggerThreshold) ||
         (input.rightTrigger && state.rightTrigger > pad.rightTriggerThreshold);
}

bool KeyDown(const Controls& controls, uint32_t key, Frame frame) {
  if (!controls.keyboardEnabled || key >= platform::KeyCount) return false;
  const platform::KeyArray& keys =
      frame == Frame::Now ? controls.keyboard->current : controls.keyboard->previous;
  return (keys[key] & 0x80) != 0;
}

// The pad's connected flag is not consulted: a missing pad's state is cleared by the poll.
bool PadDown(const Controls& controls, int padIndex, const PadInput& input, Frame frame) {
  if (padIndex < 0 || padIndex >= platform::PadSlotCount || !controls.padEnabled[padIndex]) {
    return false;
  }
  const Gamepad& pad = *controls.pads[padIndex];
  return PadMatches(pad, frame == Frame::Now ? pad.current : pad.previous, input);
}

bool Held(const Controls& controls, const Input& input, int padIndex, Frame frame) {
  for (uint32_t key : input.keys) {
    if (KeyDown(controls, key, frame)) return true;
  }
  return PadDown(controls, padIndex, input.pad, frame);
}

// Down now on the keyboard or the pad, and on neither in the previous frame.
bool Pressed(const Controls& controls, const Input& input, int padIndex) {
  return Held(controls, input, padIndex, Frame::Now) &&
         !Held(controls, input, padIndex, Frame::Before);
}

Input Bound(const Controls& controls, int keyBinding, PadInput pad) {
  return {{controls.bindings[keyBinding], NoKey}, pad};
}

Input BoundAction(const Controls& controls, int keyBinding, int buttonBinding) {
  return Bound(controls, keyBinding, {.buttons = controls.bindings[buttonBinding]});
}

constexpr PadInput LeftStickOrDPadUp{.buttons = PadButton::DPadUp, .leftStick = Direction::Up};
constexpr PadInput LeftStickOrDPadDown{.buttons = PadButton::DPadDown,
                                       .leftStick = Direction::Down};
constexpr PadInput LeftStickOrDPadLeft{.buttons = PadButton::DPadLeft,
                                       .leftStick = Direction::Left};
constexpr PadInput LeftStickOrDPadRight{.buttons = PadButton::DPadRight,
                                        .leftStick = Direction::Right};

constexpr Input StartInput{{VirtualKey::Enter, NoKey}, {.buttons = PadButton::Start}};
constexpr Input LeftTriggerInput{{VirtualKey::O, NoKey},
                                 {.buttons = PadButton::LeftShoulder, .leftTrigger = true}};
constexpr Input RightTriggerInput{{VirtualKey::P, NoKey},
                                  {.buttons = PadButton::RightShoulder, .rightTrigger = true}};
constexpr Input ConfirmInput{{VirtualKey::Enter, VirtualKey::J}, {.buttons = PadButton::A}};
constexpr Input CancelInput{{VirtualKey::Backspace, VirtualKey::I}, {.buttons = PadButton::B}};
constexpr Input YInput{{VirtualKey::U, NoKey}, {.buttons = PadButton::Y}};
constexpr Input BackInput{{VirtualKey::Backspace, VirtualKey::Esc}, {.buttons = PadButton::Back}};
constexpr Input MenuUpInput{{VirtualKey::W, VirtualKey::UpArrow}, LeftStickOrDPadUp};
constexpr Input MenuDownInput{{VirtualKey::S, VirtualKey::DownArrow}, LeftStickOrDPadDown};
constexpr Input MenuLeftInput{{VirtualKey::A, VirtualKey::LeftArrow}, LeftStickOrDPadLeft};
constexpr Input MenuRightInput{{VirtualKey::D, VirtualKey::RightArrow}, LeftStickOrDPadRight};

struct ButtonName {
  uint16_t mask;
  const char* name;
};

// Also the order in which a newly pressed button is looked for.
constexpr ButtonName ButtonNames[] = {
    {PadButton::Start, "Start"},
    {PadButton::Back, "Back"},
    {PadButton::A, "A"},
    {PadButton::B, "B"},
    {PadButton::X, "X"},
    {PadButton::Y, "Y"},
    {PadButton::LeftShoulder, "Left Shoulder"},
    {PadButton::RightShoulder, "Right Shoulder"},
    {PadButton::LeftThumb, "Left Thumb Stick"},
    {PadButton::RightThumb, "Right Thumb Stick"},
    {PadButton::DPadUp, "D-Pad Up"},
    {PadButton::DPadDown, "D-Pad Down"},
    {PadButton::DPadLeft, "D-Pad Left"},
    {PadButton::DPadRight, "D-Pad Right"},
};

}  // namespace

// ---- KeyboardBuffer ----

bool KeyboardBuffer::IsEscPressed() const { return WentDown(VirtualKey::Esc); }
bool KeyboardBuffer::IsDeletePressed() const { return WentDown(VirtualKey::Delete); }
bool KeyboardBuffer::IsTildePressed() const { return WentDown(VirtualKey::Tilde); }
bool KeyboardBuffer::IsMinusPressed() const { return WentDown(VirtualKey::Minus); }
bool KeyboardBuffer::IsEqualsPressed() const { return WentDown(VirtualKey::Equals); }
bool KeyboardBuffer::IsBackspacePressed() const { return WentDown(VirtualKey::Backspace); }
bool KeyboardBuffer::IsTabPressed() const { return WentDown(VirtualKey::Tab); }
bool KeyboardBuffer::IsDigit0Pressed() const { return WentDown(VirtualKey::Digit0); }
bool KeyboardBuffer::IsDigit1Pressed() const { return WentDown(VirtualKey::Digit0 + 1); }
bool KeyboardBuffer::IsDigit2Pressed() const { return WentDown(VirtualKey::Digit0 + 2); }
bool KeyboardBuffer::IsDigit3Pressed() const { return WentDown(VirtualKey::Digit0 + 3); }
bool KeyboardBuffer::IsDigit4Pressed() const { return WentDown(VirtualKey::Digit0 + 4); }
bool KeyboardBuffer::IsDigit5Pressed() const { return WentDown(VirtualKey::Digit0 + 5); }
bool KeyboardBuffer::IsDigit6Pressed() const { return WentDown(VirtualKey::Digit0 + 6); }
bool KeyboardBuffer::IsDigit7Pressed() const { return WentDown(VirtualKey::Digit0 + 7); }
bool KeyboardBuffer::IsDigit8Pressed() const { return WentDown(VirtualKey::Digit0 + 8); }
bool KeyboardBuffer::IsDigit9Pressed() const { return WentDown(VirtualKey::Digit9); }
bool KeyboardBuffer::IsAPressed() const { return WentDown(VirtualKey::A); }
bool KeyboardBuffer::IsCPressed() const { return WentDown(VirtualKey::C); }
bool KeyboardBuffer::IsDPressed() const { return WentDown(VirtualKey::D); }
bool KeyboardBuffer::IsFPressed() const { return WentDown(VirtualKey::F); }
bool KeyboardBuffer::IsGPressed() const { return WentDown(VirtualKey::G); }
bool KeyboardBuffer::IsHPressed() const { return WentDown(VirtualKey::H); }
bool KeyboardBuffer::IsJPressed() const { return WentDown(VirtualKey::J); }
bool KeyboardBuffer::IsRPressed() const { return WentDown(VirtualKey::R); }
bool KeyboardBuffer::IsSPressed() const { return WentDown(VirtualKey::S); }
bool KeyboardBuffer::IsTPressed() const { return WentDown(VirtualKey::T); }
bool KeyboardBuffer::IsVPressed() const { return WentDown(VirtualKey::V); }
bool KeyboardBuffer::IsXPressed() const { return WentDown(VirtualKey::X); }
bool KeyboardBuffer::IsZPressed() const { return WentDown(VirtualKey::Z); }
bool KeyboardBuffer::IsLeftBracketPressed() const { return WentDown(VirtualKey::LeftBracket); }
bool KeyboardBuffer::IsRightBracketPressed() const { return WentDown(VirtualKey::RightBracket); }
bool KeyboardBuffer::IsSemicolonPressed() const { return WentDown(VirtualKey::Semicolon); }
bool KeyboardBuffer::IsApostrophePressed() const { return WentDown(VirtualKey::Apostrophe); }
bool KeyboardBuffer::IsEnterPressed() const { return WentDown(VirtualKey::Enter); }
bool KeyboardBuffer::IsLeftShiftPressed() const { return WentDown(VirtualKey::LeftShift); }
bool KeyboardBuffer::IsCommaPressed() const { return WentDown(VirtualKey::Comma); }
bool KeyboardBuffer::IsPeriodPressed() const { return WentDown(VirtualKey::Period); }
bool KeyboardBuffer::IsRightShiftPressed() const { return WentDown(VirtualKey::RightShift); }
bool KeyboardBuffer::IsLeftCtrlPressed() const { return WentDown(VirtualKey::LeftCtrl); }
bool KeyboardBuffer::IsLeftAltPressed() const { return WentDown(VirtualKey::LeftAlt); }
bool KeyboardBuffer::IsSpacePressed() const { return WentDown(VirtualKey::Space); }
bool KeyboardBuffer::IsRightAltPressed() const { return WentDown(VirtualKey::RightAlt); }
bool KeyboardBuffer::IsRightCtrlPressed() const { return WentDown(VirtualKey::RightCtrl); }
bool KeyboardBuffer::IsUpArrowPressed() const { return WentDown(VirtualKey::UpArrow); }
bool KeyboardBuffer::IsDownArrowPressed() const { return WentDown(VirtualKey::DownArrow); }
bool KeyboardBuffer::IsLeftArrowPressed() const { return WentDown(VirtualKey::LeftArrow); }
bool KeyboardBuffer::IsRightArrowPressed() const { return WentDown(VirtualKey::RightArrow); }

// ---- Gamepad ----

Gamepad::Gamepad(uint32_t userIndex)
    : userIndex(userIndex), vibrationDuration(std::numeric_limits<float>::max()) {}

std::string Gamepad::GetButtonName(uint32_t mask) {
  for (const ButtonName& button : ButtonNames) {
    if (button.mask == mask) return button.name;
  }
  return {};
}

int32_t Gamepad::GetNewlyPressedButton() const {
  for (const ButtonName& button : ButtonNames) {
    if ((current.buttons & button.mask) != 0 && (previous.buttons & button.mask) == 0) {
      return button.mask;
    }
  }
  return -1;
}

// ---- Controls ----

Controls::Controls(platform::Platform& platform)
    : keyboard(std::make_shared<KeyboardBuffer>()),
      bindings(InitialBindings),
      defaultBindings(InitialBindings),
      platform_(&platform) {
  platform.SetCursorVisible(false);
  mouse = std::make_shared<MouseState>();
  for (int index = 0; index < platform::PadSlotCount; ++index) {
    pads[index] = std::make_shared<Gamepad>(static_cast<uint32_t>(index));
  }
}

std::unique_ptr<Controls> Controls::Create(platform::Platform& platform) {
  return std::unique_ptr<Controls>(new Controls(platform));
}

void Controls::BeginInput(float dt) {
  platform_->ReadKeyboard(keyboard->current);
  for (const std::shared_ptr<Gamepad>& pad : pads) {
    const int slot = static_cast<int>(pad->userIndex);
    pad->connected = platform_->ReadPad(slot, pad->current) ? 1 : 0;
    if (!pad->connected) pad->current = {};
    if (pad->vibrationEnabled && pad->vibrating) {
      pad->vibrationTimer += dt;
      if (pad->vibrationTimer >= pad->vibrationDuration) {
        if (pad->connected) {
          platform_->StopVibration(slot);
          pad->vibrationDuration = std::numeric_limits<float>::max();
        }
        pad->vibrating = 0;
        pad->vibrationTimer = 0.0f;
      }
    }
  }
}

void Controls::EndInput() {
  keyboard->previous = keyboard->current;
  for (const std::shared_ptr<Gamepad>& pad : pads) pad->previous = pad->current;
  UpdateMouse();
}

platform::Vector3 ClientPoint(platform::Platform& platform, const platform::MouseSample& sample) {
  int windowX = 0;
  int windowY = 0;
  platform.GetWindowPosition(windowX, windowY);
  return {static_cast<float>(sample.x - windowX), static_cast<float>(sample.y - windowY), 0.0f};
}

void Controls::UpdateMouse() {
  const platform::MouseSample sample = platform_->ReadMouse();
  mouse->x = sample.x;
  mouse->y = sample.y;
  mouse->left = sample.left ? 1 : 0;
  mouse->right = sample.right ? 1 : 0;
  mouse->middle = sample.middle ? 1 : 0;
}

bool Controls::IsStartPressed(int pad) const { return Pressed(*this, StartInput, pad); }

bool Controls::IsUpPressed(int pad) const {
  return Pressed(*this, Bound(*this, BindUp, LeftStickOrDPadUp), pad);
}

bool Controls::IsRightStickUpPressed(int pad) const {
  return Pressed(*this, Bound(*this, BindSecondUp, {.rightStick = Direction::Up}), pad);
}

bool Controls::IsRightStickDownPressed(int pad) const {
  return Pressed(*this, Bound(*this, BindSecondDown, {.rightStick = Direction::Down}), pad);
}

bool Controls::IsRightStickLeftPressed(int pad) const {
  return Pressed(*this, Bound(*this, BindSecondLeft, {.rightStick = Direction::Left}), pad);
}

bool Controls::IsRightStickRightPressed(int pad) const {
  return Pressed(*this, Bound(*this, BindSecondRight, {.rightStick = Direction::Right}), pad);
}

bool Controls::IsAction1Pressed(int pad) const {
  return Pressed(*this, BoundAction(*this, BindAction1Key, BindAction1Button), pad);
}

bool Controls::IsAction2Pressed(int pad) const {
  return Pressed(*this, BoundAction(*this, BindAction2Key, BindAction2Button), pad);
}

bool Controls::IsAction3Pressed(int pad) const {
  return Pressed(*this, BoundAction(*this, BindAction3Key, BindAction3Button), pad);
}

bool Controls::IsAction4Pressed(int pad) const {
  return Pressed(*this, BoundAction(*this, BindAction4Key, BindAction4Button), pad);
}

bool Controls::IsLeftTriggerPressed(int pad) const { return Pressed(*this, LeftTriggerInput, pad); }

bool Controls::IsConfirmPressedBy(int pad) const { return Pressed(*this, ConfirmInput, pad); }
bool Controls::IsYPressed(int pad) const { return Pressed(*this, YInput, pad); }
bool Controls::IsMenuLeftPressed(int pad) const { return Pressed(*this, MenuLeftInput, pad); }
bool Controls::IsMenuDownPressed(int pad) const { return Pressed(*this, MenuDownInput, pad); }
bool Controls::IsBackPressed(int pad) const { return Pressed(*this, BackInput, pad); }

bool Controls::IsUpHeld() const {
  return Held(*this, Bound(*this, BindUp, LeftStickOrDPadUp), activePad, Frame::Now);
}

bool Controls::IsDownHeld() const {
  return Held(*this, Bound(*this, BindDown, LeftStickOrDPadDown), activePad, Frame::Now);
}

bool Controls::IsLeftHeld() const {
  return Held(*this, Bound(*this, BindLeft, LeftStickOrDPadLeft), activePad, Frame::Now);
}

bool Controls::IsRightHeld() const {
  return Held(*this, Bound(*this, BindRight, LeftStickOrDPadRight), activePad, Frame::Now);
}

bool Controls::IsAction2Held() const {
  return Held(*this, BoundAction(*this, BindAction2Key, BindAction2Button), activePad, Frame::Now);
}

bool Controls::IsAction3Held() const {
  return Held(*this, BoundAction(*this, BindAction3Key, BindAction3Button), activePad, Frame::Now);
}

bool Controls::IsAction4Held() const {
  return Held(*this, BoundAction(*this, BindAction4Key, BindAction4Button), activePad, Frame::Now);
}

bool Controls::IsDownPressed() const {
  return Pressed(*this, Bound(*this, BindDown, LeftStickOrDPadDown), activePad);
}

bool Controls::IsRightShoulderPressed() const {
  return Pressed(*this, RightTriggerInput, activePad);
}

bool Controls::IsConfirmPressed() const { return Pressed(*this, ConfirmInput, activePad); }
bool Controls::IsCancelPressed() const { return Pressed(*this, CancelInput, activePad); }
bool Controls::IsMenuRightPressed() const { return Pressed(*this, MenuRightInput, activePad); }
bool Controls::IsMenuUpPressed() const { return Pressed(*this, MenuUpInput, activePad); }

bool Controls::WasDownHeld(int pad) const {
  return Held(*this, Bound(*this, BindDown, LeftStickOrDPadDown), pad, Frame::Before);
}

bool Controls::WasRightTriggerHeld(int pad) const {
  return Held(*this, RightTriggerInput, pad, Frame::Before);
}

bool Controls::WasConfirmHeld(int pad) const {
  return Held(*this, ConfirmInput, pad, Frame::Before);
}

bool Controls::WasCancelHeld(int pad) const { return Held(*this, CancelInput, pad, Frame::Before); }

bool Controls::WasMenuLeftHeld(int pad) const {
  return Held(*this, MenuLeftInput, pad, Frame::Before);
}

bool Controls::WasMenuRightHeld(int pad) const {
  return Held(*this, MenuRightInput, pad, Frame::Before);
}

bool Controls::WasMenuUpHeld(int pad) const { return Held(*this, MenuUpInput, pad, Frame::Before); }

bool Controls::WasMenuDownHeld(int pad) const {
  return Held(*this, MenuDownInput, pad, Frame::Before);
}
