#include "editor/TriggerPanel.h"

#include <variant>

#include "editor/DebugButton.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWidgets.h"
#include "engine/BevelPainters.h"
#include "engine/CheckBox.h"
#include "engine/CreateTextBox.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextBox.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "world/ModifierShape.h"
#include "world/TriggerRecords.h"

namespace Layout = EditorLayout;

namespace {

constexpr Color4 InfoBoxFill{120, 255, 255, 255};
// The info box stands in this row; the name in it starts a little right of the separator.
constexpr int InfoRow = 1;
constexpr float NameInset = 5.0f;
// Two number fields sharing a row stand here; a field alone in its row further right.
constexpr float FirstOfTwoX = 477.0f;
constexpr float SecondOfTwoX = 537.0f;

float ColumnX(FieldColumn column) {
  switch (column) {
    case FieldColumn::FirstOfTwo:
      return FirstOfTwoX;
    case FieldColumn::SecondOfTwo:
      return SecondOfTwoX;
    default:
      return Layout::OwnerFieldX;
  }
}

// A name longer than the info box is cut as far inside its right edge as it starts inside its
// left, clear of the captions beyond it.
void DrawInfoName(const std::string& name, const Quad& infoBox) {
  const float left = Layout::SeparatorX[1] + NameInset;
  const float inset = left - (infoBox.altPosition.x - infoBox.width / 2);
  const float room = infoBox.altPosition.x + infoBox.width / 2 - inset - left;
  const auto measure = [](const std::string& text) {
    return EditorWidgets::SmallTextWidth(StringToWString(text));
  };
  const std::string shown = SmallFont ? CutToWidth(name, room, measure) : name;
  DrawTextAligned(SmallFont, left, infoBox.altPosition.y, 0.0f, StringToWString(shown),
                  DebugButtonColors::Text.ToD3DColor(), AlignLeft, AlignQuarterUp);
}

template <typename Bounds>
auto Labelled(const Bounds& bounds, const std::string& label)
    -> decltype(bounds.front().widget.get()) {
  for (const auto& bound : bounds) {
    if (bound.field->label == label) return bound.widget.get();
  }
  return nullptr;
}

}  // namespace

TriggerPanel::TriggerPanel(GameState* owner, Texture* atlas) {
  m_infoBox =
      EditorWidgets::MakeScreenQuad(Layout::OwnerWidth, Layout::PanelButtonHeight,
                                    Layout::OwnerCenterX, Layout::PanelRowY(InfoRow), InfoBoxFill);
  PaintSunkenBevel(*m_infoBox);
  for (const TriggerKindEntry& kind : RegisteredTriggerKinds()) {
    for (const TriggerField& field : kind.fields) Build(m_kinds[kind.kind], field, owner, atlas);
  }
}

TriggerPanel::~TriggerPanel() = default;

// Check boxes stand at the column's left edge; a map choice's button is short, a shape choice's
// as wide as the info box.
void TriggerPanel::Build(KindWidgets& widgets, const TriggerField& field, GameState* owner,
                         Texture* atlas) {
  const float y = Layout::PanelRowY(field.row);
  if (const auto* number = std::get_if<NumberWidget>(&field.widget)) {
    auto& bound = widgets.numbers.emplace_back(Bound<NumberWidget, TextBox>{&field, number, {}});
    CreateTextBox(owner, TextBoxDecimal, bound.widget, Layout::PropertyFieldWidth,
                  Layout::FieldHeight, 0.0f, ColumnX(number->column), y, 0.0f,
                  Layout::PropertyFieldMaxLength, field.label, number->startText);
  } else if (const auto* flag = std::get_if<CheckBoxWidget>(&field.widget)) {
    auto box = std::make_unique<CheckBox>(atlas, false);
    box->label = field.label;
    box->SetPosition(Layout::OwnerCheckBoxX, y, 0.0f);
    widgets.checkBoxes.push_back({&field, flag, std::move(box)});
  } else if (const auto* map = std::get_if<MapChoiceWidget>(&field.widget)) {
    widgets.mapChoices.push_back(
        {&field, map,
         std::make_unique<DebugButton>(Layout::SetMapButtonWidth, Layout::PanelButtonHeight, 0.0f,
                                       Layout::SetMapButtonX, y, 0.0f, field.label)});
  } else if (const auto* shape = std::get_if<ShapeChoiceWidget>(&field.widget)) {
    widgets.shapeChoices.push_back(
        {&field, shape,
         std::make_unique<DebugButton>(Layout::OwnerWidth, Layout::PanelButtonHeight, 0.0f,
                                       Layout::OwnerCenterX, y, 0.0f, field.label)});
  }
}

