#include "editor/DebugMouse.h"

#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "platform/Platform.h"

void DebugMouse::Sample() {
  if (!MainPlatform) return;
  const platform::MouseSample sample = MainPlatform->ReadMouse();
  m_mouseClient = ClientPoint(*MainPlatform, sample);
  m_mouseWorld = ScreenToWorld(0.0f, m_mouseClient.x, m_mouseClient.y);
  m_mouseDelta = {sample.x - GameControls->mouse->x, sample.y - GameControls->mouse->y};
  m_mouseButtons = {sample.left, sample.right, sample.middle, sample.extra1, sample.extra2};
}

bool DebugMouse::LeftPressed() const { return m_mouseButtons[0] && !GameControls->mouse->left; }

bool DebugMouse::LeftHeld() const { return m_mouseButtons[0] && GameControls->mouse->left; }

bool DebugMouse::LeftReleased() const { return !m_mouseButtons[0] && GameControls->mouse->left; }

bool DebugMouse::RightPressed() const { return m_mouseButtons[1] && !GameControls->mouse->right; }

bool DebugMouse::MiddleHeld() const { return m_mouseButtons[2] && GameControls->mouse->middle; }
