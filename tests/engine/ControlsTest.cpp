#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "engine/Controls.h"
#include "engine/KeyboardLayer.h"
#include "platform/HeadlessPlatform.h"
#include "platform/InputMapping.h"

namespace {

namespace Button = platform::PadButton;
using platform::PadState;

PadState Buttons(uint16_t buttons) {
  PadState state;
  state.buttons = buttons;
  return state;
}

PadState LeftStick(int16_t x, int16_t y) {
  PadState state;
  state.thumbLX = x;
  state.thumbLY = y;
  return state;
}

PadState RightStick(int16_t x, int16_t y) {
  PadState state;
  state.thumbRX = x;
  state.thumbRY = y;
  return state;
}

PadState Triggers(uint8_t left, uint8_t right) {
  PadState state;
  state.leftTrigger = left;
  state.rightTrigger = right;
  return state;
}

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    controls = Controls::Create(platform);
    controls->keyboardEnabled = 1;
    controls->padEnabled.fill(1);
    BeginFrame();
  }

  // Ends the current frame and samples the next one.
  void NextFrame(float dt = 0.0f) {
    controls->EndInput();
    BeginFrame(dt);
  }

  void BeginFrame(float dt = 0.0f) { controls->BeginInput(dt); }

  void Press(int key) {
    platform.SetKey(key, true);
    NextFrame();
  }

  void SetPad(int slot, const PadState& state) {
    platform.ConnectPad(slot, state);
    NextFrame();
  }

  platform::HeadlessPlatform platform;
  std::unique_ptr<Controls> controls;
};

