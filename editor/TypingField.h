#pragma once

#include <cstdint>
#include <memory>

class DebugMouse;
struct KeyboardBuffer;
class Line;
class TextBox;

// The one text field of the debug menu open for typing and the caret line drawn in it. The
// pages open their fields here; closing leaves caret and anchor at the end of the field's text.
class TypingField {
 public:
  TypingField();
  ~TypingField();
  TypingField(const TypingField&) = delete;
  TypingField& operator=(const TypingField&) = delete;

  // Null when no field is open.
  TextBox* Current() const { return m_activeField; }
  // Whether the text changed since the field opened: until then nothing is written from it, so
  // opening a field never changes what it shows.
  bool Edited() const { return m_activeFieldEdited; }

  // The open field takes this frame's keys.
  void TakeKeys(const KeyboardBuffer& keys);
  // Opens the field with caret and anchor at the character under the mouse; the field that was
  // open closes.
  void Open(TextBox& field, const DebugMouse& mouse);
  void OpenAt(TextBox& field, int32_t index);
  // A decimal field's point typed last goes: it reads as no fraction; an emptied number field
  // shows the 0 it reads as.
  void Close();
  // While the left button stays down, the caret follows the mouse.
  void DragCaret(const DebugMouse& mouse);
  void PlaceCaretLine();
  // The caret line in screen space, at once.
  void DrawCaret();

 private:
  TextBox* m_activeField = nullptr;
  bool m_activeFieldEdited = false;
  std::unique_ptr<Line> m_caretLine;
};
