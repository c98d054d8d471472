#include "engine/KeyboardLayer.h"

#include <array>

namespace {

struct KeyText {
  int key;
  const char* text;
};

constexpr int DigitCount = 10;
constexpr int LetterCount = 26;
constexpr int FunctionKeyCount = VirtualKey::F24 - VirtualKey::F1 + 1;
constexpr int NumpadSymbolCount = VirtualKey::NumpadDivide - VirtualKey::NumpadMultiply + 1;
constexpr const char* TabText = "     ";
constexpr uint8_t ToggledBit = 0x01;

constexpr KeyText UnshiftedSymbols[] = {
    {VirtualKey::Tilde, "`"},       {VirtualKey::Minus, "-"},        {VirtualKey::Equals, "="},
    {VirtualKey::LeftBracket, "["}, {VirtualKey::RightBracket, "]"}, {VirtualKey::Semicolon, ";"},
    {VirtualKey::Apostrophe, "'"},  {VirtualKey::Comma, ","},        {VirtualKey::Period, "."},
};

// Shift with 8 and with ; ' , . types nothing.
constexpr KeyText ShiftedSymbols[] = {
    {'1', "!"},
    {'2', "@"},
    {'3', "#"},
    {'4', "$"},
    {'5', "%"},
    {'6', "^"},
    {'7', "&"},
    {'9', "("},
    {'0', ")"},
    {VirtualKey::Tilde, "~"},
    {VirtualKey::Minus, "_"},
    {VirtualKey::Equals, "+"},
    {VirtualKey::LeftBracket, "{"},
    {VirtualKey::RightBracket, "}"},
};

constexpr KeyText OtherKeyNames[] = {
    {VirtualKey::Esc, "Esc"},
    {VirtualKey::Delete, "Delete"},
    {VirtualKey::Home, "Home"},
    {VirtualKey::End, "End"},
    {VirtualKey::PageUp, "Page Up"},
    {VirtualKey::PageDown, "Page Down"},
    {VirtualKey::Tilde, "~"},
    {VirtualKey::Minus, "-"},
    {VirtualKey::Equals, "+"},
    {VirtualKey::Backspace, "BackSpace"},
    {VirtualKey::Tab, "Tab"},
    {VirtualKey::LeftBracket, "["},
    {VirtualKey::RightBracket, "]"},
    {VirtualKey::Backslash, "\\"},
    {VirtualKey::CapsLock, "Caps Lock"},
    {VirtualKey::Semicolon, ";"},
    {VirtualKey::Apostrophe, "'"},
    {VirtualKey::Enter, "Enter"},
    {VirtualKey::LeftShift, "Left Shift"},
    {VirtualKey::Comma, ","},
    {VirtualKey::Period, "."},
    {VirtualKey::Slash, "/"},
    {VirtualKey::RightShift, "Right Shift"},
    {VirtualKey::LeftCtrl, "Left Ctrl"},
    {VirtualKey::LeftAlt, "Left Alt"},
    {VirtualKey::Space, "Space"},
    {VirtualKey::RightAlt, "Right Alt"},
    {VirtualKey::RightCtrl, "Right Ctrl"},
    {VirtualKey::UpArrow, "Up Arrow"},
    {VirtualKey::DownArrow, "Down Arrow"},
    {VirtualKey::LeftArrow, "Left Arrow"},
    {VirtualKey::RightArrow, "Right Arrow"},
    {VirtualKey::NumpadMultiply, "Numpad *"},
    {VirtualKey::NumpadAdd, "Numpad +"},
    {VirtualKey::NumpadSeparator, "Numpad Separator"},
    {VirtualKey::NumpadSubtract, "Numpad -"},
    {VirtualKey::NumpadDecimal, "Numpad ."},
    {VirtualKey::NumpadDivide, "Numpad /"},
};

// A run of consecutive key codes.
struct KeyRange {
  int first;
  int count;
};

// The rebinding search order; exactly the keys that have a name.
constexpr KeyRange RebindOrder[] = {
    {VirtualKey::Esc, 1},
    {VirtualKey::F1, FunctionKeyCount},
    {VirtualKey::Delete, 1},
    {VirtualKey::Home, 1},
    {VirtualKey::End, 1},
    {VirtualKey::PageUp, 1},
    {VirtualKey::PageDown, 1},
    {VirtualKey::Tilde, 1},
    {VirtualKey::Minus, 1},
    {VirtualKey::Equals, 1},
    {VirtualKey::Backspace, 1},
    {VirtualKey::CapsLock, 1},
    {VirtualKey::Tab, 1},
    {VirtualKey::Digit0, DigitCount},
    {VirtualKey::A, LetterCount},
    {VirtualKey::LeftBracket, 1},
    {VirtualKey::RightBracket, 1},
    {VirtualKey::Backslash, 1},
    {VirtualKey::Semicolon, 1},
    {VirtualKey::Apostrophe, 1},
    {VirtualKey::Enter, 1},
    {VirtualKey::LeftShift, 1},
    {VirtualKey::Comma, 1},
    {VirtualKey::Period, 1},
    {VirtualKey::Slash, 1},
    {VirtualKey::RightShift, 1},
    {VirtualKey::LeftCtrl, 1},
    {VirtualKey::LeftAlt, 1},
    {VirtualKey::Space, 1},
    {VirtualKey::RightAlt, 1},
    {VirtualKey::RightCtrl, 1},
    {VirtualKey::UpArrow, 1},
    {VirtualKey::DownArrow, 1},
    {VirtualKey::LeftArrow, 1},
    {VirtualKey::RightArrow, 1},
    {VirtualKey::Numpad0, DigitCount},
    {VirtualKey::NumpadMultiply, NumpadSymbolCount},
};

void AppendDigits(const KeyboardBuffer& keyboard, std::string& text) {
  for (int key = VirtualKey::Digit0; key <= VirtualKey::Digit9; ++key) {
    if (keyboard.WentDown(key)) text += static_cast<char>(key);
  }
}

}  // namespace