TEST_F(ControlsTest, CreationHidesCursorAndSetsDefaults) {
  platform::HeadlessPlatform fresh;
  std::unique_ptr<Controls> created = Controls::Create(fresh);
  EXPECT_FALSE(fresh.CursorVisible());
  const std::array<uint32_t, BindingCount> expected = {0x57,   0x53,   0x41,   0x44,  0x26, 0x28,
                                                       0x25,   0x27,   0x4A,   0x49,  0x4F, 0x50,
                                                       0x4000, 0x1000, 0x0100, 0x0200};
  EXPECT_EQ(created->bindings, expected);
  EXPECT_EQ(created->defaultBindings, expected);
  EXPECT_EQ(created->keyboardEnabled, 0);
  EXPECT_EQ(created->padEnabled, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(created->activePad, 0);
  for (uint32_t index = 0; index < 4; ++index) {
    const Gamepad& pad = *created->pads[index];
    EXPECT_EQ(pad.userIndex, index);
    EXPECT_EQ(pad.stickDeadZone, 15000);
    EXPECT_EQ(pad.leftTriggerThreshold, 30);
    EXPECT_EQ(pad.rightTriggerThreshold, 30);
    EXPECT_EQ(pad.vibrationEnabled, 1);
    EXPECT_EQ(pad.vibrating, 0);
    EXPECT_EQ(pad.vibrationDuration, std::numeric_limits<float>::max());
  }
}

TEST_F(ControlsTest, KeyHeldOverFramesIsPressedOnlyInTheFirst) {
  Press(VirtualKey::Enter);
  EXPECT_TRUE(controls->IsStartPressed(0));
  NextFrame();
  EXPECT_FALSE(controls->IsStartPressed(0));
  // Released and pressed again between two snapshots: no edge is seen.
  platform.SetKey(VirtualKey::Enter, false);
  platform.SetKey(VirtualKey::Enter, true);
  NextFrame();
  EXPECT_FALSE(controls->IsStartPressed(0));
}

TEST_F(ControlsTest, QueryAfterEndInputNeverAnswersPressed) {
  platform.SetKey(VirtualKey::Enter, true);
  platform.ConnectPad(0, Buttons(Button::A));
  NextFrame();
  EXPECT_TRUE(controls->IsConfirmPressed());
  controls->EndInput();
  EXPECT_FALSE(controls->IsConfirmPressed());
  EXPECT_FALSE(controls->IsStartPressed(0));
  EXPECT_TRUE(controls->WasConfirmHeld(0));
}

TEST_F(ControlsTest, KeyboardSwitchOffLeavesOnlyThePad) {
  controls->keyboardEnabled = 0;
  Press(VirtualKey::Enter);
  EXPECT_FALSE(controls->IsStartPressed(0));
  SetPad(0, Buttons(Button::Start));
  EXPECT_TRUE(controls->IsStartPressed(0));
}

TEST_F(ControlsTest, PadSwitchOffReadsAsReleased) {
  controls->padEnabled[1] = 0;
  SetPad(1, Buttons(Button::Start));
  EXPECT_FALSE(controls->IsStartPressed(1));
  EXPECT_TRUE(controls->pads[1]->connected);
}

TEST_F(ControlsTest, KeyAndPadTogetherMakeOneInput) {
  // A key held while the pad button goes down is no new press, nor the other way round.
  Press(VirtualKey::Enter);
  SetPad(0, Buttons(Button::Start));
  EXPECT_FALSE(controls->IsStartPressed(0));
  platform.SetKey(VirtualKey::Enter, false);
  NextFrame();
  platform.SetKey(VirtualKey::Enter, true);
  NextFrame();
  EXPECT_FALSE(controls->IsStartPressed(0));
}

TEST_F(ControlsTest, StickMustBeStrictlyBeyondTheDeadZone) {
  struct Case {
    PadState state;
    bool up, down, left, right;
  };
  const Case cases[] = {
      {LeftStick(0, 15000), false, false, false, false},
      {LeftStick(0, 15001), true, false, false, false},
      {LeftStick(0, -15000), false, false, false, false},
      {LeftStick(0, -15001), false, true, false, false},
      {LeftStick(15000, 0), false, false, false, false},
      {LeftStick(15001, 0), false, false, false, true},
      {LeftStick(-15000, 0), false, false, false, false},
      {LeftStick(-15001, 0), false, false, true, false},
      {LeftStick(-32768, 32767), true, false, true, false},
  };
  for (const Case& c : cases) {
    SetPad(0, c.state);
    EXPECT_EQ(controls->IsUpHeld(), c.up) << c.state.thumbLX << "," << c.state.thumbLY;
    EXPECT_EQ(controls->IsDownHeld(), c.down) << c.state.thumbLX << "," << c.state.thumbLY;
    EXPECT_EQ(controls->IsLeftHeld(), c.left) << c.state.thumbLX << "," << c.state.thumbLY;
    EXPECT_EQ(controls->IsRightHeld(), c.right) << c.state.thumbLX << "," << c.state.thumbLY;
    SetPad(0, {});
  }
}

TEST_F(ControlsTest, RightStickUsesTheSameDeadZone) {
  SetPad(0, RightStick(0, 15000));
  EXPECT_FALSE(controls->IsRightStickUpPressed(0));
  SetPad(0, RightStick(0, 15001));
  EXPECT_TRUE(controls->IsRightStickUpPressed(0));
  SetPad(0, RightStick(-15001, -15001));
  EXPECT_TRUE(controls->IsRightStickLeftPressed(0));
  EXPECT_TRUE(controls->IsRightStickDownPressed(0));
  EXPECT_FALSE(controls->IsRightStickRightPressed(0));
  SetPad(0, RightStick(15001, 0));
  EXPECT_TRUE(controls->IsRightStickRightPressed(0));
  // The left stick does not move the right-stick queries.
  SetPad(0, {});
  SetPad(0, LeftStick(0, 32767));
  EXPECT_FALSE(controls->IsRightStickUpPressed(0));
}

TEST_F(ControlsTest, TriggerMustBeAboveItsThreshold) {
  SetPad(0, Triggers(30, 30));
  EXPECT_FALSE(controls->IsLeftTriggerPressed(0));
  EXPECT_FALSE(controls->IsRightShoulderPressed());
  SetPad(0, Triggers(31, 31));
  EXPECT_TRUE(controls->IsLeftTriggerPressed(0));
  EXPECT_TRUE(controls->IsRightShoulderPressed());
  EXPECT_FALSE(controls->WasRightTriggerHeld(0));
  NextFrame();
  EXPECT_TRUE(controls->WasRightTriggerHeld(0));
}

using PadQuery = bool (Controls::*)(int) const;
using ActiveQuery = bool (Controls::*)() const;

struct PressedCase {
  const char* name;
  PadQuery query;
  std::vector<int> keys;
  std::vector<PadState> pads;
};

TEST_F(ControlsTest, PerPlayerPressedQueriesAnswerTheirKeysAndPadInputs) {
  const PadState stickUp = LeftStick(0, 20000), stickDown = LeftStick(0, -20000);
  const PadState stickLeft = LeftStick(-20000, 0);
  const std::vector<PressedCase> cases = {
      {"Start", &Controls::IsStartPressed, {0x0D}, {Buttons(Button::Start)}},
      {"Up", &Controls::IsUpPressed, {0x57}, {Buttons(Button::DPadUp), stickUp}},
      {"RightStickUp", &Controls::IsRightStickUpPressed, {0x26}, {RightStick(0, 20000)}},
      {"RightStickDown", &Controls::IsRightStickDownPressed, {0x28}, {RightStick(0, -20000)}},
      {"RightStickLeft", &Controls::IsRightStickLeftPressed, {0x25}, {RightStick(-20000, 0)}},
      {"RightStickRight", &Controls::IsRightStickRightPressed, {0x27}, {RightStick(20000, 0)}},
      {"Action1", &Controls::IsAction1Pressed, {0x4A}, {Buttons(Button::X)}},
      {"Action2", &Controls::IsAction2Pressed, {0x49}, {Buttons(Button::A)}},
      {"Action3", &Controls::IsAction3Pressed, {0x4F}, {Buttons(Button::LeftShoulder)}},
      {"Action4", &Controls::IsAction4Pressed, {0x50}, {Buttons(Button::RightShoulder)}},
      {"LeftTrigger",
       &Controls::IsLeftTriggerPressed,
       {0x4F},
       {Triggers(200, 0), Buttons(Button::LeftShoulder)}},
      {"ConfirmBy", &Controls::IsConfirmPressedBy, {0x0D, 0x4A}, {Buttons(Button::A)}},
      {"Y", &Controls::IsYPressed, {0x55}, {Buttons(Button::Y)}},
      {"MenuLeft",
       &Controls::IsMenuLeftPressed,
       {0x41, 0x25},
       {Buttons(Button::DPadLeft), stickLeft}},
      {"MenuDown",
       &Controls::IsMenuDownPressed,
       {0x53, 0x28},
       {Buttons(Button::DPadDown), stickDown}},
      {"Back", &Controls::IsBackPressed, {0x08, 0x1B}, {Buttons(Button::Back)}},
  };
  constexpr int Pad = 2;
  constexpr uint16_t UnusedButtons =
      Button::B | Button::LeftThumb | Button::RightThumb | Button::DPadRight;
  for (const PressedCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int key : c.keys) {
      Press(key);
      EXPECT_TRUE((controls.get()->*c.query)(Pad)) << "key " << key;
      platform.ReleaseAllKeys();
      NextFrame();
    }
    for (const PadState& state : c.pads) {
      SetPad(Pad, state);
      EXPECT_TRUE((controls.get()->*c.query)(Pad));
      // Another player's pad index does not see it.
      EXPECT_FALSE((controls.get()->*c.query)(1));
      SetPad(Pad, {});
    }
    SetPad(Pad, Buttons(UnusedButtons));
    EXPECT_FALSE((controls.get()->*c.query)(Pad));
    SetPad(Pad, {});
  }
}

