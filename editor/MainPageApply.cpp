// The apply table: the open field's number goes into the selected shape, or through the trigger
// panel into the trigger whose region it is, in every input step once the field's text was
// edited.

#include <array>
#include <optional>
#include <string>

#include "editor/MainPage.h"
#include "editor/PropertyPanel.h"
#include "editor/TypingField.h"
#include "engine/TextBox.h"
#include "engine/VectorMath.h"
#include "engine/draw/Circle.h"
#include "engine/draw/Quad.h"
#include "engine/draw/Sprite.h"
#include "world/ModifierShape.h"
#include "world/World.h"

using platform::Vector3;

namespace {

using FieldSlot = std::unique_ptr<TextBox> PropertyPanel::*;

// A row of the table: the field and what its number changes of the shape.
struct ShapeRow {
  FieldSlot field;
  void (*write)(Shape& shape, float value);
};

template <typename Kind>
Kind* As(Shape& shape) {
  return dynamic_cast<Kind*>(&shape);
}

// The corner moves to the point with one coordinate replaced; the opposite corner stays.
void MoveCorner(Shape& shape, Vector3 (Quad::*get)() const, void (Quad::*set)(const Vector3&),
                bool alongX, float value) {
  Quad* quad = As<Quad>(shape);
  if (!quad) return;
  Vector3 corner = (quad->*get)();
  (alongX ? corner.x : corner.y) = value;
  (quad->*set)(corner);
}

void SetSource(Shape& shape, int32_t platform::PixelRect::*side, float value) {
  platform::PixelRect rect = shape.sourceRect;
  rect.*side = TruncateToInt(value);
  shape.SetRect(rect.left, rect.top, rect.right, rect.bottom);
}

void SetPositionAxis(Shape& shape, float Vector3::*axis, float value) {
  Vector3 position = shape.position;
  position.*axis = value;
  shape.SetPosition(position);
}

const auto ShapeRows = std::to_array<ShapeRow>({
    {&PropertyPanel::m_fieldPositionX,
     [](Shape& s, float v) { SetPositionAxis(s, &Vector3::x, v); }},
    {&PropertyPanel::m_fieldPositionY,
     [](Shape& s, float v) { SetPositionAxis(s, &Vector3::y, v); }},
    {&PropertyPanel::m_fieldPositionZ,
     [](Shape& s, float v) { SetPositionAxis(s, &Vector3::z, v); }},
    {&PropertyPanel::m_fieldRotation, [](Shape& s, float v) { s.SetRotation(v); }},
    {&PropertyPanel::m_fieldWidth,
     [](Shape& s, float v) {
       if (Quad* quad = As<Quad>(s)) quad->SetWidth(v);
     }},
    {&PropertyPanel::m_fieldHeight,
     [](Shape& s, float v) {
       if (Quad* quad = As<Quad>(s)) quad->SetHeight(v);
     }},
    {&PropertyPanel::m_fieldRadius,
     [](Shape& s, float v) {
       if (Circle* circle = As<Circle>(s)) circle->SetRadius(v);
     }},
    {&PropertyPanel::m_fieldScaleX,
     [](Shape& s, float v) {
       if (Sprite* sprite = As<Sprite>(s)) sprite->SetScale(v, sprite->scale.y);
     }},
    {&PropertyPanel::m_fieldScaleY,
     [](Shape& s, float v) {
       if (Sprite* sprite = As<Sprite>(s)) sprite->SetScale(sprite->scale.x, v);
     }},
    {&PropertyPanel::m_fieldTopLeftX,
     [](Shape& s, float v) { MoveCorner(s, &Quad::GetTopLeft, &Quad::SetTopLeft, true, v); }},
    {&PropertyPanel::m_fieldTopLeftY,
     [](Shape& s, float v) { MoveCorner(s, &Quad::GetTopLeft, &Quad::SetTopLeft, false, v); }},
    {&PropertyPanel::m_fieldTopRightX,
     [](Shape& s, float v) { MoveCorner(s, &Quad::GetTopRight, &Quad::SetTopRight, true, v); }},
    {&PropertyPanel::m_fieldTopRightY,
     [](Shape& s, float v) { MoveCorner(s, &Quad::GetTopRight, &Quad::SetTopRight, false, v); }},
    {&PropertyPanel::m_fieldBottomLeftX,
     [](Shape& s, float v) { MoveCorner(s, &Quad::GetBottomLeft, &Quad::SetBottomLeft, true, v); }},
    {&PropertyPanel::m_fieldBottomLeftY,
     [](Shape& s, float v) {
       MoveCorner(s, &Quad::GetBottomLeft, &Quad::SetBottomLeft, false, v);
     }},
    {&PropertyPanel::m_fieldBottomRightX,
     [](Shape& s,
        float v) { MoveCorner(s, &Quad::GetBottomRight, &Quad::SetBottomRight, true, v); }},
    {&PropertyPanel::m_fieldBottomRightY,
     [](Shape& s,
        float v) { MoveCorner(s, &Quad::GetBottomRight, &Quad::SetBottomRight, false, v); }},
    {&PropertyPanel::m_fieldSourceLeft,
     [](Shape& s, float v) { SetSource(s, &platform::PixelRect::left, v); }},
    {&PropertyPanel::m_fieldSourceTop,
     [](Shape& s, float v) { SetSource(s, &platform::PixelRect::top, v); }},
    {&PropertyPanel::m_fieldSourceRight,
     [](Shape& s, float v) { SetSource(s, &platform::PixelRect::right, v); }},
    {&PropertyPanel::m_fieldSourceBottom,
     [](Shape& s, float v) { SetSource(s, &platform::PixelRect::bottom, v); }},
});

}  // namespace

// A field of a dialog is in no row and writes nothing. The layer and the trigger rows show the
// stored value again at once, a trigger's number as typed while it reads as the value stored; the
// shape rows keep the text as typed.
void MainPage::ApplyActiveField() {
  m_field.PlaceCaretLine();
  if (!m_selected || !m_field.Current() || !m_field.Edited()) return;
  const PropertyPanel& panel = *m_panel;
  TextBox* field = m_field.Current();
  const float value = NumberIn(*field);
  for (const ShapeRow& row : ShapeRows) {
    if ((panel.*row.field).get() == field) row.write(*m_selected, value);
  }
  if (panel.m_fieldLayer.get() == field) MoveSelectionToLayer(RoundToInt(value));
  ModifierShape* trigger = m_world->FindModifierByShape(m_selected);
  const std::optional<float> stored =
      trigger ? panel.m_triggers->Write(*trigger, *field, value) : std::nullopt;
  if (stored) {
    const std::string typed = field->text;
    RefreshPropertyFields();
    KeepTypedNumber(*field, typed, *stored);
  }
  m_field.PlaceCaretLine();
}
