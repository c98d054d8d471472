#pragma once

#include <string>

#include "engine/Controls.h"

// Virtual-key codes the game reads by name.
namespace VirtualKey {
constexpr int Backspace = 0x08;
constexpr int Tab = 0x09;
constexpr int Enter = 0x0D;
constexpr int CapsLock = 0x14;
constexpr int Esc = 0x1B;
constexpr int Space = 0x20;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int LeftArrow = 0x25;
constexpr int UpArrow = 0x26;
constexpr int RightArrow = 0x27;
constexpr int DownArrow = 0x28;
constexpr int Delete = 0x2E;
constexpr int Digit0 = 0x30;
constexpr int Digit9 = 0x39;
constexpr int A = 0x41;
constexpr int C = 0x43;
constexpr int D = 0x44;
constexpr int E = 0x45;
constexpr int F = 0x46;
constexpr int G = 0x47;
constexpr int H = 0x48;
constexpr int I = 0x49;
constexpr int J = 0x4A;
constexpr int O = 0x4F;
constexpr int P = 0x50;
constexpr int R = 0x52;
constexpr int S = 0x53;
constexpr int T = 0x54;
constexpr int U = 0x55;
constexpr int V = 0x56;
constexpr int W = 0x57;
constexpr int X = 0x58;
constexpr int Z = 0x5A;
constexpr int Numpad0 = 0x60;
constexpr int Numpad9 = 0x69;
constexpr int NumpadMultiply = 0x6A;
constexpr int NumpadAdd = 0x6B;
constexpr int NumpadSeparator = 0x6C;
constexpr int NumpadSubtract = 0x6D;
constexpr int NumpadDecimal = 0x6E;
constexpr int NumpadDivide = 0x6F;
constexpr int F1 = 0x70;
constexpr int F24 = 0x87;
constexpr int LeftShift = 0xA0;
constexpr int RightShift = 0xA1;
constexpr int LeftCtrl = 0xA2;
constexpr int RightCtrl = 0xA3;
constexpr int LeftAlt = 0xA4;
constexpr int RightAlt = 0xA5;
constexpr int Semicolon = 0xBA;
constexpr int Equals = 0xBB;
constexpr int Comma = 0xBC;
constexpr int Minus = 0xBD;
constexpr int Period = 0xBE;
constexpr int Slash = 0xBF;
constexpr int Tilde = 0xC0;
constexpr int LeftBracket = 0xDB;
constexpr int Backslash = 0xDC;
constexpr int RightBracket = 0xDD;
constexpr int Apostrophe = 0xDE;
}  // namespace VirtualKey

// The characters typed in this frame, from key edges (no key repeat).
std::string TypedText(const KeyboardBuffer& keyboard);
// The digit keys of the main block that went down in this frame, in key order.
std::string TypedDigits(const KeyboardBuffer& keyboard);
// The display name of a virtual key, or the empty string for keys without one.
std::string KeyName(int virtualKey);
// The first named key that went down in this frame, or -1.
int FirstNewlyPressedKey(const KeyboardBuffer& keyboard);
