#include "editor/DebugMouse.h"

#include "engine/Controls.h"
#include "engine/Globals.h"
#include "engine/VectorMath.h"
#include "platform/Platform.h"

void DebugMouse::Sample() {
  if (!MainPlatform) return;
  const platform::MouseSample sample = MainPlatform->ReadMouse();
  int windowX = 0;
  int windowY = 0;
  MainPlatform->GetWindowPosition(windowX, windowY);
  m_client = {static_cast<float>(sample.x - windowX), static_cast<float>(sample.y - windowY), 0.0f};
  m_world = ScreenToWorld(0.0f, m_client.x, m_client.y);
  m_delta = {sample.x - GameControls->mouse->x, sample.y - GameControls->mouse->y};
  m_buttons = {sample.left, sample.right, sample.middle, sample.extra1, sample.extra2};
}

bool DebugMouse::LeftPressed() const { return m_buttons[0] && !GameControls->mouse->left; }

bool DebugMouse::LeftHeld() const { return m_buttons[0] && GameControls->mouse->left; }

bool DebugMouse::LeftReleased() const { return !m_buttons[0] && GameControls->mouse->left; }

bool DebugMouse::RightPressed() const { return m_buttons[1] && !GameControls->mouse->right; }

bool DebugMouse::MiddleHeld() const { return m_buttons[2] && GameControls->mouse->middle; }
