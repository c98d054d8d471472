#include "menus/Menu.h"

#include "engine/DebugOverlay.h"
#include "engine/Globals.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"

Menu::Menu(GameStateSet* owner, const char* name) {
  SetName(name);
  SetTitle(name);
  set = owner;
}

void Menu::SetTitle(const char* title) {
  title_ = title;
  wideTitle_ = StringToWString(title ? title : "");
}

void Menu::DrawDebugOverlay() { DrawScreenOverlay(set); }

std::unique_ptr<Quad> MakeMenuQuad(const platform::Vector3& centre, float width, float height,
                                   const Color4& fill) {
  auto quad = std::make_unique<Quad>();
  quad->SetAltPosition(centre);
  quad->SetDimensions(width, height, 0.0f);
  quad->SetFillColor(fill);
  quad->outlineVisible = 1;
  quad->SetOutlineColor(ColorBlack);
  return quad;
}

void DrawMenuLabel(const platform::Vector3& at, const std::wstring& text) {
  DrawTextAligned(SmallFont, at.x, at.y, at.z, text, DebugTextColor.ToD3DColor(), AlignCenter,
                  AlignQuarterUp);
}
