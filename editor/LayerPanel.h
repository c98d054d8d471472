#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "engine/DebugSwitches.h"
#include "platform/MathTypes.h"

class DebugButton;
class GameState;
class Quad;
class Sprite;
class TextBox;
class Texture;

// The small panel under the right end of the editor's top bar: a layer number with its arrows
// and two toggles that show and flip whether that layer is drawn and whether its shapes can be
// picked. The toggles show the layer last reached with the arrows; typing a number changes
// nothing until a toggle or an arrow is pressed.
class LayerPanel {
 public:
  // What a press on the panel hit.
  enum Hit { HitNothing, HitNumberField, HitArrow, HitToggle };

  LayerPanel(GameState* owner, Texture* atlas);
  ~LayerPanel();
  LayerPanel(const LayerPanel&) = delete;
  LayerPanel& operator=(const LayerPanel&) = delete;

  // A new left press at the screen point: an arrow steps the number and shows that layer's
  // flags, entering the layer visible and selectable when it is new; a toggle flips and writes
  // its flag into the layer the field shows.
  Hit Press(const platform::Vector3& point, std::map<int32_t, LayerFlags>& layers);
  // The layer the number field holds; a text without a number reads as layer 0.
  int32_t ShownLayer() const;
  // The field through the shared sprite batch, then the arrows and the toggles.
  void Draw();

  // The layer number's field, which the menu opens for typing.
  TextBox& NumberField() { return *m_fieldLayerNumber; }
  const TextBox& NumberField() const { return *m_fieldLayerNumber; }
  const Quad& UpArrow() const { return *m_upArrow; }
  const Quad& DownArrow() const { return *m_downArrow; }
  const DebugButton& VisibleToggle() const { return *m_buttonLayerVisible; }
  const DebugButton& SelectableToggle() const { return *m_buttonLayerSelectable; }

 private:
  void StepLayer(int32_t step, std::map<int32_t, LayerFlags>& layers);

  std::unique_ptr<TextBox> m_fieldLayerNumber;
  std::unique_ptr<Quad> m_upArrow, m_downArrow;
  std::unique_ptr<DebugButton> m_buttonLayerVisible, m_buttonLayerSelectable;
  // What each toggle stands for, drawn on its face.
  std::array<std::unique_ptr<Sprite>, 2> m_toggleIcons;
};

// An arrow beside a layer number: the field's number one step on, never wrapping round at the
// ends of the integer range, and that layer entered visible and selectable when it is new.
// Returns the layer's flags.
const LayerFlags& StepLayerField(TextBox& field, int32_t step,
                                 std::map<int32_t, LayerFlags>& layers);
