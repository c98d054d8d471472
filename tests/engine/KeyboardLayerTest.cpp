#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

#include "engine/KeyboardLayer.h"

namespace {

constexpr uint8_t Down = 0x80;
constexpr uint8_t Toggled = 0x01;

// A buffer in which the given keys went down in this frame.
KeyboardBuffer Pressing(std::initializer_list<int> keys) {
  KeyboardBuffer keyboard;
  for (int key : keys) keyboard.current[key] |= Down;
  return keyboard;
}

void Hold(KeyboardBuffer& keyboard, int key) {
  keyboard.current[key] |= Down;
  keyboard.previous[key] |= Down;
}

TEST(TypedTextTest, UnshiftedKeysTypeInTheFixedOrder) {
  // Letters come after digits, symbols, Tab and Space, whatever the key codes.
  KeyboardBuffer keyboard = Pressing({'A', '1'});
  EXPECT_EQ(TypedText(keyboard), "1a");
  keyboard =
      Pressing({'Z', 0x20, 0x09, 0xBE, 0xBC, 0xDE, 0xBA, 0xDD, 0xDB, 0xBB, 0xBD, 0xC0, '9', '0'});
  EXPECT_EQ(TypedText(keyboard), "09`-=[];',.      z");
}

TEST(TypedTextTest, ShiftedKeysTypeTheirSymbolsInTheFixedOrder) {
  for (int shift : {0xA0, 0xA1}) {
    KeyboardBuffer keyboard = Pressing({'2', '1'});
    Hold(keyboard, shift);
    EXPECT_EQ(TypedText(keyboard), "!@");
    keyboard = Pressing({'0', '9', '8', '7', '6', '5', '4', '3', 0xC0, 0xBD, 0xBB, 0xDB, 0xDD});
    Hold(keyboard, shift);
    EXPECT_EQ(TypedText(keyboard), "#$%^&()~_+{}");
  }
}

TEST(TypedTextTest, KeysWithoutACharacterTypeNothing) {
  KeyboardBuffer keyboard = Pressing({'8', 0xBA, 0xDE, 0xBC, 0xBE, 0xBF, 0xDC});
  Hold(keyboard, 0xA0);
  EXPECT_EQ(TypedText(keyboard), "");
  keyboard = Pressing({0xBF, 0xDC, 0x6A, 0x60, 0x0D});
  EXPECT_EQ(TypedText(keyboard), "");
}

TEST(TypedTextTest, ShiftAndCapsLockDecideTheCase) {
  struct Case {
    bool capsLock;
    bool shift;
    const char* text;
  };
  const Case cases[] = {
      {false, false, "aqz"}, {true, false, "AQZ"}, {false, true, "AQZ"}, {true, true, "aqz"}};
  for (const Case& c : cases) {
    KeyboardBuffer keyboard = Pressing({'Z', 'Q', 'A'});
    if (c.capsLock) keyboard.current[0x14] |= Toggled;
    if (c.shift) Hold(keyboard, 0xA1);
    EXPECT_EQ(TypedText(keyboard), c.text) << c.capsLock << c.shift;
  }
}

TEST(TypedTextTest, OnlyKeyEdgesType) {
  KeyboardBuffer keyboard = Pressing({'B'});
  Hold(keyboard, 'A');
  Hold(keyboard, '5');
  keyboard.previous['C'] = Down;
  EXPECT_EQ(TypedText(keyboard), "b");
  EXPECT_EQ(TypedText(Pressing({0x09})), "     ");
  EXPECT_EQ(TypedText(Pressing({0x20})), " ");
  EXPECT_EQ(TypedText(KeyboardBuffer{}), "");
}

TEST(TypedTextTest, ShiftGoingDownTypesNothingButShifts) {
  KeyboardBuffer keyboard = Pressing({0xA0, '1', 'K'});
  EXPECT_EQ(TypedText(keyboard), "!K");
}

TEST(TypedDigitsTest, MainBlockDigitsInKeyOrder) {
  KeyboardBuffer keyboard = Pressing({'7', '0', 'A', 0x60, 0x65});
  Hold(keyboard, '3');
  Hold(keyboard, 0xA0);
  EXPECT_EQ(TypedDigits(keyboard), "07");
  EXPECT_EQ(TypedDigits(KeyboardBuffer{}), "");
}

// Every named key with its name; also the rebinding search order.
const std::vector<std::pair<int, std::string>>& NamedKeysInOrder() {
  static const std::vector<std::pair<int, std::string>> keys = [] {
    std::vector<std::pair<int, std::string>> list = {{0x1B, "Esc"}};
    for (int n = 1; n <= 24; ++n) list.push_back({0x70 + n - 1, "F" + std::to_string(n)});
    list.insert(list.end(), {{0x2E, "Delete"},
                             {0x24, "Home"},
                             {0x23, "End"},
                             {0x21, "Page Up"},
                             {0x22, "Page Down"},
                             {0xC0, "~"},
                             {0xBD, "-"},
                             {0xBB, "+"},
                             {0x08, "BackSpace"},
                             {0x14, "Caps Lock"},
                             {0x09, "Tab"}});
    for (char c = '0'; c <= '9'; ++c) list.push_back({c, std::string(1, c)});
    for (char c = 'A'; c <= 'Z'; ++c) list.push_back({c, std::string(1, c)});
    list.insert(
        list.end(),
        {{0xDB, "["},        {0xDD, "]"},          {0xDC, "\\"},          {0xBA, ";"},
         {0xDE, "'"},        {0x0D, "Enter"},      {0xA0, "Left Shift"},  {0xBC, ","},
         {0xBE, "."},        {0xBF, "/"},          {0xA1, "Right Shift"}, {0xA2, "Left Ctrl"},
         {0xA4, "Left Alt"}, {0x20, "Space"},      {0xA5, "Right Alt"},   {0xA3, "Right Ctrl"},
         {0x26, "Up Arrow"}, {0x28, "Down Arrow"}, {0x25, "Left Arrow"},  {0x27, "Right Arrow"}});
    for (int n = 0; n <= 9; ++n) list.push_back({0x60 + n, "Numpad " + std::to_string(n)});
    list.insert(list.end(), {{0x6A, "Numpad *"},
                             {0x6B, "Numpad +"},
                             {0x6C, "Numpad Separator"},
                             {0x6D, "Numpad -"},
                             {0x6E, "Numpad ."},
                             {0x6F, "Numpad /"}});
    return list;
  }();
  return keys;
}

TEST(KeyNameTest, EveryNamedKeyAndNoOther) {
  std::set<int> named;
  for (const auto& [key, name] : NamedKeysInOrder()) {
    EXPECT_EQ(KeyName(key), name) << std::hex << key;
    named.insert(key);
  }
  for (int key = 0; key < 256; ++key) {
    if (!named.count(key)) {
      EXPECT_EQ(KeyName(key), "") << std::hex << key;
    }
  }
  EXPECT_EQ(KeyName(0x10), "");
  EXPECT_EQ(KeyName(-1), "");
  EXPECT_EQ(KeyName(0x141), "");
}

TEST(FirstNewlyPressedKeyTest, FollowsTheSearchOrderOverNamedKeys) {
  const auto& keys = NamedKeysInOrder();
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(FirstNewlyPressedKey(Pressing({keys[i].first})), keys[i].first);
    if (i + 1 < keys.size()) {
      // The later key of a pair never wins, whatever the codes' order.
      KeyboardBuffer keyboard = Pressing({keys[i + 1].first, keys[i].first});
      EXPECT_EQ(FirstNewlyPressedKey(keyboard), keys[i].first) << std::hex << keys[i].first;
    }
  }
  EXPECT_EQ(FirstNewlyPressedKey(Pressing({'A', 0x1B})), 0x1B);
}