struct ActiveCase {
  const char* name;
  ActiveQuery query;
  bool held;
  std::vector<int> keys;
  std::vector<PadState> pads;
};

TEST_F(ControlsTest, ActivePadQueriesAnswerTheirKeysAndPadInputs) {
  const PadState stickUp = LeftStick(0, 20000), stickDown = LeftStick(0, -20000);
  const PadState stickLeft = LeftStick(-20000, 0), stickRight = LeftStick(20000, 0);
  const std::vector<ActiveCase> cases = {
      {"UpHeld", &Controls::IsUpHeld, true, {0x57}, {Buttons(Button::DPadUp), stickUp}},
      {"DownHeld", &Controls::IsDownHeld, true, {0x53}, {Buttons(Button::DPadDown), stickDown}},
      {"LeftHeld", &Controls::IsLeftHeld, true, {0x41}, {Buttons(Button::DPadLeft), stickLeft}},
      {"RightHeld", &Controls::IsRightHeld, true, {0x44}, {Buttons(Button::DPadRight), stickRight}},
      {"Action2Held", &Controls::IsAction2Held, true, {0x49}, {Buttons(Button::A)}},
      {"Action3Held", &Controls::IsAction3Held, true, {0x4F}, {Buttons(Button::LeftShoulder)}},
      {"Action4Held", &Controls::IsAction4Held, true, {0x50}, {Buttons(Button::RightShoulder)}},
      {"DownPressed",
       &Controls::IsDownPressed,
       false,
       {0x53},
       {Buttons(Button::DPadDown), stickDown}},
      {"RightShoulder",
       &Controls::IsRightShoulderPressed,
       false,
       {0x50},
       {Triggers(0, 200), Buttons(Button::RightShoulder)}},
      {"Confirm", &Controls::IsConfirmPressed, false, {0x0D, 0x4A}, {Buttons(Button::A)}},
      {"Cancel", &Controls::IsCancelPressed, false, {0x08, 0x49}, {Buttons(Button::B)}},
      {"MenuRight",
       &Controls::IsMenuRightPressed,
       false,
       {0x44, 0x27},
       {Buttons(Button::DPadRight), stickRight}},
      {"MenuUp",
       &Controls::IsMenuUpPressed,
       false,
       {0x57, 0x26},
       {Buttons(Button::DPadUp), stickUp}},
  };
  controls->activePad = 3;
  for (const ActiveCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int key : c.keys) {
      Press(key);
      EXPECT_TRUE((controls.get()->*c.query)()) << "key " << key;
      NextFrame();
      EXPECT_EQ((controls.get()->*c.query)(), c.held) << "key " << key << " a frame later";
      platform.ReleaseAllKeys();
      NextFrame();
    }
    for (const PadState& state : c.pads) {
      SetPad(0, state);
      EXPECT_FALSE((controls.get()->*c.query)()) << "pad 0 is not the active pad";
      SetPad(0, {});
      SetPad(3, state);
      EXPECT_TRUE((controls.get()->*c.query)());
      SetPad(3, {});
    }
  }
}

