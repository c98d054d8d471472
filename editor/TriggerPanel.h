#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/MathTypes.h"

class CheckBox;
class DebugButton;
class GameState;
class ModifierShape;
class Quad;
class Shape;
class TextBox;
class Texture;
struct CheckBoxWidget;
struct MapChoiceWidget;
struct NumberWidget;
struct ShapeChoiceWidget;
struct TriggerField;

// The property panel's widgets for a trigger's own values, right of its second separator: for
// each kind in the table of trigger kinds the widgets its fields describe, and the info box in
// which a map or shape choice names what it holds. Each call works on the widgets of the given
// trigger's kind.
class TriggerPanel {
 public:
  TriggerPanel(GameState* owner, Texture* atlas);
  ~TriggerPanel();
  TriggerPanel(const TriggerPanel&) = delete;
  TriggerPanel& operator=(const TriggerPanel&) = delete;

  // The trigger's numbers into its fields, its flags into its check boxes.
  void Show(const ModifierShape& trigger) const;
  // Whether the kind has numbers or flags to show.
  bool ShowsValues(int32_t kind) const;
  // The trigger's number fields, in the order its kind lists them.
  std::vector<TextBox*> Fields(const ModifierShape& trigger) const;
  // With a choice: the info box and the buttons' faces, in screen space at once.
  void DrawBoxes(const ModifierShape& trigger) const;
  // The number fields, the choices' names and button labels, then the check boxes, through the
  // shared sprite batch, which the caller has begun.
  void DrawTexts(const ModifierShape& trigger) const;
  // A press on a check box flips it and the trigger's flag; one on a shape choice's button
  // toggles it. True when the press fell on a map choice, which the editor answers with the
  // list of maps.
  bool Press(ModifierShape& trigger, const platform::Vector3& mouse) const;
  // The number into the trigger when the field is one of its own, and what the trigger holds
  // then; none when the field is not its own.
  std::optional<float> Write(ModifierShape& trigger, const TextBox& field, float value) const;
  // The map's whole path into the trigger's map choice.
  void ChooseMap(ModifierShape& trigger, const std::string& path) const;
  // Whether a shape choice of the trigger waits, its button down, for a press on the map.
  bool ShapeChoiceWaits(const ModifierShape& trigger) const;
  // The shape, or none, into the trigger's waiting shape choice.
  void ChooseShape(ModifierShape& trigger, Shape* shape) const;
  // Every shape choice of the trigger stops waiting: its button goes up.
  void EndShapeChoice(const ModifierShape& trigger) const;

  // A kind's widget by its caption, label or text; null when the kind has none.
  TextBox* FieldLabelled(int32_t kind, const std::string& label) const;
  CheckBox* CheckBoxLabelled(int32_t kind, const std::string& label) const;
  DebugButton* ButtonLabelled(int32_t kind, const std::string& label) const;

 private:
  // A field's description and the widget made from it.
  template <typename Description, typename Widget>
  struct Bound {
    const TriggerField* field;
    const Description* description;
    std::unique_ptr<Widget> widget;
  };
  struct KindWidgets {
    std::vector<Bound<NumberWidget, TextBox>> numbers;
    std::vector<Bound<CheckBoxWidget, CheckBox>> checkBoxes;
    std::vector<Bound<MapChoiceWidget, DebugButton>> mapChoices;
    std::vector<Bound<ShapeChoiceWidget, DebugButton>> shapeChoices;
  };

  void Build(KindWidgets& widgets, const TriggerField& field, GameState* owner, Texture* atlas);
  // Those of a kind without fields are empty.
  const KindWidgets& WidgetsOf(int32_t kind) const;

  std::map<int32_t, KindWidgets> m_kinds;
  std::unique_ptr<Quad> m_infoBox;
};
