#include "world/LoadingScreen.h"

#include "engine/Globals.h"
#include "engine/TextDrawing.h"
#include "platform/Renderer.h"
#include "platform/SpriteBatch.h"

namespace {

constexpr uint32_t LoadingBackground = 0xFF000000;

}  // namespace

void ShowMapLoadingScreen() {
  if (!Device) return;
  Device->Clear(LoadingBackground);
  if (!ShowLoadInfo) return;
  Device->BeginScene();
  if (SpriteRenderer) SpriteRenderer->Begin();
  const uint32_t color = DebugTextColor.ToD3DColor();
  DrawTextAligned(SmallFont, 20.0f, 20.0f, 0.0f, L"Loading... ", color, AlignLeft, AlignTop);
  DrawTextAligned(SmallFont, 40.0f, 30.0f, 0.0f, L"Building world... ", color, AlignLeft, AlignTop);
  if (SpriteRenderer) SpriteRenderer->End();
  Device->EndScene();
  Device->Present();
}
