#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/Color4.h"
#include "engine/draw/Quad.h"
#include "platform/MathTypes.h"
#include "platform/Vertex.h"

class Texture;

// A labelled push button of the debug menu: a bevelled face that shows as pushed in while
// pressed and greys out while disabled. The page that owns it tests the mouse against the face.
class DebugButton {
 public:
  DebugButton(float width, float height, float depth, float x, float y, float z, std::string label);

  // The face's fill follows whichever of these two ran last; only SetEnabled recolours the
  // label.
  void SetPressed(bool pressed);
  void SetEnabled(bool enabled);
  // Light top and left edges while released, dark while pressed.
  void ApplyBevel(bool pressed);
  // In screen space, at once.
  void DrawBox();
  // Centred on the face, through the shared sprite batch, which the caller has begun.
  void DrawLabel();
  bool Contains(const platform::Vector3& point) const { return m_quad->AltContainsPoint(point); }
  // A picture from the atlas on the face, shown in its own colours: released, the face is white.
  void ShowPicture(Texture* atlas, const platform::PixelRect& rect);

  const Quad& Face() const { return *m_quad; }
  const std::string& Label() const { return m_label; }
  bool Pressed() const { return m_pressed != 0; }
  bool Enabled() const { return m_enabled != 0; }
  const Color4& LabelColor() const { return m_currentTextColor; }

 private:
  std::unique_ptr<Quad> m_quad;
  uint8_t m_pressed = 0;
  uint8_t m_enabled = 1;
  std::string m_label;
  Color4 m_textColor;
  Color4 m_disabledTextColor;
  Color4 m_currentTextColor;
  Color4 m_fillColor;
  Color4 m_pressedFillColor;
  Color4 m_disabledFillColor;
  Color4 m_lightEdgeColor;
  Color4 m_darkEdgeColor;
};

// The debug menu's button colours, which its plain button quads share.
namespace DebugButtonColors {
constexpr Color4 Text{255, 0, 0, 0};
constexpr Color4 DisabledText{255, 115, 115, 115};
constexpr Color4 Fill{255, 235, 225, 136};
constexpr Color4 PressedFill{255, 215, 205, 136};
constexpr Color4 DisabledFill{150, 200, 200, 200};
}  // namespace DebugButtonColors
