#include "editor/DebugButton.h"

#include "engine/BevelPainters.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"

DebugButton::DebugButton(float width, float height, float depth, float x, float y, float z,
                         std::string label)
    : m_quad(std::make_unique<Quad>()),
      m_label(std::move(label)),
      m_textColor(DebugButtonColors::Text),
      m_disabledTextColor(DebugButtonColors::DisabledText),
      m_currentTextColor(m_textColor),
      m_fillColor(DebugButtonColors::Fill),
      m_pressedFillColor(DebugButtonColors::PressedFill),
      m_disabledFillColor(DebugButtonColors::DisabledFill),
      m_lightEdgeColor(RaisedLight),
      m_darkEdgeColor(RaisedDark) {
  m_quad->outlineVisible = 1;
  m_quad->SetDimensions(width, height, depth);
  m_quad->SetAltPositionXYZ(x, y, z);
  m_quad->SetFillColor(m_fillColor);
  ApplyBevel(false);
}

void DebugButton::SetPressed(bool pressed) {
  m_pressed = pressed ? 1 : 0;
  m_quad->SetFillColor(pressed ? m_pressedFillColor : m_fillColor);
  ApplyBevel(pressed);
}

void DebugButton::SetEnabled(bool enabled) {
  m_enabled = enabled ? 1 : 0;
  if (enabled) {
    m_quad->SetFillColor(m_pressed ? m_pressedFillColor : m_fillColor);
    m_currentTextColor = m_textColor;
  } else {
    m_quad->SetFillColor(m_disabledFillColor);
    m_currentTextColor = m_disabledTextColor;
  }
}

void DebugButton::ShowPicture(Texture* atlas, const platform::PixelRect& rect) {
  m_quad->SetTexture(atlas);
  m_quad->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  m_fillColor = ColorWhite;
  SetPressed(false);
}

void DebugButton::ApplyBevel(bool pressed) {
  const Color4& lit = pressed ? m_darkEdgeColor : m_lightEdgeColor;
  const Color4& shaded = pressed ? m_lightEdgeColor : m_darkEdgeColor;
  PaintBevel(*m_quad, lit, shaded, lit, shaded);
  m_quad->dirty = 1;
}

void DebugButton::DrawBox() { m_quad->DrawScreen(); }

void DebugButton::DrawLabel() {
  if (m_label.empty()) return;
  const platform::Vector3 at = m_quad->altPosition;
  DrawTextAligned(SmallFont, at.x, at.y, at.z, StringToWString(m_label),
                  m_currentTextColor.ToD3DColor(), AlignCenter, AlignQuarterUp);
}