struct WasCase {
  const char* name;
  PadQuery query;
  std::vector<int> keys;
  std::vector<PadState> pads;
};

TEST_F(ControlsTest, WasHeldQueriesReadThePreviousFrame) {
  const std::vector<WasCase> cases = {
      {"Down", &Controls::WasDownHeld, {0x53}, {Buttons(Button::DPadDown), LeftStick(0, -20000)}},
      {"RightTrigger",
       &Controls::WasRightTriggerHeld,
       {0x50},
       {Triggers(0, 31), Buttons(Button::RightShoulder)}},
      {"Confirm", &Controls::WasConfirmHeld, {0x0D, 0x4A}, {Buttons(Button::A)}},
      {"Cancel", &Controls::WasCancelHeld, {0x08, 0x49}, {Buttons(Button::B)}},
      {"MenuLeft",
       &Controls::WasMenuLeftHeld,
       {0x41, 0x25},
       {Buttons(Button::DPadLeft), LeftStick(-20000, 0)}},
      {"MenuRight",
       &Controls::WasMenuRightHeld,
       {0x44, 0x27},
       {Buttons(Button::DPadRight), LeftStick(20000, 0)}},
      {"MenuUp",
       &Controls::WasMenuUpHeld,
       {0x57, 0x26},
       {Buttons(Button::DPadUp), LeftStick(0, 20000)}},
      {"MenuDown",
       &Controls::WasMenuDownHeld,
       {0x53, 0x28},
       {Buttons(Button::DPadDown), LeftStick(0, -20000)}},
  };
  for (const WasCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int key : c.keys) {
      Press(key);
      EXPECT_FALSE((controls.get()->*c.query)(0)) << "key " << key;
      platform.ReleaseAllKeys();
      NextFrame();
      EXPECT_TRUE((controls.get()->*c.query)(0)) << "key " << key;
      NextFrame();
    }
    for (const PadState& state : c.pads) {
      SetPad(1, state);
      SetPad(1, {});
      EXPECT_TRUE((controls.get()->*c.query)(1));
      EXPECT_FALSE((controls.get()->*c.query)(0));
      NextFrame();
    }
  }
}

