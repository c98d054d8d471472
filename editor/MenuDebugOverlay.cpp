#include <cmath>
#include <string>
#include <vector>

#include "editor/EditorLayout.h"
#include "editor/MenuDebug.h"
#include "engine/Camera.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/DebugOverlay.h"
#include "platform/SpriteBatch.h"
#include "world/World.h"

namespace Layout = EditorLayout;

namespace {

std::wstring Flag(const wchar_t* label, uint8_t on) { return label + IntToWString(on ? 1 : 0); }

std::wstring Number(const wchar_t* label, int value) { return label + IntToWString(value); }

}  // namespace

void MenuDebug::DrawDebugOverlay() {
  const bool mouseFeed = m_switches.IsOn(ToggleMouseFeed);
  const bool stateInfo = m_switches.IsOn(ToggleStateInfo);
  const bool cameraInfo = m_switches.IsOn(ToggleCameraInfo);
  if (!mouseFeed && !stateInfo && !cameraInfo) return;
  if (SpriteRenderer) SpriteRenderer->Begin();
  const uint32_t color = DebugTextColor.ToD3DColor();
  if (mouseFeed) {
    const std::wstring lines[] = {
        QuadToWString(L"Application mouse position: ", m_mouse.Client()),
        QuadToWString(L"Relative mouse position: ", {static_cast<float>(m_mouse.Delta()[0]),
                                                     static_cast<float>(m_mouse.Delta()[1]), 0.0f}),
        QuadToWString(L"World mouse position: ", m_mouse.World()),
        Flag(L"Left mouse button: ", m_mouse.LeftDown()),
        Flag(L"Right mouse button: ", m_mouse.Buttons()[1]),
        Flag(L"Middle mouse button: ", m_mouse.Buttons()[2]),
        Flag(L"X1 mouse button: ", m_mouse.Buttons()[3]),
        Flag(L"X2 mouse button: ", m_mouse.Buttons()[4]),
        Number(L"Left thumb X-axis value: ", m_padThumbs[0]),
        Number(L"Left thumb Y-axis value: ", m_padThumbs[1]),
        Number(L"Right thumb X-axis value: ", m_padThumbs[2]),
        Number(L"Right thumb Y-axis value: ", m_padThumbs[3]),
        Number(L"Left trigger value: ", m_padTriggers[0]),
        Number(L"Right trigger value: ", m_padTriggers[1]),
    };
    const float x = Layout::LayerPanel.right - Layout::MouseFeedInset;
    float y = Layout::LayerPanel.bottom + Layout::MouseFeedInset;
    for (const std::wstring& line : lines) {
      DrawTextAligned(SmallFont, x, std::round(y), 0.0f, line, color, AlignRight, AlignTop);
      y += Layout::OverlayLineStep;
    }
  }
  if (stateInfo) {
    const std::wstring name = set && set->current ? set->current->GetName() : GetName();
    const float x = m_panelAnchor.x + Layout::StateInfoRight;
    float y = m_panelAnchor.y - Layout::StateInfoUp;
    for (const std::wstring& line : TimingLines(name)) {
      DrawTextAligned(SmallFont, x, y, 0.0f, line, color, AlignLeft, AlignMiddle);
      y -= Layout::OverlayLineStep;
    }
  }
  if (cameraInfo && MainCamera) {
    const std::wstring lines[] = {
        QuadToWString(L"Camera Position: ", MainCamera->eye),
        QuadToWString(L"Camera Target Position: ", MainCamera->lookAt),
        L"Current Map: " + StringToWString(m_world->GetMapName()),
    };
    const float x = Layout::PropertyPanel.right - Layout::CameraInfoInset;
    float y = Layout::PropertyPanel.top - Layout::CameraInfoUp;
    for (const std::wstring& line : lines) {
      DrawTextAligned(SmallFont, x, y, 0.0f, line, color, AlignRight, AlignMiddle);
      y -= Layout::OverlayLineStep;
    }
  }
  if (SpriteRenderer) SpriteRenderer->End();
}