const TriggerPanel::KindWidgets& TriggerPanel::WidgetsOf(int32_t kind) const {
  static const KindWidgets none;
  const auto found = m_kinds.find(kind);
  return found == m_kinds.end() ? none : found->second;
}

void TriggerPanel::Show(const ModifierShape& trigger) const {
  const KindWidgets& widgets = WidgetsOf(trigger.kind);
  for (const auto& number : widgets.numbers) {
    number.widget->ShowNumber(number.description->read(trigger));
  }
  for (const auto& flag : widgets.checkBoxes) {
    flag.widget->checked = flag.description->read(trigger);
  }
}

bool TriggerPanel::ShowsValues(int32_t kind) const {
  const KindWidgets& widgets = WidgetsOf(kind);
  return !widgets.numbers.empty() || !widgets.checkBoxes.empty();
}

std::vector<TextBox*> TriggerPanel::Fields(const ModifierShape& trigger) const {
  std::vector<TextBox*> fields;
  for (const auto& number : WidgetsOf(trigger.kind).numbers) fields.push_back(number.widget.get());
  return fields;
}

void TriggerPanel::DrawBoxes(const ModifierShape& trigger) const {
  const KindWidgets& widgets = WidgetsOf(trigger.kind);
  if (widgets.mapChoices.empty() && widgets.shapeChoices.empty()) return;
  m_infoBox->DrawScreen();
  for (const auto& map : widgets.mapChoices) map.widget->DrawBox();
  for (const auto& shape : widgets.shapeChoices) shape.widget->DrawBox();
}

void TriggerPanel::DrawTexts(const ModifierShape& trigger) const {
  const KindWidgets& widgets = WidgetsOf(trigger.kind);
  for (const auto& number : widgets.numbers) number.widget->Draw();
  for (const auto& map : widgets.mapChoices) {
    DrawInfoName(map.description->name(trigger), *m_infoBox);
    map.widget->DrawLabel();
  }
  for (const auto& shape : widgets.shapeChoices) {
    DrawInfoName(shape.description->name(trigger), *m_infoBox);
    shape.widget->DrawLabel();
  }
  for (const auto& flag : widgets.checkBoxes) flag.widget->Draw();
}

bool TriggerPanel::Press(ModifierShape& trigger, const platform::Vector3& mouse) const {
  const KindWidgets& widgets = WidgetsOf(trigger.kind);
  for (const auto& flag : widgets.checkBoxes) {
    CheckBox& box = *flag.widget;
    if (!box.box->AltContainsPoint(mouse)) continue;
    box.checked = !box.checked;
    flag.description->write(trigger, box.checked);
  }
  for (const auto& shape : widgets.shapeChoices) {
    DebugButton& button = *shape.widget;
    if (button.Contains(mouse)) button.SetPressed(!button.Pressed());
  }
  for (const auto& map : widgets.mapChoices) {
    if (map.widget->Contains(mouse)) return true;
  }
  return false;
}

std::optional<float> TriggerPanel::Write(ModifierShape& trigger, const TextBox& field,
                                         float value) const {
  for (const auto& number : WidgetsOf(trigger.kind).numbers) {
    if (number.widget.get() != &field) continue;
    number.description->write(trigger, value);
    return number.description->read(trigger);
  }
  return std::nullopt;
}

void TriggerPanel::ChooseMap(ModifierShape& trigger, const std::string& path) const {
  for (const auto& map : WidgetsOf(trigger.kind).mapChoices) map.description->write(trigger, path);
}

bool TriggerPanel::ShapeChoiceWaits(const ModifierShape& trigger) const {
  for (const auto& shape : WidgetsOf(trigger.kind).shapeChoices) {
    if (shape.widget->Pressed()) return true;
  }
  return false;
}

void TriggerPanel::ChooseShape(ModifierShape& trigger, Shape* chosen) const {
  for (const auto& shape : WidgetsOf(trigger.kind).shapeChoices) {
    if (shape.widget->Pressed()) shape.description->write(trigger, chosen);
  }
}

void TriggerPanel::EndShapeChoice(const ModifierShape& trigger) const {
  for (const auto& shape : WidgetsOf(trigger.kind).shapeChoices) shape.widget->SetPressed(false);
}

TextBox* TriggerPanel::FieldLabelled(int32_t kind, const std::string& label) const {
  return Labelled(WidgetsOf(kind).numbers, label);
}

CheckBox* TriggerPanel::CheckBoxLabelled(int32_t kind, const std::string& label) const {
  return Labelled(WidgetsOf(kind).checkBoxes, label);
}

DebugButton* TriggerPanel::ButtonLabelled(int32_t kind, const std::string& label) const {
  const KindWidgets& widgets = WidgetsOf(kind);
  DebugButton* map = Labelled(widgets.mapChoices, label);
  return map ? map : Labelled(widgets.shapeChoices, label);
}
