#include "menus/Menu.h"

#include "engine/DebugOverlay.h"
#include "engine/GameStateSet.h"
#include "engine/Globals.h"
#include "engine/MusicTrack.h"
#include "engine/SoundBank.h"
#include "engine/StringConversion.h"
#include "engine/TextDrawing.h"
#include "engine/draw/Quad.h"
#include "world/World.h"

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

void Menu::RestoreMusicVolume() {
  if (MainSoundBank && MainSoundBank->music)
    MainSoundBank->music->SetVolume(MusicTrack::FullVolume);
}

void Menu::ReturnToPlay() {
  RestoreMusicVolume();
  if (set && set->world) set->SwitchTo(set->world);
}

std::unique_ptr<Quad> MakeMenuQuad(const platform::Vector3& centre, float width, float height,
                                   const Color4& fill, bool outlined) {
  auto quad = std::make_unique<Quad>();
  quad->SetAltPosition(centre);
  quad->SetDimensions(width, height, 0.0f);
  quad->SetFillColor(fill);
  quad->outlineVisible = outlined ? 1 : 0;
  quad->SetOutlineColor(ColorBlack);
  return quad;
}

std::array<std::unique_ptr<Quad>, 3> MakeCornerButtons() {
  const platform::Vector3 corner{
      static_cast<float>(ScreenWidth) - Menu::ButtonWidth / 2 - Menu::ButtonMargin,
      static_cast<float>(ScreenHeight) - Menu::ButtonHeight / 2 - Menu::ButtonMargin, 0.0f};
  std::array<std::unique_ptr<Quad>, 3> buttons;
  for (size_t at = 0; at < buttons.size(); ++at) {
    const float x = corner.x - static_cast<float>(at) * (Menu::ButtonWidth + Menu::ButtonMargin);
    buttons[at] =
        MakeMenuQuad({x, corner.y, 0.0f}, Menu::ButtonWidth, Menu::ButtonHeight, Menu::NormalColor);
  }
  return buttons;
}

Quad* StepAlongRow(std::span<Quad* const> row, Quad* item, int step) {
  const auto count = static_cast<int>(row.size());
  for (int at = 0; at < count; ++at) {
    if (row[static_cast<size_t>(at)] == item) {
      return row[static_cast<size_t>(((at + step) % count + count) % count)];
    }
  }
  return item;
}

void DrawMenuLabel(const platform::Vector3& at, const std::wstring& text) {
  DrawTextAligned(SmallFont, at.x, at.y, at.z, text, DebugTextColor.ToD3DColor(), AlignCenter,
                  AlignQuarterUp);
}
