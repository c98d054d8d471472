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

}  // namespace

TypingField::TypingField() : m_caretLine(std::make_unique<Line>()) {
  m_caretLine->SetFillColor(CaretColor);
  m_caretLine->SetRotation(CaretTurn);
}

TypingField::~TypingField() = default;

void TypingField::TakeKeys(const KeyboardBuffer& keys) {
  if (!m_field) return;
  const std::string before = m_field->text;
  EditOpenField(keys, *m_field);
  if (m_field->text != before) m_edited = true;
}

void TypingField::Open(TextBox& field, const DebugMouse& mouse) {
  const platform::Vector3& client = mouse.Client();
  OpenAt(field, field.MeasureSelection(client.x, client.y, client.z));
}

void TypingField::OpenAt(TextBox& field, int32_t index) {
  if (m_field != &field) Close();
  m_field = &field;
  field.caret = index;
  field.anchor = index;
  field.UpdateCaret();
  m_caretLine->SetLength(field.box->height - CaretShortening);
  PlaceCaretLine();
}

void TypingField::Close() {
  if (!m_field) return;
  const auto end = static_cast<int32_t>(m_field->text.size());
  m_field->caret = end;
  m_field->anchor = end;
  m_field->UpdateCaret();
  m_field = nullptr;
  m_edited = false;
}

void TypingField::DragCaret(const DebugMouse& mouse) {
  if (!m_field || !mouse.LeftHeld()) return;
  const platform::Vector3& client = mouse.Client();
  m_field->caret = m_field->MeasureSelection(client.x, client.y, client.z);
  m_field->UpdateCaret();
}

void TypingField::PlaceCaretLine() {
  if (m_field) m_caretLine->SetAltPosition(m_field->MeasureToCaret());
}

void TypingField::DrawCaret() { m_caretLine->DrawScreen(); }