std::string TypedText(const KeyboardBuffer& keyboard) {
  std::string text;
  const bool shift =
      keyboard.IsDown(VirtualKey::LeftShift) || keyboard.IsDown(VirtualKey::RightShift);
  if (!shift) {
    AppendDigits(keyboard, text);
    for (const KeyText& symbol : UnshiftedSymbols) {
      if (keyboard.WentDown(symbol.key)) text += symbol.text;
    }
  } else {
    for (const KeyText& symbol : ShiftedSymbols) {
      if (keyboard.WentDown(symbol.key)) text += symbol.text;
    }
  }
  if (keyboard.WentDown(VirtualKey::Tab)) text += TabText;
  if (keyboard.WentDown(VirtualKey::Space)) text += ' ';
  const bool capsLock = (keyboard.current[VirtualKey::CapsLock] & ToggledBit) != 0;
  const bool upper = capsLock != shift;
  for (int key = VirtualKey::A; key <= VirtualKey::Z; ++key) {
    if (!keyboard.WentDown(key)) continue;
    text += static_cast<char>(upper ? key : key - 'A' + 'a');
  }
  return text;
}

std::string TypedDigits(const KeyboardBuffer& keyboard) {
  std::string text;
  AppendDigits(keyboard, text);
  return text;
}

std::string KeyName(int virtualKey) {
  if ((virtualKey >= VirtualKey::Digit0 && virtualKey <= VirtualKey::Digit9) ||
      (virtualKey >= VirtualKey::A && virtualKey <= VirtualKey::Z)) {
    return std::string(1, static_cast<char>(virtualKey));
  }
  if (virtualKey >= VirtualKey::F1 && virtualKey <= VirtualKey::F24) {
    return "F" + std::to_string(virtualKey - VirtualKey::F1 + 1);
  }
  if (virtualKey >= VirtualKey::Numpad0 && virtualKey <= VirtualKey::Numpad9) {
    return "Numpad " + std::to_string(virtualKey - VirtualKey::Numpad0);
  }
  for (const KeyText& named : OtherKeyNames) {
    if (named.key == virtualKey) return named.text;
  }
  return {};
}

int FirstNewlyPressedKey(const KeyboardBuffer& keyboard) {
  for (const KeyRange& range : RebindOrder) {
    for (int key = range.first; key < range.first + range.count; ++key) {
      if (keyboard.WentDown(key)) return key;
    }
  }
  return -1;
}
