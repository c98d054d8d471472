#include "engine/TextFieldEditors.h"

#include <algorithm>
#include <string>

#include "engine/Controls.h"
#include "engine/KeyboardLayer.h"
#include "engine/NumberFormat.h"
#include "engine/TextBox.h"

namespace {

constexpr char Point = '.';

enum class Rules { Text, Integer, Decimal };

int32_t Length(const TextBox& field) {
  return static_cast<int32_t>(std::min<size_t>(field.text.size(), INT32_MAX));
}

// The selected range: lo to hi, empty when caret and anchor meet.
struct Range {
  int32_t lo = 0;
  int32_t hi = 0;
  bool Selected() const { return lo != hi; }
  size_t Start() const { return static_cast<size_t>(lo); }
  size_t Size() const { return static_cast<size_t>(hi - lo); }
};

Range RangeOf(const TextBox& field) {
  return {std::min(field.caret, field.anchor), std::max(field.caret, field.anchor)};
}

void PlaceCaret(TextBox& field, int32_t index) {
  field.caret = index;
  field.anchor = index;
}

// The owner may have left the indices anywhere; the editors work inside the text.
void ClampIndices(TextBox& field) {
  field.caret = std::clamp(field.caret, 0, Length(field));
  field.anchor = std::clamp(field.anchor, 0, Length(field));
}

void MoveCaret(const KeyboardBuffer& keyboard, TextBox& field) {
  const Range start = RangeOf(field);
  if (keyboard.IsLeftArrowPressed() && start.lo > 0) {
    PlaceCaret(field, start.Selected() ? start.lo : field.caret - 1);
  }
  if (keyboard.IsRightArrowPressed()) {
    if (RangeOf(field).Selected()) {
      PlaceCaret(field, std::max(field.caret, field.anchor));
    } else if (start.hi < Length(field)) {
      PlaceCaret(field, field.caret + 1);
    }
  }
}

// Inserts as much of the typed text as the maximum length leaves room for.
void Type(TextBox& field, std::string typed) {
  const Range range = RangeOf(field);
  const int64_t room = int64_t{field.maxLength} - (Length(field) - (range.hi - range.lo));
  if (room <= 0) return;
  if (static_cast<int64_t>(typed.size()) > room) typed.resize(static_cast<size_t>(room));
  field.InsertText(std::move(typed));
}

// Every point goes, and one point takes the place of the selection (or goes in at the caret).
void PutPoint(TextBox& field) {
  const Range range = RangeOf(field);
  std::string text = field.text;
  const auto pointsBefore = [&text](int32_t index) {
    return static_cast<int32_t>(std::count(text.begin(), text.begin() + index, Point));
  };
  const Range moved{range.lo - pointsBefore(range.lo), range.hi - pointsBefore(range.hi)};
  std::erase(text, Point);
  text.replace(moved.Start(), moved.Size(), 1, Point);
  if (static_cast<int64_t>(text.size()) > field.maxLength) return;
  field.text = std::move(text);
  PlaceCaret(field, moved.lo + 1);
}

// The number the field stands for with the other sign, written with the digits it needs to read
// back the same: not the sign of a number the box shows shortened.
void ToggleSign(TextBox& field) { field.SetText(FormatFloat(-field.Number())); }

// Clamps the indices first; false when nothing is selected.
bool EraseSelection(TextBox& field) {
  ClampIndices(field);
  const Range range = RangeOf(field);
  if (!range.Selected()) return false;
  field.text.erase(range.Start(), range.Size());
  PlaceCaret(field, range.lo);
  return true;
}

void Edit(const KeyboardBuffer& keyboard, TextBox& field, Rules rules) {
  const std::string before = field.text;
  ClampIndices(field);
  MoveCaret(keyboard, field);
  if (Length(field) < field.maxLength || RangeOf(field).Selected()) {
    Type(field, rules == Rules::Text ? TypedText(keyboard) : TypedDigits(keyboard));
    if (rules == Rules::Decimal && keyboard.IsPeriodPressed()) PutPoint(field);
  }
  if (rules != Rules::Text && keyboard.IsMinusPressed()) ToggleSign(field);
  EraseBeforeCaret(keyboard, field);
  EraseAtCaret(keyboard, field);
  if (field.text != before) field.ForgetShownNumber();
  field.UpdateCaret();
}

}  // namespace

void EditTextProperty(const KeyboardBuffer& keyboard, TextBox& field) {
  Edit(keyboard, field, Rules::Text);
}

void EditIntegerProperty(const KeyboardBuffer& keyboard, TextBox& field) {
  Edit(keyboard, field, Rules::Integer);
}

void EditDecimalProperty(const KeyboardBuffer& keyboard, TextBox& field) {
  Edit(keyboard, field, Rules::Decimal);
}

void EditOpenField(const KeyboardBuffer& keyboard, TextBox& field) {
  switch (field.mode) {
    case TextBoxFreeText:
      EditTextProperty(keyboard, field);
      break;
    case TextBoxInteger:
      EditIntegerProperty(keyboard, field);
      break;
    case TextBoxDecimal:
      EditDecimalProperty(keyboard, field);
      break;
    default:
      break;
  }
}

void EraseBeforeCaret(const KeyboardBuffer& keyboard, TextBox& field) {
  if (!keyboard.IsBackspacePressed() || EraseSelection(field)) return;
  if (field.caret > 0) {
    field.text.erase(static_cast<size_t>(field.caret - 1), 1);
    PlaceCaret(field, field.caret - 1);
  }
}

void EraseAtCaret(const KeyboardBuffer& keyboard, TextBox& field) {
  if (!keyboard.IsDeletePressed() || EraseSelection(field)) return;
  if (field.caret < Length(field)) {
    field.text.erase(static_cast<size_t>(field.caret), 1);
    PlaceCaret(field, field.caret);
  }
}
