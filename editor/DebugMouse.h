#pragma once

#include <array>
#include <cstdint>

#include "platform/MathTypes.h"

// The mouse as the debug menu's input step sampled it this frame: where it is on the window and
// in the world, how far it moved, and its buttons against those of the frame before, which the
// controls still hold.
class DebugMouse {
 public:
  static constexpr int ButtonCount = 5;

  void Sample();
  // Where the mouse stood in the world this frame, for the drags of the next.
  void KeepWorldPoint() { m_lastMouseWorld = m_mouseWorld; }

  bool LeftDown() const { return m_mouseButtons[0] != 0; }
  bool LeftPressed() const;
  bool LeftHeld() const;
  bool LeftReleased() const;
  bool RightPressed() const;
  bool MiddleHeld() const;

  const platform::Vector3& Client() const { return m_mouseClient; }
  const platform::Vector3& World() const { return m_mouseWorld; }
  const platform::Vector3& LastWorld() const { return m_lastMouseWorld; }
  const std::array<int32_t, 2>& Delta() const { return m_mouseDelta; }
  // Left, right, middle, first extra, second extra.
  const std::array<uint8_t, ButtonCount>& Buttons() const { return m_mouseButtons; }

 private:
  platform::Vector3 m_mouseClient;
  platform::Vector3 m_mouseWorld;
  platform::Vector3 m_lastMouseWorld;
  std::array<int32_t, 2> m_mouseDelta{};
  std::array<uint8_t, ButtonCount> m_mouseButtons{};
};
