#include "editor/TypingField.h"

#include <string>

#include "editor/DebugMouse.h"
#include "engine/Color4.h"
#include "engine/TextBox.h"
#include "engine/TextFieldEditors.h"
#include "engine/draw/Line.h"
#include "engine/draw/Quad.h"

namespace {

constexpr Color4 CaretColor{255, 0, 0, 0};
constexpr float CaretTurn = 90.0f;
// The caret line stands 2 pixels inside the field's box at top and bottom.
constexpr float CaretShortening = 4.0f;
constexpr char ZeroDigit = '0';

}  // namespace

TypingField::TypingField() : m_caretLine(std::make_unique<Line>()) {
  m_caretLine->SetFillColor(CaretColor);
  m_caretLine->SetRotation(CaretTurn);
}

TypingField::~TypingField() = default;

void TypingField::TakeKeys(const KeyboardBuffer& keys) {
  if (!m_activeField) return;
  const std::string before = m_activeField->text;
  EditOpenField(keys, *m_activeField);
  if (m_activeField->text != before) m_activeFieldEdited = true;
}

void TypingField::Open(TextBox& field, const DebugMouse& mouse) {
  const platform::Vector3& client = mouse.Client();
  OpenAt(field, field.MeasureSelection(client.x, client.y, client.z));
}

void TypingField::OpenAt(TextBox& field, int32_t index) {
  if (m_activeField != &field) Close();
  m_activeField = &field;
  field.caret = index;
  field.anchor = index;
  field.UpdateCaret();
  m_caretLine->SetLength(field.box->height - CaretShortening);
  PlaceCaretLine();
}

void TypingField::Close() {
  if (!m_activeField) return;
  // A point typed last reads as no fraction: it goes as the field closes. An emptied number
  // field reads as 0 and shows it.
  std::string& text = m_activeField->text;
  const int32_t mode = m_activeField->mode;
  if (mode == TextBoxDecimal && text.ends_with('.')) text.pop_back();
  if (mode != TextBoxFreeText && text.empty()) text.push_back(ZeroDigit);
  const auto end = static_cast<int32_t>(m_activeField->text.size());
  m_activeField->caret = end;
  m_activeField->anchor = end;
  m_activeField->UpdateCaret();
  m_activeField = nullptr;
  m_activeFieldEdited = false;
}

void TypingField::DragCaret(const DebugMouse& mouse) {
  if (!m_activeField || !mouse.LeftHeld()) return;
  const platform::Vector3& client = mouse.Client();
  m_activeField->caret = m_activeField->MeasureSelection(client.x, client.y, client.z);
  m_activeField->UpdateCaret();
}

void TypingField::PlaceCaretLine() {
  if (m_activeField) m_caretLine->SetAltPosition(m_activeField->MeasureToCaret());
}

void TypingField::DrawCaret() { m_caretLine->DrawScreen(); }