TEST(FirstNewlyPressedKeyTest, UnnamedOrHeldKeysGiveMinusOne) {
  EXPECT_EQ(FirstNewlyPressedKey(KeyboardBuffer{}), -1);
  EXPECT_EQ(FirstNewlyPressedKey(Pressing({0x10, 0x11, 0x5B, 0x2D, 0x90})), -1);
  KeyboardBuffer keyboard;
  Hold(keyboard, 'A');
  keyboard.current[0x14] = Toggled;
  EXPECT_EQ(FirstNewlyPressedKey(keyboard), -1);
}

TEST(KeyboardBufferTest, SingleKeyTests) {
  using Test = bool (KeyboardBuffer::*)() const;
  const std::pair<Test, int> tests[] = {
      {&KeyboardBuffer::IsEscPressed, 0x1B},         {&KeyboardBuffer::IsDeletePressed, 0x2E},
      {&KeyboardBuffer::IsTildePressed, 0xC0},       {&KeyboardBuffer::IsMinusPressed, 0xBD},
      {&KeyboardBuffer::IsEqualsPressed, 0xBB},      {&KeyboardBuffer::IsBackspacePressed, 0x08},
      {&KeyboardBuffer::IsTabPressed, 0x09},         {&KeyboardBuffer::IsDigit0Pressed, 0x30},
      {&KeyboardBuffer::IsDigit1Pressed, 0x31},      {&KeyboardBuffer::IsDigit2Pressed, 0x32},
      {&KeyboardBuffer::IsDigit3Pressed, 0x33},      {&KeyboardBuffer::IsDigit4Pressed, 0x34},
      {&KeyboardBuffer::IsDigit5Pressed, 0x35},      {&KeyboardBuffer::IsDigit6Pressed, 0x36},
      {&KeyboardBuffer::IsDigit7Pressed, 0x37},      {&KeyboardBuffer::IsDigit8Pressed, 0x38},
      {&KeyboardBuffer::IsDigit9Pressed, 0x39},      {&KeyboardBuffer::IsAPressed, 0x41},
      {&KeyboardBuffer::IsCPressed, 0x43},           {&KeyboardBuffer::IsDPressed, 0x44},
      {&KeyboardBuffer::IsFPressed, 0x46},           {&KeyboardBuffer::IsGPressed, 0x47},
      {&KeyboardBuffer::IsHPressed, 0x48},           {&KeyboardBuffer::IsJPressed, 0x4A},
      {&KeyboardBuffer::IsRPressed, 0x52},           {&KeyboardBuffer::IsSPressed, 0x53},
      {&KeyboardBuffer::IsTPressed, 0x54},           {&KeyboardBuffer::IsVPressed, 0x56},
      {&KeyboardBuffer::IsXPressed, 0x58},           {&KeyboardBuffer::IsZPressed, 0x5A},
      {&KeyboardBuffer::IsLeftBracketPressed, 0xDB}, {&KeyboardBuffer::IsRightBracketPressed, 0xDD},
      {&KeyboardBuffer::IsSemicolonPressed, 0xBA},   {&KeyboardBuffer::IsApostrophePressed, 0xDE},
      {&KeyboardBuffer::IsEnterPressed, 0x0D},       {&KeyboardBuffer::IsLeftShiftPressed, 0xA0},
      {&KeyboardBuffer::IsCommaPressed, 0xBC},       {&KeyboardBuffer::IsPeriodPressed, 0xBE},
      {&KeyboardBuffer::IsRightShiftPressed, 0xA1},  {&KeyboardBuffer::IsLeftCtrlPressed, 0xA2},
      {&KeyboardBuffer::IsLeftAltPressed, 0xA4},     {&KeyboardBuffer::IsSpacePressed, 0x20},
      {&KeyboardBuffer::IsRightAltPressed, 0xA5},    {&KeyboardBuffer::IsRightCtrlPressed, 0xA3},
      {&KeyboardBuffer::IsUpArrowPressed, 0x26},     {&KeyboardBuffer::IsDownArrowPressed, 0x28},
      {&KeyboardBuffer::IsLeftArrowPressed, 0x25},   {&KeyboardBuffer::IsRightArrowPressed, 0x27},
  };
  static_assert(std::size(tests) == 48);
  for (const auto& [test, key] : tests) {
    EXPECT_TRUE((Pressing({key}).*test)()) << std::hex << key;
    KeyboardBuffer held;
    Hold(held, key);
    EXPECT_FALSE((held.*test)()) << std::hex << key;
    KeyboardBuffer released;
    released.previous[key] = Down;
    EXPECT_FALSE((released.*test)()) << std::hex << key;
    // Every other key going down leaves this test false.
    KeyboardBuffer others;
    others.current.fill(Down);
    others.current[key] = 0;
    EXPECT_FALSE((others.*test)()) << std::hex << key;
  }
}

}  // namespace