TEST_F(ControlsTest, QueriesFollowTheBindings) {
  controls->bindings[BindAction1Key] = 0x4B;
  controls->bindings[BindAction1Button] = Button::Y | Button::B;
  controls->bindings[BindUp] = 0x26;
  Press(0x4A);
  EXPECT_FALSE(controls->IsAction1Pressed(0));
  Press(0x4B);
  EXPECT_TRUE(controls->IsAction1Pressed(0));
  platform.ReleaseAllKeys();
  NextFrame();
  SetPad(0, Buttons(Button::B));
  EXPECT_TRUE(controls->IsAction1Pressed(0)) << "any bit of the mask";
  SetPad(0, {});
  // The fixed menu keys ignore the bindings; the bound ones follow them.
  Press(0x57);
  EXPECT_TRUE(controls->IsMenuUpPressed());
  EXPECT_FALSE(controls->IsUpPressed(0));
  EXPECT_FALSE(controls->IsUpHeld());
  Press(0x26);
  EXPECT_TRUE(controls->IsUpPressed(0));
}

TEST_F(ControlsTest, BadPadIndexOrKeyCodeReadsAsReleased) {
  controls->bindings[BindUp] = 0x157;  // would alias W if it wrapped
  platform.SetKey(0x57, true);
  SetPad(0, Buttons(Button::Start));
  EXPECT_FALSE(controls->IsUpPressed(-1));
  EXPECT_FALSE(controls->IsStartPressed(4));
  EXPECT_FALSE(controls->IsStartPressed(-1));
  EXPECT_TRUE(controls->IsStartPressed(0));
  controls->activePad = 7;
  EXPECT_FALSE(controls->IsDownHeld());
}

TEST_F(ControlsTest, CopySharesSnapshotsButNotBindings) {
  Controls copy = *controls;
  copy.bindings[BindAction1Key] = 0x4B;
  copy.keyboardEnabled = 0;
  EXPECT_EQ(controls->bindings[BindAction1Key], 0x4Au);
  EXPECT_EQ(controls->keyboardEnabled, 1);
  EXPECT_EQ(copy.keyboard, controls->keyboard);
  EXPECT_EQ(copy.mouse, controls->mouse);
  EXPECT_EQ(copy.pads, controls->pads);

  copy.padEnabled[0] = 0;
  SetPad(0, Buttons(Button::X));
  EXPECT_FALSE(copy.IsAction1Pressed(0));
  EXPECT_TRUE(controls->IsAction1Pressed(0));
  copy.padEnabled[0] = 1;
  EXPECT_TRUE(copy.IsAction1Pressed(0)) << "same pad record";
  SetPad(0, {});

  copy.keyboardEnabled = 1;
  Press(0x4B);
  EXPECT_TRUE(copy.IsAction1Pressed(0));
  EXPECT_FALSE(controls->IsAction1Pressed(0));
}

TEST_F(ControlsTest, MissingPadIsClearedAndDisconnected) {
  SetPad(2, Buttons(Button::A));
  EXPECT_TRUE(controls->pads[2]->connected);
  platform.DisconnectPad(2);
  NextFrame();
  EXPECT_FALSE(controls->pads[2]->connected);
  EXPECT_EQ(controls->pads[2]->current.buttons, 0);
  EXPECT_FALSE(controls->IsConfirmPressedBy(2));
}

TEST_F(ControlsTest, VibrationStopsAfterItsDuration) {
  platform.ConnectPad(1, {});
  Gamepad& pad = *controls->pads[1];
  pad.vibrating = 1;
  pad.vibrationDuration = 0.5f;
  NextFrame(0.3f);
  EXPECT_EQ(platform.VibrationStops(1), 0);
  EXPECT_FLOAT_EQ(pad.vibrationTimer, 0.3f);
  NextFrame(0.3f);
  EXPECT_EQ(platform.VibrationStops(1), 1);
  EXPECT_EQ(pad.vibrating, 0);
  EXPECT_EQ(pad.vibrationTimer, 0.0f);
  EXPECT_EQ(pad.vibrationDuration, std::numeric_limits<float>::max());
  NextFrame(1.0f);
  EXPECT_EQ(platform.VibrationStops(1), 1);
}

TEST_F(ControlsTest, VibrationOfAMissingOrSwitchedOffPadSendsNoStop) {
  Gamepad& missing = *controls->pads[2];
  missing.vibrating = 1;
  missing.vibrationDuration = 0.1f;
  Gamepad& switchedOff = *controls->pads[3];
  platform.ConnectPad(3, {});
  switchedOff.vibrating = 1;
  switchedOff.vibrationEnabled = 0;
  switchedOff.vibrationDuration = 0.1f;
  NextFrame(0.2f);
  EXPECT_EQ(platform.VibrationStops(2), 0);
  EXPECT_EQ(missing.vibrating, 0);
  EXPECT_EQ(missing.vibrationTimer, 0.0f);
  EXPECT_EQ(platform.VibrationStops(3), 0);
  EXPECT_EQ(switchedOff.vibrating, 1);
  EXPECT_EQ(switchedOff.vibrationTimer, 0.0f);
}

TEST_F(ControlsTest, EndInputSamplesTheMouse) {
  platform.SetMouse({.x = 410, .y = -5, .left = true, .right = false, .middle = true});
  EXPECT_EQ(controls->mouse->x, 0);
  controls->EndInput();
  EXPECT_EQ(controls->mouse->x, 410);
  EXPECT_EQ(controls->mouse->y, -5);
  EXPECT_EQ(controls->mouse->left, 1);
  EXPECT_EQ(controls->mouse->right, 0);
  EXPECT_EQ(controls->mouse->middle, 1);
}

TEST(GamepadTest, NewlyPressedButtonFollowsTheFixedOrder) {
  const uint16_t order[] = {Button::Start,
                            Button::Back,
                            Button::A,
                            Button::B,
                            Button::X,
                            Button::Y,
                            Button::LeftShoulder,
                            Button::RightShoulder,
                            Button::LeftThumb,
                            Button::RightThumb,
                            Button::DPadUp,
                            Button::DPadDown,
                            Button::DPadLeft,
                            Button::DPadRight};
  Gamepad pad(0);
  EXPECT_EQ(pad.GetNewlyPressedButton(), -1);
  for (size_t i = 0; i + 1 < std::size(order); ++i) {
    pad.previous.buttons = 0;
    pad.current.buttons = static_cast<uint16_t>(order[i] | order[i + 1]);
    EXPECT_EQ(pad.GetNewlyPressedButton(), order[i]);
    pad.previous.buttons = order[i];
    EXPECT_EQ(pad.GetNewlyPressedButton(), order[i + 1]) << "a held button is not new";
  }
  pad.current.buttons = pad.previous.buttons = Button::Start;
  EXPECT_EQ(pad.GetNewlyPressedButton(), -1);
}

TEST(GamepadTest, ButtonNames) {
  const std::pair<uint32_t, const char*> names[] = {
      {0x0010, "Start"},
      {0x0020, "Back"},
      {0x1000, "A"},
      {0x2000, "B"},
      {0x4000, "X"},
      {0x8000, "Y"},
      {0x0100, "Left Shoulder"},
      {0x0200, "Right Shoulder"},
      {0x0040, "Left Thumb Stick"},
      {0x0080, "Right Thumb Stick"},
      {0x0001, "D-Pad Up"},
      {0x0002, "D-Pad Down"},
      {0x0004, "D-Pad Left"},
      {0x0008, "D-Pad Right"},
  };
  for (const auto& [mask, name] : names) EXPECT_EQ(Gamepad::GetButtonName(mask), name);
  EXPECT_EQ(Gamepad::GetButtonName(0x0300), "");
  EXPECT_EQ(Gamepad::GetButtonName(0), "");
  EXPECT_EQ(Gamepad::GetButtonName(0x0400), "");
}

}  // namespace
